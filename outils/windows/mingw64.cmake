# SPDX-License-Identifier: GPL-3.0-or-later
# Compilation pour Windows 64 bits par les compilateurs MinGW-w64 de Debian
# (g++-mingw-w64-x86-64-posix : threads POSIX, ceux dont Qt a besoin).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BANCS_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BANCS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BANCS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BANCS_MINGW}-windres)
set(CMAKE_AR /usr/bin/${BANCS_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${BANCS_MINGW}-ranlib CACHE FILEPATH "")
# Qt pour Windows (CMAKE_PREFIX_PATH) se cherche comme les bibliothèques de MinGW.
set(CMAKE_FIND_ROOT_PATH /usr/${BANCS_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
