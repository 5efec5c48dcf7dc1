#pragma once

// "Catalogo motori...": the user picks a CSV list of motors, the window lists them ranked for the axis
// (the suitable ones first, each with its shares in %, then the others with their first reason, then
// the lines that could not be read) and the one chosen goes back to the caller. What cannot be read or
// ranked is said in a message, and nothing changes.

#include "CatalogoMotori.h"

#include <QDialog>
#include <functional>

class Dialoghi;
class QTreeWidget;
class Simulazione;

class frmCatalogoMotori : public QDialog {
    Q_OBJECT
public:
    frmCatalogoMotori(Catalogo catalogo, Classifica classifica, QWidget* parent);
    // The motor of the row chosen, or none (a line that could not be read, or no row).
    const MotoreCatalogo* Scelto() const;

private:
    Catalogo catalogo;
    Classifica classifica;
    QTreeWidget* elenco = nullptr;
};

// Asks for the file and shows the ranking, window-modal over `finestra`; `scelto` runs with the motor
// chosen when the user confirms one.
void ScegliDaCatalogo(QWidget* finestra, Dialoghi& dialoghi, const Simulazione& simulazione,
                      std::function<void(const MotoreCatalogo&)> scelto);
