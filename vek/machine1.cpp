// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine1.h"

#include "arrondi.h"
#include "caract_moteur.h"
#include "mot_de_passe.h"
#include "ecriture.h"
#include "nombre.h"
#include "piste_clavier.h"
#include "polices.h"
#include "programme_vek.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace {

using vek::Afficheur;

// Hauteur des fils que ferment les deux interrupteurs, et chute de la lame ouverte.
constexpr double y_line3 = 1800, y_line58 = 1680, chute_lame = 220;
// Flèche du curseur du rhéostat : tige de 1080 à 1371, pointe à 1417, barbes à 1320.
constexpr double y_tige_haut = 1080, y_tige_bas = 1371, y_pointe = 1417, y_barbes = 1320;
constexpr double ecart_barbes = 2591.093 - 2483.131;
constexpr double gauche_rheostat = 8160, haut_rheostat = 1440, hauteur_rheostat = 495;

using ecriture::ecrit;
using ecriture::ecrit_simple;

} // namespace

Machine1::Machine1(ProgrammeVek &programme)
    : Feuille(QStringLiteral("machine1"), tr("Banc de machines à courant continu par A. Varlon"), 11880,
              6060),
      programme_(programme), banc_(programme.caracteristiques, programme.reglages, *this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dessiner_schema();
    creer_controles();
    remplir_plaque();
    banc_.charger();
    // Champ de la machine 2, toujours nominal, montré sans arrondi.
    afficheIe_gene_->setText(ecrit_simple(static_cast<float>(banc_.Ie2())));
    afficheUe_gene_->setText(ecrit_simple(banc_.Ue2()));
}

