# SPDX-License-Identifier: GPL-3.0-or-later
# Installation de la suite (GNUInstallDirs), entrées de menu, icônes, pages
# de manuel, fiche AppStream et paquet Debian par CPack.
#
# Un programme de la suite s'installe par une seule ligne dans son
# CMakeLists.txt, après son qt_add_executable :
#   bancs_installer_programme(vek)
# Elle installe l'exécutable, son entrée de menu et son icône (hicolor), et
# met l'icône dans les ressources du programme : polices::preparer_application
# en fait l'icône de ses fenêtres. Sa page de manuel est faite avec les autres,
# par bancs_installer_suite.
#
# Le paquet Debian se construit de deux façons qui donnent le même paquet :
# par CPack (cpack -G DEB dans le dossier de construction) ou par debhelper
# (dpkg-buildpackage, dossier debian/). Ce que le paquet dit de lui-même est
# écrit une fois, dans debian/ : CPack reprend de debian/control le
# responsable, la section, la priorité, les dépendances qui ne se voient pas
# dans les liens et la description, et de debian/changelog la révision.

# Sous Windows, la suite tient dans un seul dossier : les programmes à sa
# racine, le reste dans des sous-dossiers (cmake/windows.cmake). Qt
# (qt_standard_project_setup) a déjà inclus GNUInstallDirs, qui a mis « bin »
# dans le cache : la valeur est imposée, et l'inclusion qui suit refait les
# chemins complets (les traductions sont cherchées relativement à
# CMAKE_INSTALL_FULL_BINDIR, common/CMakeLists.txt).
if(WIN32)
  set(CMAKE_INSTALL_BINDIR . CACHE PATH "Programmes à la racine du dossier de la suite" FORCE)
endif()
include(GNUInstallDirs)

set(BANCS_DESCRIPTION_LANCEUR "choisir et lancer l'un des neuf simulateurs de la suite")
set(BANCS_PAQUET bancs-electrotechnique)
set(BANCS_DOSSIER_DOC ${CMAKE_INSTALL_DATADIR}/doc/${BANCS_PAQUET})
set(BANCS_DOSSIER_DONNEES ${CMAKE_INSTALL_DATADIR}/${BANCS_PAQUET})
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows.cmake)
endif()

set(BANCS_SITE "" CACHE STRING
    "Adresse du site de la suite (https://…) : page d'accueil et captures de la fiche AppStream ; vide : ni l'une ni les autres")
set(BANCS_MAINTENEUR_DEBIAN "" CACHE STRING
    "Champ Maintainer du paquet de CPack, « Nom <adresse> » ; vide : celui de debian/control")
option(BANCS_DOCUMENTS_PAQUET
       "Installer copyright, journaux des modifications et surcharges de lintian (debian/rules le coupe : debhelper les pose)"
       ON)

# Valeur d'un champ de debian/control (la première), ses lignes de suite
# comprises, avec leurs blancs de tête.
function(bancs_champ_controle champ variable)
  file(READ ${PROJECT_SOURCE_DIR}/debian/control controle)
  if(NOT controle MATCHES "(^|\n)${champ}:[ ]*([^\n]*(\n[ \t][^\n]*)*)")
    message(FATAL_ERROR "debian/control : pas de champ ${champ}")
  endif()
  set(${variable} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

# Version du paquet : première ligne de debian/changelog. Le paquet est natif
# (debian/source/format) : sa version est celle du projet, sans révision,
# comme la première entrée de NEWS.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog bancs_entete_changelog LIMIT_COUNT 1)
if(NOT bancs_entete_changelog MATCHES "^${BANCS_PAQUET} \\(([^ )]+)\\) ")
  message(FATAL_ERROR "debian/changelog : première ligne illisible « ${bancs_entete_changelog} »")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog commence par la version ${CMAKE_MATCH_1}, "
                      "le projet est en ${PROJECT_VERSION} (CMakeLists.txt) : un paquet natif n'a pas de révision")
endif()

# Versions et dates de NEWS, la plus récente en tête : « Version X.Y.Z (AAAA-MM-JJ) ».
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS bancs_versions
     REGEX "^Version [0-9]+\\.[0-9]+\\.[0-9]+ \\([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\\)$")
