#pragma once

// The main frame: the child windows over a background picture, the menus, the toolbar "tbToolBar" and
// the status bar; the command state; the New command; the placement and the print header kept in the
// user's settings. The code is split by concern: the frame, its state and its events (frmMain.cpp),
// the menus and the toolbar (frmMainMenu.cpp), what each command does (frmMainComandi.cpp).

#include "Impostazioni.h"
#include "StatoComandi.h"

#include <QMainWindow>
#include <QPointer>
#include <QRectF>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class AreaFinestre;
class ComandiDocumento;
class ComandiEsportazione;
class Dialoghi;
class DialoghiQt;
class FinestraGuida;
class FinestreFiglie;
class MenuRecenti;
class QAction;
class QMenu;
class QToolBar;
class Simulazione;

inline const QString MessaggioGuidaMancante = QStringLiteral(
    "Impossibile visualizzare il Sommario della Guida. Nessun file della Guida associato al progetto.");

// The commands of the menus and of the toolbar. A command may have a menu item, a toolbar button or
// both: each is an action of its own, connected to the command's routine.
enum class ComandoPrincipale : uint8_t {
    Nuovo,
    Apri,
    Salva,
    SalvaConNome,
    EsportaTabella,
    EsportaGrafico,
    EsportaRelazione,
    Stampa,
    Esci,
    BarraStrumenti,
    BarraStato,
    Opzioni,
    Dimensionamento,
    Leggi,
    Sovrapponi,
    AffiancaOrizzontalmente,
    AffiancaVerticalmente,
    DisponiIcone,
    Sommario,
    CercaArgomento,
    Informazioni,
    SceltaSistema,
    Calcolo,
    Grafico,
    Tabella,
    Esempio,
};
inline constexpr size_t NumeroComandiPrincipali = size_t(ComandoPrincipale::Esempio) + 1;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The commands of `simulazione`, whose command state they follow; `IntestazioneUtente` is the print
    // header, read from the settings as the window loads and written as it closes. Without dialogs of
    // its own the window uses Qt's. Loading also places it from the settings and opens it maximised.
    frmMain(Simulazione& simulazione, QString& IntestazioneUtente, Dialoghi* dialoghi = nullptr,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // Enables the commands of a state (the simulation's at each of its changes); by its code 1 (empty),
    // 2 (document read) or 3 (calculated), where any other code changes nothing.
    void AbilitaComandi(StatoComandi stato);
    void AbilitaComandi(int16_t codice);
    // True when an open window ("frmMain" itself, or a child) has this form name.
    bool FormAperto(const QString& nome) const;
    // Closes every child window; each runs its own closing code.
    void ChiudiFinestre();
    QWidget* FinestraAttiva() const;

    // The document commands, on this frame's simulation, dialogs and child windows.
    ComandiDocumento Documento();

    // Where the help document is looked for, first to last.
    void ImpostaPercorsiGuida(const QStringList& percorsi) { percorsiGuida = percorsi; }

    // The New command: asks, then clears the simulation.
    void Nuovo();

protected:
    // Asks first whether to save changed work; "Annulla" leaves every window open.
    void closeEvent(QCloseEvent* evento) override;
    // A *.vla file dropped on the window is opened as Open does, after the same question.
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    struct VoceMenu;
    struct VoceBarra;
    QAction* NuovaAzione(const QString& nome, const QString& testo, void (frmMain::*esegui)());
    QMenu* CreaMenu(const QString& nome, const QString& titolo, std::initializer_list<VoceMenu> voci);
    void CreaMenu();
    void CreaBarraStrumenti();
    void Carica();
    void AggiornaMenuFinestra();
    // True when closing now would lose work: the simulation changed since saved, the values typed in
    // the data-entry window counted as if copied in.
    bool DaSalvare() const;
    // Asks whether to save the changed work before the program closes: true to go on closing.
    bool ChiediSalvataggio();
    // The document opened or saved goes first in the recent list; one chosen there is opened.
    void RicordaDocumento(const QString& percorso);
    void ApriRecente(const QString& percorso);
    QAction* Voce(ComandoPrincipale comando) const { return voci[size_t(comando)]; }
    QAction* Pulsante(ComandoPrincipale comando) const { return pulsanti[size_t(comando)]; }

    // What the commands do; NuovaSimulazione is what New does once the user has agreed.
    void NuovaSimulazione();
    void Apri();
    void Salva();
    void SalvaConNome();
    void EsportaTabella();
    void EsportaGrafico();
    void EsportaRelazione();
    void Stampa();
    void Esci();
    void MostraBarraStrumenti();
    void MostraBarraStato();
    void Opzioni();
    void MostraDimensionamento();
    void MostraLeggi();
    void Sovrapponi();
    void AffiancaOrizzontalmente();
    void AffiancaVerticalmente();
    void DisponiIcone();
    void Sommario();
    void CercaArgomento();
    void MostraGuida(bool ricerca);
    void Informazioni();
    void SceltaSistema();
    void Calcolo();
    void MostraGrafico();
    void MostraTabella();
    void Esempio();
    ComandiEsportazione Esporta();

    Simulazione& simulazione;
    QString& IntestazioneUtente;
    std::unique_ptr<DialoghiQt> dialoghiQt; // only when no dialogs were given
    Dialoghi& dialoghi;
    AreaFinestre* area;
    FinestreFiglie* figlie;                               // a child object, so that it can be found as one
    std::array<QAction*, NumeroComandiPrincipali> voci{}; // the menu item of each command, if any
    std::array<QAction*, NumeroComandiPrincipali> pulsanti{}; // the toolbar button of each command, if any
    QToolBar* tbToolBar = nullptr;
    QMenu* mnuWindow = nullptr;
    MenuRecenti* mnuRecenti = nullptr;
    bool chiedendo = false;       // the question before closing, or its Save As, is up
    QList<QAction*> vociFinestre; // the open child windows, listed in the Window menu
    QPointer<FinestraGuida> guida;
    QStringList percorsiGuida;
    Impostazioni impostazioni;
    QRectF collocazioneLetta; // twips, as read at load
};
