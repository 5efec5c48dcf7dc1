#pragma once

// The results window: the eight quantities of Moto, one row each with its name and unit, rounded to
// five decimals; each box's tooltip and accessible description give the whole value (15 significant
// digits). It only displays; the values can be selected and copied, one by one or all together from the
// context menu.

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class Velantra;

class FrmRisultati : public QWidget {
    Q_OBJECT
public:
    explicit FrmRisultati(const Velantra& Moto, QWidget* parent = nullptr);

    // Writes the current values of Moto into the eight rows.
    void RiempiFrmRisultati();
    // The same, with the values marked as no motion: red, the reason under the value in their tooltip.
    void SegnaMotoImpossibile(const QString& motivo);
    // The values shown kept, marked as no motion is: a failed solve leaves them those of an earlier
    // calculation, which the reason says first.
    void SegnaCalcoloFallito(const QString& motivo);
    // Puts the eight rows on the clipboard as lines of name, value as shown and unit, separated by
    // tabs, so that they paste as a table in a spreadsheet.
    void Copia() const;

private:
    void Riempi(const std::array<double, 8>& nuovi, const QString& motivo);
    std::array<double, 8> ValoriMoto() const;

    const Velantra& Moto;
    std::array<double, 8> valori{}; // as last shown
    std::array<QLabel*, 8> LRis{};
    std::array<QLineEdit*, 8> Risultati{};
    std::array<QLabel*, 8> Unita{};
};
