#pragma once

// What the app tests share: the program's and Qt's widgets and printing, whole files written and read
// back, a tool of poppler-utils run, a command printed through an accepted print dialog onto a PDF file, a
// picture compared with its reference.

#include "Banco.h"
#include "Collaudo.h"
#include "ComandiDocumento.h"
#include "Documenti.h"
#include "Impostazioni.h"

#include <QtPrintSupport>
#include <QtWidgets>

inline QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(illeggibile)");
}

inline void Scrivi(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size());
}

inline QString Esegui(const char* programma, const QStringList& argomenti) {
    QProcess processo;
    processo.start(QLatin1String(programma), argomenti);
    processo.waitForFinished();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

// Presses the command; an accepted print dialog prints on A4 with these margins in millimetres. The PDF.
inline QString Stampa(Banco& banco, double margine, const char* comando = "Print") {
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
