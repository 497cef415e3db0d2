<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5620">
        <source>Resistance (Ohm), row %1:</source>
        <translation>Widerstand (Ohm), Zeile %1:</translation>
    </message>
    <message id="5621">
        <source>Quantity, row %1:</source>
        <translation>Messgröße, Zeile %1:</translation>
    </message>
    <message id="5622">
        <source>Display value, row %1:</source>
        <translation>Anzeigewert, Zeile %1:</translation>
    </message>
    <message id="5623">
        <source>Pointer angle, row %1:</source>
        <translation>Zeigerwinkel, Zeile %1:</translation>
    </message>
    <message id="5624">
        <source>Signal check minimum:</source>
        <translation>Signalprüfung Minimum:</translation>
    </message>
    <message id="5625">
        <source>Signal check maximum:</source>
        <translation>Signalprüfung Maximum:</translation>
    </message>
    <message id="5626">
        <source>%1 "%2" is too large. Please enter a smaller number.</source>
        <translation>%1 "%2" ist zu groß. Bitte geben Sie eine kleinere Zahl ein.</translation>
    </message>
    <message id="5627">
        <source>x, row %1:</source>
        <translation>x, Zeile %1:</translation>
    </message>
    <message id="5628">
        <source>y, row %1:</source>
        <translation>y, Zeile %1:</translation>
    </message>
    <message id="5630">
        <source>The sensor has %1 point(s): at least two are needed to resample its curve to the support points.</source>
        <translation>Der Sensor hat %1 Punkt(e): Um seine Kennlinie auf die Stützstellen umzurechnen, braucht es mindestens zwei.</translation>
    </message>
    <message id="5631">
        <source>All values of the y column are equal. A sensor needs at least two different values there, or its curve has no range to resample over.</source>
        <translation>Alle Werte der y-Spalte sind gleich. Ein Sensor braucht dort mindestens zwei verschiedene Werte, sonst hat seine Kennlinie keinen Bereich, über den sie umgerechnet werden kann.</translation>
    </message>
    <message id="5632">
        <source>Delete the sensor "%1" (%2)? It cannot be restored.</source>
        <translation>Den Sensor "%1" (%2) löschen? Er kann nicht wiederhergestellt werden.</translation>
    </message>
    <message id="5633">
        <source>"%1" is not a number.</source>
        <translation>"%1" ist keine Zahl.</translation>
    </message>
    <message id="5634">
        <source>A user sensor has at most eight value pairs; %1 were given.</source>
        <translation>Ein Benutzersensor hat höchstens acht Wertepaare; angegeben wurden %1.</translation>
    </message>
    <message id="5635">
        <source>%1 x values and %2 y values were given: each value pair needs both.</source>
        <translation>Angegeben wurden %1 x-Werte und %2 y-Werte: Jedes Wertepaar braucht beide.</translation>
    </message>
    <message id="5636">
        <source>No values were given.</source>
        <translation>Es wurden keine Werte angegeben.</translation>
    </message>
    <message id="5637">
        <source>Only user-defined sensors can be changed or deleted; sensor %1 is in the group "%2".</source>
        <translation>Nur benutzerdefinierte Sensoren können geändert oder gelöscht werden; Sensor %1 gehört zur Gruppe "%2".</translation>
    </message>
    <message id="5638">
        <source>The user sensor database has no sensor with ID %1.</source>
        <translation>Die Benutzer-Sensordatenbank hat keinen Sensor mit der ID %1.</translation>
    </message>
    <message id="5639">
        <source>The sensor database has no sensor with ID %1.</source>
        <translation>Die Sensordatenbank hat keinen Sensor mit der ID %1.</translation>
    </message>
    <message id="5640">
        <source>The table "%1" cannot be loaded: %2</source>
        <translation>Die Tabelle "%1" kann nicht geladen werden: %2</translation>
    </message>
    <message id="5641">
        <source>line %1 holds %2 values; a row has four (resistance, quantity, display value, pointer angle).</source>
        <translation>Zeile %1 enthält %2 Werte; eine Zeile hat vier (Widerstand, Messgröße, Anzeigewert, Zeigerwinkel).</translation>
    </message>
    <message id="5642">
        <source>line %1, column %2: "%3" is not a number.</source>
        <translation>Zeile %1, Spalte %2: "%3" ist keine Zahl.</translation>
    </message>
    <message id="5643">
        <source>it has %1 rows; a calibration has 2 or 8 support points.</source>
        <translation>sie hat %1 Zeilen; eine Kalibrierung hat 2 oder 8 Stützstellen.</translation>
    </message>
    <message id="5644">
        <source>The table "%1" cannot be saved: %2</source>
        <translation>Die Tabelle "%1" kann nicht gespeichert werden: %2</translation>
    </message>
    <message id="5645">
        <source>the file is too large to be a calibration table.</source>
        <translation>die Datei ist zu groß für eine Kalibriertabelle.</translation>
    </message>
    <message id="5646">
        <source>Save table...</source>
        <translation>Tabelle speichern...</translation>
    </message>
    <message id="5647">
        <source>Load table...</source>
        <translation>Tabelle laden...</translation>
    </message>
    <message id="5648">
        <source>Calibration tables (*.csv)</source>
        <translation>Kalibriertabellen (*.csv)</translation>
    </message>
    <message id="5649">
        <source>calibration-gauge-%1.csv</source>
        <translation>kalibrierung-anzeiger-%1.csv</translation>
    </message>
    <message id="5650">
        <source>Save calibration table</source>
        <translation>Kalibriertabelle speichern</translation>
    </message>
    <message id="5651">
        <source>Load calibration table</source>
        <translation>Kalibriertabelle laden</translation>
    </message>
    <message id="5652">
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message id="5653">
        <source>the new file cannot be put in its place</source>
        <translation>die neue Datei kann nicht an ihren Platz gelegt werden</translation>
    </message>
    <message id="5654">
        <source>The calibration values of %1 are in no file (a project file has no place for them) and go with this project. Discard them? To keep them, answer No and use &quot;Save table...&quot; on the calibration.</source>
        <translation>Die Kalibrierwerte von %1 stehen in keiner Datei (eine Projektdatei hat keinen Platz dafür) und gehen mit diesem Projekt verloren. Verwerfen? Um sie zu behalten, antworten Sie mit Nein und verwenden Sie „Tabelle speichern...“ in der Kalibrierung.</translation>
    </message>
</context>
</TS>
