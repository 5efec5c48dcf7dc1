#include "EtichetteAssi.h"

#include "NumeriRegionali.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

double Inizio(const AsseEtichette& asse, const QRectF& r) {
    return asse.orizzontale ? r.left() : r.top();
}
double Fine(const AsseEtichette& asse, const QRectF& r) {
    return asse.orizzontale ? r.right() : r.bottom();
}

bool Libera(const QRectF& posto, const std::vector<EtichettaAsse>& tenute, const std::vector<QRectF>& vietati,
            double spazio) {
    const QRectF largo = posto.adjusted(-spazio, 0, spazio, 0);
    return std::none_of(tenute.begin(), tenute.end(),
                        [&](const EtichettaAsse& e) { return largo.intersects(e.posto); }) &&
           std::none_of(vietati.begin(), vietati.end(), [&](const QRectF& r) { return posto.intersects(r); });
}

// Moved inside the strip across the axis, and along it by at most half its width or its height, so
// that it still stands by its value (a vertical designed label as far as need be); nothing when that is
// not enough.
std::optional<QRectF> Dentro(const AsseEtichette& asse, QRectF r, bool tondo = false) {
    const QRectF& s = asse.striscia;
    if (asse.orizzontale) {
        r.moveTop(std::clamp(r.top(), s.top(), std::max(s.top(), s.bottom() - r.height())));
        const double spinta = std::clamp(r.left(), s.left(), s.right() - r.width()) - r.left();
        if (r.width() > s.width() || std::abs(spinta) > r.width() / 2)
            return std::nullopt;
        r.translate(spinta, 0);
    } else {
        r.moveLeft(std::clamp(r.left(), s.left(), std::max(s.left(), s.right() - r.width())));
        const double spinta =
            std::clamp(r.top(), s.top(), std::max(s.top(), s.bottom() - r.height())) - r.top();
        if (tondo && std::abs(spinta) > r.height())
            return std::nullopt;
        r.translate(0, spinta);
    }
    return r;
}

// The designed horizontal labels, right to left: one that the strip's end would cut, or that would come
// closer than a blank to the label after it, moves left, a blank before the next; one pushed out of the
// strip's left end goes.
std::vector<EtichettaAsse> SpingiASinistra(const AsseEtichette& asse, std::vector<EtichettaAsse> etichette,
                                           double spazio) {
    std::stable_sort(etichette.begin(), etichette.end(), [](const EtichettaAsse& a, const EtichettaAsse& b) {
        return a.posto.left() > b.posto.left();
    });
    double limite = asse.striscia.right();
    bool spostata = false, prima = true;
    std::vector<EtichettaAsse> tenute;
    for (EtichettaAsse& e : etichette) {
        e.posto.moveTop(std::clamp(e.posto.top(), asse.striscia.top(),
                                   std::max(asse.striscia.top(), asse.striscia.bottom() - e.posto.height())));
        if (spostata || e.posto.right() > limite - (prima ? 0 : spazio)) {
            const double x = std::min(e.posto.left(), limite - (prima ? 0 : spazio) - e.posto.width());
            spostata = x != e.posto.left();
            e.posto.moveLeft(x);
        }
        // One sticking out of the left end by less than half its width moves in, if the next leaves room.
        if (e.posto.left() < asse.striscia.left()) {
            if (asse.striscia.left() - e.posto.left() > e.posto.width() / 2 ||
                asse.striscia.left() + e.posto.width() > limite - (prima ? 0 : spazio))
                continue;
            e.posto.moveLeft(asse.striscia.left());
        }
        limite = e.posto.left();
        prima = false;
        tenute.push_back(e);
    }
    return tenute;
}

// The labels on the largest round step that brings the axis to enough of them (as many as the five
// passes give where there is no other, else three), none touching another or a label already there.
std::vector<EtichettaAsse> Tondi(const AsseEtichette& asse, const std::vector<EtichettaAsse>& tenute,
                                 const QFontMetricsF& metrica, const std::vector<QRectF>& vietati,
                                 double spazio) {
    const double inizio = Inizio(asse, asse.striscia), fine = Fine(asse, asse.striscia);
    double da = asse.mappa.Inversa(inizio), a = asse.mappa.Inversa(fine);
    if (da > a)
        std::swap(da, a);
    // With no designed label, about as many as the five passes give; else as few as reach three.
    const int cercate = tenute.empty() ? 4 : MinimoEtichette;
    std::vector<EtichettaAsse> migliori;
    const double ampiezza = a - da;
    if (std::isfinite(ampiezza) && ampiezza > 0) {
        const int decade = static_cast<int>(std::ceil(std::log10(ampiezza)));
        for (int i = 0; i < 60; ++i) {
            const int multiplo[] = {1, 5, 2};
            const int esponente = decade - (i + 2) / 3;
            const double passo = multiplo[i % 3] * std::pow(10.0, esponente);
            if (ampiezza / passo > 2 * MassimoEtichette)
                break;
            std::vector<EtichettaAsse> nuove;
            bool fitte = false, perse = false;
            for (double k = std::ceil(da / passo); k * passo <= a && !fitte; ++k) {
                const double valore = k * passo;
                const QString testo = TestoPasso(valore, passo);
                if (std::any_of(tenute.begin(), tenute.end(),
                                [&](const EtichettaAsse& e) { return e.testo == testo; }))
                    continue;
                const QSizeF misura(metrica.horizontalAdvance(testo), metrica.height());
                const QRectF voluto = asse.posa(asse.Posizione(valore), misura);
                const auto posto = Dentro(asse, voluto, true);
                if (!posto || !Libera(*posto, tenute, vietati, spazio))
                    continue; // a designed label stands there
                // One moved in at the strip's end gives way to its neighbour rather than crowd it.
                if (!Libera(*posto, nuove, {}, spazio)) {
                    perse = true;
                    if (*posto != voluto)
                        continue;
                    if (nuove.back().posto !=
                        asse.posa(asse.Posizione(nuove.back().valore), nuove.back().posto.size()))
                        nuove.pop_back();
                    fitte = !Libera(*posto, nuove, {}, spazio);
                }
                nuove.push_back({valore, testo, *posto});
            }
            const int totale = static_cast<int>(tenute.size() + nuove.size());
            const int prima = static_cast<int>(tenute.size() + migliori.size());
            if (fitte || totale > MassimoEtichette || (perse && prima >= MinimoEtichette))
                break; // closer steps only crowd them more
            if (totale > static_cast<int>(tenute.size() + migliori.size()))
                migliori = std::move(nuove);
            if (totale >= cercate)
                break;
        }
    }
    return migliori;
}

} // namespace

