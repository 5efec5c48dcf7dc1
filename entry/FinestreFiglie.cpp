#include "FinestreFiglie.h"

#include <QMdiArea>
#include <QMdiSubWindow>

FinestreFiglie::FinestreFiglie(QMdiArea& area, Programma& programma, Dialoghi& dialoghi)
    : area(area), programma(programma), dialoghi(dialoghi) {}

QWidget* FinestreFiglie::Finestra(const QString& nome) const {
    for (QMdiSubWindow* sotto : area.subWindowList())
        if (sotto->widget() && sotto->widget()->objectName() == nome) return sotto->widget();
    return nullptr;
}

bool FinestreFiglie::FormAperto(const QString& nome) const { return Finestra(nome) != nullptr; }

QWidget* FinestreFiglie::FinestraAttiva() const {
    QMdiSubWindow* attiva = area.activeSubWindow();
    return attiva ? attiva->widget() : nullptr;
}

QMdiSubWindow* FinestreFiglie::Aggiungi(QWidget* finestra) {
    QMdiSubWindow* sotto = area.addSubWindow(finestra);
    sotto->setAttribute(Qt::WA_DeleteOnClose);
    return sotto;
}

void FinestreFiglie::Mostra(QWidget* finestra) {
    auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
    if (!sotto) return;
    if (sotto->isMinimized()) sotto->showNormal();
    sotto->show();
    area.setActiveSubWindow(sotto);
    finestra->setFocus();
}

void FinestreFiglie::ChiudiFinestre() {
    for (QMdiSubWindow* sotto : area.subWindowList())
        sotto->close();
}
