#include "Relazione.h"

#include "Documenti.h"
#include "FileSicuri.h"
#include "Grafico.h"
#include "Impostazioni.h"
#include "ModelloGrafico.h"
#include "NumeriRegionali.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "TestiAsse.h"
#include "VistaMoto.h"

#include <QFileInfo>
#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

std::optional<FormatoRelazione> FormatoRelazioneDi(const QString& percorso) {
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    if (estensione == QLatin1String("pdf"))
        return FormatoRelazione::Pdf;
    if (estensione == QLatin1String("txt"))
        return FormatoRelazione::Testo;
    return std::nullopt;
}

namespace {
constexpr double Margine = 15;               // mm around the page's contents
constexpr double LarghezzaPagina = 210;      // A4, mm
constexpr double MezzaPagina = 80;           // mm from the left edge, where the right column starts
constexpr double AltezzaPagina = 297;        // A4, mm
constexpr double SpazioDimensionamento = 45; // mm kept below the graph for the sizing
} // namespace

// A titled table: a name, then values and units, on the page; the same as lines of text.
struct Relazione::Blocco {
    QString titolo;
    QStringList intestazione; // headings of the columns after the names, or none
    QList<QStringList> celle;
    QStringList righe;
    bool destra = false; // in the right column
    bool sotto = false;  // below the graph
};

std::vector<Relazione::Blocco> Relazione::Blocchi() const {
    std::vector<Blocco> blocchi;
    const auto grandezza = [this](Blocco& b, int i) {
        const QString nome = QLatin1String(Grandezze[i].Nome),
                      valore = TestoArrotondato(simulazione.Moto().*Grandezze[i].Membro, 5),
                      unita = QLatin1String(Grandezze[i].Unita);
        b.celle << QStringList{nome, valore, unita};
        b.righe << QStringLiteral("%1: %2 %3").arg(nome, valore, unita);
    };
    Blocco terna;
    if (const int16_t sistema = simulazione.SistemaCorrente(); SistemaValido(sistema)) {
        QStringList nomi;
        for (const int i : Sistemi[static_cast<size_t>(sistema)].Indici) {
            nomi << QLatin1String(Grandezze[i].Nome);
            grandezza(terna, i);
        }
        terna.titolo = QStringLiteral("Terna di valori di input (%1):").arg(nomi.join(QStringLiteral(", ")));
    } else {
        terna.titolo = QStringLiteral("Terna di valori di input: nessuna");
    }
    blocchi.push_back(terna);
    Blocco risultati;
    risultati.titolo = QStringLiteral("Valori dei parametri calcolati:");
    for (int i = 0; i < NumeroGrandezze; ++i)
        grandezza(risultati, i);
    blocchi.push_back(risultati);
    if (!simulazione.Asse())
        return blocchi;

    const DatiAsse& dati = *simulazione.Asse();
    Blocco asse;
    asse.titolo = QStringLiteral("Dati dell'asse:");
    asse.destra = true;
    asse.righe = RigheDati(dati);
    for (const CampoAsse& campo : CampiAsse)
        if (Applicabile(campo, dati.Tipo))
            asse.celle << QStringList{
                EtichettaCampo(campo),
                campo.Membro ? TestoValore(dati.*campo.Membro) : NomeTrasmissione(dati.Tipo),
                UnitaCampo(campo).isEmpty() ? QString() : '[' + UnitaCampo(campo) + ']'};
    blocchi.push_back(asse);
    const std::optional<Dimensionamento>& r = simulazione.Dimensionato();
    if (!r)
        return blocchi;
    Blocco cifre;
    cifre.titolo = QStringLiteral("Dimensionamento asse:");
    cifre.sotto = true;
    cifre.righe = RigheCifre(*r);
    for (const CifraAsse& cifra : CifreAsse)
        if (cifra.AncheDiretta || !r->Diretta)
            cifre.celle << QStringList{QString::fromUtf8(cifra.Nome), TestoCifra((*r).*cifra.Membro),
                                       QStringLiteral("[%1]").arg(QString::fromUtf8(cifra.Unita))};
    blocchi.push_back(cifre);
    Blocco fasi;
    fasi.titolo = r->Diretta ? QStringLiteral("Forza per fase:") : QStringLiteral("Forza e coppia per fase:");
    fasi.sotto = fasi.destra = true;
    fasi.intestazione = {QStringLiteral("F [N]")};
    if (!r->Diretta)
        fasi.intestazione << QStringLiteral("C [N·m]");
    fasi.righe = RigheFasi(*r);
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        QString nome = QLatin1String(NomiFasiAsse[i]);
        nome[0] = nome[0].toUpper();
        fasi.celle << QStringList{nome, TestoCifra(r->Fasi[i].Forza)};
        if (!r->Diretta)
            fasi.celle.back() << TestoCifra(r->Fasi[i].Coppia);
    }
    blocchi.push_back(fasi);
    return blocchi;
}

