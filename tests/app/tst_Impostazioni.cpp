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
    // Brought back onto a screen when less than 100 x 50 pixels of it show on any.
    void suUnoSchermo() {
        const QRect uno(0, 0, 1600, 1000), due(1600, 0, 1280, 1024);
        const std::tuple<QRect, QList<QRect>, QRect> casi[] = {
            {QRect(1500, 900, 433, 433), {uno}, QRect(1500, 900, 433, 433)},      // 100 pixels inside
            {QRect(1501, 100, 433, 433), {uno}, QRect(1167, 100, 433, 433)},      // 99
            {QRect(100, 951, 433, 433), {uno}, QRect(100, 567, 433, 433)},        // 49 rows
            {QRect(2000, 100, 433, 433), {uno, due}, QRect(2000, 100, 433, 433)}, // on the second
            {QRect(-5000, -40, 300, 200), {uno, due}, QRect(0, 0, 300, 200)},     // off every screen
            {QRect(1700, 30, 900, 3000), {uno, due}, QRect(1700, 0, 900, 1024)},  // taller than its screen
            {QRect(-5000, 0, 10, 10), {}, QRect(-5000, 0, 10, 10)},               // no screen
        };
        for (const auto& [finestra, schermi, attesa] : casi)
            QCOMPARE(SuUnoSchermo(finestra, schermi), attesa);
    }

    // The stored texts, the placement they give, and what closing writes back ("" is not checked).
    void collocazione_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QRect>("normale");
        QTest::addColumn<QString>("dopo");
        const QLocale it(QLocale::Italian, QLocale::Italy), us(QLocale::English, QLocale::UnitedStates);
        const std::tuple<const char*, QLocale, const char*, QRect, const char*> casi[] = {
            {"nulla", it, "", QRect(67, 67, 433, 433), "1000;1000;6500;6500"},
            {"decimali", it, "1000,5;750,4;6000;4500", QRect(67, 50, 400, 300), "1000,5;750,4;6000;4500"},
            {"decimali, americano", us, "1000.5;750.4;6000;4500", QRect(67, 50, 400, 300),
             "1000.5;750.4;6000;4500"},
            {"migliaia, lettere", it, "1.500;;6000x;4500", QRect(67, 67, 433, 300), ""},
            {"misure non positive", it, "1500;750;0;-4500", QRect(100, 50, 433, 433), ""},
            {"oltre la precisione singola", it, "1e39;750;6000;4500", QRect(67, 50, 400, 300), ""},
            {"fuori schermo", it, "-90000;1000;6500;6500", QRect(67, 67, 433, 433), "1000;1000;6500;6500"},
            {"troppo piccola", it, "1500;750;2999;1", QRect(100, 50, 433, 433), "1500;750;6500;6500"},
            {"quasi zero", it, "1500;750;3000;1e-40", QRect(100, 50, 200, 433), "1500;750;3000;6500"},
            {"enorme", it, "1000;1000;99999999;1e30", QGuiApplication::primaryScreen()->availableGeometry(),
             ""},
        };
        for (const auto& [nome, locale, prima, normale, dopo] : casi)
            QTest::newRow(nome) << locale << prima << normale << dopo;
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
