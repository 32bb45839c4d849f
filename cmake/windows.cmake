# SPDX-License-Identifier: GPL-3.0-or-later
# La suite pour Windows 64 bits (compilée par MinGW-w64, outils/windows.sh) :
# un seul dossier, qui se copie tel quel sur une clé USB ou que l'installateur
# NSIS pose sous Program Files :
#   <dossier>/bancs.exe, vek.exe…        les dix programmes
#   <dossier>/*.dll                      Qt et l'exécution de MinGW (GCC)
#   <dossier>/plugins/…                  greffons de Qt (plateforme, style, impression, images)
#   <dossier>/traductions/*.qm           traductions de la suite et de Qt
#   <dossier>/polices/*.ttf              les polices Liberation, chargées au démarrage
#   <dossier>/licences/…                 GPL de la suite, LGPL de Qt, exception de GCC, licence des polices
#   <dossier>/qt.conf                    Qt cherche ses greffons et traductions dans ce dossier

find_program(BANCS_ICOTOOL icotool)
if(NOT BANCS_ICOTOOL)
  message(FATAL_ERROR "icotool introuvable (paquet icoutils) : bash outils/windows.sh l'installe")
endif()

set(BANCS_EDITEUR "les contributeurs de la suite")
set(BANCS_EDITEUR_EN "the suite's contributors")
set(BANCS_ANNEE_COPYRIGHT 2026)

# bancs_programme_windows(nom titre description pngs) : icône (.ico tiré des
# PNG de l'icône du programme) et fiche de version de l'exécutable, sans
# console.
function(bancs_programme_windows nom titre description pngs)
  set(dossier ${CMAKE_CURRENT_BINARY_DIR}/windows)
  set(ico ${dossier}/${nom}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
    COMMAND ${BANCS_ICOTOOL} -c -o ${ico} ${pngs}
    DEPENDS ${pngs}
    COMMENT "Icône Windows de ${nom}"
    VERBATIM)
  bancs_phrase("${description}" description)
  string(REPLACE "." "," version_virgules "${PROJECT_VERSION}.0")
  set(icone ${ico})
  configure_file(${PROJECT_SOURCE_DIR}/outils/windows/programme.rc.in ${dossier}/${nom}.rc @ONLY)
  set_source_files_properties(${dossier}/${nom}.rc PROPERTIES OBJECT_DEPENDS ${ico})
  target_sources(${nom} PRIVATE ${dossier}/${nom}.rc)
  set_target_properties(${nom} PROPERTIES WIN32_EXECUTABLE ON)
  install(TARGETS ${nom} RUNTIME DESTINATION .)
  set_property(GLOBAL APPEND PROPERTY BANCS_PROGRAMMES_INSTALLES ${nom})
  set_property(GLOBAL APPEND PROPERTY BANCS_ICONES_WINDOWS ${ico})
endfunction()

