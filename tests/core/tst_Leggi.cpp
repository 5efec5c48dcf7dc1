#include "Collaudo.h"
#include "ConfrontoLeggi.h"
#include "Esempio.h"

#include <cmath>

namespace {
using Numeri = QList<double>;
const Velantra Esempio{.S1 = .25, .S2 = 1.5, .Stot = 2, .T1 = 1, .T2 = 3, .Ttot = 5, .Acc = .5, .Vm = .5};
const Velantra Indietro{-.25, -1.5, -2, 1, 3, 5, -.5, -.5};
const DatiAsse Vite = *Documento(AsseEsempio).Asse;
const DatiAsse Verticale = *Documento(AsseVerticale).Asse;
bool Vicini(double x, double atteso, double tolleranza) {
    return x == atteso || std::abs(x - atteso) <= tolleranza * std::abs(atteso);
}

// Whether the law's s(t), at 8001 points of each stretch, shows its figures: v, a and j the central
// differences of s, v and a; s and v continuous from rest at 0 to rest at the stroke; the peaks (a jump
// of a, from rest too, making the jerk unbounded) and the RMS acceleration those given.
bool Coerente(const LeggePerTratti& l) {
    double v = 0, a = 0, j = 0, quadrati = 0, salto = 0, ds = 0, dv = 0, da = 0, dj = 0;
    Cinematica prima = l.In(-1);
    for (int i = 0; i <= l.NumeroTratti(); ++i) {
        const double t0 = l.InizioTratto(i), passo = (l.InizioTratto(i + 1) - t0) / 8000, h = passo / 4;
        const Cinematica inizio = i < l.NumeroTratti() ? l.InTratto(i, t0) : l.In(t0);
        ds = std::max(ds, std::abs(inizio.s - prima.s));
        dv = std::max(dv, std::abs(inizio.v - prima.v));
        salto = std::max(salto, std::abs(inizio.a - prima.a));
        for (int k = 0; k <= 8000 && i < l.NumeroTratti(); ++k) {
            const double t = t0 + k * passo;
            const Cinematica c = l.InTratto(i, t), meno = l.InTratto(i, t - h), piu = l.InTratto(i, t + h);
            dv = std::max(dv, std::abs((piu.s - meno.s) / (2 * h) - c.v));
            da = std::max(da, std::abs((piu.v - meno.v) / (2 * h) - c.a));
            dj = std::max(dj, std::abs((piu.a - meno.a) / (2 * h) - c.j));
            quadrati += c.a * c.a * passo * (k % 8000 ? 1 : 0.5);
            v = std::max(v, std::abs(c.v));
            a = std::max(a, std::abs(c.a));
            j = std::max(j, std::abs(c.j));
            prima = c;
        }
    }
    const PicchiLegge& p = l.Picchi();
    return std::max({ds / std::abs(l.Corsa()), dv / v, da / a, dj * l.Durata() / a}) < 1e-6 &&
           Vicini(v, p.Vmax, 1e-6) && Vicini(a, p.Amax, 1e-6) &&
           Vicini(salto > 1e-9 * a ? qInf() : j, p.Jmax, 1e-6) &&
           Vicini(std::sqrt(quadrati / l.Durata()), p.Aeff, 1e-6);
}
} // namespace

