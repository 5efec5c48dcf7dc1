#include "Banco.h"
#include "Collaudo.h"
#include "frmGrafico.h"

#include <QPageLayout>
#include <QProcess>

namespace {
QString Esegui(const char* programma, const QStringList& argomenti) { // from poppler-utils
    QProcess processo;
    processo.start(QLatin1String(programma), argomenti);
    processo.waitForFinished();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

// Presses the command with the print dialog accepted on a PDF printer (A4, margins in millimetres);
// the PDF file.
QString Stampa(Banco& banco, double margine, const char* comando = "Print") {
    const QString pdf = banco.Percorso(QStringLiteral("stampa.pdf"));
    banco.dialoghi.preparaStampante = [=](QPrinter& stampante) {
        stampante.setOutputFileName(pdf);
        stampante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(margine, margine, margine, margine),
                                            QPageLayout::Millimeter));
    };
    banco.Premi(comando);
    return pdf;
}

} // namespace

class TstStampa : public QObject {
    Q_OBJECT
private slots:
    // The window printed, the system, the eight values, and the page's lines ("|") from its first
    // printed one, each at its column from the sheet's left edge: the header centred on the third line
    // of the page, the rest 12 hundredths of the printable width in. One page.
    void paginaDiTesto_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("pagina");
        QTest::newRow("risultati arrotondati")
            << "Tabella" << 0 << QList<double>{1.0 / 3, 2.5, -0.125, 2.0 / 3, 1e-6, 123456.75, 1e20, 0.000016}
            << "31 Officina Rossi S.p.A.||||16 Valori dei parametri calcolati:||18 S1: 0,33333  [m]|"
               "18 S2: 2,5  [m]|16 Stot: -0,125  [m]|18 T1: 0,66667  [sec]|18 T2: 0  [sec]|"
               "16 Ttot: 123456,75  [sec]|18 Vm: 1E+20  [m/sec]|17 Acc: 2E-05  [m/sec^2]";
        QTest::newRow("terna Stot, T2, Vm")
            << "SceltaSistema" << 10 << QList<double>{0, 0, 12.5, 0, 1.0 / 3, 0, 2, 0}
            << "39 Prove||||16 Terna di valori di input:||16 Stot: 12,5  [m]|16 T2: 0,33333  [sec]|"
               "18 Vm: 2  [m/sec]";
        QTest::newRow("nessuna terna, intestazione più larga della pagina")
            << "SceltaSistema" << -1 << QList<double>(8, 1)
            << "8 Officina Meccanica Rossi e Figli S.p.A., reparto di progettazione assi||||"
               "16 Terna di valori di input:";
    }
    void paginaDiTesto() {
        QFETCH(QString, finestra);
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, pagina);
        Banco banco;
        banco.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        banco.programma.IntestazioneUtente = pagina.section('|', 0, 0).section(' ', 1);
        banco.Assegna(valori);
        banco.finestra->AbilitaComandi(3);
        banco.Premi(qPrintable(finestra));
        const QString pdf = Stampa(banco, 20);
        QCOMPARE(banco.Chiamate(), QStringLiteral("Stampa Stampa"));
        // Each line as its first column, counted in characters of Courier 12 (7.2 points), and its text.
        QStringList righe = Esegui("pdftotext", {"-layout", "-fixed", "7.2", pdf, "-"}).split('\n');
        for (QString& riga : righe)
            if (!riga.trimmed().isEmpty())
                riga = QStringLiteral("%1 %2").arg(riga.size() - riga.trimmed().size()).arg(riga.trimmed());
        QCOMPARE(righe.join('|'), pagina + "|\f");
    }

    // The graph page with the details on: the plot, the speed strip on its left, the time strip below
    // it, the axis names, the position and acceleration with their axes, names and phase marks.
    void grafico() {
        Banco banco;
        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"))
            ->Pulsante(QStringLiteral("AggiungiParticolari"))
            ->trigger();
        const QString pdf = Stampa(banco, 5);
        Esegui("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, pdf});
        const QString diverso =
            ConfrontaImmagine(QImage(pdf + QStringLiteral(".png")), QStringLiteral("stampa_grafico"));
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
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
        const QString pdf = Stampa(banco, 10, "mnuFilePrint");
        QCOMPARE(banco.Chiamate(), finestra.isEmpty() ? QString() : QStringLiteral("Stampa Stampa"));
        QVERIFY(!QFile::exists(pdf));
    }
};
REGISTRA_COLLAUDO(TstStampa);
#include "tst_Stampa.moc"
