#pragma once

// The report of a calculated simulation: a title block (the print header, the document's name and the
// date), the combination with its three values, the eight results, the graph with its details and, when
// the axis is sized, its data and figures; every value computed here with six significant digits. As
// A4 PDF pages, or as UTF-8 text with the same contents but the graph. From the File menu ("Esporta
// relazione...") and from the command line (--relazione).
//
// The report is a list of sections in their order, each a band of tables in two columns or a picture
// that takes the room its page leaves; the page flow (Impaginazione) puts them on the pages. A further
// part of the report (more lines of figures, a table of many columns, another picture) is one more
// section in Sezioni(): on the page it goes where the flow has room, on the next page when the first
// is full, and its tables are in the text form too.

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QIODevice;
class QPainter;
class QRectF;
class Simulazione;
struct DatiAsse;
struct Dimensionamento;
struct GraficoSerie;

inline const QStringList FiltriRelazione = {QStringLiteral("Documento PDF (*.pdf)"),
                                            QStringLiteral("Testo UTF-8 (*.txt)")};
inline const QString TitoloEsportaRelazione = QStringLiteral("Esporta relazione");

// The report's forms: the A4 pages, or their text.
enum class FormatoRelazione { Pdf, Testo };
// The form a file name's extension names (".pdf", ".txt", in any case), or none.
std::optional<FormatoRelazione> FormatoRelazioneDi(const QString& percorso);

// The report's date: today, or the day of SOURCE_DATE_EPOCH (seconds since 1970, UTC) when the
// environment sets it, for a report made again to come out the same.
QDate DataRelazione();

class Relazione {
public:
    // A calculated simulation, under the user's print header.
    Relazione(const Simulazione& simulazione, const QString& intestazione)
        : simulazione(simulazione), intestazione(intestazione) {}

    // The text form, lines ended by CRLF.
    QString Testo() const;
    // The pages; false when the device refused them.
    bool ScriviPdf(QIODevice& file) const;
    // Written whole or not at all; the reason when it could not be.
    std::optional<QString> Scrivi(const QString& percorso, FormatoRelazione formato) const;

private:
    // A titled table: a name, then values and units, on the page; the same as lines of text.
    struct Blocco {
        QString titolo;
        QStringList intestazione; // headings of the columns after the names, or none
        QList<QStringList> celle;
        QStringList righe;
    };
    // A band of the report: tables in a left and a right column (the left one alone takes the whole
    // width), or a picture that fills the room its page leaves, at least `minima` mm tall.
    struct Sezione {
        std::vector<Blocco> sinistra, destra;
        std::function<void(QPainter&, const QRectF&)> figura;
        double minima = 0;
    };
    std::vector<Sezione> Sezioni() const;
    // The motion, the graph, the axis and its sizing, the motor.
    std::vector<Sezione> SezioniMoto() const;
    // The laws of motion compared, once the user has looked at them for this motion.
    std::vector<Sezione> SezioniLeggi() const;
    // The motor's data, the best ratio, then the motor's verdicts: what the axis has of them.
    std::vector<Sezione> SezioniMotore(const DatiAsse& dati, const Dimensionamento& r) const;
    // The document's name, or "Simulazione senza nome".
    QString NomeDocumento() const;
    // The graph with its details laid out to fill `posto`.
    void DisegnaGrafico(QPainter& pittore, const QRectF& posto) const;
    // A plot of series laid out to fill `posto`.
    void DisegnaSerie(QPainter& pittore, const QRectF& posto, const GraficoSerie& grafico) const;

    const Simulazione& simulazione;
    const QString& intestazione;
};

// The command line's --relazione: the document's report into `uscita` (.pdf or .txt), with the print
// header of the user's options. The message when it could not be written.
std::optional<QString> RelazioneDaDocumento(const QString& documento, const QString& uscita);
