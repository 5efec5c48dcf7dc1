// The layout of the graph window: where the plot model's frame goes and where the readouts stand. At
// the designed proportions the designed layout (in twips); where it would leave the plot less than
// half the width or 40 % of the height, the readouts go below the plot, in rows as wide as the window,
// folded into one run of narrower boxes if the rows would take too much height.

#include "Grafico.h"
#include "MisureProgetto.h"
#include "NumeriRegionali.h"
#include "PianoGrafico.h"
#include "RegoleCornice.h"
#include "frmGrafico.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace {

using namespace Progetto;

void Colloca(QWidget* controllo, double sinistra, double alto, double larghezza, double altezza) {
    controllo->setGeometry(
        QRect(Px(sinistra), Px(alto), std::max(1, Px(larghezza)), std::max(1, Px(altezza))));
}

// Twips of the readouts: each box as designed, or wider when the longest number it can show would not
// show whole in it (X and Y a time or a speed; the others the details' values too); then the second
// column of the difference group and both frames, moved and widened to hold them.
struct MisureLetture {
    double casellaXY, casellaDiff, secondaColonna, riquadroXY, riquadroDifferenza;
    MisureLetture(const QLineEdit& casella, const QString& testoXY, const QString& testo)
        : casellaXY(std::max(CasellaXY, Twips(LarghezzaPerNumeri(casella, testoXY)))),
          casellaDiff(std::max(CasellaDifferenza, Twips(LarghezzaPerNumeri(casella, testo)))),
          secondaColonna(std::max(SecondaColonna, RientroCasella + casellaDiff + DopoCasella)),
          riquadroXY(std::max(LarghezzaRiquadroXY, RientroCasellaXY + casellaXY + DopoCasellaXY)),
          riquadroDifferenza(std::max(LarghezzaRiquadroDifferenza, RientroEtichetta + secondaColonna +
                                                                       RientroCasella + casellaDiff +
                                                                       DopoCasellaDifferenza)) {}
    double Eccesso() const { return std::max(riquadroXY, riquadroDifferenza) - LarghezzaRiquadroDifferenza; }
};

// The longest text with 3 decimals a value up to `massimo` in size gives, sign included ("-99,999").
QString PiuLungoArrotondato(double massimo) {
    if (!(massimo < 1e14))
        return NumeroPiuLungo();
    const double cifre = std::max(1.0, std::floor(std::log10(std::max(massimo, 1.0))) + 1);
    return TestoArrotondato(-(std::pow(10.0, cifre) - 0.001), 3);
}

// And with 5 significant digits: the widest of those of a value up to `massimo`, whose small values
// (a position near the start) may take more room than the largest ("-0,00099999", "-9,9999E-05").
QString PiuLungoParticolare(double massimo, const QFontMetricsF& metrica) {
    if (!(massimo > 0) || !std::isfinite(massimo))
        return QStringLiteral("-0");
    const int alto = static_cast<int>(std::floor(std::log10(massimo)));
    QString piuLungo;
    for (int e = alto; e >= std::max(-5, alto - 40); --e)
        if (const QString testo = TestoParticolare(-9.9999 * std::pow(10.0, e));
            metrica.horizontalAdvance(testo) > metrica.horizontalAdvance(piuLungo))
            piuLungo = testo;
    return piuLungo;
}

QFont Pixel(const QFont& carattere) {
    QFont pixel = carattere;
    pixel.setPixelSize(QFontInfo(carattere).pixelSize());
    return pixel;
}

} // namespace

// The longest number a readout can show in this view: times and speeds with their differences, and
// with `dettagli` the values of the details shown and the distance.
QString frmGrafico::NumeroPiuLungoVista(const DatiGrafico& dati, bool dettagli) const {
    const Grafico& G = GraficoCorrente;
    const double tempi =
        std::max(std::abs(G.BordoSinistro), std::abs(G.BordoDestro)) + (G.BordoDestro - G.BordoSinistro);
    const double velocita = std::max(std::abs(G.BordoInferiore), std::abs(G.BordoSuperiore)) +
                            (G.BordoSuperiore - G.BordoInferiore);
    QString piuLungo;
    const QFontMetricsF metrica(letturaX.casella->font());
    std::vector<QString> testi{PiuLungoArrotondato(tempi), PiuLungoArrotondato(velocita)};
    for (const CurvaDettaglio& curva :
         dettagli&& Particolari() ? dati.Dettagli() : std::vector<CurvaDettaglio>{})
        testi.push_back(
            PiuLungoParticolare(std::max(std::abs(curva.banda.V1()), std::abs(curva.banda.V2())), metrica));
    for (const QString& t : testi)
        if (metrica.horizontalAdvance(t) > metrica.horizontalAdvance(piuLungo))
            piuLungo = t;
    return piuLungo;
}

