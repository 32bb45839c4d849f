// SPDX-License-Identifier: GPL-3.0-or-later
// Chaque fenêtre tient sur l'écran de la classe, à la taille choisie : sur
// des écrans de 1280 × 800, 1366 × 768 et 1920 × 1080 (un serveur Xvfb
// chacun), chaque programme et le lanceur, à chaque taille et à « ajuster ».
// Le vrai programme est lancé, avec la sonde (sonde_demarrage.cpp) qui ouvre
// chacune de ses fenêtres comme un élève et rapporte leur place.
#include "catalogue.h"
#include "lanceur.h"
#include "ligne_commande.h"

#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>

namespace {

// La plus grande taille de chaque programme sur l'écran, cadre du
// gestionnaire de fenêtres compris (40 pixels de haut, 8 de large) : la même
// pour tous, sauf quelques-uns.
struct Ecran {
    int largeur, hauteur, commune;
    std::map<std::string, int> sauf;
    int plus_grande(const std::string &nom) const { return sauf.count(nom) ? sauf.at(nom) : commune; }
};
const Ecran ecrans[] = {{1280, 800, 125, {{"transfo", 150}}},
                        {1366, 768, 125, {{"transfo", 150}, {"gresil", 100}, {"fenoul", 100}}},
                        {1920, 1080, 175, {{"transfo", 200}}}};

void PrintTo(const Ecran &e, std::ostream *os)
{
    *os << e.largeur << "x" << e.hauteur;
}

// Les fenêtres que chaque programme ouvre sous la sonde.
const QString oscillo = QStringLiteral("Intro message choix_fichier_csv spectre ");
const std::map<std::string, QString> fenetres_attendues{
    {"vek", "Intro machine1 courbe apercu_impression choix_fichier_pdf feuille_mauvaise_manip mot_de_passe "
            "caract_moteur"},
    {"sodel", "Intro Form1 courbes apercu_impression choix_fichier_pdf caract_charge"},
    {"trivon", "Intro Form1 courbe apercu_impression choix_fichier_pdf feuille_mauvaise_manip"},
    {"transfo", "Intro Transfo Fusible"},
    {"virelai", "Intro virelai"},
    {"orvalt", oscillo + "redressement"},
    {"gresil", oscillo + "redressement"},
    {"fenoul", oscillo + "redressement"},
    {"onduleur", oscillo + "onduleur"},
    {"bancs", "bancs"},
};

int attendue(const Ecran &e, const std::string &nom, int demandee)
{
    return demandee == ligne_commande::ajuster ? e.plus_grande(nom) : std::min(demandee, e.plus_grande(nom));
}

// Les programmes construits, le lanceur compris.
std::vector<std::string> programmes()
{
    std::vector<std::string> noms;
    for (const QString &nom : QString::fromUtf8(BANCS_CONSTRUITS).split(QLatin1Char(','), Qt::SkipEmptyParts))
        noms.push_back(nom.toStdString());
    return noms;
}

taille_ecran::Fenetres fenetres_de(const std::string &nom)
{
    for (const auto &p : catalogue::programmes())
        if (p.nom == nom)
            return taille_ecran::fixes({p.largeur / 15.0, p.hauteur / 15.0});
    return &Bancs::fenetres;
}

// Un serveur X virtuel de la taille de l'écran, le temps d'un test.
struct ServeurX {
    QProcess serveur;
    QString affichage;
    ServeurX(int largeur, int hauteur)
    {
        // -displayfd 1 : Xvfb choisit un numéro libre et l'écrit quand il est
        // prêt. -noreset : sans elle, il se réinitialise quand son dernier
        // client part, et refuse un instant ceux qui arrivent alors.
        serveur.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0",
                                               QStringLiteral("%1x%2x24").arg(largeur).arg(hauteur), "-dpi",
                                               "96", "-nolisten", "tcp", "-noreset"});
        QString numero;
        while (!numero.endsWith(QLatin1Char('\n')) && serveur.waitForReadyRead(10000))
            numero += QString::fromLatin1(serveur.readAllStandardOutput());
        if (!numero.trimmed().isEmpty())
            affichage = QLatin1Char(':') + numero.trimmed();
    }
    ~ServeurX()
    {
        serveur.terminate();
        serveur.waitForFinished(5000);
    }
};

struct Lancement {
    std::string programme;
    int demandee;             // ligne_commande::ajuster, une taille, ou 0 (sans --taille)
    QString utilisateur = {}; // réglage de l'utilisateur, vide : aucun
    std::unique_ptr<QProcess> processus = std::make_unique<QProcess>();
};

