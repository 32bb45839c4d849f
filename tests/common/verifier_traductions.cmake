# SPDX-License-Identifier: GPL-3.0-or-later
# Chaque fichier de traduction suit le code : lupdate, lancé sur une copie,
# relève les textes du code ; une entrée « unfinished » (texte nouveau ou
# changé, sans traduction) ou « vanished »/« obsolete » (texte disparu du
# code, peut-être changé en français) fait échouer l'essai, qui les nomme.
#   cmake -DLUPDATE=… -DSOURCES="a|b" -DTS="x.ts|y.ts" -DTEMP=… -P verifier_traductions.cmake
# (listes séparées par « | », pour passer entières sur la ligne de commande).
string(REPLACE "|" ";" SOURCES "${SOURCES}")
string(REPLACE "|" ";" TS "${TS}")
file(MAKE_DIRECTORY ${TEMP})
set(fautes "")
foreach(ts IN LISTS TS)
  get_filename_component(nom ${ts} NAME)
  set(copie ${TEMP}/${nom})
  file(COPY_FILE ${ts} ${copie})
  # Celui du français, langue des sources, ne tient que les pluriels.
  set(pluriels)
  if(nom STREQUAL "bancs_fr.ts")
    set(pluriels -pluralonly)
  endif()
  execute_process(COMMAND ${LUPDATE} -locations none ${pluriels} ${SOURCES} -ts ${copie}
                  RESULT_VARIABLE code OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "lupdate a échoué sur ${nom} :\n${sortie}")
  endif()
  file(READ ${copie} texte)
  # Lu comme une liste par CMake : ni « ; » ni entité XML dans les textes cités.
  string(REPLACE "&apos;" "'" texte "${texte}")
  string(REPLACE "&quot;" "\"" texte "${texte}")
  string(REPLACE ";" "," texte "${texte}")
  # Un message par bloc : sa source, puis le genre de sa traduction.
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"(unfinished|vanished|obsolete)\""
         manques "${texte}")
  foreach(m IN LISTS manques)
    string(REGEX REPLACE "<source>([^<]*)</source>.*type=\"([a-z]+)\"" "\\2 : \\1" ligne "${m}")
    string(APPEND fautes "  ${nom} — ${ligne}\n")
  endforeach()
endforeach()
if(fautes)
  message(FATAL_ERROR "Traductions à reprendre (texte français changé, nouveau ou disparu) :\n${fautes}")
endif()
message(STATUS "Traductions à jour : ${TS}")
