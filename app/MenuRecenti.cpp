#include "MenuRecenti.h"

#include "Impostazioni.h"
#include "NomiFile.h"

#include <QDir>
#include <QFileInfo>

MenuRecenti::MenuRecenti(QWidget* parent) : QMenu(QStringLiteral("&Documenti recenti"), parent) {
    setObjectName(QStringLiteral("mnuFileRecenti"));
    menuAction()->setObjectName(objectName());
    setAccessibleName(QStringLiteral("Documenti recenti"));
    setToolTipsVisible(true);
    Aggiorna();
}

void MenuRecenti::Aggiorna() {
    // Later: the list is made anew while one of its items is being chosen.
    for (QAction* voce : actions()) {
        removeAction(voce);
        voce->deleteLater();
    }
    const QStringList documenti = Impostazioni().LeggiDocumentiRecenti();
    for (qsizetype i = 0; i < documenti.size(); ++i) {
        const QFileInfo documento(documenti[i]);
        QString nome = PercorsoMostrato(documento.fileName());
        // Numbered as the Window menu's items, the number the access key.
        QAction* voce = addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(nome.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        voce->setToolTip(PercorsoMostrato(QDir::toNativeSeparators(documento.absolutePath())));
        connect(voce, &QAction::triggered, this, [this, percorso = documenti[i]] { emit Scelto(percorso); });
    }
    setEnabled(!documenti.isEmpty());
}
