// SPDX-License-Identifier: GPL-3.0-or-later
#include "courbe_enregistree.h"

#include "arrondi.h"
#include "nombre.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace courbe {

namespace {

double pas_de(const Variante &v, double maximum)
{
    const std::optional<double> pas =
        v.pas_arrondi ? arrondi::pas_graduation_arrondi(maximum) : arrondi::pas_graduation(maximum);
    return pas.value_or(0.0); // « vide » compte pour 0
}

// Lecture de la grandeur k (1..N) dans le banc ; rien pour k hors de la table.
std::optional<float> lire_grandeur(const Variante &v, int k)
{
    if (k < 1 || k > static_cast<int>(v.grandeurs.size()))
        return std::nullopt;
    const Grandeur &g = v.grandeurs[static_cast<std::size_t>(k - 1)];
    return lire_valeur(g.lire ? g.lire() : std::string());
}

} // namespace

float lire_valeur(const std::string &texte)
{
    const double valeur = nombre::lire_nombre(texte);
    if (!(std::fabs(valeur) <= FLT_MAX))
        return 0.0f; // ne tient pas en simple précision : comme un texte illisible
    return static_cast<float>(valeur);
}

Ajout placer_point(CourbeEnregistree &c, const Variante &v)
{
    Ajout ajout;
    if (c.nb_points >= capacite) {
        ajout.resultat = Ajout::Resultat::liste_pleine;
        return ajout;
    }
    const int n = c.nb_points + 1;
    c.nb_points = static_cast<std::int16_t>(n);
    if (c.grandeur_x != 0)
        if (const auto x = lire_grandeur(v, c.grandeur_x))
            c.x_point[n] = *x;
    if (c.grandeur_y != 0)
        if (const auto y = lire_grandeur(v, c.grandeur_y))
            c.y_point[n] = *y;

    for (int i = 1; i < n; ++i) {
        if (c.x_point[i] == c.x_point[n] && c.y_point[i] == c.y_point[n]) {
            c.nb_points = static_cast<std::int16_t>(n - 1);
            ajout.resultat = Ajout::Resultat::doublon;
            break;
        }
    }

    const int m = c.nb_points;
    if (c.x_point[m] > c.xmax) {
        c.xmax = c.x_point[m];
        c.pas_x = pas_de(v, c.xmax);
        ajout.xmax_change = true;
    }
    if (c.y_point[m] > c.ymax) {
        c.ymax = c.y_point[m];
        c.pas_y = nombre::en_simple(pas_de(v, c.ymax));
        ajout.ymax_change = true;
    }
    return ajout;
}

Retrait enlever_dernier_point(CourbeEnregistree &c, const Variante &v)
{
    Retrait retrait;
    // Sans point, n = 0 : la case 0 vaut 0 sur les deux axes.
    const int n = c.nb_points;
    if (c.x_point[n] == c.xmax) {
        c.xmax = 0;
        for (int i = 1; i < n; ++i)
            if (c.x_point[i] >= c.xmax)
                c.xmax = c.x_point[i];
        c.pas_x = pas_de(v, c.xmax);
        retrait.xmax_change = true;
    }
    if (c.y_point[n] == c.ymax) {
        c.ymax = 0;
        for (int i = 1; i < n; ++i)
            if (c.y_point[i] >= c.ymax)
                c.ymax = c.y_point[i];
        c.pas_y = nombre::en_simple(pas_de(v, c.ymax));
        retrait.ymax_change = true;
    }
    if (n != 0)
        c.nb_points = static_cast<std::int16_t>(n - 1);
    return retrait;
}

void recommencer(CourbeEnregistree &c)
{
    c.xmax = 0;
    c.ymax = 0;
    c.nb_points = 0;
    c.grandeur_x = 0;
    c.grandeur_y = 0;
}

