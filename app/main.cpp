#include "FileSicuri.h"
#include "RigaComando.h"

#include <QApplication>

int main(int argc, char** argv) {
    PreparaScritture();
    const bool senzaSchermo = PreparaPiattaforma();
    if (SoloTesto(argc, argv)) {
        QCoreApplication applicazione(argc, argv);
        return EseguiRigaComando(argc, argv, senzaSchermo);
    }
    QApplication applicazione(argc, argv);
    // The id of the desktop entry, the metadata and the icon: lets the desktop match the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.velantra.Velantra"));
    return EseguiRigaComando(argc, argv, senzaSchermo);
}
