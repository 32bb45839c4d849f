// SPDX-License-Identifier: GPL-3.0-or-later
#include "processus.h"

#include <QSocketNotifier>


#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace processus {

namespace {

void fermer_tube(int tube[2])
{
    for (int i = 0; i < 2; ++i)
        if (tube[i] >= 0)
            ::close(tube[i]);
}

} // namespace

std::optional<Demarre> demarrer(const std::string &programme, const std::vector<std::string> &arguments,
                                std::string &raison)
{
    // Tout ce que l'enfant utilise est préparé avant fork : entre fork et
    // exec, il n'appelle que des fonctions sûres dans un processus à threads.
    std::vector<std::string> mots{programme};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (auto &m : mots)
        argv.push_back(m.data());
    argv.push_back(nullptr);

    int erreurs[2] = {-1, -1}; // la sortie d'erreur du programme
    int exec[2] = {-1, -1};    // l'errno d'un exec qui échoue ; fermé par un exec réussi
    if (::pipe2(erreurs, O_CLOEXEC) != 0 || ::pipe2(exec, O_CLOEXEC) != 0) {
        raison = std::strerror(errno);
        fermer_tube(erreurs);
        fermer_tube(exec);
        return std::nullopt;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        raison = std::strerror(errno);
        fermer_tube(erreurs);
        fermer_tube(exec);
        return std::nullopt;
    }
    if (pid == 0) {
        ::setsid();
        // Une disposition « ignoré » traverse exec : le programme n'est pas
        // tué en écrivant sur un tube que le lanceur a fermé.
        struct sigaction ignorer {};
        ignorer.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignorer, nullptr);
        sigset_t aucun;
        sigemptyset(&aucun);
        ::sigprocmask(SIG_SETMASK, &aucun, nullptr);
        ::dup2(erreurs[1], STDERR_FILENO); // dup2 ne garde pas O_CLOEXEC
        ::execv(argv[0], argv.data());
        const int e = errno;
        [[maybe_unused]] const auto n = ::write(exec[1], &e, sizeof e);
        ::_exit(127);
    }
    ::close(erreurs[1]);
    ::close(exec[1]);
    int e = 0;
    ssize_t lu;
    do
        lu = ::read(exec[0], &e, sizeof e);
    while (lu < 0 && errno == EINTR);
    ::close(exec[0]);
    if (lu == static_cast<ssize_t>(sizeof e)) {
        ::close(erreurs[0]);
        int statut = 0;
        while (::waitpid(pid, &statut, 0) < 0 && errno == EINTR) {
        }
        raison = std::strerror(e);
        return std::nullopt;
    }
    ::fcntl(erreurs[0], F_SETFL, ::fcntl(erreurs[0], F_GETFL) | O_NONBLOCK);
    return Demarre{pid, erreurs[0]};
}

std::optional<int> fin(qint64 pid)
{
    int statut = 0;
    const pid_t r = ::waitpid(static_cast<pid_t>(pid), &statut, WNOHANG);
    if (r == pid)
        return statut;
    // Recueilli par un autre, ou disparu : il s'est terminé, sans statut lisible.
    if (r < 0 && errno == ECHILD && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return statut_inconnu;
    return std::nullopt;
}

bool reussi(int statut)
{
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

int code_sortie(int statut)
{
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

std::optional<std::string> signal_fatal(int statut)
{
    if (!WIFSIGNALED(statut))
        return std::nullopt;
    const char *nom = sigabbrev_np(WTERMSIG(statut));
    return nom ? std::string(nom) : std::to_string(WTERMSIG(statut));
}

SortieErreurs::SortieErreurs(Tube tube) : tube_(tube)
{
    auto notificateur = std::make_unique<QSocketNotifier>(tube, QSocketNotifier::Read);
    QObject::connect(notificateur.get(), &QSocketNotifier::activated, [this] { lire(); });
    reveil_ = std::move(notificateur);
}

SortieErreurs::~SortieErreurs()
{
    reveil_.reset();
    if (tube_ != aucun_tube)
        ::close(static_cast<int>(tube_));
}

void SortieErreurs::lire()
{
    char tampon[4096];
    while (tube_ != aucun_tube) {
        const ssize_t n = ::read(static_cast<int>(tube_), tampon, sizeof tampon);
        if (n > 0) {
            garder(tampon, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        } else {
            fermer(); // fin du tube : le programme (et ses enfants) l'ont fermé
        }
    }
}

void SortieErreurs::fermer()
{
    // Appelé depuis le réveil lui-même : il est détruit une fois rendu la main.
    reveil_->blockSignals(true);
    reveil_.release()->deleteLater();
    ::close(static_cast<int>(tube_));
    tube_ = aucun_tube;
}

} // namespace processus
