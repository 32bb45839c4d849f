// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ecriture.h"
#include "nombre.h"
#include "polices.h"
#include "programme_sodel.h"
#include "traductions.h"
#include "twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

using sodel::Afficheur;
using sodel::Saisie;

// Largeur et hauteur de la zone cliente, en twips.
constexpr double largeur_fenetre = 12300, hauteur_fenetre = 5760;

// Fils de ligne 1, 2, 3 et neutre, à la sortie de l'onduleur.
constexpr double y_fil[4] = {1500, 2200, 2900, 3500};
constexpr double x_onduleur = 2520, x_moteur = 6900, x_moteur_fin = 8700, x_charge = 10000;

const QColor rouge_fil(255, 0, 0);
const QColor fond_boite(235, 235, 235);

const char *const noms_saisies[] = {"choix_f",  "choix_v1", "choix_T", "choix_Tp", "choix_R2",
                                    "choix_l2", "choix_m",  "choix_p", "choix_lm", "choix_rp"};
const char *const noms_afficheurs[] = {"aff_v1", "aff_i",    "aff_p1",   "aff_g",     "aff_n",
                                       "aff_T",  "aff_tmax", "aff_gmax", "aff_cosphi"};

// Plaque signalétique du moteur : les nombres à décimales s'écrivent comme
// dans la langue de l'interface (« 16,3 A » en français).
QString plaque_moteur()
{
    const QLocale l = traductions::langue_interface();
    return QCoreApplication::translate("Form1", "%1 V / %2 V ;     %3 A / %4 A ;        %5 Hz ; %6 tr/min ; "
                                                "cos phi = %7")
        .arg(230)
        .arg(400)
        .arg(l.toString(16.3))
        .arg(l.toString(9.4))
        .arg(50)
        .arg(1420)
        .arg(l.toString(0.8));
}

} // namespace

Form1::Form1(ProgrammeSodel &programme)
    : Feuille(QStringLiteral("Form1"), tr("Étude d'une machine asynchrone par A. Varlon"), largeur_fenetre,
              hauteur_fenetre),
      programme_(programme), banc_(*this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    creer_controles();
    // Form_Load
    banc_.initialise();
    banc_.efface_mesures();
    for (const char *t : sodel::textes_charges)
        choix_charge_->addItem(QCoreApplication::translate("sodel", t));
    choix_charge_->setCurrentIndex(-1);
}

