#include "TestiMotore.h"

#include "GiudizioMotore.h"
#include "NumeriRegionali.h"
#include "RapportoOttimo.h"
#include "TestiAsse.h"

namespace {
QString ConUnita(double valore, const char* unita) {
    return TestoCifra(valore) + QStringLiteral(" [%1]").arg(QString::fromUtf8(unita));
}
} // namespace

QStringList RigheMotore(const DatiMotore& motore, Trasmissione tipo) {
    QStringList righe;
    for (const CampoMotore& campo : CampiMotore)
        if (Applicabile(campo, tipo) && !std::isnan(motore.*campo.Membro))
            righe << QString::fromUtf8(campo.Etichetta) + QStringLiteral(": ") +
                         ConUnita(motore.*campo.Membro, campo.Unita);
    return righe;
}

QList<RigaVerifica> RigheVerifica(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore) {
    const GiudizioMotore giudizio = GiudicaMotore(r, asse, motore);
    const auto& nomi = NomiLimiti[giudizio.Diretta ? 1 : 0];
    QList<RigaVerifica> righe;
    for (int i = 0; i < NumeroLimitiMotore; ++i) {
        const VerificaLimite& v = giudizio.Limiti[size_t(i)];
        if (!v.Dato())
            continue;
        const NomiLimite& n = nomi[size_t(i)];
        righe << RigaVerifica{
            QString::fromUtf8(n.Richiesta), TestoCifra(v.Richiesta),
            QString::fromUtf8(n.Limite),    TestoCifra(v.Limite),
            QString::fromUtf8(n.Unita),     QString::fromStdString(TestoQuota(v, 3, SeparatoreDecimale()))};
    }
    if (!giudizio.Diretta && MotoreDato(motore, asse.Tipo)) {
        const bool senza = std::isnan(giudizio.RapportoInerzia);
        righe << RigaVerifica{QString::fromUtf8(NomeRapportoInerzia),
                              senza ? QString() : TestoCifra(giudizio.RapportoInerzia),
                              QString::fromUtf8(senza                              ? TestoSenzaInerzia
                                                : giudizio.InerziaOltreConsiglio() ? AvvisoRapportoInerzia
                                                                                   : NotaRapportoInerzia),
                              QString(),
                              QString(),
                              QString()};
    }
    return righe;
}

QString TestoVerifica(const RigaVerifica& riga) {
    if (riga.limite.isEmpty())
        return riga.nome + QStringLiteral(": ") +
               (riga.richiesta.isEmpty() ? QString() : riga.richiesta + ", ") + riga.nomeLimite;
    const QString unita = QStringLiteral(" [%1]").arg(riga.unita);
    return riga.nome + QStringLiteral(": ") + riga.richiesta + unita + QStringLiteral(", ") +
           riga.nomeLimite + ' ' + riga.limite + unita + QStringLiteral(", ") + riga.quota +
           QStringLiteral(" %");
}

QString TestoGiudizio(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore) {
    return QString::fromStdString(RigaGiudizio(GiudicaMotore(r, asse, motore), SeparatoreDecimale()));
}

QString TestoRapportoOttimo(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore) {
    if (r.Diretta)
        return {};
    const EsitoRapporto esito = CercaRapportoOttimo(r, asse, motore);
    const QString nome = QStringLiteral("Rapporto ottimale: ");
    if (!esito.Ottimo)
        return nome + QStringLiteral("nessuno, ") + QString::fromUtf8(esito.Motivo);
    const PuntoRapporto& p = *esito.Ottimo;
    return nome + TestoCifra(p.Rapporto) +
           QStringLiteral(" (coppia efficace %1, coppia di picco %2, %3%4)")
               .arg(ConUnita(p.CoppiaEfficace, "N·m"), ConUnita(p.CoppiaPicco, "N·m"),
                    ConUnita(p.VelocitaMotore, "giri/min"),
                    esito.AlLimiteVelocita ? QStringLiteral(", al limite della velocità massima")
                                           : QString());
}

QString TestoFrenatura(const Dimensionamento& r) {
    return QString::fromUtf8(CifraFrenatura.Nome) + QStringLiteral(": ") +
           ConUnita(r.*CifraFrenatura.Membro, CifraFrenatura.Unita);
}
