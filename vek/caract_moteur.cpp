// SPDX-License-Identifier: GPL-3.0-or-later
#include "caract_moteur.h"

#include "ecriture.h"
#include "nombre.h"
#include "programme_vek.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Ligne_caract {
    const char *legende, *saisie, *afficheur;
};

// Les sept valeurs, réparties dans trois cadres.
constexpr Ligne_caract lignes[7] = {
    {QT_TRANSLATE_NOOP("CaractMoteur", "Tension nominale d'induit (V) :"), "choixUi", "afficheUi"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Intensité nominale d'induit (A) :"), "choixIi", "afficheIi"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Résistance de l'induit (Ohm) :"), "choixRi", "afficheRi"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Tension nominale de l'inducteur (V) :"), "choixUe", "afficheUe"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Intensité nominale d'inducteur (A) :"), "choixIe", "afficheIe"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Fréquence de rotation nominale (tr/min) :"), "choixNn",
     "afficheNn"},
    {QT_TRANSLATE_NOOP("CaractMoteur", "Puissance nominale du moteur (W) :"), "choixPmn", "affichePmn"},
};

using ecriture::ecrit;
using ecriture::ecrit_simple;

} // namespace

CaractMoteur::CaractMoteur(ProgrammeVek &programme)
    : Feuille(QStringLiteral("caract_moteur"), tr("Caractéristiques des machines "), 7815, 5235),
      programme_(programme)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const struct {
        const char *nom, *legende;
        double haut, hauteur;
        int premier, nombre;
        double rangs[3];
    } cadres[] = {
        {"Caract_induit",
         QT_TRANSLATE_NOOP("CaractMoteur", "Caractéristiques de l'induit"),
         240,
         1695,
         0,
         3,
         {360, 720, 1080}},
        {"Caract_inducteur",
         QT_TRANSLATE_NOOP("CaractMoteur", "Caractéristiques de l'inducteur"),
         2160,
         1095,
         3,
         2,
         {360, 720, 0}},
        {"Caract_méca",
         QT_TRANSLATE_NOOP("CaractMoteur", "Caractéristiques mécaniques"),
         3480,
         1455,
         5,
         2,
         {480, 960, 0}},
    };
    for (const auto &c : cadres) {
        QGroupBox *g = cadre(QString::fromUtf8(c.nom), tr(c.legende), 600, c.haut, 5175, c.hauteur);
        for (int i = 0; i < c.nombre; ++i) {
            const int rang = c.premier + i;
            const double y = c.rangs[i];
            // La légende longue du cadre mécanique tient sur deux lignes.
            const double hauteur_legende = rang == 5 ? 420 : 285;
            label(QStringLiteral("Label_%1").arg(lignes[rang].saisie), tr(lignes[rang].legende), 120, y, 2940,
                  hauteur_legende, g);
            afficheurs_[rang] = afficheur(QString::fromUtf8(lignes[rang].afficheur), 3120, y, 855, 255, g);
            saisies_[rang] = saisie(QString::fromUtf8(lignes[rang].saisie), 4080, y, 855, 285, g);
            connect(saisies_[rang], &QLineEdit::textChanged, this, [this, rang] { saisie_Change(rang); });
        }
    }
    Bouton *b200 = bouton(QStringLiteral("deuxcent_W"), tr("Machine %1 W").arg(200), 6120, 1680, 1335, 495);
    Bouton *b3k = bouton(QStringLiteral("trois_kW"), tr("Machine %1 kW").arg(3), 6120, 2520, 1335, 495);
    Bouton *b6k = bouton(QStringLiteral("six_kW"), tr("Machine %1 kW").arg(6), 6120, 3360, 1335, 495);
    Bouton *ok = bouton(QStringLiteral("boutonOK"), QStringLiteral("OK"), 6240, 4440, 1215, 495);
    connect(b200, &QPushButton::clicked, this, &CaractMoteur::deuxcent_W_Click);
    connect(b3k, &QPushButton::clicked, this, &CaractMoteur::trois_kW_Click);
    connect(b6k, &QPushButton::clicked, this, &CaractMoteur::six_kW_Click);
    connect(ok, &QPushButton::clicked, this, &CaractMoteur::boutonOK_Click);
    rafraichir_caracteristiques();
}

void CaractMoteur::saisie_Change(int rang)
{
    const double v = nombre::lire_nombre(saisies_[static_cast<std::size_t>(rang)]->text().toStdString());
    vek::Caracteristiques &c = programme_.caracteristiques;
    switch (rang) {
    case 0: c.Uin = v; break;
    case 1: c.Iin = v; break;
    case 2: c.Ri = nombre::en_simple(v); break;
    case 3: c.Uen = v; break;
    case 4: c.Ien = nombre::en_simple(v); break;
    case 5: c.nn = v; break;
    case 6: c.Pmn = nombre::en_simple(v); break;
    }
    rafraichir_caracteristiques();
}

void CaractMoteur::rafraichir_caracteristiques()
{
    const vek::Caracteristiques &c = programme_.caracteristiques;
    const QString textes[7] = {ecrit(c.Uin), ecrit(c.Iin), ecrit_simple(c.Ri),  ecrit(c.Uen),
                               ecrit_simple(c.Ien), ecrit(c.nn), ecrit_simple(c.Pmn)};
    for (std::size_t i = 0; i < afficheurs_.size(); ++i)
        afficheurs_[i]->setText(textes[i]);
}

void CaractMoteur::vider_caracteristiques()
{
    for (QLineEdit *e : saisies_)
        e->setText(QString()); // chaque saisie vidée passe sa valeur à 0
}

void CaractMoteur::deuxcent_W_Click()
{
    vider_caracteristiques();
    programme_.caracteristiques = vek::machine_200W();
    rafraichir_caracteristiques();
}

void CaractMoteur::trois_kW_Click()
{
    vider_caracteristiques();
    programme_.caracteristiques = vek::machine_3kW();
    rafraichir_caracteristiques();
}

void CaractMoteur::six_kW_Click()
{
    vider_caracteristiques();
    programme_.caracteristiques = vek::machine_6kW();
    rafraichir_caracteristiques();
}

void CaractMoteur::boutonOK_Click()
{
    programme_.reglages.Ue = 0;
    programme_.ouvrir_machine1();
    close();
}
