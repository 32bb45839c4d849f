<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>ApercuImpression</name>
    <message>
        <source>Tracer la courbe (cas d&apos;un graphe avec une seule courbe)</source>
        <translation>Draw the curve (for a graph with a single curve)</translation>
    </message>
    <message>
        <source>Effacer la courbe (seuls les points apparaissent)</source>
        <translation>Erase the curve (only the points are shown)</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Actualiser l&apos;affichage</source>
        <translation>Refresh the display</translation>
    </message>
    <message>
        <source>Lecture des coordonnées sur le graphe</source>
        <translation>Read coordinates on the graph</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer sur l&apos;imprimante %1.</source>
        <translation>Printing could not start on the printer %1.</translation>
    </message>
    <message>
        <source>Aucune imprimante : enregistrer la page en PDF</source>
        <translation>No printer: save the page as PDF</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée. La page a été enregistrée au format PDF dans le fichier :
%1</source>
        <translation>No printer is installed. The page has been saved in PDF format in the file:
%1</translation>
    </message>
    <message>
        <source>Courbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>xmax</source>
        <translation>x max</translation>
    </message>
    <message>
        <source>ymax</source>
        <translation>y max</translation>
    </message>
    <message>
        <source>X =%1 ;   Y =  %2</source>
        <translation>X = %1; Y = %2</translation>
    </message>
</context>
<context>
    <name>Bancs</name>
    <message>
        <source>Ajuster à l&apos;écran</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>Bancs d&apos;électrotechnique</source>
        <translation>Electrical Engineering Benches</translation>
    </message>
    <message>
        <source>Cliquez sur un simulateur pour le lancer, ou choisissez-le avec Tab et les flèches puis appuyez sur Entrée.</source>
        <translation>Click a simulator to start it, or select it with Tab and the arrow keys, then press Enter.</translation>
    </message>
    <message>
        <source>Taille des fenêtres :</source>
        <translation>Window size:</translation>
    </message>
    <message>
        <source>Taille des fenêtres des programmes lancés (vidéoprojecteur)</source>
        <translation>Window size of programs started from here (video projector)</translation>
    </message>
    <message>
        <source>Ajuster à l&apos;écran (%1)</source>
        <translation>Fit to screen (%1)</translation>
    </message>
    <message>
        <source>Trop grande pour cet écran</source>
        <translation>Too large for this screen</translation>
    </message>
    <message>
        <source>Langue :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Langue du lanceur et des programmes lancés</source>
        <translation>Language of the launcher and of programs started from here</translation>
    </message>
    <message>
        <source>Langue du poste</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>il n&apos;est pas installé avec le lanceur.

Cherché ici :
%1</source>
        <translation>it is not installed with the launcher.

Looked for here:
%1</translation>
    </message>
    <message>
        <source>le système n&apos;a pas pu le démarrer (%1).</source>
        <translation>the system could not start it (%1).</translation>
    </message>
    <message>
        <source>« %1 » (%2) démarre…</source>
        <translation>“%1” (%2) is starting…</translation>
    </message>
    <message>
        <source>« %1 » (%2) s&apos;est fermé.</source>
        <translation>“%1” (%2) has closed.</translation>
    </message>
    <message>
        <source>« %1 » (%2) tourne dans sa propre fenêtre.</source>
        <translation>“%1” (%2) is running in its own window.</translation>
    </message>
    <message>
        <source>il s&apos;est arrêté aussitôt.</source>
        <translation>it exited immediately.</translation>
    </message>
    <message>
        <source>il a été arrêté aussitôt par le signal SIG%1.</source>
        <translation>it was stopped immediately by the signal SIG%1.</translation>
    </message>
    <message>
        <source>il s&apos;est arrêté aussitôt en erreur (code %1).</source>
        <translation>it exited immediately with an error (code %1).</translation>
    </message>
    <message>
        <source>%1 Il a écrit :

%2</source>
        <translation>%1 Its output:

%2</translation>
    </message>
    <message>
        <source>« %1 » (%2) n&apos;a pas pu démarrer.</source>
        <translation>“%1” (%2) could not start.</translation>
    </message>
    <message>
        <source>Le programme « %1 » (%2) n&apos;a pas pu démarrer : %3</source>
        <translation>The program “%1” (%2) could not start: %3</translation>
    </message>
    <message>
        <source>de %1 à %2 % selon le programme</source>
        <translation>from %1 to %2% depending on the program</translation>
    </message>
    <message>
        <source>%1 à %2 %</source>
        <translation>%1 at %2%</translation>
    </message>
    <message>
        <source>%1 % (%2, pour tenir sur l&apos;écran)</source>
        <translation>%1% (%2, to fit on the screen)</translation>
    </message>
    <message>
        <source>Les programmes lancés s&apos;ouvriront à la plus grande taille qui tient sur cet écran : %1.</source>
        <translation>Programs started from here will open at the largest size that fits on this screen: %1.</translation>
    </message>
    <message>
        <source>Le programme « %1 » (%2) ne peut pas être lancé : %3</source>
        <translation>The program “%1” (%2) cannot be started: %3</translation>
    </message>
    <message>
        <source>« %1 » (%2) ne peut pas être lancé.</source>
        <translation>“%1” (%2) cannot be started.</translation>
    </message>
    <message>
        <source>à %1</source>
        <translation>at %1</translation>
    </message>
    <message>
        <source>%1 ne tient pas sur cet écran : les programmes lancés s&apos;ouvriront %2.</source>
        <translation>%1 does not fit on this screen: programs started from here will open %2.</translation>
    </message>
    <message>
        <source>Les programmes lancés s&apos;ouvriront %1.</source>
        <translation>Programs started from here will open %1.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
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
        <translation>Read coordinates on the graph</translation>
    </message>
    <message>
        <source>X = %1  ;  Y = %2</source>
        <translation>X = %1; Y = %2</translation>
    </message>
    <message>
        <source>T (N.m)</source>
        <translation>T (N·m)</translation>
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
        <translation>Armature resistance (Ω):</translation>
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
        <source>Fréquence de rotation nominale (tr/min) :</source>
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
    <name>Courbe</name>
    <message>
        <source>Tracé d&apos;une courbe</source>
        <translation>Plotting a curve</translation>
    </message>
    <message>
        <source>Choix des axes</source>
        <translation>Choice of axes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Placer un nouveau point</source>
        <translation>Place a new point</translation>
    </message>
    <message>
        <source>Enlever le dernier point</source>
        <translation>Remove the last point</translation>
    </message>
    <message>
        <source>Changer les axes et/ou recommencer</source>
        <translation>Change the axes and/or start again</translation>
    </message>
    <message>
        <source>Analyse de la courbe et impression</source>
        <translation>Curve analysis and printing</translation>
    </message>
    <message>
        <source>Copier les points</source>
        <translation>Copy the points</translation>
    </message>
    <message>
        <source>Copier les points enregistrés, à coller dans un tableur (deux colonnes)</source>
        <translation>Copy the recorded points, to paste into a spreadsheet (two columns)</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Enregistrer les points dans un fichier CSV pour un tableur</source>
        <translation>Save the points in a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>Reprendre les points précédents</source>
        <translation>Restore the previous points</translation>
    </message>
    <message>
        <source>Autre courbe</source>
        <translation>Another curve</translation>
    </message>
    <message>
        <source>Aperçu de la courbe</source>
        <translation>Curve preview</translation>
    </message>
    <message>
        <source>La liste est pleine : %1 points sont déjà placés. Ce point n&apos;est pas enregistré ; enlevez-en un ou recommencez la courbe.</source>
        <translation>The list is full: %1 points are already placed. This point is not recorded; remove one or start the curve again.</translation>
    </message>
    <message>
        <source>Aucun point n&apos;est enregistré : il n&apos;y a rien à copier.</source>
        <translation>No point is recorded: there is nothing to copy.</translation>
    </message>
    <message>
        <source>Aucun point n&apos;est enregistré : il n&apos;y a rien à exporter.</source>
        <translation>No point is recorded: there is nothing to export.</translation>
    </message>
    <message>
        <source>Exporter les points vers un tableur (CSV)</source>
        <translation>Export the points to a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Les points ont été enregistrés</source>
        <translation>The points have been saved</translation>
    </message>
    <message>
        <source>Le fichier des points précédents est abîmé ou d&apos;un autre programme : il est ignoré.</source>
        <translation>The file of the previous points is damaged or belongs to another program: it is ignored.</translation>
    </message>
    <message>
        <source>dd/MM/yyyy à HH:mm</source>
        <translation>dd/MM/yyyy &apos;at&apos; HH:mm</translation>
    </message>
    <message>
        <source>Les points ne sont pas gardés sur le disque : %1.</source>
        <translation>The points are not kept on the disk: %1.</translation>
    </message>
    <message>
        <source>xmax</source>
        <translation>x max</translation>
    </message>
    <message>
        <source>y max</source>
        <translation>y max</translation>
    </message>
    <message>
        <source>Les points précédents ne sont pas repris : %1.</source>
        <translation>The previous points are not restored: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copié(s) avec les légendes des axes : collez-les dans un tableur (Ctrl+V), ils y prennent deux colonnes.</source>
        <translation>
            <numerusform>%n point copied with the axis labels: paste it into a spreadsheet (Ctrl+V), where it takes two columns.</numerusform>
            <numerusform>%n points copied with the axis labels: paste them into a spreadsheet (Ctrl+V), where they take two columns.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reprendre les points précédents
(%n point(s) du %1)</source>
        <translation>
            <numerusform>Restore the previous points
(%n point from %1)</numerusform>
            <numerusform>Restore the previous points
