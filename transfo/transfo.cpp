// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfo.h"

#include "fusible.h"
#include "nombre.h"
#include "piste_clavier.h"
#include "polices.h"
#include "twips.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>

#include <initializer_list>
#include <utility>

namespace {

using transfo::Afficheur;

// Interrupteur de charge : lame pivotant en (9060, 660), contact horizontal à
// y = 660 ; ouverte, son extrémité tombe de 240 twips.
constexpr double kv_x1 = 9060, kv_x2 = 9660, kv_y = 660, kv_contact_x1 = 9600, kv_contact_x2 = 10620;
// Interrupteur de court-circuit : lame pivotant en (8820, 2820), contact vertical
// en x = 8820 ; ouverte, son extrémité s'écarte de 240 twips.
constexpr double kcc_x = 8820, kcc_y1 = 2820, kcc_y2 = 3420, kcc_contact_y2 = 4140;
constexpr double ecart_ouvert = 240;

// Pistes du rhéostat et de l'inductance, et flèches de leurs curseurs : tige de
// x = 11220 à la pointe en x = 10740, barbes jusqu'à x = 10860, à ±107,962 twips.
constexpr double piste_gauche = 10485, piste_largeur = 255;
constexpr double haut_rheostat = 900, haut_L = 3900;
constexpr double tige_x = 11220, pointe_x = 10740, barbes_x = 10860, barbes_dy = 107.962;
constexpr double depart_fleche_r = 3420, depart_fleche_l = 3900;
constexpr double milieu_piste = piste_gauche + piste_largeur / 2;

// Fils du schéma.
constexpr double haut_fils = 660, bas_primaire = 4800, bas_secondaire = 6000;
constexpr double x_source = 1350, y_source = 2730, rayon_source = 300;
constexpr double x_borne_primaire = 3900, x_borne_secondaire = 5500;
constexpr double x_bobine_primaire = 4300, x_bobine_secondaire = 5100, haut_bobines = 2600,
                 bas_bobines = 4200;
constexpr double x_v1 = 3300, x_v2 = 7900, y_voltmetres = 2300, y_fil_wattmetres = 4300;
constexpr double rayon_appareil = 190;

// Texte d'un afficheur : la valeur arrondie, avec le séparateur décimal de la langue du système.
QString ecrit_lecture(double valeur)
{
    QString texte = QString::fromStdString(nombre::texte_nombre(valeur));
    texte.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return texte;
}

} // namespace

Transfo::Transfo()
    : Feuille(QStringLiteral("Transfo"), tr("Étude du transformateur par A. Varlon"), 11940, 6720)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    creer_controles();
    // Chargement : valeurs de départ, « 0 » dans la saisie, puis le calcul.
    banc_.init_transfo();
    banc_.calcul_transfo();
}

Transfo::~Transfo()
{
    // La boîte du fusible est une fenêtre à part : elle ne survit pas au banc.
    if (fusible_) {
        fusible_->disconnect();
        delete fusible_.data();
    }
}

// --- Schéma -------------------------------------------------------------------

