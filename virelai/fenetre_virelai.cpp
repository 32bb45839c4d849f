// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_virelai.h"

#include "polices.h"
#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPolygonF>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using virelai::nombre_bobines;

// Couleurs des vecteurs ligne_b(0..5) : bleu, orange, vert, noir (résultante),
// rouge et vert (les deux champs translatés de l'addition).
const std::array<QColor, virelai::nombre_vecteurs> couleur_vecteur{QColor(0, 0, 255), QColor(255, 128, 0),
                                                                   QColor(0, 192, 0), QColor(0, 0, 0),
                                                                   QColor(255, 0, 0), QColor(0, 192, 0)};
// Épaisseurs en pixels : la résultante ressort.
const std::array<int, virelai::nombre_vecteurs> largeur_vecteur{2, 2, 2, 3, 2, 2};

// Graphes : abscisse de l'axe des valeurs, haut et bas de cet axe ; bouts
// gauche et droit de l'axe des temps et son ordonnée. Graphe 0 en haut à
// droite (bobine 1), 1 en bas à droite (bobine 3), 2 en bas à gauche (bobine 2).
struct GeometrieGraphe {
    double x, y_haut, y_bas, x_gauche, x_droite, y;
    const char *nom_courant;
};
const std::array<GeometrieGraphe, nombre_bobines> graphes{{
    {7800, 780, 2220, 7680, 11040, 1500, "i1"},
    {7140, 6600, 8040, 7020, 10380, 7320, "i3"},
    {1200, 6540, 7980, 1080, 4440, 7260, "i2"},
}};

// Bobines : distance de leur milieu au centre, le long de leur axe (twips).
constexpr double distance_bobine = 2300;
// Noyau : demi-longueur et demi-largeur ; enroulement : demi-longueur,
// demi-largeur, nombre de spires.
constexpr double noyau_demi_long = 640, noyau_demi_larg = 170;
constexpr double spires_demi_long = 450, spires_demi_larg = 300;
constexpr int nombre_spires = 9;

const QColor gris_axe(140, 140, 140);
const QColor gris_guide(200, 200, 200);

} // namespace

Virelai::Virelai()
    : Feuille(QStringLiteral("virelai"), tr("Principe des virelais par A. Varlon"), 11520, 8520)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette blanc = palette();
    blanc.setColor(QPalette::Window, Qt::white);
    setPalette(blanc);
    effacer_surface();

    for (int k = 0; k < nombre_bobines; ++k)
        dessiner_bobine(k);
    creer_graphes();
    creer_controles();

    Timer1_ = minuterie(QStringLiteral("Timer1"), 100, true);
    connect(Timer1_, &QTimer::timeout, this, &Virelai::Timer1_Timer);
    champ_.charger(Timer1_->interval());
}

void Virelai::creer_controles()
{
    const double xc = virelai::ChampTournant::xc_initial, yc = virelai::ChampTournant::yc_initial;
    // Axes des bobines et référence des angles : la résultante est sur Line40 à 0°.
    ligne(QStringLiteral("Line7"), xc, yc, 5760, 780, gris_axe);
    ligne(QStringLiteral("Line8"), xc, yc, 8640, 5760, gris_axe);
    ligne(QStringLiteral("Line9"), xc, yc, 2940, 5760, gris_axe);
    ligne(QStringLiteral("Line40"), xc, yc, 2040, 4140, gris_axe);

    for (int k = 0; k < virelai::nombre_vecteurs; ++k) {
        const QColor c = couleur_vecteur[k];
        const int l = largeur_vecteur[k];
        ligne_b_[k] = ligne(QStringLiteral("ligne_b(%1)").arg(k), xc, yc, xc, yc, c, l);
        fleche1_[k] = ligne(QStringLiteral("fleche1(%1)").arg(k), xc, yc, xc, yc, c, l);
        fleche2_[k] = ligne(QStringLiteral("fleche2(%1)").arg(k), xc, yc, xc, yc, c, l);
    }

    const QFont police = polices::police(9.75, true);
    QLabel *l7 = label(QStringLiteral("Label7"), tr(" Cocher pour visualiser les     champs magnétiques"),
                       240, 240, 3000, 540);
    l7->setFont(police);

    // Une ligne par vecteur : la case, une flèche de sa couleur, sa légende.
    const std::array<QString, 4> legendes{QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"),
                                          QStringLiteral("B1+B2+B3")};
    for (int k = 0; k < 4; ++k) {
        const double y = 900 + 390 * k;
        Check_[k] = case_a_cocher(QStringLiteral("Check(%1)").arg(k), k < 3 ? legendes[k] : QString(), 360, y,
                                  k < 3 ? 720 : 300, 315);
        Check_[k]->setFont(police);
        if (k == 3) // case sans légende : sa légende est au bout de la flèche
            Check_[k]->setAccessibleName(legendes[k]);
        fleche_legende(k, 1200, 1800, y + 157, couleur_vecteur[k], largeur_vecteur[k]);
        QLabel *l = label(QStringLiteral("Label%1").arg(3 + k), legendes[k], 1920, y, 1320, 315);
        l->setFont(police);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, couleur_vecteur[k]);
        l->setPalette(pal);
    }

    bouton_arret_ =
        bouton(QStringLiteral("bouton_arret"), tr("Arrêt et additions de vecteurs"), 240, 2580, 2760, 600);
    bouton_arret_->setFont(police);
    connect(bouton_arret_, &QPushButton::clicked, this, &Virelai::bouton_arret_Click);

    const QFont police_angle = polices::police(12, true);
    label(QStringLiteral("Label9"), tr("Angle en ° : "), 240, 3420, 1560, 360)->setFont(police_angle);
    aff_angle_ = label(QStringLiteral("aff_angle"), QString(), 1800, 3420, 840, 360);
    aff_angle_->setFont(police_angle);

    // Noms des bobines, de la couleur de leur graphe.
    const struct {
        int indice;
        const char *texte;
        QColor couleur;
        double gauche, haut;
    } noms[] = {{6, QT_TR_NOOP("Bobine1"), QColor(0, 0, 255), 4380, 1680},
                {7, QT_TR_NOOP("Bobine2"), QColor(255, 0, 0), 3300, 6060},
                {8, QT_TR_NOOP("Bobine3"), QColor(0, 192, 0), 8400, 4680}};
    for (const auto &n : noms) {
        QLabel *l =
            label(QStringLiteral("Label1(%1)").arg(n.indice), tr(n.texte), n.gauche, n.haut, 1200, 315);
        l->setFont(police);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, n.couleur);
        l->setPalette(pal);
    }
}

