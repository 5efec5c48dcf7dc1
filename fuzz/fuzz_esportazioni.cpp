// Any byte string read as a document goes the whole way a script takes it: the calculation (solve,
// motion check, sizing, sampling of the curve) and, for a motion, the exports: the CSV on its default step,
// the table, a picture (PNG, SVG or PDF by the input's length) through the program's file writer into a
// temporary folder, the same bytes ranked as a motor list, and the report (with the laws compared) in both
// forms in memory, under a header of the same bytes. Nothing may
// crash, leak or misbehave, and the CSV must keep its promises: from 0 to the end time, times rising, between
// 501 and 50,000 rows, every value a finite number.
#include "Ambiente.h"
#include "CatalogoMotori.h"
#include "DatiProfilo.h"
#include "Documento.h"
#include "Esportazione.h"
#include "FileSicuri.h"
#include "ImmagineGrafico.h"
#include "LeggeMoto.h"
#include "Relazione.h"
#include "Simulazione.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

void Verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

// The CSV read back: the rows' times and their values.
void VerificaCsv(const Velantra& moto) {
    const LeggeMoto legge(moto);
    const auto passo = PassoPredefinito(legge.Durata());
    if (!passo)
        return;
    const int64_t righe = RigheCsv(legge.Durata(), *passo);
    Verifica(righe >= 501 && righe <= 50'000);
    QByteArray testo;
    QBuffer memoria(&testo);
    memoria.open(QIODevice::WriteOnly);
    Verifica(ScriviCsv(memoria, legge.Durata(), *passo, ColonneMoto(legge), FormaCsv::Standard));
    const QList<QByteArray> linee = testo.split('\n');
    Verifica(linee.size() == righe + 2 && linee.back().isEmpty());
    double ultimo = -1;
    for (qsizetype i = 1; i <= righe; ++i) {
        const QList<QByteArray> campi = linee[i].chopped(1).split(',');
        Verifica(campi.size() == 4);
        double valori[4];
        for (int c = 0; c < 4; ++c) {
            const auto [fine, errore] = std::from_chars(campi[c].begin(), campi[c].end(), valori[c]);
            Verifica(errore == std::errc() && fine == campi[c].end() && std::isfinite(valori[c]));
        }
        Verifica(valori[0] > ultimo);
        ultimo = valori[0];
    }
    Verifica(ultimo == legge.Durata());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char nome[] = "fuzz_esportazioni";
    static char* argv[] = {nome, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparaAmbiente(false);
    PreparaScritture();
    new QApplication(argc, argv); // for the whole run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const EsitoLettura letto =
        LeggiDocumento(std::string_view(reinterpret_cast<const char*>(dati), dimensione));
    if (!letto.dati)
        return 0;
    Simulazione simulazione;
    simulazione.Carica(std::move(*letto.dati), {}, {});
    if (!simulazione.Calcola().Riuscito())
        return 0;
    VerificaCsv(simulazione.Moto());
    Verifica(TestoTabella(simulazione.Moto()).count(QLatin1String("\r\n")) == 8);
    static const QTemporaryDir cartella; // removed when the run ends
    const char* estensione = std::array{"png", "svg", "pdf"}[dimensione % 3];
    const QString file = cartella.filePath(QStringLiteral("grafico.") + QLatin1String(estensione));
    ScriviImmagineGrafico(file, *FormatoImmagineDi(file), simulazione);

    // The same bytes as a motor list, ranked on the axis; the report with the laws compared too.
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    // (A motor list of a few kinds of motor, for the axes that the bytes make.)
    static const EsitoCatalogo motori = LeggiCatalogo("nome,coppia_nominale,coppia_massima,velocita_massima,"
                                                      "inerzia\nA,0.32,0.96,6000,1e-4\nB,1e-300,1e300,1,0\n"
                                                      "C,1e308,1e308,1e308,1e308\n");
    for (const EsitoCatalogo& catalogo : {LeggiCatalogo(testo), motori})
        if (catalogo.Letto && simulazione.Asse())
            if (const EsitoClassifica c =
                    ClassificaMotori(*catalogo.Letto, simulazione.Moto(), *simulazione.Asse());
                c.Fatta)
                Verifica(TestoClassifica(*c.Fatta).ends_with('\n'));
    simulazione.SegnaLeggiMostrate();
    const QString intestazione =
        QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(dimensione));
    const Relazione relazione(simulazione, intestazione);
    Verifica(relazione.Testo().contains(QLatin1String("\r\nValori dei parametri calcolati:\r\n")));
    QByteArray pdf;
    QBuffer pagine(&pdf);
    pagine.open(QIODevice::WriteOnly);
    Verifica(relazione.ScriviPdf(pagine) && pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));
    return 0;
}
