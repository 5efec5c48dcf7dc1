#include "Collaudo.h"
#include "Velantra.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

using Solutore = void (Velantra::*)();
using Membro = double Velantra::*;

struct Caso {
    const char* nome;
    Solutore solutore;
    Membro ingressi[3];
};

// The eleven solvers and their three inputs.
const Caso Solutori[] = {
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

const Membro Quantita[8] = {&Velantra::S1, &Velantra::S2,   &Velantra::Stot, &Velantra::T1,
                            &Velantra::T2, &Velantra::Ttot, &Velantra::Acc,  &Velantra::Vm};
const char* const NomiQuantita[8] = {"S1", "S2", "Stot", "T1", "T2", "Ttot", "Acc", "Vm"};

Velantra Profilo(double T1, double T2, double Acc) {
    Velantra m;
    m.T1 = T1;
    m.T2 = T2;
    m.Acc = Acc;
    m.Vm = Acc * T1;
    m.S1 = Acc * T1 * T1 / 2;
    m.S2 = m.Vm * T2;
    m.Stot = 2 * m.S1 + m.S2;
    m.Ttot = 2 * T1 + T2;
    return m;
}

double Tra(QRandomGenerator& caso, double da, double a) {
    return da + caso.generateDouble() * (a - da);
}

// A record whose outputs hold a marker, so that a test sees which ones a solve wrote.
constexpr double Segno = 777.0;
Velantra ConSegni() {
    Velantra m;
    for (Membro q : Quantita)
        m.*q = Segno;
    return m;
}

} // namespace

class TstVelantra : public QObject {
    Q_OBJECT
private slots:
    void nuovoRecord() {
        const Velantra m;
        for (Membro q : Quantita)
            QCOMPARE(m.*q, 0.0);
        QVERIFY(m.CalcoloOk);
    }

