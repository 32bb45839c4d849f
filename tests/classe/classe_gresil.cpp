// SPDX-License-Identifier: GPL-3.0-or-later
// gresil en classe : sa fenêtre à 200 %, parcourue au clavier.
#include "classe.h"
#include "redressement.h"

#include <gtest/gtest.h>

TEST(Classe, Gresil)
{
    classe::verifier([] { (new Redressement)->show(); },
                     {{"redressement",
                       [] {},
                       {},
                       {"choix_alpha", "choix_grandeur(0)", "choix_grandeur(1)", "choix_grandeur(2)",
                        "choix_grandeur(3)", "arret", "accelere", "Ralentir", "exporter_periode", "bouton_spectre"}}});
}
