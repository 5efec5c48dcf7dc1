#include "Collaudo.h"
#include "Documento.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <limits>

namespace {
Velantra Record(std::array<double, 8> v) { // S1 S2 Stot T1 T2 Ttot Vm Acc, the document's order
    Velantra m;
    m.S1 = v[0], m.S2 = v[1], m.Stot = v[2], m.T1 = v[3], m.T2 = v[4], m.Ttot = v[5], m.Vm = v[6],
    m.Acc = v[7];
    return m;
}
} // namespace

class TstDocumento : public QObject {
    Q_OBJECT
private slots:
    void scrittura_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("riga");
        QTest::newRow("record vuoto")
            << -1 << QList<double>{0, 0, 0, 0, 0, 0, 0, 0} << "-1,0,0,0,0,0,0,0,0\r\n";
        QTest::newRow("esempio") << 0 << QList<double>{.5, 1, 2, 1, 1, 3, 1, 1} << "0,.5,1,2,1,1,3,1,1\r\n";
        QTest::newRow("Vm prima di Acc")
            << 7 << QList<double>{0, 0, 0, 0, 0, 0, 0.5, 2} << "7,0,0,0,0,0,0,.5,2\r\n";
        QTest::newRow("forme") << 10 << QList<double>{-0.5, 1e-5, 1.5e20, 1.0 / 3, 0, 0, 0, 0}
                               << "10,-.5,1E-05,1.5E+20,.333333333333333,0,0,0,0\r\n";
    }
    void scrittura() {
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, riga);
        std::array<double, 8> v{};
        std::copy(valori.begin(), valori.end(), v.begin());
        const auto testo = ScriviDocumento(static_cast<int16_t>(sistema), Record(v));
        QVERIFY(testo);
        QCOMPARE(QString::fromStdString(*testo), riga);

        const EsitoLettura letto = LeggiDocumento(*testo);
        QVERIFY(letto.dati);
        QCOMPARE(letto.dati->Sistema, sistema);
        const Velantra& m = letto.dati->Moto;
        const std::array<double, 8> riletti = {m.S1, m.S2, m.Stot, m.T1, m.T2, m.Ttot, m.Vm, m.Acc};
        for (size_t k = 0; k < 8; ++k)
            QCOMPARE(riletti[k], QString::number(v[k], 'g', 15).toDouble());
    }

    void nonFinitoNonScritto() {
        Velantra m;
        m.Acc = std::numeric_limits<double>::infinity();
        QVERIFY(!ScriviDocumento(1, m));
        m.Acc = 0;
        m.T1 = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!ScriviDocumento(1, m));
    }

    void motivi_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("vuoto") << ""
                               << "il file è vuoto";
        QTest::newRow("solo spazi") << " \r\n "
                                    << "il file è vuoto";
        QTest::newRow("otto valori") << "0,1,2,3,4,5,6,7\r\n"
                                     << "il file termina dopo 8 valori dei 9 previsti";
        QTest::newRow("parola") << "0,1,2,tre,4,5,6,7,8"
                                << "il valore n. 4 («tre») non è un numero";
        QTest::newRow("valore mancante") << "0,1,,3,4,5,6,7,8"
                                         << "manca il valore n. 3";
        QTest::newRow("dieci valori") << "0,1,2,3,4,5,6,7,8,9"
                                      << "dopo i 9 valori previsti il file contiene altro";
        QTest::newRow("indice decimale") << "1.5,1,2,3,4,5,6,7,8"
                                         << "il primo valore («1.5») non è un numero di combinazione";
        QTest::newRow("indice enorme") << "40000,1,2,3,4,5,6,7,8"
                                       << "il primo valore («40000») non è un numero di combinazione";
        QTest::newRow("binario") << QString::fromLatin1("\x01\x7f,1")
                                 << "il valore n. 1 («??») non è un numero";
    }
    void motivi() {
        QFETCH(QString, testo);
        QFETCH(QString, motivo);
        const EsitoLettura esito = LeggiDocumento(testo.toStdString());
        QVERIFY(!esito.dati);
        QCOMPARE(QString::fromStdString(esito.motivo), motivo);
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

REGISTRA_COLLAUDO(TstDocumento);
#include "tst_Documento.moc"