void Machine1::creer_controles()
{
    // Saisies des alimentations et leurs boutons Valid, cachés au départ.
    choixUi_ = saisie(QStringLiteral("choixUi"), 720, 2880, 975, 375);
    choixUi_->setToolTip(tr("Réglage de la tension d'induit"));
    valid_ui_ = bouton(QStringLiteral("valid_ui"), tr("Valid"), 720, 3240, 975, 375);
    choixUe_ = saisie(QStringLiteral("choixUe"), 1380, 5520, 975, 375);
    choixUe_->setToolTip(tr("Réglage de la tension d'inducteur"));
    valid_ue_ = bouton(QStringLiteral("valid_ue"), tr("Valid"), 2340, 5520, 735, 375);
    choixUi2_ = saisie(QStringLiteral("choixUi2"), 9600, 3000, 855, 375);
    choixUi2_->setToolTip(tr("Réglage de la tension d'alimentation de la machine2. Laisser U2=0 pour "
                             "que la machine 2 simule un frein"));
    valid_ui2_ = bouton(QStringLiteral("valid_ui2"), tr("Valid"), 9600, 3360, 855, 375);
    for (Bouton *b : {valid_ui_, valid_ue_, valid_ui2_})
        b->hide();
    for (QLineEdit *e : {choixUi_, choixUe_, choixUi2_})
        e->installEventFilter(this);
    connect(choixUi_, &QLineEdit::textChanged, this, &Machine1::choixUi_Change);
    connect(choixUe_, &QLineEdit::textChanged, this, &Machine1::choixUe_Change);
    connect(choixUi2_, &QLineEdit::textChanged, this, &Machine1::choixUi2_Change);
    connect(choixUi_, &QLineEdit::returnPressed, this, &Machine1::valid_ui_Click);
    connect(choixUe_, &QLineEdit::returnPressed, this, &Machine1::valid_ue_Click);
    connect(choixUi2_, &QLineEdit::returnPressed, this, &Machine1::valid_ui2_Click);
    connect(valid_ui_, &QPushButton::clicked, this, &Machine1::valid_ui_Click);
    connect(valid_ue_, &QPushButton::clicked, this, &Machine1::valid_ue_Click);
    connect(valid_ui2_, &QPushButton::clicked, this, &Machine1::valid_ui2_Click);

    // Interrupteurs, blocage du rotor.
    Bouton *inter1 = bouton(QStringLiteral("Interinduit"), tr("Interrupteur Induit"), 180, 1080, 1095, 615);
    inter1->setToolTip(tr("Fermer/Ouvrir l'interrupteur"));
    connect(inter1, &QPushButton::clicked, this, &Machine1::Interinduit_Click);
    Bouton *inter2 =
        bouton(QStringLiteral("Interinduit_géné"), tr("Interrupteur Induit 2"), 6900, 960, 1095, 615);
    inter2->setToolTip(tr("Fermer/Ouvrir l'interrupteur"));
    connect(inter2, &QPushButton::clicked, this, &Machine1::Interinduit_gene_Click);
    rotor_bloque_ = case_a_cocher(QStringLiteral("rotor_bloqué"), tr("rotor bloqué"), 5400, 4140, 1275, 375);
    rotor_bloque_->setToolTip(tr("Cocher pour bloquer le rotor. Le rotor ne doit pas tourner."));
    connect(rotor_bloque_, &QCheckBox::clicked, this, &Machine1::rotor_bloque_Click);

    // Rhéostat : la liste des types et le corps sur lequel on fait glisser le curseur.
    change_rheostat_ = liste(QStringLiteral("change_rhéostat"), 8160, 2040, 2655, 315);
    change_rheostat_->setToolTip(tr("Choisir le type de rhéostat"));
    for (const float r : vek::resistances_rheostats)
        change_rheostat_->addItem(
            QCoreApplication::translate("vek", vek::texte_rheostat).arg(static_cast<int>(r)));
    connect(change_rheostat_, &QComboBox::activated, this, &Machine1::change_rheostat_Click);
    rheostat_ = bouton(QStringLiteral("rhéostat"), tr(" Rhéostat "), gauche_rheostat, haut_rheostat,
                       vek::BancCC::largeur_rheostat, hauteur_rheostat);
    rheostat_->setFond(Qt::white);
    rheostat_->setToolTip(
        tr("Cliquer et faire glisser le curseur du rhéostat pour faire varier sa résistance"));
    rheostat_->setMouseTracking(true);
    rheostat_->installEventFilter(this);
    const double x = gauche_rheostat + vek::BancCC::largeur_rheostat;
    // Au clavier : les flèches font ce que ferait un clic au même endroit.
    piste_clavier::equiper(rheostat_, piste_clavier::Sens::horizontal,
                           [this] { return (ligne_rheostat1_->x1() - gauche_rheostat) / twips::par_pixel; });
    ligne_rheostat1_ = ligne(QStringLiteral("ligne_rhéostat1"), x, y_tige_haut, x, y_tige_bas, Qt::black, 3);
    ligne_rheostat2_ = ligne(QStringLiteral("ligne_rhéostat2"), x, y_pointe, x - ecart_barbes, y_barbes);
    ligne_rheostat3_ = ligne(QStringLiteral("ligne_rhéostat3"), x, y_pointe, x + ecart_barbes, y_barbes);

    // Lames des interrupteurs (ouvertes au départ) et fils sur lesquels elles se ferment.
    ligne(QStringLiteral("Line3"), 1020, y_line3, 1470, y_line3);
    ligne_inter_i_ =
        ligne(QStringLiteral("ligne_inter_i"), 540, y_line3, 1020, y_line3 + chute_lame, Qt::red, 2);
    ligne(QStringLiteral("Line58"), 7920, y_line58, 8400, y_line58);
    ligne_inter_gene_ =
        ligne(QStringLiteral("ligne_inter_géné"), 7440, y_line58, 7920, y_line58 + chute_lame, Qt::red, 2);

    // Arbre commun aux deux machines : sa couleur montre la rotation.
    rotor_ = forme(QStringLiteral("rotor"), Forme::Type::rectangle_arrondi, 5280, 3720, 1575, 375, Qt::black);

    // Afficheurs de la machine 1, dans l'ordre de l'énumération Afficheur.
    const struct {
        const char *nom, *bulle;
        double g, h, l, ht;
    } aff[] = {
        {"afficheIe", QT_TRANSLATE_NOOP("Machine1", "Intensité d'excitation"), 1740, 4140, 735, 375},
        {"afficheIi", QT_TRANSLATE_NOOP("Machine1", "Intensité d'induit"), 1380, 840, 795, 375},
        {"affichen", QT_TRANSLATE_NOOP("Machine1", "Fréquence de rotation"), 5400, 1920, 1335, 375},
        {"afficheUe", QT_TRANSLATE_NOOP("Machine1", "Tension d'inducteur"), 3600, 5040, 735, 315},
        {"afficheTu", QT_TRANSLATE_NOOP("Machine1", "Moment du couple"), 5400, 3000, 1335, 375},
        {"afficheUi", QT_TRANSLATE_NOOP("Machine1", "Tension d'induit"), 2400, 2520, 735, 375},
    };
    for (std::size_t i = 0; i < afficheurs_.size(); ++i) {
        afficheurs_[i] = afficheur(QString::fromUtf8(aff[i].nom), aff[i].g, aff[i].h, aff[i].l, aff[i].ht);
        afficheurs_[i]->setToolTip(tr(aff[i].bulle));
    }
    afficheIe_gene_ = afficheur(QStringLiteral("afficheIe_géné"), 9420, 3960, 855, 375);
    afficheIe_gene_->setToolTip(tr("Intensité d'excitation de la machine2"));
    afficheUe_gene_ = afficheur(QStringLiteral("afficheUe_géné"), 8460, 5040, 855, 315);
    afficheUe_gene_->setToolTip(tr("Tension de l'inducteur de la machine2"));

    // Plaque signalétique.
    QGroupBox *plaque =
        cadre(QStringLiteral("Frame1"), tr("Plaque signalétique des machines"), 2220, 60, 4635, 1095);
    plaque_Uin_ = label(QStringLiteral("plaque_Uin"), QString(), 1860, 240, 1095, 255, plaque);
    plaque_Pmn_ = label(QStringLiteral("plaque_Pmn"), QString(), 3120, 240, 1455, 255, plaque);
    plaque_Uen_ = label(QStringLiteral("plaque_Uen"), QString(), 1860, 660, 1095, 255, plaque);
    plaque_nn_ = label(QStringLiteral("plaque_nn"), QString(), 3120, 660, 1455, 255, plaque);
    Bouton *modif = bouton(QStringLiteral("modif_moteur"), tr("Modifier les caractéristiques des machines"),
                           120, 300, 1635, 675, plaque);
    connect(modif, &QPushButton::clicked, this, &Machine1::modif_moteur_Click);

    Bouton *courbe = bouton(QStringLiteral("trace_courbe"), tr("Tracer une courbe"), 7200, 120, 2535, 495);
    connect(courbe, &QPushButton::clicked, this, &Machine1::trace_courbe_Click);

    // Légendes fixes du schéma.
    QLabel *m1 = label(QStringLiteral("Label_machine1"), tr("MACHINE 1"), 3705, 2865, 1095, 255);
    m1->setToolTip(tr("Machine étudiée"));
    label(QStringLiteral("Label_machine2"), tr("MACHINE 2"), 7080, 2820, 1095, 255);
    label(QStringLiteral("Label_U1"), QStringLiteral("U1 (V)"), 720, 2640, 975, 240);
    label(QStringLiteral("Label_U2"), QStringLiteral("U2 (V)"), 9600, 2760, 855, 240);
    label(QStringLiteral("Label_Ue"), tr("U inducteur (V)"), 60, 5580, 1300, 240);
    label(QStringLiteral("Label_n"), tr("n en tr/min"), 5400, 1680, 1335, 240);
    label(QStringLiteral("Label_T"), tr("T en Nm"), 5400, 2760, 1335, 240);
    label(QStringLiteral("Label_R0"), QStringLiteral("R=0"), 8180, 1150, 400, 240);
    label(QStringLiteral("Label_Rmax"), tr("Rmax"), 10240, 1150, 450, 240);

    // Minuteries : arbre qui scintille, boutons Valid qui clignotent.
    Timer1_ = minuterie(QStringLiteral("Timer1"), 200, true);
    Timer2_ = minuterie(QStringLiteral("Timer2"), 200, true);
    Timer3_ = minuterie(QStringLiteral("Timer3"), 500, true);
    Timer4_ = minuterie(QStringLiteral("Timer4"), 500, true);
    connect(Timer1_, &QTimer::timeout, this, &Machine1::Timer1_Timer);
    connect(Timer2_, &QTimer::timeout, this, &Machine1::Timer2_Timer);
    connect(Timer3_, &QTimer::timeout, this, &Machine1::Timer3_Timer);
    connect(Timer4_, &QTimer::timeout, this, &Machine1::Timer4_Timer);
}

