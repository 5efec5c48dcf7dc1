#include "Collaudo.h"
#include "Documento.h"
#include "TestiNumerici.h"

#include <cfloat>
#include <cmath>

const auto Q = [](const std::string& s) { return QString::fromStdString(s); };

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

    // The general text (with a comma, and the same with a period) and the document's, none when refused;
    // both read back. 15 rounded digits of the largest double would overflow on reading: they are cut; a
    // little below, they still round.
    void testi() {
        const std::tuple<double, const char*, const char*> casi[] = {
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
            {DBL_MAX, "1,79769313486231E+308", "1.79769313486231E+308"},
            {1.7812345678901259e308, "1,78123456789013E+308", "1.78123456789013E+308"},
            {qQNaN(), TestoNonDefinito, ""},
            {-qInf(), TestoMenoInfinito, ""},
            {qInf(), TestoInfinito, ""}};
        for (const auto& [valore, generale, lista] : casi) {
            QCOMPARE(Q(TestoNumero(valore, ',')), QString(generale));
            QCOMPARE(Q(TestoNumero(valore, '.')), QString(generale).replace(',', '.'));
            const auto scritto = TestoLista(valore);
            QCOMPARE(scritto ? Q(*scritto) : QString(), QString(lista));
            if (scritto)
                QVERIFY(LeggiNumeroLista(*scritto) && LeggiNumero(TestoNumero(valore, ','), ','));
        }
    }

    // Message numbers: 6 digits (15 at most) toward the side asked, carrying into the next power of ten;
    // the text reads back on that side of the value (random values); the exact text as the very double,
    // the shown and the stored ones to their 15 digits.
    void cifre() {
        using A = Arrotondamento;
        const std::tuple<double, int, A, const char*> casi[] = {
            {-1.0 / 22, 6, A::Vicino, "-0,0454545"},     {-1.0 / 22, 6, A::PerDifetto, "-0,0454546"},
            {-1.0 / 22, 6, A::PerEccesso, "-0,0454545"}, {2.0 / 3, 6, A::PerDifetto, "0,666666"},
            {-2.0 / 3, 6, A::VersoZero, "-0,666666"},    {0.1, 6, A::PerDifetto, "0,1"},
            {999999.5, 6, A::PerEccesso, "1000000"},     {9.9999991e-4, 6, A::PerEccesso, "0,001"},
            {1.0000001, 6, A::PerDifetto, "1"},          {1.0000001, 6, A::PerEccesso, "1,00001"},
            {0.999999999, 6, A::PerDifetto, "0,999999"}, {2.0 / 3, 17, A::Vicino, "0,666666666666667"},
            {1.5e20, 6, A::Vicino, "1,5E+20"},           {DBL_MIN, 2, A::Vicino, "2,2E-308"},
            {DBL_MAX, 2, A::Vicino, "1,8E+308"},
        };
        for (const auto& [valore, n, verso, atteso] : casi)
            QCOMPARE(Q(TestoCifre(valore, n, ',', verso)), QString(atteso));
        QRandomGenerator caso(7);
        for (int i = 0; i < 20000; ++i) {
            const double valore = std::ldexp(caso.generateDouble() * 2 - 1, int(caso.bounded(-1070, 1020)));
            const double sotto = *LeggiNumero(TestoCifre(valore, 6, ',', A::PerDifetto), ',');
            const double sopra = *LeggiNumero(TestoCifre(valore, 6, ',', A::PerEccesso), ',');
            QVERIFY(sotto <= valore && valore <= sopra && sopra - sotto <= 1.01e-5 * std::abs(valore));
            QVERIFY(*LeggiNumero(TestoEsatto(valore, ','), ',') == valore);
            const double quindici = QString::number(valore, 'g', 15).toDouble(); // what is shown or stored
            QCOMPARE(*LeggiNumeroLista(*TestoLista(valore)), quindici);
            QCOMPARE(*LeggiNumero(TestoNumero(valore, ','), ','), quindici);
        }
        QCOMPARE(Q(TestoEsatto(0.1 + 0.2, ',')), "0,30000000000000004");
        const std::tuple<long double, A, double> doppi[] = {
            // 0x1p-56: a unit of the last place of 0.1
            {1e-400L, A::PerDifetto, 0},         {1e-400L, A::PerEccesso, DBL_TRUE_MIN},
            {1e400L, A::PerDifetto, DBL_MAX},    {1e400L, A::PerEccesso, qInf()},
            {-1e400L, A::VersoZero, -DBL_MAX},   {0.1L, A::PerEccesso, 0.1},
            {0.1L, A::VersoZero, 0.1 - 0x1p-56}, {-0.1L, A::VersoZero, 0x1p-56 - 0.1}};
        for (const auto& [lungo, verso, atteso] : doppi)
            QVERIFY(InDouble(lungo, verso) == atteso); // exactly: QCOMPARE allows for rounding
    }

    // Both readers: the document's (separator ".") and the user's (the regional separator); the user's
    // with a period behaves as the document's.
    void lettura() {
        for (const auto& [testo, valore] : {std::pair{"  .5  ", 0.5}, {"-1E-05", -1e-5}, {"+2", 2.0}})
            QVERIFY2(LeggiNumeroLista(testo) == valore && LeggiNumero(testo, '.') == valore, testo);
        for (const auto& [testo, valore] : {std::pair{" 1,25 ", 1.25}, {",5", 0.5}})
            QVERIFY2(LeggiNumero(testo, ',') == valore, testo);
        for (const char* s : {"", "   ", ".", "-", "1,5", "1.2.3", "abc", "1E+", "0x10", "inf", "nan",
                              "1e400", "1e-400", "1 2", "--1", "\t1"})
            QVERIFY2(!LeggiNumeroLista(s) && !LeggiNumero(s, '.'), s);
        for (const char* s : {"1.25", ",", "1,,2", "1.000,5", "12a"})
            QVERIFY2(!LeggiNumero(s, ','), s);
    }

    // The line written for a record (Vm before Acc), read back to the same 15 digits; none for a value
    // that is not finite.
    void scrittura() {
        using V = Velantra;
        const std::tuple<int16_t, Velantra, const char*> casi[] = {
            {-32768, {}, "-32768,0,0,0,0,0,0,0,0\r\n"},
            {0,
             {.S1 = .5, .S2 = 1, .Stot = 2, .T1 = 1, .T2 = 1, .Ttot = 3, .Acc = 1, .Vm = 1},
             "0,.5,1,2,1,1,3,1,1\r\n"},
            {7, {.Acc = 2, .Vm = 0.5}, "7,0,0,0,0,0,0,.5,2\r\n"},
            {32767,
             {.S1 = -0.5, .S2 = 1e-5, .Stot = 1.5e20, .T1 = 1.0 / 3},
             "32767,-.5,1E-05,1.5E+20,.333333333333333,0,0,0,0\r\n"},
            {1, {.Acc = qInf()}, ""},
            {1, {.T1 = qQNaN()}, ""}};
        for (const auto& [sistema, moto, riga] : casi) {
            const auto testo = ScriviDocumento(sistema, moto);
            QCOMPARE(Q(testo.value_or("")), QString(riga));
            if (!testo)
                continue;
            const EsitoLettura letto = LeggiDocumento(*testo);
            QCOMPARE(letto.dati->Sistema, sistema);
            for (const auto m : {&V::S1, &V::S2, &V::Stot, &V::T1, &V::T2, &V::Ttot, &V::Acc, &V::Vm})
                QCOMPARE(letto.dati->Moto.*m, QString::number(moto.*m, 'g', 15).toDouble());
        }
    }

    // Why a text is no document.
    void motivi() {
        const std::pair<const char*, const char*> casi[] = {
            {" \r\n ", "il file è vuoto"},
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
            {"0,1,2,3,4,5,6,7\r\nmassa=1", "il file termina dopo 8 valori dei 9 previsti"}};
        for (const auto& [testo, motivo] : casi)
            QCOMPARE(QString::fromStdString(LeggiDocumento(testo).motivo), QString::fromUtf8(motivo));
    }
};

REGISTRA_COLLAUDO(TstTesti);
#include "tst_Testi.moc"
