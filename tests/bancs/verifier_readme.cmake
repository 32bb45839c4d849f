# SPDX-License-Identifier: GPL-3.0-or-later
cmake_policy(VERSION 3.25)
# Le tableau « Les programmes » du README recopie cmake/programmes.cmake :
# une ligne « | `nom` | nom dans le menu | description | » par programme,
# dans le même ordre.
#   cmake -DSOURCE=<dépôt> -P verifier_readme.cmake
include(${SOURCE}/cmake/programmes.cmake)
file(STRINGS ${SOURCE}/README.md lignes ENCODING UTF-8 REGEX "^\\| `")
set(attendues)
foreach(nom IN LISTS BANCS_PROGRAMMES)
  list(APPEND attendues "| `${nom}` | ${BANCS_${nom}_TITRE} | ${BANCS_${nom}_DESCRIPTION} |")
endforeach()
if(NOT "${lignes}" STREQUAL "${attendues}")
  string(REPLACE ";" "\n" lignes "${lignes}")
  string(REPLACE ";" "\n" attendues "${attendues}")
  message(FATAL_ERROR "Le tableau du README diffère de cmake/programmes.cmake.\nLu :\n${lignes}\nAttendu :\n${attendues}")
endif()
