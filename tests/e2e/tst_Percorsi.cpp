#include "Banco.h"
#include "Collaudo.h"
#include "SuperficieDisegno.h"
#include "frmGrafico.h"

namespace {
QStringList Etichette(const SuperficieDisegno& superficie) {
    QStringList testi;
    for (const auto& t : superficie.Testi())
        testi << t.testo;
    return testi;
}
} // namespace

class TstPercorsi : public QObject {
    Q_OBJECT
private slots:
    // A user's whole work, only through what a user can reach: choose a line of the list, type with the
    // point key, calculate, read, plot. A second calculation that fails keeps the results on screen but
    // leaves nothing calculated to draw, print or export; the typed values are saved, what the solve
    // left infinite as 0. New clears it all.
    void percorso() {
        Banco u;
        u.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(u.finestra.get()));
        u.Premi("SceltaSistema");
        QTest::mouseClick(u.Picture1(), Qt::LeftButton, {}, QPoint(433, 133)); // Stot-Ttot-S1
        QTest::keyClicks(u.Valore(Stot), "2");
        QTest::keyClicks(u.Valore(Ttot), "5");
        QTest::keyClicks(QApplication::focusWidget(), "0.25"); // the cursor is in S1, the last of the three
        QCOMPARE(u.Valore(S1)->text(), QStringLiteral("0,25"));
        QCOMPARE(u.Comandi(), QStringLiteral("1001000000011"));
        u.Premi("Calcolo");
        u.Premi("Grafico");
        QCOMPARE(u.Comandi(), QStringLiteral("1111111111111"));
        QCOMPARE(u.Risultati(), (QStringList{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5"}));
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QTRY_COMPARE(Etichette(grafico->PictValX()), (QStringList{"1", "4", "5"}));
        QCOMPARE(Etichette(grafico->PictValY()), (QStringList{"0", "0,1", "0,2", "0,3", "0,4"}));

        u.Scrivi(Stot, "3"); // a new calculation shows in the open graph at once
        u.Premi("Calcolo");
        QCOMPARE(Etichette(grafico->PictValX()), (QStringList{"0,7143", "4,2857", "5"}));

        u.Scrivi(S1, "-1.5"); // 2 S1 + Stot = 0: T1 infinite
        u.Premi("Calcolo");
        QCOMPARE(u.dialoghi.Messaggi(), QStringList{QString::fromUtf8(MessaggioErroreCalcolo)});
        QCOMPARE(u.Risultati(), (QStringList{"0,25", "2,5", "3", "0,71429", "3,57143", "5", "0,7", "0,98"}));
        QCOMPARE(u.Stato().section(' ', 3, 5), QStringLiteral("0 0 1101001100011"));
        QVERIFY(Etichette(grafico->PictValX()).isEmpty());
        const QString percorso = u.Percorso(QStringLiteral("fallito.vla"));
        u.dialoghi.nomiFile = {percorso};
        u.Premi("Save");
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0,-1.5,2.5,3,0,3.57142857142857,5,.7,.98\r\n"));

        u.dialoghi.risposte = {true};
        u.Premi("New");
        QCOMPARE(u.Stato(), QStringLiteral("-1 0 1001000000011 0 0 0 0 0 0 0 0"));
    }
};

REGISTRA_COLLAUDO(TstPercorsi);
#include "tst_Percorsi.moc"
