# SPDX-License-Identifier: GPL-3.0-or-later
# Installe la construction dans un préfixe d'essai vidé d'abord :
#   cmake -DCONSTRUCTION=<build> -DPREFIXE=<dossier> -P installer_essai.cmake
file(REMOVE_RECURSE ${PREFIXE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${CONSTRUCTION} --prefix ${PREFIXE}
                RESULT_VARIABLE resultat OUTPUT_QUIET)
if(NOT resultat EQUAL 0)
  message(FATAL_ERROR "cmake --install a échoué (${resultat})")
endif()
