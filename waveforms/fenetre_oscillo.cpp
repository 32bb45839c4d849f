// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_oscillo.h"

#include "accessibilite.h"
#include "exportation.h"
#include "fenetre_harmoniques.h"
#include "nombre.h"
#include "placement.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace oscillo {

namespace {

// Couleur du curseur : rouge clair.
const QColor couleur_curseur(255, 192, 192);

// Colonne des valeurs, à droite de chaque panneau, depuis le haut de son axe
// des valeurs : trois paires libellé / afficheur (instantanée, moyenne,
// efficace), une toutes les 630 unités.
constexpr double pas_paire = 630, libelle_vers_afficheur = 270, haut_afficheur = 285;
constexpr double bas_colonne = 30 + 2 * pas_paire + libelle_vers_afficheur + haut_afficheur;
// Bouton d'exportation de la période, en bas à gauche de la fenêtre.
constexpr double haut_bouton_export = 345, marge_basse = 135;

// La fenêtre descend assez bas pour la valeur efficace du dernier panneau.
double hauteur_fenetre(double hauteur, const GeometriePanneaux &g)
{
    const double haut_dernier = std::min(g.y_haut[nombre_panneaux - 1], g.y_bas[nombre_panneaux - 1]);
    return std::max(hauteur, haut_dernier + bas_colonne + 150);
}

// Légende d'une grandeur ou d'un dipôle du montage, dans la langue de l'interface.
QString texte_grandeur(std::string_view legende)
{
    return traductions::texte("grandeurs", legende);
}

void ecrire(QLabel *label, const QString &texte)
{
    // Un texte inchangé ne fait rien repeindre.
    if (label->text() != texte)
        label->setText(texte);
}

} // namespace

void habiller_afficheur(QLabel *l)
{
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(false);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
}

QString texte_local(double valeur)
{
    if (!std::isfinite(valeur) || valeur == 0.0)
        return QStringLiteral("0");
    QLocale langue;
    langue.setNumberOptions(QLocale::OmitGroupSeparator);
    return langue.toString(valeur, 'g', 15);
}

FenetreOscillo::FenetreOscillo(const QString &nom, const QString &titre, double largeur, double hauteur,
                               const GeometriePanneaux &geometrie, Circuit &circuit)
    : Feuille(nom, titre, largeur, hauteur_fenetre(hauteur, geometrie)), circuit_(circuit),
      balayage_(circuit, *this)
{
    montrer_message = [this](const QString &texte) { message_information(windowTitle(), texte); };
    for (int i = 0; i < nombre_panneaux; ++i)
        creer_panneau(i, geometrie);
    // Les quatre panneaux d'oscillogrammes (leurs axes les bornent) : une
    // annexe qui doit couvrir le banc, le spectre surtout, les laisse voir.
    QRectF panneaux;
    for (int i = 0; i < nombre_panneaux; ++i)
        panneaux |= lx_[i]->limites() | ly_[i]->limites();
    setProperty(placement::propriete_zone_a_garder,
                twips::rect_px(panneaux.left(), panneaux.top(), panneaux.width(), panneaux.height()));
    ld_ = ligne(QStringLiteral("ld"), geometrie.x_ld, geometrie.y_ld_haut, geometrie.x_ld, geometrie.y_ld_bas,
                couleur_curseur);
    creer_commandes(geometrie, hauteur_fenetre(hauteur, geometrie));
    Timer1_ = minuterie(QStringLiteral("Timer1"), 100, false);
    connect(Timer1_, &QTimer::timeout, this, &FenetreOscillo::Timer1_Timer);
}

