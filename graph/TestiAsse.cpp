#include "TestiAsse.h"

#include "GiudizioMotore.h"
#include "NumeriRegionali.h"
#include "RapportoOttimo.h"

#include <cmath>

namespace {
QString Unita(const char* unita) {
    return QStringLiteral(" [%1]").arg(QString::fromUtf8(unita));
}
} // namespace

QString TestoCifra(double valore) {
    return QString::fromStdString(TestoCifre(valore, 6, SeparatoreDecimale()));
}

QStringList RigheCifre(const Dimensionamento& r) {
    QStringList righe;
    for (const CifraAsse& cifra : CifreAsse)
        if (cifra.AncheDiretta || !r.Diretta)
            righe << QString::fromUtf8(cifra.Nome) + QStringLiteral(": ") + TestoCifra(r.*cifra.Membro) +
                         Unita(cifra.Unita);
    return righe;
}

QStringList RigheFasi(const Dimensionamento& r) {
    QStringList righe;
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        const ValoriFase& fase = r.Fasi[i];
        QString riga =
            QStringLiteral("In %1: F = %2 [N]").arg(QLatin1String(NomiFasiAsse[i]), TestoCifra(fase.Forza));
        if (!r.Diretta)
            riga += QStringLiteral(", C = %1 [N·m]").arg(TestoCifra(fase.Coppia));
        righe << riga;
    }
    return righe;
}

QStringList RigheDati(const DatiAsse& dati) {
    QStringList righe;
    for (const CampoAsse& campo : CampiAsse) {
        if (!Applicabile(campo, dati.Tipo))
            continue;
        const QString valore = campo.Membro ? TestoValore(dati.*campo.Membro) : NomeTrasmissione(dati.Tipo);
        const QString unita = UnitaCampo(campo);
        righe << EtichettaCampo(campo) + QStringLiteral(": ") + valore +
                     (unita.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(unita));
    }
    return righe;
}

QString EtichettaCampo(const CampoAsse& campo) {
    return QString::fromUtf8(campo.Etichetta);
}

QString UnitaCampo(const CampoAsse& campo) {
    return QString::fromUtf8(campo.Unita);
}

QString NomeTrasmissione(Trasmissione tipo) {
    static const QString nomi[] = {QStringLiteral("vite a ricircolo di sfere"),
                                   QStringLiteral("cinghia, o pignone e cremagliera"),
                                   QStringLiteral("diretta (motore lineare)")};
    return nomi[static_cast<int>(tipo)];
}

QStringList RigheGiudizio(const GiudizioMotore& giudizio) {
    QStringList righe;
    for (int i = 0; i < NumeroLimitiMotore; ++i) {
        const VerificaLimite& v = giudizio.Limiti[i];
        const NomiLimite& nomi = NomiLimiti[giudizio.Diretta][i];
        if (v.Dato())
            righe << QStringLiteral("%1: %2%3 su %4%3 (%5 %)")
                         .arg(QString::fromUtf8(nomi.Richiesta), TestoCifra(v.Richiesta), Unita(nomi.Unita),
                              TestoCifra(v.Limite),
                              QString::fromStdString(TestoQuota(v, 3, SeparatoreDecimale())));
    }
    if (!giudizio.Diretta)
        righe << QStringLiteral("%1: %2").arg(
            QString::fromUtf8(NomeRapportoInerzia),
            std::isnan(giudizio.RapportoInerzia)
                ? QString::fromUtf8(TestoSenzaInerzia)
                : QStringLiteral("%1 (%2)").arg(TestoCifra(giudizio.RapportoInerzia),
                                                QString::fromUtf8(giudizio.InerziaOltreConsiglio()
                                                                      ? AvvisoRapportoInerzia
                                                                      : NotaRapportoInerzia)));
    righe << QString::fromStdString(RigaGiudizio(giudizio, SeparatoreDecimale()));
    return righe;
}

QString RigaRapportoOttimo(const EsitoRapporto& esito) {
    if (!esito.Ottimo)
        return QStringLiteral("Rapporto ottimale: nessuno, %1").arg(QString::fromUtf8(esito.Motivo));
    const PuntoRapporto& p = *esito.Ottimo;
    return QStringLiteral("Rapporto ottimale: %1%2 (coppia efficace %3 [N·m], coppia di picco %4 [N·m], "
                          "velocità del motore %5 [giri/min])")
        .arg(TestoCifra(p.Rapporto),
             esito.AlLimiteVelocita ? QStringLiteral(", al limite della velocità massima") : QString(),
             TestoCifra(p.CoppiaEfficace), TestoCifra(p.CoppiaPicco), TestoCifra(p.VelocitaMotore));
}
