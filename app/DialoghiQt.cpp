#include "DialoghiQt.h"

#include "Impostazioni.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <array>
#include <limits>

namespace {
QMessageBox::Icon IconaQt(Dialoghi::Icona icona) {
    switch (icona) {
    case Dialoghi::Icona::Informazione:
        return QMessageBox::Information;
    case Dialoghi::Icona::Avviso:
        return QMessageBox::Warning;
    case Dialoghi::Icona::Errore:
        return QMessageBox::Critical;
    case Dialoghi::Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

// The extension of a filter's first pattern ("Velantra (*.vla)" gives "vla"); none for "*.*".
QString Estensione(const QString& filtro) {
    static const QRegularExpression modello(QStringLiteral("\\(\\*\\.(\\w+)"));
    return modello.match(filtro).captured(1);
}

void Spiega(QMessageBox& scatola, const QString& dettaglio) {
    if (dettaglio.isEmpty())
        return;
    scatola.setInformativeText(dettaglio);
    // Wide enough for an explanation to read in whole lines: a box sized to the short text would
    // break every sentence.
    if (auto* griglia = qobject_cast<QGridLayout*>(scatola.layout()))
        griglia->addItem(new QSpacerItem(scatola.fontMetrics().averageCharWidth() * 90, 0),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
}

QMessageBox::StandardButton Chiedi(QWidget* finestra, QMessageBox::Icon icona, const QString& titolo,
                                   const QString& testo, QMessageBox::StandardButtons pulsanti,
                                   const QString& dettaglio = {}) {
    QMessageBox scatola(icona, titolo, testo, pulsanti, finestra);
    Spiega(scatola, dettaglio);
    return static_cast<QMessageBox::StandardButton>(scatola.exec());
}
} // namespace

void DialoghiQt::Messaggio(const QString& testo, const QString& titolo, Icona icona,
                           const QString& dettaglio) {
    Chiedi(finestra, IconaQt(icona), titolo, testo, QMessageBox::Ok, dettaglio);
}

bool DialoghiQt::MessaggioConAlternativa(const QString& testo, const QString& alternativa,
                                         const QString& titolo, Icona icona, const QString& dettaglio) {
    QMessageBox scatola(IconaQt(icona), titolo, testo, QMessageBox::Ok, finestra);
    QPushButton* altro = scatola.addButton(alternativa, QMessageBox::AcceptRole);
    // Enter and Esc mean OK, which changes nothing.
    scatola.setDefaultButton(QMessageBox::Ok);
    scatola.setEscapeButton(QMessageBox::Ok);
    Spiega(scatola, dettaglio);
    scatola.exec();
    return scatola.clickedButton() == altro;
}

bool DialoghiQt::Conferma(const QString& testo, const QString& titolo) {
    return Chiedi(finestra, QMessageBox::Warning, titolo, testo, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

Dialoghi::Risposta DialoghiQt::SiNoAnnulla(const QString& testo, const QString& titolo) {
    QMessageBox scatola(QMessageBox::Warning, titolo, testo,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, finestra);
    // The program's own words, whatever Qt's translation calls them.
    scatola.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    scatola.button(QMessageBox::No)->setText(QStringLiteral("No"));
    scatola.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    scatola.setDefaultButton(QMessageBox::Yes);
    scatola.setEscapeButton(QMessageBox::Cancel);
    const int scelta = scatola.exec();
    return scelta == QMessageBox::Yes  ? Risposta::Si
           : scelta == QMessageBox::No ? Risposta::No
                                       : Risposta::Annulla;
}

QString DialoghiQt::NomeFile(QFileDialog& dialogo) {
    Impostazioni impostazioni;
    if (const QString cartella = impostazioni.LeggiUltimaCartella(); QFileInfo(cartella).isDir())
        dialogo.setDirectory(cartella);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    const QString nome = dialogo.selectedFiles().value(0);
    // A folder not remembered loses the user nothing: the command goes on without a word.
    impostazioni.ScriviUltimaCartella(QFileInfo(nome).absolutePath());
    return nome;
}

// Qt's file dialogs take the filters as one text.
QString DialoghiQt::NomeFileApri(const QString& titolo, const QStringList& filtri) {
    QFileDialog dialogo(finestra, titolo, QString(), filtri.join(QStringLiteral(";;")));
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return NomeFile(dialogo);
}

// A name typed without extension gets the chosen filter's (the first one's until another is chosen;
// "*.*" keeps the last), before the dialog asks whether to replace an existing file: the question
// is about the name that will be written.
QString DialoghiQt::NomeFileSalva(const QString& titolo, const QStringList& filtri, QString* filtroScelto) {
    QFileDialog dialogo(finestra, titolo, QString(), filtri.join(QStringLiteral(";;")));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    const auto suffisso = [&dialogo](const QString& filtro) {
        if (const QString estensione = Estensione(filtro); !estensione.isEmpty())
            dialogo.setDefaultSuffix(estensione);
    };
    suffisso(filtri.value(0));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, suffisso);
    const QString nome = NomeFile(dialogo);
    if (!nome.isEmpty() && filtroScelto)
        *filtroScelto = dialogo.selectedNameFilter();
    return nome;
}

// Each side in a box of its own with its limits beside it. What is typed outside them is refused with
// a message and the dialog stays, the box to mend selected: a spin box would cut the typed number to
// fit without a word.
std::optional<QSize> DialoghiQt::Dimensione(const QString& titolo, QSize proposta) {
    QDialog dialogo(finestra);
    dialogo.setWindowTitle(titolo);
    auto* modulo = new QFormLayout(&dialogo);
    struct Lato {
        const char* nome;
        int minimo;
        QLineEdit* casella;
    };
    std::array<Lato, 2> lati{{{"larghezza", MinimoLarghezza, nullptr}, {"altezza", MinimoAltezza, nullptr}}};
    for (Lato& lato : lati) {
        const int valore = &lato == &lati[0] ? proposta.width() : proposta.height();
        lato.casella =
            new QLineEdit(QString::number(std::clamp(valore, lato.minimo, MassimoPixel)), &dialogo);
        lato.casella->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), lato.casella));
        lato.casella->setAccessibleName(QString::fromLatin1(lato.nome));
        auto* riga = new QHBoxLayout;
        riga->addWidget(lato.casella);
        riga->addWidget(new QLabel(QStringLiteral("pixel, da %1 a %2").arg(lato.minimo).arg(MassimoPixel)));
        const QString nome = QString::fromLatin1(lato.nome);
        auto* etichetta =
            new QLabel(QLatin1Char('&') + nome.left(1).toUpper() + nome.mid(1) + QLatin1Char(':'));
        etichetta->setBuddy(lato.casella);
        modulo->addRow(etichetta, riga);
    }
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, [&] {
        for (const Lato& lato : lati) {
            bool numero = false;
            const int valore = lato.casella->text().toInt(&numero);
            if (!numero || valore < lato.minimo || valore > MassimoPixel) {
                Chiedi(&dialogo, QMessageBox::NoIcon, TitoloApplicazione,
                       QStringLiteral("La %1 dell'immagine va da %2 a %3 pixel.")
                           .arg(QString::fromLatin1(lato.nome))
                           .arg(lato.minimo)
                           .arg(MassimoPixel),
                       QMessageBox::Ok);
                lato.casella->setFocus();
                lato.casella->selectAll();
                return;
            }
        }
        dialogo.accept();
    });
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    modulo->addRow(pulsanti);
    // Wide enough for the whole title beside the title bar's icon and buttons.
    dialogo.setMinimumWidth(dialogo.fontMetrics().horizontalAdvance(titolo) * 3 / 2 + 120);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(lati[0].casella->text().toInt(), lati[1].casella->text().toInt());
}

