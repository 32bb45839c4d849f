// Captures d'écran de la fenêtre d'orvalt, pour la regarder comme un élève :
//   captures_orvalt <dossier>
// Sous un vrai serveur X (outils/captures.sh) ou sur la plate-forme offscreen.
#include "captures.h"
#include "intro.h"
#include "polices.h"
#include "redressement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <cstdint>
#include <cstdio>

namespace {

using capture::capturer;

void valider(QWidget *w, const char *saisie, const char *texte)
{
    auto *e = w->findChild<QLineEdit *>(QString::fromUtf8(saisie));
    e->clear();
    QTest::keyClicks(e, QString::fromUtf8(texte));
    QTest::keyClick(e, Qt::Key_Return);
}

void choisir(Redressement *w, int panneau, int indice)
{
    auto *liste = w->findChild<QComboBox *>(QStringLiteral("choix_grandeur(%1)").arg(panneau));
    liste->setCurrentIndex(indice);
    w->choix_grandeur_Click(panneau);
}

// Un balayage complet : jusqu'au dernier top avant l'effacement.
void balayer(Redressement *w)
{
    const int W = 4320;
    while (w->balayage().x_curseur() + w->balayage().pas() <= W)
        w->Timer1_Timer();
}

} // namespace

int main(int argc, char **argv)
{
    // Comme sur le poste d'un élève français : virgule décimale.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    std::int16_t annee_version = 0;
    auto *intro = new Intro({QStringLiteral("Logiciel de simulation d'un pont tout thyristor"), QString()},
                            annee_version, nullptr, [] {});
    capturer(intro, "orvalt_accueil");
    intro->OK_Click();

    auto *w = new Redressement;
    capturer(w, "orvalt_chargement");

    // u, uc, ic et ig1 à 45° après un balayage complet.
    valider(w, "choix_alpha", "45");
    choisir(w, 0, 0);
    choisir(w, 1, 1);
    choisir(w, 2, 2);
    choisir(w, 3, 12);
    balayer(w);
    capturer(w, "orvalt_alpha45");

    // Pont bloqué à e = 30 V (alpha = 0) : u, uc, uT1 et ig1.
    valider(w, "choix_alpha", "0");
    valider(w, "choix_e", "30");
    choisir(w, 2, 4);
    balayer(w);
    capturer(w, "orvalt_bloque_e30");
    return 0;
}
