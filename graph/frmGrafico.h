#pragma once

// The graph window: the speed curve V(t) with its labels, the details of the motion (position and
// acceleration on axes of their own, phase marks) when asked for, and the measuring tools (collimator,
// zoom rectangle, two-point difference, grid). The graph state lives in the program's Grafico, so a
// reopened window shows the view the last one left; the curve and the phase times are read afresh at
// every drawing. The window's code is split by concern: controls and layout (frmGrafico.cpp), the
// drawing of the view (frmGraficoVista.cpp), the tools and their readouts (frmGraficoStrumenti.cpp),
// the data out: context menu, picture of the view (frmGraficoUscite.cpp).

#include "FunzioniGrafico.h"
#include "Particolari.h"
#include "SuperficieDisegno.h"
#include "VistaGrafico.h"

#include <QWidget>
#include <cstdint>

class Grafico;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class Velantra;
class XYPoli;

class frmGrafico : public QWidget {
    Q_OBJECT
public:
    // Shown in place of the curve when its scales cannot be computed.
    static const QString FraseNonDisegnabile;

    frmGrafico(const XYPoli& PuntiGrafico, Grafico& GraficoCorrente, const Velantra& Moto,
               QWidget* parent = nullptr);

    SuperficieDisegno& Picture1() { return *picture1; } // the plot
    SuperficieDisegno& PictValX() { return *pictValX; } // time labels, below the plot
    SuperficieDisegno& PictValY() { return *pictValY; } // speed labels, left of the plot
    SuperficieDisegno& PictValS() { return *pictValS; } // position axis, right of the plot (details)
    SuperficieDisegno& PictValA() { return *pictValA; } // acceleration axis, right of that (details)
    bool Particolari() const;                           // the details are on
    // The Toolbar1 button with this key ("Cancella", "Tracciatore", "Disegna", "ZoomArea",
    // "AggiungiParticolari", "Differenza", "Griglia"), or nullptr.
    QAction* Pulsante(const QString& chiave) const;

    // The motion changed: the full view of the new curve with the tools reset, as "Disegna" does; a
    // blank window with empty readouts when there is no curve.
    void NuovoMoto();

    // The graph as it shows: plot, label strips, axis names, the details when on; in the window's pixels.
    VistaGrafico Vista() const;

signals:
    // A view (full or zoomed) has just been drawn and made the background of the tools.
    void VistaDisegnata();
    // "Esporta immagine..." and "Esporta dati..." chosen: the program asks where and writes the file.
    void EsportaImmagineRichiesta();
    void EsportaDatiRichiesta();

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    // The plot's context menu, by mouse, by the menu key or by Shift+F10.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // A label with the readout box beside it.
    struct Lettura {
        QLabel* etichetta;
        QLineEdit* casella;
    };

    void CreaControlli();
    void CreaToolbar();
    void MostraToolbar();
    Lettura CreaLettura(const char* nomeEtichetta, const char* testo, const char* nomeCasella);
    void Disponi();
    void MostraParticolari(); // the details' strips and readouts shown as the flag says
    void CreaMenuContestuale();
    void MostraMenu(QPoint globale);
    void Copia();
    bool Minimizzata() const;

    void Toolbar1_ButtonClick(const QString& chiave);
    void Picture1_MouseMove(double X, double Y);
    void Picture1_MouseDown(Qt::MouseButton pulsante, double X, double Y);

    void MostraDifferenza(bool mostra);
    void CommutaCollimatore();
    void CommutaDifferenza();
    void AttivaStrumento(const QString& nome);
    void Croce(double xVerticale, double velocita);
    void AggiornaDifferenze();
    void SvuotaLetture(bool differenze);
    void MostraStatoStrumenti(); // checked buttons follow the tool flags

    void PulisciGrafico(bool primaDiUnDisegno = false);
    bool ImpostaScale();
    void DisegnaAssi();
    void DisegnaGrafico();
    void EseguiZoom();
    void RidisegnaVista();
    void AdattaStrisce();
    void FineDisegno(bool disegnata, bool zoomPossibile);
    void AbilitaPulsanti(bool grafico, bool zoom);
    SuperficiGrafico Superfici() { return {*picture1, *pictValX, *pictValY}; }
    SuperficiParticolari SuperficiDettagli() { return {*picture1, *pictValS, *pictValA}; }

    const XYPoli& PuntiGrafico;
    Grafico& GraficoCorrente;
    const Velantra& Moto;

    SuperficieDisegno* picture1 = nullptr;
    SuperficieDisegno* pictValX = nullptr;
    SuperficieDisegno* pictValY = nullptr;
    SuperficieDisegno* pictValS = nullptr;
    SuperficieDisegno* pictValA = nullptr;
    QToolBar* toolbar1 = nullptr;
    QLabel* label9 = nullptr;
    QLabel* label10 = nullptr;
    QLabel* label14 = nullptr; // names of the details' axes
    QLabel* label15 = nullptr;
    QMenu* menu = nullptr;
    QFrame* shape1 = nullptr;
    QFrame* shape2 = nullptr;
    Lettura text1{}, text2{};
    Lettura diffX1{}, diffY1{}, diffX2{}, diffY2{}, diffX{}, diffY{};
    Lettura text3{}, text4{}, diffS{}; // s and a at the cursor, distance between the two points

    uint8_t passo = 0; // two-click tools: 0 idle, 1 waiting for the first click, 2 for the second
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;           // zoom rectangle, Picture1 coordinates
    double larghezzaValY = 735;                      // twips of the speed strip: wider when a label needs it
    double larghezzaValS = 735, larghezzaValA = 735; // of the details' strips, likewise
    double tempo1 = 0, tempo2 = 0;                   // times of the difference's two points
    bool caricato = false;
    bool collocata = false;      // placed in the main window's client area at its first showing
    bool daRidisegnare = false;  // resized while hidden: drawn when shown
    bool vistaDisegnata = false; // a view is on the plot, with scales the tools can read
};
