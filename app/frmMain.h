#pragma once

// The main frame: the child windows over a background picture, the menus, the toolbar "tbToolBar" and
// the status bar; the command state; the New command; the placement and the print header kept in the
// user's settings.

#include "Impostazioni.h"

#include <QMainWindow>
#include <QPointer>
#include <QRectF>
#include <QStringList>
#include <cstdint>
#include <memory>

class AreaFinestre;
class Dialoghi;
class DialoghiQt;
class FinestraGuida;
class FinestreFiglie;
class QAction;
class QMenu;
class QToolBar;
struct Programma;

// Asked before the current simulation is cleared.
inline const QString DomandaNuovaSimulazione = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");
inline const QString MessaggioGuidaMancante = QStringLiteral(
    "Impossibile visualizzare il Sommario della Guida. Nessun file della Guida associato al progetto.");

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Without dialogs of its own the window uses Qt's. Loading reads the placement and the print
    // header from the settings, opens maximised and applies command state 1.
    explicit frmMain(Programma& programma, Dialoghi* dialoghi = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    // Enables the commands of state 1 (empty), 2 (document read) or 3 (calculated); any other code
    // changes nothing.
    void AbilitaComandi(int16_t codice);
    // True when an open window ("frmMain" itself, or a child) has this form name.
    bool FormAperto(const QString& nome) const;
    // Closes every child window; each runs its own closing code.
    void ChiudiFinestre();
    QWidget* FinestraAttiva() const;

    FinestreFiglie& Figlie() { return *figlie; }
    Dialoghi& Dialogo() { return dialoghi; }

    // Where the help document is looked for, first to last.
    void ImpostaPercorsiGuida(const QStringList& percorsi) { percorsiGuida = percorsi; }

    // The New command: asks, then clears the simulation.
    void mnuFileNew_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // A *.vla file dropped on the window is opened as Open does, after the same question.
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    struct Voce;
    QMenu* CreaMenu(const QString& nome, const QString& titolo, std::initializer_list<Voce> voci);
    void CreaMenu();
    void CreaBarraStrumenti();
    void Carica();
    void AggiornaMenuFinestra();
    void MostraGuida(bool ricerca);

    void tbToolBar_ButtonClick(QAction* pulsante);
    void tbSceltaSistema_Click();
    void tbCalcolo_Click();
    void tbGrafico_Click();
    void tbTabella_Click();
    void tbEsempio_Click();
    // What New does once the user has agreed.
    void NuovaSimulazione();

    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileEsporta_Click();
    void mnuFileEsportaGrafico_Click();
    void mnuFilePrint_Click();
    void mnuFileEsportaRelazione_Click();
    void mnuViewDimensionamento_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOptions_Click();
    void mnuHelpAbout_Click();

    Programma& programma;
    std::unique_ptr<DialoghiQt> dialoghiQt; // only when no dialogs were given
    Dialoghi& dialoghi;
    AreaFinestre* area;
    std::unique_ptr<FinestreFiglie> figlie;
    QToolBar* tbToolBar = nullptr;
    QMenu* mnuWindow = nullptr;
    QList<QAction*> vociFinestre; // the open child windows, listed in the Window menu
    QPointer<FinestraGuida> guida;
    QStringList percorsiGuida;
    Impostazioni impostazioni;
    QRectF collocazioneLetta; // twips, as read at load
    int16_t statoComandi = 1;
};
