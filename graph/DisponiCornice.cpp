// The one layout of a plot's frame: the plot, its value strips, its axes right of it and the names, by
// the rules of the graph window as designed, of a picture of any size or of the printed page.

#include "MisureCornice.h"
#include "ModelloGrafico.h"
#include "PartiCornice.h"
#include "RegoleCornice.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

// Each edge and extent to whole pixels, as the window places its controls.
QRectF Arrotondato(const QRectF& r) {
    return QRectF(std::lround(r.left()), std::lround(r.top()), std::max(1L, std::lround(r.width())),
                  std::max(1L, std::lround(r.height())));
}

} // namespace

RegoleCornice RegoleSuMisura(const QRectF& spazio, const QFont& carattere) {
    RegoleCornice r;
    r.carattere = r.carattereNomi = carattere;
    r.spazio = QRectF(QPointF(std::round(spazio.left()), std::round(spazio.top())),
                      QPointF(std::floor(spazio.right()), std::floor(spazio.bottom())));
    r.pianoStretto = spazio.width() / 2;
    return r;
}

RegoleCornice RegoleProgettate(const QRectF& spazio, const QFont& carattere, const QFont& carattereNomi) {
    using namespace Progetto;
    const auto pixel = [](double twips) { return twips / TwipsPerPixel; };
    RegoleCornice r;
    r.carattere = carattere;
    r.carattereNomi = carattereNomi;
    r.spazio = spazio;
    r.sopraPiano = pixel(SopraNomi);
    r.altezzaNome = pixel(AltezzaNome);
    r.strisciaTempi = pixel(StrisciaTempi);
    r.sovrapposizione = pixel(Sovrapposizione);
    r.larghezzaNomeVelocita = pixel(LarghezzaNomeVelocita);
    r.larghezzaNomeTempo = pixel(LarghezzaNomeTempo);
    r.scostamentoNomeTempo = pixel(ScostamentoNomeTempo);
    r.spazioNomeTempo = false;
    r.arrotonda = true;
    return r;
}

CorniceGrafico DisponiCornice(const PartiCornice& parti, const RegoleCornice& r) {
    const QFontMetricsF metrica(r.carattere), metricaNomi(r.carattereNomi);
    const QRectF& s = r.spazio;
    // A strip at least as wide as designed; the right axes for their labels alone, or with their names.
    const double minima = Px(Progetto::StrisciaVelocita);
    std::vector<double> etichette, conNome;
    for (const PartiCornice::Asse& a : parti.assi) {
        etichette.push_back(std::max(minima, a.etichette));
        conNome.push_back(
            std::max(etichette.back(), std::ceil(metrica.horizontalAdvance(a.nome)) + Cornice::SpazioNome));
    }
    const double larghezzaNomeOrizzontale = std::ceil(metrica.horizontalAdvance(parti.nomeOrizzontale));
    const auto nome = [](const QString& testo, const QRectF& posto, QColor colore = Qt::black) {
        return TestoGrafico{posto, testo, RuoloTesto::Nome, colore};
    };
    const auto larghezzaNome = [&](const QString& testo, double progettata) {
        return std::max(progettata, std::ceil(metricaNomi.horizontalAdvance(testo)));
    };
    double libera = 0; // the plot's width before it is kept to a pixel at least

    const auto disponi = [&](bool stretta) {
        CorniceGrafico c;
        c.carattereNomi = r.carattereNomi;
        c.strisceSopra = r.strisceSopra;
        const double sinistra =
            stretta ? parti.etichetteVerticali : std::max(minima, parti.etichetteVerticali);
        const std::vector<double>& strisce = stretta ? etichette : conNome;
        double assi = 0;
        for (double w : strisce)
            assi += w;
        if (r.nomiAssi)
            c.nomi.push_back(
                nome(parti.nomeVerticale,
                     QRectF(s.left(), s.top(), larghezzaNome(parti.nomeVerticale, r.larghezzaNomeVelocita),
                            r.altezzaNome)));
        // Narrow: the right axes' names above the plot, ending at the right edge, on a second row where
        // the first has no room for them.
        double righe = 1;
        if (stretta) {
            double fine = s.right(), riga = s.top();
            for (size_t i = parti.assi.size(); i-- > 0;) {
                const PartiCornice::Asse& a = parti.assi[i];
                const double w = std::ceil(metrica.horizontalAdvance(a.nome));
                if (riga == s.top() &&
                    fine - w < s.left() + metrica.horizontalAdvance(parti.nomeVerticale) + Cornice::TraNomi) {
                    riga += r.altezzaNome;
                    fine = s.right();
                    righe = 2;
                }
                c.nomi.push_back(nome(a.nome, QRectF(fine - w, riga, w, r.altezzaNome), a.colore));
                fine -= w + Cornice::TraNomi;
            }
        }

        if (r.piano) {
            c.area = *r.piano;
            c.area.setWidth(c.area.width() - assi);
        } else {
            const double x = s.left() + sinistra - r.sovrapposizione,
                         y = s.top() + r.sopraPiano + (righe - 1) * r.altezzaNome;
            const double perNome = r.nomiAssi && r.spazioNomeTempo && !stretta
                                       ? std::max(0.0, r.scostamentoNomeTempo + larghezzaNomeOrizzontale +
                                                           Cornice::SpazioTesto - assi)
                                       : 0;
            libera = s.right() - x - assi - perNome;
            c.area = QRectF(x, y, std::max(1.0, libera),
                            std::max(1.0, s.bottom() - y - r.strisciaTempi - (stretta ? r.altezzaNome : 0)));
        }
        const QRectF& piano = c.area;
        c.strisciaVelocita = QRectF(s.left(), piano.top(), sinistra, piano.height());
        c.strisciaTempi = QRectF(piano.left(), r.piano ? s.bottom() - r.strisciaTempi : piano.bottom(),
                                 piano.width(), r.strisciaTempi);
        double x = piano.right();
        for (size_t i = 0; i < strisce.size(); ++i) {
            const PartiCornice::Asse& a = parti.assi[i];
            c.strisceDettagli.emplace_back(x, piano.top(), strisce[i], piano.height());
            if (!stretta)
                c.nomi.push_back(nome(
                    a.nome, QRectF(x, s.top(), larghezzaNome(a.nome, strisce[i]), r.altezzaNome), a.colore));
            x += strisce[i];
        }
        if (r.nomiAssi)
            c.nomi.push_back(
                stretta ? nome(parti.nomeOrizzontale,
                               QRectF(c.strisciaTempi.right() - larghezzaNomeOrizzontale,
                                      c.strisciaTempi.bottom(), larghezzaNomeOrizzontale, r.altezzaNome))
                        : nome(parti.nomeOrizzontale,
                               QRectF(piano.right() + r.scostamentoNomeTempo,
                                      c.strisciaTempi.top() + r.scostamentoNomeTempo,
                                      larghezzaNome(parti.nomeOrizzontale, r.larghezzaNomeTempo),
                                      r.altezzaNome)));
        if (r.arrotonda) {
            for (QRectF* q : {&c.area, &c.strisciaVelocita, &c.strisciaTempi})
                *q = Arrotondato(*q);
            for (QRectF& q : c.strisceDettagli)
                q = Arrotondato(q);
            for (TestoGrafico& t : c.nomi)
                t.posto = Arrotondato(t.posto);
        }
        return c;
    };
    CorniceGrafico c = disponi(false);
    if (r.pianoStretto && libera < *r.pianoStretto)
        c = disponi(true);
    return c;
}
