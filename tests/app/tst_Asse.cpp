#include "Aiuti.h"
#include "Relazione.h"

namespace {
// The worked example: 0.5 m in 1 s with T1 = 0.25 s, 50 kg on a 10 mm screw.
const QByteArray Moto = "2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\n";
const QByteArray Asse =
    "massa=50,trasmissione=vite,passo=0.01,rapporto=1,rendimento=0.9,attrito=0.01,"
    "inclinazione=0,forza=0,inerzia_motore=1e-04,inerzia_trasmissione=2e-05,sosta=0.5\r\n";

struct BancoAsse : Banco {
    // The example's motion typed and calculated, then the sizing window opened with F8's button.
    QWidget* Apri() {
        simulazione.ImpostaSistema(2);
        Assegna({0, 0, 0.5, 0.25, 0, 1, 0, 0});
        for (const char* comando : {"SceltaSistema", "Calcolo", "Dimensionamento"})
            Premi(comando);
        return Finestra("frmDimensionamento");
    }
    QLineEdit* Campo(const char* chiave) {
        return Finestra("frmDimensionamento")->findChild<QLineEdit*>(chiave);
    }
    void Digita(const char* chiave, const QString& testo) {
        QLineEdit* casella = Campo(chiave);
        casella->setFocus();
        casella->selectAll();
        QTest::keyClicks(casella, testo);
    }
    // What the window shows: its message, then what "Copia" puts on the clipboard.
    QString Visto() {
        const auto* stato = Finestra("frmDimensionamento")->findChild<QLabel*>("lblStato");
        QApplication::clipboard()->clear();
        QTest::mouseClick(Finestra("frmDimensionamento")->findChild<QPushButton*>("cmdCopia"),
                          Qt::LeftButton);
        return (stato->isVisible() ? stato->text() + '\n' : QString()) + QApplication::clipboard()->text();
    }
};

} // namespace

class TstAsse : public QObject {
    Q_OBJECT
private slots:
    // Typed as a person types (a period becomes the comma), recalculated at every change; a value that
    // cannot be taken is said, naming its field, and the sizing data keeps the last good one; a motion no
    // longer calculated is said, "Calcolo" brings the figures back for the new one; a direct drive has
    // forces only.
    void finestra() {
        BancoAsse banco;
        QWidget* finestra = banco.Apri();
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Dimensionamento asse"));
        QCOMPARE(banco.Visto().section('\n', 0, 0), "Manca il valore di «Massa in movimento».");
        // Saved, and said, with the motion alone while no sizing data could be taken.
        const QString percorso = banco.Percorso(QStringLiteral("prova.vla")),
                      salvato = "Il file «" + percorso;
        banco.dialoghi.nomiFile = {percorso};
        banco.Premi("Save");
        QCOMPARE(Leggi(percorso).toStdString(), banco.simulazione.TestoDocumento());
        QCOMPARE(banco.Messaggi().trimmed(),
                 salvato + "» è stato salvato senza i dati del dimensionamento: manca il "
                           "valore di «Massa in movimento».");
        banco.dialoghi.chiamate.clear();
        banco.dialoghi.testi.clear();
        for (const QString voce : {"massa=50", "passo=0.01", "rendimento=0.9", "attrito=0.01",
                                   "inerzia_motore=0.0001", "inerzia_trasmissione=0.00002", "sosta=0.5"})
            banco.Digita(qPrintable(voce.section('=', 0, 0)), voce.section('=', 1));
        QApplication::focusWidget()->clearFocus(); // no blinking cursor in the picture
        CONFRONTA_IMMAGINE(finestra->grab().toImage(), QStringLiteral("dimensionamento"));
        // "Copia": the eleven values of a screw, then force and torque of each phase, the figures and the
        // best ratio, a line each (the figures themselves are the sizing window's tests).
        QCOMPARE(banco.Visto().split('\n').size(), 11 + 8 + 7 + 4 + 1);

        // Said on the window while typing, in a message once Enter is pressed (or the box left), no more.
        banco.Digita("rendimento", QStringLiteral("1,5"));
        const QString rifiuto =
            QStringLiteral("Il valore di «Rendimento» deve essere maggiore di 0 e non superiore a 1.");
        QCOMPARE(finestra->findChild<QLabel*>("lblStato")->text(), rifiuto);
        QCOMPARE(banco.Messaggi(), QString());
        QTest::keyClick(banco.Campo("rendimento"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), banco.Campo("rendimento"));
        QCOMPARE(banco.Visto().count(u'\t'), 2 * 11); // the data only, no figure
        QCOMPARE(banco.dialoghi.Messaggi(), QStringList{rifiuto});
        QCOMPARE(banco.simulazione.Asse()->Rendimento, 0.9);
        // Nor saved in its place: the document and the report keep the last good data, each saying once
        // which value was left out; the document reads back as it was.
        const auto salvata = banco.simulazione.TestoDocumento();
        const QString relazione = banco.Percorso(QStringLiteral("prova.txt"));
        banco.dialoghi.nomiFile = {percorso, relazione};
        banco.Premi("Save");
        banco.Premi("mnuFileEsportaRelazione");
        const QString avviso =
            "» è stato salvato con gli ultimi dati validi del dimensionamento: i" + rifiuto.mid(1);
        QCOMPARE(banco.dialoghi.Messaggi().mid(1),
                 (QStringList{salvato + avviso, "Il file «" + relazione + avviso}));
        QCOMPARE(Leggi(percorso).toStdString(), salvata);
        banco.Digita("rendimento", QStringLiteral("0,9"));

        banco.Scrivi(Stot, QStringLiteral("1"));
        banco.Chiudi("frmInserimentoDati"); // takes the value: no longer calculated
        QVERIFY(banco.Visto().startsWith(
            "Nessun moto calcolato: inserire i valori del moto e premere «Calcolo»."));
        banco.Premi("SceltaSistema");
        banco.Premi("Calcolo");
        QVERIFY2(
            banco.Visto().contains("Coppia di picco\t0,882365\tN·m\nCoppia efficace\t0,480028\tN·m\n"
                                   "Velocità massima motore\t8000\tgiri/min\nPotenza di picco\t739,208\tW"),
            qPrintable(banco.Visto()));

        finestra->findChild<QComboBox*>("trasmissione")->setCurrentIndex(2);
        QCOMPARE(banco.simulazione.Asse()->Tipo, Trasmissione::Diretta);
        banco.dialoghi.nomiFile = {percorso};
        banco.Premi("Open");
        QCOMPARE(banco.simulazione.TestoDocumento(), salvata);
    }

