<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5100">
        <source>The settings the gauge holds could not be backed up in the folder "%1" (%2), so nothing was written to the gauge.</source>
        <translation>Die Einstellungen des Messgeräts konnten nicht im Ordner "%1" gesichert werden (%2). Deshalb wurde nichts zum Messgerät geschrieben.</translation>
    </message>
    <message id="5101">
        <source>The gauge refused to store the new settings permanently: they are lost when it is switched off. Write them again.</source>
        <translation>Das Gerät hat die neuen Einstellungen nicht dauerhaft gespeichert: Sie gehen beim Ausschalten verloren. Bitte erneut schreiben.</translation>
    </message>
    <message id="5104">
        <source>Port %1 could not be opened: %2. Every exchange with the gauge is traced in %3.</source>
        <translation>Der Anschluss %1 ließ sich nicht öffnen: %2. Jeder Austausch mit dem Messgerät wird in %3 protokolliert.</translation>
    </message>
    <message id="5105">
        <source>No port is set: choose the gauge's port in Gauge → Communication settings.</source>
        <translation>Es ist kein Anschluss eingestellt: Wählen Sie den Anschluss des Messgeräts unter Messgerät → Kommunikationseinstellungen.</translation>
    </message>
    <message id="5106">
        <source>Some of the gauge's settings may now hold the new values and others the old ones: write the configuration again.</source>
        <translation>Einige Einstellungen des Messgeräts haben jetzt womöglich die neuen Werte, andere noch die alten: Schreiben Sie die Konfiguration erneut.</translation>
    </message>
    <message id="5102">
        <source>The gauge on %1 did not accept the service login. Every exchange with the gauge is traced in %2.</source>
        <translation>Das Messgerät an %1 hat die Service-Anmeldung nicht angenommen. Jeder Austausch mit dem Messgerät wird in %2 protokolliert.</translation>
    </message>
    <message id="5103">
        <source>The counter may now hold a partial value. Preset it again.</source>
        <translation>Der Zähler kann jetzt einen unvollständigen Wert enthalten. Stellen Sie ihn erneut ein.</translation>
    </message>
    <message id="5110">
        <source>The backup was taken from a gauge with firmware %1, but this gauge has firmware %2; nothing was written to it.</source>
        <translation>Die Sicherung stammt von einem Gerät mit Firmware %1, dieses Gerät hat aber Firmware %2; es wurde nichts geschrieben.</translation>
    </message>
    <message id="5111">
        <source>it is in use by process %1 (%2)</source>
        <translation>es wird von Prozess %1 (%2) benutzt</translation>
    </message>
    <message id="5112">
        <source>The gauge fell silent when it was told to store the new settings permanently: they may be lost when it is switched off. Check the line and write them again.</source>
        <translation>Das Gerät hat nicht mehr geantwortet, als es die neuen Einstellungen dauerhaft speichern sollte: Sie gehen beim Ausschalten womöglich verloren. Prüfen Sie die Leitung und schreiben Sie sie erneut.</translation>
    </message>
</context>
</TS>