class TstLeggi : public QObject {
    Q_OBJECT
private slots:
    // Each law over the worked example's 2 m in 5 s, both ways: its figures are the table's (v = Cv·h/T,
    // a = Ca·h/T², j = Cj·h/T³, Aeff = Ce·h/T², to the digits given) and what its s(t) shows.
    void leggi_data() {
        QTest::addColumn<int>("legge");
        QTest::addColumn<Numeri>("coefficienti"); // Cv, Ca, Cj, Ce
        QTest::addColumn<double>("tolleranza");
        const double pi = M_PI, illimitato = qInf();
        const auto riga = [](int legge, Numeri c, double tolleranza = 1e-9) {
            QTest::newRow(NomiLeggi[legge]) << legge << c << tolleranza;
        };
        riga(LeggeTrapezioMoto, {1.25, 6.25, illimitato, 6.25 * std::sqrt(.4)}); // T1/Ttot = 1/5
        riga(LeggeTrapezioTerzi, {1.5, 4.5, illimitato, 4.5 * std::sqrt(2.0 / 3)});
        riga(LeggeTriangolare, {2, 4, illimitato, 4});
        riga(LeggeArmonica, {pi / 2, pi * pi / 2, illimitato, pi * pi / (2 * std::sqrt(2))});
        riga(LeggeCicloidale, {2, 2 * pi, 4 * pi * pi, pi * std::sqrt(2)});
        riga(LeggePolinomiale345, {1.875, 10 / std::sqrt(3), 60, std::sqrt(120.0 / 7)});
        riga(LeggePolinomiale4567, {35.0 / 16, 7.51319, 52.5, std::sqrt(280.0 / 11)}, 1e-6);
        riga(LeggeTrapezioModificato, {2, 4.88812, 61.4, 4.23}, 1e-3);
        riga(LeggeSinusoideModificata, {1.75960, 4 * pi * pi / (pi + 4), 69.5, 3.909}, 1e-3);
    }
    void leggi() {
        QFETCH(int, legge);
        QFETCH(Numeri, coefficienti);
        QFETCH(double, tolleranza);
        for (const Velantra& moto : {Esempio, Indietro}) {
            const LeggePerTratti l =
                ConfrontaLeggi(moto, std::nullopt, 1).Confronto.value().Righe[legge].Legge;
            const PicchiLegge& p = l.Picchi();
            const double dati[] = {p.Vmax, p.Amax, p.Jmax, p.Aeff}, scale[] = {.4, .08, .016, .08};
            for (int i = 0; i < 4; ++i)
                QVERIFY2(Vicini(dati[i], coefficienti[i] * scale[i], tolleranza),
                         qPrintable(QString::number(i)));
            QCOMPARE(l.Corsa(), moto.Stot);
            QVERIFY(Coerente(l));
        }
    }

    // The jerk-limited profile in each of its four cases (one backward): its phase times and peak speed,
    // its figures within the limits, and what its s(t) shows.
    void jerkLimitato_data() {
        QTest::addColumn<Numeri>("limiti"); // stroke, Vm, A, J
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Numeri>("attesi"); // Ttot, Tj, Ta, Tv, peak speed
        const auto riga = [](const char* nome, Numeri limiti, const char* caso, Numeri attesi) {
            QTest::newRow(nome) << limiti << QString(caso) << attesi;
        };
        riga("esempio, J 1", {2, .5, .5, 1}, "Vm e A", {5.5, .5, 1.5, 2.5, .5});
        riga("J basso", {2, .5, .5, .25}, "Vm", {6.828427, 1.414214, 2.828427, 1.171573, .5});
        riga("regime breve", {1, .5, .5, 1}, "Vm e A", {3.5, .5, 1.5, .5, .5});
        riga("corsa breve all'indietro", {-.3, 2, 8, 200}, "A", {.429358, .04, .214679, 0, 1.397434});
        riga("corsa breve, J basso", {.3, 2, 8, 20}, "nessuna", {.7829735, .1957434, .3914867, 0, .7663094});
    }
    void jerkLimitato() {
        QFETCH(Numeri, limiti);
        QFETCH(QString, caso);
        QFETCH(Numeri, attesi);
        const ProfiloJerk p = ProfiloJerkLimitato(limiti[0], limiti[1], limiti[2], limiti[3]);
        QCOMPARE(QStringList({"Vm e A", "Vm", "A", "nessuna"}).at(int(p.Caso)), caso); // the limits reached
        const double ottenuti[] = {p.Ttot, p.Tj, p.Ta, p.Tv, p.VelPicco};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(Vicini(ottenuti[i], attesi[i], 2e-6), qPrintable(QString::number(ottenuti[i], 'g', 10)));
        const LeggePerTratti l = LeggeJerk(p, limiti[0]);
        QVERIFY(l.Picchi().Vmax <= limiti[1] && l.Picchi().Amax <= limiti[2] && l.Picchi().Jmax == limiti[3]);
        QVERIFY(Coerente(l));
    }

