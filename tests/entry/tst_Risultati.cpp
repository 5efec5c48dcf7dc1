#include "Banco.h"
#include "Collaudo.h"
#include "Sistemi.h"

#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <limits>

namespace {
const QLocale It(QLocale::Italian, QLocale::Italy);
const QLocale Us(QLocale::English, QLocale::UnitedStates);

QPoint Posto(QWidget* finestra) {
    return finestra->parentWidget()->pos();
}
} // namespace

class TstRisultati : public QObject {
    Q_OBJECT
private slots:
    void testi_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("testo");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("zero") << It << 0.0 << "0";
        QTest::newRow("uno e mezzo it") << It << 1.5 << "1,5";
        QTest::newRow("uno e mezzo us") << Us << 1.5 << "1.5";
        QTest::newRow("cinque decimali") << It << 0.292893 << "0,29289";
        QTest::newRow("quasi 2") << It << 2.000004 << "2";
        QTest::newRow("quasi zero") << Us << 0.000004 << "0";
        QTest::newRow("negativo it") << It << -0.5 << "-0,5";
        QTest::newRow("negativo us") << Us << -0.5 << "-0.5";
        QTest::newRow("pari in basso") << It << 0.015625 << "0,01562";
        QTest::newRow("esponente") << It << 1.5e20 << "1,5E+20";
        QTest::newRow("non definito") << It << qQNaN() << "non definito";
        QTest::newRow("infinito") << Us << inf << "infinito";
        QTest::newRow("meno infinito") << It << -inf << "-infinito";
    }
    void testi() {
        QFETCH(QLocale, locale);
        QFETCH(double, valore);
        QFETCH(QString, testo);
        QLocale::setDefault(locale);
        Banco b;
        for (const Grandezza& g : Grandezze)
            b.programma.Moto.*g.Membro = valore;
        b.finestre.ApriRisultati().RiempiFrmRisultati();
        QCOMPARE(b.Risultati(), QStringList(8, testo));
    }

    void righe() {
        Banco b;
        QWidget& finestra = b.finestre.ApriRisultati();
        QCOMPARE(finestra.windowTitle(), QStringLiteral("Risultati"));
        QCOMPARE(finestra.size(), QSize(195, 218));
        QStringList righe;
        for (int i = 0; i < 8; ++i) {
            const auto* nome = finestra.findChild<QLabel*>(QStringLiteral("LRis(%1)").arg(i));
            const auto* unita = finestra.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
            QCOMPARE(b.Risultato(i)->accessibleName(), nome->text() + " calcolato");
            QCOMPARE(b.Risultato(i)->y(), 8 + 24 * i);
            QVERIFY(unita->width() >= unita->sizeHint().width());
            QVERIFY(unita->geometry().right() < finestra.width());
            righe << nome->text() + " " + unita->text();
        }
        QCOMPARE(righe, (QStringList{"S1 [m]", "S2 [m]", "Stot [m]", "T1 [sec]", "T2 [sec]", "Ttot [sec]",
                                     "Vm [m/sec]", "Acc [m/sec^2]"}));
    }

    void soloLettura() {
        Banco b;
        b.programma.Moto.Stot = 2.5;
        b.finestre.ApriRisultati().RiempiFrmRisultati();
        QLineEdit* stot = b.Risultato(2);
        stot->setFocus();
        QTest::keyClicks(stot, "9");
        QTest::keyClick(stot, Qt::Key_Backspace);
        QCOMPARE(stot->text(), QStringLiteral("2,5"));
        QTest::keySequence(stot, QKeySequence::SelectAll);
        QTest::keySequence(stot, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2,5"));
    }

    // Beside the data-entry window when it fits in the area (strictly), else at 200, 200 twips.
    void posto_data() {
        QTest::addColumn<bool>("inserimento");
        QTest::addColumn<int>("margine");
        QTest::addColumn<bool>("accanto");
        QTest::newRow("ci sta") << true << 1 << true;
        QTest::newRow("giusto giusto") << true << 0 << false;
        QTest::newRow("non ci sta") << true << -40 << false;
        QTest::newRow("senza inserimento") << false << 200 << false;
    }
    void posto() {
        QFETCH(bool, inserimento);
        QFETCH(int, margine);
        QFETCH(bool, accanto);
        int larghezzaRisultati = 0;
        {
            Banco misura;
            larghezzaRisultati = misura.finestre.ApriRisultati().parentWidget()->width();
        }
        Banco b;
        QWidget& dati = b.Inserimento();
        const QRect e = dati.parentWidget()->geometry();
        const int sinistra = e.x() + e.width() + 7; // 100 twips to the right
        b.area.resize(sinistra + larghezzaRisultati + margine, 700);
        if (!inserimento)
            b.ChiudiInserimento();
        QWidget& risultati = b.finestre.ApriRisultati();
        QCOMPARE(Posto(&risultati), accanto ? QPoint(sinistra, e.y()) : QPoint(13, 13));
    }

    // An open results window keeps its place; a reloaded one is placed again.
    void restaAlPosto() {
        Banco b;
        b.Inserimento();
        QWidget* risultati = &b.finestre.ApriRisultati();
        risultati->parentWidget()->move(300, 40);
        b.finestre.ApriRisultati().RiempiFrmRisultati();
        QCOMPARE(Posto(risultati), QPoint(300, 40));
        QCOMPARE(b.Risultati(), QStringList(8, "0"));
        risultati->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Posto(&b.finestre.ApriRisultati()).y(), 7);
    }

    void nomiAccessibili() {
        Banco b;
        b.Inserimento();
        QStringList caselle, valori;
        for (int i = 0; i < 8; ++i) {
            caselle << b.Casella(i)->accessibleName();
            valori << b.Valore(i)->accessibleName();
        }
        QCOMPARE(caselle, (QStringList{"S1", "S2", "Stot", "T1", "T2", "Ttot", "Vm", "A"}));
        QCOMPARE(valori, (QStringList{"Valore di S1", "Valore di S2", "Valore di Stot", "Valore di T1",
                                      "Valore di T2", "Valore di Ttot", "Valore di Vm", "Valore di A"}));
        QVERIFY(!b.Picture1()->accessibleName().isEmpty());
    }
};
REGISTRA_COLLAUDO(TstRisultati);
#include "tst_Risultati.moc"
