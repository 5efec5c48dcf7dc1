#include "Campionamento.h"
#include "Collaudo.h"
#include "FunzioniGrafico.h"
#include "Grafico.h"
#include "SuperficieDisegno.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

using Lista = QList<double>;

// Compares a picture, in grey levels, with its reference tests/graph/riferimenti/<nome>.png pixel for
// pixel; one that differs is left in the working folder as <nome>.ottenuta.png.
// VELANTRA_RIFERIMENTI=scrivi in the environment rewrites the reference instead, where `proprio` says
// it is this picture's own (other rows only compare with it).
void Confronta(const QImage& immagine, QString nome, bool proprio = true) {
    nome.replace(' ', '_');
    const QString percorso = QStringLiteral(VELANTRA_RIFERIMENTI_GRAFICO "/%1.png").arg(nome);
    const QImage ottenuta = immagine.convertToFormat(QImage::Format_Grayscale8);
    if (proprio && qgetenv("VELANTRA_RIFERIMENTI") == "scrivi")
        QVERIFY(ottenuta.save(percorso));
    const QImage attesa = QImage(percorso).convertToFormat(QImage::Format_Grayscale8);
    if (attesa != ottenuta)
        ottenuta.save(nome + QStringLiteral(".ottenuta.png"));
    QVERIFY2(attesa == ottenuta, qPrintable(nome));
}

// A graph window over program objects of its own, with a plot of 800 x 480 pixels, and the gestures a
// user makes on it.
struct Banco {
    Velantra Moto;
    XYPoli Punti;
    Grafico G;
    std::unique_ptr<frmGrafico> finestra;
    QPoint mouse;

    explicit Banco(const Lista& m) { Calcola(m[0], m[1], m[2]); }
    void Calcola(double T1, double T2, double Vm) {
        Moto = {.T1 = T1, .T2 = T2, .Vm = Vm};
        Punti.Vuota();
        CampionaVelocita(Punti, Moto, G.StepTempo);
    }
    void Apri() {
        finestra = std::make_unique<frmGrafico>(Punti, G, Moto);
        QCursor::setPos(5000, 5000); // off the buttons it would light
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        Misura({800, 480});
    }
    void Misura(QSize piano) {
        for (int i = 0; i < 3 && finestra->Picture1().size() != piano; ++i) // strips may widen once drawn
            finestra->resize(finestra->size() + piano - finestra->Picture1().size());
    }
    void Premi(const char* chiave) { finestra->Pulsante(QLatin1String(chiave))->trigger(); }
    // Gestures: a toolbar key, "t;v" to move the mouse there (graph units), "clic" or "destro" where it
    // is, "WxH" for a plot of that size, "nuova" for a new window, "moto" for a new motion (T1 2, T2 1,
    // Vm 0.5) and "vuoto" for none.
    void Gesti(const QString& gesti) {
        for (const QString& g : gesti.split(' ', Qt::SkipEmptyParts)) {
            if (g.contains(';')) { // a move onto the pointer itself would not be delivered
                const QPointF p = finestra->Picture1().InPixel(G.ScalaX * g.section(';', 0, 0).toDouble(),
                                                               G.ScalaY * g.section(';', 1).toDouble());
                mouse = QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
                QTest::mouseMove(&finestra->Picture1(), mouse + QPoint(1, 1));
                QTest::mouseMove(&finestra->Picture1(), mouse);
            } else if (g == QLatin1String("clic") || g == QLatin1String("destro")) {
                QTest::mouseClick(&finestra->Picture1(),
                                  g == QLatin1String("clic") ? Qt::LeftButton : Qt::RightButton, {}, mouse);
            } else if (g.contains('x')) {
                Misura(QSize(g.section('x', 0, 0).toInt(), g.section('x', 1).toInt()));
            } else if (g == QLatin1String("nuova")) {
                finestra.reset();
                Apri();
            } else if (g == QLatin1String("moto") || g == QLatin1String("vuoto")) {
                Calcola(2, 1, g == QLatin1String("moto") ? 0.5 : 0);
                finestra->NuovoMoto();
            } else {
                Premi(qPrintable(g));
            }
        }
    }

