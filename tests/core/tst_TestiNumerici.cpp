#include "Collaudo.h"
#include "TestiNumerici.h"

#include <QRandomGenerator>
#include <QTest>
#include <cfloat>
#include <cmath>

namespace {
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
        QTest::newRow("2.5") << 2.5 << 0 << 2.0;
        QTest::newRow("-2.5") << -2.5 << 0 << -2.0;
        QTest::newRow("cinque decimali") << 0.292893 << 5 << 0.29289;
        // Not ties in binary: the exact value decides.
        QTest::newRow("0.015 sotto") << 0.015 << 2 << 0.01;
        QTest::newRow("1.000005 sopra") << 1.000005 << 5 << 1.00001;
        QTest::newRow("infinito intatto") << qInf() << 5 << qInf();
    }
    void arrotonda() {
        QFETCH(double, valore);
        QFETCH(int, decimali);
        QFETCH(double, atteso);
        QCOMPARE(ArrotondaPari(valore, decimali), atteso);
    }

    void testi_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("generale"); // with a decimal comma
        QTest::addColumn<QString>("lista");    // the document's form; empty when refused
        QTest::newRow("mezzo") << 0.5 << "0,5"
                               << ".5";
        QTest::newRow("meno mezzo") << -0.5 << "-0,5"
                                    << "-.5";
        QTest::newRow("intero") << 2.0 << "2"
                                << "2";
        QTest::newRow("zero negativo") << -0.0 << "0"
                                       << "0";
        QTest::newRow("un terzo") << 1.0 / 3 << "0,333333333333333"
                                  << ".333333333333333";
        QTest::newRow("limite del fisso") << 0.0001 << "0,0001"
                                          << ".0001";
        QTest::newRow("esponente piccolo") << 0.00001 << "1E-05"
                                           << "1E-05";
        QTest::newRow("esponente grande") << 1.5e20 << "1,5E+20"
                                          << "1.5E+20";
        QTest::newRow("sedici cifre") << 1234567890123456.0 << "1,23456789012346E+15"
                                      << "1.23456789012346E+15";
        QTest::newRow("arrotonda a 1E+15") << 999999999999999.9 << "1E+15"
                                           << "1E+15";
        QTest::newRow("tre cifre di esponente") << 2.5e-300 << "2,5E-300"
                                                << "2.5E-300";
        // 15 rounded digits of the largest double would overflow on reading: they are cut instead.
        QTest::newRow("massimo") << DBL_MAX << "1,79769313486231E+308"
                                 << "1.79769313486231E+308";
        QTest::newRow("non definito") << qQNaN() << TestoNonDefinito << "";
        QTest::newRow("meno infinito") << -qInf() << TestoMenoInfinito << "";
    }
    void testi() {
        QFETCH(double, valore);
        QFETCH(QString, generale);
        QFETCH(QString, lista);
        QCOMPARE(Q(TestoNumero(valore, ',')), generale);
        QCOMPARE(Q(TestoNumero(valore, '.')), QString(generale).replace(QLatin1Char(','), QLatin1Char('.')));
        const auto scritto = TestoLista(valore);
        QCOMPARE(scritto ? Q(*scritto) : QString(), lista);
        if (scritto)
            QVERIFY(LeggiNumeroLista(*scritto) && LeggiNumero(TestoNumero(valore, ','), ','));
    }

    void singolo_data() {
        QTest::addColumn<float>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("passo") << 0.01f << "0,01";
        QTest::newRow("somma") << 0.1f + 0.2f << "0,3";
        QTest::newRow("un terzo") << 1.0f / 3 << "0,3333333";
        QTest::newRow("sette cifre") << 1234567.0f << "1234567";
        QTest::newRow("otto cifre") << 12345678.0f << "1,234568E+07";
    }
    void singolo() {
        QFETCH(float, valore);
        QFETCH(QString, atteso);
        QCOMPARE(Q(TestoNumeroSingolo(valore, ',')), atteso);
    }

    // Both readers: the document's (separator ".") and the user's (the regional separator).
    void lettura_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("separatore");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("valore");
        QTest::newRow("spazi intorno") << "  .5  "
                                       << "." << true << 0.5;
        QTest::newRow("esponente") << "-1E-05"
                                   << "." << true << -1e-5;
        QTest::newRow("segno piu") << "+2"
                                   << "." << true << 2.0;
        QTest::newRow("virgola") << " 1,25 "
                                 << "," << true << 1.25;
        QTest::newRow("senza intero") << ",5"
                                      << "," << true << 0.5;
        for (const char* s : {"", "   ", ".", "-", "1,5", "1.2.3", "abc", "1E+", "0x10", "inf", "nan",
                              "1e400", "1e-400", "1 2", "--1", "\t1"})
            QTest::newRow(qPrintable(QStringLiteral("rifiuta '%1'").arg(QLatin1String(s))))
                << QString::fromLatin1(s) << "." << false << 0.0;
        for (const char* s : {"1.25", ",", "1,,2", "1.000,5", "12a"})
            QTest::newRow(qPrintable(QStringLiteral("rifiuta '%1' con la virgola").arg(QLatin1String(s))))
                << QString::fromLatin1(s) << "," << false << 0.0;
    }
    void lettura() {
        QFETCH(QString, testo);
        QFETCH(QString, separatore);
        QFETCH(bool, valido);
        QFETCH(double, valore);
        const char s = separatore.at(0).toLatin1();
        const auto letto =
            s == '.' ? LeggiNumeroLista(testo.toStdString()) : LeggiNumero(testo.toStdString(), s);
        QCOMPARE(bool(letto), valido);
        if (valido)
            QCOMPARE(*letto, valore);
        if (s == '.') // the user's reader with a period behaves as the document's
            QCOMPARE(bool(LeggiNumero(testo.toStdString(), '.')), valido);
    }

    // What is shown or stored reads back to the same 15 significant digits.
    void andataERitorno() {
        QRandomGenerator caso(42);
        for (int i = 0; i < 20000; ++i) {
            const double valore = std::ldexp(caso.generateDouble() * 20 - 10, int(caso.bounded(-1100, 1000)));
            if (!std::isfinite(valore) || std::abs(valore) > DBL_MAX / 2)
                continue;
            const double quindici = QString::number(valore, 'g', 15).toDouble();
            QCOMPARE(*LeggiNumeroLista(*TestoLista(valore)), quindici);
            QCOMPARE(*LeggiNumero(TestoNumero(valore, ','), ','), quindici);
        }
    }
};

REGISTRA_COLLAUDO(TstTestiNumerici);
#include "tst_TestiNumerici.moc"
