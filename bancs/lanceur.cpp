// SPDX-License-Identifier: GPL-3.0-or-later
#include "lanceur.h"

#include "accessibilite.h"
#include "ligne_commande.h"
#include "polices.h"
#include "texte_court.h"
#include "traductions.h"
#include "tuile.h"
#include "twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>

namespace {


// Géométrie en twips (15 twips par pixel à 96 points par pouce).
constexpr int colonnes_max = 4;
constexpr double marge = 240;
constexpr double largeur_tuile = 3900;
constexpr double hauteur_tuile = 1830;
constexpr double ecart = 180;
constexpr double hauteur_titre_groupe = 360;
constexpr double hauteur_ligne = hauteur_titre_groupe + hauteur_tuile + ecart;
// Taille des fenêtres et langue : légendes et listes, à droite du titre
// quand la place le permet.
constexpr double largeur_legende = 2100;
constexpr double largeur_liste = 3600;
constexpr double largeur_liste_langue = 2100;
constexpr double hauteur_liste = 375;
// Plus petite place laissée au titre à sa droite.
constexpr double largeur_titre_min = 4200;

QString qtexte(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Un texte du catalogue (groupe, titre, description), dans la langue de l'interface.
QString texte_catalogue(std::string_view s)
{
    return traductions::texte("catalogue", s);
}

double largeur_pour(int colonnes)
{
    return 2 * marge + colonnes * largeur_tuile + (colonnes - 1) * ecart;
}

// Autant de colonnes que la largeur offerte (en pixels à 100 %) en laisse,
// au moins une.
int colonnes_pour(double largeur_offerte)
{
    int c = colonnes_max;
    while (c > 1 && largeur_pour(c) / twips::par_pixel > largeur_offerte)
        --c;
    return c;
}

// Places de l'en-tête et de la grille pour « colonnes » colonnes : titre ;
// liste des tailles et liste des langues, chacune sous sa légende, à droite
// du titre ; ou dessous si la fenêtre est étroite, une liste par ligne
// (légende à gauche, ou au-dessus si elle l'est plus encore) ; consigne, sur
// autant de lignes qu'il en faut ; grille ; ligne d'état.
struct MiseEnPage {
    double largeur = 0, hauteur = 0;
    QRectF titre, legende, liste, legende_langue, liste_langue, consigne, etat;
    double haut_grille = 0;
};

MiseEnPage mise_en_page(int colonnes)
{
    MiseEnPage m;
    m.largeur = largeur_pour(colonnes);
    const double utile = m.largeur - 2 * marge;
    const double bloc_taille = largeur_legende + 120 + largeur_liste;
    const double blocs_empiles = largeur_liste + 180 + largeur_liste_langue;
    m.titre = QRectF(marge, 120, utile, 480);
    double y = 660;
    if (utile >= blocs_empiles + 180 + largeur_titre_min) {
        // Légendes au-dessus des listes, dans la hauteur du titre.
        m.titre.setWidth(utile - blocs_empiles - 180);
        m.liste_langue = QRectF(m.largeur - marge - largeur_liste_langue, 300, largeur_liste_langue, hauteur_liste);
        m.legende_langue = QRectF(m.liste_langue.left(), 60, largeur_liste_langue, 240);
        m.liste = QRectF(m.liste_langue.left() - 180 - largeur_liste, 300, largeur_liste, hauteur_liste);
        m.legende = QRectF(m.liste.left(), 60, largeur_liste, 240);
        y = 735;
    } else if (utile >= bloc_taille) {
        m.legende = QRectF(marge, y + 40, largeur_legende, 300);
        m.liste = QRectF(marge + largeur_legende + 120, y, largeur_liste, hauteur_liste);
        y += hauteur_liste + 120;
        m.legende_langue = QRectF(marge, y + 40, largeur_legende, 300);
        m.liste_langue = QRectF(marge + largeur_legende + 120, y, largeur_liste_langue, hauteur_liste);
        y += hauteur_liste + 120;
    } else {
        m.legende = QRectF(marge, y, utile, 300);
        m.liste = QRectF(marge, y + 300, std::min(largeur_liste, utile), hauteur_liste);
        y += 300 + hauteur_liste + 120;
        m.legende_langue = QRectF(marge, y, utile, 300);
        m.liste_langue = QRectF(marge, y + 300, std::min(largeur_liste_langue, utile), hauteur_liste);
        y += 300 + hauteur_liste + 120;
    }
    // La consigne tient sur une ligne dans trois colonnes, sur deux dans
    // deux, sur trois dans une.
    const int lignes = colonnes >= 3 ? 1 : 4 - colonnes;
    m.consigne = QRectF(marge, y, utile, 240.0 * lignes + 60);
    m.haut_grille = m.consigne.bottom() + 120;
    const int lignes_grille = catalogue::disposer(catalogue::programmes(), colonnes).lignes;
    const double bas_grille = m.haut_grille + lignes_grille * hauteur_ligne - ecart;
    m.etat = QRectF(marge, bas_grille + 60, utile, 300);
    m.hauteur = m.etat.bottom() + 180;
    return m;
}

int colonnes_ecran(const demarrage::Ecran &ecran)
{
    return colonnes_pour((ecran.disponible.largeur - taille_ecran::cadre.largeur) * 100.0 / ecran.taille);
}

QIcon icone_tuile(const QString &nom)
{
    QIcon icone;
    for (const char *taille : {"48", "96"})
        icone.addFile(QStringLiteral(":/icones/%1/%2.png").arg(nom, QLatin1String(taille)));
    return icone;
}

QString texte_choix(int taille)
{
    // « 150 % » en français, « 150% » en anglais.
    return taille == ligne_commande::ajuster ? Bancs::tr("Ajuster à l'écran") : Bancs::tr("%1 %").arg(taille);
}

} // namespace

taille_ecran::Dimensions Bancs::fenetres(double largeur_offerte)
{
    const MiseEnPage m = mise_en_page(colonnes_pour(largeur_offerte));
    return {m.largeur / twips::par_pixel, m.hauteur / twips::par_pixel};
}

Bancs::Bancs(const QString &dossier_programmes, const demarrage::Ecran &ecran, QWidget *parent)
    : Feuille(QStringLiteral("bancs"), tr("Bancs d'électrotechnique"), mise_en_page(colonnes_ecran(ecran)).largeur,
              mise_en_page(colonnes_ecran(ecran)).hauteur, parent),
      dossier_(dossier_programmes), ecran_(ecran)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const auto liste = catalogue::programmes();
    const int colonnes = colonnes_ecran(ecran);
    const MiseEnPage m = mise_en_page(colonnes);
    disposition_ = catalogue::disposer(liste, colonnes);