    // The tool flags (C collimator, Z zoom rectangle, D difference, V zoomed view), "/", the enabled
    // buttons (T Tracciatore, Z ZoomArea, C Cancella), "+" when the difference readouts show; then the
    // readouts X, Y, s, a, X1, Y1, X2, Y2, DX, DY, DS up to the last one not empty.
    QString Stato() const {
        QString s = QString(G.Collimatore ? "C" : "") + (G.ZoomRettangolo ? "Z" : "") +
                    (G.CollimatoreDifferenza ? "D" : "") + (G.GraficoZoomato ? "V" : "") + "/";
        for (const char* c : {"Tracciatore", "ZoomArea", "Cancella"})
            s += finestra->Pulsante(QLatin1String(c))->isEnabled() ? QString(QLatin1Char(c[0])) : "";
        s += finestra->findChild<QLineEdit*>("DiffX")->isVisible() ? "+ " : " ";
        for (const char* nome : {"Text1", "Text2", "Text3", "Text4", "DiffX1", "DiffY1", "DiffX2", "DiffY2",
                                 "DiffX", "DiffY", "DiffS"})
            s += finestra->findChild<QLineEdit*>(nome)->text() + '|';
        while (s.endsWith('|') || s.endsWith(' '))
            s.chop(1);
        return s;
    }
};

} // namespace

// The point list, the sampled curve, its data out and the drawing surface; the graph window: curve,
// labels, details, view and tools as the user sees them.
class TstGrafico : public QObject {
    Q_OBJECT
private slots:
    // The sample nearest a time (the first of equally near ones) and the extremes of the list, each at
    // the first index that has it.
    void lista_data() {
        QTest::addColumn<Lista>("xy"); // X and Y of each point in turn
        QTest::addColumn<double>("cercato");
        QTest::addColumn<QString>("atteso"); // X and Y found; largest X, Y, smallest X, Y, each @ its index
        const Lista tre{0, 10, 1, 11, 2, 12};
        QTest::newRow("lista vuota") << Lista{} << 0.7 << "0 0 0@0 0@0 0@0 0@0";
        QTest::newRow("pari distanza: il primo") << tre << 0.5 << "0 10 2@2 12@2 0@0 10@0";
        QTest::newRow("oltre la fine") << tre << 7.0 << "2 12 2@2 12@2 0@0 10@0";
        QTest::newRow("non ordinata")
            << Lista{2, 10, 0, 11, 1, 12, 0.2, 13} << 0.15 << "0.2 13 2@0 13@3 0@1 10@0";
        QTest::newRow("doppioni: il primo")
            << Lista{3, -1, -2, 5, 3, 5, -2, -1} << 2.0 << "3 -1 3@0 5@1 -2@1 -1@0";
    }
    void lista() {
        QFETCH(Lista, xy);
        QFETCH(double, cercato);
        XYPoli punti;
        for (int i = 0; i + 1 < xy.size(); i += 2)
            punti.Add(xy[i], xy[i + 1], 0);
        const auto testo = [](std::array<int32_t, 4> i, std::array<double, 4> v) {
            QStringList t;
            for (int k = 0; k < 4; ++k)
                t << QString::number(v[k]) + '@' + QString::number(i[k]);
            return t.join(' ');
        };
        std::array<int32_t, 4> i{};
        std::array<double, 4> v{};
        CercaMassimi(punti, i[0], i[1], v[0], v[1]);
        CercaMinimi(punti, i[2], i[3], v[2], v[3]);
        const double y = punti.YsuX(cercato);
        QTEST(QStringLiteral("%1 %2 ").arg(cercato).arg(y) + testo(i, v), "atteso");
    }

