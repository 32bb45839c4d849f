// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enregistreur de courbes des bancs de machines, sans Qt : l'état du
// programme « courbe_enregistree » (axes choisis, jusqu'à 100 points, maxima,
// pas de graduation), l'ajout et le retrait d'un point, la disposition des
// marques et des graduations dans un repère, l'ajustement polynomial de
// l'aperçu et la lecture des coordonnées sous le pointeur.
//
// Chaque banc fournit sa table de grandeurs : texte des listes, légende
// d'axe et lecture du texte ACTUEL du contrôle du banc qui la montre. Les
// textes sont en français, marqués QT_TRANSLATE_NOOP("courbe", …) : les
// fenêtres de l'enregistreur les traduisent à l'affichage.
// L'enregistreur ne calcule jamais une grandeur : il lit ce que l'élève voit.

#include "a_traduire.h"
#include "tableur.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace courbe {

// Une grandeur que l'on peut porter sur un axe.
struct Grandeur {
    std::string texte_liste; // dans les listes choix_x et choix_y
    std::string legende;     // dans Label_x ou Label_y : nom et unité
    // Texte montré à cet instant par le contrôle du banc (vide s'il n'existe pas).
    std::function<std::string()> lire;
};

// Repère d'un graphe, en twips, pris sur les extrémités des traits d'axes :
// ligne_x de (X0, Yx) à (Xend, Yx), ligne_y de (X0, Ytop) à (X0, Y0).
// Yx et Y0 ne diffèrent que dans l'aperçu de vek (le bas de ligne_y est
// 7 twips sous ligne_x).
struct Repere {
    double X0 = 0, Yx = 0, Xend = 0, Ytop = 0, Y0 = 0;
};

inline constexpr Repere repere_courbe_vek_trivon{4800, 1740, 10080, 480, 1740};
inline constexpr Repere repere_courbe_sodel{4380, 3060, 10140, 840, 3060};
inline constexpr Repere repere_apercu_vek{1140, 6360, 9622, 690, 6367};
inline constexpr Repere repere_apercu_sodel{1680, 6120, 9840, 1080, 6120};
inline constexpr Repere repere_apercu_trivon{1680, 6360, 9300, 1080, 6360};

// Ce qui change d'un programme à l'autre.
struct Variante {
    std::string nom_fenetre = "courbe"; // sodel : "courbes"
    // Nom du programme (« vek »…) pour les points gardés sur le disque ;
    // vide : les points ne sont pas gardés.
    std::string programme;
    std::vector<Grandeur> grandeurs;
    bool pas_arrondi = false; // vek : chaque pas passe par trois_chif_sign
    Repere repere_courbe = repere_courbe_vek_trivon;
    Repere repere_apercu = repere_apercu_vek;
    bool grille_avant_points = false; // sodel : grille et pas avant les marques
    std::string legende_choix_x = QT_TRANSLATE_NOOP("courbe", "Grandeur placée sur l'axe des abscisses");
    std::string legende_choix_y = QT_TRANSLATE_NOOP("courbe", "Grandeur placée sur l'axe des ordonnées");
    std::string legende_impression = QT_TRANSLATE_NOOP("courbe", "Impression"); // sodel : "Imprimer la courbe"
    bool bouton_autre_courbe = false;              // sodel : change_courbe, jamais montré
};

inline constexpr int capacite = 100;

// État de l'enregistreur, un par programme ; il survit aux fenêtres.
// Les points occupent les cases 1..nb_points ; la case 0 n'est jamais écrite.
struct CourbeEnregistree {
    std::int16_t grandeur_x = 0; // 0 : pas encore choisie
    std::int16_t grandeur_y = 0;
    std::int16_t nb_points = 0;
    std::array<float, capacite + 1> x_point{};
    std::array<float, capacite + 1> y_point{};
    double xmax = 0;
    float ymax = 0;
    double pas_x = 0;
    float pas_y = 0;
};

// Ce qu'a fait l'ajout d'un point, et quels maxima ont changé (leurs
// étiquettes sont à réécrire).
struct Ajout {
    enum class Resultat { ajoute, doublon, liste_pleine } resultat = Resultat::ajoute;
    bool xmax_change = false;
    bool ymax_change = false;
};

// Lit les grandeurs choisies dans le banc et ajoute le point. Un axe sans
// grandeur garde ce que sa case contenait déjà. Un point égal à un point
// déjà placé sur les deux coordonnées est abandonné ; un 101e point est
// refusé et la liste reste telle quelle.
Ajout placer_point(CourbeEnregistree &c, const Variante &v);

