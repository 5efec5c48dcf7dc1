// The sizing window's column of data: the axis' values, then the motor's, their boxes in one column.

#include "CampiDimensionamento.h"
#include "Dialoghi.h"
#include "Simulazione.h"
#include "TestiAsse.h"
#include "TestiRegionali.h"
#include "frmCatalogoMotori.h"
#include "frmDimensionamento.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace campi_dimensionamento;

QWidget* frmDimensionamento::CreaDati() {
    auto* colonna = new QWidget(this);
    auto* gruppi = new QVBoxLayout(colonna);
    gruppi->setContentsMargins(0, 0, 0, 0);
    auto* riquadro = new QGroupBox(QStringLiteral("Dati dell'asse"), colonna);
    auto* griglia = new QGridLayout(riquadro);
    for (int i = 0, riga = 0; i < NumeroCampiAsse; ++i)
        if (i != CampoInerzia)
            Riga(griglia, riga++, i);
    auto* gruppoMotore = new QGroupBox(QStringLiteral("Motore"), colonna);
    gruppoMotore->setObjectName(QStringLiteral("grpMotore"));
    auto* grigliaMotore = new QGridLayout(gruppoMotore);
    // A motor with a shaft, then a linear one: only one kind shows, the other's rows take no room.
    const int righeMotore = int(CampiMotore.size());
    for (int i = 0; i < righeMotore; ++i)
        Riga(grigliaMotore, i, NumeroCampiAsse + i);
    Riga(grigliaMotore, righeMotore, CampoInerzia);
    auto* catalogo = new QPushButton(QStringLiteral("&Catalogo motori..."), gruppoMotore);
    catalogo->setObjectName(QStringLiteral("cmdCatalogo"));
    catalogo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(catalogo, &QPushButton::clicked, this, [this] {
        ScegliDaCatalogo(this, dialoghi, simulazione, [this](const MotoreCatalogo& m) { ScegliMotore(m); });
    });
    grigliaMotore->addWidget(catalogo, righeMotore + 1, 0, 1, 3);
    // The boxes of both groups in one column, as wide, their rows as far apart.
    int larghezza = 0;
    int unitaLarga = 0;
    for (const QLabel* etichetta : etichette)
        larghezza = std::max(larghezza, etichetta->sizeHint().width());
    for (const QLabel* u : unita)
        unitaLarga = std::max(unitaLarga, u->sizeHint().width());
    for (QGridLayout* g : {griglia, grigliaMotore}) {
        g->setColumnMinimumWidth(0, larghezza);
        g->setColumnMinimumWidth(2, unitaLarga);
    }
    gruppi->addWidget(riquadro);
    gruppi->addWidget(gruppoMotore);
    gruppi->addStretch(1);
    return colonna;
}

void frmDimensionamento::Riga(QGridLayout* griglia, int riga, int i) {
    QWidget* riquadro = griglia->parentWidget();
    const CampoAsse* campo = DelMotore(i) ? nullptr : &CampiAsse[i];
    etichette[i] = new QLabel(Etichetta(i), riquadro);
    griglia->addWidget(etichette[i], riga, 0);
    QWidget* controllo;
    if (campo && !campo->Membro) {
        trasmissione = new QComboBox(riquadro);
        for (int tipo = 0; tipo < int(NomiTrasmissione.size()); ++tipo)
            trasmissione->addItem(NomeTrasmissione(Trasmissione(tipo)));
        connect(trasmissione, &QComboBox::currentIndexChanged, this, &frmDimensionamento::Aggiorna);
        controllo = trasmissione;
    } else {
        auto* casella = new QLineEdit(riquadro);
        casella->setMinimumWidth(LarghezzaPerNumeri(*casella));
        casella->installEventFilter(this);
        connect(casella, &QLineEdit::textEdited, this, [this, i] {
            rifiutati[i].clear();
            if (!primaDellaModifica)
                primaDellaModifica = Prima{this->simulazione.Asse(), this->simulazione.Motore()};
            Aggiorna();
        });
        connect(casella, &QLineEdit::editingFinished, this, [this, i] { ValoreConfermato(i); });
        valori[i] = casella;
        controllo = casella;
    }
    // The linear motor's speed shares its key with the shaft's: its box is named apart.
    const QString chiave = QLatin1String(campo ? campo->Chiave : Motore(i).Chiave);
    const bool secondo = DelMotore(i) && IndiceCampoMotore(Motore(i).Chiave) != i - NumeroCampiAsse;
    controllo->setObjectName(secondo ? chiave + QStringLiteral("_lineare") : chiave);
    controllo->setAccessibleName(Etichetta(i));
    etichette[i]->setBuddy(controllo);
    griglia->addWidget(controllo, riga, 1);
    unita[i] = new QLabel(campo ? UnitaCampo(*campo) : QString::fromUtf8(Motore(i).Unita), riquadro);
    griglia->addWidget(unita[i], riga, 2);
}
