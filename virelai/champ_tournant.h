// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Champ tournant : trois bobines d'axes à 120°, parcourues par trois
// courants sinusoïdaux équilibrés, créent un champ d'amplitude constante qui
// tourne à la fréquence du réseau. L'animation est au ralenti : chaque top
// de 100 ms avance le temps simulé de 0,1 ms, une période de 50 Hz dure
// environ 200 tops.
//
// C++ simple, sans Qt : la fenêtre reçoit les effets par l'interface Ecran,
// qui lui demande aussi la géométrie des graphes (lue sur les traits des
// axes) et l'état des cases à cocher.

#include "pi_arrondi.h"

#include <array>
#include <cstdint>
#include <string>

namespace virelai {

// Approximations de π et 2π de l'animation.
inline constexpr double pi = pi_arrondi::cinq_decimales;
inline constexpr double deux_pi = 2 * pi;

inline constexpr int nombre_bobines = 3;
// Vecteurs ligne_b(0..5) : champs des bobines 1, 2, 3, résultante, puis
// champs des bobines 2 et 3 translatés pour l'addition bout à bout.
inline constexpr int nombre_vecteurs = 6;
inline constexpr int resultante = 3;

// Couleurs des trois graphes (0xBBGGRR) : bleu, vert, rouge.
inline constexpr std::array<std::uint32_t, nombre_bobines> couleur_graphe{0xFF0000, 0x00C000, 0x0000FF};

// Coordonnées en twips, y vers le bas.
struct Point {
    double x = 0.0, y = 0.0;
};
struct Trait {
    Point debut, fin;
};
// Les deux traits d'une pointe de flèche (fleche1, fleche2), chacun finissant
// sur la pointe.
struct Pointe {
    Trait trait1, trait2;
};

// Pointe d'un fût qui va de fut.debut à fut.fin : deux traits d'un dixième
// de la longueur du fût, à 30° de part et d'autre, en arrière de la pointe.
// Un fût de longueur nulle a des traits de longueur nulle.
Pointe pointe_fleche(const Trait &fut);

// Axe des temps ligne_x(k) : extrémités gauche et droite, ordonnée.
struct AxeTemps {
    double x_gauche = 0.0, x_droite = 0.0, y = 0.0;
};
// Axe des valeurs ligne_y(k) : abscisse, ordonnées du haut et du bas.
struct AxeValeurs {
    double x = 0.0, y_haut = 0.0, y_bas = 0.0;
};

// Ce que l'animation fait paraître dans la fenêtre, dans l'ordre où elle le fait.
class Ecran
{
public:
    virtual ~Ecran() = default;

    virtual AxeTemps axe_temps(int graphe) const = 0;
    virtual AxeValeurs axe_valeurs(int graphe) const = 0;
    // Case Check(k) cochée (k = 0..3) ; lue à chaque top.
    virtual bool case_cochee(int k) const = 0;

    virtual void ecrire_angle(int degres) = 0;
    // Fût ligne_b(k) et traits fleche1(k), fleche2(k).
    virtual void placer_vecteur(int k, const Trait &fut, const Pointe &pointe) = 0;
    virtual void montrer_vecteur(int k, bool visible) = 0;
    // Segment de graphe sur la surface, épaisseur 2, couleur 0xBBGGRR.
    virtual void tracer_segment(const Trait &segment, std::uint32_t couleur) = 0;
    // Fin de période : boîte blanche entre deux coins, puis les quatre traits
    // du graphe (axes et repères de crête) redessinés par-dessus.
    virtual void effacer_graphe(int graphe, const Point &coin1, const Point &coin2) = 0;
    virtual void legende_arret(const std::string &legende) = 0;
};

class ChampTournant
{
public:
    static constexpr double xc_initial = 5820.0, yc_initial = 4140.0;

    explicit ChampTournant(Ecran &ecran);

    // Chargement de la fenêtre ; « intervalle_ms » est celui de Timer1.
    void charger(int intervalle_ms);

    // Gestionnaires.
    void Timer1_Timer();
    void bouton_arret_Click();

    // État, pour la fenêtre et les tests.
    double xc() const { return xc_; }
    double yc() const { return yc_; }
    double longueur() const { return longueur_; }
    int f() const { return f_; }
    float i_crete() const { return i_crete_; }
    double dt() const { return dt_; }
    float t() const { return t_; }
    double x_trace() const { return x_trace_; }
    float dx() const { return dx_; }
    double i_bobine(int k) const { return i_bobine_[k]; }
    double y_cour(int k) const { return y_cour_[k]; }
    double y_prec(int k) const { return y_prec_[k]; }
    bool fige() const { return fige_; }
    const Trait &vecteur(int k) const { return vecteur_[k]; }
    // Angle électrique affiché, en degrés, de −180 à 180.
    int angle() const { return angle_; }

private:
    Point centre() const { return {xc_, yc_}; }
    void placer(int k, const Trait &fut);
    // Hauteur de plume du graphe k pour une phase φ (radians) : crête en haut.
    double hauteur(int graphe, double phase) const;

    Ecran &ecran_;

    double xc_ = xc_initial, yc_ = yc_initial;
    double longueur_ = 1500.0;
    std::int16_t f_ = 50;
    float i_crete_ = 0.0f;
    double dt_ = 0.0;
    // Temps depuis le début de la période, cumulé en simple précision : la
    // fin de période tombe au 201e top.
    float t_ = 0.0f;
    double x_trace_ = 0.0;
    float dx_ = 0.0f;
    std::array<double, nombre_bobines> i_bobine_{};
    std::array<double, nombre_bobines> y_cour_{}, y_prec_{};
    std::array<Trait, nombre_vecteurs> vecteur_{};
    bool fige_ = false;
    int angle_ = 0;
};

} // namespace virelai
