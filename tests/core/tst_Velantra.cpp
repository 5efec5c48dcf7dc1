#include "Collaudo.h"
#include "Velantra.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

using Membro = double Velantra::*;
const Membro Grandezze[8] = {&Velantra::S1, &Velantra::S2,   &Velantra::Stot, &Velantra::T1,
                             &Velantra::T2, &Velantra::Ttot, &Velantra::Acc,  &Velantra::Vm};

// The eleven solvers with their three inputs.
const struct {
    const char* nome;
    void (Velantra::*risolvi)();
    Membro ingressi[3];
} Solutori[] = {
    {"VmT2St", &Velantra::VmT2St, {&Velantra::Vm, &Velantra::T2, &Velantra::Stot}},
    {"VmTtSt", &Velantra::VmTtSt, {&Velantra::Vm, &Velantra::Ttot, &Velantra::Stot}},
    {"VmTtT1", &Velantra::VmTtT1, {&Velantra::Vm, &Velantra::Ttot, &Velantra::T1}},
    {"VmTtA", &Velantra::VmTtA, {&Velantra::Vm, &Velantra::Ttot, &Velantra::Acc}},
    {"VmTtS1", &Velantra::VmTtS1, {&Velantra::Vm, &Velantra::Ttot, &Velantra::S1}},
    {"StVmT1", &Velantra::StVmT1, {&Velantra::Stot, &Velantra::Vm, &Velantra::T1}},
    {"StVmA", &Velantra::StVmA, {&Velantra::Stot, &Velantra::Vm, &Velantra::Acc}},
    {"StVmS1", &Velantra::StVmS1, {&Velantra::Stot, &Velantra::Vm, &Velantra::S1}},
    {"StTtT1", &Velantra::StTtT1, {&Velantra::Stot, &Velantra::Ttot, &Velantra::T1}},
    {"StTtA", &Velantra::StTtA, {&Velantra::Stot, &Velantra::Ttot, &Velantra::Acc}},
    {"StTtS1", &Velantra::StTtS1, {&Velantra::Stot, &Velantra::Ttot, &Velantra::S1}},
};

Velantra Profilo(double T1, double T2, double Acc) {
    Velantra m;
    m.T1 = T1, m.T2 = T2, m.Acc = Acc, m.Vm = Acc * T1;
    m.S1 = Acc * T1 * T1 / 2, m.S2 = m.Vm * T2, m.Stot = 2 * m.S1 + m.S2, m.Ttot = 2 * T1 + T2;
    return m;
}

// Solves from the profile's three inputs, every output first set to a marker; the solved record.
constexpr double Segno = 777;
Velantra Risolvi(int solutore, const Velantra& da) {
    Velantra m;
    for (Membro q : Grandezze)
        m.*q = Segno;
    for (Membro q : Solutori[solutore].ingressi)
        m.*q = da.*q;
    (m.*Solutori[solutore].risolvi)();
    return m;
}

} // namespace

class TstVelantra : public QObject {
    Q_OBJECT
private slots:
    // Every solver gives back the five other quantities of consistent profiles: the reference one
    // exactly, random ones to rounding.
    void profiliCoerenti() {
        QRandomGenerator caso(20261206);
        auto tra = [&caso] { return 0.01 + caso.generateDouble() * 10; };
        for (int prova = 0; prova < 500; ++prova) {
            const Velantra atteso = prova == 0 ? Profilo(1, 3, 0.5) : Profilo(tra(), tra(), tra());
            const double tolleranza = prova == 0 ? 1e-12 : 1e-7;
            for (int s = 0; s < 11; ++s) {
                const Velantra m = Risolvi(s, atteso);
                QVERIFY2(m.CalcoloOk, Solutori[s].nome);
                for (Membro q : Grandezze)
                    QVERIFY2(std::abs(m.*q - atteso.*q) <= tolleranza * std::max(1.0, std::abs(atteso.*q)),
                             Solutori[s].nome);
            }
        }
    }

