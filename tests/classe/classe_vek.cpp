// SPDX-License-Identifier: GPL-3.0-or-later
// vek en classe : chaque fenêtre à 200 %, parcourue au clavier.
#include "campagne.h"
#include "classe.h"
#include "outils_fenetres.h"
#include "programme_vek.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeVek> programme;
void jouer(const QStringList &e)
{
    campagne::jouer(e);
}
} // namespace

TEST(Classe, Vek)
{
    const auto demarrer = [] {
        programme.emplace();
        programme->caracteristiques = vek::machine_6kW();
    };
    classe::verifier(demarrer, {
                                   {"Intro", [] { programme->demarrer(); }, {}, {"OK"}},
                                   {"machine1",
                                    [] { programme->ouvrir_machine1(); },
                                    {{"choixUi", "U1 (V)"},
                                     {"valid_ui", "Valid U1 (V)"},
                                     {"choixUe", "U inducteur (V)"},
                                     {"afficheIi", "Intensité d'induit : 0"},
                                     {"affichen", "Fréquence de rotation : 0"},
                                     {"Interinduit_géné", "Interrupteur Induit 2"}}},
                                   {"mot_de_passe",
                                    [] {
                                        programme->ouvrir_machine1();
                                        jouer({"!modif_moteur"});
                                    },
                                    {},
                                    {"Text1", "Command1"}},
                                   {"caract_moteur",
                                    [] { programme->ouvrir_caract_moteur(); },
                                    {},
                                    {"choixUi", "choixIi", "choixRi", "choixUe", "choixIe", "choixNn",
                                     "choixPmn", "deuxcent_W", "trois_kW", "six_kW", "boutonOK"}},
                                   // L'enregistreur et l'aperçu, communs aux trois bancs, vus une fois ici.
                                   {"courbe",
                                    [] {
                                        programme->ouvrir_machine1();
                                        jouer({"!trace_courbe"});
                                    },
                                    {},
                                    {"choix_x", "choix_y", "valid", "place_point", "annulle", "change_axe",
                                     "impression", "copier_points", "exporter_points"}},
                                   {"apercu_impression",
                                    [] {
                                        programme->ouvrir_machine1();
                                        jouer({"!trace_courbe", "!courbe/impression"});
                                    },
                                    {},
                                    {"Text1", "zone_lecture", "interpol", "actualiser", "impression"}},
                                   {"feuille_mauvaise_manip",
                                    [] {
                                        programme->ouvrir_machine1();
                                        jouer({"choixUi=220", "!Interinduit"});
                                    },
                                    {},
                                    {"Command1"}},
                               });
    programme.reset();
}

TEST(Classe, VekRheostatAuClavierCommeALaSouris)
{
    // Corps de 2655 twips = 177 pixels ; pas de 4 pixels, grand pas de 18 ;
    // le curseur part de l'extrémité droite (Rmax).
    const auto preparer = [] {
        programme.emplace();
        programme->caracteristiques = vek::machine_6kW();
        programme->ouvrir_machine1();
        jouer({"choixUe=180", "choixUi=40", "!Interinduit", "choixUi=220", "!Interinduit_géné"});
    };
    const struct {
        std::vector<int> touches;
        int arrivee;
    } cas[] = {
        {{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_PageUp}, 177 - 3 * 4 - 18},
        {{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Right}, 177 - 2 * 18 + 4},
        {{Qt::Key_PageUp, Qt::Key_End, Qt::Key_Left}, 177 - 4},
    };
    for (const auto &c : cas)
        classe::verifier_piste(
            {"machine1", "rhéostat", true, preparer, c.touches, c.arrivee, "ligne_rhéostat1", "x1", 8160});
    programme.reset();
}

TEST(Classe, VekTabParcourtLeBancDansLOrdreDeLecture)
{
    // Les saisies (leurs Valid sont cachés au repos), puis les interrupteurs,
    // le blocage du rotor, le rhéostat, et les autres boutons.
    programme.emplace();
    programme->caracteristiques = vek::machine_6kW();
    programme->ouvrir_machine1();
    const QStringList attendu = {"choixUi",          "choixUe",      "choixUi2",        "Interinduit",
                                 "Interinduit_géné", "rotor_bloqué", "change_rhéostat", "rhéostat",
                                 "modif_moteur",     "trace_courbe"};
    EXPECT_EQ(classe::parcours_tab(essai::fenetre("machine1"), "choixUi"), attendu);
    // Une saisie modifiée : son Valid paraît et vient juste après elle.
    essai::taper(essai::fenetre("machine1"), "choixUe", "1");
    QStringList avec_valid = attendu;
    avec_valid.insert(2, "valid_ue");
    EXPECT_EQ(classe::parcours_tab(essai::fenetre("machine1"), "choixUi"), avec_valid);
    campagne::fermer_tout();
    programme.reset();
}

TEST(Classe, EnregistreurRedessineAF5CommeAuClicSurLeFond)
{
    programme.emplace();
    programme->ouvrir_machine1();
    jouer({"!trace_courbe"});
    programme->courbe_enregistree.xmax = 100; // un graphe à l'échelle, pas encore redessiné
    programme->courbe_enregistree.pas_x = 20;
    QWidget *w = essai::fenetre("courbe");
    QTest::keyClick(essai::controle(w, "place_point"), Qt::Key_F5); // ignorée du bouton, reçue par la fenêtre
    EXPECT_EQ(essai::controle(w, "label_echelle_x")->property("text").toString(), "20");
    campagne::fermer_tout();
    programme.reset();
}
