// SPDX-License-Identifier: GPL-3.0-or-later
#include "onduleur.h"

#include "polices.h"

#include <QLabel>
#include <QLocale>

#include <cmath>

namespace {

// Ligne de géométrie de l'onduleur : axes des temps de 6180 à 10200
// (W = 4020), axes des valeurs 660 au-dessus et au-dessous, curseur de 600 à 7860.
const oscillo::GeometriePanneaux geometrie{
    6180, 10200, {1260, 3240, 5220, 7200}, {600, 2580, 4560, 6540}, {1920, 3900, 5880, 7860}, 6600, 600, 7860,
    240,  6300};

// Schéma : rails haut et bas, milieux des bras, abscisses de la source et
// des bras ; la diode de chaque transistor est décalée vers la droite.
constexpr double y_rail_haut = 1080, y_rail_bas = 4560, y_milieu = 2820;
constexpr double x_source = 660, x_bras_gauche = 1800, x_bras_droit = 4080;
constexpr double y_haut = 1950, y_bas = 3690; // centres des transistors
constexpr double ecart_diode = 480;
// Demi-hauteur d'un transistor ou d'une diode, fils compris.
constexpr double demi_composant = 300;
// Charge R, L sur le fil des milieux.
constexpr double x_r = 2640, x_l = 3300, longueur_rl = 480, demi_rl = 120;

QLabel *nom_schema(QLabel *l, bool gras = false)
{
    l->setFont(polices::police(9.75, gras, !gras));
    return l;
}

} // namespace

Onduleur::Onduleur()
    : oscillo::FenetreOscillo(QStringLiteral("onduleur"), tr("Étude de l'onduleur par A. Varlon"), 12840,
                              8160, geometrie, pont_)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    ecrire_notes();
    charger_balayage();
}

void Onduleur::ecrire_notes()
{
    // Les constantes du montage, nombres écrits dans la langue (0,4 ou 0.4).
    const QString constantes = tr("E = %1 V      R = %2 Ω      L = %3 H      f = %4 Hz")
                                   .arg(pont_.e_continue())
                                   .arg(pont_.r())
                                   .arg(QLocale().toString(pont_.l()))
                                   .arg(50);
    QLabel *valeurs = label(QStringLiteral("nom_constantes"), constantes, 240, 5160, 5400, 270);
    valeurs->setFont(polices::police(9));
    QLabel *l21 = label(QStringLiteral("Label21"),
                        tr("Pour simplifier, les tensions de seuil des diodes ont été négligées."), 240, 7440,
                        5760, 480);
    l21->setFont(polices::police(8.25, false, true));
}

// --- Schéma ------------------------------------------------------------------------

