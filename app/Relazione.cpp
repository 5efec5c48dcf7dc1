#include "Relazione.h"

#include "Documenti.h"
#include "FileSicuri.h"
#include "Grafico.h"
#include "Impaginazione.h"
#include "Impostazioni.h"
#include "ModelloGrafico.h"
#include "NomiFile.h"
#include "NumeriRegionali.h"
#include "RigheTesto.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "TabellaPagina.h"
#include "TestiAsse.h"
#include "TestiMotore.h"
#include "VistaMoto.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIODevice>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

std::optional<FormatoRelazione> FormatoRelazioneDi(const QString& percorso) {
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    if (estensione == QLatin1String("pdf"))
        return FormatoRelazione::Pdf;
    if (estensione == QLatin1String("txt"))
        return FormatoRelazione::Testo;
    return std::nullopt;
}

QDate DataRelazione() {
    bool letta = false;
    const qint64 secondi = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&letta);
    const QDate data = QDateTime::fromSecsSinceEpoch(secondi, Qt::UTC).date();
    return letta && data.isValid() ? data : QDate::currentDate();
}

namespace {
constexpr double Margine = 15;       // mm around the page's contents
constexpr double Spazio = 5;         // mm between two parts of the page
constexpr double SpazioTabelle = 3;  // mm between two tables of a column
constexpr double SpazioColonne = 8;  // mm between the left column and the right one
constexpr double InizioDestra = 65;  // mm from the contents' left edge, the right column's least start
constexpr double GraficoMinimo = 80; // mm, the graph's least height
constexpr int RigheIntestazione = 4; // the header's share of the page
constexpr int RigheNome = 2;         // the document's name's

QString TestoData() {
    return QLocale().toString(DataRelazione(), QStringLiteral("d MMMM yyyy"));
}

// The print header centred, then the document's name with the date on its right, over a rule.
Impaginazione::Parte ParteTitolo(const QString& intestazione, const QString& nome, const QFont& carattere,
                                 const QPaintDevice* dispositivo, double larghezza) {
    const double mm = dispositivo->logicalDpiX() / 25.4;
    QFont grande = carattere;
    grande.setPointSize(12);
    QFont titolo = grande;
    titolo.setBold(true);
    const QFontMetricsF metricaGrande(grande, dispositivo), metricaTitolo(titolo, dispositivo);
    const QString data = TestoData();
    const double larghezzaData = QFontMetricsF(carattere, dispositivo).horizontalAdvance(data);
    const QStringList testata =
        intestazione.isEmpty() ? QStringList()
                               : RigheTesto(intestazione, grande, dispositivo, larghezza, RigheIntestazione);
    const QStringList righeNome =
        RigheTesto(nome, titolo, dispositivo, larghezza - larghezzaData - 5 * mm, RigheNome);
    const double sottoTestata = testata.isEmpty() ? 0 : metricaGrande.height() * testata.size() + 2 * mm;
    const double altezza = sottoTestata + metricaTitolo.height() * righeNome.size() + 1.5 * mm;
    return {altezza, false, [=](QPainter& pittore, const QRectF& posto) {
                double y = posto.top();
                pittore.save();
                const auto scrivi = [&](const QFont& font, const QStringList& righe, bool centro) {
                    pittore.setFont(font);
                    const QFontMetricsF metrica(font, pittore.device());
                    for (const QString& riga : righe) {
                        const double x =
                            centro ? posto.center().x() - metrica.horizontalAdvance(riga) / 2 : posto.left();
                        pittore.drawText(QPointF(x, y + metrica.ascent()), riga);
                        y += metrica.height();
                    }
                };
                scrivi(grande, testata, true);
                y = posto.top() + sottoTestata;
                scrivi(titolo, righeNome, false);
                pittore.setFont(carattere);
                pittore.drawText(QPointF(posto.right() - larghezzaData,
                                         posto.top() + sottoTestata + metricaTitolo.ascent()),
                                 data);
                pittore.setPen(QPen(Qt::black, 0.3 * mm));
                pittore.drawLine(QPointF(posto.left(), posto.top() + altezza),
                                 QPointF(posto.right(), posto.top() + altezza));
                pittore.restore();
            }};
}

// Tables in two columns: the left one as wide as its tables (at most half the width), the right one in
// what is left of it.
Impaginazione::Parte ParteColonne(const std::vector<TabellaPagina>& sinistra,
                                  const std::vector<TabellaPagina>& destra, const QFont& carattere,
                                  const QPaintDevice* dispositivo, double larghezza) {
    const double mm = dispositivo->logicalDpiX() / 25.4;
    double larga = destra.empty() ? larghezza : 0;
    for (const TabellaPagina& tabella : sinistra)
        larga = std::max(larga, std::min(tabella.Larghezza(carattere, dispositivo), larghezza / 2));
    const double inizio = std::max(larga + SpazioColonne * mm, InizioDestra * mm);
    const auto colonna = [&](const std::vector<TabellaPagina>& tabelle, double x, double w) {
        std::vector<QRectF> posti;
        double y = 0;
        for (const TabellaPagina& tabella : tabelle) {
            posti.emplace_back(x, y, w, tabella.Altezza(carattere, dispositivo, w));
            y = posti.back().bottom() + SpazioTabelle * mm;
        }
        return posti;
    };
    const std::vector<QRectF> posti[] = {colonna(sinistra, 0, larga),
                                         colonna(destra, inizio, larghezza - inizio)};
    double altezza = 0;
    for (const auto& posto : posti)
        altezza = std::max(altezza, posto.empty() ? 0 : posto.back().bottom());
    return {altezza, false, [=](QPainter& pittore, const QRectF& posto) {
                for (int c = 0; c < 2; ++c)
                    for (size_t i = 0; i < posti[c].size(); ++i)
                        (c == 0 ? sinistra : destra)[i].Disegna(pittore,
                                                                posti[c][i].translated(posto.topLeft()));
            }};
}
} // namespace

