// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Caractéristiques des deux machines identiques : trois machines toutes
// faites ou la saisie de chaque valeur, prise en compte à chaque frappe.
// « OK » recharge un banc neuf avec ces caractéristiques.

#include "feuille.h"

#include <array>

class ProgrammeVek;
class QLabel;
class QLineEdit;

class CaractMoteur : public Feuille
{
    Q_OBJECT
public:
    explicit CaractMoteur(ProgrammeVek &programme);

    void deuxcent_W_Click();
    void trois_kW_Click();
    void six_kW_Click();
    void boutonOK_Click();
    void rafraichir_caracteristiques();
    void vider_caracteristiques();

private:
    void saisie_Change(int rang);

    ProgrammeVek &programme_;
    // Dans l'ordre Uin, Iin, Ri, Uen, Ien, nn, Pmn.
    std::array<QLineEdit *, 7> saisies_{};
    std::array<QLabel *, 7> afficheurs_{};
};
