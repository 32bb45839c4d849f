// SPDX-License-Identifier: GPL-3.0-or-later
#include "feuille.h"

#include "accessibilite.h"
#include "fichier_sur.h"
#include "polices.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Pixels logiques couverts par un rectangle de twips, élargis de « marge ».
QRect zone_px(const QRectF &zone, int marge)
{
    const int g = static_cast<int>(std::floor(zone.left() / twips::par_pixel));
    const int h = static_cast<int>(std::floor(zone.top() / twips::par_pixel));
    const int d = static_cast<int>(std::ceil(zone.right() / twips::par_pixel));
    const int b = static_cast<int>(std::ceil(zone.bottom() / twips::par_pixel));
    return QRect(QPoint(g, h), QPoint(d, b)).adjusted(-marge, -marge, marge, marge);
}

// Un dessin dont une coordonnée n'est pas finie, ou sort très loin de toute
// fenêtre, n'est jamais confié au peintre.
bool dessinable(double v)
{
    return std::isfinite(v) && std::fabs(v) < 1e7;
}

// Le peintre des feuilles travaille en twips ; son passage aux pixels de
// l'écran (ou de l'image de la surface), échelle de Qt comprise, est
// deviceTransform. Les traits et les bords s'y posent sur la grille des
// pixels de l'écran (twips::sur_la_grille) : ils restent nets et d'épaisseur
// égale à toute taille. Le peintre est ramené aux pixels de l'écran le temps
// de « f ».
void en_pixels_ecran(QPainter &p, const std::function<void(const QTransform &, double)> &f)
{
    const QTransform vers_ecran = p.deviceTransform();
    const double ratio = std::hypot(vers_ecran.m11(), vers_ecran.m12()) * twips::par_pixel;
    p.save();
    p.resetTransform();
    p.setTransform(p.deviceTransform().inverted());
    f(vers_ecran, ratio);
    p.restore();
}

// Trait de « largeur » pixels logiques entre deux points en twips, au stylo
// « stylo » (couleur, style, bouts) ; les extrémités sont déjà vérifiées.
// Un fil horizontal ou vertical est posé sur la grille ; un trait oblique
// garde ses extrémités exactes, avec la même épaisseur entière.
void trait_net(QPainter &p, QPointF a, QPointF b, QPen stylo, int largeur)
{
    en_pixels_ecran(p, [&](const QTransform &vers_ecran, double ratio) {
        const int e = twips::epaisseur_ecran(largeur, ratio);
        QPointF da = vers_ecran.map(a), db = vers_ecran.map(b);
        if (a.x() == b.x() || a.y() == b.y()) {
            const auto caler = [e](QPointF d) {
                return QPointF(twips::sur_la_grille(d.x(), e), twips::sur_la_grille(d.y(), e));
            };
            da = caler(da);
            db = caler(db);
        }
        stylo.setWidth(e);
        p.setPen(stylo);
        p.drawLine(da, db);
    });
}

} // namespace

// --- ElementGraphique -------------------------------------------------------

ElementGraphique::ElementGraphique(Feuille *feuille, const QString &nom) : QObject(feuille), feuille_(feuille)
{
    setObjectName(nom);
    feuille_->elements_.push_back(this);
}

void ElementGraphique::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    invalider();
}

void ElementGraphique::invalider()
{
    feuille_->repeindre(limites(), 2);
}

// --- Ligne ------------------------------------------------------------------

Ligne::Ligne(Feuille *feuille, const QString &nom, double x1, double y1, double x2, double y2, QColor couleur,
             int largeur)
    : ElementGraphique(feuille, nom), x1_(x1), y1_(y1), x2_(x2), y2_(y2), couleur_(couleur),
      largeur_(largeur < 1 ? 1 : largeur)
{
}

void Ligne::placer(double x1, double y1, double x2, double y2)
{
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_)
        return;
    invalider();
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    invalider();
}

void Ligne::setCouleur(const QColor &couleur)
{
    if (couleur == couleur_)
        return;
    couleur_ = couleur;
    invalider();
}

QRectF Ligne::limites() const
{
    if (!dessinable(x1_) || !dessinable(y1_) || !dessinable(x2_) || !dessinable(y2_))
        return {};
    const double demi = largeur_ * twips::par_pixel / 2.0;
    return QRectF(QPointF(x1_, y1_), QPointF(x2_, y2_)).normalized().adjusted(-demi, -demi, demi, demi);
}

