// Point d'entrée des tests de fenêtres : plate-forme hors écran, langue fixée.
#include <QApplication>
#include <QLocale>

#include "polices.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    polices::preparer_application(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
