#include "Banco.h"
#include "BancoGrafico.h"
#include "Collaudo.h"
#include "NumeriRegionali.h"
#include "PianoGrafico.h"
#include "frmGrafico.h"

#include <QScreen>

// The graph window in the main window on the screen and at the scale this run was given (1600 x 1000
// or 1366 x 768, scale 1, 1.5 or 2): after "Esempio", with the details and the difference on, and for
// a slow motion measured with the collimator.
class TstSchermi : public QObject {
    Q_OBJECT

    // What a reader could not read in the graph window: a plot too small to show the curve, a text
    // of the plot unreadable, a readout cut or covered.
    static QString Difetti(frmGrafico& g) {
        const QRectF area = g.Disposizione().cornice.area;
        return EtichetteIlleggibili(g.Disposizione()) + ControlliNascosti(g, area) +
               (area.width() < 150 || area.height() < 60
                    ? QString::asprintf("piano %g x %g", area.width(), area.height())
                    : QString());
    }

private slots:
    void esempio() {
        Banco b(false);
        b.Apri().setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        b.dialoghi.risposte = {true};
        b.Premi("Esempio");
        auto* g = qobject_cast<frmGrafico*>(b.Finestra("frmGrafico"));
        QVERIFY(g);
        QTRY_VERIFY(g->Disposizione().disegnata);
        QCOMPARE(Difetti(*g), QString());
        // The picture cached at the screen's pixel ratio: the plot as many device pixels as that makes,
        // the time axis black across it.
        const QImage piano = g->findChild<PianoGrafico*>()->ImmaginePiano();
        const QSizeF atteso = g->Disposizione().cornice.area.size() * g->devicePixelRatioF();
        QCOMPARE(piano.devicePixelRatio(), g->devicePixelRatioF());
        QVERIFY(std::abs(piano.width() - atteso.width()) <= 1 &&
                std::abs(piano.height() - atteso.height()) <= 1);
        const QPointF asse = g->Disposizione().InPixel(2.5, 0) - g->Disposizione().cornice.area.topLeft();
        int grigio = 255;
        for (int y = -2; y <= 2; ++y)
            grigio = std::min(grigio,
                              qGray(piano.pixel((asse * g->devicePixelRatioF()).toPoint() + QPoint(0, y))));
        QCOMPARE(grigio, 0);

        g->Azione(ComandoGrafico::AggiungiParticolari)->trigger();
        g->Azione(ComandoGrafico::Differenza)->trigger();
        QCOMPARE(Difetti(*g), QString());
        QVERIFY(b.Finestra("frmGrafico")->findChild<QLineEdit*>("DiffS")->isVisible());

        // A motion of an hour with a rise of a minute: its acceleration reads, not 0.
        b.Spunta(S1);
        b.Inserisci({"T1=60"});
        b.Scrivi(Stot, "100");
        b.Scrivi(Ttot, "3600");
        b.Premi("Calcolo");
        g->Azione(ComandoGrafico::Tracciatore)->trigger();
        const QPointF punto = g->Disposizione().InPixel(30, 0.001);
        QMouseEvent mossa(QEvent::MouseMove, punto, g->findChild<PianoGrafico*>()->mapToGlobal(punto),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(g->findChild<PianoGrafico*>(), &mossa);
        const auto a = LeggiValore(g->findChild<QLineEdit*>("LetturaA")->text());
        QVERIFY2(a && std::abs(*a / b.simulazione.Moto().Acc - 1) < 1e-4,
                 qPrintable(g->findChild<QLineEdit*>("LetturaA")->text()));
        QCOMPARE(Difetti(*g), QString());
    }
};

REGISTRA_COLLAUDO(TstSchermi);
#include "tst_Schermi.moc"
