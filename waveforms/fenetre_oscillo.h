// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre commune aux programmes d'électronique de puissance : le schéma du
// montage à gauche (dessiné par chaque programme), quatre panneaux
// d'oscillogrammes à droite et leurs contrôles, le curseur qui les balaie,
// les boutons de marche et de vitesse, la minuterie. Elle possède le moteur
// (oscillo::Balayage) et reçoit ses effets par oscillo::Ecran.

#include "balayage.h"
#include "exportation.h"
#include "feuille.h"
#include "fenetre_harmoniques.h"
#include "tableur.h"

#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QTimer;

namespace oscillo {

// La ligne de géométrie d'un programme, en twips : les positions de départ
// des axes lx(i), ly(i) et du curseur ld. Tout le reste se lit ensuite sur
// ces traits.
struct GeometriePanneaux {
    double x_gauche, x_droite;                 // axes des temps lx(i)
    std::array<double, nombre_panneaux> y_axe; // ordonnée de lx(i)
    std::array<double, nombre_panneaux> y_haut, y_bas; // extrémités de ly(i)
    double x_ld, y_ld_haut, y_ld_bas;          // curseur au chargement
    double x_commandes, y_commandes;           // coin du bloc Démarrer / vitesse
};

// Texte d'une valeur déjà arrondie, avec le séparateur décimal de la langue
// de l'utilisateur et sans séparateur de milliers.
QString texte_local(double valeur);
// Afficheur d'une valeur : cadre blanc, texte centré.
void habiller_afficheur(QLabel *l);



class FenetreOscillo : public Feuille, public exportation::Exportateur, private Ecran
{
    Q_OBJECT
public:
    // « circuit » peut n'être pas encore construit : il ne sert qu'à partir
    // de charger_balayage().
    FenetreOscillo(const QString &nom, const QString &titre, double largeur, double hauteur,
                   const GeometriePanneaux &geometrie, Circuit &circuit);

    Balayage &balayage() { return balayage_; }
    QTimer *Timer1() const { return Timer1_; }

    // Gestionnaires.
    void Timer1_Timer();
    void arret_Click();
    void accelere_Click();
    void Ralentir_Click();
    void choix_grandeur_Click(int liste);
    void exporter_periode_Click();
    // Ouvre la fenêtre du spectre, ou la ramène devant si elle l'est déjà.
    void bouton_spectre_Click();
    FenetreSpectre *spectre() const { return spectre_; }

    // Nombre d'instants de la période exportée.
    static constexpr int echantillons_export = 1000;
    // La période exportée, telle qu'elle irait dans le fichier.
    tableur::Tableau tableau_periode() const;

protected:
    // Partie commune du chargement, après les constantes du montage : listes
    // remplies, moteur chargé.
    void charger_balayage();
    // Les traits du dessin du composant k du jeu « jeu » (0 pour le seul jeu
    // d'un redresseur), colorés ensemble d'après son drapeau de conduction.
    void ajouter_composant(int jeu, int k, std::vector<Ligne *> traits);
    // Flèche de schéma de (x1, y1) vers (x2, y2), pointe en (x2, y2), tracée
    // sur la surface en noir, épaisseur 1 (une tension pointe vers sa borne +).
    void fleche(double x1, double y1, double x2, double y2);
    // Une saisie du montage et son Valid : en tête de l'ordre de Tab, avant
    // les listes des panneaux et les boutons, dans l'ordre des appels.
    void ajouter_saisie(QWidget *saisie, QWidget *valid);

private:
    // Ecran
    AxeTemps axe_temps(int panneau) const override;
    AxeValeurs axe_valeurs(int panneau) const override;
    double x_ld() const override;
    void placer_ld(double x) override;
    void tracer_segment(double x1, double y1, double x2, double y2, std::uint32_t couleur) override;
    void effacer_zone(double x1, double y1, double x2, double y2) override;
    void montrer_axe_temps(int panneau) override;
    void colorer_composant(int jeu, int composant, bool conduit) override;
    void ecrire_vinst(int panneau, double valeur) override;
    void ecrire_vmoy(int panneau, double valeur) override;
    void ecrire_vmoy_texte(int panneau, const std::string &texte) override;
    void ecrire_veff(int panneau, double valeur) override;
    void ecrire_ymax(int panneau, double valeur) override;
    void ecrire_xmax(int panneau, double periode) override;
    void activer_minuterie(bool active) override;
    void legende_arret(const std::string &legende) override;
    void valeurs_exactes_changees() override;

    void creer_panneau(int i, const GeometriePanneaux &g);
    void creer_commandes(const GeometriePanneaux &g, double hauteur);

    Circuit &circuit_;
    Balayage balayage_;
    std::array<Ligne *, nombre_panneaux> lx_{}, ly_{};
    Ligne *ld_ = nullptr;
    std::array<QComboBox *, nombre_panneaux> choix_grandeur_{};
    std::array<QLabel *, nombre_panneaux> labelymax_{}, Labelxmax_{}, aff_vinst_{}, aff_vmoy_{},
        aff_veff_{};
    // composants_[jeu][k] : les traits d'un composant.
    std::vector<std::vector<std::vector<Ligne *>>> composants_;
    Bouton *arret_ = nullptr;
    QTimer *Timer1_ = nullptr;
    std::vector<QWidget *> saisies_, commandes_; // pour l'ordre de Tab
    QPointer<FenetreSpectre> spectre_;
};

} // namespace oscillo
