#include "Banco.h"
#include "Collaudo.h"
#include "SuperficieDisegno.h"
#include "frmGrafico.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

namespace {
constexpr double PuntiPerMm = 72 / 25.4;

// A one-page PDF read back with poppler-utils: its words with their boxes in points from the page's
// top left, and the page drawn at 72 dots per inch. Nothing when it has no page or more than one.
struct Pdf {
    QList<std::pair<QRectF, QString>> parole;
    QImage pagina;

    explicit Pdf(const QString& file) {
        const auto esegui = [](const char* programma, const QStringList& argomenti) {
            QProcess processo;
            processo.start(QLatin1String(programma), argomenti); // from poppler-utils
            processo.waitForFinished();
            return QString::fromUtf8(processo.readAllStandardOutput());
        };
        const QString testo = esegui("pdftotext", {"-bbox", file, "-"});
        if (testo.count(QStringLiteral("<page ")) != 1)
            return;
        static const QRegularExpression parola(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        for (const QRegularExpressionMatch& m : parola.globalMatch(testo))
            parole.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                           m.captured(5)});
        esegui("pdftoppm", {"-r", "72", "-png", "-singlefile", file, file});
        pagina.load(file + QStringLiteral(".png"));
    }
};

// Presses the command with the print dialog accepted on a PDF printer (A4, margins in millimetres),
// and reads the PDF back.
Pdf Stampa(Banco& banco, double margine, const char* comando = "Print") {
    const QString pdf = banco.Percorso(QStringLiteral("stampa.pdf"));
    banco.dialoghi.preparaStampante = [=](QPrinter& stampante) {
        stampante.setOutputFileName(pdf);
        stampante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(margine, margine, margine, margine),
                                            QPageLayout::Millimeter));
    };
    banco.Premi(comando);
    return Pdf(pdf);
}

// A text page as the reader sees it: its lines from the top of the printable area, each word at its
// character column counted from the text column (12 hundredths of the printable width).
QStringList Righe(const Pdf& pdf, double margineMm) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF courier(QFont(QStringLiteral("Courier"), 12), &stampante);
    const double riga = courier.height() * 72 / stampante.logicalDpiY();
    const double carattere = courier.horizontalAdvance('M') * 72 / stampante.logicalDpiX();
    const double margine = margineMm * PuntiPerMm;
    const double colonna = margine + 0.12 * (QPageSize(QPageSize::A4).sizePoints().width() - 2 * margine);
    QStringList righe;
    for (const auto& [riquadro, parola] : pdf.parole) {
        const auto n = static_cast<int>(std::lround((riquadro.top() - margine) / riga));
        const auto c = static_cast<int>(std::lround((riquadro.left() - colonna) / carattere));
        while (righe.size() <= n)
            righe << QString();
        // Words left of the column (a wide header) are kept one blank apart; "<" marks one printed
        // left of the printable area.
        righe[n] = righe[n].leftJustified(std::max(c, righe[n].isEmpty() ? 0 : int(righe[n].size()) + 1)) +
                   (riquadro.left() < margine - 1 ? "<" : "") + parola;
    }
    return righe;
}

// Outlines a drawing surface along its edges in a colour, so that its printed rectangle shows.
void Contorna(SuperficieDisegno& superficie, const QColor& colore) {
    const QPointF a = superficie.InUtente(QPointF(1, 1));
    const QPointF b = superficie.InUtente(QPointF(superficie.width() - 2, superficie.height() - 2));
    superficie.ImpostaColore(colore);
    superficie.ImpostaSpessore(3);
    superficie.Rettangolo(a.x(), a.y(), b.x(), b.y());
    superficie.RendiPersistente();
}

// The box of the pixels near a colour, in millimetres from the page's corner.
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
    return QRectF(QPointF(trovato.topLeft()) / PuntiPerMm, QSizeF(trovato.size()) / PuntiPerMm);
}
} // namespace

