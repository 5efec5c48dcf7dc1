#include "NumeriRegionali.h"

#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <cmath>

char SeparatoreDecimale() {
    const QString punto = QLocale().decimalPoint();
    if (punto.size() == 1 && punto[0].unicode() < 128)
        return punto[0].toLatin1();
    return '.';
}

QString TestoArrotondato(double valore, int decimali) {
    return QString::fromStdString(TestoNumero(ArrotondaPari(valore, decimali), SeparatoreDecimale()));
}

QString TestoValore(double valore) {
    return QString::fromStdString(TestoNumero(valore, SeparatoreDecimale()));
}

QString TestoMessaggio(double valore, Arrotondamento verso) {
    return QString::fromStdString(TestoCifre(valore, 6, SeparatoreDecimale(), verso));
}

QString TestoValoreEsatto(double valore) {
    return QString::fromStdString(TestoEsatto(valore, SeparatoreDecimale()));
}

QString TestoSingolo(float valore) {
    return QString::fromStdString(TestoNumeroSingolo(valore, SeparatoreDecimale()));
}

std::optional<double> LeggiValore(const QString& testo) {
    return LeggiNumero(testo.toStdString(), SeparatoreDecimale());
}

QString NumeroPiuLungo() {
    return TestoValore(-8.88888888888888e88);
}

int LarghezzaPerNumeri(const QLineEdit& casella, const QString& testo) {
    // The box's frame, its text margins, the two pixels it keeps each side of the text and the cursor.
    const int cornice = casella.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &casella);
    const QMargins margini = casella.textMargins() + casella.contentsMargins();
    const double larghezza = QFontMetricsF(casella.font()).horizontalAdvance(testo);
    return static_cast<int>(std::ceil(larghezza)) + 2 * cornice + margini.left() + margini.right() + 2 * 2 +
           2;
}
