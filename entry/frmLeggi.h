#pragma once

// The window "Leggi di moto": the calculated motion's stroke and time run by the laws compared, one
// row each with its peaks and, for a sized axis, the drive's figures; the least values marked. Under
// the table the curves of the laws ticked (at most four), v(t) and a(t) or s(t) and j(t). The jerk J of
// the last law is typed here and kept by the simulation, so that a document saves it.

#include "ConfrontoLeggi.h"

#include <QWidget>
#include <optional>
#include <vector>

class Dialoghi;
class FinestreFiglie;
class PianoSerie;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;
class Simulazione;

class frmLeggi : public QWidget {
    Q_OBJECT
public:
    frmLeggi(Simulazione& simulazione, Dialoghi& dialoghi, QWidget* parent = nullptr);

    // The table shown, none while there is no calculated motion or it cannot be compared.
    const std::optional<ConfrontoLeggi>& Confronto() const { return confronto; }
    // The laws ticked, in table order.
    std::vector<int> Spuntate() const;

    QSize sizeHint() const override;

signals:
    // "Esporta dati..." pressed: the program asks where and writes the table or the curves.
    void EsportaDatiRichiesta();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // The table and the plots anew; the J box shows the jerk in use when `jerk` is set.
    void Aggiorna(bool jerk);
    void Riempi(const ConfrontoLeggi& c);
    void Traccia();
    void JerkDigitato();
    void Spuntata(QTableWidgetItem* cella);
    void Stato(const QString& testo);

    Simulazione& simulazione;
    Dialoghi& dialoghi;
    std::optional<ConfrontoLeggi> confronto;
    QLineEdit* jerk = nullptr;
    QLabel* motivoJerk = nullptr;
    QLabel* stato = nullptr;
    QTableWidget* tabella = nullptr;
    QCheckBox* posizioneJerk = nullptr;
    PianoSerie* primo = nullptr;   // v(t), or s(t)
    PianoSerie* secondo = nullptr; // a(t), or j(t)
    std::vector<bool> spunte;      // per law, kept from one motion to the next
    bool chiusa = false;           // closed, waiting to be deleted: it shows nothing more
};

// The one laws window: created when not open, shown and focused; the motion it shows is marked as
// shown, for the report.
frmLeggi& ApriLeggi(FinestreFiglie& figlie, Simulazione& simulazione, Dialoghi& dialoghi);
