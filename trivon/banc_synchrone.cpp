// SPDX-License-Identifier: GPL-3.0-or-later
// Banc de la machine synchrone : moteur à courant continu à vide (sa vitesse
// ne dépend que de sa tension), alternateur représenté par sa f.é.m. derrière
// Rs et la réactance synchrone, charge de trois branches R-L en étoile.

#include "banc_synchrone.h"

#include "arrondi.h"
#include "pi_arrondi.h"
#include "nombre.h"

#include <cmath>

namespace trivon {

namespace {

// Constantes du modèle, avec exactement ces chiffres.
constexpr double pi = pi_arrondi::quatorze_decimales;
constexpr double deux_pi = 2 * pi;
constexpr double quatre_pi2 = 39.478417604357354;

// Limites de sécurité du banc.
constexpr double n_max = 5000;     // tr/min
constexpr double Ie_max = 3 * Ien; // 7,8 A

// Un calcul qui ne donne pas un nombre fini (charge d'impédance nulle,
// valeurs démesurées) ne montre rien plutôt qu'une lecture absurde.
double fini_ou_zero(double x)
{
    return std::isfinite(x) ? x : 0.0;
}

} // namespace

double kphi(double Ie)
{
    // La courbe d'aimantation sature de la même façon dans les deux sens du
    // courant d'excitation : seul le signe de la f.é.m. change.
    const double module = En * (1.0 - std::exp(-3.1 * std::fabs(Ie) / Ien)) / (0.9328 * nn);
    return Ie < 0 ? -module : module;
}

EtatArbre top_arbre(bool premier, double n)
{
    const double demi_periode = 150.0 * static_cast<double>(nn) / std::fabs(n);
    // Arrêté, trop lent pour être vu, ou vitesse indéterminée : arbre noir.
    if (!std::isfinite(n) || !(demi_periode <= intervalle_max))
        return EtatArbre{0, premier ? intervalle_repos : 0};
    if (!premier)
        return EtatArbre{192, 0};
    return EtatArbre{255, nombre::en_entier_borne(demi_periode, 1, intervalle_max, intervalle_repos)};
}

BancSynchrone::BancSynchrone(EffetsBanc &effets) : effets_(effets)
{
}

void BancSynchrone::initialise()
{
    r_ = Reglages{};
    s_ = Resultats{};
}

void BancSynchrone::calcul_point()
{
    // 1. Moteur d'entraînement à vide.
    s_.n = 30.0 * r_.U / (static_cast<double>(k_vek) * pi);

    // 2. Survitesse, dans un sens de rotation comme dans l'autre.
    if (!(std::fabs(s_.n) <= n_max)) {
        effets_.avertir(texte_survitesse);
        r_.U = 0;
        s_.n = 0;
    }

    // 3, 4. Courant d'excitation, et sa limite quel que soit son sens.
    s_.Ie = r_.Ue / Re;
    if (!(std::fabs(s_.Ie) <= Ie_max)) {
        effets_.avertir(texte_surintensite_inducteur);
        r_.Ue = 0;
        s_.Ie = 0;
    }

    // 5. Fréquence des tensions : une rotation à l'envers donne la même
    // fréquence (seul l'ordre des phases change), et la même f.é.m. efficace.
    const double vitesse = std::fabs(s_.n);
    s_.f = p * vitesse / 60.0;
    const double E_w = std::fabs(kphi(s_.Ie)) * vitesse;

    if (!r_.inter_ferme) {
        // 6. Interrupteur ouvert : la tension est la f.é.m.
        s_.V = r_.etoile ? E_w : E_w / std::sqrt(3.0);
        s_.I = 0;
        s_.P = 0;
        effets_.dessiner_interrupteur(false);
    } else {
        // 7, 8. Interrupteur fermé sur la charge.
        calculer_charge(E_w);
        effets_.dessiner_interrupteur(true);
    }

    // 9. Pertes fer et couple sur l'arbre, opposé au sens de rotation.
    if (s_.n == 0) {
        s_.Pfer = 0;
        s_.T = 0;
    } else {
        s_.Pfer = fini_ou_zero((r_.etoile ? 1.0 : 3.0) * kfer * s_.V * s_.V / s_.f);
        const double T = Tp + 30.0 * (s_.Pfer + 3.0 * s_.V * s_.I) / (pi * vitesse);
        s_.T = nombre::en_simple(fini_ou_zero(s_.n < 0 ? -T : T));
        if (!std::isfinite(s_.T))
            s_.T = 0;
    }

    // 10. Les huit afficheurs.
    rafraichir_afficheurs();
}

void BancSynchrone::calculer_charge(double E_w)
{
    const double R = r_.R;
    const double L = r_.L;
    const double f = s_.f;
    const bool court_circuit = R == 0 && L == 0;

    if (r_.etoile) {
        const double Z = std::sqrt((Rs + R) * (Rs + R) + quatre_pi2 * f * f * (Ls + L) * (Ls + L));
        s_.I = fini_ou_zero(E_w / Z);
        if (court_circuit || s_.Ie == 0 || !(Z > 0)) {
            s_.V = 0;
        } else {
            // Tension d'une branche de la charge : |(R + j.X).I.(cos + j.sin)|,
            // le sinus du déphasage rangé en simple précision.
            const double cosinus = (Rs + R) / Z;
            const double sinus = nombre::en_simple(-deux_pi * f * (Ls + L) / Z);
            const double X = deux_pi * f * L;
            s_.V = s_.I * std::sqrt(R * R + X * X) * std::sqrt(cosinus * cosinus + sinus * sinus);
        }
    } else {
        // Chaque enroulement voit trois fois l'impédance de la charge ; le
        // courant en ligne vaut √3 fois celui d'un enroulement.
        double Req = 0, Xeq = 0;
        if (!court_circuit) {
            Req = 3.0 * R;
            Xeq = nombre::en_simple(3.0 * deux_pi * f * L);
        }
        const double Zt =
            std::sqrt((Rs + Req) * (Rs + Req) + (Xeq + deux_pi * Ls * f) * (Xeq + deux_pi * Ls * f));
        s_.I = fini_ou_zero(std::sqrt(3.0) * E_w / Zt);
        if (court_circuit) {
            s_.V = 0;
        } else {
            const double L2 = nombre::en_simple(L * L);
            s_.V = s_.I * std::sqrt(R * R + quatre_pi2 * f * f * L2);
        }
    }
    s_.V = fini_ou_zero(s_.V);

    // Puissance active : trois fois tension, courant et facteur de puissance de la charge.
    s_.P = court_circuit
               ? 0.0
               : fini_ou_zero(3.0 * s_.V * s_.I * R / std::sqrt(R * R + quatre_pi2 * f * f * L * L));
}

void BancSynchrone::rafraichir_afficheurs()
{
    const auto ecrire = [this](Afficheur a, double x) { effets_.afficher(a, arrondi::quatre_chif_sign(x)); };
    ecrire(Afficheur::ue, r_.Ue);
    ecrire(Afficheur::n, s_.n);
    ecrire(Afficheur::ie, s_.Ie);
    ecrire(Afficheur::v, s_.V);
    ecrire(Afficheur::i, std::fabs(s_.I));
    ecrire(Afficheur::t, s_.T);
    ecrire(Afficheur::P, s_.P);
    ecrire(Afficheur::f, s_.f);
}

} // namespace trivon
