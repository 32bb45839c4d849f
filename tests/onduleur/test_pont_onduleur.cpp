// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle de l'onduleur, sans fenêtre. Valeurs attendues : celles du cahier
// des essais (imax 0,3928 A, t0 3,80 ms, moyennes 0,06715 A et 0,03495 A) et
// des calculs à la main de i(t) = 0,85 (1 - 2 e^(-100 t) / (1 + 1/e)).
// Au pas 50, le top n d'un balayage tombe à t = n / 4020 s.
#include "nombre.h"
#include "pont_onduleur.h"

#include "../outils/concordance_forme.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using onduleur::PontOnduleur;

namespace {

constexpr int f = 50;
constexpr double dt = 1.0 / 4020;

// Tops n1..n2 d'un balayage au pas 50 (81 : celui qui dépasse le bout de l'axe).
void tops(PontOnduleur &p, int n1, int n2)
{
    for (int n = n1; n <= n2; ++n)
        p.calculer(n * dt, dt, f);
}

// Paires passantes : T1 T4 | D1 D4 | T2 T3 | D2 D3.
enum Paire { t1_t4, d1_d4, t2_t3, d2_d3 };

void verifier_paire(const PontOnduleur &p, Paire paire)
{
    const bool a = paire == t1_t4 || paire == d1_d4, transistors = paire == t1_t4 || paire == t2_t3;
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE("composant " + std::to_string(k));
        const bool de_la_paire = (k == 1 || k == 4) == a;
        EXPECT_EQ(p.conduit(onduleur::jeu_transistors, k - 1), de_la_paire && transistors);
        EXPECT_EQ(p.conduit(onduleur::jeu_diodes, k - 1), de_la_paire && !transistors);
        // Le bras passant (transistor ou diode) a 0 V, le bras bloqué E.
        EXPECT_EQ(p.uT(k), de_la_paire ? 0.0 : 34.0);
        EXPECT_EQ(p.uD(k), de_la_paire ? -0.0 : -34.0);
        EXPECT_DOUBLE_EQ(p.ib(k), p.iT(k) / 10.0);
    }
}

} // namespace

TEST(Onduleur, CourantCreteInstantDuZeroEtMoyennesAffichees)
{
    PontOnduleur p;
    EXPECT_NEAR(p.imax(), 0.3928, 5e-5);
    EXPECT_NEAR(p.t0(), 3.80e-3, 5e-6);
    EXPECT_EQ(p.references().tension, 34.0);
    const std::pair<int, const char *> lues[] = {
        {onduleur::i_iT1, "0.06715"}, {onduleur::i_iD1 + 3, "0.03495"}, {onduleur::i_iE, "0.0644"}};
    for (const auto &[indice, texte] : lues)
        EXPECT_EQ(nombre::texte_nombre(p.arrondir(p.moyenne(indice).valeur)), texte) << indice;
}

TEST(Onduleur, MoyennesEgalesALIntegraleDeLaFormeDOndeDuModele)
{
    // Méthode des rectangles sur 200 000 pas d'une période, après une période
    // de mise en route (le courant d'un pas décide de la conduction du suivant).
    PontOnduleur p;
    constexpr int n = 200000;
    const double h = 0.02 / n;
    std::array<double, 12> somme{}; // iT1..iT4, iD1..iD4, uT1, i, u, iE
    for (int tour = 0; tour < 2; ++tour)
        for (int j = 1; j <= n; ++j) {
            p.calculer(j * h, h, f);
            if (tour == 0)
                continue;
            for (int k = 1; k <= 4; ++k) {
                somme[k - 1] += p.iT(k);
                somme[k + 3] += p.iD(k);
            }
            somme[8] += p.uT(1), somme[9] += p.i(), somme[10] += p.u(), somme[11] += p.iE();
        }
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(somme[k] / n, p.moyenne(onduleur::i_iT1 + k).valeur, 1e-5) << "iT" << k + 1;
        EXPECT_NEAR(somme[k + 4] / n, p.moyenne(onduleur::i_iD1 + k).valeur, 1e-5) << "iD" << k + 1;
    }
    EXPECT_NEAR(somme[8] / n, 17.0, 1e-3);
    EXPECT_NEAR(somme[9] / n, 0.0, 1e-5);
    EXPECT_NEAR(somme[10] / n, 0.0, 1e-3);
    EXPECT_NEAR(somme[11] / n, p.moyenne(onduleur::i_iE).valeur, 1e-5);
}

