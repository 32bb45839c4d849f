// SPDX-License-Identifier: GPL-3.0-or-later
#include "harmoniques.h"

#include <algorithm>
#include <array>
#include <charconv>
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

    // La valeur efficace dépasse la moyenne et le fondamental : sinon le
    // calcul du carré a débordé (valeur_efficace rend alors 0).
    const double marge = 1.0 + 1e-9;
    bool fini = std::isfinite(s.moyenne) && std::isfinite(s.efficace) && (!s.thd || std::isfinite(*s.thd)) &&
                std::fabs(s.moyenne) <= s.efficace * marge && I1 <= s.efficace * marge;
    for (const Harmonique &h : s.rangs)
        fini = fini && std::isfinite(h.efficace) && std::isfinite(h.phase);
    if (!fini) {
        Spectre nul = spectre({}, T, rangs);
        nul.calcule = false;
        return nul;
    }
    return s;
}

namespace {

// La moyenne du produit, ou rien quand le calcul déborde.
std::optional<double> moyenne_produit_finie(std::span<const Morceau> a, std::span<const Morceau> b, double T)
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
    if (!std::isfinite(m))
        return std::nullopt;
    return m;
}

} // namespace

double moyenne_produit(std::span<const Morceau> a, std::span<const Morceau> b, double T)
{
    return moyenne_produit_finie(a, b, T).value_or(0.0);
}

Puissances puissances(std::span<const Morceau> u, std::span<const Morceau> i, double T)
{
    Puissances p;
    const Spectre su = spectre(u, T, 1), si = spectre(i, T, 1);
    p.S = su.efficace * si.efficace;
    const std::optional<double> P = moyenne_produit_finie(u, i, T);
    if (!su.calcule || !si.calcule || !std::isfinite(p.S) || !P) {
        p.S = 0.0;
        p.calculees = false;
        return p;
    }
    if (!(p.S > 0.0)) {
        p.S = 0.0;
        return p; // rien ne circule : ni puissance, ni facteurs
    }
    p.P = *P;
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

namespace {

constexpr int puissance_min = -15, puissance_max = 9; // f .. G

// Chiffres d'une valeur non nulle et finie à quatre chiffres significatifs :
// « -5.644 » et l'exposant de dix (-2 pour -0,05644), arrondi correct au plus
// proche, sans passer par la langue du système.
bool quatre_chiffres(double x, std::string &mantisse, int &exposant)
{
    char tampon[40];
    const auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific, 3);
    if (erreur != std::errc())
        return false;
    const std::string t(tampon, fin);
    const std::size_t e = t.find('e');
    mantisse = t.substr(0, e);
    exposant = std::stoi(t.substr(e + 1));
    return true;
}

// Les quatre chiffres « dddd » (signe à part) avec le point décimal placé
// après « entiers » chiffres ; zéros ajoutés devant (0.0dddd) ou derrière (dddd00).
std::string placer_point(bool negatif, const std::string &chiffres, int entiers)
{
    std::string r;
    if (entiers <= 0)
        r = "0." + std::string(static_cast<std::size_t>(-entiers), '0') + chiffres;
    else if (entiers >= static_cast<int>(chiffres.size()))
        r = chiffres + std::string(static_cast<std::size_t>(entiers) - chiffres.size(), '0');
    else
        r = chiffres.substr(0, static_cast<std::size_t>(entiers)) + "." +
            chiffres.substr(static_cast<std::size_t>(entiers));
    return negatif ? "-" + r : r;
}

} // namespace

bool Lecture::zero() const
{
    return nombre() && chiffres.find_first_not_of("-0.") == std::string::npos;
}

std::string Lecture::decimal() const
{
    if (!nombre())
        return {};
    if (puissance == 0 || zero())
        return chiffres;
    const bool negatif = chiffres.front() == '-';
    std::string c = negatif ? chiffres.substr(1) : chiffres;
    const std::size_t point = c.find('.');
    const int entiers = static_cast<int>(point == std::string::npos ? c.size() : point);
    if (point != std::string::npos)
        c.erase(point, 1);
    // 56.44 m -> 0.05644 ; 1.200 k -> 1200.
    return placer_point(negatif, c, entiers + puissance);
}

