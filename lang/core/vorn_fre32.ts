<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5000">
        <source>The project file "%1" could not be read: %2</source>
        <translation>Le fichier projet « %1 » n'a pas pu être lu : %2</translation>
    </message>
    <message id="5001">
        <source>The project file "%1" is damaged: it ends after %2 bytes, before all the values of version %3 are read.</source>
        <translation>Le fichier projet « %1 » est endommagé : il s'arrête après %2 octets, avant que toutes les valeurs de la version %3 soient lues.</translation>
    </message>
    <message id="5002">
        <source>The project could not be saved to "%1": %2</source>
        <translation>Le projet n'a pas pu être enregistré dans « %1 » : %2</translation>
    </message>
    <message id="5003">
        <source>The project was not saved: a setting in the form is not valid. Correct it and save again.</source>
        <translation>Le projet n'a pas été enregistré : un réglage du formulaire n'est pas valable. Corrigez-le et enregistrez à nouveau.</translation>
    </message>
    <message id="5004">
        <source>The master type "%1" converts the warning threshold between scale and gauge units, but its scale limits (%2 to %3) or its warning limits (%4 to %5) are equal, so the threshold cannot be converted. Correct the master type in the catalogue.</source>
        <translation>Le type maître « %1 » convertit le seuil d'alerte entre unités d'échelle et unités de l'appareil, mais ses limites d'échelle (%2 à %3) ou ses limites d'alerte (%4 à %5) sont égales : la conversion est impossible. Corrigez le type maître dans le catalogue.</translation>
    </message>
</context>
</TS>
