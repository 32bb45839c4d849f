// SPDX-License-Identifier: GPL-3.0-or-later
// Noms accessibles tirés de ce que l'élève voit : légendes, labels voisins,
// bulles ; afficheurs lus « légende : valeur » et annoncés à chaque valeur.
#include "accessibilite.h"
#include "feuille.h"
#include "outils_fenetres.h"
#include "piste_clavier.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <vector>

namespace {

QString nom(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

std::vector<std::pair<const QWidget *, QString>> annonces;

} // namespace

TEST(Accessibilite, TexteLisible)
{
    const struct {
        const char *montre, *lu;
    } cas[] = {
        {" I    N   T   E   R  2", "INTER2"},
        {"Valeur instantanée =", "Valeur instantanée"},
        {"U1 (V) :", "U1 (V)"},
        {"&Fichier", "Fichier"},
        {"R && L", "R & L"},
        {"<b>TRANSFO</b>", "TRANSFO"},
        {" Cocher pour visualiser les     champs", "Cocher pour visualiser les champs"},
        {"B1 + B2", "B1 + B2"},
        {"", ""},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.montre);
        EXPECT_EQ(accessibilite::texte_lisible(QString::fromUtf8(c.montre)), QString::fromUtf8(c.lu));
    }
}

TEST(Accessibilite, NomsTiresDuBancEtAnnonceDesAfficheurs)
{
    // Un petit banc : saisie avec son label à gauche, saisie avec son label
    // au-dessus et son Valid dessous, afficheur avec bulle, afficheur sans
    // bulle à côté d'un label, bouton à légende espacée, piste sans légende.
    auto f = std::make_unique<Feuille>(QStringLiteral("essai"), QStringLiteral("Essai"), 9000, 6000);
    f->label(QStringLiteral("l_u1"), QStringLiteral("U1 (V)"), 100, 300, 900, 300);
    QLineEdit *u1 = f->saisie(QStringLiteral("u1"), 1050, 300, 900, 375);
    u1->setToolTip(QStringLiteral("Réglage de la tension au primaire"));
    f->label(QStringLiteral("l_f"), QStringLiteral("f (Hz) :"), 3000, 0, 900, 285);
    QLineEdit *fr = f->saisie(QStringLiteral("f"), 3000, 300, 900, 375);
    Bouton *valid_f = f->bouton(QStringLiteral("valid_f"), QStringLiteral("Valid"), 3000, 675, 900, 375);
    Bouton *valid_u1 = f->bouton(QStringLiteral("valid_u1"), QStringLiteral("Valid"), 1050, 675, 900, 375);
    QLabel *i1 = f->afficheur(QStringLiteral("i1"), 100, 2000, 900, 375);
    i1->setToolTip(QStringLiteral("Intensité efficace primaire"));
    f->label(QStringLiteral("l_n"), QStringLiteral("n en tr/min"), 3000, 1700, 1500, 285);
    QLabel *n = f->afficheur(QStringLiteral("n"), 3000, 2000, 900, 375);
    Bouton *inter =
        f->bouton(QStringLiteral("inter"), QStringLiteral(" I  N  T  E  R  2"), 6000, 300, 300, 1500);
    Bouton *piste = f->bouton(QStringLiteral("piste"), QString(), 7000, 300, 300, 1500);
    piste->setToolTip(QStringLiteral("Faire glisser le curseur"));
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));

    const struct {
        QWidget *controle;
        const char *nom, *description;
    } cas[] = {
        {u1, "U1 (V)", "Réglage de la tension au primaire"},
        {fr, "f (Hz)", ""},
        {valid_f, "Valid f (Hz)", ""},
        {valid_u1, "Valid U1 (V)", ""},
        {i1, "Intensité efficace primaire", "Intensité efficace primaire"},
        {n, "n en tr/min", ""},
        {inter, "INTER2", ""},
        {piste, "Faire glisser le curseur", "Faire glisser le curseur"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(nom(c.controle), QString::fromUtf8(c.nom));
        EXPECT_EQ(c.controle->accessibleDescription(), QString::fromUtf8(c.description));
    }

    // Une nouvelle valeur : l'afficheur se lit avec elle et l'annonce.
    annonces.clear();
    accessibilite::ecouter_annonces([](const QWidget *w, const QString &v) { annonces.emplace_back(w, v); });
    i1->setText(QStringLiteral("1.09"));
    n->setText(QStringLiteral("1450"));
    i1->repaint();
    n->repaint();
    n->setText(QStringLiteral("1450")); // inchangée : rien à annoncer
    n->repaint();
    accessibilite::ecouter_annonces({});
    EXPECT_EQ(nom(i1), QStringLiteral("Intensité efficace primaire : 1.09"));
    EXPECT_EQ(nom(n), QStringLiteral("n en tr/min : 1450"));
    const decltype(annonces) attendues = {{i1, QStringLiteral("1.09")}, {n, QStringLiteral("1450")}};
    EXPECT_EQ(annonces, attendues);
}

TEST(Accessibilite, UnePisteSeLitCommeUnCurseurEnPourCent)
{
    // Une piste de 200 pixels dont le curseur suit les clics, partie du quart.
    struct Piste : QWidget {
        double x = 50;
        void mousePressEvent(QMouseEvent *e) override { x = e->position().x(); }
    } piste;
    piste.resize(200, 20);
    piste_clavier::equiper(&piste, piste_clavier::Sens::horizontal, [&piste] { return piste.x; });
    piste.show();
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&piste);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Slider);
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 25);
    for (const auto &[touche, attendu] : {std::pair{Qt::Key_End, 100}, {Qt::Key_PageUp, 90}, {Qt::Key_Home, 0}}) {
        QTest::keyClick(&piste, touche);
        EXPECT_EQ(a->valueInterface()->currentValue().toInt(), attendu);
        EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("%1 %").arg(attendu));
    }
}