void FenetreOscillo::creer_panneau(int i, const GeometriePanneaux &g)
{
    const QString n = QStringLiteral("(%1)").arg(i);
    lx_[i] = ligne(QStringLiteral("lx") + n, g.x_gauche, g.y_axe[i], g.x_droite, g.y_axe[i]);
    ly_[i] = ligne(QStringLiteral("ly") + n, g.x_gauche, g.y_haut[i], g.x_gauche, g.y_bas[i]);

    // Les contrôles du panneau se placent d'après ses axes.
    const double x1 = lx_[i]->x1(), x2 = lx_[i]->x2(), y = lx_[i]->y1();
    const double haut = std::min(ly_[i]->y1(), ly_[i]->y2());

    choix_grandeur_[i] = liste(QStringLiteral("choix_grandeur") + n, x1, haut - 540, x2 - x1, 330);
    choix_grandeur_[i]->setToolTip(tr("Choisir la grandeur à visualiser"));
    // Indication grisée tant que rien n'est choisi ; le texte de la liste reste vide.
    choix_grandeur_[i]->setPlaceholderText(tr("Choisir une grandeur"));
    connect(choix_grandeur_[i], &QComboBox::activated, this, [this, i] { choix_grandeur_Click(i); });

    labelymax_[i] = label(QStringLiteral("labelymax") + n, QString(), x1 - 780, haut - 120, 720, 240);
    labelymax_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Labelxmax_[i] = label(QStringLiteral("Labelxmax") + n, QString(), x2 - 360, y + 60, 720, 240);
    Labelxmax_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label(QStringLiteral("Label%1").arg(i + 1), QStringLiteral("t(s)"), x2 + 90, y - 120, 480, 240);

    const double xv = x2 + 600;
    const struct {
        const char *libelle, *texte, *afficheur;
        QLabel **cible;
    } paires[] = {
        {"Label_vinst", QT_TRANSLATE_NOOP("oscillo::FenetreOscillo", "Valeur instantanée ="), "aff_vinst",
         &aff_vinst_[i]},
        {"Label_vmoy", QT_TRANSLATE_NOOP("oscillo::FenetreOscillo", "Valeur moyenne ="), "aff_vmoy", &aff_vmoy_[i]},
        {"Label_veff", QT_TRANSLATE_NOOP("oscillo::FenetreOscillo", "Valeur efficace ="), "aff_veff",
         &aff_veff_[i]},
    };
    double y_libelle = haut + 30;
    for (const auto &p : paires) {
        label(QString::fromUtf8(p.libelle) + n, tr(p.texte), xv, y_libelle, 1800, 255);
        *p.cible = label(QString::fromUtf8(p.afficheur) + n, QString(), xv,
                         y_libelle + libelle_vers_afficheur, 1320, haut_afficheur);
        habiller_afficheur(*p.cible);
        // Quatre panneaux pareils : le lecteur d'écran dit lequel.
        accessibilite::nommer_afficheur(*p.cible,
                                        tr("%1, panneau %2")
                                            .arg(accessibilite::texte_lisible(tr(p.texte)))
                                            .arg(i + 1));
        y_libelle += pas_paire;
    }
    choix_grandeur_[i]->setAccessibleName(tr("Grandeur du panneau %1").arg(i + 1));
}

void FenetreOscillo::creer_commandes(const GeometriePanneaux &g, double hauteur)
{
    const double x = g.x_commandes, y = g.y_commandes;
    arret_ = bouton(QStringLiteral("arret"), tr("Démarrer "), x, y, 1215, 495);
    arret_->setToolTip(tr("Démarrer, arrêter ou reprendre le balayage"));
    connect(arret_, &QPushButton::clicked, this, &FenetreOscillo::arret_Click);
    label(QStringLiteral("Label10"), tr(" Mouvement du curseur"), x + 1395, y - 60, 2100, 255);
    Bouton *plus =
        bouton(QStringLiteral("accelere"), tr("Accélérer"), x + 1395, y + 210, 1035, 345);
    plus->setToolTip(tr("Accélérer le curseur"));
    connect(plus, &QPushButton::clicked, this, &FenetreOscillo::accelere_Click);
    Bouton *moins =
        bouton(QStringLiteral("Ralentir"), tr("Ralentir"), x + 2490, y + 210, 1035, 345);
    moins->setToolTip(tr("Ralentir le curseur"));
    connect(moins, &QPushButton::clicked, this, &FenetreOscillo::Ralentir_Click);

    Bouton *exporter = bouton(QStringLiteral("exporter_periode"), tr("Exporter la période…"), x,
                              hauteur - marge_basse - haut_bouton_export, 2400, haut_bouton_export);
    exporter->setToolTip(tr("Enregistrer une période des grandeurs choisies dans un fichier CSV, "
                            "pour un tableur"));
    connect(exporter, &QPushButton::clicked, this, &FenetreOscillo::exporter_periode_Click);
    Bouton *spectre = bouton(QStringLiteral("bouton_spectre"), tr("Spectre…"), x + 2520,
                             hauteur - marge_basse - haut_bouton_export, 1500, haut_bouton_export);
    spectre->setToolTip(tr("Harmoniques, taux de distorsion et puissances, calculés exactement"));
    connect(spectre, &QPushButton::clicked, this, &FenetreOscillo::bouton_spectre_Click);
    commandes_ = {arret_, plus, moins, exporter, spectre};
}

