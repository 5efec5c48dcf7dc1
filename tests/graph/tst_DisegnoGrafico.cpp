#include "BancoGrafico.h"
#include "Collaudo.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QLocale Italiano(QLocale::Italian, QLocale::Italy);
const QLocale Americano(QLocale::English, QLocale::UnitedStates);

// The labels of a strip as "text@position", position in graph units along the strip.
QString Etichette(const SuperficieDisegno& s, bool ascisse) {
    QStringList etichette;
    for (const auto& t : s.Testi())
        etichette << t.testo + QLatin1Char('@') +
                         QString::number(ascisse ? t.punto.x() : t.punto.y(), 'f', 2);
    return etichette.join(QLatin1Char(' '));
}

// Dark pixels of the persistent plot along a time column (or a speed row) between two values.
int Scuri(BancoGrafico& b, bool colonna, double dove, double da, double a) {
    const QImage immagine = b.finestra->Picture1().Immagine();
    int scuri = 0;
    const QPoint p = colonna ? b.Pixel(dove, a) : b.Pixel(da, dove),
                 q = colonna ? b.Pixel(dove, da) : b.Pixel(a, dove);
    for (int y = p.y(); y <= q.y(); ++y)
        for (int x = p.x(); x <= q.x(); ++x)
            scuri += qGray(immagine.pixel(x, y)) < 128;
    return scuri;
}

} // namespace

