#pragma once

// The data-entry window: the profile picture with one check box and one value box per quantity. The
// user ticks the three known quantities (or picks a line of the list on the picture), types their
// values and asks for the calculation: the simulation solves the ticked system, the window shows the
// results or why there are none.

#include "Velantra.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class CorniceInserimento;
class Dialoghi;
class ProfiloVelocita;
class QCheckBox;
class QLineEdit;
class Simulazione;
struct EsitoCalcolo;

class frmInserimentoDati : public QWidget {
    Q_OBJECT
public:
    frmInserimentoDati(Simulazione& simulazione, Dialoghi& dialoghi, CorniceInserimento& cornice,
                       QWidget* parent = nullptr);

    // The "Calcolo" command: finds the ticked system, checks and copies its three values and has the
    // simulation calculate it; then shows the results or explains why there is no motion. Where a
    // stroke too short for Vm allows a triangular profile, the user may take its peak for Vm and
    // calculate again.
    void AssegnaSistema();
    // Shows the results window and fills it from Moto.
    void InserisciRisultati();
    // Copies the current system's three values into Moto, all or none: returns the index of the first
    // value that cannot be read (then nothing is copied), else -1.
    int LeggiDatiImmessi();
    // The record as LeggiDatiImmessi would leave it, leaving it as it is; none when a value cannot be
    // read (what is typed there is in no record).
    std::optional<Velantra> MotoImmesso() const;

signals:
    // Enter in a value box.
    void CalcoloRichiesto();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaControlli();
    void OrdinaTabulazione();
    // Each value box may widen into the free room on its right, up to the next control or name.
    void AssegnaSpazioLibero();
    // The tick rule: runs after every toggle of a box, whoever made it.
    void SpuntaCambiata(int indice);
    // Picks the line of the list under a press, in twips from the picture's top left.
    void ProfiloPremuto(float X, float Y);
    void MostraSistema();
    // Ticks or unticks a box without running the tick rule.
    void ImpostaSpunta(int indice, bool spuntata);
    // Writes a value box's text; `delMoto`: the text shows Moto's value (see TestiMostrati).
    void ScriviValore(int indice, const QString& testo, bool delMoto);
    // True when the box holds the text the window last wrote there from Moto: its value is Moto's own.
    bool Invariato(int indice) const;
    // The first of the system's boxes whose text is not a number, or -1.
    int PrimoValoreIlleggibile(int16_t sistema) const;
    // The current system's three values into Moto, all readable.
    void CopiaValori();
    // AssegnaSistema, offering the triangular profile or not.
    void Calcolo(bool offriTriangolo);
    void MotoNonCalcolato(const EsitoCalcolo& esito, bool offriTriangolo);

    Simulazione& simulazione;
    Dialoghi& dialoghi;
    CorniceInserimento& cornice;
    ProfiloVelocita* Profilo = nullptr;
    std::array<QCheckBox*, 8> Selezionato{};
    std::array<QLineEdit*, 8> Risultati{};
    // What the window wrote into each box from Moto (15 digits of its value) and that value: while both
    // stand, reading the text back would only round the value, so the box stands for Moto's own.
    struct Mostrato {
        QString testo;
        double valore;
    };
    std::array<std::optional<Mostrato>, 8> TestiMostrati{};
    int16_t NumeroSelezionati = 0;
};
