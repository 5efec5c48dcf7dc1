// The main window's menus, its toolbar and the Window menu's list of open child windows. Every item and
// button is an action of the window, named for assistive tools and tests, connected to its command.

#include "AreaFinestre.h"
#include "MenuRecenti.h"
#include "Risorse.h"
#include "frmMain.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {
QString SenzaTastoRapido(QString testo) {
    return testo.remove(QLatin1Char('&'));
}
} // namespace

// A menu item; one without a name is a separator.
struct frmMain::VoceMenu {
    ComandoPrincipale comando = {};
    const char* nome = nullptr;
    QString testo;
    void (frmMain::*esegui)() = nullptr;
    QKeySequence scorciatoia = {};
    bool spuntata = false;
    // Exists and follows the command state, but is not shown. Kept out of the menu rather than hidden:
    // Qt disables a hidden action.
    bool nascosta = false;
};

// A toolbar button: its key, tooltip and icon, and the shortcut that reaches it without the bar.
struct frmMain::VoceBarra {
    ComandoPrincipale comando;
    const char* chiave;
    const char* suggerimento;
    const char* icona;
    void (frmMain::*esegui)();
    Qt::Key tasto = Qt::Key_unknown;
};

// Owned by the window, so that findChild reaches every command by its name.
QAction* frmMain::NuovaAzione(const QString& nome, const QString& testo, void (frmMain::*esegui)()) {
    auto* azione = new QAction(testo, this);
    azione->setObjectName(nome);
    connect(azione, &QAction::triggered, this, esegui);
    return azione;
}

QMenu* frmMain::CreaMenu(const QString& nome, const QString& titolo, std::initializer_list<VoceMenu> voci) {
    QMenu* menu = menuBar()->addMenu(titolo);
    menu->setObjectName(nome);
    menu->setAccessibleName(SenzaTastoRapido(titolo));
    for (const VoceMenu& voce : voci) {
        if (!voce.nome) {
            menu->addSeparator();
            continue;
        }
        QAction* azione = NuovaAzione(QLatin1String(voce.nome), voce.testo, voce.esegui);
        azione->setShortcut(voce.scorciatoia);
        azione->setCheckable(voce.spuntata);
        azione->setChecked(voce.spuntata);
        this->voci[size_t(voce.comando)] = azione;
        if (!voce.nascosta)
            menu->addAction(azione);
    }
    return menu;
}

