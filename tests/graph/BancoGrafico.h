#pragma once

// A graph window over program objects of its own, shown with a plot of 800 x 480 pixels, and the
// gestures a user makes on it: toolbar buttons, mouse moves and clicks at a time and a speed.

#include "Campionamento.h"
#include "Grafico.h"
#include "TestiNumerici.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <memory>

struct BancoGrafico {
    Velantra Moto;
    XYPoli PuntiGrafico;
    Grafico GraficoCorrente;
    std::unique_ptr<frmGrafico> finestra;

    BancoGrafico(double T1, double T2, double Vm) { Calcola(T1, T2, Vm); }

    // A new calculation: the record and the curve change, an open window is left alone.
    void Calcola(double T1, double T2, double Vm) {
        Moto.T1 = T1;
        Moto.T2 = T2;
        Moto.Vm = Vm;
        PuntiGrafico.Vuota();
        CampionaVelocita(PuntiGrafico, Moto, GraficoCorrente.StepTempo);
    }

    SuperficieDisegno& Apri() {
        finestra = std::make_unique<frmGrafico>(PuntiGrafico, GraficoCorrente, Moto);
        finestra->resize(1033, 613);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("graph window not shown");
        return finestra->Picture1();
    }

    void Premi(const QString& chiave) { finestra->Pulsante(chiave)->trigger(); }
    bool Abilitato(const char* chiave) { return finestra->Pulsante(QLatin1String(chiave))->isEnabled(); }

    // The plot pixel holding a time and a speed, with the scales in use.
    QPoint Pixel(double t, double v) const {
        const QPointF p =
            finestra->Picture1().InPixel(GraficoCorrente.ScalaX * t, GraficoCorrente.ScalaY * v);
        return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
    }
    void Muovi(double t, double v) {
        // A move to where the pointer already is would not be delivered: step beside it first.
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

    QString Casella(const char* nome) const {
        return finestra->findChild<QLineEdit*>(QLatin1String(nome))->text();
    }
    double Valore(const char* nome) const {
        return LeggiNumero(Casella(nome).toStdString(), QLocale().decimalPoint().at(0).toLatin1())
            .value_or(qQNaN());
    }
};
