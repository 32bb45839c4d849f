// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mot de passe demandé avant de changer les caractéristiques des machines.

#include "feuille.h"

class ProgrammeVek;
class QLineEdit;

class MotDePasse : public Feuille
{
    Q_OBJECT
public:
    explicit MotDePasse(ProgrammeVek &programme);

    // Le bon mot ouvre les caractéristiques et ferme ce dialogue et le banc ;
    // un mauvais est ignoré sans message.
    void Command1_Click();

private:
    ProgrammeVek &programme_;
    QLineEdit *Text1_ = nullptr;
};
