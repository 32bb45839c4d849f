<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>Courbe</name>
    <message numerus="yes">
        <source>%n point(s) copié(s) avec les légendes des axes : collez-les dans un tableur (Ctrl+V), ils y prennent deux colonnes.</source>
        <translation>
            <numerusform>%n point copié avec les légendes des axes : collez-le dans un tableur (Ctrl+V), il y prend deux colonnes.</numerusform>
            <numerusform>%n points copiés avec les légendes des axes : collez-les dans un tableur (Ctrl+V), ils y prennent deux colonnes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reprendre les points précédents
(%n point(s) du %1)</source>
        <translation>
            <numerusform>Reprendre les points précédents
(%n point du %1)</numerusform>
            <numerusform>Reprendre les points précédents
(%n points du %1)</numerusform>
        </translation>
    </message>
</context>
</TS>
