#include "CatalogoMotori.h"
#include "Collaudo.h"
#include "Documento.h"
#include "PianoCoppiaVelocita.h"
#include "RapportoOttimo.h"

#include <QTest>
#include <cmath>
#include <numbers>

namespace {
using std::numbers::pi;
const Velantra MotoEsempio{.T1 = .25, .T2 = .5, .Vm = .5 / .75};
const QString AsseEsempio = QStringLiteral("massa=50,passo=0.01,rendimento=0.9,attrito=0.01,"
                                           "inerzia_motore=1e-4,inerzia_trasmissione=2e-5,sosta=0.5");

DatiDocumento Documento(const QString& coppie) {
    return *LeggiDocumento("0,0,0,0,0,0,0,0,0\r\n" + coppie.toStdString()).dati;
}
QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}
QString Cifre(double valore, int cifre = 6) {
    return Q(TestoCifre(valore, cifre, ','));
}

// The cycle from the physics, in the frame of the motion, with the screw's or belt's constant times
// `scala`: RMS and peak torque, motor speed, braking power, the load's inertia at the motor.
struct Fisica {
    double Efficace, Picco, Giri, Frenatura, InerziaCarico;
};
Fisica Calcola(const DatiAsse& d, const Velantra& m, double scala) {
    const double k =
        scala * (d.Tipo == Trasmissione::Vite ? 2 * pi * d.Rapporto / d.Passo : 2 * d.Rapporto / d.Diametro);
    const double v = std::abs(m.Vm), angolo = d.Inclinazione * pi / 180, g = 9.80665;
    const double peso = (m.Vm > 0 ? 1 : -1) * d.Massa * g * std::sin(angolo); // against the motion going up
    const double resistenza = d.Attrito * d.Massa * g * std::cos(angolo) + d.Forza;
    const double J = d.InerziaMotore + d.InerziaTrasmissione;
    double somma = peso * peso / (k * k) * d.Sosta, picco = std::abs(peso / k), frenatura = 0;
    for (const auto& [a, t] : {std::pair{v / m.T1, m.T1}, {0.0, m.T2}, {-v / m.T1, m.T1}}) {
        const double F = d.Massa * a + peso + resistenza; // the push the drive gives along the motion
        // Driving the load, the losses add to the motor's torque; driven by it, they take from it.
        const double C = J * k * a + (F > 0 ? F / (k * d.Rendimento) : F * d.Rendimento / k);
        somma += C * C * t;
        picco = t > 0 ? std::max(picco, std::abs(C)) : picco;
        frenatura = t > 0 ? std::max(frenatura, -C * k * v) : frenatura;
    }
    return {std::sqrt(somma / (2 * m.T1 + m.T2 + d.Sosta)), picco, k * v * 30 / pi, frenatura,
            d.InerziaTrasmissione + d.Massa / (k * k)};
}
// The least RMS by a golden-section search over the ratio's logarithm, then held within a top speed.
double ScalaMinima(const DatiAsse& d, const Velantra& m, double giriMassimi) {
    double a = -7, b = 7;
    const double r = (std::sqrt(5.0) - 1) / 2;
    const auto rms = [&](double x) { return Calcola(d, m, std::exp(x)).Efficace; };
    for (int i = 0; i < 200; ++i) {
        const double x1 = b - r * (b - a), x2 = a + r * (b - a);
        if (rms(x1) < rms(x2))
            b = x2;
        else
            a = x1;
    }
    return std::min(std::exp((a + b) / 2), giriMassimi / Calcola(d, m, 1).Giri);
}
bool Vicini(double a, double b, double tolleranza = 1e-9) {
    return std::abs(a - b) <= tolleranza * std::max(std::abs(a), std::abs(b));
}
} // namespace

