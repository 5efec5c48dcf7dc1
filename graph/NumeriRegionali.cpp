#include "NumeriRegionali.h"

#include "TestiNumerici.h"

#include <QLocale>

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

QString TestoSingolo(float valore) {
    return QString::fromStdString(TestoNumeroSingolo(valore, SeparatoreDecimale()));
}

std::optional<double> LeggiValore(const QString& testo) {
    return LeggiNumero(testo.toStdString(), SeparatoreDecimale());
}
