#include "Avvio.h"
#include "Banco.h"
#include "Collaudo.h"
#include "DialoghiQt.h"
#include "Documenti.h"
#include "Esportazione.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace {
void Scrivi(const QString& percorso, const QByteArray& testo) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(testo) == testo.size());
}
} // namespace

// Files coming in and going out: Qt's save dialog, a document dropped on the window or named at start.
class TstScambi : public QObject {
    Q_OBJECT
private slots:
    // A name typed without extension gets the format's, and the question before replacing a file is
    // about that final name.
    void suffisso_data() {
        QTest::addColumn<QStringList>("filtri");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QString>("scelto");
        QTest::newRow("documento") << FiltriSimulazione << "prova"
                                   << "prova.vla";
        QTest::newRow("tabella") << FiltriTabella << "prova"
                                 << "prova.txt";
        QTest::newRow("estensione scritta") << FiltriSimulazione << "prova.dat"
                                            << "prova.dat";
        QTest::newRow("esistente") << FiltriSimulazione << "vecchio"
                                   << "vecchio.vla";
    }
    void suffisso() {
        QFETCH(QStringList, filtri);
        QFETCH(QString, scritto);
        QTemporaryDir cartella;
        Scrivi(cartella.filePath("vecchio.vla"), "-1,0,0,0,0,0,0,0,0\r\n");
        QWidget finestra;
        DialoghiQt dialoghi(&finestra);
        QString mostrato, domanda;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            mostrato = dialogo->windowTitle() + ' ' + dialogo->nameFilters().join(';');
            dialogo->setDirectory(cartella.path());
            QTimer::singleShot(0, [&] {
                if (auto* scatola = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    domanda = scatola->text();
                    scatola->button(QMessageBox::Yes)->click();
                }
            });
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(scritto);
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QFETCH(QString, scelto);
        QCOMPARE(dialoghi.NomeFileSalva(TitoloSalva, filtri), cartella.filePath(scelto));
        QCOMPARE(mostrato, "Salva con nome " + filtri.join(';'));
        QCOMPARE(domanda.section('\n', 0, 0), scelto == "vecchio.vla" ? "vecchio.vla already exists." : "");
    }

    // A *.vla among the dropped files is opened after the question; other files are refused.
    void trascina_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QString>("dopo"); // empty: nothing changes
        const QString letto =
            QStringLiteral("frmInserimentoDati* 3 0 1101001100011 1 2 3 4 5 6 7 8 S1=1 Stot=3 Vm=7");
        QTest::newRow("documento, OK") << QStringList{"nota.txt", "sim.VLA"} << true << letto;
        QTest::newRow("documento, Annulla") << QStringList{"sim.VLA"} << false << "";
        QTest::newRow("nessun documento") << QStringList{"nota.txt"} << true << "";
    }
    void trascina() {
        QFETCH(QStringList, file);
        QFETCH(bool, risposta);
        QFETCH(QString, dopo);
        Banco banco;
        Scrivi(banco.Percorso("sim.VLA"), "3,1,2,3,4,5,6,7,8\r\n");
        QList<QUrl> indirizzi;
        for (const QString& nome : file)
            indirizzi << QUrl::fromLocalFile(banco.Percorso(nome));
        QMimeData dati;
        dati.setUrls(indirizzi);
        const QString prima = banco.Stato();
        banco.dialoghi.risposte = {risposta};
        QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(banco.finestra.get(), &entra);
        QCOMPARE(entra.isAccepted(), file.contains("sim.VLA"));
        QDropEvent lascia(QPointF(50, 50), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(banco.finestra.get(), &lascia);
        QCoreApplication::processEvents();
        QCOMPARE(banco.Chiamate(), file.contains("sim.VLA") ? "Conferma Velantra" : "");
        QCOMPARE(banco.Stato(), dopo.isEmpty() ? prima : dopo);
    }

    // A document named at start is open once the splash is gone, without a question.
    void avvioConDocumento() {
        QTemporaryDir cartella;
        Scrivi(cartella.filePath("sim.vla"), "3,1,2,3,4,5,6,7,8\r\n");
        Avvio avvio;
        avvio.Documento = cartella.filePath("sim.vla");
        QString domanda;
        QTimer guardia; // a question would wait for an answer: it is answered and recorded
        connect(&guardia, &QTimer::timeout, [&] {
            if (QWidget* modale = QApplication::activeModalWidget())
                domanda = modale->windowTitle(), modale->close();
        });
        guardia.start(100);
        QVERIFY(Main(avvio, {0, std::chrono::milliseconds(0)}));
        QCOMPARE(domanda, QString());
        QVERIFY(avvio.FinestraPrincipale->FormAperto(QStringLiteral("frmInserimentoDati")));
        QCOMPARE(avvio.programma.SistemaCorrente, int16_t(3));
        QCOMPARE(avvio.programma.Moto.Acc, 8.0);
    }
};
REGISTRA_COLLAUDO(TstScambi);
#include "tst_Scambi.moc"
