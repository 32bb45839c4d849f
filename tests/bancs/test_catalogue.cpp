// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogue du lanceur : ordre des tuiles, disposition en grille, flèches,
// et recherche des programmes à côté du lanceur.
#include "catalogue.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <fstream>
#include <string>

using catalogue::Direction;

namespace {

std::vector<std::string> noms()
{
    std::vector<std::string> v;
    for (const auto &p : catalogue::programmes())
        v.emplace_back(p.nom);
    return v;
}

} // namespace

TEST(Catalogue, NeufProgrammesGroupesDansLOrdreDeLaSuite)
{
    // Bancs de machines, électronique de puissance, transformateur, champ tournant.
    const std::vector<std::string> attendu{"vek",    "sodel",    "trivon",  "orvalt", "gresil",
                                           "fenoul", "onduleur", "transfo", "virelai"};
    EXPECT_EQ(noms(), attendu);
    for (const auto &p : catalogue::programmes()) {
        SCOPED_TRACE(std::string(p.nom));
        EXPECT_FALSE(p.titre.empty());
        EXPECT_FALSE(p.titre_groupe.empty());
        EXPECT_FALSE(p.description.empty());
        EXPECT_EQ(p.description.find('\n'), std::string_view::npos);
    }
}

TEST(Catalogue, DispositionDesNeufTuilesSurQuatreColonnes)
{
    // Machines sur la première ligne ; les quatre ponts et l'onduleur ne
    // tiennent pas dans la colonne restante et prennent la deuxième ligne ;
    // transformateur et champ tournant partagent la troisième.
    const auto d = catalogue::disposer(catalogue::programmes(), 4);
    const std::array<std::pair<int, int>, 9> attendu{
        {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1}}};
    ASSERT_EQ(d.tuiles.size(), attendu.size());
    EXPECT_EQ(d.lignes, 3);
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.tuiles[i].ligne, attendu[i].first);
        EXPECT_EQ(d.tuiles[i].colonne, attendu[i].second);
    }
}

TEST(Catalogue, GroupesPlusLargesQueLaGrilleEtGrillesDegenerees)
{
    const std::array<catalogue::Programme, 4> liste{{{"a1", "a", "", "", "", ""},
                                                     {"a2", "a", "", "", "", ""},
                                                     {"a3", "a", "", "", "", ""},
                                                     {"b1", "b", "", "", "", ""}}};
    struct Cas {
        int colonnes;
        int lignes;
        std::array<std::pair<int, int>, 4> places;
    };
    const Cas cas[] = {
        // Le groupe a déborde sur la deuxième ligne ; b tient à côté.
        {2, 2, {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}}},
        // b ne tient plus dans la ligne pleine.
        {3, 2, {{{0, 0}, {0, 1}, {0, 2}, {1, 0}}}},
        {4, 1, {{{0, 0}, {0, 1}, {0, 2}, {0, 3}}}},
        // Zéro colonne compte pour une.
        {0, 4, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.colonnes);
        const auto d = catalogue::disposer(liste, c.colonnes);
        EXPECT_EQ(d.lignes, c.lignes);
        ASSERT_EQ(d.tuiles.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(d.tuiles[i].ligne, c.places[i].first) << i;
            EXPECT_EQ(d.tuiles[i].colonne, c.places[i].second) << i;
        }
    }
    EXPECT_EQ(catalogue::disposer({}, 4).lignes, 0);
}