int DecimaliPasso(double passo) {
    return std::max(0, static_cast<int>(-std::floor(std::log10(passo) + 1e-9)));
}

QString TestoPasso(double valore, double passo) {
    const int decimali = DecimaliPasso(passo);
    const QString fisso = decimali <= 15 ? TestoArrotondato(valore, decimali) : TestoValore(valore);
    if (!(std::abs(valore) >= 1e5) || !std::isfinite(valore))
        return fisso;
    // Large values in the exponent form where it is shorter: "5E+05" for 500000.
    const int esponente = static_cast<int>(std::floor(std::log10(std::abs(valore))));
    const int cifre = std::clamp(esponente - static_cast<int>(std::floor(std::log10(passo) + 1e-9)), 0, 14);
    const QString esponenziale = TestoArrotondato(valore / std::pow(10.0, esponente), cifre) +
                                 QStringLiteral("E+%1").arg(esponente, 2, 10, QLatin1Char('0'));
    return esponenziale.size() < fisso.size() ? esponenziale : fisso;
}

std::vector<EtichettaAsse> ScegliEtichette(const AsseEtichette& asse, std::vector<EtichettaAsse> descritte,
                                           const QFontMetricsF& metrica, const std::vector<QRectF>& vietati) {
    const double spazio = asse.orizzontale ? metrica.horizontalAdvance(QLatin1Char(' ')) : 0;
    const double inizio = Inizio(asse, asse.striscia), fine = Fine(asse, asse.striscia);
    const auto inVista = [&](double valore) {
        const double p = asse.Posizione(valore);
        return p >= inizio - 1 && p <= fine + 1;
    };
    std::erase_if(descritte,
                  [&](const EtichettaAsse& e) { return !std::isfinite(e.valore) || !inVista(e.valore); });
    // Drawn once where two say the same in the same place; round steps where two neighbours read alike.
    std::vector<EtichettaAsse> distinte;
    for (const EtichettaAsse& e : descritte)
        if (std::none_of(distinte.begin(), distinte.end(), [&](const EtichettaAsse& d) {
                return d.testo == e.testo && (d.valore == e.valore || d.posto.intersects(e.posto));
            }))
            distinte.push_back(e);
    std::vector<EtichettaAsse> perValore = distinte;
    std::stable_sort(perValore.begin(), perValore.end(),
                     [](const EtichettaAsse& a, const EtichettaAsse& b) { return a.valore < b.valore; });
    for (size_t i = 1; i < perValore.size(); ++i)
        if (perValore[i].testo == perValore[i - 1].testo)
            distinte.clear();

    std::vector<EtichettaAsse> tenute;
    if (asse.orizzontale)
        distinte = SpingiASinistra(asse, std::move(distinte), spazio);
    for (const EtichettaAsse& e : distinte) {
        if (asse.orizzontale) {
            if (Libera(e.posto, tenute, vietati, spazio - 0.01))
                tenute.push_back(e);
        } else if (const auto posto = Dentro(asse, e.posto); posto && Libera(*posto, tenute, vietati, 0)) {
            tenute.push_back({e.valore, e.testo, *posto});
        } else { // a column with gaps would read unevenly: round steps instead
            tenute.clear();
            break;
        }
    }

    if (static_cast<int>(tenute.size()) < asse.minimo && asse.mappa.Passo() != 0) {
        std::vector<EtichettaAsse> tondi = Tondi(asse, tenute, metrica, vietati, spazio);
        // Where the designed labels leave too little room for enough of them, round steps alone.
        if (!tenute.empty() && int(tenute.size() + tondi.size()) < asse.minimo) {
            std::vector<EtichettaAsse> soli = Tondi(asse, {}, metrica, vietati, spazio);
            if (soli.size() > tenute.size() + tondi.size()) {
                tenute.clear();
                tondi = std::move(soli);
            }
        }
        tenute.insert(tenute.end(), tondi.begin(), tondi.end());
    }
    std::stable_sort(tenute.begin(), tenute.end(),
                     [](const EtichettaAsse& a, const EtichettaAsse& b) { return a.valore < b.valore; });
    return tenute;
}
