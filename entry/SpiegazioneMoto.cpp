#include "SpiegazioneMoto.h"

#include "NumeriRegionali.h"
#include "Sistemi.h"
#include "VerificaMoto.h"

#include <algorithm>
#include <cmath>

namespace {

const Grandezza& GrandezzaDi(MembroMoto m) {
    return *std::find_if(Grandezze.begin(), Grandezze.end(),
                         [m](const Grandezza& g) { return g.Membro == m; });
}

QString Nome(MembroMoto m) {
    return QString::fromLatin1(GrandezzaDi(m).Nome);
}

// "10 m": the unit without the brackets of the tables.
QString Misura(MembroMoto m, double valore) {
    const QString unita = QString::fromLatin1(GrandezzaDi(m).Unita);
    return TestoValore(valore) + QLatin1Char(' ') + unita.mid(1, unita.size() - 2);
}

QString Uguale(MembroMoto m, const Velantra& moto) {
    return Nome(m) + QStringLiteral(" = ") + Misura(m, moto.*m);
}

// What the quantity measures, for "... non può essere negativa".
QString Specie(MembroMoto m) {
    if (m == &Velantra::Acc)
        return QStringLiteral("un'accelerazione");
    if (m == &Velantra::Vm)
        return QStringLiteral("una velocità");
    if (m == &Velantra::T1 || m == &Velantra::T2 || m == &Velantra::Ttot)
        return QStringLiteral("una durata");
    return QStringLiteral("una distanza");
}

QString Frase(const Violazione& v, const Velantra& moto) {
    const QString nome = Nome(v.Grandezza);
    switch (v.Tipo) {
    case Difetto::NonDefinito:
        return QStringLiteral("%1 non si può calcolare: il risultato non è definito.").arg(nome);
    case Difetto::Infinito:
        return QStringLiteral("%1 non si può calcolare: il risultato sarebbe infinito.").arg(nome);
    case Difetto::Negativo:
        return QStringLiteral("%1 sarebbe negativo (%2): %3 non può essere negativa.")
            .arg(nome, Misura(v.Grandezza, moto.*v.Grandezza), Specie(v.Grandezza));
    case Difetto::Nullo:
        break;
    }
    return QStringLiteral("%1 sarebbe zero: il pezzo non si muoverebbe.").arg(nome);
}

// "maggiore di 0 m e al massimo 5 m", "almeno 2 m/sec^2".
QString Condizione(const Intervallo& i) {
    QString testo = (i.MinimoIncluso ? QStringLiteral("almeno ") : QStringLiteral("maggiore di ")) +
                    Misura(i.Grandezza, i.Minimo);
    if (!std::isinf(i.Massimo))
        testo += (i.MassimoIncluso ? QStringLiteral(" e al massimo ") : QStringLiteral(" e minore di ")) +
                 Misura(i.Grandezza, i.Massimo);
    return testo;
}

} // namespace

QStringList SpiegazioneMoto(int16_t sistema, const Velantra& moto) {
    const Sistema& terna = Sistemi[static_cast<size_t>(sistema)];
    std::array<MembroMoto, 3> ingressi{};
    std::transform(terna.Indici.begin(), terna.Indici.end(), ingressi.begin(),
                   [](int i) { return Grandezze[i].Membro; });
    QStringList frasi;
    // The typed values are judged by the range below, in the user's terms.
    for (const Violazione& v : VerificaSoluzione(terna.Risolutore, moto))
        if (std::find(ingressi.begin(), ingressi.end(), v.Grandezza) == ingressi.end())
            frasi << Frase(v, moto);

    const Ammissibili ammessi = IntervalloAmmesso(terna.Risolutore, moto);
    for (const Intervallo& dato : ammessi.Dati)
        frasi << QStringLiteral("Con %1 nessun moto è possibile: %2 deve essere %3.")
                     .arg(Uguale(dato.Grandezza, moto), Nome(dato.Grandezza), Condizione(dato));
    if (!ammessi.Dati.empty())
        return frasi;
    const QString dati = Uguale(ingressi[0], moto) + QStringLiteral(" e ") + Uguale(ingressi[1], moto);
    if (ammessi.Ultimo)
        frasi << QStringLiteral("Con %1, %2 deve essere %3.")
                     .arg(dati, Nome(ingressi[2]), Condizione(*ammessi.Ultimo));
    else
        frasi << QStringLiteral("Con %1 nessun valore di %2 dà un moto possibile.")
                     .arg(dati, Nome(ingressi[2]));
    return frasi;
}
