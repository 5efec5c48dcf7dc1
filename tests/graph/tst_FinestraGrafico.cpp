#include "BancoGrafico.h"
#include "Collaudo.h"
#include "DettagliAsse.h"
#include "Dimensionamento.h"
#include "Documento.h"
#include "NumeriRegionali.h"

// The graph window as a user works it: the tools and their readouts, the wheel and the pan, the
// layout at any size, the commands, the axis's sizing among the details, a few whole pictures.
class TstFinestraGrafico : public QObject {
    Q_OBJECT
private slots:
    // Drawn without a warning (the offscreen platform tells of what it cannot do: no fault).
    void init() { QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)")); }
    // Toolbar keys and gestures on the plot (the row's name), and the state and readouts they leave
    // (BancoGrafico::Stato): the mouse's time and speed to three decimals; the collimator's speed that
    // of the curve at the mouse's time; the difference snaps its first time, not its second, and
    // subtracts; s, a and DS exact from the closed form to 5 significant digits, so that a small
    // acceleration does not read 0. A notch of the wheel makes the time axis 0.8 as long around the
    // mouse, a drag moves its times by the pixels dragged, both keeping the speed axis and the tools;
    // the zoom box's first corner keeps its time. "Disegna" goes back to the whole. A zoomed curve runs to
    // both edges of the plot, however few its samples in view. A view that cannot be drawn leaves no number.
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
        riga("ZoomArea 0.5;1.2 clic 2.5;0.4", "Z/TZC 2,495|0,403");
        riga(zoom, "V/TC vista 0,4985..2,495 s, 0,40273..1,2011 m/sec");
        riga("ZoomArea 0.5;1.2 clic 0.5;0.4 clic", "/TZC 0,498|0,403"); // no width: no zoom
        riga("ZoomArea 1.5;0.8 destro destro", "Z/TZC 1,499|0,802");
        riga(zoom + " Disegna", "/TZC");
        riga(zoom + " Griglia AggiungiParticolari", "V/TC vista 0,4985..2,495 s, 0,40273..1,2011 m/sec");
        riga("Differenza 0.5;1.2 clic 2.5;0.4 clic", "xx/TZC+ 2,495|1,3|||0,5|0,65|2,495|1,3|1,995|0,65|0");
        riga("Differenza 0.5;1.2 clic 2.5;0.4 clic Disegna", "/TZC ||||0,5|0,65|2,495|1,3|1,995|0,65|0");
        riga("Differenza Differenza", "/TZC ||||0|0|0|0|0|0|0");
        riga("Differenza Griglia Cancella", "D/ ||||0|0|0|0|0|0|0");
        riga("Tracciatore 1;1 moto", "/TZC");
        riga("moto vuoto", "/");
        riga("Differenza 1.2432;0.9 clic 0.5432;0.2",
             "Dx/TZC+ 0,542|0,705|||1,24|1,3|0,542|0,705|-0,698|-0,595|0");
        riga("Tracciatore 515;0.5", "C/TZC 514,54|0,535", {10, 500, 0.98}); // past 500 s
        riga(s + "0.19;0.3", "C/TZC 0,183|0,091|0,0083528|0,5", {1, 3, 0.5});
        riga(s + "5.03;0.3", "C/TZC 5,025|0|2|0", {1, 3, 0.5});
        riga(s + "20;0.0001", "C/TZC 18,621|0,009|0,082555|0,00047619", {60, 3480, 0.028571428571428571});
        riga(d + "0.19;0.2 clic 4.15;0.2 clic",
             "xx/TZC+ 4,15|0,425|1,8194|-0,5|0,18|0,09|4,15|0,425|3,97|0,335|1,8113", {1, 3, 0.5});
        // The wheel zooms around the mouse, a drag pans; the tools stay on, the readouts follow.
        riga("Tracciatore 2;0.5 rotella+", "CV/TC 2|1,3 vista 0,24..3,76 s, -0,065..1,365 m/sec");
        riga("Tracciatore 2;0.5 rotella+ rotella- rotella-",
             "CV/TC 2|1,3 vista -0,75..4,75 s, -0,065..1,365 m/sec");
        riga("2;0.5 sposta:-100 2;0.5", "V/TC 1,995|0,501 vista 0,35..4,75 s, -0,065..1,365 m/sec");
        riga("2;0.5 maiusc:-100 2;0.5", "V/TC 1,995|0,501 vista 0,35..4,75 s, -0,065..1,365 m/sec");
        riga(
            "Differenza 0.5;1.2 clic 2.5;0.4 clic 2;0.5 rotella+ Tracciatore 1;1",
            "CVxx/TC+ 0,997|1,296|||0,5|0,65|2,495|1,3|1,995|0,65|0 vista 0,24..3,76 s, -0,065..1,365 m/sec");
        riga("ZoomArea 0.5;1.2 clic 2;0.5 rotella+ 2.5;0.4 clic",
             "V/TC vista 0,4985..2,4972 s, 0,40273..1,2011 m/sec");
        riga("2;0.5 rotella+ Disegna", "/TZC");
        riga("1.3;0.3" + QString(" rotella+").repeated(14),
             "V/TC 1,297|0,3 vista 1,2087..1,4506 s, -0,025..0,525 m/sec", {1, 3, 0.5});
        riga(tutto, "/C", {1, 1, 1e39});
        riga(tutto + " ", "/C", {1e-300, 1e-300, 1});
    }
    void strumenti() {
        QFETCH(Lista, moto);
        BancoGrafico b(moto);
        b.Apri();
        b.Gesti(QTest::currentDataTag());
        QTEST(b.Stato(), "stato");
        QCOMPARE(b.Vista().disegnata ? EtichetteIlleggibili(b.Vista()) : QString(), QString());
        // The screen shows what a whole repaint shows: no trace of a mark where it was.
        QCoreApplication::processEvents();
        const QRect area = b.Area();
        QCOMPARE(b.finestra->screen()->grabWindow(b.finestra->winId()).toImage().copy(area),
                 b.finestra->grab().toImage().copy(area));
        const QString gesti = QTest::currentDataTag();
        if (b.Stato().contains("xx/")) // each cross stands at its time, across the plot
            for (const auto& [x, colore] :
                 {std::pair{"DiffX1", qRgb(255, 0, 0)}, {"DiffX2", qRgb(0, 255, 0)}})
                QVERIFY2(b.Mostra(*LeggiValore(b.Casella(x)->toolTip()), 0.6 * b.G.BordoSuperiore, colore),
                         x);
        if (gesti.endsWith(" clic 2.5;0.4")) // the zoom box follows the mouse from its first corner
            QVERIFY(b.Mostra(1.5, 1.2, qRgb(0, 0, 0)) && b.Mostra(1.5, 0.4, qRgb(0, 0, 0)));
        if (b.G.GraficoZoomato && b.G.BordoSinistro > 0 && b.G.BordoDestro < b.Moto.Ttot)
            QVERIFY(CurvaAiBordi(b.Vista()));
    }

    // Every readout gives the whole value in its tooltip and its accessible description.
    void valoriInteri() {
        BancoGrafico b({1, 3, 0.5});
        b.Apri();
        b.Gesti("AggiungiParticolari Differenza 0.1234567;0.2 clic 3.7654321;0.2");
        for (const char* nome : Letture) {
            QLineEdit* casella = b.Casella(nome);
            const auto intero = LeggiValore(casella->toolTip()), mostrato = LeggiValore(casella->text());
            QVERIFY2(intero && mostrato && casella->accessibleDescription() == casella->toolTip(), nome);
            QVERIFY2(std::abs(*intero - *mostrato) <= 0.0005 + 1e-4 * std::abs(*intero) && // shown whole:
                         casella->width() >= LarghezzaPerNumeri(*casella, casella->text()),
                     nome);
        }
        QCOMPARE(b.Casella("LetturaX")->toolTip(), QStringLiteral("3,76229508196721"));
        // So wide, a box with margins of its own shows the longest number whole, not scrolled.
        QLineEdit casella(NumeroPiuLungo());
        casella.setTextMargins(4, 0, 6, 0);
        casella.setContentsMargins(5, 0, 3, 0);
        casella.setFixedWidth(LarghezzaPerNumeri(casella, casella.text()));
        casella.grab();
        QCOMPARE(casella.cursorPositionAt(casella.contentsRect().topLeft() + QPoint(1, 5)), 0);
    }

    // The designed layout where it leaves the plot half the width and 40 % of the height and the
    // readouts whole; else the readouts below the plot. Never a plot of a few pixels, a control
    // covering another or cut by the window's edge, at any size down to the smallest.
    void disposizione_data() {
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<bool>("coppia"); // the axis's torque read, no details; else the details
        QTest::addColumn<bool>("progettata");
        // As designed, the details take half the plot's width.
        QTest::newRow("progettata") << QSize(0, 0) << false << false;
        QTest::newRow("1600 x 800") << QSize(1600, 800) << false << true;
        QTest::newRow("1600 x 800, la coppia") << QSize(1600, 800) << true << true;
        QTest::newRow("465 x 600") << QSize(465, 600) << false << false;
        QTest::newRow("1600 x 330") << QSize(1600, 330) << false << false;
        QTest::newRow("la più piccola") << QSize(1, 1) << false << false;
    }
    void disposizione() {
        QFETCH(QSize, finestra);
        QFETCH(bool, coppia);
        QFETCH(bool, progettata);
        std::optional<DatiAsse> asse = DatiAsse{.Massa = 1, .Passo = 1};
        BancoGrafico b({1, 3, 0.5});
        b.Apri(QSize());
        b.finestra->ImpostaAsse(coppia ? &asse : nullptr);
        if (!finestra.isEmpty())
            b.finestra->resize(finestra);
        b.Gesti(coppia ? "Differenza" : "AggiungiParticolari Differenza");
        const QRectF area = b.Vista().cornice.area;
        QVERIFY(b.finestra->width() <= std::max(finestra.width(), b.finestra->minimumWidth()) ||
                finestra.isEmpty());
        QCOMPARE(b.finestra->findChild<QFrame*>("RiquadroPosizione")->geometry().top() <= area.top() + 1,
                 progettata);
        if (b.finestra->width() > 400)
            QVERIFY(area.width() >= b.finestra->width() / 2.0 &&
                    area.height() >= 0.25 * b.finestra->height());
        else
            QVERIFY2(area.width() >= 150 && area.height() >= 60,
                     qPrintable(QString::asprintf("%g x %g", area.width(), area.height())));
        QCOMPARE(ControlliNascosti(*b.finestra, area), QString());
        QCOMPARE(b.Casella("DiffS")->isVisible(), !coppia);
        b.Gesti("AggiungiParticolari"); // the distance goes and comes with the details, not with the torque
        QVERIFY(!b.Casella("DiffS")->isVisible());
    }

    // Below the plot, at any width, the readouts run on in rows inside their groups' frames.
    void righeDiLetture() {
        BancoGrafico b({1, 3, 0.5});
        b.Apri(QSize());
        b.Gesti("AggiungiParticolari Differenza");
        for (int larghezza = 400; larghezza <= 1000; larghezza += 2) {
            b.finestra->resize(larghezza, 320);
            QCOMPARE(ControlliNascosti(*b.finestra, b.Vista().cornice.area), QString());
        }
    }

    // The toolbar's keys and tips, every control named for assistive tools; the plot's context menu by
    // the mouse, the menu key and Shift+F10; "Copia" (also Ctrl+C) puts the graph on the clipboard at
    // the size it has on screen.
    void comandi() {
        BancoGrafico b({1.23456, 2, 1.3});
        b.Apri();
        b.Premi("AggiungiParticolari");
        auto* barra = b.finestra->findChild<QToolBar*>();
        for (QAction* a : barra->actions()) // each button tells what it does, and says it to a reader
            QVERIFY2(!a->toolTip().isEmpty() && barra->widgetForAction(a)->accessibleName() == a->toolTip(),
                     qPrintable(a->objectName()));
        for (QLineEdit* casella : b.finestra->findChildren<QLineEdit*>())
            QVERIFY2(!casella->accessibleName().isEmpty(), qPrintable(casella->objectName()));
        PianoGrafico& piano = b.Piano();
        QCOMPARE(piano.accessibleDescription(),
                 "Tempi: 1,2346; 3,2346; 4,4691. Velocità: 0; 0,3; 0,6; 0,9; 1,2");
        const QPoint dentro = b.Area().center();
        QContextMenuEvent destro(QContextMenuEvent::Mouse, dentro, piano.mapToGlobal(dentro));
        for (int tasto : {0, int(Qt::Key_Menu), int(Qt::Key_F10)}) {
            QKeyEvent premuto(QEvent::KeyPress, tasto,
                              tasto == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
            QEvent& evento = tasto ? static_cast<QEvent&>(premuto) : destro; // 0: the platform's right click
            QApplication::sendEvent(&piano, &evento);
            QVERIFY(evento.isAccepted()); // taken by the plot: the windows around it do not see it
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
        const QImage copiata = QApplication::clipboard()->image();
        QCOMPARE(copiata.size(), b.finestra->MisuraImmagine());
        const CorniceGrafico& c = b.Vista().cornice; // the copy holds the whole graph as laid out on screen
        QVERIFY(copiata.width() > (c.strisciaVelocita | c.strisceDettagli.back()).width());
    }

    // The sizing of the axis among the details: its curve on an axis of its own, labelled with the values
    // of its phases, read at the cursor beside s and a; no third axis once the data is taken away. In the
    // CSV, its columns after the law's, a step at each phase, held in the dwell from the end on. The force
    // alone for a direct drive.
    void coppia_data() {
        QTest::addColumn<QString>("asse");   // as the document writes it
        QTest::addColumn<QString>("atteso"); // axis name, its labels, the readout in each phase; the CSV
        const QString esempio = "massa=50,passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                                "inerzia_trasmissione=2e-5,sosta=0.5";
        QTest::newRow("vite") << esempio
                              << "C(t) [N·m]: -0,38502 0 0,44552 | C 0,44552 0,008671 -0,38502 | t [sec],F "
                                 "[N],C [N·m] 138.237 0.445518 4.90332 0.00867098 4.90332 0.00867098 -128.43 "
                                 "-0.385024 0 0";
        QTest::newRow("diretta") << esempio + ",trasmissione=diretta"
                                 << "F(t) [N]: -128,43 0 138,24 | F 138,24 4,9033 -128,43 | t [sec],F [N] "
                                    "138.237 4.90332 4.90332 -128.43 0";
    }
    void coppia() {
        QFETCH(QString, asse);
        std::optional<DatiAsse> dati = LeggiDocumento("0,0,0,0,0,0,0,0,0\n" + asse.toStdString()).dati->Asse;
        BancoGrafico b({0.25, 0.5, 0.5 / 0.75}); // the worked example
        b.Apri();
        b.finestra->ImpostaAsse(&dati);
        b.Gesti("AggiungiParticolari Tracciatore");
        const DisposizioneGrafico& d = b.Vista();
        QSet<QRgb> colori{qRgb(0, 0, 0)}; // each curve in a colour of its own, none the speed's black
        for (const AsseDettaglio& asse : d.dettagli)
            colori << asse.curva.colore.rgb();
        QCOMPARE(colori.size(), 4);
        QStringList visto{d.dettagli[2].curva.nome + ':', TestiAsse(d, RuoloTesto::Dettaglio, 2)};
        visto << "|" << b.finestra->findChild<QLabel*>("EtichettaLetturaC")->text();
        for (const char* gesto : {"0.1;0.3", "0.5;0.3", "0.9;0.3"}) {
            b.Gesti(gesto);
            visto << b.Casella("LetturaC")->text();
        }
        QCOMPARE(b.Casella("LetturaC")->accessibleName(), d.dettagli[2].curva.sigla);

        const auto csv = [&](double durata) {
            QBuffer memoria;
            memoria.open(QIODevice::WriteOnly);
            ScriviCsv(memoria, durata, {25, -2}, ColonneAsse(*Dimensiona(b.Moto, *dati)), FormaCsv::Standard);
            return memoria.data();
        };
        const QList<QByteArray> righe = csv(1).split('\n');
        visto << "|" << righe[0].trimmed();
        for (int i = 1; i <= 5; ++i) // 0, 0.25, 0.5, 0.75, 1 s
            for (const QByteArray& campo : righe[i].trimmed().split(',').mid(1))
                visto << QString::number(campo.toDouble(), 'g', 6);
        QTEST(visto.join(' '), "atteso");
        QVERIFY(RigheCsv(0, {25, -2}) == 1 && csv(0).count('\n') == 2); // no time: still the row at 0

        dati.reset();
        b.finestra->NuoviParticolari();
        QCOMPARE(b.Vista().dettagli.size(), size_t(2));
        QVERIFY(!b.Casella("LetturaC")->isVisible());
    }

    // A few whole pictures: the window as designed with the worked example's mouse, with the details and
    // the difference's crosses, a motion backwards with the grid; a 400 x 250 picture file; the plot's
    // cached picture at pixel ratio 2.
    void immagini_data() {
        QTest::addColumn<Lista>("moto");
        QTest::addColumn<QString>("gesti");
        QTest::addColumn<QSize>("file"); // the picture file's size, or none for the window
        QTest::addColumn<qreal>("rapporto");
        const auto riga = [](const char* nome, const Lista& moto, const char* gesti, QSize file = {},
                             qreal rapporto = 1) {
            QTest::newRow(nome) << moto << QString(gesti) << file << rapporto;
        };
        riga("grafico_esempio", {1, 2, 1.3}, " 2.7182818;0.3141592");
        riga("grafico_particolari", {1, 3, 0.5},
             "AggiungiParticolari Differenza 0.19;0.2 clic 4.15;0.2 clic");
        riga("grafico_indietro", {1, 3, -0.5}, "Griglia AggiungiParticolari");
        riga("grafico_400x250", {1, 3, 0.5}, "AggiungiParticolari", {400, 250});
        riga("grafico_rapporto_2", {1, 3, 0.5}, "", {300, 200}, 2);
    }
    void immagini() {
        QFETCH(Lista, moto);
        QFETCH(QString, gesti);
        QFETCH(QSize, file);
        QFETCH(qreal, rapporto);
        BancoGrafico b({moto[0], moto[1], std::abs(moto[2])});
        if (moto[2] < 0)
            b.Rovescia();
        b.Apri();
        b.Gesti(gesti);
        const QImage immagine = file.isValid() ? ImmagineGrafico(b.finestra->Dati(), file, rapporto)
                                               : b.finestra->grab().toImage();
        CONFRONTA_IMMAGINE(immagine, QTest::currentDataTag());
    }
};

REGISTRA_COLLAUDO(TstFinestraGrafico);
#include "tst_FinestraGrafico.moc"
