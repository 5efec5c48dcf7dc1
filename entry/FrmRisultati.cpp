#include "FrmRisultati.h"

#include "Sistemi.h"
#include "TestiRegionali.h"
#include "Twips.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

// The row names: the quantities' own, but the acceleration reads "Acc" here.
constexpr std::array<const char*, NumeroGrandezze> NomiRighe{"S1", "S2",   "Stot", "T1",
                                                             "T2", "Ttot", "Vm",   "Acc"};

// Twips, inside a client area of 2925 x 3270; row i has its top at 120 + 360 i.
constexpr int LarghezzaTwips = 2925;
constexpr int AltezzaTwips = 3270;
constexpr int PrimaRiga = 120;
constexpr int PassoRighe = 360;
constexpr int SinistraNomi = 120;
constexpr int LarghezzaNomi = 495;
constexpr int SinistraValori = 720;
constexpr int LarghezzaValori = 1095;
constexpr int AltezzaValori = 285;
constexpr int SinistraUnita = 1920;
constexpr int LarghezzaUnita = 495, LarghezzaUnitaVelocita = 735; // the latter for Vm and Acc
constexpr int AltezzaEtichette = 255;
constexpr int DistanzaUnita = SinistraUnita - SinistraValori - LarghezzaValori; // from a box to its unit
constexpr int MargineDestro = 60; // kept right of the units when the window widens for them

// A label at least as wide as its text, so no caption is cut in any font.
QLabel* Etichetta(QWidget* finestra, const QString& testo, int sinistra, int alto, int larghezza) {
    auto* etichetta = new QLabel(testo, finestra);
    etichetta->setGeometry(Px(sinistra), Px(alto), std::max(Px(larghezza), etichetta->sizeHint().width()),
                           Px(AltezzaEtichette));
    return etichetta;
}

} // namespace

FrmRisultati::FrmRisultati(const Velantra& Moto, QWidget* parent) : QWidget(parent), Moto(Moto) {
    setObjectName(QStringLiteral("FrmRisultati"));
    setWindowTitle(QStringLiteral("Risultati"));
    int destra = 0;
    // Boxes as designed, or wide enough for the longest result; the units then keep their gap.
    int larghezzaValori = Px(LarghezzaValori), sinistraUnita = SinistraUnita;
    for (int i = 0; i < NumeroGrandezze; ++i) {
        const int alto = PrimaRiga + PassoRighe * i;
        const QString nome = QString::fromLatin1(NomiRighe[i]);
        LRis[i] = Etichetta(this, nome, SinistraNomi, alto, LarghezzaNomi);
        LRis[i]->setObjectName(QStringLiteral("LRis(%1)").arg(i));

        auto* valore = new QLineEdit(this);
        valore->setObjectName(QStringLiteral("Risultati(%1)").arg(i));
        valore->setAccessibleName(QStringLiteral("%1 calcolato").arg(nome));
        valore->setReadOnly(true);
        valore->setContextMenuPolicy(Qt::NoContextMenu); // the window's menu, over the values too
        if (i == 0) {
            larghezzaValori = std::max(larghezzaValori, LarghezzaPerNumeri(*valore));
            const int destraValori = static_cast<int>(Twips(Px(SinistraValori) + larghezzaValori));
            sinistraUnita = std::max(SinistraUnita, destraValori + DistanzaUnita);
        }
        valore->setGeometry(Px(SinistraValori), Px(alto), larghezzaValori, Px(AltezzaValori));
        LRis[i]->setBuddy(valore);
        Risultati[i] = valore;

        Unita[i] = Etichetta(this, QString::fromLatin1(Grandezze[i].Unita), sinistraUnita, alto,
                             i < IndiceVm ? LarghezzaUnita : LarghezzaUnitaVelocita);
        Unita[i]->setObjectName(QStringLiteral("Unita(%1)").arg(i));
        destra = std::max(destra, Unita[i]->geometry().right() + 1);
    }
    auto* copia = new QAction(QStringLiteral("Copia"), this);
    copia->setObjectName(QStringLiteral("mnuCopia"));
    connect(copia, &QAction::triggered, this, &FrmRisultati::Copia);
    addAction(copia);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Wider than designed only when a long number or a large font needs it.
    setFixedSize(std::max(Px(LarghezzaTwips), destra + Px(MargineDestro)), Px(AltezzaTwips));
}

void FrmRisultati::RiempiFrmRisultati() {
    Riempi(ValoriMoto(), {});
}

void FrmRisultati::SegnaMotoImpossibile(const QString& motivo) {
    Riempi(ValoriMoto(), motivo);
}

void FrmRisultati::SegnaCalcoloFallito(const QString& motivo) {
    Riempi(valori, QStringLiteral("Valori del calcolo precedente.\n") + motivo);
}

std::array<double, 8> FrmRisultati::ValoriMoto() const {
    std::array<double, 8> letti{};
    for (int i = 0; i < NumeroGrandezze; ++i)
        letti[i] = Moto.*Grandezze[i].Membro;
    return letti;
}

void FrmRisultati::Riempi(const std::array<double, 8>& nuovi, const QString& motivo) {
    valori = nuovi;
    for (int i = 0; i < NumeroGrandezze; ++i) {
        QLineEdit* valore = Risultati[i];
        valore->setText(TestoRisultato(valori[i]));
        valore->setCursorPosition(0);
        QPalette colori = valore->palette();
        colori.setColor(QPalette::Text, motivo.isEmpty() ? palette().color(QPalette::Text) : QColor(Qt::red));
        valore->setPalette(colori);
        // The whole value a tooltip away: five decimals can show a value as 0, or cut its digits.
        const QString tutto = TestoValore(valori[i]) + QLatin1Char(' ') +
                              QString::fromLatin1(Grandezze[i].Unita).mid(1).chopped(1);
        const QString descrizione = motivo.isEmpty() ? tutto : tutto + QLatin1Char('\n') + motivo;
        valore->setToolTip(descrizione);
        valore->setAccessibleDescription(descrizione);
    }
}

void FrmRisultati::Copia() const {
    QString testo;
    for (int i = 0; i < NumeroGrandezze; ++i)
        testo += LRis[i]->text() + '\t' + Risultati[i]->text() + '\t' + Unita[i]->text() + '\n';
    QGuiApplication::clipboard()->setText(testo);
}
