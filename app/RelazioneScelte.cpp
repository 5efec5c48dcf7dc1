// The report's parts for choosing: the motor's data, verdicts, best ratio and torque-speed picture, and
// the laws of motion compared.

#include "Relazione.h"

#include "GraficiMotore.h"
#include "Grafico.h"
#include "GraficoSerie.h"
#include "ModelloGrafico.h"
#include "NumeriRegionali.h"
#include "RapportoOttimo.h"
#include "Simulazione.h"
#include "TabellaLeggi.h"
#include "TestiAsse.h"
#include "TestiMotore.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double FiguraMinima = 70; // mm, a picture's least height
} // namespace

std::vector<Relazione::Sezione> Relazione::SezioniLeggi() const {
    if (!simulazione.LeggiMostrate())
        return {};
    const Velantra& moto = simulazione.Moto();
    const EsitoConfronto esito =
        ConfrontaLeggi(moto, simulazione.Asse(), simulazione.Jerk().value_or(JerkPredefinito(moto)));
    Blocco leggi;
    leggi.titolo = QStringLiteral("Leggi di moto a confronto:");
    if (!esito.Confronto) {
        leggi.righe << QString::fromStdString(esito.Motivo);
        leggi.celle << leggi.righe;
        return {Sezione{{leggi}, {}, {}, 0}};
    }
    const ConfrontoLeggi& c = *esito.Confronto;
    // On the page the law's motion and, below it, the drive under each law: two tables of one width.
    QStringList colonne; // after the law's name
    for (const std::string& colonna : ColonneConfronto(c))
        colonne << QString::fromStdString(colonna);
    colonne.removeFirst();
    Blocco azionamento;
    azionamento.titolo = c.Diretta ? QStringLiteral("Forza e potenza per legge:")
                                   : QStringLiteral("Coppia e potenza per legge:");
    const qsizetype cinematica = qsizetype(ColonneLeggi.size()) - 1;
    leggi.intestazione = colonne.mid(0, cinematica);
    azionamento.intestazione = colonne.mid(cinematica);
    for (int i = 0; i < NumeroLeggi; ++i) {
        const QString nome = QString::fromUtf8(NomiLeggi[size_t(i)]);
        QStringList valori, parti;
        for (const double valore : ValoriRiga(c, i))
            valori << QString::fromStdString(TestoCella(valore, SeparatoreDecimale()));
        leggi.celle << (QStringList{nome} << valori.mid(0, cinematica));
        if (c.Dimensionato)
            azionamento.celle << (QStringList{nome} << valori.mid(cinematica));
        // The text: one line per law, each value after its column's name and before its unit.
        for (qsizetype k = 0; k < valori.size(); ++k)
            parti << colonne[k].section(QStringLiteral(" ["), 0, 0) + ' ' + valori[k] +
                         (valori[k] == QString::fromUtf8(TestoIllimitato)
                              ? QString()
                              : ' ' + colonne[k].section(' ', -1));
        leggi.righe << nome + QStringLiteral(": ") + parti.join(QStringLiteral(", "));
    }
    // The rows the window marks.
    Blocco migliori;
    migliori.titolo = QStringLiteral("Le leggi migliori:");
    QList<std::pair<int, QString>> segnate{{c.MinimaAmax, QStringLiteral("Amax minima")},
                                           {c.MinimaJmax, QStringLiteral("Jmax minimo")}};
    if (c.Dimensionato)
        segnate.append({c.MinimaEfficace, c.Diretta ? QStringLiteral("Forza efficace minima")
                                                    : QStringLiteral("Coppia efficace minima")});
    for (const auto& [indice, testo] : segnate) {
        migliori.celle << QStringList{testo, QString::fromUtf8(NomiLeggi[size_t(indice)])};
        migliori.righe << testo + QStringLiteral(": ") + migliori.celle.back().last();
    }
    std::vector<Sezione> sezioni{Sezione{{leggi}, {}, {}, 0}};
    if (c.Dimensionato)
        sezioni.push_back(Sezione{{azionamento}, {}, {}, 0});
    sezioni.push_back(Sezione{{migliori}, {}, {}, 0});
    return sezioni;
}

