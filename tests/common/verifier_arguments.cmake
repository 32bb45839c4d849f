# SPDX-License-Identifier: GPL-3.0-or-later
# Un programme de la suite lancé avec un mauvais argument : message clair sur
# la sortie d'erreur et code de sortie non nul ; « --aide » et « --version »
# sortent sans erreur, nommant le programme sans son dossier.
# cmake -DPROGRAMME=<exécutable> -DVERSION=<version> [-DEMULATEUR=wine] -P verifier_arguments.cmake
# (EMULATEUR : ce qui fait tourner un programme de Windows sous Linux.)
set(ENV{QT_QPA_PLATFORM} offscreen)
foreach(cas "--plein-ecran|argument inconnu « --plein-ecran »"
            "--taille,130|taille « 130 » refusée : choisir 100, 125, 150, 175, 200 ou ajuster."
            "--taille|l'option --taille attend une taille")
  string(REPLACE "|" ";" parties "${cas}")
  list(GET parties 0 arguments)
  list(GET parties -1 message)
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(COMMAND ${EMULATEUR} ${PROGRAMME} ${arguments} RESULT_VARIABLE code ERROR_VARIABLE erreur
                  OUTPUT_VARIABLE sortie TIMEOUT 20)
  if(NOT code EQUAL 2)
    message(FATAL_ERROR "${PROGRAMME} ${arguments} : code ${code} au lieu de 2\n${erreur}")
  endif()
  string(FIND "${erreur}" "${message}" trouve)
  if(trouve EQUAL -1)
    message(FATAL_ERROR "${PROGRAMME} ${arguments} : message attendu « ${message} », reçu :\n${erreur}")
  endif()
endforeach()
get_filename_component(nom ${PROGRAMME} NAME_WE) # « vek », même pour vek.exe
execute_process(COMMAND ${EMULATEUR} ${PROGRAMME} --aide RESULT_VARIABLE code OUTPUT_VARIABLE sortie TIMEOUT 20)
if(NOT code EQUAL 0 OR NOT sortie MATCHES "^Utilisation : ${nom} " OR NOT sortie MATCHES "--taille N"
   OR NOT sortie MATCHES "--version")
  message(FATAL_ERROR "${PROGRAMME} --aide : code ${code}\n${sortie}")
endif()
execute_process(COMMAND ${EMULATEUR} ${PROGRAMME} --version RESULT_VARIABLE code OUTPUT_VARIABLE sortie TIMEOUT 20)
if(NOT code EQUAL 0 OR NOT sortie MATCHES "^${nom} \\(Bancs d'électrotechnique\\) ${VERSION}\n"
   OR NOT sortie MATCHES "GPL-3.0-or-later")
  message(FATAL_ERROR "${PROGRAMME} --version : code ${code}\n${sortie}")
endif()