std::vector<Relazione::Sezione> Relazione::Sezioni() const {
    std::vector<Sezione> sezioni = SezioniMoto();
    for (Sezione& sezione : SezioniLeggi())
        sezioni.push_back(std::move(sezione));
    return sezioni;
}

std::vector<Relazione::Sezione> Relazione::SezioniMoto() const {
    const auto grandezza = [this](Blocco& b, int i) {
        const QString nome = QLatin1String(Grandezze[i].Nome),
                      valore = TestoCifra(simulazione.Moto().*Grandezze[i].Membro),
                      unita = QLatin1String(Grandezze[i].Unita);
        b.celle << QStringList{nome, valore, unita};
        b.righe << QStringLiteral("%1: %2 %3").arg(nome, valore, unita);
    };
    // The motion, with the axis' data beside it; the graph; the sizing.
    std::vector<Sezione> sezioni{
        Sezione{}, Sezione{{},
                           {},
                           [this](QPainter& pittore, const QRectF& posto) { DisegnaGrafico(pittore, posto); },
                           GraficoMinimo}};
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
    sezioni.front().sinistra.push_back(terna);
    Blocco risultati;
    risultati.titolo = QStringLiteral("Valori dei parametri calcolati:");
    for (int i = 0; i < NumeroGrandezze; ++i)
        grandezza(risultati, i);
    sezioni.front().sinistra.push_back(risultati);
    if (!simulazione.Asse())
        return sezioni;

    const DatiAsse& dati = *simulazione.Asse();
    Blocco asse;
    asse.titolo = QStringLiteral("Dati dell'asse:");
    asse.righe = RigheDati(dati);
    for (const CampoAsse& campo : CampiAsse)
        if (Applicabile(campo, dati.Tipo))
            asse.celle << QStringList{
                EtichettaCampo(campo),
                campo.Membro ? TestoValore(dati.*campo.Membro) : NomeTrasmissione(dati.Tipo),
                UnitaCampo(campo).isEmpty() ? QString() : '[' + UnitaCampo(campo) + ']'};
    sezioni.front().destra.push_back(asse);
    const std::optional<Dimensionamento>& r = simulazione.Dimensionato();
    if (!r)
        return sezioni;
    Sezione dimensionamento;
    Blocco cifre;
    cifre.titolo = QStringLiteral("Dimensionamento asse:");
    cifre.righe = RigheCifre(*r);
    for (const CifraAsse& cifra : CifreAsse)
        if (cifra.AncheDiretta || !r->Diretta)
            cifre.celle << QStringList{QString::fromUtf8(cifra.Nome), TestoCifra((*r).*cifra.Membro),
                                       QStringLiteral("[%1]").arg(QString::fromUtf8(cifra.Unita))};
    cifre.righe << TestoFrenatura(*r);
    cifre.celle << QStringList{QString::fromUtf8(CifraFrenatura.Nome),
                               TestoCifra((*r).*CifraFrenatura.Membro),
                               QStringLiteral("[%1]").arg(QString::fromUtf8(CifraFrenatura.Unita))};
    dimensionamento.sinistra.push_back(cifre);
    Blocco fasi;
    fasi.titolo = r->Diretta ? QStringLiteral("Forza per fase:") : QStringLiteral("Forza e coppia per fase:");
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
    dimensionamento.destra.push_back(fasi);
    sezioni.push_back(dimensionamento);
    for (Sezione& sezione : SezioniMotore(dati, *r))
        sezioni.push_back(std::move(sezione));
    return sezioni;
}