void Virelai::fleche_legende(int k, double x1, double x2, double y, const QColor &couleur, int largeur)
{
    const QString suffixe = QStringLiteral("(%1)").arg(k);
    ligne(QStringLiteral("legende") + suffixe, x1, y, x2, y, couleur, largeur);
    const virelai::Pointe p = virelai::pointe_fleche({{x1 - 900, y}, {x2, y}});
    ligne(QStringLiteral("legende_pointe1") + suffixe, p.trait1.debut.x, p.trait1.debut.y, x2, y, couleur,
          largeur);
    ligne(QStringLiteral("legende_pointe2") + suffixe, p.trait2.debut.x, p.trait2.debut.y, x2, y, couleur,
          largeur);
}

void Virelai::creer_graphes()
{
    const QFont police = polices::police(9.75, true, true);
    for (int k = 0; k < nombre_bobines; ++k) {
        const GeometrieGraphe &g = graphes[k];
        const QString s = QStringLiteral("(%1)").arg(k);
        ligne_y_[k] = ligne(QStringLiteral("ligne_y") + s, g.x, g.y_haut, g.x, g.y_bas);
        ligne_x_[k] = ligne(QStringLiteral("ligne_x") + s, g.x_gauche, g.y, g.x_droite, g.y);
        // Repères des crêtes du courant, jusqu'au bout de la période. Un trait
        // posé sur la fenêtre passe au-dessus de la courbe : chaque repère est
        // donc posé juste au-delà de la crête, tangent au trait de la courbe
        // (deux pixels d'épaisseur), qui se lit entier.
        constexpr double ecart_guide = 30;
        ligne(QStringLiteral("ligne_max") + s, g.x, g.y_haut - ecart_guide, g.x_droite, g.y_haut - ecart_guide,
              gris_guide);
        ligne(QStringLiteral("ligne_min") + s, g.x, g.y_bas + ecart_guide, g.x_droite, g.y_bas + ecart_guide,
              gris_guide);
        // Pointes des axes : temps vers la droite, valeurs vers le haut.
        ligne(QStringLiteral("Line1") + s, g.x_droite - 90, g.y - 45, g.x_droite, g.y);
        ligne(QStringLiteral("Line2") + s, g.x_droite - 90, g.y + 45, g.x_droite, g.y);
        ligne(QStringLiteral("Line3") + s, g.x - 45, g.y_haut + 90, g.x, g.y_haut);
        ligne(QStringLiteral("Line4") + s, g.x + 45, g.y_haut + 90, g.x, g.y_haut);
        // Graduations de la demi-période et de la période.
        const double G = g.x_droite - g.x;
        ligne(QStringLiteral("Line5") + s, g.x + G / 2, g.y - 45, g.x + G / 2, g.y + 45);
        ligne(QStringLiteral("Line6") + s, g.x + G, g.y - 45, g.x + G, g.y + 45);
        // Noms des axes, hors de la boîte effacée à chaque période.
        const QColor c = couleur_bgr(virelai::couleur_graphe[k]);
        texte(g.x + 60, g.y_haut - 330, QString::fromUtf8(g.nom_courant), police, c);
        texte(g.x_droite + 75, g.y - 150, QStringLiteral("t"), police);
    }
}

