// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_redresseur.h"

#include "nombre.h"
#include "polices.h"
#include "twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace oscillo {

namespace {

// Schéma (avant décalage) : rails haut et bas, milieux des bras, abscisses
// des bras et de la charge, source entre les bras.
constexpr double y_rail_haut = 1080, y_rail_bas = 4560, y_milieu = 2820;
constexpr double x_bras_gauche = 1440, x_bras_droit = 3360, x_charge = 5040;
constexpr double x_source = 2400, rayon_source = 240;
// Centres des composants du haut et du bas.
constexpr double y_composant_haut = 1950, y_composant_bas = 3690;
// Demi-largeur et demi-hauteur du triangle d'un composant ; longueur des
// pattes d'une diode.
constexpr double dx_triangle = 180, dy_triangle = 150, patte = 120;

} // namespace

FenetreRedresseur::FenetreRedresseur(const QString &titre, double largeur, double hauteur,
                                     const GeometriePanneaux &geometrie, Circuit &circuit)
    : FenetreOscillo(QStringLiteral("redressement"), titre, largeur, hauteur, geometrie, circuit)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

// --- Saisie de l'angle et notes ------------------------------------------------------

void FenetreRedresseur::creer_saisie_alpha(double x, double y)
{
    label(QStringLiteral("Label17"), tr("Angle à l'amorçage en °"), x, y, 2520, 255);
    choix_alpha_ = saisie(QStringLiteral("choix_alpha"), x, y + 270, 1020, 330);
    choix_alpha_->setText(QStringLiteral("0"));
    choix_alpha_->setToolTip(tr("Angle d'amorçage des thyristors, de 0 à 180°"));
    alpha_valid_ =
        bouton(QStringLiteral("alpha_valid"), tr("Valid"), x + 1080, y + 270, 720, 330);
    alpha_valid_->hide();
    connect(choix_alpha_, &QLineEdit::textChanged, this, &FenetreRedresseur::choix_alpha_Change);
    connect(choix_alpha_, &QLineEdit::returnPressed, this, &FenetreRedresseur::alpha_valid_Click);
    connect(alpha_valid_, &QPushButton::clicked, this, &FenetreRedresseur::alpha_valid_Click);
    ajouter_saisie(choix_alpha_, alpha_valid_);
}

bool FenetreRedresseur::fixer_alpha(double)
{
    return false;
}

void FenetreRedresseur::choix_alpha_Change()
{
    alpha_valid_->show();
}

void FenetreRedresseur::alpha_valid_Click()
{
    const double angle = nombre::lire_nombre(choix_alpha_->text().toStdString());
    if (!fixer_alpha(angle)) {
        // Hors de 0..180° : la saisie revient à "0", l'ancien angle reste.
        choix_alpha_->setText(QStringLiteral("0"));
        return;
    }
    alpha_valid_->hide();
    balayage().circuit_modifie();
}

double FenetreRedresseur::ecrire_notes(const QString &source, const QString &resistance,
                                       const QString &nom_note, const QString &note)
{
    // Label13 s'arrête avant l'échelle du panneau voisin (labelymax, 780
    // unités à gauche des axes) ; s'il n'y tient pas sur une ligne, il passe
    // sur deux et ce qui suit descend d'autant.
    const Ligne *lx = findChild<Ligne *>(QStringLiteral("lx(0)"));
    const double gauche = 240, largeur = std::min(5640.0, lx->x1() - 780 - 120 - gauche);
    const QFont police_source = polices::police(9);
    const double long_texte = twips::depuis_px(QFontMetrics(police_source).horizontalAdvance(source));
    const double interligne = long_texte > largeur ? 240 : 0;
    QLabel *l13 = label(QStringLiteral("Label13"), source, gauche, 4800, largeur, 270 + interligne);
    l13->setFont(police_source);
    l13->setWordWrap(interligne > 0);
    label(QStringLiteral("Label14"), resistance, gauche, 5070 + interligne, 1500, 270)
        ->setFont(polices::police(9));
    label(nom_note, note, gauche, 7500, 5760, 480)->setFont(polices::police(8.25, false, true));
    return 5430 + interligne;
}

// --- Schéma ------------------------------------------------------------------------

void FenetreRedresseur::dessiner_composant(int k, Semiconducteur genre, const char *nom, double cx, double cy)
{
    // Six traits par composant, anode en bas, cathode en haut : la base et
    // les deux côtés du triangle, la barre de cathode, puis la gâchette et
    // son fil pour un thyristor, les deux pattes pour une diode.
    const QString n = QStringLiteral("(%1)").arg(k);
    const double g = cx - dx_triangle, d = cx + dx_triangle, b = cy + dy_triangle, h = cy - dy_triangle;
    const bool thyristor = genre == Semiconducteur::thyristor;
    std::vector<Ligne *> traits = {
        ligne(QStringLiteral("l1d") + n, g, b, d, b, Qt::black, 2),
        ligne(QStringLiteral("l2d") + n, g, b, cx, h, Qt::black, 2),
        ligne(QStringLiteral("l3d") + n, d, b, cx, h, Qt::black, 2),
        ligne(QStringLiteral("l4d") + n, g, h, d, h, Qt::black, 2),
    };
    if (thyristor) {
        traits.push_back(
            ligne(QStringLiteral("l5d") + n, cx + 60, cy - 50, cx + 300, cy + 100, Qt::black, 2));
        traits.push_back(
            ligne(QStringLiteral("l6d") + n, cx + 300, cy + 100, cx + 480, cy + 100, Qt::black, 2));
    } else {
        traits.push_back(ligne(QStringLiteral("l5d") + n, cx, h, cx, h - patte, Qt::black, 2));
        traits.push_back(ligne(QStringLiteral("l6d") + n, cx, b + patte, cx, b, Qt::black, 2));
    }
    ajouter_composant(0, k, std::move(traits));

    QLabel *etiquette =
        label(QStringLiteral("label_d") + n, QString::fromUtf8(nom), cx + 240, cy - 360, 420, 300);
    etiquette->setFont(polices::police(9.75, true));
    if (thyristor) {
        QLabel *ig = label(QStringLiteral("nom_ig%1").arg(k + 1), QStringLiteral("ig%1").arg(k + 1), cx + 300,
                           cy + 120, 420, 240);
        ig->setFont(polices::police(8.25));
    }
    // Fils du bras : de la cathode à son rail ou au milieu, de l'anode de même.
    const double haut_corps = thyristor ? h : h - patte, bas_corps = thyristor ? b : b + patte;
    setDrawWidth(1);
    const bool en_haut = cy < y_milieu;
    trait(cx, en_haut ? y_rail_haut : y_milieu, cx, haut_corps, Qt::black);
    trait(cx, bas_corps, cx, en_haut ? y_milieu : y_rail_bas, Qt::black);
}