class TstMotore : public QObject {
    Q_OBJECT
private slots:
    // The verdicts as a window shows them, the best ratio, and the figures against the physics: the
    // worked example with a motor that suits it, and with one too small and slow (the best ratio then
    // held at its top speed); no inertia at all (no ratio, no best ratio); a vertical belt axis coming
    // down without a dwell (the motor brakes; a load inertia past the advice); a linear motor.
    void giudizio_data() {
        QTest::addColumn<QString>("asse");
        QTest::addColumn<double>("Vm");
        QTest::addColumn<QString>("quote");    // the shares in %, the inertia ratio, the braking power
        QTest::addColumn<QString>("giudizio"); // the verdict line
        QTest::addColumn<QString>("ottimo");   // ratio, RMS, speed, or why none
        const QString motore =
            QStringLiteral(",coppia_nominale=0.32,coppia_massima=0.96,velocita_massima=6000");
        QTest::newRow("esempio, motore adatto") << AsseEsempio + motore << MotoEsempio.Vm
                                                << "75,1 46,4 66,7 | 1,46651 consigliato fino a 10 | 161,279"
                                                << "Motore adatto"
                                                << "1,0377: 0,240279 N·m, 4150,8 giri/min";
        QTest::newRow("esempio, motore piccolo e lento")
            << AsseEsempio + ",coppia_nominale=0.2,coppia_massima=0.44,velocita_massima=4100"
            << MotoEsempio.Vm << "120 101 97,6 | 1,46651 consigliato fino a 10 | 161,279"
            << "Motore non adatto: coppia efficace 120 % della nominale, coppia di picco 101 % della massima"
            << "1,025: 0,240297 N·m, 4100 giri/min al limite";
        QTest::newRow("senza inerzie")
            << "massa=50,passo=0.01,sosta=0.5,coppia_nominale=0.3" << MotoEsempio.Vm
            << "40,8 - - | richiede l'inerzia del motore | 88,8889"
            << "Motore adatto" << TestoRapportoSenzaInerzia;
        QTest::newRow("cinghia verticale in discesa")
            << "massa=12,trasmissione=cinghia,diametro=0.05,rapporto=4,rendimento=0.85,inclinazione=90,"
               "inerzia_motore=2e-5,inerzia_trasmissione=1e-5,coppia_nominale=0.8,coppia_massima=1.5,"
               "velocita_massima=3000"
            << -1.0
            << "81,8 60 50,9 | 23,9375 oltre il consigliato: la regolazione può risultare difficile | 143,9 "
               "| "
               "senza sosta: "
               "la tenuta da fermo non entra nel valore efficace"
            << "Motore adatto"
            << "7,854: 0,339731 N·m, 3000 giri/min al limite";
        QTest::newRow("motore lineare")
            << "massa=10,trasmissione=diretta,attrito=0.1,forza=20,forza_nominale=60,forza_massima=100,"
               "velocita_massima=0.5"
            << MotoEsempio.Vm << "58,8 56,5 133 | - | 0"
            << "Motore non adatto: velocità 133 % della massima" << TestoRapportoDiretta;
    }
    void giudizio() {
        QFETCH(QString, asse);
        QFETCH(double, Vm);
        const Velantra moto{.T1 = .25, .T2 = .5, .Vm = Vm};
        const DatiDocumento dati = Documento(asse);
        const DatiAsse& d = *dati.Asse;
        const DatiMotore& m = *dati.Motore;
        const auto r = Dimensiona(moto, d);
        const GiudizioMotore g = GiudicaMotore(*r, d, m);
        QStringList quote;
        for (const VerificaLimite& v : g.Limiti)
            quote << (v.Dato() ? Q(TestoQuota(v, 3, ',')) : "-");
        const QString inerzia =
            g.Diretta ? "-"
            : std::isnan(g.RapportoInerzia)
                ? TestoSenzaInerzia
                : Cifre(g.RapportoInerzia) + " " +
                      (g.InerziaOltreConsiglio() ? AvvisoRapportoInerzia : NotaRapportoInerzia);
        QTEST(quote.join(' ') + " | " + inerzia + " | " + Cifre(r->PotenzaFrenatura) +
                  (r->TenutaEsclusa ? QString(" | ") + TestoTenutaEsclusa : ""),
              "quote");
        QTEST(Q(RigaGiudizio(g, ',')), "giudizio");
        const EsitoRapporto o = CercaRapportoOttimo(*r, d, m);
        QTEST(o.Ottimo ? Cifre(o.Ottimo->Rapporto, 5) + ": " + Cifre(o.Ottimo->CoppiaEfficace) + " N·m, " +
                             Cifre(o.Ottimo->VelocitaMotore, 5) + " giri/min" +
                             (o.AlLimiteVelocita ? " al limite" : "")
                       : QString::fromUtf8(o.Motivo),
              "ottimo");

        // The torque-speed picture: at its corners the drive's power, driving above 0, braking below.
        const PianoCoppiaVelocita piano = PianoDiLavoro(*r, m);
        double motrice = 0, frenante = 0;
        for (const TrattoLavoro& t : piano.Tratti)
            for (const PuntoLavoro& p : {t.Inizio, t.Fine}) {
                motrice = std::max(motrice, p.Coppia * p.Velocita * (r->Diretta ? 1 : pi / 30));
                frenante = std::max(frenante, -p.Coppia * p.Velocita * (r->Diretta ? 1 : pi / 30));
            }
        QVERIFY(Vicini(motrice, r->PotenzaPicco) && Vicini(frenante, r->PotenzaFrenatura));
        // The sweep: a quarter to four times the best ratio, least there; the ratio typed is the sizing.
        const CurvaRapporto curva = CurvaDelRapporto(*r, d, m, 9);
        QVERIFY(Vicini(curva.Attuale.CoppiaEfficace, r->CoppiaEfficace) &&
                curva.Attuale.CoppiaPicco == r->CoppiaPicco);
        for (const PuntoRapporto& p : curva.Punti)
            QVERIFY(!o.Ottimo || o.AlLimiteVelocita || p.CoppiaEfficace >= o.Ottimo->CoppiaEfficace);
        if (o.Ottimo)
            QVERIFY(Vicini(curva.Punti.front().Rapporto * 16, curva.Punti.back().Rapporto) &&
                    curva.Punti[4].CoppiaEfficace == o.Ottimo->CoppiaEfficace);
        if (r->Diretta)
            return;
        const Fisica f = Calcola(d, moto, 1);
        QVERIFY(Vicini(r->CoppiaEfficace, f.Efficace) && Vicini(r->CoppiaPicco, f.Picco) &&
                Vicini(r->VelocitaMotore, f.Giri) && Vicini(r->PotenzaFrenatura, f.Frenatura) &&
                Vicini(g.InerziaCarico, f.InerziaCarico));
        QVERIFY(Vicini(piano.Efficace.Velocita, f.Giri * .75 / (1 + d.Sosta))); // the distance over the cycle
        if (o.Ottimo)
            QVERIFY(Vicini(o.Ottimo->Rapporto, d.Rapporto * ScalaMinima(d, moto, m.VelocitaMassima), 1e-6));
    }

