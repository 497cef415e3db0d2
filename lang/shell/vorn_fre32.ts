<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5400">
        <source>Choose the database file</source>
        <translation>Choisir le fichier de base de données</translation>
    </message>
    <message id="5401">
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message id="5402">
        <source>SQLite database</source>
        <translation>Base de données SQLite</translation>
    </message>
    <message id="5403">
        <source>Select the master type database</source>
        <translation>Sélectionner la base de données des types de maître</translation>
    </message>
    <message id="5404">
        <source>User sensors:</source>
        <translation>Capteurs de l'utilisateur :</translation>
    </message>
    <message id="5405">
        <source>Service history:</source>
        <translation>Historique de service :</translation>
    </message>
    <message id="5410">
        <source>Skaleron now opens .rix projects for this user (%1, %2).</source>
        <translation>Skaleron ouvre désormais les projets .rix pour cet utilisateur (%1, %2).</translation>
    </message>
    <message id="5411">
        <source>Skaleron no longer opens .rix projects for this user.</source>
        <translation>Skaleron n'ouvre plus les projets .rix pour cet utilisateur.</translation>
    </message>
    <message id="5412">
        <source>%1 could not be written: %2</source>
        <translation>Impossible d'écrire %1 : %2</translation>
    </message>
    <message id="5413">
        <source>%1 could not be removed.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message id="5414">
        <source>%1 did not finish: %2</source>
        <translation>%1 ne s'est pas terminé : %2</translation>
    </message>
</context>
</TS>