// Lance les programmes quatre à la fois (chacun attend surtout le serveur
// X), avec la sonde, leurs réglages et leurs données dans « dossier ».
void executer(std::vector<Lancement> &lancements, const QString &affichage, const QTemporaryDir &dossier)
{
    const auto reglage = [&](const QString &ou, const QString &taille) {
        QSettings(dossier.filePath(ou + QStringLiteral("/bancs-electrotechnique/bancs.conf")),
                  QSettings::IniFormat)
            .setValue(QStringLiteral("taille"), taille);
    };
    reglage(QStringLiteral("systeme"), QStringLiteral("ajuster")); // pour tout le poste
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    for (const auto &[nom, valeur] : {
             std::pair{"DISPLAY", affichage},
             {"LD_PRELOAD", QStringLiteral(BANCS_SONDE)},
             {"SONDE_FENETRES", QStringLiteral("1")},
             {"XDG_CONFIG_DIRS", dossier.filePath(QStringLiteral("systeme"))},
             {"XDG_DATA_HOME", dossier.filePath(QStringLiteral("donnees"))},
#ifdef BANCS_SANITISEURS
             {"ASAN_OPTIONS", QStringLiteral("detect_leaks=0:verify_asan_link_order=0")},
#endif
         })
        env.insert(QLatin1String(nom), valeur);
    for (std::size_t debut = 0; debut < lancements.size(); debut += 4) {
        const std::size_t fin = std::min(lancements.size(), debut + 4);
        for (std::size_t i = debut; i < fin; ++i) {
            Lancement &l = lancements[i];
            const QString utilisateur = QStringLiteral("utilisateur%1").arg(i);
            if (!l.utilisateur.isEmpty())
                reglage(utilisateur, l.utilisateur);
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dossier.filePath(utilisateur));
            l.processus->setProcessEnvironment(env);
            QStringList arguments;
            if (l.demandee != 0)
                arguments << QStringLiteral("--taille")
                          << QString::fromStdString(ligne_commande::texte_taille(l.demandee));
            l.processus->start(
                QStringLiteral(BANCS_CONSTRUCTION "/%1/%1").arg(QString::fromStdString(l.programme)),
                arguments);
        }
        for (std::size_t i = debut; i < fin; ++i)
            if (!lancements[i].processus->waitForFinished(60000))
                lancements[i].processus->kill();
    }
}

// Ce que la sonde a vu d'un lancement, vérifié contre l'écran.
void verifier(Lancement &l, const Ecran &e)
{
    QProcess &p = *l.processus;
    const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
    const QString erreurs = QString::fromUtf8(p.readAllStandardError());
    SCOPED_TRACE(sortie.toStdString() + erreurs.toStdString());
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(sortie.contains(QStringLiteral("introuvable")) ||
                 sortie.contains(QStringLiteral("deborde")));
    const auto m =
        QRegularExpression(QStringLiteral("ecran (-?\\d+) (-?\\d+) (\\d+) (\\d+) ([\\d.]+)")).match(sortie);
    ASSERT_TRUE(m.hasMatch());
    const QRect disponible(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                           m.captured(4).toInt());
    const int taille = qRound(m.captured(5).toDouble() * 100);

    // Chaque fenêtre entière dans la place que l'écran laisse ; la plus
    // large et la plus haute des fenêtres du programme, à 100 %.
    QStringList vues;
    QSize plus;
    const QRegularExpression place(QStringLiteral("place (\\S+) (\\S+) (-?\\d+) (-?\\d+) (\\d+) (\\d+)"));
    for (auto it = place.globalMatch(sortie); it.hasNext();) {
        const auto f = it.next();
        const QRect r(f.captured(3).toInt(), f.captured(4).toInt(), f.captured(5).toInt(),
                      f.captured(6).toInt());
        EXPECT_TRUE(disponible.contains(r)) << f.captured(1).toStdString() << " hors de l'écran";
        vues << f.captured(1);
        if (f.captured(2) == QLatin1String("feuille"))
            plus = plus.expandedTo(r.size());
    }
    for (const QString &attendue : fenetres_attendues.at(l.programme).split(QLatin1Char(' ')))
        EXPECT_TRUE(vues.contains(attendue)) << attendue.toStdString() << " pas ouverte";

    // La taille utilisée est la plus grande permise, et les dimensions
    // données au programme sont celles de ses fenêtres.
    const int demandee = l.demandee != 0           ? l.demandee
                         : l.utilisateur.isEmpty() ? ligne_commande::ajuster // réglage du poste
                                                   : ligne_commande::lire_taille(l.utilisateur.toStdString());
    const int utilisee = attendue(e, l.programme, demandee);
    EXPECT_EQ(taille, utilisee);
    const auto d = fenetres_de(l.programme)((e.largeur - taille_ecran::cadre.largeur) * 100.0 / taille);
    EXPECT_EQ(plus, QSize(qRound(d.largeur), qRound(d.hauteur)));
    // Une taille ramenée est dite une fois.
    EXPECT_EQ(erreurs.count(QStringLiteral("ne tiendraient pas sur cet écran")),
              demandee != ligne_commande::ajuster && utilisee < demandee ? 1 : 0);
}

