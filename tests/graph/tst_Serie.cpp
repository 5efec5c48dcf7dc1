#include "BancoGrafico.h"
#include "Collaudo.h"
#include "GraficoSerie.h"
#include "NumeriRegionali.h"
#include "PianoSerie.h"

#include <numbers>

namespace {

// Four laws' speeds over a second, 2000 points each, named in the legend; or two torques against the
// ratio up to 22, the optimum labelled and marked with the ratio in use, reference lines at a torque above
// the data, at a ratio in view and at one beyond the range.
GraficoSerie Piano(bool leggi) {
    GraficoSerie g{.x = {.nome = leggi ? "t [sec]" : "i"}, .y = {.nome = leggi ? "v(t) [m/sec]" : "C [N·m]"}};
    for (int k = 0; k < (leggi ? 4 : 2); ++k) {
        QPolygonF punti;
        for (int i = 0; i < 2000; ++i) {
            const double x = leggi ? i / 1999.0 : 0.5 + i / 100.0;
            punti << QPointF(x, leggi ? (1 - std::cos(2 * std::numbers::pi * x)) * (1 + k / 10.0)
                                      : (1 + k) / x + x / 20);
        }
        g.serie.push_back({.nome = QStringLiteral("Legge di moto %1").arg(k),
                           .punti = punti,
                           .stile = Qt::PenStyle(k + 1)});
    }
    if (!leggi) {
        g.x.a = 22;
        g.x.valori = {3.7143};
        g.punti = {{.valore = {3.7143, 0.5}, .testo = "ottimo"},
                   {.valore = {5, 0.45}, .testo = "attuale"},
                   {.valore = {30, 0.4}, .testo = "oltre"}};
        g.riferimenti = {{.valore = 5, .testo = "Cmax"},
                         {.verticale = true, .valore = 15, .testo = "imax"},
                         {.verticale = true, .valore = 30, .testo = "oltre"}};
    }
    return g;
}

} // namespace

// A plot of series on the graph's model: readable at any size, its marks where their values map, its
// jumps upright, its picture copied and asked for as the graph's is.
class TstSerie : public QObject {
    Q_OBJECT
private slots:
    // Each plot at three sizes: 3 to 10 labels an axis, none alike, each in its strip; no two texts
    // touching (labels, names, the legend, the marks' texts); a legend entry for each series.
    void etichette_data() {
        QTest::addColumn<bool>("leggi");
        QTest::addColumn<QSize>("misura");
        for (const bool leggi : {true, false})
            for (const QSize misura : {QSize(1600, 1000), QSize(640, 400), QSize(300, 200)})
                QTest::addRow("%s %dx%d", leggi ? "leggi" : "rapporto", misura.width(), misura.height())
                    << leggi << misura;
    }
    void etichette() {
        QFETCH(bool, leggi);
        QFETCH(QSize, misura);
        const DisposizioneGrafico d = DisponiSerie(Piano(leggi), SpazioImmagine(misura), CarattereGrafico());
        QVERIFY(d.disegnata);
        QCOMPARE(EtichetteIlleggibili(d), QString());
        QCOMPARE(d.Testi(RuoloTesto::Legenda).size(), Piano(leggi).serie.size());
    }
    // The ratio plot's marks at three sizes: a value asked for among the labels; each reference line
    // across the plot where its value maps, a marked point where its values do, their texts inside the
    // plot where they have room, clear of the marks; a line beyond the data widens the range, a line or
    // a point beyond a range given is not drawn.
    void marche_data() {
        QTest::addColumn<QSize>("misura");
        for (const QSize misura : {QSize(1600, 1000), QSize(640, 400), QSize(300, 200)})
            QTest::addRow("%dx%d", misura.width(), misura.height()) << misura;
    }
    void marche() {
        QFETCH(QSize, misura);
        const DisposizioneGrafico d = DisponiSerie(Piano(false), SpazioImmagine(misura), CarattereGrafico());
        QVERIFY(TestiAsse(d, RuoloTesto::Ascissa).split(' ').contains("3,7143"));
        const QRectF area = d.cornice.area;
        const auto linee = d.Linee(RuoloLinea::Riferimento);
        QCOMPARE(linee.size(), size_t(2));
        QCOMPARE(linee[0].punti.boundingRect(), QRectF(area.left(), d.InUnita(0, 5).y(), area.width(), 0));
        QCOMPARE(linee[1].punti.boundingRect(), QRectF(d.InUnita(15, 0).x(), area.top(), 0, area.height()));
        const auto segni = d.Linee(RuoloLinea::Punto);
        QCOMPARE(segni.size(), size_t(2));
        QCOMPARE(segni[0].punti.boundingRect().center(), d.InUnita(3.7143, 0.5));
        for (const RuoloTesto ruolo : {RuoloTesto::Riferimento, RuoloTesto::Punto})
            for (const TestoGrafico& t : d.Testi(ruolo))
                QVERIFY2(area.contains(t.posto) &&
                             std::none_of(segni.begin(), segni.end(),
                                          [&](const LineaGrafico& l) {
                                              return l.punti.boundingRect().intersects(t.posto);
                                          }),
                         qPrintable(t.testo));
        const size_t testi = d.Testi(RuoloTesto::Riferimento).size() + d.Testi(RuoloTesto::Punto).size();
        QVERIFY(testi == 4 || misura.width() < 640); // a small plot may leave a point's text no room
    }

