#pragma once

// Artwork and identification shared by the windows: the SVG resources and the version.

#include <QIcon>
#include <QString>

// Path of the SVG resource with this name (":/app/<nome>.svg").
QString Risorsa(const QString& nome);
QIcon Icona(const QString& nome);

// "Versione 4.0.0": the program's major, minor and revision numbers.
QString TestoVersione();
