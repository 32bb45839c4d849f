// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marque d'un texte que l'élève lit, dans un modèle sans Qt : le texte reste
// le texte français, et lupdate le relève (contexte, texte) pour le fichier
// de traduction ; la fenêtre qui le montre le traduit par
// QCoreApplication::translate(contexte, texte). Même définition que celle
// de Qt, pour qu'un fichier qui inclut les deux compile.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
