// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Traductions chargées au démarrage. Les fenêtres de la suite sont écrites en
// français ; les boîtes standard de Qt (choix d'un fichier, boutons des
// messages, menu contextuel des saisies : « Copier », « Coller »…) le sont
// par les traductions de Qt lui-même (qtbase_<langue>.qm, paquet Debian
// qt6-translations-l10n), cherchées là où Qt les installe (QLibraryInfo).

#include <QLocale>

class QCoreApplication;

namespace traductions {

// La langue de l'interface de la suite.
QLocale langue_interface();

// Installe dans « application » les traductions de Qt pour « langue ». Rend
// faux, sans rien changer, si elles ne sont pas installées sur le poste : les
// boîtes standard restent alors en anglais.
bool installer(QCoreApplication &application, const QLocale &langue = langue_interface());

} // namespace traductions
