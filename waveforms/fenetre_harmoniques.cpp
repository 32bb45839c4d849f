// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_harmoniques.h"

#include "fenetre_oscillo.h"
#include "nombre.h"
#include "page_imprimee.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QDate>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <functional>

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

// Contraste (rapport des luminances relatives) entre deux couleurs.
double luminance(const QColor &c)
{
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double contraste(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// La couleur des traces, assombrie jusqu'à se lire sur le blanc (4,5:1) :
// le vert et le cyan purs des oscillogrammes y sont trop pâles.
QColor lisible_sur_blanc(QColor c)
{
    while (contraste(c, Qt::white) < 4.5)
        c = QColor::fromRgbF(c.redF() * 0.9f, c.greenF() * 0.9f, c.blueF() * 0.9f);
    return c;
}

// Gris de la grille, 4,5:1 sur le blanc ; bande du rang marqué.
const QColor gris_grille(118, 118, 118), fond_marque(255, 236, 150);

// Pas de l'échelle verticale (1, 2 ou 5 fois une puissance de dix) pour
// environ cinq graduations jusqu'à « maximum ».
double pas_echelle(double maximum)
{
    const double brut = maximum / 5.0, dix = std::pow(10.0, std::floor(std::log10(brut)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * dix >= brut * (1 - 1e-12))
            return f * dix;
    return 10.0 * dix;
}

// Place du tracé dans la zone du diagramme : à gauche les nombres de
// l'échelle, en haut l'unité, en bas les rangs et leur titre.
struct Geometrie {
    QRectF trace;
    double case_rang = 0;
    double x_rang(int n) const { return trace.left() + n * case_rang; }
};
Geometrie geometrie(const QRectF &zone, const QFont &police)
{
    const QFontMetricsF m(police);
    const double h = m.height();
    const QRectF trace(QPointF(zone.left() + m.horizontalAdvance(QStringLiteral("000,0")) + 0.8 * h,
                               zone.top() + 2.0 * h),
                       QPointF(zone.right() - 0.6 * h, zone.bottom() - 2.5 * h));
    // Une demi-case libre après le rang 50, une case avant le rang 1 : le
    // bâton du fondamental ne touche pas l'axe.
    return {trace, trace.width() / (rang_maximal + 0.5)};
}

class VueDiagramme : public QWidget
{
public:
    std::function<Diagramme()> donnees;
    std::function<void(double)> survol;

    explicit VueDiagramme(QWidget *parent) : QWidget(parent)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFont(polices::police(10));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        peindre_diagramme(p, QRectF(rect()), donnees(), font());
    }
    void mouseMoveEvent(QMouseEvent *e) override { survol(e->position().x()); }
};

// La police, sa taille dans l'unité du peintre (hauteur « taille »).
QFont police_page(double taille, bool gras = false)
{
    QFont f = polices::police(10, gras);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(taille))));
    return f;
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

