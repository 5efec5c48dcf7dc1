#pragma once

// What a run leaves: a test folder of old and special files as the system sees it, to tell what the run
// changed (every entry, in sub-folders too, with its kind, owner and mode, and a regular file's
// contents), and a picture as the eye sees it.

#include "Dettagli.h"
#include "Velantra.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <fcntl.h>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

struct Voce {
    mode_t modo;
    uid_t proprietario;
    gid_t gruppo;
    QByteArray contenuto;
    bool operator==(const Voce&) const = default;
};
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
        QVERIFY2(dopo.count(nome), qPrintable(nome));
        if (nome == scritto)
            dopo[nome].contenuto = voce.contenuto;
        QVERIFY2(dopo[nome] == voce, qPrintable(nome));
    }
    for (const auto& [nome, voce] : dopo)
        QVERIFY2(prima.count(nome) || nome == scritto, qPrintable("nuovo: " + nome));
}

// The old files `vecchi`, "vecchio\n" each with mode 640 (of another owner where the test may give
// one), among the special entries a writer may be given: a socket presa.csv; the links
// collegamento.png and collegamento.csv to vecchio.png and vecchio.csv, rotto.csv to manca/x.csv; a
// FIFO tubo.csv; the device nulla (a link to /dev/null where the test may make none) with the links
// nulla.svg and nulla.csv to it.
inline void Prepara(const QString& cartella, const QStringList& vecchi) {
    for (const QString& nome : vecchi) {
        QFile file(cartella + '/' + nome);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                file.write("vecchio\n") == 8 &&
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(geteuid() != 0 || chown(QFile::encodeName(file.fileName()).constData(), 1234, 1234) == 0);
    }
    const auto voce = [&](const char* nome) { return QFile::encodeName(cartella + '/' + nome); };
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    qstrncpy(indirizzo.sun_path, voce("presa.csv").constData(), sizeof indirizzo.sun_path);
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0);
    close(presa); // the socket file stays
    QCOMPARE(mkfifo(voce("tubo.csv").constData(), 0600), 0);
    if (mknod(voce("nulla").constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QVERIFY(QFile::link("/dev/null", cartella + "/nulla"));
    for (const auto& [nome, bersaglio] : {std::pair{"collegamento.png", "vecchio.png"},
                                          {"collegamento.csv", "vecchio.csv"},
                                          {"rotto.csv", "manca/x.csv"},
                                          {"nulla.svg", "nulla"},
                                          {"nulla.csv", "nulla"}})
        QVERIFY(QFile::link(bersaglio, cartella + '/' + nome));
}

// The largest file this process may write from now on: a larger one fails with its reason.
inline rlim_t LimitaFile(rlim_t massimo) {
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlim_t prima = std::exchange(limite.rlim_cur, massimo);
    setrlimit(RLIMIT_FSIZE, &limite);
    return prima;
}

// A folder on a small memory disk of its own, full but for the files laid on it first: a write there
// fails with the system's own "no space left on device". It is mounted in a mount namespace of the
// test's thread, which the processes it starts inherit and nothing else sees; without the super-user
// Pronto() is false and the test skips the row.
class DiscoPieno {
public:
    DiscoPieno(const QString& cartella, const QStringList& file) : punto(QFile::encodeName(cartella)) {
        static const bool separato =
            unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        montato = !file.isEmpty() && separato && QDir().mkpath(cartella) &&
                  mount("velantra", punto.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
        for (const QString& nome : montato ? file : QStringList()) {
            QFile f(cartella + '/' + nome);
            QVERIFY(QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly) &&
                    f.write("vecchio\n"));
        }
        const int riempitivo =
            montato ? open((punto + "/riempitivo").constData(), O_WRONLY | O_CREAT, 0600) : -1;
        static const char blocco[512] = {};
        while (riempitivo >= 0 && write(riempitivo, blocco, sizeof blocco) > 0) {
        }
        close(riempitivo);
    }
    ~DiscoPieno() {
        if (montato)
            umount2(punto.constData(), MNT_DETACH);
    }
    bool Pronto() const { return montato; }

private:
    QByteArray punto;
    bool montato = false;
};

// PNG read directly, SVG drawn by Qt's renderer, the one page of a PDF drawn by pdftoppm at 96 dots
// per inch into a file beside it. Null when it does not open.
inline QImage Disegno(const QString& file, const QString& formato) {
    if (formato == QLatin1String("svg")) {
        QSvgRenderer svg(file);
        if (!svg.isValid())
            return {};
        QImage immagine(svg.viewBox().size(), QImage::Format_RGB32); // in pixels; its size is in mm
        immagine.fill(Qt::white);
        QPainter pittore(&immagine);
        svg.render(&pittore);
        return immagine;
    }
    if (formato == QLatin1String("pdf")) {
        QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "96", "-png", "-singlefile", file, file});
        return QImage(file + QStringLiteral(".png"));
    }
    return QImage(file, "PNG");
}

// The speed in black, the position in blue and the acceleration in orange, each a curve's worth of
// pixels (near its colour: vector formats are drawn smoothed).
inline bool MostraLeCurve(const QImage& immagine) {
    const std::vector<CurvaDettaglio> curve = CurveDettaglio(Velantra{.T1 = 1, .T2 = 1, .Vm = 1}, nullptr);
    const QColor ColorePosizione = curve.at(0).colore, ColoreAccelerazione = curve.at(1).colore;
    int nero = 0, blu = 0, arancio = 0;
    const auto vicino = [](QRgb p, const QColor& c) {
        return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue()) < 90;
    };
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) {
            const QRgb p = immagine.pixel(x, y);
            nero += qGray(p) < 60;
            blu += vicino(p, ColorePosizione);
            arancio += vicino(p, ColoreAccelerazione);
        }
    return nero > 500 && blu > 300 && arancio > 300;
}

// Checks the file at `percorso` against `atteso`: a picture of the graph ("svg 400x300": its format
// and its size in pixels), or its exact contents, or with `intero` false a part of them (of a PDF, of
// its text).
inline void Verifica(const QString& percorso, const QByteArray& atteso, bool intero = true) {
    if (QRegularExpression("^(png|svg|pdf) \\d+x\\d+$").match(QString::fromUtf8(atteso)).hasMatch()) {
        const QImage disegno = Disegno(percorso, QString::fromUtf8(atteso.left(3)));
        QCOMPARE(QStringLiteral("%1 %2x%3").arg(atteso.left(3)).arg(disegno.width()).arg(disegno.height()),
                 QString::fromUtf8(atteso));
        QVERIFY(MostraLeCurve(disegno));
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
