// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibilite.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <functional>
#include <limits>

namespace accessibilite {

namespace {

const char *const propriete_legende = "legende_accessible";
const char *const propriete_annonce = "valeur_annoncee";

// Un afficheur se présente au lecteur d'écran par sa légende et sa valeur.
class AfficheurAccessible : public QAccessibleWidget
{
public:
    explicit AfficheurAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *l = static_cast<const QLabel *>(object());
        const QString valeur = texte_lisible(l->text());
        if (t == QAccessible::Name) {
            const QString nom = legende(l);
            if (valeur.isEmpty() || nom.isEmpty())
                return valeur.isEmpty() ? nom : valeur;
            return QCoreApplication::translate("accessibilite", "%1 : %2").arg(nom, valeur);
        }
        if (t == QAccessible::Value)
            return valeur;
        return QAccessibleWidget::text(t);
    }
};

std::function<void(const QWidget *, const QString &)> &ecouteur()
{
    static std::function<void(const QWidget *, const QString &)> e;
    return e;
}

// Un afficheur qui se repeint avec une nouvelle valeur l'annonce au lecteur
// d'écran. QLabel ne prévient de rien quand son texte change, mais il se
// repeint : c'est là qu'on compare avec la dernière valeur annoncée. Un
// afficheur caché ne se repeint pas et n'a rien à annoncer.
class Annonceur : public QObject
{
public:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint)
            if (auto *l = qobject_cast<QLabel *>(objet)) {
                const QString valeur = l->text();
                if (valeur != l->property(propriete_annonce).toString()) {
                    l->setProperty(propriete_annonce, valeur);
                    QAccessibleEvent nom(l, QAccessible::NameChanged);
                    QAccessible::updateAccessibility(&nom);
                    QAccessibleValueChangeEvent change(l, valeur);
                    QAccessible::updateAccessibility(&change);
                    if (ecouteur())
                        ecouteur()(l, valeur);
                }
            }
        return false;
    }
};

Annonceur *annonceur()
{
    static Annonceur a;
    return &a;
}

QAccessibleInterface *fabrique(const QString &, QObject *objet)
{
    auto *l = qobject_cast<QLabel *>(objet);
    if (l && est_afficheur(l))
        return new AfficheurAccessible(l);
    return nullptr;
}

// Distance d'un voisin posé à gauche (même hauteur, au plus 150 pixels),
// juste au-dessus (même colonne, au plus 40 pixels) ou, moins proche, juste à
// droite du contrôle ; sinon le plus grand entier.
int distance_voisin(const QRect &c, const QRect &g)
{
    const bool meme_ligne = g.top() < c.bottom() && g.bottom() > c.top();
    const bool meme_colonne = g.left() < c.right() && g.right() > c.left();
    if (meme_ligne && g.right() <= c.left() + 2 && c.left() - g.right() <= 150)
        return c.left() - g.right();
    if (meme_colonne && g.bottom() <= c.top() + 2 && c.top() - g.bottom() <= 40)
        return c.top() - g.bottom();
    // À droite seulement faute de mieux (les exemples d'une légende).
    if (meme_ligne && g.left() >= c.right() - 2 && g.left() - c.right() <= 40)
        return 1000 + g.left() - c.right();
    return std::numeric_limits<int>::max();
}

// Le texte du voisin le plus proche parmi les contrôles de même parent que
// « texte » sait lire (texte vide : pas candidat).
template <typename T, typename Texte> QString voisin(const QWidget *controle, Texte texte)
{
    const QWidget *parent = controle->parentWidget();
    if (!parent)
        return {};
    QString meilleur;
    int distance_min = std::numeric_limits<int>::max();
    for (const T *v : parent->findChildren<T *>(Qt::FindDirectChildrenOnly)) {
        if (v == controle || v->isHidden())
            continue;
        const QString t = texte(v);
        if (t.isEmpty())
            continue;
        const int distance = distance_voisin(controle->geometry(), v->geometry());
        if (distance < distance_min) {
            distance_min = distance;
            meilleur = t;
        }
    }
    return meilleur;
}

