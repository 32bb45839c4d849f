<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>CaractCharge</name>
    <message>
        <source>Caractéristique mécanique de la charge</source>
        <translation>Mechanical characteristic of the load</translation>
    </message>
    <message>
        <source>n (tr/min)</source>
        <translation>n (rpm)</translation>
    </message>
    <message>
        <source>Caractéristique du moteur</source>
        <translation>Motor characteristic</translation>
    </message>
    <message>
        <source>Lecture des coordonnées sur le graphe</source>
        <translation>Reading of coordinates on the graph</translation>
    </message>
    <message>
        <source>X = %1  ;  Y = %2</source>
        <translation>X = %1  ;  Y = %2</translation>
    </message>
</context>
<context>
    <name>CaractMoteur</name>
    <message>
        <source>Tension nominale d&apos;induit (V) :</source>
        <translation>Rated armature voltage (V):</translation>
    </message>
    <message>
        <source>Intensité nominale d&apos;induit (A) :</source>
        <translation>Rated armature current (A):</translation>
    </message>
    <message>
        <source>Résistance de l&apos;induit (Ohm) :</source>
        <translation>Armature resistance (Ohm):</translation>
    </message>
    <message>
        <source>Tension nominale de l&apos;inducteur (V) :</source>
        <translation>Rated field voltage (V):</translation>
    </message>
    <message>
        <source>Intensité nominale d&apos;inducteur (A) :</source>
        <translation>Rated field current (A):</translation>
    </message>
    <message>
        <source>Fréquence de rotation nominale (tours par secondes) :</source>
        <translation>Rated rotational speed (rpm):</translation>
    </message>
    <message>
        <source>Puissance nominale du moteur (W) :</source>
        <translation>Rated output power of the motor (W):</translation>
    </message>
    <message>
        <source>Caractéristiques des machines </source>
        <translation>Machine ratings</translation>
    </message>
    <message>
        <source>Caractéristiques de l&apos;induit</source>
        <translation>Armature ratings</translation>
    </message>
    <message>
        <source>Caractéristiques de l&apos;inducteur</source>
        <translation>Field winding ratings</translation>
    </message>
    <message>
        <source>Caractéristiques mécaniques</source>
        <translation>Mechanical ratings</translation>
    </message>
    <message>
        <source>Machine %1 W</source>
        <translation>%1 W machine</translation>
    </message>
    <message>
        <source>Machine %1 kW</source>
        <translation>%1 kW machine</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1 V / %2 V ;     %3 A / %4 A ;        %5 Hz ; %6 tr/min ; cos phi = %7</source>
        <translation>%1 V / %2 V;     %3 A / %4 A;        %5 Hz; %6 rpm; cos phi = %7</translation>
    </message>
    <message>
        <source>Etude d&apos;une machine asynchrone par A. Varlon</source>
        <translation>Study of an induction machine by A. Varlon</translation>
    </message>
    <message>
        <source>Onduleur</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>f (Hz)</source>
        <translation>f (Hz)</translation>
    </message>
    <message>
        <source>Réglage de la fréquence</source>
        <translation>Frequency setting</translation>
    </message>
    <message>
        <source>Réglage de la tension simple fournie par l&apos;onduleur</source>
        <translation>Setting of the phase voltage supplied by the inverter</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ARRET</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Bouton de mise en marche de l&apos;onduleur</source>
        <translation>Inverter on/off button</translation>
    </message>
    <message>
        <source>Couplage étoile</source>
        <translation>Star connection</translation>
    </message>
    <message>
        <source>Changement couplage</source>
        <translation>Change connection</translation>
    </message>
    <message>
        <source>Choix de la charge :</source>
        <translation>Choice of load:</translation>
    </message>
    <message>
        <source>Frein</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>Réglage du moment du couple</source>
        <translation>Torque setting</translation>
    </message>
    <message>
        <source>Caractéristique de la charge</source>
        <translation>Load characteristic</translation>
    </message>
    <message>
        <source>Tracer une courbe</source>
        <translation>Plot a curve</translation>
    </message>
    <message>
        <source>Tension composée sur le stator du moteur</source>
        <translation>Line voltage across the motor stator</translation>
    </message>
    <message>
        <source>Intensité en ligne du stator du moteur</source>
        <translation>Line current of the motor stator</translation>
    </message>
    <message>
        <source>Puissance triphasée absorbée par le moteur</source>
        <translation>Three-phase input power of the motor</translation>
    </message>
    <message>
        <source>Glissement en %</source>
        <translation>Slip in %</translation>
    </message>
    <message>
        <source>Fréquence de rotation</source>
        <translation>Rotational speed</translation>
    </message>
    <message>
        <source>tri</source>
        <translation>3~</translation>
    </message>
    <message>
        <source>n (tr/min)</source>
        <translation>n (rpm)</translation>
    </message>
    <message>
        <source>Machine asynchrone triphasée</source>
        <translation>Three-phase induction machine</translation>
    </message>
    <message>
        <source>v1 : tension simple</source>
        <translation>v1: phase voltage</translation>
    </message>
    <message>
        <source>Plaque signalétique</source>
        <translation>Rating plate</translation>
    </message>
    <message>
        <source>Caractéristique de la machine asynchrone</source>
        <translation>Induction machine parameters</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>l2</source>
        <translation>l2</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>lm</source>
        <translation>lm</translation>
    </message>
    <message>
        <source>Rf</source>
        <translation>Rf</translation>
    </message>
    <message>
        <source>Tp</source>
        <translation>Tp</translation>
    </message>
    <message>
        <source>tmax</source>
        <translation>tmax</translation>
    </message>
    <message>
        <source>gmax</source>
        <translation>gmax</translation>
    </message>
    <message>
        <source>cosphi</source>
        <translation>cosphi</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Zone de réglage</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Zone de mesure</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Frein à Poudre</source>
        <translation>Powder brake</translation>
    </message>
    <message>
        <source>Levage</source>
        <translation>Hoist</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Fraiseuse</source>
        <translation>Milling machine</translation>
    </message>
    <message>
        <source>Ventilateur</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Couplage triangle</source>
        <translation>Delta connection</translation>
    </message>
    <message>
        <source>Marche</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Arrêt</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Etude d&apos;une machine synchrone</source>
        <translation>Study of a synchronous machine</translation>
    </message>
    <message>
        <source>INDUIT</source>
        <translation>ARMATURE</translation>
    </message>
    <message>
        <source>Moteur à courant continu</source>
        <translation>DC motor</translation>
    </message>
    <message>
        <source>Tension continue d&apos;alimentation de la VEK. Pour U=%1V, n=%2tr/min.</source>
        <translation>DC supply voltage of the VEK (DC motor). For U=%1V, n=%2 rpm.</translation>
    </message>
    <message>
        <source>Ue (V) =</source>
        <translation>Ue (V) =</translation>
    </message>
    <message>
        <source>Tension continue d&apos;excitation de la machine synchrone</source>
        <translation>DC excitation voltage of the synchronous machine</translation>
    </message>
    <message>
        <source>Charge inductive</source>
        <translation>Inductive load</translation>
    </message>
    <message>
        <source>R (ohm)</source>
        <translation>R (ohm)</translation>
    </message>
    <message>
        <source>Résistance de la charge</source>
        <translation>Load resistance</translation>
    </message>
    <message>
        <source>Inductance de la charge</source>
        <translation>Load inductance</translation>
    </message>
    <message>
        <source>Commande interrupteur</source>
        <translation>Switch control</translation>
    </message>
    <message>
        <source>Fermer/ouvrir les interrupteurs </source>
        <translation>Close/open the switches</translation>
    </message>
    <message>
        <source>Changement de couplage</source>
        <translation>Change connection</translation>
    </message>
    <message>
        <source>Couplage de la machine synchrone</source>
        <translation>Connection of the synchronous machine</translation>
    </message>
    <message>
        <source>Inducteur</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>L&apos;inducteur est alimenté en continu</source>
        <translation>The field winding is supplied with DC</translation>
    </message>
    <message>
        <source>W tri</source>
        <translation>W 3~</translation>
    </message>
    <message>
        <source>Fréquence (Hz) :</source>
        <translation>Frequency (Hz):</translation>
    </message>
    <message>
        <source>Moment du couple sur l&apos;arbre</source>
        <translation>Shaft torque</translation>
    </message>
    <message>
        <source>Tension continue de l&apos;inducteur de la machine synchrone</source>
        <translation>DC field voltage of the synchronous machine</translation>
    </message>
    <message>
        <source>Intensité continue dans l&apos;inducteur de la machine synchrone</source>
        <translation>DC field current of the synchronous machine</translation>
    </message>
    <message>
        <source>Tension simple de l&apos;induit de la machine synchrone</source>
        <translation>Armature phase voltage of the synchronous machine</translation>
    </message>
    <message>
        <source>Intensité dans l&apos;induit de la machine synchrone</source>
        <translation>Armature current of the synchronous machine</translation>
    </message>
    <message>
        <source>Puissance fournie par la machine synchrone à la charge</source>
        <translation>Power delivered by the synchronous machine to the load</translation>
    </message>
    <message>
        <source>Machine synchrone</source>
        <translation>Synchronous machine</translation>
    </message>
    <message>
        <source>Caractéristique VEK</source>
        <translation>VEK parameters</translation>
    </message>
    <message>
        <source>kphi</source>
        <translation>kphi</translation>
    </message>
    <message>
        <source>Caractéristique Machine synchrone</source>
        <translation>Synchronous machine parameters</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Rs</source>
        <translation>Rs</translation>
    </message>
    <message>
        <source>Ls</source>
        <translation>Ls</translation>
    </message>
    <message>
        <source>kfer</source>
        <translation>kfer</translation>
    </message>
    <message>
        <source>ien</source>
        <translation>ien</translation>
    </message>
    <message>
        <source>nn</source>
        <translation>nn</translation>
    </message>
    <message>
        <source>en</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Caractéristiques de la machine synchrone</source>
        <translation>Synchronous machine ratings</translation>
    </message>
    <message>
        <source>%1 kVA ; %2 Hz</source>
        <translation>%1 kVA; %2 Hz</translation>
    </message>
    <message>
        <source>Stator en triangle : %1 V ; %2 A</source>
        <translation>Stator in delta: %1 V; %2 A</translation>
    </message>
    <message>
        <source>Stator en étoile : %1 V ; %2 A</source>
        <translation>Stator in star: %1 V; %2 A</translation>
    </message>
    <message>
        <source>Rotor : %1 V ; %2 A</source>
        <translation>Rotor: %1 V; %2 A</translation>
    </message>
    <message>
        <source>Résistance d&apos;un enroulement statorique : %1 Ohm</source>
        <translation>Resistance of one stator winding: %1 Ohm</translation>
    </message>
    <message>
        <source>couplage étoile</source>
        <translation>star connection</translation>
    </message>
    <message>
        <source>couplage triangle</source>
        <translation>delta connection</translation>
    </message>
    <message>
        <source>A   AC</source>
        <translation>A   AC</translation>
    </message>
    <message>
        <source>V  AC</source>
        <translation>V  AC</translation>
    </message>
    <message>
        <source>V  DC</source>
        <translation>V  DC</translation>
    </message>
    <message>
        <source>A  DC</source>
        <translation>A  DC</translation>
    </message>
