#pragma once

// What a run leaves: a test folder of old and special files as the system sees it, to tell what the run
// changed (every entry, in sub-folders too, with its kind, owner and mode, and a regular file's
// contents), and the file it wrote as a person reads it.

#include "Collaudo.h"
#include "Dettagli.h"
#include "Velantra.h"

#include <QSvgRenderer>
#include <map>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using Voce = std::tuple<mode_t, uid_t, gid_t, QByteArray>; // kind and mode, owner, group, contents
inline std::map<QString, Voce> Voci(const QString& cartella) {
    std::map<QString, Voce> voci;
    QDirIterator elenco(cartella, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
    while (elenco.hasNext()) {
        QFile file(elenco.next());
        struct stat info {};
        if (lstat(QFile::encodeName(file.fileName()).constData(), &info) == 0)
            voci[file.fileName().mid(cartella.size() + 1)] = {
                info.st_mode, info.st_uid, info.st_gid,
                S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()};
    }
    return voci;
}

// Each entry of `prima` still there as it was but for the contents of `scritto`, which is the only
// entry that may be new: no temporary file, nothing half-written beside.
inline void RestaTutto(const std::map<QString, Voce>& prima, const QString& cartella,
                       const QString& scritto) {
    auto dopo = Voci(cartella);
    for (const auto& [nome, voce] : prima) {
        if (nome == scritto)
            std::get<QByteArray>(dopo[nome]) = std::get<QByteArray>(voce);
        QVERIFY2(dopo[nome] == voce, qPrintable(nome));
    }
    for (const auto& [nome, voce] : dopo)
        QVERIFY2(prima.count(nome) || nome == scritto, qPrintable("nuovo: " + nome));
}

// The old files `vecchi`, "vecchio\n" each with mode 640 (of another owner where the test may give
// one), among the special entries a writer may be given: each old file's name under pieno/ a disk that
// is always full (a device like /dev/full, or a link to it where the test may make none); a socket presa.csv;
// the links collegamento.png to vecchio.png and rotto.csv to manca/x.csv; a FIFO tubo.csv; the device nulla
// (a link to /dev/null where the test may make none) with a link nulla.svg to it.
inline void Prepara(const QString& cartella, const QStringList& vecchi) {
    for (const QString& nome : vecchi) {
        QFile file(cartella + '/' + nome);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                file.write("vecchio\n") == 8 &&
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(geteuid() != 0 || chown(QFile::encodeName(file.fileName()).constData(), 1234, 1234) == 0);
        // A node of the test's own where it may make one: a faulty writer then replaces that, never the
        // system's /dev/full.
        const QString pieno = cartella + "/pieno/" + nome;
        QVERIFY(QDir().mkpath(QFileInfo(pieno).path()));
        if (mknod(QFile::encodeName(pieno).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QVERIFY(QFile::link("/dev/full", pieno));
    }
    const auto voce = [&](const char* nome) { return QFile::encodeName(cartella + '/' + nome); };
    sockaddr_un indirizzo{AF_UNIX, {}};
    qstrncpy(indirizzo.sun_path, voce("presa.csv").constData(), sizeof indirizzo.sun_path);
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0); // its file stays when it is closed
    QVERIFY(bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0 && close(presa) == 0);
    QCOMPARE(mkfifo(voce("tubo.csv").constData(), 0600), 0);
    if (mknod(voce("nulla").constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QVERIFY(QFile::link("/dev/null", cartella + "/nulla"));
    for (const QString collegamento :
         {"collegamento.png>vecchio.png", "rotto.csv>manca/x.csv", "nulla.svg>nulla"})
        QVERIFY(QFile::link(collegamento.section('>', 1), cartella + '/' + collegamento.section('>', 0, 0)));
}

// Checks the file at `percorso` against `atteso`: its exact contents, or with `intero` false a part of
// them (of a PDF, of its text); or a picture of the graph, "svg 400x300" its format and size in pixels,
// that shows the speed in black, the position in blue and the acceleration in orange, each a curve's
// worth of pixels (near its colour: vector formats are drawn smoothed). A PNG is read directly, an SVG
// drawn by Qt's renderer, the one page of a PDF by pdftoppm at 96 dots per inch into a file beside it.
inline void Verifica(const QString& percorso, const QByteArray& atteso, bool intero = true) {
    if (QRegularExpression("^(png|svg|pdf) \\d+x\\d+$").match(QString::fromUtf8(atteso)).hasMatch()) {
        QImage disegno(percorso, "PNG");
        if (atteso.startsWith("svg")) {
            QSvgRenderer svg(percorso);
            disegno = QImage(svg.viewBox().size(), QImage::Format_RGB32); // in pixels; its size is in mm
            disegno.fill(Qt::white);
            QPainter pittore(&disegno);
            svg.render(&pittore);
        } else if (atteso.startsWith("pdf")) {
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {"-r", "96", "-png", "-singlefile", percorso, percorso});
            disegno = QImage(percorso + QStringLiteral(".png"));
        }
        QCOMPARE(QStringLiteral("%1 %2x%3").arg(atteso.left(3)).arg(disegno.width()).arg(disegno.height()),
                 QString::fromUtf8(atteso));
        const auto curve = CurveDettaglio(Velantra{.T1 = 1, .T2 = 1, .Vm = 1}, nullptr);
        for (const auto& [colore, quanti] :
             {std::pair{QColor(Qt::black), 500}, {curve.at(0).colore, 300}, {curve.at(1).colore, 300}}) {
            int n = 0; // pixels near the colour
            for (int i = 0; i < disegno.width() * disegno.height(); ++i) {
                const QRgb p = disegno.pixel(i % disegno.width(), i / disegno.width()), q = colore.rgb();
                n += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) < 90;
            }
            QVERIFY2(n > quanti, qPrintable(colore.name()));
        }
        return;
    }
    QFile file(percorso);
    QByteArray letto = file.open(QIODevice::ReadOnly) ? file.readAll() : "(illeggibile)";
    if (letto.startsWith("%PDF")) {
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {percorso, "-"});
        QVERIFY(testo.waitForFinished());
        letto = testo.readAllStandardOutput();
    }
    QVERIFY2(intero ? letto == atteso : letto.contains(atteso), letto.left(2000).constData());
}
