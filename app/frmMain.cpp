#include "frmMain.h"

#include "AreaFinestre.h"
#include "BarraStato.h"
#include "Collocazione.h"
#include "ComandiDocumento.h"
#include "ComandiEsportazione.h"
#include "DialoghiQt.h"
#include "Documenti.h"
#include "FinestraGuida.h"
#include "FinestreFiglie.h"
#include "MenuRecenti.h"
#include "NomiFile.h"
#include "Risorse.h"
#include "Simulazione.h"
#include "frmInserimentoDati.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

namespace {
// The commands that follow the command state, menu item and button alike, with the state from which
// they are enabled. The others never change.
constexpr std::pair<ComandoPrincipale, StatoComandi> AbilitatiDa[] = {
    {ComandoPrincipale::Salva, StatoComandi::Letto},
    {ComandoPrincipale::SalvaConNome, StatoComandi::Letto},
    {ComandoPrincipale::Stampa, StatoComandi::Calcolato},
    {ComandoPrincipale::EsportaTabella, StatoComandi::Calcolato},
    {ComandoPrincipale::EsportaGrafico, StatoComandi::Calcolato},
    {ComandoPrincipale::EsportaRelazione, StatoComandi::Calcolato},
    {ComandoPrincipale::Grafico, StatoComandi::Calcolato},
    {ComandoPrincipale::Tabella, StatoComandi::Calcolato},
};

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

frmMain::frmMain(Simulazione& simulazione, QString& IntestazioneUtente, Dialoghi* dialoghi, QWidget* parent)
    : QMainWindow(parent), simulazione(simulazione), IntestazioneUtente(IntestazioneUtente),
      dialoghiQt(dialoghi ? nullptr : std::make_unique<DialoghiQt>(this)),
      dialoghi(dialoghi ? *dialoghi : *dialoghiQt), area(new AreaFinestre(this)),
      figlie(new FinestreFiglie(*area, simulazione, this->dialoghi, this)), percorsiGuida(PercorsiGuida()) {
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
    connect(&simulazione, &Simulazione::Cambiata, this, [this](Simulazione::Cambi cosa) {
        if (cosa & Simulazione::Cambio::Stato)
            AbilitaComandi(this->simulazione.Stato());
        if (cosa & Simulazione::Cambio::Documento && !this->simulazione.Documento().isEmpty())
            RicordaDocumento(this->simulazione.Documento());
    });
    connect(figlie, &FinestreFiglie::CalcoloRichiesto, Pulsante(ComandoPrincipale::Calcolo),
            &QAction::trigger);
    connect(figlie, &FinestreFiglie::EsportaImmagineRichiesta, this,
            [this](const RichiestaImmagine& richiesta) { Esporta().EsportaImmagineGrafico(richiesta); });
    connect(figlie, &FinestreFiglie::EsportaDatiRichiesta, this, [this] { Esporta().EsportaDatiGrafico(); });
    connect(figlie, &FinestreFiglie::EsportaLeggiRichiesta, this, [this] { Esporta().EsportaDatiLeggi(); });
    Carica();
}

// The list goes before the child windows it follows, which go with the area.
frmMain::~frmMain() {
    delete figlie;
}

// The window's load: placement and print header from the settings, then the simulation's command state.
void frmMain::Carica() {
    collocazioneLetta = SuGliSchermi(impostazioni.LeggiCollocazione(), AreeSchermi());
    // The size it takes when un-maximised: set before maximising, so that Qt keeps it as such.
    setGeometry(SuUnoSchermo(InPixel(collocazioneLetta), AreeSchermi()));
    setWindowState(windowState() | Qt::WindowMaximized);
    IntestazioneUtente = impostazioni.LeggiIntestazione();
    AbilitaComandi(simulazione.Stato());
}

void frmMain::closeEvent(QCloseEvent* evento) {
    if (!ChiediSalvataggio()) {
        evento->ignore();
        return;
    }
    ChiudiFinestre();
    if (guida)
        guida->close();
    // A minimised window has no placement worth keeping: neither it nor the header is written.
    if (!isMinimized()) {
        auto messaggio = impostazioni.ScriviCollocazione(InTwips(normalGeometry(), collocazioneLetta));
        if (!messaggio)
            messaggio = impostazioni.ScriviIntestazione(IntestazioneUtente);
        if (messaggio)
            dialoghi.Messaggio(*messaggio);
    }
    evento->accept();
}

bool frmMain::DaSalvare() const {
    const auto* inserimento = figlie->Aperta<frmInserimentoDati>();
    if (!inserimento)
        return simulazione.Modificata();
    // A value that cannot be read is work too: Save would refuse it, and say why.
    const std::optional<Velantra> immesso = inserimento->MotoImmesso();
    return !immesso || simulazione.Modificata(*immesso);
}

// Asked before any window closes, so that "Annulla" finds everything as it was. A close asked for
// while the question or its Save As is up (the window manager's, Ctrl+Q) waits for that answer.
bool frmMain::ChiediSalvataggio() {
    if (chiedendo)
        return false;
    if (!DaSalvare())
        return true;
    chiedendo = true;
    const Dialoghi::Risposta risposta = dialoghi.SiNoAnnulla(DomandaSalvaModifiche);
    const bool chiudi = risposta == Dialoghi::Risposta::No ||
                        (risposta == Dialoghi::Risposta::Si && Documento().SalvaConNome());
    chiedendo = false;
    return chiudi;
}

void frmMain::RicordaDocumento(const QString& percorso) {
    if (const auto messaggio = impostazioni.AggiungiDocumentoRecente(percorso))
        dialoghi.Messaggio(*messaggio);
    mnuRecenti->Aggiorna();
}

void frmMain::ApriRecente(const QString& percorso) {
    if (QFileInfo::exists(percorso)) {
        Documento().CaricaSimulazione(percorso);
        return;
    }
    dialoghi.Messaggio(QStringLiteral("Il file «%1» non esiste più ed è stato tolto dai documenti recenti.")
                           .arg(PercorsoMostrato(percorso)));
    if (const auto messaggio = impostazioni.TogliDocumentoRecente(percorso))
        dialoghi.Messaggio(*messaggio);
    mnuRecenti->Aggiorna();
}

void frmMain::AbilitaComandi(StatoComandi stato) {
    for (const auto& [comando, da] : AbilitatiDa)
        for (QAction* azione : {Voce(comando), Pulsante(comando)})
            if (azione)
                azione->setEnabled(stato >= da);
}

void frmMain::AbilitaComandi(int16_t codice) {
    if (codice >= int16_t(StatoComandi::Vuoto) && codice <= int16_t(StatoComandi::Calcolato))
        AbilitaComandi(static_cast<StatoComandi>(codice));
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

ComandiDocumento frmMain::Documento() {
    return ComandiDocumento(simulazione, dialoghi, *figlie);
}

ComandiEsportazione frmMain::Esporta() {
    return ComandiEsportazione(simulazione, IntestazioneUtente, dialoghi, *figlie);
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
    QTimer::singleShot(0, this, [this, percorso] { Documento().CaricaSimulazione(percorso); });
}
