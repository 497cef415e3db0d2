<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5400">
        <source>Choose the database file</source>
        <translation>Datenbankdatei auswählen</translation>
    </message>
    <message id="5401">
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message id="5402">
        <source>SQLite database</source>
        <translation>SQLite-Datenbank</translation>
    </message>
    <message id="5403">
        <source>Select the master type database</source>
        <translation>Datenbank der Mastertypen auswählen</translation>
    </message>
    <message id="5404">
        <source>User sensors:</source>
        <translation>Benutzersensoren:</translation>
    </message>
    <message id="5405">
        <source>Service history:</source>
        <translation>Servicehistorie:</translation>
    </message>
    <message id="5410">
        <source>Skaleron now opens .rix projects for this user (%1, %2).</source>
        <translation>Skaleron öffnet jetzt .rix-Projekte für diesen Benutzer (%1, %2).</translation>
    </message>
    <message id="5411">
        <source>Skaleron no longer opens .rix projects for this user.</source>
        <translation>Skaleron öffnet keine .rix-Projekte mehr für diesen Benutzer.</translation>
    </message>
    <message id="5412">
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message id="5413">
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message id="5414">
        <source>%1 did not finish: %2</source>
        <translation>%1 wurde nicht abgeschlossen: %2</translation>
    </message>
</context>
</TS>