    // A point's text takes the first free place beside it, in the plot and clear of the lines: above
    // right, below right, above left, below left.
    void postoDelTesto_data() {
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<QString>("posto");
        QTest::newRow("in mezzo") << QPointF(5, 5) << "sopra a destra";
        QTest::newRow("in alto") << QPointF(5, 10) << "sotto a destra";
        QTest::newRow("a destra") << QPointF(10, 5) << "sopra a sinistra";
        QTest::newRow("in alto a destra") << QPointF(10, 10) << "sotto a sinistra";
    }
    void postoDelTesto() {
        QFETCH(QPointF, punto);
        GraficoSerie g{
            .x = {.da = 0, .a = 10}, .y = {.da = 0, .a = 10}, .serie = {{.punti = {{0, 0}, {10, 0}}}}};
        g.punti = {{.valore = punto, .testo = QStringLiteral("ottimo")}};
        const DisposizioneGrafico d = DisponiSerie(g, QRectF(0, 0, 640, 400), CarattereGrafico());
        const QRectF t = d.Testi(RuoloTesto::Punto).at(0).posto;
        const QPointF c = d.InUnita(punto.x(), punto.y());
        QTEST(QString(t.bottom() <= c.y() ? "sopra" : "sotto") +
                  (t.left() >= c.x() ? " a destra" : " a sinistra"),
              "posto");
    }

    // A jump, two points at one x, is drawn upright, through few points or many to a pixel; a point not
    // finite breaks the line there.
    void salto_data() {
        QTest::addColumn<QPolygonF>("punti");
        QTest::addColumn<QString>("atteso");
        QPolygonF denso;
        for (int i = 0; i <= 20000; ++i)
            denso << QPointF(i / 10000.0, i <= 10000 ? 1 : -1);
        denso.insert(10001, QPointF(1, -1));
        QTest::newRow("pochi punti") << QPolygonF{{0, 1}, {1, 1}, {1, -1}, {2, -1}} << "salto";
        QTest::newRow("20000 punti") << denso << "salto";
        QTest::newRow("interrotta") << QPolygonF{{0, 1}, {1, 1}, {qQNaN(), 0}, {1, -1}, {2, -1}}
                                    << "interrotta";
    }
    void salto() {
        QFETCH(QPolygonF, punti);
        const DisposizioneGrafico d =
            DisponiSerie({.serie = {{.punti = punti}}}, QRectF(0, 0, 800, 500), CarattereGrafico());
        const QPointF sopra = d.InUnita(1, 1), sotto = d.InUnita(1, -1);
        QString visto = "interrotta";
        for (const LineaGrafico& l : d.Linee(RuoloLinea::Serie))
            for (qsizetype i = 1; i < l.punti.size(); ++i) {
                const QPointF a = l.punti[i - 1], b = l.punti[i];
                if (std::min(a.y(), b.y()) <= sopra.y() + 1 && std::max(a.y(), b.y()) >= sotto.y() - 1)
                    visto = std::abs(a.x() - sopra.x()) <= 1 && std::abs(b.x() - sopra.x()) <= 1 ? "salto"
                                                                                                 : "pendenza";
            }
        QTEST(visto, "atteso");
    }

    // The menu key opens the plot's menu; "Copia" puts the picture on the clipboard at the plot's size,
    // "Esporta immagine..." asks for the picture at that size.
    void menu() {
        PianoSerie piano;
        piano.Mostra(Piano(false));
        piano.resize(400, 250);
        piano.show();
        piano.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&piano));
        piano.setFocus();
        QTest::keyClick(&piano, Qt::Key_Menu);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList voci;
        for (const QAction* a : menu->actions())
            voci << a->text() + '\t' + a->shortcut().toString();
        QCOMPARE(voci, (QStringList{"Copia\tCtrl+C", "Esporta immagine...\tCtrl+E"}));
        menu->close();
        QTest::keyClick(&piano, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(400, 250));
        std::optional<RichiestaImmagine> chiesta;
        connect(&piano, &PianoSerie::EsportaImmagineRichiesta, this,
                [&](const RichiestaImmagine& r) { chiesta = r; });
        QTest::keyClick(&piano, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(chiesta && chiesta->fonte == &piano && chiesta->misura == QSize(400, 250) &&
                chiesta->grafico(chiesta->misura).disegnata);
        QKeyEvent altro(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier); // other keys go on to the window
        QVERIFY(!QApplication::sendEvent(&piano, &altro) || !altro.isAccepted());
        const auto suggerito = [&](QPointF p) { // the tooltip: the whole value under the mouse
            QHelpEvent aiuto(QEvent::ToolTip, p.toPoint(), piano.mapToGlobal(p.toPoint()));
            QApplication::sendEvent(&piano, &aiuto);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const TestoGrafico etichetta = piano.Disposizione().Testi(RuoloTesto::Ordinata).front();
        QCOMPARE(suggerito(piano.Disposizione().cornice.area.center()),
                 QString()); // first: nothing shown before
        QCOMPARE(suggerito(etichetta.posto.center()), TestoValore(etichetta.valore));
    }
};

REGISTRA_COLLAUDO(TstSerie);
#include "tst_Serie.moc"
