#include "FileTemporaneo.h"

#include <QRandomGenerator>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A hidden name a signal removes. The handler may run on any thread, in the middle of anything: the
// state is lock-free, and the handler reads the name only once it is whole.
struct Posto {
    std::atomic<int> stato{0}; // free, being filled, named
    int cartella = -1;
    char nome[24] = {};
};
enum { Libero, Riempito, Nominato };
static_assert(std::atomic<int>::is_always_lock_free);
std::array<Posto, 4> posti;

// Only what is safe in a signal handler: unlinkat, signal, raise.
void RimuoviEFinisci(int segnale) {
    for (Posto& posto : posti)
        if (posto.stato.load() == Nominato)
            unlinkat(posto.cartella, posto.nome, 0);
    signal(segnale, SIG_DFL);
    raise(segnale); // delivered, as it would have been, when the handler returns
}

QByteArray NomeNascosto() {
    static constexpr char Cifre[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray nome = ".velantra-";
    for (int i = 0; i < 6; ++i)
        nome += Cifre[QRandomGenerator::global()->bounded(int(sizeof Cifre - 1))];
    return nome;
}

// A hidden name lost to a collision is tried again, this many times at most.
constexpr int Tentativi = 100;

} // namespace

FileTemporaneo::FileTemporaneo(const QByteArray& nomeCartella) {
    cartella = open(nomeCartella.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (cartella < 0) {
        errore = errno;
        return;
    }
    // An unnamed file is named later through /proc/self/fd, which a chroot may lack.
    if (access("/proc/self/fd", X_OK) == 0) {
        descrittore = openat(cartella, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        anonimo = descrittore >= 0;
        if (!anonimo && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            errore = errno;
            return;
        }
    }
    if (!anonimo)
        errore = DaiNome();
}

FileTemporaneo::~FileTemporaneo() {
    if (!nome.isEmpty())
        unlinkat(cartella, nome.constData(), 0);
    Libera();
    if (descrittore >= 0)
        close(descrittore);
    if (cartella >= 0)
        close(cartella);
}

// Gives the file a hidden name of its own: makes it, or links the unnamed one there. The name is given
// to the signal handler before it exists, as the process may be stopped and ended right after making
// it; a name found taken is withdrawn at once.
int FileTemporaneo::DaiNome() {
    const QByteArray proprio = "/proc/self/fd/" + QByteArray::number(descrittore);
    for (int i = 0; i < Tentativi; ++i) {
        const QByteArray prova = NomeNascosto();
        Prenota(prova);
        const bool fatto =
            anonimo
                ? linkat(AT_FDCWD, proprio.constData(), cartella, prova.constData(), AT_SYMLINK_FOLLOW) == 0
                : (descrittore = openat(cartella, prova.constData(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)) >= 0;
        if (fatto) {
            nome = prova;
            return 0;
        }
        const int motivo = errno;
        Libera();
        if (motivo != EEXIST)
            return motivo;
    }
    return EEXIST;
}

// With every place taken, a signal leaves the file behind; any failure still removes it.
void FileTemporaneo::Prenota(const QByteArray& prova) {
    for (std::size_t p = 0; p < posti.size() && posto < 0; ++p) {
        int libero = Libero;
        if (posti[p].stato.compare_exchange_strong(libero, Riempito)) {
            posti[p].cartella = cartella;
            std::memcpy(posti[p].nome, prova.constData(), size_t(prova.size()) + 1);
            posti[p].stato.store(Nominato);
            posto = int(p);
        }
    }
}

void FileTemporaneo::Libera() {
    if (posto >= 0)
        posti[size_t(posto)].stato.store(Libero);
    posto = -1;
}

int FileTemporaneo::Sostituisci(const QByteArray& bersaglio) {
    if (anonimo && nome.isEmpty())
        if (const int motivo = DaiNome())
            return motivo;
    const int chiuso = close(descrittore);
    descrittore = -1;
    if (chiuso != 0)
        return errno;
    if (renameat(cartella, nome.constData(), cartella, bersaglio.constData()) != 0)
        return errno;
    Libera();
    nome.clear();
    return 0;
}

void FileTemporaneo::PreparaSegnali() {
    for (const int segnale : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction attuale {};
        if (sigaction(segnale, nullptr, &attuale) != 0 || attuale.sa_handler != SIG_DFL)
            continue;
        struct sigaction nuova {};
        nuova.sa_handler = RimuoviEFinisci;
        sigemptyset(&nuova.sa_mask);
        sigaction(segnale, &nuova, nullptr);
    }
}
