#pragma once

// The File menu's "&Documenti recenti": the documents last opened or saved, as the settings keep them,
// newest first, each by its name with its folder in the tooltip.

#include <QMenu>

class MenuRecenti : public QMenu {
    Q_OBJECT
public:
    explicit MenuRecenti(QWidget* parent = nullptr);

    // Lists the documents anew from the settings; without any, the menu is disabled.
    void Aggiorna();

signals:
    void Scelto(const QString& percorso);
};
