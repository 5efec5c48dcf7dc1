#pragma once

// What the app and end-to-end tests start from: a settings store of their own in a temporary folder,
// the main window loaded over a fresh simulation and scripted dialogs, and the gestures of a user.

#include "Collaudo.h"
#include "Sistemi.h"
#include "Utente.h"
#include "frmMain.h"

#include <memory>

struct Banco : Utente {
    QTemporaryDir cartella;
    std::unique_ptr<frmMain> finestra;

    // Without `apri` the test fills the settings, then calls Apri().
    explicit Banco(bool apri = true) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path());
        if (apri)
            Apri();
    }
    frmMain& Apri() {
        finestra = std::make_unique<frmMain>(simulazione, IntestazioneUtente, &dialoghi);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get())) // laid out at its size, as a user sees it
            qWarning("main window not shown");
        return *finestra;
    }
    FinestreFiglie& Figlie() override { return *finestra->findChild<FinestreFiglie*>(); }

    QString Percorso(const QString& nome) const { return cartella.filePath(nome); }
    QAction* Azione(const QString& nome) const { return finestra->findChild<QAction*>(nome); }
    void Premi(const char* comando) const { Azione(QLatin1String(comando))->trigger(); }
    // A resizable child window with this form name, whose closing code writes S1 = 7 into the record.
    QWidget* Figlia(const QString& nome) {
        struct Prova : QWidget {
            Simulazione& simulazione;
            explicit Prova(Simulazione& simulazione) : simulazione(simulazione) {}
            void closeEvent(QCloseEvent*) override { simulazione.ImpostaValore(S1, 7); }
        };
        auto* figlia = new Prova(simulazione);
        figlia->setObjectName(nome);
        figlia->setWindowTitle(nome);
        Figlie().Aggiungi(figlia)->resize(200, 150);
        Figlie().Mostra(figlia);
        return figlia;
    }

    void Assegna(const QList<double>& v) { // in the window order
        for (int i = 0; i < 8; ++i)
            simulazione.ImpostaValore(i, v[i]);
    }
    // The example, Stot 2, Ttot 3 and S1 0.5, shown in the data-entry window and calculated.
    void CalcolaEsempio() {
        simulazione.ImpostaSistema(0);
        Assegna({0.5, 0, 2, 0, 0, 3, 0, 0});
        Premi("SceltaSistema");
        Premi("Calcolo");
    }

    QString Chiamate() const { return dialoghi.chiamate.join('|'); } // "type title (filters)|..."
    // The commands that follow the command state and are enabled, each toolbar button with its menu
    // item ("Salva" is both, "Salva(discordi)" where they disagree), or "tutti".
    QString Comandi() const {
        const QStringList comandi = {"Apri:Open",
                                     "Salva:Save mnuFileSave",
                                     "SalvaCome:mnuFileSaveAs",
                                     "Stampa:Print mnuFilePrint",
                                     "Calcolo:Calcolo",
                                     "Grafico:Grafico",
                                     "Tabella:Tabella",
                                     "Esporta:mnuFileEsporta",
                                     "EsportaGrafico:mnuFileEsportaGrafico",
                                     "Nuovo:New mnuFileNew"};
        QStringList accesi;
        for (const QString& comando : comandi) { // its name, then the button and the menu item
            const QString nome = comando.section(':', 0, 0);
            const QStringList azioni = comando.section(':', 1).split(' ');
            const bool pulsante = Azione(azioni.first())->isEnabled();
            if (pulsante || Azione(azioni.last())->isEnabled())
                accesi << nome + QString(pulsante == Azione(azioni.last())->isEnabled() ? "" : "(discordi)");
        }
        return accesi.size() == comandi.size() ? QStringLiteral("tutti") : accesi.join('+');
    }
    // What a command may change: the open children (the active one marked "*"), the system, the plot's
    // points, the commands, the record, and the ticked quantities with their texts.
    QString Stato() {
        QStringList parti;
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati", "frmGrafico"})
            if (QWidget* figlia = Finestra(nome))
                parti << QLatin1String(nome) + (figlia == finestra->FinestraAttiva() ? "*" : "");
        parti << QString::number(simulazione.SistemaCorrente())
              << QString::number(simulazione.PuntiGrafico().NumeroElementi()) << Comandi();
        for (const Grandezza& g : Grandezze)
            parti << QString::number(simulazione.Moto().*g.Membro, 'g', 17);
        return (parti << Spunte()).join(' ').trimmed();
    }
};
