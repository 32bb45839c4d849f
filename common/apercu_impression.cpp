// SPDX-License-Identifier: GPL-3.0-or-later
#include "apercu_impression.h"

#include "arrondi.h"
#include "nombre.h"
#include "page_imprimee.h"
#include "piste_clavier.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

QString texte_qt(const std::string &s)
{
    return QString::fromStdString(s);
}

constexpr double largeur_apercu = 11100;
constexpr double hauteur_apercu = 8100;

// Légendes du bouton « interpol », traduites à l'usage.
const char *const legende_tracer = QT_TRANSLATE_NOOP("ApercuImpression", "Tracer la courbe (cas d'un graphe avec une seule courbe)");
const char *const legende_effacer = QT_TRANSLATE_NOOP("ApercuImpression", "Effacer la courbe (seuls les points apparaissent)");

// La même police, sa taille en twips (1 pt = 20 twips) : le peintre de la
// page travaille en twips, quelle que soit la résolution de l'appareil.
QFont en_twips(QFont police)
{
    const double points = police.pointSizeF() > 0 ? police.pointSizeF() : police.pixelSize() * 0.75;
    police.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20.0))));
    return police;
}

} // namespace

ApercuImpression::ApercuImpression(const courbe::CourbeEnregistree &etat, const courbe::Variante &variante)
    : Feuille(QStringLiteral("apercu_impression"), tr("Aperçu avant impression"), largeur_apercu,
              hauteur_apercu),
      etat_(etat), variante_(variante)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Fond blanc : la fenêtre est la page imprimée.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    effacer_surface();
    setMouseTracking(true);

    montrer_message = [this](const QString &texte) {
        message_information(tr("Aperçu avant impression"), texte);
    };
    imprimante_disponible = [] { return !page_imprimee::imprimante_du_systeme().isNull(); };
    creer_controles();
}

void ApercuImpression::creer_controles()
{
    const courbe::Repere &r = variante_.repere_apercu;
    // Légendes, maximums et pas des axes : placés, écrits et mis en police
    // par montrer_graphe, d'après composer.
    for (auto [l, nom] : {std::pair{&Label_x_, "Label_x"},
                          {&Label_y_, "Label_y"},
                          {&label_xmax_, "label_xmax"},
                          {&label_ymax_, "label_ymax"},
                          {&label_echelle_x_, "label_echelle_x"},
                          {&label_echelle_y_, "label_echelle_y"}})
        *l = label(QString::fromLatin1(nom), QString(), 0, 0, 0, 0);
    aff_coord_ = label(QStringLiteral("aff_coord"), QString(), 0, 0, 3000, 255);
    aff_coord_->setWordWrap(false);
    aff_coord_->setAutoFillBackground(true);
    aff_coord_->setPalette(QPalette(QColor(255, 255, 225)));
    aff_coord_->hide();

    const QFont legende = polices::police(9, true);
    label(QStringLiteral("libelle_titre"), tr("Titre :"), r.X0, 6870, 660, 285)->setFont(legende);
    Text1_ = saisie(QStringLiteral("Text1"), r.X0 + 660, 6810, 7500, 405);
    Text1_->setFont(polices::police(10, true));

    const QColor gris_clair(224, 224, 224);
    interpol_ = bouton(QStringLiteral("interpol"), tr(legende_tracer), r.X0, 7380, 4500, 570);
    actualiser_ = bouton(QStringLiteral("actualiser"), tr("Actualiser l'affichage"), r.X0 + 4620, 7380,
                         1800, 570);
    impression_ = bouton(QStringLiteral("impression"), traductions::texte("courbe", variante_.legende_impression), r.X0 + 6540, 7380, 1800,
                         570);
    for (Bouton *b : {interpol_, actualiser_, impression_})
        b->setFond(gris_clair);
    connect(interpol_, &QPushButton::clicked, this, &ApercuImpression::interpol_Click);
    connect(actualiser_, &QPushButton::clicked, this, &ApercuImpression::actualiser_Click);
    connect(impression_, &QPushButton::clicked, this, &ApercuImpression::impression_Click);

    // La lecture sous le pointeur, au clavier : le graphe entre ses axes.
    zone_lecture_ = piste_clavier::zone_lecture(this, QStringLiteral("zone_lecture"),
                                                twips::rect_px(r.X0, r.Ytop, r.Xend - r.X0, r.Y0 - r.Ytop),
                                                tr("Lecture des coordonnées sur le graphe"));
    zone_lecture_->lower();
    ordre_tab({Text1_, zone_lecture_, interpol_, actualiser_, impression_});

    // Avant le premier tracé : les axes, et les noms des maximums.
    graphe_ = composer(courbe::CourbeEnregistree{});
    for (TexteGraphe &t : graphe_.textes)
        if (t.label == label_xmax_ || t.label == label_ymax_)
            t.texte = t.label == label_xmax_ ? tr("xmax") : tr("ymax");
    montrer_graphe();

    // Premier tracé une fois la fenêtre à l'écran.
    Timer1_ = minuterie(QStringLiteral("Timer1"), 50, true);
    connect(Timer1_, &QTimer::timeout, this, &ApercuImpression::Timer1_Timer);
}

