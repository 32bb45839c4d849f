// SPDX-License-Identifier: GPL-3.0-or-later
// Ce que « cmake --install » pose dans un préfixe d'essai (installé par le
// test installation_essai) : les fichiers attendus et eux seuls, des entrées
// de menu et une fiche AppStream valides, des programmes installés qui
// démarrent, le lanceur qui en démarre un, et le paquet Debian.
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
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <set>

namespace {

const QString prefixe = QStringLiteral(BANCS_PREFIXE);
const QString identifiant = QStringLiteral("fr.electrotechnique.bancs");
const int tailles[] = {16, 24, 32, 48, 64, 128, 256};

QStringList installes()
{
    return QString::fromUtf8(BANCS_INSTALLES).split(QLatin1Char(','), Qt::SkipEmptyParts);
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
    }
    if (installes().contains(QStringLiteral("bancs")))
        attendus.insert(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(identifiant));
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
        // Les « hint » (deux catégories principales) sont admis, pas les erreurs ni les avertissements.
        EXPECT_FALSE(v.texte.contains(QStringLiteral("error")) || v.texte.contains(QStringLiteral("warning")))
            << v.texte.toStdString();

        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString contenu = QString::fromUtf8(f.readAll());
        EXPECT_EQ(cle(contenu, QStringLiteral("Exec")), nom);
        EXPECT_EQ(cle(contenu, QStringLiteral("Icon")), id_de(nom));
        EXPECT_EQ(cle(contenu, QStringLiteral("Categories")),
                  QStringLiteral("Education;Science;Electricity;"));
        EXPECT_FALSE(cle(contenu, QStringLiteral("Name")).isEmpty());
        EXPECT_FALSE(cle(contenu, QStringLiteral("Comment")).isEmpty());
    }
    if (!installes().contains(QStringLiteral("bancs")))
        GTEST_SKIP() << "lanceur non construit : pas de fiche AppStream";
    const QString fiche = QStringLiteral("%1/share/metainfo/%2.metainfo.xml").arg(prefixe, identifiant);
    const Sortie v = executer(QStringLiteral("appstreamcli"),
                              {QStringLiteral("validate"), QStringLiteral("--no-net"), fiche});
    EXPECT_EQ(v.code, 0) << v.texte.toStdString();
}

TEST(Installation, ChaqueProgrammeInstalleMontreSaFenetrePrincipale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(BANCS_SONDE));
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

    // Dépendances calculées sur les exécutables, plus le greffon de plate-forme et les polices.
    const Sortie depend =
        executer(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    for (const char *paquet :
         {"libqt6widgets6", "libqt6gui6", "libc6", "qt6-qpa-plugins", "fonts-liberation"})
        EXPECT_TRUE(depend.texte.contains(QLatin1String(paquet)))
            << paquet << " dans " << depend.texte.toStdString();
    QDir(dossier).removeRecursively();
#endif
}
