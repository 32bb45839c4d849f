// SPDX-License-Identifier: GPL-3.0-or-later
// Accueil, avertissement et base des fenêtres, pilotés par leurs noms d'objets.
#include "avertissement.h"
#include "feuille.h"
#include "intro.h"
#include "outils_fenetres.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <limits>

using essai::texte;

namespace {

struct Accueil {
    std::int16_t annee_version = 0;
    int ouvertures = 0;
    std::int16_t annee_vue_avant = -1;
    QPointer<Intro> intro;

    explicit Accueil(const QString &sujet = {})
    {
        intro = new Intro({QStringLiteral("Logiciel de simulation d'un pont mixte"), sujet}, annee_version,
                          [this] { annee_vue_avant = annee_version; }, [this] { ++ouvertures; });
        intro->show();
    }
    ~Accueil() { delete intro; }
};

} // namespace

TEST(Accueil, MontreLesTextesEtLaVersion)
{
    Accueil a(QStringLiteral("Étude de la machine synchrone"));
    EXPECT_EQ(a.intro->objectName(), "Intro");
    EXPECT_EQ(a.intro->windowTitle(), "Introduction");
    EXPECT_EQ(texte(a.intro, "Label1"), "Logiciel de simulation d'un pont mixte");
    EXPECT_EQ(texte(a.intro, "Label2"), "Étude de la machine synchrone");
    EXPECT_EQ(texte(a.intro, "aff_version"), "Version 2003 - 2004");
    EXPECT_EQ(texte(a.intro, "Label3"), "Auteur : Aurel Varlon");
    EXPECT_EQ(a.annee_version, 2003);
    // Le chargement propre au programme passe avant tout le reste.
    EXPECT_EQ(a.annee_vue_avant, 0);
    EXPECT_EQ(a.intro->size(), QSize(443, 219)); // 6645 x 3285 twips
}

TEST(Accueil, SansSujetPasDeSecondeLigne)
{
    Accueil a;
    EXPECT_EQ(a.intro->findChild<QLabel *>("Label2"), nullptr);
}

TEST(Accueil, OKOuvreLaFenetrePrincipaleUneSeuleFois)
{
    Accueil a;
    essai::cliquer(a.intro, "OK");
    EXPECT_EQ(a.ouvertures, 1);
    ASSERT_FALSE(a.intro.isNull()); // encore là jusqu'à sa destruction différée
    auto *minuterie = a.intro->findChild<QTimer *>("Timer1");
    ASSERT_NE(minuterie, nullptr);
    EXPECT_FALSE(minuterie->isActive());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.intro.isNull()); // l'accueil s'est déchargé
}

TEST(Accueil, LaMinuterieFaitCommeOKEtLaPremiereGagne)
{
    Accueil a;
    auto *minuterie = a.intro->findChild<QTimer *>("Timer1");
    ASSERT_NE(minuterie, nullptr);
    EXPECT_EQ(minuterie->interval(), 5000);
    EXPECT_TRUE(minuterie->isActive());
    a.intro->Timer1_Timer();
    EXPECT_EQ(a.ouvertures, 1);
    a.intro->OK_Click();
    a.intro->Timer1_Timer();
    EXPECT_EQ(a.ouvertures, 1);
}

TEST(Avertissement, MontreLeMessageSousDanger)
{
    Avertisseur avertisseur;
    avertisseur.avertir(QStringLiteral("Le moteur tourne trop vite."));
    FeuilleMauvaiseManip *f = avertisseur.fenetre();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Mauvaise manipulation");
    EXPECT_EQ(texte(f, "Label1"), "DANGER");
    EXPECT_EQ(texte(f, "Label2"), "Le moteur tourne trop vite.");
    EXPECT_EQ(texte(f, "Command1"), "Oui, bien sûr");
    EXPECT_EQ(avertisseur.message_avertissement(), "Le moteur tourne trop vite.");
    delete f;
}

TEST(Avertissement, DeuxAvertissementsDUneActionMontrentLePremier)
{
    Avertisseur avertisseur;
    avertisseur.avertir(QStringLiteral("premier"));
    FeuilleMauvaiseManip *f = avertisseur.fenetre();
    avertisseur.avertir(QStringLiteral("second"));
    EXPECT_EQ(avertisseur.fenetre(), f); // une seule fenêtre
    EXPECT_EQ(texte(f, "Label2"), "premier");
    EXPECT_EQ(avertisseur.message_avertissement(), "second");

    // Une fois la fenêtre fermée, l'avertissement suivant est montré.
    essai::cliquer(f, "Command1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(avertisseur.fenetre(), nullptr);
    avertisseur.avertir(QStringLiteral("troisième"));
    ASSERT_NE(avertisseur.fenetre(), nullptr);
    EXPECT_EQ(texte(avertisseur.fenetre(), "Label2"), "troisième");
    delete avertisseur.fenetre();
}

TEST(Feuille, PlaceLesControlesEnTwips)
{
    Feuille f(QStringLiteral("essai"), QStringLiteral("Essai"), 3000, 1500);
    EXPECT_EQ(f.size(), QSize(200, 100));
    QLabel *l = f.label(QStringLiteral("Label1"), QStringLiteral("x"), 150, 300, 1500, 375);
    EXPECT_EQ(l->geometry(), QRect(10, 20, 100, 25));
    QLabel *a = f.afficheur(QStringLiteral("aff"), 0, 0, 735, 375);
    EXPECT_EQ(a->palette().color(QPalette::Window), QColor(255, 192, 128)); // 0x80C0FF
}

TEST(Feuille, LaSurfaceGardeCeQuOnYDessine)
{
    Feuille f(QStringLiteral("essai"), QStringLiteral("Essai"), 3000, 1500);
    f.trait(0, 300, 3000, 300, Qt::red);          // ligne de pixels y = 20
    f.boite_pleine(1500, 750, 1800, 1050, Qt::blue); // pixels 100..120, 50..70
    const QImage &s = f.surface();
    const qreal r = s.devicePixelRatio();
    EXPECT_EQ(s.pixelColor(int(50 * r), int(20 * r)), QColor(Qt::red));
    EXPECT_EQ(s.pixelColor(int(110 * r), int(60 * r)), QColor(Qt::blue));
    EXPECT_EQ(s.pixelColor(int(110 * r), int(80 * r)), f.couleurFond());

    // Un élément graphique posé au-dessus ne touche pas la surface.
    Ligne *l = f.ligne(QStringLiteral("ligne"), 0, 600, 3000, 600, Qt::green, 2);
    l->placer(0, 900, 3000, 900);
    EXPECT_EQ(s.pixelColor(int(50 * r), int(40 * r)), f.couleurFond());
    EXPECT_EQ(f.findChild<Ligne *>("ligne"), l);
}

TEST(Feuille, CoordonneesNonFiniesJamaisDessinees)
{
    Feuille f(QStringLiteral("essai"), QStringLiteral("Essai"), 3000, 1500);
    const QImage avant = f.surface().copy();
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    f.trait(0, 0, inf, 100, Qt::red);
    f.trait(nan, 0, 10, 100, Qt::red);
    f.boite_pleine(0, 0, 1e300, 1e300, Qt::red);
    f.cercle(100, 100, inf, Qt::red);
    EXPECT_EQ(f.surface(), avant);
    Ligne *l = f.ligne(QStringLiteral("l"), 0, 0, 10, 10);
    l->placer(nan, 0, inf, 10);
    EXPECT_TRUE(l->limites().isNull());
    f.grab(); // peindre ne doit pas planter
}
