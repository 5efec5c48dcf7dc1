#pragma once

// A graph window over program objects of its own, and the gestures a user makes on it.

#include "Campionamento.h"
#include "Collaudo.h"
#include "Grafico.h"
#include "PianoGrafico.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <cmath>
#include <memory>

using Lista = QList<double>;

// Whether a box shows its text from the first character to the last.
inline bool Intera(QLineEdit& casella) {
    casella.grab(); // scrolled as painted
    const QRect r = casella.contentsRect();
    return casella.cursorPositionAt(QPoint(r.left() + 1, r.center().y())) == 0 &&
           casella.cursorPositionAt(QPoint(r.right() - 1, r.center().y())) == casella.text().size();
}

// What a reader could not see of a window's readouts and labels: one cut by the window's edge, on the
// plot, over another (a label by its text) or out of its group's frame; a box whose text shows in part; a
// group's frame that is drawn out of the window, on the plot or over the other group's.
inline QString ControlliNascosti(const QWidget& finestra, const QRectF& piano) {
    QStringList difetti;
    std::vector<QRect> posti, riquadri;
    for (const char* nome : {"RiquadroPosizione", "RiquadroDifferenza"}) {
        const QRect r = finestra.findChild<QFrame*>(nome)->geometry();
        if (finestra.findChild<QFrame*>(nome)->isVisible() && !r.isEmpty() &&
            (!finestra.rect().contains(r) || piano.intersects(r) ||
             std::any_of(riquadri.begin(), riquadri.end(), [&](const QRect& q) { return q.intersects(r); })))
            difetti << nome;
        riquadri.push_back(r);
    }
    for (QWidget* w : finestra.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QLabel*>(w))) {
            const QRect posto = qobject_cast<QLabel*>(w) ? QRect(w->pos(), w->sizeHint()) : w->geometry();
            auto* casella = qobject_cast<QLineEdit*>(w);
            if (!finestra.rect().contains(w->geometry()) || piano.intersects(posto) ||
                std::none_of(riquadri.begin(), riquadri.end(),
                             [&](const QRect& r) { return r.contains(posto); }) ||
                (casella && !Intera(*casella)) ||
                std::any_of(posti.begin(), posti.end(), [&](const QRect& r) { return r.intersects(posto); }))
                difetti << w->objectName();
            posti.push_back(posto);
        }
    return difetti.join("; ");
}

// The labels of an axis (-1: time or speed, else a details curve's), in a line.
inline QString TestiAsse(const DisposizioneGrafico& d, RuoloTesto ruolo, int asse = -1) {
    QStringList testi;
    for (const TestoGrafico& t : d.Testi(ruolo))
        if (t.asse == asse)
            testi << t.testo;
    return testi.join(' ');
}

// What a reader could not read of a plot's texts (the speed graph's, or a plot of series'): an axis with
// too few labels (3, 2 for time) or more than 10, or two alike; a label out of its strip; two texts or
// names that touch; a phase mark's line across a text.
inline QString EtichetteIlleggibili(const DisposizioneGrafico& d) {
    QStringList difetti;
    const bool serie = !d.Testi(RuoloTesto::Ascissa).empty();
    std::vector<std::pair<RuoloTesto, int>> assi{{serie ? RuoloTesto::Ascissa : RuoloTesto::Tempo, -1},
                                                 {serie ? RuoloTesto::Ordinata : RuoloTesto::Velocita, -1}};
    for (int i = 0; i < int(d.dettagli.size()); ++i)
        assi.emplace_back(RuoloTesto::Dettaglio, i);
    std::vector<TestoGrafico> tutti = d.cornice.nomi;
    for (const auto& [ruolo, asse] : assi) {
        const QStringList testi = TestiAsse(d, ruolo, asse).split(' ', Qt::SkipEmptyParts);
        const QString nome = QStringLiteral("asse %1/%2: ").arg(int(ruolo)).arg(asse);
        if (testi.size() < (ruolo == RuoloTesto::Tempo ? MinimoTempi : MinimoEtichette) ||
            testi.size() > MassimoEtichette)
            difetti << nome + testi.join(' ');
        if (QStringList(testi).removeDuplicates() > 0)
            difetti << nome + "ripetute " + testi.join(' ');
    }
    for (const PannelloGrafico* s : d.Strisce())
        for (const TestoGrafico& t : s->testi) {
            tutti.push_back(t);
            if (!s->posto.adjusted(-0.01, -0.01, 0.01, 0.01).contains(t.posto))
                difetti << "fuori: " + t.testo;
            for (const LineaGrafico& l : s->linee) // the axis and its ticks
                if (t.posto.intersects(l.punti.boundingRect().adjusted(-0.5, -0.5, 0.5, 0.5)))
                    difetti << "sulla linea: " + t.testo;
        }
    tutti.insert(tutti.end(), d.piano.testi.begin(), d.piano.testi.end());
    for (const RuoloLinea ruolo : {RuoloLinea::Fase, RuoloLinea::Asse}) // a vertical one, across a text
        for (const LineaGrafico& l : d.Linee(ruolo))
            for (const TestoGrafico& t : d.piano.testi)
                if (t.posto.intersects(l.punti.boundingRect().adjusted(-1, 0, 1, 0)))
                    difetti << "attraversata: " + t.testo;
    const QFontMetricsF metrica(d.carattere);
    for (size_t i = 0; i < tutti.size(); ++i)
        for (size_t j = i + 1; j < tutti.size(); ++j) {
            // A name's room is wider than its text.
            const auto testo = [&](const TestoGrafico& t) {
                return t.ruolo == RuoloTesto::Nome
                           ? QRectF(t.posto.topLeft(),
                                    QSizeF(metrica.horizontalAdvance(t.testo), t.posto.height()))
                           : t.posto;
            };
            if (testo(tutti[i]).intersects(testo(tutti[j])))
                difetti << "sovrapposte: " + tutti[i].testo + " / " + tutti[j].testo;
        }
    return difetti.join("; ");
}