    void radiceMinoreDiStTtA_data() {
        QTest::addColumn<double>("Acc");
        QTest::addColumn<QList<double>>("attesi"); // T1 T2 S2 Vm S1, to 5 decimals
        QTest::newRow("due radici") << 2.0 << QList<double>{0.29289, 1.41421, 0.82843, 0.58579, 0.08579};
        QTest::newRow("triangolo") << 1.0 << QList<double>{1, 0, 0, 1, 0.5}; // discriminant exactly 0
    }
    void radiceMinoreDiStTtA() {
        QFETCH(double, Acc);
        QFETCH(QList<double>, attesi);
        Velantra m;
        m.Stot = 1, m.Ttot = 2, m.Acc = Acc;
        m.StTtA();
        QVERIFY(m.CalcoloOk);
        const double ottenuti[] = {m.T1, m.T2, m.S2, m.Vm, m.S1};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(std::round(ottenuti[i] * 1e5) / 1e5, attesi[i]);
    }

    // Where a failing solve stops: earlier outputs new, the failing one as computed (nothing for a
    // negative square root), later ones untouched (Segno), inputs unchanged.
    void fallimenti_data() {
        QTest::addColumn<int>("solutore");
        QTest::addColumn<QList<double>>("ingressi");
        QTest::addColumn<QList<double>>("attesi"); // S1 S2 Stot T1 T2 Ttot Acc Vm
        const double inf = qInf(), S = Segno;
        QTest::newRow("StTtA discriminante appena < 0")
            << 9 << QList<double>{1.1, 2, 1} << QList<double>{S, S, 1.1, S, S, 2, 1, S};
        QTest::newRow("VmT2St Vm 0") << 0 << QList<double>{0, 3, 2}
                                     << QList<double>{1, 0, 2, inf, 3, S, S, 0};
        QTest::newRow("StTtT1 T1 = Ttot")
            << 8 << QList<double>{2, 5, 5} << QList<double>{inf, S, 2, 5, S, 5, S, S};
        QTest::newRow("StTtT1 T1 0") << 8 << QList<double>{2, 5, 0}
                                     << QList<double>{0, 2, 2, 0, 5, 5, inf, 0.4};
        QTest::newRow("VmTtSt Ttot*Vm = Stot")
            << 1 << QList<double>{0.5, 4, 2} << QList<double>{0, 2, 2, 0, 4, 4, inf, 0.5};
        QTest::newRow("VmTtT1 trabocco")
            << 2 << QList<double>{1e200, 1e200, 1} << QList<double>{5e199, inf, S, 1, S, 1e200, S, 1e200};
        QTest::newRow("VmTtS1 0/0") << 4 << QList<double>{0, 3, 0}
                                    << QList<double>{0, 0, 0, qQNaN(), S, 3, S, 0};
    }
    void fallimenti() {
        QFETCH(int, solutore);
        QFETCH(QList<double>, ingressi);
        QFETCH(QList<double>, attesi);
        Velantra dati;
        for (int i = 0; i < 3; ++i)
            dati.*Solutori[solutore].ingressi[i] = ingressi[i];
        Velantra m = Risolvi(solutore, dati);
        QVERIFY(!m.CalcoloOk);
        for (int q = 0; q < 8; ++q)
            QVERIFY2(m.*Grandezze[q] == attesi[q] || (std::isnan(attesi[q]) && std::isnan(m.*Grandezze[q])),
                     qPrintable(QString::number(q)));
        m.Vuota();
        QVERIFY(m.CalcoloOk);
        for (Membro q : Grandezze)
            QCOMPARE(m.*q, 0.0);
    }

    // Finite results without physical meaning are successes.
    void risultatiNegativiAccettati() {
        Velantra m;
        m.Vm = 1, m.T2 = 3, m.Stot = 2, m.CalcoloOk = false;
        m.VmT2St();
        QVERIFY(m.CalcoloOk && m.S1 < 0 && m.T1 < 0 && m.Acc < 0);
        m.Ttot = 1, m.Acc = 1;
        m.VmTtA();
        QVERIFY(m.CalcoloOk);
        QCOMPARE(m.T2, -1.0);
    }
};

REGISTRA_COLLAUDO(TstVelantra);
#include "tst_Velantra.moc"
