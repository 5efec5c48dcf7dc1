#pragma once

// The start routine and what it owns for the whole run: the simulation, the print header, the
// SaltaSplash flag, Qt's Italian translation and the main window.

#include "Simulazione.h"
#include "frmMain.h"

#include <QTranslator>
#include <chrono>
#include <memory>

struct Avvio {
    QTranslator TraduzioneQt; // standard buttons read "OK", "Annulla"
    Simulazione simulazione;
    QString IntestazioneUtente; // header of the printed pages
    bool SaltaSplash = false;
    std::unique_ptr<frmMain> FinestraPrincipale;
    QString Documento; // opened once the splash is gone, as Open does but without the question
};

// The splash stays up to Passi waits of Passo each; Enter ends the current wait at once.
struct AttesaSplash {
    int Passi = 15;
    std::chrono::milliseconds Passo{250};
};

// Loads and shows the main window, then the splash for its wait, then closes the splash and opens the
// document, if any. False when the main window was closed meanwhile: then there is nothing left to run.
bool Main(Avvio& avvio, AttesaSplash attesa = {});
