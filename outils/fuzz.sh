#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzing par libFuzzer (clang) des fonctions sans Qt qui lisent et écrivent
# les nombres, disposent les courbes enregistrées et relisent les points
# gardés sur le disque :
#   bash outils/fuzz.sh [secondes par cible, 15 par défaut : une minute en tout]
# Chaque cible part de son corpus de graines (fuzz/corpus/<cible>, jamais
# modifié) ; ce qu'elle découvre va dans build-fuzz/corpus/<cible>. Un plantage,
# une fuite, un comportement indéfini ou une exécution de plus de 5 s arrête
# tout, sort en erreur et laisse l'entrée fautive dans build-fuzz/.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
duree="${1:-15}"
sortie="$racine/build-fuzz"
mkdir -p "$sortie"
drapeaux=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined,float-cast-overflow
          -fno-sanitize-recover=all -I"$racine/common")

debut=$SECONDS
pids=()
cibles=(lire_nombre texte_nombre courbe points_gardes)
for cible in "${cibles[@]}"; do
    sources=("$racine/fuzz/$cible.cpp" "$racine/common/nombre.cpp")
    if [ "$cible" = courbe ] || [ "$cible" = points_gardes ]; then
        sources+=("$racine/common/courbe_enregistree.cpp" "$racine/common/arrondi.cpp")
    fi
    if [ "$cible" = points_gardes ]; then
        sources+=("$racine/common/points_gardes.cpp")
    fi
    clang++ "${drapeaux[@]}" "${sources[@]}" -o "$sortie/fuzz_$cible" &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid"
done
echo "Fuzzing : cibles construites par clang en $((SECONDS - debut)) s"

for cible in "${cibles[@]}"; do
    mkdir -p "$sortie/corpus/$cible"
    debut=$SECONDS
    if ! (cd "$sortie" && "./fuzz_$cible" -max_total_time="$duree" -timeout=5 -max_len=4096 \
            -print_final_stats=1 "corpus/$cible" "$racine/fuzz/corpus/$cible" > "fuzz_$cible.log" 2>&1); then
        tail -n 40 "$sortie/fuzz_$cible.log"
        echo "Fuzzing : ÉCHEC de $cible (journal : build-fuzz/fuzz_$cible.log)"
        exit 1
    fi
    executions="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$sortie/fuzz_$cible.log" | grep -o '[0-9]*$')"
    echo "Fuzzing : $cible, $executions entrées en $((SECONDS - debut)) s, sans défaut"
done
echo "Fuzzing : les ${#cibles[@]} cibles ont tenu ($duree s chacune)."
