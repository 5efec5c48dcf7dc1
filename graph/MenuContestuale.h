#pragma once

// A plot's context menu, asked for by a right click on the plot, by the menu key or by Shift+F10 while
// the plot has the focus; opened once however many of these the platform sends for one press.

#include <QRect>

class QEvent;
class QMenu;
class QWidget;

// True when `evento`, sent to `piano`, asks for the menu, which is then open: at the mouse for a click
// on `area` (a click off it opens nothing), at the area's centre for the keys.
bool ApriMenuContestuale(QMenu& menu, const QWidget& piano, const QRect& area, const QEvent& evento);
