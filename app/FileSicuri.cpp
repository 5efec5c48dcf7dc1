#include "FileSicuri.h"

#include "Avanzamento.h"
#include "FileTemporaneo.h"

#include <QIODevice>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

QString Mostrato(const QByteArray& nome) {
    return PercorsoMostrato(NomeDaByte(nome));
}

// A system error as a reason a user can act on.
QString Errore(int numero) {
    switch (numero) {
    case ENOSPC:
        return QStringLiteral("il disco è pieno");
    case EDQUOT:
        return QStringLiteral("lo spazio su disco concesso all'utente è esaurito");
    case EFBIG:
        return QStringLiteral("il file supera la dimensione massima che il sistema permette di scrivere");
    case EIO:
        return QStringLiteral("il dispositivo ha dato un errore di lettura o scrittura");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    case EACCES:
    case EPERM:
        return QStringLiteral("il sistema non lo permette");
    case ELOOP:
        return QStringLiteral("i collegamenti simbolici del percorso sono troppi o formano un ciclo");
    case EISDIR:
        return QStringLiteral("esiste una cartella con questo nome");
    case EPIPE:
        return QStringLiteral("il programma che leggeva ha chiuso la pipe prima della fine");
    case ENXIO:
        return QStringLiteral("nessun programma sta leggendo dalla pipe");
    case ENAMETOOLONG:
        return QStringLiteral("il percorso è più lungo di quanto il sistema permetta");
    case ENOMEM:
        return QStringLiteral("la memoria non basta");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("ci sono troppi file aperti");
    case ETXTBSY:
        return QStringLiteral("il file è un programma in esecuzione");
    default:
        return QStringLiteral("il sistema ha risposto con l'errore %1 (%2)")
            .arg(numero)
            .arg(QString::fromLatin1(strerrorname_np(numero) ? strerrorname_np(numero) : "?"));
    }
}

QByteArray Cartella(const QByteArray& nome) {
    const qsizetype barra = nome.lastIndexOf('/');
    return barra < 0 ? QByteArray(".") : barra == 0 ? QByteArray("/") : nome.left(barra);
}

