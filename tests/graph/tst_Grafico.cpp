#include "BancoGrafico.h"
#include "Collaudo.h"
#include "NumeriRegionali.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// Dark pixels of the plot along a time column (or a speed row) between two values.
int Scuri(const Banco& b, bool colonna, double dove, double da, double a) {
    const QPoint p = colonna ? b.Pixel(dove, a) : b.Pixel(da, dove),
                 q = colonna ? b.Pixel(dove, da) : b.Pixel(a, dove);
    return Conta(b.finestra->Picture1().Immagine(), 0, QRect(p, q));
}

} // namespace

// The graph window: curve, labels, view and tools as the user sees them.
class TstGrafico : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(Italiano); }

    void etichette_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm; then the corners of a zoom
        QTest::addColumn<QString>("tempi");
        QTest::addColumn<QString>("velocita");
        const QLocale usa(QLocale::English, QLocale::UnitedStates);
        // Single-precision running sums: 0.2 + 0.25 and 0.4 + 0.25 fall just below 0.45 and 0.65.
        const QString v1 = "0@2.00 0,2@18.00 0,4@34.00 0,6@50.00 0,9@74.00";
        QTest::newRow("lontane") << Italiano << Lista{1.23456, 2, 1.3}
                                 << "1,2346@21.10 3,2346@56.90 4,4691@79.00"
                                 << "0@2.00 0,3@20.46 0,6@38.92 0,9@57.38 1,2@75.85";
        // Gaps between the last two labels below 2, between 2 and 4, between 4 and 6, exactly 2.
        QTest::newRow("gap 1") << usa << Lista{0.0512, 3.8976, 10} << "0.0512@0.02 3.95@76.00 4@80.00"
                               << "0@2.00 2.5@22.00 5@42.00 7.5@62.00 10@82.00";
        QTest::newRow("gap 3") << Italiano << Lista{0.15, 3.7, 1} << "0,15@2.00 3,85@74.50 4@79.50" << v1;
        QTest::newRow("gap 5") << Italiano << Lista{0.25, 3.5, 1} << "0,25@4.00 3,75@73.00 4@79.00" << v1;
        QTest::newRow("gap 2") << Italiano << Lista{0.1, 3.8, 1} << "0,1@1.00 3,9@77.00 4@79.00" << v1;
        // The last label moved inside the strip, the one before it moved clear of it; speed labels
        // wider than the designed strip widen it.
        QTest::newRow("lunga") << Italiano << Lista{30000, 63456.7, 1}
                               << "30000@18.44 93456,7@59.56 123456,7@78.24" << v1;
        QTest::newRow("Vm grande")
            << usa << Lista{1, 1, 123456789} << "1@25.67 2@52.33 3@79.00"
            << "0@2.00 3.08642E+07@22.00 6.17284E+07@42.00 9.259259E+07@62.00 1.234568E+08@82.00";
        QTest::newRow("nessun moto") << Italiano << Lista{0, 0, 0} << "0@-1.00 0@-3.00 0@0.00"
                                     << "0@2.00 2,5@22.00 5@42.00 7,5@62.00 10@82.00";
        // Zoomed (the rectangle drawn backwards): four decimals at the ticks, speeds at their height;
        // labels that would be cut by an edge move inside, those of ticks out of view go.
        QTest::newRow("zoom") << Italiano << Lista{0.0512, 3.8976, 1, 4.1, 0.3, 0.02, 1.04}
                              << "0,0512@0.39 3,9488@73.61 4@77.75"
                              << "0,3@19.11 0,5@29.82 0,7@41.75 0,9@53.67";
    }
    void etichette() {
        QFETCH(QLocale, locale);
        QFETCH(Lista, moto);
        QLocale::setDefault(locale);
        Banco b(moto[0], moto[1], moto[2]);
        b.Apri();
        if (moto.size() > 3)
            b.Zoom(moto[3], moto[4], moto[5], moto[6]);
        QVERIFY(b.G.BordoSinistro < b.G.BordoDestro && b.G.BordoInferiore < b.G.BordoSuperiore);
        QTEST(Etichette(b.finestra->PictValX(), true), "tempi");
        QTEST(Etichette(b.finestra->PictValY(), false), "velocita");
        for (const auto& t : b.finestra->PictValX().Testi())
            QCOMPARE(t.punto.y(), 8.0); // a fifth of the strip below its top edge
        for (const SuperficieDisegno* striscia : {&b.finestra->PictValX(), &b.finestra->PictValY()})
            for (const auto& t : striscia->Testi()) { // whole on its strip
                const QPointF p = striscia->InPixel(t.punto.x(), t.punto.y());
                QVERIFY2(p.x() > -0.01 && p.y() > -0.01 &&
                             p.x() + striscia->LarghezzaTesto(t.testo) < striscia->width() + 0.01,
                         qPrintable(t.testo));
            }
    }

    // T1 1, T2 2, Vm 1.3: the view spans -0.2 to 4.2 s and -0.065 to 1.365 m/sec; where the curve, the
    // axes and the dashed grid are, and where nothing is.
    void pixel() {
        Banco b(1, 2, 1.3);
        b.Apri();
        QCOMPARE((QList<float>{b.G.BordoSinistro, b.G.BordoSuperiore, b.G.BordoDestro, b.G.BordoInferiore}),
                 (QList<float>{-0.2f, 1.365f, 4.2f, -0.065f}));
        QCOMPARE(b.finestra->Picture1().Immagine().deviceIndependentSize(), QSizeF(800, 480));
        for (QPointF p : {QPointF(0.5, 0.65), QPointF(2, 1.3), QPointF(3.5, 0.65)}) // two pixels thick
            QVERIFY(Scuri(b, true, p.x(), p.y() - 0.01, p.y() + 0.01) >= 2);
        QCOMPARE(Scuri(b, true, 2, 0.05, 1.25), 0);
        QVERIFY(Scuri(b, false, 0, -0.19, 4.19) > 780); // time axis, edge to edge
        QVERIFY(Scuri(b, true, 0, -0.06, 1.36) > 470);  // speed axis
        b.Premi(QStringLiteral("Griglia"));
        for (double t : {1.0, 3.0, 4.0}) // dashed, from the top edge down to the time axis
            QVERIFY(qAbs(Scuri(b, true, t, 0.05, 1.2) - 200) < 100 && Scuri(b, true, t, -0.06, -0.02) == 0);
        for (double v : {0.3, 0.6, 0.9}) // from the speed axis to the right edge
            QVERIFY(qAbs(Scuri(b, false, v, 1.2, 2.8) - 200) < 100 && Scuri(b, false, v, -0.19, -0.02) == 0);
    }

    // The full view (curve, axes, grid) against its stored picture, pixel for pixel. The pictures of the
    // motions that fit in the list at 0.01 s are the drawing as it has always been; the long and the
    // extreme ones are drawn whole. VELANTRA_RIFERIMENTI=scrivi in the environment rewrites them
    // (tests/graph/riferimenti), to be looked at before they are committed.
    void curvaIntera_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<QSize>("piano");
        QTest::addColumn<bool>("griglia");
        QTest::newRow("esempio") << Lista{1, 2, 1.3} << QSize(800, 480) << false;
        QTest::newRow("490 s, griglia") << Lista{100, 290, 1} << QSize(1600, 1000) << true;
        QTest::newRow("salita ripida") << Lista{7, 470, 3} << QSize(800, 480) << false;
        QTest::newRow("T2 nullo") << Lista{200, 0, 2} << QSize(800, 480) << true;
        QTest::newRow("1e-6 s") << Lista{2.5e-7, 5e-7, 1} << QSize(800, 480) << false;
        QTest::newRow("1e6 s") << Lista{1e5, 8e5, 1} << QSize(800, 480) << false;
        QTest::newRow("1e12 s") << Lista{1e11, 8e11, 1e-3} << QSize(800, 480) << false;
        QTest::newRow("T1 trascurabile") << Lista{1e-300, 1, 1} << QSize(800, 480) << false;
    }
    void curvaIntera() {
        QFETCH(Lista, moto);
        QFETCH(QSize, piano);
        QFETCH(bool, griglia);
        Banco b(moto[0], moto[1], moto[2]);
        b.G.StatoDisegniGrafico = griglia ? Grafico::BitGriglia : 0;
        const QImage immagine = b.Apri(piano).Immagine().convertToFormat(QImage::Format_Grayscale8);
        const QString nome = QStringLiteral(VELANTRA_RIFERIMENTI_GRAFICO "/%1.png")
                                 .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        if (qgetenv("VELANTRA_RIFERIMENTI") == "scrivi")
            QVERIFY(immagine.save(nome));
        const QImage attesa = QImage(nome).convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(immagine.size(), attesa.size());
        int diversi = 0;
        for (int y = 0; y < attesa.height(); ++y)
            diversi += std::memcmp(immagine.constScanLine(y), attesa.constScanLine(y), attesa.width()) != 0;
        QCOMPARE(diversi, 0); // rows that differ
        QCOMPARE(b.Punti.X(b.Punti.NumeroElementi() - 1), 2 * moto[0] + moto[1]);
    }

    // In the main window the graph first fills the client area from its top-left corner, drawn once.
    void nellaFinestraPrincipale() {
        Banco b(1, 2, 1.3);
        QMdiArea area;
        area.resize(900, 640);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        auto* finestra = new frmGrafico(b.Punti, b.G, b.Moto);
        const QSignalSpy disegni(finestra, &frmGrafico::VistaDisegnata);
        QMdiSubWindow* sotto = area.addSubWindow(finestra);
        sotto->show();
        QCOMPARE(disegni.size(), 1); // at its size in the area, not at its designed size first
        QCOMPARE(sotto->geometry(), QRect(QPoint(0, 0), area.viewport()->size()));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico"));
        QCOMPARE(finestra->PictValX().Testi().size(), 3);
        QCOMPARE(finestra->Picture1().Immagine().deviceIndependentSize(),
                 QSizeF(finestra->Picture1().size()));
    }

    // Toolbar keys and gestures on the plot (clic, clic2, destro; clic3 under clic: a zoom without
    // width) and the state they leave.
    void stati_data() {
        QTest::addColumn<QString>("stato");
        QTest::newRow("AggiungiParticolari") << "/TZC";
        QTest::newRow("Tracciatore") << "C/TZC";
        QTest::newRow("Tracciatore Tracciatore") << "/TZC";
        QTest::newRow("Tracciatore Disegna") << "/TZC";
        QTest::newRow("Tracciatore Differenza") << "D/TZC+";
        QTest::newRow("Tracciatore Cancella") << "C/";
        QTest::newRow("ZoomArea clic") << "Z/TZC";
        QTest::newRow("ZoomArea clic clic2") << "V/TC";
        QTest::newRow("ZoomArea clic clic3") << "/TZC";
        QTest::newRow("ZoomArea clic Tracciatore") << "C/TZC";
        QTest::newRow("ZoomArea destro destro") << "Z/TZC";
        QTest::newRow("ZoomArea clic clic2 Griglia") << "V/TC";
        QTest::newRow("ZoomArea clic clic2 Disegna") << "/TZC";
        QTest::newRow("Differenza clic clic2") << "/TZC+";
        QTest::newRow("Differenza Differenza") << "/TZC";
        QTest::newRow("Differenza ZoomArea") << "Z/TZC+";
        QTest::newRow("Tracciatore Griglia") << "C/TZC";
        QTest::newRow("Differenza Griglia Cancella") << "D/";
    }
    void stati() {
        QFETCH(QString, stato);
        Banco b(1, 2, 1.3);
        b.Apri();
        for (const QString& gesto : QString(QTest::currentDataTag()).split(' ')) {
            if (gesto.startsWith(QLatin1String("clic")))
                b.Clicca(gesto == QLatin1String("clic2") ? 2.5 : 0.5,
                         gesto == QLatin1String("clic") ? 1.2 : 0.4);
            else if (gesto == QLatin1String("destro"))
                b.Clicca(1.5, 0.8, Qt::RightButton);
            else
                b.Premi(gesto);
        }
        QCOMPARE(b.Stato(), stato);
        QCOMPARE(b.finestra->Picture1().MouseAbilitato(), !stato.endsWith('/'));
        // The on/off tools show pressed exactly while on.
        const auto premuto = [&](const char* chiave) { return b.finestra->Pulsante(chiave)->isChecked(); };
        QCOMPARE((QList<bool>{premuto("Tracciatore"), premuto("Differenza"), premuto("Griglia")}),
                 (QList<bool>{b.G.Collimatore, b.G.CollimatoreDifferenza,
                              bool(b.G.StatoDisegniGrafico & Grafico::BitGriglia)}));
    }

    // Without a tool the readouts follow the mouse to three decimals; the collimator takes the speed
    // of the nearest sample; the difference snaps its first time, not its second, and subtracts.
    void letture() {
        Banco b(1, 2, 1.3);
        b.Apri();
        b.Muovi(2.7182818, 0.3141592);
        QCOMPARE(b.Caselle({"Text1", "Text2"}), "2,715 0,316");
        b.Premi(QStringLiteral("Tracciatore"));
        b.Muovi(0.8, 0.1);
        b.Muovi(1.5432, 0.1);
        QCOMPARE(b.Caselle({"Text1", "Text2"}), "1,538 1,3");
        // The cross follows the mouse over the graph, not into it.
        const QPoint sotto = b.Pixel(1.5432, -0.04), prima = b.Pixel(0.8, -0.04);
        QVERIFY(qGray(b.finestra->Picture1().grab().toImage().pixel(sotto)) < 128);
        QVERIFY(qGray(b.finestra->Picture1().grab().toImage().pixel(prima)) > 128);
        QVERIFY(qGray(b.finestra->Picture1().Immagine().pixel(sotto)) > 128);

        b.Premi(QStringLiteral("Differenza"));
        QCOMPARE(b.Caselle({"DiffX1", "DiffY2", "DiffY"}), "0 0 0");
        b.Muovi(1.2432, 0.9);
        b.Clicca(1.2432, 0.9);
        b.Muovi(0.5432, 0.2);
        QCOMPARE(b.Caselle({"DiffX1", "DiffY1", "DiffX2", "DiffY2", "DiffX", "DiffY"}),
                 "1,24 1,3 0,542 0,702 -0,698 -0,598");
        b.Clicca(0.5432, 0.2);
        const QImage immagine = b.finestra->Picture1().Immagine(); // both crosses stay
        QVERIFY(Conta(immagine, qRgb(255, 0, 0)) > 400 && Conta(immagine, qRgb(0, 255, 0)) > 400);

        // Past 500 s the collimator still reads the profile: 0.098 m/sec^2 down to 0 at 520 s.
        b.finestra.reset();
        Banco lungo(10, 500, 0.98);
        lungo.Apri();
        lungo.Premi(QStringLiteral("Tracciatore"));
        lungo.Muovi(515, 0.5);
        const double t = *LeggiValore(lungo.Caselle({"Text1"})), v = *LeggiValore(lungo.Caselle({"Text2"}));
        QVERIFY2(qAbs(t - 515) < 1 && qAbs(v - 0.098 * (520 - t)) < 0.002,
                 qPrintable(lungo.Caselle({"Text1", "Text2"})));
    }

    // "Cancella" blanks the graph and its readouts and stops the mouse; "Griglia" twice gives back the
    // same picture, full or zoomed; the zoom survives a resize and a new window; a new motion shows at
    // once, in full view with the tools off, and no motion leaves a blank window.
    void vista() {
        Banco b(1, 2, 1.3);
        SuperficieDisegno* piano = &b.Apri();
        const QImage intera = piano->Immagine();
        b.Muovi(1, 1);
        b.Premi(QStringLiteral("Cancella"));
        QCOMPARE(Conta(piano->Immagine(), qRgb(255, 255, 255)), 800 * 480);
        QVERIFY(b.finestra->PictValX().Testi().isEmpty() && b.finestra->PictValY().Testi().isEmpty());
        b.Muovi(1.5, 1); // the mouse is off
        QCOMPARE(b.Caselle({"Text1", "Text2"}), " ");
        b.Premi(QStringLiteral("Griglia"));
        b.Premi(QStringLiteral("Griglia"));
        QCOMPARE(piano->Immagine(), intera);

        b.Zoom(0.5, 1.2, 2.5, 0.4);
        const QImage zoom = piano->Immagine();
        b.Premi(QStringLiteral("Griglia"));
        b.Premi(QStringLiteral("Griglia"));
        QCOMPARE(piano->Immagine(), zoom);
        b.finestra->resize(900, 500);
        QTRY_COMPARE(piano->Immagine().deviceIndependentSize(), QSizeF(piano->size()));
        b.finestra.reset();
        piano = &b.Apri();
        QCOMPARE(b.Stato(), QStringLiteral("V/TC"));
        QCOMPARE(piano->Immagine(), zoom);

        b.Premi(QStringLiteral("Tracciatore"));
        b.Muovi(1, 1);
        b.Calcola(2, 1, 0.5);
        b.finestra->NuovoMoto();
        QCOMPARE(b.Stato(), QStringLiteral("/TZC"));
        QCOMPARE(Etichette(b.finestra->PictValX(), true), QStringLiteral("2@31.00 3@47.00 5@79.00"));
        QCOMPARE(b.Caselle({"Text1", "Text2"}), " ");
        b.Punti.Vuota();
        b.finestra->NuovoMoto();
        QCOMPARE(b.Stato(), QStringLiteral("/"));
        QCOMPARE(Conta(piano->Immagine(), qRgb(255, 255, 255)), 800 * 480);
    }

    // A view whose scales cannot be drawn (0, or beyond single precision) says why on the plot and
    // leaves every tool without a number to show; the full view comes back with "Disegna".
    void nonDisegnabile_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm; then the corners of a zoom
        QTest::newRow("Vm enorme") << Lista{1, 1, 1e39};
        QTest::newRow("Vm minima") << Lista{1, 1, 1e-38};
        QTest::newRow("tempi minimi") << Lista{1e-300, 1e-300, 1};
        QTest::newRow("zoom troppo fine") << Lista{2e-37, 0, 1, 0, 0.9, 4e-38, 0.1};
    }
    void nonDisegnabile() {
        QFETCH(Lista, moto);
        Banco b(moto[0], moto[1], moto[2]);
        b.Apri();
        if (moto.size() > 3)
            b.Zoom(moto[3], moto[4], moto[5], moto[6]);
        for (const char* gesto : {"Tracciatore", "Differenza", "Griglia", "ZoomArea"})
            b.Premi(QLatin1String(gesto));
        QTest::mouseMove(&b.finestra->Picture1(), QPoint(400, 240));
        QTest::mouseClick(&b.finestra->Picture1(), Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(b.Stato(), QStringLiteral("%1/C").arg(moto.size() > 3 ? "V" : ""));
        QCOMPARE(b.Caselle({"Text1", "Text2", "DiffX", "DiffY"}), "   ");
        QCOMPARE(b.finestra->Picture1().Testi().size(), 1);
        QCOMPARE(b.finestra->Picture1().Testi().first().testo, frmGrafico::FraseNonDisegnabile);
        QVERIFY(b.finestra->PictValX().Testi().isEmpty() && b.finestra->PictValY().Testi().isEmpty());
        b.Premi(QStringLiteral("Disegna"));
        QCOMPARE(b.finestra->PictValX().Testi().isEmpty(), moto.size() == 3);
    }

    // Painted stretched three times along a strip, as on the printed page, the labels keep their shape:
    // about as much ink as on screen, not three times as much.
    void stampa() {
        Banco b(1.23456, 2, 1.3);
        b.Apri();
        for (const SuperficieDisegno* s : {&b.finestra->PictValX(), &b.finestra->PictValY()}) {
            const QSize m = s->Misura().toSize();
            const QSize stirata =
                m.width() > m.height() ? QSize(3 * m.width(), m.height()) : QSize(m.width(), 3 * m.height());
            QImage carta(stirata, QImage::Format_RGB32);
            QPainter pittore(&carta);
            s->DisegnaIn(pittore, carta.rect());
            pittore.end();
            const double rapporto =
                double(Conta(carta, 0, carta.rect())) / Conta(s->Immagine(), 0, QRect({}, m));
            QVERIFY2(rapporto > 0.8 && rapporto < 1.25, qPrintable(QString::number(rapporto)));
        }
    }

    void barraDegliStrumenti() {
        Banco b(1, 2, 1.3);
        b.Apri();
        auto* barra = b.finestra->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QStringList trovati;
        for (QAction* a : barra->actions()) {
            trovati << a->objectName() + ':' + a->toolTip();
            QVERIFY(!a->icon().pixmap(16, 16).isNull());
            QCOMPARE(barra->widgetForAction(a)->accessibleName(), a->toolTip());
        }
        QCOMPARE(trovati,
                 (QStringList{"Cancella:Cancella grafico", "Tracciatore:Abilita/disabilita il collimatore",
                              "Disegna:Disegna in scala 1:1", "ZoomArea:Zoom",
                              "AggiungiParticolari:Aggiiungi particolari al grafico",
                              "Differenza:Differenza tra 2 punti", "Griglia:Aggiungi / togli griglia"}));
        for (QLineEdit* casella : b.finestra->findChildren<QLineEdit*>())
            QVERIFY2(!casella->accessibleName().isEmpty(), qPrintable(casella->objectName()));
    }
};

REGISTRA_COLLAUDO(TstGrafico);
#include "tst_Grafico.moc"
