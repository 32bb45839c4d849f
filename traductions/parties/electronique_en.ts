<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
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
        <translation>Simulation software for virelais</translation>
    </message>
    <message>
        <source>Logiciel de simulation d&apos;un transformateur.</source>
        <translation>Simulation software for a transformer.</translation>
    </message>
</context>
<context>
    <name>Onduleur</name>
    <message>
        <source>Etude de l&apos;onduleur par A. Varlon</source>
        <translation>Study of the inverter by A. Varlon</translation>
    </message>
    <message>
        <source>E = %1 V      R = %2 Ω      L = %3 H      f = %4 Hz</source>
        <translation>E = %1 V      R = %2 Ω      L = %3 H      f = %4 Hz</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuil des diodes ont été négligées.</source>
        <translation>For simplicity, the diode threshold voltages have been neglected.</translation>
    </message>
</context>
<context>
    <name>Redressement</name>
    <message>
        <source>Etude du pont tout thyristor par A. Varlon</source>
        <translation>Study of the fully controlled bridge by A. Varlon</translation>
    </message>
    <message>
        <source>u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz</source>
        <translation>u: sinusoidal voltage of RMS value %1 V and frequency %2 Hz</translation>
    </message>
    <message>
        <source>R = %1 ohms</source>
        <translation>R = %1 ohms</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuil des thyristors ont été négligées.</source>
        <translation>For simplicity, the thyristor threshold voltages have been neglected.</translation>
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
        <source>Etude du pont mixte par A. Varlon</source>
        <translation>Study of the half-controlled bridge by A. Varlon</translation>
    </message>
    <message>
        <source>u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz.</source>
        <translation>u: sinusoidal voltage of RMS value %1 V and frequency %2 Hz.</translation>
    </message>
    <message>
        <source>R = %1 Ohms.</source>
        <translation>R = %1 ohms.</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuils des diodes et des thyristors ont été négligées.</source>
        <translation>For simplicity, the diode and thyristor threshold voltages have been neglected.</translation>
    </message>
    <message>
        <source>Etude du pont de diodes par A. Varlon</source>
        <translation>Study of the diode bridge by A. Varlon</translation>
    </message>
    <message>
        <source>Pour simplifier, les tensions de seuils des diodes ont été négligées.</source>
        <translation>For simplicity, the diode threshold voltages have been neglected.</translation>
    </message>
