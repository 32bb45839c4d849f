// SPDX-License-Identifier: GPL-3.0-or-later
#include "classe.h"
#include "traductions.h"

#include "accessibilite.h"
#include "campagne.h"
#include "feuille.h"
#include "outils_fenetres.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <QFocusFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace classe {

namespace {

// À 200 %, deux pixels de l'écran par pixel d'origine dans chaque sens ; à
// 150 %, trois pour deux.
void verifier_taille(QWidget *w)
{
    const double f = facteur();
    EXPECT_DOUBLE_EQ(w->devicePixelRatioF(), f);
    const QPixmap image = w->grab();
    EXPECT_EQ(image.size(), w->size() * f);
    if (auto *feuille = qobject_cast<Feuille *>(w)) {
        EXPECT_EQ(feuille->surface().size(), w->size() * f) << "surface de dessin floue";
    }
    for (QWidget *c : w->findChildren<QWidget *>()) {
        // La marque du focus déborde de son contrôle : ce n'est pas un contrôle.
        if (!c->isVisibleTo(w) || c->isWindow() || qobject_cast<QFocusFrame *>(c))
            continue;
        const QRect place(c->mapTo(w, QPoint(0, 0)), c->size());
        EXPECT_TRUE(w->rect().contains(place)) << c->objectName().toStdString() << " hors de la fenêtre";
    }
}

// Chaque saisie, liste, bouton et afficheur visible a un nom à lire.
void verifier_noms(QWidget *w, const Fenetre &f)
{
    const bool lister = qEnvironmentVariableIsSet("CLASSE_NOMS");
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w) || c->isWindow())
            continue;
        const bool a_nommer = qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c) ||
                              accessibilite::est_afficheur(c) ||
                              (qobject_cast<QLineEdit *>(c) && !qobject_cast<QComboBox *>(c->parentWidget()));
        if (!a_nommer)
            continue;
        const QString nom = nom_accessible(c);
        if (lister)
            qInfo("%s/%s : « %s » — %s", qPrintable(w->objectName()), qPrintable(c->objectName()),
                  qPrintable(nom), qPrintable(c->accessibleDescription()));
        EXPECT_FALSE(nom.isEmpty()) << c->objectName().toStdString() << " sans nom accessible";
    }
    for (const auto &[objet, attendu] : f.noms) {
        auto *c = essai::controle(w, objet);
        if (c) {
            EXPECT_EQ(nom_accessible(c), attendu) << objet.toStdString();
        }
    }
}

// --- L'interface dans une autre langue ------------------------------------------

// Chaque fichier .ts de la langue de l'essai, lu par « lire ».
template <class Lire>
void pour_chaque_ts(Lire &&lire)
{
    const QString suffixe = QStringLiteral("_%1.ts").arg(QString::fromStdString(traductions::actuelle().code));
    const QDir d(QStringLiteral(BANCS_SOURCE "/traductions"));
    for (const QString &nom : d.entryList({QLatin1Char('*') + suffixe}, QDir::Files)) {
        QFile f(d.filePath(nom));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&f);
        lire(xml);
    }
}

// Les mots (deux lettres ou plus, en minuscules) des traductions de la
// langue de l'essai, dans tous les fichiers .ts de cette langue.
const std::set<QString> &mots_traduits()
{
    static const std::set<QString> mots = [] {
        std::set<QString> m;
        pour_chaque_ts([&m](QXmlStreamReader &xml) {
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
                    for (const QString &mot : xml.readElementText(QXmlStreamReader::IncludeChildElements).split(
                             QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts))
                        m.insert(mot.toLower());
        });
        return m;
    }();
    return mots;
}

// Les textes français que la traduction change, avec leurs traductions :
// « T (n.m) » ou « g % » n'ont aucun mot de deux lettres, mais montrés tels
// quels dans une autre langue, ils n'ont pas passé par la traduction.
const std::map<QString, std::set<QString>> &textes_changes()
{
    static const std::map<QString, std::set<QString>> changes = [] {
        std::map<QString, std::set<QString>> c;
        pour_chaque_ts([&c](QXmlStreamReader &xml) {
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.name() == QLatin1String("translation"))
                    c[source].insert(xml.readElementText(QXmlStreamReader::IncludeChildElements));
            }
        });
        // Un texte que la traduction garde tel quel quelque part n'est pas suspect.
        for (auto i = c.begin(); i != c.end();)
            i = i->second.count(i->first) ? c.erase(i) : std::next(i);
        return c;
    }();
    return changes;
}