namespace {
// The dialog shows once the task has lasted MostraDopo, and from then on is given the events a few
// times a second, so that it paints and its button works; the task runs on between those moments.
class AvanzamentoQt : public Avanzamento {
public:
    AvanzamentoQt(QWidget* finestra, const QString& titolo, const QString& testo)
        : dialogo(testo, QStringLiteral("Annulla"), 0, 0, finestra) {
        dialogo.setWindowTitle(titolo);
        dialogo.setWindowModality(Qt::ApplicationModal);
        dialogo.setMinimumDuration(std::numeric_limits<int>::max()); // shown here, not by its own timer
        dialogo.setAutoReset(false);
        dialogo.setAutoClose(false);
        dialogo.reset();
        tempo.start();
    }
    bool Prosegui() override {
        constexpr qint64 MostraDopo = 500, Intervallo = 40; // ms
        if (!dialogo.isVisible() && tempo.elapsed() >= MostraDopo)
            dialogo.show();
        if (dialogo.isVisible() && tempo.elapsed() - ultimo >= Intervallo) {
            ultimo = tempo.elapsed();
            QCoreApplication::processEvents();
        }
        return !dialogo.wasCanceled();
    }

private:
    QProgressDialog dialogo;
    QElapsedTimer tempo;
    qint64 ultimo = 0;
};
} // namespace

std::unique_ptr<Avanzamento> DialoghiQt::Avanza(const QString& titolo, const QString& testo) {
    return std::make_unique<AvanzamentoQt>(finestra, titolo, testo);
}

bool DialoghiQt::Stampa(QPrinter& stampante, const QString& titolo) {
    QPrintDialog dialogo(&stampante, finestra);
    dialogo.setWindowTitle(titolo);
    // One page per print-out: there is no page range to choose.
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialogo.exec() == QDialog::Accepted;
}
