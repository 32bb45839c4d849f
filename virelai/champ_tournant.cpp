// SPDX-License-Identifier: GPL-3.0-or-later
#include "champ_tournant.h"

#include "a_traduire.h"

#include <cmath>

namespace virelai {

namespace {

// Décalage de l'axe de la bobine k (0, 120°, 240°), en radians.
double decalage(int k)
{
    return 2 * k * pi / 3;
}

// Angle affiché : θ arrondi par défaut, ramené de −180 à 180.
int angle_affiche(double theta)
{
    // Le temps cumulé en simple précision reste un rien en deçà des instants
    // ronds (179,9998° à la demi-période, 359,9995° en fin de période) :
    // arrondi par défaut tel quel, l'afficheur lirait 179 puis −1 au lieu de
    // 180 et 0. Un centième de degré absorbe cet écart, bien en deçà du pas
    // de 1,8° par top.
    constexpr double tolerance = 0.01;
    const double a = theta <= 180.0 ? theta : theta - 360.0;
    return static_cast<int>(std::floor(a + tolerance));
}

Point plus(const Point &a, const Point &b)
{
    return {a.x + b.x, a.y + b.y};
}

Point moins(const Point &a, const Point &b)
{
    return {a.x - b.x, a.y - b.y};
}

// Marge de la boîte blanche de fin de période autour du rectangle des axes :
// la demi-épaisseur du trait de graphe (15 twips) et le dernier segment, qui
// finit un pas de 16,2 twips au-delà du bout de l'axe des temps.
constexpr double marge_effacement = 45.0;

} // namespace

Pointe pointe_fleche(const Trait &fut)
{
    const double x1 = fut.debut.x, y1 = fut.debut.y, x2 = fut.fin.x, y2 = fut.fin.y;
    const double s = std::hypot(x2 - x1, y2 - y1) / 10;
    // Direction du fût, comptée depuis la verticale montante.
    double a;
    if (y1 == y2)
        a = x2 >= x1 ? pi / 2 : -pi / 2;
    else {
        a = std::atan((x2 - x1) / (y1 - y2));
        if (y2 > y1)
            a += pi;
    }
    const auto trait = [&](double b) { return Trait{{x2 - s * std::sin(b), y2 + s * std::cos(b)}, fut.fin}; };
    return {trait(a + pi / 6), trait(a - pi / 6)};
}

ChampTournant::ChampTournant(Ecran &ecran) : ecran_(ecran)
{
}

double ChampTournant::hauteur(int graphe, double phase) const
{
    const AxeValeurs axe = ecran_.axe_valeurs(graphe);
    return axe.y_haut + (axe.y_bas - axe.y_haut) / 2 * (1 - std::sin(phase));
}

void ChampTournant::placer(int k, const Trait &fut)
{
    vecteur_[k] = fut;
    ecran_.placer_vecteur(k, fut, pointe_fleche(fut));
}

void ChampTournant::charger(int intervalle_ms)
{
    xc_ = xc_initial;
    yc_ = yc_initial;
    for (int k = 0; k < nombre_vecteurs; ++k) {
        placer(k, {centre(), centre()});
        ecran_.montrer_vecteur(k, false);
    }
    longueur_ = 1000 + 500;
    f_ = 50;
    i_crete_ = static_cast<float>(1 * 0.2513272); // 1 × 0,08 × π
    t_ = 0.0f;
    x_trace_ = 0.0;
    for (int k = 0; k < nombre_bobines; ++k) {
        y_cour_[k] = hauteur(k, decalage(k));
        y_prec_[k] = y_cour_[k];
    }
    dt_ = intervalle_ms / 1e6;
    const double G = ecran_.axe_temps(0).x_droite - ecran_.axe_valeurs(0).x;
    dx_ = static_cast<float>(f_ * dt_ * G);
    fige_ = false;
}

void ChampTournant::Timer1_Timer()
{
    if (fige_)
        return;
    // 1. Temps et plume des graphes.
    t_ = static_cast<float>(t_ + dt_);
    x_trace_ += dx_;

    // 2. Angle électrique.
    angle_ = angle_affiche(360.0 * f_ * t_);
    ecran_.ecrire_angle(angle_);

    // 3. Courants des bobines.
    for (int k = 0; k < nombre_bobines; ++k)
        i_bobine_[k] = i_crete_ * std::sin(deux_pi * f_ * t_ - decalage(k));

    // 4 et 5. Champs des bobines, résultante et pointes : le champ d'une
    // bobine s'écarte d'elle pour un courant positif.
    double sx = 0.0, sy = 0.0;
    for (int k = 0; k < nombre_bobines; ++k) {
        const double c = i_bobine_[k] / i_crete_;
        const double ux = std::sin(decalage(k)), uy = std::cos(decalage(k));
        placer(k, {centre(), {xc_ + longueur_ * c * ux, yc_ + longueur_ * c * uy}});
        sx += c * ux;
        sy += c * uy;
    }
    placer(resultante, {centre(), {xc_ + longueur_ * sx, yc_ + longueur_ * sy}});

    // 6. Ne paraissent que les vecteurs cochés.
    for (int k = 0; k <= resultante; ++k)
        ecran_.montrer_vecteur(k, ecran_.case_cochee(k));

    // 7. Graphes : le graphe 1 montre le courant de la bobine 3, le graphe 2
    // celui de la bobine 2, comme les bobines près desquelles ils sont.
    for (int k = 0; k < nombre_bobines; ++k) {
        const double x = ecran_.axe_valeurs(k).x + x_trace_;
        y_prec_[k] = y_cour_[k];
        y_cour_[k] = hauteur(k, deux_pi * f_ * t_ + decalage(k));
        ecran_.tracer_segment({{x - dx_, y_prec_[k]}, {x, y_cour_[k]}}, couleur_graphe[k]);
    }

    // 8. Fin de période : graphes effacés, le temps repart de zéro.
    if (t_ > 1.0 / f_) {
        t_ = 0.0f;
        x_trace_ = 0.0;
        for (int k = 0; k < nombre_bobines; ++k) {
            const AxeTemps at = ecran_.axe_temps(k);
            const AxeValeurs av = ecran_.axe_valeurs(k);
            ecran_.effacer_graphe(k, {at.x_gauche - marge_effacement, av.y_haut - marge_effacement},
                                  {at.x_droite + marge_effacement, av.y_bas + marge_effacement});
        }
    }
}

void ChampTournant::bouton_arret_Click()
{
    if (!fige_) {
        // Arrêt : les trois champs mis bout à bout finissent sur la pointe
        // de la résultante.
        ecran_.legende_arret(QT_TRANSLATE_NOOP("Virelai", "Reprendre"));
        for (int k = 0; k <= resultante; ++k)
            ecran_.montrer_vecteur(k, true);
        const Point debut4 = vecteur_[0].fin;
        const Point fin4 = plus(debut4, moins(vecteur_[1].fin, centre()));
        placer(4, {debut4, fin4});
        placer(5, {fin4, plus(fin4, moins(vecteur_[2].fin, centre()))});
        ecran_.montrer_vecteur(4, true);
        ecran_.montrer_vecteur(5, true);
        fige_ = true;
    } else {
        ecran_.legende_arret(QT_TRANSLATE_NOOP("Virelai", "Arrêt et addition des vecteurs"));
        ecran_.montrer_vecteur(4, false);
        ecran_.montrer_vecteur(5, false);
        fige_ = false;
    }
}

} // namespace virelai
