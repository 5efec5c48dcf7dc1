#pragma once

// An image file as the eye sees it, whatever its format, and whether it shows the graph's curves.

#include "Dettagli.h"
#include "Velantra.h"

#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>

// PNG read directly, SVG drawn by Qt's renderer, the one page of a PDF drawn by pdftoppm at 96 dots
// per inch into a file beside it. Null when it does not open.
inline QImage Disegno(const QString& file, const QString& formato) {
    if (formato == QLatin1String("svg")) {
        QSvgRenderer svg(file);
        if (!svg.isValid())
            return {};
        QImage immagine(svg.viewBox().size(), QImage::Format_RGB32); // in pixels; its size is in mm
        immagine.fill(Qt::white);
        QPainter pittore(&immagine);
        svg.render(&pittore);
        return immagine;
    }
    if (formato == QLatin1String("pdf")) {
        QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "96", "-png", "-singlefile", file, file});
        return QImage(file + QStringLiteral(".png"));
    }
    return QImage(file, "PNG");
}

// The speed in black, the position in blue and the acceleration in orange, each a curve's worth of
// pixels (near its colour: vector formats are drawn smoothed).
inline bool MostraLeCurve(const QImage& immagine) {
    const std::vector<CurvaDettaglio> curve = CurveDettaglio(Velantra{.T1 = 1, .T2 = 1, .Vm = 1}, nullptr);
    const QColor ColorePosizione = curve.at(0).colore, ColoreAccelerazione = curve.at(1).colore;
    int nero = 0, blu = 0, arancio = 0;
    const auto vicino = [](QRgb p, const QColor& c) {
        return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue()) < 90;
    };
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) {
            const QRgb p = immagine.pixel(x, y);
            nero += qGray(p) < 60;
            blu += vicino(p, ColorePosizione);
            arancio += vicino(p, ColoreAccelerazione);
        }
    return nero > 500 && blu > 300 && arancio > 300;
}