void Form1::creer_controles()
{
    const auto nom = [](const char *n) { return QString::fromUtf8(n); };
    const auto saisie_de = [this](Saisie s) -> QLineEdit *& { return saisies_[static_cast<std::size_t>(s)]; };
    const QFont gras = polices::police(8, true);

    // Onduleur : fréquence, tension simple, Valid, marche/arrêt.
    QLabel *onduleur = label(nom("Label_onduleur"), tr("Onduleur"), 240, 880, 2160, 300);
    onduleur->setFont(polices::police(10, true));
    onduleur->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label(nom("Label_f"), tr("f (Hz)"), 240, 1340, 800, 270);
    saisie_de(Saisie::f) = saisie(nom("choix_f"), 1080, 1290, 900, 330);
    saisie_de(Saisie::f)->setToolTip(tr("Réglage de la fréquence"));
    label(nom("Label_v1"), QStringLiteral("v1 (V) "), 240, 1790, 800, 270);
    saisie_de(Saisie::v1) = saisie(nom("choix_v1"), 1080, 1740, 900, 330);
    saisie_de(Saisie::v1)->setToolTip(tr("Réglage de la tension simple fournie par l'onduleur"));
    valid_f_ = bouton(nom("valid_f"), tr("Valid"), 1080, 2180, 900, 360);
    bouton_marche_ = bouton(nom("bouton_marche"), tr("ARRET"), 360, 2780, 1680, 500);
    bouton_marche_->setToolTip(tr("Bouton de mise en marche de l'onduleur"));
    bouton_marche_->setFont(gras);

    // Moteur : couplage au-dessus de la boîte.
    aff_couplage_ = label(nom("aff_couplage"), tr("Couplage étoile"), x_moteur, 660, 1800, 270);
    aff_couplage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    aff_couplage_->setFont(gras);
    Bouton *couplage = bouton(nom("bouton_couplage"), tr("Changement couplage"), x_moteur, 930, 1800, 330);

    // Charge : liste au-dessus de la boîte, frein à poudre et bouton des caractéristiques dedans.
    label(nom("Label_choix_charge"), tr("Choix de la charge :"), x_charge, 100, 2150, 270);
    choix_charge_ = liste(nom("choix_charge"), x_charge, 380, 2150, 330);
    choix_charge_->setPlaceholderText(tr("Frein"));
    label_charge_ = label(nom("label_charge"), tr("Frein"), x_charge + 60, 1180, 2030, 300);
    label_charge_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label_charge_->setFont(polices::police(10, true));
    Label_T_ = label(nom("Label_T"), tr("T (N.m)"), x_charge + 150, 1620, 900, 270);
    saisie_de(Saisie::T) = saisie(nom("choix_T"), x_charge + 150, 1890, 900, 330);
    saisie_de(Saisie::T)->setToolTip(tr("Réglage du moment du couple"));
    valid_T_ = bouton(nom("valid_T"), tr("Valid"), x_charge + 1110, 1870, 900, 360);
    Bouton_caract_ =
        bouton(nom("Bouton_caract"), tr("Caractéristique de la charge"), x_charge + 150, 2500, 1860, 700);

    Bouton *courbe = bouton(nom("trace_courbe"), tr("Tracer une courbe"), 120, 100, 2400, 460);

    // Afficheurs du schéma : dans les appareils de mesure, et entre l'arbre et la charge.
    const struct {
        Afficheur a;
        double g, h, l;
        const char *bulle;
    } aff[] = {
        {Afficheur::v1, 4560, y_fil[1] + 200, 900,
         QT_TRANSLATE_NOOP("Form1", "Tension composée sur le stator du moteur")},
        {Afficheur::i, 3180, y_fil[0] - 165, 900,
         QT_TRANSLATE_NOOP("Form1", "Intensité en ligne du stator du moteur")},
        {Afficheur::p1, 5790, y_fil[1] + 170 + 175, 900,
         QT_TRANSLATE_NOOP("Form1", "Puissance triphasée absorbée par le moteur")},
        {Afficheur::g, 8820, 1560, 1080, QT_TRANSLATE_NOOP("Form1", "Glissement en %")},
        {Afficheur::n, 8820, 2660, 1080, QT_TRANSLATE_NOOP("Form1", "Fréquence de rotation")},
        {Afficheur::T, 8820, 3340, 1080, nullptr},
    };
    for (const auto &a : aff) {
        QLabel *l = afficheur(nom(noms_afficheurs[static_cast<std::size_t>(a.a)]), a.g, a.h, a.l, 330);
        if (a.bulle)
            l->setToolTip(tr(a.bulle));
        afficheurs_[static_cast<std::size_t>(a.a)] = l;
    }
    label(nom("Label_A"), QStringLiteral("A"), 2960, y_fil[0] - 135, 200, 270)->setFont(gras);
    label(nom("Label_V"), QStringLiteral("V"), 4340, y_fil[1] + 230, 200, 270)->setFont(gras);
    label(nom("Label_W"), QStringLiteral("W"), 5760, y_fil[1] + 60, 420, 270)->setFont(gras);
    label(nom("Label_tri"), tr("tri"), 6260, y_fil[1] + 60, 420, 270)->setFont(gras);
    label(nom("Label_g"), tr("g %"), 8820, 1300, 1080, 270);
    label(nom("Label_n"), tr("n (tr/min)"), 8820, 2400, 1080, 270);
    label(nom("Label_Tu"), tr("T (n.m)"), 8820, 3080, 1080, 270);
    QLabel *moteur =
        label(nom("Label_moteur"), tr("Machine asynchrone triphasée"), x_moteur + 100, 1420, 1600, 560);
    moteur->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    moteur->setFont(gras);
    label(nom("Label_tension_simple"), tr("v1 : tension simple"), x_onduleur + 150, y_fil[3] - 135, 2400,
          270);
    const char *bornes[] = {"1", "2", "3", "N"};
    for (int i = 0; i < 4; ++i)
        label(nom("Label_borne") + QString::number(i), nom(bornes[i]), x_onduleur - 260, y_fil[i] - 135, 200,
              270)
            ->setFont(gras);

    // Plaque signalétique.
    QGroupBox *plaque = cadre(nom("Frame_plaque"), tr("Plaque signalétique"), 2700, 20, 7140, 560);
    label(nom("Label_plaque"), plaque_moteur(), 120, 250, 6900, 270, plaque);

    // Paramètres de la machine.
    QGroupBox *carac =
        cadre(nom("Frame_machine"), tr("Caractéristique de la machine asynchrone"), 120, 4230, 8250, 1170);
    const struct {
        Saisie s;
        const char *legende;
    } param[] = {
        {Saisie::R2, QT_TRANSLATE_NOOP("Form1", "R2")}, {Saisie::l2, QT_TRANSLATE_NOOP("Form1", "l2")},
        {Saisie::m, QT_TRANSLATE_NOOP("Form1", "m")},   {Saisie::p, QT_TRANSLATE_NOOP("Form1", "p")},
        {Saisie::lm, QT_TRANSLATE_NOOP("Form1", "lm")}, {Saisie::Rf, QT_TRANSLATE_NOOP("Form1", "Rf")},
        {Saisie::Tp, QT_TRANSLATE_NOOP("Form1", "Tp")}};
    for (int i = 0; i < 7; ++i) {
        const std::size_t k = static_cast<std::size_t>(param[i].s);
        label(nom("Label_") + nom(noms_saisies[k]).mid(6), tr(param[i].legende), 150 + i * 1000, 330, 900,
              270, carac);
        saisies_[k] = saisie(nom(noms_saisies[k]), 150 + i * 1000, 600, 900, 330, carac);
    }
    Bouton *valid_moteur = bouton(nom("valid_moteur"), tr("Valid"), 7170, 560, 960, 400, carac);

    // Couple maximal, glissement critique, facteur de puissance : zones de texte en lecture seule.
    const struct {
        Afficheur a;
        const char *legende;
    } bas[] = {{Afficheur::tmax, QT_TRANSLATE_NOOP("Form1", "tmax")},
               {Afficheur::gmax, QT_TRANSLATE_NOOP("Form1", "gmax")},
               {Afficheur::cosphi, QT_TRANSLATE_NOOP("Form1", "cosphi")}};
    for (int i = 0; i < 3; ++i) {
        const double h = 4330 + i * 450;
        label(nom("Label_") + nom(bas[i].legende), tr(bas[i].legende), 8410, h + 30, 870, 270);
        QLineEdit *e = saisie(nom(noms_afficheurs[static_cast<std::size_t>(bas[i].a)]), 9300, h, 950, 330);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, couleur_bgr(fond_afficheur));
        e->setPalette(pal);
        afficheurs_[static_cast<std::size_t>(bas[i].a)] = e;
    }

    // Légende des deux zones.
    QGroupBox *legende = cadre(nom("Frame_legende"), tr("Légende"), 10380, 4230, 1800, 1170);
    const struct {
        const char *nom, *texte;
        QColor couleur;
    } zones[] = {{"Label_reglage", QT_TRANSLATE_NOOP("Form1", "Zone de réglage"), Qt::white},
                 {"Label_mesure", QT_TRANSLATE_NOOP("Form1", "Zone de mesure"), couleur_bgr(fond_afficheur)}};
    for (int i = 0; i < 2; ++i) {
        QLabel *pastille = label(nom(zones[i].nom) + QStringLiteral("_pastille"), QString(), 120,
                                 330 + i * 400, 300, 270, legende);
        pastille->setFrameShape(QFrame::Box);
        pastille->setAutoFillBackground(true);
        QPalette pal = pastille->palette();
        pal.setColor(QPalette::Window, zones[i].couleur);
        pastille->setPalette(pal);
        label(nom(zones[i].nom), tr(zones[i].texte), 480, 330 + i * 400, 1300, 270, legende);
    }

    // Arbre du moteur.
    arbre_ = forme(nom("arbre"), Forme::Type::rectangle, x_moteur_fin, 2100, x_charge - x_moteur_fin, 200,
                   Qt::black);

    // Cachés au départ.
    for (QWidget *w : {static_cast<QWidget *>(valid_f_), static_cast<QWidget *>(valid_T_),
                       static_cast<QWidget *>(Bouton_caract_)})
        w->hide();

    // Ordre de Tab : les saisies et leurs Valid, le réglage de la machine,
    // la marche et le couplage, la liste des charges, puis les autres boutons.
    ordre_tab({saisie_de(Saisie::f), saisie_de(Saisie::v1), valid_f_, saisie_de(Saisie::T), valid_T_,
               saisie_de(Saisie::R2), saisie_de(Saisie::l2), saisie_de(Saisie::m), saisie_de(Saisie::p),
               saisie_de(Saisie::lm), saisie_de(Saisie::Rf), saisie_de(Saisie::Tp), valid_moteur,
               bouton_marche_, couplage, choix_charge_, Bouton_caract_, courbe});

    // Gestionnaires.
    for (Saisie s : {Saisie::f, Saisie::v1, Saisie::T})
        saisie_de(s)->installEventFilter(this);
    connect(saisie_de(Saisie::f), &QLineEdit::textEdited, this, &Form1::choix_f_Click);
    connect(saisie_de(Saisie::v1), &QLineEdit::textEdited, this, &Form1::choix_v1_Click);
    connect(saisie_de(Saisie::T), &QLineEdit::textEdited, this, &Form1::choix_T_Click);
    connect(saisie_de(Saisie::f), &QLineEdit::returnPressed, this, &Form1::valid_f_Click);
    connect(saisie_de(Saisie::v1), &QLineEdit::returnPressed, this, &Form1::valid_f_Click);
    connect(saisie_de(Saisie::T), &QLineEdit::returnPressed, this, &Form1::valid_T_Click);
    connect(valid_f_, &QPushButton::clicked, this, &Form1::valid_f_Click);
    connect(valid_T_, &QPushButton::clicked, this, &Form1::valid_T_Click);
    connect(valid_moteur, &QPushButton::clicked, this, &Form1::valid_moteur_Click);
    // Au clavier, Entrée dans un réglage de la machine vaut son Valid.
    for (Saisie s : {Saisie::R2, Saisie::l2, Saisie::m, Saisie::p, Saisie::lm, Saisie::Rf, Saisie::Tp})
        connect(saisie_de(s), &QLineEdit::returnPressed, this, &Form1::valid_moteur_Click);
    connect(bouton_marche_, &QPushButton::clicked, this, &Form1::bouton_marche_Click);
    connect(couplage, &QPushButton::clicked, this, &Form1::bouton_couplage_Click);
    connect(choix_charge_, &QComboBox::activated, this, &Form1::choix_charge_Click);
    connect(Bouton_caract_, &QPushButton::clicked, this, &Form1::Bouton_caract_Click);
    connect(courbe, &QPushButton::clicked, this, &Form1::trace_courbe_Click);

    // Minuteries : arbre qui scintille, boutons Valid qui clignotent.
    Timer1_ = minuterie(nom("Timer1"), 200, true);
    Timer2_ = minuterie(nom("Timer2"), 200, true);
    Timer3_ = minuterie(nom("Timer3"), 500, true);
    Timer4_ = minuterie(nom("Timer4"), 500, true);
    connect(Timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3_, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(Timer4_, &QTimer::timeout, this, &Form1::Timer4_Timer);
}

