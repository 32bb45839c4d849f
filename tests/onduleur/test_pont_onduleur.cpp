// Modèle de l'onduleur, sans fenêtre. Valeurs attendues : celles du cahier
// des essais de l'onduleur (imax 0,3928 A, t0 3,80 ms, moyennes 0,06715 A et
// 0,03495 A) et des calculs à la main de i(t) = 0,85 (1 - 2 e^(-100 t) / (1 + 1/e)).
// Au pas 50, un top avance de 50 / (4020 . 50) s = 1/4020 s.
#include "nombre.h"
#include "pont_onduleur.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using onduleur::PontOnduleur;

namespace {

constexpr int f = 50;
constexpr double dt_pas_50 = 1.0 / 4020;

// Instant du top n d'un balayage au pas 50.
double instant(int n)
{
    return n * dt_pas_50;
}

// Un balayage complet comme le moteur le fait : tops 1 à 81, le dernier
// dépassant le bout de l'axe.
void balayer(PontOnduleur &p)
{
    for (int n = 1; n <= 81; ++n)
        p.calculer(instant(n), dt_pas_50, f);
}

// Texte d'une lecture arrondie, tel qu'un afficheur l'écrit.
std::string affiche(const PontOnduleur &p, double x)
{
    return nombre::texte_nombre(p.arrondir(x));
}

double nombre_moyenne(const PontOnduleur &p, int indice)
{
    const oscillo::Moyenne m = p.moyenne(indice);
    EXPECT_EQ(m.genre, oscillo::Moyenne::Genre::nombre) << "indice " << indice;
    return m.valeur;
}

// Paires passantes : T1 T4 | D1 D4 | T2 T3 | D2 D3.
enum Paire { t1_t4, d1_d4, t2_t3, d2_d3 };

void verifier_paire(const PontOnduleur &p, Paire paire)
{
    const bool t14 = paire == t1_t4, d14 = paire == d1_d4, t23 = paire == t2_t3, d23 = paire == d2_d3;
    const std::array<bool, 4> t = {t14, t23, t23, t14}, d = {d14, d23, d23, d14};
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE("composant " + std::to_string(k));
        EXPECT_EQ(p.etat_t(k), t[k - 1]);
        EXPECT_EQ(p.etat_d(k), d[k - 1]);
        EXPECT_EQ(p.conduit(onduleur::jeu_transistors, k - 1), t[k - 1]);
        EXPECT_EQ(p.conduit(onduleur::jeu_diodes, k - 1), d[k - 1]);
        // Le bras passant (transistor ou diode) a 0 V, le bras bloqué E.
        const double uT = (t[k - 1] || d[k - 1]) ? 0.0 : 34.0;
        EXPECT_EQ(p.uT(k), uT);
        EXPECT_EQ(p.uD(k), -uT);
        EXPECT_DOUBLE_EQ(p.ib(k), p.iT(k) / 10.0);
        if (!t[k - 1]) {
            EXPECT_EQ(p.iT(k), 0.0);
        }
        if (!d[k - 1]) {
            EXPECT_EQ(p.iD(k), 0.0);
        }
    }
}

} // namespace

// --- Constantes et références -------------------------------------------------

TEST(Constantes, CourantCreteInstantDuZeroEtReferences)
{
    PontOnduleur p;
    EXPECT_EQ(p.e_continue(), 34);
    EXPECT_EQ(p.r(), 40);
    EXPECT_DOUBLE_EQ(p.l(), 0.4);
    EXPECT_NEAR(p.a(), 0.3678794, 1e-7); // e^-1
    EXPECT_NEAR(p.imax(), 0.3928, 5e-5);
    EXPECT_NEAR(p.t0(), 3.80e-3, 5e-6);
    const oscillo::References ref = p.references();
    EXPECT_EQ(ref.tension, 34.0);
    EXPECT_NEAR(ref.courant, 0.392800, 1e-6);
    EXPECT_NEAR(ref.commande, 0.0392800, 1e-7);
    // Pleines échelles affichées.
    EXPECT_EQ(affiche(p, ref.courant), "0.3928");
    EXPECT_EQ(affiche(p, ref.commande), "0.03928");
}

