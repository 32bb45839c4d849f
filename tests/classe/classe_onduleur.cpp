// SPDX-License-Identifier: GPL-3.0-or-later
// onduleur en classe : sa fenêtre à 200 %, parcourue au clavier.
#include "campagne.h"
#include "classe.h"
#include "onduleur.h"

#include <gtest/gtest.h>

TEST(Classe, Onduleur)
{
    classe::verifier([] { (new Onduleur)->show(); },
                     {{"onduleur",
                       [] {},
                       {},
                       {"choix_grandeur(0)", "choix_grandeur(1)", "choix_grandeur(2)", "choix_grandeur(3)",
                        "arret", "accelere", "Ralentir", "exporter_periode", "bouton_spectre"}},
                      // La fenêtre du spectre, commune aux quatre programmes.
                      {"spectre",
                       [] { campagne::jouer({"!bouton_spectre"}); },
                       {{"aff_thd", "THD : 12,65"}, {"table_spectre", "Tableau des harmoniques"}},
                       {"choix_spectre", "table_spectre", "exporter_spectre", "imprimer_spectre"}}});
}
