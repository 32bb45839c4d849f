// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran des fenêtres de trivon, pour les regarder comme un élève :
//   captures_trivon <dossier>
// À lancer sous un vrai serveur X (xvfb-run) : voir outils/captures.sh.
#include "apercu_impression.h"
#include "captures.h"
#include "courbe.h"
#include "form1.h"
#include "intro.h"
#include "programme_trivon.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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

void choisir(QWidget *fenetre, const char *liste, int position)
{
    auto *l = c<QComboBox>(fenetre, liste);
    l->setCurrentIndex(position);
    emit l->activated(position);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    ProgrammeTrivon programme;
    Intro *intro = programme.demarrer();
    capturer(intro, "trivon_accueil");
    intro->OK_Click();
    Form1 *banc = programme.form1();
    capturer(banc, "trivon_repos");

    // Alternateur à 1500 tr/min, excitation nominale, fermé sur 500 ohms.
    valider(banc, "choix_uvek", "120");
    valider(banc, "choix_ue", "70");
    c<QPushButton>(banc, "bouton_inter")->click();
    banc->Timer1_Timer();
    c<QLineEdit>(banc, "choix_lc")->setText(QStringLiteral("0.5")); // tapé, pas encore validé
    banc->Timer3_Timer();
    capturer(banc, "trivon_en_charge");

    // Couplage triangle, même charge.
    c<QLineEdit>(banc, "choix_lc")->clear();
    valider(banc, "choix_rc", "500");
    c<QPushButton>(banc, "bouton_couplage")->click();
    banc->Timer2_Timer();
    capturer(banc, "trivon_triangle");

    // Avertissement : excitation trop forte.
    valider(banc, "choix_ue", "250");
    if (QWidget *avert = programme.avertisseur.fenetre())
        capturer(avert, "trivon_avertissement");
    capturer(banc, "trivon_apres_alerte");

    // Enregistreur : puissance en fonction de l'intensité, charge variable.
    valider(banc, "choix_ue", "70");
    c<QPushButton>(banc, "bouton_couplage")->click();
    c<QPushButton>(banc, "trace_courbe")->click();
    Courbe *courbe = programme.traceur_courbes.courbe();
    choisir(courbe, "choix_x", 1); // I
    choisir(courbe, "choix_y", 0); // U
    c<QPushButton>(courbe, "valid")->click();
    for (const char *R : {"2000", "1000", "500", "300", "200", "100", "50"}) {
        valider(banc, "choix_rc", R);
        c<QPushButton>(courbe, "place_point")->click();
    }
    capturer(courbe, "courbe_trivon_points");
    c<QPushButton>(courbe, "impression")->click();
    ApercuImpression *apercu = programme.traceur_courbes.apercu();
    apercu->show();
    QApplication::processEvents();
    apercu->Timer1_Timer();
    c<QLineEdit>(apercu, "Text1")
        ->setText(QStringLiteral("Caractéristique en charge : U(I) à n = 1500 tr/min"));
    c<QPushButton>(apercu, "interpol")->click();
    capturer(apercu, "courbe_trivon_apercu");
    return 0;
}