TEST(Catalogue, FlechesSurLaGrilleDuLanceur)
{
    // Grille dessinée à la main :
    //   0 vek     1 sodel   2 trivon
    //   3 orvalt  4 gresil  5 fenoul  6 onduleur
    //   7 transfo 8 virelai
    const auto d = catalogue::disposer(catalogue::programmes(), 4);
    struct Cas {
        int depart;
        Direction direction;
        int arrivee;
    };
    const Cas cas[] = {
        {0, Direction::gauche, 0}, {0, Direction::haut, 0},   {0, Direction::droite, 1},
        {0, Direction::bas, 3},    {2, Direction::droite, 3}, {2, Direction::bas, 5},
        {6, Direction::haut, 2},   {6, Direction::bas, 8},    {6, Direction::droite, 7},
        {5, Direction::bas, 8},    {7, Direction::haut, 3},   {7, Direction::gauche, 6},
        {8, Direction::droite, 8}, {8, Direction::bas, 8},    {8, Direction::haut, 4},
        {4, Direction::haut, 1},   {-1, Direction::bas, -1},  {9, Direction::haut, 9},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(testing::Message() << c.depart << " direction " << static_cast<int>(c.direction));
        EXPECT_EQ(catalogue::voisin(d, c.depart, c.direction), c.arrivee);
    }
}

class Recherche : public testing::Test
{
protected:
    void SetUp() override
    {
        racine_ = std::filesystem::temp_directory_path() /
                  ("bancs_recherche_" + std::to_string(::getpid()) + "_" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(racine_);
        std::filesystem::create_directories(racine_ / "bancs");
    }
    void TearDown() override { std::filesystem::remove_all(racine_); }

    // Un programme : exécutable sous Unix, d'extension .exe sous Windows ;
    // « executable » faux : un fichier que ni l'un ni l'autre ne lancerait.
    void fichier(std::filesystem::path chemin, bool executable)
    {
        std::filesystem::create_directories(chemin.parent_path());
#ifdef _WIN32
        if (executable)
            chemin += ".exe";
#endif
        std::ofstream(chemin) << "#!/bin/sh\n";
#ifndef _WIN32
        ::chmod(chemin.c_str(), executable ? 0755 : 0644);
#endif
    }
    static std::filesystem::path programme(const std::filesystem::path &chemin)
    {
#ifdef _WIN32
        return std::filesystem::path(chemin) += ".exe";
#else
        return chemin;
#endif
    }

    std::filesystem::path racine_;
};

TEST_F(Recherche, InstalleACoteOuDansLaConstruction)
{
    const auto lanceur = racine_ / "bancs";
    // Installation : tout dans le même dossier.
    fichier(lanceur / "orvalt", true);
    // Construction : <construction>/vek/vek à côté de <construction>/bancs.
    fichier(racine_ / "vek" / "vek", true);
    // Les deux : le dossier du lanceur l'emporte.
    fichier(lanceur / "transfo", true);
    fichier(racine_ / "transfo" / "transfo", true);

    EXPECT_EQ(catalogue::trouver(lanceur, "orvalt"), programme(lanceur / "orvalt"));
    EXPECT_EQ(catalogue::trouver(lanceur, "vek"), programme(racine_ / "vek" / "vek"));
    // Un dossier de lanceur écrit avec une barre finale donne les mêmes emplacements.
    EXPECT_EQ(catalogue::trouver(lanceur / "", "vek"), programme(racine_ / "vek" / "vek"));
    EXPECT_EQ(catalogue::trouver(lanceur, "transfo"), programme(lanceur / "transfo"));
}

TEST_F(Recherche, CeQuiNEstPasUnProgrammeNEstPasLance)
{
    const auto lanceur = racine_ / "bancs";
    fichier(lanceur / "gresil", false);                               // pas exécutable
    std::filesystem::create_directories(lanceur / "fenoul");          // un dossier
    std::filesystem::create_directories(racine_ / "sodel" / "sodel"); // un dossier aussi
    fichier(racine_ / "outil", true);                                 // hors des deux emplacements
    const char *absents[] = {"gresil", "fenoul", "sodel", "virelai", "", "../outil", "/bin/sh"};
    for (const char *nom : absents) {
        SCOPED_TRACE(nom);
        EXPECT_FALSE(catalogue::trouver(lanceur, nom).has_value());
    }
}
