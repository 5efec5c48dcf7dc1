#include "Avvio.h"
#include "FileSicuri.h"

#include <QApplication>

int main(int argc, char** argv) {
    IgnoraLimiteFile();
    QApplication applicazione(argc, argv);
    // The id of the desktop entry, the metadata and the icon: lets the desktop match the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.velantra.Velantra"));
    Avvio avvio;
    if (!Main(avvio))
        return 0;
    return applicazione.exec();
}
