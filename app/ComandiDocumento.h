#pragma once

// The document commands of the main window: Open, Save and Save As, and a document opened by name
// (dropped on the window, or named when the program starts). The file itself is Documenti's; here are
// the dialogs, the question and the child windows.

#include <QString>

class Dialoghi;
class FinestreFiglie;
class Simulazione;

class ComandiDocumento {
public:
    ComandiDocumento(Simulazione& simulazione, Dialoghi& dialoghi, FinestreFiglie& figlie)
        : simulazione(simulazione), dialoghi(dialoghi), figlie(figlie) {}

    void Apri();         // the Open command
    bool SalvaConNome(); // the Save and Save As commands; true when written

    // Copies the typed values when the data-entry window is open, then writes the document, with the
    // sizing data the simulation holds (the last the sizing window could take): a value there that
    // could not be taken is said after the file is written. False, after telling the user, when
    // nothing was written.
    bool SalvaSimulazione(const QString& percorso);
    // Asks, then replaces the simulation with the document's and shows the data-entry window. A file
    // that cannot be read as a document is reported and changes nothing. False when nothing changed.
    bool CaricaSimulazione(const QString& percorso);
    // The same without the question (a document named when the program starts).
    bool Carica(const QString& percorso);

private:
    Simulazione& simulazione;
    Dialoghi& dialoghi;
    FinestreFiglie& figlie;
};
