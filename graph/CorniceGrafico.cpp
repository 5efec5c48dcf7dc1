// The frame of the graph: its face, the axis names, the widths of the value strips and the layout of
// the parts in any rectangle.

#include "DisposizioneInterna.h"
#include "Grafico.h"
#include "MisureCornice.h"
#include "MisureProgetto.h"
#include "NumeriRegionali.h"
#include "VistaMoto.h"
#include "XYPoli.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

const QString FraseNonDisegnabile = QStringLiteral(
    "Impossibile disegnare il moto a questa scala: i tempi o le velocità sono troppo grandi o troppo "
    "piccoli per il grafico.");

QString NomeVelocita() {
    return QStringLiteral("V(t) [m/sec]");
}
QString NomeTempo() {
    return QStringLiteral("t [sec]");
}

QFont CarattereGrafico() {
    QFont carattere = QApplication::font();
    carattere.setPointSizeF(8);
    carattere.setPixelSize(QFontInfo(carattere).pixelSize());
    return carattere;
}

double LarghezzaStrisciaVelocita(const DatiGrafico& dati, const QFont& carattere, bool progettata) {
    const QFontMetricsF metrica(carattere);
    const Grafico& G = dati.vista;
    double necessaria = 0;
    const auto velocita = VelocitaEtichette(G.ValoreMinimoY, G.ValoreMassimoY);
    for (float v : velocita)
        if (std::isfinite(v))
            necessaria =
                std::max(necessaria, metrica.horizontalAdvance(TestoSingolo(v)) + Cornice::SpazioTesto);
    // Round steps in their place: as wide as the widest of the view's ends on a fine step.
    const double ampiezza = double(G.BordoSuperiore) - G.BordoInferiore;
    if (VelocitaIndistinte(velocita) && std::isfinite(ampiezza) && ampiezza > 0) {
        const double passo = std::pow(10.0, std::floor(std::log10(ampiezza / 10)));
        for (double v : {double(G.BordoInferiore), double(G.BordoSuperiore)})
            necessaria = std::max(
                necessaria, metrica.horizontalAdvance(TestoPasso(std::trunc(v / passo) * passo, passo)) +
                                Cornice::SpazioTesto);
    }
    return std::max(progettata ? double(Px(Progetto::StrisciaVelocita)) : 0.0, std::ceil(necessaria));
}

std::vector<LarghezzaDettaglio> LarghezzeDettagli(const DatiGrafico& dati, const QFont& carattere) {
    std::vector<LarghezzaDettaglio> larghezze;
    if (!dati.vista.Particolari())
        return larghezze;
    const QFontMetricsF metrica(carattere);
    for (const CurvaDettaglio& curva : CurveDettaglio(dati.moto, dati.asse)) {
        double etichette = 0;
        for (const EtichettaAsse& e :
             ValoriDettaglio(curva, dati.vista.BordoInferiore, dati.vista.BordoSuperiore))
            etichette = std::max(etichette, Cornice::RientroEtichetta + metrica.horizontalAdvance(e.testo) +
                                                Cornice::SpazioTesto);
        etichette = std::max(double(Px(Progetto::StrisciaVelocita)), std::ceil(etichette));
        larghezze.push_back({etichette, std::max(etichette, std::ceil(metrica.horizontalAdvance(curva.nome)) +
                                                                Cornice::SpazioNome)});
    }
    return larghezze;
}

