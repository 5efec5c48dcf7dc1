#pragma once

// The command line:
//   velantra [FILE.vla]              the program, with the document opened
//   velantra --esporta FILE.vla OUT  reads, calculates and writes OUT by its extension; no window
//     [--intervallo SECONDI]         the step of a CSV's rows
//   velantra --relazione FILE.vla OUT  the same, writing the report (.pdf or .txt)
//   velantra --leggi FILE.vla OUT    the same, writing the laws of motion compared (.csv or .txt)
//     [--jerk J]                     the jerk of the jerk-limited law, m/sec^3
//   velantra --motori CATALOG.csv FILE.vla  the catalogue's motors checked on the axis, on standard output
//   velantra --help | --version
// Qt's own options (-style, -platform...) are left to the application object of the windows; an output
// takes none of them and never needs a display (see Ambiente.h). Messages in Italian on standard error.
// Exit status 0 when done, 1 when it failed, 2 when the command line is wrong. File names are taken as
// the bytes given, UTF-8 or not. A further task is one more row of the options' table in RigaComando.cpp:
// its option, whether it takes a document and an output, whether it draws, and what it runs.

#include "DatiProfilo.h"

#include <QString>
#include <cstdint>
#include <optional>

// What the command line asks for, read once.
struct RigaComando {
    // The program's windows, an export, the report, the laws compared, a motor list, the help, the
    // version, or a wrong line.
    enum class Compito : uint8_t { Finestre, Esporta, Relazione, Leggi, Motori, Aiuto, Versione, Errata };
    Compito compito = Compito::Finestre;
    QString documento;             // the simulation to open or to read; may be empty for the program
    QString uscita;                // the file to write
    std::optional<PassoCsv> passo; // the CSV's step, when given
    std::optional<double> jerk;    // the laws' jerk, when given
    QString errore;                // why the line is wrong, the hint to --help included

    // Whether a GUI application object is needed: for the window, or to draw a picture (the graph, the
    // report's page). Text alone starts faster without one, which a script running it often notices.
    bool Grafica() const;
    bool Finestre() const { return compito == Compito::Finestre; }
};

// Reads the arguments of main(), names taken as the bytes given.
RigaComando LeggiRigaComando(int argc, char** argv);

// Runs what the line asks for under the application object already built (a QApplication when
// Grafica()); the exit status. `senzaSchermo`: the windows would have no display.
int EseguiRigaComando(const RigaComando& riga, bool senzaSchermo);
