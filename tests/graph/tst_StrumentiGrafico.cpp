#include "BancoGrafico.h"
#include "Collaudo.h"

#include <QToolBar>

namespace {

// Tool flags as letters (C collimator, Z zoom rectangle, D difference, V zoomed view), then the
// enabled graph buttons (T Tracciatore, Z ZoomArea, C Cancella), then "+" when the difference
// readouts are shown.
QString Stato(BancoGrafico& b) {
    const Grafico& g = b.GraficoCorrente;
    QString s = QString(g.Collimatore ? "C" : "") + (g.ZoomRettangolo ? "Z" : "") +
                (g.CollimatoreDifferenza ? "D" : "") + (g.GraficoZoomato ? "V" : "") + QLatin1Char('/');
    s += QString(b.Abilitato("Tracciatore") ? "T" : "") + (b.Abilitato("ZoomArea") ? "Z" : "") +
         (b.Abilitato("Cancella") ? "C" : "");
    return s + (b.finestra->findChild<QLineEdit*>(QStringLiteral("DiffX"))->isVisible() ? "+" : "");
}

int Pixel(const QImage& immagine, QRgb colore) {
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            n += immagine.pixel(x, y) == colore;
    return n;
}

} // namespace

class TstStrumentiGrafico : public QObject {
    Q_OBJECT
private slots:
    void stati_data() {
        QTest::addColumn<QString>("gesti"); // toolbar keys; "clic", "clic2", "destro" on the plot
        QTest::addColumn<QString>("stato");
        QTest::newRow("aperta") << ""
                                << "/TZC";
        QTest::newRow("collimatore") << "Tracciatore"
                                     << "C/TZC";
        QTest::newRow("collimatore spento") << "Tracciatore Tracciatore"
                                            << "/TZC";
        QTest::newRow("collimatore, Disegna") << "Tracciatore Disegna"
                                              << "/TZC";
        QTest::newRow("collimatore, differenza") << "Tracciatore Differenza"
                                                 << "D/TZC+";
        QTest::newRow("zoom, primo clic") << "ZoomArea clic"
                                          << "Z/TZC";
        QTest::newRow("zoom completo") << "ZoomArea clic clic2"
                                       << "V/TC";
        QTest::newRow("zoom, collimatore") << "ZoomArea clic Tracciatore"
                                           << "C/TZC";
        QTest::newRow("zoom, tasto destro") << "ZoomArea destro destro"
                                            << "Z/TZC";
        QTest::newRow("differenza completa") << "Differenza clic clic2"
                                             << "/TZC+";
        QTest::newRow("differenza spenta") << "Differenza Differenza"
                                           << "/TZC";
        QTest::newRow("differenza, zoom") << "Differenza ZoomArea"
                                          << "Z/TZC+";
        QTest::newRow("Cancella lascia il collimatore") << "Tracciatore Cancella"
                                                        << "C/";
        QTest::newRow("Griglia lascia il collimatore") << "Tracciatore Griglia"
                                                       << "C/TZC";
        QTest::newRow("Griglia sullo zoom") << "ZoomArea clic clic2 Griglia"
                                            << "V/TC";
        QTest::newRow("Disegna dopo lo zoom") << "ZoomArea clic clic2 Disegna"
                                              << "/TZC";
        QTest::newRow("Differenza dopo Cancella") << "Cancella Differenza"
                                                  << "D/TZC+";
        QTest::newRow("AggiungiParticolari") << "Tracciatore AggiungiParticolari"
                                             << "C/TZC";
    }
    void stati() {
        QFETCH(QString, gesti);
        QFETCH(QString, stato);
        BancoGrafico b(1, 2, 1.3);
        b.Apri();
        for (const QString& gesto : gesti.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (gesto == QLatin1String("clic"))
                b.Clicca(0.5, 1.2);
            else if (gesto == QLatin1String("clic2"))
                b.Clicca(2.5, 0.4);
            else if (gesto == QLatin1String("destro"))
                b.Clicca(1.5, 0.8, Qt::RightButton);
            else
                b.Premi(gesto);
        }
        QCOMPARE(Stato(b), stato);
        QCOMPARE(b.finestra->Picture1().MouseAbilitato(), !stato.endsWith(QLatin1Char('/')));
    }

    // Without a tool the readouts follow the mouse; the collimator snaps the speed to the nearest
    // sample (0.01 s apart); the difference snaps its first time, not its second, and subtracts.
    void letture_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("italiano") << QLocale(QLocale::Italian, QLocale::Italy);
        QTest::newRow("americano") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void letture() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        BancoGrafico b(1, 2, 1.3);
        b.Apri();
        b.Muovi(2.7182818, 0.3141592);
        QVERIFY2(qAbs(b.Valore("Text1") - 2.718) < 0.006, qPrintable(b.Casella("Text1"))); // within a pixel
        QVERIFY2(qAbs(b.Valore("Text2") - 0.314) < 0.003, qPrintable(b.Casella("Text2")));
        QVERIFY(b.Casella("Text1").indexOf(locale.decimalPoint()) >= b.Casella("Text1").size() - 4);

        b.Premi(QStringLiteral("Tracciatore"));
        b.Muovi(0.4449, 0.1);
        const double t = b.Valore("Text1");
        QVERIFY(qAbs(t - 0.4449) < 0.006 && t != std::round(t * 100) / 100);
        QCOMPARE(b.Valore("Text2"), ArrotondaPari(1.3 * std::round(t * 100) / 100, 3));
        const QPoint sotto = b.Pixel(0.4449, -0.04); // the cross is drawn over the graph, not into it
        QVERIFY(qGray(b.finestra->Picture1().grab().toImage().pixel(sotto)) < 128);
        QVERIFY(qGray(b.finestra->Picture1().Immagine().pixel(sotto)) > 128);

