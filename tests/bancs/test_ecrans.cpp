// SPDX-License-Identifier: GPL-3.0-or-later
// Chaque fenêtre tient sur l'écran de la classe, à la taille choisie : sur
// des écrans de 1280 × 800, 1366 × 768 et 1920 × 1080 (un serveur Xvfb
// chacun), chaque programme et le lanceur, à chaque taille et à « ajuster ».
// Le vrai programme est lancé, avec la sonde (sonde_demarrage.cpp) qui ouvre
// chacune de ses fenêtres comme un élève et rapporte leur place.
#include "catalogue.h"
#include "lanceur.h"
#include "ligne_commande.h"
#include "taille_ecran.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <vector>

namespace {

struct Ecran {
    int largeur, hauteur;
    // La plus grande taille de chaque programme sur cet écran, cadre du
    // gestionnaire de fenêtres compris (40 pixels de haut, 8 de large).
    std::map<std::string, int> plus_grande;
};

const Ecran ecrans[] = {
    {1280,
     800,
     {{"vek", 125},
      {"sodel", 125},
      {"trivon", 125},
      {"orvalt", 125},
      {"gresil", 125},
      {"fenoul", 125},
      {"onduleur", 125},
      {"transfo", 150},
      {"virelai", 125},
      {"bancs", 125}}},
    {1366,
     768,
     {{"vek", 125},
      {"sodel", 125},
      {"trivon", 125},
      {"orvalt", 125},
      {"gresil", 100},
      {"fenoul", 100},
      {"onduleur", 125},
      {"transfo", 150},
      {"virelai", 125},
      {"bancs", 125}}},
    {1920,
     1080,
     {{"vek", 175},
      {"sodel", 175},
      {"trivon", 175},
      {"orvalt", 175},
      {"gresil", 175},
      {"fenoul", 175},
      {"onduleur", 175},
      {"transfo", 200},
      {"virelai", 175},
      {"bancs", 175}}},
};

// Le nom de l'écran dans les noms des essais.
void PrintTo(const Ecran &e, std::ostream *os)
{
    *os << e.largeur << "x" << e.hauteur;
}

// Les fenêtres que chaque programme ouvre sous la sonde.
const std::map<QString, QStringList> fenetres_attendues{
    {"vek",
     {"Intro", "machine1", "courbe", "apercu_impression", "choix_fichier_pdf", "feuille_mauvaise_manip",
      "mot_de_passe", "caract_moteur"}},
    {"sodel", {"Intro", "Form1", "courbes", "apercu_impression", "choix_fichier_pdf", "caract_charge"}},
    {"trivon",
     {"Intro", "Form1", "courbe", "apercu_impression", "choix_fichier_pdf", "feuille_mauvaise_manip"}},
    {"transfo", {"Intro", "Transfo", "Fusible"}},
    {"virelai", {"Intro", "virelai"}},
    {"orvalt", {"Intro", "redressement", "message", "choix_fichier_csv", "spectre"}},
    {"gresil", {"Intro", "redressement", "message", "choix_fichier_csv", "spectre"}},
    {"fenoul", {"Intro", "redressement", "message", "choix_fichier_csv", "spectre"}},
    {"onduleur", {"Intro", "onduleur", "message", "choix_fichier_csv", "spectre"}},
    {"bancs", {"bancs"}},
};

std::vector<int> demandes()
{
    std::vector<int> d(std::begin(ligne_commande::tailles), std::end(ligne_commande::tailles));
    d.push_back(ligne_commande::ajuster);
    return d;
}

int attendue(const Ecran &e, const std::string &programme, int demandee)
{
    const int plus_grande = e.plus_grande.at(programme);
    return demandee == ligne_commande::ajuster ? plus_grande : std::min(demandee, plus_grande);
}

// Les programmes construits, le lanceur compris.
std::vector<std::string> programmes()
{
    std::vector<std::string> noms;
    for (const QString &nom : QString::fromUtf8(BANCS_CONSTRUITS).split(QLatin1Char(','), Qt::SkipEmptyParts))
        noms.push_back(nom.toStdString());
    return noms;
}

const catalogue::Programme *du_catalogue(const std::string &nom)
{
    for (const auto &p : catalogue::programmes())
        if (p.nom == nom)
            return &p;
    return nullptr;
}

taille_ecran::Fenetres fenetres_de(const std::string &nom)
{
    if (const auto *p = du_catalogue(nom))
        return taille_ecran::fixes({p->largeur / 15.0, p->hauteur / 15.0});
    return &Bancs::fenetres;
}

// Un serveur X virtuel de la taille de l'écran, le temps d'un test.
class ServeurX
{
public:
    ServeurX(int largeur, int hauteur)
    {
        // -displayfd 1 : Xvfb choisit un numéro libre et l'écrit quand il est
        // prêt. -noreset : sans elle, il se réinitialise quand son dernier
        // client part, et refuse un instant ceux qui arrivent alors.
        serveur_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(largeur).arg(hauteur),
                        QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-noreset")});
        while (serveur_.waitForReadyRead(10000)) {
            numero_ += QString::fromLatin1(serveur_.readAllStandardOutput());
            if (numero_.endsWith(QLatin1Char('\n')))
                break;
        }
        numero_ = numero_.trimmed();
    }
    ~ServeurX()
    {
        serveur_.terminate();
        serveur_.waitForFinished(5000);
    }
    QString affichage() const { return numero_.isEmpty() ? QString() : QLatin1Char(':') + numero_; }

private:
    QProcess serveur_;
    QString numero_;
};

struct Lancement {
    std::string programme;
    int demandee = 0; // 0 : sans --taille
    QStringList arguments;
    std::unique_ptr<QProcess> processus = std::make_unique<QProcess>();
};

QString chemin(const std::string &nom)
{
    return QStringLiteral(BANCS_CONSTRUCTION "/%1/%1").arg(QString::fromStdString(nom));
}

QProcessEnvironment environnement(const QString &affichage, const QTemporaryDir &reglages)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.insert(QStringLiteral("DISPLAY"), affichage);
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(BANCS_SONDE));
    env.insert(QStringLiteral("SONDE_FENETRES"), QStringLiteral("1"));
    // Réglages de l'utilisateur et du système lus, données écrites, dans un dossier d'essai.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), reglages.filePath(QStringLiteral("utilisateur")));
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), reglages.filePath(QStringLiteral("systeme")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), reglages.filePath(QStringLiteral("donnees")));
#ifdef BANCS_SANITISEURS
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
#endif
    return env;
}

