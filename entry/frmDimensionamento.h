#pragma once

// The window "Dimensionamento asse": the data of the axis and of its motor on the left, and on the right
// the force and motor torque of each phase of the calculated motion, the figures for choosing the
// drive, the motor's verdicts, the best reduction ratio and the torque-speed picture. Every
// change of a value goes into the simulation, which sizes the calculated motion anew, as it does at
// every calculation; the window shows it at once. Values that cannot be taken are not: the window says
// which and why, and the sizing data stays as it was.

#include "CatalogoMotori.h"
#include "DatiMotore.h"
#include "Dimensionamento.h"

#include <QWidget>
#include <array>
#include <optional>

class Dialoghi;
class FinestreFiglie;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;
class RisultatiMotore;
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
    // The boxes: the axis' fields in CampiAsse order, then the motor's in CampiMotore order.
    static constexpr int NumeroCampi = NumeroCampiAsse + int(CampiMotore.size());
    struct Lettura {
        DatiAsse dati;
        DatiMotore motore;
        int campo = -1; // the first field that cannot be taken, or -1
        QString motivo;
    };
    struct Prima {
        std::optional<DatiAsse> asse;
        std::optional<DatiMotore> motore;
    };
    Lettura Leggi() const;
    QWidget* CreaDati();
    QWidget* CreaRisultati();
    void Riga(QGridLayout* griglia, int riga, int campo);
    void MostraDati(const DatiAsse& dati, const std::optional<DatiMotore>& motore);
    // A value written into its box as if typed.
    void Digitato(int campo, double valore);
    void ScegliMotore(const MotoreCatalogo& motore);
    void MostraRisultati(const Dimensionamento* r);
    // Enter in a box, or leaving one whose text changed: a value that cannot be taken is said at once.
    void ValoreConfermato(int campo);

    Simulazione& simulazione;
    Dialoghi& dialoghi;
    std::array<QLineEdit*, NumeroCampi> valori{}; // none for the transmission
    std::array<QLabel*, NumeroCampi> etichette{};
    std::array<QLabel*, NumeroCampi> unita{};
    QComboBox* trasmissione = nullptr;
    std::array<QLabel*, NumeroFasiAsse> forze{};
    std::array<QLabel*, NumeroFasiAsse> coppie{};
    QLabel* titoloCoppie = nullptr;
    // The figures, the braking power after the peak one.
    static constexpr int NumeroCifre = int(CifreAsse.size()) + 1;
    std::array<QLabel*, NumeroCifre> nomiCifre{};
    std::array<QLabel*, NumeroCifre> cifre{};
    std::array<QLabel*, NumeroCifre> unitaCifre{};
    RisultatiMotore* motore = nullptr;
    QTabWidget* schede = nullptr;
    QLabel* stato = nullptr;
    // The text each box was last refused for: leaving the box again says it no more.
    std::array<QString, NumeroCampi> rifiutati{};
    // The sizing data before the box being edited was touched: what typing it through values that can
    // be taken ("1" on the way to "1,5") took is given back if it ends in one that cannot.
    std::optional<Prima> primaDellaModifica;
    bool chiusura = false;
};

// The one sizing window: created when not open, shown and focused.
frmDimensionamento& ApriDimensionamento(FinestreFiglie& figlie, Simulazione& simulazione, Dialoghi& dialoghi);
// Why the open sizing window's values cannot be taken, as the tail of a sentence ("manca il valore di
// «Massa in movimento»"); empty when they can or the window is closed. A file written now would
// silently leave them out.
QString DifettoDimensionamento(const FinestreFiglie& figlie);
