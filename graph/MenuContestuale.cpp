#include "MenuContestuale.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

bool ApriMenuContestuale(QMenu& menu, const QWidget& piano, const QRect& area, const QEvent& evento) {
    std::optional<QPoint> posto;
    if (evento.type() == QEvent::ContextMenu) {
        const auto& richiesta = static_cast<const QContextMenuEvent&>(evento);
        if (richiesta.reason() != QContextMenuEvent::Mouse)
            posto = piano.mapToGlobal(area.center());
        else if (area.contains(richiesta.pos()))
            posto = richiesta.globalPos();
    } else if (evento.type() == QEvent::KeyPress) {
        const auto& tasto = static_cast<const QKeyEvent&>(evento);
        if (tasto.key() != Qt::Key_Menu &&
            !(tasto.key() == Qt::Key_F10 && tasto.modifiers() == Qt::ShiftModifier))
            return false;
        posto = piano.mapToGlobal(area.center());
    } else {
        return false;
    }
    // Where the platform also turns the menu key into a context-menu request, the menu is already open.
    if (posto && !QApplication::activePopupWidget())
        menu.popup(*posto);
    return true;
}
