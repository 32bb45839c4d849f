// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aides des captures et des tests des fenêtres d'oscillogrammes : choisir
// une grandeur comme l'élève, valider une saisie au clavier, faire un
// balayage complet en appelant la minuterie directement. En-tête seul : il
// ne sert qu'aux cibles liées au moteur (oscillo_fenetres).

#include "fenetre_oscillo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace pilote {

// Sélection dans la liste du panneau, puis le clic qui la signale.
inline void choisir(oscillo::FenetreOscillo *w, int panneau, int indice)
{
    auto *liste = w->findChild<QComboBox *>(QStringLiteral("choix_grandeur(%1)").arg(panneau));
    liste->setCurrentIndex(indice);
    emit liste->activated(indice);
}

// Remplace le texte d'une saisie par une frappe, puis Entrée.
inline void valider(QWidget *w, const char *saisie, const QString &frappe)
{
    auto *e = w->findChild<QLineEdit *>(QString::fromUtf8(saisie));
    e->clear();
    QTest::keyClicks(e, frappe);
    QTest::keyClick(e, Qt::Key_Return);
}

// Un balayage complet : tous les tops jusqu'au dernier avant l'effacement,
// la longueur de l'axe des temps étant lue sur le trait lx(0).
inline void balayer(oscillo::FenetreOscillo *w)
{
    const Ligne *lx = w->findChild<Ligne *>(QStringLiteral("lx(0)"));
    const double W = lx->x2() - lx->x1();
    while (w->balayage().pas() > 0 && w->balayage().x_curseur() + w->balayage().pas() <= W)
        w->Timer1_Timer();
}

} // namespace pilote