    // Les textes sont posés par retraduire(), à la fin.
    const auto placer_label = [this](const QString &nom, const QRectF &r) {
        return label(nom, QString(), r.left(), r.top(), r.width(), r.height());
    };
    titre_ = placer_label(QStringLiteral("titre"), m.titre);
    titre_->setFont(polices::police(15, true));
    consigne_ = placer_label(QStringLiteral("consigne"), m.consigne);
    consigne_->setWordWrap(true);
    consigne_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto &prog = liste[i];
        const catalogue::Case place = disposition_.tuiles[i];
        const double gauche = marge + place.colonne * (largeur_tuile + ecart);
        const double haut = m.haut_grille + place.ligne * hauteur_ligne;
        const int indice = static_cast<int>(i);
        // Le titre d'un groupe au-dessus de sa première tuile et de celles
        // qui la suivent sur la même ligne.
        if (i == 0 || liste[i - 1].groupe != prog.groupe) {
            std::size_t fin = i;
            while (fin < liste.size() && liste[fin].groupe == prog.groupe &&
                   disposition_.tuiles[fin].ligne == place.ligne)
                ++fin;
            const double largeur = static_cast<double>(fin - i) * (largeur_tuile + ecart) - ecart;
            QLabel *groupe = label(QStringLiteral("groupe_%1").arg(qtexte(prog.groupe)), QString(), gauche, haut,
                                   largeur, hauteur_titre_groupe - 60);
            groupe->setFont(polices::police(10, true));
            groupes_.push_back(groupe);
            premieres_tuiles_.push_back(indice);
        }
        auto *tuile = new Tuile(QStringLiteral("tuile(%1)").arg(indice), QString(), qtexte(prog.nom), QString(),
                                icone_tuile(qtexte(prog.nom)), this);
        placer(tuile, gauche, haut + hauteur_titre_groupe, largeur_tuile, hauteur_tuile);
        connect(tuile, &QAbstractButton::clicked, this, [this, indice] { tuile_Click(indice); });
        connect(tuile, &Tuile::fleche, this, [this, indice](int touche) { tuile_KeyDown(indice, touche); });
        if (!tuiles_.empty())
            setTabOrder(tuiles_.back(), tuile);
        tuiles_.push_back(tuile);
    }
    // Taille des programmes démarrés, pour le vidéoprojecteur : les tailles
    // qui ne tiennent pas sur cet écran sont grisées.
    legende_taille_ = placer_label(QStringLiteral("Label_taille"), m.legende);
    taille_ = Feuille::liste(QStringLiteral("taille"), m.liste.left(), m.liste.top(), m.liste.width(),
                             m.liste.height());
    const int retenue = reglage_taille::lire();
    std::vector<int> choix(std::begin(ligne_commande::tailles), std::end(ligne_commande::tailles));
    choix.push_back(ligne_commande::ajuster);
    auto *modele = qobject_cast<QStandardItemModel *>(taille_->model());
    for (int t : choix) {
        taille_->addItem(QString(), t);
        if (t == retenue)
            taille_->setCurrentIndex(taille_->count() - 1);
        if (t != ligne_commande::ajuster && !offerte(t) && modele)
            modele->item(taille_->count() - 1)->setEnabled(false);
    }
    connect(taille_, &QComboBox::activated, this, &Bancs::taille_Click);

    // Langue du lanceur et des programmes démarrés : celle du poste, ou une
    // langue choisie, chacune écrite dans sa langue.
    legende_langue_ = placer_label(QStringLiteral("Label_langue"), m.legende_langue);
    langue_ = Feuille::liste(QStringLiteral("langue"), m.liste_langue.left(), m.liste_langue.top(),
                             m.liste_langue.width(), m.liste_langue.height());
    langue_->addItem(QString(), QString());
    for (const traductions::Langue &l : traductions::offertes()) {
        langue_->addItem(traductions::nom(l), QString::fromStdString(traductions::code(l)));
        if (traductions::retenue() == l)
            langue_->setCurrentIndex(langue_->count() - 1);
    }
    connect(langue_, &QComboBox::activated, this, &Bancs::langue_Click);
    // Au-dessus de sa liste, une légende se lit alignée sur elle.
    for (auto [legende, liste_voisine] : {std::pair{legende_taille_, taille_}, std::pair{legende_langue_, langue_}}) {
        legende->setBuddy(liste_voisine);
        legende->setAlignment(legende->geometry().bottom() < liste_voisine->geometry().top()
                                  ? Qt::AlignLeft | Qt::AlignVCenter
                                  : Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!tuiles_.empty())
        setTabOrder(tuiles_.back(), taille_);
    setTabOrder(taille_, langue_);

    etat_ = placer_label(QStringLiteral("etat"), m.etat);
    retraduire();
    if (!tuiles_.empty())
        tuiles_.front()->setFocus();

    surveillance_ = minuterie(QStringLiteral("surveillance"), 100, false);
    connect(surveillance_, &QTimer::timeout, this, &Bancs::surveillance_Timer);
}