std::vector<Relazione::Sezione> Relazione::SezioniMotore(const DatiAsse& dati,
                                                         const Dimensionamento& r) const {
    const DatiMotore motore = simulazione.Motore().value_or(DatiMotore{});
    if (!MotoreDato(motore, dati.Tipo))
        return {};
    std::vector<Sezione> sezioni(2);
    Blocco datiMotore;
    datiMotore.titolo = QStringLiteral("Motore:");
    for (const CampoMotore& campo : CampiMotore)
        if (Applicabile(campo, dati.Tipo) && !std::isnan(motore.*campo.Membro))
            datiMotore.celle << QStringList{QString::fromUtf8(campo.Etichetta),
                                            TestoCifra(motore.*campo.Membro),
                                            QStringLiteral("[%1]").arg(QString::fromUtf8(campo.Unita))};
    datiMotore.righe = RigheMotore(motore, dati.Tipo);
    sezioni.front().sinistra.push_back(datiMotore);
    Blocco verifica;
    verifica.titolo = QStringLiteral("Verifica del motore:");
    verifica.intestazione = {
        QStringLiteral("Richiesta"), QString(), QStringLiteral("Limite del motore"), QString(), QString(),
        QStringLiteral("Quota")};
    for (const RigaVerifica& riga : RigheVerifica(r, dati, motore)) {
        const QString unita = riga.unita.isEmpty() ? QString() : '[' + riga.unita + ']';
        verifica.celle << QStringList{riga.nome,
                                      riga.richiesta,
                                      unita,
                                      riga.nomeLimite,
                                      riga.limite,
                                      unita,
                                      riga.quota.isEmpty() ? QString() : riga.quota + " %"};
        verifica.righe << TestoVerifica(riga);
    }
    const QString giudizio = TestoGiudizio(r, dati, motore);
    verifica.celle << QStringList{giudizio};
    verifica.righe << giudizio;
    sezioni.back().sinistra.push_back(verifica);
    if (!r.Diretta) // the torque-speed picture, as the sizing window draws it
        sezioni.push_back(Sezione{{},
                                  {},
                                  [this, r](QPainter& pittore, const QRectF& posto) {
                                      DisegnaSerie(pittore, posto,
                                                   GraficoCoppiaVelocita(PianoDiLavoro(
                                                       r, simulazione.Motore().value_or(DatiMotore{}))));
                                  },
                                  FiguraMinima});
    if (!r.Diretta) {
        Blocco rapporto;
        rapporto.titolo = QStringLiteral("Rapporto di riduzione:");
        rapporto.righe << TestoRapportoOttimo(r, dati, motore);
        const EsitoRapporto esito = CercaRapportoOttimo(r, dati, motore);
        if (const auto& p = esito.Ottimo) {
            rapporto.celle << QStringList{QStringLiteral("Rapporto ottimale"), TestoCifra(p->Rapporto),
                                          QString()}
                           << QStringList{QStringLiteral("Coppia efficace"), TestoCifra(p->CoppiaEfficace),
                                          QStringLiteral("[N·m]")}
                           << QStringList{QStringLiteral("Coppia di picco"), TestoCifra(p->CoppiaPicco),
                                          QStringLiteral("[N·m]")}
                           << QStringList{QStringLiteral("Velocità massima motore"),
                                          TestoCifra(p->VelocitaMotore), QStringLiteral("[giri/min]")};
            if (esito.AlLimiteVelocita)
                rapporto.celle << QStringList{QStringLiteral("al limite della velocità massima")};
        } else {
            rapporto.celle << QStringList{QStringLiteral("Rapporto ottimale"),
                                          QStringLiteral("nessuno, ") + QString::fromUtf8(esito.Motivo)};
        }
        sezioni.front().destra.push_back(rapporto);
    }
    return sezioni;
}

void Relazione::DisegnaSerie(QPainter& pittore, const QRectF& posto, const GraficoSerie& grafico) const {
    // Laid out in pixels of 1/96 inch, as the graph is.
    const double scala = pittore.device()->logicalDpiX() / 96.0;
    pittore.save();
    pittore.translate(posto.topLeft());
    pittore.scale(scala, scala);
    DipingiGrafico(pittore,
                   DisponiSerie(grafico, QRectF(QPointF(0, 0), posto.size() / scala), CarattereGrafico()));
    pittore.restore();
}
