// SPDX-License-Identifier: GPL-3.0-or-later
// Spectres et puissances des quatre montages, comparés aux formules du cours
// d'électronique de puissance (calculées ici avec le vrai π : les modèles,
// avec 3,14159, s'en écartent d'un millionième).
#include "pont_diodes.h"
#include "pont_mixte.h"
#include "pont_onduleur.h"
#include "pont_tout_thyristor.h"
#include "harmoniques.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using oscillo::Forme;
using std::numbers::pi;
using std::numbers::sqrt2;

namespace {

constexpr double T = 0.02;     // 50 Hz
const double Vmax = 24 * sqrt2; // 24 V efficaces

oscillo::Spectre spectre_de(const oscillo::Circuit &c, int indice)
{
    return oscillo::spectre(c.forme(indice, 0.0, 50), T);
}

oscillo::Puissances puissances_de(const oscillo::Circuit &c)
{
    const oscillo::Dipole d = c.dipole();
    return oscillo::puissances(c.forme(d.tension, 0.0, 50), c.forme(d.courant, 0.0, 50), T);
}

struct Verification {
    std::string nom;
    double obtenu, attendu, tolerance;
};

} // namespace

TEST(Spectre, LesFormulesDuCours)
{
    std::vector<Verification> v;
    const auto ajouter = [&](std::string nom, double obtenu, double attendu, double tolerance) {
        v.push_back({std::move(nom), obtenu, attendu, tolerance});
    };

    // Pont de diodes, courant lissé Ic : is est un créneau ±Ic.
    {
        fenoul::PontDiodes p;
        const double Ic = p.imoy();
        const auto is = spectre_de(p, fenoul::i_is);
        ajouter("fenoul is I1 = 2√2/π Ic", is.rangs[0].efficace, 2 * sqrt2 / pi * Ic, 1e-4);
        for (int n : {2, 3, 5, 6, 49, 50})
            ajouter("fenoul is I" + std::to_string(n), is.rangs[n - 1].efficace,
                    n % 2 ? 2 * sqrt2 / pi * Ic / n : 0.0, 1e-5);
        ajouter("fenoul is THD", *is.thd, 100 * std::sqrt(pi * pi / 8 - 1), 0.005);
        const auto pw = puissances_de(p);
        ajouter("fenoul k", *pw.k, 2 * sqrt2 / pi, 1e-4);
        ajouter("fenoul cos φ1", *pw.cos_phi1, 1.0, 1e-5);
        const auto uc = spectre_de(p, fenoul::i_uc);
        ajouter("fenoul uc moyenne", uc.moyenne, 2 * Vmax / pi, 0.005);
        ajouter("fenoul uc rang 1 nul", uc.rangs[0].efficace, 0.0, 0.0);
        ajouter("fenoul uc rang 2", uc.rangs[1].efficace, 4 * Vmax / (3 * pi) / sqrt2, 0.005);
        EXPECT_FALSE(uc.thd) << "pas de THD sans fondamental";
    }
    // Pont tout thyristors sans f.é.m. : k = 0,9003 cos α, cos φ1 = cos α.
    for (double alpha : {30.0, 60.0, 90.0}) {
        orvalt::PontToutThyristor p;
        ASSERT_TRUE(p.fixer_alpha(alpha));
        const auto pw = puissances_de(p);
        const std::string a = " à " + std::to_string(static_cast<int>(alpha)) + "°";
        ajouter("orvalt k" + a, *pw.k, 2 * sqrt2 / pi * std::cos(alpha * pi / 180), 1e-4);
        ajouter("orvalt cos φ1" + a, *pw.cos_phi1, std::cos(alpha * pi / 180), 1e-4);
    }
    // Pont mixte : is vaut ±Ic pendant π - α par alternance.
    for (double alpha : {0.0, 45.0, 90.0, 135.0}) {
        gresil::PontMixte p;
        ASSERT_TRUE(p.fixer_alpha(alpha));
        const double Ic = p.imoy(), a = alpha * pi / 180;
        const auto is = spectre_de(p, gresil::i_is);
        const std::string s = " à " + std::to_string(static_cast<int>(alpha)) + "°";
        ajouter("gresil I1" + s, is.rangs[0].efficace, 2 * sqrt2 / pi * Ic * std::cos(a / 2), 1e-4);
        ajouter("gresil Is" + s, is.efficace, Ic * std::sqrt((pi - a) / pi), 1e-4);
        ajouter("gresil cos φ1" + s, *puissances_de(p).cos_phi1, std::cos(a / 2), 1e-4);
    }
    // Onduleur : u est un créneau ±E ; la charge R, L filtre les harmoniques de i.
    {
        onduleur::PontOnduleur p;
        const double E = p.e_continue(), R = p.r(), L = p.l(), w = 2 * pi * 50;
        const auto u = spectre_de(p, onduleur::i_u);
        const auto i = spectre_de(p, onduleur::i_i);
        ajouter("onduleur U1 = 2√2 E/π", u.rangs[0].efficace, 2 * sqrt2 * E / pi, 1e-4);
        ajouter("onduleur u THD", *u.thd, 100 * std::sqrt(pi * pi / 8 - 1), 0.005);
        for (int n : {1, 3, 5, 7, 49})
            ajouter("onduleur I" + std::to_string(n), i.rangs[n - 1].efficace,
                    2 * sqrt2 * E / (pi * n) / std::hypot(R, n * w * L), 1e-6);
        const auto pw = puissances_de(p);
        ajouter("onduleur cos φ1", *pw.cos_phi1, R / std::hypot(R, w * L), 1e-4);
        ajouter("onduleur P = R I²", pw.P, R * i.efficace * i.efficace, 1e-5);
        ajouter("onduleur P = E . moyenne de iE", pw.P, E * p.moyenne_iE(), 1e-5);
        ajouter("onduleur P ≈ 2,19 W", pw.P, 2.19, 0.005);
        // Créneau : somme des carrés jusqu'au rang 49 = U² . (8/π²) . somme des 1/n² impairs.
        double partielle = 0;
        for (int n = 1; n <= 49; n += 2)
            partielle += 1.0 / (n * n);
        double somme = 0;
        for (const auto &h : u.rangs)
            somme += h.efficace * h.efficace;
        ajouter("onduleur u somme des carrés", somme, E * E * 8 / (pi * pi) * partielle, 1e-3);
    }

    for (const auto &x : v) {
        SCOPED_TRACE(x.nom);
        EXPECT_NEAR(x.obtenu, x.attendu, x.tolerance);
    }
}