</context>
<context>
    <name>Transfo</name>
    <message>
        <source>Etude du transformateur par A. Varlon</source>
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
        <translation>switch1</translation>
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
        <translation>Click and drag the cursor to vary the resistance</translation>
    </message>
    <message>
        <source>Cliquer et faire glisser le curseur pour faire varier l&apos;inductance</source>
        <translation>Click and drag the cursor to vary the inductance</translation>
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
        <source>Puissance active absorbé par l&apos;induit</source>
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
        <source>Puissance active fourni par le secondaire</source>
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
        <translation>Adjustment area</translation>
    </message>
    <message>
        <source>Zone de mesure</source>
        <translation>Measurement area</translation>
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
        <translation>Principle of virelais by A. Varlon</translation>
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
    <name>grandeurs</name>
    <message>
        <source>u tension alternative (V)</source>
        <translation>u AC voltage (V)</translation>
    </message>
    <message>
        <source>uc tension redressée (V)</source>
        <translation>uc rectified voltage (V)</translation>
    </message>
    <message>
        <source>ic courant dans la charge (A)</source>
        <translation>ic load current (A)</translation>
    </message>
    <message>
        <source>is courant absorbé par le redresseur (A)</source>
        <translation>is current drawn by the rectifier (A)</translation>
    </message>
    <message>
        <source>uT1 tension aux bornes de T1 (V)</source>
        <translation>uT1 voltage across T1 (V)</translation>
    </message>
    <message>
        <source>uT2 tension aux bornes de T2 (V)</source>
        <translation>uT2 voltage across T2 (V)</translation>
    </message>
    <message>
        <source>uT3 tension aux bornes de T3 (V)</source>
        <translation>uT3 voltage across T3 (V)</translation>
    </message>
    <message>
        <source>uT4 tension aux bornes de T4 (V)</source>
        <translation>uT4 voltage across T4 (V)</translation>
    </message>
    <message>
        <source>iT1 intensité dans T1 (A)</source>
        <translation>iT1 current in T1 (A)</translation>
    </message>
    <message>
        <source>iT2 intensité dans T2 (A)</source>
        <translation>iT2 current in T2 (A)</translation>
    </message>
    <message>
        <source>iT3 intensité dans T3 (A)</source>
        <translation>iT3 current in T3 (A)</translation>
    </message>
    <message>
        <source>iT4 intensité dans T4(A)</source>
        <translation>iT4 current in T4 (A)</translation>
    </message>
    <message>
        <source>ig1 intensité dans gachette T1 (A)</source>
        <translation>ig1 gate current of T1 (A)</translation>
    </message>
    <message>
        <source>ig2 intensité dans gachette T2 (A)</source>
        <translation>ig2 gate current of T2 (A)</translation>
    </message>
    <message>
        <source>ig3 intensité dans gachette T3 (A)</source>
        <translation>ig3 gate current of T3 (A)</translation>
    </message>
    <message>
        <source>ig4 intensité dans gachette T4 (A)</source>
        <translation>ig4 gate current of T4 (A)</translation>
    </message>
    <message>
        <source>ud1 tension aux bornes de D1 (V)</source>
        <translation>ud1 voltage across D1 (V)</translation>
    </message>
    <message>
        <source>ud2 tension aux bornes de D2 (V)</source>
        <translation>ud2 voltage across D2 (V)</translation>
    </message>
    <message>
        <source>iD1 intensité dans D1 (A)</source>
        <translation>iD1 current in D1 (A)</translation>
    </message>
    <message>
        <source>iD2 intensité dans D2(A)</source>
        <translation>iD2 current in D2 (A)</translation>
    </message>
    <message>
        <source>uD1 tension aux bornes de D1 (V)</source>
        <translation>uD1 voltage across D1 (V)</translation>
    </message>
    <message>
        <source>uD2 tension aux bornes de D2 (V)</source>
        <translation>uD2 voltage across D2 (V)</translation>
    </message>
    <message>
        <source>uD3 tension aux bornes de D3 (V)</source>
        <translation>uD3 voltage across D3 (V)</translation>
    </message>
    <message>
        <source>uD4 tension aux bornes de D4 (V)</source>
        <translation>uD4 voltage across D4 (V)</translation>
    </message>
    <message>
        <source>iD2 intensité dans D2 (A)</source>
        <translation>iD2 current in D2 (A)</translation>
    </message>
    <message>
        <source>iD3 intensité dans D3 (A)</source>
        <translation>iD3 current in D3 (A)</translation>
    </message>
    <message>
        <source>iD4 intensité dans D4 (A)</source>
        <translation>iD4 current in D4 (A)</translation>
    </message>
    <message>
        <source>E tension continue (V)</source>
        <translation>E DC voltage (V)</translation>
    </message>
    <message>
        <source>u tension aux bornes de la charge (V)</source>
        <translation>u voltage across the load (V)</translation>
    </message>
    <message>
        <source>i courant dans la charge (A)</source>
        <translation>i load current (A)</translation>
    </message>
    <message>
        <source>iE courant absorbé par l&apos;onduleur (A)</source>
        <translation>iE current drawn by the inverter (A)</translation>
    </message>
    <message>
        <source>iD4 intensité dans D4(A)</source>
        <translation>iD4 current in D4 (A)</translation>
    </message>
    <message>
        <source>ib1 courant de base dans T1 (A)</source>
        <translation>ib1 base current of T1 (A)</translation>
    </message>
    <message>
        <source>ib2 courant de base dans T2 (A)</source>
        <translation>ib2 base current of T2 (A)</translation>
    </message>
    <message>
        <source>ib3 courant de base dans T3 (A)</source>
        <translation>ib3 base current of T3 (A)</translation>
    </message>
    <message>
        <source>ib4 courant de base dans T4 (A)</source>
        <translation>ib4 base current of T4 (A)</translation>
    </message>
    <message>
        <source>Puissances dans la charge (u, i)</source>
        <translation>Load powers (u, i)</translation>
    </message>
</context>
</TS>
