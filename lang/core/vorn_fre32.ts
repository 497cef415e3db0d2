<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5000">
        <source>The project file "%1" could not be read: %2</source>
        <translation>Le fichier projet « %1 » n'a pas pu être lu : %2</translation>
    </message>
    <message id="5002">
        <source>The project could not be saved to "%1": %2</source>
        <translation>Le projet n'a pas pu être enregistré dans « %1 » : %2</translation>
    </message>
    <message id="5015">
        <source>"%1" cannot be saved where it was: %2. Choose a name and folder to save it.</source>
        <translation>« %1 » ne peut pas être enregistré à son emplacement : %2. Choisissez un nom et un dossier pour l'enregistrer.</translation>
    </message>
    <message id="5016">
        <source>its folder no longer exists</source>
        <translation>son dossier n'existe plus</translation>
    </message>
    <message id="5017">
        <source>the file or its folder is write-protected</source>
        <translation>le fichier ou son dossier est protégé en écriture</translation>
    </message>
    <message id="5018">
        <source>The project file "%1" holds values no gauge can take: %2. Correct them before the project is saved, written to a gauge or put on a sheet.</source>
        <translation>Le fichier de projet « %1 » contient des valeurs qu’aucun instrument ne peut prendre : %2. Corrigez-les avant d’enregistrer le projet, de l’écrire dans un instrument ou d’en faire une fiche.</translation>
    </message>
    <message id="5019">
        <source>"%1" was changed by another program since this project was opened or saved here. Replace it with the project as it is here?</source>
        <translation>« %1 » a été modifié par un autre programme depuis que ce projet a été ouvert ou enregistré ici. Le remplacer par le projet tel qu’il est ici ?</translation>
    </message>
    <message id="5020">
        <source>The settings could not be stored: %1 cannot be written. Make it writable and choose them again.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés : impossible d’écrire %1. Rendez ce fichier accessible en écriture et choisissez-les à nouveau.</translation>
    </message>
    <message id="5021">
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message id="5022">
        <source>Its folder is write-protected.</source>
        <translation>Son dossier est protégé en écriture.</translation>
    </message>
    <message id="5004">
        <source>The master type "%1" converts the warning threshold between scale and gauge units, but its scale limits (%2 to %3) or its warning limits (%4 to %5) are equal, so the threshold cannot be converted. Correct the master type in the catalogue.</source>
        <translation>Le type maître « %1 » convertit le seuil d'alerte entre unités d'échelle et unités de l'appareil, mais ses limites d'échelle (%2 à %3) ou ses limites d'alerte (%4 à %5) sont égales : la conversion est impossible. Corrigez le type maître dans le catalogue.</translation>
    </message>
    <message id="5005">
        <source>The file "%1" is not a Skaleron project: it has %2 bytes, but a project of version %3 has %4 bytes.</source>
        <translation>Le fichier « %1 » n’est pas un projet Skaleron : il fait %2 octets, alors qu’un projet de version %3 en fait %4.</translation>
    </message>
    <message id="5006">
        <source>The project file "%1" is empty or damaged: it has only %2 bytes.</source>
        <translation>Le fichier projet « %1 » est vide ou endommagé : il ne fait que %2 octets.</translation>
    </message>
    <message id="5001">
        <source>The project file "%1" is damaged: it has only %2 bytes, too few for a project of version %3.</source>
        <translation>Le fichier projet « %1 » est endommagé : il ne fait que %2 octets, trop peu pour un projet de version %3.</translation>
    </message>
    <message id="5010">
        <source>%1 %2 cannot be saved or sent to the gauge: allowed are %3 to %4.</source>
        <translation>%1 %2 ne peut être ni enregistré ni envoyé à l'instrument : les valeurs admises vont de %3 à %4.</translation>
    </message>
    <message id="5011">
        <source>%1 %2 cannot be saved or sent to the gauge: this gauge firmware takes whole numbers only, from %3 to %4.</source>
        <translation>%1 %2 ne peut être ni enregistré ni envoyé à l'instrument : ce micrologiciel n'accepte que des nombres entiers de %3 à %4.</translation>
    </message>
    <message id="5007">
        <source>The master type of this project (key %1) is not in the master type catalogue. Its settings are kept, but it cannot be read from or written to a gauge until the catalogue holds its master type (Gauge → Communication settings names the catalogue).</source>
        <translation>Le type de maître de ce projet (clé %1) manque au catalogue. Ses réglages sont conservés, mais la lecture et l'écriture de l'instrument restent impossibles tant que le catalogue ne le contient pas (catalogue : Instrument → Paramètres de communication).</translation>
    </message>
    <message id="5008">
        <source>The program ended without saving the changes to %1 (last copied %2). Restore them?</source>
        <translation>Le programme s'est terminé sans enregistrer les modifications de %1 (dernière copie %2). Les restaurer ?</translation>
    </message>
    <message id="5061">
        <source>%1 The file "%2" has version %3; this program reads versions %4 to %5.</source>
        <translation>%1 Le fichier « %2 » a la version %3 ; ce programme lit les versions %4 à %5.</translation>
    </message>
    <message id="5062">
        <source>The file "%1" is not a Skaleron project file.</source>
        <translation>Le fichier « %1 » n’est pas un fichier de projet Skaleron.</translation>
    </message>
</context>
</TS>