list(GET bancs_versions 0 bancs_derniere)
string(REGEX REPLACE "^Version ([^ ]+) \\(([^)]+)\\)$" "\\1" bancs_version_news "${bancs_derniere}")
string(REGEX REPLACE "^Version ([^ ]+) \\(([^)]+)\\)$" "\\2" BANCS_DATE_VERSION "${bancs_derniere}")
if(NOT bancs_version_news STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "NEWS commence par la version ${bancs_version_news}, "
                      "le projet est en ${PROJECT_VERSION} (CMakeLists.txt)")
endif()

# Lus à la configuration : la modifier la refait.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS
             ${PROJECT_SOURCE_DIR}/debian/changelog ${PROJECT_SOURCE_DIR}/debian/control)

find_program(BANCS_RSVG_CONVERT rsvg-convert)
if(NOT BANCS_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert introuvable (paquet librsvg2-bin) : bash outils/installer.sh l'installe")
endif()

# Pages de manuel : help2man les tire de « --aide » et « --version » de chaque
# programme, en anglais (man1) et en français (fr/man1) ; ses titres (NAME,
# NOM…) suivent la langue de la page. Les titres français demandent la locale
# fr_FR.UTF-8, que la construction compile elle-même (paquet locales) pour ne
# pas dépendre des langues installées sur la machine ; l'anglais prend
# C.UTF-8, toujours là.
find_program(BANCS_HELP2MAN help2man)
find_program(BANCS_LOCALEDEF localedef)
if(NOT BANCS_HELP2MAN OR NOT BANCS_LOCALEDEF OR NOT EXISTS /usr/share/i18n/locales/fr_FR)
  message(FATAL_ERROR "help2man, localedef ou la définition de fr_FR introuvable (paquets help2man et "
                      "locales) : bash outils/installer.sh les installe")
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

# Une description d'une ligne, en minuscule initiale, devenue une phrase.
function(bancs_phrase texte variable)
  string(SUBSTRING "${texte}" 0 1 initiale)
  string(SUBSTRING "${texte}" 1 -1 suite)
  string(TOUPPER "${initiale}" initiale)
  set(${variable} "${initiale}${suite}" PARENT_SCOPE)
endfunction()

function(bancs_installer_programme nom)
  if(NOT TARGET ${nom})
    message(FATAL_ERROR "bancs_installer_programme(${nom}) : pas d'exécutable ${nom}")
  endif()
  if(nom STREQUAL "bancs")
    set(titre "${BANCS_SUITE_NOM}")
    set(description "${BANCS_DESCRIPTION_LANCEUR}")
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
    if(NOT WIN32)
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
              RENAME ${identifiant}.png)
    endif()
  endforeach()
  if(NOT WIN32)
    install(FILES ${PROJECT_SOURCE_DIR}/icones/${nom}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${identifiant}.svg)
  endif()
  qt_add_resources(${nom} icone_${nom} PREFIX /icone_programme BASE ${CMAKE_CURRENT_BINARY_DIR}/icones/${nom}
                   FILES ${pngs})

  # Sous Windows : icône et fiche de version dans l'exécutable, qui s'installe
  # à la racine du dossier de la suite (cmake/windows.cmake).
  if(WIN32)
    bancs_programme_windows(${nom} "${titre}" "${description}" "${pngs}")
    return()
  endif()

  # Entrée de menu, en anglais et en français : la description commence par
  # une majuscule.
  set(titre_en "${BANCS_${nom}_TITRE_EN}")
  bancs_phrase("${description}" commentaire)
  bancs_phrase("${BANCS_${nom}_DESCRIPTION_EN}" commentaire_en)
  set(desktop ${PROJECT_BINARY_DIR}/applications/${identifiant}.desktop)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/programme.desktop.in ${desktop} @ONLY)
  install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # Les bibliothèques sont celles du système : pas de chemin de recherche propre.
  set_target_properties(${nom} PROPERTIES INSTALL_RPATH "")
  install(TARGETS ${nom} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY BANCS_PROGRAMMES_INSTALLES ${nom})
endfunction()

