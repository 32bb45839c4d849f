// SPDX-License-Identifier: GPL-3.0-or-later
// Démarrage d'un programme de la suite par le lanceur, et surveillance de ses
// premières secondes. Le programme est un enfant direct du lanceur, qui lit
// son statut de fin ; sa sortie d'erreur passe par un tube que le lanceur vide
// tant qu'il tourne. Rien n'est écrit sur le disque.
// Sous Unix (processus.cpp) : fork et exec, le programme dans sa propre
// session (fermer le terminal du lanceur ne l'arrête pas) ; quand le lanceur
// se ferme, le tube se ferme, et le programme, qui ignore SIGPIPE, voit ses
// écritures sur la sortie d'erreur échouer sans être arrêté ni bloqué.
// Sous Windows (processus_windows.cpp) : CreateProcess, le statut lu sur le
// handle du processus ; une écriture sur un tube fermé y échoue de même.
#pragma once

#include <QByteArray>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;

namespace processus {

// Statut de fin d'un programme que le système n'a pas laissé recueillir.
inline constexpr int statut_inconnu = -1;

// Le bout du tube où se lit la sortie d'erreur : un descripteur sous Unix
// (non bloquant), un handle sous Windows.
using Tube = qintptr;
inline constexpr Tube aucun_tube = -1;

struct Demarre {
    qint64 pid = 0;
    Tube erreurs = aucun_tube;
};

// Démarre « programme » avec « arguments » (chemin et arguments en UTF-8,
// les octets du système de fichiers sous Unix). En cas d'échec, rien ne reste
// ouvert et « raison » dit pourquoi (dans la langue du système).
std::optional<Demarre> demarrer(const std::string &programme, const std::vector<std::string> &arguments,
                                std::string &raison);

// Le statut de fin du programme « pid » s'il s'est terminé (il est alors
// recueilli : pas de zombie), rien s'il tourne encore.
std::optional<int> fin(qint64 pid);

// Ce que dit un statut de fin (autre que statut_inconnu) : terminé sans
// erreur, le code de sortie, ou le signal qui l'a arrêté (Unix : « SEGV »…).
bool reussi(int statut);
int code_sortie(int statut);
std::optional<std::string> signal_fatal(int statut);

// La sortie d'erreur d'un programme démarré : lue à mesure qu'elle arrive, ses
// premiers octets gardés (la première ligne sert au message d'un programme
// qui s'arrête aussitôt), le reste jeté : ni disque ni mémoire qui grandissent.
class SortieErreurs
{
public:
    static constexpr qsizetype gardes_max = 4096;

    explicit SortieErreurs(Tube tube);
    ~SortieErreurs();
    SortieErreurs(const SortieErreurs &) = delete;
    SortieErreurs &operator=(const SortieErreurs &) = delete;

    // Lit tout ce qui est déjà dans le tube (sans attendre).
    void lire();
    const QByteArray &debut() const { return debut_; }
    // Faux quand le programme (et ceux qui ont hérité de sa sortie d'erreur)
    // l'a fermée.
    bool ouverte() const { return tube_ != aucun_tube; }

private:
    // Les premiers octets lus gardés, le reste jeté.
    void garder(const char *octets, qint64 n)
    {
        const qsizetype place = gardes_max - debut_.size();
        if (place > 0)
            debut_.append(octets, std::min<qsizetype>(place, n));
    }
    void fermer();

    Tube tube_;
    // Ce qui appelle lire() quand il y a de quoi : l'arrivée de données sous
    // Unix, une minuterie sous Windows (un tube anonyme ne se surveille pas).
    std::unique_ptr<QObject> reveil_;
    QByteArray debut_;
};

} // namespace processus
