#pragma once

// The results written out for use elsewhere, without windows: the eight quantities as a text table,
// the motion's values as CSV columns; the dialogs' titles and filters of every export. The commands
// that ask where are ComandiEsportazione's; the command line writes the same.

#include "DatiProfilo.h"

#include <QString>
#include <QStringList>
#include <vector>

class LeggeMoto;
class Simulazione;
class Velantra;

inline const QStringList FiltriTabella = {QStringLiteral("Testo (*.txt)"),
                                          QStringLiteral("Tutti i file (*.*)")};
inline const QStringList FiltriGrafico = {QStringLiteral("Bitmap (*.bmp)"),
                                          QStringLiteral("Tutti i file (*.*)")};
// The filter chosen gives the format, in this order.
inline const QStringList FiltriImmagine = {QStringLiteral("Immagine PNG (*.png)"),
                                           QStringLiteral("Immagine vettoriale SVG (*.svg)"),
                                           QStringLiteral("Documento PDF (*.pdf)")};
inline const QStringList FiltriDati = {
    QStringLiteral("CSV standard: virgola, punto decimale (*.csv)"),
    QStringLiteral("CSV regionale: punto e virgola, decimali del sistema (*.csv)")};
// The laws window's data: the filter chosen gives what is written.
inline const QStringList FiltriLeggi = {QStringLiteral("Tabella delle leggi, CSV (*.csv)"),
                                        QStringLiteral("Curve delle leggi spuntate, CSV (*.csv)")};
inline const QString TitoloEsportaImmagine = QStringLiteral("Esporta immagine");
inline const QString TitoloEsportaDati = QStringLiteral("Esporta dati");
inline const QString TitoloDimensione = QStringLiteral("Dimensione dell'immagine");

// The data export's dialog title, with the step of the rows: "Esporta dati: una riga ogni 0,01 s".
QString TitoloDati(const PassoCsv& passo);

// Eight CRLF lines of label, value in the user's format with 15 significant digits, and unit.
QString TestoTabella(const Velantra& Moto);

// The motion's values: position, speed and acceleration of `legge` (which must outlive the columns)
// and, for the simulation's sized axis, its force and torque.
std::vector<ColonnaCsv> ColonneSimulazione(const LeggeMoto& legge, const Simulazione& simulazione);
