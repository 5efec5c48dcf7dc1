#include "BancoArea.h"
#include "Collaudo.h"
#include "NumeriRegionali.h"
#include "PianoSerie.h"
#include "frmDimensionamento.h"

namespace {
// The worked example: 50 kg on a 10 mm screw, moved 0.5 m in 1 s with T1 = 0.25 s.
const QString Esempio = "massa=50 passo=0.01 rendimento=0.9 attrito=0.01 inerzia_motore=0.0001 "
                        "inerzia_trasmissione=0.00002 sosta=0.5";

// The sizing window among the child windows of an area.
struct BancoAsse : BancoArea {
    BancoAsse() {
        area.resize(1600, 1000);
        finestre.ApriInserimentoDati();
    }
    QWidget* Asse() { return &ApriDimensionamento(finestre, simulazione, dialoghi); }
    void Calcola() { // the example's motion, typed in the data-entry window
        Inserisci({"Stot=0.5", "Ttot=1", "T1=0.25"});
        finestre.ApriInserimentoDati().AssegnaSistema();
    }
    // Each "massa=50" typed over the box's text; "trasmissione=diretta" typed on the list chooses it
    // (Home and End run through the list on the way).
    void Digita(const QString& voci) {
        for (const QString& voce : voci.split(' ')) {
            QWidget* controllo = Asse()->findChild<QWidget*>(voce.section('=', 0, 0));
            QTest::keyClick(controllo, Qt::Key_Home);
            QTest::keyClick(controllo, Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClick(controllo, Qt::Key_Delete);
            QTest::keyClicks(controllo, voce.section('=', 1));
        }
    }
    // A grid of the window, its rows joined by " / ", "|" between cells (empty ones at the end left out):
    // the text of each label, box or list shown, its tooltip in braces, "-" before what is disabled.
    QString Griglia(int riquadro) {
        auto* griglia = static_cast<QGridLayout*>(Asse()->findChildren<QGroupBox*>()[riquadro]->layout());
        QString testo;
        for (int i = 0; i < griglia->rowCount() * 3; ++i) {
            QLayoutItem* cella = griglia->itemAtPosition(i / 3, i % 3);
            QWidget* w = cella ? cella->widget() : nullptr;
            testo += QString(i % 3 ? "|" : " / ") + (w && !w->isEnabled() ? "-" : "");
            if (w && w->isVisible())
                testo += w->property(w->inherits("QComboBox") ? "currentText" : "text").toString() +
                         (w->toolTip().isEmpty() ? "" : '{' + w->toolTip() + '}');
        }
        return testo.mid(3).remove(QRegularExpression("\\|+(?= / |$)"));
    }
    // The motor's verdicts as shown: the shares, the inertia ratio and its note, the verdict line.
    QString Verdetti() {
        QStringList visti;
        for (const QString& riga : static_cast<frmDimensionamento*>(Asse())->Righe())
            if (riga.startsWith("Quota di ") || riga.startsWith("Rapporto d'inerzia"))
                visti << riga.section('\t', 1).trimmed().replace('\t', ' ');
        auto* verdetto = Asse()->findChild<QLabel*>("lblVerdetto");
        return visti.join(' ') + " | " + (verdetto->isVisibleTo(Asse()) ? verdetto->text() : "");
    }
};
} // namespace

class TstFinestraAsse : public QObject {
    Q_OBJECT
private slots:
    // The window opened before the motion is calculated, the data typed after: what applies to the
    // transmission enabled, the force and torque of each phase and the figures in their rows, the status
    // under them when there is something to say, beside "Copia"; the figures come without moving the
    // columns.
    void figure_data() {
        QTest::addColumn<QString>("dati");
        QTest::addColumn<QString>("visto"); // the data disabled (each row's first word), the results, the
                                            // status after "//"
        const QString fasi = "%1 |F [N]|C [N·m] / Accelerazione%2 / Regime%3 / Decelerazione%4 / Sosta%5";
        const QString cifre = " /  / Forza di picco|%1|N / Forza efficace|%2|N / Coppia di picco|%3|N·m / "
                              "Coppia efficace|%4|N·m / Velocità massima motore|%5|giri/min / Potenza di "
                              "picco|%6|W / Potenza di frenatura|%7|W // ";
        QTest::newRow("vite a ricircolo di sfere")
            << Esempio
            << fasi.arg("spenti: Diametro", "|138,237|0,445518", "|4,90332|0,00867098", "|-128,43|-0,385024",
                        "|0|0") +
                   cifre.arg("138,237", "77,0841", "0,445518", "0,240444", "4000", "186,618", "161,279");
        QTest::newRow("diretta: forze sole")
            << Esempio + " trasmissione=diretta"
            << "spenti: Passo Diametro Rapporto Rendimento Inerzia |F [N] / Accelerazione|138,237 / "
               "Regime|4,90332 / Decelerazione|-128,43 / Sosta|0 /  / Forza di picco|138,237|N / Forza "
               "efficace|77,0841|N /  /  /  /  / Potenza di frenatura|85,62|W // ";
        QTest::newRow("cinghia verticale, tenuta in sosta")
            << "massa=20 trasmissione=cinghia diametro=0.05 rapporto=5 rendimento=0.9 inclinazione=90 "
               "inerzia_motore=0.0001 sosta=0.5"
            << fasi.arg("spenti: Passo", "|249,466|1,43926", "|196,133|1,08963", "|142,8|0,739998",
                        "|196,133|0,980665") +
                   cifre.arg("249,466", "198,535", "1,43926", "1,0737", "1273,24", "191,901", "0");
        // Figures beyond the doubles: none is shown rather than a wrong one.
        QTest::newRow("oltre i double")
            << Esempio + " massa=1e308"
            << fasi.arg("spenti: Diametro", "", "", "", "") + cifre.arg("", "", "", "", "", "", "") +
                   "Il moto calcolato non si può dimensionare.";
    }
    void figure() {
        QFETCH(QString, dati);
        BancoAsse b;
        QWidget* finestra = b.Asse();
        auto* risultati = static_cast<QGridLayout*>(finestra->findChildren<QGroupBox*>()[2]->layout());
        const int colonna = risultati->itemAtPosition(1, 1)->geometry().width(); // no figure yet
        b.Calcola();
        b.Digita(dati);
        QString visto = QStringLiteral("spenti:");
        for (const QString& riga : b.Griglia(0).split(" / "))
            if (riga.startsWith('-')) // its name disabled, and with it its box and unit
                visto += ' ' + riga.section('|', 0, 0).section(' ', 0, 0).mid(1);
        const auto* stato = finestra->findChild<QLabel*>("lblStato");
        visto += ' ' + b.Griglia(2).remove(QRegularExpression("\\{[^}]*\\}")) + " // ";
        QTEST(visto + (stato->isVisible() ? stato->text() : ""), "visto");
        QCoreApplication::processEvents();                                            // laid out anew
        QCOMPARE(risultati->itemAtPosition(1, 1)->geometry().width(), colonna);       // as wide with figures
        QVERIFY(stato->y() > finestra->findChild<QGroupBox*>()->geometry().bottom()); // the taller box
        QVERIFY(stato->geometry().right() < finestra->findChild<QWidget*>("cmdCopia")->x());
    }