    void profiloDiRiferimento_data() {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < 11; ++i)
            QTest::newRow(Solutori[i].nome) << i;
    }
    // Every solver reproduces the other five quantities of the reference profile.
    void profiloDiRiferimento() {
        QFETCH(int, indice);
        const Caso& caso = Solutori[indice];
        const Velantra atteso = Profilo(1, 3, 0.5);
        QCOMPARE(atteso.Stot, 2.0);
        Velantra m = ConSegni();
        m.CalcoloOk = false;
        for (Membro q : caso.ingressi)
            m.*q = atteso.*q;
        (m.*caso.solutore)();
        QVERIFY(m.CalcoloOk);
        for (int q = 0; q < 8; ++q)
            QVERIFY2(std::abs(m.*Quantita[q] - atteso.*Quantita[q]) < 1e-12, NomiQuantita[q]);
    }

    // Random consistent profiles survive every solver.
    void profiliCasuali() {
        QRandomGenerator caso(20261206);
        for (int prova = 0; prova < 2000; ++prova) {
            const Velantra atteso = Profilo(Tra(caso, 0.01, 10), Tra(caso, 0.01, 10), Tra(caso, 0.01, 10));
            for (const Caso& s : Solutori) {
                Velantra m = ConSegni();
                for (Membro q : s.ingressi)
                    m.*q = atteso.*q;
                (m.*s.solutore)();
                QVERIFY(m.CalcoloOk);
                for (int q = 0; q < 8; ++q) {
                    const double scarto = std::abs(m.*Quantita[q] - atteso.*Quantita[q]);
                    if (scarto > 1e-7 * std::max(1.0, std::abs(atteso.*Quantita[q])))
                        QFAIL(qPrintable(QStringLiteral("%1: %2 = %3 invece di %4")
                                             .arg(QLatin1String(s.nome), QLatin1String(NomiQuantita[q]))
                                             .arg(m.*Quantita[q], 0, 'g', 17)
                                             .arg(atteso.*Quantita[q], 0, 'g', 17)));
                }
            }
        }
    }

    void quadraticaDiStTtA() {
        Velantra m;
        m.Stot = 1;
        m.Ttot = 2;
        m.Acc = 2;
        m.StTtA();
        QVERIFY(m.CalcoloOk);
        QCOMPARE(std::round(m.T1 * 1e5) / 1e5, 0.29289);
        QCOMPARE(std::round(m.T2 * 1e5) / 1e5, 1.41421);
        QCOMPARE(std::round(m.S2 * 1e5) / 1e5, 0.82843);
        QCOMPARE(std::round(m.Vm * 1e5) / 1e5, 0.58579);
        QCOMPARE(std::round(m.S1 * 1e5) / 1e5, 0.08579);

        // Discriminant exactly zero: the triangular profile.
        m.Acc = 1;
        m.StTtA();
        QVERIFY(m.CalcoloOk);
        QCOMPARE(m.T1, 1.0);
        QCOMPARE(m.T2, 0.0);
        QCOMPARE(m.Vm, 1.0);
        QCOMPARE(m.S1, 0.5);
        QCOMPARE(m.S2, 0.0);
    }

    // Where a failing solve stops: outputs before the failing step hold their new values, the failing
    // one what the step produced, the later ones their old values; inputs never change.
    void fallimenti_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QList<double>>("ingressi");
        QTest::addColumn<QList<double>>("attesi"); // S1 S2 Stot T1 T2 Ttot Acc Vm; Segno = untouched
        const double inf = std::numeric_limits<double>::infinity();
        const double S = Segno;
        QTest::newRow("StTtA discriminante negativo")
            << 9 << QList<double>{2, 2, 1} << QList<double>{S, S, 2, S, S, 2, 1, S};
        QTest::newRow("VmT2St Vm zero")
            << 0 << QList<double>{0, 3, 2} << QList<double>{1, 0, 2, inf, 3, S, S, 0};
        QTest::newRow("StTtT1 T1 uguale a Ttot")
            << 8 << QList<double>{2, 5, 5} << QList<double>{inf, S, 2, 5, S, 5, S, S};
        QTest::newRow("StTtT1 T1 zero")
            << 8 << QList<double>{2, 5, 0} << QList<double>{0, 2, 2, 0, 5, 5, inf, 0.4};
        QTest::newRow("VmTtSt Ttot per Vm uguale a Stot")
            << 1 << QList<double>{0.5, 4, 2} << QList<double>{0, 2, 2, 0, 4, 4, inf, 0.5};
        QTest::newRow("VmTtT1 trabocco")
            << 2 << QList<double>{1e200, 1e200, 1} << QList<double>{5e199, inf, S, 1, S, 1e200, S, 1e200};
        QTest::newRow("VmTtS1 zero su zero")
            << 4 << QList<double>{0, 3, 0} << QList<double>{0, 0, 0, qQNaN(), S, 3, S, 0};
    }
    void fallimenti() {
        QFETCH(int, indice);
        QFETCH(QList<double>, ingressi);
        QFETCH(QList<double>, attesi);
        const Caso& caso = Solutori[indice];
        Velantra m = ConSegni();
        for (int i = 0; i < 3; ++i)
            m.*caso.ingressi[i] = ingressi[i];
        (m.*caso.solutore)();
        QVERIFY(!m.CalcoloOk);
        for (int q = 0; q < 8; ++q) {
            const double v = m.*Quantita[q];
            if (std::isnan(attesi[q]))
                QVERIFY2(std::isnan(v), NomiQuantita[q]);
            else
                QVERIFY2(v == attesi[q],
                         qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(NomiQuantita[q])).arg(v)));
        }

        // A cleared record is new again.
        m.Vuota();
        QVERIFY(m.CalcoloOk);
        for (Membro q : Quantita)
            QCOMPARE(m.*q, 0.0);
    }

    // Finite results without physical meaning are not failures.
    void risultatiNegativiAccettati() {
        Velantra m;
        m.Vm = 1;
        m.T2 = 3;
        m.Stot = 2;
        m.VmT2St();
        QVERIFY(m.CalcoloOk);
        QVERIFY(m.S1 < 0 && m.T1 < 0 && m.Acc < 0);

        Velantra n;
        n.Vm = 1;
        n.Ttot = 1;
        n.Acc = 1;
        n.VmTtA();
        QVERIFY(n.CalcoloOk);
        QCOMPARE(n.T2, -1.0);
    }

    // A failed solve followed by a good one reports success again.
    void successoDopoFallimento() {
        Velantra m;
        m.Stot = 2;
        m.Ttot = 2;
        m.Acc = 1;
        m.StTtA();
        QVERIFY(!m.CalcoloOk);
        m.Stot = 1;
        m.StTtA();
        QVERIFY(m.CalcoloOk);
    }
};

REGISTRA_COLLAUDO(TstVelantra);
#include "tst_Velantra.moc"