void Ligne::peindre(QPainter &p) const
{
    if (!dessinable(x1_) || !dessinable(y1_) || !dessinable(x2_) || !dessinable(y2_))
        return;
    trait_net(p, QPointF(x1_, y1_), QPointF(x2_, y2_), QPen(couleur_, 1, Qt::SolidLine, Qt::FlatCap), largeur_);
}

// --- Forme ------------------------------------------------------------------

Forme::Forme(Feuille *feuille, const QString &nom, Type type, double gauche, double haut, double largeur,
             double hauteur, QColor remplissage, QColor bordure)
    : ElementGraphique(feuille, nom), type_(type), rect_(gauche, haut, largeur, hauteur),
      remplissage_(remplissage), bordure_(bordure)
{
}

void Forme::setRemplissage(const QColor &couleur)
{
    if (couleur == remplissage_)
        return;
    remplissage_ = couleur;
    invalider();
}

void Forme::placer(double gauche, double haut, double largeur, double hauteur)
{
    invalider();
    rect_ = QRectF(gauche, haut, largeur, hauteur);
    invalider();
}

QRectF Forme::limites() const
{
    return rect_.adjusted(-twips::par_pixel, -twips::par_pixel, twips::par_pixel, twips::par_pixel);
}

void Forme::peindre(QPainter &p) const
{
    en_pixels_ecran(p, [&](const QTransform &vers_ecran, double ratio) {
        // Bords de la forme sur la grille de l'écran, bordure d'un pixel
        // logique en pixels entiers, à l'intérieur de la forme (un trait d'un
        // seul pixel se peint sur le pixel de sa coordonnée entière).
        const QRectF d = vers_ecran.mapRect(rect_);
        const int e = twips::epaisseur_ecran(1, ratio);
        const double dedans = e == 1 ? 0.0 : e / 2.0, dehors = e == 1 ? 1.0 : e / 2.0;
        const QRectF r = QRectF(QPointF(std::round(d.left()), std::round(d.top())),
                                QPointF(std::round(d.right()), std::round(d.bottom())))
                             .adjusted(dedans, dedans, -dehors, -dehors);
        p.setPen(QPen(bordure_, e));
        p.setBrush(remplissage_);
        switch (type_) {
        case Type::rectangle:
            p.drawRect(r);
            break;
        case Type::rectangle_arrondi: {
            const double rayon = std::min(r.width(), r.height()) / 4.0;
            p.drawRoundedRect(r, rayon, rayon);
            break;
        }
        case Type::ellipse:
            p.drawEllipse(r);
            break;
        }
    });
}

// --- Bouton -----------------------------------------------------------------

namespace {

// Le style Fusion garde l'image du fond d'un bouton dans QPixmapCache, sous
// une clé qui comprend QPalette::cacheKey() ; chaque setPalette en fait une
// nouvelle. Un bouton dont le fond change à chaque clic (marche et arrêt de
// sodel, Valid qui clignotent) remplissait ainsi le cache, jusqu'à sa limite,
// d'images toutes pareilles. Les palettes égales sont ramenées à une seule,
// dont la clé ne change plus : une image par couleur et par état.
QPalette palette_du_style(const QPalette &palette)
{
    static std::vector<QPalette> connues;
    auto trouvee = std::find(connues.begin(), connues.end(), palette);
    if (trouvee == connues.end()) {
        if (connues.size() >= 64) // des couleurs calculées sans fin : on repart à zéro
            connues.clear();
        connues.push_back(palette);
        trouvee = connues.end() - 1;
    }
    QPalette p = *trouvee; // copie partagée : même clé
    p.setCurrentColorGroup(palette.currentColorGroup());
    return p;
}

} // namespace

void Bouton::setFond(const QColor &couleur)
{
    if (fond() == couleur)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::Button, couleur);
    setPalette(pal);
}

QColor Bouton::fond() const
{
    return palette().color(QPalette::Button);
}

void Bouton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = palette_du_style(option.palette);
    const QString legende = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect zone = rect().adjusted(3, 1, -3, -1);
    p.drawItemText(zone, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), legende,
                   QPalette::ButtonText);
    // La marque du focus est le cadre commun (marque_focus.h), autour du bouton.
}

// --- Feuille ----------------------------------------------------------------