void peindre_diagramme(QPainter &p, const QRectF &zone, const Diagramme &d, const QFont &police)
{
    p.save();
    p.fillRect(zone, Qt::white);
    p.setFont(police);
    const QFontMetricsF m(police);
    const double h = m.height(), trait_fin = std::max(1.0, h / 14);
    const Geometrie g = geometrie(zone, police);
    const QRectF &t = g.trace;
    const QLocale langue;

    const std::vector<double> vide;
    const std::vector<double> &barres = d.contenu ? d.contenu->barres : vide;
    const double plus_grande = barres.empty() ? 0.0 : *std::max_element(barres.begin(), barres.end());

    if (d.marque >= 1 && d.marque <= rang_maximal)
        p.fillRect(QRectF(g.x_rang(d.marque) - g.case_rang / 2, t.top(), g.case_rang, t.height()), fond_marque);

    // Échelle verticale : graduations, grille, nombres dans l'unité préfixée.
    double haut = 0;
    if (plus_grande > 0.0) {
        const double pas = pas_echelle(plus_grande);
        const int n = static_cast<int>(std::ceil(plus_grande / pas - 1e-9));
        haut = n * pas;
        const Lecture l = lecture(haut, Sorte::grandeur);
        const double facteur = std::pow(10.0, -l.puissance);
        const int decimales = std::max(0, -static_cast<int>(std::floor(std::log10(pas * facteur) + 1e-9)));
        for (int k = 0; k <= n; ++k) {
            const double y = t.bottom() - t.height() * k / n;
            if (k > 0) {
                p.setPen(QPen(gris_grille, trait_fin, Qt::DotLine));
                p.drawLine(QPointF(t.left(), y), QPointF(t.right(), y));
            }
            p.setPen(QPen(Qt::black, trait_fin));
            p.drawLine(QPointF(t.left() - h / 4, y), QPointF(t.left(), y));
            p.drawText(QRectF(zone.left(), y - h / 2, t.left() - zone.left() - h / 3, h), Qt::AlignRight | Qt::AlignVCenter,
                       langue.toString(k * pas * facteur, 'f', decimales));
        }
        p.drawText(QRectF(zone.left(), zone.top() + 0.2 * h, t.left() + 3 * h, h), Qt::AlignLeft | Qt::AlignVCenter,
                   unite_lecture(l, d.unite));
    }

    // Bâtons.
    const QColor couleur = lisible_sur_blanc(d.couleur.isValid() ? d.couleur : QColor(Qt::black));
    for (std::size_t k = 0; k < barres.size() && haut > 0.0; ++k) {
        if (!(barres[k] > 0.0))
            continue;
        const int n = static_cast<int>(k) + 1;
        const double x = g.x_rang(n), demi = g.case_rang * 0.32;
        const double y = t.bottom() - t.height() * barres[k] / haut;
        const QRectF baton(QPointF(x - demi, std::min(y, t.bottom() - trait_fin)), QPointF(x + demi, t.bottom()));
        p.fillRect(baton, couleur);
        if (n == d.marque) {
            p.setPen(QPen(Qt::black, 2 * trait_fin));
            p.drawRect(baton);
        }
    }

    // Axes, rangs numérotés, titre de l'axe.
    p.setPen(QPen(Qt::black, trait_fin * 1.5));
    p.drawLine(t.bottomLeft(), t.bottomRight());
    p.drawLine(t.bottomLeft(), t.topLeft());
    p.setPen(QPen(Qt::black, trait_fin));
    for (int n = 1; n <= rang_maximal; ++n) {
        if (n != 1 && n % 5 != 0)
            continue;
        const double x = g.x_rang(n);
        p.drawLine(QPointF(x, t.bottom()), QPointF(x, t.bottom() + h / 4));
        p.drawText(QRectF(x - 2 * h, t.bottom() + h / 4, 4 * h, h), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(n));
    }
    p.drawText(QRectF(t.left(), t.bottom() + 1.3 * h, t.width(), h), Qt::AlignHCenter | Qt::AlignTop,
               FenetreSpectre::tr("Rang de l'harmonique"));
    // Le rang marqué et sa valeur, en haut à droite.
    if (d.contenu && d.marque >= 1 && static_cast<std::size_t>(d.marque) <= d.contenu->lignes.size()) {
        const LigneSpectre &l = d.contenu->lignes[static_cast<std::size_t>(d.marque) - 1];
        QString texte = FenetreSpectre::tr("Rang %1 : %2").arg(d.marque).arg(texte_lecture(l.efficace, d.unite));
        if (l.pourcentage.nombre())
            texte += QStringLiteral(" (%1 %)").arg(texte_lecture(l.pourcentage));
        p.drawText(QRectF(t.left(), zone.top() + 0.2 * h, t.width(), h), Qt::AlignRight | Qt::AlignVCenter, texte);
    }
    p.restore();
}

int rang_sous(const QRectF &zone, double x, const QFont &police)
{
    const Geometrie g = geometrie(zone, police);
    const int n = static_cast<int>(std::lround((x - g.trace.left()) / g.case_rang));
    return n >= 1 && n <= rang_maximal ? n : 0;
}

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

    // Le diagramme, peint par la même routine que la page imprimée ; le
    // pointeur y marque un rang, que le tableau montre aussi.
    auto *vue = new VueDiagramme(this);
    vue->setObjectName(QStringLiteral("diagramme_spectre"));
    vue->setAccessibleName(tr("Diagramme des harmoniques"));
    vue->donnees = [this] { return diagramme(); };
    vue->survol = [this](double x) { diagramme_MouseMove(x); };
    diagramme_ = vue;
    placer(vue, zone_gauche, zone_haut, zone_droite - zone_gauche, zone_bas - zone_haut);

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
        bouton(QStringLiteral("exporter_spectre"), tr("Exporter…"), x_colonne, 6960, 1620, 420);
    exporter->setToolTip(tr("Enregistrer le tableau des harmoniques dans un fichier CSV, pour un tableur"));
    connect(exporter, &QPushButton::clicked, this, &FenetreSpectre::exporter_spectre_Click);
    Bouton *imprimer =
        bouton(QStringLiteral("imprimer_spectre"), tr("Imprimer…"), x_colonne + 1740, 6960, 1620, 420);
    imprimer->setToolTip(tr("Imprimer le diagramme et le tableau, ou les enregistrer en PDF sans imprimante"));
    connect(imprimer, &QPushButton::clicked, this, &FenetreSpectre::imprimer_spectre_Click);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int ligne) { table_spectre_CurrentCellChanged(ligne); });
    imprimante_disponible = [] { return !page_imprimee::imprimante_du_systeme().isNull(); };
    ordre_tab({choix_spectre_, table_, exporter, imprimer});

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
        if (auto *legende = findChild<QLabel *>(aff->objectName() + QStringLiteral("_unite")))
            legende->setText(unite_lecture(l, unite));
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
    diagramme_->update();
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