// Pour chaque grandeur des quatre montages (hors impulsions de gâchette), la
// somme des carrés de la moyenne et des cinquante premiers rangs approche le
// carré de la valeur efficace par en dessous : ce qui manque est la queue de
// la série, au plus 3 % pour des formes à sauts (rangs en 1/n).
TEST(Spectre, LaSommeDesCarresApprocheLaValeurEfficaceParEnDessous)
{
    orvalt::PontToutThyristor orvalt;
    orvalt.fixer_alpha(60);
    gresil::PontMixte gresil;
    gresil.fixer_alpha(60);
    fenoul::PontDiodes fenoul;
    onduleur::PontOnduleur onduleur;
    const oscillo::Circuit *circuits[] = {&orvalt, &gresil, &fenoul, &onduleur};
    for (const oscillo::Circuit *c : circuits)
        for (std::size_t k = 0; k < c->grandeurs().size(); ++k) {
            if (c->grandeurs()[k].classe == oscillo::Classe::commande)
                continue;
            SCOPED_TRACE(std::string(c->grandeurs()[k].legende));
            const auto s = spectre_de(*c, static_cast<int>(k));
            double somme = s.moyenne * s.moyenne;
            for (const auto &h : s.rangs)
                somme += h.efficace * h.efficace;
            const double carre = s.efficace * s.efficace;
            EXPECT_LE(somme, carre * (1 + 1e-9));
            EXPECT_GE(somme, carre * 0.97);
        }
}

