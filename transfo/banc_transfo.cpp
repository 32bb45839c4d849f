// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc_transfo.h"

#include "arrondi.h"
#include "nombre.h"

#include <algorithm>
#include <cmath>

namespace transfo {

BancTransfo::BancTransfo(EffetsTransfo &effets) : effets_(effets)
{
}

void BancTransfo::init_transfo()
{
    u1_ = 0.0;
    r_charge_ = Rmax;
    x_charge_ = 0.0;
    kv_ferme_ = false;
    kcc_ferme_ = false;
    glisse_r_ = false;
    glisse_l_ = false;
    res_ = Resultats{};
    effets_.ecrire_choix_u1("0");
}

void BancTransfo::calcul_transfo()
{
    calculer(false);
}

void BancTransfo::calculer(bool apres_fusible)
{
    // 1. Charge effective : le court-circuit l'emporte sur l'interrupteur de charge.
    double R, X;
    if (kcc_ferme_) {
        R = 0.0;
        X = 0.0;
    } else if (kv_ferme_) {
        R = r_charge_;
        X = x_charge_;
    } else {
        R = R_ouvert;
        X = R_ouvert;
    }

    // 2. Impédance série ramenée au primaire.
    const double m2 = m * m;
    const double Rt = R1 + (R2 + R) / m2;
    const double Xt = X1 + (X2 + X) / m2;
    const double Zt = std::sqrt(Rt * Rt + Xt * Xt);

    // 3. Admittance d'entrée 1/Rf - j/Xm + 1/(Rt + jXt), sous forme de produit.
    const double xm = Xm;
    const double N1 = Rf * xm + Rt * xm + Rf * Xt;
    const double N2 = Rf * Rt - xm * Xt;
    const double Y = std::sqrt(N1 * N1 + N2 * N2) / (Zt * Rf * xm);
    res_.I1 = u1_ * Y;

    // 4. Déphasage primaire.
    const double Z2 = Rt * Rt + Xt * Xt;
    const double phi1 = std::atan(Rf * (Z2 + xm * Xt) / (xm * (Z2 + Rf * Rt)));
    res_.cos_phi1 = std::cos(phi1);

    // 5 et 6. Courant et tension secondaires (U2 nulle en court-circuit franc).
    res_.I2 = u1_ / (m * Zt);
    res_.U2 = (R == 0.0 && X == 0.0) ? 0.0 : u1_ * std::sqrt(R * R + X * X) / (m * Zt);

    // 7. Puissances : l'absorbée, moins les pertes cuivre et fer pour la fournie.
    res_.P1 = u1_ * res_.I1 * res_.cos_phi1;
    res_.P2 = nombre::en_simple(res_.P1 - res_.I2 * res_.I2 * (R1 * m2 + R2) - u1_ * u1_ / Rf);

    // 8. Lectures arrondies à quatre chiffres significatifs.
    effets_.afficher(Afficheur::u1, arrondi::quatre_chif_sign(u1_));
    effets_.afficher(Afficheur::i1, arrondi::quatre_chif_sign(res_.I1));
    effets_.afficher(Afficheur::p1, arrondi::quatre_chif_sign(res_.P1));
    effets_.afficher(Afficheur::u2, arrondi::quatre_chif_sign(res_.U2));
    effets_.afficher(Afficheur::i2, arrondi::quatre_chif_sign(res_.I2));
    effets_.afficher(Afficheur::p2, arrondi::quatre_chif_sign(res_.P2));

    // 9. Fusible : strictement au-delà du seuil, une seule fois par action.
    // Il fond sur l'intensité en valeur absolue : une tension négative fait
    // passer le même courant, de sens opposé.
    if (std::fabs(res_.I1) > I1_fusible && !apres_fusible)
        fondre_fusible();
}

void BancTransfo::fondre_fusible()
{
    kv_ferme_ = false;
    kcc_ferme_ = false;
    effets_.dessiner_kv(false);
    effets_.dessiner_kcc(false);
    glisse_r_ = false;
    glisse_l_ = false;
    effets_.fusible_fondu();
    calculer(true);
}

void BancTransfo::valid_u1_Click(std::string_view texte_saisie)
{
    u1_ = nombre::lire_nombre(texte_saisie);
    calcul_transfo();
}

void BancTransfo::commande_kv_Click()
{
    kv_ferme_ = !kv_ferme_;
    effets_.dessiner_kv(kv_ferme_);
    calcul_transfo();
}

void BancTransfo::commande_kcc_Click()
{
    kcc_ferme_ = !kcc_ferme_;
    effets_.dessiner_kcc(kcc_ferme_);
    calcul_transfo();
}

// --- Rhéostat : R = Rmax . y / h ---------------------------------------------

void BancTransfo::rheostat_MouseDown(double y)
{
    glisse_r_ = !glisse_r_;
    effets_.placer_curseur_r(y);
}

void BancTransfo::rheostat_MouseMove(double y)
{
    if (!glisse_r_ || !(y > 0.0 && y < hauteur_piste_r))
        return;
    effets_.placer_curseur_r(y);
    r_charge_ = Rmax * y / hauteur_piste_r;
    calcul_transfo();
}

void BancTransfo::rheostat_MouseUp(double y)
{
    glisse_r_ = !glisse_r_;
    // Le pointeur peut être relâché hors de la piste (ou donner une hauteur non
    // finie) : le curseur reste alors à l'extrémité la plus proche.
    y = std::isnan(y) ? 0.0 : std::clamp(y, 0.0, hauteur_piste_r);
    effets_.placer_curseur_r(y);
    r_charge_ = Rmax * y / hauteur_piste_r;
    calcul_transfo();
}

// --- Inductance : X = Lmax . omega . y / h -------------------------------------

void BancTransfo::L_MouseDown(double y)
{
    glisse_l_ = !glisse_l_;
    effets_.placer_curseur_l(y);
}

void BancTransfo::L_MouseMove(double y)
{
    if (!glisse_l_ || !(y > 0.0 && y < hauteur_piste_l))
        return;
    effets_.placer_curseur_l(y);
    x_charge_ = Lmax * omega * y / hauteur_piste_l;
    calcul_transfo();
}

void BancTransfo::L_MouseUp(double y)
{
    glisse_l_ = !glisse_l_;
    y = std::isnan(y) ? 0.0 : std::clamp(y, 0.0, hauteur_piste_l);
    effets_.placer_curseur_l(y);
    x_charge_ = Lmax * omega * y / hauteur_piste_l;
    calcul_transfo();
}

} // namespace transfo
