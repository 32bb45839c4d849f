// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme_sodel.h"

#include "caract_charge.h"
#include "form1.h"
#include "intro.h"

Intro *ProgrammeSodel::demarrer()
{
    const TextesIntro textes{QString::fromUtf8(QT_TRANSLATE_NOOP(
                                 "Intro", "Logiciel de simulation d'une machine asynchrone triphasée équipée "
                                          "d'un frein alimenté par un onduleur")),
                             QString()};
    auto *intro = new Intro(
        textes, annee_version, [] {}, [this] { ouvrir_form1(); });
    intro->show();
    return intro;
}

Form1 *ProgrammeSodel::ouvrir_form1()
{
    form1_ = new Form1(*this);
    form1_->show();
    return form1_;
}

CaractCharge *ProgrammeSodel::ouvrir_caract_charge()
{
    if (!form1_)
        return nullptr;
    if (!caract_charge_) {
        caract_charge_ = new CaractCharge(*form1_);
        caract_charge_->show();
    }
    caract_charge_->raise();
    return caract_charge_;
}

Form1 *ProgrammeSodel::form1() const
{
    return form1_;
}

CaractCharge *ProgrammeSodel::caract_charge() const
{
    return caract_charge_;
}
