#pragma once

// What most app tests start from: a settings store of their own in a temporary folder, fresh program
// objects, scripted dialogs, and the main window loaded over them.

#include "DialoghiFinti.h"
#include "Programma.h"
#include "frmMain.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct Banco {
    QTemporaryDir cartella;
    Programma programma;
    DialoghiFinti dialoghi;
    std::unique_ptr<frmMain> finestra;

    // The settings store lives in the temporary folder from here on.
    Banco() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path()); }

    frmMain& Apri() {
        finestra = std::make_unique<frmMain>(programma, &dialoghi);
        finestra->show();
        return *finestra;
    }

    QAction* Azione(const QString& nome) const { return finestra->findChild<QAction*>(nome); }
};
