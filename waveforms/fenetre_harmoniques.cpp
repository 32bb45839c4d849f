// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_harmoniques.h"

#include "fenetre_oscillo.h"
#include "nombre.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
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

// Libellés des afficheurs, repris sans « = » en tête du fichier CSV.
const char *const texte_moyenne = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Valeur moyenne =");
const char *const texte_efficace = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Valeur efficace =");
const char *const texte_fondamental = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Fondamental (efficace) =");
const char *const texte_thd = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "THD =");
const char *const texte_p = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Puissance active P =");
const char *const texte_s = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Puissance apparente S =");
const char *const texte_k = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Facteur de puissance k =");
const char *const texte_cosphi1 = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Facteur de déplacement cos φ1 =");
const char *const texte_pe = QT_TRANSLATE_NOOP("oscillo::FenetreSpectre", "Puissance fournie par E =");

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

// Préfixes du Système international, de 10⁻¹⁵ à 10⁹.
QString prefixe(int puissance)
{
    static const char *const prefixes[] = {"f", "p", "n", "µ", "m", "", "k", "M", "G"};
    const int i = puissance / 3 + 5;
    return i >= 0 && i < 9 ? QString::fromUtf8(prefixes[i]) : QString();
}

// Les chiffres d'une lecture avec le séparateur décimal et le signe moins de
// la langue de l'interface.
QString chiffres_locaux(const std::string &chiffres)
{
    const QLocale langue;
    QString t = QString::fromStdString(chiffres);
    t.replace(QLatin1Char('.'), langue.decimalPoint());
    if (t.startsWith(QLatin1Char('-')))
        t.replace(0, 1, langue.negativeSign());
    return t;
}

QString texte_hors_echelle()
{
    return FenetreSpectre::tr("hors d'échelle");
}

} // namespace

QString texte_lecture(const Lecture &l)
{
    switch (l.etat) {
    case Lecture::Etat::vide:
        return {};
    case Lecture::Etat::hors_echelle:
        return texte_hors_echelle();
    case Lecture::Etat::nombre:
        break;
    }
    return chiffres_locaux(l.chiffres);
}

QString texte_lecture(const Lecture &l, const QString &unite)
{
    if (!l.nombre() || l.zero() || unite.isEmpty())
        return texte_lecture(l);
    return texte_lecture(l) + QLatin1Char(' ') + prefixe(l.puissance) + unite;
}

QString unite_lecture(const Lecture &l, const QString &unite)
{
    return l.nombre() ? prefixe(l.puissance) + unite : QString();
}

std::string decimal_lecture(const Lecture &l)
{
    return l.etat == Lecture::Etat::hors_echelle ? texte_hors_echelle().toStdString() : l.decimal();
}

namespace {

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
    // L'unité suit l'afficheur : son préfixe change avec la valeur.
    const auto paire = [&](const char *nom_label, const char *texte, const char *nom_aff) {
        label(QString::fromUtf8(nom_label), tr(texte), x_colonne, y, 3480, 255);
        QLabel *a = label(QString::fromUtf8(nom_aff), QString(), x_colonne, y + 270, 1800, 285);
        habiller_afficheur(a);
        label(QString::fromUtf8(nom_aff) + QStringLiteral("_unite"), QString(), x_colonne + 1860, y + 285, 1500,
              255);
        y += pas_paire_spectre;
        return a;
    };
    aff_moyenne_ = paire("Label_moyenne", texte_moyenne, "aff_moyenne");
    aff_efficace_ = paire("Label_efficace", texte_efficace, "aff_efficace");
    aff_fondamental_ = paire("Label_fondamental", texte_fondamental, "aff_fondamental");
    aff_thd_ = paire("Label_thd", texte_thd, "aff_thd");

    const Dipole d = circuit_.dipole();
    QLabel *titre = label(QStringLiteral("Label_puissances"),
                          legende_spectre(d.legende),
                          x_colonne, y + 60, 3600, 285);
    titre->setFont(polices::police(8.25, true));
    y += 420;
    aff_p_ = paire("Label_p", texte_p, "aff_p");
    aff_s_ = paire("Label_s", texte_s, "aff_s");
    aff_fp_ = paire("Label_fp", texte_k, "aff_fp");
    aff_cosphi1_ = paire("Label_cosphi1", texte_cosphi1, "aff_cosphi1");
    if (d.source >= 0)
        aff_pe_ = paire("Label_pe", texte_pe, "aff_pe");

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
    const auto montrer = [this](QLabel *aff, const Lecture &l, const QString &unite) {
        aff->setText(texte_lecture(l));
        if (auto *u = findChild<QLabel *>(aff->objectName() + QStringLiteral("_unite")))
            u->setText(unite_lecture(l, unite));
    };
    montrer(aff_moyenne_, contenu_.moyenne, u);
    montrer(aff_efficace_, contenu_.efficace, u);
    montrer(aff_fondamental_, contenu_.fondamental, u);
    montrer(aff_thd_, contenu_.thd, QStringLiteral("%"));
    montrer(aff_p_, contenu_.P, QStringLiteral("W"));
    montrer(aff_s_, contenu_.S, QStringLiteral("VA"));
    montrer(aff_fp_, contenu_.k, QString());
    montrer(aff_cosphi1_, contenu_.cos_phi1, QString());
    if (aff_pe_)
        montrer(aff_pe_, contenu_.puissance_source, QStringLiteral("W"));