</context>
<context>
    <name>Intro</name>
    <message>
        <source>Logiciel de simulation d&apos;un banc de deux machines à courant continu identiques.</source>
        <translation>Simulation software for a bench of two identical DC machines.</translation>
    </message>
    <message>
        <source>Etude d&apos;une machine à courant continu.</source>
        <translation>Study of a DC machine.</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;une machine asynchrone triphasée équipée d&apos;un frein alimenté par un onduleur</source>
        <translation>Simulation software for an inverter-fed three-phase induction machine with a brake</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un banc machine synchrone et machine à courant continu</source>
        <translation>Simulation software for a synchronous machine and DC machine bench</translation>
    </message>
    <message>
        <source>Etude de la machine synchrone</source>
        <translation>Study of the synchronous machine</translation>
    </message>
</context>
<context>
    <name>Machine1</name>
    <message>
        <source>Banc de machines à courants continus par A. Varlon</source>
        <translation>DC machine bench by A. Varlon</translation>
    </message>
    <message>
        <source>Réglage de la tension d&apos;induit</source>
        <translation>Armature voltage setting</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Réglage de la tension d&apos;inducteur</source>
        <translation>Field voltage setting</translation>
    </message>
    <message>
        <source>Réglage de la tension d&apos;alimentation de la machine2. Laisser U2=0 pour que la machine 2 simule un frein</source>
        <translation>Supply voltage setting of machine 2. Leave U2=0 for machine 2 to act as a brake</translation>
    </message>
    <message>
        <source>Interrupteur Induit</source>
        <translation>Armature switch</translation>
    </message>
    <message>
        <source>Fermer/Ouvrir l&apos;interrupteur</source>
        <translation>Close/open the switch</translation>
    </message>
    <message>
        <source>Interrupteur Induit 2</source>
        <translation>Armature switch 2</translation>
    </message>
    <message>
        <source>rotor bloqué</source>
        <translation>locked rotor</translation>
    </message>
    <message>
        <source>Cocher pour bloquer le rotor. Le rotor ne doit pas tourner.</source>
        <translation>Tick to lock the rotor. The rotor must not be turning.</translation>
    </message>
    <message>
        <source>Choisir le type de rhéostat</source>
        <translation>Choose the type of rheostat</translation>
    </message>
    <message>
        <source> Rhéostat </source>
        <translation> Rheostat </translation>
    </message>
    <message>
        <source>Cliquer et faire glisser le curseur du rhéostat pour faire varier sa résistance</source>
        <translation>Click and drag the rheostat slider to vary its resistance</translation>
    </message>
    <message>
        <source>Intensité d&apos;excitation</source>
        <translation>Excitation current</translation>
    </message>
    <message>
        <source>Intensité d&apos;induit</source>
        <translation>Armature current</translation>
    </message>
    <message>
        <source>Fréquence de rotation</source>
        <translation>Rotational speed</translation>
    </message>
    <message>
        <source>Tension d&apos;inducteur</source>
        <translation>Field voltage</translation>
    </message>
    <message>
        <source>Moment du couple</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Tension d&apos;induit</source>
        <translation>Armature voltage</translation>
    </message>
    <message>
        <source>Intensité d&apos;excitation de la machine2</source>
        <translation>Excitation current of machine 2</translation>
    </message>
    <message>
        <source>Tension de l&apos;inducteur de la machine2</source>
        <translation>Field voltage of machine 2</translation>
    </message>
    <message>
        <source>Plaque signalétique des machines</source>
        <translation>Rating plate of the machines</translation>
    </message>
    <message>
        <source>Modifier les caractéristiques des machines</source>
        <translation>Change the machine ratings</translation>
    </message>
    <message>
        <source>Tracer une courbe</source>
        <translation>Plot a curve</translation>
    </message>
    <message>
        <source>MACHINE 1</source>
        <translation>MACHINE 1</translation>
    </message>
    <message>
        <source>Machine étudiée</source>
        <translation>Machine under study</translation>
    </message>
    <message>
        <source>MACHINE 2</source>
        <translation>MACHINE 2</translation>
    </message>
    <message>
        <source>U inducteur (V)</source>
        <translation>U field (V)</translation>
    </message>
    <message>
        <source>n en tr/min</source>
        <translation>n in rpm</translation>
    </message>
    <message>
        <source>T en Nm</source>
        <translation>T in Nm</translation>
    </message>
    <message>
        <source>Rmax</source>
        <translation>Rmax</translation>
    </message>
    <message>
        <source>INDUIT</source>
        <translation>ARMATURE</translation>
    </message>
    <message>
        <source>INDUCTEUR</source>
        <translation>FIELD</translation>
    </message>
    <message>
        <source>Ui : %1 V</source>
        <translation>Ui: %1 V</translation>
    </message>
    <message>
        <source>Ue : %1 V</source>
        <translation>Ue: %1 V</translation>
    </message>
    <message>
        <source>P : %1W</source>
        <translation>P: %1 W</translation>
    </message>
    <message>
        <source>n :%1tr/min</source>
        <translation>n: %1 rpm</translation>
    </message>
