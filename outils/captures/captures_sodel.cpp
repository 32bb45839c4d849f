// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran des fenêtres de sodel, pour les regarder comme un élève :
//   captures_sodel <dossier>
// À lancer sous un vrai serveur X (xvfb-run) : voir outils/captures.sh.
#include "apercu_impression.h"
#include "captures.h"
#include "caract_charge.h"
#include "courbe.h"
#include "form1.h"
#include "intro.h"
#include "programme_sodel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

using capture::capturer;

template <typename T = QWidget> T *c(QWidget *parent, const char *nom)
{
    return parent->findChild<T *>(QString::fromUtf8(nom));
}

void valider(QWidget *banc, const char *saisie, const char *texte)
{
    auto *e = c<QLineEdit>(banc, saisie);
    e->setText(QString::fromUtf8(texte));
    QTest::keyClick(e, Qt::Key_Return);
}

void choisir_charge(Form1 *banc, int charge)
{
    c<QComboBox>(banc, "choix_charge")->setCurrentIndex(charge);
    banc->choix_charge_Click(charge);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    ProgrammeSodel programme;
    Intro *intro = programme.demarrer();
    capturer(intro, "sodel_accueil");
    intro->OK_Click();
    Form1 *banc = programme.form1();
    capturer(banc, "sodel_repos");

    // Point nominal : 230 V en étoile, frein à poudre à 27 N.m.
    c<QLineEdit>(banc, "choix_v1")->setText(QStringLiteral("230"));
    c<QLineEdit>(banc, "choix_T")->setText(QStringLiteral("27"));
    banc->bouton_marche_Click();
    choisir_charge(banc, sodel::frein);
    banc->Timer1_Timer();
    c<QLineEdit>(banc, "choix_f")->setText(QStringLiteral("45"));
    banc->choix_f_Click();
    banc->Timer3_Timer();
    capturer(banc, "sodel_nominal_frein");
    valider(banc, "choix_f", "50");

    // Ventilateur, et sa caractéristique avec celle du moteur.
    choisir_charge(banc, sodel::ventilateur);
    banc->Timer2_Timer();
    banc->Timer4_Timer();
    capturer(banc, "sodel_ventilateur");
    banc->Bouton_caract_Click();
    CaractCharge *caract = programme.caract_charge();
    caract->bouton_moteur_Click();
    caract->Form_MouseMove(5000, 2500);
    capturer(caract, "sodel_caract_ventilateur");
    // Près du bord droit, la lecture passe à gauche du pointeur.
    caract->Form_MouseMove(9400, 2500);
    capturer(caract, "sodel_caract_lecture_bord");
    // Au clavier : la zone du graphe a le focus, sa croix marque le point lu.
    QWidget *zone = c(caract, "zone_lecture");
    caract->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(caract));
    zone->setFocus(Qt::TabFocusReason);
    QTest::keyClick(zone, Qt::Key_Right, Qt::ShiftModifier);
    capturer(caract, "sodel_caract_clavier");
    caract->close();
    QApplication::processEvents();

    // Enregistreur : vitesse en fonction du couple du frein.
    choisir_charge(banc, sodel::frein);
    banc->trace_courbe_Click();
    Courbe *courbe = programme.traceur_courbes.courbe();
    courbe->choix_x_Click(0);
    courbe->choix_y_Click(1);
    courbe->valid_Click();
    for (const char *T : {"0", "10", "20", "27", "40", "60"}) {
        valider(banc, "choix_T", T);
        courbe->place_point_Click();
    }
    courbe->Timer1_Timer();
    capturer(courbe, "sodel_courbes");
    courbe->impression_Click();
    if (QWidget *apercu = programme.traceur_courbes.apercu())
        capturer(apercu, "sodel_apercu");
    return 0;
}
