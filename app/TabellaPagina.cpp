#include "TabellaPagina.h"

#include "RigheTesto.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {
constexpr double Spazio = 3;        // mm after each column
constexpr double RientroUnita = 2;  // mm a unit starts left of its column, just after the number
constexpr double ParteNomi = 0.3;   // of the width, the least the names keep when the rows are too wide
constexpr double SottoTitolo = 0.3; // of a line, between the title and the rows
} // namespace

TabellaPagina::Disposizione TabellaPagina::Disponi(const QFont& carattere, const QPaintDevice* dispositivo,
                                                   double larghezza) const {
    const double mm = dispositivo->logicalDpiX() / 25.4;
    QFont grassetto = carattere;
    grassetto.setBold(true);
    const QFontMetricsF metrica(carattere, dispositivo), metricaGrassetto(grassetto, dispositivo);
    Disposizione d;
    // A cell's lines in their room; a name's, a word's or the title's reach as far as their text, the
    // others' fill their column.
    const auto aggiungi = [&](QRectF posto, const QStringList& righe, bool riempie, bool destra,
                              bool forte = false) {
        const QFontMetricsF& m = forte ? metricaGrassetto : metrica;
        double larga = 0;
        for (const QString& riga : righe)
            larga = std::max(larga, m.horizontalAdvance(riga));
        d.destra = std::max(d.destra, riempie ? posto.right() : posto.left() + larga);
        posto.setHeight(m.height() * righe.size());
        d.celle.push_back({posto, righe, destra, forte});
        return posto.height();
    };
    double y = aggiungi(QRectF(0, 0, larghezza, 0), RigheTesto(titolo, grassetto, dispositivo, larghezza),
                        false, false, true) +
               metrica.height() * SottoTitolo;

    QList<QStringList> tabella = celle;
    if (!intestazione.isEmpty())
        tabella.prepend(QStringList{QString()} + intestazione);
    const auto parola = [&](qsizetype r, qsizetype c) {
        return c > 0 && !(r == 0 && !intestazione.isEmpty()) && !tabella[r][c].isEmpty() &&
               tabella[r][c][0].isLetter();
    };
    std::vector<double> colonne(1); // the names', at least
    for (qsizetype r = 0; r < tabella.size(); ++r)
        for (qsizetype c = 0; c < tabella[r].size(); ++c) {
            colonne.resize(std::max<size_t>(colonne.size(), size_t(c) + 1));
            if (!parola(r, c))
                colonne[size_t(c)] =
                    std::max(colonne[size_t(c)], metrica.horizontalAdvance(tabella[r][c]) + Spazio * mm);
        }
    // The last column's room after it may fall outside.
    const double spazio = larghezza + Spazio * mm;
    const double altre = std::accumulate(colonne.begin() + 1, colonne.end(), 0.0);
    if (colonne[0] + altre > spazio) {
        colonne[0] = std::min(colonne[0], std::max(spazio - altre, larghezza * ParteNomi));
        if (colonne[0] + altre > spazio)
            for (size_t c = 1; c < colonne.size(); ++c)
                colonne[c] *= (spazio - colonne[0]) / altre;
    }
    for (qsizetype r = 0; r < tabella.size(); ++r) {
        double sinistra = 0, alta = metrica.height();
        for (qsizetype c = 0; c < tabella[r].size(); ++c) {
            const QString& cella = tabella[r][c];
            const double colonna = colonne[size_t(c)];
            QRectF posto(sinistra, y, colonna - Spazio * mm, 0); // a name, a number or a heading
            if (parola(r, c))
                posto.setWidth(larghezza - sinistra);
            else if (c > 0 && cella.startsWith(u'['))
                posto.adjust(-RientroUnita * mm, 0, 0, 0);
            const bool numero = c > 0 && !parola(r, c);
            alta = std::max(alta, aggiungi(posto, RigheTesto(cella, carattere, dispositivo, posto.width()),
                                           numero, numero && !cella.startsWith(u'[')));
            sinistra += colonna;
        }
        y += alta;
    }
    d.altezza = y;
    return d;
}

double TabellaPagina::Larghezza(const QFont& carattere, const QPaintDevice* dispositivo) const {
    return Disponi(carattere, dispositivo, 1e9).destra;
}

double TabellaPagina::Altezza(const QFont& carattere, const QPaintDevice* dispositivo,
                              double larghezza) const {
    return Disponi(carattere, dispositivo, larghezza).altezza;
}

void TabellaPagina::Disegna(QPainter& pittore, const QRectF& posto) const {
    const QFont carattere = pittore.font();
    QFont grassetto = carattere;
    grassetto.setBold(true);
    for (const Cella& cella : Disponi(carattere, pittore.device(), posto.width()).celle) {
        pittore.setFont(cella.grassetto ? grassetto : carattere);
        const QFontMetricsF metrica(pittore.font(), pittore.device());
        for (qsizetype i = 0; i < cella.righe.size(); ++i) {
            const double x = cella.destra ? cella.posto.right() - metrica.horizontalAdvance(cella.righe[i])
                                          : cella.posto.left();
            pittore.drawText(posto.topLeft() + QPointF(x, cella.posto.top() + metrica.height() * double(i) +
                                                              metrica.ascent()),
                             cella.righe[i]);
        }
    }
    pittore.setFont(carattere);
}
