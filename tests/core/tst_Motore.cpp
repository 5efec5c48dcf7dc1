#include "CatalogoMotori.h"
#include "Collaudo.h"
#include "Esempio.h"
#include "PianoCoppiaVelocita.h"
#include "RapportoOttimo.h"

#include <cmath>
#include <numbers>

namespace {
using std::numbers::pi;
QString Q(const std::string& testo) {
    return QString::fromStdString(testo);
}
QString Cifre(double valore, int cifre = 6) {
    return Q(TestoCifre(valore, cifre, ','));
}
bool Vicini(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}
} // namespace

class TstMotore : public QObject {
    Q_OBJECT
private slots:
    // The verdicts as a window shows them, the best ratio and the torque-speed picture: the worked example
    // with a motor that suits it, and with one too small and slow (the best ratio then held at its top
    // speed); no inertia at all (no ratio, no best ratio); a vertical belt axis coming down without a dwell
    // (the motor brakes; a load inertia past the advice); a linear motor.
    void giudizio_data() {
        QTest::addColumn<QString>("asse");
        QTest::addColumn<double>("Vm");
        QTest::addColumn<QString>("quote");    // the shares in %, the inertia ratio, the braking power
        QTest::addColumn<QString>("giudizio"); // the verdict line
        QTest::addColumn<QString>("ottimo");   // ratio, RMS, speed, or why none
        QTest::newRow("esempio, motore adatto")
            << QString(AsseEsempio) + ",coppia_nominale=0.32,coppia_massima=0.96,velocita_massima=6000"
            << MotoEsempio.Vm << "75,1 46,4 66,7 | 1,46651 | 161,279"
            << "Motore adatto"
            << "1,0377 0,240279 4150,8";
        QTest::newRow("esempio, motore piccolo e lento")
            << QString(AsseEsempio) + ",coppia_nominale=0.2,coppia_massima=0.44,velocita_massima=4100"
            << MotoEsempio.Vm << "120 101 97,6 | 1,46651 | 161,279"
            << "Motore non adatto: coppia efficace 120 % della nominale, coppia di picco 101 % della massima"
            << "1,025 0,240297 4100 al limite";
        QTest::newRow("senza inerzie")
            << "massa=50,passo=0.01,sosta=0.5,coppia_nominale=0.3" << MotoEsempio.Vm
            << "40,8 - - | richiede l'inerzia del motore | 88,8889"
            << "Motore adatto" << TestoRapportoSenzaInerzia;
        QTest::newRow("cinghia verticale in discesa")
            << "massa=12,trasmissione=cinghia,diametro=0.05,rapporto=4,rendimento=0.85,inclinazione=90,"
               "inerzia_motore=2e-5,inerzia_trasmissione=1e-5,coppia_nominale=0.8,coppia_massima=1.5,"
               "velocita_massima=3000"
            << -1.0 << "81,8 60 50,9 | 23,9375 oltre | 143,9 tenuta esclusa"
            << "Motore adatto"
            << "7,854 0,339731 3000 al limite";
        QTest::newRow("motore lineare")
            << "massa=10,trasmissione=diretta,attrito=0.1,forza=20,forza_nominale=60,forza_massima=100,"
               "velocita_massima=0.5"
            << MotoEsempio.Vm << "58,8 56,5 133 | 0"
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
        QString quote;
        for (const VerificaLimite& v : g.Limiti)
            quote += (v.Dato() ? Q(TestoQuota(v, 3, ',')) : "-") + " ";
        if (!g.Diretta)
            quote += "| " + (std::isnan(g.RapportoInerzia) ? TestoSenzaInerzia : Cifre(g.RapportoInerzia)) +
                     (g.InerziaOltreConsiglio() ? " oltre " : " ");
        QTEST(quote + "| " + Cifre(r->PotenzaFrenatura) + (r->TenutaEsclusa ? " tenuta esclusa" : ""),
              "quote");
        QTEST(Q(RigaGiudizio(g, ',')), "giudizio");
        const EsitoRapporto o = CercaRapportoOttimo(*r, d, m);
        QTEST(o.Ottimo ? Cifre(o.Ottimo->Rapporto, 5) + " " + Cifre(o.Ottimo->CoppiaEfficace) + " " +
                             Cifre(o.Ottimo->VelocitaMotore, 5) + (o.AlLimiteVelocita ? " al limite" : "")
                       : QString::fromUtf8(o.Motivo),
              "ottimo");

        // The torque-speed picture: at its corners the drive's power, driving above 0, braking below.
        double motrice = 0, frenante = 0;
        for (const TrattoLavoro& t : PianoDiLavoro(*r, m).Tratti) {
            const double p = t.Inizio.Coppia * std::max(t.Inizio.Velocita, t.Fine.Velocita);
            motrice = std::max(motrice, p * (r->Diretta ? 1 : pi / 30));
            frenante = std::max(frenante, -p * (r->Diretta ? 1 : pi / 30));
        }
        QVERIFY(Vicini(motrice, r->PotenzaPicco) && Vicini(frenante, r->PotenzaFrenatura));
        // The sweep: a quarter to four times the best ratio.
        const CurvaRapporto curva = CurvaDelRapporto(*r, d, m, 9);
        QVERIFY(!o.Ottimo || (curva.Punti[4].CoppiaEfficace == o.Ottimo->CoppiaEfficace &&
                              Vicini(curva.Punti[0].Rapporto * 16, curva.Punti[8].Rapporto)));
    }

