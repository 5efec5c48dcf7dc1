#include "Collaudo.h"
#include "Documento.h"
#include "LeggeMoto.h"
#include "TestiNumerici.h"
#include "Velantra.h"
#include "VerificaMoto.h"

#include <cfloat>
#include <cmath>

namespace {
using V = Velantra;
const std::pair<QString, MembroMoto> Grandezze[8] = {{"S1", &V::S1}, {"S2", &V::S2}, {"Stot", &V::Stot},
                                                     {"T1", &V::T1}, {"T2", &V::T2}, {"Ttot", &V::Ttot},
                                                     {"A", &V::Acc}, {"Vm", &V::Vm}};
// The eleven solvers with their inputs, in the order of the combinations on the data-entry picture.
struct Solutore {
    const char* nome;
    Risolutore risolvi;
    MembroMoto ingressi[3];
};
const Solutore Solutori[] = {{"StTtS1", &V::StTtS1, {&V::Stot, &V::Ttot, &V::S1}},
                             {"StTtA", &V::StTtA, {&V::Stot, &V::Ttot, &V::Acc}},
                             {"StTtT1", &V::StTtT1, {&V::Stot, &V::Ttot, &V::T1}},
                             {"StVmS1", &V::StVmS1, {&V::Stot, &V::Vm, &V::S1}},
                             {"StVmA", &V::StVmA, {&V::Stot, &V::Vm, &V::Acc}},
                             {"StVmT1", &V::StVmT1, {&V::Stot, &V::Vm, &V::T1}},
                             {"VmTtS1", &V::VmTtS1, {&V::Vm, &V::Ttot, &V::S1}},
                             {"VmTtA", &V::VmTtA, {&V::Vm, &V::Ttot, &V::Acc}},
                             {"VmTtT1", &V::VmTtT1, {&V::Vm, &V::Ttot, &V::T1}},
                             {"VmTtSt", &V::VmTtSt, {&V::Vm, &V::Ttot, &V::Stot}},
                             {"VmT2St", &V::VmT2St, {&V::Vm, &V::T2, &V::Stot}}};

QString Nome(MembroMoto m) {
    return std::find_if(std::begin(Grandezze), std::end(Grandezze),
                        [m](const auto& g) { return g.second == m; })
        ->first;
}

Velantra Profilo(double T1, double T2, double Acc) {
    const double Vm = Acc * T1;
    return {Vm * T1 / 2, Vm * T2, Vm * (T1 + T2), T1, T2, 2 * T1 + T2, Acc, Vm};
}

// What a record breaks: each quantity with the kind of fault.
QString Violazioni(const std::vector<Violazione>& violazioni) {
    QStringList testi;
    for (const Violazione& v : violazioni)
        testi << Nome(v.Grandezza) + ' ' + QStringList{"nan", "inf", "-", "+", "0"}[int(v.Tipo)];
    return testi.join(", ");
}

// Solves from three inputs over a record whose outputs hold a marker and whose last solve failed.
constexpr double Segno = 777;
Velantra Risolvi(const Solutore& solutore, const double (&ingressi)[3]) {
    Velantra m;
    for (const auto& g : Grandezze)
        m.*g.second = Segno;
    for (int i = 0; i < 3; ++i)
        m.*solutore.ingressi[i] = ingressi[i];
    m.CalcoloOk = false;
    (m.*solutore.risolvi)();
    return m;
}
// A record written "Stot=2 Ttot=5 S1=1.5" and the solver of those inputs in that order (a name alone:
// an input not typed yet).
std::pair<Risolutore, Velantra> Caso(const QString& testo) {
    Velantra m;
    QStringList nomi;
    for (const QString& voce : testo.split(' ')) {
        nomi << voce.section('=', 0, 0);
        for (const auto& [nome, membro] : Grandezze)
            if (nomi.last() == nome)
                m.*membro = voce.section('=', 1).toDouble();
    }
    for (const auto& [sigla, risolvi, in] : Solutori)
        if (nomi == QStringList{Nome(in[0]), Nome(in[1]), Nome(in[2])})
            return {risolvi, m};
    return {nullptr, m};
}
// The ends of the third input's range as the message states them, each checked: the text reads back as
// the value, which lies in the range, within 6 digits of the end and, typed, calculates.
QString EstremiDigitati(Risolutore r, const Velantra& dati) {
    QStringList testi;
    const Intervallo i = *IntervalloAmmesso(r, dati).Ultimo;
    for (const bool minimo : {true, false}) {
        const long double fine = minimo ? i.Minimo : i.Massimo;
        if (std::isinf(fine))
            continue;
        const EstremoMostrato e = MostraEstremo(i, minimo, r, dati, '.');
        const QByteArray dove = (e.Testo + " per " + std::to_string(double(fine))).c_str();
        Velantra digitato = dati;
        digitato.*i.Grandezza = e.Valore;
        const bool valido =
            LeggiNumero(e.Testo, '.') == e.Valore &&
            (e.Incluso ? i.Contiene(e.Valore) && VerificaSoluzione(r, digitato).empty() : e.Valore == fine) &&
            std::abs(e.Valore - fine) <= 1e-5L * std::abs(fine);
        if (!valido)
            QTest::qFail(dove.constData(), __FILE__, __LINE__);
        testi << QString(minimo ? (e.Incluso ? "almeno " : "maggiore di ")
                                : (e.Incluso ? "al massimo " : "minore di ")) +
                     QString::fromStdString(e.Testo);
    }
    return testi.join(" e ");
}
} // namespace