Feuille::Feuille(const QString &nom, const QString &titre, double largeur, double hauteur, QWidget *parent)
    : QWidget(parent)
{
    accessibilite::preparer();
    setObjectName(nom);
    setWindowTitle(titre);
    setFixedSize(twips::px(largeur), twips::px(hauteur));
    setAttribute(Qt::WA_OpaquePaintEvent);
    preparer_surface();
}

void Feuille::placer(QWidget *controle, double gauche, double haut, double largeur, double hauteur)
{
    controle->setGeometry(twips::rect_px(gauche, haut, largeur, hauteur));
}

QLabel *Feuille::label(const QString &nom, const QString &texte, double gauche, double haut, double largeur,
                       double hauteur, QWidget *parent)
{
    auto *l = new QLabel(texte, parent ? parent : this);
    l->setObjectName(nom);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(l, gauche, haut, largeur, hauteur);
    return l;
}

QLabel *Feuille::afficheur(const QString &nom, double gauche, double haut, double largeur, double hauteur,
                           QWidget *parent)
{
    QLabel *l = label(nom, QString(), gauche, haut, largeur, hauteur, parent);
    accessibilite::marquer_afficheur(l);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(false);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, couleur_bgr(fond_afficheur));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    return l;
}

Bouton *Feuille::bouton(const QString &nom, const QString &legende, double gauche, double haut,
                        double largeur, double hauteur, QWidget *parent)
{
    auto *b = new Bouton(legende, parent ? parent : this);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    placer(b, gauche, haut, largeur, hauteur);
    return b;
}

QLineEdit *Feuille::saisie(const QString &nom, double gauche, double haut, double largeur, double hauteur,
                           QWidget *parent)
{
    auto *e = new QLineEdit(parent ? parent : this);
    e->setObjectName(nom);
    placer(e, gauche, haut, largeur, hauteur);
    return e;
}

QCheckBox *Feuille::case_a_cocher(const QString &nom, const QString &legende, double gauche, double haut,
                                  double largeur, double hauteur)
{
    auto *c = new QCheckBox(legende, this);
    c->setObjectName(nom);
    placer(c, gauche, haut, largeur, hauteur);
    return c;
}

QComboBox *Feuille::liste(const QString &nom, double gauche, double haut, double largeur, double hauteur)
{
    auto *c = new QComboBox(this);
    c->setObjectName(nom);
    placer(c, gauche, haut, largeur, hauteur);
    return c;
}

void Feuille::ordre_tab(const std::vector<QWidget *> &controles)
{
    QWidget *precedent = nullptr;
    for (QWidget *c : controles) {
        if (precedent && c)
            QWidget::setTabOrder(precedent, c);
        if (c)
            precedent = c;
    }
}

QGroupBox *Feuille::cadre(const QString &nom, const QString &legende, double gauche, double haut,
                          double largeur, double hauteur)
{
    auto *g = new QGroupBox(legende, this);
    g->setObjectName(nom);
    placer(g, gauche, haut, largeur, hauteur);
    return g;
}

QTimer *Feuille::minuterie(const QString &nom, int intervalle, bool active)
{
    auto *t = new QTimer(this);
    t->setObjectName(nom);
    t->setInterval(intervalle);
    if (active)
        t->start();
    return t;
}

QMessageBox *Feuille::message_information(const QString &titre, const QString &texte)
{
    auto *boite = new QMessageBox(QMessageBox::Information, titre, texte, QMessageBox::Ok, this);
    boite->setObjectName(QStringLiteral("message"));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
    return boite;
}

