#include "TestiRegionali.h"

#include <QLineEdit>
#include <algorithm>

int16_t PuntoInVirgola(int16_t KeyAscii, char Separatore) {
    return KeyAscii == '.' ? static_cast<int16_t>(Separatore) : KeyAscii;
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
