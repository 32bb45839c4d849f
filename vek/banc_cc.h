// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du banc de deux machines à courant continu identiques, en régime
// permanent : chaque action de l'élève recalcule d'un coup le point de
// fonctionnement. Pas de Qt ici : la fenêtre reçoit les effets (lectures,
// dessin des interrupteurs, avertissements) par l'interface EffetsBanc.

#include "a_traduire.h"

#include <string>

namespace vek {

// Caractéristiques nominales communes aux deux machines (état du programme,
// elles survivent à la fenêtre du banc). Ri, Ien et Pmn sont en simple précision.
struct Caracteristiques {
    double Uin = 220.0; // tension nominale d'induit, V
    double Iin = 30.0;  // intensité nominale d'induit, A
    float Ri = 0.3f;    // résistance d'induit, ohms
    double Uen = 180.0; // tension nominale d'inducteur, V
    float Ien = 1.2f;   // intensité nominale d'inducteur, A
    double nn = 1200.0; // fréquence de rotation nominale, tr/min
    float Pmn = 6000.0f; // puissance utile nominale, W
};

// Les trois machines proposées par la boîte des caractéristiques.
Caracteristiques machine_200W();
Caracteristiques machine_3kW();
Caracteristiques machine_6kW(); // celle du démarrage

// Réglages des trois alimentations (état du programme, écrits par les saisies).
struct Reglages {
    double Ui = 0.0; // tension d'induit de la machine 1, V
    double Ue = 0.0; // tension d'inducteur de la machine 1, V
    float U2 = 0.0f; // tension d'alimentation de l'induit de la machine 2, V
};

// Les six afficheurs de la machine 1, dans l'ordre où on les rafraîchit.
enum class Afficheur { Ie, Ii, n, Ue, Tu, Ui };

// Rhéostats proposés, dans l'ordre de la liste.
inline constexpr int nombre_rheostats = 4;
inline constexpr float resistances_rheostats[nombre_rheostats] = {10.0f, 20.0f, 100.0f, 1000.0f};
// Texte d'une entrée de la liste, %1 : la résistance en ohms (« rhéostat de
// 10 ohms ») ; traduit par la fenêtre, contexte « vek ».
inline constexpr const char *texte_rheostat = QT_TRANSLATE_NOOP("vek", "rhéostat de %1 ohms");

// Ce que le modèle fait paraître dans la fenêtre, dans l'ordre où il le fait.
class EffetsBanc
{
public:
    virtual ~EffetsBanc() = default;
    // Écrit la valeur déjà arrondie dans l'afficheur.
    virtual void afficher(Afficheur afficheur, double valeur) = 0;
    // Fond rouge (255) pendant une alerte, sinon le fond normal 0x80C0FF.
    virtual void colorer_alerte(Afficheur afficheur, bool rouge) = 0;
    virtual void dessiner_inter1(bool ferme) = 0;
    virtual void dessiner_inter2(bool ferme) = 0;
    // Nouveau texte de la saisie de la tension d'inducteur (« 0 » après l'alerte).
    virtual void ecrire_choixUe(const std::string &texte) = 0;
    virtual void avertir(const std::string &message) = 0;
    // Flèche du rhéostat, à « decalage » twips du bord gauche du corps.
    virtual void placer_curseur_rheostat(double decalage) = 0;
    // Sélection de la liste des rhéostats par le programme (sans gestionnaire).
    virtual void selectionner_rheostat(int entree) = 0;
};

// Couleur et cadence de l'arbre qui scintille.
struct EtatRotor {
    int couleur;    // 0xBBGGRR : 0 noir, 255 rouge, 192 rouge sombre
    int intervalle; // nouvel intervalle des deux minuteries en ms, 0 = inchangé
};
// Top de Timer1 (premier = vrai) ou de Timer2 : noir au-dessous de 150 tr/min,
// sinon rouge (Timer1) ou rouge sombre (Timer2) ; Timer1 règle l'intervalle à
// round(160 . nn / n) ms, au moins 1 ms.
EtatRotor top_rotor(bool premier, float n, double nn);

class BancCC
{
public:
    // Largeur du corps du rhéostat, en twips.
    static constexpr double largeur_rheostat = 2655.0;

    BancCC(const Caracteristiques &caracteristiques, Reglages &reglages, EffetsBanc &effets);

    // Chargement de la fenêtre du banc : interrupteur 2 ouvert, rhéostat remis,
    // interrupteur 1 ouvert, Ue = U2 = 0, rotor libre, constantes dérivées,
    // puis affichage_mesure.
    void charger();

    double kphi(double Ie) const;
    void affichage_mesure();
    void controle_limites();
    void ouvre_induit();
    void remise_a_zero();
    void remise_rheostat();

    // Gestionnaires appelés par la fenêtre.
    void Interinduit_Click();
    void Interinduit_gene_Click();
    void rotor_bloque_Click();
    void change_rheostat_Click(int entree);
    void rheostat_MouseDown(double X);
    void rheostat_MouseMove(double X);
    void rheostat_MouseUp(double X);

    // Lecture de l'état, pour la fenêtre et les tests.
    double Re() const { return Re_; }
    double En() const { return En_; }
    double Tp() const { return Tp_; }
    double U_mes() const { return U_mes_; }
    double Ue_mes() const { return Ue_mes_; }
    float U2_mes() const { return U2_mes_; }
    double Ie() const { return Ie_; }
    double Ii() const { return Ii_; }
    double E() const { return E_; }
    float n() const { return n_; }
    float T() const { return T_; }
    bool inter1_ferme() const { return inter1_ferme_; }
    bool inter2_ferme() const { return inter2_ferme_; }
    bool blocage() const { return blocage_; }
    float Rh() const { return Rh_; }
    float Rmax() const { return Rmax_; }
    bool curseur_saisi() const { return curseur_saisi_; }
    double Ie2() const { return Ie2_; }
    float Ue2() const { return Ue2_; }

private:
    void rafraichir_afficheurs();
    void alerte(Afficheur afficheur, const std::string &message);
    void placer_curseur(double X);

    const Caracteristiques &c_;
    Reglages &r_;
    EffetsBanc &effets_;

    float Re_ = 0, En_ = 0, Tp_ = 0;
    double U_mes_ = 0, Ue_mes_ = 0;
    float U2_mes_ = 0;
    double Ie_ = 0, Ii_ = 0, E_ = 0;
    float n_ = 0, T_ = 0;
    bool inter1_ferme_ = false, inter2_ferme_ = false, blocage_ = false;
    float Rh_ = 10, Rmax_ = 10;
    bool curseur_saisi_ = false;
    double Ie2_ = 0;
    float Ue2_ = 0;
};

} // namespace vek
