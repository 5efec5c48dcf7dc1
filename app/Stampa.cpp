#include "Stampa.h"

#include "NumeriRegionali.h"
#include "PaginaStampa.h"
#include "Programma.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"
#include "VistaGrafico.h"
#include "frmDimensionamento.h"
#include "frmGrafico.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {
constexpr double ColonnaTesto = 12; // hundredths of the printable width
} // namespace

void Stampe::StampaFinestra(QWidget& finestra) {
    const QString nome = finestra.objectName();
    if (nome == QLatin1String("frmInserimentoDati"))
        StampaInput();
    else if (auto* grafico = qobject_cast<frmGrafico*>(&finestra))
        StampaGrafico(*grafico);
    else if (nome == QLatin1String("FrmRisultati"))
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
    pagina.CurrentX = std::max(0.0, 50 - pagina.LarghezzaTesto(programma.IntestazioneUtente) / 2);
    pagina.Stampa(programma.IntestazioneUtente);
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
                  TestoArrotondato(programma.Moto.*Grandezze[indice].Membro, 5) + QLatin1String("  ") +
                  QLatin1String(Grandezze[indice].Unita));
}

void Stampe::StampaInput() {
    PaginaStampa pagina(stampante);
    Intestazione(pagina, QStringLiteral("Terna di valori di input:"));
    if (SistemaValido(programma.SistemaCorrente)) {
        // The three known quantities in the window order.
        std::array<int, 3> indici = Sistemi[programma.SistemaCorrente].Indici;
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

// The plot stretched to 180 x 120 mm at 15, 10 mm; the speed strip on its left and the time strip
// below it, each keeping its own thickness; the axis names in the page's font. With the details on,
// their two axes stand right of the plot, which gives them its room, with their names above them as on
// screen, and the time axis name moves right of the time strip, under them.
void Stampe::StampaGrafico(frmGrafico& grafico) {
    const auto mm = [](double millimetri) { return millimetri * 96 / 25.4; }; // pixels of the view
    const double assi =
        grafico.Particolari() ? grafico.PictValS().Misura().width() + grafico.PictValA().Misura().width() : 0;
    const double sinistra = mm(15), alto = mm(10), larghezza = mm(180) - assi, altezza = mm(120);
    VistaGrafico vista;
    vista.carattere = grafico.Vista().carattere;
    vista.parti = {
        {&grafico.Picture1(), QRectF(sinistra, alto, larghezza, altezza)},
        {&grafico.PictValY(), QRectF(mm(5), alto, grafico.PictValY().Misura().width(), altezza)},
        {&grafico.PictValX(), QRectF(sinistra, mm(127), larghezza, grafico.PictValX().Misura().height())}};
    vista.scritte = {{QStringLiteral("V(t)  [m/sec]"), QPointF(mm(10), mm(5)), Qt::black, false}};
    if (!grafico.Particolari()) {
        vista.scritte.push_back({QStringLiteral("t  [sec]"), QPointF(mm(190), mm(120)), Qt::black, false});
    } else {
        double x = sinistra + larghezza;
        const std::tuple<SuperficieDisegno&, QString, QColor> assiParticolari[] = {
            {grafico.PictValS(), NomePosizione, ColorePosizione},
            {grafico.PictValA(), NomeAccelerazione, ColoreAccelerazione}};
        for (const auto& [striscia, nome, colore] : assiParticolari) {
            vista.parti.push_back({&striscia, QRectF(x, alto, striscia.Misura().width(), altezza)});
            vista.scritte.push_back({nome, QPointF(x, mm(5)), colore});
            x += striscia.Misura().width();
        }
        vista.scritte.push_back({QStringLiteral("t  [sec]"),
                                 QPointF(sinistra + larghezza + mm(1), alto + altezza + mm(1)), Qt::black,
                                 false});
    }
    PaginaStampa pagina(stampante);
    pagina.StampaVista(vista);
    pagina.Fine();
}
