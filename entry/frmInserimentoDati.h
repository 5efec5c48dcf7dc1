#pragma once

// The data-entry window: the profile picture with one check box and one value box per quantity. The
// user ticks the three known quantities (or picks a line of the list on the picture), types their
// values and asks for the calculation, which solves the ticked system and shows the results.

#include <QWidget>
#include <array>
#include <cstdint>

class Dialoghi;
class FinestreFiglie;
class ProfiloVelocita;
class QCheckBox;
class QLineEdit;
struct Programma;

class frmInserimentoDati : public QWidget {
    Q_OBJECT
public:
    frmInserimentoDati(Programma& programma, Dialoghi& dialoghi, FinestreFiglie& finestre,
                       QWidget* parent = nullptr);

    // The "Calcolo" command: finds the ticked system, checks and copies its three values, solves it
    // and, on success, shows the results, resamples the curve and announces it.
    void AssegnaSistema();
    // Shows the results window and fills it from Moto.
    void InserisciRisultati();
    // Rebuilds the sampled speed curve from Moto.
    void InserisciRisultatiiInXYPoli();
    // Copies the readable values of the current system's boxes into Moto; unreadable ones are skipped.
    void LeggiDatiImmessi();

signals:
    // Last step of a successful calculation.
    void CalcoloRiuscito();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaControlli();
    void OrdinaTabulazione();
    // The tick rule: runs after every toggle of a box, whoever made it.
    void Selezionato_MouseUp(int Index);
    // Picks the line of the list under a press, in twips from the picture's top left.
    void Picture1_MouseDown(float X, float Y);
    void MostraSistema();
    // Ticks or unticks a box without running the tick rule.
    void ImpostaSpunta(int Index, bool spuntata);
    // The first of the system's boxes whose text is not a number, or -1.
    int PrimoValoreIllegibile(int16_t Id) const;

    Programma& programma;
    Dialoghi& dialoghi;
    FinestreFiglie& finestre;
    ProfiloVelocita* Picture1 = nullptr;
    std::array<QCheckBox*, 8> Selezionato{};
    std::array<QLineEdit*, 8> Risultati{};
    int16_t NumeroSelezionati = 0;
};