QFileDialog *Feuille::choix_fichier_a_enregistrer(const QString &nom, const QString &titre, const QString &propose,
                                                  const QString &filtre, const QString &suffixe,
                                                  const std::function<QString()> &demander,
                                                  std::function<void(const QString &)> suite)
{
    // Le nom tapé devient le nom final, puis l'élève confirme le remplacement
    // de ce fichier-là, et de nul autre.
    // « nom_confirme » : celui qui a choisi a déjà fait confirmer le
    // remplacement du nom tapé (comme le fait une boîte du système).
    auto confirmer = [this, titre, suffixe, suite = std::move(suite)](const QString &choisi, bool nom_confirme) {
        if (choisi.isEmpty())
            return; // l'élève a renoncé
        const QString final = fichier_sur::avec_suffixe(choisi, suffixe);
        // Un dossier, un tube… ne se remplace pas : l'écriture le refusera et le dira.
        if (!QFileInfo(final).isFile() || (nom_confirme && final == choisi)) {
            suite(final);
            return;
        }
        auto *question = new QMessageBox(
            QMessageBox::Warning, titre,
            tr("Le fichier %1 existe déjà.\nVoulez-vous l'écraser ?").arg(QFileInfo(final).fileName()),
            QMessageBox::Yes | QMessageBox::No, this);
        question->setObjectName(QStringLiteral("confirmer_remplacement"));
        question->setDefaultButton(QMessageBox::No);
        question->setEscapeButton(QMessageBox::No);
        question->setAttribute(Qt::WA_DeleteOnClose);
        connect(question, &QMessageBox::buttonClicked, this, [question, final, suite](QAbstractButton *bouton) {
            if (question->standardButton(bouton) == QMessageBox::Yes)
                suite(final);
        });
        question->open();
    };
    if (demander) {
        confirmer(demander(), true);
        return nullptr;
    }
    auto *boite = new QFileDialog(this, titre, propose, filtre);
    boite->setObjectName(nom);
    boite->setAcceptMode(QFileDialog::AcceptSave);
    boite->setDefaultSuffix(suffixe);
    boite->setOption(QFileDialog::DontConfirmOverwrite);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    connect(boite, &QFileDialog::fileSelected, this,
            [confirmer = std::move(confirmer)](const QString &choisi) { confirmer(choisi, false); });
    boite->open();
    return boite;
}

Ligne *Feuille::ligne(const QString &nom, double x1, double y1, double x2, double y2, QColor couleur,
                      int largeur)
{
    auto *l = new Ligne(this, nom, x1, y1, x2, y2, couleur, largeur);
    repeindre(l->limites());
    return l;
}

Forme *Feuille::forme(const QString &nom, Forme::Type type, double gauche, double haut, double largeur,
                      double hauteur, QColor remplissage, QColor bordure)
{
    auto *f = new Forme(this, nom, type, gauche, haut, largeur, hauteur, remplissage, bordure);
    repeindre(f->limites());
    return f;
}

QColor Feuille::couleurFond() const
{
    return palette().color(QPalette::Window);
}

QColor Feuille::couleurFaceBouton() const
{
    return palette().color(QPalette::Button);
}

void Feuille::dessiner(const QRectF &zone, int marge, const std::function<void(QPainter &)> &f)
{
    {
        QPainter p(&surface_);
        p.scale(1.0 / twips::par_pixel, 1.0 / twips::par_pixel);
        f(p);
    }
    repeindre(zone, marge);
}

void Feuille::trait(double x1, double y1, double x2, double y2)
{
    trait(x1, y1, x2, y2, avant_plan_);
}

void Feuille::trait(double x1, double y1, double x2, double y2, const QColor &couleur)
{
    if (!dessinable(x1) || !dessinable(y1) || !dessinable(x2) || !dessinable(y2))
        return;
    const int largeur = epaisseur_;
    dessiner(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), largeur + 1,
             [&](QPainter &p) { trait_net(p, x1, y1, x2, y2, couleur, largeur, style_); });
}

void Feuille::trait_net(QPainter &p, double x1, double y1, double x2, double y2, const QColor &couleur,
                        int largeur, Style style)
{
    if (!dessinable(x1) || !dessinable(y1) || !dessinable(x2) || !dessinable(y2))
        return;
    // Pointillé pixel par pixel : points et trous ont l'épaisseur du trait.
    const Qt::PenStyle trace = style == Style::pointille ? Qt::DotLine : Qt::SolidLine;
    ::trait_net(p, QPointF(x1, y1), QPointF(x2, y2), QPen(couleur, 1, trace, Qt::FlatCap),
                largeur < 1 ? 1 : largeur);
}

void Feuille::boite_pleine(double x1, double y1, double x2, double y2, const QColor &couleur)
{
    if (!dessinable(x1) || !dessinable(y1) || !dessinable(x2) || !dessinable(y2))
        return;
    const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    dessiner(r, 1, [&](QPainter &p) { p.fillRect(r, couleur); });
}

