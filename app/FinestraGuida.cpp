#include "FinestraGuida.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString AncoraSommario = QStringLiteral("sommario");

QPushButton* Pulsante(const QString& testo, QWidget* parent) {
    auto* pulsante = new QPushButton(testo, parent);
    pulsante->setAccessibleName(QString(testo).remove(QLatin1Char('&')));
    pulsante->setAutoDefault(false);
    return pulsante;
}

// The first anchor name inside a block, if any.
QString Ancora(const QTextBlock& blocco) {
    for (auto it = blocco.begin(); !it.atEnd(); ++it) {
        const QStringList nomi = it.fragment().charFormat().anchorNames();
        if (!nomi.isEmpty())
            return nomi.first();
    }
    return {};
}
} // namespace

QStringList PercorsiGuida() {
    const QDir cartella(QCoreApplication::applicationDirPath());
    return {cartella.filePath(NomeFileGuida),
            QDir::cleanPath(cartella.filePath(QStringLiteral("../share/velantra/") + NomeFileGuida))};
}

Guida LeggiGuida(const QStringList& percorsi) {
    Guida guida;
    for (const QString& percorso : percorsi)
        if (QFileInfo::exists(percorso)) {
            guida.percorso = percorso;
            break;
        }
    if (guida.percorso.isEmpty())
        return guida;
    QFile file(guida.percorso);
    if (file.open(QIODevice::ReadOnly))
        guida.html = QString::fromUtf8(file.readAll());
    if (guida.html.trimmed().isEmpty())
        guida.errore = QStringLiteral("Impossibile leggere il file della Guida:\n%1")
                           .arg(QDir::toNativeSeparators(guida.percorso));
    return guida;
}

FinestraGuida::FinestraGuida(QWidget* parent)
    : QWidget(parent, Qt::Window), ricerca(new QLineEdit(this)), argomenti(new QListWidget(this)),
      esito(new QLabel(this)), testo(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida di Velantra"));
    resize(860, 600);

    QPushButton* sommario = Pulsante(QStringLiteral("&Sommario"), this);
    QPushButton* indietro = Pulsante(QStringLiteral("&Indietro"), this);
    QPushButton* avanti = Pulsante(QStringLiteral("A&vanti"), this);
    indietro->setEnabled(false);
    avanti->setEnabled(false);
    connect(sommario, &QPushButton::clicked, this, &FinestraGuida::MostraSommario);
    connect(indietro, &QPushButton::clicked, testo, &QTextBrowser::backward);
    connect(avanti, &QPushButton::clicked, testo, &QTextBrowser::forward);
    connect(testo, &QTextBrowser::backwardAvailable, indietro, &QPushButton::setEnabled);
    connect(testo, &QTextBrowser::forwardAvailable, avanti, &QPushButton::setEnabled);

    auto* etichetta = new QLabel(QStringLiteral("&Cerca argomento:"), this);
    etichetta->setBuddy(ricerca);
    ricerca->setObjectName(QStringLiteral("txtRicerca"));
    ricerca->setAccessibleName(QStringLiteral("Cerca argomento"));
    ricerca->setClearButtonEnabled(true);
    argomenti->setObjectName(QStringLiteral("lstArgomenti"));
    argomenti->setAccessibleName(QStringLiteral("Argomenti"));
    esito->setObjectName(QStringLiteral("lblEsito"));
    esito->setWordWrap(true);
    testo->setObjectName(QStringLiteral("txtGuida"));
    testo->setAccessibleName(QStringLiteral("Testo della Guida"));
    testo->setOpenExternalLinks(false);
    connect(ricerca, &QLineEdit::textChanged, this, &FinestraGuida::Filtra);
    connect(ricerca, &QLineEdit::returnPressed, this, &FinestraGuida::Cerca);
    connect(argomenti, &QListWidget::itemActivated, this, &FinestraGuida::Apri);
    connect(argomenti, &QListWidget::itemClicked, this, &FinestraGuida::Apri);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(sommario);
    pulsanti->addWidget(indietro);
    pulsanti->addWidget(avanti);
    pulsanti->addStretch();
    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(etichetta);
    colonna->addWidget(ricerca);
    colonna->addWidget(argomenti, 1);
    colonna->addWidget(esito);
    auto* divisore = new QSplitter(this);
    divisore->addWidget(sinistra);
    divisore->addWidget(testo);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({290, 570});
    auto* impianto = new QVBoxLayout(this);
    impianto->addLayout(pulsanti);
    impianto->addWidget(divisore, 1);

    // Closed as a person closes any window of the desktop's own.
    for (const QKeySequence& tasto : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* chiudi = new QAction(this);
        chiudi->setShortcut(tasto);
        connect(chiudi, &QAction::triggered, this, &QWidget::close);
        addAction(chiudi);
    }
}

void FinestraGuida::Carica(const QString& html) {
    testo->setHtml(html);
    testo->clearHistory();
    ElencaArgomenti();
}

// Each heading that carries an anchor is a topic.
void FinestraGuida::ElencaArgomenti() {
    argomenti->clear();
    for (QTextBlock blocco = testo->document()->begin(); blocco.isValid(); blocco = blocco.next()) {
        const QString ancora = Ancora(blocco);
        if (blocco.blockFormat().headingLevel() == 0 || ancora.isEmpty())
            continue;
        auto* voce = new QListWidgetItem(blocco.text().trimmed(), argomenti);
        voce->setData(Qt::UserRole, ancora);
    }
}

void FinestraGuida::MostraSommario() {
    ricerca->clear();
    testo->scrollToAnchor(AncoraSommario);
    testo->setFocus();
}

void FinestraGuida::MostraRicerca() {
    ricerca->clear();
    Filtra({});
    ricerca->setFocus();
}

void FinestraGuida::Filtra(const QString& parola) {
    int trovati = 0;
    for (int i = 0; i < argomenti->count(); ++i) {
        QListWidgetItem* voce = argomenti->item(i);
        const bool adatto = voce->text().contains(parola.trimmed(), Qt::CaseInsensitive);
        voce->setHidden(!adatto);
        trovati += adatto;
    }
    esito->setText(trovati > 0 ? QString()
                               : QStringLiteral("Nessun argomento: premi Invio per cercare nel testo."));
}

void FinestraGuida::Apri(QListWidgetItem* voce) {
    if (voce)
        testo->scrollToAnchor(voce->data(Qt::UserRole).toString());
}

// Enter: the first topic listed, or else the word in the text, from the top.
void FinestraGuida::Cerca() {
    for (int i = 0; i < argomenti->count(); ++i)
        if (!argomenti->item(i)->isHidden()) {
            argomenti->setCurrentRow(i);
            Apri(argomenti->item(i));
            return;
        }
    const QString parola = ricerca->text().trimmed();
    if (parola.isEmpty())
        return;
    testo->moveCursor(QTextCursor::Start);
    esito->setText(testo->find(parola) ? QStringLiteral("Trovato nel testo.")
                                       : QStringLiteral("«%1» non compare nella Guida.").arg(parola));
}
