# SPDX-License-Identifier: GPL-3.0-or-later
# Chaque fichier source du dépôt porte, dans ses trois premières lignes, la
# ligne « SPDX-License-Identifier » de sa licence : GPL-3.0-or-later, ou
# FSFAP pour la fiche AppStream (COPYING, debian/copyright).
#   cmake -DSOURCE=<dépôt> -P verifier_licence.cmake
file(GLOB_RECURSE fichiers RELATIVE ${SOURCE} ${SOURCE}/*.cpp ${SOURCE}/*.h ${SOURCE}/*.cmake ${SOURCE}/*.sh
     ${SOURCE}/*.in ${SOURCE}/*.svg ${SOURCE}/CMakeLists.txt)
list(APPEND fichiers debian/rules debian/tests/programmes .ci/run)
set(manquent)
foreach(fichier IN LISTS fichiers)
  # Les constructions et les paquets faits dans le dépôt ne sont pas des sources.
  if(fichier MATCHES "^(build|obj-|debian/bancs-electrotechnique/|debian/tmp/|\\.git/)")
    continue()
  endif()
  file(STRINGS ${SOURCE}/${fichier} tete LIMIT_COUNT 3)
  if(NOT tete MATCHES "SPDX-License-Identifier: (GPL-3\\.0-or-later|FSFAP)")
    list(APPEND manquent ${fichier})
  endif()
endforeach()
if(manquent)
  list(JOIN manquent "\n  " liste)
  message(FATAL_ERROR "Sans ligne SPDX-License-Identifier :\n  ${liste}")
endif()