// Les lancements, quelques-uns à la fois : chacun attend surtout le serveur X.
void executer(std::vector<Lancement> &lancements, const QProcessEnvironment &env)
{
    constexpr std::size_t ensemble = 4;
    for (std::size_t debut = 0; debut < lancements.size(); debut += ensemble) {
        const std::size_t fin = std::min(lancements.size(), debut + ensemble);
        for (std::size_t i = debut; i < fin; ++i) {
            lancements[i].processus->setProcessEnvironment(env);
            lancements[i].processus->start(chemin(lancements[i].programme), lancements[i].arguments);
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
    p.waitForFinished();
    const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
    const QString erreurs = QString::fromUtf8(p.readAllStandardError());
    SCOPED_TRACE(sortie.toStdString() + erreurs.toStdString());
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(sortie.contains(QStringLiteral("introuvable")));
    EXPECT_FALSE(sortie.contains(QStringLiteral("deborde")));

    const QRegularExpression ligne_ecran(
        QStringLiteral("sonde: ecran (-?\\d+) (-?\\d+) (\\d+) (\\d+) ([\\d.]+)"));
    const auto m = ligne_ecran.match(sortie);
    ASSERT_TRUE(m.hasMatch());
    const QRect disponible(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                           m.captured(4).toInt());
    const int taille = qRound(m.captured(5).toDouble() * 100);

    // Chaque fenêtre entière dans la place que l'écran laisse ; la plus
    // large et la plus haute des fenêtres du programme, à 100 %.
    QStringList vues;
    taille_ecran::Dimensions plus{0, 0};
    const QRegularExpression ligne_place(
        QStringLiteral("sonde: place (\\S+) (\\S+) (-?\\d+) (-?\\d+) (\\d+) (\\d+)"));
    for (auto it = ligne_place.globalMatch(sortie); it.hasNext();) {
        const auto f = it.next();
        const QRect place(f.captured(3).toInt(), f.captured(4).toInt(), f.captured(5).toInt(),
                          f.captured(6).toInt());
        EXPECT_TRUE(disponible.contains(place)) << f.captured(1).toStdString() << " hors de l'écran";
        vues << f.captured(1);
        if (f.captured(2) == QLatin1String("feuille")) {
            plus.largeur = std::max<double>(plus.largeur, place.width());
            plus.hauteur = std::max<double>(plus.hauteur, place.height());
        }
    }
    for (const QString &attendue : fenetres_attendues.at(QString::fromStdString(l.programme)))
        EXPECT_TRUE(vues.contains(attendue)) << attendue.toStdString() << " pas ouverte";

    // La taille utilisée est la plus grande permise, et les dimensions
    // données au programme sont celles de ses fenêtres.
    const int demandee = l.demandee == 0 ? 100 : l.demandee;
    const int utilisee = attendue(e, l.programme, demandee);
    EXPECT_EQ(taille, utilisee);
    const taille_ecran::Dimensions d =
        fenetres_de(l.programme)((e.largeur - taille_ecran::cadre.largeur) * 100.0 / taille);
    EXPECT_EQ(plus.largeur, d.largeur);
    EXPECT_EQ(plus.hauteur, d.hauteur);
    // Une taille ramenée est dite une fois.
    EXPECT_EQ(erreurs.count(QStringLiteral("ne tiendraient pas sur cet écran")),
              demandee != ligne_commande::ajuster && utilisee < demandee ? 1 : 0);
}

class Ecrans : public ::testing::TestWithParam<Ecran>
{
};

// La taille que chaque programme et le lanceur prennent pour chaque demande,
// d'après les dimensions de leurs fenêtres.
TEST_P(Ecrans, PlusGrandeTaillePermiseAChaqueDemande)
{
    const Ecran &e = GetParam();
    for (const std::string &nom : programmes())
        for (int t : demandes()) {
            SCOPED_TRACE(nom + " " + ligne_commande::texte_taille(t));
            EXPECT_EQ(taille_ecran::choisir(t, fenetres_de(nom), {double(e.largeur), double(e.hauteur)}),
                      attendue(e, nom, t));
        }
}

// Les vrais programmes : chacun à « ajuster » et à une autre taille, qui
// change d'un programme et d'un écran à l'autre (chaque taille passe sur
// chaque écran) ; lancer les soixante combinaisons par écran coûterait une
// minute et demie de plus aux essais. Sous les sanitiseurs, où chaque
// programme démarre plusieurs fois plus lentement, « ajuster » seulement.
TEST_P(Ecrans, ChaqueFenetreDeChaqueProgrammeEntiereALaPlusGrandeTaillePermise)
{
    const Ecran &e = GetParam();
    ServeurX serveur(e.largeur, e.hauteur);
    ASSERT_FALSE(serveur.affichage().isEmpty()) << "Xvfb n'a pas démarré";
    QTemporaryDir reglages;
    std::vector<Lancement> lancements;
    std::size_t numero_ecran = 0;
    while (ecrans[numero_ecran].largeur != e.largeur)
        ++numero_ecran;
    const std::vector<std::string> noms = programmes();
    for (std::size_t i = 0; i < noms.size(); ++i) {
        std::vector<int> tailles{ligne_commande::ajuster};
#ifndef BANCS_SANITISEURS
        tailles.push_back(ligne_commande::tailles[(i + numero_ecran) % std::size(ligne_commande::tailles)]);
#endif
        for (int t : tailles)
            lancements.push_back(
                {noms[i],
                 t,
                 {QStringLiteral("--taille"), QString::fromStdString(ligne_commande::texte_taille(t))}});
    }
    executer(lancements, environnement(serveur.affichage(), reglages));
    for (Lancement &l : lancements) {
        SCOPED_TRACE(l.programme + " " + l.arguments.join(QLatin1Char(' ')).toStdString());
        verifier(l, e);
    }
}

INSTANTIATE_TEST_SUITE_P(Classe, Ecrans, ::testing::ValuesIn(ecrans), [](const auto &info) {
    return std::to_string(info.param.largeur) + "x" + std::to_string(info.param.hauteur);
});

// Un programme lancé sans --taille (menu, terminal) prend la taille retenue
// par le lanceur, ou celle que l'administrateur a mise pour tout le poste.
TEST(Ecrans, SansTailleLaTailleRetenueDeLUtilisateurPuisDuSysteme)
{
    const Ecran &e = ecrans[2];
    ServeurX serveur(e.largeur, e.hauteur);
    ASSERT_FALSE(serveur.affichage().isEmpty()) << "Xvfb n'a pas démarré";
    QTemporaryDir reglages;
    const auto ecrire = [&](const QString &ou, const char *taille) {
        QDir().mkpath(reglages.filePath(ou + QStringLiteral("/bancs-electrotechnique")));
        QFile f(reglages.filePath(ou + QStringLiteral("/bancs-electrotechnique/bancs.conf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[General]\ntaille=") + taille + "\n");
    };
    const auto env = environnement(serveur.affichage(), reglages);
    for (const auto &[utilisateur, systeme, attendue] :
         std::vector<std::tuple<const char *, const char *, int>>{
             {nullptr, "ajuster", ligne_commande::ajuster}, {"125", "ajuster", 125}}) {
        if (utilisateur)
            ecrire(QStringLiteral("utilisateur"), utilisateur);
        ecrire(QStringLiteral("systeme"), systeme);
        std::vector<Lancement> l;
        l.push_back({"transfo", attendue, {}});
        executer(l, env);
        SCOPED_TRACE(systeme);
        verifier(l.front(), e);
    }
}

} // namespace
