#pragma once

// The sizing of the axis in words, as the window, its print-out and the report write it: numbers in
// the user's regional format, six significant digits.

#include "Dimensionamento.h"

#include <QString>
#include <QStringList>

// A figure: six significant digits, regional separator.
QString TestoCifra(double valore);
// "Forza di picco: 138,237 [N]", one line per figure of the drive (forces only for a direct drive).
QStringList RigheCifre(const Dimensionamento& r);
// "In accelerazione: F = 138,237 [N], C = 0,445518 [N·m]", one line per phase and the dwell.
QStringList RigheFasi(const Dimensionamento& r);
// "Massa in movimento: 50 [kg]", one line per value that applies to the transmission.
QStringList RigheDati(const DatiAsse& dati);
// The label of a field, its unit, and the transmission's name as the window shows them.
QString EtichettaCampo(const CampoAsse& campo);
QString UnitaCampo(const CampoAsse& campo);
QString NomeTrasmissione(Trasmissione tipo);