(%n points from %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Feuille</name>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous l&apos;écraser ?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>FeuilleMauvaiseManip</name>
    <message>
        <source>Mauvaise manipulation</source>
        <translation>Unsafe operation</translation>
    </message>
    <message>
        <source>Oui, bien sûr</source>
        <translation>Understood</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1 V / %2 V ;     %3 A / %4 A ;        %5 Hz ; %6 tr/min ; cos phi = %7</source>
        <translation>%1 V / %2 V;     %3 A / %4 A;        %5 Hz; %6 rpm; cos φ = %7</translation>
    </message>
    <message>
        <source>Étude d&apos;une machine asynchrone par A. Varlon</source>
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
        <translation>Off</translation>
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
        <translation>Tmax</translation>
    </message>
    <message>
        <source>gmax</source>
        <translation>s at Tmax</translation>
    </message>
    <message>
        <source>cosphi</source>
        <translation>cos φ</translation>
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
        <source>Étude d&apos;une machine synchrone</source>
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
        <translation>DC motor supply voltage. For U = %1 V, n = %2 rpm.</translation>
    </message>
    <message>
        <source>Ue (V) =</source>
        <translation>Ue (V) =</translation>
    </message>
    <message>
        <source>Tension continue d&apos;excitation de la machine synchrone</source>
        <translation>DC field voltage of the synchronous machine</translation>
    </message>
    <message>
        <source>Charge inductive</source>
        <translation>Inductive load</translation>
    </message>
    <message>
        <source>R (ohm)</source>
        <translation>R (Ω)</translation>
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
        <translation>DC motor parameters</translation>
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
        <translation>kFe</translation>
    </message>
    <message>
        <source>ien</source>
        <translation>IfN</translation>
    </message>
    <message>
        <source>nn</source>
        <translation>nN</translation>
    </message>
    <message>
        <source>en</source>
        <translation>EN</translation>
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
        <translation>Resistance of one stator winding: %1 Ω</translation>
    </message>
    <message>
        <source>couplage étoile</source>
        <translation>Star connection</translation>
    </message>
    <message>
        <source>couplage triangle</source>
        <translation>Delta connection</translation>
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
    <message>
        <source>T (N.m)</source>
        <translation>T (N·m)</translation>
    </message>
    <message>
        <source>g %</source>
        <translation>s (%)</translation>
    </message>
    <message>
        <source>T (n.m)</source>
        <translation>T (N·m)</translation>
    </message>
    <message>
        <source>Coefficient des pertes fer</source>
        <translation>Iron-loss coefficient</translation>
    </message>
    <message>
        <source>Intensité nominale d&apos;excitation (A)</source>
        <translation>Rated field current (A)</translation>
    </message>
    <message>
        <source>Fréquence de rotation nominale (tr/min)</source>
        <translation>Rated speed (rpm)</translation>
    </message>
    <message>
        <source>Force électromotrice de référence (V)</source>
        <translation>Reference EMF (V)</translation>
    </message>
</context>
<context>
    <name>Fusible</name>
    <message>
        <source>Remplacer le fusible</source>
        <translation>Replace the fuse</translation>
    </message>
    <message>
        <source>L&apos;intensité est trop importante, il faut remplacer le fusible</source>
        <translation>The current is too high: the fuse must be replaced</translation>
    </message>
</context>
<context>
    <name>Intro</name>
    <message>
        <source>Logiciel de simulation d&apos;un banc de deux machines à courant continu identiques.</source>
        <translation>Simulation software for a bench of two identical DC machines.</translation>
    </message>
    <message>
        <source>Étude d&apos;une machine à courant continu.</source>
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
        <source>Étude de la machine synchrone</source>
        <translation>Study of the synchronous machine</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Version %1 - %2</source>
        <translation>Version %1 - %2</translation>
    </message>
    <message>
        <source>Auteur : Aurel Varlon</source>
        <translation>Author: Aurel Varlon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un pont tout thyristor</source>
        <translation>Simulation software for a fully controlled thyristor bridge</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un pont mixte</source>
        <translation>Simulation software for a half-controlled bridge</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un pont de diode (ou pont de Graëtz)</source>
        <translation>Simulation software for a diode bridge (or Graetz bridge)</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un onduleur</source>
        <translation>Simulation software for an inverter</translation>
    </message>
    <message>
        <source>Logiciel de simulation des virelais</source>
        <translation>Simulation software for the rotating magnetic field</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un transformateur.</source>
        <translation>Simulation software for a transformer.</translation>
    </message>
</context>
<context>
    <name>Machine1</name>
    <message>
        <source>Banc de machines à courant continu par A. Varlon</source>
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
        <translation>Field current</translation>
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
        <translation>Field current of machine 2</translation>
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
        <translation>n (rpm)</translation>
    </message>
    <message>
        <source>T en Nm</source>
        <translation>T (N·m)</translation>
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
    <name>Onduleur</name>
    <message>
        <source>Étude de l&apos;onduleur par A. Varlon</source>
        <translation>Study of the inverter by A. Varlon</translation>
    </message>
    <message>
        <source>E = %1 V      R = %2 Ω      L = %3 H      f = %4 Hz</source>
        <translation>E = %1 V      R = %2 Ω      L = %3 H      f = %4 Hz</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuil des diodes ont été négligées.</source>
        <translation>For simplicity, the diode forward voltage drops have been neglected.</translation>
    </message>
</context>
<context>
    <name>Redressement</name>
    <message>
        <source>Étude du pont tout thyristor par A. Varlon</source>
        <translation>Study of the fully controlled bridge by A. Varlon</translation>
    </message>
    <message>
        <source>u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz</source>
        <translation>u: sinusoidal voltage, %1 V RMS, %2 Hz</translation>
    </message>
    <message>
        <source>R = %1 ohms</source>
        <translation>R = %1 Ω</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuil des thyristors ont été négligées.</source>
        <translation>For simplicity, the thyristor forward voltage drops have been neglected.</translation>
    </message>
    <message>
        <source>choix de e (V) :</source>
        <translation>Set e (V):</translation>
    </message>
    <message>
        <source>Force électromotrice de la charge</source>
        <translation>Electromotive force (EMF) of the load</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Étude du pont mixte par A. Varlon</source>
        <translation>Study of the half-controlled bridge by A. Varlon</translation>
    </message>
    <message>
        <source>u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz.</source>
        <translation>u: sinusoidal voltage, %1 V RMS, %2 Hz.</translation>
    </message>
    <message>
        <source>R = %1 Ohms.</source>
        <translation>R = %1 Ω.</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuils des diodes et des thyristors ont été négligées.</source>
        <translation>For simplicity, the diode and thyristor forward voltage drops have been neglected.</translation>
    </message>
    <message>
        <source>Étude du pont de diodes par A. Varlon</source>
        <translation>Study of the diode bridge by A. Varlon</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuils des diodes ont été négligées.</source>
        <translation>For simplicity, the diode forward voltage drops have been neglected.</translation>
    </message>
</context>
<context>
    <name>Transfo</name>
    <message>
        <source>Étude du transformateur par A. Varlon</source>
        <translation>Study of the transformer by A. Varlon</translation>
    </message>
    <message>
        <source>Réglage de la tension efficace au primaire</source>
        <translation>Sets the primary RMS voltage</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>interrupteur1</source>
        <translation>SWITCH 1</translation>
    </message>
    <message>
        <source>Fermer/Ouvrir l&apos;interrupteur</source>
        <translation>Close/open the switch</translation>
    </message>
    <message>
        <source> I    N   T   E   R  2</source>
        <translation> S    W   I   T   C   H  2</translation>
    </message>
    <message>
        <source>Cliquer et faire glisser le curseur pour faire varier la résistance</source>
        <translation>Click and drag the slider to vary the resistance</translation>
    </message>
    <message>
        <source>Cliquer et faire glisser le curseur pour faire varier l&apos;inductance</source>
        <translation>Click and drag the slider to vary the inductance</translation>
    </message>
    <message>
        <source>Rhéostat de charge</source>
        <translation>Load rheostat</translation>
    </message>
    <message>
        <source>Inductance de charge</source>
        <translation>Load inductance</translation>
    </message>
    <message>
        <source>Tension efficace au primaire</source>
        <translation>Primary RMS voltage</translation>
    </message>
    <message>
        <source>Intensité efficace primaire</source>
        <translation>Primary RMS current</translation>
    </message>
    <message>
        <source>Puissance active absorbée par le primaire</source>
        <translation>Active power input to the primary</translation>
    </message>
    <message>
        <source>Tension efficace au secondaire</source>
        <translation>Secondary RMS voltage</translation>
    </message>
    <message>
        <source>Intensité efficace au secondaire</source>
        <translation>Secondary RMS current</translation>
    </message>
    <message>
        <source>Puissance active fournie par le secondaire</source>
        <translation>Active power delivered by the secondary</translation>
    </message>
    <message>
        <source>TRANSFO</source>
        <translation>TRANSFORMER</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Interrupteur</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Fermer ou ouvrir l&apos;interrupteur</source>
        <translation>Close or open the switch</translation>
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
        <source>R max</source>
        <translation>R max</translation>
    </message>
    <message>
        <source>%1 VA</source>
        <translation>%1 VA</translation>
    </message>
</context>
<context>
    <name>Virelai</name>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Arrêt et addition des vecteurs</source>
        <translation>Stop and add the vectors</translation>
    </message>
    <message>
        <source>Principe des virelais par A. Varlon</source>
        <translation>Principle of the rotating magnetic field by A. Varlon</translation>
    </message>
    <message>
        <source> Cocher pour visualiser les     champs magnétiques</source>
        <translation>Tick to show the magnetic fields</translation>
    </message>
    <message>
        <source>Arrêt et additions de vecteurs</source>
        <translation>Stop and add the vectors</translation>
    </message>
    <message>
        <source>Angle en ° : </source>
        <translation>Angle in °: </translation>
    </message>
    <message>
        <source>Bobine1</source>
        <translation>Coil 1</translation>
    </message>
    <message>
        <source>Bobine2</source>
        <translation>Coil 2</translation>
    </message>
    <message>
        <source>Bobine3</source>
        <translation>Coil 3</translation>
    </message>
</context>
<context>
    <name>accessibilite</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>avertissement</name>
    <message>
        <source>DANGER</source>
        <translation>DANGER</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>Bancs de machines</source>
        <translation>Machine benches</translation>
    </message>
    <message>
        <source>Machines à courant continu</source>
        <translation>DC machines</translation>
    </message>
    <message>
        <source>deux machines à courant continu identiques sur un même arbre : la machine 1 en moteur, la machine 2 en frein sur un rhéostat ou en entraînement</source>
        <translation>two identical DC machines on one shaft: machine 1 as a motor, machine 2 as a brake on a rheostat or as a second motor</translation>
    </message>
    <message>
        <source>Moteur asynchrone</source>
        <translation>Induction motor</translation>
    </message>
    <message>
        <source>moteur asynchrone triphasé alimenté par un onduleur à fréquence variable, entraînant une charge au choix, avec les courbes couple-vitesse</source>
        <translation>three-phase induction motor fed by a variable-frequency inverter, driving a load of your choice, with the torque-speed curves</translation>
    </message>
    <message>
        <source>Alternateur</source>
        <translation>Alternator</translation>
    </message>
    <message>
        <source>machine synchrone triphasée entraînée en alternateur par un moteur à courant continu, avec excitation, couplage et charge R-L</source>
        <translation>three-phase synchronous machine driven as an alternator by a DC motor, with field supply, connection and R-L load</translation>
    </message>
    <message>
        <source>Électronique de puissance</source>
        <translation>Power electronics</translation>
    </message>
    <message>
        <source>Pont tout thyristors</source>
        <translation>Fully controlled bridge</translation>
    </message>
    <message>
        <source>oscillogrammes d&apos;un pont monophasé tout thyristors</source>
        <translation>waveforms of a single-phase fully controlled thyristor bridge</translation>
    </message>
    <message>
        <source>Pont mixte</source>
        <translation>Half-controlled bridge</translation>
    </message>
    <message>
        <source>oscillogrammes d&apos;un pont monophasé mixte</source>
        <translation>waveforms of a single-phase half-controlled bridge</translation>
    </message>
    <message>
        <source>Pont de diodes</source>
        <translation>Diode bridge</translation>
    </message>
    <message>
        <source>oscillogrammes d&apos;un pont de diodes (pont de Graëtz)</source>
        <translation>waveforms of a diode bridge (Graetz bridge)</translation>
    </message>
    <message>
        <source>Onduleur</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>oscillogrammes d&apos;un onduleur monophasé en pont à commande pleine onde sur charge R-L</source>
        <translation>waveforms of a single-phase full-bridge square-wave inverter on an R-L load</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>transformateur monophasé : essais à vide et en court-circuit, charge R-L réglable, six appareils de mesure et un fusible</source>
        <translation>single-phase transformer: no-load and short-circuit tests, adjustable R-L load, six meters and a fuse</translation>
    </message>
    <message>
        <source>Champ tournant</source>
        <translation>Rotating field</translation>
    </message>
    <message>
        <source>animation du champ tournant créé par trois bobines parcourues par des courants triphasés</source>
        <translation>animation of the rotating field created by three coils carrying three-phase currents</translation>
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
        <translation>Output torque: T</translation>
    </message>
    <message>
        <source>T (N.m)</source>
        <translation>T (N·m)</translation>
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
        <translation>output torque Tu in N·m</translation>
    </message>
    <message>
        <source>Tu (N.m)</source>
        <translation>Tu (N·m)</translation>
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
        <translation>Field voltage Ue</translation>
    </message>
    <message>
        <source>intensité d&apos;excitation Ie</source>
        <translation>field current Ie</translation>
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
    <message>
        <source>Grandeur placée sur l&apos;axe des abscisses</source>
        <translation>Quantity on the horizontal axis</translation>
    </message>
    <message>
        <source>Grandeur placée sur l&apos;axe des ordonnées</source>
        <translation>Quantity on the vertical axis</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nombre de points trop grand ou trop petit : interpolation impossible. Imprimez et tracez la courbe manuellement</source>
        <translation>Too many or too few points: interpolation is impossible. Print and draw the curve by hand</translation>
    </message>
</context>
<context>
    <name>demarrage</name>
    <message>
        <source>%1 : à %2 %, les fenêtres ne tiendraient pas sur cet écran (%3 × %4 pixels disponibles) : elles s&apos;ouvrent à %5 %.</source>
        <translation>%1: at %2%, the windows would not fit on this screen (%3 × %4 pixels available): they open at %5%.</translation>
    </message>
</context>
<context>
    <name>exportation</name>
    <message>
        <source>%1 dans le fichier :
%2</source>
        <translation>%1 in the file:
%2</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>fichier_sur</name>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le fichier dépasserait la taille de fichier permise sur cet ordinateur</source>
        <translation>the file would exceed the file size allowed on this computer</translation>
    </message>
    <message>
        <source>le dossier ou le fichier est protégé en écriture</source>
        <translation>the folder or the file is write-protected</translation>
    </message>
    <message>
        <source>le disque n&apos;accepte que la lecture</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>le disque a signalé une erreur</source>
        <translation>the disk reported an error</translation>
    </message>
    <message>
        <source>ce nom est celui d&apos;un dossier</source>
        <translation>this name is that of a folder</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>the existing file is write-protected</translation>
    </message>
    <message>
        <source>aucun nom de fichier n&apos;a été donné</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit : %2. Le fichier qui portait déjà ce nom est resté tel qu&apos;il était.</source>
        <translation>The file %1 could not be written: %2. The file that already had this name has been left as it was.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit : %2. Rien n&apos;a été enregistré.</source>
        <translation>The file %1 could not be written: %2. Nothing has been saved.</translation>
    </message>
    <message>
        <source>le dossier existe mais n&apos;accepte pas de fichiers</source>
        <translation>the folder exists but does not accept files</translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique qui ne mène à aucun fichier</source>
        <translation>it is a symbolic link that leads to no file</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique, non suivi pour ce fichier</source>
        <translation>it is a symbolic link, not followed for this file</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (tube, périphérique…)</source>
        <translation>it is not a regular file (pipe, device…)</translation>
    </message>
</context>
<context>
    <name>garde_points</name>
    <message>
        <source>aucun dossier de données n&apos;est connu</source>
        <translation>no data folder is known</translation>
    </message>
    <message>
        <source>l&apos;ancien fichier %1 n&apos;a pas pu être supprimé</source>
        <translation>the old file %1 could not be deleted</translation>
    </message>
    <message>
        <source>le dossier %1 n&apos;a pas pu être créé</source>
        <translation>the folder %1 could not be created</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>grandeurs</name>
    <message>
        <source>Puissances côté réseau (u, is)</source>
        <translation>Supply-side power (u, is)</translation>
    </message>
    <message>
        <source>u tension alternative (V)</source>
        <translation>u: AC supply voltage (V)</translation>
    </message>
    <message>
        <source>uc tension redressée (V)</source>
        <translation>uc: rectified voltage (V)</translation>
    </message>
    <message>
        <source>ic courant dans la charge (A)</source>
        <translation>ic: load current (A)</translation>
    </message>
    <message>
        <source>is courant absorbé par le redresseur (A)</source>
        <translation>is: supply current drawn by the rectifier (A)</translation>
    </message>
    <message>
        <source>uT1 tension aux bornes de T1 (V)</source>
        <translation>uT1: voltage across T1 (V)</translation>
    </message>
    <message>
        <source>uT2 tension aux bornes de T2 (V)</source>
        <translation>uT2: voltage across T2 (V)</translation>
    </message>
    <message>
        <source>uT3 tension aux bornes de T3 (V)</source>
        <translation>uT3: voltage across T3 (V)</translation>
    </message>
    <message>
        <source>uT4 tension aux bornes de T4 (V)</source>
        <translation>uT4: voltage across T4 (V)</translation>
    </message>
    <message>
        <source>iT1 intensité dans T1 (A)</source>
        <translation>iT1: current in T1 (A)</translation>
    </message>
    <message>
        <source>iT2 intensité dans T2 (A)</source>
        <translation>iT2: current in T2 (A)</translation>
    </message>
    <message>
        <source>iT3 intensité dans T3 (A)</source>
        <translation>iT3: current in T3 (A)</translation>
    </message>
    <message>
        <source>iT4 intensité dans T4(A)</source>
        <translation>iT4: current in T4 (A)</translation>
    </message>
    <message>
        <source>ig1 intensité dans gâchette T1 (A)</source>
        <translation>ig1: gate current of T1 (A)</translation>
    </message>
    <message>
        <source>ig2 intensité dans gâchette T2 (A)</source>
        <translation>ig2: gate current of T2 (A)</translation>
    </message>
    <message>
        <source>ig3 intensité dans gâchette T3 (A)</source>
        <translation>ig3: gate current of T3 (A)</translation>
    </message>
    <message>
        <source>ig4 intensité dans gâchette T4 (A)</source>
        <translation>ig4: gate current of T4 (A)</translation>
    </message>
    <message>
        <source>ud1 tension aux bornes de D1 (V)</source>
        <translation>ud1: voltage across D1 (V)</translation>
    </message>
    <message>
        <source>ud2 tension aux bornes de D2 (V)</source>
        <translation>ud2: voltage across D2 (V)</translation>
    </message>
    <message>
        <source>iD1 intensité dans D1 (A)</source>
        <translation>iD1: current in D1 (A)</translation>
    </message>
    <message>
        <source>iD2 intensité dans D2(A)</source>
        <translation>iD2: current in D2 (A)</translation>
    </message>
    <message>
        <source>uD1 tension aux bornes de D1 (V)</source>
        <translation>uD1: voltage across D1 (V)</translation>
    </message>
    <message>
        <source>uD2 tension aux bornes de D2 (V)</source>
        <translation>uD2: voltage across D2 (V)</translation>
    </message>
    <message>
        <source>uD3 tension aux bornes de D3 (V)</source>
        <translation>uD3: voltage across D3 (V)</translation>
    </message>
    <message>
        <source>uD4 tension aux bornes de D4 (V)</source>
        <translation>uD4: voltage across D4 (V)</translation>
    </message>
    <message>
        <source>iD2 intensité dans D2 (A)</source>
        <translation>iD2: current in D2 (A)</translation>
    </message>
    <message>
        <source>iD3 intensité dans D3 (A)</source>
        <translation>iD3: current in D3 (A)</translation>
    </message>
    <message>
        <source>iD4 intensité dans D4 (A)</source>
        <translation>iD4: current in D4 (A)</translation>
    </message>
    <message>
        <source>E tension continue (V)</source>
        <translation>E: DC supply voltage (V)</translation>
    </message>
    <message>
        <source>u tension aux bornes de la charge (V)</source>
        <translation>u: voltage across the load (V)</translation>
    </message>
    <message>
        <source>i courant dans la charge (A)</source>
        <translation>i: load current (A)</translation>
    </message>
    <message>
        <source>iE courant absorbé par l&apos;onduleur (A)</source>
        <translation>iE: supply current drawn by the inverter (A)</translation>
    </message>
    <message>
        <source>iD4 intensité dans D4(A)</source>
        <translation>iD4: current in D4 (A)</translation>
    </message>
    <message>
        <source>ib1 courant de base dans T1 (A)</source>
        <translation>ib1: base current of T1 (A)</translation>
    </message>
    <message>
        <source>ib2 courant de base dans T2 (A)</source>
        <translation>ib2: base current of T2 (A)</translation>
    </message>
    <message>
        <source>ib3 courant de base dans T3 (A)</source>
        <translation>ib3: base current of T3 (A)</translation>
    </message>
    <message>
        <source>ib4 courant de base dans T4 (A)</source>
        <translation>ib4: base current of T4 (A)</translation>
    </message>
    <message>
        <source>Puissances dans la charge (u, i)</source>
        <translation>Load power (u, i)</translation>
    </message>
    <message>
        <source>Angle d&apos;amorçage α (°)</source>
        <translation>Firing angle α (°)</translation>
    </message>
    <message>
        <source>F.é.m. de la charge E (V)</source>
        <translation>Load e.m.f. E (V)</translation>
    </message>
    <message>
        <source>Tension continue E (V)</source>
        <translation>DC voltage E (V)</translation>
    </message>
</context>
<context>
    <name>langue</name>
    <message>
        <source>Français</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ligne_commande</name>
    <message>
        <source>100, 125, 150, 175, 200 ou ajuster</source>
        <translation>100, 125, 150, 175, 200 or fit</translation>
    </message>
    <message>
        <source>l&apos;option --taille attend une taille : %1.</source>
        <translation>the --size option expects a size: %1.</translation>
    </message>
    <message>
        <source>taille « %1 » refusée : choisir %2.</source>
        <translation>size &quot;%1&quot; rejected: choose %2.</translation>
    </message>
    <message>
        <source>argument inconnu « %1 ».</source>
        <translation>unknown argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Utilisation : %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 les contributeurs des Bancs d&apos;électrotechnique.
Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : chacun est libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans la mesure de ce que permet la loi.
</source>
        <translation>Copyright © 2026 the contributors of the Electrical Engineering Benches.
Licence GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
    <message>
        <source>%1 (Bancs d&apos;électrotechnique) %2</source>
        <translation>%1 (Electrical Engineering Benches) %2</translation>
    </message>
    <message>
        <source>langue « %1 » refusée : choisir %2.</source>
        <translation>language &quot;%1&quot; rejected: choose %2.</translation>
    </message>
    <message>
        <source>  --taille N        ouvre les fenêtres à N % de leur taille d&apos;origine (pour un vidéoprojecteur),
                    ou moins si elles ne tiendraient pas sur l&apos;écran
  --taille ajuster  les ouvre à la plus grande taille qui tient sur l&apos;écran
  --langue CODE     langue de l&apos;interface : %1
  --aide            affiche cette aide
  --version         affiche la version et la licence
Sans --taille, la taille retenue par le lanceur (ou 100) ; sans --langue, la langue retenue par le lanceur, ou celle du poste.
</source>
        <translation>  --size N          opens the windows at N% of their original size (for a projector),
                    or smaller if they would not fit on the screen
  --size fit        opens them at the largest size that fits on the screen
  --language CODE   language of the interface: %1
  --help            shows this help
  --version         shows the version and the licence
Without --size, the windows open at the size remembered by the launcher (or 100%); without --language, in the language remembered by the launcher, or else in the language of the computer. The French names --taille, --langue and ajuster are accepted too.
</translation>
    </message>
    <message>
        <source>[--taille 100|125|150|175|200|ajuster] [--langue %1]</source>
        <translation>[--size 100|125|150|175|200|fit] [--language %1]</translation>
    </message>
</context>
<context>
    <name>oscillo</name>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
</context>
<context>
    <name>oscillo::FenetreOscillo</name>
    <message>
        <source>Choisir la grandeur à visualiser</source>
        <translation>Choose the quantity to display</translation>
    </message>
    <message>
        <source>Choisir une grandeur</source>
        <translation>Choose a quantity</translation>
    </message>
    <message>
        <source>Valeur instantanée =</source>
        <translation>Instantaneous value =</translation>
    </message>
    <message>
        <source>Valeur moyenne =</source>
        <translation>Mean value =</translation>
    </message>
    <message>
        <source>Valeur efficace =</source>
        <translation>RMS value =</translation>
    </message>
    <message>
        <source>%1, panneau %2</source>
        <translation>%1, panel %2</translation>
    </message>
    <message>
        <source>Grandeur du panneau %1</source>
        <translation>Quantity of panel %1</translation>
    </message>
    <message>
        <source>Démarrer </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>Démarrer, arrêter ou reprendre le balayage</source>
        <translation>Start, stop or resume the sweep</translation>
    </message>
    <message>
        <source> Mouvement du curseur</source>
        <translation> Cursor movement</translation>
    </message>
    <message>
        <source>Accélérer</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Accélérer le curseur</source>
        <translation>Speed up the cursor</translation>
    </message>
    <message>
        <source>Ralentir</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Ralentir le curseur</source>
        <translation>Slow down the cursor</translation>
    </message>
    <message>
        <source>Exporter la période…</source>
        <translation>Export one period…</translation>
    </message>
    <message>
        <source>Enregistrer une période des grandeurs choisies dans un fichier CSV, pour un tableur</source>
        <translation>Save one period of the chosen quantities in a CSV file, for a spreadsheet</translation>
    </message>
    <message>
        <source>Spectre…</source>
        <translation>Spectrum…</translation>
    </message>
    <message>
        <source>Harmoniques, taux de distorsion et puissances, calculés exactement</source>
        <translation>Harmonics, distortion and powers, calculated exactly</translation>
    </message>
    <message>
        <source>Aucune grandeur n&apos;est choisie : choisissez-en au moins une dans les listes au-dessus des panneaux, puis exportez la période.</source>
        <translation>No quantity is chosen: choose at least one in the lists above the panels, then export one period.</translation>
    </message>
    <message>
        <source>Exporter une période vers un tableur (CSV)</source>
        <translation>Export one period to a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Une période des grandeurs choisies (%1 instants) a été enregistrée</source>
        <translation>One period of the chosen quantities (%1 samples) has been saved</translation>
    </message>
</context>
<context>
    <name>oscillo::FenetreRedresseur</name>
    <message>
        <source>Angle à l&apos;amorçage en °</source>
        <translation>Firing angle in °</translation>
    </message>
    <message>
        <source>Angle d&apos;amorçage des thyristors, de 0 à 180°</source>
        <translation>Firing angle of the thyristors, from 0 to 180°</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>oscillo::FenetreSpectre</name>
    <message>
        <source>Rang</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Valeur efficace</source>
        <translation>RMS value</translation>
    </message>
    <message>
        <source>% du fondamental</source>
        <translation>% of fundamental</translation>
    </message>
    <message>
        <source>Phase (°)</source>
        <translation>Phase (°)</translation>
    </message>
    <message>
        <source>Spectre et puissances</source>
        <translation>Spectrum and powers</translation>
    </message>
    <message>
        <source>Grandeur :</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Choisir la grandeur dont on veut le spectre</source>
        <translation>Choose the quantity whose spectrum you want</translation>
    </message>
    <message>
        <source>Rang de l&apos;harmonique</source>
        <translation>Harmonic order</translation>
    </message>
    <message>
        <source>Tableau des harmoniques</source>
        <translation>Table of harmonics</translation>
    </message>
    <message>
        <source>Valeur moyenne =</source>
        <translation>Mean value =</translation>
    </message>
    <message>
        <source>Valeur efficace =</source>
        <translation>RMS value =</translation>
    </message>
    <message>
        <source>Fondamental (efficace) =</source>
        <translation>Fundamental (RMS) =</translation>
    </message>
    <message>
        <source>THD =</source>
        <translation>THD =</translation>
    </message>
    <message>
        <source>Puissance active P =</source>
        <translation>Active power P =</translation>
    </message>
    <message>
        <source>Puissance apparente S =</source>
        <translation>Apparent power S =</translation>
    </message>
    <message>
        <source>Facteur de puissance k =</source>
        <translation>Power factor k =</translation>
    </message>
    <message>
        <source>Facteur de déplacement cos φ1 =</source>
        <translation>Displacement factor cos φ1 =</translation>
    </message>
    <message>
        <source>Puissance fournie par E =</source>
        <translation>Power supplied by E =</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Enregistrer le tableau des harmoniques dans un fichier CSV, pour un tableur</source>
        <translation>Save the table of harmonics in a CSV file, for a spreadsheet</translation>
    </message>
    <message>
        <source>Exporter le spectre vers un tableur (CSV)</source>
        <translation>Export the spectrum to a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Le spectre de %1 (rangs 1 à %2) a été enregistré</source>
        <translation>The spectrum of %1 (orders 1 to %2) has been saved</translation>
    </message>
    <message>
        <source>hors d&apos;échelle</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Grandeur</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Pas du balayage (s)</source>
        <translation>Sweep step (s)</translation>
    </message>
    <message>
        <source>Valeur efficace (%1)</source>
        <translation>RMS value (%1)</translation>
    </message>
    <message>
        <source>Rang %1 : %2</source>
        <translation>Order %1: %2</translation>
    </message>
    <message>
        <source>Diagramme des harmoniques</source>
        <translation>Harmonics chart</translation>
    </message>
    <message>
        <source>Imprimer…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Imprimer le diagramme et le tableau, ou les enregistrer en PDF sans imprimante</source>
        <translation>Print the chart and the table, or save them as PDF when there is no printer</translation>
    </message>
    <message>
        <source>Spectre de %1</source>
        <translation>Spectrum of %1</translation>
    </message>
    <message>
        <source>f (Hz)</source>
        <translation>f (Hz)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée. Le spectre a été enregistré au format PDF dans le fichier :
%1</source>
        <translation>No printer is installed. The spectrum was saved as PDF in the file:
%1</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer sur l&apos;imprimante %1.</source>
        <translation>Printing could not start on the printer %1.</translation>
    </message>
    <message>
        <source>Aucune imprimante : enregistrer le spectre en PDF</source>
        <translation>No printer: save the spectrum as PDF</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>page_imprimee</name>
    <message>
        <source>la page n&apos;a pas pu être dessinée</source>
        <translation>the page could not be drawn</translation>
    </message>
</context>
<context>
    <name>piste_clavier</name>
    <message>
        <source>Flèches : déplacer le point lu ; Maj + flèche, Page précédente ou suivante : grand pas ; Début, Fin : bords</source>
        <translation>Arrows: move the point read; Shift + arrow, Page Up or Page Down: large step; Home, End: edges</translation>
    </message>
</context>
<context>
    <name>reglages</name>
    <message>
        <source>Le fichier des réglages %1 n&apos;est pas utilisé : %2. La taille et la langue retenues ne sont ni lues ni enregistrées.</source>
        <translation>The settings file %1 is not used: %2. The remembered size and language are neither read nor saved.</translation>
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
        <translation>Pump</translation>
    </message>
    <message>
        <source>fraiseuse</source>
        <translation>Milling machine</translation>
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
        <translation>At start-up, the armature current is very high. Reduce the armature voltage before closing the armature switch.</translation>
    </message>
    <message>
        <source>L&apos;intensité du courant circulant dans l&apos;induit est trop importante. Vous risquez d&apos;endommager le moteur.</source>
        <translation>The current flowing in the armature is too high. You risk damaging the motor.</translation>
    </message>
    <message>
        <source>L&apos;intensité du courant circulant dans l&apos;inducteur est trop importante. Vous risquez d&apos;endommager le moteur.</source>
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
        <translation>%1 Ω rheostat</translation>
    </message>
</context>
</TS>