void Bancs::retraduire()
{
    setWindowTitle(tr("Bancs d'électrotechnique"));
    titre_->setText(tr("Bancs d'électrotechnique"));
    consigne_->setText(tr("Cliquez sur un simulateur pour le lancer, ou choisissez-le avec Tab et les flèches puis "
                          "appuyez sur Entrée."));
    const auto liste = catalogue::programmes();
    for (std::size_t g = 0; g < groupes_.size(); ++g)
        groupes_[g]->setText(texte_catalogue(liste[static_cast<std::size_t>(premieres_tuiles_[g])].titre_groupe));
    for (std::size_t i = 0; i < liste.size() && i < tuiles_.size(); ++i) {
        // La description du tableau commence par une minuscule ; sur la tuile, elle fait une phrase.
        QString description = texte_catalogue(liste[i].description);
        if (!description.isEmpty())
            description[0] = description[0].toUpper();
        tuiles_[i]->changer_textes(texte_catalogue(liste[i].titre), description);
    }

    legende_taille_->setText(tr("Taille des fenêtres :"));
    taille_->setToolTip(tr("Taille des fenêtres des programmes lancés (vidéoprojecteur)"));
    auto *modele = qobject_cast<QStandardItemModel *>(taille_->model());
    for (int i = 0; i < taille_->count(); ++i) {
        const int t = taille_->itemData(i).toInt();
        taille_->setItemText(i, t == ligne_commande::ajuster ? tr("Ajuster à l'écran (%1)").arg(taille_utilisee(t))
                                                             : texte_choix(t));
        if (modele && !modele->item(i)->isEnabled())
            modele->item(i)->setToolTip(tr("Trop grande pour cet écran"));
    }

    legende_langue_->setText(tr("Langue :"));
    langue_->setToolTip(tr("Langue du lanceur et des programmes lancés"));
    langue_->setItemText(0, tr("Langue du poste"));
    // Les noms accessibles des listes, tirés de leurs légendes, suivent la langue.
    taille_->setAccessibleName(accessibilite::texte_lisible(legende_taille_->text()));
    langue_->setAccessibleName(accessibilite::texte_lisible(legende_langue_->text()));
    annoncer_taille();
}