QString Relazione::Testo() const {
    QStringList righe;
    if (!intestazione.isEmpty())
        righe << intestazione << QString();
    for (const Blocco& blocco : Blocchi())
        righe << blocco.titolo << blocco.righe << QString();
    return righe.join(QStringLiteral("\r\n"));
}

namespace {

// A table at `x`, `y` mm: the title, then rows of a name and values, numbers (and the headings over
// them) right-aligned in their column, a unit (a cell in brackets) just after its number, a word from
// its column's start on, over the columns after it. Its right edge and bottom, in mm.
QPointF DisegnaBlocco(QPainter& pittore, double x, double y, const QString& titolo,
                      const QStringList& intestazione, const QList<QStringList>& celle) {
    const double mm = pittore.device()->logicalDpiX() / 25.4;
    const QFontMetricsF metrica(pittore.font(), pittore.device());
    const double riga = metrica.height() / mm;
    const auto larghezza = [&](const QString& testo) { return metrica.horizontalAdvance(testo) / mm; };
    QFont grassetto = pittore.font();
    grassetto.setBold(true);
    double destra = x + QFontMetricsF(grassetto, pittore.device()).horizontalAdvance(titolo) / mm;
    pittore.save();
    pittore.setFont(grassetto);
    pittore.drawText(QPointF(x * mm, y * mm + metrica.ascent()), titolo);
    pittore.restore();
    y += riga * 1.3;
    QList<QStringList> tabella = celle;
    if (!intestazione.isEmpty())
        tabella.prepend(QStringList{QString()} + intestazione);
    const auto parola = [&](int r, int c) {
        return c > 0 && !(r == 0 && !intestazione.isEmpty()) && !tabella[r][c].isEmpty() &&
               tabella[r][c][0].isLetter();
    };
    std::vector<double> colonne;
    for (int r = 0; r < tabella.size(); ++r)
        for (int c = 0; c < tabella[r].size(); ++c) {
            colonne.resize(std::max<size_t>(colonne.size(), c + 1));
            if (!parola(r, c))
                colonne[c] = std::max(colonne[c], larghezza(tabella[r][c]) + 3);
        }
    for (int r = 0; r < tabella.size(); ++r) {
        double sinistra = x;
        for (int c = 0; c < tabella[r].size(); ++c) {
            const QString& cella = tabella[r][c];
            const double posto = c == 0 || parola(r, c)  ? sinistra
                                 : cella.startsWith('[') ? sinistra - 2
                                                         : sinistra + colonne[c] - 3 - larghezza(cella);
            pittore.drawText(QPointF(posto * mm, y * mm + metrica.ascent()), cella);
            destra = std::max(destra, posto + larghezza(cella));
            sinistra += colonne[c];
        }
        y += riga;
    }
    return {destra, y};
}

} // namespace

double Relazione::DisegnaGrafico(QPainter& pittore, const QRectF& posto) const {
    Grafico vista = simulazione.GraficoCorrente();
    vista.StatoDisegniGrafico |= Grafico::BitParticolari;
    CalcolaVistaIntera(vista, simulazione.PuntiGrafico());
    const DatiGrafico dati{simulazione.PuntiGrafico(), simulazione.Moto(), vista, false,
                           simulazione.Asse() ? &*simulazione.Asse() : nullptr};
    // Laid out in pixels of 1/96 inch, as the graph's texts are sized, no taller than two thirds of
    // its width.
    const double scala = pittore.device()->logicalDpiX() / 96.0;
    const QSizeF misura(posto.width() / scala, std::min(posto.height(), posto.width() * 2 / 3) / scala);
    const QFont carattere = CarattereGrafico();
    pittore.save();
    pittore.translate(posto.topLeft());
    pittore.scale(scala, scala);
    DipingiGrafico(
        pittore,
        DisponiGrafico(dati, CorniceSuMisura(dati, QRectF(QPointF(0, 0), misura), carattere), carattere));
    pittore.restore();
    return misura.height() * scala;
}

