#pragma once

// The program's dialogs: Qt's message boxes, file dialogs and print dialog, owned by the given window.
// The file dialogs keep the folder last chosen in the settings, from one run to the next.

#include "Dialoghi.h"

class QFileDialog;
class QWidget;

class DialoghiQt : public Dialoghi {
public:
    explicit DialoghiQt(QWidget* finestra) : finestra(finestra) {}

    void Messaggio(const QString& testo, const QString& titolo, Icona icona,
                   const QString& dettaglio) override;
    bool MessaggioConAlternativa(const QString& testo, const QString& alternativa, const QString& titolo,
                                 Icona icona, const QString& dettaglio) override;
    bool Conferma(const QString& testo, const QString& titolo) override;
    Risposta SiNoAnnulla(const QString& testo, const QString& titolo) override;
    QString NomeFileApri(const QString& titolo, const QStringList& filtri) override;
    QString NomeFileSalva(const QString& titolo, const QStringList& filtri,
                          QString* filtroScelto = nullptr) override;
    std::optional<QSize> Dimensione(const QString& titolo, QSize proposta) override;
    std::unique_ptr<Avanzamento> Avanza(const QString& titolo, const QString& testo) override;
    bool Stampa(QPrinter& stampante, const QString& titolo) override;

private:
    // Opens the file dialog in the folder last chosen, remembered in the settings; the folder of the
    // name chosen becomes the next one. The name, empty when cancelled.
    QString NomeFile(QFileDialog& dialogo);

    QWidget* finestra;
};
