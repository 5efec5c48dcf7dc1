#include "TestiRegionali.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

int16_t PuntoInVirgola(int16_t CodiceTasto, char Separatore) {
    return CodiceTasto == '.' ? static_cast<int16_t>(Separatore) : CodiceTasto;
}

bool SostituisciTasto(QLineEdit& casella, const QKeyEvent& tasto) {
    const QString testo = tasto.text();
    if (testo.size() != 1 || testo[0].unicode() >= 128)
        return false;
    const auto codice = static_cast<int16_t>(testo[0].unicode());
    const int16_t sostituto = PuntoInVirgola(codice, SeparatoreDecimale());
    if (sostituto == codice)
        return false;
    casella.insert(QString(QChar(sostituto)));
    return true;
}

void AllargaConIlTesto(QLineEdit& casella, int larghezzaMassima) {
    const int progetto = casella.width();
    QObject::connect(&casella, &QLineEdit::textChanged, &casella,
                     [&casella, progetto, larghezzaMassima](const QString& testo) {
                         const int serve = LarghezzaPerNumeri(casella, testo);
                         casella.resize(std::max(progetto, std::min(serve, larghezzaMassima)),
                                        casella.height());
                         casella.setToolTip(serve > casella.width() ? testo : QString());
                     });
}
