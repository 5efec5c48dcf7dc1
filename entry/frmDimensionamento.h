#pragma once

// The window "Dimensionamento asse": the data of the axis on the left, and on the right the force and
// motor torque of each phase of the calculated motion and the figures for choosing the drive. Every
// change of a value goes into the simulation, which sizes the calculated motion anew, as it does at
// every calculation; the window shows it at once. Values that cannot be taken are not: the window says
// which and why, and the sizing data stays as it was.

#include "Dimensionamento.h"

#include <QWidget>
#include <array>
#include <optional>

class Dialoghi;
class FinestreFiglie;
class QComboBox;
class QLabel;
class QLineEdit;
class Simulazione;

class frmDimensionamento : public QWidget {
    Q_OBJECT
public:
    // Follows the simulation's calculations from now on.
    frmDimensionamento(Simulazione& simulazione, Dialoghi& dialoghi, QWidget* parent = nullptr);

    // Takes the values when all can be taken, then shows the sizing of the calculated motion.
    void Aggiorna();
    // Why the values on screen cannot be taken, naming the field; empty when they can.
    QString Difetto() const;
    // What the window shows, one line of name, value and unit each, separated by tabs.
    QStringList Righe() const;
    void Copia() const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    struct Lettura {
        DatiAsse dati;
        int campo = -1; // the first field that cannot be taken, or -1
        QString motivo;
    };
    Lettura Leggi() const;
    QWidget* CreaDati();
    QWidget* CreaRisultati();
    void MostraDati(const DatiAsse& dati);
    void MostraRisultati(const Dimensionamento* r);
    // Enter in a box, or leaving one whose text changed: a value that cannot be taken is said at once.
    void ValoreConfermato(int campo);

    Simulazione& simulazione;
    Dialoghi& dialoghi;
    std::array<QLineEdit*, NumeroCampiAsse> valori{}; // none for the transmission
    std::array<QLabel*, NumeroCampiAsse> etichette{};
    std::array<QLabel*, NumeroCampiAsse> unita{};
    QComboBox* trasmissione = nullptr;
    std::array<QLabel*, NumeroFasiAsse> forze{};
    std::array<QLabel*, NumeroFasiAsse> coppie{};
    QLabel* titoloCoppie = nullptr;
    std::array<QLabel*, CifreAsse.size()> nomiCifre{};
    std::array<QLabel*, CifreAsse.size()> cifre{};
    std::array<QLabel*, CifreAsse.size()> unitaCifre{};
    QLabel* stato = nullptr;
    // The text each box was last refused for: leaving the box again says it no more.
    std::array<QString, NumeroCampiAsse> rifiutati{};
    // The sizing data before the box being edited was touched: what typing it through values that can
    // be taken ("1" on the way to "1,5") took is given back if it ends in one that cannot.
    std::optional<std::optional<DatiAsse>> primaDellaModifica;
    bool chiusura = false;
};

// The one sizing window: created when not open, shown and focused.
frmDimensionamento& ApriDimensionamento(FinestreFiglie& figlie, Simulazione& simulazione, Dialoghi& dialoghi);
// Why the open sizing window's values cannot be taken, as the tail of a sentence ("manca il valore di
// «Massa in movimento»"); empty when they can or the window is closed. A file written now would
// silently leave them out.
QString DifettoDimensionamento(const FinestreFiglie& figlie);
