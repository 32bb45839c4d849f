# SPDX-License-Identifier: GPL-3.0-or-later
# Une page de manuel, dans une langue, tirée par help2man de « --aide » et
# « --version » du programme dans cette langue, puis comprimée sans date ni
# nom comme le fait debhelper :
#   cmake -DHELP2MAN=<help2man> -DPROGRAMME=<exécutable> -DLANGUE=<en|fr> -DLOCALE=<locale>
#         [-DLOCPATH=<dossier des locales>] -DINCLUSION=<fichier .h2m> -DPAGE=<page .1> -P page_manuel.cmake
# L'aide n'a pas de titre « Options: » (que help2man reconnaîtrait, en anglais
# seulement) : la section OPTIONS commence à la première option décrite.
if(LOCPATH)
  set(ENV{LOCPATH} ${LOCPATH})
endif()
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(
  COMMAND ${HELP2MAN} --locale=${LOCALE} --no-info "--help-option=--langue ${LANGUE} --aide"
          "--version-option=--langue ${LANGUE} --version" --section=1 --include=${INCLUSION}
          --output=${PAGE} ${PROGRAMME}
  RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
  message(FATAL_ERROR "help2man a échoué sur ${PROGRAMME} (${LANGUE}) : ${resultat}")
endif()
file(READ ${PAGE} page)
string(FIND "${page}" "\n.TP\n\\fB\\-" premiere_option)
if(premiere_option EQUAL -1)
  message(FATAL_ERROR "${PAGE} : aucune option décrite dans l'aide de ${PROGRAMME}")
endif()
string(SUBSTRING "${page}" 0 ${premiere_option} avant)
string(SUBSTRING "${page}" ${premiere_option} -1 apres)
file(WRITE ${PAGE} "${avant}\n.SH OPTIONS${apres}")
file(REMOVE ${PAGE}.gz)
execute_process(COMMAND gzip -9n ${PAGE} RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
  message(FATAL_ERROR "gzip a échoué sur ${PAGE}")
endif()