// Rien ne circule (pont bloqué par la f.é.m.) : ni facteur de puissance ni
// déphasage, et aucun nombre non fini.
TEST(Spectre, PontBloqueSansFacteursNiNombreNonFini)
{
    orvalt::PontToutThyristor p;
    p.fixer_e(30); // plus que 2 Vmax/π = 21,6 V
    ASSERT_TRUE(p.bloque());
    const auto pw = puissances_de(p);
    EXPECT_EQ(pw.P, 0);
    EXPECT_EQ(pw.S, 0);
    EXPECT_FALSE(pw.k);
    EXPECT_FALSE(pw.cos_phi1);
    const auto is = spectre_de(p, orvalt::i_is);
    EXPECT_FALSE(is.thd);
    EXPECT_FALSE(oscillo::spectre(Forme{}, 0.0).thd);
}

// Écriture d'une valeur du spectre : quatre chiffres significatifs, zéros de
// fin gardés, préfixe SI plutôt qu'exposant, phases dans ]-180, 180], hors
// d'échelle plutôt qu'un nombre faux.
TEST(Spectre, EcritureDesLectures)
{
    using oscillo::Sorte;
    const struct {
        double x;
        Sorte sorte;
        const char *chiffres; // nullptr : hors d'échelle
        int puissance;
        const char *decimal;
    } cas[] = {
        {1.08, Sorte::grandeur, "1.080", 0, "1.080"},
        {0.05644, Sorte::grandeur, "56.44", -3, "0.05644"},
        {-0.005, Sorte::grandeur, "-5.000", -3, "-0.005000"},
        {8.073e-05, Sorte::grandeur, "80.73", -6, "0.00008073"},
        {1234.5678, Sorte::grandeur, "1.235", 3, "1235"},
        {999.96, Sorte::grandeur, "1.000", 3, "1000"},
        {1.234e10, Sorte::grandeur, "12.34", 9, "12340000000"},
        {0.0, Sorte::grandeur, "0", 0, "0"},
        {1e-16, Sorte::grandeur, nullptr, 0, ""},
        {-1e12, Sorte::grandeur, nullptr, 0, ""},
        {std::numeric_limits<double>::infinity(), Sorte::grandeur, nullptr, 0, ""},
        {100.0, Sorte::pourcentage, "100.0", 0, "100.0"},
        {0.5, Sorte::pourcentage, "0.5000", 0, "0.5000"},
        {0.0012345, Sorte::pourcentage, "0.001234", 0, "0.001234"},
        {299999.7, Sorte::pourcentage, "300000", 0, "300000"},
        {1e12, Sorte::pourcentage, nullptr, 0, ""},
        {-88.9281, Sorte::phase, "-88.93", 0, "-88.93"},
        {-10.0, Sorte::phase, "-10.00", 0, "-10.00"},
        {-180.0, Sorte::phase, "180.0", 0, "180.0"},
        {-179.96, Sorte::phase, "180.0", 0, "180.0"},
        {540.0, Sorte::phase, "180.0", 0, "180.0"},
        {-1e-9, Sorte::phase, "0.00", 0, "0.00"},
        {123.456, Sorte::phase, "123.5", 0, "123.5"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.x);
        const oscillo::Lecture l = oscillo::lecture(c.x, c.sorte);
        if (!c.chiffres) {
            EXPECT_EQ(l.etat, oscillo::Lecture::Etat::hors_echelle);
            continue;
        }
        ASSERT_TRUE(l.nombre());
        EXPECT_EQ(l.chiffres, c.chiffres);
        EXPECT_EQ(l.puissance, c.puissance);
        EXPECT_EQ(l.decimal(), c.decimal);
        EXPECT_EQ(l.zero(), c.x == 0.0 || std::string(c.chiffres) == "0.00");
    }
}

