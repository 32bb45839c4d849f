// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du banc de la machine asynchrone alimentée par un onduleur, en
// régime permanent : chaque action de l'élève recalcule d'un coup le point de
// fonctionnement (glissement, vitesse, courant en ligne, facteur de puissance,
// puissance absorbée) à partir de la fréquence, de la tension simple, du
// couplage et de la charge. Pas de Qt ici : la fenêtre fournit le texte de
// ses saisies et reçoit les effets par l'interface EffetsBanc.

#include "a_traduire.h"
#include "pi_arrondi.h"

#include <optional>
#include <string>

namespace sodel {

// Valeurs de π du banc : les produits sont écrits tels quels, pas recalculés.
inline constexpr double pi = pi_arrondi::neuf_decimales;
inline constexpr double deux_pi = 2 * pi;
inline constexpr double quatre_pi = 4 * pi;
inline constexpr double soixante_pi = 60 * pi;

// Saisies de la fenêtre que le modèle lit et remet à leur valeur par défaut.
enum class Saisie { f, v1, T, Tp, R2, l2, m, p, lm, Rf };

// Afficheurs du point de fonctionnement.
enum class Afficheur { v1, i, p1, g, n, T, tmax, gmax, cosphi };

// Les cinq charges, dans l'ordre de la liste choix_charge (textes traduits
// par la fenêtre, contexte « sodel »).
inline constexpr int nombre_charges = 5;
inline constexpr const char *textes_charges[nombre_charges] = {
    QT_TRANSLATE_NOOP("sodel", "Frein à poudre"), QT_TRANSLATE_NOOP("sodel", "Levage"),
    QT_TRANSLATE_NOOP("sodel", "pompe"), QT_TRANSLATE_NOOP("sodel", "fraiseuse"),
    QT_TRANSLATE_NOOP("sodel", "Ventilateur")};
enum Charge { frein = 0, levage = 1, pompe = 2, fraiseuse = 3, ventilateur = 4 };

// Paramètres du schéma équivalent (panneau « Caractéristique de la machine
// asynchrone ») : résistance et inductance de fuite rotoriques, rapport de
// transformation, paires de pôles, inductance magnétisante, résistance
// représentant les pertes fer, et couple de pertes (simple précision).
struct Parametres {
    double R2 = 0.0086;   // ohms, côté rotor
    double l2 = 0.000055; // H, côté rotor
    double m = 0.07;      // rapport stator -> rotor
    double p = 2;         // paires de pôles
    double lm = 0.15;     // H, côté stator
    double Rf = 400;      // ohms, côté stator
    float Tp = 1.0f;      // N.m, frottements et ventilation
};

// Ce que le modèle lit et fait paraître dans la fenêtre, dans l'ordre.
class EffetsBanc
{
public:
    virtual ~EffetsBanc() = default;
    // Texte actuel d'une saisie, validé ou non.
    virtual std::string lire_saisie(Saisie saisie) const = 0;
    virtual void ecrire_saisie(Saisie saisie, const std::string &texte) = 0;
    // Valeur déjà arrondie, ou texte vide.
    virtual void afficher(Afficheur afficheur, double valeur) = 0;
    virtual void effacer(Afficheur afficheur) = 0;
    virtual void ecrire_couplage(bool etoile) = 0;
    // Légende du bouton de l'onduleur : « Marche » ou « Arrêt ».
    virtual void legende_marche(bool marche) = 0;
    // Fond du bouton de l'onduleur : vert en marche, rouge à l'arrêt.
    virtual void colorer_marche(bool marche) = 0;
};

// Couple utile demandé par une charge entraînée à n tr/min (pompe,
// fraiseuse, ventilateur), en simple précision comme dans la recherche.
// La fraiseuse (puissance constante) à l'arrêt demande plus que tout couple :
// +infini, sans division par zéro.
float couple_charge(int charge, float n);

class BancAsynchrone
{
public:
    explicit BancAsynchrone(EffetsBanc &effets);

