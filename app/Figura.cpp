#include "Figura.h"

#include "Risorse.h"

#include <QPainter>
#include <QSvgRenderer>

Figura::Figura(const QString& nome, QSize misura, QWidget* parent)
    : QWidget(parent), disegno(new QSvgRenderer(Risorsa(nome), this)), misura(misura) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void Figura::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    QSizeF dimensione = disegno->defaultSize();
    dimensione.scale(size(), Qt::KeepAspectRatio);
    const QPointF angolo((width() - dimensione.width()) / 2, (height() - dimensione.height()) / 2);
    disegno->render(&pittore, QRectF(angolo, dimensione));
}
