// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « spectre » des programmes d'électronique de puissance : pour une
// grandeur choisie, le diagramme en bâtons des valeurs efficaces des rangs 1
// à 50, leur tableau (fréquence, valeur efficace, % du fondamental, phase),
// la moyenne, la valeur efficace, le fondamental et le THD, et les puissances
// du montage (P, S, facteur de puissance, cos φ1). Tout vient du calcul exact
// de oscillo::contenu_spectre ; la fenêtre suit le montage (angle, f.é.m.,
// pas du balayage) sans rien faire au top.

#include "exportation.h"
#include "fichier_sur.h"
#include "feuille.h"
#include "harmoniques.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QPainter;
class QTableWidget;

namespace oscillo {

// Une lecture du spectre telle que la fenêtre l'écrit, dans la langue de
// l'interface : « 56,44 » ; avec une unité, « 56,44 mA » (un zéro reste
// « 0 ») ; « hors d'échelle » ; vide.
QString texte_lecture(const Lecture &l);
QString texte_lecture(const Lecture &l, const QString &unite);
// L'unité d'un afficheur, préfixe compris (« mA »).
QString unite_lecture(const Lecture &l, const QString &unite);
// La même lecture pour une case du fichier CSV : notation décimale avec un
// point, sans préfixe (0.05644), ou « hors d'échelle ».
std::string decimal_lecture(const Lecture &l);

// Le diagramme en bâtons des rangs 1 à 50 dans « zone » : échelle verticale
// graduée avec son unité, rangs numérotés, le rang « marque » (0 : aucun)
// surligné. Une seule routine pour l'écran, l'imprimante et le PDF ; la
// police donne la taille des textes dans l'unité du peintre.
struct Diagramme {
    const ContenuSpectre *contenu = nullptr;
    QColor couleur;   // des bâtons
    QString unite;    // de la grandeur, sans préfixe
    int marque = 0;
};
void peindre_diagramme(QPainter &p, const QRectF &zone, const Diagramme &d, const QFont &police);
// Le rang sous l'abscisse x d'un diagramme peint dans « zone » (0 : aucun).
int rang_sous(const QRectF &zone, double x, const QFont &police);

class FenetreSpectre : public Feuille, public exportation::Exportateur
{
    Q_OBJECT
public:
    // « reglage » donne le pas de temps du balayage (s) et sa fréquence
    // (Hz) au moment du calcul. La fenêtre appartient à « parent » (la
    // fenêtre des oscillogrammes), qui la détruit avec elle.
    FenetreSpectre(const Circuit &circuit, std::function<std::pair<double, int>()> reglage, QWidget *parent);

    // Gestionnaires.
    void choix_spectre_Click(int indice);
    void exporter_spectre_Click();
    void imprimer_spectre_Click();
    // Le pointeur sur le diagramme, à l'abscisse x (pixels du diagramme) ;
    // une case du tableau choisie.
    void diagramme_MouseMove(double x);
    void table_spectre_CurrentCellChanged(int ligne);
    // Le montage ou le pas a changé : tout est recalculé et réécrit.
    void rafraichir();

    const ContenuSpectre &contenu() const { return contenu_; }
    // Le tableau tel qu'il irait dans le fichier CSV.
    tableur::Tableau tableau() const;
    int rang_marque() const { return rang_marque_; }

    // La page imprimée : titre (grandeur, programme, date), diagramme, valeurs
    // et tableau des 50 rangs, en traits et textes, dans « cible ».
    void rendre_page(QPainter &p, const QRectF &cible) const;
    fichier_sur::Ecriture enregistrer_pdf(const QString &chemin) const;

    // Ce qui parle au système ; les tests les remplacent.
    std::function<bool()> imprimante_disponible;
    std::function<QString()> demander_fichier_pdf;

private:
    void marquer(int rang);
    Diagramme diagramme() const;
    void enregistrer_page(const QString &chemin);

    const Circuit &circuit_;
    std::function<std::pair<double, int>()> reglage_;
    ContenuSpectre contenu_;
    QComboBox *choix_spectre_ = nullptr;
    QTableWidget *table_ = nullptr;
    QLabel *aff_moyenne_ = nullptr, *aff_efficace_ = nullptr, *aff_fondamental_ = nullptr, *aff_thd_ = nullptr;
    QLabel *aff_p_ = nullptr, *aff_s_ = nullptr, *aff_fp_ = nullptr, *aff_cosphi1_ = nullptr, *aff_pe_ = nullptr;
    QWidget *diagramme_ = nullptr;
    int rang_marque_ = 0;
};

} // namespace oscillo
