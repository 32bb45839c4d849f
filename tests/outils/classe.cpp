#include "classe.h"

#include "accessibilite.h"
#include "campagne.h"
#include "feuille.h"
#include "outils_fenetres.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

#include <gtest/gtest.h>

namespace classe {

namespace {

// 200 % : deux pixels de l'écran par pixel d'origine, dans chaque sens.
void verifier_taille(QWidget *w)
{
    EXPECT_DOUBLE_EQ(w->devicePixelRatioF(), 2.0);
    const QPixmap image = w->grab();
    EXPECT_EQ(image.size(), w->size() * 2);
    if (auto *f = qobject_cast<Feuille *>(w))
        EXPECT_EQ(f->surface().size(), w->size() * 2) << "surface de dessin floue";
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w) || c->isWindow())
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
        if (c)
            EXPECT_EQ(nom_accessible(c), attendu) << objet.toStdString();
    }
}

} // namespace

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
        demarrer();
        f.ouvrir();
        QWidget *w = essai::fenetre(f.nom);
        ASSERT_NE(w, nullptr) << "fenêtre non ouverte";
        verifier_taille(w);
        verifier_noms(w, f);
    }
    campagne::fermer_tout();
}

} // namespace classe
