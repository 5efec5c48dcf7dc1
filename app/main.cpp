#include "frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    frmMain finestra;
    finestra.showMaximized();
    return applicazione.exec();
}