    // The motor typed after the example's axis: each limit's share, the inertia ratio's note, the verdict;
    // while a value is refused, no verdict, as no figure.
    void motore_data() {
        QTest::addColumn<QString>("motore");
        QTest::addColumn<QString>("verdetti");
        const QString nota = "1,46651 consigliato fino a 10 | ";
        QTest::newRow("esempio, adatto") << "coppia_nominale=0.32 coppia_massima=0.96 velocita_massima=6000"
                                         << "75,1 % 46,4 % 66,7 % " + nota + "Motore adatto";
        QTest::newRow("non adatto")
            << "coppia_nominale=0.2 velocita_massima=3000"
            << "120 % 133 % " + nota +
                   "Motore non adatto: coppia efficace 120 % della nominale, velocità 133 % della massima";
        QTest::newRow("senza inerzia del motore") << "coppia_massima=1 inerzia_motore=0"
                                                  << "27,8 % richiede l'inerzia del motore | Motore adatto";
        QTest::newRow("inerzia oltre il consiglio")
            << "coppia_nominale=1 inerzia_motore=1e-5"
            << "15,4 % 14,6651 oltre il consigliato: la regolazione può risultare difficile | Motore adatto";
        QTest::newRow("motore lineare")
            << "trasmissione=diretta forza_nominale=70 forza_massima=200 velocita_massima_lineare=0.5"
            << "110 % 69,1 % 133 % | Motore non adatto: forza efficace 110 % della nominale, velocità 133 % "
               "della massima";
        QTest::newRow("valore rifiutato: nessuna cifra") << "coppia_nominale=0.32 coppia_massima=-1"
                                                         << " | ";
    }
    void motore() {
        QFETCH(QString, motore);
        BancoAsse b;
        b.Calcola();
        b.Digita(Esempio + ' ' + motore);
        QTEST(b.Verdetti(), "verdetti");
        QCOMPARE(ControlliSovrapposti(*b.Asse()), QString());
        for (const QLabel* l : b.Asse()->findChildren<QLabel*>()) // each figure's whole value a tooltip away
            if (l->isVisible() && LeggiValore(QString(l->text()).remove(" %")))
                QVERIFY2(LeggiValore(QString(l->toolTip()).remove(" %")), qPrintable(l->text()));
    }

