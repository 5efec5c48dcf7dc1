#include "Aiuti.h"
#include "Impaginazione.h"
#include "Relazione.h"

class TstRelazione : public QObject {
    Q_OBJECT
private slots:
    // Parts placed down pages 267 mm tall, 5 mm apart: each part's page, top and foot in mm.
    void flusso_data() {
        QTest::addColumn<QStringList>("parti"); // heights, "elastica" before a stretching part's least
        QTest::addColumn<QString>("posti");
        QTest::newRow("una pagina: la parte elastica prende il resto")
            << QStringList{"20", "60", "elastica 80", "30"} << "1: 0-20, 1: 25-85, 1: 90-232, 1: 237-267";
        QTest::newRow("elastica che non entra: sulla seconda, con tutto il resto")
            << QStringList{"200", "elastica 80", "30"} << "1: 0-200, 2: 0-232, 2: 237-267";
        QTest::newRow("resto sotto il millimetro")
            << QStringList{"20", "elastica 241.2"} << "1: 0-20, 1: 25-267";
        QTest::newRow("elastica per prima") << QStringList{"elastica 80", "30"} << "1: 0-232, 1: 237-267";
        QTest::newRow("più alta di una pagina: una pagina sua")
            << QStringList{"20", "300", "20"} << "1: 0-20, 2: 0-300, 3: 0-20";
    }
    void flusso() {
        QFETCH(QStringList, parti);
        Impaginazione flusso(QRectF(0, 0, 180, 267), 5);
        for (const QString& parte : parti)
            flusso.Aggiungi({parte.section(' ', -1).toDouble(), parte.startsWith("elastica"), {}});
        QStringList posti;
        for (const Impaginazione::Posto& p : flusso.Posti())
            posti << QStringLiteral("%1: %2-%3")
                         .arg(p.pagina + 1)
                         .arg(qRound(p.y))
                         .arg(qRound(p.y + p.altezza));
        QTEST(posti.join(", "), "posti");
    }

    // A calculated document's report under a header: texts read in the PDF (one A4 page) and in the text
    // form; on the page every word inside the 15 mm margins and clear of every other, the graph's plot
    // (its longest black line) at least so many millimetres tall.
    void pagina_data() {
        QTest::addColumn<QByteArray>("documento");
        QTest::addColumn<QString>("nome"); // the file it was read from; none: not saved yet
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<int>("grafico");
        QTest::addColumn<bool>("leggi"); // the laws compared were looked at
        QTest::addColumn<int>("pagine");
        QTest::newRow("senza asse: il grafico fino in fondo")
            << QByteArray("0,.25,0,2,0,0,5,0,0") << "/tmp/esempio.vla"
            << QStringList{"Officina Rossi S.p.A. esempio.vla 14 novembre 2023 Terna"} << 170 << false << 1;
        QTest::newRow("valori piccoli: sei cifre")
            << QByteArray("2,0,0,.0001,.001,0,.005,0,0") << QString()
            << QStringList{"Simulazione senza nome", "1,25E-05", "7,5E-05"} << 170 << false << 1;
        QTest::newRow("cinghia: la trasmissione nella sua colonna")
            << QByteArray("2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\n"
                          "massa=50,trasmissione=cinghia,diametro=0.05,inerzia_motore=1e-4")
            << "cinghia.vla" << QStringList{"cremagliera", "Dimensionamento asse:"} << 130 << false << 1;
        QTest::newRow("vite, motore e leggi: su due pagine")
            << QByteArray("2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\n"
                          "massa=50,passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                          "inerzia_trasmissione=2e-5,sosta=0.5,coppia_nominale=0.32,coppia_massima=0.96,"
                          "velocita_massima=6000")
            << "vite.vla" << QStringList{"Potenza di frenatura", "161,279",
                                         "Rapporto ottimale",    "1,0377",
                                         "Motore adatto",        "Leggi di moto a confronto:",
                                         "Cicloidale",           "Jerk limitato"}
            << 80 << true << 2;
    }
    void pagina() {
        QFETCH(QByteArray, documento);
        QFETCH(QString, nome);
        Simulazione simulazione;
        EsitoLettura dati = LeggiDocumento(documento.toStdString());
        QVERIFY(dati.dati);
        simulazione.Carica(std::move(*dati.dati), nome, {});
        QVERIFY(simulazione.Calcola().Riuscito());
        QFETCH(bool, leggi);
        if (leggi)
            simulazione.SegnaLeggiMostrate();
        const QString intestazione = QStringLiteral("Officina\x01Rossi\nS.p.A."); // a control, a line break
        const Relazione relazione(simulazione, intestazione);
        const QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("relazione.pdf"));
        QVERIFY(!relazione.Scrivi(file, FormatoRelazione::Pdf));
        const QString letto = Esegui("pdftotext", {file, "-"});
        QTEST(int(letto.count('\f')), "pagine");
        QVERIFY(!letto.contains("Forza nominale")); // nor a linear motor's data in any of these
        QFETCH(QStringList, testi);
        for (const QString& testo : testi)
            QVERIFY2(letto.simplified().contains(testo) && relazione.Testo().simplified().contains(testo),
                     qPrintable(testo));

        constexpr double Margine = 15 * 72 / 25.4 - 0.5; // points, less a rounding
        const QRectF pagina(Margine, Margine, 595 - 2 * Margine, 842 - 2 * Margine);
        const QRegularExpression parola(R"re(xMin="(.+)" yMin="(.+)" xMax="(.+)" yMax="(.+)">(.*)</word>)re");
        QList<std::pair<QRectF, QString>> parole; // of the page
        for (const QString& foglio : Esegui("pdftotext", {"-bbox", file, "-"}).split("<page ")) {
            parole.clear();
            for (const QRegularExpressionMatch& p : parola.globalMatch(foglio)) {
                const QRectF posto(QPointF(p.captured(1).toDouble(), p.captured(2).toDouble()),
                                   QPointF(p.captured(3).toDouble(), p.captured(4).toDouble()));
                QVERIFY2(pagina.contains(posto), qPrintable(p.captured(5)));
                for (const auto& [altro, testo] : parole)
                    QVERIFY2(altro.intersected(posto).width() < 0.5 ||
                                 altro.intersected(posto).height() < 0.5,
                             qPrintable(testo + " / " + p.captured(5)));
                parole.append({posto, p.captured(5)});
            }
        }

        Esegui("pdftoppm", {"-r", "50", "-gray", "-singlefile", file, file});
        const QImage pixel(file + ".pgm");
        int linea = 0; // pixels
        for (int x = 0; x < pixel.width(); ++x)
            for (int y = 0, corsa = 0; y < pixel.height(); ++y) {
                corsa = qGray(pixel.pixel(x, y)) < 128 ? corsa + 1 : 0;
                linea = std::max(linea, corsa);
            }
        QFETCH(int, grafico);
        QVERIFY2(linea * 25.4 / 50 >= grafico, qPrintable(QString::number(linea * 25.4 / 50)));
    }
};
REGISTRA_COLLAUDO(TstRelazione);
#include "tst_Relazione.moc"