// Whether the speed curve runs from the plot's left edge to its right one.
inline bool CurvaAiBordi(const DisposizioneGrafico& d) {
    QRectF curva;
    for (const LineaGrafico& l : d.Linee(RuoloLinea::Velocita))
        curva |= l.punti.boundingRect();
    return curva.left() < d.cornice.area.left() + 0.01 && curva.right() > d.cornice.area.right() - 0.01;
}

// The readouts in the order the window shows them: the mouse's, then the difference's.
inline const char* const Letture[] = {"LetturaX", "LetturaY", "LetturaS", "LetturaA", "DiffX1", "DiffY1",
                                      "DiffX2",   "DiffY2",   "DiffX",    "DiffY",    "DiffS"};

struct BancoGrafico {
    Velantra Moto;
    XYPoli Punti;
    Grafico G;
    std::unique_ptr<frmGrafico> grafico;
    frmGrafico* finestra = nullptr; // its own, or one of the program's
    QPoint mouse;

    explicit BancoGrafico(const Lista& m) { Calcola(m[0], m[1], m[2]); }
    void Calcola(double T1, double T2, double Vm) {
        Moto = {.Stot = Vm * (T1 + T2), .T1 = T1, .T2 = T2, .Ttot = 2 * T1 + T2, .Acc = Vm / T1, .Vm = Vm};
        Punti.Vuota();
        CampionaVelocita(Punti, Moto, G.StepTempo);
    }
    // A motion backwards, built by hand: the forward curve mirrored below the time axis, the record's
    // distances, speed and acceleration negative.
    void Rovescia() {
        const std::vector<XYPoli::Punto> avanti(Punti.Punti().begin(), Punti.Punti().end());
        Punti.Vuota();
        for (const XYPoli::Punto& p : avanti)
            Punti.Add(p.x, -p.y);
        for (double* q : {&Moto.Vm, &Moto.Stot, &Moto.Acc})
            *q = -*q;
        Moto.S1 = Moto.Acc * Moto.T1 * Moto.T1 / 2;
        Moto.S2 = Moto.Vm * Moto.T2;
    }
    PianoGrafico& Piano() const { return *finestra->findChild<PianoGrafico*>(); }
    const DisposizioneGrafico& Vista() const { return finestra->Disposizione(); }
    QRect Area() const { return Vista().cornice.area.toRect(); }
    void Apri(QSize piano = {800, 480}) {
        grafico = std::make_unique<frmGrafico>(Punti, G, Moto);
        finestra = grafico.get();
        QCursor::setPos(5000, 5000); // off the buttons it would light
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra));
        if (piano.isValid())
            Misura(piano);
    }
    void Misura(QSize piano) {
        for (int i = 0; i < 3 && Area().size() != piano; ++i) // strips may widen once drawn
            finestra->resize(finestra->size() + piano - Area().size());
    }
    void Premi(const QString& chiave) {
        QAction* azione = finestra->findChild<QAction*>(chiave);
        QVERIFY2(azione, qPrintable(chiave));
        azione->trigger();
    }
    // Gestures: a toolbar key, "t;v" to move the mouse there (seconds, m/sec), "clic" or "destro" where it
    // is, "moto" for a new motion (T1 2, T2 1, Vm 0.5) and "vuoto" for none, "rotella+" / "rotella-" a
    // notch in or out where the mouse is, "sposta:N" a drag of N pixels with the middle button,
    // "maiusc:N" with Shift and the left one.
    void Gesti(const QString& gesti) {
        for (const QString& g : gesti.split(' ', Qt::SkipEmptyParts)) {
            QCoreApplication::processEvents(); // what the last gesture left: a user waits for it
            if (g.contains(';')) {             // a move onto the pointer itself would not be delivered
                const QPointF p =
                    Vista().InPixel(g.section(';', 0, 0).toDouble(), g.section(';', 1).toDouble());
                mouse = QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
                QTest::mouseMove(&Piano(), mouse + QPoint(1, 1));
                QTest::mouseMove(&Piano(), mouse);
            } else if (g == QLatin1String("clic") || g == QLatin1String("destro")) {
                QTest::mouseClick(&Piano(), g == QLatin1String("clic") ? Qt::LeftButton : Qt::RightButton, {},
                                  mouse);
            } else if (g.startsWith(QLatin1String("rotella"))) {
                QWheelEvent rotella(mouse, Piano().mapToGlobal(mouse), {},
                                    QPoint(0, g.endsWith('+') ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                                    Qt::NoScrollPhase, false);
                QApplication::sendEvent(&Piano(), &rotella);
            } else if (g.startsWith(QLatin1String("sposta:")) || g.startsWith(QLatin1String("maiusc:"))) {
                const bool medio = g.startsWith('s');
                const Qt::MouseButton tasto = medio ? Qt::MiddleButton : Qt::LeftButton;
                const Qt::KeyboardModifiers tasti = medio ? Qt::NoModifier : Qt::ShiftModifier;
                const QPoint fine = mouse + QPoint(g.section(':', 1).toInt(), 0);
                QTest::mousePress(&Piano(), tasto, tasti, mouse);
                QMouseEvent mossa(QEvent::MouseMove, fine, Piano().mapToGlobal(fine), Qt::NoButton, tasto,
                                  tasti);
                QApplication::sendEvent(&Piano(), &mossa);
                QTest::mouseRelease(&Piano(), tasto, tasti, fine);
            } else if (g == QLatin1String("moto") || g == QLatin1String("vuoto")) {
                Calcola(2, 1, g == QLatin1String("moto") ? 0.5 : 0);
                finestra->NuovoMoto();
            } else {
                Premi(g);
            }
        }
    }
    // Whether the window shows the colour within two pixels of the plot's point (seconds, m/sec).
    bool Mostra(double t, double v, QRgb colore) const {
        const QImage schermo = finestra->grab().toImage();
        const QPoint p = (Vista().InPixel(t, v) * schermo.devicePixelRatio()).toPoint();
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (schermo.pixel(p + QPoint(dx, dy)) == colore)
                    return true;
        return false;
    }
    QLineEdit* Casella(const char* nome) const { return finestra->findChild<QLineEdit*>(nome); }
    // The tool flags (C collimator, Z zoom rectangle, D difference, V zoomed view), an "x" for each of
    // the difference's crosses (red, green) the picture keeps, "/", the enabled buttons (T Tracciatore,
    // Z ZoomArea, C Cancella), "+" when the difference readouts show; then the readouts X, Y, s, a, X1,
    // Y1, X2, Y2, DX, DY, DS up to the last one not empty; a zoomed view's time and speed ranges.
    QString Stato() const {
        const QImage piano = Piano().ImmaginePiano().convertToFormat(QImage::Format_RGB32);
        const auto* pixel = reinterpret_cast<const QRgb*>(piano.constBits());
        const qsizetype n = piano.sizeInBytes() / 4;
        QString s = QString(G.Collimatore ? "C" : "") + (G.ZoomRettangolo ? "Z" : "") +
                    (G.CollimatoreDifferenza ? "D" : "") + (G.GraficoZoomato ? "V" : "");
        for (const QRgb croce : {qRgb(255, 0, 0), qRgb(0, 255, 0)})
            s += std::find(pixel, pixel + n, croce) != pixel + n ? "x" : "";
        s += '/';
        for (const char* chiave : {"Tracciatore", "ZoomArea", "Cancella"})
            s += finestra->findChild<QAction*>(chiave)->isEnabled() ? QString(QLatin1Char(chiave[0])) : "";
        s += Casella("DiffX")->isVisible() ? "+ " : " ";
        for (const char* nome : Letture)
            s += Casella(nome)->text() + '|';
        while (s.endsWith('|') || s.endsWith(' '))
            s.chop(1);
        const auto cifre = [](double x) { return QString::number(x, 'g', 5).replace('.', ','); };
        if (G.GraficoZoomato)
            s += " vista " + cifre(G.BordoSinistro) + ".." + cifre(G.BordoDestro) + " s, " +
                 cifre(G.BordoInferiore) + ".." + cifre(G.BordoSuperiore) + " m/sec";
        return s;
    }
};
