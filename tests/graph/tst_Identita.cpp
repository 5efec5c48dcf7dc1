#include "BancoGrafico.h"
#include "Collaudo.h"
#include <QImage>

class TstIdentita : public QObject {
    Q_OBJECT
private slots:
    void finestra_data() {
        QTest::addColumn<Lista>("moto");
        QTest::addColumn<QString>("gesti");
        QTest::addColumn<QString>("come");
        const Lista es{1, 2, 1.3}, part{1, 3, 0.5};
        const auto riga = [](const char* nome, const Lista& moto, const QString& gesti,
                             const char* come = "") {
            QTest::newRow(nome) << moto << gesti << QString(come);
        };
        const QString zoom = "ZoomArea 0.5;1.2 clic 2.5;0.4 clic ", mouse = " 2.7182818;0.3141592";
        riga("esempio", es, mouse);
        riga("griglia", es, "Griglia");
        riga("collimatore", es, "Tracciatore 0.8;0.1 1.5432;0.1");
        riga("differenza", es, "Differenza 1.2432;0.9 clic 0.5432;0.2 clic");
        riga("zoom", es, zoom);
        riga("zoom in corso", es, "ZoomArea 0.5;1.2 clic 2.5;0.4");
        riga("cancella", es, "1;1 Cancella 1.5;1");
        riga("moto nuovo", es, "Tracciatore 1;1 moto");
        riga("lontane", {1.23456, 2, 1.3}, "");
        riga("gap 1", {0.0512, 3.8976, 10}, "");
        riga("gap 2", {0.1, 3.8, 1}, "");
        riga("gap 3", {0.15, 3.7, 1}, "");
        riga("gap 5", {0.25, 3.5, 1}, "");
        riga("lunga", {30000, 63456.7, 1}, "");
        riga("Vm grande", {1, 1, 123456789}, "");
        riga("nessun moto", {0, 0, 0}, "");
        riga("zoom rovescio", {0.0512, 3.8976, 1}, "ZoomArea 4.1;0.3 clic 0.02;1.04 clic");
        riga("490 s, griglia", {100, 290, 1}, "1600x1000 Griglia");
        riga("salita ripida", {7, 470, 3}, "");
        riga("T2 nullo", {200, 0, 2}, "Griglia");
        riga("1e-6 s", {2.5e-7, 5e-7, 1}, "");
        riga("1e6 s", {1e5, 8e5, 1}, "");
        riga("1e12 s", {1e11, 8e11, 1e-3}, "");
        riga("T1 trascurabile", {1e-300, 1, 1}, "");
        riga("Vm enorme", {1, 1, 1e39}, "");
        riga("particolari", part, "AggiungiParticolari 4.15;0.3");
        riga("particolari non tondi", {0.23456, 2, 1.3}, "AggiungiParticolari");
        riga("particolari zoom", part, "AggiungiParticolari ZoomArea 0.5;0.47 clic 2.5;0.03 clic");
        riga("particolari differenza", part, "AggiungiParticolari Differenza 0.19;0.2 clic 4.15;0.2 clic");
    }
    void finestra() {
        QFETCH(Lista, moto);
        QFETCH(QString, gesti);
        QFETCH(QString, come);
        BancoGrafico b(moto);
        b.Apri();
        b.Gesti(gesti);
        QString nome = come.isEmpty() ? QTest::currentDataTag() : come;
        nome.replace(' ', '_');
        const QRectF a = b.Vista().cornice.area;
        QRectF r = a | b.Vista().cornice.strisciaTempi | b.Vista().cornice.strisciaVelocita;
        for (auto s : b.Vista().cornice.strisceDettagli)
            r |= s;
        const QRect taglio = r.adjusted(0, -30, 0, 0).toRect();
        const QImage ottenuta =
            b.finestra->grab().toImage().convertToFormat(QImage::Format_Grayscale8).copy(taglio);
        const QImage attesa = QImage(QStringLiteral(VELANTRA_RIFERIMENTI_GRAFICO "/%1.png").arg(nome))
                                  .convertToFormat(QImage::Format_Grayscale8)
                                  .copy(taglio);
        int diversi = 0;
        if (attesa.size() != ottenuta.size())
            diversi = -1;
        else
            for (int y = 0; y < attesa.height(); ++y)
                for (int x = 0; x < attesa.width(); ++x)
                    diversi += attesa.pixelColor(x, y) != ottenuta.pixelColor(x, y);
        b.finestra->grab().toImage().save("/tmp/grafico_ver/" + nome + ".png");
        ottenuta.save("/tmp/grafico_ver/" + nome + ".mio.png");
        if (diversi > 0) {
            QImage d = ottenuta;
            for (int y = 0; y < d.height(); ++y)
                for (int x = 0; x < d.width(); ++x)
                    d.setPixelColor(x, y,
                                    attesa.pixelColor(x, y) != ottenuta.pixelColor(x, y) ? Qt::black
                                                                                         : QColor(Qt::white));
            d.save("/tmp/grafico_ver/" + nome + ".diff.png");
            attesa.save("/tmp/grafico_ver/" + nome + ".rif.png");
        }
        qWarning("%s: %d diversi (%dx%d vs %dx%d)", qPrintable(nome), diversi, ottenuta.width(),
                 ottenuta.height(), attesa.width(), attesa.height());
    }
};
REGISTRA_COLLAUDO(TstIdentita);
#include "tst_Identita.moc"