    // Slots 0 to 50,000 exist and read 0 when unused; a full list drops further points.
    void limiti() {
        XYPoli punti;
        for (int i = 0; i <= 50000; ++i)
            punti.Add(i, -i, 1);
        punti.RimuoviUltimo();
        QCOMPARE(punti.NumeroElementi(), 49999);
        QCOMPARE(punti.X(49999) + punti.Y(50000) + punti.P(50000), 0.0);
        for (int i : {-1, 50001})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.Y(i));
        punti.Vuota();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.RimuoviUltimo());
        QCOMPARE(punti.NumeroElementi() + punti.P(0), 0.0);
        // Closing a curve drops the speeds at its end below 0 or unknown.
        for (double y : {1.0, -1.0, qQNaN()})
            punti.Add(y, y, 0);
        ChiudiCurvaVelocita(punti, 5);
        QCOMPARE(QPointF(punti.NumeroElementi(), punti.X(1)), QPointF(2, 5));
    }

    // Count 0: no motion. Otherwise the whole curve, however long: forward in time within 0 and Vm,
    // ending exactly at (2*T1 + T2, 0); a motion that fits at the 0.01 s step keeps it, a longer one
    // takes the smallest step that holds it (the sample checked shows which).
    void campioni_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<int>("numero");
        QTest::addColumn<Lista>("punto"); // index, X, Y
        const double passo = 0.01f;
        const auto riga = [](const char* nome, const Lista& moto, int numero, const Lista& punto = {}) {
            QTest::newRow(nome) << moto << numero << punto;
        };
        // The single-precision step leaves the 51st sample of the rise just short of T1.
        riga("passo singolo", {0.5, 1, 1}, 204, {50, 0.49999998882, 0.99999997765});
        riga("valori qualsiasi", {0.123, 0.777, 2.5}, 105);
        riga("T2 nullo", {0.5, 0, 1}, 104);
        riga("campione sulla fine", {passo, 0, 1}, 6, {4, 2 * passo, 0});
        riga("salita sotto un passo", {0.001, 0, 1}, 4);
        riga("lenta e lunga", {120, 200, 0.01}, 44004);
        riga("piena al passo", {0.5, 498.96, 1}, 50000, {1, passo, 2 * passo});
        riga("un campione oltre", {0.5, 498.97, 1}, 49998, {1, 499.97 / 49996, 2 * 499.97 / 49996});
        riga("520 s", {10, 500, 0.98}, 49999, {1, 520.0 / 49996, 0.098 * 520 / 49996});
        riga("10^-6 s", {2.5e-7, 5e-7, 1}, 4, {2, 7.5e-7, 1});
        riga("T1 negativo", {-0.5, 1, 1}, 0);
        riga("Vm nulla", {0.5, 1, 0}, 0);
        riga("T2 non definito", {0.5, qQNaN(), 1}, 0);
        // Phases too short to tell apart from the rest: a rectangle with vertical edges.
        riga("T1 trascurabile", {1e-300, 1, 1}, 104, {102, 1, 1});
        riga("regime di 10^12 s", {0.5, 1e12, 1}, 49999, {2, 0.5 + (1e12 + 1) / 49996, 1});
        riga("salita di 10^12 s", {1e12, 1, 1}, 49999, {1, 2e12 / 49996, 2.0 / 49996});
        riga("accelerazione persa", {1e300, 0, 1e-300}, 49998);
    }
    void campioni() {
        QFETCH(Lista, moto);
        QFETCH(Lista, punto);
        const Velantra m{.T1 = moto[0], .T2 = moto[1], .Vm = moto[2]};
        XYPoli p;
        CampionaVelocita(p, m, 0.01f);
        const int n = p.NumeroElementi();
        QTEST(n, "numero");
        for (int i = 1; i < n; ++i)
            QVERIFY2(p.X(i) >= p.X(i - 1) && p.Y(i) >= 0 && p.Y(i) <= m.Vm * (1 + 1e-12) && p.P(i) == 0,
                     qPrintable(QString::number(i)));
        auto vicino = [](double a, double b) { return qAbs(a - b) <= 1e-10 * qMax(1.0, qAbs(b)); };
        if (!punto.isEmpty())
            QVERIFY(vicino(p.X(int(punto[0])), punto[1]) && vicino(p.Y(int(punto[0])), punto[2]));
        if (n > 0)
            QCOMPARE(QPointF(p.X(n - 1), p.Y(n - 1)), QPointF(2 * m.T1 + m.T2, 0));
        // The details label every motion drawn but one whose acceleration underflows.
        QCOMPARE(EtichettePosizione(m, 0, m.Vm).empty(), n == 0 || m.Vm / m.T1 == 0);
    }

    // Refused coordinate systems leave the last one; lines far beyond the surface or to infinity
    // neither hang nor spill, the visible part of a dashed one is drawn. Painted again from its marks at
    // three times the size (as on paper): the same, three times thicker.
    void superficie() {
        SuperficieDisegno s;
        s.resize(100, 100);
        QVERIFY(s.ImpostaScala(0, 100, 100, 0));
        for (const Lista& r : {Lista{3, 5, 3, -5}, Lista{0, 1e-320, 1, 0}, Lista{qQNaN(), 5, 10, -5}})
            QVERIFY(!s.ImpostaScala(r[0], r[1], r[2], r[3]));
        s.RimuoviSfondo();
        s.ImpostaTratteggio(true);
        s.Posiziona(-1e12, -1e12);
        s.LineaA(1e12, 1e12);
        s.Linea(50, -1e15, 50, qInf());
        s.ApriSpezzata(); // a zigzag, and a point of a line begun anew
        s.PuntoSpezzata(0, 0);
        s.ApriSpezzata();
        for (QPointF p : {QPointF(10, 10), QPointF(20, 20), QPointF(30, 10), QPointF(60, 10)})
            s.PuntoSpezzata(p.x(), p.y());
        s.ChiudiSpezzata();
        s.RendiPersistente();
        QImage carta(300, 400, QImage::Format_RGB32);
        carta.fill(Qt::gray);
        QPainter pittore(&carta);
        s.DisegnaIn(pittore, QRectF(0, 100, 300, 300));
        pittore.drawImage(0, 0, s.Immagine());
        pittore.end();
        Confronta(carta, QStringLiteral("superficie"));
    }

    // The whole window after the gestures against its stored picture, pixel for pixel: the curve, the
    // labels and where they stand, the details, the tools' marks, the readouts, the layout. A row naming
    // another's picture must look exactly like it.
    void finestra_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<QString>("gesti");
        QTest::addColumn<QString>("come");
        const Lista es{1, 2, 1.3}, part{1, 3, 0.5};
        const auto riga = [](const char* nome, const Lista& moto, const QString& gesti,
                             const char* come = "") {
            QTest::newRow(nome) << moto << gesti << QString(come);
        };
        const QString zoom = "ZoomArea 0.5;1.2 clic 2.5;0.4 clic ", mouse = " 2.7182818;0.3141592";
        riga("esempio", es, mouse);
        riga("griglia", es, "Griglia");
        riga("griglia due volte", es, "Griglia Griglia" + mouse, "esempio");
        riga("particolari spenti", es, "AggiungiParticolari AggiungiParticolari" + mouse, "esempio");
        riga("collimatore", es, "Tracciatore 0.8;0.1 1.5432;0.1");
        riga("differenza", es, "Differenza 1.2432;0.9 clic 0.5432;0.2 clic");
        riga("zoom", es, zoom);
        riga("zoom in corso", es, "ZoomArea 0.5;1.2 clic 2.5;0.4");
        riga("minima", es, "1x1");
        riga("zoom in una nuova finestra", es, zoom + "Griglia Griglia 900x500 nuova", "zoom");
        riga("cancella", es, "1;1 Cancella 1.5;1");
        riga("nessun moto nuovo", es, "Tracciatore 1;1 vuoto", "cancella");
        riga("moto nuovo", es, "Tracciatore 1;1 moto");
        // The time labels: close ones lose precision and move apart, the closer the further; the last
        // one moves inside the strip; speed labels wider than the strip widen it.
        riga("lontane", {1.23456, 2, 1.3}, "");
        riga("gap 1", {0.0512, 3.8976, 10}, "");
        riga("gap 2", {0.1, 3.8, 1}, "");
        riga("gap 3", {0.15, 3.7, 1}, "");
        riga("gap 5", {0.25, 3.5, 1}, "");
        riga("lunga", {30000, 63456.7, 1}, "");
        riga("Vm grande", {1, 1, 123456789}, "");
        riga("nessun moto", {0, 0, 0}, "");
        riga("zoom rovescio", {0.0512, 3.8976, 1}, "ZoomArea 4.1;0.3 clic 0.02;1.04 clic");
        // Long, steep and extreme motions are drawn whole; one that cannot be drawn says why.
        riga("490 s, griglia", {100, 290, 1}, "1600x1000 Griglia");
        riga("salita ripida", {7, 470, 3}, "");
        riga("T2 nullo", {200, 0, 2}, "Griglia");
        riga("1e-6 s", {2.5e-7, 5e-7, 1}, "");
        riga("1e6 s", {1e5, 8e5, 1}, "");
        riga("1e12 s", {1e11, 8e11, 1e-3}, "");
        riga("T1 trascurabile", {1e-300, 1, 1}, "");
        riga("Vm enorme", {1, 1, 1e39}, "");
        // The details: position and acceleration with their axes, phase marks; in a zoom what is in view.
        riga("particolari", part, "AggiungiParticolari 4.15;0.3");
        riga("particolari non tondi", {0.23456, 2, 1.3}, "AggiungiParticolari");
        riga("particolari zoom", part, "AggiungiParticolari ZoomArea 0.5;0.47 clic 2.5;0.03 clic");
        riga("particolari differenza", part, "AggiungiParticolari Differenza 0.19;0.2 clic 4.15;0.2 clic");
    }
    void finestra() {
        QFETCH(Lista, moto);
        QFETCH(QString, gesti);
        QFETCH(QString, come);
        Banco b(moto);
        b.Apri();
        b.Gesti(gesti);
        Confronta(b.finestra->grab().toImage(), come.isEmpty() ? QTest::currentDataTag() : come,
                  come.isEmpty());
    }

    // Toolbar keys and gestures on the plot (the row's name), and the state and readouts they leave
    // (Banco::Stato): the mouse's time and speed to three decimals; the collimator's speed that of the
    // nearest sample; the difference snaps its first time, not its second, and subtracts; s, a and DS
    // exact from the closed form, DS in either order. A view that cannot be drawn leaves no number.
    void strumenti_data() {
        QTest::addColumn<Lista>("moto");
        QTest::addColumn<QString>("stato");
        const auto riga = [](const QString& gesti, const char* stato, const Lista& moto = {1, 2, 1.3}) {
            QTest::newRow(qPrintable(gesti)) << moto << QString(stato);
        };
        const QString zoom = "ZoomArea 0.5;1.2 clic 2.5;0.4 clic", s = "AggiungiParticolari Tracciatore ",
                      d = "AggiungiParticolari Differenza ",
                      tutto = "Tracciatore Differenza Griglia ZoomArea";
        riga("AggiungiParticolari", "/TZC");
        riga("Tracciatore", "C/TZC");
        riga("Tracciatore Disegna", "/TZC");
        riga("Tracciatore Differenza", "D/TZC+ ||||0|0|0|0|0|0|0");
        riga("Tracciatore Cancella", "C/");
        riga("ZoomArea 0.5;1.2 clic", "Z/TZC 0,498|1,201");
        riga(zoom, "V/TC");
        riga("ZoomArea 0.5;1.2 clic 0.5;0.4 clic", "/TZC 0,498|0,403"); // no width: no zoom
        riga("ZoomArea 0.5;1.2 clic Tracciatore", "C/TZC 0,498|1,201");
        riga("ZoomArea 1.5;0.8 destro destro", "Z/TZC 1,499|0,802");
        riga(zoom + " Griglia", "V/TC");
        riga(zoom + " Disegna", "/TZC");
        riga(zoom + " 900x500 nuova", "V/TC");
        riga("Differenza 0.5;1.2 clic 2.5;0.4 clic", "/TZC+ 2,495|1,3|||0,5|0,65|2,495|1,3|1,995|0,65|0");
        riga("Differenza Differenza", "/TZC ||||0|0|0|0|0|0|0");
        riga("Differenza ZoomArea", "Z/TZC+ ||||0|0|0|0|0|0|0");
        riga("Tracciatore Griglia", "C/TZC");
        riga("Differenza Griglia Cancella", "D/ ||||0|0|0|0|0|0|0");
        riga("Tracciatore 1;1 moto", "/TZC");
        riga("moto vuoto", "/");
        riga("Differenza 1.2432;0.9 clic 0.5432;0.2",
             "D/TZC+ 0,542|0,702|||1,24|1,3|0,542|0,702|-0,698|-0,598|0");
        riga("Tracciatore 515;0.5", "C/TZC 514,54|0,535", {10, 500, 0.98}); // past 500 s
        riga(s + "-0.14;0.3", "C/TZC -0,143|0|0|0", {1, 3, 0.5});
        riga(s + "0.19;0.3", "C/TZC 0,188|0,095|0,009|0,5", {1, 3, 0.5});
        riga(s + "1.07;0.3", "C/TZC 1,063|0,5|0,282|0", {1, 3, 0.5});
        riga(s + "5.03;0.3", "C/TZC 5,027|0|2|0", {1, 3, 0.5});
        riga(d + "0.19;0.2 clic 4.15;0.2 clic",
             "/TZC+ 4,143|0,43|1,817|-0,5|0,19|0,095|4,143|0,43|3,953|0,335|1,808", {1, 3, 0.5});
        riga(d + "4.15;0.2 clic 0.19;0.2 clic",
             "/TZC+ 0,188|0,095|0,009|0,5|4,14|0,43|0,188|0,095|-3,952|-0,335|1,806", {1, 3, 0.5});
        riga(tutto, "/C", {1, 1, 1e39});
        riga(tutto + " ", "/C", {1, 1, 1e-38});
        riga(tutto + "  ", "/C", {1e-300, 1e-300, 1});
        riga("ZoomArea 0;0.9 clic 4e-38;0.1 clic " + tutto, "V/C", {2e-37, 0, 1});
        riga("ZoomArea 0;0.9 clic 4e-38;0.1 clic Disegna", "/TZC", {2e-37, 0, 1});
    }
    void strumenti() {
        QFETCH(Lista, moto);
        Banco b(moto);
        b.Apri();
        b.Gesti(QTest::currentDataTag());
        QTEST(b.Stato(), "stato");
        QCOMPARE(b.finestra->Picture1().MouseAbilitato(), b.Stato().contains("/T"));
    }

    // In the main window the graph first fills the client area from its top-left corner, drawn once.
    void nellaFinestraPrincipale() {
        Banco b({1, 2, 1.3});
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
    }

    // The toolbar's keys and tips, every control named for assistive tools; the plot's context menu by
    // the mouse, the menu key and Shift+F10; "Copia" (also Ctrl+C) puts the view on the clipboard; the
    // view painted stretched twice along, as on the printed page, keeps its texts' shape.
    void comandi() {
        Banco b({1.23456, 2, 1.3});
        b.Apri();
        b.Premi("AggiungiParticolari");
        auto* barra = b.finestra->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QStringList trovati;
        for (QAction* a : barra->actions()) {
            trovati << a->objectName() + ':' + a->toolTip();
            QCOMPARE(barra->widgetForAction(a)->accessibleName(), a->toolTip());
        }
        QCOMPARE(trovati,
                 (QStringList{"Cancella:Cancella grafico", "Tracciatore:Abilita/disabilita il collimatore",
                              "Disegna:Disegna in scala 1:1", "ZoomArea:Zoom",
                              "AggiungiParticolari:Aggiiungi particolari al grafico",
                              "Differenza:Differenza tra 2 punti", "Griglia:Aggiungi / togli griglia"}));
        for (QLineEdit* casella : b.finestra->findChildren<QLineEdit*>())
            QVERIFY2(!casella->accessibleName().isEmpty(), qPrintable(casella->objectName()));
        for (QLabel* etichetta : b.finestra->findChildren<QLabel*>())
            QVERIFY2(!etichetta->objectName().isEmpty(), qPrintable(etichetta->text()));

        SuperficieDisegno& piano = b.finestra->Picture1();
        QContextMenuEvent destro(QContextMenuEvent::Mouse, QPoint(300, 200),
                                 piano.mapToGlobal(QPoint(300, 200)));
        for (int tasto : {0, int(Qt::Key_Menu), int(Qt::Key_F10)}) {
            if (tasto)
                QTest::keyClick(&piano, Qt::Key(tasto),
                                tasto == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
            else // what the platform sends on a right click
                QApplication::sendEvent(&piano, &destro);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QStringList voci;
            for (const QAction* a : menu->actions())
                voci << a->text() + '\t' + a->shortcut().toString();
            QCOMPARE(voci, (QStringList{"Copia\tCtrl+C", "Esporta immagine...\tCtrl+E",
                                        "Esporta dati...\tCtrl+D"}));
            menu->close();
        }
        QApplication::clipboard()->clear();
        QTest::keyClick(&piano, Qt::Key_C, Qt::ControlModifier);
        Confronta(QApplication::clipboard()->image(), QStringLiteral("copia"));

        VistaGrafico vista = b.finestra->Vista();
        vista.scritte.front().carattereVista = false; // in the painter's font, unscaled
        const QSize misura = vista.Riquadro().size().toSize();
        Confronta(ImmagineVista(vista, QSize(2 * misura.width(), misura.height())),
                  QStringLiteral("vista stirata"));
    }
};

REGISTRA_COLLAUDO(TstGrafico);
#include "tst_Grafico.moc"