class TstStampa : public QObject {
    Q_OBJECT
private slots:
    // The window printed, the system, the eight values, and the page's lines ("|"), the header on the
    // third.
    void paginaDiTesto_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("pagina");
        QTest::newRow("risultati arrotondati")
            << "Tabella" << 0 << QList<double>{1.0 / 3, 2.5, -0.125, 2.0 / 3, 1e-6, 123456.75, 1e20, 0.000016}
            << "||               Officina Rossi S.p.A.||||Valori dei parametri calcolati:||"
               "  S1: 0,33333  [m]|  S2: 2,5  [m]|Stot: -0,125  [m]|  T1: 0,66667  [sec]|  T2: 0  [sec]|"
               "Ttot: 123456,75  [sec]|  Vm: 1E+20  [m/sec]| Acc: 2E-05  [m/sec^2]";
        QTest::newRow("terna Stot, T2, Vm")
            << "SceltaSistema" << 10 << QList<double>{0, 0, 12.5, 0, 1.0 / 3, 0, 2, 0}
            << "||                       Prove||||Terna di valori di input:||"
               "Stot: 12,5  [m]|T2: 0,33333  [sec]|  Vm: 2  [m/sec]";
        QTest::newRow("nessuna terna, intestazione più larga della pagina")
            << "SceltaSistema" << -1 << QList<double>(8, 1)
            << "||Officina Meccanica Rossi e Figli S.p.A., reparto di progettazione assi||||"
               "Terna di valori di input:";
    }
    void paginaDiTesto() {
        QFETCH(QString, finestra);
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, pagina);
        Banco banco;
        banco.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        banco.programma.IntestazioneUtente = pagina.section('|', 2, 2).trimmed();
        banco.Assegna(valori);
        banco.finestra->AbilitaComandi(3);
        banco.Premi(qPrintable(finestra));
        const Pdf pdf = Stampa(banco, 20);
        QCOMPARE(banco.Chiamate(), QStringLiteral("Stampa Stampa"));
        QCOMPARE(Righe(pdf, 20).join('|'), pagina);
    }

    // The plot, the speed strip on its left and the time strip below it at their rectangles in
    // millimetres, each within a pixel at 72 dpi plus the line width; the axis names beside them.
    void grafico() {
        Banco banco;
        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        auto* grafico = qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"));
        QVERIFY(grafico);
        Contorna(grafico->Picture1(), Qt::red);
        Contorna(grafico->PictValY(), Qt::green);
        Contorna(grafico->PictValX(), Qt::blue);
        const double margine = 5;
        const Pdf pdf = Stampa(banco, margine);
        const double mmPerPixel = 25.4 / 96; // the strips keep their own size
        const QRectF valoriY(5, 10, grafico->PictValY().width() * mmPerPixel, 120);
        const QRectF valoriX(15, 127, 180, grafico->PictValX().height() * mmPerPixel);
        // Printed after the plot, the strips cover its left and bottom edges.
        const QRectF plot(QPointF(valoriY.right(), 10), QPointF(195, valoriX.top()));
        const std::pair<QColor, QRectF> immagini[] = {
            {Qt::red, plot}, {Qt::green, valoriY}, {Qt::blue, valoriX}};
        for (const auto& [colore, atteso] : immagini) {
            const QRectF trovato = Riquadro(pdf.pagina, colore).translated(-margine, -margine);
            QVERIFY2((trovato.topLeft() - atteso.topLeft()).manhattanLength() < 2 &&
                         (trovato.bottomRight() - atteso.bottomRight()).manhattanLength() < 2,
                     qPrintable(QDebug::toString(trovato) + QDebug::toString(atteso)));
        }
        QStringList assi;
        for (const auto& [riquadro, parola] : pdf.parole)
            if (parola == QLatin1String("V(t)") || parola == QLatin1String("t"))
                assi << QStringLiteral("%1 %2 %3")
                            .arg(parola)
                            .arg(qRound(riquadro.left() / PuntiPerMm - margine))
                            .arg(qRound(riquadro.top() / PuntiPerMm - margine));
        QCOMPARE(assi, (QStringList{"V(t) 10 5", "t 190 120"}));
    }

    // No page: nothing active, the dialog cancelled, a window that has no print-out.
    void nienteStampato_data() {
        QTest::addColumn<QString>("finestra"); // the active child
        QTest::addColumn<bool>("accettata");
        QTest::newRow("nessuna finestra") << "" << true;
        QTest::newRow("stampa annullata") << "FrmRisultati" << false;
        QTest::newRow("finestra sconosciuta") << "Prova" << true;
    }
    void nienteStampato() {
        QFETCH(QString, finestra);
        QFETCH(bool, accettata);
        Banco banco;
        banco.finestra->AbilitaComandi(3);
        if (finestra == QLatin1String("FrmRisultati"))
            banco.Premi("Tabella");
        else if (!finestra.isEmpty())
            banco.Figlia(finestra);
        banco.dialoghi.stampe = {accettata};
        const Pdf pdf = Stampa(banco, 10, "mnuFilePrint");
        QCOMPARE(banco.Chiamate(), finestra.isEmpty() ? QString() : QStringLiteral("Stampa Stampa"));
        QVERIFY(pdf.pagina.isNull());
    }
};
REGISTRA_COLLAUDO(TstStampa);
#include "tst_Stampa.moc"
