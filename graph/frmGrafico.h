#pragma once

// The graph window: the speed curve V(t) with its labels, and the measuring tools (collimator, zoom
// rectangle, two-point difference, grid). The graph state lives in the program's Grafico, so a
// reopened window shows the view the last one left; the curve and the phase times are read afresh at
// every drawing. The window's code is split by concern: controls and layout (frmGrafico.cpp), the
// drawing of the view (frmGraficoVista.cpp), the tools and their readouts (frmGraficoStrumenti.cpp).

#include "FunzioniGrafico.h"
#include "SuperficieDisegno.h"

#include <QWidget>
#include <cstdint>

class Grafico;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
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
    // The Toolbar1 button with this key ("Cancella", "Tracciatore", "Disegna", "ZoomArea",
    // "AggiungiParticolari", "Differenza", "Griglia"), or nullptr.
    QAction* Pulsante(const QString& chiave) const;

    // The motion changed: the full view of the new curve with the tools reset, as "Disegna" does; a
    // blank window with empty readouts when there is no curve.
    void NuovoMoto();

signals:
    // A view (full or zoomed) has just been drawn and made the background of the tools.
    void VistaDisegnata();

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // A label with the readout box beside it.
    struct Lettura {
        QLabel* etichetta;
        QLineEdit* casella;
    };

    void CreaControlli();
    void CreaToolbar();
    Lettura CreaLettura(const char* nomeEtichetta, const char* testo, const char* nomeCasella);
    void Disponi();
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
    void AdattaValoriVelocita();
    void FineDisegno(bool disegnata, bool zoomPossibile);
    void AbilitaPulsanti(bool grafico, bool zoom);
    SuperficiGrafico Superfici() { return {*picture1, *pictValX, *pictValY}; }

    const XYPoli& PuntiGrafico;
    Grafico& GraficoCorrente;
    const Velantra& Moto;

    SuperficieDisegno* picture1 = nullptr;
    SuperficieDisegno* pictValX = nullptr;
    SuperficieDisegno* pictValY = nullptr;
    QToolBar* toolbar1 = nullptr;
    QLabel* label9 = nullptr;
    QLabel* label10 = nullptr;
    QFrame* shape1 = nullptr;
    QFrame* shape2 = nullptr;
    Lettura text1{}, text2{};
    Lettura diffX1{}, diffY1{}, diffX2{}, diffY2{}, diffX{}, diffY{};

    uint8_t passo = 0; // two-click tools: 0 idle, 1 waiting for the first click, 2 for the second
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // zoom rectangle, Picture1 coordinates
    double larghezzaValY = 735;            // twips of the speed strip: wider when a label needs it
    bool caricato = false;
    bool collocata = false;      // placed in the main window's client area at its first showing
    bool daRidisegnare = false;  // resized while hidden: drawn when shown
    bool vistaDisegnata = false; // a view is on the plot, with scales the tools can read
};
