#include "Collaudo.h"
#include "DialoghiQt.h"
#include "Documenti.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Qt's own save dialog, as the program sets it up.
class TstDialogoSalva : public QObject {
    Q_OBJECT
private slots:
    // A name typed without extension gets the format's, and Qt's question before replacing a file is
    // about that final name.
    void suffisso() {
        QTemporaryDir cartella;
        QFile vecchio(cartella.filePath("vecchio.vla"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        QWidget finestra;
        QString mostrato, domanda;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            mostrato = dialogo->windowTitle() + ' ' + dialogo->nameFilters().join(';');
            dialogo->setDirectory(cartella.path());
            QTimer::singleShot(0, [&] {
                auto* scatola = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                domanda = scatola->text().section('\n', 0, 0);
                scatola->button(QMessageBox::Yes)->click();
            });
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(QStringLiteral("vecchio"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QCOMPARE(DialoghiQt(&finestra).NomeFileSalva(TitoloSalva, FiltriSimulazione),
                 cartella.filePath("vecchio.vla"));
        QCOMPARE(mostrato, "Salva con nome Velantra (*.vla);Tutti i file (*.*)");
        QCOMPARE(domanda, "vecchio.vla already exists.");
    }
};
REGISTRA_COLLAUDO(TstDialogoSalva);
#include "tst_DialogoSalva.moc"
