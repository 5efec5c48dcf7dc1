#include "Collaudo.h"
#include "Dimensionamento.h"
#include "Esempio.h"

#include <cmath>

namespace {
using D = DatiAsse;
using Attese = QList<double>; // F and C of the four phases, the six figures, the braking power

// Sizing data as the document writes it.
D Dati(const QString& coppie) {
    return Documento(coppie).Asse.value_or(D{});
}
const D Esempio = Dati(AsseEsempio);
const double VmEsempio = MotoEsempio.Vm;

const char* const RigaEsempio = "2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\n";
const char* const CoppieEsempio =
    "massa=50,trasmissione=vite,passo=0.01,rapporto=1,rendimento=0.9,attrito=0.01,inclinazione=0,"
    "forza=0,inerzia_motore=1e-04,inerzia_trasmissione=2e-05,sosta=0.5\r\n";
} // namespace

class TstDimensionamento : public QObject {
    Q_OBJECT
private slots:
    // Force and torque of each phase and the figures, against values worked out apart (seven
    // significant digits): the worked example both ways, a vertical axis going up and coming down (the
    // load then drives the motor, which only brakes: no positive power), also without a dwell (the
    // holding at rest, shown at the end of the motion, is still the peak), a belt with a gearbox on a
    // slope, and a linear motor on a triangle profile (no regime phase, forces only), also with forces
    // whose squares lie beyond the doubles.
    void legge_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("Vm");
        QTest::addColumn<DatiAsse>("dati");
        QTest::addColumn<Attese>("attese");
        QTest::newRow("esempio") << .25 << .5 << VmEsempio << Esempio
                                 << Attese{138.2367,    4.903325,   -128.4300, 0,        0.445518,
                                           0.008670982, -0.3850244, 0,         138.2367, 77.08407,
                                           0.445518,    0.2404442,  4000,      186.6181, 161.2786};
        QTest::newRow("esempio all'indietro")
            << .25 << .5 << -VmEsempio << Esempio
            << Attese{-138.2367, -4.903325, 128.4300, 0,         -0.445518, -0.008670982, 0.3850244, 0,
                      138.2367,  77.08407,  0.445518, 0.2404442, 4000,      186.6181,     161.2786};
        const D verticale = Dati(AsseVerticale);
        QTest::newRow("verticale in salita")
            << .2 << .6 << .1 << verticale
            << Attese{216.133, 206.133,  196.133,   196.133,   0.3167672, 0.1822616, 0.04775594, 0.1560777,
                      216.133, 201.2448, 0.3167672, 0.1800226, 1200,      39.80615,  0};
        QTest::newRow("verticale in discesa")
            << .2 << .6 << -.1 << verticale
            << Attese{176.133, 186.133,  196.133,   196.133,   0.000482263, 0.1333079, 0.2661336, 0.1560777,
                      196.133, 191.2507, 0.2661336, 0.1568252, 1200,        0,         33.44334};
        QTest::newRow("verticale in discesa senza sosta")
            << .5 << 0. << -1. << Dati("massa=50,passo=0.01,rendimento=0.5,inclinazione=90")
            << Attese{390.3325, 490.3325, 590.3325,  490.3325,  0.3106167, 0.3901942, 0.4697717, 0.7803884,
                      590.3325, 500.4258, 0.7803884, 0.3982262, 6000,      0,         295.1662};
        QTest::newRow("cinghia con riduttore")
            << .1 << .3 << 1.5
            << Dati("massa=8,trasmissione=cinghia,diametro=0.05,rapporto=5,rendimento=0.95,attrito=0.05,"
                    "inclinazione=30,inerzia_motore=5e-5,inerzia_trasmissione=1e-5,sosta=0.2")
            << Attese{162.6237, 42.62372, -77.37628, 39.2266,   1.035914, 0.2243354, -0.5475373, 0.196133,
                      162.6237, 76.4959,  1.035914,  0.4782156, 2864.789, 310.7743,  164.2612};
        const Attese triangolo{129.8067, 29.80665, -70.19335, 0, 0, 0,        0,       0,
                               129.8067, 104.3477, 0,         0, 0, 64.90332, 35.09668};
        QTest::newRow("diretta a triangolo")
            << .05 << 0. << .5 << Dati("massa=10,trasmissione=diretta,attrito=0.1,forza=20,inerzia_motore=1")
            << triangolo;
        Attese enormi; // squares beyond the doubles, figures within
        for (double a : triangolo)
            enormi << a * 1e300;
        QTest::newRow("diretta, forze oltre 1e154 N")
            << .05 << 0. << .5 << Dati("massa=1e301,trasmissione=diretta,attrito=0.1,forza=2e301") << enormi;
    }
    void legge() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(double, Vm);
        QFETCH(DatiAsse, dati);
        QFETCH(Attese, attese);
        const auto r = Dimensiona(Velantra{.T1 = T1, .T2 = T2, .Vm = Vm}, dati);
        QVERIFY(r);
        Attese ottenute;
        for (int i = 0; i < 2 * NumeroFasiAsse; ++i)
            ottenute << (i < NumeroFasiAsse ? r->Fasi[i].Forza : r->Fasi[i - NumeroFasiAsse].Coppia);
        for (const CifraAsse& c : CifreAsse)
            ottenute << (*r).*c.Membro;
        ottenute << r->PotenzaFrenatura;
        for (int i = 0; i < attese.size(); ++i)
            QVERIFY2(std::abs(ottenute[i] - attese[i]) <= 6e-7 * std::max(1.0, std::abs(attese[i])),
                     qPrintable(QString::number(i) + ": " + QString::number(ottenute[i], 'g', 10)));
        QCOMPARE(r->Diretta, dati.Tipo == Trasmissione::Diretta);
        // Along the cycle: each phase from its start; at rest, held, before and after.
        const double Ttot = 2 * T1 + T2;
        for (const auto& [t, fase] : {std::pair{-1.0, FaseSosta},
                                      {0.0, FaseAccelerazione},
                                      {T1 * 0.99, FaseAccelerazione},
                                      {T1, T2 > 0 ? FaseRegime : FaseDecelerazione},
                                      {T1 + T2, FaseDecelerazione},
                                      {Ttot, FaseSosta},
                                      {Ttot + 9, FaseSosta}})
            QCOMPARE(r->ForzaA(t), r->Fasi[fase].Forza);
    }

    // No motion, data not complete, or a cycle so long that the motion is lost in it: no sizing.
    void senzaDimensionamento() {
        for (const Velantra& moto : {Velantra{.T1 = 0, .T2 = 1, .Vm = 1},
                                     {.T1 = 1, .T2 = -1, .Vm = 1},
                                     {.T1 = 1, .T2 = 1, .Vm = 0},
                                     {.T1 = qQNaN(), .T2 = 1, .Vm = 1},
                                     {.T1 = 1, .T2 = qInf(), .Vm = 1}})
            QVERIFY(!Dimensiona(moto, Esempio));
        for (const D& dati : {D{.Massa = 1}, D{.Massa = 1, .Passo = 1, .InerziaTrasmissione = qInf()},
                              D{.Massa = 1, .Passo = 1, .Sosta = std::numeric_limits<double>::max()}})
            QVERIFY(!Dimensiona({.T1 = 1, .T2 = 1, .Vm = 1}, dati));
    }

    // No document that no reader would take: sizing data without a pitch, a motor without an axis, a
    // jerk of 0.
    void scrittura() {
        QVERIFY(!ScriviDocumento(0, {}, D{.Massa = 1}));
        QVERIFY(!ScriviDocumento({2, {}, std::nullopt, DatiMotore{}, std::nullopt}));
        QVERIFY(!ScriviDocumento({2, {}, std::nullopt, std::nullopt, 0.0}));
    }

    // How the pairs may be written: any order, any lines, blanks, defaults for what is missing; a
    // document without them, on as many lines as it likes, reads as ever. Written back on a second line,
    // only the keys that apply, each number in its shortest exact text; the motor's keys follow the axis,
    // the jerk last, or alone.
    void lettura_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("letto"); // the pairs written again, or "-" for none
        const QString nove = QStringLiteral("0,1,2,3,4,5,6,7,8");
        QTest::newRow("righe sparse, senza coppie") << "0\r\n1 2\n3,\t4\r\n5\r6 ,7\r\n8\r\n"
                                                    << "-";
        QTest::newRow("come scritto") << QString(RigaEsempio) + CoppieEsempio << QString(CoppieEsempio);
        QTest::newRow("diretta") << nove + "\nmassa=0.30000000000000004,trasmissione=diretta,passo=7"
                                 << "massa=0.30000000000000004,trasmissione=diretta,attrito=0,inclinazione=0,"
                                    "forza=0,sosta=0\r\n";
        QTest::newRow("sulla stessa riga, in altro ordine, con spazi")
            << nove + ",sosta = .5 ,passo=1E-2, massa=5e1,inerzia_motore=1e-4,inerzia_trasmissione=0.00002,"
                      "attrito=0.01, rendimento=0.9"
            << QString(CoppieEsempio);
        QTest::newRow("una coppia per riga, il resto predefinito")
            << nove + "\r\ntrasmissione=cinghia\r\ndiametro=0.05\r\nmassa=2\r\n"
            << "massa=2,trasmissione=cinghia,diametro=0.05,rapporto=1,rendimento=1,attrito=0,inclinazione=0,"
               "forza=0,inerzia_motore=0,inerzia_trasmissione=0,sosta=0\r\n";
        QTest::newRow("motore e jerk")
            << QString(RigaEsempio) + "jerk=40,velocita_massima=6e3," + QString(CoppieEsempio).chopped(2) +
                   ",coppia_nominale=.32"
            << QString(CoppieEsempio).chopped(2) + ",coppia_nominale=0.32,velocita_massima=6000,jerk=40\r\n";
        QTest::newRow("motore lineare: le sue chiavi")
            << nove + "\r\nmassa=2,trasmissione=diretta,coppia_massima=9,forza_massima=80,velocita_massima=3"
            << "massa=2,trasmissione=diretta,attrito=0,inclinazione=0,forza=0,sosta=0,forza_massima=80,"
               "velocita_massima=3\r\n";
        QTest::newRow("jerk da solo") << nove + ",jerk=1E3"
                                      << "jerk=1000\r\n";
    }
    void lettura() {
        QFETCH(QString, testo);
        QFETCH(QString, letto);
        const EsitoLettura esito = LeggiDocumento(testo.toStdString());
        QVERIFY2(esito.dati, esito.motivo.c_str());
        const DatiDocumento& d = *esito.dati;
        const QString scritto = QString::fromStdString(*ScriviDocumento(d));
        QCOMPARE(scritto.section("\r\n", 0, 0),
                 testo.startsWith('2') ? QString(RigaEsempio).trimmed() : "0,1,2,3,4,5,6,7,8");
        QCOMPARE(scritto.section("\r\n", 1).isEmpty() ? QStringLiteral("-") : scritto.section("\r\n", 1),
                 letto);
    }

    // Every refusal names its key (or quotes the text that is no pair), by the rules of each field:
    // required ones only where they apply, every given value checked.
    void rifiuti_data() {
        QTest::addColumn<QString>("coppie"); // after the nine values and a line break
        QTest::addColumn<QString>("motivo");
        const auto riga = [](const char* caso, const char* coppie, const char* motivo) {
            QTest::newRow(caso) << QString::fromUtf8(coppie) << QString::fromUtf8(motivo);
        };
        riga("manca la massa", "passo=1", "manca la chiave «massa»");
        riga("manca il passo della vite", "massa=1", "manca la chiave «passo»");
        riga("manca il diametro", "massa=1,passo=1,trasmissione=cinghia", "manca la chiave «diametro»");
        riga("chiave sconosciuta", "massa=1,passo=1,colore=rosso", "la chiave «colore» non è prevista");
        riga("chiave ripetuta", "massa=1,passo=1,massa=2", "la chiave «massa» compare più di una volta");
        riga("non un numero", "massa=1,passo=1,rapporto=due",
             "il valore della chiave «rapporto» («due») non è un numero");
        riga("virgola decimale", "massa=1,5,passo=1", "«5» non è una coppia chiave=valore");
        riga("fuori dai double", "massa=1,passo=1e999",
             "il valore della chiave «passo» («1e999») è fuori dall'intervallo dei numeri ammessi");
        riga("infinito", "massa=inf,passo=1", "il valore della chiave «massa» («inf») non è un numero");
        riga("valore vuoto", "massa=,passo=1", "manca il valore della chiave «massa»");
        riga("passo nullo", "massa=1,trasmissione=cinghia,passo=0,diametro=1",
             "il valore della chiave «passo» («0») deve essere maggiore di 0");
        riga("attrito negativo", "massa=1,passo=1,attrito=-0.1",
             "il valore della chiave «attrito» («-0.1») non può essere minore di 0");
        riga("fuori intervallo", "massa=1,passo=1,rendimento=1.5",
             "il valore della chiave «rendimento» («1.5») deve essere maggiore di 0 e non superiore a 1");
        riga("inclinazione", "massa=1,passo=1,inclinazione=-91",
             "il valore della chiave «inclinazione» («-91») deve essere compreso tra -90 e 90");
        riga("trasmissione ignota", "massa=1,trasmissione=vite a ricircolo",
             "la chiave «trasmissione» vale «vite a ricircolo» invece di vite, cinghia o diretta");
        riga("due virgole", "massa=1,,passo=1", "tra due virgole manca una coppia chiave=valore");
        riga("virgola finale", "massa=1,passo=1,\r\n",
             "dopo l'ultima virgola manca una coppia chiave=valore");
        riga("motore senza asse", "jerk=2,coppia_nominale=1", "manca la chiave «massa»");
        riga("coppia nulla", "massa=1,passo=1,coppia_massima=0",
             "il valore della chiave «coppia_massima» («0») deve essere maggiore di 0");
        riga("velocità ripetuta", "massa=1,trasmissione=diretta,velocita_massima=1,velocita_massima=2",
             "la chiave «velocita_massima» compare più di una volta");
        riga("jerk negativo", "jerk=-5", "il valore della chiave «jerk» («-5») deve essere maggiore di 0");
    }
    void rifiuti() {
        QFETCH(QString, coppie);
        QFETCH(QString, motivo);
        const EsitoLettura esito = LeggiDocumento(("0,0,0,0,0,0,0,0,0\r\n" + coppie).toStdString());
        QVERIFY(!esito.dati);
        QCOMPARE(QString::fromStdString(esito.motivo), motivo);
    }

    // The figures: significant digits, no thousands separator, no small value read as 0.
    void cifre() {
        for (const auto& [valore, testo] :
             {std::pair{4000.0, "4000"}, {1234567.0, "1,23457E+06"}, {-3e-9, "-3E-09"}, {-0.0, "0"}})
            QCOMPARE(QString::fromStdString(TestoCifre(valore, 6, ',')), QString(testo));
    }
};

REGISTRA_COLLAUDO(TstDimensionamento);
#include "tst_Dimensionamento.moc"
