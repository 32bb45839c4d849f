// SPDX-License-Identifier: GPL-3.0-or-later
#include "courbe.h"

#include "apercu_impression.h"
#include "arrondi.h"
#include "exportation.h"
#include "garde_points.h"
#include "nombre.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Un texte de la variante du programme (liste, légende d'axe), marqué dans
// le contexte « courbe », dans la langue de l'interface.
QString texte_courbe(const std::string &s)
{
    return traductions::texte("courbe", s);
}

QString texte_quatre(double v)
{
    return qs(nombre::texte_nombre(arrondi::quatre_chif_sign(v)));
}

// Zone de dessin dans la fenêtre : ce qui en sort n'a jamais été peint.
QRectF dans_fenetre(const QRectF &r, const QWidget *w)
{
    return r.intersected(QRectF(0, 0, w->width() * twips::par_pixel, w->height() * twips::par_pixel));
}

constexpr double largeur_fenetre = 11400;
// Trois rangées de boutons à gauche ; la troisième porte la sortie vers un tableur.
constexpr double hauteur_fenetre = 4110;

} // namespace

Courbe::Courbe(courbe::CourbeEnregistree &etat, const courbe::Variante &variante,
               std::function<void()> ouvrir_apercu)
    : Feuille(qs(variante.nom_fenetre), tr("Tracé d'une courbe"), largeur_fenetre, hauteur_fenetre),
      etat_(etat), variante_(variante), ouvrir_apercu_(std::move(ouvrir_apercu))
{
    setAttribute(Qt::WA_DeleteOnClose);
    montrer_message = [this](const QString &texte) {
        message_information(tr("Tracé d'une courbe"), texte);
    };
    creer_controles();
}

