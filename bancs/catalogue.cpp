// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "a_traduire.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <array>

namespace catalogue {

namespace {
#include "programmes_suite.h"
} // namespace

std::span<const Programme> programmes()
{
    return table_programmes;
}

std::vector<std::filesystem::path> emplacements(const std::filesystem::path &dossier_lanceur,
                                                std::string_view nom)
{
#ifdef _WIN32
    const std::filesystem::path n(std::string(nom) + ".exe");
    const std::filesystem::path d(nom);
#else
    const std::filesystem::path n(nom);
    const std::filesystem::path &d = n;
#endif
    std::filesystem::path dossier = dossier_lanceur;
    if (!dossier.has_filename())
        dossier = dossier.parent_path(); // « …/bancs/ » comme « …/bancs »
    return {dossier / n, dossier.parent_path() / d / n};
}

std::optional<std::filesystem::path> trouver(const std::filesystem::path &dossier_lanceur,
                                             std::string_view nom)
{
    if (nom.empty() || nom.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    for (const auto &chemin : emplacements(dossier_lanceur, nom)) {
        std::error_code erreur;
        if (!std::filesystem::is_regular_file(chemin, erreur))
            continue;
#ifndef _WIN32
        // Sous Windows, l'extension .exe fait le programme.
        if (::access(chemin.c_str(), X_OK) != 0)
            continue;
#endif
        return chemin;
    }
    return std::nullopt;
}

Disposition disposer(std::span<const Programme> liste, int colonnes)
{
    Disposition d;
    d.colonnes = colonnes < 1 ? 1 : colonnes;
    int ligne = 0, colonne = 0;
    std::size_t i = 0;
    while (i < liste.size()) {
        std::size_t fin = i;
        while (fin < liste.size() && liste[fin].groupe == liste[i].groupe)
            ++fin;
        const int taille = static_cast<int>(fin - i);
        // Un groupe qui ne tient pas dans le reste de la ligne passe à la suivante.
        if (colonne > 0 && colonne + taille > d.colonnes) {
            ++ligne;
            colonne = 0;
        }
        for (; i < fin; ++i) {
            if (colonne == d.colonnes) {
                ++ligne;
                colonne = 0;
            }
            d.tuiles.push_back({ligne, colonne});
            ++colonne;
        }
    }
    d.lignes = d.tuiles.empty() ? 0 : ligne + 1;
    return d;
}

int voisin(const Disposition &d, int indice, Direction direction)
{
    const int n = static_cast<int>(d.tuiles.size());
    if (indice < 0 || indice >= n)
        return indice;
    switch (direction) {
    case Direction::gauche:
        return indice > 0 ? indice - 1 : indice;
    case Direction::droite:
        return indice + 1 < n ? indice + 1 : indice;
    case Direction::haut:
    case Direction::bas: {
        const int ligne = d.tuiles[indice].ligne + (direction == Direction::haut ? -1 : 1);
        const int colonne = d.tuiles[indice].colonne;
        int meilleur = -1;
        for (int j = 0; j < n; ++j) {
            const Case &c = d.tuiles[j];
            if (c.ligne != ligne || c.colonne > colonne)
                continue;
            if (meilleur < 0 || c.colonne > d.tuiles[meilleur].colonne)
                meilleur = j;
        }
        return meilleur < 0 ? indice : meilleur;
    }
    }
    return indice;
}

} // namespace catalogue