// Retire le dernier point ; quand il portait un maximum, celui-ci redevient
// le plus grand des points restants (0 s'il n'y en a aucun de positif).
// Rend les maxima réexaminés (leurs étiquettes sont à réécrire).
struct Retrait {
    bool xmax_change = false;
    bool ymax_change = false;
};
Retrait enlever_dernier_point(CourbeEnregistree &c, const Variante &v);

// Nouveau graphe : axes à choisir, aucun point, maxima à 0. Les pas et les
// cases ne sont pas effacés ; ils ne servent plus avant les prochains maxima.
void recommencer(CourbeEnregistree &c);

// Maxima et pas de graduation des points 1..nb_points, tels que les aurait
// laissés chacun de ces points placé à son tour (points repris d'un fichier).
void recalculer_maxima(CourbeEnregistree &c, const Variante &v);

// Valeur d'un texte de banc rangée en simple précision : le nombre en tête
// du texte comme dans les saisies, 0 quand il n'y en a pas ou quand il ne
// tient pas dans un float.
float lire_valeur(const std::string &texte);

// Position de la marque d'un point et des graduations dans un repère.
struct Disposition {
    std::vector<double> marque_x, marque_y; // point i en [i - 1], entiers (plancher)
    std::vector<double> graduations_x;      // abscisses des graduations de l'axe x
    std::vector<double> graduations_y;      // ordonnées des graduations de l'axe y
    std::optional<double> echelle_x_gauche; // bord gauche de label_echelle_x
    std::optional<double> echelle_y_haut;   // bord haut de label_echelle_y
};
Disposition disposer(const CourbeEnregistree &c, const Repere &r);

// Nombre de graduations d'un axe : plancher(maximum / pas), aucune quand le
// maximum ou le pas n'est pas positif, ou quand il y en aurait plus de 1000
// (un pas devenu 0 ou ridicule pour une lecture démesurée).
int nombre_graduations(double maximum, double pas);

// Les points enregistrés pour un tableur : en-têtes les légendes des deux
// axes (« x » et « y » pour un axe sans grandeur), puis les points 1 ..
// nb_points dans l'ordre, chaque valeur écrite au plus court qui redonne le
// nombre rangé en simple précision.
tableur::Tableau tableau_points(const CourbeEnregistree &c, const Variante &v);

// --- Aperçu : ajustement polynomial -----------------------------------------

inline constexpr const char *message_interpolation =
    QT_TRANSLATE_NOOP("courbe", "Nombre de points trop grand ou trop petit : interpolation impossible. "
                                "Imprimez et tracez la courbe manuellement");

// Coefficients c[0..n-1] du polynôme de degré n - 1 passant par les n points
// (2 <= n <= 9), par élimination dans l'ordre de l'algorithme du banc puis
// remontée. Vide quand n est hors de 2..9, quand deux abscisses sont égales
// (système singulier) ou quand le calcul ne donne pas des nombres finis.
std::optional<std::vector<double>> interpoler(const std::vector<double> &x, const std::vector<double> &y);

// y(x) = somme des c[p] x^p.
double polynome(const std::vector<double> &c, double x);

struct Segment {
    double x1, y1, x2, y2;
};

// Tracé de la courbe de x = r à x = Xend en 100 pas égaux : un segment joint
// le point précédent au nouveau (coordonnées entières, plancher) quand le
// nouveau est sous le haut de l'axe y (y > Ytop). Les segments sont coupés au
// rectangle « cadre » ; un morceau non fini ou hors du cadre n'est pas rendu.
std::vector<Segment> tracer_polynome(const std::vector<double> &c, double r, double Xend, double Ytop,
                                     const Segment &cadre);

// Écriture de la lecture, « %1 » et « %2 » pour X et Y ; la fenêtre passe
// sa traduction (« X = %1; Y = %2 » en anglais).
inline constexpr const char *format_lecture = QT_TRANSLATE_NOOP("ApercuImpression", "X =%1 ;   Y =  %2");

// Texte de la lecture des coordonnées sous le pointeur (x, y) en twips,
// vide hors du rectangle strict X0 < x < Xend, Ytop < y < Y0.
std::optional<std::string> lecture_coordonnees(const Repere &r, double xmax, double ymax, double x, double y,
                                               const std::string &format = format_lecture);

} // namespace courbe
