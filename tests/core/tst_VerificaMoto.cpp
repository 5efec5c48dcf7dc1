#include "Collaudo.h"
#include "VerificaMoto.h"

#include <QTest>
#include <cmath>

namespace {
using V = Velantra;
const std::pair<QString, MembroMoto> Nomi[] = {{"S1", &V::S1}, {"S2", &V::S2}, {"Stot", &V::Stot},
                                               {"T1", &V::T1}, {"T2", &V::T2}, {"Ttot", &V::Ttot},
                                               {"A", &V::Acc}, {"Vm", &V::Vm}};
// The solvers in the order of the combinations on the data-entry picture.
const Risolutore Sistemi[] = {&V::StTtS1, &V::StTtA, &V::StTtT1, &V::StVmS1, &V::StVmA, &V::StVmT1,
                              &V::VmTtS1, &V::VmTtA, &V::VmTtT1, &V::VmTtSt, &V::VmT2St};

QString Nome(MembroMoto m) {
    return std::find_if(std::begin(Nomi), std::end(Nomi), [m](const auto& n) { return n.second == m; })
        ->first;
}
} // namespace

class TstVerificaMoto : public QObject {
    Q_OBJECT
private slots:
    // What the solved record breaks, and the range of the last input given the first two (or the first
    // two that rule out every motion). Each range is then checked by solving at its ends, just inside
    // and just outside them.
    void casi_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("dati");
        QTest::addColumn<QString>("violazioni");
        QTest::addColumn<QString>("intervallo");
        const auto riga = [](const char* nome, int s, const char* dati, const char* violazioni,
                             const char* intervallo) {
            QTest::newRow(nome) << s << dati << violazioni << intervallo;
        };
        riga("Stot-Ttot-S1", 0, "Stot=2 Ttot=5 S1=1.5", "S2 -, T2 -", "S1 (0, 1]");
        riga("Stot-Ttot-A", 1, "Stot=2 Ttot=2 A=1", "T1 nan", "A [2, inf)");
        riga("Stot-Ttot-T1", 2, "Stot=2 Ttot=5 T1=0", "A inf", "T1 (0, 2.5]");
        riga("Stot-Vm-S1", 3, "Stot=2 Vm=0.5 S1=-1", "S1 -, T1 -, A -", "S1 (0, 1]");
        riga("Stot-Vm-A", 4, "Stot=2 Vm=0.5 A=0.1", "S2 -, T2 -", "A [0.125, inf)");
        riga("Stot-Vm-T1", 5, "Stot=10 Vm=1 T1=20", "S2 -, T2 -", "T1 (0, 10]");
        riga("Vm-Ttot-S1", 6, "Vm=0.5 Ttot=5 S1=0", "A inf", "S1 (0, 0.625]");
        riga("Vm-Ttot-A", 7, "Vm=1 Ttot=4 A=0.5", "", "A [0.5, inf)");
        riga("Vm-Ttot-T1", 8, "Vm=0.5 Ttot=5 T1=3", "S2 -, T2 -", "T1 (0, 2.5]");
        riga("Vm-Ttot-Stot", 9, "Vm=1 Ttot=4 Stot=4", "A inf", "Stot [2, 4)");
        riga("Vm-T2-Stot", 10, "Vm=0.5 T2=3 Stot=1", "S1 -, T1 -, A -", "Stot (1.5, inf)");
        riga("T2 zero", 10, "Vm=0.5 T2=0 Stot=1", "", "Stot (0, inf)");
        riga("Ttot negativo", 1, "Stot=2 Ttot=-1 A=8", "T1 -, Ttot -, Vm -", "Ttot (0, inf)");
        riga("fermo", 2, "Stot=0 Ttot=5 T1=1", "Stot 0", "Stot (0, inf)");
        riga("Vm zero, T2 negativo", 10, "Vm=0 T2=-1 Stot=1", "T1 inf", "Vm (0, inf) T2 [0, inf)");
        riga("oltre i double", 1, "Stot=1e300 Ttot=1e-10 A=1", "T1 nan", "");
    }
    void casi() {
        QFETCH(int, sistema);
        QFETCH(QString, dati);
        QFETCH(QString, violazioni);
        QFETCH(QString, intervallo);
        Velantra m;
        for (const QString& voce : dati.split(' '))
            for (const auto& [nome, membro] : Nomi)
                if (voce.section('=', 0, 0) == nome)
                    m.*membro = voce.section('=', 1).toDouble();
        const Risolutore r = Sistemi[sistema];
        QStringList testi;
        for (const Violazione& v : VerificaSoluzione(r, m))
            testi << Nome(v.Grandezza) + ' ' + QStringList{"nan", "inf", "-", "0"}[int(v.Tipo)];
        QCOMPARE(testi.join(", "), violazioni);

        const Ammissibili ammessi = IntervalloAmmesso(r, m);
        QStringList intervalli;
        for (const Intervallo& i : ammessi.Ultimo ? std::vector{*ammessi.Ultimo} : ammessi.Dati)
            intervalli << QStringLiteral("%1 %2%3, %4%5")
                              .arg(Nome(i.Grandezza), i.MinimoIncluso ? "[" : "(", QString::number(i.Minimo),
                                   QString::number(i.Massimo), i.MassimoIncluso ? "]" : ")");
        QCOMPARE(intervalli.join(' '), intervallo);
        if (!ammessi.Ultimo)
            return;
        const Intervallo& i = *ammessi.Ultimo;
        const auto possibile = [&](double x) {
            m.*i.Grandezza = x;
            return VerificaSoluzione(r, m).empty();
        };
        // Each end, then a billionth inside and outside it.
        for (const auto& [estremo, incluso, fuori] :
             {std::tuple{i.Minimo, i.MinimoIncluso, -1.0}, std::tuple{i.Massimo, i.MassimoIncluso, 1.0}}) {
            const auto accanto = [&](double verso) {
                return estremo == 0 ? verso * 1e-9 : estremo * (1 + verso * 1e-9);
            };
            if (std::isinf(estremo)) {
                QVERIFY(possibile(std::max(1.0, i.Minimo) * 1e6));
                continue;
            }
            QCOMPARE(possibile(estremo), incluso);
            QVERIFY(possibile(accanto(-fuori)));
            QVERIFY(!possibile(accanto(fuori)));
        }
        QVERIFY(VerificaMoto(Velantra()).empty()); // nothing entered yet is no fault
    }
};

REGISTRA_COLLAUDO(TstVerificaMoto);
#include "tst_VerificaMoto.moc"
