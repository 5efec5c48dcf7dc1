#pragma once

// The results written out for use elsewhere: the eight quantities as a text table, the graph as a
// Windows bitmap; from the graph window, its picture (PNG, SVG, PDF) and the motion's values (CSV).
// A picture or a data file that takes long shows its progress and can be cancelled.

#include <QString>
#include <QStringList>

class Dialoghi;
class FinestreFiglie;
class Velantra;
struct DatiAsse;
struct PassoCsv;

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
inline const QString TitoloEsportaImmagine = QStringLiteral("Esporta immagine");
inline const QString TitoloEsportaDati = QStringLiteral("Esporta dati");
inline const QString TitoloDimensione = QStringLiteral("Dimensione dell'immagine");

// The data export's dialog title, with the step of the rows: "Esporta dati: una riga ogni 0,01 s".
QString TitoloDati(const PassoCsv& passo);

// Eight CRLF lines of label, value in the user's format with 15 significant digits, and unit.
QString TestoTabella(const Velantra& Moto);

class Esportazione {
public:
    Esportazione(const Velantra& Moto, Dialoghi& dialoghi, FinestreFiglie& figlie)
        : Moto(Moto), dialoghi(dialoghi), figlie(figlie) {}

    // Each asks a name, then writes the file there.
    void EsportaTabella();
    void EsportaGrafico();

    // False, after telling the user, when the file was not written.
    bool EsportaTabella(const QString& percorso);
    // Opens the graph window when none is open, then writes its plot as last drawn.
    bool EsportaGrafico(const QString& percorso);

    // The open graph window's view, in the format of the chosen filter (or of the name's extension),
    // at the view's size or the one the user types.
    void EsportaImmagineGrafico();
    // The motion's values as CSV on the step of PassoPredefinito, in the standard or the regional
    // form as the chosen filter says; with the axis' sizing data, its force and torque columns too.
    void EsportaDatiGrafico(const DatiAsse* asse);

private:
    const Velantra& Moto;
    Dialoghi& dialoghi;
    FinestreFiglie& figlie;
};
