#include "Banco.h"
#include "Collaudo.h"
#include "Impostazioni.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const QStringList Chiavi = {"MainLeft", "MainTop", "MainWidth", "MainHeight", "IntestazioneUtente"};

QStringList Memorizzati() {
    Impostazioni impostazioni;
    QStringList testi;
    for (const QString& chiave : Chiavi)
        testi << impostazioni.Testo(chiave);
    return testi;
}

void Memorizza(const QStringList& testi) {
    Impostazioni impostazioni;
    for (int i = 0; i < testi.size(); ++i)
        impostazioni.ScriviTesto(Chiavi[i], testi[i]);
}

const QLocale Italiano(QLocale::Italian, QLocale::Italy);
const QLocale Americano(QLocale::English, QLocale::UnitedStates);
} // namespace

class TstImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void chiusura_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("prima");
        QTest::addColumn<QRect>("normale"); // the user's un-maximised placement; empty: left as loaded
        QTest::addColumn<QStringList>("dopo");
        QTest::newRow("nulla memorizzato")
            << Italiano << QStringList() << QRect() << QStringList{"1000", "1000", "6500", "6500", "Ditta"};
        QTest::newRow("decimali, italiano")
            << Italiano << QStringList{"1000,5", "990", "6500", "6500"} << QRect()
            << QStringList{"1000,5", "990", "6500", "6500", "Ditta"};
        QTest::newRow("decimali, americano")
            << Americano << QStringList{"1000.5", "990", "6500", "6500"} << QRect()
            << QStringList{"1000.5", "990", "6500", "6500", "Ditta"};
        QTest::newRow("spostata e ridimensionata") << Italiano << QStringList() << QRect(100, 80, 600, 450)
                                                   << QStringList{"1500", "1200", "9000", "6750", "Ditta"};
    }
    void chiusura() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, prima);
        QFETCH(QRect, normale);
        QFETCH(QStringList, dopo);
        QLocale::setDefault(locale);
        Banco banco;
        Memorizza(prima);
        frmMain& finestra = banco.Apri();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        if (!normale.isEmpty()) {
            finestra.showNormal();
            finestra.setGeometry(normale);
            finestra.showMaximized();
        }
        banco.programma.IntestazioneUtente = QStringLiteral("Ditta");
        QVERIFY(finestra.close());
        QCOMPARE(Memorizzati(), dopo);
    }

    // Closing while minimised keeps what an earlier run stored.
    void chiusuraRidotta() {
        Banco banco;
        const QStringList prima = {"1500", "1500", "7500", "7500", "Vecchia"};
        Memorizza(prima);
        frmMain& finestra = banco.Apri();
        QCOMPARE(banco.programma.IntestazioneUtente, QStringLiteral("Vecchia"));
        banco.programma.IntestazioneUtente = QStringLiteral("Nuova");
        finestra.showNormal();
        finestra.setGeometry(10, 10, 300, 300);
        finestra.showMinimized();
        QVERIFY(finestra.close());
        QCOMPARE(Memorizzati(), prima);

        Banco nuovoAvvio;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, banco.cartella.path());
        nuovoAvvio.Apri();
        QCOMPARE(nuovoAvvio.programma.IntestazioneUtente, QStringLiteral("Vecchia"));
        QCOMPARE(nuovoAvvio.finestra->normalGeometry(), QRect(100, 100, 500, 500));
    }

    void lettura_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QRect>("normale");
        QTest::newRow("validi") << Italiano << QStringList{"1500", "750", "6000", "4500"}
                                << QRect(100, 50, 400, 300);
        QTest::newRow("virgola in italiano")
            << Italiano << QStringList{"1500,0", "750,4", "6000", "4500"} << QRect(100, 50, 400, 300);
        QTest::newRow("punto in americano")
            << Americano << QStringList{"1500.0", "750.4", "6000", "4500"} << QRect(100, 50, 400, 300);
        QTest::newRow("virgola in americano")
            << Americano << QStringList{"1500,0", "750", "6000", "4500"} << QRect(67, 50, 400, 300);
        QTest::newRow("separatore delle migliaia")
            << Italiano << QStringList{"1.500", "750", "6.000", "4500"} << QRect(67, 50, 433, 300);
        QTest::newRow("lettere") << Italiano << QStringList{"sinistra", "", "6000x", "4500"}
                                 << QRect(67, 67, 433, 300);
        QTest::newRow("misure non positive")
            << Italiano << QStringList{"1500", "750", "0", "-4500"} << QRect(100, 50, 433, 433);
        QTest::newRow("oltre la precisione singola")
            << Italiano << QStringList{"1e39", "750", "6000", "4500"} << QRect(67, 50, 400, 300);
        // Off every screen, or larger than the screen: brought back onto it.
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("a sinistra dello schermo") << Italiano << QStringList{"-90000", "1000", "6500", "6500"}
                                                  << QRect(schermo.left(), 67, 433, 433);
        QTest::newRow("enorme") << Italiano << QStringList{"1000", "1000", "99999999", "1e30"} << schermo;
    }
    void lettura() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, testi);
        QFETCH(QRect, normale);
        QLocale::setDefault(locale);
        Banco banco;
        Memorizza(testi);
        frmMain& finestra = banco.Apri();
        QCOMPARE(finestra.normalGeometry(), normale);
        QVERIFY(finestra.isMaximized());
    }
};
REGISTRA_COLLAUDO(TstImpostazioni);
#include "tst_Impostazioni.moc"
