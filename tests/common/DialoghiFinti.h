#pragma once

// A scripted stand-in for the program's dialogs: records every call and answers from queues that the
// test fills beforehand (a question with no scripted answer is answered OK, one with Sì, No and Annulla
// No, a file dialog with no scripted name is cancelled and without a scripted filter chooses the first,
// the size dialog takes its proposal, the print dialog is accepted unless told otherwise, a progress
// dialog is not cancelled unless told after how many steps).

#include "Collaudo.h"
#include "Dialoghi.h"

#include <QPrinter>
#include <deque>
#include <functional>

class DialoghiFinti : public Dialoghi {
public:
    QStringList chiamate; // "Messaggio Velantra", "Salva Salva con nome (filter;filter)"...
    QStringList testi;    // of the messages and questions, each with its explanation on the next line
    std::deque<bool> risposte;
    std::deque<Risposta> scelte;  // of the questions with Sì, No and Annulla
    std::deque<bool> alternative; // true: the message's extra button pressed (default: OK)
    std::deque<QString> nomiFile;
    std::deque<QString> filtriScelti;
    std::deque<std::optional<QSize>> dimensioni;
    std::deque<bool> stampe;
    std::deque<int> annullaDopo; // steps of a progress before its cancel
    // Runs on the printer when the print dialog is accepted (a test points it at a PDF file).
    std::function<void(QPrinter&)> preparaStampante;

    // The message texts alone.
    QStringList Messaggi() const {
        QStringList soli;
        for (int i = 0; i < chiamate.size(); ++i)
            if (chiamate[i].startsWith(QLatin1String("Messaggio ")))
                soli << testi[i].section('\n', 0, 0);
        return soli;
    }

    void Messaggio(const QString& testo, const QString& titolo, Icona icona,
                   const QString& dettaglio) override {
        Registra(QStringLiteral("Messaggio"),
                 titolo + (icona == Icona::Nessuna ? "" : " !" + QString::number(int(icona))),
                 dettaglio.isEmpty() ? testo : testo + '\n' + dettaglio);
    }
    bool MessaggioConAlternativa(const QString& testo, const QString& alternativa, const QString& titolo,
                                 Icona icona, const QString& dettaglio) override {
        Messaggio(testo, titolo + " [" + alternativa + ']', icona, dettaglio);
        return Prendi(alternative, false);
    }
    bool Conferma(const QString& testo, const QString& titolo) override {
        Registra(QStringLiteral("Conferma"), titolo, testo);
        return Prendi(risposte, true);
    }
    Risposta SiNoAnnulla(const QString& testo, const QString& titolo) override {
        Registra(QStringLiteral("Domanda"), titolo, testo);
        return Prendi(scelte, Risposta::No);
    }
    QString NomeFileApri(const QString& titolo, const QStringList& filtri) override {
        Registra(QStringLiteral("Apri"), titolo + " (" + filtri.join(';') + ')');
        return Prendi(nomiFile, QString());
    }
    QString NomeFileSalva(const QString& titolo, const QStringList& filtri, QString* filtroScelto) override {
        Registra(QStringLiteral("Salva"), titolo + " (" + filtri.join(';') + ')');
        if (filtroScelto)
            *filtroScelto = Prendi(filtriScelti, filtri.value(0));
        return Prendi(nomiFile, QString());
    }
    std::optional<QSize> Dimensione(const QString& titolo, QSize proposta) override {
        Registra(QStringLiteral("Dimensione"), titolo,
                 QStringLiteral("%1x%2").arg(proposta.width()).arg(proposta.height()));
        return Prendi(dimensioni, std::optional(proposta));
    }
    std::unique_ptr<Avanzamento> Avanza(const QString& titolo, const QString& testo) override {
        Registra(QStringLiteral("Avanzamento"), titolo, testo);
        struct Finto : Avanzamento {
            int resta;
            bool Prosegui() override { return resta < 0 || resta-- > 0; }
        };
        auto finto = std::make_unique<Finto>();
        finto->resta = Prendi(annullaDopo, -1);
        return finto;
    }
    bool Stampa(QPrinter& stampante, const QString& titolo) override {
        Registra(QStringLiteral("Stampa"), titolo);
        const bool accettata = Prendi(stampe, true);
        if (accettata && preparaStampante)
            preparaStampante(stampante);
        return accettata;
    }

private:
    void Registra(const QString& tipo, const QString& titolo, const QString& testo = {}) {
        chiamate << tipo + ' ' + titolo;
        testi << testo;
    }
    template <typename T> static T Prendi(std::deque<T>& coda, T predefinito) {
        if (coda.empty())
            return predefinito;
        T valore = coda.front();
        coda.pop_front();
        return valore;
    }
};
