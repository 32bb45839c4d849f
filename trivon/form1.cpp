// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ecriture.h"
#include "nombre.h"
#include "polices.h"
#include "programme_trivon.h"
#include "traductions.h"
#include "twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

namespace {

using trivon::Afficheur;

// Hauteur des trois phases : fils de l'induit, contacts fixes de
// l'interrupteur ; neutre du voltmètre.
constexpr double y_phase[3] = {960, 1440, 1920};
constexpr double y_neutre = 2640;
// Interrupteur tripolaire : pivot des lames, contacts fixes, chute d'une lame ouverte.
constexpr double x_pivot = 9120, x_contact = 9540, x_fin_contact = 10140, chute_lame = 240;
// Machine synchrone : centre et rayon ; rotor ; bornes de l'induit.
constexpr double cx_ms = 4350, cy_ms = 4200, r_ms = 900, r_rotor = 420;
constexpr double x_bornes[4] = {3900, 4200, 4500, 4800};
constexpr double y_bornes = 3060;
// Branches de la charge (phase 1 la plus à droite pour que les fils ne se croisent pas).
constexpr double x_branche[3] = {12800, 12100, 11400};
// Circuit d'excitation : fil haut, fil bas, conducteurs du rotor.
constexpr double y_exc_haut = 5700, y_exc_bas = 6900, x_exc_g = 4150, x_exc_d = 4550;
// Appareil de mesure : boîte blanche, afficheur et unité.
constexpr double largeur_appareil = 1380, hauteur_appareil = 435;

using ecriture::ecrit;

} // namespace

Form1::Form1(ProgrammeTrivon &programme)
    : Feuille(QStringLiteral("Form1"), tr("Étude d'une machine synchrone"), 14400, 8280),
      programme_(programme), banc_(*this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    creer_controles();
    creer_panneaux();
    // Ordre de Tab : les saisies et leurs Valid, les panneaux de
    // caractéristiques, l'interrupteur et le couplage, puis les autres boutons.
    std::vector<QWidget *> ordre;
    for (const char *nom :
         {"choix_uvek",      "valid_uvek", "choix_ue",    "valid_ue", "choix_rc", "choix_lc",
          "valid_rc",        "choix_kvek", "choix_re",    "choix_rs", "choix_ls", "choix_p",
          "choix_kfer",      "choix_tp",   "choix_ien",   "choix_n",  "choix_en", "bouton_inter",
          "bouton_couplage", "Inducteur",  "trace_courbe"})
        ordre.push_back(findChild<QWidget *>(QString::fromUtf8(nom)));
    ordre_tab(ordre);
    banc_.initialise();
    recalculer();
}

// --- Schéma -------------------------------------------------------------------

