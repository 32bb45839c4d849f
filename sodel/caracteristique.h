// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Caractéristiques mécaniques couple-vitesse de la charge et du moteur, pour
// la fenêtre caract_charge : tables de 101 points, pleines échelles, pas de
// graduation et place de chaque point et de chaque graduation dans le repère.
// Sans Qt.

#include <array>
#include <optional>
#include <vector>

namespace sodel {

inline constexpr int nombre_pas = 100;

struct GrapheCharge {
    double n_axe = 0; // pleine échelle des vitesses, tr/min
    double T_axe = 0; // pleine échelle des couples, N.m
    double pas_n = 0;
    float pas_T = 0;
    std::array<double, nombre_pas + 1> n{}; // n_k = k . n_axe / 100
    std::array<float, nombre_pas + 1> T{};  // couple au point k
};

// Courbe de la charge choisie (1 à 4 ; une autre laisse la table telle
// quelle), lue avec f et p des saisies du banc : pleine échelle de vitesse
// 1,2 fois la vitesse de synchronisme, de couple 1,2 fois le plus grand
// couple, pas de graduation à quatre chiffres. Une vitesse de synchronisme
// sans valeur (p = 0) donne une échelle nulle.
void calcul_charge(GrapheCharge &g, int charge, double f, double p);

// Couple utile du moteur aux vitesses n_k de la table (tension simple v1
// prise comme tension d'enroulement, π = 3.14159) ; les échelles ne changent
// pas. Faux, et table inchangée, quand la vitesse de synchronisme est nulle
// ou sans valeur (f = 0, p = 0).
bool calcul_moteur(GrapheCharge &g, double v1, double f, double p, double m, double R2, double l2, float Tp);

// Repère du graphe, pris sur les extrémités actuelles de ligne_x et ligne_y.
struct RepereCharge {
    double X1 = 0, X2 = 0; // bouts de ligne_x
    double Y1 = 0, Y2 = 0; // haut et bas de ligne_y
    double y_axe_x = 0;    // hauteur de ligne_x
};

struct Segment {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Le morceau d'un segment qui tient dans le rectangle [gauche, droite] x
// [haut, bas] (Liang-Barsky), rien s'il passe tout entier au dehors.
std::optional<Segment> dans_cadre(const Segment &s, double gauche, double haut, double droite, double bas);

struct TraceCharge {
    // Points de la courbe, arrondis vers le bas ; un point dont le couple
    // n'est pas fini est marqué absent et ses segments ne sont pas tracés.
    std::array<double, nombre_pas + 1> x{}, y{};
    std::array<bool, nombre_pas + 1> present{};
    // Les segments à tracer entre points présents, coupés au cadre blanc du
    // graphe et à l'axe des vitesses : une courbe qui dépasse la pleine
    // échelle (le moteur à 230 V) ou passe sous l'axe (au-delà du
    // synchronisme) s'arrête au bord.
    std::vector<Segment> segments;
    std::vector<double> graduations_x, graduations_y;
};
TraceCharge disposer(const GrapheCharge &g, const RepereCharge &r);

// Lecture sous le pointeur : vide hors du cadre (bornes strictes), sinon la
// vitesse et le couple à quatre chiffres.
struct Lecture {
    double n = 0, T = 0;
};
std::optional<Lecture> lecture(const GrapheCharge &g, const RepereCharge &r, double x, double y);

} // namespace sodel
