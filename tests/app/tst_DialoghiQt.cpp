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

namespace {
// Looks at the modal dialog that opens next, once it is up, then answers it.
void AlProssimo(const std::function<void(QWidget*)>& rispondi) {
    QTimer::singleShot(0, [rispondi] { rispondi(QApplication::activeModalWidget()); });
}
} // namespace

// Qt's save dialog, as the program sets it up and a user answers it.
class TstDialoghiQt : public QObject {
    Q_OBJECT
private slots:
    // A name typed without extension gets the format's, and Qt's question before replacing a file is
    // about that final name.
    void salva() {
        QTemporaryDir cartella;
        QFile vecchio(cartella.filePath("vecchio.vla"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        QWidget finestra;
        QString mostrato, domanda;
        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            mostrato = dialogo->windowTitle() + ' ' + dialogo->nameFilters().join(';');
            dialogo->setDirectory(cartella.path());
            AlProssimo([&](QWidget* scatola) {
                domanda = qobject_cast<QMessageBox*>(scatola)->text().section('\n', 0, 0);
                qobject_cast<QMessageBox*>(scatola)->button(QMessageBox::Yes)->click();
            });
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(QStringLiteral("vecchio"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        DialoghiQt dialoghi(&finestra);
        QCOMPARE(dialoghi.NomeFileSalva(TitoloSalva, FiltriSimulazione), cartella.filePath("vecchio.vla"));
        QCOMPARE(mostrato, "Salva con nome Velantra (*.vla);Tutti i file (*.*)");
        QCOMPARE(domanda, "vecchio.vla already exists.");
    }
};
REGISTRA_COLLAUDO(TstDialoghiQt);
#include "tst_DialoghiQt.moc"
