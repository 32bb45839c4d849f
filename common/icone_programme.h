// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Icône des fenêtres d'un programme de la suite. CMake
// (bancs_installer_programme) met l'icône du programme, rendue en PNG à
// plusieurs tailles, dans ses ressources sous « :/icone_programme/ » ; un
// exécutable qui n'en a pas (les tests) garde l'icône par défaut.

class QApplication;

namespace icone_programme {

// Pose l'icône des ressources comme icône de toutes les fenêtres ; rend
// faux si le programme n'en a pas.
bool poser(QApplication &application);

} // namespace icone_programme
