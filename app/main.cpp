#include "Avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    Avvio avvio;
    if (!Main(avvio))
        return 0;
    return applicazione.exec();
}
