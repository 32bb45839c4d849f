<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
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
        <translation>100, 125, 150, 175, 200 or ajuster</translation>
    </message>
    <message>
        <source>l&apos;option --taille attend une taille : %1.</source>
        <translation>the --taille option expects a size: %1.</translation>
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
        <translation>  --taille N        opens the windows at N % of their original size (for a projector),
                    or smaller if they would not fit on the screen
  --taille ajuster  opens them at the largest size that fits on the screen
  --langue CODE     language of the interface: %1
  --aide, --help    shows this help
  --version         shows the version and the licence
Without --taille, the size remembered by the launcher (or 100); without --langue, the language remembered by the launcher, or that of the computer.
</translation>
    </message>
</context>
</TS>
