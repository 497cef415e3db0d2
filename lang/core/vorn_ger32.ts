<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5000">
        <source>The project file "%1" could not be read: %2</source>
        <translation>Die Projektdatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="5002">
        <source>The project could not be saved to "%1": %2</source>
        <translation>Das Projekt konnte nicht unter „%1“ gespeichert werden: %2</translation>
    </message>
    <message id="5015">
        <source>"%1" cannot be saved where it was: %2. Choose a name and folder to save it.</source>
        <translation>„%1“ kann nicht am bisherigen Ort gespeichert werden: %2. Bitte Namen und Ordner zum Speichern wählen.</translation>
    </message>
    <message id="5016">
        <source>its folder no longer exists</source>
        <translation>sein Ordner existiert nicht mehr</translation>
    </message>
    <message id="5017">
        <source>the file or its folder is write-protected</source>
        <translation>die Datei oder ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message id="5018">
        <source>The project file "%1" holds values no gauge can take: %2. Correct them before the project is saved, written to a gauge or put on a sheet.</source>
        <translation>Die Projektdatei „%1“ enthält Werte, die kein Messgerät annehmen kann: %2. Bitte korrigieren, bevor das Projekt gespeichert, in ein Messgerät geschrieben oder als Blatt ausgegeben wird.</translation>
    </message>
    <message id="5019">
        <source>"%1" was changed by another program since this project was opened or saved here. Replace it with the project as it is here?</source>
        <translation>„%1“ wurde seit dem Öffnen oder Speichern hier von einem anderen Programm geändert. Durch das Projekt, wie es hier ist, ersetzen?</translation>
    </message>
    <message id="5020">
        <source>The settings could not be stored: %1 cannot be written. Make it writable and choose them again.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1 kann nicht geschrieben werden. Machen Sie die Datei beschreibbar und wählen Sie die Einstellungen erneut.</translation>
    </message>
    <message id="5021">
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message id="5022">
        <source>Its folder is write-protected.</source>
        <translation>Sein Ordner ist schreibgeschützt.</translation>
    </message>
    <message id="5004">
        <source>The master type "%1" converts the warning threshold between scale and gauge units, but its scale limits (%2 to %3) or its warning limits (%4 to %5) are equal, so the threshold cannot be converted. Correct the master type in the catalogue.</source>
        <translation>Der Mastertyp „%1“ rechnet die Warnschwelle zwischen Skalen- und Gerätewerten um, aber seine Skalengrenzen (%2 bis %3) oder Warngrenzen (%4 bis %5) sind gleich, daher ist keine Umrechnung möglich. Bitte den Mastertyp im Katalog korrigieren.</translation>
    </message>
    <message id="5005">
        <source>The file "%1" is not a Skaleron project: it has %2 bytes, but a project of version %3 has %4 bytes.</source>
        <translation>Die Datei „%1“ ist kein Skaleron-Projekt: Sie hat %2 Bytes, ein Projekt der Version %3 hat aber %4 Bytes.</translation>
    </message>
    <message id="5006">
        <source>The project file "%1" is empty or damaged: it has only %2 bytes.</source>
        <translation>Die Projektdatei „%1“ ist leer oder beschädigt: Sie hat nur %2 Bytes.</translation>
    </message>
    <message id="5001">
        <source>The project file "%1" is damaged: it has only %2 bytes, too few for a project of version %3.</source>
        <translation>Die Projektdatei „%1“ ist beschädigt: Sie hat nur %2 Bytes, zu wenige für ein Projekt der Version %3.</translation>
    </message>
    <message id="5010">
        <source>%1 %2 cannot be saved or sent to the gauge: allowed are %3 to %4.</source>
        <translation>%1 %2 kann weder gespeichert noch an das Gerät gesendet werden: zulässig sind %3 bis %4.</translation>
    </message>
    <message id="5011">
        <source>%1 %2 cannot be saved or sent to the gauge: this gauge firmware takes whole numbers only, from %3 to %4.</source>
        <translation>%1 %2 kann weder gespeichert noch an das Gerät gesendet werden: diese Gerätefirmware nimmt nur ganze Zahlen von %3 bis %4.</translation>
    </message>
    <message id="5007">
        <source>The master type of this project (key %1) is not in the master type catalogue. Its settings are kept, but it cannot be read from or written to a gauge until the catalogue holds its master type (Gauge → Communication settings names the catalogue).</source>
        <translation>Der Mastertyp dieses Projekts (Schlüssel %1) fehlt im Mastertyp-Katalog. Die Einstellungen bleiben erhalten; Lesen und Schreiben sind erst möglich, wenn der Katalog ihn enthält (der Katalog wird unter Messgerät → Kommunikationseinstellungen gewählt).</translation>
    </message>
    <message id="5008">
        <source>The program ended without saving the changes to %1 (last copied %2). Restore them?</source>
        <translation>Das Programm wurde beendet, ohne die Änderungen an %1 zu speichern (zuletzt gesichert %2). Wiederherstellen?</translation>
    </message>
    <message id="5061">
        <source>%1 The file "%2" has version %3; this program reads versions %4 to %5.</source>
        <translation>%1 Die Datei „%2“ hat die Version %3; dieses Programm liest die Versionen %4 bis %5.</translation>
    </message>
    <message id="5062">
        <source>The file "%1" is not a Skaleron project file.</source>
        <translation>Die Datei „%1“ ist keine Skaleron-Projektdatei.</translation>
    </message>
</context>
</TS>
