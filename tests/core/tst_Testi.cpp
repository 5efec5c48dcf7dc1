#include "Collaudo.h"
#include "Documento.h"
#include "TestiNumerici.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>
#include <cfloat>
#include <cmath>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

class TstTesti : public QObject {
    Q_OBJECT
private slots:
    // Half to even on the exact binary value: 0.015 lies below the tie, 1.000005 above it.
    void arrotonda() {
        const double casi[][3] = {{0.125, 2, 0.12},       {0.375, 2, 0.38},       {2.5, 0, 2},
                                  {-2.5, 0, -2},          {0.292893, 5, 0.29289}, {0.015, 2, 0.01},
                                  {1.000005, 5, 1.00001}, {qInf(), 5, qInf()}};
        for (const auto& [valore, decimali, atteso] : casi)
            QCOMPARE(ArrotondaPari(valore, int(decimali)), atteso);
    }

    // The general text (with a comma, and the same with a period) and the document's, empty when refused;
    // both read back.
    void testi_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("generale");
        QTest::addColumn<QString>("lista");
        const struct {
            double valore;
            const char *generale, *lista;
        } casi[] = {
            {0.5, "0,5", ".5"},
            {-0.5, "-0,5", "-.5"},
            {2.0, "2", "2"},
            {-0.0, "0", "0"},
            {1.0 / 3, "0,333333333333333", ".333333333333333"},
            {0.0001, "0,0001", ".0001"},
            {0.00001, "1E-05", "1E-05"},
            {1.5e20, "1,5E+20", "1.5E+20"},
            {1234567890123456.0, "1,23456789012346E+15", "1.23456789012346E+15"},
            {999999999999999.9, "1E+15", "1E+15"},
            {2.5e-300, "2,5E-300", "2.5E-300"},
            // 15 rounded digits of the largest double would overflow on reading: they are cut instead.
            {DBL_MAX, "1,79769313486231E+308", "1.79769313486231E+308"},
            {qQNaN(), TestoNonDefinito, ""},
            {-qInf(), TestoMenoInfinito, ""},
            {qInf(), TestoInfinito, ""},
        };
        for (const auto& c : casi)
            QTest::newRow(c.generale) << c.valore << c.generale << c.lista;
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

    void singolo() {
        const std::pair<float, const char*> casi[] = {{0.01f, "0,01"},
                                                      {0.1f + 0.2f, "0,3"},
                                                      {1.0f / 3, "0,3333333"},
                                                      {1234567.0f, "1234567"},
                                                      {12345678.0f, "1,234568E+07"}};
        for (const auto& [valore, atteso] : casi)
            QCOMPARE(Q(TestoNumeroSingolo(valore, ',')), QString::fromLatin1(atteso));
    }

    // Both readers: the document's (separator ".") and the user's (the regional separator).
    void lettura_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("separatore");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("valore");
        const std::tuple<const char*, const char*, double> validi[] = {{"  .5  ", ".", 0.5},
                                                                       {"-1E-05", ".", -1e-5},
                                                                       {"+2", ".", 2},
                                                                       {" 1,25 ", ",", 1.25},
                                                                       {",5", ",", 0.5}};
        for (const auto& [testo, separatore, valore] : validi)
            QTest::newRow(testo) << testo << separatore << true << valore;
        for (const char* s : {"", "   ", ".", "-", "1,5", "1.2.3", "abc", "1E+", "0x10", "inf", "nan",
                              "1e400", "1e-400", "1 2", "--1", "\t1"})
            QTest::addRow("rifiuta '%s'", s) << s << "." << false << 0.0;
        for (const char* s : {"1.25", ",", "1,,2", "1.000,5", "12a"})
            QTest::addRow("rifiuta '%s' con la virgola", s) << s << "," << false << 0.0;
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

