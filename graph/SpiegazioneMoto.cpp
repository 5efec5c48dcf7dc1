#include "SpiegazioneMoto.h"

#include "NumeriRegionali.h"
#include "Sistemi.h"
#include "VerificaMoto.h"

#include <algorithm>
#include <cfloat>
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
QString Misura(MembroMoto m, double valore, Arrotondamento verso = Arrotondamento::Vicino) {
    const QString unita = QString::fromLatin1(GrandezzaDi(m).Unita);
    return TestoMessaggio(valore, verso) + QLatin1Char(' ') + unita.mid(1, unita.size() - 2);
}

QString Uguale(MembroMoto m, const Velantra& moto) {
    return Nome(m) + QStringLiteral(" = ") + Misura(m, moto.*m);
}

// "S1, T1 e A".
QString Elenco(const QStringList& nomi) {
    return nomi.size() < 2 ? nomi.value(0)
                           : nomi.mid(0, nomi.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
                                 nomi.back();
}

QString Frase(const Violazione& v, const Velantra& moto, MembroMoto riferimento) {
    const QString nome = Nome(v.Grandezza);
    const QString valore = Misura(v.Grandezza, moto.*v.Grandezza);
    switch (v.Tipo) {
    case Difetto::NonDefinito:
    case Difetto::Infinito:
        return QStringLiteral("%1 non si può calcolare con questi valori.").arg(nome);
    case Difetto::Negativo:
        if (!Orientata(v.Grandezza))
            return QStringLiteral("%1 sarebbe negativo (%2): una durata non può essere negativa.")
                .arg(nome, valore);
        return QStringLiteral("%1 sarebbe negativo (%2), di segno opposto a %3.")
            .arg(nome, valore, Nome(riferimento));
    case Difetto::Positivo:
        return QStringLiteral("%1 sarebbe positivo (%2), di segno opposto a %3.")
            .arg(nome, valore, Nome(riferimento));
    case Difetto::Nullo:
        break;
    }
    if (v.Grandezza == &Velantra::T1)
        return QStringLiteral("T1 sarebbe zero: l'accelerazione sarebbe infinita.");
    return QStringLiteral("%1 sarebbe zero: il pezzo non si muoverebbe.").arg(nome);
}

// One end of a range: a value that, typed, calculates (see MostraEstremo).
QString Estremo(const Intervallo& i, bool minimo, Risolutore risolutore, const Velantra& dati) {
    const EstremoMostrato e = MostraEstremo(i, minimo, risolutore, dati, SeparatoreDecimale());
    const QString parola = minimo
                               ? (e.Incluso ? QStringLiteral("almeno ") : QStringLiteral("maggiore di "))
                               : (e.Incluso ? QStringLiteral("al massimo ") : QStringLiteral("minore di "));
    const QString unita = QString::fromLatin1(GrandezzaDi(i.Grandezza).Unita);
    return parola + QString::fromStdString(e.Testo) + QLatin1Char(' ') + unita.mid(1, unita.size() - 2);
}

// "maggiore di 0 m e al massimo 5 m", "almeno 2 m/sec^2", "diverso da 0 m".
// The range of one of the first two inputs has no solver: the ends only keep to it.
QString Condizione(const Intervallo& i, Risolutore risolutore = nullptr, const Velantra& dati = {}) {
    if (i.DiversoDaZero)
        return QStringLiteral("diverso da ") + Misura(i.Grandezza, 0);
    QStringList parti;
    if (!std::isinf(i.Minimo))
        parti << Estremo(i, true, risolutore, dati);
    if (!std::isinf(i.Massimo))
        parti << Estremo(i, false, risolutore, dati);
    return parti.join(QStringLiteral(" e "));
}

// Two significant digits, for the limits of the doubles.
QString Circa(double valore) {
    return QString::fromStdString(TestoCifre(valore, 2, SeparatoreDecimale(), Arrotondamento::Vicino));
}

std::array<MembroMoto, 3> Ingressi(const Sistema& terna) {
    std::array<MembroMoto, 3> ingressi{};
    std::transform(terna.Indici.begin(), terna.Indici.end(), ingressi.begin(),
                   [](int i) { return Grandezze[i].Membro; });
    return ingressi;
}

} // namespace

