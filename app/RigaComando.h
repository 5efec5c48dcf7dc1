#pragma once

// The command line:
//   velantra [FILE.vla]              the program, with the document opened
//   velantra --esporta FILE.vla OUT  reads, calculates and writes OUT by its extension; no window
//   velantra --help | --version
// Messages in Italian on standard error. Exit status 0 when done, 1 when it failed, 2 when the
// command line is wrong.

class QApplication;

// Called before the application object is built: without a display the program runs offscreen,
// where the exports need no screen. True when it did so.
bool PreparaPiattaforma();

// Runs what the command line asks for; the exit status.
int EseguiRigaComando(QApplication& applicazione, bool senzaSchermo);