namespace oscillo {

Diagramme FenetreSpectre::diagramme() const
{
    Diagramme d;
    d.contenu = &contenu_;
    const int indice = choix_spectre_->currentIndex();
    const auto liste = circuit_.grandeurs();
    if (indice >= 0 && static_cast<std::size_t>(indice) < liste.size()) {
        d.couleur = couleur_bgr(couleur_de(liste[indice].classe));
        d.unite = unite_grandeur(liste[indice].legende);
    }
    d.marque = rang_marque_;
    return d;
}

void FenetreSpectre::marquer(int rang)
{
    if (rang == rang_marque_)
        return;
    rang_marque_ = rang;
    if (rang >= 1 && table_->currentRow() != rang - 1) {
        table_->setCurrentCell(rang - 1, 0);
        table_->scrollToItem(table_->item(rang - 1, 0));
    }
    diagramme_->update();
}

void FenetreSpectre::diagramme_MouseMove(double x)
{
    const int rang = rang_sous(QRectF(diagramme_->rect()), x, diagramme_->font());
    if (rang > 0)
        marquer(rang);
}

void FenetreSpectre::table_spectre_CurrentCellChanged(int ligne)
{
    marquer(ligne >= 0 ? ligne + 1 : 0);
}

void FenetreSpectre::rendre_page(QPainter &p, const QRectF &cible) const
{
    // Tout se mesure en hauteurs de ligne : la page a la même allure sur
    // l'imprimante et dans le PDF, quelle que soit leur résolution.
    const double ligne = cible.height() / 62.0;
    const QFont normale = police_page(ligne * 0.72), grasse = police_page(ligne * 0.72, true);
    const QFont titre = police_page(ligne * 0.95, true);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    double y = cible.top();
    const auto ecrire = [&](const QFont &f, const QString &texte, double hauteur = 1.0) {
        p.setFont(f);
        p.drawText(QRectF(cible.left(), y, cible.width(), ligne * hauteur), Qt::AlignLeft | Qt::AlignVCenter, texte);
        y += ligne * hauteur;
    };

    const Diagramme d = diagramme();
    const int indice = choix_spectre_->currentIndex();
    const auto liste = circuit_.grandeurs();
    const QString legende = indice >= 0 && static_cast<std::size_t>(indice) < liste.size()
                                ? legende_spectre(liste[indice].legende)
                                : QString();
    ecrire(titre, tr("Spectre de %1").arg(legende), 1.4);
    ecrire(normale, QStringLiteral("%1 — %2").arg(QGuiApplication::applicationDisplayName(),
                                                 QLocale().toString(QDate::currentDate(), QLocale::LongFormat)));
    QStringList reglages;
    for (const Reglage &r : circuit_.reglages())
        reglages << tr("%1 : %2").arg(legende_spectre(r.nom),
                                                  QString::fromStdString(r.valeur).replace(QLatin1Char('.'), QLocale().decimalPoint()));
    if (!reglages.isEmpty())
        ecrire(normale, reglages.join(QStringLiteral(" ; ")));
    y += ligne * 0.5;

    Diagramme sans_marque = d;
    sans_marque.marque = 0;
    peindre_diagramme(p, QRectF(cible.left(), y, cible.width(), ligne * 20), sans_marque, normale);
    y += ligne * 20.5;

    const auto valeur = [&](const char *texte, const Lecture &l, const QString &unite) {
        return QStringLiteral("%1 %2").arg(tr(texte), texte_lecture(l, unite));
    };
    ecrire(normale, QStringList{valeur(texte_moyenne, contenu_.moyenne, d.unite),
                                valeur(texte_efficace, contenu_.efficace, d.unite),
                                valeur(texte_fondamental, contenu_.fondamental, d.unite),
                                valeur(texte_thd, contenu_.thd, QStringLiteral("%"))}
                        .join(QStringLiteral("    ")));
    const Dipole dipole = circuit_.dipole();
    ecrire(grasse, legende_spectre(dipole.legende));
    ecrire(normale, valeur(texte_p, contenu_.P, QStringLiteral("W")) + QStringLiteral("    ") +
                        valeur(texte_s, contenu_.S, QStringLiteral("VA")));
    ecrire(normale, valeur(texte_k, contenu_.k, QString()) + QStringLiteral("    ") +
                        valeur(texte_cosphi1, contenu_.cos_phi1, QString()));
    if (dipole.source >= 0)
        ecrire(normale, valeur(texte_pe, contenu_.puissance_source, QStringLiteral("W")));
    y += ligne * 0.5;

    // Le tableau en deux moitiés côte à côte : rangs 1 à 25, puis 26 à 50.
    const double largeurs[] = {0.13, 0.16, 0.29, 0.20, 0.22};
    const double demi = cible.width() / 2;
    for (int moitie = 0; moitie < 2; ++moitie) {
        double yy = y;
        const auto rangee = [&](const QStringList &cases, const QFont &f) {
            p.setFont(f);
            double x = cible.left() + moitie * demi;
            for (int c = 0; c < 5; ++c) {
                const double l = largeurs[c] * (demi - ligne);
                p.drawText(QRectF(x, yy, l - ligne * 0.3, ligne * 0.9), Qt::AlignRight | Qt::AlignVCenter, cases.value(c));
                x += l;
            }
            yy += ligne * 0.9;
        };
        QStringList entetes;
        for (const char *c : colonnes_spectre)
            entetes << tr(c);
        entetes[1] = tr("f (Hz)");
        entetes[3] = QStringLiteral("%");
        rangee(entetes, grasse);
        p.setPen(QPen(Qt::black, std::max(1.0, ligne / 30)));
        p.drawLine(QPointF(cible.left() + moitie * demi, yy), QPointF(cible.left() + moitie * demi + demi - ligne, yy));
        for (int r = moitie * 25; r < moitie * 25 + 25 && static_cast<std::size_t>(r) < contenu_.lignes.size(); ++r) {
            const LigneSpectre &l = contenu_.lignes[static_cast<std::size_t>(r)];
            rangee({QString::number(l.rang), QString::number(l.frequence, 'f', 0), texte_lecture(l.efficace, d.unite),
                    texte_lecture(l.pourcentage), texte_lecture(l.phase)},
                   normale);
        }
    }
    p.restore();
}

fichier_sur::Ecriture FenetreSpectre::enregistrer_pdf(const QString &chemin) const
{
    return page_imprimee::enregistrer_pdf(chemin, tr("Spectre et puissances"), QPageLayout::Portrait,
                                          [this](QPainter &p, const QRectF &zone) { rendre_page(p, zone); });
}

void FenetreSpectre::enregistrer_page(const QString &chemin)
{
    if (chemin.isEmpty())
        return; // l'élève a renoncé
    const fichier_sur::Ecriture e = enregistrer_pdf(chemin);
    if (e.reussie)
        montrer_message(tr("Aucune imprimante n'est installée. Le spectre a été enregistré au format PDF "
                           "dans le fichier :\n%1")
                            .arg(QDir::toNativeSeparators(chemin)));
    else
        montrer_message(fichier_sur::message_echec(chemin, e));
}

void FenetreSpectre::imprimer_spectre_Click()
{
    if (imprimante_disponible()) {
        QPrinter imprimante(page_imprimee::imprimante_du_systeme(), QPrinter::HighResolution);
        imprimante.setDocName(tr("Spectre et puissances"));
        if (!page_imprimee::peindre(imprimante, imprimante.resolution(), QPageLayout::Portrait,
                                    [this](QPainter &p, const QRectF &zone) { rendre_page(p, zone); }))
            montrer_message(
                tr("L'impression n'a pas pu commencer sur l'imprimante %1.").arg(imprimante.printerName()));
        return;
    }
    // Comme la page de l'aperçu : « .pdf » ajouté à un nom sans extension
    // avant que l'élève confirme le remplacement d'un fichier existant.
    choix_fichier_a_enregistrer(QStringLiteral("choix_fichier_pdf"), tr("Aucune imprimante : enregistrer le spectre en PDF"),
                                QDir(fichier_sur::dossier_documents()).filePath(QStringLiteral("spectre.pdf")), tr("Document PDF (*.pdf)"),
                                QStringLiteral("pdf"), demander_fichier_pdf,
                                [this](const QString &chemin) { enregistrer_page(chemin); });
}

} // namespace oscillo