void Transfo::dessiner_schema()
{
    const QColor noir = Qt::black;
    const QColor fond = couleurFond();
    const QFont police_lettre = polices::police(10, true);

    auto fil = [&](std::initializer_list<std::pair<double, double>> points) {
        const std::pair<double, double> *precedent = nullptr;
        for (const auto &p : points) {
            if (precedent)
                trait(precedent->first, precedent->second, p.first, p.second, noir);
            precedent = &p;
        }
    };
    auto noeud = [&](double x, double y) { cercle(x, y, 35, noir, noir); };
    auto centre = [&](double cx, double cy, const QString &t, const QFont &police) {
        const QFontMetricsF mesure(police);
        texte(cx - mesure.horizontalAdvance(t) * twips::par_pixel / 2,
              cy - mesure.height() * twips::par_pixel / 2, t, police);
    };
    // Appareil de mesure : cercle marqué A, V ou W, posé sur le fil qu'il coupe.
    auto appareil = [&](double cx, double cy, const QString &lettre) {
        setDrawWidth(2);
        cercle(cx, cy, rayon_appareil, noir, fond);
        setDrawWidth(1);
        centre(cx, cy, lettre, police_lettre);
    };
    // Enroulement : demi-spires tournées vers le noyau.
    auto bobine = [&](double x, bool vers_la_droite) {
        constexpr int spires = 8;
        const double r = (bas_bobines - haut_bobines) / (2 * spires);
        setDrawWidth(2);
        for (int i = 0; i < spires; ++i)
            cercle(x, haut_bobines + r * (2 * i + 1), r, noir);
        setDrawWidth(1);
        if (vers_la_droite)
            boite_pleine(x - r - 45, haut_bobines - 45, x - 8, bas_bobines + 45, fond);
        else
            boite_pleine(x + 8, haut_bobines - 45, x + r + 45, bas_bobines + 45, fond);
    };

    // Transformateur : les deux enroulements et le noyau.
    bobine(x_bobine_primaire, true);
    bobine(x_bobine_secondaire, false);
    setDrawWidth(3);
    trait(4650, 2450, 4650, 4350, noir);
    trait(4750, 2450, 4750, 4350, noir);
    setDrawWidth(1);

    // Primaire : source, ampèremètre, voltmètre, wattmètre.
    fil({{x_source, haut_fils},
         {x_borne_primaire, haut_fils},
         {x_borne_primaire, haut_bobines},
         {x_bobine_primaire, haut_bobines}});
    fil({{x_source, bas_primaire},
         {x_borne_primaire, bas_primaire},
         {x_borne_primaire, bas_bobines},
         {x_bobine_primaire, bas_bobines}});
    fil({{x_source, haut_fils}, {x_source, bas_primaire}});
    fil({{x_v1, haut_fils}, {x_v1, bas_primaire}});
    fil({{2400, bas_primaire}, {2400, y_fil_wattmetres}, {x_v1, y_fil_wattmetres}});
    noeud(x_v1, haut_fils);
    noeud(x_v1, bas_primaire);
    noeud(x_v1, y_fil_wattmetres);
    setDrawWidth(2);
    cercle(x_source, y_source, rayon_source, noir, fond);
    setDrawWidth(1);
    centre(x_source, y_source, QStringLiteral("~"), polices::police(20, true));
    appareil(1950, haut_fils, QStringLiteral("A"));
    appareil(x_v1, y_voltmetres, QStringLiteral("V"));
    appareil(2400, bas_primaire, QStringLiteral("W"));

    // Secondaire : ampèremètre, voltmètre, wattmètre, court-circuit, charge.
    fil({{x_bobine_secondaire, haut_bobines},
         {x_borne_secondaire, haut_bobines},
         {x_borne_secondaire, haut_fils},
         {kv_x1, haut_fils}});
    fil({{x_bobine_secondaire, bas_bobines},
         {x_borne_secondaire, bas_bobines},
         {x_borne_secondaire, bas_secondaire},
         {tige_x, bas_secondaire}});
    fil({{x_v2, haut_fils}, {x_v2, bas_secondaire}});
    fil({{6800, bas_secondaire}, {6800, 5400}, {x_v2, 5400}});
    fil({{kcc_x, haut_fils}, {kcc_x, kcc_y1}});
    fil({{kcc_x, kcc_contact_y2}, {kcc_x, bas_secondaire}});
    for (double x : {x_v2, kcc_x}) {
        noeud(x, haut_fils);
        noeud(x, bas_secondaire);
    }
    noeud(x_v2, 5400);
    appareil(6200, haut_fils, QStringLiteral("A"));
    appareil(x_v2, y_voltmetres, QStringLiteral("V"));
    appareil(6800, bas_secondaire, QStringLiteral("W"));
    // Pivots et plots des interrupteurs.
    for (auto [x, y] : {std::pair{kv_x1, kv_y}, {kv_contact_x1, kv_y}, {kcc_x, kcc_y1}, {kcc_x, kcc_y2}})
        cercle(x, y, 30, noir, fond);

    // Rhéostat puis inductance, en série : on entre par le haut de chaque piste
    // et on sort par son curseur, d'où R = 0 et L = 0 curseurs en haut.
    fil({{kv_contact_x2, haut_fils}, {kv_contact_x2, haut_rheostat}});
    // Le curseur du rhéostat rejoint le haut de la piste de l'inductance par la
    // droite, loin du curseur de l'inductance.
    fil({{tige_x, haut_rheostat + transfo::hauteur_piste_r},
         {tige_x, 780},
         {11640, 780},
         {11640, 3660},
         {milieu_piste, 3660},
         {milieu_piste, haut_L}});
    fil({{tige_x, haut_L}, {tige_x, bas_secondaire}});
    noeud(tige_x, bas_secondaire);
}

