// onduleur en classe : sa fenêtre à 200 %.
#include "classe.h"
#include "onduleur.h"

#include <gtest/gtest.h>

TEST(Classe, Onduleur)
{
    classe::verifier([] { (new Onduleur)->show(); }, {{"onduleur"}});
}
