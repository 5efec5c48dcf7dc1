#pragma once

// The results written out for use elsewhere: the eight quantities as a text table, the graph as a
// Windows bitmap.

#include <QString>
#include <QStringList>

class Velantra;
class frmMain;

inline const QStringList FiltriTabella = {QStringLiteral("Testo (*.txt)"),
                                          QStringLiteral("Tutti i file (*.*)")};
inline const QStringList FiltriGrafico = {QStringLiteral("Bitmap (*.bmp)"),
                                          QStringLiteral("Tutti i file (*.*)")};

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

private:
    const Velantra& Moto;
    frmMain& principale;
};