class Ecrans : public ::testing::TestWithParam<Ecran>
{
};

// Pour chaque demande : la taille que chaque programme et le lanceur
// prennent, d'après les dimensions de leurs fenêtres ; les tailles que la
// liste du lanceur offre (où il tient, et au moins un programme) et grise,
// le lanceur tenant entier, ses contrôles dedans, à chacune de celles-là.
TEST_P(Ecrans, PlusGrandeTaillePermiseEtTaillesOffertesParLeLanceur)
{
    const Ecran &e = GetParam();
    const taille_ecran::Dimensions ecran{double(e.largeur), double(e.hauteur)};
    std::vector<int> demandes(std::begin(ligne_commande::tailles), std::end(ligne_commande::tailles));
    demandes.push_back(ligne_commande::ajuster);
    int programme_le_plus_grand = 0;
    for (const auto &p : catalogue::programmes())
        programme_le_plus_grand = std::max(programme_le_plus_grand, e.plus_grande(std::string(p.nom)));
    for (int t : demandes) {
        SCOPED_TRACE(ligne_commande::texte_taille(t));
        for (const std::string &nom : programmes())
            EXPECT_EQ(taille_ecran::choisir(t, fenetres_de(nom), ecran), attendue(e, nom, t)) << nom;
        if (t == ligne_commande::ajuster)
            continue;
        Bancs bancs(QString(), {ecran, std::min(t, e.plus_grande("bancs"))});
        auto *liste = bancs.findChild<QComboBox *>(QStringLiteral("taille"));
        const bool offerte = t <= e.plus_grande("bancs") && t <= programme_le_plus_grand;
        EXPECT_EQ(qobject_cast<QStandardItemModel *>(liste->model())->item(liste->findData(t))->isEnabled(),
                  offerte);
        if (!offerte)
            continue;
        EXPECT_LE(bancs.width() * t / 100 + taille_ecran::cadre.largeur, e.largeur);
        EXPECT_LE(bancs.height() * t / 100 + taille_ecran::cadre.hauteur, e.hauteur);
        for (QWidget *c : bancs.findChildren<QWidget *>())
            EXPECT_TRUE(!c->isVisibleTo(&bancs) || bancs.rect().contains(c->geometry()))
                << c->objectName().toStdString();
    }
}

// Les vrais programmes : chacun à « ajuster » et à une autre taille, qui
// change d'un programme et d'un écran à l'autre (chaque taille passe sur
// chaque écran) ; lancer les soixante combinaisons par écran coûterait une
// minute et demie de plus aux essais. Sous les sanitiseurs, où chaque
// programme démarre plusieurs fois plus lentement, « ajuster » seulement.
// Sur le grand écran, transfo démarre aussi sans --taille : la taille
// retenue de l'utilisateur, sinon celle du poste.
TEST_P(Ecrans, ChaqueFenetreDeChaqueProgrammeEntiereALaPlusGrandeTaillePermise)
{
    const Ecran &e = GetParam();
    ServeurX serveur(e.largeur, e.hauteur);
    ASSERT_FALSE(serveur.affichage.isEmpty()) << "Xvfb n'a pas démarré";
    const std::size_t numero_ecran = e.largeur == 1280 ? 0 : e.largeur == 1366 ? 1 : 2;
    std::vector<Lancement> lancements;
    const std::vector<std::string> noms = programmes();
    for (std::size_t i = 0; i < noms.size(); ++i) {
        lancements.push_back({noms[i], ligne_commande::ajuster});
#ifndef BANCS_SANITISEURS
        lancements.push_back(
            {noms[i], ligne_commande::tailles[(i + numero_ecran) % std::size(ligne_commande::tailles)]});
#endif
    }
    if (numero_ecran == 2) {
        lancements.push_back({"transfo", 0});
        lancements.push_back({"transfo", 0, QStringLiteral("125")});
    }
    QTemporaryDir dossier;
    executer(lancements, serveur.affichage, dossier);
    for (Lancement &l : lancements) {
        SCOPED_TRACE(l.programme + " " + ligne_commande::texte_taille(l.demandee) + " " +
                     l.utilisateur.toStdString());
        verifier(l, e);
    }
}

INSTANTIATE_TEST_SUITE_P(Classe, Ecrans, ::testing::ValuesIn(ecrans), [](const auto &cas) {
    return std::to_string(cas.param.largeur) + "x" + std::to_string(cas.param.hauteur);
});

} // namespace