// Why no file can be made in `cartella`: the first of its ancestors that is missing or not a folder.
std::optional<QString> MotivoCartella(const QByteArray& cartella) {
    struct stat info {};
    if (stat(cartella.constData(), &info) == 0)
        return S_ISDIR(info.st_mode)
                   ? std::nullopt
                   : std::optional(QStringLiteral("«%1» non è una cartella").arg(Mostrato(cartella)));
    const int errore = errno;
    if (errore != ENOENT && errore != ENOTDIR)
        return errore == EACCES
                   ? QStringLiteral("non è permesso entrare nella cartella «%1»").arg(Mostrato(cartella))
                   : Errore(errore);
    QByteArray mancante = cartella;
    for (QByteArray sopra = Cartella(mancante); sopra != mancante; mancante = sopra, sopra = Cartella(sopra))
        if (stat(sopra.constData(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return QStringLiteral("«%1» non è una cartella").arg(Mostrato(sopra));
            break;
        }
    return QStringLiteral("la cartella «%1» non esiste").arg(Mostrato(mancante));
}

// The file a name leads to through its symbolic links (the name itself when it is none, or missing);
// nothing when the system finds a cycle, or more links than it follows, on its way to the file.
std::optional<QByteArray> Bersaglio(QByteArray nome) {
    struct stat info {};
    if (stat(nome.constData(), &info) != 0 && errno == ELOOP)
        return std::nullopt;
    // The system follows no more than 40, so a longer way here is a chain changed meanwhile.
    for (int salti = 0; salti <= 2 * 40; ++salti) {
        if (lstat(nome.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return nome;
        char destinazione[PATH_MAX];
        const ssize_t lunghezza = readlink(nome.constData(), destinazione, sizeof destinazione);
        if (lunghezza < 0)
            return nome;
        const QByteArray letto(destinazione, lunghezza);
        nome = letto.startsWith('/') ? letto : Cartella(nome) + '/' + letto;
    }
    return std::nullopt;
}

// Writes straight to a file descriptor and keeps the first failure, or the user's cancel, to itself:
// the producer is told every byte went, because Qt's PNG writer, told otherwise, prints to standard
// error and leaks its buffers. The caller asks at the end and throws the file away.
class Destinazione : public QIODevice {
public:
    Destinazione(int descrittore, Avanzamento* avanzamento)
        : descrittore(descrittore), avanzamento(avanzamento) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    int errore = 0;
    bool annullato = false;

    bool seek(qint64 posizione) override { return posizione == pos() && QIODevice::seek(posizione); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 lunghezza) override {
        for (qint64 scritti = 0; !errore && !annullato && scritti < lunghezza;) {
            const ssize_t n = ::write(descrittore, dati + scritti, size_t(lunghezza - scritti));
            if (n > 0)
                scritti += n;
            else if (n == 0 || errno != EINTR)
                errore = n == 0 ? EIO : errno;
        }
        if (avanzamento && !annullato && !avanzamento->Prosegui())
            annullato = true;
        return lunghezza;
    }

private:
    int descrittore;
    Avanzamento* avanzamento;
};

// Runs the producer into the descriptor and makes the result durable. The reason of a failure, an
// empty one when cancelled.
std::optional<QString> Produci(int descrittore, const std::function<bool(QIODevice&)>& scrivi,
                               Avanzamento* avanzamento, bool sincronizza) {
    Destinazione destinazione(descrittore, avanzamento);
    const bool prodotto = scrivi(destinazione);
    if (destinazione.annullato)
        return QString();
    if (destinazione.errore)
        return Errore(destinazione.errore);
    if (!prodotto)
        return QStringLiteral("il contenuto non si è potuto preparare");
    if (sincronizza && fsync(descrittore) != 0 && errno != EINVAL)
        return Errore(errno);
    return std::nullopt;
}

// A reader that keeps a file's size and time to tell whether it changed (QSettings does, to the
// millisecond) must see new contents of the same size as new, even when written within that
// millisecond: their time is then put just past the old one.
void DistinguiDa(int descrittore, const struct stat& vecchio) {
    struct stat nuovo {};
    const auto millisecondi = [](const timespec& t) {
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
    };
    if (fstat(descrittore, &nuovo) != 0 || nuovo.st_size != vecchio.st_size ||
        millisecondi(nuovo.st_mtim) > millisecondi(vecchio.st_mtim))
        return;
    const qint64 dopo = millisecondi(vecchio.st_mtim) + 1;
    const timespec tempi[2] = {{0, UTIME_OMIT}, {time_t(dopo / 1000), long(dopo % 1000) * 1'000'000}};
    futimens(descrittore, tempi);
}

// A FIFO or a device: opened and written as it is. A FIFO with no reader is waited for.
std::optional<QString> ScriviDiretto(const QByteArray& nome, bool fifo,
                                     const std::function<bool(QIODevice&)>& scrivi,
                                     Avanzamento* avanzamento) {
    const int modo = O_WRONLY | O_CLOEXEC | O_NOCTTY;
    int descrittore = open(nome.constData(), modo | O_NONBLOCK);
    while (fifo && descrittore < 0 && errno == ENXIO) {
        if (!avanzamento) {
            descrittore = open(nome.constData(), modo);
            break;
        }
        if (!avanzamento->Prosegui())
            return QString();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        descrittore = open(nome.constData(), modo | O_NONBLOCK);
    }
    if (descrittore < 0 && !fifo && errno == ENXIO) // a device with nothing behind it
        return QStringLiteral("il dispositivo non esiste o non è collegato");
    if (descrittore < 0)
        return errno == EACCES ? QStringLiteral("non è permesso scriverci") : Errore(errno);
    fcntl(descrittore, F_SETFL, fcntl(descrittore, F_GETFL) & ~O_NONBLOCK);
    auto motivo = Produci(descrittore, scrivi, avanzamento, false);
    if (close(descrittore) != 0 && !motivo)
        motivo = Errore(errno);
    return motivo;
}

// Why nothing may be written in `cartella`, and where it could be: the user's home folder, when it may
// be written and is another folder.
QString Negato(const QByteArray& cartella, bool esiste) {
    QString motivo = QStringLiteral("non è permesso scrivere nella cartella «%1»").arg(Mostrato(cartella));
    if (esiste)
        motivo += QStringLiteral(": il file resta com'era");
    const QByteArray casa = qgetenv("HOME");
    struct stat li {};
    struct stat qui {};
    if (casa.startsWith('/') && stat(casa.constData(), &li) == 0 && S_ISDIR(li.st_mode) &&
        access(casa.constData(), W_OK | X_OK) == 0 &&
        !(stat(cartella.constData(), &qui) == 0 && qui.st_dev == li.st_dev && qui.st_ino == li.st_ino))
        motivo += QStringLiteral("; si può salvare altrove, per esempio nella cartella personale «%1»")
                      .arg(Mostrato(casa));
    return motivo;
}

// The longest name the folder takes, and the longest path.
std::optional<QString> MotivoNome(const QByteArray& nome, const QByteArray& cartella) {
    const long massimo = pathconf(cartella.constData(), _PC_NAME_MAX);
    const qsizetype lunghezza = nome.size() - nome.lastIndexOf('/') - 1;
    if (massimo > 0 && lunghezza > massimo)
        return QStringLiteral("il nome è lungo %1 byte, più dei %2 che il sistema permette")
            .arg(lunghezza)
            .arg(massimo);
    if (nome.size() >= PATH_MAX)
        return QStringLiteral("il percorso è lungo %1 byte, più dei %2 che il sistema permette")
            .arg(nome.size())
            .arg(PATH_MAX - 1);
    return std::nullopt;
}

// A new file's mode: what the process would give it, read without changing it for long.
mode_t ModoNuovo() {
    const mode_t maschera = umask(0);
    umask(maschera);
    return 0666 & ~maschera;
}

} // namespace

void PreparaScritture() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    FileTemporaneo::PreparaSegnali();
}

std::optional<QString> ScriviFile(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi,
                                  Avanzamento* avanzamento) {
    const QByteArray nome = ByteDaNome(percorso);
    if (nome.isEmpty())
        return QStringLiteral("il nome è vuoto");
    struct stat info {};
    if (stat(nome.constData(), &info) == 0) { // what a write through the name would reach
        if (S_ISDIR(info.st_mode))
            return QStringLiteral("esiste una cartella con questo nome");
        if (S_ISSOCK(info.st_mode))
            return QStringLiteral("è un socket, non un file: non vi si scrive");
        if (!S_ISREG(info.st_mode))
            return ScriviDiretto(nome, S_ISFIFO(info.st_mode), scrivi, avanzamento);
    }
    const std::optional<QByteArray> bersaglio = Bersaglio(nome);
    if (!bersaglio)
        return Errore(ELOOP);
    const QByteArray cartella = Cartella(*bersaglio);
    std::optional<QString> motivo = MotivoCartella(cartella);
    if (!motivo)
        motivo = MotivoNome(*bersaglio, cartella);
    if (motivo && *bersaglio != nome)
        return QStringLiteral("è un collegamento a «%1», ma %2").arg(Mostrato(*bersaglio), *motivo);
    if (motivo)
        return motivo;
    const bool esiste = stat(bersaglio->constData(), &info) == 0;
    if (esiste && access(bersaglio->constData(), W_OK) != 0)
        return errno == EROFS ? Errore(EROFS) : QStringLiteral("il file è di sola lettura");

    FileTemporaneo temporaneo(cartella);
    if (const int errore = temporaneo.Errore())
        return errore == EACCES || errore == EPERM ? Negato(cartella, esiste) : Errore(errore);
    const int descrittore = temporaneo.Descrittore();
    if (esiste) { // the owner where the system allows it, else the group if it does; the mode always
        if ((info.st_uid != geteuid() || info.st_gid != getegid()) &&
            fchown(descrittore, info.st_uid, info.st_gid) != 0) {
            [[maybe_unused]] const int gruppo = fchown(descrittore, uid_t(-1), info.st_gid);
        }
        fchmod(descrittore, info.st_mode & 07777);
    } else
        fchmod(descrittore, ModoNuovo());
    motivo = Produci(descrittore, scrivi, avanzamento, true);
    if (!motivo && esiste)
        DistinguiDa(descrittore, info);
    if (motivo)
        return motivo;
    if (const int errore = temporaneo.Sostituisci(bersaglio->mid(bersaglio->lastIndexOf('/') + 1)))
        return Errore(errore);
    return std::nullopt;
}

std::optional<QString> ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    return ScriviFile(percorso, [&](QIODevice& file) { return file.write(contenuto) == contenuto.size(); });
}

FileLetto LeggiFile(const QString& percorso, qint64 massimo) {
    const QByteArray nome = ByteDaNome(percorso);
    struct stat info {};
    if (stat(nome.constData(), &info) != 0) {
        const int errore = errno;
        if (errore == ENOENT && lstat(nome.constData(), &info) == 0)
            return {std::nullopt, QStringLiteral("è un collegamento a un file che non esiste")};
        if (errore == ENOENT || errore == ENOTDIR)
            return {std::nullopt, QStringLiteral("il file non esiste")};
        return {std::nullopt, errore == EACCES ? QStringLiteral("non è permesso leggerlo") : Errore(errore)};
    }
    if (S_ISDIR(info.st_mode))
        return {std::nullopt, QStringLiteral("è una cartella")};
    if (!S_ISREG(info.st_mode))
        return {std::nullopt, QStringLiteral("non è un file di dati")};
    const int descrittore = open(nome.constData(), O_RDONLY | O_CLOEXEC);
    if (descrittore < 0)
        return {std::nullopt, errno == EACCES ? QStringLiteral("non è permesso leggerlo") : Errore(errno)};
    QByteArray contenuto(massimo + 1, Qt::Uninitialized);
    qint64 letti = 0;
    ssize_t n = 1;
    while (letti < contenuto.size() &&
           (n = read(descrittore, contenuto.data() + letti, size_t(contenuto.size() - letti))) != 0)
        if (n > 0)
            letti += n;
        else if (errno != EINTR)
            break;
    const int errore = errno;
    close(descrittore);
    if (n < 0)
        return {std::nullopt, QStringLiteral("la lettura non è riuscita: %1").arg(Errore(errore))};
    contenuto.truncate(letti);
    return {std::move(contenuto), {}};
}

std::optional<QString> SovrascriveIngresso(const QString& ingresso, const QString& uscita) {
    struct stat letto {};
    struct stat scritto {};
    if (stat(ByteDaNome(ingresso).constData(), &letto) != 0 || !S_ISREG(letto.st_mode) ||
        stat(ByteDaNome(uscita).constData(), &scritto) != 0 || letto.st_dev != scritto.st_dev ||
        letto.st_ino != scritto.st_ino)
        return std::nullopt;
    return QStringLiteral("«%1» è lo stesso file di «%2», da leggere, che andrebbe perduto")
        .arg(PercorsoMostrato(uscita), PercorsoMostrato(ingresso));
}