TEST(Constantes, ListeDesVingtQuatreGrandeurs)
{
    PontOnduleur p;
    const auto liste = p.grandeurs();
    ASSERT_EQ(liste.size(), 24u);
    const struct {
        int indice;
        const char *legende;
        oscillo::Classe classe;
    } lignes[] = {
        {0, "E tension continue (V)", oscillo::Classe::tension},
        {1, "u tension aux bornes de la charge (V)", oscillo::Classe::tension},
        {2, "i courant dans la charge (A)", oscillo::Classe::courant},
        {3, "iE courant absorbé par l'onduleur (A)", oscillo::Classe::courant},
        {7, "uT4 tension aux bornes de T4 (V)", oscillo::Classe::tension},
        {10, "iT3 intensité dans T3 (A)", oscillo::Classe::courant},
        {11, "iT4 intensité dans T4(A)", oscillo::Classe::courant},
        {12, "uD1 tension aux bornes de D1 (V)", oscillo::Classe::tension},
        {19, "iD4 intensité dans D4(A)", oscillo::Classe::courant},
        {20, "ib1 courant de base dans T1 (A)", oscillo::Classe::commande},
        {23, "ib4 courant de base dans T4 (A)", oscillo::Classe::commande},
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE(l.indice);
        EXPECT_EQ(liste[l.indice].legende, l.legende);
        EXPECT_EQ(liste[l.indice].classe, l.classe);
    }
}

// --- Valeurs moyennes ------------------------------------------------------------

TEST(Moyennes, TableauDesVingtQuatreGrandeurs)
{
    PontOnduleur p;
    using G = oscillo::Moyenne::Genre;
    const struct {
        int premier, dernier;
        G genre;
        const char *texte, *affiche;
    } lignes[] = {
        {0, 0, G::texte, "34", ""},         {1, 2, G::texte, "0", ""},
        {3, 3, G::nombre, "", "0.0644"},    {4, 7, G::texte, "17", ""},
        {8, 11, G::nombre, "", "0.06715"},  {12, 15, G::texte, "-17", ""},
        {16, 19, G::nombre, "", "0.03495"}, {20, 23, G::inchangee, "", ""},
    };
    for (const auto &l : lignes)
        for (int k = l.premier; k <= l.dernier; ++k) {
            SCOPED_TRACE(k);
            const oscillo::Moyenne m = p.moyenne(k);
            EXPECT_EQ(m.genre, l.genre);
            if (l.genre == G::texte) {
                EXPECT_EQ(m.texte, l.texte);
            }
            if (l.genre == G::nombre) {
                EXPECT_EQ(affiche(p, m.valeur), l.affiche);
            }
        }
}

TEST(Moyennes, EgalesALIntegraleDeLaFormeDOndeDuModele)
{
    // Moyenne sur une période de la forme d'onde que le modèle trace, par la
    // méthode des rectangles sur 200 000 pas, après une période de mise en
    // route (le courant du dernier pas décide de la conduction du suivant).
    PontOnduleur p;
    constexpr int n = 200000;
    const double h = 0.02 / n;
    for (int j = 1; j <= n; ++j)
        p.calculer(j * h, h, f);
    std::array<double, 4> somme_iT{}, somme_iD{}, somme_uT{};
    double somme_i = 0.0, somme_iE = 0.0, somme_u = 0.0;
    for (int j = 1; j <= n; ++j) {
        p.calculer(j * h, h, f);
        for (int k = 1; k <= 4; ++k) {
            somme_iT[k - 1] += p.iT(k);
            somme_iD[k - 1] += p.iD(k);
            somme_uT[k - 1] += p.uT(k);
        }
        somme_i += p.i();
        somme_iE += p.iE();
        somme_u += p.u();
    }
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(somme_iT[k - 1] / n, nombre_moyenne(p, onduleur::i_iT1 + k - 1), 1e-5);
        EXPECT_NEAR(somme_iD[k - 1] / n, nombre_moyenne(p, onduleur::i_iD1 + k - 1), 1e-5);
        EXPECT_NEAR(somme_uT[k - 1] / n, 17.0, 1e-3);
    }
    EXPECT_NEAR(somme_i / n, 0.0, 1e-5);
    EXPECT_NEAR(somme_u / n, 0.0, 1e-3);
    EXPECT_NEAR(somme_iE / n, nombre_moyenne(p, onduleur::i_iE), 1e-5);
}