void Courbe::creer_controles()
{
    frame_axe_ = cadre(QStringLiteral("frame_axe"), tr("Choix des axes"), 120, 60, 3960, 2040);
    label(QStringLiteral("libelle_choix_x"), texte_courbe(variante_.legende_choix_x), 120, 270, 3720, 255, frame_axe_);
    label(QStringLiteral("libelle_choix_y"), texte_courbe(variante_.legende_choix_y), 120, 960, 3720, 255, frame_axe_);

    auto liste_du_cadre = [this](const QString &nom, double haut) {
        QComboBox *l = liste(nom, 0, 0, 0, 0);
        l->setParent(frame_axe_);
        placer(l, 120, haut, 3720, 330);
        for (const courbe::Grandeur &g : variante_.grandeurs)
            l->addItem(texte_courbe(g.texte_liste));
        l->setCurrentIndex(-1);
        l->show();
        return l;
    };
    choix_x_ = liste_du_cadre(QStringLiteral("choix_x"), 540);
    choix_y_ = liste_du_cadre(QStringLiteral("choix_y"), 1230);
    // « activated » : seul un choix de l'élève fait réagir la liste.
    connect(choix_x_, &QComboBox::activated, this, &Courbe::choix_x_Click);
    connect(choix_y_, &QComboBox::activated, this, &Courbe::choix_y_Click);
    valid_ = bouton(QStringLiteral("valid"), tr("OK"), 1500, 1650, 960, 315, frame_axe_);
    connect(valid_, &QPushButton::clicked, this, &Courbe::valid_Click);

    place_point_ = bouton(QStringLiteral("place_point"), tr("Placer un nouveau point"), 120, 2220,
                          1920, 540);
    place_point_->setFond(QColor(128, 255, 128));
    annulle_ = bouton(QStringLiteral("annulle"), tr("Enlever le dernier point"), 2160, 2220, 1920, 540);
    annulle_->setFond(QColor(255, 80, 80));
    change_axe_ = bouton(QStringLiteral("change_axe"), tr("Changer les axes et/ou recommencer"), 120,
                         2850, 1920, 540);
    change_axe_->setFond(QColor(255, 255, 0));
    impression_ = bouton(QStringLiteral("impression"), tr("Analyse de la courbe et impression"), 2160,
                         2850, 1920, 540);
    impression_->setFond(QColor(150, 210, 255));
    connect(place_point_, &QPushButton::clicked, this, &Courbe::place_point_Click);
    connect(annulle_, &QPushButton::clicked, this, &Courbe::annulle_Click);
    connect(change_axe_, &QPushButton::clicked, this, &Courbe::change_axe_Click);
    connect(impression_, &QPushButton::clicked, this, &Courbe::impression_Click);
    copier_points_ = bouton(QStringLiteral("copier_points"), tr("Copier les points"), 120, 3480, 1920,
                            540);
    copier_points_->setToolTip(
        tr("Copier les points enregistrés, à coller dans un tableur (deux colonnes)"));
    exporter_points_ = bouton(QStringLiteral("exporter_points"), tr("Exporter…"), 2160, 3480, 1920, 540);
    exporter_points_->setToolTip(tr("Enregistrer les points dans un fichier CSV pour un tableur"));
    for (Bouton *b : {copier_points_, exporter_points_})
        b->setFond(QColor(220, 220, 220));
    connect(copier_points_, &QPushButton::clicked, this, &Courbe::copier_points_Click);
    connect(exporter_points_, &QPushButton::clicked, this, &Courbe::exporter_points_Click);
    // Sous le graphe, sur la rangée des boutons du tableur.
    reprendre_points_ = bouton(QStringLiteral("reprendre_points"), tr("Reprendre les points précédents"),
                               4380, 3480, 4800, 540);
    reprendre_points_->setFond(QColor(255, 220, 150));
    reprendre_points_->hide();
    connect(reprendre_points_, &QPushButton::clicked, this, &Courbe::reprendre_points_Click);
    // Un avis d'une ligne, deux au plus quand le système donne une longue raison.
    avis_points_ = label(QStringLiteral("avis_points"), QString(), 4380, 3480, 6900, 540);
    avis_points_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (variante_.bouton_autre_courbe) {
        change_courbe_ = bouton(QStringLiteral("change_courbe"), tr("Autre courbe"), 2160, 1500, 1920,
                                375);
        change_courbe_->hide();
    }

    // Les axes : tout le graphe se place sur leurs extrémités.
    const courbe::Repere &r = variante_.repere_courbe;
    ligne_x_ = ligne(QStringLiteral("ligne_x"), r.X0, r.Yx, r.Xend, r.Yx, Qt::black, 2);
    ligne_y_ = ligne(QStringLiteral("ligne_y"), r.X0, r.Ytop, r.X0, r.Y0, Qt::black, 2);
    ligne(QStringLiteral("fleche_x1"), r.Xend - 120, r.Yx - 60, r.Xend, r.Yx);
    ligne(QStringLiteral("fleche_x2"), r.Xend - 120, r.Yx + 60, r.Xend, r.Yx);
    ligne(QStringLiteral("fleche_y1"), r.X0 - 60, r.Ytop + 120, r.X0, r.Ytop);
    ligne(QStringLiteral("fleche_y2"), r.X0 + 60, r.Ytop + 120, r.X0, r.Ytop);

    label(QStringLiteral("titre_apercu"), tr("Aperçu de la courbe"), 6600, 30, 2400, 255)
        ->setFont(polices::police(8, true));
    // Axe long (sodel) : la légende s'arrête au bord de la fenêtre.
    Label_x_ = label(QStringLiteral("Label_x"), QString(), r.Xend + 120, r.Yx - 330,
                     std::min(1200.0, largeur_fenetre - (r.Xend + 120)), 255);
    Label_y_ = label(QStringLiteral("Label_y"), QString(), r.X0 + 150, r.Ytop - 180, 1800, 255);
    label_xmax_ = label(QStringLiteral("label_xmax"), tr("xmax"), r.Xend - 360, r.Yx + 120, 720, 255);
    label_xmax_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label_ymax_ = label(QStringLiteral("label_ymax"), tr("y max"), r.X0 - 840, r.Ytop - 120, 720, 255);
    label_ymax_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Assez large, sur une ligne, pour un pas gardé tel que calculé (sodel :
    // « 10.0000001490116 », trivon : « 0.500000059604645 »).
    label_echelle_x_ = label(QStringLiteral("label_echelle_x"), QString(), r.X0, r.Yx + 120, 1800, 255);
    label_echelle_x_->setWordWrap(false);
    label_echelle_y_ = label(QStringLiteral("label_echelle_y"), QString(), r.X0 - 840, r.Yx, 720, 255);
    label_echelle_y_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // Rouverte, la fenêtre nomme les axes et les maxima du graphe en cours.
    if (etat_.grandeur_x >= 1 && etat_.grandeur_x <= static_cast<int>(variante_.grandeurs.size()))
        Label_x_->setText(texte_courbe(variante_.grandeurs[static_cast<std::size_t>(etat_.grandeur_x - 1)].legende));
    if (etat_.grandeur_y >= 1 && etat_.grandeur_y <= static_cast<int>(variante_.grandeurs.size()))
        Label_y_->setText(texte_courbe(variante_.grandeurs[static_cast<std::size_t>(etat_.grandeur_y - 1)].legende));
    if (etat_.xmax != 0)
        ecrire_xmax();
    if (etat_.ymax != 0)
        ecrire_ymax();

    Timer1_ = minuterie(QStringLiteral("Timer1"), 3000, true);
    connect(Timer1_, &QTimer::timeout, this, &Courbe::Timer1_Timer);
    offrir_reprise();
    // Zone blanche et points déjà enregistrés dès l'ouverture, sans attendre
    // le premier top de 3 s.
    tracer_points();
}

tableur::Tableau Courbe::tableau_points() const
{
    // Les en-têtes, légendes des axes, sont lus dans le tableur : dans la
    // langue de l'interface, comme les nombres.
    tableur::Tableau t = courbe::tableau_points(etat_, variante_);
    for (std::string &entete : t.entetes)
        entete = texte_courbe(entete).toStdString();
    return t;
}

courbe::Repere Courbe::repere() const
{
    return {ligne_x_->x1(), ligne_x_->y1(), ligne_x_->x2(), ligne_y_->y1(), ligne_y_->y2()};
}

// --- Gestionnaires --------------------------------------------------------------

void Courbe::choix_x_Click(int position)
{
    if (position < 0 || position >= static_cast<int>(variante_.grandeurs.size()))
        return;
    etat_.grandeur_x = static_cast<std::int16_t>(position + 1);
    Label_x_->setText(texte_courbe(variante_.grandeurs[static_cast<std::size_t>(position)].legende));
    if (etat_.grandeur_y != 0)
        valid_->show();
}

void Courbe::choix_y_Click(int position)
{
    if (position < 0 || position >= static_cast<int>(variante_.grandeurs.size()))
        return;
    etat_.grandeur_y = static_cast<std::int16_t>(position + 1);
    Label_y_->setText(texte_courbe(variante_.grandeurs[static_cast<std::size_t>(position)].legende));
    if (etat_.grandeur_x != 0)
        valid_->show();
}

void Courbe::valid_Click()
{
    choix_x_->setCurrentIndex(-1);
    choix_y_->setCurrentIndex(-1);
    valid_->hide();
    frame_axe_->hide();
    if (change_courbe_)
        change_courbe_->hide();
    montrer_boutons_action(true);
}

void Courbe::place_point_Click()
{
    const courbe::Ajout ajout = courbe::placer_point(etat_, variante_);
    if (ajout.resultat == courbe::Ajout::Resultat::liste_pleine) {
        montrer_message(tr("La liste est pleine : %1 points sont déjà placés. Ce point n'est pas "
                           "enregistré ; enlevez-en un ou recommencez la courbe.")
                            .arg(courbe::capacite));
        return;
    }
    if (ajout.xmax_change)
        ecrire_xmax();
    if (ajout.ymax_change)
        ecrire_ymax();
    if (ajout.resultat == courbe::Ajout::Resultat::ajoute)
        garder_points();
    tracer_points();
}

void Courbe::annulle_Click()
{
    const int n = etat_.nb_points;
    const courbe::Retrait retrait = courbe::enlever_dernier_point(etat_, variante_);
    if (retrait.xmax_change)
        ecrire_xmax();
    if (retrait.ymax_change)
        ecrire_ymax();
    pos_x_[static_cast<std::size_t>(n)] = 0;
    pos_y_[static_cast<std::size_t>(n)] = 0;
    if (n > 0)
        garder_points();
    tracer_points();
}

void Courbe::change_axe_Click()
{
    recommencer();
}

void Courbe::impression_Click()
{
    if (ouvrir_apercu_)
        ouvrir_apercu_();
}

void Courbe::copier_points_Click()
{
    if (etat_.nb_points <= 0) {
        montrer_message(tr("Aucun point n'est enregistré : il n'y a rien à copier."));
        return;
    }
    const tableur::Tableau t = tableau_points();
    QApplication::clipboard()->setText(qs(tableur::ecrire(t, exportation::format_presse_papiers())));
    // %n : la forme du pluriel vient de la traduction (bancs_fr.ts pour le
    // français lui-même, qui dit « 1 point copié », « 0 point copié »).
    montrer_message(tr("%n point(s) copié(s) avec les légendes des axes : collez-les dans un tableur "
                       "(Ctrl+V), ils y prennent deux colonnes.",
                       nullptr, static_cast<int>(t.lignes.size())));
}

void Courbe::exporter_points_Click()
{
    if (etat_.nb_points <= 0) {
        montrer_message(tr("Aucun point n'est enregistré : il n'y a rien à exporter."));
        return;
    }
    exportation::Demande demande;
    demande.nom_propose = QStringLiteral("points.csv");
    demande.titre_boite = tr("Exporter les points vers un tableur (CSV)");
    demande.demander = demander_fichier_csv;
    demande.montrer = [this](const QString &m) { montrer_message(m); };
    demande.ce_qui_est_enregistre = tr("Les points ont été enregistrés");
    // Le tableau est lu à l'enregistrement : les points de ce moment-là.
    exportation::exporter_csv(this, demande, [this] { return tableau_points(); });
}

void Courbe::offrir_reprise()
{
    if (etat_.nb_points > 0)
        return; // l'enregistrement en cours est celui du fichier
    const garde_points::Precedents p = garde_points::lire(variante_);
    if (p.etat == garde_points::Precedents::Etat::abime) {
        avis_points_->setText(tr("Le fichier des points précédents est abîmé ou d'un autre programme : il "
                                 "est ignoré."));
        return;
    }
    if (p.etat == garde_points::Precedents::Etat::inutilisable) {
        const QString avis = tr("Les points précédents ne sont pas repris : %1.");
        avis_points_->setText(avis.arg(p.raison.court));
        avis_points_->setToolTip(avis.arg(p.raison.complet));
        return;
    }
    if (p.etat != garde_points::Precedents::Etat::lus)
        return;
    const int n = static_cast<int>(p.points.points.size());
    // La date au format de la langue (« dd/MM/yyyy à HH:mm » en français).
    const QString date = QLocale().toString(p.date, tr("dd/MM/yyyy à HH:mm"));
    reprendre_points_->setText(tr("Reprendre les points précédents\n(%n point(s) du %1)", nullptr, n).arg(date));
    reprendre_points_->show();
}

void Courbe::reprendre_points_Click()
{
    reprendre_points_->hide();
    // Relu au clic : le fichier est peut-être devenu autre depuis l'ouverture.
    const garde_points::Precedents p = garde_points::lire(variante_);
    if (p.etat != garde_points::Precedents::Etat::lus || etat_.nb_points > 0) {
        offrir_reprise();
        return;
    }
    courbe::reprendre_points(etat_, p.points, variante_);
    avis_points_->clear();
    avis_points_->setToolTip(QString());
    // Les points retournent sur leurs axes : l'enregistrement continue.
    const auto legende = [this](int k) {
        const bool connue = k >= 1 && k <= static_cast<int>(variante_.grandeurs.size());
        return connue ? texte_courbe(variante_.grandeurs[static_cast<std::size_t>(k - 1)].legende) : QString();
    };
    Label_x_->setText(legende(etat_.grandeur_x));
    Label_y_->setText(legende(etat_.grandeur_y));
    valid_Click();
    ecrire_xmax();
    ecrire_ymax();
    tracer_points();
}

void Courbe::garder_points()
{
    reprendre_points_->hide(); // l'enregistrement du fichier est désormais celui-ci
    const garde_points::Avis raison = garde_points::garder(etat_, variante_);
    // Les points restent dans la fenêtre ; l'avis tient sur sa ligne, le
    // chemin entier est dans la bulle d'aide.
    const QString avis = tr("Les points ne sont pas gardés sur le disque : %1.");
    avis_points_->setText(raison.vide() ? QString() : avis.arg(raison.court));
    avis_points_->setToolTip(raison.vide() ? QString() : avis.arg(raison.complet));
}

void Courbe::Timer1_Timer()
{
    tracer_points();
}

void Courbe::mousePressEvent(QMouseEvent *event)
{
    tracer_points();
    Feuille::mousePressEvent(event);
}

void Courbe::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5) {
        tracer_points();
        return;
    }
    Feuille::keyPressEvent(event);
}

