#include "TestiRegionali.h"

#include "TestiNumerici.h"

#include <QLocale>

char SeparatoreDecimale() {
    const QString punto = QLocale().decimalPoint();
    if (punto.size() == 1 && punto[0].unicode() < 128)
        return punto[0].toLatin1();
    return '.';
}

QString TestoRisultato(double valore) {
    return QString::fromStdString(TestoNumero(ArrotondaPari(valore, 5), SeparatoreDecimale()));
}

QString TestoValore(double valore) {
    return QString::fromStdString(TestoNumero(valore, SeparatoreDecimale()));
}

std::optional<double> LeggiValore(const QString& testo) {
    return LeggiNumero(testo.toStdString(), SeparatoreDecimale());
}

int16_t PuntoInVirgola(int16_t KeyAscii, char Separatore) {
    return KeyAscii == '.' ? static_cast<int16_t>(Separatore) : KeyAscii;
}