void Machine1::dessiner_schema()
{
    const QColor noir = Qt::black;
    const auto fil = [&](std::initializer_list<QPointF> points) {
        const QPointF *p = points.begin();
        for (std::size_t i = 1; i < points.size(); ++i)
            trait(p[i - 1].x(), p[i - 1].y(), p[i].x(), p[i].y(), noir);
    };
    const auto noeud = [&](double x, double y) { cercle(x, y, 35, noir, noir); };
    const QFont police_symbole = polices::police(8, true);
    const auto appareil = [&](double cx, double cy, double r, const QString &unite) {
        setDrawWidth(1);
        cercle(cx, cy, r, noir, Qt::white);
        texte(cx - 60, cy - 110, unite, police_symbole);
    };
    // « + » en haut à droite de la source, ou en haut à gauche quand une
    // saisie occupe sa droite (U1).
    const auto source = [&](double cx, double cy, bool plus_a_gauche = false) {
        setDrawWidth(1);
        cercle(cx, cy, 170, noir, Qt::white);
        // Symbole du continu : un trait plein au-dessus d'un trait pointillé.
        trait(cx - 90, cy - 30, cx + 90, cy - 30, noir);
        for (int i = 0; i < 3; ++i)
            trait(cx - 90 + i * 75, cy + 40, cx - 60 + i * 75, cy + 40, noir);
        texte(cx - 520, cy - 110, QStringLiteral("DC"), police_symbole);
        texte(plus_a_gauche ? cx - 290 : cx + 190, cy - 250, QStringLiteral("+"), police_symbole);
    };
    // Enroulement d'inducteur : une suite de boucles entre deux bornes.
    const auto inducteur = [&](double x1, double x2, double y) {
        const int spires = 6;
        const double pas = (x2 - x1) / spires;
        for (int i = 0; i < spires; ++i) {
            const double g = x1 + i * pas;
            trait(g, y, g + pas / 4, y - 120, noir);
            trait(g + pas / 4, y - 120, g + 3 * pas / 4, y - 120, noir);
            trait(g + 3 * pas / 4, y - 120, g + pas, y, noir);
        }
    };
    const auto induit = [&](double cx, double cy) {
        setDrawWidth(2);
        cercle(cx, cy, 420, noir, QColor(235, 235, 235));
        setDrawWidth(1);
    };
    const QFont police_legende = polices::police(7);
    // Nom d'un enroulement, centré sur l'enroulement : sa longueur change avec la langue.
    const auto legende = [&](double centre, double haut, const QString &chaine) {
        const double largeur = QFontMetricsF(police_legende).horizontalAdvance(chaine) * twips::par_pixel;
        texte(centre - largeur / 2, haut, chaine, police_legende);
    };

    setDrawWidth(1);
    // Machine 1, induit : source U1, interrupteur 1, ampèremètre, voltmètre.
    fil({{540, 2890}, {540, y_line3}});
    fil({{1470, y_line3}, {1560, y_line3}});
    fil({{2000, y_line3}, {4860, y_line3}, {4860, 3487}});
    fil({{540, 3230}, {540, 3907}, {4440, 3907}});
    fil({{3400, y_line3}, {3400, 2630}});
    fil({{3400, 3070}, {3400, 3907}});
    noeud(3400, y_line3);
    noeud(3400, 3907);
    noeud(540, y_line3);
    source(540, 3060, true);
    appareil(1780, y_line3, 220, QStringLiteral("A"));
    appareil(3400, 2850, 220, QStringLiteral("V"));
    induit(4860, 3907);
    legende(4860, 3830, tr("INDUIT"));

    // Machine 1, inducteur : source Ue, ampèremètre, voltmètre aux bornes de l'enroulement.
    fil({{540, 4830}, {540, 4750}, {1900, 4750}});
    fil({{2300, 4750}, {3900, 4750}});
    fil({{4800, 4750}, {5100, 4750}, {5100, 5430}, {540, 5430}, {540, 5170}});
    fil({{3300, 4750}, {3300, 4880}});
    fil({{3300, 5320}, {3300, 5430}});
    noeud(3300, 4750);
    noeud(3300, 5430);
    source(540, 5000);
    appareil(2100, 4750, 200, QStringLiteral("A"));
    appareil(3300, 5100, 220, QStringLiteral("V"));
    inducteur(3900, 4800, 4750);
    legende(4350, 4820, tr("INDUCTEUR"));

    // Arbre : prolongé jusqu'à l'induit de la machine 2.
    setDrawWidth(5);
    trait(6855, 3907, 7020, 3907, noir);
    setDrawWidth(1);

    // Machine 2, induit : interrupteur 2, rhéostat, source U2.
    fil({{7440, y_line58}, {7440, 2550}, {8400, 2550}, {8400, 3907}, {7860, 3907}});
    fil({{8400, y_line58}, {8160, y_line58}});
    fil({{gauche_rheostat, y_tige_haut}, {11400, y_tige_haut}, {11400, 3010}});
    fil({{11400, 3350}, {11400, 4440}, {7440, 4440}, {7440, 4327}});
    noeud(7440, y_line58);
    source(11400, 3180);
    induit(7440, 3907);
    legende(7440, 3830, tr("INDUIT"));

    // Machine 2, inducteur à sa valeur nominale.
    fil({{6700, 4750}, {6960, 4750}});
    fil({{7920, 4750}, {9650, 4750}});
    fil({{10050, 4750}, {11400, 4750}, {11400, 5130}});
    fil({{11400, 5470}, {11400, 5700}, {6700, 5700}, {6700, 4750}});
    fil({{8200, 4750}, {8200, 5010}});
    fil({{8200, 5450}, {8200, 5700}});
    noeud(8200, 4750);
    noeud(8200, 5700);
    source(11400, 5300);
    appareil(9850, 4750, 200, QStringLiteral("A"));
    appareil(8200, 5230, 220, QStringLiteral("V"));
    inducteur(6960, 7920, 4750);
    legende(7440, 4820, tr("INDUCTEUR"));
}

