// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base de toutes les fenêtres de la suite : zone cliente en twips, contrôles
// placés en twips, surface de dessin persistante et éléments graphiques (traits
// et formes) posés au-dessus de la surface, déplacés à l'exécution.
//
// La surface est une image aux dimensions des pixels physiques (nette sur un
// écran HiDPI) : ce qu'on y dessine reste jusqu'à ce qu'on le recouvre. Chaque
// modification ne fait repeindre que la région qu'elle touche.

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPolygonF>
#include <QPushButton>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPainter;
class QTimer;
class Feuille;

// Trait ou forme posé sur une feuille, au-dessus de la surface de dessin et
// au-dessous des contrôles. Coordonnées en twips.
// Visibilité et extrémités sont des propriétés Qt : on les lit par leur nom
// (property("x2")) sur tout élément retrouvé par son nom d'objet.
class ElementGraphique : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ visible WRITE setVisible)
public:
    ElementGraphique(Feuille *feuille, const QString &nom);

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // Rectangle couvert, en twips, épaisseur comprise.
    virtual QRectF limites() const = 0;
    virtual void peindre(QPainter &p) const = 0;

protected:
    // À appeler avant et après chaque changement : repeint l'ancienne et la
    // nouvelle place seulement.
    void invalider();

private:
    Feuille *feuille_;
    bool visible_ = true;
};

// Trait entre deux points ; largeur en pixels, comme l'épaisseur de dessin.
class Ligne : public ElementGraphique
{
    Q_OBJECT
    Q_PROPERTY(double x1 READ x1 WRITE setX1)
    Q_PROPERTY(double y1 READ y1 WRITE setY1)
    Q_PROPERTY(double x2 READ x2 WRITE setX2)
    Q_PROPERTY(double y2 READ y2 WRITE setY2)
public:
    Ligne(Feuille *feuille, const QString &nom, double x1, double y1, double x2, double y2,
          QColor couleur = Qt::black, int largeur = 1);

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    QColor couleur() const { return couleur_; }
    int largeur() const { return largeur_; }

    void placer(double x1, double y1, double x2, double y2);
    void setX1(double x) { placer(x, y1_, x2_, y2_); }
    void setY1(double y) { placer(x1_, y, x2_, y2_); }
    void setX2(double x) { placer(x1_, y1_, x, y2_); }
    void setY2(double y) { placer(x1_, y1_, x2_, y); }
    void setCouleur(const QColor &couleur);

    QRectF limites() const override;
    void peindre(QPainter &p) const override;

private:
    double x1_, y1_, x2_, y2_;
    QColor couleur_;
    int largeur_;
};

// Forme pleine : rectangle, rectangle arrondi ou ellipse.
class Forme : public ElementGraphique
{
    Q_OBJECT
public:
    enum class Type { rectangle, rectangle_arrondi, ellipse };

    Forme(Feuille *feuille, const QString &nom, Type type, double gauche, double haut, double largeur,
          double hauteur, QColor remplissage, QColor bordure = Qt::black);

    QColor remplissage() const { return remplissage_; }
    QColor bordure() const { return bordure_; }
    void setRemplissage(const QColor &couleur);
    void placer(double gauche, double haut, double largeur, double hauteur);

    QRectF limites() const override;
    void peindre(QPainter &p) const override;

private:
    Type type_;
    QRectF rect_;
    QColor remplissage_, bordure_;
};

