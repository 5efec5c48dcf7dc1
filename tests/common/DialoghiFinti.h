#pragma once

// A scripted stand-in for the program's dialogs: records every call and answers from queues that the
// test fills beforehand (a question with no scripted answer is answered OK, a file dialog with no
// scripted name is cancelled and without a scripted filter chooses the first, the size dialog takes
// its proposal, the print dialog is accepted unless told otherwise).

#include "Dialoghi.h"

#include <QList>
#include <QPrinter>
#include <deque>
#include <functional>

class DialoghiFinti : public Dialoghi {
public:
    struct Chiamata {
        QString tipo; // "Messaggio", "Conferma", "Apri", "Salva", "Dimensione", "Stampa"
        QString testo;
        QString titolo;
        Icona icona = Icona::Nessuna;
        QStringList filtri;
        QString dettaglio;
    };

    QList<Chiamata> chiamate;
    std::deque<bool> risposte;
    std::deque<QString> nomiFile;
    std::deque<QString> filtriScelti;
    std::deque<std::optional<QSize>> dimensioni;
    std::deque<bool> stampe;
    // Runs on the printer when the print dialog is accepted (a test points it at a PDF file).
    std::function<void(QPrinter&)> preparaStampante;

    QStringList Messaggi() const {
        QStringList testi;
        for (const Chiamata& c : chiamate)
            if (c.tipo == QLatin1String("Messaggio"))
                testi << c.testo;
        return testi;
    }

    void Messaggio(const QString& testo, const QString& titolo, Icona icona,
                   const QString& dettaglio) override {
        chiamate.append({QStringLiteral("Messaggio"), testo, titolo, icona, {}, dettaglio});
    }
    bool Conferma(const QString& testo, const QString& titolo) override {
        chiamate.append({QStringLiteral("Conferma"), testo, titolo, Icona::Avviso, {}, {}});
        return Prendi(risposte, true);
    }
    QString NomeFileApri(const QString& titolo, const QStringList& filtri) override {
        chiamate.append({QStringLiteral("Apri"), {}, titolo, Icona::Nessuna, filtri, {}});
        return Prendi(nomiFile, QString());
    }
    QString NomeFileSalva(const QString& titolo, const QStringList& filtri, QString* filtroScelto) override {
        chiamate.append({QStringLiteral("Salva"), {}, titolo, Icona::Nessuna, filtri, {}});
        if (filtroScelto)
            *filtroScelto = Prendi(filtriScelti, filtri.value(0));
        return Prendi(nomiFile, QString());
    }
    std::optional<QSize> Dimensione(const QString& titolo, QSize proposta) override {
        chiamate.append({QStringLiteral("Dimensione"),
                         QStringLiteral("%1x%2").arg(proposta.width()).arg(proposta.height()),
                         titolo,
                         Icona::Nessuna,
                         {},
                         {}});
        return Prendi(dimensioni, std::optional(proposta));
    }
    bool Stampa(QPrinter& stampante, const QString& titolo) override {
        chiamate.append({QStringLiteral("Stampa"), {}, titolo, Icona::Nessuna, {}, {}});
        const bool accettata = Prendi(stampe, true);
        if (accettata && preparaStampante)
            preparaStampante(stampante);
        return accettata;
    }

private:
    template <typename T> static T Prendi(std::deque<T>& coda, T predefinito) {
        if (coda.empty())
            return predefinito;
        T valore = coda.front();
        coda.pop_front();
        return valore;
    }
};
