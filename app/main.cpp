#include "FileSicuri.h"
#include "RigaComando.h"

#include <QApplication>

int main(int argc, char** argv) {
    PreparaScritture();
    const bool senzaSchermo = PreparaPiattaforma();
    const RigaComando riga = LeggiRigaComando(argc, argv);
    if (riga.Grafica()) {
        QApplication applicazione(argc, argv);
        return EseguiRigaComando(riga, senzaSchermo);
    }
    QCoreApplication applicazione(argc, argv);
    return EseguiRigaComando(riga, senzaSchermo);
}
