// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_harmoniques.h"

#include "fenetre_oscillo.h"
#include "nombre.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace oscillo {

namespace {

// Diagramme : axe des rangs de x_axe_gauche à x_axe_droite à la hauteur
// y_axe ; le plus grand bâton monte jusqu'à y_sommet. Twips.
constexpr double x_axe_gauche = 600, x_axe_droite = 6300, y_axe = 3120, y_sommet = 1080;
constexpr double zone_gauche = 240, zone_haut = 720, zone_droite = 6360, zone_bas = 3600;
// Colonne des afficheurs, à droite : une paire libellé / afficheur toutes les 630 unités.
constexpr double x_colonne = 6600, pas_paire_spectre = 630;

// En-têtes du tableau, à l'écran et dans le fichier CSV.
const char *const colonnes_spectre[] = {
    QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Rang"),
    QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Fréquence (Hz)"),
    QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Valeur efficace"),
    QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "% du fondamental"),
    QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Phase (°)"),
};

// Légende d'une grandeur ou du dipôle, dans la langue de l'interface.
QString legende_spectre(std::string_view legende)
{
    return traductions::texte("grandeurs", legende);
}

// L'unité d'une grandeur, entre les dernières parenthèses de sa légende.
QString unite_grandeur(std::string_view legende)
{
    const QString l = legende_spectre(legende);
    const qsizetype ouvre = l.lastIndexOf(QLatin1Char('(')), ferme = l.lastIndexOf(QLatin1Char(')'));
    return ouvre >= 0 && ferme > ouvre ? l.mid(ouvre + 1, ferme - ouvre - 1) : QString();
}

QString texte_optionnel(const std::optional<double> &v)
{
    return v ? texte_local(*v) : QString();
}

std::string nombre_optionnel(const std::optional<double> &v)
{
    return v ? nombre::texte_nombre(*v) : std::string();
}

} // namespace

