#pragma once

// What the graph window tests start from: a graph window over program objects of its own, the
// gestures a user makes on it at a time and a speed, and ways to read what it shows.

#include "Campionamento.h"
#include "Grafico.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <memory>

inline const QLocale Italiano(QLocale::Italian, QLocale::Italy);
using Lista = QList<double>;

// A graph window over program objects of its own, with a plot of 800 x 480 pixels, and the gestures a
// user makes on it at a time and a speed.
struct Banco {
    Velantra Moto;
    XYPoli Punti;
    Grafico G;
    std::unique_ptr<frmGrafico> finestra;

    Banco(double T1, double T2, double Vm) { Calcola(T1, T2, Vm); }
    void Calcola(double T1, double T2, double Vm) {
        Moto = {.T1 = T1, .T2 = T2, .Vm = Vm};
        Punti.Vuota();
        CampionaVelocita(Punti, Moto, G.StepTempo);
    }
    SuperficieDisegno& Apri(QSize piano = {800, 480}) {
        finestra = std::make_unique<frmGrafico>(Punti, G, Moto);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("graph window not shown");
        for (int i = 0; i < 3 && finestra->Picture1().size() != piano; ++i) // strips may widen once drawn
            finestra->resize(finestra->size() + piano - finestra->Picture1().size());
        return finestra->Picture1();
    }
    void Premi(const QString& chiave) { finestra->Pulsante(chiave)->trigger(); }
    QPoint Pixel(double t, double v) const {
        const QPointF p = finestra->Picture1().InPixel(G.ScalaX * t, G.ScalaY * v);
        return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
    }
    void Muovi(double t, double v) { // a move onto the pointer itself would not be delivered
        QTest::mouseMove(&finestra->Picture1(), Pixel(t, v) + QPoint(1, 1));
        QTest::mouseMove(&finestra->Picture1(), Pixel(t, v));
    }
    void Clicca(double t, double v, Qt::MouseButton pulsante = Qt::LeftButton) {
        QTest::mouseClick(&finestra->Picture1(), pulsante, {}, Pixel(t, v));
    }
    void Zoom(double t1, double v1, double t2, double v2) {
        Premi(QStringLiteral("ZoomArea"));
        Clicca(t1, v1);
        Clicca(t2, v2);
    }
    QString Caselle(std::initializer_list<const char*> nomi) const { // the readouts' texts
        QStringList testi;
        for (const char* nome : nomi)
            testi << finestra->findChild<QLineEdit*>(nome)->text();
        return testi.join(' ');
    }

    // Tool flags (C collimator, Z zoom rectangle, D difference, V zoomed view), "/", the enabled
    // buttons (T Tracciatore, Z ZoomArea, C Cancella), "+" when the difference readouts show.
    QString Stato() const {
        QString s = QString(G.Collimatore ? "C" : "") + (G.ZoomRettangolo ? "Z" : "") +
                    (G.CollimatoreDifferenza ? "D" : "") + (G.GraficoZoomato ? "V" : "") + "/";
        for (const char* c : {"Tracciatore", "ZoomArea", "Cancella"})
            s += finestra->Pulsante(QLatin1String(c))->isEnabled() ? QString(QLatin1Char(c[0])) : "";
        return s + (finestra->findChild<QLineEdit*>("DiffX")->isVisible() ? "+" : "");
    }
};

// The labels of a strip as "text@position", position in graph units along the strip.
inline QString Etichette(const SuperficieDisegno& s, bool ascisse) {
    QStringList etichette;
    for (const auto& t : s.Testi())
        etichette << t.testo + '@' + QString::number(ascisse ? t.punto.x() : t.punto.y(), 'f', 2);
    return etichette.join(' ');
}

// Pixels of a colour (or dark ones, for 0) of the image within a rectangle.
inline int Conta(const QImage& immagine, QRgb colore, QRect r = {0, 0, 800, 480}) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += colore ? immagine.pixel(x, y) == colore : qGray(immagine.pixel(x, y)) < 128;
    return n;
}