    // "Usa rapporto ottimale" types the best ratio, whose RMS torque the figures then show; a motor chosen
    // from a catalogue fills the group, its inertia included.
    void rapportoECatalogo() {
        BancoAsse b;
        b.Calcola();
        b.Digita(Esempio);
        QTest::mouseClick(b.Asse()->findChild<QPushButton*>("cmdUsaRapporto"), Qt::LeftButton);
        QVERIFY(b.Griglia(2).contains("Coppia efficace|0,240279"));
        const double rapporto = b.simulazione.Asse()->Rapporto;
        QCOMPARE(LeggiValore(b.Asse()->findChild<QLineEdit*>("rapporto")->text()).value(), rapporto);
        QVERIFY(std::abs(rapporto - 1.0377) < 5e-5);
        QStringList rapporti; // the plot across ratios marks the best one
        for (const TestoGrafico& t : b.Asse()
                                         ->findChild<PianoSerie*>("pianoRapporto")
                                         ->Richiesta()
                                         .grafico({400, 300})
                                         .Testi(RuoloTesto::Ascissa))
            rapporti << t.testo;
        QVERIFY2(rapporti.contains("1,0377"), qPrintable(rapporti.join(' ')));
        QVERIFY(static_cast<frmDimensionamento*>(b.Asse())->Righe().contains("Rapporto ottimale\t1,0377\t"));
        for (const QLabel* nota : b.Asse()->findChildren<QLabel*>()) // a diagram to show, nothing to excuse
            QVERIFY(nota->isHidden() || nota->text() != "Nessun dimensionamento da mostrare.");

        QTemporaryDir cartella;
        QFile catalogo(cartella.filePath("motori.csv"));
        QVERIFY(catalogo.open(QIODevice::WriteOnly) &&
                catalogo.write("nome;coppia_nominale;coppia_massima;velocita_massima;inerzia\n"
                               "Grande;1,2;3,6;5000;0,0003\nPiccolo;0,2;0,6;3000;0,00005\nRotto;1\n"
                               "Esempio;0,32;0,96;6000;0,0001\n") > 0);
        catalogo.close();
        b.dialoghi.nomiFile = {catalogo.fileName()};
        QTest::mouseClick(b.Asse()->findChild<QPushButton*>("cmdCatalogo"), Qt::LeftButton);
        auto* elenco = b.Asse()->findChild<QDialog*>("frmCatalogoMotori")->findChild<QTreeWidget*>();
        QStringList nomi;
        for (int i = 0; i < elenco->topLevelItemCount(); ++i) // "!" an unsuitable one, its verdict in red
            nomi << elenco->topLevelItem(i)->text(0) +
                        (elenco->topLevelItem(i)->foreground(1).color().red() > 150 ? "!" : "");
        QCOMPARE(nomi, QStringList({"Esempio", "Grande", "Piccolo!", "riga 4"}));
        elenco->setCurrentItem(elenco->topLevelItem(1));
        emit elenco->itemDoubleClicked(elenco->topLevelItem(1), 0); // chosen by a double click
        QCOMPARE(b.Griglia(1).section(" / ", 0, 6),
                 "Coppia nominale|1,2|N·m / Coppia massima|3,6|N·m / "
                 "Velocità massima|5000|giri/min /  /  /  / Inerzia del motore|0,0003|kg·m²");
        QCOMPARE(b.simulazione.Motore()->CoppiaMassima, 3.6);
    }

    // A decimal separator put into a value with the period key counts at once, as typed digits do; the whole
    // value is a tooltip away; a box of a value with a default, emptied, shows that default once confirmed.
    void digitazione() {
        BancoAsse b;
        b.Calcola();
        b.Digita(Esempio + " massa=500 sosta=");
        QLineEdit* massa = b.Asse()->findChild<QLineEdit*>("massa");
        massa->setCursorPosition(1);
        QTest::keyClick(massa, '.');
        QVERIFY(b.Griglia(2).contains(" / Accelerazione|13,8237{13,8236658333333}|"));
        QTest::keyClick(b.Asse()->findChild<QLineEdit*>("sosta"), Qt::Key_Return);
        QCOMPARE(b.Griglia(0).section(" / ", 10), "Sosta dopo il moto|0|s");
    }
};
REGISTRA_COLLAUDO(TstFinestraAsse);
#include "tst_FinestraAsse.moc"