// Les mots d'un texte que l'élève lit qui ne viennent d'aucune traduction :
// restés en français. Une unité du Système international avec son préfixe
// (« mA », « kW ») s'écrit de même dans toutes les langues.
QStringList mots_non_traduits(const QString &texte)
{
    static const QRegularExpression unite_si(QStringLiteral("^[fpnµmkMG](A|V|W|VA|Hz|s)$"));
    QStringList restes;
    for (const QString &mot : texte.split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts))
        if (mot.size() >= 2 && !mots_traduits().count(mot.toLower()) && !unite_si.match(mot).hasMatch())
            restes << mot;
    return restes;
}

// Tout ce qu'on lit et entend dans la fenêtre : titre, légendes, boutons,
// listes, tableaux, bulles d'aide, noms et descriptions accessibles.
QStringList textes_lus(QWidget *w)
{
    QStringList t{w->windowTitle()};
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w) || c->isWindow())
            continue;
        t << c->toolTip() << c->accessibleDescription() << nom_accessible(c);
        if (auto *l = qobject_cast<QLabel *>(c))
            t << QTextDocumentFragment::fromHtml(l->text()).toPlainText();
        else if (auto *b = qobject_cast<QAbstractButton *>(c))
            t << b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(c))
            t << g->title();
        else if (auto *liste = qobject_cast<QComboBox *>(c)) {
            t << liste->placeholderText();
            for (int i = 0; i < liste->count(); ++i)
                t << liste->itemText(i);
        } else if (auto *table = qobject_cast<QTableWidget *>(c)) {
            for (int i = 0; i < table->columnCount(); ++i)
                if (auto *e = table->horizontalHeaderItem(i))
                    t << e->text();
        }
    }
    return t;
}

// Un texte sur une ligne tient dans son contrôle ; un texte qui revient à la
// ligne tient dans sa hauteur.
void verifier_coupure(QWidget *w)
{
    for (QLabel *l : w->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(w) || l->text().isEmpty() || l->textFormat() == Qt::RichText || !l->pixmap().isNull())
            continue;
        const QRect r = l->contentsRect();
        if (l->wordWrap()) {
            EXPECT_LE(l->heightForWidth(l->width()), l->height() + 1)
                << l->objectName().toStdString() << " coupé : « " << l->text().toStdString() << " »";
        } else {
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), r.width() + 1)
                << l->objectName().toStdString() << " coupé : « " << l->text().toStdString() << " »";
        }
    }
}

// Dans la langue de l'essai, la fenêtre ne montre plus un mot de français,
// ses textes peints compris, et aucun texte n'est coupé.
void verifier_langue(QWidget *w, const QStringList &peints)
{
    ASSERT_FALSE(mots_traduits().empty()) << "aucune traduction " << traductions::actuelle().code;
    QStringList textes = textes_lus(w);
    textes << peints;
    for (const QString &texte : textes)
        if (const QStringList restes = mots_non_traduits(texte); !restes.isEmpty())
            ADD_FAILURE() << "non traduit : « " << texte.toStdString() << " » (" << restes.join(QStringLiteral(", ")).toStdString()
                          << ")";
        else if (textes_changes().count(texte))
            ADD_FAILURE() << "non traduit : « " << texte.toStdString() << " » (texte français)";
    verifier_coupure(w);
}

bool autre_langue()
{
    return !(traductions::actuelle() == traductions::Langue::francais);
}

} // namespace

double facteur()
{
    return autre_langue() ? 1.0 : QByteArray(BANCS_TAILLE_ESSAI).toInt() / 100.0;
}

QString nom_accessible(QWidget *controle)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(controle);
    return i ? i->text(QAccessible::Name) : QString();
}

void verifier(const std::function<void()> &demarrer, const std::vector<Fenetre> &fenetres)
{
    for (const Fenetre &f : fenetres) {
        SCOPED_TRACE(f.nom.toStdString());
        campagne::fermer_tout();
        // Les textes peints (graduations, noms du schéma…) pendant l'ouverture.
        QStringList peints;
        Feuille::temoin_texte = [&peints](const Feuille &, const QString &texte, const QRectF &) {
            peints << texte;
        };
        demarrer();
        f.ouvrir();
        Feuille::temoin_texte = nullptr;
        QWidget *w = essai::fenetre(f.nom);
        ASSERT_NE(w, nullptr) << "fenêtre non ouverte";
        verifier_taille(w);
        if (autre_langue()) {
            verifier_langue(w, peints);
            // Les noms attendus sont ceux du français ; chaque contrôle en a un.
            verifier_noms(w, Fenetre{f.nom});
        } else {
            verifier_noms(w, f);
        }
        if (!f.tab.isEmpty()) {
            EXPECT_EQ(parcours_tab(w, f.tab.front()).join(' ').toStdString(), f.tab.join(' ').toStdString())
                << "ordre de Tab";
        }
    }
    campagne::fermer_tout();
}

