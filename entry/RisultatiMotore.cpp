#include "RisultatiMotore.h"

#include "GraficiMotore.h"
#include "NumeriRegionali.h"
#include "PianoSerie.h"
#include "TestiAsse.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Ratios the plot across ratios is drawn at.
constexpr int PuntiCurva = 121;

QLabel* Cifra(QWidget* genitore, const QString& nome) {
    auto* etichetta = new QLabel(genitore);
    etichetta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etichetta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    etichetta->setAccessibleName(nome);
    return etichetta;
}

// Six digits shown, the whole value a tooltip away; empty for a value not given.
void MostraCifra(QLabel* etichetta, double valore) {
    const bool dato = !std::isnan(valore);
    etichetta->setText(dato ? TestoCifra(valore) : QString());
    etichetta->setToolTip(dato ? TestoValore(valore) : QString());
}

} // namespace

QGroupBox* RisultatiMotore::CreaGiudizi(QWidget* genitore) {
    giudizi = new QGroupBox(QStringLiteral("Verifica del motore"), genitore);
    giudizi->setObjectName(QStringLiteral("grpVerifica"));
    auto* griglia = new QGridLayout(giudizi);
    const QStringList titoli{QString(), QStringLiteral("Richiesta"), QStringLiteral("Limite"), QString(),
                             QStringLiteral("Quota")};
    for (int c = 1; c < titoli.size(); ++c)
        griglia->addWidget(new QLabel(titoli[c], giudizi), 0, c, Qt::AlignRight);
    for (int i = 0; i < NumeroLimitiMotore; ++i) {
        nomi[i] = new QLabel(giudizi);
        griglia->addWidget(nomi[i], i + 1, 0);
        richieste[i] = Cifra(giudizi, QString());
        griglia->addWidget(richieste[i], i + 1, 1);
        limiti[i] = Cifra(giudizi, QString());
        griglia->addWidget(limiti[i], i + 1, 2);
        unita[i] = new QLabel(giudizi);
        griglia->addWidget(unita[i], i + 1, 3);
        quote[i] = Cifra(giudizi, QString());
        griglia->addWidget(quote[i], i + 1, 4);
    }
    const int riga = NumeroLimitiMotore + 1;
    nomeInerzia = new QLabel(QString::fromUtf8(NomeRapportoInerzia), giudizi);
    griglia->addWidget(nomeInerzia, riga, 0);
    rapportoInerzia = Cifra(giudizi, nomeInerzia->text());
    griglia->addWidget(rapportoInerzia, riga, 1);
    notaInerzia = new QLabel(giudizi);
    notaInerzia->setWordWrap(true);
    griglia->addWidget(notaInerzia, riga, 2, 1, 3);
    verdetto = new QLabel(giudizi);
    verdetto->setObjectName(QStringLiteral("lblVerdetto"));
    verdetto->setWordWrap(true);
    griglia->addWidget(verdetto, riga + 1, 0, 1, 5);
    griglia->setColumnStretch(0, 1);
    return giudizi;
}

