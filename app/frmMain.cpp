#include "frmMain.h"

#include <QMdiArea>

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velantra dei moti"));
    setCentralWidget(new QMdiArea(this));
}