    // New and "Esempio" clear the sizing data, Open takes the document's or none (a document refused
    // changes nothing); Save writes it on the second line.
    void documento_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QByteArray>("aperto"); // the document opened, if any
        QTest::addColumn<double>("massa");      // of the sizing data after the command, 0 for none
        QTest::newRow("nuovo") << "New" << QByteArray() << 0.;
        QTest::newRow("esempio") << "Esempio" << QByteArray() << 0.;
        QTest::newRow("aperto con i dati") << "Open" << Moto + Asse << 50.;
        QTest::newRow("aperto senza") << "Open" << Moto << 0.;
        QTest::newRow("chiave ignota: nulla cambia")
            << "Open" << Moto + "massa=50,passo=1,colore=rosso" << 1.;
    }
    void documento() {
        QFETCH(QString, comando);
        QFETCH(QByteArray, aperto);
        QFETCH(double, massa);
        BancoAsse banco;
        const QString percorso = banco.Percorso(QStringLiteral("prova.vla"));
        Scrivi(percorso, aperto);
        banco.simulazione.ImpostaAsse(DatiAsse{.Massa = 1, .Passo = 1});
        banco.Apri(); // the sizing window, closed by the command, has no say on what follows
        banco.dialoghi.nomiFile = {percorso};
        banco.Premi(qPrintable(comando));
        QCOMPARE(banco.simulazione.Asse() ? banco.simulazione.Asse()->Massa : 0, massa);
        QCOMPARE(banco.dialoghi.Messaggi().join(""),
                 massa == 1 ? "Il file «" + percorso +
                                  "» non è una simulazione di Velantra: la chiave «colore» non è prevista."
                            : QString());
        QVERIFY(banco.finestra->Documento().SalvaSimulazione(percorso));
        QCOMPARE(Leggi(percorso).split('\n').size(), massa > 0 ? 3 : 2);
    }
    // The report from the menu in the form of the chosen filter: PDF (one A4 page, as seen) or text; the
    // sizing window printed.
    void relazione() {
        BancoAsse banco;
        Scrivi(banco.Percorso(QStringLiteral("esempio.vla")), Moto + Asse);
        banco.IntestazioneUtente = QStringLiteral("Officina Rossi S.p.A.");
        banco.dialoghi.nomiFile = {banco.Percorso(QStringLiteral("esempio.vla"))};
        banco.Premi("Open");
        banco.Premi("Calcolo");
        const QString pdf = banco.Percorso(QStringLiteral("relazione.pdf")),
                      txt = banco.Percorso(QStringLiteral("relazione"));
        banco.dialoghi.nomiFile = {pdf, txt};
        banco.dialoghi.filtriScelti = {FiltriRelazione[0], FiltriRelazione[1]};
        banco.Premi("mnuFileEsportaRelazione");
        banco.Premi("mnuFileEsportaRelazione");
        QCOMPARE(
            banco.Chiamate().count("Salva Esporta relazione (Documento PDF (*.pdf);Testo UTF-8 (*.txt))"), 2);
        QCOMPARE(Esegui("pdftotext", {pdf, "-"}).count('\f'), 1);
        Esegui("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, pdf}); // the A4 page as seen
        CONFRONTA_IMMAGINE(QImage(pdf + ".png"), QStringLiteral("relazione"));
        QVERIFY(
            Leggi(txt).startsWith("Officina Rossi S.p.A.\r\nesempio.vla\r\n14 novembre 2023\r\n\r\nTerna"));

        banco.Premi("Dimensionamento"); // the document's data, each value from its first digit
        for (const QLineEdit* casella : banco.Finestra("frmDimensionamento")->findChildren<QLineEdit*>())
            QVERIFY2(casella->cursorPosition() == 0, qPrintable(casella->accessibleName()));
        const QString stampa = Esegui("pdftotext", {"-layout", Stampa(banco, 0), "-"});
        QVERIFY(stampa.contains("Dimensionamento asse:"));
        QVERIFY(stampa.contains(QRegularExpression("Coppia di picco: 0,445518 +\\[N·m\\]")));
    }
};

REGISTRA_COLLAUDO(TstAsse);
#include "tst_Asse.moc"