QWidget* RisultatiMotore::CreaOttimo(QWidget* genitore) {
    auto* pagina = new QWidget(genitore);
    auto* griglia = new QGridLayout;
    const char* const testi[4][2] = {{"Rapporto ottimale", ""},
                                     {"Coppia efficace", "N·m"},
                                     {"Coppia di picco", "N·m"},
                                     {"Velocità massima motore", "giri/min"}};
    for (int i = 0; i < 4; ++i) {
        nomiOttimo[i] = new QLabel(QString::fromUtf8(testi[i][0]), pagina);
        griglia->addWidget(nomiOttimo[i], i, 0);
        ottimo[i] = Cifra(pagina, nomiOttimo[i]->text());
        ottimo[i]->setObjectName(i ? QString() : QStringLiteral("lblRapportoOttimo"));
        griglia->addWidget(ottimo[i], i, 1);
        griglia->addWidget(new QLabel(QString::fromUtf8(testi[i][1]), pagina), i, 2);
    }
    griglia->setColumnStretch(3, 1);
    motivoOttimo = new QLabel(pagina);
    motivoOttimo->setWordWrap(true);
    usaOttimo = new QPushButton(QStringLiteral("&Usa rapporto ottimale"), pagina);
    usaOttimo->setObjectName(QStringLiteral("cmdUsaRapporto"));
    usaOttimo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(usaOttimo, &QPushButton::clicked, this, [this] {
        if (rapportoOttimo)
            emit UsaRapporto(*rapportoOttimo);
    });
    pianoRapporto = new PianoSerie(pagina);
    pianoRapporto->setObjectName(QStringLiteral("pianoRapporto"));
    pianoRapporto->setAccessibleName(QStringLiteral("Coppie al variare del rapporto"));
    auto* colonna = new QVBoxLayout(pagina);
    colonna->addLayout(griglia);
    colonna->addWidget(motivoOttimo);
    colonna->addWidget(usaOttimo);
    colonna->addWidget(pianoRapporto, 1);
    return pagina;
}

QWidget* RisultatiMotore::CreaDiagramma(QWidget* genitore) {
    auto* pagina = new QWidget(genitore);
    senzaDiagramma = new QLabel(QStringLiteral("Nessun dimensionamento da mostrare."), pagina);
    senzaDiagramma->setWordWrap(true);
    pianoLavoro = new PianoSerie(pagina);
    pianoLavoro->setObjectName(QStringLiteral("pianoCoppiaVelocita"));
    pianoLavoro->setAccessibleName(QStringLiteral("Diagramma coppia-velocità"));
    auto* colonna = new QVBoxLayout(pagina);
    colonna->addWidget(senzaDiagramma);
    colonna->addWidget(pianoLavoro, 1);
    return pagina;
}

