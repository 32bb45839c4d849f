// SPDX-License-Identifier: GPL-3.0-or-later
#include "courbe_vek.h"

#include "machine1.h"
#include "programme_vek.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// Le texte que le banc montre à cet instant dans le contrôle « nom » : un
// afficheur, ou la saisie choixUi2, validée ou non.
std::string texte_du_banc(ProgrammeVek &programme, const QString &nom)
{
    const Machine1 *banc = programme.machine1();
    if (!banc)
        return {};
    if (const auto *afficheur = banc->findChild<QLabel *>(nom))
        return afficheur->text().toStdString();
    if (const auto *saisie = banc->findChild<QLineEdit *>(nom))
        return saisie->text().toStdString();
    return {};
}

} // namespace

courbe::Variante variante_courbe_vek(ProgrammeVek &programme)
{
    courbe::Variante v;
    v.programme = "vek";
    v.nom_fenetre = "courbe";
    v.pas_arrondi = true;
    v.repere_courbe = courbe::repere_courbe_vek_trivon;
    v.repere_apercu = courbe::repere_apercu_vek;
    const struct {
        const char *liste, *legende, *controle;
    } table[] = {
        {QT_TRANSLATE_NOOP("courbe", "Tension d'induit de la machine1 : U"),
         QT_TRANSLATE_NOOP("courbe", "U (V)"), "afficheUi"},
        {QT_TRANSLATE_NOOP("courbe", "Intensité dans l'induit de la machine 1 : I"),
         QT_TRANSLATE_NOOP("courbe", "I (A)"), "afficheIi"},
        {QT_TRANSLATE_NOOP("courbe", "Tension d'inducteur de la machine1 : Ue"),
         QT_TRANSLATE_NOOP("courbe", "Ue (V)"), "afficheUe"},
        {QT_TRANSLATE_NOOP("courbe", "Intensité dans l'inducteur de la machine 1 : Ie"),
         QT_TRANSLATE_NOOP("courbe", "Ie (A)"), "afficheIe"},
        {QT_TRANSLATE_NOOP("courbe", "fréquence de rotation n en tr/min"),
         QT_TRANSLATE_NOOP("courbe", "n (tr/min)"), "affichen"},
        {QT_TRANSLATE_NOOP("courbe", "Moment du couple utile : T"), QT_TRANSLATE_NOOP("courbe", "T (N.m)"),
         "afficheTu"},
        {QT_TRANSLATE_NOOP("courbe", "Tension d'alimentation de la machine 2 : U2"),
         QT_TRANSLATE_NOOP("courbe", "U2 (V)"), "choixUi2"},
    };
    for (const auto &g : table) {
        const QString nom = QString::fromUtf8(g.controle);
        v.grandeurs.push_back({g.liste, g.legende, [&programme, nom] { return texte_du_banc(programme, nom); }});
    }
    return v;
}
