// SPDX-License-Identifier: GPL-3.0-or-later
#include "caract_charge.h"

#include "arrondi.h"
#include "form1.h"
#include "ecriture.h"
#include "nombre.h"
#include "piste_clavier.h"
#include "polices.h"
#include "twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

using sodel::Saisie;

using ecriture::ecrit;

} // namespace

CaractCharge::CaractCharge(Form1 &form1)
    : Feuille(QStringLiteral("caract_charge"), tr("Caractéristique mécanique de la charge"), 10500, 5880),
      form1_(&form1)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    // Axes, leurs flèches et les traits de pleine échelle.
    ligne_x_ = ligne(QStringLiteral("ligne_x"), 1560, 4620, 9600, 4620);
    ligne_y_ = ligne(QStringLiteral("ligne_y"), 1560, 4620, 1560, 1020);
    ligne(QStringLiteral("Line1"), 9600, 4620, 9900, 4620);
    ligne(QStringLiteral("Line2"), 9900, 4620, 9780, 4560);
    ligne(QStringLiteral("Line3"), 9900, 4620, 9780, 4680);
    ligne(QStringLiteral("Line4"), 1560, 1020, 1560, 720);
    ligne(QStringLiteral("Line5"), 1560, 720, 1500, 840);
    ligne(QStringLiteral("Line6"), 1560, 720, 1620, 840);
    ligne(QStringLiteral("Line7"), 9600, 4620, 9600, 4740);
    ligne(QStringLiteral("Line8"), 1440, 1020, 1560, 1020);

    label(QStringLiteral("Label2"), tr("n (tr/min)"), 9000, 4980, 1400, 270);
    label(QStringLiteral("Label1"), tr("T (N.m)"), 1700, 600, 1200, 270);
    label_xcmax_ = label(QStringLiteral("label_xcmax"), QString(), 9200, 4760, 900, 270);
    label_ycmax_ = label(QStringLiteral("label_ycmax"), QString(), 300, 900, 1080, 270);
    label_ycmax_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label_echelle_xc_ = label(QStringLiteral("label_echelle_xc"), QString(), 1460, 4760, 900, 270);
    label_echelle_yc_ = label(QStringLiteral("label_echelle_yc"), QString(), 300, 4300, 1080, 270);
    label_echelle_yc_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    aff_coord_ = label(QStringLiteral("aff_coord"), QString(), 0, 0, 3300, 270);
    aff_coord_->setAutoFillBackground(true);
    QPalette pal = aff_coord_->palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    aff_coord_->setPalette(pal);
    aff_coord_->setWordWrap(false);
    aff_coord_->setAlignment(Qt::AlignCenter);
    aff_coord_->hide();
    // Le pointeur passe au travers des étiquettes : la lecture suit la souris partout.
    for (QLabel *l : findChildren<QLabel *>())
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    Bouton *moteur =
        bouton(QStringLiteral("bouton_moteur"), tr("Caractéristique du moteur"), 3600, 5200, 3000, 480);
    connect(moteur, &QPushButton::clicked, this, &CaractCharge::bouton_moteur_Click);
    // La lecture sous le pointeur, au clavier : le graphe entre ses axes,
    // après le bouton dans l'ordre de Tab.
    const sodel::RepereCharge r = repere();
    piste_clavier::zone_lecture(this, QStringLiteral("zone_lecture"),
                                twips::rect_px(r.X1, r.Y1, r.X2 - r.X1, r.Y2 - r.Y1),
                                tr("Lecture des coordonnées sur le graphe"))
        ->lower();

    // Form_Load
    couleur_ = QColor(0, 0, 192);
    form1.hide();
    efface_graphe();
    calcul_charge();
    trace_graphe();
}

sodel::RepereCharge CaractCharge::repere() const
{
    sodel::RepereCharge r;
    r.X1 = ligne_x_->x1();
    r.X2 = ligne_x_->x2();
    r.Y1 = std::min(ligne_y_->y1(), ligne_y_->y2());
    r.Y2 = std::max(ligne_y_->y1(), ligne_y_->y2());
    r.y_axe_x = ligne_x_->y1();
    return r;
}

void CaractCharge::efface_graphe()
{
    const sodel::RepereCharge r = repere();
    boite_pleine(r.X1 + 50, r.Y1 - 50, r.X2 + 50, r.Y2 - 50, Qt::white);
    boite_pleine(r.X1 - 100, r.Y1 + 20, r.X1 - 25, r.Y2, Qt::white);
    boite_pleine(r.X1, r.Y2 + 22, r.X2 - 20, r.Y2 + 100, Qt::white);
}

