#pragma once

// The print-outs of the child windows, one page each: the three known values of the data-entry
// window, the eight results, the graph with its value strips, or the sizing of the axis. Text pages carry the
// user's header centred on their third line.

class PaginaStampa;
class QPaintDevice;
class QString;
class QWidget;
class frmDimensionamento;
class frmGrafico;
class Simulazione;

class Stampe {
public:
    Stampe(const Simulazione& simulazione, const QString& intestazione, QPaintDevice& stampante)
        : simulazione(simulazione), intestazione(intestazione), stampante(stampante) {}

    // The page of this child window, by its kind; any other window prints nothing.
    void StampaFinestra(QWidget& finestra);

    void StampaInput();
    void StampaRisultati();
    void StampaGrafico(frmGrafico& grafico);
    void StampaDimensionamento(const frmDimensionamento& asse);

private:
    void Intestazione(PaginaStampa& pagina, const QString& titolo) const;
    void RigaGrandezza(PaginaStampa& pagina, int indice, bool input) const;

    const Simulazione& simulazione;
    const QString& intestazione;
    QPaintDevice& stampante;
};
