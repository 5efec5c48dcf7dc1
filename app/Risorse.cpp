#include "Risorse.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources are compiled into a static library: register them before the first use.
static bool RegistraRisorse() {
    Q_INIT_RESOURCE(velantra);
    return true;
}

QString Risorsa(const QString& nome) {
    static const bool registrate = RegistraRisorse();
    Q_UNUSED(registrate);
    return QStringLiteral(":/app/%1.svg").arg(nome);
}

QIcon Icona(const QString& nome) {
    return QIcon(Risorsa(nome));
}

QString TestoVersione() {
    return QStringLiteral("Versione " VELANTRA_VERSIONE);
}

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
