#include "Esportazione.h"

#include "DettagliAsse.h"
#include "NumeriRegionali.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"

#include <algorithm>
#include <iterator>

QString TitoloDati(const PassoCsv& passo) {
    QString testo = QString::fromStdString(passo.Testo());
    testo.replace(QLatin1Char('.'), QLatin1Char(SeparatoreDecimale()));
    return QStringLiteral("%1: una riga ogni %2 s").arg(TitoloEsportaDati, testo);
}

QString TestoTabella(const Velantra& Moto) {
    QString testo;
    for (size_t i = 0; i < VociTabella.size(); ++i)
        testo += QLatin1String(VociTabella[i].Etichetta) + TestoValore(Moto.*Grandezze[i].Membro) +
                 QLatin1Char(' ') + QLatin1String(Grandezze[i].Unita) + QLatin1String("\r\n");
    return testo;
}

std::vector<ColonnaCsv> ColonneSimulazione(const LeggeMoto& legge, const Simulazione& simulazione) {
    std::vector<ColonnaCsv> colonne = ColonneMoto(legge);
    if (const auto& dimensionamento = simulazione.Dimensionato())
        std::ranges::move(ColonneAsse(*dimensionamento), std::back_inserter(colonne));
    return colonne;
}
