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
# Les cibles (fuzz/CMakeLists.txt) lient le noyau sans Qt des programmes,
# construit par clang avec l'instrumentation du fuzzer et les sanitiseurs.
debut=$SECONDS
cmake -S "$racine/fuzz" -B "$sortie" -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$sortie" -j"$(nproc)" > /dev/null
mapfile -t cibles < "$sortie/cibles.txt"
echo "Fuzzing : cibles construites par clang en $((SECONDS - debut)) s"

# Une cible par cœur à la fois : chacune a tout son temps de processeur.
fuzzer() {
    local cible="$1" debut=$SECONDS executions
    mkdir -p "$sortie/corpus/$cible"
    if ! (cd "$sortie" && "./fuzz_$cible" -max_total_time="$duree" -timeout=5 -max_len=4096 \
            -print_final_stats=1 "corpus/$cible" "$racine/fuzz/corpus/$cible" > "fuzz_$cible.log" 2>&1); then
        tail -n 40 "$sortie/fuzz_$cible.log"
        echo "Fuzzing : ÉCHEC de $cible (journal : build-fuzz/fuzz_$cible.log)"
        return 1
    fi
    executions="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$sortie/fuzz_$cible.log" | grep -o '[0-9]*$')"
    echo "Fuzzing : $cible, $executions entrées en $((SECONDS - debut)) s, sans défaut"
}
coeurs="$(nproc)"
for ((i = 0; i < ${#cibles[@]}; i += coeurs)); do
    pids=()
    for cible in "${cibles[@]:i:coeurs}"; do
        fuzzer "$cible" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || exit 1
    done
done
echo "Fuzzing : les ${#cibles[@]} cibles ont tenu ($duree s chacune)."
