#include "redressement.h"

#include "nombre.h"
#include "polices.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

// Ligne de géométrie d'orvalt : axes des temps de 6660 à 10980 (W = 4320),
// axes des valeurs 600 au-dessus et au-dessous, curseur de 720 à 7920.
const oscillo::GeometriePanneaux geometrie{
    6660, 10980, {1320, 3240, 5280, 7320}, {720, 2640, 4680, 6720}, {1920, 3840, 5880, 7920},
    7200, 720,   7920, 240, 6600};

// Schéma : rails haut et bas, milieux des bras, abscisses des bras et de la charge.
constexpr double y_rail_haut = 1080, y_rail_bas = 4560, y_milieu = 2820;
constexpr double x_bras_gauche = 1440, x_bras_droit = 3360, x_charge = 5040;
constexpr double x_source = 2400, rayon_source = 240;
// Demi-largeur et demi-hauteur du triangle d'un thyristor.
constexpr double dx_thyristor = 180, dy_thyristor = 150;

std::string en_utf8(const QString &texte)
{
    return texte.toStdString();
}

} // namespace

Redressement::Redressement()
    : oscillo::FenetreOscillo(QStringLiteral("redressement"), QStringLiteral("Etude du pont tout thyristor par A. Varlon"),
                              13500, 8280, geometrie, pont_)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    creer_saisies();
    charger_balayage();
}

void Redressement::creer_saisies()
{
    label(QStringLiteral("Label17"), QStringLiteral("Angle à l'amorçage en °"), 240, 5430, 2520, 255);
    choix_alpha_ = saisie(QStringLiteral("choix_alpha"), 240, 5700, 1020, 330);
    choix_alpha_->setText(QStringLiteral("0"));
    choix_alpha_->setToolTip(QStringLiteral("Angle d'amorçage des thyristors, de 0 à 180°"));
    alpha_valid_ = bouton(QStringLiteral("alpha_valid"), QStringLiteral("Valid"), 1320, 5700, 720, 330);
    alpha_valid_->hide();

    label(QStringLiteral("Label20"), QStringLiteral("choix de e (V) :"), 2880, 5430, 2400, 255);
    choix_e_ = saisie(QStringLiteral("choix_e"), 2880, 5700, 1020, 330);
    choix_e_->setText(QStringLiteral("0"));
    choix_e_->setToolTip(QStringLiteral("Force électromotrice de la charge"));
    e_valid_ = bouton(QStringLiteral("e_valid"), QStringLiteral("Valid"), 3960, 5700, 720, 330);
    e_valid_->hide();

    connect(choix_alpha_, &QLineEdit::textChanged, this, &Redressement::choix_alpha_Change);
    connect(choix_e_, &QLineEdit::textChanged, this, &Redressement::choix_e_Change);
    connect(choix_alpha_, &QLineEdit::returnPressed, this, &Redressement::alpha_valid_Click);
    connect(choix_e_, &QLineEdit::returnPressed, this, &Redressement::e_valid_Click);
    connect(alpha_valid_, &QPushButton::clicked, this, &Redressement::alpha_valid_Click);
    connect(e_valid_, &QPushButton::clicked, this, &Redressement::e_valid_Click);

    QLabel *l13 = label(QStringLiteral("Label13"),
                        QStringLiteral("u : Tension sinusoïdale de valeur efficace 24 V et de fréquence 50 Hz"), 240,
                        4800, 5640, 270);
    l13->setFont(polices::police(9));
    label(QStringLiteral("Label14"), QStringLiteral("R = 20 ohms"), 240, 5070, 1500, 270)->setFont(polices::police(9));
    QLabel *l21 = label(QStringLiteral("Label21"),
                        QStringLiteral("Pour simplifier, les tensions de seuil des thyristors ont été négligées."),
                        240, 7500, 5760, 480);
    l21->setFont(polices::police(8.25, false, true));
}

// --- Gestionnaires ----------------------------------------------------------------

void Redressement::choix_alpha_Change()
{
    alpha_valid_->show();
}

void Redressement::choix_e_Change()
{
    e_valid_->show();
}

void Redressement::alpha_valid_Click()
{
    const double angle = nombre::lire_nombre(en_utf8(choix_alpha_->text()));
    if (!pont_.fixer_alpha(angle)) {
        // Hors de 0..180° : la saisie revient à "0", l'ancien angle reste.
        choix_alpha_->setText(QStringLiteral("0"));
        return;
    }
    alpha_valid_->hide();
    balayage().circuit_modifie();
}

void Redressement::e_valid_Click()
{
    e_valid_->hide();
    pont_.fixer_e(nombre::lire_nombre(en_utf8(choix_e_->text())));
    balayage().circuit_modifie();
}

// --- Schéma ------------------------------------------------------------------------

void Redressement::fleche(double x1, double y1, double x2, double y2)
{
    setDrawWidth(1);
    trait(x1, y1, x2, y2, Qt::black);
    const double longueur = std::hypot(x2 - x1, y2 - y1);
    if (longueur == 0.0)
        return;
    // Barbes de 90 unités à 25° de part et d'autre de la tige.
    const double ux = (x1 - x2) / longueur, uy = (y1 - y2) / longueur;
    const double c = std::cos(0.436), s = std::sin(0.436), b = 90;
    trait(x2, y2, x2 + b * (ux * c - uy * s), y2 + b * (uy * c + ux * s), Qt::black);
    trait(x2, y2, x2 + b * (ux * c + uy * s), y2 + b * (uy * c - ux * s), Qt::black);
}

