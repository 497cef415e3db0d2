<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5100">
        <source>The settings the gauge holds could not be backed up in the folder "%1" (%2), so nothing was written to the gauge.</source>
        <translation>Die Einstellungen des Instruments konnten nicht im Ordner "%1" gesichert werden (%2). Deshalb wurde nichts zum Instrument geschrieben.</translation>
    </message>
    <message id="5101">
        <source>The gauge refused to store the new settings permanently: they are lost when it is switched off. Write them again.</source>
        <translation>Das Gerät hat die neuen Einstellungen nicht dauerhaft gespeichert: Sie gehen beim Ausschalten verloren. Bitte erneut schreiben.</translation>
    </message>
</context>
</TS>
