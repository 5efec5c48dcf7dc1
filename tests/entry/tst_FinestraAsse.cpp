#include "Collaudo.h"
#include "Utente.h"
#include "frmDimensionamento.h"
#include "frmInserimentoDati.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QRegularExpression>

namespace {
// The worked example: 50 kg on a 10 mm screw, moved 0.5 m in 1 s with T1 = 0.25 s.
const QString Esempio = "massa=50 passo=0.01 rendimento=0.9 attrito=0.01 inerzia_motore=0.0001 "
                        "inerzia_trasmissione=0.00002 sosta=0.5";

// The child windows in an area.
struct Banco : Utente {
    QMdiArea area;
    FinestreFiglie finestre{area, simulazione, dialoghi};
    Banco() {
        area.resize(1600, 1000);
        area.show();
        finestre.ApriInserimentoDati();
    }
    FinestreFiglie& Figlie() override { return finestre; }
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
        QTest::addColumn<QString>("visto"); // how many of name, box and unit are disabled in each row of
                                            // the data, the results, the status after "//"
        const QString fasi = "%1 |F [N]|C [N·m] / Accelerazione%2 / Regime%3 / Decelerazione%4 / Sosta%5";
        const QString cifre = " /  / Forza di picco|%1|N / Forza efficace|%2|N / Coppia di picco|%3|N·m / "
                              "Coppia efficace|%4|N·m / Velocità massima motore|%5|giri/min / Potenza di "
                              "picco|%6|W / Potenza di frenatura|%7|W // ";
        QTest::newRow("vite a ricircolo di sfere")
            << Esempio
            << fasi.arg("00030000000", "|138,237|0,445518", "|4,90332|0,00867098", "|-128,43|-0,385024",
                        "|0|0") +
                   cifre.arg("138,237", "77,0841", "0,445518", "0,240444", "4000", "186,618", "161,279");
        QTest::newRow("diretta: forze sole")
            << Esempio + " trasmissione=diretta"
            << "00333300030 |F [N] / Accelerazione|138,237 / Regime|4,90332 / Decelerazione|-128,43 / "
               "Sosta|0 /  / Forza di picco|138,237|N / Forza efficace|77,0841|N /  /  /  /  / Potenza di "
               "frenatura|85,62|W // ";
        QTest::newRow("cinghia verticale, tenuta in sosta")
            << "massa=20 trasmissione=cinghia diametro=0.05 rapporto=5 rendimento=0.9 inclinazione=90 "
               "inerzia_motore=0.0001 sosta=0.5"
            << fasi.arg("00300000000", "|249,466|1,43926", "|196,133|1,08963", "|142,8|0,739998",
                        "|196,133|0,980665") +
                   cifre.arg("249,466", "198,535", "1,43926", "1,0737", "1273,24", "191,901", "0");
        // Figures beyond the doubles: none is shown rather than a wrong one.
        QTest::newRow("oltre i double")
            << Esempio + " massa=1e308"
            << fasi.arg("00030000000", "", "", "", "") + cifre.arg("", "", "", "", "", "", "") +
                   "Il moto calcolato non si può dimensionare.";
    }
    void figure() {
        QFETCH(QString, dati);
        Banco b;
        QWidget* finestra = b.Asse();
        auto* risultati = static_cast<QGridLayout*>(finestra->findChildren<QGroupBox*>()[2]->layout());
        const int colonna = risultati->itemAtPosition(1, 1)->geometry().width(); // no figure yet
        b.Calcola();
        b.Digita(dati);
        QString visto;
        for (const QString& riga : b.Griglia(0).split(" / "))
            visto += QString::number(riga.split('|').filter(QRegularExpression("^-")).size());
        const auto* stato = finestra->findChild<QLabel*>("lblStato");
        visto += ' ' + b.Griglia(2).remove(QRegularExpression("\\{[^}]*\\}")) + " // ";
        QTEST(visto + (stato->isVisible() ? stato->text() : ""), "visto");
        QCoreApplication::processEvents();                                            // laid out anew
        QCOMPARE(risultati->itemAtPosition(1, 1)->geometry().width(), colonna);       // as wide with figures
        QVERIFY(stato->y() > finestra->findChild<QGroupBox*>()->geometry().bottom()); // the taller box
        QVERIFY(stato->geometry().right() < finestra->findChild<QWidget*>("cmdCopia")->x());
    }

    // A decimal separator put into a value with the period key counts at once, as typed digits do; the whole
    // value is a tooltip away; a box of a value with a default, emptied, shows that default once confirmed.
    void digitazione() {
        Banco b;
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
