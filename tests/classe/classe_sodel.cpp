// SPDX-License-Identifier: GPL-3.0-or-later
// sodel en classe : chaque fenêtre à 200 %, parcourue au clavier.
#include "campagne.h"
#include "classe.h"
#include "outils_fenetres.h"
#include "programme_sodel.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeSodel> programme;

void ouvrir_caract_charge()
{
    programme->ouvrir_form1();
    campagne::jouer({"choix_charge#1"}); // levage : la courbe de la charge a une échelle
    programme->ouvrir_caract_charge();
}
} // namespace

TEST(Classe, Sodel)
{
    const auto demarrer = [] { programme.emplace(); };
    const auto banc = [](const QStringList &e) {
        return [e] {
            programme->ouvrir_form1();
            campagne::jouer(e);
        };
    };
    // Banc : les saisies et leurs Valid (cachés au repos), le réglage de la
    // machine, la marche et le couplage, la liste des charges, les autres boutons.
    classe::verifier(demarrer,
                     {
                         {"Form1",
                          banc({}),
                          {},
                          {"choix_f", "choix_v1", "choix_T", "choix_R2", "choix_l2", "choix_m", "choix_p",
                           "choix_lm", "choix_rp", "choix_Tp", "valid_moteur", "bouton_marche",
                           "bouton_couplage", "choix_charge", "trace_courbe"}},
                         {"caract_charge", ouvrir_caract_charge, {}, {"bouton_moteur", "zone_lecture"}},
                         {"courbes", banc({"!trace_courbe"})},
                         {"apercu_impression", banc({"!trace_courbe", "!courbes/impression"})},
                     });
    programme.reset();
}

TEST(Classe, SodelLecturesAuClavierCommeALaSouris)
{
    // caract_charge : graphe de 536 x 240 pixels, pas de 11 et 5, grands pas
    // de 54 et 24, départ au milieu (268, 120). Aperçu : 544 x 336 pixels,
    // pas de 11 et 7, départ en (272, 168).
    const auto caract = [] {
        programme.emplace();
        ouvrir_caract_charge();
    };
    const auto apercu = [] {
        programme.emplace();
        programme->courbe_enregistree.xmax = 1500;
        programme->courbe_enregistree.ymax = 40;
        programme->ouvrir_form1();
        campagne::jouer({"!trace_courbe", "!courbes/impression"});
    };
    const classe::EssaiLecture cas[] = {
        {"caract_charge", caract, {Qt::SHIFT | Qt::Key_Left, Qt::Key_PageDown}, {214, 144}},
        {"caract_charge", caract, {Qt::Key_Home}, {0, 120}, false}, // sur l'axe
        {"apercu_impression", apercu, {Qt::Key_Left, Qt::Key_Down, Qt::Key_Down}, {261, 182}},
    };
    for (const auto &c : cas)
        classe::verifier_lecture(c);
    programme.reset();
}

TEST(Classe, SodelEntreeDansUnReglageDeLaMachineLeValide)
{
    // À l'arrêt, le couple maximal affiché est le couple de pertes Tp.
    programme.emplace();
    programme->ouvrir_form1();
    campagne::jouer({"choix_Tp=2"});
    EXPECT_EQ(essai::controle(essai::fenetre("Form1"), "aff_tmax")->property("text").toString(), "2");
    campagne::fermer_tout();
    programme.reset();
}