// --- Gestionnaires --------------------------------------------------------------

void ApercuImpression::Timer1_Timer()
{
    Timer1_->stop();
    tracer_apercu();
}

void ApercuImpression::actualiser_Click()
{
    tracer_apercu();
}

void ApercuImpression::legende_interpol(bool dessiner)
{
    interpol_->setText(tr(dessiner ? legende_tracer : legende_effacer));
}

void ApercuImpression::interpol_Click()
{
    if (courbe_tracee_) {
        tracer_apercu();
        return;
    }
    courbe_tracee_ = true;
    legende_interpol(false);

    // Les points tels que le dernier tracé les montre : un point enregistré
    // depuis n'a pas encore de place dans l'aperçu (« Actualiser l'affichage »).
    const int n = points_dessines_;
    std::optional<std::vector<double>> c;
    const courbe::Repere r = repere();
    double gauche = r.Xend;
    if (n >= 2 && n <= 9) {
        std::vector<double> x, y;
        for (int i = 1; i <= n; ++i) {
            x.push_back(x_ecran_[static_cast<std::size_t>(i)]);
            y.push_back(y_ecran_[static_cast<std::size_t>(i)]);
            gauche = std::min(gauche, x.back());
        }
        c = courbe::interpoler(x, y);
    }
    if (!c) {
        montrer_message(traductions::texte("courbe", courbe::message_interpolation));
        tracer_apercu();
        return;
    }
    coefficients_ = *c;
    const courbe::Segment cadre{0, 0, width() * twips::par_pixel, height() * twips::par_pixel};
    graphe_.segments = courbe::tracer_polynome(*c, gauche, r.Xend, r.Ytop, cadre);
    montrer_graphe();
}

void ApercuImpression::impression_Click()
{
    if (imprimante_disponible()) {
        QPrinter imprimante(page_imprimee::imprimante_du_systeme(), QPrinter::HighResolution);
        if (!imprimer(imprimante))
            montrer_message(tr("L'impression n'a pas pu commencer sur l'imprimante %1.")
                                .arg(imprimante.printerName()));
        return;
    }
    // Pas d'imprimante (courant sur un ordinateur portable) : la page en PDF.
    ouvrir_choix_fichier();
}

void ApercuImpression::ouvrir_choix_fichier()
{
    // Fermer l'aperçu pendant le choix emporte la boîte, et l'enregistrement
    // n'est plus appelé. « .pdf » est ajouté à un nom sans extension avant
    // que l'élève confirme le remplacement d'un fichier existant.
    choix_fichier_a_enregistrer(QStringLiteral("choix_fichier_pdf"),
                                tr("Aucune imprimante : enregistrer la page en PDF"),
                                QDir(fichier_sur::dossier_documents()).filePath(QStringLiteral("courbe.pdf")), tr("Document PDF (*.pdf)"),
                                QStringLiteral("pdf"), demander_fichier_pdf,
                                [this](const QString &chemin) { enregistrer_page(chemin); });
}

void ApercuImpression::enregistrer_page(const QString &chemin)
{
    if (chemin.isEmpty())
        return; // l'élève a renoncé
    const fichier_sur::Ecriture e = enregistrer_pdf(chemin);
    if (e.reussie)
        montrer_message(tr("Aucune imprimante n'est installée. La page a été enregistrée au format "
                           "PDF dans le fichier :\n%1")
                            .arg(QDir::toNativeSeparators(chemin)));
    else
        montrer_message(fichier_sur::message_echec(chemin, e));
}

void ApercuImpression::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(twips::depuis_px(event->position().x()), twips::depuis_px(event->position().y()));
    Feuille::mouseMoveEvent(event);
}

void ApercuImpression::Form_MouseMove(double x, double y)
{
    const courbe::Repere r = repere();
    const std::optional<std::string> texte =
        courbe::lecture_coordonnees(r, etat_.xmax, etat_.ymax, x, y, tr(courbe::format_lecture).toStdString());
    if (!texte) {
        aff_coord_->hide();
        return;
    }
    aff_coord_->setText(texte_qt(*texte));
    aff_coord_->adjustSize();
    // À droite et sous le pointeur ; près du bord droit, à sa gauche, pour
    // rester lisible en entier.
    int gauche = twips::px(x + 250);
    if (gauche + aff_coord_->width() > width())
        gauche = twips::px(x - 250) - aff_coord_->width();
    aff_coord_->move(gauche, twips::px(y + 100));
    aff_coord_->show();
}

