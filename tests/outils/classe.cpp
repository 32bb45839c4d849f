#include "classe.h"

#include "campagne.h"
#include "feuille.h"
#include "outils_fenetres.h"

#include <QApplication>
#include <QImage>
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

} // namespace

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
    }
    campagne::fermer_tout();
}

} // namespace classe
