#pragma once

// The current simulation and its one owner: the document's data (the combination SistemaCorrente, the
// motion record Moto, the sizing data of the axis and whatever else a document carries), the sampled
// speed curve PuntiGrafico, the graph's view GraficoCorrente, the command state, and the document the
// simulation was last read from or written to. Windows, the command line, the report and the tests
// read it freely and change it only through the operations below, which apply the program's rules once:
//
// - a typed value that changes the record empties the curve: a calculated simulation is one no more
//   (state 3 goes to 2; 1 and 2 stay);
// - a calculation solves the current combination, checks that the record is a motion, sizes the axis
//   when there is sizing data and samples the curve (state 3). A failure is returned as data and
//   empties the curve: state 3 goes to 2, 1 and 2 stay;
// - the sizing data is no input of the motion: changing it keeps the curve and resizes a calculated
//   motion.
//
// Every operation that changes something says so once, through Cambiata. Messages, results and
// pictures are the windows' to show: nothing here is a widget.

#include "Dimensionamento.h"
#include "Documento.h"
#include "EsitoCalcolo.h"
#include "Grafico.h"
#include "StatoComandi.h"
#include "XYPoli.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class Simulazione : public QObject {
    Q_OBJECT
public:
    // What an operation changed.
    enum class Cambio : uint8_t {
        Dati = 1,       // the combination, the record or the sizing data
        Curva = 2,      // the curve, sampled anew or emptied: the motion to show is another
        Asse = 4,       // the sizing data or the sizing of the calculated motion
        Stato = 8,      // the command state
        Documento = 16, // the document last read or written, or its text
    };
    Q_DECLARE_FLAGS(Cambi, Cambio)

    // The empty simulation: no combination, every quantity 0, no curve, state 1, no document.
    explicit Simulazione(QObject* parent = nullptr);

    int16_t SistemaCorrente() const { return dati.Sistema; }
    const Velantra& Moto() const { return dati.Moto; }
    const std::optional<DatiAsse>& Asse() const { return dati.Asse; }
    // The motor chosen for the axis (its limits; its inertia is in the sizing data), or none.
    const std::optional<DatiMotore>& Motore() const { return dati.Motore; }
    // The jerk of the laws compared, when the user set one (else the laws window's default).
    const std::optional<double>& Jerk() const { return dati.Jerk; }
    // True once the laws compared were shown for the motion now calculated (the report then adds them).
    bool LeggiMostrate() const { return leggiMostrate; }
    // All that a document holds of the simulation.
    const DatiDocumento& Dati() const { return dati; }
    const XYPoli& PuntiGrafico() const { return punti; }
    // The graph's view and tools: the graph window's to change, kept while the window is closed.
    Grafico& GraficoCorrente() { return grafico; }
    const Grafico& GraficoCorrente() const { return grafico; }
    StatoComandi Stato() const { return stato; }
    bool Calcolata() const { return stato == StatoComandi::Calcolato; }
    // The sizing of the calculated motion; none before a calculation, without sizing data, or when
    // the data cannot size this motion (forces beyond the doubles).
    const std::optional<Dimensionamento>& Dimensionato() const { return dimensionamento; }

    // New: the empty simulation again, the document forgotten.
    void Svuota();
    // The worked example typed into the empty simulation: Stot 2 m, Ttot 5 s and S1 0.25 m under the
    // combination Stot-Ttot-S1, not yet calculated.
    void Esempio();
    // Replaces the whole simulation with a document read from `percorso` and checked whole, whose
    // exact text is `testo`: state 2, no curve, the calculation still to do. Unchanged from then on
    // until the data changes, whatever form the text had.
    void Carica(DatiDocumento letti, const QString& percorso, std::string testo);

    // The current combination, 0 to 10, or -1 for none. The record stays as it is.
    void ImpostaSistema(int16_t sistema);
    // A typed value into the record, by the windows' order of the quantities (S1, S2, Stot, T1, T2,
    // Ttot, Vm, A). True when it changed the record (and so emptied the curve).
    bool ImpostaValore(int indice, double valore);
    // The sizing data, or none.
    void ImpostaAsse(const std::optional<DatiAsse>& asse);
    // The motor, or none; the jerk of the laws, or none (the default). Neither is an input of the
    // motion: the curve stays.
    void ImpostaMotore(const std::optional<DatiMotore>& motore);
    void ImpostaJerk(std::optional<double> jerk);
    // The laws compared were shown for the calculated motion; forgotten when the curve changes.
    void SegnaLeggiMostrate() { leggiMostrate = Calcolata(); }

    // Solves the current combination into the record, then checks, sizes and samples it.
    EsitoCalcolo Calcola();

    // The document Save would write now: what a failed solve left undefined or infinite goes as 0.
    // None when the sizing data cannot be written.
    std::optional<std::string> TestoDocumento() const;
    // The document file last opened or saved in this run; empty when none.
    const QString& Documento() const { return documento; }
    // The text last written to it, or the one Save would write for the data last read from it (before
    // any, the empty simulation's).
    const std::string& TestoSalvato() const { return testoSalvato; }
    // `testo` was written whole to `percorso`.
    void Salvata(const QString& percorso, std::string testo);
    // Changed since saved: Save would now write another text than the one last read or written. Values
    // typed in a window count once they went into the record (the window copies them as it closes).
    bool Modificata() const;
    // The same with `moto` in place of the record: the values typed in a window, not yet copied in.
    bool Modificata(const Velantra& moto) const;

signals:
    // Once per operation that changed something: `cosa` says what.
    void Cambiata(Simulazione::Cambi cosa);

private:
    // The empty simulation, without a word.
    void Azzera();
    // The curve no longer matches the record: emptied, the sizing with it, state 3 back to 2.
    Cambi SvuotaCurva();

    DatiDocumento dati;
    XYPoli punti;
    Grafico grafico;
    StatoComandi stato = StatoComandi::Vuoto;
    std::optional<Dimensionamento> dimensionamento;
    QString documento;
    std::string testoSalvato;
    bool leggiMostrate = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Simulazione::Cambi)
