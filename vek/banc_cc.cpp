// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du banc de deux machines à courant continu couplées sur un même arbre.
// La machine 1 est étudiée en moteur ; la machine 2, toujours excitée à son
// courant nominal, débite dans le rhéostat (frein) ou entraîne l'arbre.
// Chaque calcul saute directement au nouveau régime permanent.

#include "banc_cc.h"

#include "a_traduire.h"
#include "arrondi.h"
#include "pi_arrondi.h"
#include "nombre.h"

#include <cmath>

namespace vek {

namespace {

// Constantes du modèle, avec exactement ces chiffres.
constexpr double pi = pi_arrondi::quatorze_decimales;
constexpr double deux_pi = 2 * pi;
// Constante de normalisation de la courbe d'aimantation, 2.pi.(1 - e^-2).
constexpr double normalisation_kphi = 5.4328486454909894;

// Avertissements à l'élève, en français ; la fenêtre les montre dans la
// langue de l'interface (contexte de traduction « vek »).
const std::string texte_sans_inducteur =
    QT_TRANSLATE_NOOP("vek", "L'inducteur du moteur n'est pas alimenté !");
const std::string texte_demarrage = QT_TRANSLATE_NOOP(
    "vek",
    "Au démarrage, l'intensité absorbée par l'induit est très importante. La tension d'induit doit être "
    "réduite quand on ferme l'interrupteur d'induit.");
const std::string texte_surintensite_induit = QT_TRANSLATE_NOOP(
    "vek",
    "L'intensité du courant circulant dans l'induit est trop importante. Vous risquez d'endommager le moteur.");
const std::string texte_surintensite_inducteur =
    QT_TRANSLATE_NOOP("vek", "L'intensité du courant circulant dans l'inducteur est trop "
                             "importante. Vous risquez d'endommager le moteur.");
const std::string texte_survitesse = QT_TRANSLATE_NOOP("vek", "Le moteur tourne trop vite.");
const std::string texte_bloquer = QT_TRANSLATE_NOOP(
    "vek", "Pour être en sécurité, ouvrez le circuit de l'induit du moteur avant de bloquer le rotor");
const std::string texte_debloquer = QT_TRANSLATE_NOOP(
    "vek", "Pour être en sécurité, ouvrez le circuit de l'induit du moteur avant de débloquer le rotor");
const std::string texte_arbre_tourne =
    QT_TRANSLATE_NOOP("vek", "Pour être en sécurité, l'arbre du moteur ne doit pas tourner");
const std::string texte_rheostat_sous_tension =
    QT_TRANSLATE_NOOP("vek", "Vous ne devez pas remplacer le rhéostat quand il est sous tension.");

// Intervalle des minuteries du rotor : au moins 1 ms, au plus ~17 min.
constexpr int intervalle_min = 1;
constexpr int intervalle_max = 1000000;

} // namespace

Caracteristiques machine_200W()
{
    return Caracteristiques{170.0, 1.5, 12.0f, 170.0, 0.15f, 3000.0, 200.0f};
}

Caracteristiques machine_3kW()
{
    return Caracteristiques{220.0, 15.0, 1.0f, 180.0, 1.2f, 1200.0, 3000.0f};
}

Caracteristiques machine_6kW()
{
    return Caracteristiques{220.0, 30.0, 0.3f, 180.0, 1.2f, 1200.0, 6000.0f};
}

EtatRotor top_rotor(bool premier, float n, double nn)
{
    // Lent, arrêté, en marche arrière ou vitesse indéterminée : l'arbre reste
    // noir et les minuteries gardent leur cadence.
    if (!std::isfinite(n) || !(n > 150.0f))
        return EtatRotor{0, 0};
    if (!premier)
        return EtatRotor{192, 0};
    // Demi-période du scintillement : 160 ms à la vitesse nominale. Une
    // cadence indéterminée (nn non fini) laisse les minuteries inchangées.
    const double demi_periode = 160.0 * nn / static_cast<double>(n);
    return EtatRotor{255, nombre::en_entier_borne(demi_periode, intervalle_min, intervalle_max, 0)};
}

BancCC::BancCC(const Caracteristiques &caracteristiques, Reglages &reglages, EffetsBanc &effets)
    : c_(caracteristiques), r_(reglages), effets_(effets)
{
}

void BancCC::charger()
{
    inter2_ferme_ = false;
    curseur_saisi_ = false;
    remise_rheostat();
    ouvre_induit();
    r_.Ue = 0.0;
    r_.U2 = 0.0f;
    blocage_ = false;

    // Constantes dérivées des caractéristiques nominales.
    const double Ri = c_.Ri;
    En_ = nombre::en_simple(c_.Uin - Ri * c_.Iin);                 // f.é.m. nominale
    Re_ = nombre::en_simple(c_.Uen / static_cast<double>(c_.Ien)); // résistance de l'inducteur
    // Couple de pertes : absorbe, à la vitesse nominale, l'écart entre la
    // puissance électromagnétique nominale En.Iin et la puissance utile.
    Tp_ = nombre::en_simple(60.0 * (static_cast<double>(En_) * c_.Iin - static_cast<double>(c_.Pmn)) /
                            (deux_pi * c_.nn));

    Rmax_ = 10.0f;
    effets_.selectionner_rheostat(0);
    Rh_ = Rmax_;
    Ue2_ = nombre::en_simple(c_.Uen);
    Ie2_ = c_.Ien;

    affichage_mesure();
}

double BancCC::kphi(double Ie) const
{
    // Sans courant d'excitation, pas de flux : dit explicitement pour qu'une
    // intensité nominale nulle ne donne pas 0/0.
    if (Ie == 0.0)
        return 0.0;
    const double Ien = c_.Ien;
    return 60.0 * static_cast<double>(En_) * (1.0 - std::exp(-2.0 * Ie / Ien)) / (c_.nn * normalisation_kphi);
}

void BancCC::affichage_mesure()
{
    const double Ri = c_.Ri;
    const double Rh = Rh_;
    const double Tp = Tp_;

    Ue_mes_ = r_.Ue;
    U2_mes_ = r_.U2;
    Ie_ = Ue_mes_ / static_cast<double>(Re_);

    if (inter1_ferme_) {
        U_mes_ = r_.Ui;
        bool arrete = false;
        if (Ue_mes_ != 0.0) {
            effets_.dessiner_inter1(true);
            const double B = kphi(Ie_); // machine 1
            if (inter2_ferme_) {
                // Équilibre de l'arbre : les couples électromagnétiques des deux
                // machines sont égaux ; la machine 2 débite (E2 - U2) / (Ri + Rh).
                const double A = kphi(c_.Ien); // machine 2, toujours au champ nominal
                double couple =
                    (U_mes_ * A / B - static_cast<double>(U2_mes_)) / ((Ri + Rh) / A + Ri * A / (B * B)) - Tp;
                if (couple < 0.0)
                    couple = 0.0; // la machine 2 ne fournit jamais de couple au moteur alimenté
                T_ = nombre::en_simple(couple);
            } else {
                T_ = 0.0f;
            }
            // Le couple de démarrage kphi.U/Ri ne vainc pas les pertes, ou rotor bloqué.
            if (blocage_ || U_mes_ < Ri * Tp / kphi(Ie_)) {
                arrete = true;
            } else {
                Ii_ = (Tp + static_cast<double>(T_)) / kphi(Ie_);
                E_ = U_mes_ - Ri * Ii_;
                n_ = nombre::en_simple(60.0 * E_ / (deux_pi * kphi(Ie_)));
            }
        } else if (!blocage_) {
            effets_.avertir(texte_sans_inducteur);
            ouvre_induit();
        } else {
            effets_.dessiner_inter1(true);
            arrete = true;
        }
        if (arrete) {
            // Arbre immobile : tout le courant de rotor bloqué traverse l'induit.
            E_ = 0.0;
            Ii_ = U_mes_ / Ri;
            n_ = 0.0f;
            T_ = 0.0f;
        }
    } else {
        effets_.dessiner_inter1(false);
        if (!inter2_ferme_) {
            U_mes_ = 0.0;
            T_ = 0.0f;
            Ii_ = 0.0;
            n_ = 0.0f;
        } else {
            // La machine 2 entraîne à vide la machine 1, dont le voltmètre lit la f.é.m.
            T_ = 0.0f;
            Ii_ = 0.0;
            const double A = kphi(c_.Ien);
            const double chute_pertes = (Ri + Rh) * Tp / A;
            if (blocage_ || static_cast<double>(U2_mes_) < chute_pertes) {
                n_ = 0.0f;
                U_mes_ = 0.0;
            } else {
                n_ = nombre::en_simple(60.0 * (static_cast<double>(U2_mes_) - chute_pertes) / (deux_pi * A));
                U_mes_ = kphi(Ie_) * 2.0 * pi * static_cast<double>(n_) / 60.0;
            }
        }
    }

    rafraichir_afficheurs();
    controle_limites();
}

void BancCC::controle_limites()
{
    // Chaque limite porte sur la grandeur en valeur absolue : un courant ou
    // une vitesse de sens inverse abîme la machine tout autant.
    if (std::fabs(Ii_) > 2.0 * c_.Iin) {
        alerte(Afficheur::Ii, texte_surintensite_induit);
        ouvre_induit();
        remise_rheostat();
    }
    if (std::fabs(Ie_) > 2.0 * static_cast<double>(c_.Ien)) {
        alerte(Afficheur::Ie, texte_surintensite_inducteur);
        // Le réglage Ue reste : le prochain calcul le reprendra si l'élève ne
        // valide pas le 0 écrit dans la saisie.
        Ue_mes_ = 0.0;
        Ie_ = 0.0;
        effets_.ecrire_choixUe("0");
    }
    if (std::fabs(static_cast<double>(n_)) > 3.0 * c_.nn) {
        alerte(Afficheur::n, texte_survitesse);
        ouvre_induit();
    }
    rafraichir_afficheurs();
}

void BancCC::ouvre_induit()
{
    inter1_ferme_ = false;
    effets_.dessiner_inter1(false);
    U_mes_ = 0.0;
    T_ = 0.0f;
    Ii_ = 0.0;
    n_ = 0.0f;
}

void BancCC::remise_a_zero()
{
    U_mes_ = 0.0;
    r_.Ui = 0.0;
    U2_mes_ = 0.0f;
    r_.U2 = 0.0f;
    Ii_ = 0.0;
    n_ = 0.0f;
    Ue_mes_ = 0.0;
    r_.Ue = 0.0;
    Ie_ = 0.0;
    inter1_ferme_ = false;
    inter2_ferme_ = false;
}

void BancCC::remise_rheostat()
{
    placer_curseur(largeur_rheostat);
    Rh_ = Rmax_;
    for (int i = 0; i < nombre_rheostats; ++i) {
        if (resistances_rheostats[i] == Rmax_) {
            effets_.selectionner_rheostat(i);
            break;
        }
    }
}

void BancCC::Interinduit_Click()
{
    inter1_ferme_ = !inter1_ferme_;
    affichage_mesure();
    // Fermeture sous une tension qui ferait passer plus de cinq fois le courant
    // nominal au démarrage (Ui / Ri) : refusée, quel que soit le sens.
    const double Ri = c_.Ri;
    if (inter1_ferme_ && std::fabs(r_.Ui) > 5.0 * Ri * c_.Iin) {
        effets_.afficher(Afficheur::Ii, arrondi::trois_chif_sign(r_.Ui / Ri));
        alerte(Afficheur::Ii, texte_demarrage);
        inter1_ferme_ = false;
    }
    affichage_mesure();
}

void BancCC::Interinduit_gene_Click()
{
    inter2_ferme_ = !inter2_ferme_;
    effets_.dessiner_inter2(inter2_ferme_);
    affichage_mesure();
}

void BancCC::rotor_bloque_Click()
{
    blocage_ = !blocage_;
    if (inter1_ferme_) {
        effets_.avertir(blocage_ ? texte_bloquer : texte_debloquer);
        ouvre_induit();
        affichage_mesure();
    }
    // Une vitesse indéterminée compte comme un arbre qui tourne.
    if (n_ != 0.0f) {
        effets_.avertir(texte_arbre_tourne);
        ouvre_induit();
        inter2_ferme_ = false;
        effets_.dessiner_inter2(false);
        affichage_mesure();
    }
}

void BancCC::change_rheostat_Click(int entree)
{
    // Une entrée hors de la liste (aucune sélection) n'est pas un choix.
    if (entree < 0 || entree >= nombre_rheostats)
        return;
    if (inter2_ferme_) {
        // On ne change pas un rhéostat parcouru par le courant de la machine 2.
        curseur_saisi_ = false;
        remise_rheostat();
        effets_.avertir(texte_rheostat_sous_tension);
        return;
    }
    Rmax_ = resistances_rheostats[entree];
    curseur_saisi_ = false;
    remise_rheostat();
    affichage_mesure();
}

void BancCC::rheostat_MouseDown(double X)
{
    curseur_saisi_ = !curseur_saisi_;
    placer_curseur(X);
}

void BancCC::rheostat_MouseMove(double X)
{
    if (!curseur_saisi_ || !(X > 0.0 && X < largeur_rheostat))
        return;
    placer_curseur(X);
    Rh_ = nombre::en_simple(static_cast<double>(Rmax_) * X / largeur_rheostat);
    affichage_mesure();
}

void BancCC::rheostat_MouseUp(double X)
{
    curseur_saisi_ = !curseur_saisi_;
    // Relâché hors du corps : le curseur reste à l'extrémité la plus proche
    // (une position indéterminée compte comme l'extrémité gauche).
    if (!(X > 0.0))
        X = 0.0;
    else if (X > largeur_rheostat)
        X = largeur_rheostat;
    placer_curseur(X);
    Rh_ = nombre::en_simple(static_cast<double>(Rmax_) * X / largeur_rheostat);
    affichage_mesure();
}

void BancCC::rafraichir_afficheurs()
{
    effets_.afficher(Afficheur::Ie, arrondi::trois_chif_sign(Ie_));
    effets_.afficher(Afficheur::Ii, arrondi::trois_chif_sign(Ii_));
    effets_.afficher(Afficheur::n, arrondi::quatre_chif_sign(static_cast<double>(n_)));
    effets_.afficher(Afficheur::Ue, arrondi::trois_chif_sign(Ue_mes_));
    effets_.afficher(Afficheur::Tu, arrondi::trois_chif_sign(static_cast<double>(T_)));
    effets_.afficher(Afficheur::Ui, arrondi::trois_chif_sign(U_mes_));
}

void BancCC::alerte(Afficheur afficheur, const std::string &message)
{
    // L'afficheur rougit le temps que l'avertissement paraisse.
    effets_.colorer_alerte(afficheur, true);
    effets_.avertir(message);
    effets_.colorer_alerte(afficheur, false);
}

void BancCC::placer_curseur(double X)
{
    effets_.placer_curseur_rheostat(X);
}

} // namespace vek