QSize frmGrafico::MisuraProgettata() const {
    const DatiGrafico dati = Dati();
    const MisureLetture m(*letturaX.casella, NumeroPiuLungoVista(dati, false),
                          NumeroPiuLungoVista(dati, true));
    return {Px(LarghezzaPiano + MargineDestro + m.Eccesso()), Px(AltezzaPiano + MargineBasso)};
}

void frmGrafico::Mostra(QWidget* controllo, bool visibile) {
    controllo->setVisible(visibile);
}

std::vector<frmGrafico::Lettura*> frmGrafico::LettureVisibili() {
    std::vector<Lettura*> letture{&letturaX, &letturaY};
    for (Lettura& l : lettureDettagli)
        if (!l.casella->isHidden())
            letture.push_back(&l);
    for (Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS})
        if (!l->casella->isHidden())
            letture.push_back(l);
    return letture;
}

bool frmGrafico::Disponi(const DatiGrafico& dati) {
    if (barra)
        barra->setGeometry(0, 0, width(), barra->sizeHint().height());
    piano->setGeometry(rect());
    piano->lower();
    const CorniceGrafico prima = cornice;
    if (!DisponiComeProgettato(dati))
        DisponiLettureSotto(dati);
    const auto uguali = [](const CorniceGrafico& a, const CorniceGrafico& b) {
        return a.area == b.area && a.strisciaVelocita == b.strisciaVelocita &&
               a.strisciaTempi == b.strisciaTempi && a.strisceDettagli == b.strisceDettagli;
    };
    return !uguali(prima, cornice);
}

// The designed layout rules, in twips of the client area. Where the longest number would not fit a
// box, the box widens; a label it would cover moves right, its frame grows, and the plot gives up the
// room (as it does to a speed strip widened for its labels). The details take the room of their axes
// from the plot, a second column of readouts and a fourth row of differences (DS).
bool frmGrafico::DisponiComeProgettato(const DatiGrafico& dati) {
    const MisureLetture m(*letturaX.casella, NumeroPiuLungoVista(dati, false),
                          NumeroPiuLungoVista(dati, true));
    const bool particolari = Particolari();
    const auto pixel = [](double twips) { return twips / TwipsPerPixel; }; // not rounded: the frame rounds
    // The room: the names above the plot, which with the details' axes ends where the designed plot ends
    // (the readouts' margin right of it) and is as high as the client area less its bottom margin, the
    // time strip under it.
    const double destraAssi = Twips(width()) - MargineDestro - m.Eccesso() + SinistraPiano;
    const double bassoTempi = Twips(height()) - MargineBasso + AltoPiano + StrisciaTempi;
    const RegoleCornice regole = RegoleProgettate(
        QRectF(QPointF(0, pixel(AltoPiano - SopraNomi)), QPointF(pixel(destraAssi), pixel(bassoTempi))),
        Pixel(font()), font());
    const CorniceGrafico c = DisponiCornice(dati, regole);
    const double alto = AltoPiano;
    // The readouts whole in the window, the difference group (with DS) included when shown.
    const double righeDettagli = std::max<double>(2, double(dati.Dettagli().size()));
    const double riquadro = destraAssi + DistanzaRiquadro;
    const double gruppo = alto + DistanzaDifferenza + PassoRiga * (righeDettagli - 2) * particolari;
    const double fine = riquadroDifferenza->isHidden()
                            ? alto + AltezzaRiquadroXY + PassoRiga * (righeDettagli - 2) * particolari
                            : gruppo + (particolari ? AltezzaDifferenzaDettagli : AltezzaDifferenza);
    if (c.area.width() < width() / 2.0 || c.area.height() < 0.4 * height() || Px(fine) > height() ||
        Px(riquadro + std::max(m.riquadroXY, m.riquadroDifferenza)) > width())
        return false;
    cornice = c;

    // The readout rows stand 800 twips apart, so the frames are made tall enough to hold them.
    Colloca(riquadroXY, riquadro, alto, particolari ? m.riquadroDifferenza : m.riquadroXY,
            AltezzaRiquadroXY + PassoRiga * (righeDettagli - 2) * particolari);
    const double etichette = riquadro + RientroEtichetta, primaRiga = alto + RientroRiga;
    Colloca(letturaX.etichetta, etichette, primaRiga, LarghezzaEtichetta, AltezzaEtichetta);
    Colloca(letturaY.etichetta, etichette, primaRiga + PassoRiga, LarghezzaEtichetta, AltezzaEtichetta);
    Colloca(letturaX.casella, riquadro + RientroCasellaXY, primaRiga, m.casellaXY, AltezzaCasella);
    Colloca(letturaY.casella, riquadro + RientroCasellaXY, primaRiga + PassoRiga, m.casellaXY,
            AltezzaCasella);

    // Ends above the time axis name, which the details' axes move out of its way.
    Colloca(riquadroDifferenza, riquadro, gruppo, m.riquadroDifferenza,
            particolari ? AltezzaDifferenzaDettagli : AltezzaDifferenza);
    const auto metti = [&m](const Lettura& l, double sinistra, double riga) {
        Colloca(l.etichetta, sinistra, riga, LarghezzaEtichetta, AltezzaEtichetta);
        Colloca(l.casella, sinistra + RientroCasella, riga, m.casellaDiff, AltezzaCasella);
    };
    for (size_t i = 0; i < lettureDettagli.size(); ++i)
        metti(lettureDettagli[i], etichette + m.secondaColonna, primaRiga + PassoRiga * double(i));
    const double riga = gruppo + RientroRiga;
    metti(diffS, etichette, riga + 3 * PassoRiga);
    metti(diffX1, etichette, riga);
    metti(diffY1, etichette + m.secondaColonna, riga);
    metti(diffX2, etichette, riga + PassoRiga);
    metti(diffY2, etichette + m.secondaColonna, riga + PassoRiga);
    metti(diffX, etichette, riga + 2 * PassoRiga);
    metti(diffY, etichette + m.secondaColonna, riga + 2 * PassoRiga);
    return true;
}