# bancs_fiche_appstream(sortie site) : fiche AppStream de la suite, écrite
# dans « sortie » à partir de cmake/suite.metainfo.xml.in. Les captures y sont
# désignées par leur chemin relatif (captures/<fichier>, dans donnees/ du
# dépôt, et installées dans share/bancs-electrotechnique/) ; AppStream ne
# connaissant que des adresses web, elles deviennent <site>/captures/<fichier>,
# et sans site la fiche n'a ni page d'accueil ni captures. Rend dans
# BANCS_FICHIERS_CAPTURES les captures qu'elle désigne.
function(bancs_fiche_appstream sortie site)
  get_property(installes GLOBAL PROPERTY BANCS_PROGRAMMES_INSTALLES)
  # Chaque programme en anglais, suivi de sa traduction française.
  set(liste_programmes "")
  set(binaires "      <binary>bancs</binary>\n")
  foreach(nom IN LISTS BANCS_PROGRAMMES)
    if(nom IN_LIST installes)
      string(APPEND liste_programmes "      <li>${BANCS_${nom}_TITRE_EN} (${nom}): ${BANCS_${nom}_DESCRIPTION_EN}</li>\n")
      string(APPEND liste_programmes
             "      <li xml:lang=\"fr\">${BANCS_${nom}_TITRE} (${nom}) : ${BANCS_${nom}_DESCRIPTION}</li>\n")
      string(APPEND binaires "      <binary>${nom}</binary>\n")
    endif()
  endforeach()
  set(versions "")
  foreach(ligne IN LISTS bancs_versions)
    string(REGEX REPLACE "^Version ([^ ]+) \\(([^)]+)\\)$" "    <release version=\"\\1\" date=\"\\2\"/>\n"
           version "${ligne}")
    string(APPEND versions "${version}")
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/suite.metainfo.xml.in ${sortie}.modele @ONLY)
  file(READ ${sortie}.modele fiche)
  string(REGEX MATCHALL "<image>captures/[^<]+</image>" images "${fiche}")
  list(TRANSFORM images REPLACE "<image>captures/([^<]+)</image>" "\\1")
  if(site)
    string(REPLACE "<image>captures/" "<image>${site}/captures/" fiche "${fiche}")
  else()
    string(REGEX REPLACE "\n *<url type=\"homepage\"></url>" "" fiche "${fiche}")
    string(REGEX REPLACE "\n *<screenshots>.*</screenshots>" "" fiche "${fiche}")
  endif()
  file(CONFIGURE OUTPUT ${sortie} CONTENT "${fiche}" @ONLY)
  set(BANCS_FICHIERS_CAPTURES ${images} PARENT_SCOPE)
endfunction()

