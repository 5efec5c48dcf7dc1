// What the main window's commands do: each menu item and toolbar button runs one of these.

#include "AreaFinestre.h"
#include "ComandiDocumento.h"
#include "ComandiEsportazione.h"
#include "Dialoghi.h"
#include "Documenti.h"
#include "FinestraGuida.h"
#include "FinestreFiglie.h"
#include "FrmRisultati.h"
#include "Simulazione.h"
#include "Stampe.h"
#include "frmAbout.h"
#include "frmDimensionamento.h"
#include "frmGrafico.h"
#include "frmInserimentoDati.h"
#include "frmLeggi.h"
#include "frmMain.h"
#include "frmOptions.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

void frmMain::Nuovo() {
    if (dialoghi.Conferma(DomandaNuovaSimulazione))
        NuovaSimulazione();
}

void frmMain::NuovaSimulazione() {
    ChiudiFinestre();
    simulazione.Svuota();
}

void frmMain::SceltaSistema() {
    figlie->ApriInserimentoDati();
}

void frmMain::Calcolo() {
    if (auto* inserimento = figlie->Aperta<frmInserimentoDati>())
        inserimento->AssegnaSistema();
    // Refused input too: the results come to the front, as after every calculation.
    if (figlie->Aperta<FrmRisultati>())
        figlie->ApriRisultati();
}

void frmMain::MostraGrafico() {
    figlie->ApriGrafico();
}

void frmMain::MostraTabella() {
    figlie->ApriRisultati().RiempiFrmRisultati();
}

// A worked example, to see the whole program work in one click: asks as New does when something typed
// or calculated would be lost, then types Stot 2 m, Ttot 5 s and S1 0.25 m, calculates as "Calcolo"
// does and opens the graph.
void frmMain::Esempio() {
    if ((DaSalvare() || simulazione.Calcolata()) && !dialoghi.Conferma(DomandaNuovaSimulazione))
        return;
    ChiudiFinestre();
    simulazione.Esempio();
    figlie->ApriInserimentoDati();
    Calcolo();
    if (QMdiSubWindow* grafico = FinestreFiglie::SottoFinestra(&figlie->ApriGrafico()))
        area->DisponiEsempio(*grafico);
}

void frmMain::Apri() {
    Documento().Apri();
}

// The path of the last document is not kept: Save asks for a name as Save As does.
void frmMain::Salva() {
    SalvaConNome();
}

void frmMain::SalvaConNome() {
    Documento().SalvaConNome();
}

void frmMain::EsportaTabella() {
    Esporta().EsportaTabella();
}

void frmMain::EsportaGrafico() {
    Esporta().EsportaGrafico();
}

void frmMain::EsportaRelazione() {
    Esporta().EsportaRelazione();
}

// Prints the active child window on one page. A printer that fails ends the print without a word.
void frmMain::Stampa() {
    // Taken now: while the dialog is up the frame has no active child.
    const QPointer<QWidget> attiva = FinestraAttiva();
    if (!attiva)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    if (!dialoghi.Stampa(stampante, QStringLiteral("Stampa")) || !attiva)
        return;
    try {
        Stampe(simulazione, IntestazioneUtente, stampante).StampaFinestra(*attiva);
    } catch (const std::exception&) {
        // Nothing may leave an event handler; the page is simply not printed.
    }
}

void frmMain::Esci() {
    close();
}

void frmMain::MostraBarraStrumenti() {
    tbToolBar->setVisible(Voce(ComandoPrincipale::BarraStrumenti)->isChecked());
}

void frmMain::MostraBarraStato() {
    statusBar()->setVisible(Voce(ComandoPrincipale::BarraStato)->isChecked());
}

void frmMain::Opzioni() {
    auto* opzioni = new frmOptions(IntestazioneUtente, this);
    opzioni->setAttribute(Qt::WA_DeleteOnClose);
    opzioni->open();
}

void frmMain::MostraDimensionamento() {
    ApriDimensionamento(*figlie, simulazione, dialoghi);
}

void frmMain::MostraLeggi() {
    ApriLeggi(*figlie, simulazione, dialoghi);
}

void frmMain::Sovrapponi() {
    area->Sovrapponi();
}

void frmMain::AffiancaOrizzontalmente() {
    area->AffiancaOrizzontalmente();
}

void frmMain::AffiancaVerticalmente() {
    area->AffiancaVerticalmente();
}

void frmMain::DisponiIcone() {
    area->DisponiIcone();
}

void frmMain::Sommario() {
    MostraGuida(false);
}

void frmMain::CercaArgomento() {
    MostraGuida(true);
}

void frmMain::MostraGuida(bool ricerca) {
    // Read once: an open help window keeps its document and its Back/Forward history.
    if (!guida) {
        const Guida letta = LeggiGuida(percorsiGuida);
        if (letta.percorso.isEmpty()) {
            dialoghi.Messaggio(MessaggioGuidaMancante, windowTitle(), Dialoghi::Icona::Informazione);
            return;
        }
        if (!letta.errore.isEmpty()) {
            dialoghi.Messaggio(letta.errore);
            return;
        }
        guida = new FinestraGuida(this);
        guida->Carica(letta.html);
    }
    guida->show();
    guida->raise();
    guida->activateWindow();
    if (ricerca)
        guida->MostraRicerca();
    else
        guida->MostraSommario();
}

void frmMain::Informazioni() {
    auto* informazioni = new frmAbout(this);
    informazioni->setAttribute(Qt::WA_DeleteOnClose);
    informazioni->open();
}
