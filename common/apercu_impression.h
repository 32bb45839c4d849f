// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aperçu avant impression de l'enregistreur de courbes : le graphe en grand
// avec sa grille pointillée, un titre, l'ajustement polynomial facultatif, la
// lecture des coordonnées sous le pointeur et l'impression de la fenêtre.
// Il lit courbe_enregistree à chaque tracé et ne l'écrit jamais.

#include "courbe_enregistree.h"
#include "feuille.h"
#include "fichier_sur.h"

#include <QFont>
#include <QPageLayout>
#include <QRectF>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPainter;
class QPrinter;
class QTimer;

class ApercuImpression : public Feuille
{
    Q_OBJECT
public:
    ApercuImpression(const courbe::CourbeEnregistree &etat, const courbe::Variante &variante);

    void Timer1_Timer();
    void actualiser_Click();
    void interpol_Click();
    void impression_Click();
    // Déplacement du pointeur à la position (x, y) en twips.
    void Form_MouseMove(double x, double y);

    void tracer_apercu();

    // Repère de l'aperçu (axes du programme).
    courbe::Repere repere() const { return variante_.repere_apercu; }

    bool courbe_tracee() const { return courbe_tracee_; }
    const std::vector<double> &coefficients() const { return coefficients_; }
    int x_ecran(int i) const { return x_ecran_.at(static_cast<std::size_t>(i)); }
    int y_ecran(int i) const { return y_ecran_.at(static_cast<std::size_t>(i)); }

    // La page : le graphe tel que l'aperçu le montre, par le même dessin
    // (peindre_graphe), puis le titre, le nom du programme et la date, en
    // traits et en textes (vectoriels sur une imprimante ou un PDF), mis à
    // l'échelle dans « cible » et centrés. Les contrôles de la fenêtre n'y
    // sont pour rien : l'impression ne les touche pas.
    void rendre_page(QPainter &p, const QRectF &cible) const;
    // Une page sur l'imprimante donnée ; faux si elle ne peut pas s'ouvrir.
    bool imprimer(QPrinter &imprimante);
    // La même page dans un fichier PDF, écrit par fichier_sur.
    fichier_sur::Ecriture enregistrer_pdf(const QString &chemin);

    // Ce qui parle à l'élève et au système ; les tests les remplacent.
    std::function<void(const QString &)> montrer_message;
    std::function<bool()> imprimante_disponible;
    // Chemin du PDF, chaîne vide si l'élève renonce. Sans cette fonction (le
    // cas du programme), la boîte de choix du fichier, « choix_fichier_pdf »,
    // s'ouvre sans bloquer et l'enregistrement suit son acceptation.
    std::function<QString()> demander_fichier_pdf;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Un texte du graphe : légende d'axe, maximum ou pas d'un axe. À
    // l'écran, c'est son label (lu par les tests et les lecteurs d'écran) qui
    // le montre, à cette place, dans cette police ; sur la page, il est écrit
    // à la même place.
    struct TexteGraphe {
        QLabel *label = nullptr;
        QString texte;
        QRectF place; // twips
        QFont police;
        Qt::Alignment alignement;
        bool retour_ligne = true; // à l'écran, le label revient à la ligne
    };
    // Ce que montre le graphe, figé au tracé : un point enregistré depuis
    // n'y entre qu'avec « Actualiser l'affichage ».
    struct Graphe {
        courbe::Disposition disposition;
        std::vector<TexteGraphe> textes;
        std::vector<courbe::Segment> segments; // courbe ajustée, vide sans courbe
    };
    enum class Support { ecran, page };

    void creer_controles();
    Graphe composer(const courbe::CourbeEnregistree &c) const;
    // Le seul dessin du graphe, dans un peintre en twips : fond blanc,
    // grille, marques des points, courbe ajustée, axes et flèches ; sur la
    // page, les textes, le titre, le programme et la date en plus.
    void peindre_graphe(QPainter &p, Support support) const;
    // Le graphe à l'écran : ses labels, puis la surface entière.
    void montrer_graphe();
    void legende_interpol(bool dessiner);
    void ouvrir_choix_fichier();
    QPageLayout::Orientation orientation() const;
    void enregistrer_page(const QString &chemin);

    const courbe::CourbeEnregistree &etat_;
    const courbe::Variante &variante_;

    std::array<int, courbe::capacite + 1> x_ecran_{}, y_ecran_{};
    int points_dessines_ = 0; // points montrés par le dernier tracé
    bool courbe_tracee_ = false;
    std::vector<double> coefficients_;
    Graphe graphe_;
    // Hauteur de la page (twips) : titre, puis programme et date.
    double bas_page() const;

    Bouton *interpol_ = nullptr, *actualiser_ = nullptr, *impression_ = nullptr;
    QLineEdit *Text1_ = nullptr;
    QWidget *zone_lecture_ = nullptr; // lecture des coordonnées au clavier
    QLabel *Label_x_ = nullptr, *Label_y_ = nullptr, *label_xmax_ = nullptr, *label_ymax_ = nullptr;
    QLabel *label_echelle_x_ = nullptr, *label_echelle_y_ = nullptr, *aff_coord_ = nullptr;
    QTimer *Timer1_ = nullptr;
};