QString Relazione::NomeDocumento() const {
    return simulazione.Documento().isEmpty()
               ? QStringLiteral("Simulazione senza nome")
               : PercorsoMostrato(QFileInfo(simulazione.Documento()).fileName());
}

QString Relazione::Testo() const {
    QStringList righe;
    if (!intestazione.isEmpty())
        righe << Stampabile(intestazione).split(u'\n');
    righe << NomeDocumento() << TestoData() << QString();
    for (const Sezione& sezione : Sezioni())
        for (const auto* colonna : {&sezione.sinistra, &sezione.destra})
            for (const Blocco& blocco : *colonna)
                righe << blocco.titolo << blocco.righe << QString();
    return righe.join(QStringLiteral("\r\n"));
}

void Relazione::DisegnaGrafico(QPainter& pittore, const QRectF& posto) const {
    Grafico vista = simulazione.GraficoCorrente();
    vista.StatoDisegniGrafico |= Grafico::BitParticolari;
    CalcolaVistaIntera(vista, simulazione.PuntiGrafico());
    const DatiGrafico dati{simulazione.PuntiGrafico(), simulazione.Moto(), vista, false,
                           simulazione.Asse() ? &*simulazione.Asse() : nullptr};
    // Laid out in pixels of 1/96 inch, as the graph's texts are sized.
    const double scala = pittore.device()->logicalDpiX() / 96.0;
    const QSizeF misura = posto.size() / scala;
    const QFont carattere = CarattereGrafico();
    pittore.save();
    pittore.translate(posto.topLeft());
    pittore.scale(scala, scala);
    DipingiGrafico(
        pittore,
        DisponiGrafico(dati, CorniceSuMisura(dati, QRectF(QPointF(0, 0), misura), carattere), carattere));
    pittore.restore();
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
    const QRectF contenuto = QRectF(0, 0, pdf.width(), pdf.height())
                                 .adjusted(Margine * mm, Margine * mm, -Margine * mm, -Margine * mm);
    Impaginazione pagine(contenuto, Spazio * mm);
    pagine.Aggiungi(ParteTitolo(intestazione, NomeDocumento(), carattere, &pdf, contenuto.width()));
    for (const Sezione& sezione : Sezioni()) {
        if (sezione.figura) {
            pagine.Aggiungi({sezione.minima * mm, true, sezione.figura});
            continue;
        }
        std::vector<TabellaPagina> colonne[2];
        for (int c = 0; c < 2; ++c)
            for (const Blocco& b : c == 0 ? sezione.sinistra : sezione.destra)
                colonne[c].emplace_back(b.titolo, b.intestazione, b.celle);
        pagine.Aggiungi(ParteColonne(colonne[0], colonne[1], carattere, &pdf, contenuto.width()));
    }
    const bool scritte = pagine.Dipingi(pittore, pdf);
    return pittore.end() && scritte;
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