# Une fois tous les programmes connus : ce dont ils ont besoin à côté d'eux,
# et le script de l'installateur.
function(bancs_installer_suite_windows)
  get_target_property(qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(qt_bin ${qtcore} DIRECTORY)
  get_filename_component(qt ${qt_bin} DIRECTORY)
  install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${qt_bin}/Qt6PrintSupport.dll
          DESTINATION .)
  install(FILES ${qt}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
  install(FILES ${qt}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
  install(FILES ${qt}/plugins/imageformats/qico.dll DESTINATION plugins/imageformats)
  # L'exécution de GCC : libstdc++, libgcc, les threads POSIX de MinGW et la
  # protection de la pile.
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll OUTPUT_VARIABLE stdcxx
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(gcc_dll ${stdcxx} DIRECTORY)
  set(dlls_gcc)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libssp-0.dll libwinpthread-1.dll)
    find_file(chemin_${dll} ${dll} PATHS ${gcc_dll} /usr/${BANCS_MINGW}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT chemin_${dll})
      message(FATAL_ERROR "${dll} introuvable (paquets g++-mingw-w64-x86-64-posix)")
    endif()
    list(APPEND dlls_gcc ${chemin_${dll}})
  endforeach()
  install(FILES ${dlls_gcc} DESTINATION .)
  set(BANCS_DLLS_EXECUTION ${dlls_gcc} PARENT_SCOPE)

  # Qt trouve ses greffons et ses traductions dans le dossier de la suite.
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/windows/qt.conf
       CONTENT "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = traductions\n")
  install(FILES ${PROJECT_BINARY_DIR}/windows/qt.conf DESTINATION .)
  # Les traductions de Qt (boîtes standard) en français et en anglais, celles
  # de Debian (qt6-translations-l10n).
  foreach(langue fr en)
    install(FILES /usr/share/qt6/translations/qtbase_${langue}.qm DESTINATION traductions)
  endforeach()
  # Les polices que la suite dessine, chargées au démarrage (common/polices.cpp).
  # (Liberation Sans et Serif : la suite n'écrit rien en chasse fixe.)
  file(GLOB polices /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf
                    /usr/share/fonts/truetype/liberation/LiberationSerif-*.ttf)
  if(NOT polices)
    message(FATAL_ERROR "polices Liberation introuvables (paquet fonts-liberation)")
  endif()
  install(FILES ${polices} DESTINATION polices)

  # Licences : la GPL de la suite, la LGPL de Qt et où sont ses sources,
  # l'exception de la bibliothèque d'exécution de GCC, l'OFL des polices.
  set(licences ${PROJECT_BINARY_DIR}/windows/licences)
  # Le modèle, sans sa première ligne (celle de sa propre licence), en
  # lignes de Windows.
  file(READ ${PROJECT_SOURCE_DIR}/outils/windows/LISEZMOI-licences.txt.in lisezmoi)
  string(REGEX REPLACE "^[^\n]*\n" "" lisezmoi "${lisezmoi}")
  file(CONFIGURE OUTPUT ${licences}/LISEZMOI.txt CONTENT "${lisezmoi}" @ONLY NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/COPYING ${licences}/COPYING.txt COPYONLY)
  configure_file(/usr/share/common-licenses/LGPL-3 ${licences}/Qt-LGPL-3.txt COPYONLY)
  configure_file(/usr/share/common-licenses/GPL-3 ${licences}/Qt-GPL-3.txt COPYONLY)
  # Les fichiers copyright de Debian : GCC et son exception pour les
  # bibliothèques d'exécution (libstdc++, libgcc, libssp), MinGW-w64
  # (libwinpthread), les polices Liberation (GPL 2 avec exception pour les
  # polices).
  configure_file(/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright ${licences}/GCC-exception-execution.txt
                 COPYONLY)
  configure_file(/usr/share/doc/mingw-w64-x86-64-dev/copyright ${licences}/MinGW-w64.txt COPYONLY)
  configure_file(/usr/share/doc/fonts-liberation/copyright ${licences}/polices-Liberation.txt COPYONLY)
  configure_file(/usr/share/common-licenses/GPL-2 ${licences}/polices-GPL-2.txt COPYONLY)
  install(DIRECTORY ${licences}/ DESTINATION licences)

  # Le script de l'installateur, nourri de cmake/programmes.cmake : raccourcis
  # du menu Démarrer avec les noms et descriptions des entrées de menu de
  # Linux, en français et en anglais.
  set(raccourcis "")
  set(textes "")
  foreach(nom bancs ${BANCS_PROGRAMMES})
    if(nom STREQUAL "bancs")
      set(titre "${BANCS_SUITE_NOM}")
      set(description "${BANCS_DESCRIPTION_LANCEUR}")
    else()
      set(titre "${BANCS_${nom}_TITRE}")
      set(description "${BANCS_${nom}_DESCRIPTION}")
    endif()
    bancs_phrase("${description}" description)
    bancs_phrase("${BANCS_${nom}_DESCRIPTION_EN}" description_en)
    string(APPEND textes
      "LangString titre_${nom} \${LANG_FRENCH} \"${titre}\"\n"
      "LangString titre_${nom} \${LANG_ENGLISH} \"${BANCS_${nom}_TITRE_EN}\"\n"
      "LangString description_${nom} \${LANG_FRENCH} \"${description}\"\n"
      "LangString description_${nom} \${LANG_ENGLISH} \"${description_en}\"\n")
    string(APPEND raccourcis
      "  CreateShortcut \"$SMPROGRAMS\\$(nom_suite)\\$(titre_${nom}).lnk\" \"$INSTDIR\\${nom}.exe\" \"\" "
      "\"$INSTDIR\\${nom}.exe\" 0 SW_SHOWNORMAL \"\" \"$(description_${nom})\"\n")
  endforeach()
  set(icone_suite ${PROJECT_BINARY_DIR}/bancs/windows/bancs.ico)
  configure_file(${PROJECT_SOURCE_DIR}/outils/windows/installateur.nsi.in
                 ${PROJECT_BINARY_DIR}/windows/installateur.nsi @ONLY)
endfunction()