void Machine1::remplir_plaque()
{
    const vek::Caracteristiques &c = programme_.caracteristiques;
    plaque_Uin_->setText(tr("Ui : %1 V").arg(ecrit(c.Uin)));
    plaque_Uen_->setText(tr("Ue : %1 V").arg(ecrit(c.Uen)));
    plaque_Pmn_->setText(tr("P : %1W").arg(ecrit_simple(c.Pmn)));
    plaque_nn_->setText(tr("n :%1tr/min").arg(ecrit(c.nn)));
}

// --- Saisies ----------------------------------------------------------------

void Machine1::choixUi_Change()
{
    valid_ui_->show();
}

void Machine1::choixUe_Change()
{
    valid_ue_->show();
}

void Machine1::choixUi2_Change()
{
    valid_ui2_->show();
}

void Machine1::valid_ui_Click()
{
    valid_ui_->hide();
    programme_.reglages.Ui = nombre::lire_nombre(choixUi_->text().toStdString());
    banc_.affichage_mesure();
}

void Machine1::valid_ue_Click()
{
    valid_ue_->hide();
    programme_.reglages.Ue = nombre::lire_nombre(choixUe_->text().toStdString());
    banc_.affichage_mesure();
}

void Machine1::valid_ui2_Click()
{
    valid_ui2_->hide();
    programme_.reglages.U2 = nombre::en_simple(nombre::lire_nombre(choixUi2_->text().toStdString()));
    banc_.affichage_mesure();
}