void CaractCharge::calcul_charge()
{
    if (!form1_)
        return;
    const double f = nombre::lire_nombre(form1_->texte_saisie(Saisie::f).toStdString());
    const double p = nombre::lire_nombre(form1_->texte_saisie(Saisie::p).toStdString());
    sodel::calcul_charge(graphe_, form1_->charge_choisie(), f, p);
    label_xcmax_->setText(ecrit(arrondi::quatre_chif_sign(graphe_.n_axe)));
    label_ycmax_->setText(ecrit(arrondi::quatre_chif_sign(graphe_.T_axe)));
}

void CaractCharge::trace_graphe()
{
    const sodel::RepereCharge r = repere();
    const sodel::TraceCharge t = sodel::disposer(graphe_, r);
    setDrawWidth(2);
    for (const sodel::Segment &s : t.segments)
        trait(s.x0, s.y0, s.x1, s.y1, couleur_);
    setDrawWidth(1);
    for (double x : t.graduations_x)
        trait(x, r.y_axe_x, x, r.y_axe_x + 100, Qt::black);
    if (!t.graduations_x.empty()) {
        const QRect g = label_echelle_xc_->geometry();
        placer(label_echelle_xc_, t.graduations_x.front() - 100, twips::depuis_px(g.y()),
               twips::depuis_px(g.width()), twips::depuis_px(g.height()));
        label_echelle_xc_->setText(ecrit(graphe_.pas_n));
    }
    for (double y : t.graduations_y)
        trait(r.X1 - 100, y, r.X1, y, Qt::black);
    if (!t.graduations_y.empty()) {
        const QRect g = label_echelle_yc_->geometry();
        placer(label_echelle_yc_, twips::depuis_px(g.x()), t.graduations_y.front() - 100,
               twips::depuis_px(g.width()), twips::depuis_px(g.height()));
        label_echelle_yc_->setText(ecriture::ecrit_simple(graphe_.pas_T));
    }
}

void CaractCharge::bouton_moteur_Click()
{
    if (!form1_)
        return;
    const auto lire = [this](Saisie s) { return nombre::lire_nombre(form1_->texte_saisie(s).toStdString()); };
    couleur_ = QColor(192, 0, 0);
    if (sodel::calcul_moteur(graphe_, lire(Saisie::v1), lire(Saisie::f), lire(Saisie::p), lire(Saisie::m),
                             lire(Saisie::R2), lire(Saisie::l2), nombre::en_simple(lire(Saisie::Tp))))
        trace_graphe();
}

void CaractCharge::Form_MouseMove(double x, double y)
{
    const std::optional<sodel::Lecture> l = sodel::lecture(graphe_, repere(), x, y);
    if (!l) {
        aff_coord_->hide();
        return;
    }
    aff_coord_->setText(tr("X = %1  ;  Y = %2").arg(ecrit(l->n), ecrit(l->T)));
    // Le cadre gris suit la longueur du texte, avec une petite marge de chaque
    // côté. La lecture s'affiche à droite du pointeur ; près du bord droit,
    // elle passe à sa gauche pour rester entière dans la fenêtre.
    const double largeur =
        std::ceil(twips::depuis_px(aff_coord_->fontMetrics().horizontalAdvance(aff_coord_->text()))) + 2 * 60;
    const double hauteur = twips::depuis_px(aff_coord_->height());
    const double bord_droit = twips::depuis_px(width());
    const double bord_bas = twips::depuis_px(height());
    double gauche = x + 250;
    if (gauche + largeur > bord_droit)
        gauche = x - 250 - largeur;
    gauche = std::clamp(gauche, 0.0, std::max(0.0, bord_droit - largeur));
    const double haut = std::clamp(y + 100, 0.0, std::max(0.0, bord_bas - hauteur));
    placer(aff_coord_, gauche, haut, largeur, hauteur);
    aff_coord_->show();
}

void CaractCharge::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(twips::depuis_px(event->position().x()), twips::depuis_px(event->position().y()));
    Feuille::mouseMoveEvent(event);
}

void CaractCharge::closeEvent(QCloseEvent *event)
{
    if (form1_)
        form1_->show();
    Feuille::closeEvent(event);
}
