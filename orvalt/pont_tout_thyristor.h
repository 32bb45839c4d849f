// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du pont monophasé tout thyristors T1..T4 sur une charge R, L, e.
// Le courant de charge est supposé parfaitement lissé (égal à sa valeur
// moyenne imoy) ; le pont cesse de conduire quand la tension redressée
// moyenne tombe sous e. Pas de Qt ici.

#include "circuit.h"
#include "pi_arrondi.h"
#include "pont_monophase.h"

#include <array>
#include <string_view>

namespace orvalt {

// Approximations de pi propres au programme : elles font partie des lectures
// (à 90° le cosinus vaut 1,3e-6 et non 0).
inline constexpr double pi = pi_arrondi::cinq_decimales;
inline constexpr double deux_pi = 2 * pi;

// Indices de la liste des grandeurs.
enum Indice : int {
    i_u = 0,
    i_uc,
    i_ic,
    i_is,
    i_uT1, // uT1 .. uT4 : 4 .. 7
    i_iT1 = 8, // iT1 .. iT4 : 8 .. 11
    i_ig1 = 12, // ig1 .. ig4 : 12 .. 15
    nombre_grandeurs = 16
};

class PontToutThyristor : public oscillo::Circuit
{
public:
    // Tension d'un thyristor passant, dessinée juste au-dessus de l'axe.
    static constexpr double tension_passant = 0.6;

    PontToutThyristor();

    // Validation de l'angle d'amorçage : accepté entre 0 et 180° (bornes
    // comprises), imoy recalculé ; refusé sinon (rien ne change).
    bool fixer_alpha(double degres);
    // F.é.m. de la charge, jamais refusée.
    void fixer_e(double volts);

    // Valeur efficace de la tension sinusoïdale u de la source, en volts.
    static constexpr double tension_efficace = 24.0;
    double vmax() const { return vmax_; }
    float r() const { return r_; }
    float alpha() const { return alpha_; }
    double e() const { return e_; }
    double imoy() const { return imoy_; }
    // Tension redressée moyenne 2 vmax cos(alpha) / pi, que le pont délivre s'il conduit.
    double uc_moyenne() const;
    bool bloque() const { return uc_moyenne() < e_; }

    // Grandeurs du dernier calcul ; k = 1..4 pour les thyristors.
    double u() const { return inst_.u; }
    double uc() const { return inst_.uc; }
    double ic() const { return inst_.ic; }
    double is() const { return inst_.is; }
    double uT(int k) const { return inst_.tension[k - 1]; }
    double iT(int k) const { return inst_.courant[k - 1]; }
    double ig(int k) const { return inst_.gachette[k - 1]; }
    bool etat(int k) const { return inst_.conduit[k - 1]; }

    // oscillo::Circuit
    std::span<const oscillo::Grandeur> grandeurs() const override;
    oscillo::References references() const override;
    double arrondir(double x) const override;
    std::vector<oscillo::Reglage> reglages() const override;
    void calculer(double t, double dt, int f) override;
    double valeur(int indice) const override;
    int nombre_composants() const override { return 4; }
    bool conduit(int, int composant) const override { return inst_.conduit[composant]; }
    oscillo::Moyenne moyenne(int indice) const override;
    bool moyennes_a_zero() const override { return bloque_; }
    oscillo::Forme forme(int indice, double dt, int f) const override;
    oscillo::Dipole dipole() const override { return oscillo::dipole_pont(); }
    int grandeur_spectre() const override { return oscillo::grandeur_spectre_pont; }
    std::unique_ptr<oscillo::Circuit> copie() const override;

private:
    void calculer_imoy();
    double cos_alpha() const;

    double vmax_;
    float r_ = 20.0f;
    float alpha_ = 0.0f;
    double e_ = 0.0;
    double imoy_ = 0.0;

    oscillo::EtatPont inst_;
    bool bloque_ = false;
};

} // namespace orvalt
