#include "BancoDocumenti.h"
#include "Collaudo.h"
#include "SuperficieDisegno.h"
#include "frmGrafico.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>

namespace {
constexpr double PuntiPerMm = 72 / 25.4;

struct Parola {
    QRectF riquadro; // points from the page's top left
    QString testo;
};

QByteArray Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished() || processo.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(programma), processo.readAllStandardError().constData());
    return processo.readAllStandardOutput();
}

// The words of a one-page PDF with their boxes; an empty list when it has no page or more than one.
QList<Parola> Parole(const QString& pdf) {
    const QString testo = QString::fromUtf8(Esegui(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    if (testo.count(QStringLiteral("<page ")) != 1)
        return {};
    static const QRegularExpression parola(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Parola> parole;
    for (const QRegularExpressionMatch& m : parola.globalMatch(testo))
        parole.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                              QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                       m.captured(5)});
    return parole;
}

// The printer of the tests: a PDF file on A4 paper with equal margins.
void ImpostaPdf(QPrinter& stampante, const QString& pdf, double margineMm) {
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(pdf);
    stampante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(margineMm, margineMm, margineMm, margineMm),
                                        QPageLayout::Millimeter));
}

// Presses "Print" with the print dialog accepted on a PDF printer; the path of the PDF.
QString Stampa(BancoDocumenti& banco, double margineMm) {
    const QString pdf = banco.Percorso(QStringLiteral("stampa.pdf"));
    QFile::remove(pdf);
    banco.dialoghi.preparaStampante = [=](QPrinter& stampante) { ImpostaPdf(stampante, pdf, margineMm); };
    banco.Premi("Print");
    return pdf;
}

// A text page as the reader sees it: one entry per printed line from the top of the printable area,
// each word at its character column counted from the text column (12 hundredths of the printable
// width, where the title and the values start).
QStringList Righe(const QList<Parola>& parole, double margineMm) {
    QPrinter pdf(QPrinter::HighResolution);
    ImpostaPdf(pdf, QString(), margineMm);
    const QFont courier(QStringLiteral("Courier"), 12);
    const double riga = QFontMetricsF(courier, &pdf).height() * 72 / pdf.logicalDpiY();
    const double carattere = QFontMetricsF(courier, &pdf).horizontalAdvance('M') * 72 / pdf.logicalDpiX();
    const double margine = margineMm * PuntiPerMm;
    const double colonna = margine + 0.12 * (QPageSize(QPageSize::A4).sizePoints().width() - 2 * margine);
    QStringList righe;
    for (const Parola& p : parole) {
        const auto n = static_cast<int>(std::lround((p.riquadro.top() - margine) / riga));
        const auto c = static_cast<int>(std::lround((p.riquadro.left() - colonna) / carattere));
        while (righe.size() <= n)
            righe << QString();
        QString& testo = righe[n];
        // Words left of the column (a header wider than it) are kept one blank apart.
        testo = testo.leftJustified(std::max(c, testo.isEmpty() ? 0 : int(testo.size()) + 1), ' ') + p.testo;
    }
    return righe;
}

// The box of the pixels of one colour on a page rendered at 72 dots per inch, in millimetres.
QRectF Riquadro(const QImage& pagina, QColor colore) {
    QRect trovato;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x) {
            const QColor p = pagina.pixelColor(x, y);
            if (std::abs(p.red() - colore.red()) + std::abs(p.green() - colore.green()) +
                    std::abs(p.blue() - colore.blue()) <
                200)
                trovato |= QRect(x, y, 1, 1);
        }
    return QTransform::fromScale(1 / PuntiPerMm, 1 / PuntiPerMm).mapRect(QRectF(trovato));
}

// Outlines a drawing surface along its edges, so that its printed rectangle shows.
void Contorna(SuperficieDisegno& superficie, const QColor& colore) {
    const QPointF a = superficie.InUtente(QPointF(1, 1));
    const QPointF b = superficie.InUtente(QPointF(superficie.width() - 2, superficie.height() - 2));
    superficie.ImpostaColore(colore);
    superficie.ImpostaSpessore(3);
    superficie.Rettangolo(a.x(), a.y(), b.x(), b.y());
    superficie.RendiPersistente();
}

// Within a pixel at 72 dpi either way, plus the line width.
bool Vicini(const QRectF& a, const QRectF& b) {
    return (a.topLeft() - b.topLeft()).manhattanLength() < 2 &&
           (a.bottomRight() - b.bottomRight()).manhattanLength() < 2;
}
} // namespace

