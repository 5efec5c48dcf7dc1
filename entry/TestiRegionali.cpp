#include "TestiRegionali.h"

#include <QLineEdit>
#include <algorithm>

QString TestoMessaggio(double valore, Arrotondamento verso) {
    return QString::fromStdString(TestoCifre(valore, 6, SeparatoreDecimale(), verso));
}

QString TestoValoreEsatto(double valore) {
    return QString::fromStdString(TestoEsatto(valore, SeparatoreDecimale()));
}

int16_t PuntoInVirgola(int16_t CodiceTasto, char Separatore) {
    return CodiceTasto == '.' ? static_cast<int16_t>(Separatore) : CodiceTasto;
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
