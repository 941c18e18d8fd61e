#include "plateforme/noyau/images_processus.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace plateforme::processus {

namespace {

using Horloge = std::chrono::steady_clock;

// The data the process maps now, in bytes, as RLIMIT_DATA counts it (VmData);
// -1 when unknown. System calls only: this runs in the child.
qint64 donneesTenues() {
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    char texte[8192];
    std::size_t lus = 0;
    for (ssize_t n;
         lus < sizeof texte - 1 && (n = ::read(fd, texte + lus, sizeof texte - 1 - lus)) > 0;)
        lus += std::size_t(n);
    ::close(fd);
    texte[lus] = '\0';
    const char* p = std::strstr(texte, "\nVmData:");
    if (!p)
        return -1;
    p += std::strlen("\nVmData:");
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p < '0' || *p > '9')
        return -1;
    qint64 ko = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        ko = ko * 10 + (*p - '0');
    return ko * 1024;
}

// Lowers a limit of the child's, within what the system allows it.
void limiter(int ressource, rlim_t valeur) {
    rlimit limite{};
    if (::getrlimit(ressource, &limite) != 0)
        return;
    limite.rlim_cur = std::min(valeur, limite.rlim_max);
    ::setrlimit(ressource, &limite);
}

[[noreturn]] void enfant(const std::function<bool(int)>& travail, int sortie, Bornes bornes,
                         pid_t parent) {
    // Should the parent end first, the child has no one to answer.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(1);
    // A crash ends the child and shows in its status only: not through the
    // handlers the parent installed (a test's, a sanitizer's), nor on its output.
    struct sigaction parDefaut {};
    parDefaut.sa_handler = SIG_DFL;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGPIPE, SIGXCPU})
        ::sigaction(signal, &parDefaut, nullptr);
    sigset_t aucun;
    ::sigemptyset(&aucun);
    ::pthread_sigmask(SIG_SETMASK, &aucun, nullptr);
    if (const int nul = ::open("/dev/null", O_WRONLY); nul >= 0) {
        ::dup2(nul, STDOUT_FILENO);
        ::dup2(nul, STDERR_FILENO);
    }
    // Time spent computing, should the parent not be there to stop it.
    const auto secondes = std::chrono::ceil<std::chrono::seconds>(bornes.duree).count() + 1;
    limiter(RLIMIT_CPU, rlim_t(secondes));
    // Memory counted from what the child holds already: a sanitizer reserves
    // terabytes of address space at start, so no absolute limit would fit
    // both kinds of build. The data limit counts writable private mappings
    // and the heap, the memory an allocation takes.
    if (const qint64 tenues = donneesTenues(); tenues >= 0)
        limiter(RLIMIT_DATA, rlim_t(tenues + bornes.memoire));
    bool reussi = false;
    try {
        reussi = travail(sortie);
    } catch (...) {
    }
    // No exit handlers, no flush of the buffers copied from the parent.
    ::_exit(reussi ? 0 : 1);
}

} // namespace

bool ecrire(int sortie, const void* octets, std::size_t n) {
    const char* p = static_cast<const char*>(octets);
    while (n > 0) {
        const ssize_t ecrits = ::write(sortie, p, n);
        if (ecrits < 0 && errno == EINTR)
            continue;
        if (ecrits <= 0)
            return false;
        p += ecrits;
        n -= std::size_t(ecrits);
    }
    return true;
}

std::optional<QByteArray> executer(const std::function<bool(int)>& travail, Bornes bornes) {
    const auto echeance = Horloge::now() + bornes.duree;
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tube[0]);
        enfant(travail, tube[1], bornes, parent);
    }
    ::close(tube[1]);
    if (pid < 0) {
        ::close(tube[0]);
        return std::nullopt;
    }
    ::fcntl(tube[0], F_SETFL, O_NONBLOCK);
    // Readable once the child has ended, even while another child forked
    // meanwhile still holds the writing end of the pipe.
    const int fin = int(::syscall(SYS_pidfd_open, pid, 0));

    QByteArray recu;
    bool trop = false;
    // Takes what the pipe holds; false once it is closed (or too much came).
    const auto lire = [&] {
        char tampon[65536];
        for (;;) {
            const ssize_t n = ::read(tube[0], tampon, sizeof tampon);
            if (n > 0) {
                trop = recu.size() + n > bornes.memoire;
                if (trop)
                    return false;
                recu.append(tampon, n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return n < 0 && errno == EAGAIN;
            }
        }
    };
    bool ouvert = true, termine = false;
    int statut = 0;
    for (;;) {
        const pid_t attendu = ::waitpid(pid, &statut, WNOHANG);
        if (attendu == pid) {
            termine = true;
            break;
        }
        const auto reste =
            std::chrono::duration_cast<std::chrono::milliseconds>(echeance - Horloge::now());
        if ((attendu < 0 && errno != EINTR) || trop || reste.count() <= 0)
            break;
        pollfd attente[2] = {{ouvert ? tube[0] : -1, POLLIN, 0}, {fin, POLLIN, 0}};
        // Without a pidfd, the end of the child is looked for every few milliseconds.
        const int delai = int(std::min<qint64>(reste.count(), fin < 0 ? 5 : INT_MAX));
        if (::poll(attente, 2, delai) < 0 && errno != EINTR)
            break;
        if (ouvert && attente[0].revents)
            ouvert = lire();
    }
    if (!termine) {
        ::kill(pid, SIGKILL);
        pid_t attendu;
        while ((attendu = ::waitpid(pid, &statut, 0)) < 0 && errno == EINTR) {
        }
        termine = attendu == pid;
    }
    // What the child wrote before it ended may still wait in the pipe.
    if (ouvert && !trop)
        lire();
    ::close(tube[0]);
    if (fin >= 0)
        ::close(fin);
    if (!termine || trop || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        return std::nullopt;
    return recu;
}

} // namespace plateforme::processus
