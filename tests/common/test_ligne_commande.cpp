// SPDX-License-Identifier: GPL-3.0-or-later
// Ligne de commande commune aux programmes : « --taille », « --langue », aide, refus.
#include "ligne_commande.h"
#include "traductions.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CasLigne {
    const char *nom;
    std::vector<std::string> arguments;
    int taille; // 0 : non donnée
    bool aide;
    const char *erreur; // début du message attendu, vide si acceptée
};

} // namespace

TEST(LigneCommande, TaillesOffertesAccepteesLeResteRefuse)
{
    const CasLigne cas[] = {
        {"rien", {}, 0, false, ""},
        {"taille 150", {"--taille", "150"}, 150, false, ""},
        {"taille=200", {"--taille=200"}, 200, false, ""},
        {"taille 100", {"--taille", "100"}, 100, false, ""},
        {"taille 125", {"--taille", "125"}, 125, false, ""},
        {"taille=175", {"--taille=175"}, 175, false, ""},
        {"ajuster à l'écran", {"--taille", "ajuster"}, ligne_commande::ajuster, false, ""},
        {"taille avec %", {"--taille", "150 %"}, 150, false, ""},
        // Les noms anglais valent les français.
        {"size", {"--size", "150"}, 150, false, ""},
        {"size=fit", {"--size=fit"}, ligne_commande::ajuster, false, ""},
        {"taille fit", {"--taille", "fit"}, ligne_commande::ajuster, false, ""},
        {"size sans valeur", {"--size"}, 0, false, "l'option --taille attend une taille"},
        {"size non offerte", {"--size", "Fit"}, 0, false, "taille « Fit » refusée"},
        {"la dernière l'emporte", {"--taille", "150", "--taille", "200"}, 200, false, ""},
        {"option de Qt avec valeur", {"-platform", "offscreen", "--taille", "200"}, 200, false, ""},
        {"option de Qt collée", {"-style=fusion"}, 0, false, ""},
        {"option de Qt seule", {"-reverse"}, 0, false, ""},
        {"aide", {"--aide"}, 0, true, ""},
        {"taille non offerte",
         {"--taille", "130"},
         0,
         false,
         "taille « 130 » refusée : choisir 100, 125, 150, 175, 200 ou ajuster."},
        {"ajuster mal écrit", {"--taille", "Ajuster"}, 0, false, "taille « Ajuster » refusée"},
        {"taille négative", {"--taille", "-200"}, 0, false, "taille « -200 » refusée"},
        {"taille en lettres", {"--taille", "grande"}, 0, false, "taille « grande » refusée"},
        {"taille vide", {"--taille="}, 0, false, "l'option --taille attend une taille"},
        {"taille énorme", {"--taille", "99999999999999999999"}, 0, false, "taille « 99999999999999999999 »"},
        {"taille sans valeur", {"--taille"}, 0, false, "l'option --taille attend une taille"},
        {"argument inconnu", {"--plein-ecran"}, 0, false, "argument inconnu « --plein-ecran »."},
        {"fichier", {"mesures.txt"}, 0, false, "argument inconnu « mesures.txt »."},
        {"option de Qt sans sa valeur", {"-platform"}, 0, false, "argument inconnu « -platform »."},
        {"inconnu après une bonne taille", {"--taille", "150", "x"}, 150, false, "argument inconnu « x »."},
    };
    for (const CasLigne &c : cas) {
        SCOPED_TRACE(c.nom);
        const ligne_commande::Options o = ligne_commande::analyser(c.arguments);
        const std::string attendu = c.erreur;
        if (attendu.empty()) {
            EXPECT_EQ(o.erreur, "");
            EXPECT_EQ(o.taille, c.taille);
            EXPECT_EQ(o.aide, c.aide);
        } else {
            EXPECT_EQ(o.erreur.substr(0, attendu.size()), attendu) << o.erreur;
        }
    }
}

TEST(LigneCommande, EchelleCombineeAvecCelleDeLUtilisateur)
{
    const struct {
        int taille;
        const char *existant;
        double facteur;
    } cas[] = {
        {150, "", 1.5},    {200, "", 2.0},   {200, "1.25", 2.5},  {150, "abc", 1.5},
        {200, "nan", 2.0}, {200, "-3", 2.0}, {200, "1e300", 2.0}, {100, "2", 2.0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.taille) + " " + c.existant);
        EXPECT_DOUBLE_EQ(ligne_commande::facteur_echelle(c.taille, c.existant), c.facteur);
    }
}