Lecture lecture(double x, Sorte sorte)
{
    if (!std::isfinite(x))
        return hors_echelle();
    if (x == 0.0)
        return {Lecture::Etat::nombre, sorte == Sorte::phase ? "0.00" : "0", 0};
    std::string mantisse;
    int exposant = 0;
    if (!quatre_chiffres(x, mantisse, exposant))
        return hors_echelle();
    const bool negatif = mantisse.front() == '-';
    std::string chiffres = mantisse.substr(negatif ? 1 : 0);
    chiffres.erase(1, 1); // « 5.644 » -> « 5644 »

    switch (sorte) {
    case Sorte::grandeur: {
        // Préfixe : le multiple de 3 qui laisse un à trois chiffres avant le point.
        const int p = exposant >= 0 ? exposant / 3 * 3 : -((-exposant + 2) / 3 * 3);
        if (p < puissance_min || p > puissance_max)
            return hors_echelle();
        return {Lecture::Etat::nombre, placer_point(negatif, chiffres, exposant - p + 1), p};
    }
    case Sorte::pourcentage:
        if (exposant < -9 || exposant > 9)
            return hors_echelle();
        return {Lecture::Etat::nombre, placer_point(negatif, chiffres, exposant + 1), 0};
    case Sorte::phase: {
        // Dans ]-180, 180] ; quatre chiffres, mais pas plus fin que le
        // centième de degré (une phase de 10⁻⁹ ° n'est qu'un reste de calcul).
        const double a = std::remainder(x, 360.0);
        int decimales = 2;
        if (a != 0.0 && quatre_chiffres(a, mantisse, exposant))
            decimales = std::clamp(3 - exposant, 0, 2);
        char tampon[40];
        const auto [fin, erreur] =
            std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::fixed, decimales);
        if (erreur != std::errc())
            return hors_echelle();
        std::string t(tampon, fin);
        double relue = 0.0;
        std::from_chars(t.data(), t.data() + t.size(), relue);
        if (t.front() == '-' && (relue == 0.0 || relue <= -180.0))
            t.erase(0, 1); // ni « -0.00 » ni -180 : 0.00 et 180
        return {Lecture::Etat::nombre, t, 0};
    }
    }
    return hors_echelle();
}

ContenuSpectre contenu_spectre(const Circuit &circuit, int indice, double dt, int f)
{
    ContenuSpectre c;
    if (indice < 0 || static_cast<std::size_t>(indice) >= circuit.grandeurs().size() || f <= 0)
        return c;
    const double T = 1.0 / f;
    const Forme forme = circuit.forme(indice, dt, f);
    const Spectre s = spectre(forme, T);
    // Une valeur efficace hors d'échelle (calcul qui déborde, ou moins d'un
    // femto) emporte tout le spectre avec elle.
    const bool montrable = s.calcule && lecture(s.efficace, Sorte::grandeur).nombre();
    const auto grandeur = [&](double x) { return montrable ? lecture(x, Sorte::grandeur) : hors_echelle(); };

    c.moyenne = grandeur(s.moyenne);
    c.efficace = grandeur(s.efficace);
    const double I1 = s.fondamental().efficace;
    c.fondamental = grandeur(I1);
    // Ni THD ni % du fondamental à côté d'une valeur efficace ou d'un
    // fondamental qui se lit 0 ; hors d'échelle avec le fondamental.
    const bool rapports = !c.efficace.zero() && !c.fondamental.zero() && I1 > 0.0;
    const auto rapport = [&](double x) {
        if (!c.fondamental.nombre())
            return hors_echelle();
        return rapports ? lecture(x, Sorte::pourcentage) : Lecture{};
    };
    if (s.thd)
        c.thd = rapport(*s.thd);
    else if (!montrable)
        c.thd = hors_echelle();
    for (std::size_t n = 1; n <= s.rangs.size(); ++n) {
        const Harmonique &h = s.rangs[n - 1];
        LigneSpectre l;
        l.rang = static_cast<int>(n);
        l.frequence = static_cast<double>(n) * f;
        l.efficace = grandeur(h.efficace);
        l.pourcentage = rapport(I1 > 0.0 ? 100.0 * h.efficace / I1 : 0.0);
        if (!l.efficace.nombre())
            l.phase = hors_echelle();
        else if (!l.efficace.zero())
            l.phase = lecture(h.phase, Sorte::phase);
        c.lignes.push_back(l);
        c.barres.push_back(montrable ? h.efficace : 0.0);
    }

    const Dipole d = circuit.dipole();
    const Puissances p = puissances(circuit.forme(d.tension, dt, f), circuit.forme(d.courant, dt, f), T);
    if (p.calculees) {
        c.P = lecture(p.P, Sorte::grandeur);
        c.S = lecture(p.S, Sorte::grandeur);
        // k et cos φ1 sont vides quand S se lit 0 : rien ne circule.
        if (p.k && !c.S.zero())
            c.k = lecture(*p.k, Sorte::pourcentage);
        if (p.cos_phi1 && !c.S.zero())
            c.cos_phi1 = lecture(*p.cos_phi1, Sorte::pourcentage);
    } else {
        c.P = c.S = c.k = c.cos_phi1 = hors_echelle();
    }
    if (d.source >= 0 && d.courant_source >= 0) {
        const std::optional<double> pe =
            moyenne_produit_finie(circuit.forme(d.source, dt, f), circuit.forme(d.courant_source, dt, f), T);
        c.puissance_source = pe ? lecture(*pe, Sorte::grandeur) : hors_echelle();
    }
    return c;
}

} // namespace oscillo
