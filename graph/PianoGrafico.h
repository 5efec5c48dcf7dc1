#pragma once

// The surface the graph window shows its picture on: the laid-out graph painted once into a cached
// image at the screen's pixel ratio, and over it, on every paint, the tools' temporary marks (the
// collimator's cross, the zoom box, the difference's crosses). Marks made persistent are baked into
// the image until the next picture. Mouse moves and presses over the plot are reported in graph units;
// the wheel and a drag with the middle button (or with the left one and Shift, when allowed) are
// reported as a zoom or a pan of the time axis.

#include "ModelloGrafico.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <optional>
#include <vector>

class PianoGrafico : public QWidget {
    Q_OBJECT
public:
    explicit PianoGrafico(QWidget* parent = nullptr);

    // The picture to show, laid out at this widget's size; the marks go.
    void Mostra(DisposizioneGrafico disposizione);
    const DisposizioneGrafico& Disposizione() const { return disposizione; }

    // The temporary marks, replacing the previous ones.
    void ImpostaSegni(std::vector<SegnoStrumento> segni);
    void CancellaSegni() { ImpostaSegni({}); }
    const std::vector<SegnoStrumento>& Segni() const { return segni; }
    // The temporary marks become part of the picture until the next one.
    void RendiPersistenti();

    // Moves, presses, wheel and drags over the plot are reported only while enabled.
    void AbilitaMouse(bool attivo) { mouseAttivo = attivo; }
    // Whether a drag with the left button and Shift pans (no tool wants the left button).
    void ConsentiSpostamentoSinistro(bool consentito) { sinistroSposta = consentito; }

    // The plot as shown, with the persistent marks, at the screen's pixel ratio.
    QImage ImmaginePiano() const;
    // Graph units of a point of the widget.
    QPointF InUnita(QPointF pixel) const;

signals:
    void MouseMosso(double x, double y);
    void MousePremuto(Qt::MouseButton pulsante, double x, double y);
    // The wheel turned by `scatti` notches (positive: away from the user) with the mouse at `tempo`.
    void Rotella(double tempo, double scatti);
    // A drag moved the view's times by `secondi`.
    void Spostamento(double secondi);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    const QImage& Sfondo() const;
    QRegion Ingombro(const SegnoStrumento& segno) const;
    bool SulPiano(QPointF pixel) const;

    DisposizioneGrafico disposizione;
    std::vector<SegnoStrumento> segni, segniFissi;
    QRect riquadro;                    // where the picture is in the widget
    mutable QImage sfondo;             // the picture and the persistent marks
    mutable bool sfondoValido = false; // painted for the current picture, size and ratio
    bool mouseAttivo = false, sinistroSposta = false;
    std::optional<double> trascinamento; // the x where the last drag step ended
    double restoRotella = 0;             // eighths of a degree not yet a notch
};
