#include "Impaginazione.h"

#include <QPagedPaintDevice>
#include <QPainter>

std::vector<Impaginazione::Posto> Impaginazione::Posti() const {
    std::vector<Posto> posti;
    int pagina = 0;
    double y = 0;
    for (const Parte& parte : parti) {
        if (y > 0 && y + parte.altezza > contenuto.height()) {
            ++pagina;
            y = 0;
        }
        posti.push_back({pagina, y, parte.altezza});
        y += parte.altezza + spazio;
    }
    // Each page's room left goes to its stretching parts alike.
    for (size_t primo = 0; primo < posti.size();) {
        size_t fine = primo;
        int elastiche = 0;
        for (; fine < posti.size() && posti[fine].pagina == posti[primo].pagina; ++fine)
            elastiche += parti[fine].elastica;
        const double resto = contenuto.height() - posti[fine - 1].y - posti[fine - 1].altezza;
        double giu = 0;
        for (size_t i = primo; elastiche > 0 && resto > 0 && i < fine; ++i) {
            posti[i].y += giu;
            if (parti[i].elastica) {
                posti[i].altezza += resto / elastiche;
                giu += resto / elastiche;
            }
        }
        primo = fine;
    }
    return posti;
}

bool Impaginazione::Dipingi(QPainter& pittore, QPagedPaintDevice& dispositivo) const {
    const std::vector<Posto> posti = Posti();
    for (size_t i = 0; i < parti.size(); ++i) {
        if (i > 0 && posti[i].pagina != posti[i - 1].pagina && !dispositivo.newPage())
            return false;
        pittore.save();
        pittore.setClipRect(contenuto);
        parti[i].disegna(pittore, QRectF(contenuto.left(), contenuto.top() + posti[i].y, contenuto.width(),
                                         posti[i].altezza));
        pittore.restore();
    }
    return true;
}
