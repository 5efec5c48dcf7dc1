#include "Banco.h"
#include "Collaudo.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace {
template <typename T> T* Figlio(const QWidget* padre, const char* nome) {
    return padre->findChild<T*>(QLatin1String(nome));
}

frmOptions* ApriOpzioni(Banco& banco) {
    banco.Azione("mnuViewOptions")->trigger();
    return banco.finestra->findChild<frmOptions*>();
}
} // namespace

class TstFinestre : public QObject {
    Q_OBJECT
private slots:
    void opzioni_data() {
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<QString>("chiusura"); // a button's name, or a key
        QTest::addColumn<QString>("attesa");
        QTest::newRow("OK") << "Officina Rossi S.p.A."
                            << "cmdOK"
                            << "Officina Rossi S.p.A.";
        QTest::newRow("OK, vuota") << ""
                                   << "cmdOK"
                                   << "";
        QTest::newRow("Invio") << "Nuova"
                               << "Invio"
                               << "Nuova";
        QTest::newRow("Annulla") << "Nuova"
                                 << "cmdCancel"
                                 << "Vecchia";
        QTest::newRow("Esc") << "Nuova"
                             << "Esc"
                             << "Vecchia";
    }
    void opzioni() {
        QFETCH(QString, scritta);
        QFETCH(QString, chiusura);
        QFETCH(QString, attesa);
        Banco banco;
        banco.Apri();
        banco.programma.IntestazioneUtente = QStringLiteral("Vecchia");
        frmOptions* opzioni = ApriOpzioni(banco);
        QVERIFY(opzioni && opzioni->isVisible());
        QVERIFY(opzioni->windowModality() != Qt::NonModal);
        QCOMPARE(opzioni->windowTitle(), QStringLiteral("Opzioni"));
        auto* schede = Figlio<QTabWidget>(opzioni, "tbsOptions");
        QCOMPARE(schede->count(), 1);
        QCOMPARE(schede->tabText(0), QStringLiteral("Generali"));
        QCOMPARE(opzioni->findChild<QGroupBox*>()->title(), QStringLiteral("Informazioni utente"));
        QCOMPARE(Figlio<QLabel>(opzioni, "Label1")->text(), QStringLiteral("Intestazione stampe"));
        QCOMPARE(Figlio<QPushButton>(opzioni, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(Figlio<QPushButton>(opzioni, "cmdCancel")->text(), QStringLiteral("Annulla"));
        auto* testo = Figlio<QLineEdit>(opzioni, "TIntestUtente");
        QCOMPARE(testo->text(), QStringLiteral("Vecchia"));
        QCOMPARE(testo->accessibleName(), QStringLiteral("Intestazione stampe"));

        testo->selectAll();
        QTest::keyClick(testo, Qt::Key_Delete);
        QTest::keyClicks(testo, scritta);
        if (chiusura == QLatin1String("Invio"))
            QTest::keyClick(testo, Qt::Key_Return);
        else if (chiusura == QLatin1String("Esc"))
            QTest::keyClick(testo, Qt::Key_Escape);
        else
            QTest::mouseClick(Figlio<QPushButton>(opzioni, qPrintable(chiusura)), Qt::LeftButton);

        QCOMPARE(banco.programma.IntestazioneUtente, attesa);
        QTRY_VERIFY(!banco.finestra->findChild<frmOptions*>());
    }

    // Ctrl+Tab and Ctrl+Shift+Tab reach the tab strip from the text box, wrapping round.
    void schede() {
        Banco banco;
        banco.Apri();
        frmOptions* opzioni = ApriOpzioni(banco);
        auto* schede = Figlio<QTabWidget>(opzioni, "tbsOptions");
        auto* testo = Figlio<QLineEdit>(opzioni, "TIntestUtente");
        QTest::keyClick(testo, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(schede->currentIndex(), 0);
        QVERIFY(opzioni->isVisible());

        schede->addTab(new QWidget, QStringLiteral("Altra"));
        const QList<std::pair<Qt::KeyboardModifiers, int>> passi = {
            {Qt::ControlModifier, 1}, {Qt::ControlModifier, 0}, {Qt::ControlModifier | Qt::ShiftModifier, 1}};
        for (const auto& [modificatori, attesa] : passi) {
            QTest::keyClick(schede->currentWidget(), Qt::Key_Tab, modificatori);
            QCOMPARE(schede->currentIndex(), attesa);
        }
        QVERIFY(!testo->isVisibleTo(opzioni));
    }

    void splash_data() {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("salta");
        QTest::newRow("Invio") << int(Qt::Key_Return) << true;
        QTest::newRow("Invio del tastierino") << int(Qt::Key_Enter) << true;
        QTest::newRow("spazio") << int(Qt::Key_Space) << false;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
        QTest::newRow("lettera") << int(Qt::Key_A) << false;
    }
    void splash() {
        QFETCH(int, tasto);
        QFETCH(bool, salta);
        bool SaltaSplash = false;
        frmSplash splash(SaltaSplash);
        splash.show();
        QCOMPARE(Figlio<QLabel>(&splash, "lblProductName")->text(), QStringLiteral("Velantra"));
        QCOMPARE(Figlio<QLabel>(&splash, "lblVersion")->text(), QStringLiteral("Versione 4.0.0"));
        QCOMPARE(Figlio<QLabel>(&splash, "Istanze")->text(), QStringLiteral("Premi INVIO per continuare"));
        QTest::keyClick(&splash, static_cast<Qt::Key>(tasto));
        QCOMPARE(SaltaSplash, salta);
        QVERIFY(splash.isVisible());
    }

    // The start routine sets step i / 1.5 of 10: the last of its 15 steps fills the bar.
    void avanzamento() {
        bool SaltaSplash = false;
        frmSplash splash(SaltaSplash);
        auto* barra = Figlio<QProgressBar>(&splash, "ProgressBar");
        splash.ImpostaAvanzamento(1 / 1.5f);
        QCOMPARE(splash.Avanzamento(), 0.67f);
        splash.ImpostaAvanzamento(15 / 1.5f);
        QCOMPARE(barra->value(), barra->maximum());
    }

    void informazioni() {
        Banco banco;
        banco.Apri();
        banco.Azione("mnuHelpAbout")->trigger();
        auto* informazioni = banco.finestra->findChild<frmAbout*>();
        QVERIFY(informazioni && informazioni->isVisible());
        QVERIFY(informazioni->windowModality() != Qt::NonModal);
        QCOMPARE(Figlio<QLabel>(informazioni, "lblTitle")->text(), QStringLiteral("Velantra"));
        QCOMPARE(Figlio<QLabel>(informazioni, "lblVersion")->text(), QStringLiteral("Versione 4.0.0"));
        auto* ok = Figlio<QPushButton>(informazioni, "cmdOK");
        QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!banco.finestra->findChild<frmAbout*>());
    }
};
REGISTRA_COLLAUDO(TstFinestre);
#include "tst_Finestre.moc"
