// SPDX-License-Identifier: GPL-3.0-or-later
// Ce que « cmake --install » pose dans un préfixe d'essai (installé par le
// test installation_essai) : les fichiers attendus et eux seuls, des entrées
// de menu et une fiche AppStream valides, des pages de manuel qui se rendent,
// des programmes installés qui démarrent, le lanceur qui en démarre un, et le
// paquet Debian, tel qu'un empaqueteur le vérifie (lintian, dépendances,
// durcissement, champs de debian/control).
#include "catalogue.h"
#include "lanceur.h"
#include "outils_fenetres.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <ostream>
#include <set>

// Les QString des messages d'échec, lisibles.
static void PrintTo(const QString &texte, std::ostream *sortie)
{
    *sortie << '"' << texte.toStdString() << '"';
}

namespace {

const QString prefixe = QStringLiteral(BANCS_PREFIXE);
const QString identifiant = QStringLiteral("fr.electrotechnique.bancs");
const int tailles[] = {16, 24, 32, 48, 64, 128, 256};

QStringList liste(const char *texte)
{
    return QString::fromUtf8(texte).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList installes()
{
    return liste(BANCS_INSTALLES);
}

QString id_de(const QString &nom)
{
    return nom == QLatin1String("bancs") ? identifiant : identifiant + QLatin1Char('.') + nom;
}

// Les fichiers que l'installation doit poser, relatifs au préfixe.
std::set<QString> fichiers_attendus()
{
    std::set<QString> attendus;
    for (const QString &nom : installes()) {
        attendus.insert(QStringLiteral("bin/") + nom);
        attendus.insert(QStringLiteral("share/applications/%1.desktop").arg(id_de(nom)));
        attendus.insert(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(id_de(nom)));
        for (int t : tailles)
            attendus.insert(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(t).arg(id_de(nom)));
        attendus.insert(QStringLiteral("share/man/man1/%1.1.gz").arg(nom));
        attendus.insert(QStringLiteral("share/man/fr/man1/%1.1.gz").arg(nom));
    }
    for (const QString &qm : liste(BANCS_TRADUCTIONS))
        attendus.insert(QStringLiteral("share/bancs-electrotechnique/traductions/") + qm);
    if (installes().contains(QStringLiteral("bancs"))) {
        attendus.insert(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(identifiant));
        for (const QString &capture : liste(BANCS_CAPTURES))
            attendus.insert(QStringLiteral("share/bancs-electrotechnique/captures/") + capture);
    }
#ifdef BANCS_DOCUMENTS_PAQUET // sinon, debhelper les pose
    for (const char *doc : {"copyright", "changelog.gz", "NEWS.gz"})
        attendus.insert(QStringLiteral("share/doc/bancs-electrotechnique/") + QLatin1String(doc));
    attendus.insert(QStringLiteral("share/lintian/overrides/bancs-electrotechnique"));
#endif
    return attendus;
}

struct Sortie {
    int code = -1;
    QString texte;
};

// Lance un programme et attend sa fin ; « fusionner » : la sortie d'erreur
// est jointe au texte rendu, sinon elle est laissée au terminal.
Sortie executer(const QString &programme, const QStringList &arguments, const QProcessEnvironment &env = {},
                int delai_ms = 60000, bool fusionner = true)
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.setProcessChannelMode(fusionner ? QProcess::MergedChannels : QProcess::ForwardedErrorChannel);
    p.start(programme, arguments);
    if (!p.waitForFinished(delai_ms)) {
        p.kill();
        p.waitForFinished();
        return {-1, QStringLiteral("délai dépassé : ") + QString::fromUtf8(p.readAll())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

QString lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Lignes d'un rapport (lintian, appstreamcli) qui commencent par l'un des
// préfixes donnés (« E: », « W: »…).
QStringList lignes_marquees(const QString &rapport, const QStringList &prefixes)
{
    QStringList marquees;
    for (const QString &ligne : rapport.split(QLatin1Char('\n')))
        for (const QString &p : prefixes)
            if (ligne.startsWith(p))
                marquees << ligne;
    return marquees;
}

// Valeur d'un champ de contrôle Debian (le premier de ce nom), ses lignes de
// suite comprises, sans leur blanc de tête.
QString champ(const QString &controle, const QString &nom)
{
    const QStringList lignes = controle.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].startsWith(nom + QLatin1Char(':')))
            continue;
        QString valeur = lignes[i].mid(nom.size() + 1).trimmed();
        while (++i < lignes.size() &&
               (lignes[i].startsWith(QLatin1Char(' ')) || lignes[i].startsWith(QLatin1Char('\t'))))
            valeur += QLatin1Char('\n') + lignes[i].mid(1);
        return valeur;
    }
    return {};
}

// Noms des paquets d'un champ Depends (alternatives comprises), sans version
// ni architecture ; les substitutions de debhelper (${…}) sont laissées.
std::set<QString> noms_paquets(const QString &depends)
{
    std::set<QString> noms;
    for (const QString &alternatives : depends.split(QLatin1Char(',')))
        for (const QString &dependance : alternatives.split(QLatin1Char('|'))) {
            const QString nom =
                dependance.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0);
            if (!nom.isEmpty() && !nom.startsWith(QLatin1Char('$')))
                noms.insert(nom);
        }
    return noms;
}