void Form1::dessiner_schema()
{
    const QColor noir = Qt::black;
    const auto fil = [&](std::initializer_list<QPointF> points) {
        const QPointF *p = points.begin();
        for (std::size_t i = 1; i < points.size(); ++i)
            trait(p[i - 1].x(), p[i - 1].y(), p[i].x(), p[i].y(), noir);
    };
    const auto noeud = [&](double x, double y) { cercle(x, y, 35, noir, noir); };
    const QFont police_symbole = polices::police(8, true);
    const QFont police_legende = polices::police(9, true);
    // Source de tension continue : un cercle, un trait plein sur un trait pointillé.
    const auto source = [&](double cx, double cy, bool dc_a_gauche) {
        cercle(cx, cy, 250, noir, Qt::white);
        trait(cx - 110, cy - 30, cx + 110, cy - 30, noir);
        for (int i = 0; i < 3; ++i)
            trait(cx - 110 + i * 90, cy + 40, cx - 75 + i * 90, cy + 40, noir);
        texte(dc_a_gauche ? cx - 560 : cx + 290, cy - 120, QStringLiteral("DC"), police_symbole);
        texte(cx + 60, cy - 320, QStringLiteral("+"), police_symbole);
    };
    // Bobine dessinée le long d'un fil vertical : boucles de y1 à y2.
    const auto bobine = [&](double x, double y1, double y2) {
        const int spires = 4;
        const double pas = (y2 - y1) / spires;
        for (int i = 0; i < spires; ++i) {
            const double h = y1 + i * pas;
            trait(x, h, x + 110, h + pas / 4, noir);
            trait(x + 110, h + pas / 4, x + 110, h + 3 * pas / 4, noir);
            trait(x + 110, h + 3 * pas / 4, x, h + pas, noir);
        }
    };

    setDrawWidth(1);
    // Moteur à courant continu et son alimentation U.
    fil({{700, 3950}, {700, 3300}, {1800, 3300}, {1800, 3650}});
    fil({{700, 4450}, {700, 5100}, {1800, 5100}, {1800, 4750}});
    source(700, 4200, true);
    setDrawWidth(2);
    cercle(1800, 4200, 550, noir, QColor(235, 235, 235));
    setDrawWidth(1);
    texte(1720, 4080, QStringLiteral("M"), polices::police(12, true));

    // Machine synchrone : stator (induit), rotor (inducteur), bornes 1, 2, 3, N.
    setDrawWidth(2);
    cercle(cx_ms, cy_ms, r_ms, noir, QColor(235, 235, 235));
    setDrawWidth(1);
    cercle(cx_ms, cy_ms, r_rotor, noir, Qt::white);
    const char *noms_bornes[4] = {"1", "2", "3", "N"};
    const double y_lignes[4] = {y_phase[0], y_phase[1], y_phase[2], y_neutre};
    for (int k = 0; k < 4; ++k) {
        const double x = x_bornes[k];
        const double dx = x - cx_ms;
        const double y_stator = cy_ms - std::sqrt(r_ms * r_ms - dx * dx);
        fil({{x, y_stator}, {x, y_lignes[k]}});
        cercle(x, y_bornes, 45, noir, Qt::white);
        texte(x + 60, y_bornes - 40, QString::fromLatin1(noms_bornes[k]), police_symbole);
    }
    // Le mot, lettre sous lettre, centré sur la hauteur de la machine.
    const QString induit = tr("INDUIT");
    const double haut_induit = 3560 + (6 - induit.size()) * 110.0;
    for (int i = 0; i < induit.size(); ++i)
        texte(cx_ms + r_ms + 60, haut_induit + i * 220, QString(induit[i]), police_symbole);

    // Circuit d'excitation : source Ue, ampèremètre sur le fil haut, voltmètre
    // aux bornes de la source, conducteurs jusqu'au rotor.
    const double y_rotor_bas = cy_ms + std::sqrt(r_rotor * r_rotor - 200.0 * 200.0);
    fil({{x_exc_g, y_rotor_bas},
         {x_exc_g, y_exc_haut},
         {1200, y_exc_haut},
         {1200, y_exc_bas},
         {x_exc_d, y_exc_bas},
         {x_exc_d, y_rotor_bas}});
    fil({{2400, y_exc_haut}, {2400, y_exc_bas}});
    noeud(2400, y_exc_haut);
    noeud(2400, y_exc_bas);
    source(2400, 6300, false);

    // Induit : trois phases jusqu'aux pivots des lames, neutre jusqu'au voltmètre.
    for (int k = 0; k < 3; ++k) {
        fil({{x_bornes[k], y_phase[k]}, {x_pivot, y_phase[k]}});
        noeud(x_pivot, y_phase[k]);
    }
    fil({{x_bornes[3], y_neutre}, {8200, y_neutre}, {8200, y_phase[0]}});
    noeud(8200, y_phase[0]);

    // Charge : trois branches R-L couplées en étoile.
    for (int k = 0; k < 3; ++k) {
        const double x = x_branche[k];
        fil({{x_fin_contact, y_phase[k]}, {x, y_phase[k]}, {x, 2250}});
        boite_pleine(x - 120, 2250, x + 120, 2800, Qt::white);
        fil({{x - 120, 2250}, {x + 120, 2250}, {x + 120, 2800}, {x - 120, 2800}, {x - 120, 2250}});
        texte(x + 170, 2400, QStringLiteral("R"), police_symbole);
        fil({{x, 2800}, {x, 2950}});
        bobine(x, 2950, 3550);
        texte(x + 170, 3150, QStringLiteral("L"), police_symbole);
        fil({{x, 3550}, {x, 3800}});
    }
    fil({{x_branche[2], 3800}, {x_branche[0], 3800}});
    noeud(x_branche[1], 3800);

    // Cadre des réglages de la charge.
    setDrawStyle(Style::pointille);
    fil({{10440, 4200}, {14160, 4200}, {14160, 5640}, {10440, 5640}, {10440, 4200}});
    setDrawStyle(Style::plein);

    texte(300, 5250, tr("Moteur à courant continu"), police_legende);
}