    for (int r = 0; r < table_->rowCount(); ++r) {
        const bool ligne = static_cast<std::size_t>(r) < contenu_.lignes.size();
        const LigneSpectre l = ligne ? contenu_.lignes[r] : LigneSpectre{};
        const QString textes[] = {QString::number(r + 1), ligne ? QString::number(l.frequence, 'f', 0) : QString(),
                                  texte_lecture(l.efficace, u), texte_lecture(l.pourcentage),
                                  texte_lecture(l.phase)};
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
        label_max_->setText(texte_lecture(lecture(plus_grande, Sorte::grandeur), unite_grandeur(liste[indice].legende)));
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
    const int indice = choix_spectre_->currentIndex();
    const auto liste = circuit_.grandeurs();
    const bool grandeur = indice >= 0 && static_cast<std::size_t>(indice) < liste.size();
    const QString u = grandeur ? unite_grandeur(liste[indice].legende) : QString();

    // En tête, ce que décrit le fichier : programme, grandeur, réglages du
    // montage, puis les valeurs des afficheurs, chacune avec son unité, dans
    // la langue de l'interface et avec son séparateur décimal.
    const QString virgule = QLocale().decimalPoint();
    const auto nombre_local = [&](std::string texte) {
        return QString::fromStdString(texte).replace(QLatin1Char('.'), virgule).toStdString();
    };
    const auto ligne = [&](const QString &libelle, const std::string &valeur) {
        t.preambule.push_back({libelle.toStdString(), valeur});
    };
    const auto valeur = [&](const char *texte, const QString &unite, const Lecture &l) {
        QString libelle = tr(texte);
        libelle.remove(QRegularExpression(QStringLiteral("\\s*=\\s*$")));
        if (!unite.isEmpty())
            libelle += QStringLiteral(" (%1)").arg(unite);
        ligne(libelle, nombre_local(decimal_lecture(l)));
    };
    ligne(tr("Programme"), QCoreApplication::applicationName().toStdString());
    ligne(tr("Grandeur"), grandeur ? legende_spectre(liste[indice].legende).toStdString() : std::string());
    ligne(tr("Unité"), u.toStdString());
    for (const Reglage &r : circuit_.reglages())
        ligne(legende_spectre(r.nom), nombre_local(r.valeur));
    const auto [dt, f] = reglage_();
    ligne(tr("Pas du balayage (s)"), nombre_local(lecture(dt, Sorte::grandeur).decimal()));
    ligne(tr("Fréquence (Hz)"), std::to_string(f));
    valeur(texte_moyenne, u, contenu_.moyenne);
    valeur(texte_efficace, u, contenu_.efficace);
    valeur(texte_fondamental, u, contenu_.fondamental);
    valeur(texte_thd, QStringLiteral("%"), contenu_.thd);
    const Dipole d = circuit_.dipole();
    t.preambule.push_back({legende_spectre(d.legende).toStdString()});
    valeur(texte_p, QStringLiteral("W"), contenu_.P);
    valeur(texte_s, QStringLiteral("VA"), contenu_.S);
    valeur(texte_k, QString(), contenu_.k);
    valeur(texte_cosphi1, QString(), contenu_.cos_phi1);
    if (d.source >= 0)
        valeur(texte_pe, QStringLiteral("W"), contenu_.puissance_source);

    for (const char *c : colonnes_spectre)
        t.entetes.push_back(tr(c).toStdString());
    // Les valeurs efficaces y sont écrites dans l'unité de la grandeur, sans préfixe.
    if (grandeur)
        t.entetes[2] = tr("Valeur efficace (%1)").arg(u).toStdString();
    for (const LigneSpectre &l : contenu_.lignes)
        t.lignes.push_back({std::to_string(l.rang), nombre::texte_nombre(l.frequence), decimal_lecture(l.efficace),
                            decimal_lecture(l.pourcentage), decimal_lecture(l.phase)});
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
