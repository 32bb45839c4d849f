# SPDX-License-Identifier: GPL-3.0-or-later
# Le paquet source natif, tel que dpkg-buildpackage le construit depuis un
# clone propre : dpkg-source -b sur les fichiers suivis par Git, puis lintian
# sur le .dsc, sans erreur ni avertissement.
#   cmake -DSOURCE=<dépôt> -DTEMP=<dossier de travail> -P verifier_paquet_source.cmake
# Hors d'un dépôt Git (construction depuis le paquet source lui-même), il n'y
# a rien à refaire : l'essai est sauté.
find_program(GIT git)
if(NOT GIT OR NOT EXISTS ${SOURCE}/.git)
  message("SAUTÉ : pas de dépôt Git dans ${SOURCE}")
  return()
endif()
file(REMOVE_RECURSE ${TEMP})
set(clone ${TEMP}/bancs-electrotechnique)
file(MAKE_DIRECTORY ${clone})
# Les fichiers tels qu'ils sont (modifiés compris), comme les verrait un
# clone de ce qui est validé.
execute_process(COMMAND ${GIT} -C ${SOURCE} ls-files OUTPUT_VARIABLE fichiers RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "git ls-files a échoué (${r})")
endif()
string(REPLACE "\n" ";" fichiers "${fichiers}")
foreach(f IN LISTS fichiers)
  if(f AND EXISTS ${SOURCE}/${f})
    get_filename_component(dossier ${clone}/${f} DIRECTORY)
    file(COPY ${SOURCE}/${f} DESTINATION ${dossier})
  endif()
endforeach()
execute_process(COMMAND dpkg-source -b bancs-electrotechnique WORKING_DIRECTORY ${TEMP}
                RESULT_VARIABLE r OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "dpkg-source -b a échoué (${r}) :\n${sortie}")
endif()
file(GLOB dsc ${TEMP}/*.dsc)
execute_process(COMMAND lintian ${dsc} RESULT_VARIABLE r OUTPUT_VARIABLE rapport ERROR_VARIABLE rapport)
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" fautes "${rapport}")
if(NOT r EQUAL 0 OR fautes)
  message(FATAL_ERROR "lintian sur ${dsc} (${r}) :\n${rapport}")
endif()
file(REMOVE_RECURSE ${TEMP})