    // The sizing columns against the drive's law on a fine grid of each law, held at rest and in the
    // dwell: never below the grid's peaks, within its error of them; the marks on the least figures.
    void dimensionamento_data() {
        QTest::addColumn<Velantra>("moto");
        QTest::addColumn<DatiAsse>("dati");
        QTest::newRow("vite con sosta") << Esempio << Vite;
        QTest::newRow("verticale in discesa") << Indietro << Verticale;
        QTest::newRow("diretta")
            << Esempio << DatiAsse{.Massa = 10, .Tipo = Trasmissione::Diretta, .Attrito = .1, .Forza = 20};
    }
    void dimensionamento() {
        QFETCH(Velantra, moto);
        QFETCH(DatiAsse, dati);
        const ConfrontoLeggi c = ConfrontaLeggi(moto, dati, JerkPredefinito(moto)).Confronto.value();
        const LeggeAsse asse = LeggeAsse::Da(dati).value();
        const auto figura = [&](const IstanteAsse& x) { return c.Diretta ? x.Forza : x.Coppia; };
        const double tenuta = figura(asse.Fermo());
        QList<double> efficaci;
        for (int i = 0; i < NumeroLeggi; ++i) {
            const LeggePerTratti& l = c.Righe[i].Legge;
            const double passo = l.Durata() / 100000;
            double picco = std::abs(tenuta), potenza = 0, quadrati = dati.Sosta * tenuta * tenuta;
            for (int k = 0; k < 100000; ++k) {
                const Cinematica m = l.In((k + 0.5) * passo);
                const IstanteAsse x = asse.InMoto(m.a, m.v, moto.Stot > 0 ? 1 : -1);
                picco = std::max(picco, std::abs(figura(x)));
                potenza = std::max(potenza, x.Potenza);
                quadrati += figura(x) * figura(x) * passo;
            }
            efficaci << std::sqrt(quadrati / (l.Durata() + dati.Sosta));
            const CifreLegge& f = c.Righe[i].Asse;
            QVERIFY2(f.Picco >= picco && Vicini(f.Picco, picco, 1e-4) && f.PotenzaPicco >= potenza &&
                         Vicini(f.PotenzaPicco, potenza, 1e-4) && Vicini(f.Efficace, efficaci.last(), 1e-5),
                     NomiLeggi[i]);
        }
        QCOMPARE(c.MinimaEfficace, std::min_element(efficaci.begin(), efficaci.end()) - efficaci.begin());
        QCOMPARE(NomiLeggi[c.MinimaAmax], "Triangolare");
        QCOMPARE(NomiLeggi[c.MinimaJmax], "Cicloidale");
        const Velantra triangolo{
            .S1 = 1, .Stot = 2, .T1 = 1, .Ttot = 2, .Acc = 2, .Vm = 2}; // of equals, the first
        QCOMPARE(ConfrontaLeggi(triangolo, dati, 1000).Confronto->MinimaAmax, int(LeggeTrapezioMoto));
    }

    // What the table refuses: no motion, a jerk that is no positive number, incomplete sizing data,
    // figures beyond the doubles or below their normal range.
    void rifiuti_data() {
        QTest::addColumn<Velantra>("moto");
        QTest::addColumn<double>("jerk");
        QTest::addColumn<std::optional<DatiAsse>>("dati");
        QTest::addColumn<QString>("motivo");
        const auto riga = [](const char* nome, const Velantra& moto, double jerk, const char* motivo,
                             std::optional<DatiAsse> dati = {}) {
            QTest::newRow(nome) << moto << jerk << dati << QString(motivo);
        };
        riga("record vuoto", Velantra{}, 1, MessaggioNessunMoto);
        riga("jerk nullo", Esempio, 0, MessaggioJerk);
        riga("jerk infinito", Esempio, qInf(), MessaggioJerk);
        riga("senza massa", Esempio, 1, MessaggioDatiAsse, DatiAsse{});
        riga("jerk delle camme oltre i double", {5e9, 1e10, 2e10, 1e-100, 1e-100, 3e-100, 1e210, 1e110}, 1,
             MessaggioFuoriIntervallo);
        riga("jerk delle camme sotto i double normali",
             {5e-283, 1e-282, 2e-282, 1e9, 1e9, 3e9, 1e-300, 1e-291}, 1, MessaggioFuoriIntervallo);
        riga("forze oltre i double", Esempio, 1, MessaggioFuoriIntervallo,
             DatiAsse{.Massa = 1e308, .Tipo = Trasmissione::Diretta, .Attrito = 10});
    }
    void rifiuti() {
        QFETCH(Velantra, moto);
        QFETCH(double, jerk);
        QFETCH(std::optional<DatiAsse>, dati);
        QFETCH(QString, motivo);
        const EsitoConfronto esito = ConfrontaLeggi(moto, dati, jerk);
        QVERIFY(!esito.Confronto);
        QCOMPARE(QString::fromUtf8(esito.Motivo), motivo);
    }
};

REGISTRA_COLLAUDO(TstLeggi);
#include "tst_Leggi.moc"
