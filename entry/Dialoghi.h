#pragma once

// Every modal dialog the program shows goes through this interface: the program uses DialoghiQt
// (message boxes, file dialogs, print dialog); tests use a scripted fake that records each call.

#include "Avanzamento.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;

// Title of the program's message boxes.
inline const QString TitoloApplicazione = QStringLiteral("Velantra");

class Dialoghi {
public:
    enum class Icona { Nessuna, Informazione, Avviso, Errore };
    enum class Risposta { Si, No, Annulla };

    virtual ~Dialoghi() = default;

    // A message with the OK button only; `dettaglio`, when given, explains it under the text.
    virtual void Messaggio(const QString& testo, const QString& titolo = TitoloApplicazione,
                           Icona icona = Icona::Nessuna, const QString& dettaglio = {}) = 0;
    // The same with one more button, named `alternativa`, beside OK; true when that one is pressed.
    virtual bool MessaggioConAlternativa(const QString& testo, const QString& alternativa,
                                         const QString& titolo = TitoloApplicazione,
                                         Icona icona = Icona::Nessuna, const QString& dettaglio = {}) = 0;
    // A question with OK and Annulla and the warning icon; true for OK.
    virtual bool Conferma(const QString& testo, const QString& titolo = TitoloApplicazione) = 0;
    // A question with "Sì", "No" and "Annulla" and the warning icon; Esc means Annulla.
    virtual Risposta SiNoAnnulla(const QString& testo, const QString& titolo = TitoloApplicazione) = 0;
    // File names: filters are Qt filter texts such as "Velantra (*.vla)". Empty when cancelled. A name
    // to save under that is typed without extension gets the chosen filter's; the filter chosen goes
    // into `filtroScelto` when given. Every file dialog opens in the folder last chosen in any of them.
    virtual QString NomeFileApri(const QString& titolo, const QStringList& filtri) = 0;
    virtual QString NomeFileSalva(const QString& titolo, const QStringList& filtri,
                                  QString* filtroScelto = nullptr) = 0;
    // A size in pixels, each side from its least to MassimoPixel (what is typed outside them is
    // refused with a message), `proposta` until the user types another; nothing when cancelled.
    static constexpr int MinimoLarghezza = 200, MinimoAltezza = 150, MassimoPixel = 10000;
    virtual std::optional<QSize> Dimensione(const QString& titolo, QSize proposta) = 0;
    // The progress of a long task, saying what it does.
    virtual std::unique_ptr<Avanzamento> Avanza(const QString& titolo, const QString& testo) = 0;
    // The print dialog on the given printer; false when cancelled.
    virtual bool Stampa(QPrinter& stampante, const QString& titolo) = 0;
};
