#include "Campionamento.h"
#include "Collaudo.h"
#include "Grafico.h"
#include "Riferimento.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <cmath>
#include <memory>

namespace {

using Lista = QList<double>;

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
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("graph window not shown");
        Misura({800, 480});
    }
    void Misura(QSize piano) {
        for (int i = 0; i < 3 && finestra->Picture1().size() != piano; ++i) // strips may widen once drawn
            finestra->resize(finestra->size() + piano - finestra->Picture1().size());
    }
    void Premi(const char* chiave) { finestra->Pulsante(QLatin1String(chiave))->trigger(); }
    // Gestures: a toolbar key, "t;v" to move the mouse there (graph units), "clic" or "destro" where it
    // is, "en" to redraw in English, "WxH" for a plot of that size, "nuova" for a new window, "moto" for
    // a new motion (T1 2, T2 1, Vm 0.5) and "vuoto" for none.
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
            } else if (g == QLatin1String("en")) {
                QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
                Premi("Disegna");
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

// The graph window: curve, labels, details, view and tools as the user sees them.
class TstGrafico : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

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
        riga("zoom in una nuova finestra", es, zoom + "Griglia Griglia 900x500 nuova", "zoom");
        riga("cancella", es, "1;1 Cancella 1.5;1");
        riga("nessun moto nuovo", es, "Tracciatore 1;1 vuoto", "cancella");
        riga("moto nuovo", es, "Tracciatore 1;1 moto");
        // The time labels: close ones lose precision and move apart, the closer the further; the last
        // one moves inside the strip; speed labels wider than the strip widen it.
        riga("lontane", {1.23456, 2, 1.3}, "");
        riga("gap 1", {0.0512, 3.8976, 10}, "en");
        riga("gap 2", {0.1, 3.8, 1}, "");
        riga("gap 3", {0.15, 3.7, 1}, "");
        riga("gap 5", {0.25, 3.5, 1}, "");
        riga("lunga", {30000, 63456.7, 1}, "");
        riga("Vm grande", {1, 1, 123456789}, "en");
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
        riga("particolari dopo zoom", part, "AggiungiParticolari " + zoom + "Disegna 4.15;0.3",
             "particolari");
        riga("particolari dopo cancella", part, "AggiungiParticolari Cancella Griglia Griglia 4.15;0.3",
             "particolari");
        riga("particolari non tondi", {1.23456, 2, 1.3}, "AggiungiParticolari");
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
        riga("Tracciatore Tracciatore", "/TZC");
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
        riga("2.7182818;0.3141592", "/TZC 2,715|0,316");
        riga("Tracciatore 0.8;0.1 1.5432;0.1", "C/TZC 1,538|1,3");
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
        // The on/off tools show pressed exactly while on.
        const auto premuto = [&](const char* chiave) { return b.finestra->Pulsante(chiave)->isChecked(); };
        QCOMPARE((QList<bool>{premuto("Tracciatore"), premuto("Differenza"), premuto("Griglia"),
                              premuto("AggiungiParticolari")}),
                 (QList<bool>{b.G.Collimatore, b.G.CollimatoreDifferenza,
                              bool(b.G.StatoDisegniGrafico & Grafico::BitGriglia),
                              bool(b.G.StatoDisegniGrafico & Grafico::BitParticolari)}));
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
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico"));
        QCOMPARE(finestra->Picture1().Immagine().deviceIndependentSize(),
                 QSizeF(finestra->Picture1().size()));
    }

    // The toolbar's keys and tips, every control named for assistive tools; the plot's context menu by
    // the mouse, the menu key and Shift+F10; "Copia" (also Ctrl+C) puts the view on the clipboard; the
    // label strips painted stretched three times along, as on the printed page, keep their labels' shape.
    void comandi() {
        Banco b({1.23456, 2, 1.3});
        b.Apri();
        b.Premi("AggiungiParticolari");
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

        const QSizeF x = b.finestra->PictValX().Misura(), y = b.finestra->PictValY().Misura();
        QImage carta(int(3 * x.width()), int(x.height() + 3 * y.height()), QImage::Format_RGB32);
        carta.fill(Qt::gray);
        QPainter pittore(&carta);
        b.finestra->PictValX().DisegnaIn(pittore, QRectF(0, 0, 3 * x.width(), x.height()));
        b.finestra->PictValY().DisegnaIn(pittore, QRectF(0, x.height(), y.width(), 3 * y.height()));
        pittore.end();
        Confronta(carta, QStringLiteral("strisce stirate"));
    }
};

REGISTRA_COLLAUDO(TstGrafico);
#include "tst_Grafico.moc"
