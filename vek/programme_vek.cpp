// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme_vek.h"

#include "caract_moteur.h"
#include "intro.h"
#include "machine1.h"
#include "mot_de_passe.h"

Intro *ProgrammeVek::demarrer()
{
    const TextesIntro textes{
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Intro", "Logiciel de simulation d'un banc de deux machines à courant continu identiques.")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Intro", "Étude d'une machine à courant continu."))};
    auto *intro = new Intro(
        textes, annee_version, [this] { caracteristiques = vek::machine_6kW(); }, [this] { ouvrir_machine1(); });
    intro->show();
    return intro;
}

Machine1 *ProgrammeVek::ouvrir_machine1()
{
    machine1_ = new Machine1(*this);
    machine1_->show();
    return machine1_;
}

MotDePasse *ProgrammeVek::ouvrir_mot_de_passe()
{
    if (!mot_de_passe_)
        mot_de_passe_ = new MotDePasse(*this);
    mot_de_passe_->show();
    mot_de_passe_->raise();
    return mot_de_passe_;
}

CaractMoteur *ProgrammeVek::ouvrir_caract_moteur()
{
    caract_moteur_ = new CaractMoteur(*this);
    caract_moteur_->show();
    return caract_moteur_;
}

Machine1 *ProgrammeVek::machine1() const
{
    return machine1_;
}

MotDePasse *ProgrammeVek::mot_de_passe() const
{
    return mot_de_passe_;
}

CaractMoteur *ProgrammeVek::caract_moteur() const
{
    return caract_moteur_;
}
