// SPDX-License-Identifier: GPL-3.0-or-later
// Démarrage et surveillance d'un programme sous Windows (voir processus.h).
#include "processus.h"

#include <QTimer>

#include <algorithm>
#include <map>

#include <windows.h>

namespace processus {

namespace {

// Les handles des programmes démarrés et pas encore recueillis, par numéro.
std::map<qint64, HANDLE> &handles()
{
    static std::map<qint64, HANDLE> h;
    return h;
}

std::wstring large(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

// Un argument tel que le lit le démarrage d'un programme Windows
// (CommandLineToArgvW) : entre guillemets s'il le faut, les barres obliques
// inverses doublées devant un guillemet.
std::wstring entre_guillemets(const std::wstring &a)
{
    if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return a;
    std::wstring r = L"\"";
    std::size_t barres = 0;
    for (const wchar_t c : a) {
        if (c == L'\\') {
            ++barres;
            continue;
        }
        r.append(c == L'"' ? 2 * barres + 1 : barres, L'\\');
        barres = 0;
        r.push_back(c);
    }
    r.append(2 * barres, L'\\');
    r.push_back(L'"');
    return r;
}

// Le message du système pour une erreur, dans sa langue (page de code ANSI,
// comme strerror donne la locale sous Unix).
std::string message_systeme(DWORD erreur)
{
    char *texte = nullptr;
    const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, erreur, 0, reinterpret_cast<char *>(&texte), 0, nullptr);
    std::string m = n && texte ? std::string(texte, n) : "erreur " + std::to_string(erreur);
    if (texte)
        ::LocalFree(texte);
    while (!m.empty() && (m.back() == '\n' || m.back() == '\r' || m.back() == ' ' || m.back() == '.'))
        m.pop_back();
    return m;
}

} // namespace

std::optional<Demarre> demarrer(const std::string &programme, const std::vector<std::string> &arguments,
                                std::string &raison)
{
    std::wstring ligne = entre_guillemets(large(programme));
    for (const auto &a : arguments)
        ligne += L" " + entre_guillemets(large(a));

    // Le tube de la sortie d'erreur : seul le bout d'écriture passe au programme.
    SECURITY_ATTRIBUTES heritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE lecture = nullptr, ecriture = nullptr;
    if (!::CreatePipe(&lecture, &ecriture, &heritable, 0)) {
        raison = message_systeme(::GetLastError());
        return std::nullopt;
    }
    ::SetHandleInformation(lecture, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW demarrage{};
    demarrage.cb = sizeof demarrage;
    demarrage.dwFlags = STARTF_USESTDHANDLES;
    demarrage.hStdInput = nullptr;
    demarrage.hStdOutput = nullptr;
    demarrage.hStdError = ecriture;
    PROCESS_INFORMATION pi{};
    const std::wstring chemin = large(programme);
    const BOOL ok = ::CreateProcessW(chemin.c_str(), ligne.data(), nullptr, nullptr, TRUE,
                                     CREATE_NEW_PROCESS_GROUP | CREATE_UNICODE_ENVIRONMENT, nullptr, nullptr,
                                     &demarrage, &pi);
    const DWORD erreur = ::GetLastError();
    ::CloseHandle(ecriture);
    if (!ok) {
        ::CloseHandle(lecture);
        raison = message_systeme(erreur);
        return std::nullopt;
    }
    ::CloseHandle(pi.hThread);
    handles()[pi.dwProcessId] = pi.hProcess;
    return Demarre{static_cast<qint64>(pi.dwProcessId), reinterpret_cast<Tube>(lecture)};
}

std::optional<int> fin(qint64 pid)
{
    const auto it = handles().find(pid);
    if (it == handles().end())
        return statut_inconnu;
    if (::WaitForSingleObject(it->second, 0) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    const bool lu = ::GetExitCodeProcess(it->second, &code);
    ::CloseHandle(it->second);
    handles().erase(it);
    return lu ? static_cast<int>(code) : statut_inconnu;
}

bool reussi(int statut)
{
    return statut == 0;
}

int code_sortie(int statut)
{
    return statut;
}

std::optional<std::string> signal_fatal(int)
{
    return std::nullopt;
}

SortieErreurs::SortieErreurs(Tube tube) : tube_(tube)
{
    auto minuterie = std::make_unique<QTimer>();
    QObject::connect(minuterie.get(), &QTimer::timeout, [this] { lire(); });
    minuterie->start(100);
    reveil_ = std::move(minuterie);
}

SortieErreurs::~SortieErreurs()
{
    reveil_.reset();
    if (tube_ != aucun_tube)
        ::CloseHandle(reinterpret_cast<HANDLE>(tube_));
}

void SortieErreurs::lire()
{
    char tampon[4096];
    while (tube_ != aucun_tube) {
        const HANDLE h = reinterpret_cast<HANDLE>(tube_);
        DWORD disponibles = 0;
        if (!::PeekNamedPipe(h, nullptr, 0, nullptr, &disponibles, nullptr)) {
            fermer(); // le programme (et ceux qui en ont hérité) l'ont fermé
            return;
        }
        if (disponibles == 0)
            return;
        DWORD lus = 0;
        if (!::ReadFile(h, tampon, std::min<DWORD>(disponibles, sizeof tampon), &lus, nullptr) || lus == 0) {
            fermer();
            return;
        }
        garder(tampon, lus);
    }
}

void SortieErreurs::fermer()
{
    // Appelé depuis le réveil lui-même : il est détruit une fois rendu la main.
    reveil_->blockSignals(true);
    reveil_.release()->deleteLater();
    ::CloseHandle(reinterpret_cast<HANDLE>(tube_));
    tube_ = aucun_tube;
}

} // namespace processus
