#include "Collaudo.h"
#include "Documento.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstDocumento : public QObject {
    Q_OBJECT
private slots:
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

    void motivi_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("motivo");
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
            QTest::newRow(motivo) << QString::fromLatin1(testo) << QString::fromUtf8(motivo);
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
