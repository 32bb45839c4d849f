// fenoul en classe : sa fenêtre à 200 %.
#include "classe.h"
#include "redressement.h"

#include <gtest/gtest.h>

TEST(Classe, Fenoul)
{
    classe::verifier([] { (new Redressement)->show(); }, {{"redressement"}});
}