void Form1::dessiner_schema()
{
    const QColor noir = Qt::black;
    const auto boite = [&](double g, double h, double d, double b, const QColor &fond) {
        boite_pleine(g, h, d, b, fond);
        trait(g, h, d, h, noir);
        trait(d, h, d, b, noir);
        trait(d, b, g, b, noir);
        trait(g, b, g, h, noir);
    };
    const auto noeud = [&](double x, double y, const QColor &c) { cercle(x, y, 40, c, c); };

    setDrawWidth(2);
    // Onduleur et ses bornes.
    boite(120, 800, x_onduleur, 3800, QColor(220, 228, 240));
    // Fils de ligne rouges jusqu'au moteur, neutre en attente.
    for (int i = 0; i < 3; ++i)
        trait(x_onduleur, y_fil[i], x_moteur, y_fil[i], rouge_fil);
    trait(x_onduleur, y_fil[3], x_onduleur + 100, y_fil[3], rouge_fil);
    setDrawWidth(1);
    for (double y : y_fil)
        cercle(x_onduleur, y, 55, noir, Qt::white);

    // Ampèremètre dans le fil 1.
    boite(2900, y_fil[0] - 250, 4140, y_fil[0] + 250, Qt::white);
    // Voltmètre entre les fils 2 et 3 : tension composée.
    const double x_v = 4900;
    trait(x_v, y_fil[1], x_v, y_fil[1] + 130, noir);
    trait(x_v, y_fil[2] - 130, x_v, y_fil[2], noir);
    boite(4280, y_fil[1] + 130, 5520, y_fil[2] - 130, Qt::white);
    noeud(x_v, y_fil[1], noir);
    noeud(x_v, y_fil[2], noir);
    // Wattmètre triphasé : les trois fils le traversent.
    boite(5700, y_fil[0] - 250, 6780, y_fil[2] + 250, Qt::white);
    setDrawWidth(2);
    for (int i = 0; i < 3; ++i)
        trait(5700, y_fil[i], 5760, y_fil[i], rouge_fil), trait(6720, y_fil[i], 6780, y_fil[i], rouge_fil);
    setDrawWidth(1);

    // Moteur, ses trois bornes, et la charge.
    boite(x_moteur, 1300, x_moteur_fin, 3200, fond_boite);
    cercle((x_moteur + x_moteur_fin) / 2, 2600, 420, noir, Qt::white);
    texte((x_moteur + x_moteur_fin) / 2 - 230, 2420, QStringLiteral("M 3~"), polices::police(9, true));
    for (int i = 0; i < 3; ++i)
        cercle(x_moteur, y_fil[i], 55, noir, Qt::white);
    boite(x_charge, 1100, 12180, 3700, fond_boite);
}

