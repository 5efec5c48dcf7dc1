#include "Collaudo.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The report, and the CSV with the sizing's columns, written by the program run without a display, as a
// script runs it.
class TstRelazione : public QObject {
    Q_OBJECT
private slots:
    void relazione_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("atteso"); // in standard error, or in the report (the PDF's text)
        QTest::newRow("testo") << "--relazione es.vla out.txt" << 0 << "Coppia efficace: 0,240444 [N·m]\r\n";
        QTest::newRow("pdf") << "-r es.vla out.pdf" << 0 << "Velocità massima motore";
        QTest::newRow("un argomento") << "--relazione es.vla" << 2 << "--relazione vuole due argomenti";
        QTest::newRow("formato ignoto") << "--relazione es.vla out.doc" << 1 << "(.pdf, .txt)";
        QTest::newRow("diretta: le sole forze")
            << "--relazione diretta.vla out.txt" << 0
            << "Dimensionamento asse:\r\nForza di picco: 138,237 [N]\r\nForza efficace: 77,0841 [N]\r\n\r\n"
               "Forza per fase:\r\nIn accelerazione: F = 138,237 [N]\r\n";
        QTest::newRow("csv con forza e coppia")
            << "--esporta es.vla out.csv" << 0
            << "t [sec],s [m],v [m/sec],a [m/sec^2],F [N],C [N·m]\r\n0,0,0,";
        QTest::newRow("chiave fuori intervallo") << "--relazione nullo.vla out.txt" << 1
                                                 << "velantra: Il file «nullo.vla» non è una simulazione di "
                                                    "Velantra: il valore della chiave «passo» "
                                                    "(«0») deve essere maggiore di 0.\n";
    }
    void relazione() {
        QFETCH(QString, argomenti);
        QFETCH(QString, atteso);
        QTemporaryDir cartella;
        const QByteArray moto = "2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\n";
        for (const auto& [nome, asse] :
             {std::pair{"es.vla", "massa=50,passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                                  "inerzia_trasmissione=2e-5,sosta=0.5"},
              std::pair{"diretta.vla", "massa=50,trasmissione=diretta,attrito=0.01,sosta=0.5"},
              std::pair{"nullo.vla", "massa=50,passo=0"}}) {
            QFile documento(cartella.filePath(QLatin1String(nome)));
            QVERIFY(documento.open(QIODevice::WriteOnly) && documento.write(moto + asse) > 0);
        }
        QProcess programma;
        programma.setWorkingDirectory(cartella.path());
        QProcessEnvironment ambiente = AmbienteSigillato();
        ambiente.remove("QT_QPA_PLATFORM");
        ambiente.insert("LC_ALL", "it_IT.UTF-8");
        ambiente.insert("XDG_RUNTIME_DIR", cartella.path());
        programma.setProcessEnvironment(ambiente);
        programma.start(VELANTRA_PROGRAMMA, argomenti.split(' '));
        QVERIFY(programma.waitForFinished(30000));
        QTEST(programma.exitCode(), "stato");
        QString visto = QString::fromUtf8(programma.readAllStandardError());
        if (!argomenti.endsWith(QLatin1String("out.pdf")) && programma.exitCode() == 0) {
            QFile relazione(cartella.filePath(argomenti.section(' ', -1)));
            QVERIFY(relazione.open(QIODevice::ReadOnly));
            visto = QString::fromUtf8(relazione.readAll());
        } else if (argomenti.endsWith(QLatin1String("out.pdf"))) {
            QProcess testo;
            testo.start(QStringLiteral("pdftotext"), {cartella.filePath(QStringLiteral("out.pdf")), "-"});
            QVERIFY(testo.waitForFinished());
            visto = QString::fromUtf8(testo.readAllStandardOutput());
        }
        QVERIFY2(visto.contains(atteso), qPrintable(visto));
        // Written whole or not at all.
        if (argomenti.section(' ', -1).startsWith(QLatin1String("out.")))
            QCOMPARE(QFile::exists(cartella.filePath(argomenti.section(' ', -1))), programma.exitCode() == 0);
    }
};
REGISTRA_COLLAUDO(TstRelazione);
#include "tst_Relazione.moc"