void FenetreRedresseur::dessiner_schema(const SchemaPont &schema)
{
    decalage_x_ = schema.decalage_x;
    const double xg = X(x_bras_gauche), xd = X(x_bras_droit), xc = X(x_charge), xs = X(x_source);

    setDrawWidth(1);
    // Rails et charge.
    trait(xg, y_rail_haut, xc, y_rail_haut, Qt::black);
    trait(xg, y_rail_bas, xc, y_rail_bas, Qt::black);
    trait(xc, y_rail_haut, xc, 1500, Qt::black);
    boite_pleine(xc - 120, 1500, xc + 120, 2100, Qt::black); // R
    boite_pleine(xc - 105, 1515, xc + 105, 2085, Qt::white);
    trait(xc, 2100, xc, 2460, Qt::black);
    boite_pleine(xc - 120, 2460, xc + 120, 3060, Qt::black); // L
    if (schema.fem) {
        trait(xc, 3060, xc, 3540, Qt::black);
        cercle(xc, 3780, 240, Qt::black); // e
        trait(xc, 3540, xc, 4020, Qt::black);
        trait(xc, 4020, xc, y_rail_bas, Qt::black);
    } else {
        trait(xc, 3060, xc, y_rail_bas, Qt::black);
    }

    // Source entre les milieux des bras.
    trait(xg, y_milieu, xs - rayon_source, y_milieu, Qt::black);
    trait(xs + rayon_source, y_milieu, xd, y_milieu, Qt::black);
    cercle(xs, y_milieu, rayon_source, Qt::black);
    // Sinusoïde dans le cercle de la source.
    for (int j = 0; j < 12; ++j) {
        const double a0 = -150 + 25.0 * j, a1 = a0 + 25;
        trait(xs + a0, y_milieu - 90 * std::sin(a0 / 150 * std::numbers::pi), xs + a1,
              y_milieu - 90 * std::sin(a1 / 150 * std::numbers::pi), Qt::black);
    }
    for (double x : {xg, xd, xc})
        for (double y : {y_rail_haut, y_rail_bas})
            cercle(x, y, 30, Qt::black, Qt::black);
    cercle(xg, y_milieu, 30, Qt::black, Qt::black);
    cercle(xd, y_milieu, 30, Qt::black, Qt::black);

    const double cx[4] = {xg, xd, xg, xd};
    const double cy[4] = {y_composant_haut, y_composant_haut, y_composant_bas, y_composant_bas};
    for (int k = 0; k < 4; ++k)
        dessiner_composant(k, schema.genres[k], schema.noms[k], cx[k], cy[k]);

    // Flèches nommées (une tension pointe vers sa borne +).
    fleche(xs + 240, 2460, xs - 240, 2460);             // u
    fleche(X(2040), y_milieu, X(1680), y_milieu);       // is
    fleche(X(4200), y_rail_haut, X(4560), y_rail_haut); // ic
    fleche(X(5640), 4440, X(5640), 1200);               // uc
    if (schema.fem)
        fleche(X(5400), 4020, X(5400), 3540); // e
    fleche(xg, 1560, xg, 1290);               // courant du premier composant
    fleche(X(1020), 1800, X(1020), 2100);     // tension du premier composant
    const QString tension = QString::fromUtf8(schema.tension_composant);
    const QString courant = QString::fromUtf8(schema.courant_composant);
    const struct {
        QString nom, texte;
        double x, y;
    } noms[] = {
        {"nom_u", "u", 2340, 2160},
        {"nom_is", "is", 1740, 2520},
        {"nom_ic", "ic", 4260, 780},
        {"nom_uc", "uc", 5760, 2700},
        {"nom_e", "e", 5520, 3660},
        {"nom_R", "R", 4620, 1680},
        {"nom_L", "L", 4620, 2640},
        {"nom_" + courant, courant, 1500, 1260},
        {"nom_" + tension, tension, 540, 1830},
    };
    for (const auto &n : noms) {
        if (n.texte == QStringLiteral("e") && !schema.fem)
            continue;
        QLabel *l = label(n.nom, n.texte, X(n.x), n.y, 480, 270);
        l->setFont(polices::police(9.75, false, true));
    }
}

} // namespace oscillo