# Pages de manuel, section 1, en anglais et en français, de tous les
# programmes installés : help2man lit « --aide » et « --version » de
# l'exécutable construit, dans la langue de la page (cmake/page_manuel.cmake) ;
# le nom et la description viennent de cmake/programmes.cmake, la date de NEWS.
function(bancs_pages_manuel)
  get_property(installes GLOBAL PROPERTY BANCS_PROGRAMMES_INSTALLES)
  set(locales ${PROJECT_BINARY_DIR}/locales)
  set(ctype ${locales}/fr_FR.UTF-8/LC_CTYPE)
  add_custom_command(OUTPUT ${ctype}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${locales}
    COMMAND ${BANCS_LOCALEDEF} -i fr_FR -f UTF-8 ${locales}/fr_FR.UTF-8
    COMMENT "Langue fr_FR.UTF-8 pour help2man"
    VERBATIM)
  execute_process(COMMAND date -u -d "${BANCS_DATE_VERSION}" +%s OUTPUT_VARIABLE epoque
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  # Par langue : locale de help2man, dossier d'installation, titres des
  # sections propres à la page et phrase qui situe le programme dans la suite.
  set(locale_fr fr_FR.UTF-8)
  set(locale_en C.UTF-8)
  set(dossier_fr ${CMAKE_INSTALL_MANDIR}/fr/man1)
  set(dossier_en ${CMAKE_INSTALL_MANDIR}/man1)
  set(sections_fr NOM DESCRIPTION "VOIR AUSSI")
  set(sections_en NAME DESCRIPTION "SEE ALSO")
  set(suite_fr "Ce programme fait partie de la suite « ${BANCS_SUITE_NOM} ».")
  set(suite_en "This program is part of the suite “${BANCS_SUITE_NOM_EN}”.")
  set(pages)
  foreach(nom IN LISTS installes)
    # VOIR AUSSI : le lanceur puis les autres programmes.
    set(autres ${installes})
    list(REMOVE_ITEM autres bancs ${nom})
    if(NOT nom STREQUAL "bancs" AND "bancs" IN_LIST installes)
      list(PREPEND autres bancs)
    endif()
    list(TRANSFORM autres PREPEND ".BR ")
    list(TRANSFORM autres APPEND " (1)")
    list(JOIN autres ",\n" voir)
    foreach(langue IN ITEMS en fr)
      # NOM : « vek - machines à courant continu », « vek - DC machines » ;
      # DESCRIPTION : la description d'une ligne, en phrase.
      if(langue STREQUAL "fr")
        set(suffixe "")
      else()
        set(suffixe _EN)
      endif()
      if(nom STREQUAL "bancs")
        if(langue STREQUAL "fr")
          set(titre "lanceur des ${BANCS_SUITE_NOM}")
        else()
          set(titre "launcher of the ${BANCS_SUITE_NOM_EN}")
        endif()
        if(langue STREQUAL "fr")
          set(description "${BANCS_DESCRIPTION_LANCEUR}")
        else()
          set(description "${BANCS_bancs_DESCRIPTION_EN}")
        endif()
      else()
        # Minuscule initiale, sauf pour un sigle (« DC machines »).
        set(titre "${BANCS_${nom}_TITRE${suffixe}}")
        string(SUBSTRING "${titre}" 0 1 initiale)
        string(SUBSTRING "${titre}" 1 1 deuxieme)
        string(SUBSTRING "${titre}" 1 -1 suite)
        string(TOLOWER "${deuxieme}" deuxieme_min)
        if(deuxieme STREQUAL deuxieme_min)
          string(TOLOWER "${initiale}" initiale)
        endif()
        set(titre "${initiale}${suite}")
        set(description "${BANCS_${nom}_DESCRIPTION${suffixe}}")
      endif()
      bancs_phrase("${description}" phrase)
      list(GET sections_${langue} 0 s_nom)
      list(GET sections_${langue} 1 s_description)
      list(GET sections_${langue} 2 s_voir)
      # Tout passe par le fichier d'inclusion, lu en UTF-8 (help2man lirait
      # --name octet par octet).
      set(inclusion ${PROJECT_BINARY_DIR}/man/${langue}/${nom}.h2m)
      set(texte "[${s_nom}]\n${nom} \\- ${titre}\n[${s_description}]\n${phrase}.\n\n${suite_${langue}}\n")
      string(APPEND texte "[${s_voir}]\n${voir}\n")
      file(CONFIGURE OUTPUT ${inclusion} CONTENT "${texte}" @ONLY)
      set(page ${PROJECT_BINARY_DIR}/man/${langue}/${nom}.1)
      set(locpath)
      if(langue STREQUAL "fr")
        set(locpath -DLOCPATH=${locales})
      endif()
      add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoque}
                ${CMAKE_COMMAND} -DHELP2MAN=${BANCS_HELP2MAN} -DPROGRAMME=$<TARGET_FILE:${nom}>
                -DLANGUE=${langue} -DLOCALE=${locale_${langue}} ${locpath} -DINCLUSION=${inclusion}
                -DPAGE=${page} -P ${PROJECT_SOURCE_DIR}/cmake/page_manuel.cmake
        DEPENDS ${nom} ${inclusion} ${ctype} ${PROJECT_SOURCE_DIR}/cmake/page_manuel.cmake
        COMMENT "Page de manuel de ${nom} (${langue})"
        VERBATIM)
      list(APPEND pages ${page}.gz)
      install(FILES ${page}.gz DESTINATION ${dossier_${langue}})
    endforeach()
  endforeach()
  add_custom_target(pages_manuel ALL DEPENDS ${pages})
endfunction()

