#include "frmSplash.h"

#include "Dialoghi.h"
#include "Figura.h"
#include "Risorse.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <cmath>

namespace {
// The bar counts hundredths, so that steps of 1/1.5 show as they are.
constexpr int Centesimi = 100;

QLabel* Etichetta(const QString& nome, const QString& testo, int punti, QWidget* parent) {
    auto* etichetta = new QLabel(testo, parent);
    etichetta->setObjectName(nome);
    QFont carattere = etichetta->font();
    carattere.setPointSizeF(carattere.pointSizeF() * punti / 9.0);
    etichetta->setFont(carattere);
    return etichetta;
}
} // namespace

frmSplash::frmSplash(bool& SaltaSplash, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      SaltaSplash(SaltaSplash), barraAvanzamento(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(TitoloApplicazione);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0xf7, 0xfa, 0xfd)));

    auto* picProfilo = new Figura(QStringLiteral("profilo"), QSize(480, 260), this);
    picProfilo->setObjectName(QStringLiteral("picProfilo"));
    auto* PicLogo = new Figura(QStringLiteral("velantra"), QSize(72, 72), this);
    PicLogo->setObjectName(QStringLiteral("PicLogo"));
    PicLogo->setFixedSize(72, 72);
    QLabel* lblProductName = Etichetta(QStringLiteral("lblProductName"), TitoloApplicazione, 26, this);
    lblProductName->setStyleSheet(QStringLiteral("color: #163f73; font-weight: bold;"));
    QLabel* lblSottotitolo =
        Etichetta(QStringLiteral("lblSottotitolo"), QStringLiteral("Velantra dei moti"), 11, this);
    QLabel* lblVersion = Etichetta(QStringLiteral("lblVersion"), TestoVersione(), 10, this);
    QLabel* Istanze =
        Etichetta(QStringLiteral("Istanze"), QStringLiteral("Premi INVIO per continuare"), 10, this);
    Istanze->setAlignment(Qt::AlignCenter);
    barraAvanzamento->setObjectName(QStringLiteral("prgAvanzamento"));
    barraAvanzamento->setAccessibleName(QStringLiteral("Avanzamento dell'avvio"));
    barraAvanzamento->setRange(0, 10 * Centesimi);
    barraAvanzamento->setTextVisible(false);
    barraAvanzamento->setFixedHeight(12);

    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(24, 20, 24, 18);
    griglia->setHorizontalSpacing(16);
    griglia->addWidget(PicLogo, 0, 0, 3, 1, Qt::AlignTop);
    griglia->addWidget(lblProductName, 0, 1);
    griglia->addWidget(lblSottotitolo, 1, 1);
    griglia->addWidget(lblVersion, 2, 1, Qt::AlignTop);
    griglia->addWidget(picProfilo, 3, 0, 1, 2);
    griglia->addWidget(Istanze, 4, 0, 1, 2);
    griglia->addWidget(barraAvanzamento, 5, 0, 1, 2);
    griglia->setRowStretch(3, 1);
    setFixedSize(540, 480);
}

void frmSplash::ImpostaAvanzamento(float valore) {
    barraAvanzamento->setValue(static_cast<int>(std::lround(valore * Centesimi)));
}

void frmSplash::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        return;
    SaltaSplash = true;
    emit Saltato();
}