// --- Saisies --------------------------------------------------------------------

QString Form1::texte_saisie(Saisie saisie) const
{
    return saisies_[static_cast<std::size_t>(saisie)]->text();
}

int Form1::charge_choisie() const
{
    return choix_charge_->currentIndex();
}

std::string Form1::lire_saisie(Saisie saisie) const
{
    return texte_saisie(saisie).toStdString();
}

void Form1::ecrire_saisie(Saisie saisie, const std::string &texte)
{
    saisies_[static_cast<std::size_t>(saisie)]->setText(QString::fromStdString(texte));
}

void Form1::choix_f_Click()
{
    valid_f_->show();
}

void Form1::choix_v1_Click()
{
    valid_f_->show();
}

void Form1::choix_T_Click()
{
    valid_T_->show();
}

bool Form1::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::MouseButtonPress) {
        if (objet == saisies_[static_cast<std::size_t>(Saisie::f)])
            choix_f_Click();
        else if (objet == saisies_[static_cast<std::size_t>(Saisie::v1)])
            choix_v1_Click();
        else if (objet == saisies_[static_cast<std::size_t>(Saisie::T)])
            choix_T_Click();
    }
    return Feuille::eventFilter(objet, evenement);
}

void Form1::valid_f_Click()
{
    valid_f_->hide();
    banc_.valid_f_Click();
}