void frmMain::CreaMenu() {
    using C = ComandoPrincipale;
    menuBar()->setAccessibleName(QStringLiteral("Barra dei menu"));
    CreaMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"),
             {{C::Nuovo, "mnuFileNew", QStringLiteral("Nu&ovo"), &frmMain::Nuovo,
               QKeySequence(Qt::CTRL | Qt::Key_N)},
              {C::Apri, "mnuFileOpen", QStringLiteral("&Apri..."), &frmMain::Apri,
               QKeySequence(Qt::CTRL | Qt::Key_O)},
              {},
              {C::Salva, "mnuFileSave", QStringLiteral("&Salva"), &frmMain::Salva,
               QKeySequence(Qt::CTRL | Qt::Key_S)},
              {C::SalvaConNome, "mnuFileSaveAs", QStringLiteral("Sal&va con nome..."), &frmMain::SalvaConNome,
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              {},
              {C::EsportaTabella, "mnuFileEsporta", QStringLiteral("E&sporta tabella..."),
               &frmMain::EsportaTabella},
              {.comando = C::EsportaGrafico,
               .nome = "mnuFileEsportaGrafico",
               .testo = QStringLiteral("Es&porta grafico..."),
               .esegui = &frmMain::EsportaGrafico,
               .nascosta = true},
              {C::EsportaRelazione, "mnuFileEsportaRelazione", QStringLiteral("Esporta &relazione..."),
               &frmMain::EsportaRelazione},
              {},
              {C::Stampa, "mnuFilePrint", QStringLiteral("S&tampa..."), &frmMain::Stampa,
               QKeySequence(Qt::CTRL | Qt::Key_P)},
              {},
              {C::Esci, "mnuFileExit", QStringLiteral("&Esci"), &frmMain::Esci,
               QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    // Before "Esci", between separators of its own; listed anew each time the File menu opens, so that it
    // shows what another run of the program added too.
    mnuRecenti = new MenuRecenti(this);
    auto* file = findChild<QMenu*>(QStringLiteral("mnuFile"));
    file->insertMenu(Voce(C::Esci), mnuRecenti);
    file->insertSeparator(Voce(C::Esci));
    connect(file, &QMenu::aboutToShow, mnuRecenti, &MenuRecenti::Aggiorna);
    connect(mnuRecenti, &MenuRecenti::Scelto, this, &frmMain::ApriRecente);

    CreaMenu(QStringLiteral("mnuView"), QStringLiteral("&Visualizza"),
             {{.comando = C::BarraStrumenti,
               .nome = "mnuViewToolbar",
               .testo = QStringLiteral("Barra degli &strumenti"),
               .esegui = &frmMain::MostraBarraStrumenti,
               .spuntata = true},
              {.comando = C::BarraStato,
               .nome = "mnuViewStatusBar",
               .testo = QStringLiteral("&Barra di stato"),
               .esegui = &frmMain::MostraBarraStato,
               .spuntata = true},
              {},
              {C::Opzioni, "mnuViewOptions", QStringLiteral("&Opzioni..."), &frmMain::Opzioni},
              {C::Esempio, "mnuViewEsempio", QStringLiteral("&Esempio"), &frmMain::Esempio},
              {C::Dimensionamento, "mnuViewDimensionamento", QStringLiteral("&Dimensionamento asse..."),
               &frmMain::MostraDimensionamento},
              {C::Leggi, "mnuViewLeggi", QStringLiteral("&Leggi di moto..."), &frmMain::MostraLeggi,
               QKeySequence(Qt::Key_F9)}});

    mnuWindow =
        CreaMenu(QStringLiteral("mnuWindow"), QStringLiteral("Fi&nestra"),
                 {{C::Sovrapponi, "mnuWindowCascade", QStringLiteral("&Sovrapponi"), &frmMain::Sovrapponi},
                  {C::AffiancaOrizzontalmente, "mnuWindowTileHorizontal",
                   QStringLiteral("Affianca &orizzontalmente"), &frmMain::AffiancaOrizzontalmente},
                  {C::AffiancaVerticalmente, "mnuWindowTileVertical",
                   QStringLiteral("Affianca &verticalmente"), &frmMain::AffiancaVerticalmente},
                  {C::DisponiIcone, "mnuWindowArrangeIcons", QStringLiteral("&Disponi icone"),
                   &frmMain::DisponiIcone}});
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::AggiornaMenuFinestra);

    CreaMenu(
        QStringLiteral("mnuHelp"), QStringLiteral("&?"),
        {{C::Sommario, "mnuHelpContents", QStringLiteral("&Sommario"), &frmMain::Sommario,
          QKeySequence(Qt::Key_F1)},
         {C::CercaArgomento, "mnuHelpSearchForHelpOn", QStringLiteral("&Cerca argomento..."),
          &frmMain::CercaArgomento},
         {},
         {C::Informazioni, "mnuHelpAbout", QStringLiteral("&Informazioni su "), &frmMain::Informazioni}});
}

void frmMain::CreaBarraStrumenti() {
    using C = ComandoPrincipale;
    static constexpr VoceBarra barra[] = {
        {C::Nuovo, "New", "Nuova simulazione", "nuovo", &frmMain::Nuovo},
        {C::Apri, "Open", "Carica simulazione", "apri", &frmMain::Apri},
        {C::Salva, "Save", "Salva simulazione", "salva", &frmMain::Salva},
        {C::Stampa, "Print", "Print", "stampa", &frmMain::Stampa},
        {C::SceltaSistema, "SceltaSistema", "Scelta del sistema", "sceltasistema", &frmMain::SceltaSistema,
         Qt::Key_F4},
        {C::Calcolo, "Calcolo", "Calcolo", "calcolo", &frmMain::Calcolo, Qt::Key_F5},
        {C::Grafico, "Grafico", "Grafico", "grafico", &frmMain::MostraGrafico, Qt::Key_F6},
        {C::Tabella, "Tabella", "Tabella", "tabella", &frmMain::MostraTabella, Qt::Key_F7},
        {C::Esempio, "Esempio", "Esempio", "esempio", &frmMain::Esempio, Qt::Key_F2},
        {C::Dimensionamento, "Dimensionamento", "Dimensionamento asse", "dimensionamento",
         &frmMain::MostraDimensionamento, Qt::Key_F8},
    };
    tbToolBar = addToolBar(QStringLiteral("Barra degli strumenti"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setAccessibleName(tbToolBar->windowTitle());
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    // The View menu alone shows and hides the bar, so that its check mark stays true.
    tbToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const VoceBarra& pulsante : barra) {
        const QString suggerimento = QString::fromUtf8(pulsante.suggerimento);
        QAction* azione = NuovaAzione(QLatin1String(pulsante.chiave), suggerimento, pulsante.esegui);
        azione->setIcon(Icona(QLatin1String(pulsante.icona)));
        azione->setToolTip(suggerimento);
        if (pulsante.tasto != Qt::Key_unknown) {
            const QKeySequence tasto(pulsante.tasto);
            azione->setToolTip(
                QStringLiteral("%1 (%2)").arg(suggerimento, tasto.toString(QKeySequence::NativeText)));
            // The menu item, where there is one, holds the key and shows it; otherwise the button does, on
            // the window too, so that the key works with the bar hidden and from any child window.
            if (QAction* voce = Voce(pulsante.comando)) {
                voce->setShortcut(tasto);
            } else {
                azione->setShortcut(tasto);
                addAction(azione);
            }
        }
        pulsanti[size_t(pulsante.comando)] = azione;
        tbToolBar->addAction(azione);
        tbToolBar->widgetForAction(azione)->setAccessibleName(suggerimento);
    }
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
