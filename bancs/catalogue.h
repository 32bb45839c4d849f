// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Catalogue de la suite pour le lanceur, sans Qt : les neuf programmes (tirés
// de cmake/programmes.cmake), l'endroit où trouver chacun à côté du lanceur,
// et la disposition des tuiles en grille avec le déplacement aux flèches.

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace catalogue {

struct Programme {
    std::string_view nom;          // nom de l'exécutable (« vek »)
    std::string_view groupe;       // clé du groupe (« machines »)
    // Les textes en français, à traduire dans le contexte « catalogue ».
    std::string_view titre_groupe; // « Bancs de machines »
    std::string_view titre;        // nom dans le menu (« Machines à courant continu »)
    std::string_view fenetre;      // nom de sa fenêtre principale (« machine1 »)
    std::string_view description;  // une ligne, en minuscule initiale
    double largeur = 0;            // la plus large de ses fenêtres, en twips
    double hauteur = 0;            // la plus haute
};

// Les neuf programmes, groupe par groupe, dans l'ordre des tuiles.
std::span<const Programme> programmes();

// Où chercher un programme, dans l'ordre : à côté du lanceur (installation,
// tous les exécutables dans le même dossier), puis dans le dossier de
// construction (<construction>/bancs/bancs et <construction>/vek/vek) ; sous
// Windows, vek.exe.
// Jamais dans le PATH : le lanceur ne démarre que les programmes de sa suite.
std::vector<std::filesystem::path> emplacements(const std::filesystem::path &dossier_lanceur,
                                                std::string_view nom);

// Le premier emplacement qui est un fichier exécutable, ou rien.
std::optional<std::filesystem::path> trouver(const std::filesystem::path &dossier_lanceur,
                                             std::string_view nom);

// Place d'une tuile dans la grille ; chaque ligne porte au-dessus de ses
// tuiles le titre de chaque groupe qui y commence.
struct Case {
    int ligne = 0;
    int colonne = 0;
};

struct Disposition {
    int colonnes = 0;
    int lignes = 0;
    std::vector<Case> tuiles; // une par programme, dans l'ordre de programmes()
};

// Les groupes se suivent ; un groupe commence une nouvelle ligne s'il ne
// tient pas dans ce qui reste de la ligne en cours, et s'étend sur plusieurs
// lignes s'il a plus de tuiles que de colonnes.
Disposition disposer(std::span<const Programme> liste, int colonnes);

enum class Direction { gauche, droite, haut, bas };

// La tuile atteinte depuis « indice » par une flèche : gauche et droite
// suivent l'ordre des tuiles ; haut et bas vont à la ligne voisine, sur la
// même colonne ou la plus proche à gauche. Sans voisine, on reste sur place.
int voisin(const Disposition &d, int indice, Direction direction);

} // namespace catalogue
