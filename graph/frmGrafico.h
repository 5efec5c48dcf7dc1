#pragma once

// The graph window: the speed curve V(t) with its labels, the details of the motion (curves on axes of
// their own, phase marks) when asked for, and the measuring tools (collimator, zoom rectangle, two-point
// difference, grid), with the wheel zooming and a drag panning the time axis. The graph state lives in
// the program's Grafico, so a reopened window shows the view the last one left; the curve and the phase
// times are read afresh at every drawing. The picture is the one plot model (ModelloGrafico), shown on
// a PianoGrafico that covers the window under its toolbar and readouts. The code is split by concern:
// controls and commands (frmGrafico.cpp), the layout of plot and readouts (frmGraficoDisposizione.cpp),
// the drawing of the view and the tools (frmGraficoStrumenti.cpp), data out (frmGraficoUscite.cpp).

#include "Dimensionamento.h"
#include "ModelloGrafico.h"
#include "RichiestaImmagine.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class Grafico;
class PianoGrafico;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class Velantra;
class XYPoli;

// The toolbar's tools, in their order.
enum class ComandoGrafico {
    Cancella,
    Tracciatore,
    Disegna,
    ZoomArea,
    AggiungiParticolari,
    Differenza,
    Griglia
};

class frmGrafico : public QWidget {
    Q_OBJECT
public:
    frmGrafico(const XYPoli& PuntiGrafico, Grafico& GraficoCorrente, const Velantra& Moto,
               QWidget* parent = nullptr);
    ~frmGrafico() override;

    QAction* Azione(ComandoGrafico comando) const { return azioni[static_cast<size_t>(comando)]; }
    // What the plot shows now, laid out at the window's size.
    const DisposizioneGrafico& Disposizione() const;
    bool Particolari() const;

    // The motion changed: the full view of the new curve with the tools reset, as "Disegna" does; a
    // blank window with empty readouts when there is no curve.
    void NuovoMoto();
    // The program's sizing data of the axis, whose curve joins the details when there is one; and a
    // change of it, drawn again in the same view.
    void ImpostaAsse(const std::optional<DatiAsse>* asse) { asseProgramma = asse; }
    void NuoviParticolari();

    // The graph as it shows (the view, the details when on), for a picture of any size; the size it
    // has on screen; the plot as last drawn, with the tools' kept marks.
    DatiGrafico Dati() const;
    QSize MisuraImmagine() const;
    QImage ImmaginePiano() const;

signals:
    // "Esporta immagine..." and "Esporta dati..." chosen: the program asks where and writes the file.
    void EsportaImmagineRichiesta(const RichiestaImmagine& richiesta);
    void EsportaDatiRichiesta();

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    // The plot's context menu, by mouse, by the menu key or by Shift+F10.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // A readout: its label and its box.
    struct Lettura {
        QLabel* etichetta = nullptr;
        QLineEdit* casella = nullptr;
    };
    // The tool AttivaStrumento keeps; any other turns the three off.
    enum class Strumento { Nessuno, Collimatore, CollimatoreDifferenza, ZoomRettangolo, ZoomArea };
    // The two-click tools: waiting for the first click, for the second, or for none.
    enum class Passo : uint8_t { Inattivo, PrimoClic, SecondoClic };

    void CreaControlli();
    void CreaAzioni();
    void MostraBarra();
    Lettura CreaLettura(const QString& testo, const char* nome);
    void CreaMenuContestuale();
    void Copia();
    void RichiediImmagine();
    bool Minimizzata() const;

    // Layout: the designed one where it leaves the plot room enough, else the readouts below the plot.
    // True when the plot's frame changed.
    QSize MisuraProgettata() const;
    QString NumeroPiuLungoVista(const DatiGrafico& dati, bool dettagli) const;
    bool Disponi() { return Disponi(Dati()); }
    bool Disponi(const DatiGrafico& dati);
    bool DisponiComeProgettato(const DatiGrafico& dati);
    void DisponiLettureSotto(const DatiGrafico& dati);
    void Mostra(QWidget* controllo, bool visibile);
    std::vector<Lettura*> LettureVisibili();

    // Commands.
    void Cancella();
    void Disegna();
    void Tracciatore();
    void ZoomArea();
    void AggiungiParticolari();
    void Differenza();
    void Griglia();

    // Mouse over the plot, in graph units.
    void MouseMosso(double X, double Y);
    void MousePremuto(Qt::MouseButton pulsante, double X, double Y);
    void Rotella(double tempo, double scatti);
    void Spostamento(double secondi);
    // The view's times changed by `cambia` (false: nothing changed), the tools kept.
    template <typename Cambio> void CambiaTempi(Cambio cambia);

    void MostraDifferenza(bool mostra);
    void CommutaCollimatore();
    void CommutaDifferenza();
    void AttivaStrumento(Strumento tenuto);
    SegnoStrumento Croce(double xVerticale, double velocita, QColor colore) const;
    void AggiornaDifferenze();
    void Scrivi(const Lettura& lettura, double valore, bool particolare = false);
    void SvuotaLetture(bool differenze);
    void MostraStatoStrumenti(); // checked buttons follow the tool flags

    void PulisciGrafico(bool primaDiUnDisegno = false);
    void DisegnaGrafico();
    void EseguiZoom();
    void RidisegnaVista();
    void MostraVista(bool tieniSegni = false);
    void FineDisegno(bool disegnata, bool zoomPossibile);
    void AbilitaPulsanti(bool grafico, bool zoom);

    const XYPoli& PuntiGrafico;
    Grafico& GraficoCorrente;
    const Velantra& Moto;
    const std::optional<DatiAsse>* asseProgramma = nullptr;
    const DatiAsse* Asse() const { return asseProgramma && *asseProgramma ? &**asseProgramma : nullptr; }

    PianoGrafico* piano = nullptr;
    QToolBar* barra = nullptr;
    std::array<QAction*, 7> azioni{};
    QMenu* menu = nullptr;
    QFrame* riquadroXY = nullptr;         // around the mouse's readouts
    QFrame* riquadroDifferenza = nullptr; // around the difference's readouts
    Lettura letturaX, letturaY;           // the mouse's time and speed
    std::vector<Lettura> lettureDettagli; // each details curve at the mouse's time
    Lettura diffX1, diffY1, diffX2, diffY2, diffX, diffY, diffS;
    CorniceGrafico cornice; // where the plot model goes in the window
    bool vuoto = true;      // blank, as after "Cancella"

    Passo passo = Passo::Inattivo;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // zoom rectangle, graph units
    double tempo1 = 0, tempo2 = 0;          // times of the difference's two points
    std::vector<SegnoStrumento> segniFissi; // the difference's kept crosses, in seconds and m/sec
    bool caricato = false;
    bool collocata = false;      // placed in the main window's client area at its first showing
    bool daRidisegnare = false;  // resized while hidden: drawn when shown
    bool vistaDisegnata = false; // a view is on the plot, with scales the tools can read
};