</context>
<context>
    <name>MotDePasse</name>
    <message>
        <source>Mot de passe</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entrez le mot de passe</source>
        <translation>Enter the password</translation>
    </message>
</context>
<context>
    <name>courbe</name>
    <message>
        <source>Tension d&apos;induit de la machine1 : U</source>
        <translation>Armature voltage of machine 1: U</translation>
    </message>
    <message>
        <source>U (V)</source>
        <translation>U (V)</translation>
    </message>
    <message>
        <source>Intensité dans l&apos;induit de la machine 1 : I</source>
        <translation>Armature current of machine 1: I</translation>
    </message>
    <message>
        <source>I (A)</source>
        <translation>I (A)</translation>
    </message>
    <message>
        <source>Tension d&apos;inducteur de la machine1 : Ue</source>
        <translation>Field voltage of machine 1: Ue</translation>
    </message>
    <message>
        <source>Ue (V)</source>
        <translation>Ue (V)</translation>
    </message>
    <message>
        <source>Intensité dans l&apos;inducteur de la machine 1 : Ie</source>
        <translation>Field current of machine 1: Ie</translation>
    </message>
    <message>
        <source>Ie (A)</source>
        <translation>Ie (A)</translation>
    </message>
    <message>
        <source>fréquence de rotation n en tr/min</source>
        <translation>rotational speed n in rpm</translation>
    </message>
    <message>
        <source>n (tr/min)</source>
        <translation>n (rpm)</translation>
    </message>
    <message>
        <source>Moment du couple utile : T</source>
        <translation>Useful torque: T</translation>
    </message>
    <message>
        <source>T (N.m)</source>
        <translation>T (N.m)</translation>
    </message>
    <message>
        <source>Tension d&apos;alimentation de la machine 2 : U2</source>
        <translation>Supply voltage of machine 2: U2</translation>
    </message>
    <message>
        <source>U2 (V)</source>
        <translation>U2 (V)</translation>
    </message>
    <message>
        <source>Choisir la grandeur placée sur l&apos;axe des abscisses</source>
        <translation>Choose the quantity for the x-axis</translation>
    </message>
    <message>
        <source>Choisir la grandeur placée sur l&apos;axe des ordonnées</source>
        <translation>Choose the quantity for the y-axis</translation>
    </message>
    <message>
        <source>Imprimer la courbe</source>
        <translation>Print the curve</translation>
    </message>
    <message>
        <source>couple utile Tu en N.m</source>
        <translation>useful torque Tu in N.m</translation>
    </message>
    <message>
        <source>Tu (N.m)</source>
        <translation>Tu (N.m)</translation>
    </message>
    <message>
        <source>intensité en ligne absorbée I en A</source>
        <translation>line current drawn I in A</translation>
    </message>
    <message>
        <source>Tension simple d&apos;induit U</source>
        <translation>Armature phase voltage U</translation>
    </message>
    <message>
        <source>intensité d&apos;induit en ligne I</source>
        <translation>armature line current I</translation>
    </message>
    <message>
        <source>Tension d&apos;excitation Ue</source>
        <translation>Excitation voltage Ue</translation>
    </message>
    <message>
        <source>intensité d&apos;excitation Ie</source>
        <translation>excitation current Ie</translation>
    </message>
    <message>
        <source>fréquence de rotation n</source>
        <translation>rotational speed n</translation>
    </message>
    <message>
        <source>moment du couple T</source>
        <translation>torque T</translation>
    </message>
    <message>
        <source>Puissance électrique P</source>
        <translation>Electrical power P</translation>
    </message>
    <message>
        <source>P (W)</source>
        <translation>P (W)</translation>
    </message>