void recalculer_maxima(CourbeEnregistree &c, const Variante &v)
{
    c.xmax = 0;
    c.ymax = 0;
    for (int i = 1; i <= c.nb_points && i <= capacite; ++i) {
        if (c.x_point[i] > c.xmax) {
            c.xmax = c.x_point[i];
            c.pas_x = pas_de(v, c.xmax);
        }
        if (c.y_point[i] > c.ymax) {
            c.ymax = c.y_point[i];
            c.pas_y = nombre::en_simple(pas_de(v, c.ymax));
        }
    }
}

int nombre_graduations(double maximum, double pas)
{
    if (!(maximum > 0) || !(pas > 0))
        return 0;
    const double q = std::floor(maximum / pas);
    if (!(q <= 1000))
        return 0;
    return static_cast<int>(q);
}

Disposition disposer(const CourbeEnregistree &c, const Repere &r)
{
    Disposition d;
    const double largeur = r.Xend - r.X0;
    const double hauteur = r.Ytop - r.Y0; // négative : y vers le bas
    for (int i = 1; i <= c.nb_points; ++i) {
        d.marque_x.push_back(c.xmax == 0 ? r.X0 : std::floor(r.X0 + largeur * c.x_point[i] / c.xmax));
        d.marque_y.push_back(c.ymax == 0 ? r.Yx
                                         : std::floor(r.Y0 + hauteur * c.y_point[i] / static_cast<double>(c.ymax)));
    }
    if (c.xmax != 0) {
        const int nx = nombre_graduations(c.xmax, c.pas_x);
        for (int j = 1; j <= nx; ++j)
            d.graduations_x.push_back(r.X0 + j * c.pas_x * largeur / c.xmax);
        if (nx > 0)
            d.echelle_x_gauche = r.X0 + c.pas_x * largeur / c.xmax - 100;
    }
    if (c.ymax != 0) {
        const double ymax = c.ymax, pas_y = c.pas_y;
        const int ny = nombre_graduations(ymax, pas_y);
        for (int j = 1; j <= ny; ++j)
            d.graduations_y.push_back(r.Yx + j * pas_y * hauteur / ymax);
        if (ny > 0)
            d.echelle_y_haut = r.Yx + pas_y * hauteur / ymax - 100;
    }
    return d;
}

// --- Ajustement ----------------------------------------------------------------

std::optional<std::vector<double>> interpoler(const std::vector<double> &x, const std::vector<double> &y)
{
    const std::size_t n = x.size();
    if (n < 2 || n > 9 || y.size() != n)
        return std::nullopt;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return std::nullopt;
        for (std::size_t j = 0; j < i; ++j)
            if (x[j] == x[i])
                return std::nullopt; // deux lignes égales : système singulier
    }

    // Indices 1..n comme dans l'algorithme ; A[i][j] = xi^(j-1).
    std::vector<std::vector<double>> A(n + 1, std::vector<double>(n + 1, 0.0));
    std::vector<double> b(n + 1, 0.0);
    for (std::size_t i = 1; i <= n; ++i) {
        double puissance = 1.0;
        for (std::size_t j = 1; j <= n; ++j) {
            A[i][j] = puissance;
            puissance *= x[i - 1];
        }
        b[i] = y[i - 1];
    }

    for (std::size_t k = 1; k < n; ++k) {
        if (A[k][k] == 0)
            return std::nullopt;
        for (std::size_t i = k + 1; i <= n; ++i) {
            // Une ligne déjà nulle dans la colonne k n'a rien à éliminer ; la
            // diviser par ce zéro la rendrait infinie.
            if (A[i][k] == 0)
                continue;
            b[i] = b[k] / A[k][k] - b[i] / A[i][k];
            // La colonne k en dernier : A[i][k] sert jusqu'à la fin de la ligne.
            for (std::size_t j = n; j >= k; --j)
                A[i][j] = A[k][j] / A[k][k] - A[i][j] / A[i][k];
        }
    }

    std::vector<double> coefficients(n + 1, 0.0);
    for (std::size_t i = n; i >= 1; --i) {
        if (A[i][i] == 0)
            return std::nullopt;
        double somme = b[i];
        for (std::size_t j = i + 1; j <= n; ++j)
            somme -= A[i][j] * coefficients[j];
        coefficients[i] = somme / A[i][i];
        if (!std::isfinite(coefficients[i]))
            return std::nullopt;
    }
    return std::vector<double>(coefficients.begin() + 1, coefficients.end());
}

