// SPDX-License-Identifier: GPL-3.0-or-later
#include "lanceur.h"

#include "ligne_commande.h"
#include "polices.h"
#include "tuile.h"

#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

namespace {

// Géométrie en twips (15 twips par pixel à 96 points par pouce).
constexpr int colonnes = 4;
constexpr double marge = 240;
constexpr double largeur_tuile = 3900;
constexpr double hauteur_tuile = 1830;
constexpr double ecart = 180;
constexpr double haut_grille = 1140;
constexpr double hauteur_titre_groupe = 360;
constexpr double hauteur_ligne = hauteur_titre_groupe + hauteur_tuile + ecart;

QString qtexte(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Zone cliente : la grille et ses lignes, le titre au-dessus, l'état au-dessous.
double largeur_fenetre()
{
    return 2 * marge + colonnes * largeur_tuile + (colonnes - 1) * ecart;
}

double hauteur_fenetre()
{
    return haut_grille + catalogue::disposer(catalogue::programmes(), colonnes).lignes * hauteur_ligne + 420 +
           marge;
}

QIcon icone_tuile(const QString &nom)
{
    QIcon icone;
    for (const char *taille : {"48", "96"})
        icone.addFile(QStringLiteral(":/icones/%1/%2.png").arg(nom, QLatin1String(taille)));
    return icone;
}

} // namespace

namespace reglage_taille {

namespace {
// Fichier ~/.config/bancs-electrotechnique/bancs.conf sous Linux. Pas de
// QApplication nécessaire : main le lit avant de la construire.
QSettings reglages()
{
    return QSettings(QSettings::UserScope, QStringLiteral("bancs-electrotechnique"), QStringLiteral("bancs"));
}
} // namespace

int lire()
{
    const int t =
        ligne_commande::lire_taille(reglages().value(QStringLiteral("taille")).toString().toStdString());
    return t == 0 ? 100 : t;
}

void ecrire(int taille)
{
    reglages().setValue(QStringLiteral("taille"), taille);
}

} // namespace reglage_taille

Bancs::Bancs(const QString &dossier_programmes, QWidget *parent)
    : Feuille(QStringLiteral("bancs"), QStringLiteral("Bancs d'électrotechnique"), largeur_fenetre(),
              hauteur_fenetre(), parent),
      dossier_(dossier_programmes)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const auto liste = catalogue::programmes();
    disposition_ = catalogue::disposer(liste, colonnes);

