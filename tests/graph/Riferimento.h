#pragma once

#include <QImage>
#include <QTest>

// Compares a picture, in grey levels, with its reference tests/graph/riferimenti/<nome>.png pixel for
// pixel; one that differs is left in the working folder as <nome>.ottenuta.png.
// VELANTRA_RIFERIMENTI=scrivi in the environment rewrites the reference instead, where `proprio` says
// it is this picture's own (other rows only compare with it).
inline void Confronta(const QImage& immagine, QString nome, bool proprio = true) {
    nome.replace(' ', '_');
    const QString percorso = QStringLiteral(VELANTRA_RIFERIMENTI_GRAFICO "/%1.png").arg(nome);
    const QImage ottenuta = immagine.convertToFormat(QImage::Format_Grayscale8);
    if (proprio && qgetenv("VELANTRA_RIFERIMENTI") == "scrivi")
        QVERIFY(ottenuta.save(percorso));
    const QImage attesa = QImage(percorso).convertToFormat(QImage::Format_Grayscale8);
    int diversi = attesa.size() == ottenuta.size() ? 0 : -1;
    for (int y = 0; diversi >= 0 && y < attesa.height(); ++y)
        for (int x = 0; x < attesa.width(); ++x)
            diversi += attesa.pixel(x, y) != ottenuta.pixel(x, y);
    if (diversi != 0)
        ottenuta.save(nome + QStringLiteral(".ottenuta.png"));
    QVERIFY2(diversi == 0,
             qPrintable(nome + QStringLiteral(": %1 pixel diversi (-1: misura diversa)").arg(diversi)));
}