void Bancs::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && titre_)
        retraduire();
    Feuille::changeEvent(event);
}

Bancs::~Bancs() = default;

void Bancs::tuile_Click(int indice)
{
    const auto liste = catalogue::programmes();
    if (indice < 0 || indice >= static_cast<int>(liste.size()))
        return;
    const auto &prog = liste[indice];
    // Par les conversions de Qt, jamais par std::string : sous Windows, elle
    // serait lue dans la page de code du poste, et « Bancs d'électrotechnique »
    // ne se trouverait pas.
    const std::filesystem::path dossier = QFileInfo(dossier_).filesystemFilePath();
    const auto chemin = catalogue::trouver(dossier, prog.nom);
    if (!chemin) {
        QStringList cherches;
        for (const auto &c : catalogue::emplacements(dossier, prog.nom))
            cherches << QDir::toNativeSeparators(QFileInfo(c.lexically_normal()).filePath());
        signaler_echec(indice,
                       tr("il n'est pas installé avec le lanceur.\n\nCherché ici :\n%1").arg(cherches.join(QLatin1Char('\n'))));
        return;
    }
    std::vector<std::string> arguments;
    for (const QString &a : arguments_programme())
        arguments.push_back(a.toStdString());
    std::string raison;
    const std::u8string programme = chemin->u8string(); // processus::demarrer lit de l'UTF-8
    const auto demarre = processus::demarrer(std::string(programme.begin(), programme.end()), arguments, raison);
    if (!demarre) {
        signaler_echec(indice,
                       tr("le système n'a pas pu le démarrer (%1).").arg(QString::fromLocal8Bit(raison.c_str())));
        return;
    }
    Demarrage d;
    d.indice = indice;
    d.pid = demarre->pid;
    d.erreurs = std::make_unique<processus::SortieErreurs>(demarre->erreurs);
    dernier_processus_ = d.pid;
    d.depuis.start();
    demarrages_.push_back(std::move(d));
    regler_surveillance();
    etat_->setText(tr("« %1 » (%2) démarre…").arg(texte_catalogue(prog.titre), qtexte(prog.nom)));
}

