#include "Collaudo.h"
#include "DatiProfilo.h"
#include "LeggeMoto.h"
#include "Velantra.h"

#include <QTest>
#include <charconv>
#include <cmath>

// The motion's values as CSV, on a grid of round times of their own.
class TstCsv : public QObject {
    Q_OBJECT
private slots:
    // The default step: 0.01 s, a finer round one below 500 intervals, a coarser one above 50,000 rows.
    void passo_data() {
        QTest::addColumn<double>("durata");
        QTest::addColumn<QString>("passo"); // none: no step divides it
        QTest::addColumn<qint64>("righe");
        const auto riga = [](const char* caso, double durata, const char* passo, qint64 righe) {
            QTest::newRow(caso) << durata << QString(passo) << righe;
        };
        riga("5 ms", 0.005, "1e-05", 501);
        riga("appena sotto 500 intervalli", 4.999, "0.005", 1001); // and the end
        riga("500 intervalli", 5, "0.01", 501);
        riga("50.000 righe", 499.99, "0.01", 50000);
        riga("una riga di troppo", 500, "0.02", 25001);
        riga("un milione di secondi", 1e6, "50", 20001);
        riga("enorme", 1e300, "5e+295", 20001);
        riga("minuscolo", 1e-300, "2e-303", 501);
        for (const double durata : {0.0, qInf(), qQNaN(), 5e-324})
            riga(qPrintable(QString::number(durata)), durata, "", 0);
    }
    void passo() {
        QFETCH(double, durata);
        const auto passo = PassoPredefinito(durata);
        QTEST(passo ? QString::fromStdString(passo->Testo()) : QString(), "passo");
        QTEST(passo ? qint64(RigheCsv(durata, *passo)) : 0, "righe");
    }

    // Rows at the exact round times, the end time last; every value the closed form's at the time read
    // back; the regional form differs in separators only.
    void testo() {
        const Velantra moto{.T1 = 1, .T2 = 3.333, .Vm = 0.5};
        const QByteArray testo = TestoCsv(moto, {1, -2}, FormaCsv::Standard);
        const QList<QByteArray> righe = QByteArray(testo).replace('\r', "").split('\n');
        QCOMPARE(righe.size(), 537); // the header, 534 round times, the end, nothing after the last CRLF
        QCOMPARE(righe.mid(0, 3), (QList<QByteArray>{"t [sec],s [m],v [m/sec],a [m/sec^2]", "0,0,0,0.5",
                                                     "0.01,2.5e-05,0.005,0.5"}));
        QVERIFY(righe[25].startsWith("0.24,") && righe[535].startsWith("5.333,2.1665,0,0"));
        const LeggeMoto legge(moto);
        for (qsizetype i = 1; i < righe.size() - 1; ++i) {
            QList<double> letti;
            for (const QByteArray& campo : righe[i].split(','))
                std::from_chars(campo.begin(), campo.end(), letti.emplace_back(qQNaN()));
            const double t = letti[0];
            QCOMPARE(letti,
                     (QList<double>{t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}));
            QVERIFY(i == righe.size() - 2 || t == double(i - 1) / 100);
        }
        QCOMPARE(TestoCsv(moto, {1, -2}, FormaCsv::Regionale),
                 QByteArray(testo).replace(',', ';').replace('.', ','));
    }
};
REGISTRA_COLLAUDO(TstCsv);
#include "tst_Csv.moc"