void Transfo::creer_controles()
{
    // Alimentation : saisie de la tension efficace primaire et son bouton Valid.
    label(QStringLiteral("Label_u1"), QStringLiteral("U1 (V) ="), 120, 2280, 900, 285);
    choix_u1_ = saisie(QStringLiteral("choix_u1"), 120, 2580, 900, 345);
    choix_u1_->setToolTip(tr("Réglage de la tension efficace au primaire"));
    valid_u1_ = bouton(QStringLiteral("valid_u1"), tr("Valid"), 120, 2970, 900, 345);
    valid_u1_->hide();
    connect(choix_u1_, &QLineEdit::textChanged, this, &Transfo::choix_u1_Change);
    connect(choix_u1_, &QLineEdit::returnPressed, this, &Transfo::valid_u1_Click);
    connect(valid_u1_, &QPushButton::clicked, this, &Transfo::valid_u1_Click);

    // Interrupteurs.
    Bouton *kv = bouton(QStringLiteral("commande_kv"), tr("interrupteur1"), 8940, 1230, 1140, 345);
    kv->setToolTip(tr("Fermer/Ouvrir l'interrupteur"));
    connect(kv, &QPushButton::clicked, this, &Transfo::commande_kv_Click);
    Bouton *kcc = bouton(QStringLiteral("commande_kcc"), tr(" I    N   T   E   R  2"), 9180, 2700, 300, 1560);
    kcc->setToolTip(tr("Fermer/Ouvrir l'interrupteur"));
    connect(kcc, &QPushButton::clicked, this, &Transfo::commande_kcc_Click);
    ligne(QStringLiteral("ligne_kv2"), kv_contact_x1, kv_y, kv_contact_x2, kv_y);
    ligne_kv_ = ligne(QStringLiteral("ligne_kv"), kv_x1, kv_y, kv_x2, kv_y + ecart_ouvert, Qt::red, 2);
    ligne(QStringLiteral("ligne_kcc2"), kcc_x, kcc_y2, kcc_x, kcc_contact_y2);
    ligne_kcc_ = ligne(QStringLiteral("ligne_kcc"), kcc_x, kcc_y1, kcc_x + ecart_ouvert, kcc_y2, Qt::red, 2);

    // Pistes du rhéostat et de l'inductance, avec leurs repères d'extrémités.
    rheostat_ = bouton(QStringLiteral("rhéostat"), QString(), piste_gauche, haut_rheostat, piste_largeur,
                       transfo::hauteur_piste_r);
    rheostat_->setToolTip(tr("Cliquer et faire glisser le curseur pour faire varier la résistance"));
    L_ =
        bouton(QStringLiteral("L"), QString(), piste_gauche, haut_L, piste_largeur, transfo::hauteur_piste_l);
    L_->setToolTip(tr("Cliquer et faire glisser le curseur pour faire varier l'inductance"));
    // Pistes sans légende : leur nom pour le lecteur d'écran.
    rheostat_->setAccessibleName(tr("Rhéostat de charge"));
    L_->setAccessibleName(tr("Inductance de charge"));
    for (Bouton *piste : {rheostat_, L_}) {
        piste->setFond(Qt::white);
        piste->setMouseTracking(true);
        piste->installEventFilter(this);
    }
    // Au clavier : les flèches font ce que ferait un clic au même endroit.
    piste_clavier::equiper(rheostat_, piste_clavier::Sens::vertical,
                           [this] { return (fleche_r_[0]->y1() - haut_rheostat) / twips::par_pixel; });
    piste_clavier::equiper(L_, piste_clavier::Sens::vertical,
                           [this] { return (fleche_l_[0]->y1() - haut_L) / twips::par_pixel; });
    const auto repere = [&](const char *nom, const QString &t, double haut) {
        QLabel *l = label(QString::fromUtf8(nom), t, 9600, haut, 840, 285);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    repere("Label_r0", QStringLiteral("R = 0"), haut_rheostat);
    repere("Label_rmax", tr("R max"), haut_rheostat + transfo::hauteur_piste_r - 285);
    repere("Label_l0", QStringLiteral("L = 0"), haut_L);
    // Le bas de la piste : Lmax, écrit dans la langue (0,1 ou 0.1).
    repere("Label_lmax", QStringLiteral("L = %1 H").arg(QLocale().toString(0.1)),
           haut_L + transfo::hauteur_piste_l - 285);

    const auto fleche = [&](const char *prefixe, std::array<Ligne *, 3> &f, double yc) {
        const QString p = QString::fromUtf8(prefixe);
        f[0] = ligne(p + "1", tige_x, yc, pointe_x, yc, Qt::black, 2);
        f[1] = ligne(p + "2", pointe_x, yc, barbes_x, yc - barbes_dy, Qt::black, 2);
        f[2] = ligne(p + "3", pointe_x, yc, barbes_x, yc + barbes_dy, Qt::black, 2);
    };
    fleche("ligne_rhéostat", fleche_r_, depart_fleche_r);
    fleche("ligne_l", fleche_l_, depart_fleche_l);

    // Afficheurs et leurs unités, dans l'ordre de l'énumération Afficheur.
    const struct {
        const char *nom, *bulle, *unite;
        double gauche, haut, unite_gauche, unite_haut;
    } aff[] = {
        {"aff_u1", QT_TR_NOOP("Tension efficace au primaire"), "V  AC", 2300, 2110, 2300, 2520},
        {"aff_i1", QT_TR_NOOP("Intensité efficace primaire"), "A  AC", 1650, 1000, 2410, 1045},
        {"aff_p1", QT_TR_NOOP("Puissance active absorbée par le primaire"), "W", 1650, 3850, 2410, 3895},
        {"aff_u2", QT_TR_NOOP("Tension efficace au secondaire"), "V  AC", 6900, 2110, 6900, 2520},
        {"aff_i2", QT_TR_NOOP("Intensité efficace au secondaire"), "A  AC", 5900, 1000, 6660, 1045},
        {"aff_p2", QT_TR_NOOP("Puissance active fournie par le secondaire"), "W", 6050, 4950, 6810, 4995},
    };
    for (std::size_t i = 0; i < afficheurs_.size(); ++i) {
        const auto &a = aff[i];
        afficheurs_[i] = afficheur(QString::fromUtf8(a.nom), a.gauche, a.haut, 720, 375);
        afficheurs_[i]->setToolTip(tr(a.bulle));
        label(QStringLiteral("unite_") + QString::fromUtf8(a.nom + 4), QString::fromUtf8(a.unite),
              a.unite_gauche, a.unite_haut, 480, 285);
    }

    // Plaque signalétique sur le symbole du transformateur.
    const auto plaque = [&](const char *nom, const QString &t, double haut, bool gras) {
        QLabel *l = label(QString::fromUtf8(nom), t, 3960, haut, 1500, 300);
        l->setAlignment(Qt::AlignCenter);
        if (gras)
            l->setFont(polices::police(9, true));
    };
    plaque("plaque_nom", tr("TRANSFO"), 2070, true);
    plaque("plaque_tensions", QStringLiteral("230 V / 48 V"), 4400, false);
    plaque("plaque_puissance", tr("%1 VA").arg(250), 4680, false);

    // Légende.
    QGroupBox *legende = cadre(QStringLiteral("Frame1"), tr("Légende"), 120, 5100, 4380, 1500);
    bouton(QStringLiteral("Command1"), tr("Interrupteur"), 120, 300, 1080, 330, legende);
    label(QStringLiteral("Label_legende1"), tr("Fermer ou ouvrir l'interrupteur"), 1320, 322, 2940, 285,
          legende);
    QLabel *reglage = label(QStringLiteral("Label_reglage"), QString(), 120, 750, 1080, 285, legende);
    reglage->setFrameShape(QFrame::Box);
    reglage->setAutoFillBackground(true);
    QPalette blanc = reglage->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    reglage->setPalette(blanc);
    label(QStringLiteral("Label_legende2"), tr("Zone de réglage"), 1320, 750, 2940, 285, legende);
    afficheur(QStringLiteral("Label_mesure"), 120, 1125, 1080, 285, legende);
    label(QStringLiteral("Label_legende3"), tr("Zone de mesure"), 1320, 1125, 2940, 285, legende);
}

// --- Gestionnaires -------------------------------------------------------------

void Transfo::choix_u1_Change()
{
    valid_u1_->show();
}

void Transfo::valid_u1_Click()
{
    valid_u1_->hide();
    banc_.valid_u1_Click(choix_u1_->text().toStdString());
}

void Transfo::commande_kv_Click()
{
    banc_.commande_kv_Click();
}

void Transfo::commande_kcc_Click()
{
    banc_.commande_kcc_Click();
}

void Transfo::rheostat_MouseDown(double y)
{
    banc_.rheostat_MouseDown(y);
}

void Transfo::rheostat_MouseMove(double y)
{
    banc_.rheostat_MouseMove(y);
}

void Transfo::rheostat_MouseUp(double y)
{
    banc_.rheostat_MouseUp(y);
}

void Transfo::L_MouseDown(double y)
{
    banc_.L_MouseDown(y);
}

void Transfo::L_MouseMove(double y)
{
    banc_.L_MouseMove(y);
}

void Transfo::L_MouseUp(double y)
{
    banc_.L_MouseUp(y);
}

bool Transfo::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet != rheostat_ && objet != L_)
        return Feuille::eventFilter(objet, evenement);
    const QEvent::Type type = evenement->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return Feuille::eventFilter(objet, evenement);
    // Fenêtre désactivée (fusible fondu) : la souris n'agit plus sur les pistes.
    if (!isEnabled())
        return true;
    const double y = twips::depuis_px(static_cast<QMouseEvent *>(evenement)->position().y());
    const bool r = objet == rheostat_;
    // Le second appui d'un double-clic arrive comme un double-clic : il compte
    // comme un appui, sans quoi le relâchement suivant laisserait le curseur
    // accroché au pointeur.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        r ? rheostat_MouseDown(y) : L_MouseDown(y);
    else if (type == QEvent::MouseMove)
        r ? rheostat_MouseMove(y) : L_MouseMove(y);
    else
        r ? rheostat_MouseUp(y) : L_MouseUp(y);
    return true; // une piste n'est pas un bouton à enfoncer
}

