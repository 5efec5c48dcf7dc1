#pragma once

// The results written out for use elsewhere: the eight quantities as a text table, the graph as a
// Windows bitmap; from the graph window, its picture (PNG, SVG, PDF) and the sampled profile (CSV).

#include <QString>
#include <QStringList>

class Velantra;
class XYPoli;
class frmMain;

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

// Eight CRLF lines of label, value in the user's format with 15 significant digits, and unit.
QString TestoTabella(const Velantra& Moto);

class Esportazione {
public:
    Esportazione(const Velantra& Moto, frmMain& principale) : Moto(Moto), principale(principale) {}

    void mnuFileEsporta();        // asks a name, then EsportaTabella
    void mnuFileEsportaGrafico(); // asks a name, then EsportaGrafico

    // False, after telling the user, when the file was not written.
    bool EsportaTabella(const QString& percorso);
    // Opens the graph window when none is open, then writes its plot as last drawn.
    bool EsportaGrafico(const QString& percorso);

    // The open graph window's view, in the format of the chosen filter (or of the name's extension),
    // at the view's size or the one the user types.
    void EsportaImmagineGrafico();
    // The sampled profile as CSV, in the standard or the regional form as the chosen filter says.
    void EsportaDatiGrafico(const XYPoli& Punti);

private:
    const Velantra& Moto;
    frmMain& principale;
};
