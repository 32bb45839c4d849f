// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre principale de vek : le banc dessiné comme un schéma de câblage,
// les saisies des trois alimentations, les deux interrupteurs, le blocage du
// rotor, le rhéostat, la plaque signalétique et les afficheurs. Elle possède
// le modèle du banc, appelle ses opérations depuis ses gestionnaires et
// reçoit ses effets par EffetsBanc.

#include "banc_cc.h"
#include "feuille.h"

#include <array>

class ProgrammeVek;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

class Machine1 : public Feuille, private vek::EffetsBanc
{
    Q_OBJECT
public:
    explicit Machine1(ProgrammeVek &programme);

    vek::BancCC &banc() { return banc_; }

    // Gestionnaires, nommés d'après le contrôle et l'événement.
    void choixUi_Change();
    void choixUe_Change();
    void choixUi2_Change();
    void valid_ui_Click();
    void valid_ue_Click();
    void valid_ui2_Click();
    void Interinduit_Click();
    void Interinduit_gene_Click();
    void rotor_bloque_Click();
    void change_rheostat_Click(int entree);
    void modif_moteur_Click();
    void trace_courbe_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    // EffetsBanc
    void afficher(vek::Afficheur afficheur, double valeur) override;
    void colorer_alerte(vek::Afficheur afficheur, bool rouge) override;
    void dessiner_inter1(bool ferme) override;
    void dessiner_inter2(bool ferme) override;
    void ecrire_choixUe(const std::string &texte) override;
    void avertir(const std::string &message) override;
    void placer_curseur_rheostat(double decalage) override;
    void selectionner_rheostat(int entree) override;

    void creer_controles();
    void dessiner_schema();
    void remplir_plaque();
    QLabel *afficheur_de(vek::Afficheur afficheur) const;

    ProgrammeVek &programme_;
    vek::BancCC banc_;

    QLineEdit *choixUi_ = nullptr, *choixUe_ = nullptr, *choixUi2_ = nullptr;
    Bouton *valid_ui_ = nullptr, *valid_ue_ = nullptr, *valid_ui2_ = nullptr;
    std::array<QLabel *, 6> afficheurs_{};
    QLabel *afficheIe_gene_ = nullptr, *afficheUe_gene_ = nullptr;
    QLabel *plaque_Uin_ = nullptr, *plaque_Uen_ = nullptr, *plaque_Pmn_ = nullptr, *plaque_nn_ = nullptr;
    QCheckBox *rotor_bloque_ = nullptr;
    QComboBox *change_rheostat_ = nullptr;
    Bouton *rheostat_ = nullptr;
    Ligne *ligne_inter_i_ = nullptr, *ligne_inter_gene_ = nullptr;
    Ligne *ligne_rheostat1_ = nullptr, *ligne_rheostat2_ = nullptr, *ligne_rheostat3_ = nullptr;
    Forme *rotor_ = nullptr;
    QTimer *Timer1_ = nullptr, *Timer2_ = nullptr, *Timer3_ = nullptr, *Timer4_ = nullptr;
};