void FenetreOscillo::ajouter_saisie(QWidget *saisie, QWidget *valid)
{
    saisies_.push_back(saisie);
    saisies_.push_back(valid);
    std::vector<QWidget *> ordre = saisies_;
    ordre.insert(ordre.end(), choix_grandeur_.begin(), choix_grandeur_.end());
    ordre.insert(ordre.end(), commandes_.begin(), commandes_.end());
    ordre_tab(ordre);
}

void FenetreOscillo::charger_balayage()
{
    for (QComboBox *liste : choix_grandeur_) {
        for (const Grandeur &g : circuit_.grandeurs())
            liste->addItem(texte_grandeur(g.legende));
        liste->setCurrentIndex(-1);
    }
    balayage_.charger();
}

void FenetreOscillo::ajouter_composant(int jeu, int k, std::vector<Ligne *> traits)
{
    if (jeu < 0 || k < 0)
        return;
    if (composants_.size() <= static_cast<std::size_t>(jeu))
        composants_.resize(jeu + 1);
    auto &dessins = composants_[jeu];
    if (dessins.size() <= static_cast<std::size_t>(k))
        dessins.resize(k + 1);
    dessins[k] = std::move(traits);
}

void FenetreOscillo::fleche(double x1, double y1, double x2, double y2)
{
    setDrawWidth(1);
    trait(x1, y1, x2, y2, Qt::black);
    const double longueur = std::hypot(x2 - x1, y2 - y1);
    if (!(longueur > 0.0))
        return;
    // Barbes de 90 unités à 25° de part et d'autre de la tige.
    const double ux = (x1 - x2) / longueur, uy = (y1 - y2) / longueur;
    const double c = std::cos(0.436), s = std::sin(0.436), b = 90;
    trait(x2, y2, x2 + b * (ux * c - uy * s), y2 + b * (uy * c + ux * s), Qt::black);
    trait(x2, y2, x2 + b * (ux * c + uy * s), y2 + b * (uy * c - ux * s), Qt::black);
}

// --- Gestionnaires ------------------------------------------------------------

void FenetreOscillo::Timer1_Timer()
{
    balayage_.Timer1_Timer();
}

void FenetreOscillo::arret_Click()
{
    balayage_.arret_Click();
}

void FenetreOscillo::accelere_Click()
{
    balayage_.accelere_Click();
}

void FenetreOscillo::Ralentir_Click()
{
    balayage_.Ralentir_Click();
}

void FenetreOscillo::choix_grandeur_Click(int)
{
    // La liste cliquée importe peu : les quatre sont relues.
    std::array<int, nombre_panneaux> selections{};
    for (int i = 0; i < nombre_panneaux; ++i)
        selections[i] = choix_grandeur_[i]->currentIndex();
    balayage_.choix_grandeur_Click(selections);
}

void FenetreOscillo::bouton_spectre_Click()
{
    if (!spectre_) {
        spectre_ = new FenetreSpectre(
            circuit_, [this] { return std::pair<double, int>(balayage_.dt(), balayage_.f()); }, this);
        spectre_->show();
    }
    spectre_->raise();
    spectre_->activateWindow();
}

void FenetreOscillo::valeurs_exactes_changees()
{
    if (spectre_)
        spectre_->rafraichir();
}