// Valeur d'une clé du groupe [Desktop Entry].
QString cle(const QString &contenu, const QString &nom)
{
    for (const QString &ligne : contenu.split(QLatin1Char('\n')))
        if (ligne.startsWith(nom + QLatin1Char('=')))
            return ligne.mid(nom.size() + 1);
    return {};
}

// Processus fini : disparu, ou zombie en attendant son parent adoptif.
bool processus_fini(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray s = stat.readAll();
    const qsizetype fin_nom = s.lastIndexOf(')');
    return fin_nom >= 0 && s.size() > fin_nom + 2 && s.at(fin_nom + 2) == 'Z';
}

} // namespace

TEST(Installation, LesFichiersAttendusEtEuxSeuls)
{
    ASSERT_FALSE(installes().isEmpty());
    std::set<QString> poses;
    QDirIterator it(prefixe, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        poses.insert(QDir(prefixe).relativeFilePath(it.next()));
    const auto attendus = fichiers_attendus();
    for (const QString &f : attendus)
        EXPECT_TRUE(poses.count(f)) << "manque : " << f.toStdString();
    for (const QString &f : poses)
        EXPECT_TRUE(attendus.count(f)) << "en trop : " << f.toStdString();

    for (const QString &nom : installes()) {
        SCOPED_TRACE(nom.toStdString());
        EXPECT_TRUE(QFileInfo(prefixe + QStringLiteral("/bin/") + nom).isExecutable());
        for (int t : tailles) {
            const QImage png(QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png")
                                 .arg(prefixe)
                                 .arg(t)
                                 .arg(id_de(nom)));
            EXPECT_EQ(png.size(), QSize(t, t)) << t;
        }
    }
}

TEST(Installation, EntreesDeMenuEtFicheAppStreamValides)
{
    for (const QString &nom : installes()) {
        SCOPED_TRACE(nom.toStdString());
        const QString chemin = QStringLiteral("%1/share/applications/%2.desktop").arg(prefixe, id_de(nom));
        const Sortie v = executer(QStringLiteral("desktop-file-validate"), {chemin});
        EXPECT_EQ(v.code, 0) << v.texte.toStdString();
        EXPECT_EQ(v.texte, QString()); // ni erreur, ni avertissement, ni conseil

        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString contenu = QString::fromUtf8(f.readAll());
        EXPECT_EQ(cle(contenu, QStringLiteral("Exec")), nom);
        EXPECT_EQ(cle(contenu, QStringLiteral("Icon")), id_de(nom));
        // Une seule catégorie principale : le programme paraît une fois dans les menus.
        EXPECT_EQ(cle(contenu, QStringLiteral("Categories")),
                  QStringLiteral("Education;Electricity;Physics;"));
        // Nom et commentaire en anglais, et leur variante française.
        for (const QString &c : {QStringLiteral("Name"), QStringLiteral("Comment")}) {
            EXPECT_FALSE(cle(contenu, c).isEmpty()) << c.toStdString();
            EXPECT_NE(cle(contenu, c + QStringLiteral("[fr]")), cle(contenu, c)) << c.toStdString();
            EXPECT_FALSE(cle(contenu, c + QStringLiteral("[fr]")).isEmpty()) << c.toStdString();
        }
    }
    if (!installes().contains(QStringLiteral("bancs")))
        GTEST_SKIP() << "lanceur non construit : pas de fiche AppStream";
    // La fiche installée (sans site configuré : ni page d'accueil ni captures)
    // et la même avec un site, qui désigne les captures installées.
    const QString fiche = QStringLiteral("%1/share/metainfo/%2.metainfo.xml").arg(prefixe, identifiant);
    const QString avec_site = QStringLiteral(BANCS_FICHE_AVEC_SITE);
    for (const QString &f : {fiche, avec_site}) {
        SCOPED_TRACE(f.toStdString());
        const Sortie v = executer(
            QStringLiteral("appstreamcli"),
            {QStringLiteral("validate"), QStringLiteral("--pedantic"), QStringLiteral("--no-net"), f});
        EXPECT_EQ(v.code, 0) << v.texte.toStdString();
        // Propre : pas même un conseil (I:) ou une remarque pointilleuse (P:).
        EXPECT_EQ(lignes_marquees(v.texte, {QStringLiteral("E:"), QStringLiteral("W:"), QStringLiteral("I:"),
                                            QStringLiteral("P:")}),
                  QStringList())
            << v.texte.toStdString();
        EXPECT_TRUE(lire(f).contains(QStringLiteral("<release version=\"%1\"")
                                         .arg(QStringLiteral(BANCS_VERSION_PAQUET).section('-', 0, 0))));
        EXPECT_TRUE(lire(f).contains(QStringLiteral("<project_license>GPL-3.0-or-later</project_license>")));
        EXPECT_TRUE(lire(f).contains(QStringLiteral("<summary xml:lang=\"fr\">")));
    }
    EXPECT_FALSE(lire(fiche).contains(QStringLiteral("<screenshot")));
    const QString contenu = lire(avec_site);
    EXPECT_TRUE(contenu.contains(QStringLiteral("<url type=\"homepage\">https://bancs.example.org</url>")));
    ASSERT_FALSE(liste(BANCS_CAPTURES).isEmpty());
    for (const QString &capture : liste(BANCS_CAPTURES))
        EXPECT_TRUE(contenu.contains(
            QStringLiteral("<image>https://bancs.example.org/captures/%1</image>").arg(capture)))
            << capture.toStdString();
}

TEST(Installation, PagesDeManuelTireesDeLAideSeRendent)
{
    // Comme lintian les lit : avertissements de man et de groff demandés.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Assez large pour que le pied de page garde le numéro de version entier.
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("120"));
    const QString version = QStringLiteral(BANCS_VERSION_PAQUET).section('-', 0, 0);
    // L'anglais dans man1, le français dans fr/man1 : titres de la langue,
    // synopsis et options tirés de « --aide », version et licence de
    // « --version », dans la langue de la page.
    const struct {
        const char *dossier, *nom, *voir, *licence, *option;
    } langues[] = {{"man1", "NAME", "SEE ALSO", "the contributors", "--size"},
                   {"fr/man1", "NOM", "VOIR AUSSI", "les contributeurs", "--taille"}};
    for (const auto &l : langues)
        for (const QString &nom : installes()) {
            SCOPED_TRACE((nom + QLatin1Char(' ') + QLatin1String(l.dossier)).toStdString());
            const QString page = QStringLiteral("%1/share/man/%2/%3.1.gz").arg(prefixe, QLatin1String(l.dossier), nom);
            const Sortie rendu = executer(QStringLiteral("man"),
                                          {QStringLiteral("--warnings"), QStringLiteral("-E"),
                                           QStringLiteral("UTF-8"), QStringLiteral("-l"), page},
                                          env);
            EXPECT_EQ(rendu.code, 0) << rendu.texte.toStdString();
            EXPECT_FALSE(rendu.texte.contains(QStringLiteral("warning"))) << rendu.texte.toStdString();
            const QStringList attendus{QLatin1String(l.nom) + QStringLiteral("\n       ") + nom + QStringLiteral(" - "),
                                       QStringLiteral("SYNOPSIS\n       ") + nom,
                                       QStringLiteral("OPTIONS\n       ") + QLatin1String(l.option),
                                       QStringLiteral("--version"),
                                       QStringLiteral("GPL-3.0-or-later"),
                                       QString::fromUtf8(l.licence),
                                       QLatin1String(l.voir),
                                       version};
            // Le texte justifié a des blancs doublés : comparé aux blancs simples près.
            const QString texte = rendu.texte.simplified();
            for (const QString &attendu : attendus)
                EXPECT_TRUE(texte.contains(attendu.simplified())) << attendu.toStdString() << "\n"
                                                           << rendu.texte.toStdString();
        }
}