// --- Effets du modèle -------------------------------------------------------------

void Transfo::afficher(Afficheur afficheur, double valeur)
{
    afficheurs_[static_cast<std::size_t>(afficheur)]->setText(ecrit_lecture(valeur));
}

void Transfo::ecrire_choix_u1(const std::string &texte_saisie)
{
    choix_u1_->setText(QString::fromStdString(texte_saisie));
}

void Transfo::dessiner_kv(bool ferme)
{
    ligne_kv_->setY2(ferme ? kv_y : kv_y + ecart_ouvert);
}

void Transfo::dessiner_kcc(bool ferme)
{
    ligne_kcc_->setX2(ferme ? kcc_x : kcc_x + ecart_ouvert);
}

namespace {

void placer_fleche(const std::array<Ligne *, 3> &f, double yc)
{
    f[0]->placer(tige_x, yc, pointe_x, yc);
    f[1]->placer(pointe_x, yc, barbes_x, yc - barbes_dy);
    f[2]->placer(pointe_x, yc, barbes_x, yc + barbes_dy);
}

} // namespace

void Transfo::placer_curseur_r(double y)
{
    placer_fleche(fleche_r_, haut_rheostat + y);
}

void Transfo::placer_curseur_l(double y)
{
    placer_fleche(fleche_l_, haut_L + y);
}

void Transfo::fusible_fondu()
{
    setEnabled(false);
    if (!fusible_) {
        fusible_ = new Fusible([this] { fusible_remplace(); });
        fusible_->show();
    }
    fusible_->raise();
    fusible_->activateWindow();
}

void Transfo::fusible_remplace()
{
    setEnabled(true);
}

Fusible *Transfo::fusible() const
{
    return fusible_;
}
