#pragma once

// The frame's own measures, in pixels of 1/96 inch: the white around a picture, the room kept for lines
// that leave the plot, ticks, and the room beside texts. The parts' designed sizes, in twips, are in
// MisureProgetto.h.

namespace Cornice {
inline constexpr double MargineImmagine = 6;  // white around a picture of the graph, on each side
inline constexpr double MargineTaglio = 64;   // lines leaving the plot are cut this far outside it
inline constexpr double SpazioTesto = 2;      // after a label or a name, before what follows it
inline constexpr double SpazioNome = 4;       // after a details axis' name, over its strip
inline constexpr double TraNomi = 8;          // between two names on a row
inline constexpr double RientroAvviso = 8;    // the warning of a view not drawn, from the plot's edges
inline constexpr double Tacca = 6;            // a details axis' ticks
inline constexpr double RientroEtichetta = 8; // a details axis' labels, from the strip's left edge
inline constexpr double TaccaVm = 4;          // Vm's tick, on each side of the speed axis
inline constexpr double ScostamentoSegno = 3; // a phase mark's text from its line
inline constexpr double DistanzaAsse = 2;     // a phase mark's text from the time axis
} // namespace Cornice