// Un programme installé ne cherche ses traductions que sous son préfixe : une
// traduction déposée dans le dossier de la construction (qu'un autre
// utilisateur pourrait créer, sous /tmp) n'est ni offerte ni chargée ; celle
// qui est installée l'est, d'où que le programme soit lancé.
TEST(Installation, LesTraductionsViennentDuPrefixeEtDeLuiSeul)
{
    const QString deposee = QStringLiteral(BANCS_CONSTRUCTION "/traductions/bancs_xx.qm");
    QFile::remove(deposee);
    ASSERT_TRUE(QFile::copy(QStringLiteral(BANCS_CONSTRUCTION "/traductions/bancs_en.qm"), deposee));
    const auto menage = qScopeGuard([&] { QFile::remove(deposee); });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Lancé par son nom seul, trouvé dans le PATH, ou par son chemin.
    env.insert(QStringLiteral("PATH"), prefixe + QStringLiteral("/bin:") + env.value(QStringLiteral("PATH")));
    const struct {
        const char *langue;
        int code;
        const char *texte;
    } cas[] = {{"xx", 2, "xx"}, {"en", 0, "the contributors"}, {"fr", 0, "les contributeurs"}};
    for (const QString &nom : installes())
        for (const QString &programme : {nom, prefixe + QStringLiteral("/bin/") + nom})
            for (const auto &c : cas) {
                SCOPED_TRACE((programme + QLatin1Char(' ') + QLatin1String(c.langue)).toStdString());
                // Par env, qui cherche le nom seul dans le PATH donné.
                const Sortie s = executer(QStringLiteral("env"),
                                          {programme, QStringLiteral("--langue"), QLatin1String(c.langue),
                                           QStringLiteral("--version")},
                                          env);
                EXPECT_EQ(s.code, c.code) << s.texte.toStdString();
                EXPECT_TRUE(s.texte.contains(QString::fromUtf8(c.texte))) << s.texte.toStdString();
            }
}