double polynome(const std::vector<double> &c, double x)
{
    double somme = 0.0, puissance = 1.0;
    for (double coefficient : c) {
        somme += coefficient * puissance;
        puissance *= x;
    }
    return somme;
}

namespace {

// Découpe de Liang et Barsky : la partie du segment dans le cadre, s'il y en a.
std::optional<Segment> couper(const Segment &s, const Segment &cadre)
{
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) || !std::isfinite(s.y2))
        return std::nullopt;
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - cadre.x1, cadre.x2 - s.x1, s.y1 - cadre.y1, cadre.y2 - s.y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            if (t > t1)
                return std::nullopt;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return std::nullopt;
            if (t < t1)
                t1 = t;
        }
    }
    // Pour un segment démesuré (1e18 twips), s.x1 + t dx garde une erreur
    // d'arrondi de l'ordre de dizaines de twips : les extrémités sont
    // ramenées sur le bord qu'elles ne peuvent pas dépasser.
    const auto dans_x = [&](double x) { return std::clamp(x, cadre.x1, cadre.x2); };
    const auto dans_y = [&](double y) { return std::clamp(y, cadre.y1, cadre.y2); };
    return Segment{dans_x(s.x1 + t0 * dx), dans_y(s.y1 + t0 * dy), dans_x(s.x1 + t1 * dx),
                   dans_y(s.y1 + t1 * dy)};
}

} // namespace

std::vector<Segment> tracer_polynome(const std::vector<double> &c, double r, double Xend, double Ytop,
                                     const Segment &cadre)
{
    std::vector<Segment> segments;
    const double pas = (Xend - r) / 100.0;
    double x_prec = r, y_prec = polynome(c, r);
    for (int s = 1; s <= 100; ++s) {
        const double x = x_prec + pas;
        const double y = polynome(c, x);
        if (y > Ytop) {
            const Segment brut{std::floor(x_prec), std::floor(y_prec), std::floor(x), std::floor(y)};
            if (const auto coupe = couper(brut, cadre))
                segments.push_back(*coupe);
        }
        x_prec = x;
        y_prec = y;
    }
    return segments;
}

std::optional<std::string> lecture_coordonnees(const Repere &r, double xmax, double ymax, double x, double y,
                                               const std::string &format)
{
    if (!(r.X0 < x && x < r.Xend && r.Ytop < y && y < r.Y0))
        return std::nullopt;
    const double X = arrondi::quatre_chif_sign(xmax * (x - r.X0) / (r.Xend - r.X0));
    const double Y = arrondi::quatre_chif_sign(ymax * (r.Y0 - y) / (r.Y0 - r.Ytop));
    // En une passe, chaque trou une fois.
    std::string texte;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2')) {
            texte += nombre::texte_nombre(format[i + 1] == '1' ? X : Y);
            ++i;
        } else {
            texte += format[i];
        }
    }
    return texte;
}

tableur::Tableau tableau_points(const CourbeEnregistree &c, const Variante &v)
{
    const auto legende = [&v](int grandeur, const char *defaut) {
        if (grandeur >= 1 && grandeur <= static_cast<int>(v.grandeurs.size()))
            return v.grandeurs[static_cast<std::size_t>(grandeur - 1)].legende;
        return std::string(defaut);
    };
    tableur::Tableau t;
    t.entetes = {legende(c.grandeur_x, "x"), legende(c.grandeur_y, "y")};
    const int n = std::clamp<int>(c.nb_points, 0, capacite);
    for (int i = 1; i <= n; ++i)
        t.lignes.push_back({nombre::texte_simple_court(c.x_point[static_cast<std::size_t>(i)]),
                            nombre::texte_simple_court(c.y_point[static_cast<std::size_t>(i)])});
    return t;
}

} // namespace courbe
