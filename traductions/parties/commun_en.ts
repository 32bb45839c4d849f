<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>ApercuImpression</name>
    <message>
        <source>Tracer la courbe (cas d'un graphe avec une seule courbe)</source>
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
        <source>Actualiser l'affichage</source>
        <translation>Refresh the display</translation>
    </message>
    <message>
        <source>Lecture des coordonnées sur le graphe</source>
        <translation>Reading the coordinates on the graph</translation>
    </message>
    <message>
        <source>L'impression n'a pas pu commencer sur l'imprimante %1.</source>
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
        <source>Aucune imprimante n'est installée. La page a été enregistrée au format PDF dans le fichier :
%1</source>
        <translation>No printer is installed. The page has been saved in PDF format in the file:
%1</translation>
    </message>
    <message>
        <source>Courbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>la page n'a pas pu être dessinée</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>xmax</source>
        <translation>xmax</translation>
    </message>
    <message>
        <source>ymax</source>
        <translation>ymax</translation>
    </message>
</context>
<context>
    <name>Bancs</name>
    <message>
        <source>Ajuster à l'écran</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>Bancs d'électrotechnique</source>
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
        <translation>Size of the windows of the programs started (video projector)</translation>
    </message>
    <message>
        <source>Ajuster à l'écran (%1)</source>
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
        <translation>Language of the launcher and of the programs started</translation>
    </message>
    <message>
        <source>Langue du poste</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>il n'est pas installé avec le lanceur.

Cherché ici :
%1</source>
        <translation>it is not installed with the launcher.

Looked for here:
%1</translation>
    </message>
    <message>
        <source>le système n'a pas pu le démarrer (%1).</source>
        <translation>the system could not start it (%1).</translation>
    </message>
    <message>
        <source>« %1 » (%2) démarre…</source>
        <translation>“%1” (%2) is starting…</translation>
    </message>
    <message>
        <source>« %1 » (%2) s'est fermé.</source>
        <translation>“%1” (%2) has closed.</translation>
    </message>
    <message>
        <source>« %1 » (%2) tourne dans sa propre fenêtre.</source>
        <translation>“%1” (%2) is running in its own window.</translation>
    </message>
    <message>
        <source>il s'est arrêté aussitôt.</source>
        <translation>it stopped at once.</translation>
    </message>
    <message>
        <source>il a été arrêté aussitôt par le signal SIG%1.</source>
        <translation>it was stopped at once by the signal SIG%1.</translation>
    </message>
    <message>
        <source>il s'est arrêté aussitôt en erreur (code %1).</source>
        <translation>it stopped at once with an error (code %1).</translation>
    </message>
    <message>
        <source>%1 Il a écrit :

%2</source>
        <translation>%1 It wrote:

%2</translation>
    </message>
    <message>
        <source>« %1 » (%2) n'a pas pu démarrer.</source>
        <translation>“%1” (%2) could not start.</translation>
    </message>
    <message>
        <source>Le programme « %1 » (%2) n'a pas pu démarrer : %3</source>
        <translation>The program “%1” (%2) could not start: %3</translation>
    </message>
    <message>
        <source>de %1 à %2 % selon le programme</source>
        <translation>from %1 to %2 % depending on the program</translation>
    </message>
    <message>
        <source>%1 à %2 %</source>
        <translation>%1 at %2 %</translation>
    </message>
    <message>
        <source>%1 % (%2, pour tenir sur l'écran)</source>
        <translation>%1 % (%2, to fit on the screen)</translation>
    </message>
    <message>
        <source>Les programmes lancés s'ouvriront à la plus grande taille qui tient sur cet écran : %1.</source>
        <translation>The programs started will open at the largest size that fits on this screen: %1.</translation>
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
        <source>%1 ne tient pas sur cet écran : les programmes lancés s'ouvriront %2.</source>
        <translation>%1 does not fit on this screen: the programs started will open %2.</translation>
    </message>
    <message>
        <source>Les programmes lancés s'ouvriront %1.</source>
        <translation>The programs started will open %1.</translation>
    </message>
</context>
<context>
    <name>Courbe</name>
    <message>
        <source>Tracé d'une courbe</source>
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
        <source>Apercu de la courbe</source>
        <translation>Curve preview</translation>
    </message>
    <message>
        <source>La liste est pleine : %1 points sont déjà placés. Ce point n'est pas enregistré ; enlevez-en un ou recommencez la courbe.</source>
        <translation>The list is full: %1 points are already placed. This point is not recorded; remove one or start the curve again.</translation>
    </message>
    <message>
        <source>Aucun point n'est enregistré : il n'y a rien à copier.</source>
        <translation>No point is recorded: there is nothing to copy.</translation>
    </message>
    <message>
        <source>%1 point(s) copié(s) avec les légendes des axes : collez-les dans un tableur (Ctrl+V), ils y prennent deux colonnes.</source>
        <translation>%1 point(s) copied with the axis labels: paste them into a spreadsheet (Ctrl+V), where they take two columns.</translation>
    </message>
    <message>
        <source>Aucun point n'est enregistré : il n'y a rien à exporter.</source>
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
        <source>Le fichier des points précédents est abîmé ou d'un autre programme : il est ignoré.</source>
        <translation>The file of the previous points is damaged or belongs to another program: it is ignored.</translation>
    </message>
    <message>
        <source>dd/MM/yyyy à HH:mm</source>
        <translation>dd/MM/yyyy 'at' HH:mm</translation>
    </message>
    <message>
        <source>Reprendre les points précédents
(%1 points du %2)</source>
        <translation>Restore the previous points
(%1 points of %2)</translation>
    </message>
    <message>
        <source>Reprendre les points précédents
(%1 point du %2)</source>
        <translation>Restore the previous points
(%1 point of %2)</translation>
    </message>
    <message>
        <source>Les points ne sont pas gardés sur le disque : %1.</source>
        <translation>The points are not kept on the disk: %1.</translation>
    </message>
    <message>
        <source>xmax</source>
        <translation>xmax</translation>
    </message>
    <message>
        <source>y max</source>
        <translation>y max</translation>
    </message>
</context>
<context>
    <name>FeuilleMauvaiseManip</name>
    <message>
        <source>Mauvaise manipulation</source>
        <translation>Wrong operation</translation>
    </message>
    <message>
        <source>Oui, bien sûr</source>
        <translation>Yes, of course</translation>
    </message>
</context>
<context>
    <name>Intro</name>
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
        <translation>two identical DC machines on one shaft: machine 1 as a motor, machine 2 as a brake on a rheostat or as a drive</translation>
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
        <translation>three-phase synchronous machine driven as an alternator by a DC motor, with excitation, connection and R-L load</translation>
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
        <source>oscillogrammes d'un pont monophasé tout thyristors</source>
        <translation>waveforms of a single-phase fully controlled thyristor bridge</translation>
    </message>
    <message>
        <source>Pont mixte</source>
        <translation>Half-controlled bridge</translation>
    </message>
    <message>
        <source>oscillogrammes d'un pont monophasé mixte</source>
        <translation>waveforms of a single-phase half-controlled bridge</translation>
    </message>
    <message>
        <source>Pont de diodes</source>
        <translation>Diode bridge</translation>
    </message>
    <message>
        <source>oscillogrammes d'un pont de diodes (pont de Graëtz)</source>
        <translation>waveforms of a diode bridge (Graetz bridge)</translation>
    </message>
    <message>
        <source>Onduleur</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>oscillogrammes d'un onduleur monophasé en pont à commande pleine onde sur charge R-L</source>
        <translation>waveforms of a single-phase full-bridge inverter with full-wave control on an R-L load</translation>
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
        <source>Grandeur placée sur l'axe des abscisses</source>
        <translation>Quantity on the horizontal axis</translation>
    </message>
    <message>
        <source>Grandeur placée sur l'axe des ordonnées</source>
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
        <source>%1 : à %2 %, les fenêtres ne tiendraient pas sur cet écran (%3 × %4 pixels disponibles) : elles s'ouvrent à %5 %.</source>
        <translation>%1: at %2 %, the windows would not fit on this screen (%3 × %4 pixels available): they open at %5 %.</translation>
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
        <source>le disque n'accepte que la lecture</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le dossier n'existe pas</source>
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
        <source>ce nom est celui d'un dossier</source>
        <translation>this name is that of a folder</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>the existing file is write-protected</translation>
    </message>
    <message>
        <source>aucun nom de fichier n'a été donné</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>Le fichier %1 n'a pas pu être écrit : %2. Le fichier qui portait déjà ce nom est resté tel qu'il était.</source>
        <translation>The file %1 could not be written: %2. The file that already had this name has been left as it was.</translation>
    </message>
    <message>
        <source>Le fichier %1 n'a pas pu être écrit : %2. Rien n'a été enregistré.</source>
        <translation>The file %1 could not be written: %2. Nothing has been saved.</translation>
    </message>
</context>
<context>
    <name>garde_points</name>
    <message>
        <source>aucun dossier de données n'est connu</source>
        <translation>no data folder is known</translation>
    </message>
    <message>
        <source>l'ancien fichier %1 n'a pas pu être supprimé</source>
        <translation>the old file %1 could not be deleted</translation>
    </message>
    <message>
        <source>le dossier %1 n'a pas pu être créé</source>
        <translation>the folder %1 could not be created</translation>
    </message>
</context>
<context>
    <name>grandeurs</name>
    <message>
        <source>Puissances côté réseau (u, is)</source>
        <translation>Powers on the supply side (u, is)</translation>
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
        <translation>Export the period…</translation>
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
        <source>Aucune grandeur n'est choisie : choisissez-en au moins une dans les listes au-dessus des panneaux, puis exportez la période.</source>
        <translation>No quantity is chosen: choose at least one in the lists above the panels, then export the period.</translation>
    </message>
    <message>
        <source>Exporter une période vers un tableur (CSV)</source>
        <translation>Export one period to a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Une période des grandeurs choisies (%1 instants) a été enregistrée</source>
        <translation>One period of the chosen quantities (%1 instants) has been saved</translation>
    </message>
</context>
<context>
    <name>oscillo::FenetreRedresseur</name>
    <message>
        <source>Angle à l'amorçage en °</source>
        <translation>Firing angle in °</translation>
    </message>
    <message>
        <source>Angle d'amorçage des thyristors, de 0 à 180°</source>
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
        <source>Rang de l'harmonique</source>
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
</context>
<context>
    <name>piste_clavier</name>
    <message>
        <source>Flèches : déplacer le point lu ; Maj + flèche, Page précédente ou suivante : grand pas ; Début, Fin : bords</source>
        <translation>Arrows: move the point read; Shift + arrow, Page Up or Page Down: large step; Home, End: edges</translation>
    </message>
</context>
</TS>