QLabel *Form1::appareil(const QString &nom, const QString &unite, double gauche, double haut)
{
    const QColor noir = Qt::black;
    const double droite = gauche + largeur_appareil, bas = haut + hauteur_appareil;
    boite_pleine(gauche, haut, droite, bas, Qt::white);
    trait(gauche, haut, droite, haut, noir);
    trait(droite, haut, droite, bas, noir);
    trait(droite, bas, gauche, bas, noir);
    trait(gauche, bas, gauche, haut, noir);
    texte(gauche + 860, haut + 100, unite, polices::police(8, true));
    return afficheur(nom, gauche + 30, haut + 30, 800, 375);
}

// --- Contrôles ----------------------------------------------------------------

void Form1::creer_controles()
{
    // Saisies et leurs boutons Valid, cachés au départ.
    label(QStringLiteral("Label_uvek"), QStringLiteral("U (V) ="), 120, 2520, 1000, 255);
    choix_uvek_ = saisie(QStringLiteral("choix_uvek"), 120, 2760, 1000, 375);
    choix_uvek_->setToolTip(
        tr("Tension continue d'alimentation de la VEK. Pour U=%1V, n=%2tr/min.").arg(120).arg(1500));
    valid_uvek_ = bouton(QStringLiteral("valid_uvek"), tr("Valid"), 1200, 2760, 800, 375);

    label(QStringLiteral("Label_ue"), tr("Ue (V) ="), 3020, 6140, 900, 255);
    choix_ue_ = saisie(QStringLiteral("choix_ue"), 3020, 6400, 760, 375);
    choix_ue_->setToolTip(tr("Tension continue d'excitation de la machine synchrone"));
    valid_ue_ = bouton(QStringLiteral("valid_ue"), tr("Valid"), 3820, 6400, 660, 375);

    QLabel *charge = label(QStringLiteral("aff_charge"), tr("Charge inductive"), 10560, 4260, 3500, 300);
    charge->setFont(polices::police(9, true));
    label(QStringLiteral("Label_rc"), tr("R (ohm)"), 10560, 4720, 1000, 255);
    choix_rc_ = saisie(QStringLiteral("choix_rc"), 11640, 4660, 1000, 375);
    choix_rc_->setText(QStringLiteral("500"));
    choix_rc_->setToolTip(tr("Résistance de la charge"));
    label(QStringLiteral("Label_lc"), QStringLiteral("L (H)"), 10560, 5160, 1000, 255);
    choix_lc_ = saisie(QStringLiteral("choix_lc"), 11640, 5100, 1000, 375);
    choix_lc_->setToolTip(tr("Inductance de la charge"));
    valid_rc_ = bouton(QStringLiteral("valid_rc"), tr("Valid"), 12800, 4880, 900, 375);

    for (Bouton *b : {valid_uvek_, valid_ue_, valid_rc_})
        b->hide();
    for (QLineEdit *e : {choix_uvek_, choix_ue_, choix_rc_, choix_lc_})
        e->installEventFilter(this);
    connect(choix_uvek_, &QLineEdit::textChanged, this, &Form1::choix_uvek_Change);
    connect(choix_ue_, &QLineEdit::textChanged, this, &Form1::choix_ue_Change);
    connect(choix_rc_, &QLineEdit::textChanged, this, &Form1::choix_rc_Change);
    connect(choix_lc_, &QLineEdit::textChanged, this, &Form1::choix_rc_Change);
    connect(choix_uvek_, &QLineEdit::returnPressed, this, &Form1::valid_uvek_Click);
    connect(choix_ue_, &QLineEdit::returnPressed, this, &Form1::valid_ue_Click);
    connect(choix_rc_, &QLineEdit::returnPressed, this, &Form1::valid_rc_Click);
    connect(choix_lc_, &QLineEdit::returnPressed, this, &Form1::valid_rc_Click);
    connect(valid_uvek_, &QPushButton::clicked, this, &Form1::valid_uvek_Click);
    connect(valid_ue_, &QPushButton::clicked, this, &Form1::valid_ue_Click);
    connect(valid_rc_, &QPushButton::clicked, this, &Form1::valid_rc_Click);

    // Interrupteur, couplage, enregistreur de courbes.
    Bouton *inter =
        bouton(QStringLiteral("bouton_inter"), tr("Commande interrupteur"), 8950, 2760, 1500, 615);
    inter->setToolTip(tr("Fermer/ouvrir les interrupteurs "));
    connect(inter, &QPushButton::clicked, this, &Form1::bouton_inter_Click);
    Bouton *couplage =
        bouton(QStringLiteral("bouton_couplage"), tr("Changement de couplage"), 5600, 3960, 2000, 495);
    connect(couplage, &QPushButton::clicked, this, &Form1::bouton_couplage_Click);
    aff_couplage_ = label(QStringLiteral("aff_couplage"), tr("Couplage étoile"), 7700, 4080, 1800, 255);
    aff_couplage_->setToolTip(tr("Couplage de la machine synchrone"));
    Bouton *courbe = bouton(QStringLiteral("trace_courbe"), tr("Tracer une courbe"), 120, 120, 2400, 495);
    connect(courbe, &QPushButton::clicked, this, &Form1::trace_courbe_Click);
    Bouton *inducteur =
        bouton(QStringLiteral("Inducteur"), tr("Inducteur"), cx_ms - 390, cy_ms - 150, 780, 300);
    inducteur->setToolTip(tr("L'inducteur est alimenté en continu"));

    // Afficheurs, dans l'ordre de l'énumération Afficheur.
    afficheurs_[static_cast<int>(Afficheur::ue)] =
        appareil(QStringLiteral("aff_ue"), tr("V  DC"), 510, 6300 - hauteur_appareil / 2);
    afficheurs_[static_cast<int>(Afficheur::ie)] =
        appareil(QStringLiteral("aff_ie"), tr("A  DC"), 2720, y_exc_haut - hauteur_appareil / 2);
    afficheurs_[static_cast<int>(Afficheur::i)] =
        appareil(QStringLiteral("aff_i"), tr("A   AC"), 5300, y_phase[0] - hauteur_appareil / 2);
    afficheurs_[static_cast<int>(Afficheur::P)] =
        appareil(QStringLiteral("aff_p"), tr("W tri"), 6600, y_phase[1] - hauteur_appareil / 2);
    afficheurs_[static_cast<int>(Afficheur::v)] =
        appareil(QStringLiteral("aff_v"), tr("V  AC"), 7510, 2070);
    label(QStringLiteral("Label_n"), tr("n (tr/min)"), 2350, 3240, 1100, 255);
    afficheurs_[static_cast<int>(Afficheur::n)] = afficheur(QStringLiteral("aff_n"), 2350, 3500, 1050, 375);
    label(QStringLiteral("Label_t"), tr("T (N.m)"), 2350, 4440, 1100, 255);
    afficheurs_[static_cast<int>(Afficheur::t)] = afficheur(QStringLiteral("aff_t"), 2350, 4700, 1050, 375);
    label(QStringLiteral("Label_f"), tr("Fréquence (Hz) :"), 5600, 3480, 1500, 255);
    afficheurs_[static_cast<int>(Afficheur::f)] = afficheur(QStringLiteral("aff_f"), 7150, 3420, 1000, 375);
    const struct {
        Afficheur a;
        const char *bulle;
    } bulles[] = {
        {Afficheur::n, QT_TRANSLATE_NOOP("Form1", "Fréquence de rotation")},
        {Afficheur::t, QT_TRANSLATE_NOOP("Form1", "Moment du couple sur l'arbre")},
        {Afficheur::ue,
         QT_TRANSLATE_NOOP("Form1", "Tension continue de l'inducteur de la machine synchrone")},
        {Afficheur::ie,
         QT_TRANSLATE_NOOP("Form1", "Intensité continue dans l'inducteur de la machine synchrone")},
        {Afficheur::v, QT_TRANSLATE_NOOP("Form1", "Tension simple de l'induit de la machine synchrone")},
        {Afficheur::i, QT_TRANSLATE_NOOP("Form1", "Intensité dans l'induit de la machine synchrone")},
        {Afficheur::P, QT_TRANSLATE_NOOP("Form1", "Puissance fournie par la machine synchrone à la charge")},
    };
    for (const auto &b : bulles)
        afficheurs_[static_cast<int>(b.a)]->setToolTip(tr(b.bulle));

    // Interrupteur tripolaire : lames (ouvertes au départ) et contacts fixes.
    for (int k = 0; k < 3; ++k) {
        const double y = y_phase[k];
        lames_[k] =
            ligne(QStringLiteral("ligne%1").arg(k + 1), x_pivot, y, x_contact, y + chute_lame, Qt::red, 2);
        ligne(QStringLiteral("ligne%1").arg(k + 4), x_contact, y, x_fin_contact, y, Qt::black, 2);
    }

    // Arbre commun aux deux machines : sa couleur montre la rotation.
    arbre_ = forme(QStringLiteral("arbre"), Forme::Type::rectangle, 1800 + 550, cy_ms - 120,
                   cx_ms - r_ms - 2350, 240, Qt::black);

    // Légendes du schéma.
    QLabel *ms = label(QStringLiteral("Label_ms"), tr("Machine synchrone"), 5600, 3060, 2500, 300);
    ms->setFont(polices::police(9, true));
    label(QStringLiteral("Label_charge"), tr("Couplage étoile"), 11400, 3900, 1800, 255);

    // Minuteries : arbre qui scintille, boutons Valid qui clignotent.
    Timer1_ = minuterie(QStringLiteral("Timer1"), 100, true);
    Timer2_ = minuterie(QStringLiteral("Timer2"), 100, false);
    Timer3_ = minuterie(QStringLiteral("Timer3"), 500, true);
    Timer4_ = minuterie(QStringLiteral("Timer4"), 500, true);
    connect(Timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3_, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(Timer4_, &QTimer::timeout, this, &Form1::Timer4_Timer);
}

void Form1::creer_panneaux()
{
    // Caractéristiques montrées à l'élève ; jamais relues.
    QGroupBox *vek = cadre(QStringLiteral("Frame_vek"), tr("Caractéristique VEK"), 120, 720, 2400, 780);
    label(QStringLiteral("Label_kvek"), tr("kphi"), 120, 360, 600, 255, vek);
    saisie(QStringLiteral("choix_kvek"), 780, 300, 1000, 330, vek)
        ->setText(ecriture::ecrit_simple(trivon::k_vek));

    QGroupBox *ms =
        cadre(QStringLiteral("Frame_ms"), tr("Caractéristique Machine synchrone"), 5600, 4680, 4700, 1500);
    // Les symboles abrégés disent en bulle ce qu'ils désignent.
    const struct {
        const char *nom, *legende;
        double valeur;
        const char *bulle;
    } constantes[] = {
        {"choix_re", QT_TRANSLATE_NOOP("Form1", "Re"), trivon::Re, nullptr},
        {"choix_rs", QT_TRANSLATE_NOOP("Form1", "Rs"), trivon::Rs, nullptr},
        {"choix_ls", QT_TRANSLATE_NOOP("Form1", "Ls"), trivon::Ls, nullptr},
        {"choix_p", QT_TRANSLATE_NOOP("Form1", "p"), trivon::p, nullptr},
        {"choix_kfer", QT_TRANSLATE_NOOP("Form1", "kfer"), trivon::kfer,
         QT_TRANSLATE_NOOP("Form1", "Coefficient des pertes fer")},
        {"choix_tp", QT_TRANSLATE_NOOP("Form1", "Tp"), trivon::Tp, nullptr},
        {"choix_ien", QT_TRANSLATE_NOOP("Form1", "ien"), trivon::Ien,
         QT_TRANSLATE_NOOP("Form1", "Intensité nominale d'excitation (A)")},
        {"choix_n", QT_TRANSLATE_NOOP("Form1", "nn"), trivon::nn,
         QT_TRANSLATE_NOOP("Form1", "Fréquence de rotation nominale (tr/min)")},
        {"choix_en", QT_TRANSLATE_NOOP("Form1", "en"), trivon::En,
         QT_TRANSLATE_NOOP("Form1", "Force électromotrice de référence (V)")},
    };
    for (int i = 0; i < 9; ++i) {
        const double x = 120 + (i % 3) * 1520, y = 300 + (i / 3) * 400;
        label(QStringLiteral("Label_") + QString::fromUtf8(constantes[i].nom), tr(constantes[i].legende), x,
              y + 40, 500, 255, ms);
        QLineEdit *e = saisie(QString::fromUtf8(constantes[i].nom), x + 520, y, 900, 330, ms);
        e->setText(ecrit(constantes[i].valeur));
        if (constantes[i].bulle)
            e->setToolTip(tr(constantes[i].bulle));
    }

    // Plaque signalétique.
    QGroupBox *plaque = cadre(QStringLiteral("Frame_plaque"), tr("Caractéristiques de la machine synchrone"),
                              5600, 6300, 4700, 1800);
    // Les nombres à décimales s'écrivent comme dans la langue de l'interface (« 3,1 A » en français).
    const QLocale l = traductions::langue_interface();
    const QString lignes[] = {tr("%1 kVA ; %2 Hz").arg(l.toString(1.2)).arg(50),
                              tr("Stator en triangle : %1 V ; %2 A").arg(230).arg(l.toString(3.1)),
                              tr("Stator en étoile : %1 V ; %2 A").arg(400).arg(l.toString(1.8)),
                              tr("Rotor : %1 V ; %2 A").arg(70).arg(l.toString(2.6)),
                              tr("Résistance d'un enroulement statorique : %1 Ohm").arg(l.toString(4.9))};
    for (int i = 0; i < 5; ++i)
        label(QStringLiteral("plaque%1").arg(i + 1), lignes[i], 120, 300 + i * 280, 4460, 255, plaque);

    // Légende des zones.
    QGroupBox *legende = cadre(QStringLiteral("Frame_legende"), tr("Légende"), 120, 7080, 3400, 1080);
    const struct {
        const char *nom, *texte;
        QColor couleur;
    } zones[] = {{"zone_reglage", QT_TRANSLATE_NOOP("Form1", "Zone de réglage"), Qt::white},
                 {"zone_mesure", QT_TRANSLATE_NOOP("Form1", "Zone de mesure"), couleur_bgr(fond_afficheur)}};
    for (int i = 0; i < 2; ++i) {
        const double y = 330 + i * 360;
        QLabel *tache = label(QString::fromUtf8(zones[i].nom), QString(), 120, y, 600, 255, legende);
        tache->setAutoFillBackground(true);
        tache->setFrameShape(QFrame::Box);
        QPalette pal = tache->palette();
        pal.setColor(QPalette::Window, zones[i].couleur);
        tache->setPalette(pal);
        label(QStringLiteral("Label_") + QString::fromUtf8(zones[i].nom), tr(zones[i].texte), 840, y, 2400,
              255, legende);
    }
}

// --- Saisies ------------------------------------------------------------------

void Form1::choix_uvek_Change()
{
    valid_uvek_->show();
}

void Form1::choix_ue_Change()
{
    valid_ue_->show();
}

void Form1::choix_rc_Change()
{
    valid_rc_->show();
}

void Form1::valid_uvek_Click()
{
    valid_uvek_->hide();
    banc_.reglages().U = nombre::lire_nombre(choix_uvek_->text().toStdString());
    recalculer();
}

void Form1::valid_ue_Click()
{
    valid_ue_->hide();
    banc_.reglages().Ue = nombre::lire_nombre(choix_ue_->text().toStdString());
    recalculer();
}

void Form1::valid_rc_Click()
{
    valid_rc_->hide();
    banc_.reglages().R = nombre::lire_nombre(choix_rc_->text().toStdString());
    banc_.reglages().L = nombre::en_simple(nombre::lire_nombre(choix_lc_->text().toStdString()));
    recalculer();
}

bool Form1::eventFilter(QObject *objet, QEvent *evenement)
{
    // Un clic dans une saisie fait paraître son bouton Valid.
    if (evenement->type() == QEvent::MouseButtonPress) {
        if (objet == choix_uvek_)
            choix_uvek_Change();
        else if (objet == choix_ue_)
            choix_ue_Change();
        else if (objet == choix_rc_ || objet == choix_lc_)
            choix_rc_Change();
    }
    return Feuille::eventFilter(objet, evenement);
}

// --- Interrupteur, couplage, courbes ------------------------------------------

void Form1::bouton_inter_Click()
{
    banc_.reglages().inter_ferme = !banc_.reglages().inter_ferme;
    recalculer();
}

void Form1::bouton_couplage_Click()
{
    banc_.reglages().etoile = !banc_.reglages().etoile;
    aff_couplage_->setText(banc_.reglages().etoile ? tr("couplage étoile") : tr("couplage triangle"));
    recalculer();
}

void Form1::trace_courbe_Click()
{
    programme_.traceur_courbes.ouvrir_courbe();
}

// --- Minuteries ---------------------------------------------------------------

void Form1::recalculer()
{
    banc_.calcul_point();
    // Une minuterie de l'arbre réglée pour une vitesse très basse (jusqu'à
    // 65 s) ferait attendre la nouvelle vitesse jusqu'à son top : elle repart
    // tout de suite à la cadence de la nouvelle vitesse.
    const int voulu = trivon::top_arbre(true, banc_.resultats().n).intervalle;
    for (QTimer *t : {Timer1_, Timer2_})
        if (t->isActive() && t->remainingTime() > voulu)
            t->start(voulu);
}

void Form1::regler_arbre(const trivon::EtatArbre &etat)
{
    arbre_->setRemplissage(couleur_bgr(etat.couleur));
    if (etat.intervalle > 0) {
        for (QTimer *t : {Timer1_, Timer2_})
            if (t->interval() != etat.intervalle)
                t->setInterval(etat.intervalle);
    }
}

void Form1::Timer1_Timer()
{
    minuteries::passer_la_main(Timer1_, Timer2_);
    regler_arbre(trivon::top_arbre(true, banc_.resultats().n));
}

void Form1::Timer2_Timer()
{
    minuteries::passer_la_main(Timer2_, Timer1_);
    regler_arbre(trivon::top_arbre(false, banc_.resultats().n));
}

void Form1::Timer3_Timer()
{
    minuteries::passer_la_main(Timer3_, Timer4_);
    minuteries::faire_clignoter({valid_uvek_, valid_ue_, valid_rc_}, true);
}

void Form1::Timer4_Timer()
{
    minuteries::passer_la_main(Timer4_, Timer3_);
    minuteries::faire_clignoter({valid_uvek_, valid_ue_, valid_rc_}, false);
}

// --- Effets du modèle -----------------------------------------------------------

void Form1::afficher(Afficheur afficheur, double valeur)
{
    afficheurs_[static_cast<std::size_t>(afficheur)]->setText(ecrit(valeur));
}

void Form1::dessiner_interrupteur(bool ferme)
{
    for (int k = 0; k < 3; ++k)
        lames_[k]->setY2(ferme ? y_phase[k] : y_phase[k] + chute_lame);
}

void Form1::avertir(const std::string &message)
{
    // Le modèle écrit son message en français ; il paraît dans la langue de l'interface.
    programme_.avertisseur.avertir(QCoreApplication::translate("trivon", message.c_str()));
}