// Bouton dont la légende revient à la ligne quand elle ne tient pas sur une.
class Bouton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Couleur du fond du bouton (les Valid clignotants, le corps du rhéostat).
    void setFond(const QColor &couleur);
    QColor fond() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class Feuille : public QWidget
{
    Q_OBJECT
public:
    enum class Style { plein, pointille };

    // Fenêtre de haut niveau (parent nul) ou feuille incluse, de zone cliente
    // largeur x hauteur twips, de taille fixe.
    Feuille(const QString &nom, const QString &titre, double largeur, double hauteur,
            QWidget *parent = nullptr);

    // Place un contrôle enfant : gauche, haut, largeur, hauteur en twips.
    static void placer(QWidget *controle, double gauche, double haut, double largeur, double hauteur);

    // Fabriques des contrôles usuels, chacun nommé et placé. Le parent est
    // la feuille sauf indication contraire (un cadre, par exemple).
    QLabel *label(const QString &nom, const QString &texte, double gauche, double haut, double largeur,
                  double hauteur, QWidget *parent = nullptr);
    // Afficheur : label au fond 0x80C0FF, bordé, texte centré.
    QLabel *afficheur(const QString &nom, double gauche, double haut, double largeur, double hauteur,
                      QWidget *parent = nullptr);
    Bouton *bouton(const QString &nom, const QString &legende, double gauche, double haut, double largeur,
                   double hauteur, QWidget *parent = nullptr);
    QLineEdit *saisie(const QString &nom, double gauche, double haut, double largeur, double hauteur,
                      QWidget *parent = nullptr);
    QCheckBox *case_a_cocher(const QString &nom, const QString &legende, double gauche, double haut,
                             double largeur, double hauteur);
    QComboBox *liste(const QString &nom, double gauche, double haut, double largeur, double hauteur);
    QGroupBox *cadre(const QString &nom, const QString &legende, double gauche, double haut, double largeur,
                     double hauteur);
    QTimer *minuterie(const QString &nom, int intervalle, bool active);

    // Ordre de la touche Tab : les contrôles donnés se suivent dans cet ordre,
    // à la place du premier (les autres gardent l'ordre de leur création).
    static void ordre_tab(const std::vector<QWidget *> &controles);

    // Message à l'élève, avec OK, sans bloquer : la boîte, nommée « message »,
    // est modale pour cette fenêtre seulement et lui appartient. Si la fenêtre
    // se ferme (ou est détruite) pendant que la boîte est ouverte, la boîte
    // part avec elle ; une boîte locale sur la pile serait alors détruite deux
    // fois.
    QMessageBox *message_information(const QString &titre, const QString &texte);

    // Choix du fichier à écrire : par « demander » s'il est donné (les
    // essais ; il rend le nom tapé, vide si l'élève renonce, et tient lieu
    // d'une boîte du système qui a déjà fait confirmer le remplacement de ce
    // nom-là : la question ne vient que si l'extension ajoutée mène à un
    // fichier existant), sinon par une
    // boîte d'enregistrement sur le tas comme la précédente, nommée « nom »,
    // ouverte sans boucle d'attente et détruite à sa fermeture. L'extension
    // « suffixe » est ajoutée à un nom sans point avant toute question ; si le
    // fichier de ce nom final existe, la boîte « confirmer_remplacement »
    // demande, sans bloquer, s'il faut le remplacer (la boîte d'enregistrement
    // ne demande rien : elle demanderait pour le nom tapé, sans l'extension).
    // « suite » reçoit le nom final confirmé. Si la fenêtre disparaît pendant
    // le choix ou la question, la boîte part avec elle et « suite » n'est pas
    // appelée. Rend la boîte d'enregistrement (nulle avec « demander »).
    QFileDialog *choix_fichier_a_enregistrer(const QString &nom, const QString &titre, const QString &propose,
                                             const QString &filtre, const QString &suffixe,
                                             const std::function<QString()> &demander,
                                             std::function<void(const QString &)> suite);

    Ligne *ligne(const QString &nom, double x1, double y1, double x2, double y2, QColor couleur = Qt::black,
                 int largeur = 1);
    Forme *forme(const QString &nom, Forme::Type type, double gauche, double haut, double largeur,
                 double hauteur, QColor remplissage, QColor bordure = Qt::black);

    // Dessin sur la surface persistante.
    void setDrawWidth(int pixels) { epaisseur_ = pixels < 1 ? 1 : pixels; }
    void setDrawStyle(Style style) { style_ = style; }
    void setForeColor(const QColor &couleur) { avant_plan_ = couleur; }
    QColor foreColor() const { return avant_plan_; }
    QColor couleurFond() const;
    QColor couleurFaceBouton() const;
    void trait(double x1, double y1, double x2, double y2);
    void trait(double x1, double y1, double x2, double y2, const QColor &couleur);
    // Le même trait sur tout peintre en twips (la surface, une image, une
    // imprimante, un PDF) : « largeur » pixels logiques, un nombre entier de
    // pixels de l'appareil, posé sur leur grille s'il est horizontal ou
    // vertical. Rien n'est tracé si une extrémité n'est pas dessinable.
    static void trait_net(QPainter &p, double x1, double y1, double x2, double y2, const QColor &couleur,
                          int largeur, Style style = Style::plein);
    // Boîte pleine entre deux coins.
    void boite_pleine(double x1, double y1, double x2, double y2, const QColor &couleur);
    // Texte sur la surface, coin haut gauche en twips.
    void texte(double gauche, double haut, const QString &texte, const QFont &police,
               const QColor &couleur = Qt::black);
    // Polygone fermé (sommets en twips), bordé de « couleur » à l'épaisseur
    // de dessin et rempli si « remplissage » est valide.
    void polygone(const QPolygonF &sommets, const QColor &couleur, const QColor &remplissage = QColor());
    // Cercle de centre (cx, cy) et de rayon r, rempli si « remplissage » est valide.
    void cercle(double cx, double cy, double r, const QColor &couleur, const QColor &remplissage = QColor());
    // Efface toute la surface à la couleur de fond.
    void effacer_surface();

    // L'image de la surface, pour les tests.
    const QImage &surface() const { return surface_; }

    // Témoin de chaque texte peint sur une surface, avec sa place en twips :
    // les essais y jugent les nombres dessinés (graduations, échelles,
    // valeurs) comme ceux des contrôles. Vide dans les programmes.
    static inline std::function<void(const Feuille &, const QString &, const QRectF &)> temoin_texte;

    // Repeint le rectangle de twips donné (élargi d'une marge de pixels).
    void repeindre(const QRectF &zone, int marge = 2);

protected:
    // Dessin sur la surface persistante : « f » reçoit un peintre en twips ;
    // la zone donnée (twips), élargie de « marge » pixels, est repeinte.
    void dessiner(const QRectF &zone, int marge, const std::function<void(QPainter &)> &f);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Chaque fois qu'elle paraît, la fenêtre nomme ses contrôles pour les
    // lecteurs d'écran (accessibilite.h).
    void showEvent(QShowEvent *event) override;

private:
    friend class ElementGraphique;
    void preparer_surface();

    QImage surface_;
    std::vector<ElementGraphique *> elements_;
    int epaisseur_ = 1;
    Style style_ = Style::plein;
    QColor avant_plan_ = Qt::black;
};

// --- Minuteries jumelles des bancs ------------------------------------------
// L'arbre qui scintille et les boutons Valid qui clignotent sont menés par
// deux minuteries qui se passent la main : chaque top arrête la sienne et
// lance l'autre.
namespace minuteries {

void passer_la_main(QTimer *de, QTimer *a);

// Couleur système de la bordure d'une fenêtre active, fond des Valid éteints.
QColor bordure_active();

// Un temps du clignotement des Valid : fond rouge (255) pour chaque bouton
// actif quand « rouge », sinon la couleur de la bordure active. Seuls les
// boutons dont la couleur change sont repeints.
void faire_clignoter(std::initializer_list<Bouton *> boutons, bool rouge);

} // namespace minuteries
