#include "BarraStato.h"

#include <QLabel>
#include <QLocale>
#include <QRegularExpression>

namespace {
QLabel* Pannello(const QString& nome, QWidget* parent) {
    auto* pannello = new QLabel(parent);
    pannello->setObjectName(nome);
    pannello->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pannello->setContentsMargins(6, 0, 6, 0);
    return pannello;
}
} // namespace

BarraStato::BarraStato(QWidget* parent)
    : QStatusBar(parent), data(Pannello(QStringLiteral("pnlData"), this)),
      ora(Pannello(QStringLiteral("pnlOra"), this)) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    QLabel* stato = Pannello(QStringLiteral("pnlStato"), this);
    stato->setText(QStringLiteral("Stato"));
    addWidget(stato, 1);
    data->setAlignment(Qt::AlignCenter);
    ora->setAlignment(Qt::AlignCenter);
    addPermanentWidget(data);
    addPermanentWidget(ora);
    orologio.setSingleShot(true);
    connect(&orologio, &QTimer::timeout, this, &BarraStato::Scatta);
    Scatta();
}

void BarraStato::Aggiorna(const QDateTime& adesso) {
    const QLocale locale;
    data->setText(locale.toString(adesso.date(), QLocale::ShortFormat));
    // Refreshed once a minute: seconds, where the locale's short form has them, would go stale.
    QString formato = locale.timeFormat(QLocale::ShortFormat);
    formato.remove(QRegularExpression(QStringLiteral("[:.]?s+")));
    ora->setText(locale.toString(adesso.time(), formato));
}

// The time shows minutes: wake just after the next minute begins.
void BarraStato::Scatta() {
    const QDateTime adesso = QDateTime::currentDateTime();
    Aggiorna(adesso);
    const QTime tempo = adesso.time();
    orologio.start(60'000 - (tempo.second() * 1000 + tempo.msec()) + 20);
}