// --- Procédures -------------------------------------------------------------------

void Courbe::ecrire_xmax()
{
    label_xmax_->setText(texte_quatre(etat_.xmax));
}

void Courbe::ecrire_ymax()
{
    label_ymax_->setText(texte_quatre(etat_.ymax));
}

void Courbe::montrer_boutons_action(bool visibles)
{
    for (Bouton *b : {change_axe_, place_point_, annulle_, impression_, copier_points_, exporter_points_})
        b->setVisible(visibles);
}

void Courbe::recommencer()
{
    valid_->hide();
    montrer_boutons_action(false);
    if (change_courbe_)
        change_courbe_->hide();
    frame_axe_->show();
    const bool effacement = etat_.nb_points > 0;
    courbe::recommencer(etat_);
    // Les points effacés ne sont plus offerts à la reprise ; des points
    // précédents seulement offerts, jamais repris, restent offerts.
    if (effacement)
        garder_points();
    effacer_zones();
    for (QLabel *l : {label_echelle_x_, label_echelle_y_, Label_x_, Label_y_, label_xmax_, label_ymax_})
        l->clear();
}

void Courbe::effacer_zones()
{
    const courbe::Repere r = repere();
    if (!trace_hors_zones_.isEmpty())
        boite_pleine(trace_hors_zones_.left(), trace_hors_zones_.top(), trace_hors_zones_.right(),
                     trace_hors_zones_.bottom(), couleurFond());
    trace_hors_zones_ = QRectF();
    boite_pleine(r.X0 + 50, r.Ytop - 50, r.Xend + 50, r.Y0 - 50, Qt::white);
    boite_pleine(r.X0 - 100, r.Ytop + 20, r.X0 - 25, r.Y0, Qt::white);
    boite_pleine(r.X0, r.Y0 + 22, r.Xend - 20, r.Y0 + 100, Qt::white);
}

