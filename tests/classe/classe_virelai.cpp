// virelai en classe : sa fenêtre à 200 %.
#include "classe.h"
#include "fenetre_virelai.h"

#include <gtest/gtest.h>

TEST(Classe, Virelai)
{
    classe::verifier([] { (new Virelai)->show(); }, {{"virelai"}});
}
