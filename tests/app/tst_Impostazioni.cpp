#include "Banco.h"
#include "Collaudo.h"
#include "Collocazione.h"
#include "Impostazioni.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const QStringList Chiavi = {"MainLeft", "MainTop", "MainWidth", "MainHeight", "IntestazioneUtente"};

QString Memorizzati() {
    QStringList testi;
    for (const QString& chiave : Chiavi)
        testi << Impostazioni().Testo(chiave);
    return testi.join(';');
}

void Memorizza(const QString& testi) {
    for (int i = 0; i <= testi.count(';'); ++i)
        Impostazioni().ScriviTesto(Chiavi[i], testi.section(';', i, i));
}
} // namespace

class TstImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void suUnoSchermo_data() {
        QTest::addColumn<QRect>("finestra");
        QTest::addColumn<QList<QRect>>("schermi");
        QTest::addColumn<QRect>("attesa");
        const QList<QRect> uno{QRect(0, 0, 1600, 1000)}, due{uno[0], QRect(1600, 0, 1280, 1024)};
        QTest::newRow("100 pixel dentro") << QRect(1500, 900, 433, 433) << uno << QRect(1500, 900, 433, 433);
        QTest::newRow("99 pixel dentro") << QRect(1501, 100, 433, 433) << uno << QRect(1167, 100, 433, 433);
        QTest::newRow("49 pixel dentro") << QRect(100, 951, 433, 433) << uno << QRect(100, 567, 433, 433);
        QTest::newRow("sul secondo") << QRect(2000, 100, 433, 433) << due << QRect(2000, 100, 433, 433);
        QTest::newRow("fuori da tutti") << QRect(-5000, -40, 300, 200) << due << QRect(0, 0, 300, 200);
        QTest::newRow("più alta del secondo")
            << QRect(1700, 30, 900, 3000) << due << QRect(1700, 0, 900, 1024);
        QTest::newRow("nessuno schermo")
            << QRect(-5000, 0, 10, 10) << QList<QRect>{} << QRect(-5000, 0, 10, 10);
    }
    void suUnoSchermo() {
        QFETCH(QRect, finestra);
        QFETCH(QList<QRect>, schermi);
        QFETCH(QRect, attesa);
        QCOMPARE(SuUnoSchermo(finestra, schermi), attesa);
    }

    // The stored texts, the placement they give, and what closing writes back ("" is not checked).
    void collocazione_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QRect>("normale");
        QTest::addColumn<QString>("dopo");
        const QLocale it(QLocale::Italian, QLocale::Italy), us(QLocale::English, QLocale::UnitedStates);
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("nulla") << it << "" << QRect(67, 67, 433, 433) << "1000;1000;6500;6500";
        QTest::newRow("decimali") << it << "1000,5;750,4;6000;4500" << QRect(67, 50, 400, 300)
                                  << "1000,5;750,4;6000;4500";
        QTest::newRow("decimali, americano")
            << us << "1000.5;750.4;6000;4500" << QRect(67, 50, 400, 300) << "1000.5;750.4;6000;4500";
        QTest::newRow("migliaia, lettere") << it << "1.500;;6000x;4500" << QRect(67, 67, 433, 300) << "";
        QTest::newRow("misure non positive") << it << "1500;750;0;-4500" << QRect(100, 50, 433, 433) << "";
        QTest::newRow("oltre la precisione singola")
            << it << "1e39;750;6000;4500" << QRect(67, 50, 400, 300) << "";
        QTest::newRow("fuori schermo")
            << it << "-90000;1000;6500;6500" << QRect(67, 67, 433, 433) << "1000;1000;6500;6500";
        QTest::newRow("troppo piccola")
            << it << "1500;750;2999;1" << QRect(100, 50, 433, 433) << "1500;750;6500;6500";
        QTest::newRow("quasi zero") << it << "1500;750;3000;1e-40" << QRect(100, 50, 200, 433)
                                    << "1500;750;3000;6500";
        QTest::newRow("enorme") << it << "1000;1000;99999999;1e30" << schermo << "";
    }
    void collocazione() {
        QFETCH(QLocale, locale);
        QFETCH(QString, prima);
        QFETCH(QRect, normale);
        QFETCH(QString, dopo);
        QLocale::setDefault(locale);
        Banco banco(false);
        Memorizza(prima);
        frmMain& finestra = banco.Apri();
        QCOMPARE(finestra.normalGeometry(), normale);
        QVERIFY(finestra.isMaximized());
        banco.programma.IntestazioneUtente = QStringLiteral("Ditta");
        QVERIFY(finestra.close());
        if (!dopo.isEmpty())
            QCOMPARE(Memorizzati(), dopo + ";Ditta");
    }

    // Moved, then closed: the new placement is written. Closed minimised: nothing is, not even the header.
    void chiusura() {
        Banco banco(false);
        Memorizza(QStringLiteral("1500;1500;7500;7500;Vecchia"));
        QVERIFY(QTest::qWaitForWindowExposed(&banco.Apri()));
        QCOMPARE(banco.programma.IntestazioneUtente, QStringLiteral("Vecchia"));
        banco.programma.IntestazioneUtente = QStringLiteral("Nuova");
        banco.finestra->showNormal();
        banco.finestra->setGeometry(100, 80, 600, 450);
        banco.finestra->showMaximized();
        QVERIFY(banco.finestra->close());
        QCOMPARE(Memorizzati(), QStringLiteral("1500;1200;9000;6750;Nuova"));
        banco.Apri().showMinimized();
        banco.programma.IntestazioneUtente = QStringLiteral("Ridotta");
        QVERIFY(banco.finestra->close());
        QCOMPARE(Memorizzati(), QStringLiteral("1500;1200;9000;6750;Nuova"));
    }
};
REGISTRA_COLLAUDO(TstImpostazioni);
#include "tst_Impostazioni.moc"
