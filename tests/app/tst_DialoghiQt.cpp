#include "Collaudo.h"
#include "DialoghiQt.h"
#include "Documenti.h"
#include "Esportazione.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// Looks at the modal dialog that opens next, once it is up, then answers it.
void AlProssimo(const std::function<void(QWidget*)>& rispondi) {
    QTimer::singleShot(0, [rispondi] { rispondi(QApplication::activeModalWidget()); });
}
} // namespace

// Qt's own dialogs, as the program sets them up and a user answers them.
class TstDialoghiQt : public QObject {
    Q_OBJECT
private slots:
    // A name typed without extension gets the chosen filter's, reported back, and Qt's question before
    // replacing a file is about that final name; the size dialog gives what is typed.
    void salva() {
        QTemporaryDir cartella;
        QFile vecchio(cartella.filePath("grafico.svg"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        QWidget finestra;
        QStringList visto; // the dialog's title and filters, then the question
        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            visto << dialogo->windowTitle() + ' ' + dialogo->nameFilters().join(';');
            dialogo->setDirectory(cartella.path());
            QTest::keyClick(dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            AlProssimo([&](QWidget* scatola) {
                visto << qobject_cast<QMessageBox*>(scatola)->text().section('\n', 0, 0);
                qobject_cast<QMessageBox*>(scatola)->button(QMessageBox::Yes)->click();
            });
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(QStringLiteral("grafico"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        DialoghiQt dialoghi(&finestra);
        QString filtro;
        QCOMPARE(dialoghi.NomeFileSalva(TitoloEsportaImmagine, FiltriImmagine, &filtro),
                 cartella.filePath("grafico.svg"));
        QCOMPARE(visto << filtro, (QStringList{TitoloEsportaImmagine + ' ' + FiltriImmagine.join(';'),
                                               "grafico.svg already exists.", FiltriImmagine[1]}));
        AlProssimo([&](QWidget* dialogo) {
            const auto caselle = dialogo->findChildren<QSpinBox*>();
            caselle[0]->setValue(640);
            caselle[1]->setValue(480);
            dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(dialoghi.Dimensione(TitoloDimensione, QSize(847, 625)), std::optional(QSize(640, 480)));
    }
};
REGISTRA_COLLAUDO(TstDialoghiQt);
#include "tst_DialoghiQt.moc"