TEST(Installation, ChaqueProgrammeInstalleMontreSaFenetrePrincipale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(BANCS_SONDE));
    // Pas de taille retenue de l'utilisateur qui lance les essais.
    const QTemporaryDir reglages;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), reglages.path());
#ifdef BANCS_SANITISEURS
    // La sonde précède la bibliothèque d'AddressSanitizer dans l'ordre de chargement.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
#endif
    for (const QString &nom : installes()) {
        SCOPED_TRACE(nom.toStdString());
        QString attendu;
        if (nom == QLatin1String("bancs")) {
            // Le lanceur n'a pas d'accueil.
            attendu = QStringLiteral("sonde: fenêtre bancs « Bancs d'électrotechnique »\n");
        } else {
            QString fenetre;
            for (const auto &p : catalogue::programmes())
                if (QString::fromUtf8(p.nom.data(), static_cast<qsizetype>(p.nom.size())) == nom)
                    fenetre = QString::fromUtf8(p.fenetre.data(), static_cast<qsizetype>(p.fenetre.size()));
            attendu =
                QStringLiteral("sonde: fenêtre Intro « Introduction »\nsonde: fenêtre %1 «").arg(fenetre);
        }
        const Sortie s = executer(prefixe + QStringLiteral("/bin/") + nom, {}, env, 60000, false);
        EXPECT_EQ(s.code, 0) << s.texte.toStdString();
        EXPECT_TRUE(s.texte.startsWith(attendu)) << s.texte.toStdString();
        // L'icône du programme, à toutes ses tailles, est celle de ses fenêtres.
        EXPECT_TRUE(s.texte.contains(QStringLiteral("sonde: icône %1\n").arg(std::size(tailles))))
            << s.texte.toStdString();
    }
}