// Une bobine sur son axe, à 120° des autres : noyau de fer et spires de
// cuivre, brins arrière plus sombres derrière le noyau.
void Virelai::dessiner_bobine(int k)
{
    const double phi = 2 * k * std::numbers::pi / 3;
    // u : de centre vers la bobine (à l'opposé de son champ pour un courant
    // positif) ; v : perpendiculaire.
    const QPointF u(-std::sin(phi), -std::cos(phi));
    const QPointF v(-u.y(), u.x());
    const QPointF milieu =
        QPointF(virelai::ChampTournant::xc_initial, virelai::ChampTournant::yc_initial) + distance_bobine * u;
    const auto P = [&](double a, double b) { return milieu + a * u + b * v; };
    const auto trait_entre = [&](QPointF p, QPointF q, const QColor &c) {
        trait(p.x(), p.y(), q.x(), q.y(), c);
    };

    const QColor cuivre(205, 110, 30), cuivre_sombre(130, 65, 20);
    const double pas = 2 * spires_demi_long / nombre_spires;
    setDrawWidth(2);
    for (int i = 0; i < nombre_spires; ++i) {
        const double a = -spires_demi_long + i * pas;
        trait_entre(P(a + pas / 2, spires_demi_larg), P(a + pas, -spires_demi_larg), cuivre_sombre);
    }
    setDrawWidth(1);
    const QPolygonF noyau{P(-noyau_demi_long, -noyau_demi_larg), P(noyau_demi_long, -noyau_demi_larg),
                          P(noyau_demi_long, noyau_demi_larg), P(-noyau_demi_long, noyau_demi_larg)};
    polygone(noyau, QColor(90, 90, 90), QColor(175, 175, 175));
    setDrawWidth(3);
    for (int i = 0; i < nombre_spires; ++i) {
        const double a = -spires_demi_long + i * pas;
        trait_entre(P(a, -spires_demi_larg), P(a + pas / 2, spires_demi_larg), cuivre);
    }
    setDrawWidth(1);
}

// --- Gestionnaires ----------------------------------------------------------------

void Virelai::Timer1_Timer()
{
    champ_.Timer1_Timer();
}

void Virelai::bouton_arret_Click()
{
    champ_.bouton_arret_Click();
}

// --- Effets de l'animation ----------------------------------------------------------

virelai::AxeTemps Virelai::axe_temps(int graphe) const
{
    const Ligne *l = ligne_x_[graphe];
    return {std::min(l->x1(), l->x2()), std::max(l->x1(), l->x2()), l->y1()};
}

virelai::AxeValeurs Virelai::axe_valeurs(int graphe) const
{
    const Ligne *l = ligne_y_[graphe];
    return {l->x1(), std::min(l->y1(), l->y2()), std::max(l->y1(), l->y2())};
}

bool Virelai::case_cochee(int k) const
{
    return Check_[k]->isChecked();
}

void Virelai::ecrire_angle(int degres)
{
    aff_angle_->setText(QString::number(degres));
}

void Virelai::placer_vecteur(int k, const virelai::Trait &fut, const virelai::Pointe &pointe)
{
    ligne_b_[k]->placer(fut.debut.x, fut.debut.y, fut.fin.x, fut.fin.y);
    fleche1_[k]->placer(pointe.trait1.debut.x, pointe.trait1.debut.y, pointe.trait1.fin.x,
                        pointe.trait1.fin.y);
    fleche2_[k]->placer(pointe.trait2.debut.x, pointe.trait2.debut.y, pointe.trait2.fin.x,
                        pointe.trait2.fin.y);
}

void Virelai::montrer_vecteur(int k, bool visible)
{
    ligne_b_[k]->setVisible(visible);
    fleche1_[k]->setVisible(visible);
    fleche2_[k]->setVisible(visible);
}

void Virelai::tracer_segment(const virelai::Trait &segment, std::uint32_t couleur)
{
    setDrawWidth(2);
    trait(segment.debut.x, segment.debut.y, segment.fin.x, segment.fin.y, couleur_bgr(couleur));
}

void Virelai::effacer_graphe(int, const virelai::Point &coin1, const virelai::Point &coin2)
{
    // Les axes et les repères sont des traits posés au-dessus de la surface :
    // repeindre la boîte les redessine par-dessus le blanc.
    boite_pleine(coin1.x, coin1.y, coin2.x, coin2.y, Qt::white);
}

void Virelai::legende_arret(const std::string &legende)
{
    // Légende écrite par l'animation, marquée dans le même contexte.
    bouton_arret_->setText(tr(legende.c_str()));
}
