#pragma once

// The export commands of the main window and of the graph window: each asks where (and, for a picture,
// how large), then writes the file. A picture or a data file that takes long shows its progress and can
// be cancelled. What is written is Esportazione's, ImmagineGrafico's and Relazione's.

#include <QString>

class Dialoghi;
class FinestreFiglie;
class Simulazione;
struct RichiestaImmagine;

class ComandiEsportazione {
public:
    ComandiEsportazione(const Simulazione& simulazione, const QString& intestazione, Dialoghi& dialoghi,
                        FinestreFiglie& figlie)
        : simulazione(simulazione), intestazione(intestazione), dialoghi(dialoghi), figlie(figlie) {}

    // Each asks a name, then writes the file there.
    void EsportaTabella();
    void EsportaGrafico();

    // False, after telling the user, when the file was not written.
    bool EsportaTabella(const QString& percorso);
    // Opens the graph window when none is open, then writes its plot as last drawn.
    bool EsportaGrafico(const QString& percorso);

    // The picture a plot asks for (the graph window's view, or another plot), in the format of the chosen
    // filter (or of the name's extension), at its size on screen or the one the user types; nothing once
    // the plot is gone.
    void EsportaImmagineGrafico(const RichiestaImmagine& richiesta);
    // The calculated motion's values as CSV on the step of PassoPredefinito, in the standard or the
    // regional form as the chosen filter says; with the axis' sizing, its force and torque columns too.
    void EsportaDatiGrafico();
    // The open laws window's table, or the curves of the laws ticked there, as CSV by the filter chosen.
    void EsportaDatiLeggi();
    // The report, as PDF or text by the filter chosen (or the name's extension).
    void EsportaRelazione();

private:
    const Simulazione& simulazione;
    const QString& intestazione;
    Dialoghi& dialoghi;
    FinestreFiglie& figlie;
};
