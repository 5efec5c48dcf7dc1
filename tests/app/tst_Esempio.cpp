#include "Aiuti.h"
#include "AreaFinestre.h"

// "Esempio" and the laws compared on the screen and at the scale factor ctest gives (1366 x 768 and
// 1600 x 1000, at 1, 1.5 and 2): every window they open inside the area, every control of the forms
// reachable, and with the main window filling a screen of at least 1366 x 768 at scale 1, a plot of at least
// 600 x 250 that leaves the results in sight.
class TstEsempio : public QObject {
    Q_OBJECT
private slots:
    void finestre() {
        Banco banco;
        banco.Premi("Esempio");
        banco.Premi("mnuViewLeggi");
        const QWidget& area = *banco.finestra->findChild<QMdiArea*>()->viewport();
        QMdiSubWindow* grafico = FinestreFiglie::SottoFinestra(banco.Finestra("frmGrafico"));
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati", "frmGrafico", "frmLeggi"}) {
            QWidget* finestra = banco.Finestra(nome);
            QVERIFY2(finestra, nome);
            const QMdiSubWindow* sotto = FinestreFiglie::SottoFinestra(finestra);
            QVERIFY2(area.rect().contains(sotto->geometry()), nome); // inside the area
            if (finestra->layout()) // the forms laid out by Qt (the data entry is placed as designed)
                QCOMPARE(ControlliSovrapposti(*finestra), QString());
            if (sotto == grafico) // its inner layout is its own
                continue;
            // Each control shows inside its window and the area, scrolled into view if need be.
            auto* scorrevole = qobject_cast<QScrollArea*>(sotto->widget());
            const QRect visibile(sotto->widget()->mapTo(&area, QPoint()), sotto->widget()->size());
            int controlli = 0;
            for (QWidget* controllo : finestra->findChildren<QWidget*>()) {
                if (!controllo->isVisible() || !(controllo->focusPolicy() & Qt::TabFocus))
                    continue;
                ++controlli;
                if (scorrevole)
                    scorrevole->ensureWidgetVisible(controllo, 0, 0);
                const QRect posto(controllo->mapTo(&area, QPoint()), controllo->size());
                // Whole, or as much of it as the window can show.
                QVERIFY2((posto & visibile & area.rect()).size() == posto.size().boundedTo(visibile.size()),
                         qPrintable(nome + (" " + controllo->accessibleName())));
            }
            QVERIFY2(controlli >= 4, nome); // the boxes
        }
        // The frame's background fills the area in the screen's own pixels: light at the top, dark at the
        // bottom right.
        AreaFinestre vuota;
        vuota.resize(200, 130);
        vuota.show();
        const QImage sfondo = vuota.viewport()->grab().toImage();
        const auto tinta = [&](QPoint p) { return sfondo.pixelColor(p).name(); };
        QCOMPARE(sfondo.size() / sfondo.devicePixelRatio(), vuota.viewport()->size());
        QCOMPARE(tinta({0, 0}) + tinta({sfondo.width() - 1, sfondo.height() - 1}), "#4a6f96#1f3652");
        // A main window that fills a screen of 1366 x 768 or more, at scale 1.
        const QSize principale = banco.finestra->size();
        if (banco.finestra->devicePixelRatio() == 1 && principale.width() >= 1360 &&
            principale.height() >= 760) {
            const QWidget* piano = nullptr;
            for (const QWidget* w : banco.Finestra("frmGrafico")->findChildren<QWidget*>())
                if (w->accessibleName() == QLatin1String("Grafico V(t)"))
                    piano = w;
            QVERIFY(piano && piano->width() >= 600 && piano->height() >= 250);
            const QRect risultati = FinestreFiglie::SottoFinestra(banco.Finestra("FrmRisultati"))->geometry();
            QVERIFY(!risultati.intersects(grafico->geometry())); // the results in sight
        }
    }
};
REGISTRA_COLLAUDO(TstEsempio);
#include "tst_Esempio.moc"