// --- Tracé ------------------------------------------------------------------------

void ApercuImpression::tracer_apercu()
{
    courbe_tracee_ = false;
    legende_interpol(true);
    graphe_ = composer(etat_);
    const courbe::Disposition &d = graphe_.disposition;
    points_dessines_ = static_cast<int>(d.marque_x.size());
    for (std::size_t k = 0; k < d.marque_x.size(); ++k) {
        x_ecran_[k + 1] = nombre::en_entier_borne(d.marque_x[k], -1000000, 1000000, 0);
        y_ecran_[k + 1] = nombre::en_entier_borne(d.marque_y[k], -1000000, 1000000, 0);
    }
    montrer_graphe();
}

ApercuImpression::Graphe ApercuImpression::composer(const courbe::CourbeEnregistree &c) const
{
    const courbe::Repere r = repere();
    Graphe g;
    g.disposition = courbe::disposer(c, r);
    const courbe::Disposition &d = g.disposition;

    const auto legende = [this](int k) {
        if (k < 1 || k > static_cast<int>(variante_.grandeurs.size()))
            return QString();
        return traductions::texte("courbe", variante_.grandeurs[static_cast<std::size_t>(k - 1)].legende);
    };
    const QFont gras = polices::police(9, true), normale = font();
    const Qt::Alignment gauche = Qt::AlignLeft | Qt::AlignTop, droite = Qt::AlignRight | Qt::AlignTop;
    // Le pas d'un axe s'écrit sous sa première graduation ; sans graduation, rien.
    const auto pas = [&](const std::optional<double> &place, double valeur) {
        return place ? texte_qt(nombre::texte_nombre(arrondi::trois_chif_sign(valeur))) : QString();
    };
    g.textes = {
        // Axe long (sodel) : la légende s'arrête au bord de la fenêtre.
        {Label_x_, legende(c.grandeur_x),
         QRectF(r.Xend + 60, r.Yx - 360, std::min(1300.0, largeur_apercu - (r.Xend + 60)), 285), gras, gauche,
         true},
        {Label_y_, legende(c.grandeur_y), QRectF(r.X0 + 180, r.Ytop - 330, 2400, 285), gras, gauche, true},
        // xmax vient d'une abscisse rangée en simple précision : écrite au plus
        // court qui redonne le même float (0.1, et non 0.100000001490116).
        // Assez large, sur une ligne, pour un xmax en simple précision écrit
        // en entier (jusqu'à neuf chiffres), calé à droite sur l'axe.
        {label_xmax_, texte_qt(nombre::texte_simple_court(nombre::en_simple(c.xmax))),
         QRectF(r.Xend - 1800, r.Yx + 140, 1800, 255), normale, droite, false},
        {label_ymax_, texte_qt(nombre::texte_simple(c.ymax)), QRectF(r.X0 - 1020, r.Ytop - 120, 900, 255),
         normale, droite, true},
        {label_echelle_x_, pas(d.echelle_x_gauche, c.pas_x),
         QRectF(d.echelle_x_gauche.value_or(r.X0), r.Yx + 140, 900, 255), normale, gauche, true},
        {label_echelle_y_, pas(d.echelle_y_haut, c.pas_y),
         QRectF(r.X0 - 1020, d.echelle_y_haut.value_or(r.Yx), 900, 255), normale, droite, true},
    };
    return g;
}

void ApercuImpression::montrer_graphe()
{
    for (const TexteGraphe &t : graphe_.textes) {
        t.label->setFont(t.police);
        t.label->setAlignment(t.alignement);
        t.label->setWordWrap(t.retour_ligne);
        t.label->setText(t.texte);
        t.label->setGeometry(
            twips::rect_px(t.place.left(), t.place.top(), t.place.width(), t.place.height()));
    }
    const QRectF tout(0, 0, width() * twips::par_pixel, height() * twips::par_pixel);
    dessiner(tout, 1, [this](QPainter &p) { peindre_graphe(p, Support::ecran); });
}

// --- Le dessin du graphe, pour l'écran comme pour la page -------------------------