TEST(Installation, LeLanceurInstalleDemarreUnProgrammeParSaTuile)
{
    if (!installes().contains(QStringLiteral("vek")))
        GTEST_SKIP() << "vek non construit";
    const QString bin = prefixe + QStringLiteral("/bin");
    auto *bancs = new Bancs(bin);
    bancs->show();
    bancs->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(bancs));
    auto *tuile = essai::controle(bancs, QStringLiteral("tuile(0)")); // vek
    tuile->setFocus();
    QTest::keyClick(tuile, Qt::Key_Return);
    const qint64 pid = bancs->dernier_processus();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(bancs->findChildren<QWidget *>(QStringLiteral("message_lancement")).isEmpty());

    // Le processus démarré est bien vek installé…
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath(),
              QFileInfo(bin + QStringLiteral("/vek")).canonicalFilePath());
    // … et il survit au lanceur fermé.
    bancs->close();
    QTest::qWait(200);
    EXPECT_FALSE(processus_fini(pid));

    ::kill(static_cast<pid_t>(pid), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([pid] { return processus_fini(pid); }, 10000));
}

// Le paquet que construit CPack, vérifié comme un empaqueteur le ferait :
// ses fichiers, ses champs (ceux de debian/control et debian/changelog), des
// dépendances qui sont exactement les bibliothèques liées et les paquets
// écrits à la main (polices, traductions de Qt), des exécutables durcis, et
// lintian sans erreur ni avertissement.
TEST(Installation, PaquetDebianConstruitParCPack)
{
#ifdef BANCS_SANITISEURS
    GTEST_SKIP() << "pas de paquet d'une construction sous sanitiseurs";
#else
    const QString dossier = QStringLiteral(BANCS_ESSAI_PAQUET);
    QDir(dossier).removeRecursively();
    const Sortie c = executer(QStringLiteral("cpack"),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                               QStringLiteral(BANCS_CPACK_CONFIG), QStringLiteral("-B"), dossier},
                              {}, 300000);
    ASSERT_EQ(c.code, 0) << c.texte.toStdString();
    const QStringList paquets = QDir(dossier).entryList({QStringLiteral("*.deb")}, QDir::Files);
    ASSERT_EQ(paquets.size(), 1) << paquets.join(QLatin1Char(' ')).toStdString();
    const QString deb = QDir(dossier).filePath(paquets.front());
    EXPECT_EQ(paquets.front(),
              QStringLiteral("bancs-electrotechnique_%1_amd64.deb").arg(BANCS_VERSION_PAQUET));

    // Les fichiers du paquet sont ceux de l'installation, sous /usr.
    const Sortie contenu = executer(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
    ASSERT_EQ(contenu.code, 0) << contenu.texte.toStdString();
    std::set<QString> dans_paquet;
    for (const QString &ligne : contenu.texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (ligne.startsWith(QLatin1Char('d')))
            continue; // dossiers
        const qsizetype debut = ligne.indexOf(QStringLiteral("./usr/"));
        ASSERT_GE(debut, 0) << ligne.toStdString();
        dans_paquet.insert(ligne.mid(debut + 6));
    }
    EXPECT_EQ(dans_paquet, fichiers_attendus());

    // Les champs sont ceux de debian/control, la version celle de debian/changelog.
    const QString source = lire(QStringLiteral(BANCS_SOURCE "/debian/control"));
    const QString controle = executer(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb}).texte;
    EXPECT_EQ(champ(controle, QStringLiteral("Package")), QStringLiteral("bancs-electrotechnique"));
    EXPECT_EQ(champ(controle, QStringLiteral("Version")), QStringLiteral(BANCS_VERSION_PAQUET));
    const QString mainteneur = QStringLiteral(BANCS_MAINTENEUR_CONFIGURE);
    EXPECT_EQ(champ(controle, QStringLiteral("Maintainer")),
              mainteneur.isEmpty() ? champ(source, QStringLiteral("Maintainer")) : mainteneur);
    for (const char *nom : {"Section", "Priority", "Description"})
        EXPECT_EQ(champ(controle, QLatin1String(nom)), champ(source, QLatin1String(nom))) << nom;

    // Chaque exécutable : ses bibliothèques (objdump -p), RELRO complet,
    // protection de la pile et fonctions de la glibc vérifiées (_FORTIFY_SOURCE).
    const QString extrait = dossier + QStringLiteral("/contenu");
    ASSERT_EQ(executer(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, extrait}).code, 0);
    std::set<QString> liees;
    const QFileInfoList executables = QDir(extrait + QStringLiteral("/usr/bin")).entryInfoList(QDir::Files);
    EXPECT_EQ(executables.size(), installes().size());
    for (const QFileInfo &executable : executables) {
        SCOPED_TRACE(executable.fileName().toStdString());
        const QString entetes =
            executer(QStringLiteral("objdump"), {QStringLiteral("-p"), executable.filePath()}).texte;
        for (const QString &ligne : entetes.split(QLatin1Char('\n'))) {
            const QStringList mots = ligne.simplified().split(QLatin1Char(' '));
            if (mots.size() == 2 && mots[0] == QLatin1String("NEEDED"))
                liees.insert(mots[1]);
        }
        EXPECT_TRUE(entetes.contains(QStringLiteral("RELRO")));
        const QString dynamique =
            executer(QStringLiteral("readelf"), {QStringLiteral("-d"), executable.filePath()}).texte;
        EXPECT_TRUE(dynamique.contains(QStringLiteral("BIND_NOW"))) << dynamique.toStdString();
        const QString symboles =
            executer(QStringLiteral("objdump"), {QStringLiteral("-T"), executable.filePath()}).texte;
        EXPECT_TRUE(symboles.contains(QStringLiteral("__stack_chk_fail")));
        EXPECT_TRUE(symboles.contains(QStringLiteral("__fprintf_chk")));
        // Rien du poste qui l'a construit : ni le dossier de construction
        // ni celui des sources (le même programme, construit ailleurs, est
        // le même fichier).
        QFile f(executable.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        for (const char *chemin : {BANCS_CONSTRUCTION, BANCS_SOURCE})
            EXPECT_FALSE(octets.contains(chemin)) << chemin;
    }

    // Dépendances : le paquet de chaque bibliothèque liée (dpkg -S), plus ceux
    // de debian/control (polices, traductions de Qt), et rien d'autre.
    ASSERT_FALSE(liees.empty());
    QStringList motifs{QStringLiteral("-S")};
    for (const QString &bibliotheque : liees) // celles de l'architecture, pas celles de lib32
        motifs << QStringLiteral("*/" BANCS_MULTIARCH "/") + bibliotheque;
    const Sortie proprietaires = executer(QStringLiteral("dpkg"), motifs, {}, 60000, false);
    ASSERT_EQ(proprietaires.code, 0) << proprietaires.texte.toStdString();
    std::set<QString> fournisseurs = noms_paquets(champ(source, QStringLiteral("Depends")));
    std::set<QString> trouvees;
    for (const QString &ligne : proprietaires.texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype separation = ligne.indexOf(QStringLiteral(": /"));
        if (ligne.startsWith(QLatin1String("diversion")) || separation < 0)
            continue;
        trouvees.insert(ligne.mid(separation + 2).section(QLatin1Char('/'), -1));
        for (const QString &p : noms_paquets(ligne.left(separation)))
            fournisseurs.insert(p);
    }
    EXPECT_EQ(trouvees, liees);
    EXPECT_EQ(noms_paquets(champ(controle, QStringLiteral("Depends"))), fournisseurs)
        << champ(controle, QStringLiteral("Depends")).toStdString();

    // lintian : ni erreur ni avertissement (les informations sont admises).
    const Sortie l = executer(QStringLiteral("lintian"), {deb}, {}, 300000);
    EXPECT_EQ(l.code, 0) << l.texte.toStdString();
    EXPECT_EQ(lignes_marquees(l.texte, {QStringLiteral("E:"), QStringLiteral("W:")}), QStringList())
        << l.texte.toStdString();
    QDir(dossier).removeRecursively();
#endif
}
