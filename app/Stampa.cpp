#include "Stampa.h"

#include "NumeriRegionali.h"
#include "PaginaStampa.h"
#include "Programma.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"
#include "frmGrafico.h"

#include <algorithm>
#include <array>

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

// In millimetres: the plot, the speed strip on its left, the time strip below it, the axis names.
void Stampe::StampaGrafico(frmGrafico& grafico) {
    PaginaStampa pagina(stampante);
    pagina.ScalaMillimetri();
    pagina.StampaImmagine(grafico.Picture1(), 15, 10, 180, 120);
    pagina.StampaImmagine(grafico.PictValY(), 5, 10, 0, 120);
    pagina.StampaImmagine(grafico.PictValX(), 15, 127, 180, 0);
    pagina.CurrentX = 10;
    pagina.CurrentY = 5;
    pagina.Stampa(QStringLiteral("V(t)  [m/sec]"));
    pagina.CurrentX = 190;
    pagina.CurrentY = 120;
    pagina.Stampa(QStringLiteral("t  [sec]"));
    pagina.Fine();
}