void Form1::valid_T_Click()
{
    valid_T_->hide();
    banc_.valid_T_Click();
}

void Form1::valid_moteur_Click()
{
    banc_.valid_moteur_Click();
}

void Form1::bouton_marche_Click()
{
    if (!banc_.marche())
        valid_f_->hide();
    banc_.bouton_marche_Click();
}

void Form1::bouton_couplage_Click()
{
    banc_.bouton_couplage_Click();
}

void Form1::choix_charge_Click(int index)
{
    static const char *const noms[] = {
        QT_TRANSLATE_NOOP("Form1", "Frein à Poudre"), QT_TRANSLATE_NOOP("Form1", "Levage"),
        QT_TRANSLATE_NOOP("Form1", "Pompe"), QT_TRANSLATE_NOOP("Form1", "Fraiseuse"),
        QT_TRANSLATE_NOOP("Form1", "Ventilateur")};
    if (index >= 0 && index < sodel::nombre_charges) {
        label_charge_->setText(tr(noms[index]));
        const bool frein = index == sodel::frein;
        Label_T_->setVisible(frein);
        saisies_[static_cast<std::size_t>(Saisie::T)]->setVisible(frein);
        valid_T_->hide();
        Bouton_caract_->setVisible(!frein);
    }
    banc_.choix_charge_Click(index);
}

