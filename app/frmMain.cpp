#include "frmMain.h"

#include "AreaFinestre.h"
#include "BarraStato.h"
#include "Collocazione.h"
#include "DialoghiQt.h"
#include "Documenti.h"
#include "Esportazione.h"
#include "FinestraGuida.h"
#include "FinestreFiglie.h"
#include "FrmRisultati.h"
#include "Programma.h"
#include "Relazione.h"
#include "Risorse.h"
#include "Stampa.h"
#include "frmAbout.h"
#include "frmDimensionamento.h"
#include "frmInserimentoDati.h"
#include "frmOptions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <exception>
#include <functional>

namespace {
struct Pulsante {
    const char* chiave;
    const char* suggerimento;
    const char* icona;
    Qt::Key tasto = Qt::Key_unknown; // its shortcut: the calculation is reachable without the bar
};
constexpr Pulsante PulsantiBarra[] = {
    {"New", "Nuova simulazione", "nuovo"},
    {"Open", "Carica simulazione", "apri"},
    {"Save", "Salva simulazione", "salva"},
    {"Print", "Print", "stampa"},
    {"SceltaSistema", "Scelta del sistema", "sceltasistema", Qt::Key_F4},
    {"Calcolo", "Calcolo", "calcolo", Qt::Key_F5},
    {"Grafico", "Grafico", "grafico", Qt::Key_F6},
    {"Tabella", "Tabella", "tabella", Qt::Key_F7},
    {"Esempio", "Esempio", "esempio"},
    {"Dimensionamento", "Dimensionamento asse", "dimensionamento", Qt::Key_F8},
};

// The commands that follow the command state, enabled in states 1, 2 and 3. The others never change.
struct StatoComando {
    const char* nome;
    std::array<bool, 3> abilitato;
};
constexpr StatoComando StatiComandi[] = {
    {"Open", {true, true, true}},
    {"Save", {false, true, true}},
    {"Print", {false, false, true}},
    {"Calcolo", {true, true, true}},
    {"Grafico", {false, false, true}},
    {"Tabella", {false, false, true}},
    {"mnuFileSave", {false, true, true}},
    {"mnuFileSaveAs", {false, true, true}},
    {"mnuFilePrint", {false, false, true}},
    {"mnuFileEsporta", {false, false, true}},
    {"mnuFileEsportaGrafico", {false, false, true}},
    {"mnuFileEsportaRelazione", {false, false, true}},
};

QString SenzaTastoRapido(QString testo) {
    return testo.remove(QLatin1Char('&'));
}

// The first local *.vla file among those dragged, or none.
QString DocumentoTrascinato(const QMimeData* dati) {
    for (const QUrl& url : dati->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".vla"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

QList<QRect> AreeSchermi() {
    QList<QRect> aree;
    if (QScreen* principale = QGuiApplication::primaryScreen())
        aree << principale->availableGeometry();
    for (QScreen* schermo : QGuiApplication::screens())
        if (schermo != QGuiApplication::primaryScreen())
            aree << schermo->availableGeometry();
    return aree;
}
} // namespace

struct frmMain::Voce {
    const char* nome = nullptr; // none: a separator
    QString testo;
    std::function<void()> azione;
    QKeySequence scorciatoia = {};
    bool spuntata = false;
    // Exists and follows the command state, but is not shown. Kept out of the menu rather than hidden:
    // Qt disables a hidden action.
    bool nascosta = false;
};

frmMain::frmMain(Programma& programma, Dialoghi* dialoghi, QWidget* parent)
    : QMainWindow(parent), programma(programma),
      dialoghiQt(dialoghi ? nullptr : std::make_unique<DialoghiQt>(this)),
      dialoghi(dialoghi ? *dialoghi : *dialoghiQt), area(new AreaFinestre(this)),
      figlie(std::make_unique<FinestreFiglie>(*area, programma, this->dialoghi)),
      percorsiGuida(PercorsiGuida()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velantra dei moti"));
    setWindowIcon(Icona(QStringLiteral("velantra")));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area);
    setAcceptDrops(true);
    CreaMenu();
    CreaBarraStrumenti();
    setStatusBar(new BarraStato(this));
    connect(figlie.get(), &FinestreFiglie::CalcoloRiuscito, this, [this] { AbilitaComandi(3); });
    connect(figlie.get(), &FinestreFiglie::CalcoloNonRiuscito, this, [this] { AbilitaComandi(2); });
    // New values over calculated results: not calculated any more. Before a calculation nothing changes.
    connect(figlie.get(), &FinestreFiglie::DatiModificati, this, [this] {
        if (statoComandi == 3)
            AbilitaComandi(2);
    });
    connect(figlie.get(), &FinestreFiglie::CalcoloRichiesto, this,
            [this] { findChild<QAction*>(QStringLiteral("Calcolo"))->trigger(); });
    connect(figlie.get(), &FinestreFiglie::EsportaImmagineRichiesta, this,
            [this] { Esportazione(this->programma.Moto, *this).EsportaImmagineGrafico(); });
    connect(figlie.get(), &FinestreFiglie::EsportaDatiRichiesta, this, [this] {
        Esportazione(this->programma.Moto, *this)
            .EsportaDatiGrafico(this->programma.Asse ? &*this->programma.Asse : nullptr);
    });
    Carica();
}

frmMain::~frmMain() = default;

QMenu* frmMain::CreaMenu(const QString& nome, const QString& titolo, std::initializer_list<Voce> voci) {
    QMenu* menu = menuBar()->addMenu(titolo);
    menu->setObjectName(nome);
    menu->setAccessibleName(SenzaTastoRapido(titolo));
    for (const Voce& voce : voci) {
        if (!voce.nome) {
            menu->addSeparator();
            continue;
        }
        // Owned by the window, so that findChild reaches every command by its name.
        auto* azione = new QAction(voce.testo, this);
        azione->setObjectName(QLatin1String(voce.nome));
        azione->setShortcut(voce.scorciatoia);
        azione->setCheckable(voce.spuntata);
        azione->setChecked(voce.spuntata);
        connect(azione, &QAction::triggered, this, voce.azione);
        if (!voce.nascosta)
            menu->addAction(azione);
    }
    return menu;
}

void frmMain::CreaMenu() {
    menuBar()->setAccessibleName(QStringLiteral("Barra dei menu"));
    const auto comando = [this](void (frmMain::*metodo)()) { return std::bind(metodo, this); };
    CreaMenu(
        QStringLiteral("mnuFile"), QStringLiteral("&File"),
        {{"mnuFileNew", QStringLiteral("Nu&ovo"), comando(&frmMain::mnuFileNew_Click),
          QKeySequence(Qt::CTRL | Qt::Key_N)},
         {"mnuFileOpen", QStringLiteral("&Apri..."), comando(&frmMain::mnuFileOpen_Click),
          QKeySequence(Qt::CTRL | Qt::Key_O)},
         {},
         {"mnuFileSave", QStringLiteral("&Salva"), comando(&frmMain::mnuFileSave_Click)},
         {"mnuFileSaveAs", QStringLiteral("Sal&va con nome..."), comando(&frmMain::mnuFileSaveAs_Click)},
         {},
         {"mnuFileEsporta", QStringLiteral("E&sporta tabella..."), comando(&frmMain::mnuFileEsporta_Click)},
         {"mnuFileEsportaGrafico",
          QStringLiteral("Es&porta grafico..."),
          comando(&frmMain::mnuFileEsportaGrafico_Click),
          {},
          false,
          true},
         {"mnuFileEsportaRelazione", QStringLiteral("Esporta &relazione..."),
          comando(&frmMain::mnuFileEsportaRelazione_Click)},
         {},
         {"mnuFilePrint", QStringLiteral("S&tampa..."), comando(&frmMain::mnuFilePrint_Click)},
         {},
         {"mnuFileExit", QStringLiteral("&Esci"), [this] { close(); }}});

    CreaMenu(QStringLiteral("mnuView"), QStringLiteral("&Visualizza"),
             {{"mnuViewToolbar",
               QStringLiteral("Barra degli &strumenti"),
               comando(&frmMain::mnuViewToolbar_Click),
               {},
               true},
              {"mnuViewStatusBar",
               QStringLiteral("&Barra di stato"),
               comando(&frmMain::mnuViewStatusBar_Click),
               {},
               true},
              {},
              {"mnuViewOptions", QStringLiteral("&Opzioni..."), comando(&frmMain::mnuViewOptions_Click)},
              {"mnuViewDimensionamento", QStringLiteral("&Dimensionamento asse..."),
               comando(&frmMain::mnuViewDimensionamento_Click)}});

    mnuWindow = CreaMenu(
        QStringLiteral("mnuWindow"), QStringLiteral("Fi&nestra"),
        {{"mnuWindowCascade", QStringLiteral("&Sovrapponi"), [this] { area->Sovrapponi(); }},
         {"mnuWindowTileHorizontal", QStringLiteral("Affianca &orizzontalmente"),
          [this] { area->AffiancaOrizzontalmente(); }},
         {"mnuWindowTileVertical", QStringLiteral("Affianca &verticalmente"),
          [this] { area->AffiancaVerticalmente(); }},
         {"mnuWindowArrangeIcons", QStringLiteral("&Disponi icone"), [this] { area->DisponiIcone(); }}});
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::AggiornaMenuFinestra);

