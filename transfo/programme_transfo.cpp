// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme_transfo.h"

#include "intro.h"
#include "transfo.h"

Intro *ProgrammeTransfo::demarrer()
{
    const TextesIntro textes{
        QStringLiteral(QT_TRANSLATE_NOOP("Intro", "Logiciel de simulation d'un transformateur.")), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [this] { ouvrir_transfo(); });
    intro->show();
    return intro;
}

Transfo *ProgrammeTransfo::ouvrir_transfo()
{
    transfo_ = new Transfo;
    transfo_->show();
    return transfo_;
}

Transfo *ProgrammeTransfo::transfo() const
{
    return transfo_;
}