// --- Séquence de conduction au pas 50 -------------------------------------------

TEST(Conduction, DiodesDAbordPuisTransistorsUnTopApresLeZero)
{
    PontOnduleur p;
    balayer(p); // régime établi : le balayage suivant part de i ~ -imax
    const struct {
        int top;
        double i;
        Paire paire;
        double courant; // courant du composant passant de la paire (k = 1 ou 2)
    } lignes[] = {
        {1, -0.3622655, d1_d4, 0.3622655},   // i négatif : D1, D4 le ramènent
        {15, -0.0057579, d1_d4, 0.0057579},  // dernier top avant le zéro (3,80 ms)
        {16, 0.0152670, d1_d4, -0.0152670},  // top du passage : courant de diode négatif
        {17, 0.0357754, t1_t4, 0.0357754},   // T1, T4 prennent le relais
        {40, 0.3905193, t1_t4, 0.3905193},
        {41, 0.3683117, d2_d3, 0.3683117},   // u = -E : D2, D3 conduisent
        {55, 0.0100260, d2_d3, 0.0100260},
        {56, -0.0111038, d2_d3, -0.0111038}, // passage par zéro de la seconde alternance
        {57, -0.0317144, t2_t3, 0.0317144},
        {80, -0.3882276, t2_t3, 0.3882276},
    };
    std::size_t j = 0;
    for (int n = 1; n <= 81 && j < std::size(lignes); ++n) {
        p.calculer(instant(n), dt_pas_50, f);
        if (n != lignes[j].top)
            continue;
        const auto &l = lignes[j++];
        SCOPED_TRACE("top " + std::to_string(n));
        EXPECT_NEAR(p.i(), l.i, 1e-6);
        verifier_paire(p, l.paire);
        const bool premiere = l.paire == t1_t4 || l.paire == d1_d4;
        EXPECT_EQ(p.u(), premiere ? 34.0 : -34.0);
        EXPECT_NEAR(p.iE(), premiere ? l.i : -l.i, 1e-6);
        const bool transistors = l.paire == t1_t4 || l.paire == t2_t3;
        const int k1 = premiere ? 1 : 2, k2 = premiere ? 4 : 3;
        for (int k : {k1, k2})
            EXPECT_NEAR(transistors ? p.iT(k) : p.iD(k), l.courant, 1e-6);
    }
    EXPECT_EQ(j, std::size(lignes));
}

TEST(Conduction, PremierTopApresLeChargementT1T4PassantsAvecIANul)
{
    PontOnduleur p;
    EXPECT_EQ(p.i(), 0.0);
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(p.etat_t(k) || p.etat_d(k));
    p.calculer(instant(1), dt_pas_50, f);
    verifier_paire(p, t1_t4);
    EXPECT_NEAR(p.iT(1), -0.3622655, 1e-6);
    // Le balayage suivant repart sur D1, D4.
    for (int n = 2; n <= 81; ++n)
        p.calculer(instant(n), dt_pas_50, f);
    p.calculer(instant(1), dt_pas_50, f);
    verifier_paire(p, d1_d4);
    // Un nouveau chargement remet i à 0.
    p.charger();
    EXPECT_EQ(p.i(), 0.0);
    p.calculer(instant(1), dt_pas_50, f);
    verifier_paire(p, t1_t4);
}

TEST(Conduction, AuPasNulLaConductionSuitLeCourantDuMemeInstant)
{
    const struct {
        int top;
        Paire au_premier, ensuite;
    } lignes[] = {
        {16, d1_d4, t1_t4}, // i vient de devenir positif : T1, T4 au top suivant
        {10, d1_d4, d1_d4}, // i encore négatif : D1, D4 restent
        {56, d2_d3, t2_t3},
        {70, t2_t3, t2_t3},
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE("top " + std::to_string(l.top));
        PontOnduleur p;
        balayer(p);
        for (int n = 1; n <= l.top; ++n)
            p.calculer(instant(n), dt_pas_50, f);
        verifier_paire(p, l.au_premier);
        for (int fois = 0; fois < 3; ++fois) {
            p.calculer(instant(l.top), 0.0, f);
            verifier_paire(p, l.ensuite);
        }
    }
}
