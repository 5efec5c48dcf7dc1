#pragma once

// The laws compared (ConfrontoLeggi.h) as curves: a plot of one quantity of the laws chosen, and the
// same curves as CSV columns. Both run to the longest time of the laws chosen; a law that has ended
// rests at the end of the stroke (s = Stot, v = a = j = 0).

#include "ConfrontoLeggi.h"
#include "DatiProfilo.h"
#include "GraficoSerie.h"

#include <string>
#include <vector>

enum class GrandezzaLegge { Posizione, Velocita, Accelerazione, Jerk };

// The time the plot and the CSV run to: the longest Ttot of the laws chosen (indices of IndiceLegge).
double DurataLeggi(const ConfrontoLeggi& c, const std::vector<int>& leggi);

// The plot of `grandezza` against time for the laws chosen, each law in its own colour and line
// style (the same in every plot), named in the legend. Where the law's acceleration jumps, a(t) is
// drawn upright and j(t) is left out (it is unbounded there).
GraficoSerie GraficoLeggi(const ConfrontoLeggi& c, const std::vector<int>& leggi, GrandezzaLegge grandezza);

// The CSV columns of the laws chosen: per law "s <name> [m]", "v <name> [m/sec]", "a <name> [m/sec^2]"
// and "j <name> [m/sec^3]". Holds its headers' texts: not to be copied; `c` must outlive it.
struct CurveLeggiCsv {
    std::vector<std::string> intestazioni;
    std::vector<ColonnaCsv> colonne;
    CurveLeggiCsv(const ConfrontoLeggi& c, const std::vector<int>& leggi);
    CurveLeggiCsv(const CurveLeggiCsv&) = delete;
    CurveLeggiCsv& operator=(const CurveLeggiCsv&) = delete;
};
