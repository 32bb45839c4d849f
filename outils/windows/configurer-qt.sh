#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configuration de qtbase 6.4.2 (sources de Debian, BANCS_QT_SOURCES) pour
# Windows 64 bits par MinGW-w64, installée dans BANCS_QT_DESTINATION ; lancé
# dans le dossier de construction par outils/qt-windows.sh.
# Les outils de l'hôte (moc, rcc, uic) sont ceux de Debian (qt6-base-dev-tools).
# Rien de ce que la suite n'utilise pas : ni réseau, ni SQL, ni D-Bus, ni
# OpenGL ; zlib, pcre2, harfbuzz, freetype et libpng compris dans Qt.
# Options qui semblent superflues mais ne le sont pas : direct2d (sans lui,
# Qt6PrintSupport.dll ne se lie pas), freetype (sans lui, pas de plateforme
# « offscreen » pour les tests) ; les sources de Debian n'ont pas wintab,
# d'où tabletevent coupé.
set -e
ici="$(cd "$(dirname "$0")" && pwd)"
cmake -G Ninja "$BANCS_QT_SOURCES" \
  -DCMAKE_TOOLCHAIN_FILE="$ici/mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$BANCS_QT_DESTINATION" \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_pkg_config=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
  -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON \
  -DFEATURE_freetype=ON
