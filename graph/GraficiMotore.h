#pragma once

// The plots of a motor's choice, built from the sizing's figures for the plot of series: the RMS and
// peak torque against the reduction ratio, and the torque-speed picture of the cycle with the motor's
// limits. The sizing window, the report and the command line draw them alike.

#include "GraficoSerie.h"
#include "PianoCoppiaVelocita.h"
#include "RapportoOttimo.h"

// RMS and peak torque across the ratios of `curva`, the ratio typed and the best one marked, the
// motor's rated and peak torque as lines where given, its maximum speed as the largest ratio.
GraficoSerie GraficoRapporto(const CurvaRapporto& curva, const DatiMotore& motore);
// The path each phase of the cycle traces, the holding and the RMS point marked, the motor's limits.
GraficoSerie GraficoCoppiaVelocita(const PianoCoppiaVelocita& piano);
