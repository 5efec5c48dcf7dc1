#pragma once

// The child windows in an active multiple-document area, as the main frame holds them, over a fresh
// simulation and scripted dialogs.

#include "Utente.h"
#include "frmInserimentoDati.h"

struct BancoArea : Utente {
    QMdiArea area;
    FinestreFiglie finestre{area, simulazione, dialoghi};

    BancoArea() {
        area.resize(1200, 800);
        area.show();
        area.activateWindow();
        if (!QTest::qWaitForWindowActive(&area))
            qWarning("area not active");
    }
    FinestreFiglie& Figlie() override { return finestre; }
    frmInserimentoDati& Inserimento() { return finestre.ApriInserimentoDati(); }
};