FenetreSpectre::FenetreSpectre(const Circuit &circuit, std::function<std::pair<double, int>()> reglage,
                               QWidget *parent)
    : Feuille(QStringLiteral("spectre"), tr("Spectre et puissances"), 10320, 7680, parent),
      circuit_(circuit), reglage_(std::move(reglage))
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    montrer_message = [this](const QString &texte) { message_information(windowTitle(), texte); };

    label(QStringLiteral("Label_grandeur"), tr("Grandeur :"), zone_gauche, 255, 1080, 285);
    choix_spectre_ = liste(QStringLiteral("choix_spectre"), 1320, 210, zone_droite - 1320, 330);
    choix_spectre_->setToolTip(tr("Choisir la grandeur dont on veut le spectre"));
    for (const Grandeur &g : circuit_.grandeurs())
        choix_spectre_->addItem(legende_spectre(g.legende));
    connect(choix_spectre_, &QComboBox::activated, this, &FenetreSpectre::choix_spectre_Click);

    label_max_ = label(QStringLiteral("label_max_spectre"), QString(), x_axe_gauche + 60, y_sommet - 300, 3000, 255);
    label(QStringLiteral("Label_rangs"), tr("Rang de l'harmonique"), x_axe_droite - 2400, y_axe + 240,
          2400, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);

    table_ = new QTableWidget(50, 5, this);
    table_->setObjectName(QStringLiteral("table_spectre"));
    placer(table_, zone_gauche, zone_bas + 60, zone_droite - zone_gauche, 7440 - zone_bas - 60);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab sort du tableau ; les flèches y passent d'une case à l'autre.
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(tr("Tableau des harmoniques"));
    QStringList entetes;
    for (const char *c : colonnes_spectre)
        entetes << tr(c);
    table_->setHorizontalHeaderLabels(entetes);
    const double largeurs[] = {600, 1260, 1320, 1500, 1020};
    for (int c = 0; c < 5; ++c) {
        table_->setColumnWidth(c, twips::px(largeurs[c]));
        for (int r = 0; r < 50; ++r) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetricsF(table_->font()).height() + 4);

    // Colonne des valeurs : libellé, afficheur et unité.
    double y = 240;
    const auto paire = [&](const char *nom_label, const char *texte, const char *nom_aff, const QString &u,
                           QLabel **unite_cible = nullptr) {
        label(QString::fromUtf8(nom_label), tr(texte), x_colonne, y, 3480, 255);
        QLabel *a = label(QString::fromUtf8(nom_aff), QString(), x_colonne, y + 270, 1800, 285);
        habiller_afficheur(a);
        QLabel *l = label(QString::fromUtf8(nom_aff) + QStringLiteral("_unite"), u, x_colonne + 1860, y + 285,
                          1500, 255);
        if (unite_cible)
            *unite_cible = l;
        y += pas_paire_spectre;
        return a;
    };
    aff_moyenne_ = paire("Label_moyenne", QT_TR_NOOP("Valeur moyenne ="), "aff_moyenne", QString(), &unites_[0]);
    aff_efficace_ = paire("Label_efficace", QT_TR_NOOP("Valeur efficace ="), "aff_efficace", QString(), &unites_[1]);
    aff_fondamental_ = paire("Label_fondamental", QT_TR_NOOP("Fondamental (efficace) ="), "aff_fondamental",
                             QString(), &unites_[2]);
    aff_thd_ = paire("Label_thd", QT_TR_NOOP("THD ="), "aff_thd", QStringLiteral("%"));

    const Dipole d = circuit_.dipole();
    QLabel *titre = label(QStringLiteral("Label_puissances"),
                          legende_spectre(d.legende),
                          x_colonne, y + 60, 3600, 285);
    titre->setFont(polices::police(8.25, true));
    y += 420;
    aff_p_ = paire("Label_p", QT_TR_NOOP("Puissance active P ="), "aff_p", QStringLiteral("W"));
    aff_s_ = paire("Label_s", QT_TR_NOOP("Puissance apparente S ="), "aff_s", QStringLiteral("VA"));
    aff_fp_ = paire("Label_fp", QT_TR_NOOP("Facteur de puissance k ="), "aff_fp", QString());
    aff_cosphi1_ = paire("Label_cosphi1", QT_TR_NOOP("Facteur de déplacement cos φ1 ="), "aff_cosphi1", QString());
    if (d.source >= 0)
        aff_pe_ = paire("Label_pe", QT_TR_NOOP("Puissance fournie par E ="), "aff_pe", QStringLiteral("W"));

    Bouton *exporter =
        bouton(QStringLiteral("exporter_spectre"), tr("Exporter…"), x_colonne, 6960, 1800, 420);
    exporter->setToolTip(tr("Enregistrer le tableau des harmoniques dans un fichier CSV, pour un tableur"));
    connect(exporter, &QPushButton::clicked, this, &FenetreSpectre::exporter_spectre_Click);
    ordre_tab({choix_spectre_, table_, exporter});

    choix_spectre_->setCurrentIndex(circuit_.grandeur_spectre());
    rafraichir();
}

void FenetreSpectre::choix_spectre_Click(int)
{
    rafraichir();
}

void FenetreSpectre::rafraichir()
{
    const int indice = choix_spectre_->currentIndex();
    const auto [dt, f] = reglage_();
    contenu_ = contenu_spectre(circuit_, indice, dt, f);

    const auto liste = circuit_.grandeurs();
    const QString u =
        indice >= 0 && static_cast<std::size_t>(indice) < liste.size() ? unite_grandeur(liste[indice].legende) : QString();
    for (QLabel *l : unites_)
        l->setText(u);
    aff_moyenne_->setText(texte_local(contenu_.moyenne));
    aff_efficace_->setText(texte_local(contenu_.efficace));
    aff_fondamental_->setText(texte_local(contenu_.fondamental));
    aff_thd_->setText(texte_optionnel(contenu_.thd));
    aff_p_->setText(texte_local(contenu_.puissances.P));
    aff_s_->setText(texte_local(contenu_.puissances.S));
    aff_fp_->setText(texte_optionnel(contenu_.puissances.k));
    aff_cosphi1_->setText(texte_optionnel(contenu_.puissances.cos_phi1));
    if (aff_pe_)
        aff_pe_->setText(texte_optionnel(contenu_.puissance_source));

    for (int r = 0; r < table_->rowCount(); ++r) {
        const bool ligne = static_cast<std::size_t>(r) < contenu_.lignes.size();
        const LigneSpectre l = ligne ? contenu_.lignes[r] : LigneSpectre{};
        const QString textes[] = {QString::number(r + 1), ligne ? texte_local(l.frequence) : QString(),
                                  ligne ? texte_local(l.efficace) : QString(), texte_optionnel(l.pourcentage),
                                  texte_optionnel(l.phase)};
        for (int c = 0; c < 5; ++c)
            table_->item(r, c)->setText(textes[c]);
    }
    tracer_barres();
}