void Feuille::texte(double gauche, double haut, const QString &chaine, const QFont &police,
                    const QColor &couleur)
{
    if (!dessinable(gauche) || !dessinable(haut))
        return;
    const QFontMetricsF mesure(police);
    const QRectF r(gauche, haut, mesure.horizontalAdvance(chaine) * twips::par_pixel,
                   mesure.height() * twips::par_pixel);
    if (temoin_texte)
        temoin_texte(*this, chaine, r);
    dessiner(r, 1, [&](QPainter &p) {
        p.save();
        p.resetTransform();
        p.setFont(police);
        p.setPen(couleur);
        p.drawText(QPointF(gauche / twips::par_pixel, haut / twips::par_pixel + mesure.ascent()), chaine);
        p.restore();
    });
}

void Feuille::polygone(const QPolygonF &sommets, const QColor &couleur, const QColor &remplissage)
{
    if (sommets.isEmpty())
        return;
    for (const QPointF &s : sommets)
        if (!dessinable(s.x()) || !dessinable(s.y()))
            return;
    const int largeur = epaisseur_;
    dessiner(sommets.boundingRect(), largeur + 1, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(couleur, largeur * twips::par_pixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(remplissage.isValid() ? QBrush(remplissage) : QBrush(Qt::NoBrush));
        p.drawPolygon(sommets);
    });
}

void Feuille::cercle(double cx, double cy, double r, const QColor &couleur, const QColor &remplissage)
{
    if (!dessinable(cx) || !dessinable(cy) || !dessinable(r))
        return;
    const int largeur = epaisseur_;
    const QRectF zone(cx - r, cy - r, 2 * r, 2 * r);
    dessiner(zone, largeur + 1, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(couleur, largeur * twips::par_pixel));
        p.setBrush(remplissage.isValid() ? QBrush(remplissage) : QBrush(Qt::NoBrush));
        p.drawEllipse(zone);
    });
}

void Feuille::effacer_surface()
{
    surface_.fill(couleurFond());
    update();
}

void Feuille::repeindre(const QRectF &zone, int marge)
{
    if (zone.isNull())
        return;
    const QRect r = zone_px(zone, marge).intersected(rect());
    if (!r.isEmpty())
        update(r);
}

void Feuille::preparer_surface()
{
    const qreal ratio = devicePixelRatioF();
    const QSize taille = size() * ratio;
    if (surface_.size() == taille && surface_.devicePixelRatio() == ratio)
        return;
    QImage nouvelle(taille, QImage::Format_RGB32);
    nouvelle.setDevicePixelRatio(ratio);
    nouvelle.fill(couleurFond());
    if (!surface_.isNull()) {
        QPainter p(&nouvelle);
        p.drawImage(QPointF(0, 0), surface_);
    }
    surface_ = nouvelle;
}

void Feuille::resizeEvent(QResizeEvent *event)
{
    preparer_surface();
    QWidget::resizeEvent(event);
}

void Feuille::showEvent(QShowEvent *event)
{
    accessibilite::nommer_controles(this);
    QWidget::showEvent(event);
}

void Feuille::paintEvent(QPaintEvent *event)
{
    if (surface_.devicePixelRatio() != devicePixelRatioF())
        preparer_surface();
    QPainter p(this);
    const QRect zone = event->rect();
    const qreal ratio = surface_.devicePixelRatio();
    const QRectF source(zone.x() * ratio, zone.y() * ratio, zone.width() * ratio, zone.height() * ratio);
    p.drawImage(QRectF(zone), surface_, source);
    p.scale(1.0 / twips::par_pixel, 1.0 / twips::par_pixel);
    const QRectF zone_twips(zone.x() * twips::par_pixel, zone.y() * twips::par_pixel,
                            zone.width() * twips::par_pixel, zone.height() * twips::par_pixel);
    for (const ElementGraphique *e : elements_)
        if (e->visible() && e->limites().intersects(zone_twips))
            e->peindre(p);
}

// --- Minuteries jumelles -----------------------------------------------------

namespace minuteries {

void passer_la_main(QTimer *de, QTimer *a)
{
    de->stop();
    if (!a->isActive())
        a->start();
}

QColor bordure_active()
{
    return QColor(212, 208, 200);
}

void faire_clignoter(std::initializer_list<Bouton *> boutons, bool rouge)
{
    for (Bouton *b : boutons)
        b->setFond(rouge && b->isEnabled() ? couleur_bgr(fond_alerte) : bordure_active());
}

} // namespace minuteries