void Bancs::surveillance_Timer()
{
    for (auto it = demarrages_.begin(); it != demarrages_.end();) {
        const auto &prog = catalogue::programmes()[static_cast<std::size_t>(it->indice)];
        if (const std::optional<int> statut = processus::fin(it->pid)) {
            if (*statut != processus::statut_inconnu && processus::reussi(*statut))
                etat_->setText(tr("« %1 » (%2) s'est fermé.").arg(texte_catalogue(prog.titre), qtexte(prog.nom)));
            else
                signaler_arret(*it, *statut);
        } else if (it->depuis.elapsed() >= duree_surveillance_ms) {
            etat_->setText(
                tr("« %1 » (%2) tourne dans sa propre fenêtre.").arg(texte_catalogue(prog.titre), qtexte(prog.nom)));
            adoptes_.push_back(it->pid);
            vidanges_.push_back(std::move(it->erreurs));
        } else {
            ++it;
            continue;
        }
        it = demarrages_.erase(it);
    }
    // Un programme qui se termine plus tard est recueilli, sans zombie.
    std::erase_if(adoptes_, [](qint64 pid) { return processus::fin(pid).has_value(); });
    std::erase_if(vidanges_, [](const auto &sortie) { return !sortie->ouverte(); });
    regler_surveillance();
}

void Bancs::regler_surveillance()
{
    // Vite pendant les premières secondes, puis une fois par seconde tant
    // qu'un programme adopté tourne.
    if (!demarrages_.empty())
        surveillance_->start(100);
    else if (!adoptes_.empty() || !vidanges_.empty())
        surveillance_->start(1000);
    else
        surveillance_->stop();
}

void Bancs::signaler_arret(const Demarrage &d, int statut)
{
    const auto &prog = catalogue::programmes()[static_cast<std::size_t>(d.indice)];
    QString cause;
    if (statut == processus::statut_inconnu)
        cause = tr("il s'est arrêté aussitôt.");
    else if (const auto signal = processus::signal_fatal(statut))
        cause = tr("il a été arrêté aussitôt par le signal SIG%1.").arg(QString::fromStdString(*signal));
    else
        cause = tr("il s'est arrêté aussitôt en erreur (code %1).").arg(processus::code_sortie(statut));
    // La première ligne de sa sortie d'erreur, propre et courte.
    QString premiere_ligne;
    if (d.erreurs) {
        d.erreurs->lire();
        premiere_ligne = texte_court::citation(d.erreurs->debut());
    }
    if (!premiere_ligne.isEmpty())
        cause = tr("%1 Il a écrit :\n\n%2").arg(cause, premiere_ligne);
    const QString titre = texte_catalogue(prog.titre);
    etat_->setText(tr("« %1 » (%2) n'a pas pu démarrer.").arg(titre, qtexte(prog.nom)));
    montrer_message(tr("Le programme « %1 » (%2) n'a pas pu démarrer : %3").arg(titre, qtexte(prog.nom), cause));
}

QStringList Bancs::arguments_programme() const
{
    return {QStringLiteral("--taille"),
            QString::fromStdString(ligne_commande::texte_taille(taille_->currentData().toInt())),
            QStringLiteral("--langue"), QString::fromStdString(traductions::code(traductions::actuelle()))};
}

std::vector<int> Bancs::tailles_programmes(int choix) const
{
    std::vector<int> tailles;
    for (const auto &prog : catalogue::programmes())
        tailles.push_back(taille_ecran::choisir(
            choix, taille_ecran::fixes({prog.largeur / twips::par_pixel, prog.hauteur / twips::par_pixel}),
            ecran_.disponible));
    return tailles;
}

bool Bancs::offerte(int taille) const
{
    const auto tailles = tailles_programmes(taille);
    return taille_ecran::tient(&Bancs::fenetres, taille, ecran_.disponible) &&
           std::find(tailles.begin(), tailles.end(), taille) != tailles.end();
}

bool Bancs::plage_de_tailles(int choix) const
{
    const auto tailles = tailles_programmes(choix);
    const auto [petite, grande] = std::minmax_element(tailles.begin(), tailles.end());
    return *petite != *grande && (choix == ligne_commande::ajuster || !offerte(choix));
}

