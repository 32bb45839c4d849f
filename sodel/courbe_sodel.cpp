// SPDX-License-Identifier: GPL-3.0-or-later
#include "courbe_sodel.h"

#include "form1.h"
#include "programme_sodel.h"

#include <QLabel>

courbe::Variante variante_courbe_sodel(ProgrammeSodel &programme)
{
    courbe::Variante v;
    v.programme = "sodel";
    v.nom_fenetre = "courbes";
    v.pas_arrondi = false;
    v.repere_courbe = courbe::repere_courbe_sodel;
    v.repere_apercu = courbe::repere_apercu_sodel;
    v.grille_avant_points = true;
    v.legende_choix_x = QT_TRANSLATE_NOOP("courbe", "Choisir la grandeur placée sur l'axe des abscisses");
    v.legende_choix_y = QT_TRANSLATE_NOOP("courbe", "Choisir la grandeur placée sur l'axe des ordonnées");
    v.legende_impression = QT_TRANSLATE_NOOP("courbe", "Imprimer la courbe");
    v.bouton_autre_courbe = true;
    const struct {
        const char *liste, *legende, *controle;
    } table[] = {
        {QT_TRANSLATE_NOOP("courbe", "couple utile Tu en N.m"), QT_TRANSLATE_NOOP("courbe", "Tu (N.m)"),
         "aff_T"},
        {QT_TRANSLATE_NOOP("courbe", "fréquence de rotation n en tr/min"),
         QT_TRANSLATE_NOOP("courbe", "n (tr/min)"), "aff_n"},
        {QT_TRANSLATE_NOOP("courbe", "intensité en ligne absorbée I en A"),
         QT_TRANSLATE_NOOP("courbe", "I (A)"), "aff_i"},
    };
    for (const auto &g : table) {
        const QString nom = QString::fromUtf8(g.controle);
        v.grandeurs.push_back({g.liste, g.legende, [&programme, nom]() -> std::string {
                                   const Form1 *banc = programme.form1();
                                   if (!banc)
                                       return {};
                                   const auto *afficheur = banc->findChild<QLabel *>(nom);
                                   return afficheur ? afficheur->text().toStdString() : std::string();
                               }});
    }
    return v;
}
