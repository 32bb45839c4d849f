// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « virelai » : les trois bobines autour du centre, le champ de
// chacune et leur somme, les trois graphes des courants tracés au fil du
// temps, l'angle électrique. Elle possède l'animation du champ tournant.

#include "champ_tournant.h"
#include "feuille.h"

#include <array>

class QCheckBox;
class QLabel;
class QTimer;

class Virelai : public Feuille, private virelai::Ecran
{
    Q_OBJECT
public:
    Virelai();

    const virelai::ChampTournant &champ() const { return champ_; }
    QTimer *Timer1() const { return Timer1_; }

    // Gestionnaires.
    void Timer1_Timer();
    void bouton_arret_Click();

private:
    void creer_controles();
    void creer_graphes();
    void dessiner_bobine(int k);
    // Flèche de légende, horizontale vers la droite, de la couleur d'un vecteur.
    void fleche_legende(int k, double x1, double x2, double y, const QColor &couleur, int largeur);

    // virelai::Ecran
    virelai::AxeTemps axe_temps(int graphe) const override;
    virelai::AxeValeurs axe_valeurs(int graphe) const override;
    bool case_cochee(int k) const override;
    void ecrire_angle(int degres) override;
    void placer_vecteur(int k, const virelai::Trait &fut, const virelai::Pointe &pointe) override;
    void montrer_vecteur(int k, bool visible) override;
    void tracer_segment(const virelai::Trait &segment, std::uint32_t couleur) override;
    void effacer_graphe(int graphe, const virelai::Point &coin1, const virelai::Point &coin2) override;
    void legende_arret(const std::string &legende) override;

    virelai::ChampTournant champ_{*this};
    std::array<QCheckBox *, 4> Check_{};
    std::array<Ligne *, virelai::nombre_vecteurs> ligne_b_{}, fleche1_{}, fleche2_{};
    std::array<Ligne *, virelai::nombre_bobines> ligne_x_{}, ligne_y_{};
    QLabel *aff_angle_ = nullptr;
    Bouton *bouton_arret_ = nullptr;
    QTimer *Timer1_ = nullptr;
};
