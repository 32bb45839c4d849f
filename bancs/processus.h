// SPDX-License-Identifier: GPL-3.0-or-later
// Démarrage d'un programme de la suite par le lanceur : le programme est un
// enfant direct du lanceur (son statut de fin se lit par waitpid), dans sa
// propre session (fermer le terminal du lanceur ne l'arrête pas), et sa sortie
// d'erreur passe par un tube que le lanceur vide tant qu'il tourne. Rien n'est
// écrit sur le disque ; quand le lanceur se ferme, le tube se ferme, et le
// programme, qui ignore SIGPIPE, voit ses écritures sur la sortie d'erreur
// échouer sans être arrêté ni bloqué.
#pragma once

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

namespace processus {

// Statut de fin d'un programme que le système n'a pas laissé recueillir.
inline constexpr int statut_inconnu = -1;

struct Demarre {
    qint64 pid = 0;
    int erreurs = -1; // bout du tube où se lit la sortie d'erreur (non bloquant)
};

// Démarre « programme » avec « arguments ». En cas d'échec, rien ne reste
// ouvert et « raison » dit pourquoi (dans la langue du système).
std::optional<Demarre> demarrer(const std::string &programme, const std::vector<std::string> &arguments,
                                std::string &raison);

// Le statut de fin du programme « pid » s'il s'est terminé (il est alors
// recueilli : pas de zombie), rien s'il tourne encore.
std::optional<int> fin(qint64 pid);

// La sortie d'erreur d'un programme démarré : lue à mesure qu'elle arrive, ses
// premiers octets gardés (la première ligne sert au message d'un programme
// qui s'arrête aussitôt), le reste jeté : ni disque ni mémoire qui grandissent.
class SortieErreurs
{
public:
    static constexpr qsizetype gardes_max = 4096;

    explicit SortieErreurs(int descripteur);
    ~SortieErreurs();
    SortieErreurs(const SortieErreurs &) = delete;
    SortieErreurs &operator=(const SortieErreurs &) = delete;

    // Lit tout ce qui est déjà dans le tube (sans attendre).
    void lire();
    const QByteArray &debut() const { return debut_; }
    // Faux quand le programme (et ceux qui ont hérité de sa sortie d'erreur)
    // l'a fermée.
    bool ouverte() const { return descripteur_ >= 0; }

private:
    void fermer();

    int descripteur_;
    std::unique_ptr<QSocketNotifier> notificateur_;
    QByteArray debut_;
};

} // namespace processus
