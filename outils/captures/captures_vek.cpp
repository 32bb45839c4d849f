// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran des fenêtres de vek, pour les regarder comme un élève :
//   captures_vek <dossier>
// À lancer sous un vrai serveur X (xvfb-run) : voir outils/captures.sh.
#include "captures.h"
#include "caract_moteur.h"
#include "intro.h"
#include "machine1.h"
#include "mot_de_passe.h"
#include "polices.h"
#include "programme_vek.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    ProgrammeVek programme;
    Intro *intro = programme.demarrer();
    capturer(intro, "vek_accueil");
    intro->OK_Click();
    Machine1 *banc = programme.machine1();
    capturer(banc, "vek_repos");

    // En charge : champ nominal, démarrage à 40 V puis 220 V, machine 2 en
    // frein sur le rhéostat à mi-course.
    valider(banc, "choixUe", "180");
    valider(banc, "choixUi", "40");
    c<QPushButton>(banc, "Interinduit")->click();
    valider(banc, "choixUi", "220");
    c<QPushButton>(banc, "Interinduit_géné")->click();
    QWidget *corps = c(banc, "rhéostat");
    const QPointF milieu(corps->width() / 2.0, corps->height() / 2.0);
    QMouseEvent appui(QEvent::MouseButtonPress, milieu, corps->mapToGlobal(milieu), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent relache(QEvent::MouseButtonRelease, milieu, corps->mapToGlobal(milieu), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(corps, &appui);
    QApplication::sendEvent(corps, &relache);
    banc->Timer1_Timer();
    c<QLineEdit>(banc, "choixUi2")->setText(QStringLiteral("0"));
    banc->Timer3_Timer();
    capturer(banc, "vek_en_charge");

    // Au clavier : le rhéostat a le focus (cadre pointillé), deux flèches à gauche.
    banc->activateWindow();
    corps->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent gauche(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(corps, &gauche);
    }
    capturer(banc, "vek_rheostat_clavier");
    capture::capturer_focus(c(banc, "choixUi"), "vek_focus_saisie");
    capture::capturer_focus(c(banc, "change_rhéostat"), "vek_focus_liste");

    // Avertissement : tension d'inducteur trop forte.
    valider(banc, "choixUe", "400");
    if (QWidget *avert = programme.avertisseur.fenetre())
        capturer(avert, "vek_avertissement");
    capturer(banc, "vek_apres_alerte");

    c<QPushButton>(banc, "modif_moteur")->click();
    MotDePasse *mdp = programme.mot_de_passe();
    c<QLineEdit>(mdp, "Text1")->setText(QStringLiteral("vortis"));
    capturer(mdp, "vek_mot_de_passe");
    mdp->Command1_Click();
    CaractMoteur *caract = programme.caract_moteur();
    capturer(caract, "vek_caracteristiques");
    caract->deuxcent_W_Click();
    capturer(caract, "vek_caracteristiques_200W");
    caract->boutonOK_Click();
    capturer(programme.machine1(), "vek_repos_200W");
    return 0;
}