void RisultatiMotore::Mostra(const Dimensionamento* r, const DatiAsse& asse,
                             const std::optional<DatiMotore>& motore) {
    const DatiMotore dati = motore.value_or(DatiMotore{});
    const bool dato = r && MotoreDato(dati, asse.Tipo);
    giudizi->setVisible(dato);
    if (dato) {
        const GiudizioMotore g = GiudicaMotore(*r, asse, dati);
        for (int i = 0; i < NumeroLimitiMotore; ++i) {
            const VerificaLimite& v = g.Limiti[i];
            const NomiLimite& testi = NomiLimiti[g.Diretta][i];
            nomi[i]->setText(QString::fromUtf8(testi.Richiesta));
            richieste[i]->setAccessibleName(nomi[i]->text());
            limiti[i]->setAccessibleName(QString::fromUtf8(testi.Limite));
            quote[i]->setAccessibleName(QStringLiteral("Quota di %1").arg(QString::fromUtf8(testi.Limite)));
            MostraCifra(richieste[i], v.Richiesta);
            MostraCifra(limiti[i], v.Limite);
            unita[i]->setText(QString::fromUtf8(testi.Unita));
            quote[i]->setText(v.Dato() ? QString::fromStdString(TestoQuota(v, 3, SeparatoreDecimale())) + " %"
                                       : QString());
            quote[i]->setToolTip(v.Dato() ? TestoValore(v.Richiesta / v.Limite * 100) + " %" : QString());
            for (QLabel* etichetta : {nomi[i], richieste[i], limiti[i], unita[i], quote[i]})
                etichetta->setVisible(v.Dato());
        }
        for (QLabel* etichetta : {nomeInerzia, rapportoInerzia, notaInerzia})
            etichetta->setVisible(!g.Diretta);
        const bool inerzia = !std::isnan(g.RapportoInerzia);
        MostraCifra(rapportoInerzia, g.RapportoInerzia);
        notaInerzia->setText(QString::fromUtf8(!inerzia                    ? TestoSenzaInerzia
                                               : g.InerziaOltreConsiglio() ? AvvisoRapportoInerzia
                                                                           : NotaRapportoInerzia));
        notaInerzia->setStyleSheet(g.InerziaOltreConsiglio() ? QStringLiteral("color: #b45000") : QString());
        verdetto->setText(QString::fromStdString(RigaGiudizio(g, SeparatoreDecimale())));
        verdetto->setStyleSheet(g.Adatto() ? QStringLiteral("color: #006400; font-weight: bold")
                                           : QStringLiteral("color: #c80000; font-weight: bold"));
    }

    std::optional<CurvaRapporto> curva;
    if (r && !r->Diretta)
        curva = CurvaDelRapporto(*r, asse, dati, PuntiCurva);
    const std::optional<PuntoRapporto> punto = curva ? curva->Ottimo.Ottimo : std::nullopt;
    rapportoOttimo = punto ? std::optional(punto->Rapporto) : std::nullopt;
    const std::array<double, 4> valori{
        punto ? punto->Rapporto : NessunValore, punto ? punto->CoppiaEfficace : NessunValore,
        punto ? punto->CoppiaPicco : NessunValore, punto ? punto->VelocitaMotore : NessunValore};
    for (size_t i = 0; i < valori.size(); ++i)
        MostraCifra(ottimo[i], valori[i]);
    QString motivo;
    if (!r)
        motivo = QStringLiteral("Nessun dimensionamento da mostrare.");
    else if (r->Diretta)
        motivo = QStringLiteral("Nessun rapporto ottimale: %1.").arg(QString::fromUtf8(TestoRapportoDiretta));
    else if (!punto)
        motivo = QStringLiteral("Nessun rapporto ottimale: %1.").arg(QString::fromUtf8(curva->Ottimo.Motivo));
    else if (curva->Ottimo.AlLimiteVelocita)
        motivo = QStringLiteral("Il rapporto di minima coppia efficace farebbe superare la velocità massima "
                                "del motore: il rapporto indicato è il più alto che la rispetta.");
    motivoOttimo->setText(motivo);
    motivoOttimo->setVisible(!motivo.isEmpty());
    usaOttimo->setEnabled(punto.has_value());
    pianoRapporto->setVisible(curva.has_value());
    if (curva)
        pianoRapporto->Mostra(GraficoRapporto(*curva, dati));
    senzaDiagramma->setVisible(!r);
    pianoLavoro->setVisible(r != nullptr);
    if (r)
        pianoLavoro->Mostra(GraficoCoppiaVelocita(PianoDiLavoro(*r, dati)));
}

QStringList RisultatiMotore::Righe() const {
    QStringList righe;
    const auto riga = [&righe](const QString& nome, const QLabel* valore, const QString& unita) {
        if (!valore->isHidden() && !valore->text().isEmpty())
            righe << nome + '\t' + valore->text() + '\t' + unita;
    };
    if (!giudizi->isHidden()) {
        for (int i = 0; i < NumeroLimitiMotore; ++i) {
            riga(nomi[i]->text(), richieste[i], unita[i]->text());
            riga(limiti[i]->accessibleName(), limiti[i], unita[i]->text());
            if (!quote[i]->isHidden()) // the share's unit in its own column
                righe << quote[i]->accessibleName() + '\t' + quote[i]->text().chopped(2) +
                             QStringLiteral("\t%");
        }
        riga(nomeInerzia->text(), rapportoInerzia, notaInerzia->text());
        if (!nomeInerzia->isHidden() && rapportoInerzia->text().isEmpty())
            righe << nomeInerzia->text() + '\t' + notaInerzia->text() + '\t';
        righe << verdetto->text();
    }
    const char* const unitaOttimo[4] = {"", "N·m", "N·m", "giri/min"};
    for (int i = 0; i < 4; ++i)
        riga(nomiOttimo[i]->text() + (i ? QStringLiteral(" al rapporto ottimale") : QString()), ottimo[i],
             QString::fromUtf8(unitaOttimo[i]));
    return righe;
}
