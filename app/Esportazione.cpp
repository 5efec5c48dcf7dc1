#include "Esportazione.h"

#include "Documenti.h"
#include "FileSicuri.h"
#include "FinestreFiglie.h"
#include "NumeriRegionali.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"
#include "frmGrafico.h"
#include "frmMain.h"

#include <QIODevice>
#include <QImage>

QString TestoTabella(const Velantra& Moto) {
    QString testo;
    for (size_t i = 0; i < VociTabella.size(); ++i)
        testo += QLatin1String(VociTabella[i].Etichetta) + TestoValore(Moto.*Grandezze[i].Membro) +
                 QLatin1Char(' ') + QLatin1String(Grandezze[i].Unita) + QLatin1String("\r\n");
    return testo;
}

void Esportazione::mnuFileEsporta() {
    SalvaConNome(principale, FiltriTabella,
                 [this](const QString& percorso) { return EsportaTabella(percorso); });
}

void Esportazione::mnuFileEsportaGrafico() {
    SalvaConNome(principale, FiltriGrafico,
                 [this](const QString& percorso) { return EsportaGrafico(percorso); });
}

bool Esportazione::EsportaTabella(const QString& percorso) {
    return EsitoScrittura(principale, percorso, ScriviFile(percorso, TestoTabella(Moto).toLatin1()));
}

bool Esportazione::EsportaGrafico(const QString& percorso) {
    FinestreFiglie& figlie = principale.Figlie();
    auto* aperta = qobject_cast<frmGrafico*>(figlie.Finestra(QStringLiteral("frmGrafico")));
    frmGrafico& grafico = aperta ? *aperta : figlie.ApriGrafico();
    // Opaque: a bitmap with an alpha channel is not one that every viewer reads.
    const QImage immagine = grafico.Picture1().Immagine().convertToFormat(QImage::Format_RGB32);
    return EsitoScrittura(principale, percorso,
                          ScriviFile(percorso, [&](QIODevice& file) { return immagine.save(&file, "BMP"); }));
}