class TstDisegnoGrafico : public QObject {
    Q_OBJECT
private slots:
    void etichette_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<double>>("moto"); // T1, T2, Vm
        QTest::addColumn<QString>("tempi");
        QTest::addColumn<QString>("velocita");
        const QString v13 = "0@2.00 0,3@20.46 0,6@38.92 0,9@57.38 1,2@75.85";
        // Single-precision running sums: 0.2 + 0.25 and 0.4 + 0.25 fall just below 0.45 and 0.65.
        const QString v1 = "0@2.00 0,2@18.00 0,4@34.00 0,6@50.00 0,9@74.00";
        QTest::newRow("lontane") << Italiano << QList<double>{1, 2, 1.3} << "1@19.00 3@59.00 4@79.00" << v13;
        QTest::newRow("quattro decimali")
            << Italiano << QList<double>{1.23456, 2, 1.3} << "1,2346@21.10 3,2346@56.90 4,4691@79.00" << v13;
        // Gaps between the last two labels below 2, between 2 and 4, between 4 and 6, exactly 2.
        QTest::newRow("gap 1") << Italiano << QList<double>{0.05, 3.9, 1} << "0,05@0.00 3,95@76.00 4@80.00"
                               << v1;
        QTest::newRow("gap 1 col punto")
            << Americano << QList<double>{0.05, 3.9, 10} << "0.05@0.00 3.95@76.00 4@80.00"
            << "0@2.00 2.5@22.00 5@42.00 7.5@62.00 10@82.00";
        QTest::newRow("gap 1, due decimali")
            << Italiano << QList<double>{0.0512, 3.8976, 1} << "0,0512@0.02 3,95@76.00 4@80.00" << v1;
        QTest::newRow("gap 3") << Italiano << QList<double>{0.15, 3.7, 1} << "0,15@2.00 3,85@74.50 4@79.50"
                               << v1;
        QTest::newRow("gap 5") << Italiano << QList<double>{0.25, 3.5, 1} << "0,25@4.00 3,75@73.00 4@79.00"
                               << v1;
        // No curve: the largest time and speed count as 10.
        QTest::newRow("nessun moto") << Italiano << QList<double>{0, 0, 0} << "0@-1.00 0@-3.00 0@0.00"
                                     << "0@2.00 2,5@22.00 5@42.00 7,5@62.00 10@82.00";
        QTest::newRow("gap esattamente 2")
            << Italiano << QList<double>{0.1, 3.8, 1} << "0,1@1.00 3,9@77.00 4@79.00" << v1;
    }
    void etichette() {
        QFETCH(QLocale, locale);
        QFETCH(QList<double>, moto);
        QFETCH(QString, tempi);
        QFETCH(QString, velocita);
        QLocale::setDefault(locale);
        BancoGrafico b(moto[0], moto[1], moto[2]);
        b.Apri();
        QCOMPARE(Etichette(b.finestra->PictValX(), true), tempi);
        QCOMPARE(Etichette(b.finestra->PictValY(), false), velocita);
        for (const auto& t : b.finestra->PictValX().Testi())
            QCOMPARE(t.punto.y(), 8.0); // a fifth of the strip below its top edge
    }

    // Zoomed, the last two time labels stand at their ticks with four decimals and the speed labels
    // at their speeds; a rectangle drawn backwards gives the same view.
    void vistaZoomata() {
        BancoGrafico avanti(0.0512, 3.8976, 1), indietro(0.0512, 3.8976, 1);
        avanti.Apri();
        indietro.Apri();
        avanti.Zoom(0.02, 1.04, 4.1, 0.3);
        indietro.Zoom(4.1, 0.3, 0.02, 1.04);
        const Grafico &g = avanti.GraficoCorrente, &i = indietro.GraficoCorrente;
        QVERIFY(g.GraficoZoomato);
        QCOMPARE(
            (QList<float>{g.BordoSinistro, g.BordoSuperiore, g.BordoDestro, g.BordoInferiore, g.ScalaX}),
            (QList<float>{i.BordoSinistro, i.BordoSuperiore, i.BordoDestro, i.BordoInferiore, i.ScalaX}));
        QCOMPARE(avanti.finestra->Picture1().Immagine(), indietro.finestra->Picture1().Immagine());
        QCOMPARE(Etichette(avanti.finestra->PictValX(), true), QStringLiteral("0,0512@%1 3,9488@%2 4@%3")
                                                                   .arg(g.ScalaX * 0.0512f - 1, 0, 'f', 2)
                                                                   .arg(g.ScalaX * 3.9488f, 0, 'f', 2)
                                                                   .arg(g.ScalaX * 4.0f, 0, 'f', 2));
        const auto velocita = avanti.finestra->PictValY().Testi();
        QCOMPARE(velocita.first().testo, QStringLiteral("0,3"));
        for (const auto& t : velocita)
            QCOMPARE(float(t.punto.y()), g.ScalaY * float(LeggiNumero(t.testo.toStdString(), ',').value()));
    }

    // The view of T1 1, T2 2, Vm 1.3 spans -0.2 to 4.2 s and -0.065 to 1.365 m/sec; where the curve,
    // the axes and the dashed grid are, and where nothing is.
    void pixel() {
        BancoGrafico b(1, 2, 1.3);
        const SuperficieDisegno& piano = b.Apri();
        const Grafico& g = b.GraficoCorrente;
        QCOMPARE((QList<float>{g.BordoSinistro, g.BordoSuperiore, g.BordoDestro, g.BordoInferiore}),
                 (QList<float>{-0.2f, 1.365f, 4.2f, -0.065f}));
        QCOMPARE(piano.InPixel(g.ScalaX * g.BordoDestro, g.ScalaY * g.BordoInferiore), QPointF(800, 480));
        QCOMPARE(b.finestra->Picture1().Immagine().deviceIndependentSize(), QSizeF(800, 480));
        for (QPointF p : {QPointF(0.5, 0.65), QPointF(2, 1.3), QPointF(3.5, 0.65)}) // rise, top, fall
            QVERIFY(Scuri(b, true, p.x(), p.y() - 0.01, p.y() + 0.01) >= 2);        // two pixels thick
        QCOMPARE(Scuri(b, true, 2, 0.05, 1.25), 0);
        QCOMPARE(Scuri(b, true, 4.15, 0.05, 1.25), 0);
        QVERIFY(Scuri(b, false, 0, -0.19, 4.19) > 780); // time axis, edge to edge
        QVERIFY(Scuri(b, true, 0, -0.06, 1.36) > 470);  // speed axis
        b.Premi(QStringLiteral("Griglia"));
        for (double t : {1.0, 3.0, 4.0}) { // from the top edge down to the time axis
            QVERIFY(qAbs(Scuri(b, true, t, 0.05, 1.2) - 200) < 100);
            QCOMPARE(Scuri(b, true, t, -0.06, -0.02), 0);
        }
        for (double v : {0.3, 0.6, 0.9}) { // from the speed axis to the right edge
            QVERIFY(qAbs(Scuri(b, false, v, 1.2, 2.8) - 200) < 100);
            QCOMPARE(Scuri(b, false, v, -0.19, -0.02), 0);
        }
        QCOMPARE(Scuri(b, true, 2.5, 0.05, 0.25), 0);
    }

    // In the main window the graph first fills the client area from its top-left corner.
    void nellaFinestraPrincipale() {
        BancoGrafico b(1, 2, 1.3);
        QMdiArea area;
        area.resize(900, 640);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        auto* finestra = new frmGrafico(b.PuntiGrafico, b.GraficoCorrente, b.Moto);
        QMdiSubWindow* sotto = area.addSubWindow(finestra);
        sotto->show();
        QCOMPARE(sotto->geometry(), QRect(QPoint(0, 0), area.viewport()->size()));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico"));
        QCOMPARE(finestra->PictValX().Testi().size(), 3);
        QCOMPARE(finestra->Picture1().Immagine().deviceIndependentSize(),
                 QSizeF(finestra->Picture1().size()));
    }
};

REGISTRA_COLLAUDO(TstDisegnoGrafico);
#include "tst_DisegnoGrafico.moc"
