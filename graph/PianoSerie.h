#pragma once

// A plot of series shown at the widget's size, as the picture of that size would show it, painted once
// into a cached image at the screen's pixel ratio. Its context menu (a right click on the plot, the menu
// key or Shift+F10 with the plot focused) copies the picture ("Copia", Ctrl+C) or asks the program to
// write it ("Esporta immagine...", Ctrl+E). A label's tooltip gives its whole value, a legend's the
// series' whole name, a marked point's its text and both values.

#include "GraficoSerie.h"
#include "RichiestaImmagine.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QMenu;

class PianoSerie : public QWidget {
    Q_OBJECT
public:
    explicit PianoSerie(QWidget* parent = nullptr);

    // The plot to show from now on.
    void Mostra(GraficoSerie grafico);
    const GraficoSerie& Grafico() const { return grafico; }
    // Laid out at the widget's size.
    const DisposizioneGrafico& Disposizione() const;
    // The picture as it is now, to be written at any size.
    RichiestaImmagine Richiesta();

    QSize sizeHint() const override { return {400, 250}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

signals:
    // "Esporta immagine..." chosen: the program asks where and writes the file.
    void EsportaImmagineRichiesta(const RichiestaImmagine& richiesta);

protected:
    bool event(QEvent* evento) override; // the context menu's requests, the tooltips
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    const QImage& Immagine() const;
    QString Suggerimento(QPointF posto) const;

    GraficoSerie grafico;
    QMenu* menu = nullptr;
    mutable std::optional<DisposizioneGrafico> disposizione; // at the widget's size, once asked for
    mutable QImage immagine; // of it, at the screen's pixel ratio; null until painted again
};
