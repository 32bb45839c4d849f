# SPDX-License-Identifier: GPL-3.0-or-later
# Installation de la suite (GNUInstallDirs), entrées de menu, icônes, fiche
# AppStream et paquet Debian par CPack.
#
# Un programme de la suite s'installe par une seule ligne dans son
# CMakeLists.txt, après son qt_add_executable :
#   bancs_installer_programme(vek)
# Elle installe l'exécutable, son entrée de menu et son icône (hicolor), et
# met l'icône dans les ressources du programme : polices::preparer_application
# en fait l'icône de ses fenêtres.

include(GNUInstallDirs)

find_program(BANCS_RSVG_CONVERT rsvg-convert)
if(NOT BANCS_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert introuvable (paquet librsvg2-bin) : bash outils/installer.sh l'installe")
endif()

# Tailles des icônes rendues en PNG (thème hicolor et icône des fenêtres).
set(BANCS_TAILLES_ICONES 16 24 32 48 64 128 256)

# bancs_icone_png(nom taille variable) : règle qui rend icones/<nom>.svg en PNG
# de taille × taille pixels dans le dossier de construction courant ; le chemin
# du PNG est rendu dans « variable ».
function(bancs_icone_png nom taille variable)
  set(svg ${PROJECT_SOURCE_DIR}/icones/${nom}.svg)
  set(dossier ${CMAKE_CURRENT_BINARY_DIR}/icones/${nom})
  set(png ${dossier}/${taille}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
    COMMAND ${BANCS_RSVG_CONVERT} --width=${taille} --height=${taille} --output=${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Icône ${nom} en ${taille} px"
    VERBATIM)
  set(${variable} ${png} PARENT_SCOPE)
endfunction()

# Identifiant d'entrée de menu et d'icône d'un programme.
function(bancs_identifiant nom variable)
  if(nom STREQUAL "bancs")
    set(${variable} ${BANCS_IDENTIFIANT} PARENT_SCOPE)
  else()
    set(${variable} ${BANCS_IDENTIFIANT}.${nom} PARENT_SCOPE)
  endif()
endfunction()

function(bancs_installer_programme nom)
  if(NOT TARGET ${nom})
    message(FATAL_ERROR "bancs_installer_programme(${nom}) : pas d'exécutable ${nom}")
  endif()
  if(nom STREQUAL "bancs")
    set(titre "${BANCS_SUITE_NOM}")
    set(description "choisir et lancer l'un des neuf simulateurs de la suite")
  elseif(nom IN_LIST BANCS_PROGRAMMES)
    set(titre "${BANCS_${nom}_TITRE}")
    set(description "${BANCS_${nom}_DESCRIPTION}")
  else()
    message(FATAL_ERROR "bancs_installer_programme(${nom}) : programme absent de cmake/programmes.cmake")
  endif()
  bancs_identifiant(${nom} identifiant)

  # Icône : SVG et PNG dans le thème hicolor, PNG dans les ressources.
  set(pngs)
  foreach(taille IN LISTS BANCS_TAILLES_ICONES)
    bancs_icone_png(${nom} ${taille} png)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
            RENAME ${identifiant}.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/icones/${nom}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${identifiant}.svg)
  qt_add_resources(${nom} icone_${nom} PREFIX /icone_programme BASE ${CMAKE_CURRENT_BINARY_DIR}/icones/${nom}
                   FILES ${pngs})

  # Entrée de menu : la description commence par une majuscule.
  string(SUBSTRING "${description}" 0 1 initiale)
  string(SUBSTRING "${description}" 1 -1 suite)
  string(TOUPPER "${initiale}" initiale)
  set(commentaire "${initiale}${suite}")
  set(desktop ${PROJECT_BINARY_DIR}/applications/${identifiant}.desktop)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/programme.desktop.in ${desktop} @ONLY)
  install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # Les bibliothèques sont celles du système : pas de chemin de recherche propre.
  set_target_properties(${nom} PROPERTIES INSTALL_RPATH "")
  install(TARGETS ${nom} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY BANCS_PROGRAMMES_INSTALLES ${nom})
endfunction()

# Appelée une fois, après les dossiers des programmes : fiche AppStream de la
# suite (si le lanceur est construit) et paquet Debian.
function(bancs_installer_suite)
  get_property(installes GLOBAL PROPERTY BANCS_PROGRAMMES_INSTALLES)
  if("bancs" IN_LIST installes)
    set(liste_programmes "")
    set(binaires "      <binary>bancs</binary>\n")
    foreach(nom IN LISTS BANCS_PROGRAMMES)
      if(nom IN_LIST installes)
        string(APPEND liste_programmes "      <li>${BANCS_${nom}_TITRE} (${nom}) : ${BANCS_${nom}_DESCRIPTION}</li>\n")
        string(APPEND binaires "      <binary>${nom}</binary>\n")
      endif()
    endforeach()
    set(metainfo ${PROJECT_BINARY_DIR}/metainfo/${BANCS_IDENTIFIANT}.metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/suite.metainfo.xml.in ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()

  set(BANCS_MAINTENEUR "Équipe des bancs d'électrotechnique" CACHE STRING
      "Champ Maintainer du paquet Debian (« Nom <adresse> »)")
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME bancs-electrotechnique)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_CONTACT "${BANCS_MAINTENEUR}")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${BANCS_SUITE_RESUME}")
  set(CPACK_PACKAGE_DESCRIPTION
      "Simulateurs interactifs, en français, de bancs de machines électriques,\nde ponts redresseurs, d'un onduleur et d'un transformateur, avec un\nlanceur qui les regroupe.")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  # Dépendances des bibliothèques calculées sur les exécutables ; le greffon
  # de plate-forme de Qt et les polices ne se voient pas dans les liens.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
  # cpack et l'installation prennent ce qui est construit, sans revérifier
  # toute la construction d'abord (plusieurs dizaines de secondes de make sur
  # une machine chargée) : on construit, puis on empaquette.
  set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON PARENT_SCOPE)
  include(CPack)
endfunction()