// --- Interrupteurs, rotor, rhéostat -------------------------------------------

void Machine1::Interinduit_Click()
{
    banc_.Interinduit_Click();
}

void Machine1::Interinduit_gene_Click()
{
    banc_.Interinduit_gene_Click();
}

void Machine1::rotor_bloque_Click()
{
    banc_.rotor_bloque_Click();
}

void Machine1::change_rheostat_Click(int entree)
{
    banc_.change_rheostat_Click(entree);
}

bool Machine1::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    // Le second appui d'un double-clic arrive comme double-clic : c'est un appui
    // comme un autre, sinon le relâchement suivant laisserait le curseur saisi.
    const bool appui = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (objet == rheostat_ && (appui || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease)) {
        const double X = twips::depuis_px(static_cast<QMouseEvent *>(evenement)->position().x());
        if (appui)
            banc_.rheostat_MouseDown(X);
        else if (type == QEvent::MouseMove)
            banc_.rheostat_MouseMove(X);
        else
            banc_.rheostat_MouseUp(X);
        return true; // le corps du rhéostat n'est pas un bouton à enfoncer
    }
    // Un clic dans une saisie fait paraître son bouton Valid.
    if (type == QEvent::MouseButtonPress) {
        if (objet == choixUi_)
            choixUi_Change();
        else if (objet == choixUe_)
            choixUe_Change();
        else if (objet == choixUi2_)
            choixUi2_Change();
    }
    return Feuille::eventFilter(objet, evenement);
}