bool Relazione::ScriviPdf(QIODevice& file) const {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Velantra dei moti"));
    pdf.setTitle(QStringLiteral("Relazione"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(600);
    QPainter pittore;
    if (!pittore.begin(&pdf))
        return false;
    const double mm = pdf.logicalDpiX() / 25.4;
    // Without ligatures, so that "ffi" stays three letters for whoever searches the text.
    QFont carattere(QStringLiteral("DejaVu Sans"), 9);
    carattere.setStyleStrategy(QFont::PreferNoShaping);
    pittore.setFont(carattere);
    double y = Margine;
    if (!intestazione.isEmpty()) {
        QFont grande = carattere;
        grande.setPointSize(12);
        pittore.setFont(grande);
        const QRectF riga(Margine * mm, y * mm, (LarghezzaPagina - 2 * Margine) * mm, 30 * mm);
        const int modo = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap; // a long header on more lines
        pittore.drawText(riga, modo, intestazione);
        y += pittore.boundingRect(riga, modo, intestazione).height() / mm + 4;
        pittore.setFont(carattere);
    }
    const std::vector<Blocco> blocchi = Blocchi();
    // Above the graph the motion on the left and the axis' data on the right; below it the sizing.
    for (const bool sotto : {false, true}) {
        if (sotto && std::none_of(blocchi.begin(), blocchi.end(), [](const Blocco& b) { return b.sotto; }))
            break;
        double fondo = y, sinistra = Margine;
        for (const bool destra : {false, true}) {
            QPointF angolo(sinistra, y);
            for (const Blocco& b : blocchi)
                if (b.sotto == sotto && b.destra == destra) {
                    const QPointF fine =
                        DisegnaBlocco(pittore, angolo.x(), angolo.y(), b.titolo, b.intestazione, b.celle);
                    angolo.setY(fine.y() + 3);
                    sinistra = std::max(sinistra, fine.x() + 8); // the right column clear of the left one
                }
            fondo = std::max(fondo, angolo.y());
            sinistra = std::max(sinistra, MezzaPagina);
        }
        y = fondo + 2;
        if (!sotto) {
            // As large as the page leaves, the sizing's lines below it.
            const double sotto = simulazione.Asse() ? SpazioDimensionamento : 0;
            const QRectF posto(Margine * mm, y * mm, (LarghezzaPagina - 2 * Margine) * mm,
                               std::max(40.0, AltezzaPagina - Margine - sotto - y) * mm);
            y += DisegnaGrafico(pittore, posto) / mm + 5;
        }
    }
    return pittore.end();
}

std::optional<QString> Relazione::Scrivi(const QString& percorso, FormatoRelazione formato) const {
    if (formato == FormatoRelazione::Testo)
        return ScriviFile(percorso, (Testo() + QStringLiteral("\r\n")).toUtf8());
    return ScriviFile(percorso, [this](QIODevice& file) { return ScriviPdf(file); });
}

std::optional<QString> RelazioneDaDocumento(const QString& documento, const QString& uscita) {
    const std::optional<FormatoRelazione> formato = FormatoRelazioneDi(uscita);
    if (!formato)
        return QStringLiteral("Impossibile scrivere la relazione nel file «%1»: l'estensione non indica un "
                              "formato noto (.pdf, .txt).")
            .arg(PercorsoMostrato(uscita));
    if (auto motivo = SovrascriveIngresso(documento, uscita))
        return QStringLiteral("Impossibile scrivere la relazione nel file «%1»: %2.")
            .arg(PercorsoMostrato(uscita), *motivo);
    Simulazione simulazione;
    if (auto messaggio = CalcolaDocumento(documento, simulazione))
        return messaggio;
    const QString intestazione = Impostazioni().LeggiIntestazione();
    if (auto motivo = Relazione(simulazione, intestazione).Scrivi(uscita, *formato))
        return QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(PercorsoMostrato(uscita), *motivo);
    return std::nullopt;
}
