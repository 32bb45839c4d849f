#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Aide au traducteur : lister les textes d'un fichier .ts et y écrire des
traductions, sans ouvrir Qt Linguist.

  outils/traduction.py lister traductions/bancs_en.ts [--tous] > a_traduire.json
      écrit les messages non traduits (tous avec --tous) :
      [{"contexte": ..., "source": ..., "traduction": ...}, ...]
  outils/traduction.py appliquer traductions/bancs_en.ts traduits.json
      écrit chaque traduction donnée (contexte et source identiques) et
      la marque comme finie ; dit ce qui n'a pas trouvé son message.

Les textes à traduire sont relevés dans le code par
« cmake --build build --target mettre_a_jour_traductions » (lupdate).
"""
import json
import sys
import xml.etree.ElementTree as ET


def lire(chemin):
    return ET.parse(chemin)


def messages(arbre):
    for contexte in arbre.getroot().iter("context"):
        nom = contexte.findtext("name", "")
        for m in contexte.iter("message"):
            yield nom, m


def lister(chemin, tous):
    sortie = []
    for nom, m in messages(lire(chemin)):
        t = m.find("translation")
        if tous or t is None or t.get("type") == "unfinished" or not (t.text or ""):
            sortie.append({"contexte": nom, "source": m.findtext("source", ""),
                           "traduction": (t.text or "") if t is not None else ""})
    json.dump(sortie, sys.stdout, ensure_ascii=False, indent=1)
    print()


def appliquer(chemin, fichier_json):
    with open(fichier_json, encoding="utf-8") as f:
        donnees = json.load(f)
    voulu = {(d["contexte"], d["source"]): d["traduction"] for d in donnees if d.get("traduction")}
    arbre = lire(chemin)
    trouves = set()
    for nom, m in messages(arbre):
        cle = (nom, m.findtext("source", ""))
        if cle in voulu:
            t = m.find("translation")
            if t is None:
                t = ET.SubElement(m, "translation")
            t.text = voulu[cle]
            t.attrib.pop("type", None)
            trouves.add(cle)
    texte = ET.tostring(arbre.getroot(), encoding="unicode")
    with open(chemin, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + texte + "\n")
    manquants = [c for c in voulu if c not in trouves]
    for c, s in manquants:
        print(f"sans message : [{c}] {s!r}", file=sys.stderr)
    print(f"{len(trouves)} traduction(s) écrite(s), {len(manquants)} sans message.", file=sys.stderr)
    return 1 if manquants else 0


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "lister":
        lister(sys.argv[2], "--tous" in sys.argv[3:])
    elif len(sys.argv) == 4 and sys.argv[1] == "appliquer":
        sys.exit(appliquer(sys.argv[2], sys.argv[3]))
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