void Machine1::modif_moteur_Click()
{
    banc_.remise_a_zero();
    programme_.ouvrir_mot_de_passe();
}

void Machine1::trace_courbe_Click()
{
    programme_.traceur_courbes.ouvrir_courbe();
}

// --- Minuteries ---------------------------------------------------------------

void Machine1::Timer1_Timer()
{
    minuteries::passer_la_main(Timer1_, Timer2_);
    const vek::EtatRotor etat = vek::top_rotor(true, banc_.n(), programme_.caracteristiques.nn);
    rotor_->setRemplissage(couleur_bgr(static_cast<std::uint32_t>(etat.couleur)));
    if (etat.intervalle > 0) {
        if (Timer1_->interval() != etat.intervalle)
            Timer1_->setInterval(etat.intervalle);
        if (Timer2_->interval() != etat.intervalle)
            Timer2_->setInterval(etat.intervalle);
    }
}

void Machine1::Timer2_Timer()
{
    minuteries::passer_la_main(Timer2_, Timer1_);
    const vek::EtatRotor etat = vek::top_rotor(false, banc_.n(), programme_.caracteristiques.nn);
    rotor_->setRemplissage(couleur_bgr(static_cast<std::uint32_t>(etat.couleur)));
}

void Machine1::Timer3_Timer()
{
    minuteries::passer_la_main(Timer3_, Timer4_);
    minuteries::faire_clignoter({valid_ui_, valid_ue_, valid_ui2_}, true);
}

void Machine1::Timer4_Timer()
{
    minuteries::passer_la_main(Timer4_, Timer3_);
    minuteries::faire_clignoter({valid_ui_, valid_ue_, valid_ui2_}, false);
}

// --- Effets du modèle -----------------------------------------------------------

QLabel *Machine1::afficheur_de(Afficheur afficheur) const
{
    return afficheurs_[static_cast<std::size_t>(afficheur)];
}

void Machine1::afficher(Afficheur afficheur, double valeur)
{
    afficheur_de(afficheur)->setText(ecrit(valeur));
}

void Machine1::colorer_alerte(Afficheur afficheur, bool rouge)
{
    QLabel *l = afficheur_de(afficheur);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, couleur_bgr(rouge ? fond_alerte : fond_afficheur));
    l->setPalette(pal);
}

void Machine1::dessiner_inter1(bool ferme)
{
    ligne_inter_i_->setY2(ferme ? y_line3 : y_line3 + chute_lame);
}

void Machine1::dessiner_inter2(bool ferme)
{
    ligne_inter_gene_->setY2(ferme ? y_line58 : y_line58 + chute_lame);
}

void Machine1::ecrire_choixUe(const std::string &texte_saisie)
{
    choixUe_->setText(QString::fromStdString(texte_saisie));
}

void Machine1::avertir(const std::string &message)
{
    // Le modèle écrit son message en français ; il paraît dans la langue de l'interface.
    programme_.avertisseur.avertir(QCoreApplication::translate("vek", message.c_str()));
}

void Machine1::placer_curseur_rheostat(double decalage)
{
    const double x = gauche_rheostat + decalage;
    ligne_rheostat1_->placer(x, y_tige_haut, x, y_tige_bas);
    ligne_rheostat2_->placer(x, y_pointe, x - ecart_barbes, y_barbes);
    ligne_rheostat3_->placer(x, y_pointe, x + ecart_barbes, y_barbes);
}

void Machine1::selectionner_rheostat(int entree)
{
    const QSignalBlocker bloque(change_rheostat_);
    change_rheostat_->setCurrentIndex(entree);
}
