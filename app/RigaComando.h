#pragma once

// The command line:
//   velantra [FILE.vla]              the program, with the document opened
//   velantra --esporta FILE.vla OUT  reads, calculates and writes OUT by its extension; no window
//     [--intervallo SECONDI]         the step of a CSV's rows
//   velantra --relazione FILE.vla OUT  the same, writing the one-page report (.pdf or .txt)
//   velantra --help | --version
// Messages in Italian on standard error. Exit status 0 when done, 1 when it failed, 2 when the
// command line is wrong. File names are taken as the bytes given, UTF-8 or not.

// Called before the application object is built: without a display the program runs offscreen,
// where the exports need no screen. True when it did so. Without a runtime folder named, it names the
// one Qt would fall back to, which Qt would otherwise announce on standard error.
bool PreparaPiattaforma();

// True when the command line asks only for text (help, version, an export that is not a picture): then
// no GUI need start, which a script running it many times notices.
bool SoloTesto(int argc, char** argv);

// Runs what the command line asks for, under the application object already built (a QApplication
// unless SoloTesto) from the same arguments, which it has cleared of its own options; the exit status.
int EseguiRigaComando(int argc, char** argv, bool senzaSchermo);