tableur::Tableau FenetreOscillo::tableau_periode() const
{
    const Periode p = balayage_.echantillonner_periode(echantillons_export);
    tableur::Tableau t;
    // Les en-têtes, lus dans le tableur, dans la langue de l'interface.
    for (const std::string &legende : p.legendes)
        t.entetes.push_back(texte_grandeur(legende).toStdString());
    t.lignes.reserve(p.lignes.size());
    for (const auto &ligne : p.lignes) {
        std::vector<std::string> textes;
        textes.reserve(ligne.size());
        for (double v : ligne)
            textes.push_back(nombre::texte_nombre(v));
        t.lignes.push_back(std::move(textes));
    }
    return t;
}

void FenetreOscillo::exporter_periode_Click()
{
    bool choisie = false;
    for (int i = 0; i < nombre_panneaux; ++i)
        choisie = choisie || balayage_.choix(i) >= 0;
    if (!choisie) {
        montrer_message(
            tr("Aucune grandeur n'est choisie : choisissez-en au moins une dans les listes "
               "au-dessus des panneaux, puis exportez la période."));
        return;
    }
    exportation::Demande demande;
    demande.nom_propose = QStringLiteral("periode.csv");
    demande.titre_boite = tr("Exporter une période vers un tableur (CSV)");
    demande.demander = demander_fichier_csv;
    demande.montrer = [this](const QString &m) { montrer_message(m); };
    demande.ce_qui_est_enregistre =
        tr("Une période des grandeurs choisies (%1 instants) a été enregistrée").arg(echantillons_export);
    // Les grandeurs choisies au moment de l'enregistrement.
    exportation::exporter_csv(this, demande, [this] { return tableau_periode(); });
}

// --- Ecran --------------------------------------------------------------------

AxeTemps FenetreOscillo::axe_temps(int i) const
{
    const Ligne *l = lx_[i];
    return {std::min(l->x1(), l->x2()), std::max(l->x1(), l->x2()), l->y1()};
}

AxeValeurs FenetreOscillo::axe_valeurs(int i) const
{
    const Ligne *l = ly_[i];
    return {std::min(l->y1(), l->y2()), std::max(l->y1(), l->y2())};
}

double FenetreOscillo::x_ld() const
{
    return ld_->x1();
}

void FenetreOscillo::placer_ld(double x)
{
    ld_->placer(x, ld_->y1(), x, ld_->y2());
}

void FenetreOscillo::tracer_segment(double x1, double y1, double x2, double y2, std::uint32_t couleur)
{
    setDrawWidth(2);
    trait(x1, y1, x2, y2, couleur_bgr(couleur));
}

void FenetreOscillo::effacer_zone(double x1, double y1, double x2, double y2)
{
    boite_pleine(x1, y1, x2, y2, couleurFaceBouton());
}

void FenetreOscillo::montrer_axe_temps(int i)
{
    lx_[i]->setVisible(true);
}

void FenetreOscillo::colorer_composant(int jeu, int k, bool conduit)
{
    if (jeu < 0 || k < 0 || static_cast<std::size_t>(jeu) >= composants_.size() ||
        static_cast<std::size_t>(k) >= composants_[jeu].size())
        return;
    for (Ligne *l : composants_[jeu][k])
        l->setCouleur(conduit ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void FenetreOscillo::ecrire_vinst(int i, double valeur)
{
    ecrire(aff_vinst_[i], texte_local(valeur));
}

void FenetreOscillo::ecrire_vmoy(int i, double valeur)
{
    ecrire(aff_vmoy_[i], texte_local(valeur));
}

void FenetreOscillo::ecrire_vmoy_texte(int i, const std::string &texte)
{
    ecrire(aff_vmoy_[i], QString::fromStdString(texte));
}

void FenetreOscillo::ecrire_veff(int i, double valeur)
{
    ecrire(aff_veff_[i], texte_local(valeur));
}

void FenetreOscillo::ecrire_ymax(int i, double valeur)
{
    ecrire(labelymax_[i], texte_local(valeur));
}

void FenetreOscillo::ecrire_xmax(int i, double periode)
{
    ecrire(Labelxmax_[i], texte_local(periode));
}

void FenetreOscillo::activer_minuterie(bool active)
{
    if (active)
        Timer1_->start();
    else
        Timer1_->stop();
}

void FenetreOscillo::legende_arret(const std::string &legende)
{
    arret_->setText(traductions::texte("oscillo", legende));
}

} // namespace oscillo
