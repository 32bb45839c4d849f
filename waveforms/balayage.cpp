// SPDX-License-Identifier: GPL-3.0-or-later
#include "balayage.h"

#include "a_traduire.h"
#include "nombre.h"

#include <algorithm>
#include <cmath>

namespace oscillo {

std::uint32_t couleur_de(Classe classe)
{
    switch (classe) {
    case Classe::tension:
        return couleur_tension;
    case Classe::courant:
        return couleur_courant;
    case Classe::commande:
        return couleur_commande;
    }
    return 0;
}

Balayage::Balayage(Circuit &circuit, Ecran &ecran) : circuit_(circuit), ecran_(ecran) {}

void Balayage::charger()
{
    minuterie_active_ = false;
    ecran_.activer_minuterie(false);
    x_curseur_ = 0;
    pas_ = pas_initial;
    f_ = 50;
    for (int i = 0; i < nombre_panneaux; ++i) {
        ecran_.ecrire_xmax(i, 1.0 / f_);
        choix_[i] = -1;
    }
    circuit_.charger();
    for (int i = 0; i < nombre_panneaux; ++i)
        y_cour_[i] = ecran_.axe_temps(i).y;
}

bool Balayage::choix_valide(int k) const
{
    return k >= 0 && static_cast<std::size_t>(k) < circuit_.grandeurs().size();
}

float Balayage::pleine_echelle(Classe classe) const
{
    const References r = circuit_.references();
    switch (classe) {
    case Classe::tension:
        return nombre::en_simple(r.tension);
    case Classe::courant:
        return nombre::en_simple(r.courant);
    case Classe::commande:
        return nombre::en_simple(r.commande);
    }
    return 0.0f;
}

double Balayage::largeur_axe() const
{
    const AxeTemps axe = ecran_.axe_temps(0);
    return axe.x_droite - axe.x_gauche;
}

double Balayage::dt() const
{
    const double W = largeur_axe();
    return W > 0.0 ? pas_ / (W * f_) : 0.0;
}

void Balayage::Timer1_Timer()
{
    x_curseur_ += pas_;
    const double W = largeur_axe();
    t_ = x_curseur_ / (W * f_);
    circuit_.calculer(t_, dt(), f_);
    if (circuit_.moyennes_a_zero())
        for (int i = 0; i < nombre_panneaux; ++i)
            ecran_.ecrire_vmoy_texte(i, "0");
    for (int i = 0; i < nombre_panneaux; ++i)
        if (choix_valide(choix_[i]))
            valeur_[i] = circuit_.valeur(choix_[i]);
    trace_pas();
}

double Balayage::ordonnee(int i, double valeur) const
{
    const AxeTemps lx = ecran_.axe_temps(i);
    const AxeValeurs ly = ecran_.axe_valeurs(i);
    if (valeur == 0.0)
        return lx.y - decalage_zero;
    const double y = lx.y + valeur * (ly.y_haut - ly.y_bas) / (2.0 * ymax_[i]);
    // Une pleine échelle démesurée ou minuscule ne doit jamais envoyer la
    // trace loin du panneau : elle reste entre les deux bouts de l'axe.
    if (!std::isfinite(y))
        return lx.y;
    return std::clamp(y, std::min(ly.y_haut, ly.y_bas), std::max(ly.y_haut, ly.y_bas));
}

void Balayage::trace_pas()
{
    ecran_.placer_ld(ecran_.axe_temps(0).x_gauche + x_curseur_);
    const double x = ecran_.x_ld();
    for (int i = 0; i < nombre_panneaux; ++i) {
        y_prec_[i] = nombre::en_simple(y_cour_[i]);
        if (ymax_[i] != 0.0f)
            y_cour_[i] = ordonnee(i, valeur_[i]);
        ecran_.tracer_segment(x - pas_, y_prec_[i], x, y_cour_[i], couleur_[i]);
        ecran_.ecrire_vinst(i, circuit_.arrondir(valeur_[i]));
    }
    for (int jeu = 0; jeu < circuit_.nombre_jeux(); ++jeu)
        for (int k = 0; k < circuit_.nombre_composants(); ++k)
            ecran_.colorer_composant(jeu, k, circuit_.conduit(jeu, k));
    if (x_curseur_ > largeur_axe())
        efface_traces();
}

void Balayage::efface_traces()
{
    // La boîte couvre tout ce que les segments ont pu toucher : le dernier
    // segment dépasse le bout de l'axe de moins d'un pas (au-delà de 40
    // unités de pas, 50 unités de marge ne suffiraient pas), un trait pleine
    // échelle déborde d'une demi-épaisseur au-dessus de l'axe des valeurs, et
    // le premier segment part de l'axe des valeurs lui-même.
    const double depassement = x_curseur_ - largeur_axe() + demi_epaisseur;
    const double marge_droite = std::max(marge_droite_effacement, depassement);
    x_curseur_ = 0;
    for (int i = 0; i < nombre_panneaux; ++i) {
        const AxeTemps lx = ecran_.axe_temps(i);
        const AxeValeurs ly = ecran_.axe_valeurs(i);
        ecran_.effacer_zone(lx.x_gauche - demi_epaisseur, ly.y_haut - demi_epaisseur,
                            lx.x_droite + marge_droite, ly.y_bas + marge_basse_effacement);
        ecran_.montrer_axe_temps(i);
        y_cour_[i] = lx.y;
    }
}

void Balayage::affiche_moyennes()
{
    for (int i = 0; i < nombre_panneaux; ++i) {
        if (!choix_valide(choix_[i]))
            continue;
        const Moyenne m = circuit_.moyenne(choix_[i]);
        switch (m.genre) {
        case Moyenne::Genre::nombre:
            ecran_.ecrire_vmoy(i, circuit_.arrondir(m.valeur));
            break;
        case Moyenne::Genre::texte:
            ecran_.ecrire_vmoy_texte(i, m.texte);
            break;
        case Moyenne::Genre::inchangee:
            break;
        }
    }
}

void Balayage::affiche_efficaces()
{
    for (int i = 0; i < nombre_panneaux; ++i) {
        if (!choix_valide(choix_[i]))
            continue;
        const Forme forme = circuit_.forme(choix_[i], dt(), f_);
        if (!forme.empty())
            ecran_.ecrire_veff(i, circuit_.arrondir(valeur_efficace(forme, 1.0 / f_)));
    }
    ecran_.valeurs_exactes_changees();
}

Periode Balayage::echantillonner_periode(int echantillons) const
{
    Periode p;
    std::vector<int> panneaux;
    for (int i = 0; i < nombre_panneaux; ++i)
        if (choix_valide(choix_[i]))
            panneaux.push_back(i);
    if (panneaux.empty() || echantillons <= 0)
        return p;
    p.legendes.push_back("t (s)");
    const auto liste = circuit_.grandeurs();
    for (int i : panneaux)
        p.legendes.emplace_back(liste[choix_[i]].legende);

    const double T = 1.0 / f_, pas_temps = dt();
    const std::unique_ptr<Circuit> modele = circuit_.copie();
    const auto instant = [&](int n) { return n * T / echantillons; };
    for (int n = 0; n < echantillons; ++n) // une période pour le régime établi
        modele->calculer(instant(n), pas_temps, f_);
    p.lignes.reserve(static_cast<std::size_t>(echantillons));
    for (int n = 0; n < echantillons; ++n) {
        const double t = instant(n);
        modele->calculer(t, pas_temps, f_);
        std::vector<double> ligne{t};
        for (int i : panneaux)
            ligne.push_back(modele->valeur(choix_[i]));
        p.lignes.push_back(std::move(ligne));
    }
    return p;
}

void Balayage::ecrire_pleines_echelles()
{
    for (int i = 0; i < nombre_panneaux; ++i)
        ecran_.ecrire_ymax(i, circuit_.arrondir(ymax_[i]));
}

void Balayage::arret_Click()
{
    minuterie_active_ = !minuterie_active_;
    ecran_.activer_minuterie(minuterie_active_);
    ecran_.legende_arret(minuterie_active_ ? QT_TRANSLATE_NOOP("oscillo", "STOP")
                                         : QT_TRANSLATE_NOOP("oscillo", "Reprendre"));
}

void Balayage::accelere_Click()
{
    if (pas_ <= pas_maximal_avant_hausse) {
        pas_ += increment_pas;
        affiche_efficaces();
    }
}

void Balayage::Ralentir_Click()
{
    if (pas_ > 0) {
        pas_ -= increment_pas;
        affiche_efficaces();
    }
}

void Balayage::choix_grandeur_Click(const std::array<int, nombre_panneaux> &selections)
{
    efface_traces();
    minuterie_active_ = true;
    ecran_.activer_minuterie(true);
    ecran_.legende_arret(QT_TRANSLATE_NOOP("oscillo", "STOP"));
    const auto liste = circuit_.grandeurs();
    for (int i = 0; i < nombre_panneaux; ++i) {
        const int k = selections[i];
        if (choix_valide(k)) {
            ymax_[i] = pleine_echelle(liste[k].classe);
            couleur_[i] = couleur_de(liste[k].classe);
        }
        ecran_.ecrire_ymax(i, circuit_.arrondir(ymax_[i]));
        choix_[i] = static_cast<std::int16_t>(choix_valide(k) ? k : -1);
    }
    affiche_moyennes();
    affiche_efficaces();
}

void Balayage::circuit_modifie()
{
    const auto liste = circuit_.grandeurs();
    for (int i = 0; i < nombre_panneaux; ++i) {
        if (!choix_valide(choix_[i]))
            continue;
        const Classe classe = liste[choix_[i]].classe;
        if (classe != Classe::tension)
            ymax_[i] = pleine_echelle(classe);
    }
    ecrire_pleines_echelles();
    affiche_moyennes();
    affiche_efficaces();
    efface_traces();
}

} // namespace oscillo
