#include "Collaudo.h"
#include "TestiNumerici.h"

#include <QRandomGenerator>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {
const double Inf = std::numeric_limits<double>::infinity();
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

class TstTestiNumerici : public QObject {
    Q_OBJECT
private slots:
    void arrotonda_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<int>("decimali");
        QTest::addColumn<double>("atteso");
        QTest::newRow("pari in basso") << 0.125 << 2 << 0.12;
        QTest::newRow("pari in alto") << 0.375 << 2 << 0.38;
        QTest::newRow("2.5 a intero") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5 a intero") << 3.5 << 0 << 4.0;
        QTest::newRow("-2.5 a intero") << -2.5 << 0 << -2.0;
        QTest::newRow("cinque decimali") << 0.292893 << 5 << 0.29289;
        QTest::newRow("quasi 2") << 2.000004 << 5 << 2.0;
        QTest::newRow("quasi zero") << 0.000004 << 5 << 0.0;
        // Not exact ties in binary: the exact value decides.
        QTest::newRow("0.015 sta sotto") << 0.015 << 2 << 0.01;
        QTest::newRow("2.675 sta sotto") << 2.675 << 2 << 2.67;
        QTest::newRow("1.000005 sta sopra") << 1.000005 << 5 << 1.00001;
        QTest::newRow("0.000005 sta sopra") << 0.000005 << 5 << 0.00001;
        QTest::newRow("un terzo") << 1.0 / 3 << 5 << 0.33333;
        QTest::newRow("grande") << 1e300 << 5 << 1e300;
    }
    void arrotonda() {
        QFETCH(double, valore);
        QFETCH(int, decimali);
        QFETCH(double, atteso);
        QCOMPARE(ArrotondaPari(valore, decimali), atteso);
    }

    void nonFinitiIntatti() {
        QVERIFY(std::isnan(ArrotondaPari(qQNaN(), 5)));
        QCOMPARE(ArrotondaPari(-Inf, 5), -Inf);
    }

    void testoNumero_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("virgola");
        QTest::addColumn<QString>("punto");
        QTest::newRow("mezzo") << 0.5 << "0,5"
                               << "0.5";
        QTest::newRow("meno mezzo") << -0.5 << "-0,5"
                                    << "-0.5";
        QTest::newRow("intero") << 2.0 << "2"
                                << "2";
        QTest::newRow("cento") << 100.0 << "100"
                               << "100";
        QTest::newRow("zero negativo") << -0.0 << "0"
                                       << "0";
        QTest::newRow("un terzo") << 1.0 / 3 << "0,333333333333333"
                                  << "0.333333333333333";
        QTest::newRow("limite basso fisso") << 0.0001 << "0,0001"
                                            << "0.0001";
        QTest::newRow("esponente piccolo") << 0.00001 << "1E-05"
                                           << "1E-05";
        QTest::newRow("esponente grande") << 1.5e20 << "1,5E+20"
                                          << "1.5E+20";
        QTest::newRow("sedici cifre") << 1234567890123456.0 << "1,23456789012346E+15"
                                      << "1.23456789012346E+15";
        QTest::newRow("quindici nove") << 999999999999999.0 << "999999999999999"
                                       << "999999999999999";
        QTest::newRow("arrotonda a 1E+15") << 999999999999999.9 << "1E+15"
                                           << "1E+15";
        QTest::newRow("tre cifre di esponente") << 2.5e-300 << "2,5E-300"
                                                << "2.5E-300";
        QTest::newRow("cifre interne") << 123456.25 << "123456,25"
                                       << "123456.25";
        QTest::newRow("non definito") << qQNaN() << TestoNonDefinito << TestoNonDefinito;
        QTest::newRow("infinito") << Inf << TestoInfinito << TestoInfinito;
        QTest::newRow("meno infinito") << -Inf << TestoMenoInfinito << TestoMenoInfinito;
    }
    void testoNumero() {
        QFETCH(double, valore);
        QFETCH(QString, virgola);
        QFETCH(QString, punto);
        QCOMPARE(Q(TestoNumero(valore, ',')), virgola);
        QCOMPARE(Q(TestoNumero(valore, '.')), punto);
    }

    void testoSingolo_data() {
        QTest::addColumn<float>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("passo") << 0.01f << "0,01";
        QTest::newRow("1.3") << 1.3f << "1,3";
        QTest::newRow("3.95") << 3.95f << "3,95";
        QTest::newRow("somma") << 0.1f + 0.2f << "0,3";
        QTest::newRow("un terzo") << 1.0f / 3 << "0,3333333";
        QTest::newRow("sette cifre") << 1234567.0f << "1234567";
        QTest::newRow("otto cifre") << 12345678.0f << "1,234568E+07";
        QTest::newRow("piccolo") << 0.00001f << "1E-05";
        QTest::newRow("negativo") << -0.065f << "-0,065";
    }
    void testoSingolo() {
        QFETCH(float, valore);
        QFETCH(QString, atteso);
        QCOMPARE(Q(TestoNumeroSingolo(valore, ',')), atteso);
    }

    void lista_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("zero negativo") << -0.0 << "0";
        QTest::newRow("mezzo") << 0.5 << ".5";
        QTest::newRow("meno mezzo") << -0.5 << "-.5";
        QTest::newRow("intero") << 2.0 << "2";
        QTest::newRow("decimali") << 123.25 << "123.25";
        QTest::newRow("un terzo") << 1.0 / 3 << ".333333333333333";
        QTest::newRow("esponente") << 0.00001 << "1E-05";
        QTest::newRow("esponente grande") << -1.5e20 << "-1.5E+20";
        // 15 rounded digits of the largest double would overflow; they are cut instead.
        QTest::newRow("massimo") << DBL_MAX << "1.79769313486231E+308";
        QTest::newRow("minimo subnormale") << 4.9406564584124654e-324 << "4.94065645841247E-324";
    }
    void lista() {
        QFETCH(double, valore);
        QFETCH(QString, atteso);
        const auto testo = TestoLista(valore);
        QVERIFY(testo);
        QCOMPARE(Q(*testo), atteso);
        const auto riletto = LeggiNumeroLista(*testo);
        QVERIFY(riletto);
        QVERIFY(std::abs(*riletto - valore) <= std::abs(valore) * 1e-14);
    }

    void listaNonScriveNonFiniti() {
        QVERIFY(!TestoLista(qQNaN()));
        QVERIFY(!TestoLista(Inf));
        QVERIFY(!TestoLista(-Inf));
    }

    void letturaLista_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("valore");
        QTest::newRow("spazi intorno") << "  .5  " << true << 0.5;
        QTest::newRow("meno punto") << "-.5" << true << -0.5;
        QTest::newRow("zero iniziale") << "0.25" << true << 0.25;
        QTest::newRow("esponente") << "1E-05" << true << 1e-5;
        QTest::newRow("esponente minuscolo") << "1.5e+20" << true << 1.5e20;
        QTest::newRow("segno piu") << "+2" << true << 2.0;
        QTest::newRow("vuoto") << "" << false << 0.0;
        QTest::newRow("solo spazi") << "   " << false << 0.0;
        QTest::newRow("solo punto") << "." << false << 0.0;
        QTest::newRow("solo segno") << "-" << false << 0.0;
        QTest::newRow("virgola decimale") << "1,5" << false << 0.0;
        QTest::newRow("due punti") << "1.2.3" << false << 0.0;
        QTest::newRow("parola") << "abc" << false << 0.0;
        QTest::newRow("esponente monco") << "1E+" << false << 0.0;
        QTest::newRow("esadecimale") << "0x10" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("oltre il massimo") << "1e400" << false << 0.0;
        QTest::newRow("sotto il minimo") << "1e-400" << false << 0.0;
        QTest::newRow("due numeri") << "1 2" << false << 0.0;
        QTest::newRow("doppio segno") << "--1" << false << 0.0;
        QTest::newRow("tabulazione") << "\t1" << false << 0.0;
    }
    void letturaLista() {
        QFETCH(QString, testo);
        QFETCH(bool, valido);
        QFETCH(double, valore);
        const auto letto = LeggiNumeroLista(testo.toStdString());
        QCOMPARE(bool(letto), valido);
        if (valido)
            QCOMPARE(*letto, valore);
    }

    void letturaRegionale_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("separatore");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("valore");
        QTest::newRow("virgola") << "1,25"
                                 << "," << true << 1.25;
        QTest::newRow("negativo con spazi") << " -3 "
                                            << "," << true << -3.0;
        QTest::newRow("senza intero") << ",5"
                                      << "," << true << 0.5;
        QTest::newRow("esponente") << "1,5E+20"
                                   << "," << true << 1.5e20;
        QTest::newRow("punto sotto virgola") << "1.25"
                                             << "," << false << 0.0;
        QTest::newRow("virgola sola") << ","
                                      << "," << false << 0.0;
        QTest::newRow("due virgole") << "1,,2"
                                     << "," << false << 0.0;
        QTest::newRow("spazio solo") << " "
                                     << "," << false << 0.0;
        QTest::newRow("lettere in coda") << "12a"
                                         << "," << false << 0.0;
        QTest::newRow("migliaia") << "1.000,5"
                                  << "," << false << 0.0;
        QTest::newRow("punto") << "1.25"
                               << "." << true << 1.25;
        QTest::newRow("virgola sotto punto") << "1,25"
                                             << "." << false << 0.0;
    }
    void letturaRegionale() {
        QFETCH(QString, testo);
        QFETCH(QString, separatore);
        QFETCH(bool, valido);
        QFETCH(double, valore);
        const auto letto = LeggiNumero(testo.toStdString(), separatore.at(0).toLatin1());
        QCOMPARE(bool(letto), valido);
        if (valido)
            QCOMPARE(*letto, valore);
    }

    // What is shown can be read back, and what is stored can be read back, to 15 digits.
    void andataERitorno() {
        QRandomGenerator caso(42);
        for (int i = 0; i < 20000; ++i) {
            const double mantissa = caso.generateDouble() * 20 - 10;
            const double valore = std::ldexp(mantissa, int(caso.bounded(-1100, 1000)));
            if (!std::isfinite(valore))
                continue;
            const double quindici = QString::number(valore, 'g', 15).toDouble();
            const auto lista = TestoLista(valore);
            QVERIFY(lista);
            const auto daLista = LeggiNumeroLista(*lista);
            QVERIFY2(daLista, lista->c_str());
            if (std::abs(valore) < DBL_MAX / 2)
                QCOMPARE(*daLista, quindici);
            const auto daTesto = LeggiNumero(TestoNumero(valore, ','), ',');
            QVERIFY(daTesto);
            QCOMPARE(*daTesto, *daLista);
        }
    }
};

REGISTRA_COLLAUDO(TstTestiNumerici);
#include "tst_TestiNumerici.moc"