CorniceGrafico CorniceSuMisura(const DatiGrafico& dati, const QRectF& spazio, const QFont& carattere) {
    const QFontMetricsF metrica(carattere);
    const double altezzaNome = Px(Progetto::AltezzaNome), banda = Px(Progetto::SopraNomi),
                 tempi = Px(Progetto::StrisciaTempi), scostamento = Px(Progetto::ScostamentoNomeTempo);
    const double sinistra = std::round(spazio.left()), alto = std::round(spazio.top());
    const double destra = std::floor(spazio.right()), basso = std::floor(spazio.bottom());
    double valY = LarghezzaStrisciaVelocita(dati, carattere);
    const double larghezzaNomeTempo = std::ceil(metrica.horizontalAdvance(NomeTempo()));
    const std::vector<LarghezzaDettaglio> dettagli = LarghezzeDettagli(dati, carattere);
    const std::vector<CurvaDettaglio> curve =
        dati.vista.Particolari() ? CurveDettaglio(dati.moto, dati.asse) : std::vector<CurvaDettaglio>{};
    double pianoSinistra = sinistra + valY - 1;

    // As designed: names over their strips, "t [sec]" right of the time strip.
    double assi = 0;
    for (const LarghezzaDettaglio& l : dettagli)
        assi += l.conNome;
    const double destraNomeTempo =
        std::max(0.0, scostamento + larghezzaNomeTempo + Cornice::SpazioTesto - assi);
    double larghezza = std::floor(destra - pianoSinistra - assi - destraNomeTempo);
    const bool stretta = larghezza < spazio.width() / 2;
    if (stretta) { // the plot keeps the room the names took, and the strips' blank room
        valY = LarghezzaStrisciaVelocita(dati, carattere, false);
        assi = 0;
        for (const LarghezzaDettaglio& l : dettagli)
            assi += l.etichette;
        pianoSinistra = sinistra + valY - 1;
        larghezza = std::floor(destra - pianoSinistra - assi);
    }
    larghezza = std::max(1.0, larghezza);

    // Names above the plot: the speed's on the left; the details' over their strips, or, when narrow,
    // ending at the right edge, on a second row where the first has no room for them.
    CorniceGrafico c;
    std::vector<TestoGrafico> nomi{{{}, NomeVelocita(), RuoloTesto::Nome}};
    nomi[0].posto = QRectF(sinistra, alto,
                           std::max(double(Px(Progetto::LarghezzaNomeVelocita)),
                                    std::ceil(metrica.horizontalAdvance(NomeVelocita()))),
                           altezzaNome);
    double righe = 1;
    if (stretta && !curve.empty()) {
        double fine = destra, riga = alto;
        for (size_t i = curve.size(); i-- > 0;) {
            const double w = std::ceil(metrica.horizontalAdvance(curve[i].nome));
            if (fine - w <
                    nomi[0].posto.left() + metrica.horizontalAdvance(NomeVelocita()) + Cornice::TraNomi &&
                riga == alto) {
                riga += altezzaNome;
                fine = destra;
                righe = 2;
            }
            nomi.push_back(
                {QRectF(fine - w, riga, w, altezzaNome), curve[i].nome, RuoloTesto::Nome, curve[i].colore});
            fine -= w + Cornice::TraNomi;
        }
    }
    const double pianoAlto = alto + banda + (righe - 1) * altezzaNome;
    const double altezza = std::max(1.0, std::floor(basso - pianoAlto - tempi - (stretta ? altezzaNome : 0)));
    c.area = QRectF(pianoSinistra, pianoAlto, larghezza, altezza);
    c.strisciaVelocita = QRectF(sinistra, pianoAlto, valY, altezza);
    c.strisciaTempi = QRectF(pianoSinistra, pianoAlto + altezza, larghezza, tempi);
    double x = pianoSinistra + larghezza;
    for (size_t i = 0; i < dettagli.size(); ++i) {
        const double w = stretta ? dettagli[i].etichette : dettagli[i].conNome;
        c.strisceDettagli.emplace_back(x, pianoAlto, w, altezza);
        if (!stretta)
            nomi.push_back({QRectF(x, pianoAlto - banda, w, altezzaNome), curve[i].nome, RuoloTesto::Nome,
                            curve[i].colore});
        x += w;
    }
    const double w = std::max(double(Px(Progetto::LarghezzaNomeTempo)), larghezzaNomeTempo);
    nomi.push_back(
        {stretta ? QRectF(c.strisciaTempi.right() - larghezzaNomeTempo, c.strisciaTempi.bottom(),
                          larghezzaNomeTempo, altezzaNome)
                 : QRectF(c.area.right() + scostamento, c.strisciaTempi.top() + scostamento, w, altezzaNome),
         NomeTempo(), RuoloTesto::Nome});
    c.nomi = std::move(nomi);
    return c;
}