void Onduleur::dessiner_transistor(int k, double cx, double cy)
{
    // Huit traits : la barre de base, le fil de base, le collecteur (oblique
    // et fil), l'émetteur (oblique et fil) et les deux barbes de sa flèche.
    const QString n = QStringLiteral("(%1)").arg(k);
    const double xb = cx - 150, h = cy - demi_composant, b = cy + demi_composant;
    // Barbes de la flèche d'émetteur, pointe au bout de l'oblique, à 30° de part et d'autre.
    const double lx = 150, ly = 120, lg = std::hypot(lx, ly);
    const double ux = -lx / lg, uy = -ly / lg, c = std::cos(0.52), s = std::sin(0.52), bb = 90;
    const double px = cx, py = cy + 190;
    std::vector<Ligne *> traits = {
        ligne(QStringLiteral("l1t") + n, xb, cy - 150, xb, cy + 150, Qt::black, 3),
        ligne(QStringLiteral("l2t") + n, cx - 420, cy, xb, cy, Qt::black, 2),
        ligne(QStringLiteral("l3t") + n, xb, cy - 70, cx, cy - 190, Qt::black, 2),
        ligne(QStringLiteral("l4t") + n, cx, cy - 190, cx, h, Qt::black, 2),
        ligne(QStringLiteral("l5t") + n, xb, cy + 70, px, py, Qt::black, 2),
        ligne(QStringLiteral("l6t") + n, cx, py, cx, b, Qt::black, 2),
        ligne(QStringLiteral("l7t") + n, px, py, px + bb * (ux * c - uy * s), py + bb * (uy * c + ux * s),
              Qt::black, 2),
        ligne(QStringLiteral("l8t") + n, px, py, px + bb * (ux * c + uy * s), py + bb * (uy * c - ux * s),
              Qt::black, 2),
    };
    ajouter_composant(onduleur::jeu_transistors, k, std::move(traits));

    nom_schema(
        label(QStringLiteral("label_t") + n, QStringLiteral("T%1").arg(k + 1), cx + 20, cy - 135, 310, 270),
        true);
    // Borne de base et son courant.
    setDrawWidth(1);
    cercle(cx - 450, cy, 30, Qt::black);
    fleche(cx - 420, cy + 90, cx - 200, cy + 90);
    nom_schema(label(QStringLiteral("label_ib") + n, QStringLiteral("ib%1").arg(k + 1), cx - 840, cy - 30,
                     390, 270));
    // Courant du transistor, fléché le long du fil de collecteur.
    const double y_fil = cy < y_milieu ? y_rail_haut : y_milieu;
    fleche(cx - 110, y_fil + 150, cx - 110, h - 60);
    // Nom serré contre sa flèche : à gauche de iT2 et iT4 passe la flèche de
    // u, qui se lirait sinon comme un seul trait avec lui.
    nom_schema(label(QStringLiteral("label_it") + n, QStringLiteral("iT%1").arg(k + 1), cx - 560,
                     (y_fil + h) / 2 - 135, 420, 270))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Onduleur::dessiner_diode(int k, double xd, double cy)
{
    // Cinq traits : la base, les deux côtés du triangle, la barre de cathode
    // et le fil qui traverse la diode d'une connexion à l'autre.
    const QString n = QStringLiteral("(%1)").arg(k);
    const double g = xd - 150, d = xd + 150, bas = cy + 120, haut = cy - 120;
    std::vector<Ligne *> traits = {
        ligne(QStringLiteral("l1d") + n, g, bas, d, bas, Qt::black, 2),
        ligne(QStringLiteral("l2d") + n, g, bas, xd, haut, Qt::black, 2),
        ligne(QStringLiteral("l3d") + n, d, bas, xd, haut, Qt::black, 2),
        ligne(QStringLiteral("l4d") + n, g, haut, d, haut, Qt::black, 2),
        ligne(QStringLiteral("l5d") + n, xd, cy - demi_composant, xd, cy + demi_composant, Qt::black, 2),
    };
    ajouter_composant(onduleur::jeu_diodes, k, std::move(traits));

    nom_schema(
        label(QStringLiteral("label_d") + n, QStringLiteral("D%1").arg(k + 1), xd + 300, cy + 10, 330, 270),
        true);
    // Courant de la diode : de l'anode (en bas) vers la cathode.
    fleche(xd + 230, cy + 240, xd + 230, cy - 240);
    nom_schema(label(QStringLiteral("label_id") + n, QStringLiteral("iD%1").arg(k + 1), xd + 300, cy - 280,
                     420, 270));
}

void Onduleur::dessiner_schema()
{
    setDrawWidth(1);
    // Source E : plaque longue (+) en haut, courte et épaisse (-) en bas.
    trait(x_source, y_rail_haut, x_source, 2760, Qt::black);
    trait(x_source - 240, 2760, x_source + 240, 2760, Qt::black);
    setDrawWidth(3);
    trait(x_source - 120, 2880, x_source + 120, 2880, Qt::black);
    setDrawWidth(1);
    trait(x_source, 2880, x_source, y_rail_bas, Qt::black);
    // Rails.
    trait(x_source, y_rail_haut, x_bras_droit, y_rail_haut, Qt::black);
    trait(x_source, y_rail_bas, x_bras_droit, y_rail_bas, Qt::black);

    // Bras : fils du rail au transistor, du transistor au milieu, et les deux
    // liaisons de chaque transistor à sa diode.
    for (double cx : {x_bras_gauche, x_bras_droit}) {
        trait(cx, y_rail_haut, cx, y_haut - demi_composant, Qt::black);
        trait(cx, y_haut + demi_composant, cx, y_bas - demi_composant, Qt::black);
        trait(cx, y_bas + demi_composant, cx, y_rail_bas, Qt::black);
        for (double cy : {y_haut, y_bas})
            for (double y : {cy - demi_composant, cy + demi_composant}) {
                trait(cx, y, cx + ecart_diode, y, Qt::black);
                cercle(cx, y, 30, Qt::black, Qt::black);
            }
        cercle(cx, y_milieu, 30, Qt::black, Qt::black);
    }
    cercle(x_bras_gauche, y_rail_haut, 30, Qt::black, Qt::black);
    cercle(x_bras_gauche, y_rail_bas, 30, Qt::black, Qt::black);

    // Charge R, L entre les milieux des bras.
    trait(x_bras_gauche, y_milieu, x_r, y_milieu, Qt::black);
    boite_pleine(x_r, y_milieu - demi_rl, x_r + longueur_rl, y_milieu + demi_rl, Qt::black); // R
    boite_pleine(x_r + 15, y_milieu - demi_rl + 15, x_r + longueur_rl - 15, y_milieu + demi_rl - 15,
                 Qt::white);
    trait(x_r + longueur_rl, y_milieu, x_l, y_milieu, Qt::black);
    boite_pleine(x_l, y_milieu - demi_rl, x_l + longueur_rl, y_milieu + demi_rl, Qt::black); // L
    trait(x_l + longueur_rl, y_milieu, x_bras_droit, y_milieu, Qt::black);

    dessiner_transistor(0, x_bras_gauche, y_haut); // T1
    dessiner_transistor(1, x_bras_droit, y_haut);  // T2
    dessiner_transistor(2, x_bras_gauche, y_bas);  // T3
    dessiner_transistor(3, x_bras_droit, y_bas);   // T4
    for (int k = 0; k < 4; ++k)
        dessiner_diode(k, (k % 2 == 0 ? x_bras_gauche : x_bras_droit) + ecart_diode, k < 2 ? y_haut : y_bas);

    // Flèches nommées (une tension pointe vers sa borne +).
    fleche(x_source - 360, 3180, x_source - 360, 2460);               // E
    fleche(x_source + 240, y_rail_haut, x_source + 600, y_rail_haut); // iE
    fleche(x_l + 120, 3120, x_r - 60, 3120);                          // u
    fleche(2040, y_milieu, 2400, y_milieu);                           // i
    const struct {
        const char *nom, *texte;
        double x, y;
    } noms[] = {
        {"nom_E", "E", 60, 2700},   {"nom_iE", "iE", x_source + 300, 780},
        {"nom_u", "u", 2880, 3150}, {"nom_i", "i", 2160, 2460},
        {"nom_R", "R", 2820, 2400}, {"nom_L", "L", 3480, 2400},
    };
    for (const auto &n : noms)
        nom_schema(label(QString::fromUtf8(n.nom), QString::fromUtf8(n.texte), n.x, n.y, 360, 270));
}