namespace {

// Textes de tous les afficheurs visibles de la fenêtre, par nom.
std::map<QString, QString> lectures(QWidget *w)
{
    std::map<QString, QString> l;
    for (QLabel *a : w->findChildren<QLabel *>())
        if (accessibilite::est_afficheur(a) && a->isVisibleTo(w))
            l[a->objectName()] = a->text();
    return l;
}

void souris(QWidget *piste, QEvent::Type type, bool horizontal, int place, Qt::MouseButtons boutons)
{
    const QPointF p = horizontal ? QPointF(place, piste->height() / 2) : QPointF(piste->width() / 2, place);
    QMouseEvent e(type, p, piste->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(piste, &e);
}

// Programme neuf préparé, sa fenêtre active ; nulle si elle n'a pas paru.
QWidget *fenetre_neuve(const std::function<void()> &preparer, const QString &nom)
{
    campagne::fermer_tout();
    preparer();
    QWidget *w = essai::fenetre(nom);
    if (w)
        w->activateWindow();
    return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
}

} // namespace

QStringList parcours_tab(QWidget *fenetre, const QString &premier)
{
    QStringList visites;
    QWidget *depart = essai::controle(fenetre, premier);
    if (!depart)
        return visites;
    fenetre->activateWindow();
    if (!QTest::qWaitForWindowActive(fenetre))
        return visites;
    depart->setFocus(Qt::TabFocusReason);
    visites << premier;
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *ici = QApplication::focusWidget();
        if (!ici || ici == depart)
            break;
        visites << ici->objectName();
    }
    return visites;
}

void verifier_lecture(const EssaiLecture &e)
{
    QWidget *w = fenetre_neuve(e.preparer, e.fenetre);
    ASSERT_NE(w, nullptr);
    QWidget *zone = essai::controle(w, QStringLiteral("zone_lecture"));
    auto *lecture = qobject_cast<QLabel *>(essai::controle(w, QStringLiteral("aff_coord")));
    ASSERT_TRUE(zone && lecture);
    zone->setFocus(Qt::TabFocusReason);
    for (QKeyCombination t : e.touches)
        QTest::keyClick(zone, t.key(), t.keyboardModifiers());
    EXPECT_EQ(zone->property("place").toPoint(), e.arrivee);
    const QString au_clavier = lecture->text();
    const QRect place_clavier = lecture->geometry();
    EXPECT_EQ(lecture->isVisible(), e.lue);

    // La souris sort du graphe (la lecture s'efface), puis revient à la même place.
    const auto souris = [w](QPoint p) {
        QMouseEvent m(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &m);
    };
    souris(QPoint(0, 0));
    EXPECT_FALSE(lecture->isVisible());
    souris(zone->pos() + e.arrivee);
    EXPECT_EQ(lecture->isVisible(), e.lue);
    if (e.lue) {
        EXPECT_EQ(lecture->text(), au_clavier);
        EXPECT_EQ(lecture->geometry(), place_clavier);
    }
    campagne::fermer_tout();
}

void verifier_piste(const EssaiPiste &e)
{
    SCOPED_TRACE(e.piste.toStdString());
    // Au clavier.
    QWidget *w = fenetre_neuve(e.preparer, e.fenetre);
    ASSERT_NE(w, nullptr);
    const auto avant = lectures(w);
    QWidget *piste = essai::controle(w, e.piste);
    ASSERT_NE(piste, nullptr);
    piste->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(piste->hasFocus());
    for (int t : e.touches)
        QTest::keyClick(piste, static_cast<Qt::Key>(t));
    const double place = w->findChild<QObject *>(e.fleche)->property(qPrintable(e.propriete)).toDouble();
    EXPECT_DOUBLE_EQ(place - e.origine, e.arrivee * 15.0) << "curseur ailleurs qu'à la place attendue";
    const auto au_clavier = lectures(w);
    EXPECT_NE(au_clavier, avant) << "la piste n'a rien changé aux lectures";

    // À la souris, dans un programme neuf : saisie au milieu, glissée, relâchée à la même place.
    campagne::fermer_tout();
    e.preparer();
    w = essai::fenetre(e.fenetre);
    ASSERT_NE(w, nullptr);
    piste = essai::controle(w, e.piste);
    const int milieu = (e.horizontal ? piste->width() : piste->height()) / 2;
    souris(piste, QEvent::MouseButtonPress, e.horizontal, milieu, Qt::LeftButton);
    souris(piste, QEvent::MouseMove, e.horizontal, (milieu + e.arrivee) / 2, Qt::LeftButton);
    souris(piste, QEvent::MouseMove, e.horizontal, e.arrivee, Qt::LeftButton);
    souris(piste, QEvent::MouseButtonRelease, e.horizontal, e.arrivee, Qt::NoButton);
    EXPECT_EQ(lectures(w), au_clavier);
    campagne::fermer_tout();
}

} // namespace classe
