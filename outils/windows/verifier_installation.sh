#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# L'installateur de la suite essayé comme l'administrateur d'une salle s'en
# sert, dans le Wine neuf de WINEPREFIX (écran DISPLAY, LANG français) :
#   verifier_installation.sh <setup.exe> <version> <programmes.txt>
# installation silencieuse, fichiers, raccourcis et inscription dans la liste
# des programmes ; chaque programme et le lanceur répondent à « --version »,
# offrent l'anglais et ouvrent leur fenêtre ; désinstallation silencieuse,
# qui ne laisse rien.
set -euo pipefail
setup="$1"
version="$2"
mapfile -t programmes < "$3"
programmes=(bancs "${programmes[@]}")
c="$WINEPREFIX/drive_c"
dossier="$c/Program Files/Bancs d'électrotechnique"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Bancs d'électrotechnique"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\bancs-electrotechnique'
echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

wine "$setup" /S
wineserver -w
[ -f "$dossier/desinstaller.exe" ] || echec "l'installation silencieuse n'a rien posé dans $dossier"
for p in "${programmes[@]}"; do
    [ -f "$dossier/$p.exe" ] || echec "$p.exe manque dans $dossier"
done
raccourcis=$(find "$menu" -name '*.lnk' 2>/dev/null | wc -l)
[ "$raccourcis" -eq "${#programmes[@]}" ] ||
    echec "$raccourcis raccourcis dans le menu Démarrer ($menu), ${#programmes[@]} attendus"
[ -f "$menu/Machines à courant continu.lnk" ] || echec "le raccourci de vek n'a pas son nom français"
inscription="$(wine reg query "$cle" 2>/dev/null | tr -d '\r')"
for attendu in "DisplayName" "DisplayVersion    REG_SZ    $version" "Publisher    REG_SZ    Les contributeurs de la suite" \
               "EstimatedSize    REG_DWORD" "DisplayIcon" "UninstallString" "QuietUninstallString"; do
    grep -q "$attendu" <<<"$inscription" || echec "« $attendu » manque à l'inscription dans la liste des programmes"
done
echo "Installée : ${#programmes[@]} programmes, $raccourcis raccourcis, inscrite dans la liste des programmes"

for p in "${programmes[@]}"; do
    reponse="$(wine "$dossier/$p.exe" --version 2>&1 | tr -d '\r' | head -n 1)"
    [ "$reponse" = "$p (Bancs d'électrotechnique) $version" ] || echec "$p --version répond « $reponse »"
    # Installé, le programme trouve ses traductions : l'anglais est offert.
    aide="$(wine "$dossier/$p.exe" --aide 2>&1 | tr -d '\r')"
    [[ "$aide" == *"--langue fr|en"* ]] || echec "$p n'offre pas l'anglais (traductions introuvables depuis son dossier)"
    wine "$dossier/$p.exe" >/dev/null 2>&1 &
    programme=$!
    ouverte=""
    for _ in $(seq 1 150); do
        if xwininfo -root -tree 2>/dev/null | grep -v '"Default IME"' | grep -q "(\"$p.exe\" "; then
            ouverte=1
            break
        fi
        kill -0 "$programme" 2>/dev/null || break
        sleep 0.2
    done
    kill "$programme" 2>/dev/null || true
    wait "$programme" 2>/dev/null || true
    [ -n "$ouverte" ] || echec "$p n'a pas ouvert de fenêtre"
    echo "$p : --version répond, sa fenêtre s'ouvre"
done
wineserver -k || true

wine "$dossier/desinstaller.exe" /S
wineserver -w
[ ! -e "$dossier" ] || echec "la désinstallation laisse $dossier : $(ls "$dossier")"
[ ! -e "$menu" ] || echec "la désinstallation laisse le dossier du menu Démarrer"
if wine reg query "$cle" >/dev/null 2>&1; then
    echec "la désinstallation laisse la suite dans la liste des programmes"
fi
echo "Désinstallée : rien ne reste dans Program Files, le menu Démarrer ni la liste des programmes"
