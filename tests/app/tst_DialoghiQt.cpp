#include "Collaudo.h"
#include "DialoghiQt.h"
#include "Documenti.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
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

// Qt's own dialogs, as the program sets them up and a user answers them.
class TstDialoghiQt : public QObject {
    Q_OBJECT
private slots:
    // Title, text, explanation (in a box wide enough to read it in whole lines), icon and buttons in
    // hexadecimal (400 OK, 400000 Cancel): OK only for a message; for a question OK and Cancel with the
    // warning icon, and the answer.
    void messaggi_data() {
        QTest::addColumn<int>("risposta"); // 0: a message
        QTest::addColumn<QString>("visto");
        QTest::newRow("messaggio") << 0 << "Titolo|Testo|Perché|1|400 largo";
        QTest::newRow("domanda, OK") << int(QMessageBox::Ok) << "Titolo|Testo||2|400400 sì";
        QTest::newRow("domanda, Annulla") << int(QMessageBox::Cancel) << "Titolo|Testo||2|400400 no";
    }
    void messaggi() {
        QFETCH(int, risposta);
        QWidget finestra;
        QString visto;
        AlProssimo([&](QWidget* dialogo) {
            auto* scatola = qobject_cast<QMessageBox*>(dialogo);
            const bool largo = scatola->width() >= scatola->fontMetrics().averageCharWidth() * 90;
            visto = QStringLiteral("%1|%2|%3|%4|%5%6")
                        .arg(scatola->windowTitle(), scatola->text(), scatola->informativeText())
                        .arg(int(scatola->icon()))
                        .arg(QString::number(int(scatola->standardButtons()), 16), largo ? " largo" : "");
            scatola->button(risposta ? QMessageBox::StandardButton(risposta) : QMessageBox::Ok)->click();
        });
        DialoghiQt dialoghi(&finestra);
        if (risposta)
            visto += dialoghi.Conferma(QStringLiteral("Testo"), QStringLiteral("Titolo")) ? " sì" : " no";
        else
            dialoghi.Messaggio(QStringLiteral("Testo"), QStringLiteral("Titolo"),
                               Dialoghi::Icona::Informazione, QStringLiteral("Perché"));
        QTEST(visto, "visto");
    }

    // A name typed without extension gets the format's, and Qt's question before replacing a file is
    // about that final name. The print dialog has the given title and no page range.
    void salvaEStampa() {
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

        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QPrintDialog*>(w);
            mostrato = dialogo->windowTitle() +
                       (dialogo->testOption(QAbstractPrintDialog::PrintPageRange) ? " con pagine" : "");
            dialogo->reject();
        });
        QPrinter stampante;
        QVERIFY(!dialoghi.Stampa(stampante, QStringLiteral("Stampa")));
        QCOMPARE(mostrato, "Stampa");
    }
};
REGISTRA_COLLAUDO(TstDialoghiQt);
#include "tst_DialoghiQt.moc"