// Le label posé à côté du contrôle ; un label dont le « compagnon » est le
// contrôle l'emporte.
QString label_voisin(const QWidget *controle)
{
    if (controle->parentWidget())
        for (const QLabel *l : controle->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (l->buddy() == controle)
                return texte_lisible(l->text());
    return voisin<QLabel>(
        controle, [](const QLabel *l) { return est_afficheur(l) ? QString() : texte_lisible(l->text()); });
}

QString bulle(const QWidget *w)
{
    return texte_lisible(w->toolTip());
}

} // namespace

void preparer()
{
    static const bool fait = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)fait;
}

void ecouter_annonces(std::function<void(const QWidget *, const QString &)> f)
{
    ecouteur() = std::move(f);
}

void marquer_afficheur(QWidget *label)
{
    label->setProperty("afficheur", true);
}

bool est_afficheur(const QWidget *controle)
{
    const auto *l = qobject_cast<const QLabel *>(controle);
    return l &&
           (l->property("afficheur").toBool() || (l->frameShape() == QFrame::Box && l->autoFillBackground()));
}

void nommer_afficheur(QWidget *afficheur, const QString &nom)
{
    marquer_afficheur(afficheur);
    afficheur->setProperty(propriete_legende, nom);
}

QString legende(const QWidget *afficheur)
{
    return afficheur->property(propriete_legende).toString();
}

QString texte_lisible(const QString &texte)
{
    QString t = texte;
    static const QRegularExpression balise(QStringLiteral("<[^>]*>"));
    t.remove(balise);
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    t = t.simplified();
    // Lettres espacées une à une : un mot écrit en hauteur sur un bouton étroit.
    const QStringList morceaux = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (morceaux.size() > 3) {
        bool lettres = true;
        for (const QString &m : morceaux)
            lettres = lettres && m.size() == 1 && m.at(0).isLetterOrNumber();
        if (lettres)
            t = morceaux.join(QString());
    }
    while (t.endsWith(QLatin1Char('=')) || t.endsWith(QLatin1Char(':')))
        t = t.chopped(1).trimmed();
    return t;
}

void nommer_controles(QWidget *fenetre)
{
    preparer();
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (w->isWindow())
            continue;
        const bool bouton = qobject_cast<QAbstractButton *>(w) != nullptr;
        const bool saisie = qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w);
        const bool afficheur = est_afficheur(w);
        // Le champ de saisie d'une liste modifiable est nommé par sa liste.
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        if (!bouton && !saisie && !afficheur)
            continue;
        if (w->accessibleDescription().isEmpty() && !w->toolTip().isEmpty())
            w->setAccessibleDescription(bulle(w));
        if (afficheur) {
            // La valeur montrée en paraissant n'est pas une nouvelle valeur.
            w->setProperty(propriete_annonce, static_cast<QLabel *>(w)->text());
            w->installEventFilter(annonceur());
            // Le nom reste calculé (légende et valeur).
            if (legende(w).isEmpty()) {
                QString nom = bulle(w);
                if (nom.isEmpty())
                    nom = label_voisin(w);
                w->setProperty(propriete_legende, nom);
            }
            continue;
        }
        if (!w->accessibleName().isEmpty())
            continue;
        QString nom;
        if (bouton)
            nom = texte_lisible(static_cast<QAbstractButton *>(w)->text());
        if (nom.isEmpty())
            nom = label_voisin(w);
        if (nom.isEmpty())
            nom = bulle(w);
        if (!nom.isEmpty())
            w->setAccessibleName(nom);
    }
    // Un bouton « Valid » (nommé valid_…, quelle que soit sa légende dans la
    // langue de l'interface), ou deux boutons de même nom : chacun prend en
    // plus le nom de la saisie à côté de laquelle il est posé.
    const QList<QAbstractButton *> boutons = fenetre->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : boutons) {
        int meme_nom = 0;
        for (const QAbstractButton *autre : boutons)
            meme_nom += autre->accessibleName() == b->accessibleName();
        const bool valid = b->accessibleName() == QLatin1String("Valid") ||
                           b->objectName().contains(QLatin1String("valid"), Qt::CaseInsensitive);
        if ((meme_nom < 2 && !valid) ||
            b->property("nom_accessible_complete").toBool())
            continue;
        const QString saisie = voisin<QLineEdit>(b, [](const QLineEdit *e) { return e->accessibleName(); });
        if (!saisie.isEmpty()) {
            b->setAccessibleName(b->accessibleName() + QLatin1Char(' ') + saisie);
            b->setProperty("nom_accessible_complete", true);
        }
    }
}

} // namespace accessibilite
