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

void AllargaConIlTesto(QLineEdit& casella) {
    const int progetto = casella.width();
    QObject::connect(&casella, &QLineEdit::textChanged, &casella, [&casella, progetto](const QString& testo) {
        const int spazio =
            casella.parentWidget() ? casella.parentWidget()->width() - casella.x() - 2 : progetto;
        const int larghezza = std::max(progetto, std::min(LarghezzaPerNumeri(casella, testo), spazio));
        if (larghezza == casella.width())
            return;
        casella.resize(larghezza, casella.height());
        if (larghezza > progetto)
            casella.raise();
    });
}