// La langue du poste si la suite y est traduite, le français sinon (C et
// POSIX compris). Une langue de plus n'est qu'un fichier de traduction de
// plus : « --langue » l'accepte, l'aide la cite, le lanceur la nomme comme
// elle se nomme.
TEST(LigneCommande, LanguesOffertesParLesFichiersDeTraduction)
{
    const struct {
        const char *locale, *langue;
    } postes[] = {{"en_GB", "en"}, {"en_US", "en"}, {"fr_FR", "fr"}, {"fr_BE", "fr"},
                  {"C", "fr"},     {"POSIX", "fr"}, {"xh_ZA", "fr"}, {"", "fr"}};
    for (const auto &p : postes)
        EXPECT_EQ(traductions::langue_de_locale(QString::fromLatin1(p.locale)).code, p.langue) << p.locale;

    const auto codes = [] {
        std::string liste;
        for (const traductions::Langue &l : traductions::offertes())
            liste += (liste.empty() ? "" : "|") + l.code;
        return liste;
    };
    const std::string avant = codes();
    // Le français d'abord ; l'anglais, traduit dans le dépôt, en est.
    ASSERT_EQ(avant.rfind("fr|", 0), 0u) << avant;
    EXPECT_NE(avant.find("|en"), std::string::npos) << avant;

    // La traduction anglaise recopiée sous le code « zz », là où un paquet
    // installe les traductions.
    const QStringList dossiers = traductions::dossiers();
    ASSERT_EQ(dossiers.size(), 2);
    const QString installees = dossiers.front();
    ASSERT_TRUE(QDir().mkpath(installees));
    const QString copie = installees + QStringLiteral("/bancs_zz.qm");
    ASSERT_TRUE(QFile::copy(dossiers.back() + QStringLiteral("/bancs_en.qm"), copie));
    const auto menage = qScopeGuard([&] {
        QFile::remove(copie);
        QDir().rmpath(installees);
    });

    EXPECT_EQ(codes(), avant + "|zz");
    EXPECT_EQ(traductions::nom(*traductions::lire_code("zz")), QStringLiteral("English"));
    EXPECT_EQ(traductions::nom(traductions::Langue::francais), QStringLiteral("Français"));
    EXPECT_EQ(ligne_commande::analyser({"--langue", "zz"}).erreur, "");
    EXPECT_EQ(ligne_commande::analyser({"--language=zz", "--size", "125"}).erreur, "");
    std::string offertes = avant + "|zz";
    for (std::size_t i = offertes.find('|'); i != std::string::npos; i = offertes.find('|', i))
        offertes.replace(i, 1, ", ");
    EXPECT_EQ(ligne_commande::analyser({"--langue", "de-DE"}).erreur,
              "langue « de-DE » refusée : choisir " + offertes + ".");
    EXPECT_NE(ligne_commande::aide("vek").find("[--langue " + avant + "|zz]"), std::string::npos);
}

// L'anglais qu'écrirait un enseignant : quelques textes repris, un par sorte
// de reprise (consigne, légende à deux-points, mot juste, symbole, unité,
// capitale, texte peint), et l'aide avec les noms anglais des options.
TEST(LigneCommande, AnglaisDUnEnseignant)
{
    traductions::fixer(traductions::Langue{"en"});
    const auto francais = qScopeGuard([] { traductions::fixer(traductions::Langue::francais); });
    const struct {
        const char *contexte, *source, *attendu;
    } cas[] = {
        {"vek",
         "Au démarrage, l'intensité absorbée par l'induit est très importante. La tension d'induit doit être "
         "réduite quand on ferme l'interrupteur d'induit.",
         "At start-up, the armature current is very high. Reduce the armature voltage before closing the armature "
         "switch."},
        {"grandeurs", "is courant absorbé par le redresseur (A)", "is: supply current drawn by the rectifier (A)"},
        {"catalogue", "oscillogrammes d'un onduleur monophasé en pont à commande pleine onde sur charge R-L",
         "waveforms of a single-phase full-bridge square-wave inverter on an R-L load"},
        {"Form1", "Caractéristique VEK", "DC motor parameters"},
        {"Intro", "Logiciel de simulation des virelais", "Simulation software for the rotating magnetic field"},
        {"Form1", "gmax", "s at Tmax"},
        {"Form1", "cosphi", "cos φ"},
        {"FeuilleMauvaiseManip", "Oui, bien sûr", "Understood"},
        {"Bancs", "%1 Il a écrit :\n\n%2", "%1 Its output:\n\n%2"},
        {"Machine1", "T en Nm", "T (N·m)"},
        {"Form1", "T (n.m)", "T (N·m)"},
        {"Form1", "g %", "s (%)"},
        {"Transfo", "Zone de réglage", "Settings"},
        {"sodel", "pompe", "Pump"},
        {"Bancs", "%1 à %2 %", "%1 at %2%"},
        {"CaractCharge", "X = %1  ;  Y = %2", "X = %1; Y = %2"},
        {"Courbe", "xmax", "x max"},
        {"Form1", "%1 V / %2 V ;     %3 A / %4 A ;        %5 Hz ; %6 tr/min ; cos phi = %7",
         "%1 V / %2 V;     %3 A / %4 A;        %5 Hz; %6 rpm; cos φ = %7"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(traductions::traduire(c.contexte, c.source).toStdString(), c.attendu) << c.source;
    const std::string aide = ligne_commande::aide("vek");
    EXPECT_EQ(aide.rfind("Usage: vek [--size 100|125|150|175|200|fit] [--language fr|", 0), 0u) << aide;
    EXPECT_NE(aide.find("--taille, --langue and ajuster are accepted too."), std::string::npos) << aide;
}
