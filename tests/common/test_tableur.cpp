// SPDX-License-Identifier: GPL-3.0-or-later
// Tableaux pour un tableur, sans Qt : séparateurs, virgule décimale,
// en-têtes protégés, et les points de l'enregistreur tels que rangés.
#include "courbe_enregistree.h"
#include "tableur.h"

#include <gtest/gtest.h>

TEST(Tableur, SeparateursSelonLeSeparateurDecimal)
{
    const tableur::Tableau t{{"U (V)", "Tu (N.m)"}, {{"-1.5", "2"}, {"1e-05", "0.25"}}};
    const struct {
        const char *nom;
        tableur::Format format;
        const char *attendu;
    } cas[] = {
        // Les points des légendes ne deviennent jamais des virgules.
        {"CSV français", tableur::csv(','), "U (V);Tu (N.m)\r\n-1,5;2\r\n1e-05;0,25\r\n"},
        {"CSV anglais", tableur::csv('.'), "U (V),Tu (N.m)\r\n-1.5,2\r\n1e-05,0.25\r\n"},
        {"presse-papiers français", tableur::presse_papiers(','), "U (V)\tTu (N.m)\n-1,5\t2\n1e-05\t0,25\n"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(tableur::ecrire(t, c.format), c.attendu);
    }
}

TEST(Tableur, UnEnTeteQuiContientLeSeparateurEstEntreGuillemets)
{
    const tableur::Tableau t{{"a;b", "dit \"x\"", "simple"}, {}};
    EXPECT_EQ(tableur::ecrire(t, tableur::csv(',')), "\"a;b\";\"dit \"\"x\"\"\";simple\r\n");
    // Avec des tabulations, le point-virgule ne gêne plus.
    EXPECT_EQ(tableur::ecrire(t, tableur::presse_papiers(',')), "a;b\t\"dit \"\"x\"\"\"\tsimple\n");
}

TEST(Tableur, LesPointsRangesEnSimplePrecisionSEcriventAuPlusCourt)
{
    courbe::Variante v;
    v.grandeurs = {{"U", "U (V)", {}}, {"n", "n (tr/min)", {}}};
    courbe::CourbeEnregistree c;
    c.grandeur_x = 2;
    c.grandeur_y = 0; // axe sans grandeur
    c.nb_points = 2;
    c.x_point[1] = 0.1f; // et non 0.100000001490116
    c.y_point[1] = -3.0f;
    c.x_point[2] = 123456789.0f; // rangé 123456792
    c.y_point[2] = 0.0f;
    c.x_point[3] = 99.0f; // au-delà de nb_points : pas exporté
    const tableur::Tableau t = courbe::tableau_points(c, v);
    EXPECT_EQ(t.entetes, (std::vector<std::string>{"n (tr/min)", "y"}));
    ASSERT_EQ(t.lignes.size(), 2u);
    EXPECT_EQ(t.lignes[0], (std::vector<std::string>{"0.1", "-3"}));
    EXPECT_EQ(t.lignes[1], (std::vector<std::string>{"123456790", "0"}));
}
