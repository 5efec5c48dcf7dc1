#include "Collaudo.h"
#include "Velantra.h"

#include <QRandomGenerator>
#include <QTest>
#include <cfloat>
#include <cmath>

namespace {

using Membro = double Velantra::*;
using V = Velantra;
const Membro Grandezze[8] = {&V::S1, &V::S2, &V::Stot, &V::T1, &V::T2, &V::Ttot, &V::Acc, &V::Vm};

// The eleven solvers with their three inputs.
const struct {
    const char* nome;
    void (Velantra::*risolvi)();
    Membro ingressi[3];
} Solutori[] = {
    {"VmT2St", &V::VmT2St, {&V::Vm, &V::T2, &V::Stot}},
    {"VmTtSt", &V::VmTtSt, {&V::Vm, &V::Ttot, &V::Stot}},
    {"VmTtT1", &V::VmTtT1, {&V::Vm, &V::Ttot, &V::T1}},
    {"VmTtA", &V::VmTtA, {&V::Vm, &V::Ttot, &V::Acc}},
    {"VmTtS1", &V::VmTtS1, {&V::Vm, &V::Ttot, &V::S1}},
    {"StVmT1", &V::StVmT1, {&V::Stot, &V::Vm, &V::T1}},
    {"StVmA", &V::StVmA, {&V::Stot, &V::Vm, &V::Acc}},
    {"StVmS1", &V::StVmS1, {&V::Stot, &V::Vm, &V::S1}},
    {"StTtT1", &V::StTtT1, {&V::Stot, &V::Ttot, &V::T1}},
    {"StTtA", &V::StTtA, {&V::Stot, &V::Ttot, &V::Acc}},
    {"StTtS1", &V::StTtS1, {&V::Stot, &V::Ttot, &V::S1}},
};

Velantra Profilo(double T1, double T2, double Acc) {
    Velantra m;
    m.T1 = T1, m.T2 = T2, m.Acc = Acc, m.Vm = Acc * T1;
    m.S1 = Acc * T1 * T1 / 2, m.S2 = m.Vm * T2, m.Stot = 2 * m.S1 + m.S2, m.Ttot = 2 * T1 + T2;
    return m;
}

// Solves from three inputs over a record whose outputs hold a marker and whose last solve failed.
constexpr double Segno = 777;
Velantra Risolvi(int solutore, const double (&ingressi)[3]) {
    Velantra m;
    for (Membro q : Grandezze)
        m.*q = Segno;
    for (int i = 0; i < 3; ++i)
        m.*Solutori[solutore].ingressi[i] = ingressi[i];
    m.CalcoloOk = false;
    (m.*Solutori[solutore].risolvi)();
    return m;
}

} // namespace

class TstVelantra : public QObject {
    Q_OBJECT
private slots:
    // Every solver gives back the five other quantities of consistent profiles, and success even after a
    // failure: the reference profile exactly, random ones to rounding.
    void profiliCoerenti() {
        QRandomGenerator caso(20261206);
        auto tra = [&caso] { return 0.01 + caso.generateDouble() * 10; };
        for (int prova = 0; prova < 500; ++prova) {
            const Velantra atteso = prova == 0 ? Profilo(1, 3, 0.5) : Profilo(tra(), tra(), tra());
            const double tolleranza = prova == 0 ? 1e-12 : 1e-7;
            for (int s = 0; s < 11; ++s) {
                const Membro* in = Solutori[s].ingressi;
                const Velantra m = Risolvi(s, {atteso.*in[0], atteso.*in[1], atteso.*in[2]});
                QVERIFY2(m.CalcoloOk, Solutori[s].nome);
                for (Membro q : Grandezze)
                    QVERIFY2(std::abs(m.*q - atteso.*q) <= tolleranza * std::max(1.0, std::abs(atteso.*q)),
                             Solutori[s].nome);
            }
        }
    }

    // StTtA takes the smaller root: T1 <= Ttot/2. A discriminant of exactly 0 is the triangle.
    void radiceMinoreDiStTtA_data() {
        QTest::addColumn<double>("Acc");
        QTest::addColumn<QList<double>>("attesi"); // T1 T2 S2 Vm S1, to 5 decimals
        QTest::newRow("due radici") << 2.0 << QList<double>{0.29289, 1.41421, 0.82843, 0.58579, 0.08579};
        QTest::newRow("triangolo") << 1.0 << QList<double>{1, 0, 0, 1, 0.5};
    }
    void radiceMinoreDiStTtA() {
        QFETCH(double, Acc);
        QFETCH(QList<double>, attesi);
        const Velantra m = Risolvi(9, {1, 2, Acc});
        QVERIFY(m.CalcoloOk);
        QList<double> ottenuti{m.T1, m.T2, m.S2, m.Vm, m.S1};
        for (double& x : ottenuti)
            x = std::round(x * 1e5) / 1e5;
        QCOMPARE(ottenuti, attesi);
    }

    // Over a grid of inputs from 0 to the ends of the double range: a solve succeeds exactly when every
    // result is finite, negative ones included. A failed one stops at its first result that is not finite,
    // so that one alone is not finite (none when StTtA's discriminant is negative), and never writes an
    // input. Vuota then clears the record.
    void esiti() {
        const double griglia[] = {0,      1,      -1,     2,     0.5,     3,     1e-10,  1e10,
                                  1e-100, 1e100,  1e-155, 1e155, 1e-200,  1e200, 1e-300, 1e300,
                                  -1e300, 1e-308, 1e-320, 1e308, DBL_MAX, 5e-324};
        QStringList errori;
        for (int s = 0; s < 11; ++s)
            for (const double a : griglia)
                for (const double b : griglia)
                    for (const double c : griglia) {
                        Velantra m = Risolvi(s, {a, b, c});
                        int nonFiniti = 0;
                        for (Membro q : Grandezze)
                            nonFiniti += !std::isfinite(m.*q);
                        const bool radiceNegativa = s == 9 && m.T1 == Segno;
                        const bool coerente =
                            m.CalcoloOk ? nonFiniti == 0 : nonFiniti == int(!radiceNegativa);
                        const Membro* in = Solutori[s].ingressi;
                        if (!coerente || m.*in[0] != a || m.*in[1] != b || m.*in[2] != c)
                            errori << QStringLiteral("%1(%2, %3, %4)")
                                          .arg(Solutori[s].nome)
                                          .arg(a)
                                          .arg(b)
                                          .arg(c);
                        m.Vuota();
                        for (Membro q : Grandezze)
                            if (m.*q != 0 || !m.CalcoloOk)
                                errori << QStringLiteral("Vuota");
                    }
        QCOMPARE(errori.mid(0, 5), QStringList());
    }
};

REGISTRA_COLLAUDO(TstVelantra);
#include "tst_Velantra.moc"