void ApercuImpression::peindre_graphe(QPainter &p, Support support) const
{
    const bool page = support == Support::page;
    const courbe::Repere r = repere();
    const courbe::Disposition &d = graphe_.disposition;
    // Sur la page, sous les boutons de la fenêtre, le programme et la date.
    const double largeur = width() * twips::par_pixel,
                 hauteur = page ? bas_page() : height() * twips::par_pixel;
    p.fillRect(QRectF(0, 0, largeur, hauteur), Qt::white);

    // Les traits ont l'épaisseur de la fenêtre en pixels logiques, nets sur
    // l'écran comme sur le papier (Feuille::trait_net).
    const auto trait = [&p](double x1, double y1, double x2, double y2, const QColor &c, int pixels,
                            Style style = Style::plein) {
        Feuille::trait_net(p, x1, y1, x2, y2, c, pixels, style);
    };
    // Grille pointillée ; sur le papier, un gris clair d'un point s'effacerait
    // à l'impression : elle y est plus foncée.
    const QColor gris = page ? QColor(128, 128, 128) : QColor(192, 192, 192);
    const auto grille = [&] {
        for (double X : d.graduations_x)
            trait(X, r.Ytop, X, r.Y0 + 100, gris, 1, Style::pointille);
        for (double Y : d.graduations_y)
            trait(r.X0 - 100, Y, r.Xend - 100, Y, gris, 1, Style::pointille);
    };
    // Une croix par point, aux coordonnées entières de l'aperçu.
    const auto marques = [&] {
        for (std::size_t k = 1; k <= static_cast<std::size_t>(points_dessines_); ++k) {
            const int x = x_ecran_[k], y = y_ecran_[k];
            trait(x - 50, y, x + 50, y, Qt::black, 1);
            trait(x, y - 50, x, y + 50, Qt::black, 1);
        }
    };
    if (variante_.grille_avant_points) {
        grille();
        marques();
    } else {
        marques();
        grille();
    }
    for (const courbe::Segment &s : graphe_.segments)
        trait(s.x1, s.y1, s.x2, s.y2, Qt::black, 1);

    // Les axes et leurs flèches, par-dessus.
    const double axes[][4] = {
        {r.X0, r.Yx, r.Xend, r.Yx},
        {r.X0, r.Ytop, r.X0, r.Y0},
        {r.Xend - 150, r.Yx - 75, r.Xend, r.Yx},
        {r.Xend - 150, r.Yx + 75, r.Xend, r.Yx},
        {r.X0 - 75, r.Ytop + 150, r.X0, r.Ytop},
        {r.X0 + 75, r.Ytop + 150, r.X0, r.Ytop},
    };
    for (const auto &a : axes)
        trait(a[0], a[1], a[2], a[3], Qt::black, 2);

    // À l'écran, les textes sont les labels, posés par montrer_graphe.
    if (!page)
        return;
    p.setPen(Qt::black);
    // Sur une ligne, jamais coupés : les métriques du papier ne sont pas
    // tout à fait celles de l'écran.
    for (const TexteGraphe &t : graphe_.textes) {
        p.setFont(en_twips(t.police));
        p.drawText(t.place, static_cast<int>(t.alignement) | Qt::TextSingleLine | Qt::TextDontClip, t.texte);
    }
    // Le titre, puis le programme et la date.
    p.setFont(en_twips(Text1_->font()));
    p.drawText(QRectF(r.X0, 6810, largeur - r.X0, 405), Qt::AlignLeft | Qt::AlignVCenter, Text1_->text());
    p.setFont(en_twips(polices::police(9)));
    const QString origine = QStringLiteral("%1 — %2").arg(QGuiApplication::applicationDisplayName(),
                                                          QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    p.drawText(QRectF(r.X0, 7260, largeur - r.X0, 300), Qt::AlignLeft | Qt::AlignVCenter, origine);
}

// --- Impression ----------------------------------------------------------------------

double ApercuImpression::bas_page() const
{
    return 7380 + 300;
}

void ApercuImpression::rendre_page(QPainter &p, const QRectF &cible) const
{
    // La fenêtre, en twips, sans la rangée des boutons : le bas de la page
    // porte le programme et la date à leur place.
    const double largeur = width() * twips::par_pixel, hauteur = bas_page();
    const double echelle = std::min(cible.width() / largeur, cible.height() / hauteur);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(cible.left() + (cible.width() - largeur * echelle) / 2.0, cible.top());
    p.scale(echelle, echelle);
    p.setClipRect(QRectF(0, 0, largeur, hauteur));
    peindre_graphe(p, Support::page);
    p.restore();
}

QPageLayout::Orientation ApercuImpression::orientation() const
{
    // L'orientation qui convient au graphe : paysage s'il est plus large que haut.
    return width() * twips::par_pixel > bas_page() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool ApercuImpression::imprimer(QPrinter &imprimante)
{
    imprimante.setDocName(tr("Courbe"));
    return page_imprimee::peindre(imprimante, imprimante.resolution(), orientation(),
                                  [this](QPainter &p, const QRectF &zone) { rendre_page(p, zone); });
}

fichier_sur::Ecriture ApercuImpression::enregistrer_pdf(const QString &chemin)
{
    return page_imprimee::enregistrer_pdf(chemin, tr("Courbe"), orientation(),
                                          [this](QPainter &p, const QRectF &zone) { rendre_page(p, zone); });
}
