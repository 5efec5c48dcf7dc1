#include "DialoghiQt.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

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

// Qt's file dialogs take the filters as one text.
QString DialoghiQt::NomeFileApri(const QString& titolo, const QStringList& filtri) {
    return QFileDialog::getOpenFileName(finestra, titolo, QString(), filtri.join(QStringLiteral(";;")));
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
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    if (filtroScelto)
        *filtroScelto = dialogo.selectedNameFilter();
    return dialogo.selectedFiles().value(0);
}

std::optional<QSize> DialoghiQt::Dimensione(const QString& titolo, QSize proposta) {
    QDialog dialogo(finestra);
    dialogo.setWindowTitle(titolo);
    auto* modulo = new QFormLayout(&dialogo);
    auto campo = [&](const QString& etichetta, int valore) {
        auto* casella = new QSpinBox(&dialogo);
        casella->setRange(1, MassimoPixel);
        casella->setSuffix(QStringLiteral(" pixel"));
        casella->setValue(valore);
        modulo->addRow(etichetta, casella);
        return casella;
    };
    QSpinBox* larghezza = campo(QStringLiteral("&Larghezza:"), proposta.width());
    QSpinBox* altezza = campo(QStringLiteral("&Altezza:"), proposta.height());
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    modulo->addRow(pulsanti);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(larghezza->value(), altezza->value());
}

bool DialoghiQt::Stampa(QPrinter& stampante, const QString& titolo) {
    QPrintDialog dialogo(&stampante, finestra);
    dialogo.setWindowTitle(titolo);
    // One page per print-out: there is no page range to choose.
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialogo.exec() == QDialog::Accepted;
}
