#include "BancoDocumenti.h"
#include "Collaudo.h"
#include "SuperficieDisegno.h"
#include "frmGrafico.h"

#include <QImage>
#include <QImageReader>
#include <limits>

class TstEsportazione : public QObject {
    Q_OBJECT
private slots:
    // The eight values in the window order and the table's lines, separated by "|".
    void tabella_data() {
        QTest::addColumn<bool>("italiano");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("righe");
        QTest::newRow("record vuoto") << true << QList<double>(8, 0.0)
                                      << "  S1: 0 [m]|  S2: 0 [m]|Stot: 0 [m]|  T1: 0 [sec]|  T2: 0 [sec]|"
                                         "Ttot: 0 [sec]|  Vm: 0 [m/sec]| Acc: 0 [m/sec^2]";
        QTest::newRow("esempio, punto decimale")
            << false << QList<double>{0.5, 1, 2, 1, 1, 3, 1, 1}
            << "  S1: 0.5 [m]|  S2: 1 [m]|Stot: 2 [m]|  T1: 1 [sec]|  T2: 1 [sec]|"
               "Ttot: 3 [sec]|  Vm: 1 [m/sec]| Acc: 1 [m/sec^2]";
        QTest::newRow("quindici cifre, esponenti")
            << true << QList<double>{1.0 / 3,     1e-5,     1.5e20, -2.5,
                                     1234567.125, -2.0 / 3, 0.0001, std::numeric_limits<double>::infinity()}
            << "  S1: 0,333333333333333 [m]|  S2: 1E-05 [m]|Stot: 1,5E+20 [m]|  T1: -2,5 [sec]|"
               "  T2: 1234567,125 [sec]|Ttot: -0,666666666666667 [sec]|  Vm: 0,0001 [m/sec]|"
               " Acc: infinito [m/sec^2]";
    }
    void tabella() {
        QFETCH(bool, italiano);
        QFETCH(QList<double>, valori);
        QFETCH(QString, righe);
        QLocale::setDefault(italiano ? Italiano : Americano);
        BancoDocumenti banco;
        banco.Assegna(valori);
        banco.finestra->AbilitaComandi(3);
        banco.Premi("Tabella");
        const QString percorso = banco.Percorso(QStringLiteral("tabella.txt"));
        ScriviTutto(percorso, QByteArray(1000, 'x')); // replaced without a question
        banco.dialoghi.nomiFile = {percorso};

        banco.Premi("mnuFileEsporta");

        QCOMPARE(banco.dialoghi.chiamate.size(), 1);
        QCOMPARE(banco.dialoghi.chiamate[0].titolo, QStringLiteral("Salva con nome"));
        QCOMPARE(banco.dialoghi.chiamate[0].filtri, (QStringList{"Testo (*.txt)", "Tutti i file (*.*)"}));
        QCOMPARE(LeggiTutto(percorso), righe.replace('|', "\r\n").toLatin1() + "\r\n");
        QCOMPARE(banco.Finestra("FrmRisultati")->windowTitle(), percorso);
    }

    // The plot as last drawn, in a bitmap any viewer reads; the closed graph window is opened for it,
    // and the caption goes to the window that was active when the command started.
    void grafico() {
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        const QString percorso = banco.Percorso(QStringLiteral("grafico.bmp"));
        banco.dialoghi.nomiFile = {percorso};

        banco.Premi("mnuFileEsportaGrafico");

        QCOMPARE(banco.dialoghi.chiamate[0].filtri, (QStringList{"Bitmap (*.bmp)", "Tutti i file (*.*)"}));
        QCOMPARE(banco.Figlie(), QStringLiteral("frmInserimentoDati FrmRisultati frmGrafico*"));
        QCOMPARE(banco.Finestra("FrmRisultati")->windowTitle(), percorso);
        QImageReader lettore(percorso);
        QCOMPARE(lettore.format(), QByteArray("bmp"));
        const QImage letta = lettore.read().convertToFormat(QImage::Format_RGB32);
        const SuperficieDisegno& piano = qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"))->Picture1();
        QCOMPARE(letta.size(), piano.size() * piano.devicePixelRatio());
        QCOMPARE(letta, piano.Immagine().convertToFormat(QImage::Format_RGB32));
        QImage bianca(letta.size(), QImage::Format_RGB32);
        bianca.fill(Qt::white);
        QVERIFY2(letta != bianca, "a blank picture, not the plot");
    }
};
REGISTRA_COLLAUDO(TstEsportazione);
#include "tst_Esportazione.moc"