</context>
<context>
    <name>sodel</name>
    <message>
        <source>Frein à poudre</source>
        <translation>Powder brake</translation>
    </message>
    <message>
        <source>Levage</source>
        <translation>Hoist</translation>
    </message>
    <message>
        <source>pompe</source>
        <translation>pump</translation>
    </message>
    <message>
        <source>fraiseuse</source>
        <translation>milling machine</translation>
    </message>
    <message>
        <source>Ventilateur</source>
        <translation>Fan</translation>
    </message>
</context>
<context>
    <name>trivon</name>
    <message>
        <source>Le moteur tourne trop vite</source>
        <translation>The motor is running too fast</translation>
    </message>
    <message>
        <source>Le courant dans l&apos;inducteur est trop grand</source>
        <translation>The field current is too high</translation>
    </message>
</context>
<context>
    <name>vek</name>
    <message>
        <source>L&apos;inducteur du moteur n&apos;est pas alimenté !</source>
        <translation>The motor&apos;s field winding is not supplied!</translation>
    </message>
    <message>
        <source>Au démarrage, l&apos;intensité absorbée par l&apos;induit est très importante. La tension d&apos;induit doit être réduite quand on ferme l&apos;interrupteur d&apos;induit.</source>
        <translation>At starting, the current drawn by the armature is very high. The armature voltage must be reduced when the armature switch is closed.</translation>
    </message>
    <message>
        <source>L&apos;intensité du courant circulant dans l&apos;induit est trop important.Vous risquez d&apos;endommager le moteur.</source>
        <translation>The current flowing in the armature is too high. You risk damaging the motor.</translation>
    </message>
    <message>
        <source>L&apos;intensité du courant circulant dans l&apos;inducteur est trop important.Vous risquez d&apos;endommager le moteur.</source>
        <translation>The current flowing in the field winding is too high. You risk damaging the motor.</translation>
    </message>
    <message>
        <source>Le moteur tourne trop vite.</source>
        <translation>The motor is running too fast.</translation>
    </message>
    <message>
        <source>Pour être en sécurité, ouvrez le circuit de l&apos;induit du moteur avant de bloquer le rotor</source>
        <translation>For safety, open the motor&apos;s armature circuit before locking the rotor</translation>
    </message>
    <message>
        <source>Pour être en sécurité, ouvrez le circuit de l&apos;induit du moteur avant de débloquer le rotor</source>
        <translation>For safety, open the motor&apos;s armature circuit before releasing the rotor</translation>
    </message>
    <message>
        <source>Pour être en sécurité, l&apos;arbre du moteur ne doit pas tourner</source>
        <translation>For safety, the motor shaft must not be turning</translation>
    </message>
    <message>
        <source>Vous ne devez pas remplacer le rhéostat quand il est sous tension.</source>
        <translation>You must not change the rheostat while it is live.</translation>
    </message>
    <message>
        <source>rhéostat de %1 ohms</source>
        <translation>%1 ohm rheostat</translation>
    </message>
</context>
</TS>
