#include "Avvio.h"
#include "Collaudo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QWidget* Splash() {
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra->objectName() == QLatin1String("frmSplash") && finestra->isVisible())
            return finestra;
    return nullptr;
}
} // namespace

class TstAvvio : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private slots:
    void init() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path()); }

    void avvio() {
        Avvio avvio;
        avvio.programma.SistemaCorrente = 4;
        bool splashVisto = false;
        QTimer::singleShot(0, [&] { splashVisto = Splash() != nullptr; });
        QVERIFY(Main(avvio, {3, std::chrono::milliseconds(20)}));
        QVERIFY(splashVisto);
        QVERIFY(!Splash());
        QCOMPARE(avvio.programma.SistemaCorrente, int16_t(-1));
        QVERIFY(!avvio.SaltaSplash);
        QVERIFY(avvio.FinestraPrincipale->isVisible());
        QVERIFY(avvio.FinestraPrincipale->isMaximized());
        // Qt's own texts in Italian: the standard buttons of the message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    }

    void invioAccorcia() {
        Avvio avvio;
        QTimer::singleShot(100, [] {
            if (QWidget* splash = Splash())
                QTest::keyClick(splash, Qt::Key_Return);
        });
        QElapsedTimer cronometro;
        cronometro.start();
        QVERIFY(Main(avvio));
        // The whole wait would be 15 steps of 250 ms.
        QVERIFY2(cronometro.elapsed() < 2000, qPrintable(QString::number(cronometro.elapsed())));
        QVERIFY(avvio.SaltaSplash);
        QVERIFY(!Splash());
    }

    // With the main window closed during the wait there is nothing left to run.
    void chiusaDuranteLAttesa() {
        Avvio avvio;
        QTimer::singleShot(30, [&] { avvio.FinestraPrincipale->close(); });
        QVERIFY(!Main(avvio, {5, std::chrono::milliseconds(30)}));
        QVERIFY(!Splash());
    }
};
REGISTRA_COLLAUDO(TstAvvio);
#include "tst_Avvio.moc"
