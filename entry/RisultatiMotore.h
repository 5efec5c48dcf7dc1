#pragma once

// What the sizing window shows of the motor: its verdicts on the sized axis (each limit given against
// what the axis asks, the share used, the inertia ratio, the one verdict line), the reduction ratio of
// least RMS torque with its plot across ratios, and the torque-speed picture. The parts are laid out by
// the window; this fills them from the sizing.

#include "DatiMotore.h"
#include "Dimensionamento.h"
#include "GiudizioMotore.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <optional>

class PianoSerie;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

class RisultatiMotore : public QObject {
    Q_OBJECT
public:
    explicit RisultatiMotore(QObject* parent = nullptr) : QObject(parent) {}

    QGroupBox* CreaGiudizi(QWidget* genitore); // the verdicts, shown while a motor is given
    QWidget* CreaOttimo(QWidget* genitore);    // the best ratio, its button and plot
    QWidget* CreaDiagramma(QWidget* genitore); // the torque-speed picture

    // The sizing `r` of `asse` (none: nothing to show) with `motore`.
    void Mostra(const Dimensionamento* r, const DatiAsse& asse, const std::optional<DatiMotore>& motore);
    // What is shown, one line each of name, value and unit separated by tabs, as the window copies it.
    QStringList Righe() const;

signals:
    // "Usa rapporto ottimale": the ratio to type into its box.
    void UsaRapporto(double rapporto);

private:
    QGroupBox* giudizi = nullptr;
    std::array<QLabel*, NumeroLimitiMotore> nomi{}, richieste{}, limiti{}, unita{}, quote{};
    QLabel* nomeInerzia = nullptr;
    QLabel* rapportoInerzia = nullptr;
    QLabel* notaInerzia = nullptr;
    QLabel* verdetto = nullptr;
    // The best ratio and what it gives: ratio, RMS and peak torque, motor speed.
    std::array<QLabel*, 4> nomiOttimo{}, ottimo{};
    QLabel* motivoOttimo = nullptr;
    QPushButton* usaOttimo = nullptr;
    PianoSerie* pianoRapporto = nullptr;
    PianoSerie* pianoLavoro = nullptr;
    QLabel* senzaDiagramma = nullptr;
    std::optional<double> rapportoOttimo;
};