void FenetreSpectre::tracer_barres()
{
    boite_pleine(zone_gauche, zone_haut, zone_droite, zone_bas, couleurFaceBouton());
    const auto &barres = contenu_.barres;
    const double plus_grande = barres.empty() ? 0.0 : *std::max_element(barres.begin(), barres.end());
    const int indice = choix_spectre_->currentIndex();
    const auto liste = circuit_.grandeurs();
    const QColor couleur = indice >= 0 && static_cast<std::size_t>(indice) < liste.size()
                               ? couleur_bgr(couleur_de(liste[indice].classe))
                               : QColor(Qt::black);
    const double case_rang = (x_axe_droite - x_axe_gauche) / rang_maximal, demi_baton = case_rang / 3;

    // Niveau du plus grand bâton, en pointillé, et sa valeur.
    if (plus_grande > 0.0) {
        setDrawStyle(Style::pointille);
        setDrawWidth(1);
        trait(x_axe_gauche, y_sommet, x_axe_droite, y_sommet, Qt::gray);
        setDrawStyle(Style::plein);
        label_max_->setText(texte_local(circuit_.arrondir(plus_grande)) + QLatin1Char(' ') +
                            unite_grandeur(liste[indice].legende));
    } else {
        label_max_->clear();
    }
    for (std::size_t n = 1; n <= barres.size(); ++n) {
        const double x = x_axe_gauche + (n - 0.5) * case_rang;
        if (plus_grande > 0.0 && barres[n - 1] > 0.0) {
            const double haut = y_axe - (y_axe - y_sommet) * barres[n - 1] / plus_grande;
            boite_pleine(x - demi_baton, std::min(haut, y_axe - 15), x + demi_baton, y_axe, couleur);
            setDrawWidth(1);
            trait(x - demi_baton, haut, x + demi_baton, haut, Qt::black);
            trait(x - demi_baton, haut, x - demi_baton, y_axe, Qt::black);
            trait(x + demi_baton, haut, x + demi_baton, y_axe, Qt::black);
        }
        // Rangs 1, 5, 10… 50 sous l'axe, centrés sous leur bâton.
        if (n == 1 || n % 5 == 0) {
            const QFont police = polices::police(8.25);
            const QString rang = QString::number(n);
            const double largeur = twips::depuis_px(QFontMetricsF(police).horizontalAdvance(rang));
            trait(x, y_axe, x, y_axe + 60, Qt::black);
            texte(x - largeur / 2, y_axe + 60, rang, police);
        }
    }
    setDrawWidth(1);
    trait(x_axe_gauche, y_axe, x_axe_droite, y_axe, Qt::black);
    trait(x_axe_gauche, y_axe, x_axe_gauche, y_sommet - 120, Qt::black);
}

tableur::Tableau FenetreSpectre::tableau() const
{
    tableur::Tableau t;
    for (const char *c : colonnes_spectre)
        t.entetes.push_back(tr(c).toStdString());
    for (const LigneSpectre &l : contenu_.lignes)
        t.lignes.push_back({std::to_string(l.rang), nombre::texte_nombre(l.frequence),
                            nombre::texte_nombre(l.efficace), nombre_optionnel(l.pourcentage),
                            nombre_optionnel(l.phase)});
    return t;
}

void FenetreSpectre::exporter_spectre_Click()
{
    const int indice = choix_spectre_->currentIndex();
    const auto liste = circuit_.grandeurs();
    if (indice < 0 || static_cast<std::size_t>(indice) >= liste.size())
        return;
    // Le symbole de la grandeur (« is », « iT1 ») nomme le fichier proposé.
    const QString legende = legende_spectre(liste[indice].legende);
    const QString symbole = legende.left(legende.indexOf(QLatin1Char(' ')));
    exportation::Demande demande;
    demande.nom_propose = QStringLiteral("spectre_%1.csv").arg(symbole);
    demande.titre_boite = tr("Exporter le spectre vers un tableur (CSV)");
    demande.demander = demander_fichier_csv;
    demande.montrer = [this](const QString &m) { montrer_message(m); };
    demande.ce_qui_est_enregistre =
        tr("Le spectre de %1 (rangs 1 à %2) a été enregistré").arg(symbole).arg(rang_maximal);
    exportation::exporter_csv(this, demande, [this] { return tableau(); });
}

} // namespace oscillo