    // Ranking a catalogue for the worked example: the suitable motors first, then by rated torque;
    // unreadable lines by number (a quoted name may span lines); linear motors in the regional form;
    // what is no catalogue, or one of the other kind, refused.
    void catalogo_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("asse");
        QTest::addColumn<QString>("attesa"); // the ranking's text, or why there is none
        const QString lineare = "massa=10,trasmissione=diretta,attrito=0.1,forza=20";
        QTest::newRow("normale, con righe guaste")
            << "nome,coppia_nominale,coppia_massima,velocita_massima,inerzia\r\n\"G, 1\",1.2,3,3000,5e-4\r\n"
               "M1,0.32,0.96,6000,1e-4\n\nzero,0,1,2,3\n\"a\nb "
               "\"\"c\"\"\",0.2,0.3,6000,0\r\ncorto,1\n\"aperto,1\n"
            << QString(AsseEsempio)
            << "nome\tesito\tcoppia_efficace_%\tcoppia_picco_%\tvelocita_%\trapporto_inerzia\tmotivo\n"
               "a b \"c\"\tadatto\t72.085\t92.6555\t66.6667\t\trapporto d'inerzia richiede l'inerzia del "
               "motore\n"
               "M1\tadatto\t75.1388\t46.4081\t66.6667\t1.46651\t\n"
               "G, 1\tnon adatto\t52.247\t37.1908\t133.333\t0.293303\tvelocità 133 % della massima\n"
               "riga 5\t\t\t\t\t\til valore di «coppia_nominale» («0») deve essere maggiore di 0\n"
               "riga 8\t\t\t\t\t\t2 campi invece di 5\n"
               "riga 9\t\t\t\t\t\tle virgolette aperte non si chiudono\n";
        const QString lineari =
            QChar(0xFEFF) +
            QString("Nome;Forza_nominale;forza_massima;velocita_massima\r\nL2;30;100;1,5\r\n");
        QTest::newRow("lineari, regionale") << lineari << lineare
                                            << "nome\tesito\tforza_efficace_%\tforza_picco_%\tvelocita_%"
                                               "\tmotivo\nL2\tnon adatto\t117.568\t56.4733\t"
                                               "44.4444\tforza efficace 118 % della nominale\n";
        QTest::newRow("lineari per una vite")
            << lineari << QString(AsseEsempio)
            << "il catalogo elenca motori lineari, ma l'asse ha un motore con albero";
        QTest::newRow("intestazione sbagliata")
            << "nome,coppia,velocita\n"
            << QString(AsseEsempio)
            << QString("la prima riga non è l'intestazione di un catalogo: «") + IntestazioneCatalogo +
                   "» oppure «" + IntestazioneCatalogoLineare + "», o le stesse con «;»";
        QTest::newRow("vuoto") << " \r\n\n" << QString(AsseEsempio) << "il catalogo è vuoto";
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
