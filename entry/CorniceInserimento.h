#pragma once

// What the data-entry window needs of the frame that holds it: the results window, and itself brought
// to the front. The frame's list of child windows provides it; the window knows nothing else of it.

class FrmRisultati;
class QWidget;

class CorniceInserimento {
public:
    // The results window, loaded (and placed) when not open, shown and activated.
    virtual FrmRisultati& ApriRisultati() = 0;
    // The results window when it is open, else nullptr.
    virtual FrmRisultati* RisultatiAperti() const = 0;
    // Shows a child window's sub-window and gives it the focus.
    virtual void Mostra(QWidget* finestra) = 0;

protected:
    ~CorniceInserimento() = default;
};