        b.Premi(QStringLiteral("Differenza"));
        QCOMPARE(b.Casella("DiffX1") + b.Casella("DiffY2") + b.Casella("DiffY"), QStringLiteral("000"));
        b.Muovi(0.4567, 0.9);
        const double x1 = b.Valore("DiffX1");
        QCOMPARE(x1, std::round(x1 * 100) / 100);
        b.Clicca(0.4567, 0.9);
        b.Muovi(2.5432, 0.2);
        const double x2 = b.Valore("DiffX2");
        QVERIFY(qAbs(x2 - 2.5432) < 0.006 && x2 != std::round(x2 * 100) / 100);
        QCOMPARE(b.Valore("DiffY2"), 1.3);
        QCOMPARE(b.Valore("DiffX"), x2 - x1);
        QCOMPARE(b.Valore("DiffY"), 1.3 - b.Valore("DiffY1"));
        b.Clicca(2.5432, 0.2);
        const QImage immagine = b.finestra->Picture1().Immagine(); // both crosses stay
        QVERIFY(Pixel(immagine, qRgb(255, 0, 0)) > 400 && Pixel(immagine, qRgb(0, 255, 0)) > 400);
    }

    // "Cancella" blanks the graph; "Griglia" twice gives back the same picture, full or zoomed; the
    // zoom survives a resize and a new window; a new calculation shows at the next drawing.
    void vista() {
        BancoGrafico b(1, 2, 1.3);
        SuperficieDisegno* piano = &b.Apri();
        const QImage intera = piano->Immagine();
        b.Premi(QStringLiteral("Cancella"));
        QCOMPARE(Pixel(piano->Immagine(), qRgb(255, 255, 255)), 800 * 480);
        QVERIFY(b.finestra->PictValX().Testi().isEmpty() && b.finestra->PictValY().Testi().isEmpty());
        b.Premi(QStringLiteral("Griglia"));
        b.Premi(QStringLiteral("Griglia"));
        QCOMPARE(piano->Immagine(), intera);

        b.Zoom(0.5, 1.2, 2.5, 0.4);
        const Grafico zoomato = b.GraficoCorrente;
        const QImage zoom = piano->Immagine();
        b.Premi(QStringLiteral("Griglia"));
        b.Premi(QStringLiteral("Griglia"));
        QCOMPARE(piano->Immagine(), zoom);
        b.finestra->resize(900, 500);
        QTRY_COMPARE(piano->Immagine().deviceIndependentSize(), QSizeF(piano->size()));
        b.finestra.reset();
        piano = &b.Apri();
        QCOMPARE(Stato(b), QStringLiteral("V/TC"));
        QCOMPARE((QList<float>{b.GraficoCorrente.BordoSinistro, b.GraficoCorrente.BordoInferiore}),
                 (QList<float>{zoomato.BordoSinistro, zoomato.BordoInferiore}));
        QCOMPARE(piano->Immagine(), zoom);

        b.Calcola(2, 1, 0.5);
        QCOMPARE(piano->Immagine(), zoom);
        b.Premi(QStringLiteral("Disegna"));
        QCOMPARE(b.finestra->PictValX().Testi().last().testo, QStringLiteral("5"));
    }

    // A rectangle without width or height leaves the view as it was and the tool idle.
    void zoomSenzaArea_data() {
        QTest::addColumn<QPointF>("secondo");
        QTest::newRow("stesso punto") << QPointF(1.5, 0.7);
        QTest::newRow("larghezza nulla") << QPointF(1.5, 0.2);
    }
    void zoomSenzaArea() {
        QFETCH(QPointF, secondo);
        BancoGrafico b(1, 2, 1.3);
        const QImage prima = b.Apri().Immagine();
        b.Zoom(1.5, 0.7, secondo.x(), secondo.y());
        b.Clicca(0.5, 0.5);
        QCOMPARE(Stato(b), QStringLiteral("/TZC"));
        QCOMPARE(b.finestra->Picture1().grab().toImage().convertToFormat(prima.format()), prima);
    }

    void barraDegliStrumenti() {
        BancoGrafico b(1, 2, 1.3);
        b.Apri();
        const QStringList attesi{"Cancella:Cancella grafico",
                                 "Tracciatore:Abilita/disabilita il collimatore",
                                 "Disegna:Disegna in scala 1:1",
                                 "ZoomArea:Zoom",
                                 "AggiungiParticolari:Aggiiungi particolari al grafico",
                                 "Differenza:Differenza tra 2 punti",
                                 "Griglia:Aggiungi / togli griglia"};
        auto* barra = b.finestra->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QStringList trovati;
        for (QAction* a : barra->actions()) {
            trovati << a->objectName() + QLatin1Char(':') + a->toolTip();
            QVERIFY(!a->icon().pixmap(16, 16).isNull());
            QCOMPARE(barra->widgetForAction(a)->accessibleName(), a->toolTip());
        }
        QCOMPARE(trovati, attesi);
        for (QLineEdit* casella : b.finestra->findChildren<QLineEdit*>())
            QVERIFY2(!casella->accessibleName().isEmpty(), qPrintable(casella->objectName()));
    }
};

REGISTRA_COLLAUDO(TstStrumentiGrafico);
#include "tst_StrumentiGrafico.moc"
