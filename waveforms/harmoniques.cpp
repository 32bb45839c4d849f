// SPDX-License-Identifier: GPL-3.0-or-later
#include "harmoniques.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace oscillo {

namespace {

// Un terme K . exp(mu - lambda.t) . cos(beta.t + theta) : constantes, arcs de
// sinusoïde, exponentielles et leurs produits s'écrivent tous comme des
// sommes de tels termes, dont l'intégrale a une forme fermée.
struct Terme {
    double K = 0.0, mu = 0.0, lambda = 0.0, beta = 0.0, theta = 0.0;
};

// Au plus trois termes par morceau : c, s . sin(w.t), k . exp(-l(t - t_ref)).
struct Termes {
    std::array<Terme, 3> t{};
    int n = 0;
    void ajouter(const Terme &x) { t[n++] = x; }
};

Termes termes(const Morceau &m)
{
    Termes r;
    if (m.c != 0.0)
        r.ajouter({m.c, 0.0, 0.0, 0.0, 0.0});
    // sin(w.t) = cos(w.t - π/2) ; un sinus de pulsation nulle est nul partout.
    if (m.s != 0.0 && m.omega != 0.0)
        r.ajouter({m.s, 0.0, 0.0, m.omega, -std::numbers::pi / 2});
    if (m.k != 0.0)
        r.ajouter({m.k, m.lambda * m.t_ref, m.lambda, 0.0, 0.0});
    return r;
}

// sin(x) / x, sans division près de 0.
double sinc(double x)
{
    return std::fabs(x) < 1e-4 ? 1.0 - x * x / 6.0 : std::sin(x) / x;
}

// Intégrale exacte d'un terme sur [a, b].
double integrale(const Terme &x, double a, double b)
{
    if (x.lambda == 0.0) {
        // cos(beta.t + theta) intégré sur [a, b] : L . sinc(beta.L/2) . cos(beta.milieu + theta),
        // sans la division par beta qui perdrait tout quand beta est presque nul.
        const double L = b - a;
        return x.K * std::exp(x.mu) * L * sinc(x.beta * L / 2.0) * std::cos(x.beta * (a + b) / 2.0 + x.theta);
    }
    // Primitive : exp(mu - lambda.t) (-lambda cos + beta sin) / (lambda² + beta²).
    const double d = x.lambda * x.lambda + x.beta * x.beta;
    const auto F = [&](double t) {
        const double phase = x.beta * t + x.theta;
        return std::exp(x.mu - x.lambda * t) * (-x.lambda * std::cos(phase) + x.beta * std::sin(phase)) / d;
    };
    return x.K * (F(b) - F(a));
}

// cos(p) cos(q) = [cos(p - q) + cos(p + q)] / 2 : le produit de deux termes
// en donne deux.
void ajouter_produit(const Terme &x, const Terme &y, double a, double b, double &somme)
{
    const double K = x.K * y.K / 2.0, mu = x.mu + y.mu, lambda = x.lambda + y.lambda;
    somme += integrale({K, mu, lambda, x.beta - y.beta, x.theta - y.theta}, a, b);
    somme += integrale({K, mu, lambda, x.beta + y.beta, x.theta + y.theta}, a, b);
}

// Intégrale de m(t) . cos(beta.t + theta) sur le morceau.
double integrale_contre(const Morceau &m, double beta, double theta)
{
    if (!(m.fin > m.debut))
        return 0.0;
    const Terme base{1.0, 0.0, 0.0, beta, theta};
    const Termes tm = termes(m);
    double somme = 0.0;
    for (int i = 0; i < tm.n; ++i)
        ajouter_produit(tm.t[i], base, m.debut, m.fin, somme);
    return somme;
}

double integrale_forme(std::span<const Morceau> forme, double beta, double theta)
{
    double somme = 0.0;
    for (const Morceau &m : forme)
        somme += integrale_contre(m, beta, theta);
    return somme;
}

} // namespace