QString Bancs::a_la_taille(int choix) const
{
    // « à 150 % », mais « de 150 à 175 % selon le programme ».
    const QString utilisee = taille_utilisee(choix);
    return plage_de_tailles(choix) ? utilisee : tr("à %1").arg(utilisee);
}

QString Bancs::taille_utilisee(int choix) const
{
    const auto tailles = tailles_programmes(choix);
    const auto [petite, grande] = std::minmax_element(tailles.begin(), tailles.end());
    if (*petite == *grande)
        return tr("%1 %").arg(*petite);
    if (plage_de_tailles(choix))
        return tr("de %1 à %2 % selon le programme").arg(*petite).arg(*grande);
    // La taille choisie, sauf pour les programmes trop grands pour l'écran.
    QStringList reduits;
    const auto liste = catalogue::programmes();
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (tailles[i] != choix)
            reduits << tr("%1 à %2 %").arg(qtexte(liste[i].nom)).arg(tailles[i]);
    return tr("%1 % (%2, pour tenir sur l'écran)").arg(choix).arg(reduits.join(QStringLiteral(", ")));
}

void Bancs::annoncer_taille()
{
    const int choix = taille_->currentData().toInt();
    const QString utilisee = taille_utilisee(choix);
    if (choix == ligne_commande::ajuster)
        etat_->setText(
            tr("Les programmes lancés s'ouvriront à la plus grande taille qui tient sur cet écran : %1.").arg(utilisee));
    else if (!offerte(choix))
        etat_->setText(tr("%1 ne tient pas sur cet écran : les programmes lancés s'ouvriront %2.")
                           .arg(texte_choix(choix), a_la_taille(choix)));
    else
        etat_->setText(tr("Les programmes lancés s'ouvriront %1.").arg(a_la_taille(choix)));
}

void Bancs::taille_Click(int entree)
{
    reglage_taille::ecrire(taille_->itemData(entree).toInt());
    annoncer_taille();
}

void Bancs::langue_Click(int entree)
{
    // « Langue du poste » : aucune langue retenue.
    const auto choisie = traductions::lire_code(langue_->itemData(entree).toString().toStdString());
    traductions::retenir(choisie);
    const traductions::Langue langue = traductions::choisir(choisie);
    // La fenêtre se retraduit à QEvent::LanguageChange.
    if (langue != traductions::actuelle())
        traductions::changer(*QCoreApplication::instance(), langue);
}

void Bancs::tuile_KeyDown(int indice, int touche)
{
    catalogue::Direction direction;
    switch (touche) {
    case Qt::Key_Left:
        direction = catalogue::Direction::gauche;
        break;
    case Qt::Key_Right:
        direction = catalogue::Direction::droite;
        break;
    case Qt::Key_Up:
        direction = catalogue::Direction::haut;
        break;
    case Qt::Key_Down:
        direction = catalogue::Direction::bas;
        break;
    default:
        return;
    }
    const int cible = catalogue::voisin(disposition_, indice, direction);
    if (cible >= 0 && cible < static_cast<int>(tuiles_.size()))
        tuiles_[cible]->setFocus(Qt::TabFocusReason);
}

void Bancs::signaler_echec(int indice, const QString &raison)
{
    const auto &prog = catalogue::programmes()[indice];
    const QString titre = texte_catalogue(prog.titre);
    const QString message = tr("Le programme « %1 » (%2) ne peut pas être lancé : %3").arg(titre, qtexte(prog.nom), raison);
    etat_->setText(tr("« %1 » (%2) ne peut pas être lancé.").arg(titre, qtexte(prog.nom)));
    montrer_message(message);
}

void Bancs::montrer_message(const QString &message)
{
    auto *boite = new QMessageBox(QMessageBox::Warning, tr("Bancs d'électrotechnique"), message,
                                  QMessageBox::Ok, this);
    boite->setObjectName(QStringLiteral("message_lancement"));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}
