#include "TestiAsse.h"

#include "NumeriRegionali.h"

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