    CreaMenu(
        QStringLiteral("mnuHelp"), QStringLiteral("&?"),
        {{"mnuHelpContents", QStringLiteral("&Sommario"), [this] { MostraGuida(false); },
          QKeySequence(Qt::Key_F1)},
         {"mnuHelpSearchForHelpOn", QStringLiteral("&Cerca argomento..."), [this] { MostraGuida(true); }},
         {},
         {"mnuHelpAbout", QStringLiteral("&Informazioni su "), comando(&frmMain::mnuHelpAbout_Click)}});
}

void frmMain::CreaBarraStrumenti() {
    tbToolBar = addToolBar(QStringLiteral("Barra degli strumenti"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setAccessibleName(tbToolBar->windowTitle());
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    // The View menu alone shows and hides the bar, so that its check mark stays true.
    tbToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const Pulsante& pulsante : PulsantiBarra) {
        const QString suggerimento = QString::fromUtf8(pulsante.suggerimento);
        auto* azione = new QAction(Icona(QLatin1String(pulsante.icona)), suggerimento, this);
        azione->setObjectName(QLatin1String(pulsante.chiave));
        azione->setToolTip(suggerimento);
        if (pulsante.tasto != Qt::Key_unknown) {
            azione->setShortcut(pulsante.tasto);
            azione->setToolTip(QStringLiteral("%1 (%2)").arg(
                suggerimento, azione->shortcut().toString(QKeySequence::NativeText)));
            // Also on the window, so that the key works with the bar hidden and from any child window.
            addAction(azione);
        }
        tbToolBar->addAction(azione);
        tbToolBar->widgetForAction(azione)->setAccessibleName(suggerimento);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);
}

// The window's load: placement and print header from the settings, then command state 1.
void frmMain::Carica() {
    collocazioneLetta = SuGliSchermi(impostazioni.LeggiCollocazione(), AreeSchermi());
    // The size it takes when un-maximised: set before maximising, so that Qt keeps it as such.
    setGeometry(SuUnoSchermo(InPixel(collocazioneLetta), AreeSchermi()));
    setWindowState(windowState() | Qt::WindowMaximized);
    programma.IntestazioneUtente = impostazioni.LeggiIntestazione();
    AbilitaComandi(1);
}

void frmMain::closeEvent(QCloseEvent* evento) {
    ChiudiFinestre();
    if (guida)
        guida->close();
    // A minimised window has no placement worth keeping: neither it nor the header is written.
    if (!isMinimized()) {
        auto messaggio = impostazioni.ScriviCollocazione(InTwips(normalGeometry(), collocazioneLetta));
        if (!messaggio)
            messaggio = impostazioni.ScriviIntestazione(programma.IntestazioneUtente);
        if (messaggio)
            dialoghi.Messaggio(*messaggio);
    }
    evento->accept();
}

void frmMain::AbilitaComandi(int16_t codice) {
    if (codice < 1 || codice > 3)
        return;
    statoComandi = codice;
    for (const StatoComando& stato : StatiComandi)
        findChild<QAction*>(QLatin1String(stato.nome))->setEnabled(stato.abilitato[codice - 1]);
}

bool frmMain::FormAperto(const QString& nome) const {
    return nome == objectName() || figlie->FormAperto(nome);
}

void frmMain::ChiudiFinestre() {
    figlie->ChiudiFinestre();
}

QWidget* frmMain::FinestraAttiva() const {
    return figlie->FinestraAttiva();
}

void frmMain::dragEnterEvent(QDragEnterEvent* evento) {
    if (!DocumentoTrascinato(evento->mimeData()).isEmpty())
        evento->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* evento) {
    const QString percorso = DocumentoTrascinato(evento->mimeData());
    if (percorso.isEmpty())
        return;
    evento->acceptProposedAction();
    // Asked once the drop is over, so that the program the file came from is not kept waiting.
    QTimer::singleShot(0, this,
                       [this, percorso] { Documenti(programma, *this).CaricaSimulazione(percorso); });
}

void frmMain::mnuFileNew_Click() {
    if (dialoghi.Conferma(DomandaNuovaSimulazione))
        NuovaSimulazione();
}

void frmMain::NuovaSimulazione() {
    ChiudiFinestre();
    AbilitaComandi(1);
    programma.SistemaCorrente = -1;
    programma.Moto.Vuota();
    programma.PuntiGrafico.Vuota();
    programma.Asse.reset();
}

// Compares the key with the toolbar's keys in their order.
void frmMain::tbToolBar_ButtonClick(QAction* pulsante) {
    using Comando = void (frmMain::*)();
    static constexpr std::pair<const char*, Comando> comandi[] = {
        {"New", &frmMain::mnuFileNew_Click},
        {"Open", &frmMain::mnuFileOpen_Click},
        {"Save", &frmMain::mnuFileSave_Click},
        {"Print", &frmMain::mnuFilePrint_Click},
        {"SceltaSistema", &frmMain::tbSceltaSistema_Click},
        {"Calcolo", &frmMain::tbCalcolo_Click},
        {"Grafico", &frmMain::tbGrafico_Click},
        {"Tabella", &frmMain::tbTabella_Click},
        {"Esempio", &frmMain::tbEsempio_Click},
        {"Dimensionamento", &frmMain::mnuViewDimensionamento_Click},
    };
    const QString chiave = pulsante->objectName();
    for (const auto& [nome, comando] : comandi)
        if (chiave == QLatin1String(nome)) {
            (this->*comando)();
            return;
        }
}

void frmMain::tbSceltaSistema_Click() {
    figlie->ApriInserimentoDati();
}

void frmMain::tbCalcolo_Click() {
    if (auto* inserimento =
            qobject_cast<frmInserimentoDati*>(figlie->Finestra(QStringLiteral("frmInserimentoDati"))))
        inserimento->AssegnaSistema();
    // Refused input too: the results come to the front, as after every calculation.
    if (FormAperto(QStringLiteral("FrmRisultati")))
        figlie->ApriRisultati();
}

void frmMain::tbGrafico_Click() {
    figlie->ApriGrafico();
}

void frmMain::tbTabella_Click() {
    figlie->ApriRisultati().RiempiFrmRisultati();
}

// A worked example, to see the whole program work in one click: asks as New does, then types
// Stot 2 m, Ttot 5 s and S1 0.25 m, calculates as "Calcolo" does and opens the graph.
void frmMain::tbEsempio_Click() {
    if (!dialoghi.Conferma(DomandaNuovaSimulazione))
        return;
    NuovaSimulazione();
    programma.SistemaCorrente = 0; // Stot, Ttot, S1
    programma.Moto.Stot = 2;
    programma.Moto.Ttot = 5;
    programma.Moto.S1 = 0.25;
    figlie->ApriInserimentoDati();
    tbCalcolo_Click();
    tbGrafico_Click();
    if (QMdiSubWindow* grafico =
            FinestreFiglie::SottoFinestra(figlie->Finestra(QStringLiteral("frmGrafico"))))
        area->DisponiEsempio(*grafico);
}

void frmMain::mnuFileOpen_Click() {
    Documenti(programma, *this).Apri();
}

// The path of the last document is not kept: Save asks for a name as Save As does.
void frmMain::mnuFileSave_Click() {
    mnuFileSaveAs_Click();
}

void frmMain::mnuFileSaveAs_Click() {
    Documenti(programma, *this).SalvaConNome();
}

void frmMain::mnuFileEsporta_Click() {
    Esportazione(programma.Moto, *this).mnuFileEsporta();
}

void frmMain::mnuFileEsportaGrafico_Click() {
    Esportazione(programma.Moto, *this).mnuFileEsportaGrafico();
}

// Prints the active child window on one page. A printer that fails ends the print without a word.
void frmMain::mnuFilePrint_Click() {
    // Taken now: while the dialog is up the frame has no active child.
    const QPointer<QWidget> attiva = FinestraAttiva();
    if (!attiva)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    if (!dialoghi.Stampa(stampante, QStringLiteral("Stampa")) || !attiva)
        return;
    try {
        Stampe(programma, stampante).StampaFinestra(*attiva);
    } catch (const std::exception&) {
        // Nothing may leave an event handler; the page is simply not printed.
    }
}

void frmMain::mnuViewDimensionamento_Click() {
    ApriDimensionamento(*figlie, programma, dialoghi, [this] { return statoComandi == 3; });
}

void frmMain::mnuFileEsportaRelazione_Click() {
    Relazione(programma).mnuFileEsportaRelazione(*this);
}

void frmMain::mnuViewToolbar_Click() {
    tbToolBar->setVisible(findChild<QAction*>(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void frmMain::mnuViewStatusBar_Click() {
    statusBar()->setVisible(findChild<QAction*>(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void frmMain::mnuViewOptions_Click() {
    auto* opzioni = new frmOptions(programma.IntestazioneUtente, this);
    opzioni->setAttribute(Qt::WA_DeleteOnClose);
    opzioni->open();
}

void frmMain::mnuHelpAbout_Click() {
    auto* informazioni = new frmAbout(this);
    informazioni->setAttribute(Qt::WA_DeleteOnClose);
    informazioni->open();
}

void frmMain::AggiornaMenuFinestra() {
    qDeleteAll(vociFinestre);
    vociFinestre.clear();
    const QList<QMdiSubWindow*> finestre = area->subWindowList();
    if (finestre.isEmpty())
        return;
    vociFinestre << mnuWindow->addSeparator();
    int numero = 0;
    for (QMdiSubWindow* finestra : finestre) {
        const QString titolo = finestra->windowTitle().replace(QLatin1Char('&'), QStringLiteral("&&"));
        ++numero;
        QAction* voce = mnuWindow->addAction(numero < 10 ? QStringLiteral("&%1 %2").arg(numero).arg(titolo)
                                                         : QStringLiteral("%1 %2").arg(numero).arg(titolo));
        voce->setCheckable(true);
        voce->setChecked(finestra == area->activeSubWindow());
        const QPointer<QMdiSubWindow> scelta(finestra);
        connect(voce, &QAction::triggered, this, [this, scelta] {
            if (scelta)
                area->setActiveSubWindow(scelta);
        });
        vociFinestre << voce;
    }
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