QStringList SpiegazioneMoto(int16_t sistema, const Velantra& moto) {
    const Sistema& terna = Sistemi[static_cast<size_t>(sistema)];
    const std::array<MembroMoto, 3> ingressi = Ingressi(terna);
    const auto calcolata = [&](const Violazione& v) {
        return std::find(ingressi.begin(), ingressi.end(), v.Grandezza) == ingressi.end();
    };
    Velantra risolto; // the values the sentences quote: those of this very solve
    const std::vector<Violazione> violazioni = VerificaSoluzione(terna.Risolutore, moto, &risolto);
    const Ammissibili ammessi = IntervalloAmmesso(terna.Risolutore, moto);
    QStringList frasi;
    if (ammessi.Esiste) { // the inputs admit a motion: the doubles are what fails
        QStringList nomi;
        for (const Violazione& v : violazioni)
            if (calcolata(v))
                nomi << Nome(v.Grandezza);
        nomi.removeDuplicates();
        frasi << QStringLiteral("Con questi valori il moto esiste, ma il programma non riesce a calcolare %1 "
                                "con i suoi numeri (doppia precisione, in valore assoluto da circa %2 a %3).")
                     .arg(nomi.isEmpty() ? QStringLiteral("il moto") : Elenco(nomi), Circa(DBL_MIN),
                          Circa(DBL_MAX));
        return frasi;
    }
    // The typed values are judged by the ranges below, in the user's terms.
    for (const Violazione& v : violazioni)
        if (calcolata(v))
            frasi << Frase(v, risolto, ingressi[0]);

    const QString primo = Uguale(ingressi[0], moto);
    for (const Intervallo& dato : ammessi.Dati)
        if (Orientata(dato.Grandezza) && !dato.DiversoDaZero) // the sign of the first: the direction
            frasi << QStringLiteral("Con %1, %2 deve essere %3.")
                         .arg(primo, Nome(dato.Grandezza), Condizione(dato));
        else
            frasi << QStringLiteral("Con %1 nessun moto è possibile: %2 deve essere %3.")
                         .arg(Uguale(dato.Grandezza, moto), Nome(dato.Grandezza), Condizione(dato));
    if (!ammessi.Dati.empty())
        return frasi;
    const QString dati = primo + QStringLiteral(" e ") + Uguale(ingressi[1], moto);
    if (ammessi.Ultimo)
        frasi << QStringLiteral("Con %1, %2 deve essere %3.")
                     .arg(dati, Nome(ingressi[2]), Condizione(*ammessi.Ultimo, terna.Risolutore, moto));
    else
        frasi << QStringLiteral("Con %1 nessun valore di %2 dà un moto possibile.")
                     .arg(dati, Nome(ingressi[2]));
    // The peak rounded toward 0: a speed that the stroke does reach.
    if (const auto picco = VelocitaTriangolare(terna.Risolutore, moto))
        frasi << QStringLiteral(
                     "Con %1 su %2 la velocità più alta raggiungibile è %3: profilo triangolare (T2 = 0).")
                     .arg(Uguale(ingressi[2], moto), Uguale(&Velantra::Stot, moto),
                          Misura(&Velantra::Vm, *picco, Arrotondamento::VersoZero));
    return frasi;
}

QString MessaggioMoto(int16_t sistema, const Velantra& moto) {
    if (!moto.CalcoloOk)
        return QString::fromUtf8(MessaggioErroreCalcolo);
    const Sistema& terna = Sistemi[static_cast<size_t>(sistema)];
    return IntervalloAmmesso(terna.Risolutore, moto).Esiste ? MessaggioMotoNonCalcolabile
                                                            : MessaggioMotoImpossibile;
}
