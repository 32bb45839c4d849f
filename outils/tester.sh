#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installe ce qui manque, construit la suite et passe tous les tests, une fois
# normalement puis une fois sous AddressSanitizer et UndefinedBehaviorSanitizer,
# puis fuzze la lecture et l'écriture des nombres et l'enregistreur (outils/fuzz.sh).
#   bash outils/tester.sh
# Sort en erreur au premier échec.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
bash "$racine/outils/installer.sh"
coeurs="$(nproc)"
# Les fuites de Qt lui-même rendraient LeakSanitizer bavard (y compris quand
# CMake liste les tests en construisant) : seule la détection des fuites est
# coupée, pas les sanitiseurs.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Construction et tests =="
# Un avertissement du compilateur arrête la construction, dans les deux passes.
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBANCS_AVERTISSEMENTS_ERREURS=ON > /dev/null
cmake --build "$racine/build" -j"$coeurs"
(cd "$racine/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$coeurs")

echo "== Construction et tests sous AddressSanitizer et UndefinedBehaviorSanitizer =="
# Sans les essais « une_fois » (paquet, écrans, traductions, fenêtres en
# anglais), qui ne trouvent rien de plus sous les sanitiseurs.
cmake -S "$racine" -B "$racine/build-sanitiseurs" -DCMAKE_BUILD_TYPE=Debug -DBANCS_SANITISEURS=ON \
      -DBANCS_ESSAIS_UNE_FOIS=OFF -DBANCS_AVERTISSEMENTS_ERREURS=ON > /dev/null
cmake --build "$racine/build-sanitiseurs" -j"$coeurs"
(cd "$racine/build-sanitiseurs" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$coeurs" -LE une_fois)

echo "== Fuzzing par libFuzzer =="
bash "$racine/outils/fuzz.sh"
echo "== Tout est passé : tests, tests sous sanitiseurs et fuzzing =="
