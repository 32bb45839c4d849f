// SPDX-License-Identifier: GPL-3.0-or-later
#include "courbe_trivon.h"

#include "form1.h"
#include "programme_trivon.h"

#include <QLabel>

courbe::Variante variante_courbe_trivon(ProgrammeTrivon &programme)
{
    courbe::Variante v;
    v.programme = "trivon";
    v.nom_fenetre = "courbe";
    v.pas_arrondi = false;
    v.repere_courbe = courbe::repere_courbe_vek_trivon;
    v.repere_apercu = courbe::repere_apercu_trivon;
    const struct {
        const char *liste, *legende, *afficheur;
    } table[] = {
        {QT_TRANSLATE_NOOP("courbe", "Tension simple d'induit U"), QT_TRANSLATE_NOOP("courbe", "U (V)"),
         "aff_v"},
        {QT_TRANSLATE_NOOP("courbe", "intensité d'induit en ligne I"), QT_TRANSLATE_NOOP("courbe", "I (A)"),
         "aff_i"},
        {QT_TRANSLATE_NOOP("courbe", "Tension d'excitation Ue"), QT_TRANSLATE_NOOP("courbe", "Ue (V)"),
         "aff_ue"},
        {QT_TRANSLATE_NOOP("courbe", "intensité d'excitation Ie"), QT_TRANSLATE_NOOP("courbe", "Ie (A)"),
         "aff_ie"},
        {QT_TRANSLATE_NOOP("courbe", "fréquence de rotation n"), QT_TRANSLATE_NOOP("courbe", "n (tr/min)"),
         "aff_n"},
        {QT_TRANSLATE_NOOP("courbe", "moment du couple T"), QT_TRANSLATE_NOOP("courbe", "Tu (N.m)"), "aff_t"},
        {QT_TRANSLATE_NOOP("courbe", "Puissance électrique P"), QT_TRANSLATE_NOOP("courbe", "P (W)"),
         "aff_p"},
    };
    for (const auto &g : table) {
        const QString nom = QString::fromUtf8(g.afficheur);
        v.grandeurs.push_back({g.liste, g.legende, [&programme, nom]() -> std::string {
                                   const Form1 *banc = programme.form1();
                                   const auto *afficheur = banc ? banc->findChild<QLabel *>(nom) : nullptr;
                                   return afficheur ? afficheur->text().toStdString() : std::string();
                               }});
    }
    return v;
}
