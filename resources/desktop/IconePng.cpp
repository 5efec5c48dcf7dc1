// Build-time tool: renders the application's SVG icon as the PNG sizes of the hicolor theme.
//   IconePng <icon.svg> <output folder> <name> <size>...
// writes <output folder>/<size>x<size>/apps/<name>.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // runs during the build, with or without a display
    QGuiApplication applicazione(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "uso: IconePng icona.svg cartella nome dimensione...\n");
        return 2;
    }
    QSvgRenderer disegno(QString::fromLocal8Bit(argv[1]));
    if (!disegno.isValid()) {
        std::fprintf(stderr, "IconePng: %s non è un SVG leggibile\n", argv[1]);
        return 1;
    }
    const QDir cartella(QString::fromLocal8Bit(argv[2]));
    const QString nome = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int lato = QByteArray(argv[i]).toInt();
        QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        disegno.render(&pittore);
        pittore.end();
        const QString sottocartella = QStringLiteral("%1x%1/apps").arg(lato);
        const QString file = cartella.filePath(sottocartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
        if (!cartella.mkpath(sottocartella) || !immagine.save(file, "PNG")) {
            std::fprintf(stderr, "IconePng: impossibile scrivere %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