void Courbe::tracer_points()
{
    effacer_zones();
    const courbe::Repere r = repere();
    const courbe::Disposition d = courbe::disposer(etat_, r);
    setDrawWidth(1);
    setDrawStyle(Style::plein);
    for (std::size_t k = 0; k < d.marque_x.size(); ++k) {
        // Une position démesurée (lecture énorme) n'est ni rangée ni dessinée.
        const int x = nombre::en_entier_borne(d.marque_x[k], -1000000, 1000000, 0);
        const int y = nombre::en_entier_borne(d.marque_y[k], -1000000, 1000000, 0);
        pos_x_[k + 1] = x;
        pos_y_[k + 1] = y;
        trait(x - 50, y, x + 50, y, Qt::black);
        trait(x, y - 50, x, y + 50, Qt::black);
        trace_hors_zones_ |= dans_fenetre(QRectF(x - 60, y - 60, 120, 120), this);
    }
    for (double X : d.graduations_x)
        trait(X, r.Y0, X, r.Y0 + 100, Qt::black);
    if (d.echelle_x_gauche) {
        label_echelle_x_->move(twips::px(*d.echelle_x_gauche), twips::px(r.Y0 + 120));
        // Un pas arrondi (vek) s'écrit tel quel ; un pas non arrondi vient
        // d'une mantisse en simple précision : ses chiffres au-delà de ceux
        // qu'une simple précision porte ne sont que du bruit.
        label_echelle_x_->setText(qs(variante_.pas_arrondi ? nombre::texte_nombre(etat_.pas_x)
                                                            : nombre::texte_chiffres_simple(etat_.pas_x)));
    }
    for (double Y : d.graduations_y)
        trait(r.X0 - 100, Y, r.X0, Y, Qt::black);
    if (d.echelle_y_haut) {
        label_echelle_y_->move(twips::px(r.X0 - 840), twips::px(*d.echelle_y_haut));
        label_echelle_y_->setText(qs(nombre::texte_simple(etat_.pas_y)));
    }
}

// --- TraceurCourbes -----------------------------------------------------------------

TraceurCourbes::TraceurCourbes(courbe::CourbeEnregistree &etat, courbe::Variante variante)
    : etat_(etat), variante_(std::move(variante))
{
}

Courbe *TraceurCourbes::ouvrir_courbe()
{
    if (!courbe_)
        courbe_ = new Courbe(etat_, variante_, [this] { ouvrir_apercu(); });
    courbe_->show();
    courbe_->raise();
    courbe_->activateWindow();
    return courbe_;
}

ApercuImpression *TraceurCourbes::ouvrir_apercu()
{
    if (!apercu_)
        apercu_ = new ApercuImpression(etat_, variante_);
    apercu_->show();
    apercu_->raise();
    apercu_->activateWindow();
    return apercu_;
}

ApercuImpression *TraceurCourbes::apercu() const
{
    return apercu_;
}
