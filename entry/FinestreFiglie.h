#pragma once

// The child windows of the main frame, found by their type, or by form name (the widget's objectName:
// "frmMain" is the frame itself, "frmInserimentoDati", "FrmRisultati", "frmGrafico"). A child is shown
// inside a QMdiSubWindow that is deleted when closed, so closing a child unloads it. A form of fixed size
// larger than the area scrolls inside a sub-window that fits the area.

#include "CorniceInserimento.h"
#include "RichiestaImmagine.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class Dialoghi;
class FrmRisultati;
class QMdiArea;
class QMdiSubWindow;
class QWidget;
class frmGrafico;
class frmInserimentoDati;
class Simulazione;

class FinestreFiglie : public QObject, public CorniceInserimento {
    Q_OBJECT
public:
    // The child windows follow the simulation's changes from now on.
    FinestreFiglie(QMdiArea& area, Simulazione& simulazione, Dialoghi& dialoghi, QObject* parent = nullptr);

    // True when an open child window has this form name (exact, case-sensitive).
    bool FormAperto(const QString& nome) const;
    // The open child window with this form name, or nullptr.
    QWidget* Finestra(const QString& nome) const;
    // The open child window of this type, or nullptr.
    template <typename Tipo> Tipo* Aperta() const {
        for (QWidget* finestra : Aperte())
            if (auto* aperta = qobject_cast<Tipo*>(finestra))
                return aperta;
        return nullptr;
    }
    // The child of the active sub-window, or nullptr.
    QWidget* FinestraAttiva() const;
    // The child window shown by a sub-window, and the sub-window showing a child (nullptr if none).
    static QWidget* Contenuto(const QMdiSubWindow* sotto);
    static QMdiSubWindow* SottoFinestra(const QWidget* finestra);

    // Puts a new child window into the frame (taking ownership) and returns its sub-window, not yet
    // shown. The child's objectName must be its form name.
    QMdiSubWindow* Aggiungi(QWidget* finestra);
    // A fixed form as the program's own are loaded: its frame sized to it (scrolling inside when the area
    // is smaller) and placed at the point, kept inside the area. Not yet shown.
    QMdiSubWindow* AggiungiFissa(QWidget* finestra, QPoint posto);
    // Shows the child's sub-window and gives it the focus.
    void Mostra(QWidget* finestra) override;

    // The data-entry window, loaded (placed, showing the current system) when not open, shown and focused.
    frmInserimentoDati& ApriInserimentoDati();
    // The results window, loaded when not open (placed beside the data-entry window when it fits in
    // the area, else near the top left), shown and activated.
    FrmRisultati& ApriRisultati() override;
    FrmRisultati* RisultatiAperti() const override;
    // The one graph window: created when not open (it places and draws itself), shown and focused.
    frmGrafico& ApriGrafico();

    // Closes every child window; each runs its own closing code first.
    void ChiudiFinestre();

signals:
    // Enter in a value box of the data-entry window.
    void CalcoloRichiesto();
    // A plot's "Esporta immagine..." (the graph window's, or another window's plot connected here) and
    // the graph window's "Esporta dati...": files are the program's to write.
    void EsportaImmagineRichiesta(const RichiestaImmagine& richiesta);
    void EsportaDatiRichiesta();
    // The laws window's "Esporta dati...".
    void EsportaLeggiRichiesta();

private:
    // The open child windows, in the area's order.
    QList<QWidget*> Aperte() const;
    // Puts a fixed form into a sub-window sized to it, or to the area when the form is larger.
    QMdiSubWindow* Carica(QWidget* finestra);
    // Moves the sub-window to the point, or as near as keeps it inside the area.
    void Colloca(QMdiSubWindow* sotto, QPoint posto) const;
    QPoint PostoRisultati(int larghezza) const;
    // The motion (and its sampled curve) changed: an open graph window shows the new curve, or a
    // blank plot when the curve is empty; a closed one will open on the full view, since a zoom of
    // the former motion would frame nothing of the new one.
    void MotoCambiato();

    QMdiArea& area;
    Simulazione& simulazione;
    Dialoghi& dialoghi;
};
