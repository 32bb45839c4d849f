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
#include <QTemporaryFile>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include <sys/prctl.h>
#include <sys/wait.h>

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

// Statut d'un programme dont la fin est connue sans son code.
constexpr int statut_inconnu = -1;

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

    // Les programmes détachés, orphelins de leur processus intermédiaire,
    // sont adoptés par le lanceur plutôt que par init.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    surveillance_ = minuterie(QStringLiteral("surveillance"), 100, false);
    connect(surveillance_, &QTimer::timeout, this, &Bancs::surveillance_Timer);
}

Bancs::~Bancs() = default;

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
    Demarrage d;
    d.indice = indice;
    d.erreurs = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("bancs-XXXXXX.txt")));
    if (d.erreurs->open())
        processus.setStandardErrorFile(d.erreurs->fileName());
    if (!processus.startDetached(&d.pid)) {
        signaler_echec(
            indice, QStringLiteral("le système n'a pas pu le démarrer (%1).").arg(processus.errorString()));
        return;
    }
    dernier_processus_ = d.pid;
    d.depuis.start();
    demarrages_.push_back(std::move(d));
    regler_surveillance();
    etat_->setText(QStringLiteral("« %1 » (%2) démarre…").arg(qtexte(prog.titre), qtexte(prog.nom)));
}

void Bancs::surveillance_Timer()
{
    // Fin d'un programme : son statut (statut_inconnu pour un programme
    // disparu que le système n'a pas laissé adopter), ou rien s'il tourne.
    const auto statut_de_fin = [](qint64 pid) -> std::optional<int> {
        int statut = 0;
        const pid_t r = ::waitpid(static_cast<pid_t>(pid), &statut, WNOHANG);
        if (r == pid)
            return statut;
        if (r < 0 && errno == ECHILD && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            return statut_inconnu;
        return std::nullopt;
    };
    for (auto it = demarrages_.begin(); it != demarrages_.end();) {
        const auto &prog = catalogue::programmes()[static_cast<std::size_t>(it->indice)];
        if (const std::optional<int> statut = statut_de_fin(it->pid)) {
            if (*statut != statut_inconnu && WIFEXITED(*statut) && WEXITSTATUS(*statut) == 0)
                etat_->setText(
                    QStringLiteral("« %1 » (%2) s'est fermé.").arg(qtexte(prog.titre), qtexte(prog.nom)));
            else
                signaler_arret(*it, *statut);
        } else if (it->depuis.elapsed() >= duree_surveillance_ms) {
            etat_->setText(QStringLiteral("« %1 » (%2) tourne dans sa propre fenêtre.")
                               .arg(qtexte(prog.titre), qtexte(prog.nom)));
            adoptes_.push_back(it->pid);
        } else {
            ++it;
            continue;
        }
        // Fin de la surveillance : le fichier des erreurs est supprimé (un
        // programme qui tourne écrit désormais dans un fichier sans nom).
        it = demarrages_.erase(it);
    }
    // Un programme adopté qui se termine plus tard est recueilli, sans zombie.
    std::erase_if(adoptes_, [&](qint64 pid) { return statut_de_fin(pid).has_value(); });
    regler_surveillance();
}

void Bancs::regler_surveillance()
{
    // Vite pendant les premières secondes, puis une fois par seconde tant
    // qu'un programme adopté tourne.
    if (!demarrages_.empty())
        surveillance_->start(100);
    else if (!adoptes_.empty())
        surveillance_->start(1000);
    else
        surveillance_->stop();
}

void Bancs::signaler_arret(const Demarrage &d, int statut)
{
    const auto &prog = catalogue::programmes()[static_cast<std::size_t>(d.indice)];
    QString cause;
    if (statut == statut_inconnu)
        cause = QStringLiteral("il s'est arrêté aussitôt.");
    else if (WIFSIGNALED(statut))
        cause = QStringLiteral("il a été arrêté aussitôt par le signal SIG%1.")
                    .arg(QString::fromLatin1(sigabbrev_np(WTERMSIG(statut))));
    else
        cause = QStringLiteral("il s'est arrêté aussitôt en erreur (code %1).").arg(WEXITSTATUS(statut));
    // La première ligne de sa sortie d'erreur, sans caractère de commande.
    QString premiere_ligne;
    if (d.erreurs && d.erreurs->isOpen() && d.erreurs->seek(0)) {
        for (const QChar c : QString::fromLocal8Bit(d.erreurs->readLine(1000)).trimmed())
            if (c.category() != QChar::Other_Control)
                premiere_ligne += c;
    }
    if (!premiere_ligne.isEmpty())
        cause += QStringLiteral(" Il a écrit :\n\n%1").arg(premiere_ligne);
    etat_->setText(
        QStringLiteral("« %1 » (%2) n'a pas pu démarrer.").arg(qtexte(prog.titre), qtexte(prog.nom)));
    montrer_message(QStringLiteral("Le programme « %1 » (%2) n'a pas pu démarrer : %3")
                        .arg(qtexte(prog.titre), qtexte(prog.nom), cause));
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
    montrer_message(message);
}

void Bancs::montrer_message(const QString &message)
{
    auto *boite = new QMessageBox(QMessageBox::Warning, QStringLiteral("Bancs d'électrotechnique"), message,
                                  QMessageBox::Ok, this);
    boite->setObjectName(QStringLiteral("message_lancement"));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}
