#include "RigheTesto.h"

#include <QFontMetricsF>
#include <QTextLayout>

QString Stampabile(const QString& testo) {
    QString stampabile = testo;
    for (QChar& c : stampabile)
        if (c != u'\n' && c.category() == QChar::Other_Control)
            c = u' ';
    return stampabile;
}

QStringList RigheTesto(const QString& testo, const QFont& carattere, const QPaintDevice* dispositivo,
                       double larghezza, int massimo) {
    const QString pulito = Stampabile(testo).replace(u'\n', QChar::LineSeparator);
    QTextLayout disposizione(pulito, carattere, dispositivo);
    QTextOption opzione;
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposizione.setTextOption(opzione);
    QStringList righe;
    disposizione.beginLayout();
    for (QTextLine riga = disposizione.createLine(); riga.isValid() && righe.size() < massimo;
         riga = disposizione.createLine()) {
        riga.setLineWidth(larghezza);
        QString resto = pulito.mid(riga.textStart());
        if (righe.size() + 1 == massimo && riga.textStart() + riga.textLength() < pulito.size()) {
            // The last line allowed: what is left, on one line, cut where it no longer fits.
            resto.replace(QChar::LineSeparator, u' ');
            righe << QFontMetricsF(carattere, dispositivo).elidedText(resto, Qt::ElideRight, larghezza);
        } else {
            QString testoRiga = resto.left(riga.textLength()).remove(QChar::LineSeparator);
            while (testoRiga.endsWith(u' ')) // the blank the line broke at
                testoRiga.chop(1);
            righe << testoRiga;
        }
    }
    disposizione.endLayout();
    return righe;
}
