# SPDX-License-Identifier: GPL-3.0-or-later
# Le noyau sans Qt de la suite : arrondis et échelles, lecture et écriture des
# nombres, état et points de l'enregistreur de courbes, relecture des points
# gardés, tableau pour tableur, arithmétique de la taille des fenêtres.
# Inclus par common/CMakeLists.txt et par le projet de fuzzing (fuzz/), qui
# construisent ainsi la même bibliothèque à partir de la même liste.

# bancs_sans_qt(CIBLE...) : la cible ne voit ni n'utilise Qt. Sans chemin
# d'inclusion de Qt, un « #include <QString> » dans un modèle arrête la
# compilation ; une liaison à Qt, même indirecte, arrête la configuration.
function(bancs_sans_qt)
  foreach(cible IN LISTS ARGN)
    set_target_properties(${cible} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY \"${PROJECT_SOURCE_DIR}\" CALL bancs_verifier_sans_qt ${cible})")
  endforeach()
endfunction()

# Vérifiée à la fin de la configuration, quand toutes les liaisons sont connues.
function(bancs_verifier_sans_qt cible)
  set(a_voir ${cible})
  set(vues)
  while(a_voir)
    list(POP_FRONT a_voir courante)
    if(courante IN_LIST vues)
      continue()
    endif()
    list(APPEND vues ${courante})
    if(courante MATCHES "^Qt[0-9]*::")
      message(FATAL_ERROR "${cible} doit rester sans Qt, mais elle est liée à ${courante}")
    endif()
    if(TARGET ${courante})
      get_target_property(type ${courante} TYPE)
      set(liens)
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(liens_prives ${courante} LINK_LIBRARIES)
        if(liens_prives)
          list(APPEND liens ${liens_prives})
        endif()
      endif()
      get_target_property(liens_publics ${courante} INTERFACE_LINK_LIBRARIES)
      if(liens_publics)
        list(APPEND liens ${liens_publics})
      endif()
      list(APPEND a_voir ${liens})
    endif()
  endwhile()
endfunction()

set(BANCS_DOSSIER_NOYAU ${CMAKE_CURRENT_LIST_DIR})
add_library(noyau STATIC
  ${BANCS_DOSSIER_NOYAU}/arrondi.cpp ${BANCS_DOSSIER_NOYAU}/arrondi.h
  ${BANCS_DOSSIER_NOYAU}/nombre.cpp ${BANCS_DOSSIER_NOYAU}/nombre.h
  ${BANCS_DOSSIER_NOYAU}/a_traduire.h ${BANCS_DOSSIER_NOYAU}/pi_arrondi.h
  ${BANCS_DOSSIER_NOYAU}/tableur.cpp ${BANCS_DOSSIER_NOYAU}/tableur.h
  ${BANCS_DOSSIER_NOYAU}/courbe_enregistree.cpp ${BANCS_DOSSIER_NOYAU}/courbe_enregistree.h
  ${BANCS_DOSSIER_NOYAU}/points_gardes.cpp ${BANCS_DOSSIER_NOYAU}/points_gardes.h
  ${BANCS_DOSSIER_NOYAU}/taille_ecran.cpp ${BANCS_DOSSIER_NOYAU}/taille_ecran.h
)
target_include_directories(noyau PUBLIC ${BANCS_DOSSIER_NOYAU})
bancs_sans_qt(noyau)