    // Ranking a catalogue for the worked example's motion: the suitable motors first, each group by
    // rated torque; unreadable lines by their number (a quoted name may span lines); the regional form;
    // linear motors; what is no catalogue, or one of the other kind, refused.
    void catalogo_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("asse");
        QTest::addColumn<QString>("attesa"); // the ranking's text, or why there is none
        const QString lineare = "massa=10,trasmissione=diretta,attrito=0.1,forza=20";
        const QString intestazione =
            "nome\tesito\tcoppia_efficace_%\tcoppia_picco_%\tvelocita_%\trapporto_inerzia\tmotivo\n";
        QTest::newRow("normale, con righe guaste")
            << "nome,coppia_nominale,coppia_massima,velocita_massima,inerzia\r\n"
               "\"Grande, 1,2 N·m\",1.2,3,3000,5e-4\r\nM1,0.32,0.96,6000,1e-4\n\nzero,0,1,2,3\n"
               "\"due\nrighe \"\"x\"\"\",0.2,0.3,6000,0\r\ncorto,1\nM2 , "
               ".3,0.5,5000,2E-5\nsolo;1;2;3;4\n\"aperto,1\n"
            << AsseEsempio
            << intestazione +
                   "due righe \"x\"\tadatto\t72.085\t92.6555\t66.6667\t\trapporto d'inerzia richiede "
                   "l'inerzia del motore\nM2\tadatto\t54.4604\t62.2953\t80\t7.33257\t\n"
                   "M1\tadatto\t75.1388\t46.4081\t66.6667\t1.46651\t\n"
                   "Grande, 1,2 N·m\tnon adatto\t52.247\t37.1908\t133.333\t0.293303\tvelocità 133 % della "
                   "massima\nriga 5\t\t\t\t\t\til valore di «coppia_nominale» («0») deve essere maggiore di "
                   "0\n"
                   "riga 8\t\t\t\t\t\t2 campi invece di 5\nriga 10\t\t\t\t\t\t1 campo invece di 5\n"
                   "riga 11\t\t\t\t\t\tle virgolette aperte non si chiudono\n";
        QTest::newRow("regionale")
            << "\uFEFFNOME;Coppia_Nominale;coppia_massima;velocita_massima;"
               "inerzia\r\nM1;0,32;0,96;6000;1E-4\r\n"
               "M3;0.4;1;6000;1e-4\r\n"
            << AsseEsempio
            << intestazione + "M1\tadatto\t75.1388\t46.4081\t66.6667\t1.46651\t\nriga 3\t\t\t\t"
                              "\t\til valore di «coppia_nominale» («0.4») non è un numero ammesso\n";
        QTest::newRow("lineari")
            << "nome,forza_nominale,forza_massima,velocita_massima\nL1,60,100,1\nL2,30,100,1\n"
            << lineare
            << "nome\tesito\tforza_efficace_%\tforza_picco_%\tvelocita_%\tmotivo\nL1\tadatto\t58.7838\t56."
               "4733\t"
               "66.6667\t\nL2\tnon adatto\t117.568\t56.4733\t66.6667\tforza efficace 118 % della nominale\n";
        QTest::newRow("lineari per una vite")
            << "nome,forza_nominale,forza_massima,velocita_massima\nL1,60,100,1\n"
            << AsseEsempio << "il catalogo elenca motori lineari, ma l'asse ha un motore con albero";
        QTest::newRow("intestazione sbagliata")
            << "nome,coppia,velocita\nM,1,2\n"
            << AsseEsempio
            << "la prima riga non è l'intestazione di un catalogo: «nome,coppia_nominale,coppia_massima,"
               "velocita_massima,inerzia» oppure «nome,forza_nominale,forza_massima,"
               "velocita_massima», o le stesse con «;»";
        QTest::newRow("vuoto") << " \r\n\n" << AsseEsempio << "il catalogo è vuoto";
        QTest::newRow("solo intestazione") << "nome,forza_nominale,forza_massima,velocita_massima\r\n\r\n"
                                           << lineare << "il catalogo non elenca alcun motore";
    }
    void catalogo() {
        QFETCH(QString, testo);
        QFETCH(QString, asse);
        const EsitoCatalogo letto = LeggiCatalogo(testo.toStdString());
        const EsitoClassifica classifica =
            letto.Letto ? ClassificaMotori(*letto.Letto, MotoEsempio, *Documento(asse).Asse)
                        : EsitoClassifica{std::nullopt, letto.Motivo};
        QTEST(Q(classifica.Fatta ? TestoClassifica(*classifica.Fatta) : classifica.Motivo), "attesa");
    }
};

REGISTRA_COLLAUDO(TstMotore);
#include "tst_Motore.moc"
