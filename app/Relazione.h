#pragma once

// The one-page report of a calculated simulation: the print header, the combination with its three
// values, the eight results, the graph with its details and, when the axis is sized, its data and
// figures. As an A4 PDF page, or as UTF-8 text with the same contents but the graph. From the File
// menu ("Esporta relazione...") and from the command line (--relazione).

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QIODevice;
class QPainter;
class QRectF;
class Simulazione;

inline const QStringList FiltriRelazione = {QStringLiteral("Documento PDF (*.pdf)"),
                                            QStringLiteral("Testo UTF-8 (*.txt)")};
inline const QString TitoloEsportaRelazione = QStringLiteral("Esporta relazione");

// The report's forms: the A4 page, or its text.
enum class FormatoRelazione { Pdf, Testo };
// The form a file name's extension names (".pdf", ".txt", in any case), or none.
std::optional<FormatoRelazione> FormatoRelazioneDi(const QString& percorso);

class Relazione {
public:
    // A calculated simulation, under the user's print header.
    Relazione(const Simulazione& simulazione, const QString& intestazione)
        : simulazione(simulazione), intestazione(intestazione) {}

    // The text form, lines ended by CRLF.
    QString Testo() const;
    // The page; false when the device refused it.
    bool ScriviPdf(QIODevice& file) const;
    // Written whole or not at all; the reason when it could not be.
    std::optional<QString> Scrivi(const QString& percorso, FormatoRelazione formato) const;

private:
    struct Blocco;
    std::vector<Blocco> Blocchi() const;
    // The graph as large as fits in `posto`; its height.
    double DisegnaGrafico(QPainter& pittore, const QRectF& posto) const;

    const Simulazione& simulazione;
    const QString& intestazione;
};

// The command line's --relazione: the document's report into `uscita` (.pdf or .txt), with the print
// header of the user's options. The message when it could not be written.
std::optional<QString> RelazioneDaDocumento(const QString& documento, const QString& uscita);