void Form1::Bouton_caract_Click()
{
    programme_.ouvrir_caract_charge();
}

void Form1::trace_courbe_Click()
{
    programme_.traceur_courbes.ouvrir_courbe();
}

// --- Minuteries -------------------------------------------------------------------

void Form1::colorer_arbre(const QColor &tourne)
{
    arbre_->setRemplissage(banc_.n() == 0 ? QColor(Qt::black) : tourne);
}

void Form1::Timer1_Timer()
{
    minuteries::passer_la_main(Timer1_, Timer2_);
    colorer_arbre(QColor(255, 0, 0));
}

void Form1::Timer2_Timer()
{
    minuteries::passer_la_main(Timer2_, Timer1_);
    colorer_arbre(QColor(192, 0, 0));
}

void Form1::Timer3_Timer()
{
    minuteries::passer_la_main(Timer3_, Timer4_);
    minuteries::faire_clignoter({valid_f_, valid_T_}, true);
}

void Form1::Timer4_Timer()
{
    minuteries::passer_la_main(Timer4_, Timer3_);
    minuteries::faire_clignoter({valid_f_, valid_T_}, false);
}

// --- Effets du modèle ------------------------------------------------------------------

QWidget *Form1::afficheur_de(Afficheur afficheur) const
{
    return afficheurs_[static_cast<std::size_t>(afficheur)];
}

void Form1::afficher(Afficheur afficheur, double valeur)
{
    const QString t = ecriture::ecrit(valeur);
    QWidget *w = afficheur_de(afficheur);
    if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(t);
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(t);
}

void Form1::effacer(Afficheur afficheur)
{
    QWidget *w = afficheur_de(afficheur);
    if (auto *l = qobject_cast<QLabel *>(w))
        l->clear();
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->clear();
}

void Form1::ecrire_couplage(bool etoile)
{
    aff_couplage_->setText(etoile ? tr("Couplage étoile") : tr("Couplage triangle"));
}

void Form1::legende_marche(bool marche)
{
    bouton_marche_->setText(marche ? tr("Marche") : tr("Arrêt"));
}

void Form1::colorer_marche(bool marche)
{
    bouton_marche_->setFond(marche ? QColor(0, 192, 0) : QColor(255, 0, 0));
}
