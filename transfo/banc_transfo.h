// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du banc d'essai d'un transformateur monophasé, en régime permanent
// sinusoïdal : schéma équivalent ramené au primaire, charge R-L série au
// secondaire, six lectures et fusible au primaire. Pas de Qt ici : la fenêtre
// reçoit les effets (lectures, dessin des interrupteurs et des curseurs,
// fusible fondu) par l'interface EffetsTransfo, dans l'ordre où le modèle les
// produit.

#include <string>
#include <string_view>

namespace transfo {

// Plaque signalétique.
inline constexpr double U1n = 230.0;    // tension nominale primaire, V
inline constexpr double Sn = 250.0;     // puissance apparente nominale, VA
inline constexpr double I1n = Sn / U1n; // intensité nominale primaire, A

// Schéma équivalent, fixe.
inline constexpr double m = 0.2174;  // rapport de transformation, secondaire sur primaire
inline constexpr double R1 = 2.24;   // résistance de l'enroulement primaire, ohms
inline constexpr double X1 = 1.55;   // réactance de fuite primaire, ohms
inline constexpr double R2 = 0.486;  // résistance de l'enroulement secondaire, ohms
inline constexpr double X2 = 0.337;  // réactance de fuite secondaire, ohms
inline constexpr double Rf = 3300.0; // résistance des pertes fer, ohms
inline constexpr float Xm = 7000.0f; // réactance magnétisante, ohms (simple précision)

// Charge : rhéostat de 0 à Rmax, inductance de 0 à Lmax, à 50 Hz.
inline constexpr double Rmax = 20.0;              // ohms
inline constexpr float Lmax = 0.1f;               // henrys (simple précision)
inline constexpr double omega = 314.159265358979; // rad/s

// Impédance du secondaire ouvert : très grande mais finie, si bien que I2 est
// minuscule sans être nul et que U2 vaut presque m . u1.
inline constexpr double R_ouvert = 1e13;

// Le fusible fond au-delà de trois fois l'intensité nominale (égalité : il tient).
inline constexpr double I1_fusible = 3.0 * I1n;

// Hauteurs des pistes du rhéostat et de l'inductance, en twips : la position
// du curseur, comptée depuis le haut de la piste, fixe R et X.
inline constexpr double hauteur_piste_r = 2535.0;
inline constexpr double hauteur_piste_l = 1695.0;

// Les six afficheurs, dans l'ordre où on les rafraîchit.
enum class Afficheur { u1, i1, p1, u2, i2, p2 };

// Ce que le modèle fait paraître dans la fenêtre.
class EffetsTransfo
{
public:
    virtual ~EffetsTransfo() = default;
    // Écrit la valeur déjà arrondie à quatre chiffres significatifs.
    virtual void afficher(Afficheur afficheur, double valeur) = 0;
    // Texte de la saisie de la tension primaire (« 0 » au chargement).
    virtual void ecrire_choix_u1(const std::string &texte) = 0;
    virtual void dessiner_kv(bool ferme) = 0;
    virtual void dessiner_kcc(bool ferme) = 0;
    // Flèche d'un curseur à y twips du haut de sa piste.
    virtual void placer_curseur_r(double y) = 0;
    virtual void placer_curseur_l(double y) = 0;
    // Fusible fondu : la fenêtre se désactive et montre la boîte « Fusible ».
    virtual void fusible_fondu() = 0;
};

// Résultats du dernier calcul.
struct Resultats {
    double I1 = 0.0; // intensité efficace primaire, A
    double cos_phi1 = 0.0;
    double P1 = 0.0; // puissance active absorbée, W
    double U2 = 0.0; // tension efficace secondaire, V
    double I2 = 0.0; // intensité efficace secondaire, A
    float P2 = 0.0f; // puissance active fournie par le secondaire, W (simple précision)
};

class BancTransfo
{
public:
    explicit BancTransfo(EffetsTransfo &effets);

    // Valeurs de départ (u1 = 0, interrupteurs ouverts, R = 20 ohms, X = 0) et
    // « 0 » dans la saisie. Suivi de calcul_transfo au chargement de la fenêtre.
    void init_transfo();

    // Calcule le régime permanent, montre les six lectures et applique la règle
    // du fusible. Un fusible fondu n'est recalculé qu'une fois, secondaire
    // ouvert : au-delà d'environ 9,73 kV, même ce recalcul dépasserait le
    // seuil, et le fusible ne fond pas une seconde fois dans la même action.
    void calcul_transfo();

    // Gestionnaires appelés par la fenêtre.
    void valid_u1_Click(std::string_view texte_saisie);
    void commande_kv_Click();
    void commande_kcc_Click();
    // y : hauteur du pointeur depuis le haut de la piste, en twips.
    void rheostat_MouseDown(double y);
    void rheostat_MouseMove(double y);
    void rheostat_MouseUp(double y);
    void L_MouseDown(double y);
    void L_MouseMove(double y);
    void L_MouseUp(double y);

    double u1() const { return u1_; }
    double r_charge() const { return r_charge_; }
    double x_charge() const { return x_charge_; }
    bool kv_ferme() const { return kv_ferme_; }
    bool kcc_ferme() const { return kcc_ferme_; }
    bool glisse_r() const { return glisse_r_; }
    bool glisse_l() const { return glisse_l_; }
    const Resultats &resultats() const { return res_; }

private:
    void calculer(bool apres_fusible);
    void fondre_fusible();

    EffetsTransfo &effets_;
    double u1_ = 0.0;
    double r_charge_ = Rmax;
    double x_charge_ = 0.0;
    bool kv_ferme_ = false;
    bool kcc_ferme_ = false;
    bool glisse_r_ = false;
    bool glisse_l_ = false;
    Resultats res_;
};

} // namespace transfo