// Rows of label and box below the plot, the mouse's readouts first, then the difference's on a row of
// their own; each group in its frame.
void frmGrafico::DisponiLettureSotto(const DatiGrafico& dati) {
    const int margine = 6, spazio = 12, distanza = 4;
    const int riga = letturaX.casella->sizeHint().height() + distanza;
    const QString piuLungo = NumeroPiuLungoVista(dati, true);
    const MisureLetture m(*letturaX.casella, NumeroPiuLungoVista(dati, false), piuLungo);
    const double compatta = LarghezzaPerNumeri(*letturaX.casella, piuLungo);
    std::vector<Lettura*> gruppi[2];
    for (Lettura* l : LettureVisibili())
        gruppi[l == &letturaX || l == &letturaY ||
                       std::any_of(lettureDettagli.begin(), lettureDettagli.end(),
                                   [&](const Lettura& d) { return &d == l; })
                   ? 0
                   : 1]
            .push_back(l);
    // The rows for boxes of this width from `base` down, placed when asked: the height they take.
    // Folded, both groups run on in one frame.
    const auto colloca = [&](int casella, int base, bool applica, bool piegate = false) {
        if (piegate && !gruppi[1].empty()) {
            gruppi[0].insert(gruppi[0].end(), gruppi[1].begin(), gruppi[1].end());
            gruppi[1].clear();
        }
        int y = base;
        for (int g = 0; g < 2; ++g) {
            if (gruppi[g].empty()) {
                if (applica && g == 1) // folded into the other: shown, but of no size
                    riquadroDifferenza->setGeometry(0, 0, 0, 0);
                continue;
            }
            const int inizio = y;
            int x = margine + distanza;
            y += distanza;
            for (Lettura* l : gruppi[g]) {
                const int e = l->etichetta->minimumWidth(), w = e + distanza + casella;
                if (x > margine + distanza && x + w > width() - margine - distanza) {
                    x = margine + distanza;
                    y += riga;
                }
                if (applica) {
                    l->etichetta->setGeometry(x, y, e, riga - distanza);
                    l->casella->setGeometry(x + e + distanza, y, casella, riga - distanza);
                }
                x += w + spazio;
            }
            y += riga;
            if (applica)
                (g == 0 ? riquadroXY : riquadroDifferenza)
                    ->setGeometry(margine, inizio, width() - 2 * margine, y - inizio);
            y += distanza;
        }
        return y - base + margine;
    };
    const int alto = std::max(Px(AltoPiano - SopraNomi), barra ? barra->sizeHint().height() + 2 : 0);
    int casella = Px(m.casellaDiff);
    int occupata = colloca(casella, 0, false);
    const bool piegate = height() - alto - occupata < 0.5 * (height() - alto);
    if (piegate) { // narrower boxes in one run of rows
        casella = int(std::ceil(compatta));
        occupata = colloca(casella, 0, false, true);
    }
    colloca(casella, height() - occupata, true, piegate);
    RegoleCornice regole =
        RegoleSuMisura(QRectF(0, alto, width(), height() - alto - occupata), Pixel(font()));
    regole.carattereNomi = font();
    cornice = DisponiCornice(dati, regole);
}