TEST(Onduleur, DiodesDAbordPuisTransistorsUnTopApresLeZero)
{
    PontOnduleur p;
    tops(p, 1, 81); // le balayage suivant part de i ~ -imax
    const struct {
        int top;
        double i;
        Paire paire;
        double courant; // dans le transistor ou la diode passant de la paire
    } lignes[] = {
        {1, -0.3622655, d1_d4, 0.3622655},   // D1, D4 ramènent le courant
        {15, -0.0057579, d1_d4, 0.0057579},  // dernier top avant le zéro (3,80 ms)
        {16, 0.0152670, d1_d4, -0.0152670},  // top du passage : courant de diode négatif
        {17, 0.0357754, t1_t4, 0.0357754},   // T1, T4 prennent le relais
        {41, 0.3683117, d2_d3, 0.3683117},   // u = -E : D2, D3
        {56, -0.0111038, d2_d3, -0.0111038}, // passage par zéro de la seconde alternance
        {57, -0.0317144, t2_t3, 0.0317144},
    };
    int n = 0;
    for (const auto &l : lignes) {
        SCOPED_TRACE("top " + std::to_string(l.top));
        tops(p, n + 1, l.top);
        n = l.top;
        EXPECT_NEAR(p.i(), l.i, 1e-6);
        verifier_paire(p, l.paire);
        const bool a = l.paire == t1_t4 || l.paire == d1_d4,
                   transistors = l.paire == t1_t4 || l.paire == t2_t3;
        EXPECT_EQ(p.u(), a ? 34.0 : -34.0);
        EXPECT_NEAR(p.iE(), a ? l.i : -l.i, 1e-6);
        for (int k : {a ? 1 : 2, a ? 4 : 3})
            EXPECT_NEAR(transistors ? p.iT(k) : p.iD(k), l.courant, 1e-6);
    }
}

// --- Valeurs efficaces ---------------------------------------------------------

namespace {

double efficace(const PontOnduleur &p, int indice)
{
    return oscillo::valeur_efficace(p.forme(indice, dt, f), 1.0 / f);
}

// Moyenne de i² sur une période par la méthode du point milieu, en
// 200 000 instants calculés par le modèle lui-même.
double i_efficace_numerique()
{
    PontOnduleur p;
    const int n = 200000;
    const double T = 1.0 / f;
    double somme = 0.0;
    for (int k = 0; k < n; ++k) {
        p.calculer((k + 0.5) * T / n, dt, f);
        somme += p.i() * p.i();
    }
    return std::sqrt(somme / n);
}

} // namespace

TEST(Onduleur, CourantDeChargeEfficaceEgalALIntegrationFineDuModele)
{
    const PontOnduleur p;
    const double numerique = i_efficace_numerique();
    EXPECT_NEAR(numerique, 0.2339673, 1e-6); // même intégration refaite à la main (tableur)
    EXPECT_NEAR(efficace(p, onduleur::i_i), numerique, 1e-9);
    EXPECT_DOUBLE_EQ(p.arrondir(efficace(p, onduleur::i_i)), 0.234);
    // iE vaut i puis -i : même carré.
    EXPECT_NEAR(efficace(p, onduleur::i_iE), numerique, 1e-9);
}

TEST(Onduleur, ValeursEfficacesDesTensionsEtPartageDuCourant)
{
    const PontOnduleur p;
    EXPECT_EQ(p.arrondir(efficace(p, onduleur::i_E)), 34);
    EXPECT_EQ(p.arrondir(efficace(p, onduleur::i_u)), 34);
    // E pendant une demi-période : 34 / racine de 2.
    EXPECT_NEAR(efficace(p, onduleur::i_uT1 + 2), 24.041631, 1e-6);
    EXPECT_NEAR(efficace(p, onduleur::i_uD1 + 1), 24.041631, 1e-6);
    // Le transistor et la diode d'un bras se partagent i pendant son
    // alternance : iT² + iD² = i² / 2 en valeur efficace au carré.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const double it = efficace(p, onduleur::i_iT1 + k), id = efficace(p, onduleur::i_iD1 + k);
        EXPECT_NEAR(it * it + id * id, 0.2339673 * 0.2339673 / 2, 1e-7);
        EXPECT_NEAR(efficace(p, onduleur::i_ib1 + k), it / 10, 1e-12);
        EXPECT_GT(it, id); // la diode ne conduit que 3,8 ms sur 10
    }
}

TEST(Onduleur, LaFormeDeChaqueGrandeurEstCelleDuCalcul)
{
    PontOnduleur p;
    concordance::verifier(p, dt, f);
}
