# SPDX-License-Identifier: GPL-3.0-or-later
# La suite en un seul endroit. Le lanceur (ses tuiles), les entrées de menu, la
# fiche AppStream et les tests d'installation sont tirés de ce tableau ; le
# tableau « Les programmes » du README le recopie, et un test vérifie qu'il
# n'en diverge pas. Pas de « ; », de « " » ni de « \ » dans les textes.

set(BANCS_IDENTIFIANT fr.electrotechnique.bancs)
set(BANCS_SUITE_NOM "Bancs d'électrotechnique")
set(BANCS_SUITE_RESUME "Neuf simulateurs de bancs d'électrotechnique pour l'enseignement")
# En anglais, pour les entrées de menu et la fiche AppStream, dont le texte
# sans langue est l'anglais, le français venant en variante [fr].
set(BANCS_SUITE_NOM_EN "Electrical Engineering Benches")
set(BANCS_SUITE_RESUME_EN "Nine simulators of electrical engineering benches for teaching")

set(BANCS_GROUPES)
set(BANCS_PROGRAMMES)

function(bancs_groupe cle titre)
  set(BANCS_GROUPES ${BANCS_GROUPES} ${cle} PARENT_SCOPE)
  set(BANCS_GROUPE_${cle} "${titre}" PARENT_SCOPE)
endfunction()

# Le nom et la description en anglais d'un programme (ou d'un groupe).
function(bancs_anglais nom titre description)
  set(BANCS_${nom}_TITRE_EN "${titre}" PARENT_SCOPE)
  set(BANCS_${nom}_DESCRIPTION_EN "${description}" PARENT_SCOPE)
endfunction()

function(bancs_programme nom groupe titre fenetre largeur hauteur description)
  foreach(texte IN ITEMS "${titre}" "${description}")
    if(texte MATCHES "[;\"\\\\]")
      message(FATAL_ERROR "programmes.cmake : caractère interdit dans « ${texte} »")
    endif()
  endforeach()
  if(NOT groupe IN_LIST BANCS_GROUPES)
    message(FATAL_ERROR "programmes.cmake : groupe inconnu « ${groupe} » pour ${nom}")
  endif()
  set(BANCS_PROGRAMMES ${BANCS_PROGRAMMES} ${nom} PARENT_SCOPE)
  set(BANCS_${nom}_GROUPE ${groupe} PARENT_SCOPE)
  set(BANCS_${nom}_TITRE "${titre}" PARENT_SCOPE)
  set(BANCS_${nom}_FENETRE ${fenetre} PARENT_SCOPE)
  set(BANCS_${nom}_LARGEUR ${largeur} PARENT_SCOPE)
  set(BANCS_${nom}_HAUTEUR ${hauteur} PARENT_SCOPE)
  set(BANCS_${nom}_DESCRIPTION "${description}" PARENT_SCOPE)
endfunction()

# La taille de ses fenêtres, donnée au programme (BANCS_ENVELOPPE) : il s'ouvre
# à la plus grande taille qui les laisse tenir sur l'écran (common/demarrage.h).
function(bancs_enveloppe nom)
  target_compile_definitions(${nom} PRIVATE "BANCS_ENVELOPPE=${BANCS_${nom}_LARGEUR},${BANCS_${nom}_HAUTEUR}")
endfunction()

# Groupes, dans l'ordre du lanceur.
bancs_groupe(machines "Bancs de machines")
bancs_groupe(electronique "Électronique de puissance")
bancs_groupe(transformateur "Transformateur")
bancs_groupe(champ "Champ tournant")

# Programmes, groupe par groupe, dans l'ordre des tuiles :
#   nom  groupe  nom dans le menu  fenêtre principale  largeur  hauteur  description d'une ligne
# « largeur » et « hauteur » (twips) : la plus large et la plus haute des
# fenêtres que le programme ouvre (principale, enregistreur, aperçu…) ; un
# test les compare aux fenêtres que le vrai programme montre.
bancs_programme(vek machines "Machines à courant continu" machine1 11880 8100
  "deux machines à courant continu identiques sur un même arbre : la machine 1 en moteur, la machine 2 en frein sur un rhéostat ou en entraînement")
bancs_anglais(vek "DC machines"
  "two identical DC machines on one shaft: machine 1 as a motor, machine 2 as a brake on a rheostat or as a second motor")
bancs_programme(sodel machines "Moteur asynchrone" Form1 12300 8100
  "moteur asynchrone triphasé alimenté par un onduleur à fréquence variable, entraînant une charge au choix, avec les courbes couple-vitesse")
bancs_anglais(sodel "Induction motor"
  "three-phase induction motor fed by a variable-frequency inverter, driving a load of your choice, with the torque-speed curves")
bancs_programme(trivon machines "Alternateur" Form1 14400 8280
  "machine synchrone triphasée entraînée en alternateur par un moteur à courant continu, avec excitation, couplage et charge R-L")
bancs_anglais(trivon "Alternator"
  "three-phase synchronous machine driven as an alternator by a DC motor, with field supply, connection and R-L load")
bancs_programme(orvalt electronique "Pont tout thyristors" redressement 13500 8715
  "oscillogrammes d'un pont monophasé tout thyristors")
bancs_anglais(orvalt "Fully controlled bridge" "waveforms of a single-phase fully controlled thyristor bridge")
bancs_programme(gresil electronique "Pont mixte" redressement 12960 8835
  "oscillogrammes d'un pont monophasé mixte")
bancs_anglais(gresil "Half-controlled bridge" "waveforms of a single-phase half-controlled bridge")
bancs_programme(fenoul electronique "Pont de diodes" redressement 12960 8835
  "oscillogrammes d'un pont de diodes (pont de Graëtz)")
bancs_anglais(fenoul "Diode bridge" "waveforms of a diode bridge (Graetz bridge)")
bancs_programme(onduleur electronique "Onduleur" onduleur 12840 8535
  "oscillogrammes d'un onduleur monophasé en pont à commande pleine onde sur charge R-L")
bancs_anglais(onduleur "Inverter" "waveforms of a single-phase full-bridge square-wave inverter on an R-L load")
bancs_programme(transfo transformateur "Transformateur" Transfo 11940 6720
  "transformateur monophasé : essais à vide et en court-circuit, charge R-L réglable, six appareils de mesure et un fusible")
bancs_anglais(transfo "Transformer"
  "single-phase transformer: no-load and short-circuit tests, adjustable R-L load, six meters and a fuse")
bancs_programme(virelai champ "Champ tournant" virelai 11520 8520
  "animation du champ tournant créé par trois bobines parcourues par des courants triphasés")
bancs_anglais(virelai "Rotating field" "animation of the rotating field created by three coils carrying three-phase currents")
bancs_anglais(bancs "${BANCS_SUITE_NOM_EN}" "choose and start one of the nine simulators of the suite")