class TstMoto : public QObject {
    Q_OBJECT
private slots:
    // Every solver gives back the five other quantities of consistent profiles, and success even after a
    // failure: the reference profile and the triangle (StTtA's discriminant exactly 0) exactly, random
    // ones to rounding; StTtA takes the smaller root, T1 <= Ttot/2.
    void profiliCoerenti() {
        QRandomGenerator caso(20261206);
        auto tra = [&caso] { return 0.01 + caso.generateDouble() * 10; };
        for (int prova = 0; prova < 500; ++prova) {
            const Velantra atteso = prova == 0   ? Profilo(1, 3, 0.5)
                                    : prova == 1 ? Profilo(1, 0, 1)
                                                 : Profilo(tra(), tra(), tra());
            const double tolleranza = prova < 2 ? 1e-12 : 1e-7;
            for (const auto& s : Solutori) {
                const Velantra m =
                    Risolvi(s, {atteso.*s.ingressi[0], atteso.*s.ingressi[1], atteso.*s.ingressi[2]});
                QVERIFY2(m.CalcoloOk, s.nome);
                for (const auto& [nome, q] : Grandezze)
                    QVERIFY2(std::abs(m.*q - atteso.*q) <= tolleranza * std::max(1.0, std::abs(atteso.*q)),
                             s.nome);
            }
        }
    }

    // Over a grid of inputs from 0 to the ends of the double range: a solve succeeds exactly when every
    // result is finite, negative ones included. A failed one stops at its first result that is not finite,
    // so that one alone is not finite (none when StTtA's discriminant is negative), and never writes an
    // input. Vuota then clears the record.
    void esiti() {
        const double griglia[] = {0,      1,      -1,     2,      0.5,    3,      1e-10,
                                  1e10,   1e-100, 1e100,  1e-155, 1e155,  1e-200, 1e200,
                                  1e-300, 1e300,  -1e300, 1e-308, 1e-320, 1e308,  DBL_MAX};
        QStringList errori;
        for (const auto& s : Solutori)
            for (const double a : griglia)
                for (const double b : griglia)
                    for (const double c : griglia) {
                        Velantra m = Risolvi(s, {a, b, c});
                        int nonFiniti = 0;
                        for (const auto& g : Grandezze)
                            nonFiniti += !std::isfinite(m.*g.second);
                        const bool radiceNegativa = s.risolvi == &V::StTtA && m.T1 == Segno;
                        const MembroMoto* in = s.ingressi;
                        if (nonFiniti != (m.CalcoloOk ? 0 : int(!radiceNegativa)) || m.*in[0] != a ||
                            m.*in[1] != b || m.*in[2] != c)
                            errori << QString::asprintf("%s(%g, %g, %g)", s.nome, a, b, c);
                        m.Vuota();
                        for (const auto& [nome, q] : Grandezze)
                            if (!m.CalcoloOk || m.*q)
                                errori << "Vuota: " + nome;
                    }
        QCOMPARE(errori.mid(0, 5), QStringList());
        QCOMPARE(Risolvi(Solutori[1], {2, 2, 1}).T1, Segno); // StTtA, discriminant -4: nothing stored
    }