# Appelée une fois, après les dossiers des programmes : fiche AppStream de la
# suite et ses captures (si le lanceur est construit), pages de manuel,
# copyright et journaux des modifications, paquet Debian.
function(bancs_installer_suite)
  if(WIN32)
    bancs_installer_suite_windows()
    return()
  endif()
  get_property(installes GLOBAL PROPERTY BANCS_PROGRAMMES_INSTALLES)
  if("bancs" IN_LIST installes)
    set(metainfo ${PROJECT_BINARY_DIR}/metainfo/${BANCS_IDENTIFIANT}.metainfo.xml)
    bancs_fiche_appstream(${metainfo} "${BANCS_SITE}")
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # Les captures de la fiche, installées même sans site : c'est ce dossier
    # qui se publie sous <site>/captures.
    set_property(GLOBAL PROPERTY BANCS_CAPTURES_INSTALLEES ${BANCS_FICHIERS_CAPTURES})
    list(TRANSFORM BANCS_FICHIERS_CAPTURES PREPEND ${PROJECT_SOURCE_DIR}/donnees/captures/)
    install(FILES ${BANCS_FICHIERS_CAPTURES} DESTINATION ${BANCS_DOSSIER_DONNEES}/captures)
  endif()
  bancs_pages_manuel()

  # Copyright (debian/copyright, lisible par machine), journal du paquet
  # natif (debian/changelog, en changelog.gz) et journal des versions de la
  # suite (NEWS), comprimés sans date ni nom comme le fait debhelper, et
  # surcharges de lintian.
  if(BANCS_DOCUMENTS_PAQUET)
    set(docs ${PROJECT_BINARY_DIR}/doc)
    add_custom_command(OUTPUT ${docs}/changelog.gz ${docs}/NEWS.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/debian/changelog ${docs}/changelog
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/NEWS ${docs}/NEWS
      COMMAND gzip -9nf ${docs}/changelog ${docs}/NEWS
      DEPENDS ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/debian/changelog
      COMMENT "Journaux des modifications comprimés"
      VERBATIM)
    add_custom_target(journaux ALL DEPENDS ${docs}/changelog.gz ${docs}/NEWS.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${docs}/changelog.gz ${docs}/NEWS.gz
            DESTINATION ${BANCS_DOSSIER_DOC})
    install(FILES ${PROJECT_SOURCE_DIR}/debian/${BANCS_PAQUET}.lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${BANCS_PAQUET})
  endif()

  # Paquet Debian par CPack, décrit par debian/control.
  bancs_champ_controle(Maintainer mainteneur)
  if(BANCS_MAINTENEUR_DEBIAN)
    set(mainteneur "${BANCS_MAINTENEUR_DEBIAN}")
  endif()
  bancs_champ_controle(Section section)
  bancs_champ_controle(Priority priorite)
  # Dépendances écrites à la main (polices, traductions de Qt) : celles qui
  # ne se voient pas dans les liens ; les autres sont calculées sur les
  # exécutables par dpkg-shlibdeps, comme ${shlibs:Depends} pour debhelper.
  bancs_champ_controle(Depends dependances)
  string(REGEX REPLACE "[ \t\n]+" " " dependances "${dependances}")
  string(REGEX REPLACE "\\$\\{[^}]*\\}(, )?" "" dependances "${dependances}")
  bancs_champ_controle(Description description)
  string(REGEX REPLACE "\n [.]\n" "\n\n" description "${description}")
  string(REGEX REPLACE "\n " "\n" description "${description}")
  string(FIND "${description}" "\n" fin_resume)
  string(SUBSTRING "${description}" 0 ${fin_resume} resume)
  math(EXPR debut_longue "${fin_resume} + 1")
  string(SUBSTRING "${description}" ${debut_longue} -1 longue)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME ${BANCS_PAQUET})
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_CONTACT "${mainteneur}")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${mainteneur}")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${resume}")
  set(CPACK_PACKAGE_DESCRIPTION "${longue}")
  set(CPACK_DEBIAN_PACKAGE_SECTION ${section})
  set(CPACK_DEBIAN_PACKAGE_PRIORITY ${priorite})
  if(BANCS_SITE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BANCS_SITE}")
  endif()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_COMPRESSION_TYPE xz) # comme dpkg-deb pour debhelper
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${dependances}")
  # cpack et l'installation prennent ce qui est construit, sans revérifier
  # toute la construction d'abord (plusieurs dizaines de secondes de make sur
  # une machine chargée) : on construit, puis on empaquette.
  set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON PARENT_SCOPE)
  include(CPack)
endfunction()
