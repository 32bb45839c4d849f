// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme_trivon.h"

#include "form1.h"
#include "intro.h"

Intro *ProgrammeTrivon::demarrer()
{
    const TextesIntro textes{
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Intro", "Logiciel de simulation d'un banc machine synchrone et machine à courant continu")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Intro", "Étude de la machine synchrone"))};
    auto *intro = new Intro(textes, annee_version, nullptr, [this] { ouvrir_form1(); });
    intro->show();
    return intro;
}

Form1 *ProgrammeTrivon::ouvrir_form1()
{
    form1_ = new Form1(*this);
    form1_->show();
    return form1_;
}

Form1 *ProgrammeTrivon::form1() const
{
    return form1_;
}
