#include "Stampe.h"

#include "FrmRisultati.h"
#include "ModelloGrafico.h"
#include "NumeriRegionali.h"
#include "PaginaStampa.h"
#include "RegoleCornice.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"
#include "frmDimensionamento.h"
#include "frmGrafico.h"
#include "frmInserimentoDati.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>

namespace {
constexpr double ColonnaTesto = 12; // hundredths of the printable width
} // namespace

void Stampe::StampaFinestra(QWidget& finestra) {
    if (qobject_cast<frmInserimentoDati*>(&finestra))
        StampaInput();
    else if (auto* grafico = qobject_cast<frmGrafico*>(&finestra))
        StampaGrafico(*grafico);
    else if (qobject_cast<FrmRisultati*>(&finestra))
        StampaRisultati();
    else if (auto* asse = qobject_cast<frmDimensionamento*>(&finestra))
        StampaDimensionamento(*asse);
}

void Stampe::Intestazione(PaginaStampa& pagina, const QString& titolo) const {
    pagina.ImpostaCarattere(QStringLiteral("Courier"), 12);
    pagina.ScalaLarghezza(100);
    const double alto = pagina.CurrentY;
    pagina.Stampa();
    pagina.Stampa();
    // Centred; a header wider than the page starts at its left edge rather than off it.
    pagina.CurrentX = std::max(0.0, 50 - pagina.LarghezzaTesto(intestazione) / 2);
    pagina.Stampa(intestazione);
    pagina.CurrentY = alto;
    for (int riga = 0; riga < 6; ++riga)
        pagina.Stampa();
    pagina.CurrentX = ColonnaTesto;
    pagina.Stampa(titolo);
    pagina.Stampa();
}

// Label, value rounded to 5 decimals in the user's format, and unit after two blanks.
void Stampe::RigaGrandezza(PaginaStampa& pagina, int indice, bool input) const {
    const VoceTabella& voce = VociTabella[indice];
    pagina.CurrentX = ColonnaTesto;
    pagina.Stampa(QLatin1String(input ? voce.EtichettaInput : voce.Etichetta) +
                  TestoArrotondato(simulazione.Moto().*Grandezze[indice].Membro, 5) + QLatin1String("  ") +
                  QLatin1String(Grandezze[indice].Unita));
}

void Stampe::StampaInput() {
    PaginaStampa pagina(stampante);
    Intestazione(pagina, QStringLiteral("Terna di valori di input:"));
    if (const int16_t sistema = simulazione.SistemaCorrente(); SistemaValido(sistema)) {
        // The three known quantities in the window order.
        std::array<int, 3> indici = Sistemi[static_cast<size_t>(sistema)].Indici;
        std::sort(indici.begin(), indici.end());
        for (const int indice : indici)
            RigaGrandezza(pagina, indice, true);
    }
    pagina.Stampa();
    pagina.Fine();
}

void Stampe::StampaRisultati() {
    PaginaStampa pagina(stampante);
    Intestazione(pagina, QStringLiteral("Valori dei parametri calcolati:"));
    for (int indice = 0; indice < NumeroGrandezze; ++indice)
        RigaGrandezza(pagina, indice, false);
    pagina.Fine();
}

// What the sizing window shows, one line of name, value and unit each.
void Stampe::StampaDimensionamento(const frmDimensionamento& asse) {
    PaginaStampa pagina(stampante);
    Intestazione(pagina, QStringLiteral("Dimensionamento asse:"));
    for (const QString& riga : asse.Righe()) {
        const QStringList celle = riga.split('\t');
        pagina.CurrentX = ColonnaTesto;
        pagina.Stampa(celle.value(0) + QStringLiteral(": ") + celle.value(1) +
                      (celle.value(2).isEmpty() ? QString() : QStringLiteral("  [%1]").arg(celle.value(2))));
    }
    pagina.Fine();
}

// The plot laid out at 180 x 120 mm at 15, 10 mm; the speed strip at 5 mm with its own width and the
// time strip at 127 mm with its own height, both over the plot's margins; the axis names in the page's
// font. With the details on, their axes stand right of the plot, which gives them its room, with their
// names above them at 5 mm as on screen, and the time axis name moves right of the time strip, under them.
void Stampe::StampaGrafico(frmGrafico& grafico) {
    const auto mm = [](double millimetri) { return millimetri * 96 / 25.4; }; // pixels of 1/96 inch
    const DatiGrafico dati = grafico.Dati();
    RegoleCornice regole;
    regole.carattere = regole.carattereNomi = CarattereGrafico();
    regole.spazio = QRectF(QPointF(mm(5), mm(5)), QPointF(mm(195), mm(127) + regole.strisciaTempi));
    regole.piano = QRectF(mm(15), mm(10), mm(180), mm(120));
    regole.altezzaNome = QFontMetricsF(regole.carattere).height();
    regole.nomiAssi = false;
    regole.strisceSopra = true;
    const CorniceGrafico cornice = DisponiCornice(dati, regole);
    PaginaStampa pagina(stampante);
    pagina.StampaGrafico(DisponiGrafico(dati, cornice, regole.carattere));
    pagina.StampaTesto(QPointF(mm(10), mm(5)), QStringLiteral("V(t)  [m/sec]"));
    pagina.StampaTesto(cornice.strisceDettagli.empty()
                           ? QPointF(mm(190), mm(120))
                           : QPointF(cornice.area.right() + mm(1), cornice.area.bottom() + mm(1)),
                       QStringLiteral("t  [sec]"));
    pagina.Fine();
}