// Sur une grille de réglages des quatre montages, f.é.m. absurdes comprises,
// aucune lecture ne contredit une autre : une valeur non nulle ne se lit
// jamais 0, ni THD ni % à côté d'une valeur efficace ou d'un fondamental qui
// se lit 0, une phase seulement pour une harmonique non nulle, jamais
// d'exposant, et un calcul qui déborde ne montre que « hors d'échelle ».
TEST(Spectre, AucuneLectureNeContreditUneAutre)
{
    struct Reglage {
        std::string nom;
        std::unique_ptr<oscillo::Circuit> circuit;
        bool deborde;
    };
    std::vector<Reglage> reglages;
    const auto court = [](double x) {
        char t[32];
        std::snprintf(t, sizeof t, "%g", x);
        return std::string(t);
    };
    for (double alpha : {0.0, 60.0, 90.0, 179.99999})
        for (double e : {0.0, 10.0, -1e9, -1e12, -1e300}) {
            auto p = std::make_unique<orvalt::PontToutThyristor>();
            p->fixer_alpha(alpha);
            p->fixer_e(e);
            reglages.push_back({"orvalt α=" + court(alpha) + " e=" + court(e), std::move(p), e == -1e300});
        }
    for (double alpha : {0.0, 90.0, 175.0, 179.99999}) {
        auto p = std::make_unique<gresil::PontMixte>();
        p->fixer_alpha(alpha);
        reglages.push_back({"gresil α=" + court(alpha), std::move(p), false});
    }
    reglages.push_back({"fenoul", std::make_unique<fenoul::PontDiodes>(), false});
    reglages.push_back({"onduleur", std::make_unique<onduleur::PontOnduleur>(), false});

    const auto sans_exposant = [](const oscillo::Lecture &l) {
        return l.chiffres.find_first_of("eE") == std::string::npos;
    };
    for (const Reglage &r : reglages)
        for (std::size_t k = 0; k < r.circuit->grandeurs().size(); ++k) {
            SCOPED_TRACE(r.nom + " " + std::string(r.circuit->grandeurs()[k].legende));
            const oscillo::ContenuSpectre c = oscillo::contenu_spectre(*r.circuit, static_cast<int>(k), 0.0, 50);
            const auto hors = [](const oscillo::Lecture &l) { return l.etat == oscillo::Lecture::Etat::hors_echelle; };
            if (r.deborde) {
                EXPECT_TRUE(hors(c.P) && hors(c.S) && hors(c.k));
                if (k == orvalt::i_ic) {
                    EXPECT_TRUE(hors(c.efficace));
                }
            }
            if (hors(c.efficace)) {
                EXPECT_TRUE(hors(c.moyenne) && hors(c.fondamental) && hors(c.thd));
                for (const auto &l : c.lignes)
                    EXPECT_TRUE(hors(l.efficace) && hors(l.pourcentage) && hors(l.phase));
                continue;
            }
            const bool rapports = !c.efficace.zero() && !c.fondamental.zero();
            if (!rapports) {
                EXPECT_FALSE(c.thd.nombre());
            }
            for (const auto *l : {&c.moyenne, &c.efficace, &c.fondamental, &c.thd, &c.P, &c.S, &c.k})
                EXPECT_TRUE(sans_exposant(*l)) << l->chiffres;
            if (hors(c.S) && !r.deborde) {
                EXPECT_TRUE(c.k.nombre()) << "k reste juste quand P et S sont trop grands";
            }
            for (std::size_t n = 0; n < c.lignes.size(); ++n) {
                const oscillo::LigneSpectre &l = c.lignes[n];
                SCOPED_TRACE(l.rang);
                ASSERT_TRUE(l.efficace.nombre());
                EXPECT_EQ(l.efficace.zero(), c.barres[n] == 0.0);
                EXPECT_EQ(l.pourcentage.nombre(), rapports);
                if (l.pourcentage.nombre()) {
                    EXPECT_EQ(l.pourcentage.zero(), l.efficace.zero());
                }
                EXPECT_EQ(l.phase.nombre(), !l.efficace.zero());
                if (l.phase.nombre()) {
                    const double phase = std::stod(l.phase.chiffres);
                    EXPECT_GT(phase, -180.0);
                    EXPECT_LE(phase, 180.0);
                }
                EXPECT_TRUE(sans_exposant(l.efficace) && sans_exposant(l.pourcentage));
            }
        }
}