    QLabel *titre =
        label(QStringLiteral("titre"), QStringLiteral("Bancs d'électrotechnique"), marge, 180, 8000, 480);
    titre->setFont(polices::police(15, true));
    label(QStringLiteral("consigne"),
          QStringLiteral(
              "Cliquez sur un simulateur pour le lancer, ou choisissez-le avec Tab et les flèches puis "
              "appuyez sur Entrée."),
          marge, 690, 15000, 300);

    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto &prog = liste[i];
        const catalogue::Case place = disposition_.tuiles[i];
        const double gauche = marge + place.colonne * (largeur_tuile + ecart);
        const double haut = haut_grille + place.ligne * hauteur_ligne;
        // Le titre d'un groupe au-dessus de sa première tuile et de celles
        // qui la suivent sur la même ligne.
        if (i == 0 || liste[i - 1].groupe != prog.groupe) {
            std::size_t fin = i;
            while (fin < liste.size() && liste[fin].groupe == prog.groupe &&
                   disposition_.tuiles[fin].ligne == place.ligne)
                ++fin;
            const double largeur = static_cast<double>(fin - i) * (largeur_tuile + ecart) - ecart;
            QLabel *groupe =
                label(QStringLiteral("groupe_%1").arg(qtexte(prog.groupe)), qtexte(prog.titre_groupe), gauche,
                      haut, largeur, hauteur_titre_groupe - 60);
            groupe->setFont(polices::police(10, true));
        }
        const int indice = static_cast<int>(i);
        // La description du tableau commence par une minuscule ; sur la tuile, elle fait une phrase.
        QString description = qtexte(prog.description);
        if (!description.isEmpty())
            description[0] = description[0].toUpper();
        auto *tuile = new Tuile(QStringLiteral("tuile(%1)").arg(indice), qtexte(prog.titre), qtexte(prog.nom),
                                description, icone_tuile(qtexte(prog.nom)), this);
        placer(tuile, gauche, haut + hauteur_titre_groupe, largeur_tuile, hauteur_tuile);
        connect(tuile, &QAbstractButton::clicked, this, [this, indice] { tuile_Click(indice); });
        connect(tuile, &Tuile::fleche, this, [this, indice](int touche) { tuile_KeyDown(indice, touche); });
        if (!tuiles_.empty())
            setTabOrder(tuiles_.back(), tuile);
        tuiles_.push_back(tuile);
    }
    // Taille des programmes démarrés, pour le vidéoprojecteur.
    QLabel *legende_taille =
        label(QStringLiteral("Label_taille"), QStringLiteral("Taille des fenêtres :"), 10800, 240, 3000, 300);
    legende_taille->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    taille_ = Feuille::liste(QStringLiteral("taille"), 13980, 200, 2400, 375);
    taille_->setToolTip(QStringLiteral("Taille des fenêtres des programmes lancés (vidéoprojecteur)"));
    const int retenue = reglage_taille::lire();
    for (int t : ligne_commande::tailles) {
        taille_->addItem(QStringLiteral("%1 %").arg(t), t);
        if (t == retenue)
            taille_->setCurrentIndex(taille_->count() - 1);
    }
    legende_taille->setBuddy(taille_);
    connect(taille_, &QComboBox::activated, this, &Bancs::taille_Click);
    if (!tuiles_.empty())
        setTabOrder(tuiles_.back(), taille_);

    etat_ = label(QStringLiteral("etat"), QString(), marge, haut_grille + disposition_.lignes * hauteur_ligne,
                  15000, 300);
    if (!tuiles_.empty())
        tuiles_.front()->setFocus();
}

void Bancs::tuile_Click(int indice)
{
    const auto liste = catalogue::programmes();
    if (indice < 0 || indice >= static_cast<int>(liste.size()))
        return;
    const auto &prog = liste[indice];
    const auto chemin = catalogue::trouver(dossier_.toStdString(), prog.nom);
    if (!chemin) {
        QStringList cherches;
        for (const auto &c : catalogue::emplacements(dossier_.toStdString(), prog.nom))
            cherches << QString::fromStdString(c.lexically_normal().string());
        signaler_echec(indice, QStringLiteral("il n'est pas installé avec le lanceur.\n\nCherché ici :\n%1")
                                   .arg(cherches.join(QLatin1Char('\n'))));
        return;
    }
    QProcess processus;
    processus.setProgram(QString::fromStdString(chemin->string()));
    processus.setArguments(arguments_programme());
    qint64 numero = 0;
    if (!processus.startDetached(&numero)) {
        signaler_echec(
            indice, QStringLiteral("le système n'a pas pu le démarrer (%1).").arg(processus.errorString()));
        return;
    }
    dernier_processus_ = numero;
    etat_->setText(QStringLiteral("« %1 » (%2) démarre dans sa propre fenêtre.")
                       .arg(qtexte(prog.titre), qtexte(prog.nom)));
}

QStringList Bancs::arguments_programme() const
{
    return {QStringLiteral("--taille"), QString::number(taille_->currentData().toInt())};
}

void Bancs::taille_Click(int entree)
{
    const int t = taille_->itemData(entree).toInt();
    reglage_taille::ecrire(t);
    etat_->setText(QStringLiteral("Les programmes lancés s'ouvriront à %1 %.").arg(t));
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
    const QString message = QStringLiteral("Le programme « %1 » (%2) ne peut pas être lancé : %3")
                                .arg(qtexte(prog.titre), qtexte(prog.nom), raison);
    etat_->setText(
        QStringLiteral("« %1 » (%2) ne peut pas être lancé.").arg(qtexte(prog.titre), qtexte(prog.nom)));
    auto *boite = new QMessageBox(QMessageBox::Warning, QStringLiteral("Bancs d'électrotechnique"), message,
                                  QMessageBox::Ok, this);
    boite->setObjectName(QStringLiteral("message_lancement"));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}