void Redressement::dessiner_thyristor(int k, double cx, double cy)
{
    // Six traits par thyristor, anode en bas, cathode en haut : la base, les
    // deux côtés du triangle, la barre de cathode, la gâchette et son fil.
    const QString n = QStringLiteral("(%1)").arg(k);
    const double g = cx - dx_thyristor, d = cx + dx_thyristor, b = cy + dy_thyristor, h = cy - dy_thyristor;
    std::vector<Ligne *> traits = {
        ligne(QStringLiteral("l1d") + n, g, b, d, b, Qt::black, 2),
        ligne(QStringLiteral("l2d") + n, g, b, cx, h, Qt::black, 2),
        ligne(QStringLiteral("l3d") + n, d, b, cx, h, Qt::black, 2),
        ligne(QStringLiteral("l4d") + n, g, h, d, h, Qt::black, 2),
        ligne(QStringLiteral("l5d") + n, cx + 60, cy - 50, cx + 300, cy + 100, Qt::black, 2),
        ligne(QStringLiteral("l6d") + n, cx + 300, cy + 100, cx + 480, cy + 100, Qt::black, 2),
    };
    ajouter_composant(0, k, std::move(traits));
    QLabel *nom = label(QStringLiteral("label_d") + n, QStringLiteral("T%1").arg(k + 1), cx + 240, cy - 360, 420, 300);
    nom->setFont(polices::police(9.75, true));
    QLabel *ig = label(QStringLiteral("nom_ig%1").arg(k + 1), QStringLiteral("ig%1").arg(k + 1), cx + 300, cy + 120,
                       420, 240);
    ig->setFont(polices::police(8.25));
    // Fils du bras : de la cathode à son rail ou au milieu, de l'anode de même.
    setDrawWidth(1);
    const bool haut = cy < y_milieu;
    trait(cx, haut ? y_rail_haut : y_milieu, cx, h, Qt::black);
    trait(cx, b, cx, haut ? y_milieu : y_rail_bas, Qt::black);
}

void Redressement::dessiner_schema()
{
    setDrawWidth(1);
    // Rails et charge.
    trait(x_bras_gauche, y_rail_haut, x_charge, y_rail_haut, Qt::black);
    trait(x_bras_gauche, y_rail_bas, x_charge, y_rail_bas, Qt::black);
    trait(x_charge, y_rail_haut, x_charge, 1500, Qt::black);
    boite_pleine(x_charge - 120, 1500, x_charge + 120, 2100, Qt::black); // R
    boite_pleine(x_charge - 105, 1515, x_charge + 105, 2085, Qt::white);
    trait(x_charge, 2100, x_charge, 2460, Qt::black);
    boite_pleine(x_charge - 120, 2460, x_charge + 120, 3060, Qt::black); // L
    trait(x_charge, 3060, x_charge, 3540, Qt::black);
    cercle(x_charge, 3780, 240, Qt::black); // e
    trait(x_charge, 3540, x_charge, 4020, Qt::black);
    trait(x_charge, 4020, x_charge, y_rail_bas, Qt::black);

    // Source entre les milieux des bras.
    trait(x_bras_gauche, y_milieu, x_source - rayon_source, y_milieu, Qt::black);
    trait(x_source + rayon_source, y_milieu, x_bras_droit, y_milieu, Qt::black);
    cercle(x_source, y_milieu, rayon_source, Qt::black);
    // Sinusoïde dans le cercle de la source.
    for (int j = 0; j < 12; ++j) {
        const double a0 = -150 + 25.0 * j, a1 = a0 + 25;
        trait(x_source + a0, y_milieu - 90 * std::sin(a0 / 150 * 3.14159),
              x_source + a1, y_milieu - 90 * std::sin(a1 / 150 * 3.14159), Qt::black);
    }
    for (double x : {x_bras_gauche, x_bras_droit, x_charge})
        for (double y : {y_rail_haut, y_rail_bas})
            cercle(x, y, 30, Qt::black, Qt::black);
    cercle(x_bras_gauche, y_milieu, 30, Qt::black, Qt::black);
    cercle(x_bras_droit, y_milieu, 30, Qt::black, Qt::black);

    dessiner_thyristor(0, x_bras_gauche, 1950); // T1
    dessiner_thyristor(1, x_bras_droit, 1950);  // T2
    dessiner_thyristor(2, x_bras_gauche, 3690); // T3
    dessiner_thyristor(3, x_bras_droit, 3690);  // T4

    // Flèches nommées (une tension pointe vers sa borne +).
    fleche(x_source + 240, 2460, x_source - 240, 2460);          // u
    fleche(2040, y_milieu, 1680, y_milieu);                      // is
    fleche(4200, y_rail_haut, 4560, y_rail_haut);                // ic
    fleche(5640, 4440, 5640, 1200);                              // uc
    fleche(5400, 4020, 5400, 3540);                              // e
    fleche(x_bras_gauche, 1560, x_bras_gauche, 1290);            // iT1
    fleche(1020, 1800, 1020, 2100);                              // uT1
    const struct {
        const char *nom, *texte;
        double x, y;
    } noms[] = {
        {"nom_u", "u", 2340, 2160},   {"nom_is", "is", 1740, 2520},  {"nom_ic", "ic", 4260, 780},
        {"nom_uc", "uc", 5760, 2700}, {"nom_e", "e", 5520, 3660},    {"nom_R", "R", 4620, 1680},
        {"nom_L", "L", 4620, 2640},   {"nom_iT1", "iT1", 1500, 1260}, {"nom_uT1", "uT1", 540, 1830},
    };
    for (const auto &n : noms) {
        QLabel *l = label(QString::fromUtf8(n.nom), QString::fromUtf8(n.texte), n.x, n.y, 480, 270);
        l->setFont(polices::police(9.75, false, true));
    }
}
