#include "frmOptions.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmOptions::frmOptions(QString& IntestazioneUtente, QWidget* parent)
    : QDialog(parent), IntestazioneUtente(IntestazioneUtente), tbsOptions(new QTabWidget(this)),
      TIntestUtente(new QLineEdit(IntestazioneUtente, this)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Opzioni"));

    // QTabWidget selects the next and previous tab with Ctrl+Tab and Ctrl+Shift+Tab, wrapping round,
    // and shows only the selected tab's panel.
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->setAccessibleName(QStringLiteral("Schede delle opzioni"));
    auto* generali = new QWidget(tbsOptions);
    tbsOptions->addTab(generali, QStringLiteral("Generali"));

    auto* riquadro = new QGroupBox(QStringLiteral("Informazioni utente"), generali);
    auto* lblIntestazione = new QLabel(QStringLiteral("Intestazione stampe"), riquadro);
    lblIntestazione->setObjectName(QStringLiteral("lblIntestazione"));
    lblIntestazione->setBuddy(TIntestUtente);
    TIntestUtente->setObjectName(QStringLiteral("TIntestUtente"));
    TIntestUtente->setAccessibleName(lblIntestazione->text());
    TIntestUtente->setMinimumWidth(320);
    auto* righe = new QVBoxLayout(riquadro);
    righe->addWidget(lblIntestazione);
    righe->addWidget(TIntestUtente);
    auto* pagina = new QVBoxLayout(generali);
    pagina->addWidget(riquadro);
    pagina->addStretch();

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Annulla"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* pulsante : {cmdOK, cmdCancel})
        pulsante->setAccessibleName(pulsante->text());
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cmdOK);
    pulsanti->addWidget(cmdCancel);
    auto* impianto = new QVBoxLayout(this);
    impianto->addWidget(tbsOptions, 1);
    impianto->addLayout(pulsanti);
    TIntestUtente->setFocus();
}

void frmOptions::accept() {
    IntestazioneUtente = TIntestUtente->text();
    QDialog::accept();
}
