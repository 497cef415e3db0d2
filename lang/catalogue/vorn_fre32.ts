<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5200">
        <source>The catalogue "%1" does not exist.</source>
        <translation>Le catalogue "%1" n'existe pas.</translation>
    </message>
    <message id="5201">
        <source>The file "%1" is not a catalogue: it is neither a SQLite nor an Access database.</source>
        <translation>Le fichier "%1" n'est pas un catalogue : ce n'est ni une base de données SQLite ni une base Access.</translation>
    </message>
    <message id="5202">
        <source>The catalogue "%1" has no table "%2".</source>
        <translation>Le catalogue "%1" ne contient pas de table "%2".</translation>
    </message>
    <message id="5203">
        <source>In the catalogue "%1", the table "%2" has no column "%3".</source>
        <translation>Dans le catalogue "%1", la table "%2" n'a pas de colonne "%3".</translation>
    </message>
    <message id="5204">
        <source>In the catalogue "%1", the column "%3" of the table "%2" is declared as "%4", which cannot hold its values.</source>
        <translation>Dans le catalogue "%1", la colonne "%3" de la table "%2" est déclarée "%4" et ne peut pas contenir ses valeurs.</translation>
    </message>
    <message id="5205">
        <source>The catalogue "%1" could not be read: %2</source>
        <translation>Le catalogue "%1" n'a pas pu être lu : %2</translation>
    </message>
    <message id="5206">
        <source>The Access file "%1" is read-only here: sensors cannot be stored in it. Convert it to a SQLite catalogue with "skaleron-cli catalogue import IN.mdb OUT.sqlite" and choose the new file in the options.</source>
        <translation>Le fichier Access "%1" est ici en lecture seule : aucun capteur ne peut y être enregistré. Convertissez-le en catalogue SQLite avec "skaleron-cli catalogue import IN.mdb OUT.sqlite" et choisissez le nouveau fichier dans les options.</translation>
    </message>
    <message id="5207">
        <source>The sensor could not be stored in "%1": %2</source>
        <translation>Le capteur n'a pas pu être enregistré dans "%1" : %2</translation>
    </message>
    <message id="5208">
        <source>The Access file "%1" could not be read: %2</source>
        <translation>Le fichier Access "%1" n'a pas pu être lu : %2</translation>
    </message>
    <message id="5209">
        <source>"%1" exists already. Choose a new file for the converted catalogue.</source>
        <translation>"%1" existe déjà. Choisissez un nouveau fichier pour le catalogue converti.</translation>
    </message>
    <message id="5210">
        <source>"%1" holds neither the table "RixData" nor the table "SensorTabelle".</source>
        <translation>"%1" ne contient ni la table "RixData" ni la table "SensorTabelle".</translation>
    </message>
    <message id="5211">
        <source>The catalogue "%1" could not be written: %2</source>
        <translation>Le catalogue "%1" n'a pas pu être écrit : %2</translation>
    </message>
    <message id="5212">
        <source>The Access file "%1" could not be read: damaged or not an Access file.</source>
        <translation>Le fichier Access "%1" n'a pas pu être lu : endommagé ou pas un fichier Access.</translation>
    </message>
    <message id="5213">
        <source>Reading the Access file "%1" …</source>
        <translation>Lecture du fichier Access "%1" …</translation>
    </message>
    <message id="5214">
        <source>The sensor could not be deleted from "%1": %2</source>
        <translation>Le capteur n'a pas pu être supprimé de "%1" : %2</translation>
    </message>
    <message id="5220">
        <source>The catalogue "%1" is damaged: %2</source>
        <translation>Le catalogue "%1" est endommagé : %2</translation>
    </message>
    <message id="5221">
        <source>In the catalogue "%1", the table "%2" holds IDs that a project cannot hold: %3. IDs run from -2147483648 to 2147483647.</source>
        <translation>Dans le catalogue "%1", la table "%2" contient des ID qu'un projet ne peut pas contenir : %3. Les ID vont de -2147483648 à 2147483647.</translation>
    </message>
</context>
</TS>