    // What the solved record breaks, judged in the direction of the first input, and the range of the last
    // input given the first two (or the first two that rule out every motion); "esiste" when the three
    // admit a motion. A backward motion is the mirror of a forward one. Nothing entered yet is no fault.
    void verifica_data() {
        QTest::addColumn<QString>("dati");
        QTest::addColumn<QString>("violazioni");
        QTest::addColumn<QString>("intervallo");
        const auto riga = [](const char* nome, const char* dati, const char* violazioni,
                             const char* intervallo) {
            QTest::newRow(nome) << dati << violazioni << intervallo;
        };
        riga("Stot-Ttot-S1", "Stot=2 Ttot=5 S1=1.5", "S2 -, T2 -", "S1 (0, 1]");
        riga("Stot-Ttot-A", "Stot=2 Ttot=2 A=1", "T1 nan", "A [2, inf)");
        riga("Stot-Ttot-T1", "Stot=2 Ttot=5 T1=0", "A inf", "T1 (0, 2.5]");
        riga("Stot-Vm-S1", "Stot=2 Vm=0.5 S1=-1", "S1 -, T1 -, Ttot 0, A -", "S1 (0, 1]");
        riga("Stot-Vm-A", "Stot=2 Vm=0.5 A=0.1", "S2 -, T2 -", "A [0.125, inf)");
        riga("Stot-Vm-T1", "Stot=10 Vm=1 T1=20", "S2 -, T2 -", "T1 (0, 10]");
        riga("Vm-Ttot-S1", "Vm=0.5 Ttot=5 S1=0", "A inf", "S1 (0, 0.625]");
        riga("Vm-Ttot-A", "Vm=1 Ttot=4 A=0.5", "", "A [0.5, inf) esiste");
        riga("Vm-Ttot-T1", "Vm=0.5 Ttot=5 T1=3", "S2 -, T2 -", "T1 (0, 2.5]");
        riga("Vm-Ttot-Stot", "Vm=1 Ttot=4 Stot=4", "A inf", "Stot [2, 4)");
        riga("Vm-T2-Stot", "Vm=0.5 T2=3 Stot=1", "S1 -, T1 -, A -", "Stot (1.5, inf)");
        riga("T2 zero", "Vm=0.5 T2=0 Stot=1", "", "Stot (0, inf) esiste");
        riga("Ttot negativo", "Stot=2 Ttot=-1 A=8", "T1 -, Ttot -, Vm -", "Ttot (0, inf)");
        riga("fermo", "Stot=0 Ttot=5 T1=1", "S1 0, Stot 0, A 0, Vm 0", "Stot != 0");
        riga("Vm zero, T2 negativo", "Vm=0 T2=-1 Stot=1", "T1 inf", "Vm != 0 T2 [0, inf)");
        riga("oltre i double", "Stot=1e300 Ttot=1e-10 A=1", "T1 nan", "");
        // Backward: the mirror of the rows above; mixed signs rule the motion out.
        riga("indietro", "Stot=-2 Ttot=5 S1=-0.25", "", "S1 [-1, 0) esiste");
        riga("indietro, S1 oltre", "Stot=-2 Ttot=5 S1=-1.5", "S2 +, T2 -", "S1 [-1, 0)");
        riga("indietro, radice", "Stot=-1 Ttot=2 A=-2", "", "A (-inf, -1] esiste");
        riga("indietro, Vm avanti", "Stot=-2 Vm=0.5 A=-1", "T1 -, T2 -, Ttot -, Vm +", "Vm (-inf, 0)");
        riga("indietro da Vm", "Vm=-0.5 T2=3 Stot=1", "S1 +, Stot +, T1 -, Ttot -, A +", "Stot (-inf, -1.5)");
        riga("indietro da Vm, Ttot", "Vm=-1 Ttot=4 A=-0.25", "S2 +, Stot 0, T2 -", "A (-inf, -0.5]");
        // A discriminant lost to rounding is the triangle, though the typed A lies a rounding below it.
        riga("triangolo arrotondato", "Stot=0.3 Ttot=0.7 A=2.4489795918367347", "", "A [2.44898, inf)");
        // Values that admit a motion that the doubles cannot carry.
        riga("Vm sotto i double", "Stot=1e-154 Ttot=1e200 T1=1e6", "S1 0, A 0, Vm 0",
             "T1 (0, 5e+199] esiste");
        riga("A oltre i double", "Stot=4e150 Ttot=2e150 S1=2e150", "A 0", "S1 (0, 2e+150] esiste");
        riga("radice oltre i double", "Stot=1e-300 Ttot=1e-150 A=1e300", "T1 inf", "A [4, inf) esiste");
    }
    void verifica() {
        QFETCH(QString, dati);
        const auto [r, m] = Caso(dati);
        QVERIFY(r);
        QTEST(Violazioni(VerificaSoluzione(r, m)), "violazioni");

        const Ammissibili ammessi = IntervalloAmmesso(r, m);
        QStringList intervalli;
        for (const Intervallo& i : ammessi.Ultimo ? std::vector{*ammessi.Ultimo} : ammessi.Dati)
            intervalli << (i.DiversoDaZero
                               ? Nome(i.Grandezza) + " != 0"
                               : QString::asprintf("%s %s%g, %g%s", qPrintable(Nome(i.Grandezza)),
                                                   i.MinimoIncluso ? "[" : "(", double(i.Minimo),
                                                   double(i.Massimo), i.MassimoIncluso ? "]" : ")"));
        if (ammessi.Esiste)
            intervalli << "esiste";
        QTEST(intervalli.join(' '), "intervallo");
        QVERIFY(VerificaMoto(Velantra()).empty()); // nothing entered yet is no fault
    }

