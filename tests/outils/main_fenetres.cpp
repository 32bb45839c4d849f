// SPDX-License-Identifier: GPL-3.0-or-later
// Point d'entrée des tests de fenêtres : plate-forme hors écran, langue fixée.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "ligne_commande.h"
#include "polices.h"
#include "traductions.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef BANCS_TAILLE_ESSAI
    // Tests « en classe » : la taille passe par la ligne de commande des programmes.
    char nom[] = "essai", option[] = "--taille", taille[] = BANCS_TAILLE_ESSAI;
    char *ligne[] = {nom, option, taille};
    if (ligne_commande::preparer(3, ligne) >= 0)
        return 2;
#endif
    // Les données de l'utilisateur (points gardés de l'enregistreur) vont dans
    // un dossier temporaire, effacé à la fin : jamais dans son vrai dossier.
    const QTemporaryDir donnees;
    if (!donnees.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Les tests parlent français quelle que soit la langue du poste, sauf les
    // tests dans une autre langue (comme « --langue » pour un programme).
#ifdef BANCS_LANGUE_ESSAI
    traductions::fixer(traductions::lire_code(BANCS_LANGUE_ESSAI).value_or(traductions::Langue::francais));
#else
    traductions::fixer(traductions::Langue::francais);
#endif
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    polices::preparer_application(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
