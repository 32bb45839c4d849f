// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre principale de sodel : le banc dessiné comme un schéma (onduleur,
// ampèremètre, voltmètre et wattmètre triphasé sur les fils de ligne, moteur
// asynchrone, arbre, charge), les saisies de l'onduleur, de la charge et des
// paramètres de la machine, et les afficheurs du point de fonctionnement.
// Elle possède le modèle du banc, appelle ses opérations depuis ses
// gestionnaires et reçoit ses effets par EffetsBanc.

#include "banc_asynchrone.h"
#include "feuille.h"

#include <array>

class ProgrammeSodel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

class Form1 : public Feuille, private sodel::EffetsBanc
{
    Q_OBJECT
public:
    explicit Form1(ProgrammeSodel &programme);

    sodel::BancAsynchrone &banc() { return banc_; }
    const sodel::BancAsynchrone &banc() const { return banc_; }

    // Texte actuel d'une saisie (lu aussi par la fenêtre caract_charge).
    QString texte_saisie(sodel::Saisie saisie) const;
    // Charge choisie dans la liste, -1 si aucune.
    int charge_choisie() const;

    // Gestionnaires, nommés d'après le contrôle et l'événement.
    void choix_f_Click();
    void choix_v1_Click();
    void choix_T_Click();
    void valid_f_Click();
    void valid_T_Click();
    void valid_moteur_Click();
    void bouton_marche_Click();
    void bouton_couplage_Click();
    void choix_charge_Click(int index);
    void Bouton_caract_Click();
    void trace_courbe_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    // EffetsBanc
    std::string lire_saisie(sodel::Saisie saisie) const override;
    void ecrire_saisie(sodel::Saisie saisie, const std::string &texte) override;
    void afficher(sodel::Afficheur afficheur, double valeur) override;
    void effacer(sodel::Afficheur afficheur) override;
    void ecrire_couplage(bool etoile) override;
    void legende_marche(bool marche) override;
    void colorer_marche(bool marche) override;

    void dessiner_schema();
    void creer_controles();
    QWidget *afficheur_de(sodel::Afficheur afficheur) const;
    void colorer_arbre(const QColor &tourne);

    ProgrammeSodel &programme_;
    sodel::BancAsynchrone banc_;

    std::array<QLineEdit *, 10> saisies_{};
    std::array<QWidget *, 9> afficheurs_{};
    Bouton *valid_f_ = nullptr, *valid_T_ = nullptr, *bouton_marche_ = nullptr, *Bouton_caract_ = nullptr;
    QLabel *aff_couplage_ = nullptr, *label_charge_ = nullptr, *Label_T_ = nullptr;
    QComboBox *choix_charge_ = nullptr;
    Forme *arbre_ = nullptr;
    QTimer *Timer1_ = nullptr, *Timer2_ = nullptr, *Timer3_ = nullptr, *Timer4_ = nullptr;
};
