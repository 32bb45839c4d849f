# SPDX-License-Identifier: GPL-3.0-or-later
# Traductions de la suite. Les textes sources, dans le code, sont en français ;
# chaque autre langue est un fichier traductions/bancs_<code>.ts (par exemple
# bancs_en.ts), compilé par lrelease en bancs_<code>.qm dans
# <construction>/traductions, installé dans share/bancs-electrotechnique/traductions.
# Ajouter une langue : un nouveau fichier .ts, rien d'autre (la cible
# « mettre_a_jour_traductions » le remplit des textes à traduire).
# bancs_fr.ts n'est pas une langue de plus : il ne tient que les formes du
# pluriel des textes français eux-mêmes (tr(…, nullptr, n) et %n).
#
# Le code est relevé par lupdate : tr() dans les fenêtres,
# QCoreApplication::translate() ailleurs, QT_TRANSLATE_NOOP() dans les
# modèles sans Qt (a_traduire.h) et dans les tableaux de textes.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

if(WIN32)
  set(BANCS_DOSSIER_TRADUCTIONS traductions)
else()
  set(BANCS_DOSSIER_TRADUCTIONS ${CMAKE_INSTALL_DATADIR}/${BANCS_PAQUET}/traductions)
endif()
set(BANCS_TRADUCTIONS_CONSTRUCTION ${PROJECT_BINARY_DIR}/traductions)

# Les dossiers dont lupdate relève les textes : ce que l'élève peut lire.
set(BANCS_SOURCES_TRADUITES common waveforms ${BANCS_PROGRAMMES} bancs)
# Le catalogue du lanceur, produit dans la construction à partir de
# cmake/programmes.cmake (bancs/CMakeLists.txt) : ses titres et descriptions.
set(BANCS_CATALOGUE_TRADUIT ${PROJECT_BINARY_DIR}/bancs/programmes_suite.h)

# Les fichiers de traduction, un par langue : bancs_<code>.ts.
function(bancs_traductions)
  file(GLOB ts_fichiers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/traductions/*.ts)
  set(langues)
  foreach(ts IN LISTS ts_fichiers)
    get_filename_component(nom ${ts} NAME_WE)
    string(REGEX MATCH "_([a-z][a-z])$" _ ${nom})
    if(CMAKE_MATCH_1)
      list(APPEND langues ${CMAKE_MATCH_1})
      list(APPEND ts_${CMAKE_MATCH_1} ${ts})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES langues)
  set(qm_fichiers)
  foreach(langue IN LISTS langues)
    set(qm ${BANCS_TRADUCTIONS_CONSTRUCTION}/bancs_${langue}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${BANCS_TRADUCTIONS_CONSTRUCTION}
      COMMAND Qt6::lrelease -silent ${ts_${langue}} -qm ${qm}
      DEPENDS ${ts_${langue}}
      COMMENT "Traduction ${langue} de la suite"
      VERBATIM)
    list(APPEND qm_fichiers ${qm})
  endforeach()
  # Pour Windows : les traductions de Qt (boîtes standard) à côté de celles
  # de la suite, pour les tests de la construction ; l'installation les pose
  # elle aussi (cmake/windows.cmake).
  if(WIN32)
    foreach(langue fr en)
      set(qm ${BANCS_TRADUCTIONS_CONSTRUCTION}/qtbase_${langue}.qm)
      add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E copy /usr/share/qt6/translations/qtbase_${langue}.qm ${qm}
        DEPENDS /usr/share/qt6/translations/qtbase_${langue}.qm
        VERBATIM)
      list(APPEND qm_qt ${qm})
    endforeach()
  endif()
  add_custom_target(traductions ALL DEPENDS ${qm_fichiers} ${qm_qt})
  # Les pages de manuel reprennent l'aide, qui cite les langues offertes :
  # les traductions d'abord.
  if(TARGET pages_manuel)
    add_dependencies(pages_manuel traductions)
  endif()
  install(FILES ${qm_fichiers} DESTINATION ${BANCS_DOSSIER_TRADUCTIONS})
  set(noms)
  foreach(qm IN LISTS qm_fichiers)
    get_filename_component(n ${qm} NAME)
    list(APPEND noms ${n})
  endforeach()
  set_property(GLOBAL PROPERTY BANCS_TRADUCTIONS_INSTALLEES ${noms})
  set(BANCS_FICHIERS_TS ${ts_fichiers} PARENT_SCOPE)

  # Remplir chaque .ts des textes relevés dans le code (cible à la demande).
  set(sources)
  foreach(dossier IN LISTS BANCS_SOURCES_TRADUITES)
    list(APPEND sources ${PROJECT_SOURCE_DIR}/${dossier})
  endforeach()
  list(APPEND sources ${BANCS_CATALOGUE_TRADUIT})
  # Une langue de plus : « -DBANCS_NOUVELLE_LANGUE=de » puis cette cible crée
  # traductions/bancs_de.ts, tous ses textes à traduire.
  set(BANCS_NOUVELLE_LANGUE "" CACHE STRING
      "Code à deux lettres d'une langue à ajouter : mettre_a_jour_traductions crée traductions/bancs_<code>.ts")
  set(a_jour ${ts_fichiers})
  if(BANCS_NOUVELLE_LANGUE MATCHES "^[a-z][a-z]$")
    list(APPEND a_jour ${PROJECT_SOURCE_DIR}/traductions/bancs_${BANCS_NOUVELLE_LANGUE}.ts)
    list(REMOVE_DUPLICATES a_jour)
  elseif(BANCS_NOUVELLE_LANGUE)
    message(FATAL_ERROR "BANCS_NOUVELLE_LANGUE=${BANCS_NOUVELLE_LANGUE} : un code de langue à deux lettres (de, es, it…)")
  endif()
  # bancs_fr.ts, celui de la langue des textes sources, ne garde que les
  # textes à pluriel (%n) : il donne au français ses formes « 1 point »,
  # « 2 points » (lupdate -pluralonly).
  set(source_ts ${PROJECT_SOURCE_DIR}/traductions/bancs_fr.ts)
  list(REMOVE_ITEM a_jour ${source_ts})
  set(commande_source)
  if(EXISTS ${source_ts})
    set(commande_source COMMAND Qt6::lupdate -locations none -no-obsolete -pluralonly -source-language fr_FR
                        ${sources} -ts ${source_ts})
  endif()
  add_custom_target(mettre_a_jour_traductions
    COMMAND Qt6::lupdate -locations none -no-obsolete -source-language fr_FR ${sources} -ts ${a_jour}
    ${commande_source}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Textes à traduire relevés dans le code"
    VERBATIM)
  set(BANCS_SOURCES_LUPDATE ${sources} PARENT_SCOPE)
endfunction()
