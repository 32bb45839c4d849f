// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Textes raccourcis pour les avis d'une ligne : un chemin très long coupé en
// son milieu (le début et le nom du fichier restent lisibles), et la
// citation de ce qu'un programme a écrit sur sa sortie d'erreur, propre et
// courte. Le texte entier reste donné dans les détails (bulle d'aide).

#include <QByteArray>
#include <QString>

namespace texte_court {

// Le chemin, aux séparateurs du système, coupé en son milieu par « … » s'il
// dépasse « maximum » caractères.
QString chemin(const QString &chemin, int maximum = 60);

// La première ligne non vide des octets, décodés selon le système (une suite d'octets
// invalide devient « � »), chaque caractère de commande remplacé (une
// tabulation par une espace, les autres par « � »), sans espaces aux bouts,
// coupée à « maximum » caractères avec « … ».
QString citation(const QByteArray &octets, int maximum = 200);

} // namespace texte_court