Spectre spectre(std::span<const Morceau> forme, double T, int rangs)
{
    Spectre s;
    s.rangs.assign(static_cast<std::size_t>(std::max(rangs, 1)), Harmonique{});
    if (!(T > 0.0))
        return s;
    const double w = 2.0 * std::numbers::pi / T;
    s.efficace = valeur_efficace(forme, T);
    const double seuil = bruit_relatif * s.efficace;

    // La moyenne d'une grandeur alternative ne garde que les restes de
    // l'arrondi des calculs (10⁻¹⁵) : le seuil est bien plus bas que pour les
    // rangs, pour garder une petite moyenne que le modèle donne vraiment
    // (la tension redressée à 90°, où son cosinus vaut 1,3.10⁻⁶).
    s.moyenne = integrale_forme(forme, 0.0, 0.0) / T;
    if (std::fabs(s.moyenne) < 1e-9 * s.efficace)
        s.moyenne = 0.0;
    for (std::size_t n = 1; n <= s.rangs.size(); ++n) {
        // v = somme de a_n cos(n.w.t) + b_n sin(n.w.t) = √2 . I_n . sin(n.w.t + φ_n).
        const double an = 2.0 / T * integrale_forme(forme, n * w, 0.0);
        const double bn = 2.0 / T * integrale_forme(forme, n * w, -std::numbers::pi / 2);
        Harmonique &h = s.rangs[n - 1];
        h.efficace = std::hypot(an, bn) / std::numbers::sqrt2;
        if (h.efficace < seuil)
            h = Harmonique{};
        else
            h.phase = std::atan2(an, bn) * 180.0 / std::numbers::pi;
    }

    const double I1 = s.fondamental().efficace;
    if (I1 > 0.0) {
        const double reste2 = s.efficace * s.efficace - s.moyenne * s.moyenne - I1 * I1;
        const double reste = reste2 > 0.0 ? std::sqrt(reste2) : 0.0;
        s.thd = reste < seuil ? 0.0 : 100.0 * reste / I1;
    }

    bool fini = std::isfinite(s.moyenne) && std::isfinite(s.efficace) && (!s.thd || std::isfinite(*s.thd));
    for (const Harmonique &h : s.rangs)
        fini = fini && std::isfinite(h.efficace) && std::isfinite(h.phase);
    if (!fini)
        return spectre({}, T, rangs);
    return s;
}

double moyenne_produit(std::span<const Morceau> a, std::span<const Morceau> b, double T)
{
    if (!(T > 0.0))
        return 0.0;
    double somme = 0.0;
    for (const Morceau &ma : a)
        for (const Morceau &mb : b) {
            const double debut = std::max(ma.debut, mb.debut), fin = std::min(ma.fin, mb.fin);
            if (!(fin > debut))
                continue;
            const Termes ta = termes(ma), tb = termes(mb);
            for (int i = 0; i < ta.n; ++i)
                for (int j = 0; j < tb.n; ++j)
                    ajouter_produit(ta.t[i], tb.t[j], debut, fin, somme);
        }
    const double m = somme / T;
    return std::isfinite(m) ? m : 0.0;
}

Puissances puissances(std::span<const Morceau> u, std::span<const Morceau> i, double T)
{
    Puissances p;
    const Spectre su = spectre(u, T, 1), si = spectre(i, T, 1);
    p.S = su.efficace * si.efficace;
    if (!(p.S > 0.0) || !std::isfinite(p.S)) {
        p.S = 0.0;
        return p; // rien ne circule : ni puissance, ni facteurs
    }
    p.P = moyenne_produit(u, i, T);
    if (std::fabs(p.P) < bruit_relatif * p.S)
        p.P = 0.0;
    p.k = p.P / p.S;
    if (su.fondamental().efficace > 0.0 && si.fondamental().efficace > 0.0) {
        double c = std::cos((su.fondamental().phase - si.fondamental().phase) * std::numbers::pi / 180.0);
        if (std::fabs(c) < bruit_relatif)
            c = 0.0;
        p.cos_phi1 = c;
    }
    return p;
}

ContenuSpectre contenu_spectre(const Circuit &circuit, int indice, double dt, int f)
{
    ContenuSpectre c;
    if (indice < 0 || static_cast<std::size_t>(indice) >= circuit.grandeurs().size() || f <= 0)
        return c;
    const double T = 1.0 / f;
    const auto r = [&](double x) { return circuit.arrondir(x); };
    const Forme forme = circuit.forme(indice, dt, f);
    const Spectre s = spectre(forme, T);

    c.moyenne = r(s.moyenne);
    c.efficace = r(s.efficace);
    const double I1 = s.fondamental().efficace;
    c.fondamental = r(I1);
    if (s.thd)
        c.thd = r(*s.thd);
    for (std::size_t n = 1; n <= s.rangs.size(); ++n) {
        const Harmonique &h = s.rangs[n - 1];
        LigneSpectre l;
        l.rang = static_cast<int>(n);
        l.frequence = r(static_cast<double>(n) * f);
        l.efficace = r(h.efficace);
        if (I1 > 0.0)
            l.pourcentage = r(100.0 * h.efficace / I1);
        if (h.efficace > 0.0)
            l.phase = r(h.phase);
        c.lignes.push_back(l);
        c.barres.push_back(h.efficace);
    }

    const Dipole d = circuit.dipole();
    const Puissances p = puissances(circuit.forme(d.tension, dt, f), circuit.forme(d.courant, dt, f), T);
    c.puissances.P = r(p.P);
    c.puissances.S = r(p.S);
    if (p.k)
        c.puissances.k = r(*p.k);
    if (p.cos_phi1)
        c.puissances.cos_phi1 = r(*p.cos_phi1);
    if (d.source >= 0 && d.courant_source >= 0)
        c.puissance_source =
            r(moyenne_produit(circuit.forme(d.source, dt, f), circuit.forme(d.courant_source, dt, f), T));
    return c;
}

} // namespace oscillo
