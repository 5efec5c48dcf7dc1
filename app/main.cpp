#include "Ambiente.h"
#include "FileSicuri.h"
#include "RigaComando.h"

#include <QApplication>

int main(int argc, char** argv) {
    PreparaScritture();
    const RigaComando riga = LeggiRigaComando(argc, argv);
    const bool senzaSchermo = PreparaAmbiente(riga.Finestre());
    // Qt's own options (-platform, -display, -style...) are the windows': an output takes none of them.
    int argomentiQt = riga.Finestre() ? argc : 1;
    if (riga.Grafica()) {
        QApplication applicazione(argomentiQt, argv);
        return EseguiRigaComando(riga, senzaSchermo);
    }
    QCoreApplication applicazione(argomentiQt, argv);
    return EseguiRigaComando(riga, senzaSchermo);
}
