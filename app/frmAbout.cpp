#include "frmAbout.h"

#include "Dialoghi.h"
#include "Figura.h"
#include "Risorse.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su ") + TitoloApplicazione);

    auto* picIcon = new Figura(QStringLiteral("velantra"), QSize(64, 64), this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(64, 64);
    auto* picProfilo = new Figura(QStringLiteral("profilo"), QSize(360, 195), this);
    picProfilo->setObjectName(QStringLiteral("picProfilo"));
    picProfilo->setFixedSize(360, 195);

    auto* lblTitle = new QLabel(TitoloApplicazione, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont grande = lblTitle->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    lblTitle->setFont(grande);
    auto* lblVersion = new QLabel(TestoVersione(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* lblDescription =
        new QLabel(QStringLiteral("Velantra dei moti: calcolo e grafico della legge di moto "
                                  "con profilo di velocità trapezoidale simmetrico."),
                   this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(cmdOK->text());
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* griglia = new QGridLayout(this);
    griglia->setHorizontalSpacing(16);
    griglia->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    griglia->addWidget(lblTitle, 0, 1);
    griglia->addWidget(lblVersion, 1, 1);
    griglia->addWidget(lblDescription, 2, 1);
    griglia->addWidget(picProfilo, 3, 0, 1, 2, Qt::AlignCenter);
    griglia->addWidget(cmdOK, 4, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}