class TstStampa : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QFAIL("the print-outs are read back with poppler-utils (pdftotext, pdftoppm): install them");
    }

    // The window to print, the combination, the eight values in the window order, the header, and
    // the page from its first line, lines separated by "|".
    void paginaDiTesto_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("italiano");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QString>("pagina");
        const QList<double> esempio = {0.5, 1, 2, 1, 1, 3, 1, 1};
        QTest::newRow("risultati")
            << "FrmRisultati" << true << 0 << esempio << "Officina Rossi S.p.A."
            << "||Officina Rossi S.p.A.||||Valori dei parametri calcolati:||  S1: 0,5  [m]|  S2: 1  [m]|"
               "Stot: 2  [m]|  T1: 1  [sec]|  T2: 1  [sec]|Ttot: 3  [sec]|  Vm: 1  [m/sec]|"
               " Acc: 1  [m/sec^2]";
        QTest::newRow("risultati arrotondati, punto decimale")
            << "FrmRisultati" << false << 0
            << QList<double>{1.0 / 3, 2.5, -0.125, 2.0 / 3, 1e-6, 123456.75, 1e20, 0.000016} << "X"
            << "||X||||Valori dei parametri calcolati:||  S1: 0.33333  [m]|  S2: 2.5  [m]|Stot: -0.125  [m]|"
               "  T1: 0.66667  [sec]|  T2: 0  [sec]|Ttot: 123456.75  [sec]|  Vm: 1E+20  [m/sec]|"
               " Acc: 2E-05  [m/sec^2]";
        QTest::newRow("terna Stot, T2, Vm")
            << "frmInserimentoDati" << true << 10 << QList<double>{0, 0, 12.5, 0, 1.0 / 3, 0, 2, 0} << "Prove"
            << "||Prove||||Terna di valori di input:||Stot: 12,5  [m]|T2: 0,33333  [sec]|  Vm: 2  [m/sec]";
        QTest::newRow("terna Stot, Ttot, A")
            << "frmInserimentoDati" << false << 1 << QList<double>{0, 0, 2, 0, 0, 3, 0, 0.5} << "Prove"
            << "||Prove||||Terna di valori di input:||Stot: 2  [m]|Ttot: 3  [sec]|   A: 0.5  [m/sec^2]";
        QTest::newRow("nessuna combinazione, intestazione vuota")
            << "frmInserimentoDati" << true << -1 << esempio << ""
            << "||||||Terna di valori di input:";
        const QString lunga =
            QStringLiteral("Officina Meccanica Rossi e Figli S.p.A., reparto di progettazione assi");
        QTest::newRow("intestazione più larga della pagina")
            << "frmInserimentoDati" << true << 11 << esempio << lunga
            << "||" + lunga + "||||Terna di valori di input:";
    }
    void paginaDiTesto() {
        QFETCH(QString, finestra);
        QFETCH(bool, italiano);
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, intestazione);
        QFETCH(QString, pagina);
        QLocale::setDefault(italiano ? Italiano : Americano);
        BancoDocumenti banco;
        banco.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        banco.programma.IntestazioneUtente = intestazione;
        banco.Assegna(valori);
        banco.finestra->AbilitaComandi(3);
        banco.Premi(finestra == QLatin1String("FrmRisultati") ? "Tabella" : "SceltaSistema");

        const double margine = 20;
        const QString pdf = Stampa(banco, margine);

        QCOMPARE(banco.dialoghi.chiamate.size(), 1);
        QCOMPARE(banco.dialoghi.chiamate[0].tipo, QStringLiteral("Stampa"));
        QCOMPARE(banco.dialoghi.chiamate[0].titolo, QStringLiteral("Stampa"));
        const QList<Parola> parole = Parole(pdf);
        QVERIFY2(!parole.isEmpty(), "no one-page PDF printed");
        QStringList righe = Righe(parole, margine);
        // The header is centred, off the text column: its words are compared apart.
        QCOMPARE(righe.value(2).simplified(), intestazione);
        righe[2] = intestazione;
        QCOMPARE(righe.join('|'), pagina);
        // Centred on the page, but never starting left of the printable area.
        if (!intestazione.isEmpty()) {
            const QRectF testata = parole.first().riquadro.united(parole[intestazione.count(' ')].riquadro);
            const double centrata = QPageSize(QPageSize::A4).sizePoints().width() / 2.0 - testata.width() / 2;
            QCOMPARE(qRound(testata.left()), qRound(std::max(centrata, margine * PuntiPerMm)));
        }
    }

    // The plot, the speed strip on its left and the time strip below it, each outlined in a colour of
    // its own, at their rectangles in millimetres from the printable area's corner; the axis names
    // beside them.
    void grafico() {
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        auto* grafico = qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"));
        QVERIFY(grafico);
        Contorna(grafico->Picture1(), Qt::red);
        Contorna(grafico->PictValY(), Qt::green);
        Contorna(grafico->PictValX(), Qt::blue);
        const double margine = 5;
        const QString pdf = Stampa(banco, margine);

        const QString png = banco.Percorso(QStringLiteral("pagina"));
        Esegui(QStringLiteral("pdftoppm"), {"-r", "72", "-png", "-singlefile", pdf, png});
        const QImage pagina(png + QStringLiteral(".png"));
        QVERIFY(!pagina.isNull());
        const double mmPerPixel = 25.4 / 96; // the strips keep their own size
        const QRectF valoriY(5, 10, grafico->PictValY().width() * mmPerPixel, 120);
        const QRectF valoriX(15, 127, 180, grafico->PictValX().height() * mmPerPixel);
        // Printed after the plot, the strips cover its left and bottom edges.
        const QRectF plot(QPointF(valoriY.right(), 10), QPointF(195, valoriX.top()));
        const std::pair<QColor, QRectF> immagini[] = {
            {Qt::red, plot}, {Qt::green, valoriY}, {Qt::blue, valoriX}};
        for (const auto& [colore, atteso] : immagini) {
            const QRectF trovato = Riquadro(pagina, colore).translated(-margine, -margine);
            QVERIFY2(Vicini(trovato, atteso),
                     qPrintable(QDebug::toString(trovato) + QDebug::toString(atteso)));
        }

        QStringList assi;
        for (const Parola& p : Parole(pdf))
            if (p.testo == QLatin1String("V(t)") || p.testo == QLatin1String("t"))
                assi << QStringLiteral("%1 %2 %3")
                            .arg(p.testo)
                            .arg(qRound(p.riquadro.left() / PuntiPerMm - margine))
                            .arg(qRound(p.riquadro.top() / PuntiPerMm - margine));
        QCOMPARE(assi, (QStringList{"V(t) 10 5", "t 190 120"}));
    }

    // Cases that print nothing, and a printer that fails: no page, no message, the program goes on.
    void nienteStampato_data() {
        QTest::addColumn<QString>("finestra"); // the active child, "" for none
        QTest::addColumn<bool>("accettata");
        QTest::addColumn<QString>("cartellaPdf");
        QTest::addColumn<QString>("dialoghi");
        QTest::newRow("nessuna finestra") << "" << true << "."
                                          << "";
        QTest::newRow("stampa annullata") << "FrmRisultati" << false << "."
                                          << "Stampa";
        QTest::newRow("stampante in errore") << "FrmRisultati" << true << "mancante"
                                             << "Stampa";
        QTest::newRow("finestra sconosciuta") << "Prova" << true << "."
                                              << "Stampa";
    }
    void nienteStampato() {
        QFETCH(QString, finestra);
        QFETCH(bool, accettata);
        QFETCH(QString, cartellaPdf);
        QFETCH(QString, dialoghi);
        BancoDocumenti banco;
        banco.finestra->AbilitaComandi(3);
        if (finestra == QLatin1String("FrmRisultati"))
            banco.Premi("Tabella");
        else if (!finestra.isEmpty()) {
            auto* prova = new QWidget;
            prova->setObjectName(finestra);
            banco.finestra->Figlie().Aggiungi(prova);
            banco.finestra->Figlie().Mostra(prova);
        }
        const QString pdf = banco.Percorso(cartellaPdf + QStringLiteral("/stampa.pdf"));
        banco.dialoghi.stampe = {accettata};
        banco.dialoghi.preparaStampante = [=](QPrinter& stampante) { ImpostaPdf(stampante, pdf, 10); };

        banco.Premi("mnuFilePrint");

        QStringList chiamate;
        for (const DialoghiFinti::Chiamata& c : banco.dialoghi.chiamate)
            chiamate << c.tipo;
        QCOMPARE(chiamate.join(' '), dialoghi);
        QVERIFY(!QFile::exists(pdf));
        QWidget* attiva = banco.finestra->FinestraAttiva();
        QCOMPARE(attiva ? attiva->objectName() : QString(), finestra);
    }
};
REGISTRA_COLLAUDO(TstStampa);
#include "tst_Stampa.moc"