    // A limit that a message states as a value to type calculates when typed: rounded inward to 6 digits
    // (not outward, not further in), for every combination in both directions over awkward inputs;
    // a strict end is stated exactly.
    void limitiDaDigitare_data() {
        QTest::addColumn<QString>("dati");
        QTest::addColumn<QString>("estremi");
        const auto riga = [](const char* caso, const QString& dati, const QString& estremi) {
            QTest::newRow(caso) << dati << estremi;
        };
        riga("A minima", "Stot=0.3 Ttot=0.35 A", "almeno 9.79592");
        riga("T1 massimo", "Stot=1 Vm=3 T1", "maggiore di 0 e al massimo 0.333333");
        riga("A massima indietro", "Stot=-0.3 Vm=-1.4 A", "al massimo -6.53334");
        riga("Stot tra due estremi", "Vm=0.7 Ttot=0.3 Stot", "almeno 0.105 e al massimo 0.209999");
    }
    void limitiDaDigitare() {
        QFETCH(QString, dati);
        const auto [r, m] = Caso(dati);
        QVERIFY(r);
        QTEST(EstremiDigitati(r, m), "estremi");
        const double valori[] = {0.3, 0.35, 1.0 / 3, 3, 7.77e-5, 12345.678, 1e-9, 2.5e7};
        for (const auto& [nome, risolvi, ingressi] : Solutori)
            for (const double a : valori)
                for (const double b : valori)
                    for (const double verso : {1.0, -1.0}) {
                        Velantra d;
                        d.*ingressi[0] = Orientata(ingressi[0]) ? verso * a : a;
                        d.*ingressi[1] = Orientata(ingressi[1]) ? verso * b : b;
                        if (IntervalloAmmesso(risolvi, d).Ultimo)
                            EstremiDigitati(risolvi, d);
                        if (QTest::currentTestFailed())
                            return;
                    }
    }