    // Tout revient aux valeurs par défaut, saisies comprises ; onduleur arrêté
    // (bouton rouge), couplage étoile, T = Tp. La charge choisie ne change pas.
    void initialise();
    // Afficheurs du point de fonctionnement remis comme à l'arrêt.
    void efface_mesures();
    // Couple que le moteur doit fournir, selon la charge choisie.
    void cherche_couple();
    // Point de fonctionnement et afficheurs.
    void calcul_point();

    // Gestionnaires appelés par la fenêtre.
    void bouton_marche_Click();
    void bouton_couplage_Click();
    void valid_f_Click(); // lit f et v1, d'où que vienne la validation
    void valid_T_Click();
    void valid_moteur_Click();
    void choix_charge_Click(int charge);

    // Lecture de l'état, pour la fenêtre et les tests.
    const Parametres &parametres() const { return par_; }
    double f() const { return f_; }
    double v1() const { return v1_; }
    bool etoile() const { return etoile_; }
    bool marche() const { return marche_; }
    int charge() const { return charge_; }
    float T() const { return T_; }
    double X2() const { return X2_; }
    double V() const { return V_; }
    double Tmax() const { return Tmax_; }
    double gmax() const { return gmax_; }
    double g() const { return g_; }
    float Z() const { return Z_; }
    float n() const { return n_; }
    double I() const { return I_; }
    float cosphi() const { return cosphi_; }
    double P1() const { return P1_; }
    // Vrai quand un paramètre nul (f, l2, p, m, lm, Rf...) ôte son sens au
    // schéma équivalent : le moteur est montré comme non alimenté.
    bool hors_modele() const { return hors_modele_; }

private:
    double lire(Saisie saisie) const;
    void lire_parametres();
    void lire_couple_frein();
    // Glissement pour un couple T : la plus petite racine, aucune quand le
    // couple dépasse ce que le moteur peut fournir (il cale).
    std::optional<double> racine_glissement(double T) const;
    // La même, 1 (rotor à l'arrêt) sans racine réelle.
    double glissement(double T) const;
    // Couple électromagnétique au glissement g, pertes comprises : l'équation
    // dont racine_glissement donne la plus petite racine.
    double couple_moteur(double g) const;
    // Point qu'atteint le moteur démarré à l'arrêt quand la recherche ne lui
    // trouve aucune vitesse où il porte la charge : le premier glissement, en
    // partant de 1, où son couple utile retombe sous celui de la charge (du
    // côté des forts glissements, au-delà de gmax, aux basses tensions).
    // Aucun s'il ne démarre pas (couple au démarrage sous celui de la charge).
    std::optional<double> glissement_depuis_arret() const;
    // Vrai quand un paramètre nul ou démesuré ôte son sens au schéma équivalent.
    bool sans_point_defini() const;
    float vitesse(double g) const;
    void recherche_equilibre();

    EffetsBanc &effets_;
    Parametres par_;
    double f_ = 50, v1_ = 0;
    bool etoile_ = true, marche_ = false;
    int charge_ = -1;
    float T_ = 1.0f;
    double X2_ = 0, V_ = 0, Tmax_ = 0, gmax_ = 0, g_ = 1, Rp_ = 0, Xp_ = 0, Xm_ = 0;
    float Z_ = 0, n_ = 0;
    double I_ = 0;
    float cosphi_ = 0;
    double P1_ = 0;
    bool hors_modele_ = false;
    // Posé par la recherche d'équilibre quand le moteur ne porte la charge à
    // aucune vitesse : il cale sous son couple maximal.
    bool cale_ = false;
    // Posé par la recherche d'équilibre quand le moteur tourne du côté des
    // forts glissements : le glissement de ce point, que calcul_point reprend
    // au lieu de la plus petite racine.
    std::optional<double> g_fort_;
};

} // namespace sodel