    // The line written for a record, read back to the same 15 digits; nothing for a value that is not
    // finite. Values in the document's order: S1 S2 Stot T1 T2 Ttot Vm Acc.
    void scrittura_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("riga");
        QTest::newRow("vuoto") << -32768 << QList<double>{0, 0, 0, 0, 0, 0, 0, 0}
                               << "-32768,0,0,0,0,0,0,0,0\r\n";
        QTest::newRow("esempio") << 0 << QList<double>{.5, 1, 2, 1, 1, 3, 1, 1} << "0,.5,1,2,1,1,3,1,1\r\n";
        QTest::newRow("Vm prima di Acc")
            << 7 << QList<double>{0, 0, 0, 0, 0, 0, 0.5, 2} << "7,0,0,0,0,0,0,.5,2\r\n";
        QTest::newRow("forme") << 32767 << QList<double>{-0.5, 1e-5, 1.5e20, 1.0 / 3, 0, 0, 0, 0}
                               << "32767,-.5,1E-05,1.5E+20,.333333333333333,0,0,0,0\r\n";
        QTest::newRow("infinito") << 1 << QList<double>{0, 0, 0, 0, 0, 0, 0, qInf()} << "";
        QTest::newRow("non definito") << 1 << QList<double>{0, 0, 0, qQNaN(), 0, 0, 0, 0} << "";
    }
    void scrittura() {
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, riga);
        Velantra m;
        double Velantra::*ordine[] = {&Velantra::S1, &Velantra::S2,   &Velantra::Stot, &Velantra::T1,
                                      &Velantra::T2, &Velantra::Ttot, &Velantra::Vm,   &Velantra::Acc};
        for (int k = 0; k < 8; ++k)
            m.*ordine[k] = valori[k];
        const auto testo = ScriviDocumento(static_cast<int16_t>(sistema), m);
        QCOMPARE(testo ? QString::fromStdString(*testo) : QString(), riga);
        if (!testo)
            return;
        const EsitoLettura letto = LeggiDocumento(*testo);
        QVERIFY(letto.dati);
        QCOMPARE(letto.dati->Sistema, sistema);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(letto.dati->Moto.*ordine[k], QString::number(valori[k], 'g', 15).toDouble());
    }

    // Why a text is no document.
    void motivi() {
        const std::pair<const char*, const char*> casi[] = {
            {" \r\n ", "il file è vuoto"},
            {"0,1,2,3,4,5,6,7\r\n", "il file termina dopo 8 valori dei 9 previsti"},
            {"0,1,2,tre,4,5,6,7,8", "il valore n. 4 («tre») non è un numero"},
            {"0,1,1e-400,3,4,5,6,7,8",
             "il valore n. 3 («1e-400») è fuori dall'intervallo dei numeri ammessi"},
            {"0,1,,3,4,5,6,7,8", "manca il valore n. 3"},
            {"0,1,2,3,4,5,6,7,", "manca il valore n. 9"},
            {"0,1,2,3,4,5,6,7,8,9", "dopo i 9 valori previsti il file contiene altro"},
            {"1.5,1,2,3,4,5,6,7,8", "il primo valore («1.5») non è un numero di combinazione"},
            {"32768,1,2,3,4,5,6,7,8", "il primo valore («32768») non è un numero di combinazione"},
            {"-32769,1,2,3,4,5,6,7,8", "il primo valore («-32769») non è un numero di combinazione"},
            {"\x01\x7f,1", "il valore n. 1 («??») non è un numero"},
        };
        for (const auto& [testo, motivo] : casi)
            QCOMPARE(QString::fromStdString(LeggiDocumento(testo).motivo), QString::fromUtf8(motivo));
    }

    // The fuzzing corpus: ok_* files are documents, bad_* files are refused with a reason.
    void corpus() {
        const QDir cartella(QStringLiteral(VELANTRA_CORPUS));
        const QStringList file = cartella.entryList({QStringLiteral("*.vla")}, QDir::Files);
        QVERIFY(file.size() >= 10);
        for (const QString& nome : file) {
            QFile f(cartella.filePath(nome));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray contenuto = f.readAll();
            const EsitoLettura esito =
                LeggiDocumento(std::string_view(contenuto.constData(), contenuto.size()));
            QVERIFY2(bool(esito.dati) == nome.startsWith(QLatin1String("ok_")), qPrintable(nome));
            QVERIFY2(esito.dati || !esito.motivo.empty(), qPrintable(nome));
        }
    }
};

REGISTRA_COLLAUDO(TstTesti);
#include "tst_Testi.moc"