    // The fastest move within the limits: with the peak offered for Vm, Stot-Vm-A and Stot-Vm-T1 solve to
    // a triangle, S2 and T2 exactly 0, in either direction, over random limits; none where Vm is
    // reachable or the signs differ.
    void triangolo() {
        QRandomGenerator caso(20260318);
        const auto tra = [&caso] { return std::ldexp(0.5 + caso.generateDouble(), caso.bounded(-30, 30)); };
        for (int prova = 0; prova < 4000; ++prova) {
            const double verso = prova % 2 ? -1 : 1;
            const bool conA = prova % 4 < 2;
            Velantra m{.Stot = verso * tra(), .T1 = tra(), .Acc = verso * tra()};
            const double picco = conA ? verso * std::sqrt(m.Acc * m.Stot) : m.Stot / m.T1;
            m.Vm = picco * (1 + caso.generateDouble()) + verso * 1e-300;
            const Risolutore r = conA ? &V::StVmA : &V::StVmT1;
            const auto offerto = VelocitaTriangolare(r, m);
            QVERIFY2(offerto && std::abs(*offerto - picco) <= 1e-15 * std::abs(picco),
                     qPrintable(QString::asprintf("%g %g %g %g", m.Stot, m.Vm, m.Acc, m.T1)));
            m.Vm = *offerto;
            (m.*r)();
            AzzeraRegimeTrascurabile(m);
            QVERIFY2(m.S2 == 0 && m.T2 == 0 && VerificaMoto(m).empty(), qPrintable(QString::number(prova)));
            QCOMPARE(m.Ttot, 2 * m.T1);
            QVERIFY(!VelocitaTriangolare(r, m));
            m.Vm = -m.Vm;
            QVERIFY(!VelocitaTriangolare(r, m));
        }
        QVERIFY(!VelocitaTriangolare(&V::StTtA, {.Stot = 0.1, .Ttot = 1, .Acc = 10}));
    }
    // The law in time, for T1 1 and Vm 0.5: t, s, v, a at the phase boundaries, inside the phases and
    // outside the motion; with T2 3 a stroke of 2 m in 5 s, with T2 0 a triangle of 0.5 m in 2 s. The
    // distance from before the start, either way, is s.
    void istanti() {
        // T2, t, s, v, a
        const double righe[][5] = {{3, -1, 0, 0, 0},
                                   {3, 0, 0, 0, 0.5},
                                   {3, 0.5, 0.0625, 0.25, 0.5},
                                   {3, 1, 0.25, 0.5, 0},
                                   {3, 2.5, 1, 0.5, 0},
                                   {3, 4, 1.75, 0.5, -0.5},
                                   {3, 4.5, 1.9375, 0.25, -0.5},
                                   {3, 5, 2, 0, 0},
                                   {3, 9, 2, 0, 0},
                                   {0, 1, 0.25, 0.5, -0.5},
                                   {0, 2, 0.5, 0, 0}};
        for (const auto& [T2, t, s, v, a] : righe)
            for (const double verso : {1.0, -1.0}) { // backward: the mirror, below 0
                const LeggeMoto legge(Velantra{.T1 = 1, .T2 = T2, .Vm = verso * 0.5});
                QCOMPARE((QList<double>{t, legge.Posizione(t), legge.Spazio(t, -1), legge.Velocita(t),
                                        legge.Accelerazione(t)}),
                         (QList<double>{t, verso * s, verso * s, verso * v, verso * a}));
            }
    }

    // Documents at the ends of the doubles, solved as "Calcolo" solves them: motions whose law meets the
    // table's figures to their 15 digits at the phase boundaries.
    void documenti_data() {
        QTest::addColumn<QByteArray>("documento");
        QTest::newRow("A massima") << QByteArray("4,1,1,4,1,1,3,2,1.7976931348623158E+308");
        QTest::newRow("Stot massima") << QByteArray("4,0,0,1.7976931348623157E+308,0,0,0,7,1E-12");
        QTest::newRow("triangolo minimo") << QByteArray("4,0,0,1E-300,0,0,0,1E-150,1");
        QTest::newRow("all'indietro") << QByteArray("0,-.25,0,-2,0,0,5,0,0");
        QTest::newRow("fasi irrazionali") << QByteArray("1,0,0,1,0,0,2,0,2");
    }
    void documenti() {
        QFETCH(QByteArray, documento);
        const EsitoLettura letto = LeggiDocumento(documento.toStdString());
        Velantra m = letto.dati->Moto;
        (m.*Solutori[letto.dati->Sistema].risolvi)();
        AzzeraRegimeTrascurabile(m);
        QVERIFY(m.CalcoloOk && VerificaMoto(m).empty());
        const LeggeMoto legge(m);
        const auto testo = [](double v) { return QString::fromStdString(TestoNumero(v, ',')); };
        const double t12 = m.T1 + m.T2;
        QCOMPARE((QStringList{testo(legge.Accelerazione(0)), testo(legge.Posizione(m.T1)),
                              testo(legge.Velocita(t12 / 2 + m.T1 / 2)), testo(legge.Posizione(t12)),
                              testo(legge.Posizione(legge.Durata())), testo(legge.Durata())}),
                 (QStringList{testo(m.Acc), testo(m.S1), testo(m.Vm), testo(m.S1 + m.S2), testo(m.Stot),
                              testo(m.Ttot)}));
    }

    // A long stroke keeps its precision late; no motion: at rest at 0.
    void spazio() {
        QCOMPARE(LeggeMoto({.T1 = 1, .T2 = 1e6, .Vm = 1}).Spazio(5e5, 5e5 + 1e-6), (5e5 + 1e-6) - 5e5);
        for (const double T1 : {0.0, -1.0, qQNaN()}) {
            const LeggeMoto fermo(Velantra{.T1 = T1, .T2 = 3, .Vm = 0.5});
            QCOMPARE(fermo.Durata() + fermo.Posizione(1) + fermo.Velocita(1) + fermo.Accelerazione(0), 0.0);
        }
    }
};

REGISTRA_COLLAUDO(TstMoto);
#include "tst_Moto.moc"
