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
        {"Tension simple d'induit U", "U (V)", "aff_v"},
        {"intensité d'induit en ligne I", "I (A)", "aff_i"},
        {"Tension d'excitation Ue", "Ue (V)", "aff_ue"},
        {"intensité d'excitation Ie", "Ie (A)", "aff_ie"},
        {"fréquence de rotation n", "n (tr/min)", "aff_n"},
        {"moment du couple T", "Tu (N.m)", "aff_t"},
        {"Puissance électrique P", "P (W)", "aff_p"},
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
