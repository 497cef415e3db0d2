<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="100">
        <source>The program libraries could not be initialised. Check that the libraries are installed in the correct version.</source>
        <translation>Fehler bei der OLE-Initialisierung. Überprüfen Sie, ob die OLE-Bibliotheken in der richtigen Version vorliegen.</translation>
    </message>
    <message id="128">
        <source>Skaleron

Skaleron
Skaleron File (*.rix)
.rix
Skaleronr.Document
Skaleron Document</source>
        <translation>Skaleron

Skaleron
Skaleron Datei (*.rix)
.rix
Skaleronr.Document
Skaleron Document</translation>
    </message>
    <message id="1000">
        <source>Order no.:</source>
        <translation>Bestellnummer:</translation>
    </message>
    <message id="1001">
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message id="1002">
        <source>LCD display</source>
        <translation>LCD-Anzeige</translation>
    </message>
    <message id="1007">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="1010">
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message id="1015">
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message id="1024">
        <source>The project file has a version that this program cannot read.</source>
        <translation>Die Projektdatei hat eine Version, die dieses Programm nicht lesen kann.</translation>
    </message>
    <message id="1048">
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message id="1049">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1050">
        <source>Level sender (lever type)</source>
        <translation>Vorrat Hebelgeber</translation>
    </message>
    <message id="1051">
        <source>Level sender (immersion tube)</source>
        <translation>Vorrat Tauchrohrgeber</translation>
    </message>
    <message id="1052">
        <source>Temperature sender</source>
        <translation>Temperaturgeber</translation>
    </message>
    <message id="1053">
        <source>Pressure sender</source>
        <translation>Druckgeber</translation>
    </message>
    <message id="1063">
        <source>User-defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message id="1121">
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message id="1122">
        <source>Warn below threshold</source>
        <translation>Warnung bei Unterschreitung</translation>
    </message>
    <message id="1123">
        <source>Warn above threshold</source>
        <translation>Warnung bei Überschreitung</translation>
    </message>
    <message id="1124">
        <source>%s the value must lie between %.1f and %.1f.</source>
        <translation>%s der Wert muss zwischen %.1f und %.1f liegen.</translation>
    </message>
    <message id="1125">
        <source>Pulse factor:</source>
        <translation>k-Wert:</translation>
    </message>
    <message id="1126">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="1127">
        <source>Pulses per revolution:</source>
        <translation>m-Wert:</translation>
    </message>
    <message id="1128">
        <source>Imp./rev.</source>
        <translation>Imp./Umdr.</translation>
    </message>
    <message id="1129">
        <source>This gauge firmware accepts whole-number pulse factors only. Please enter a value without decimals.</source>
        <translation>Diese Firmware des Messgeräts akzeptiert nur ganzzahlige Impulsfaktoren. Bitte einen Wert ohne Nachkommastellen eingeben.</translation>
    </message>
    <message id="1130">
        <source>The distance counter value must lie between 0 and 999999.</source>
        <translation>Der Wert des Wegstreckenzählers muss zwischen 0 und 999999 liegen.</translation>
    </message>
    <message id="1131">
        <source>The hour counter value must lie between 0 and 99999.9.</source>
        <translation>Der Wert des Betriebsstundenzählers muss zwischen 0 und 99999,9 liegen.</translation>
    </message>
    <message id="1132">
        <source>The counter of the gauge has been preset.</source>
        <translation>Der Zähler des Messgeräts wurde eingestellt.</translation>
    </message>
    <message id="1133">
        <source>The counter value is not a valid number.</source>
        <translation>Der Zählerwert ist keine gültige Zahl.</translation>
    </message>
    <message id="1230">
        <source>The configuration was written to the gauge successfully.</source>
        <translation>Die Konfiguration wurde erfolgreich in das Messgerät geschrieben.</translation>
    </message>
    <message id="1231">
        <source>Writing to the gauge failed.</source>
        <translation>Das Schreiben in das Messgerät ist fehlgeschlagen.</translation>
    </message>
    <message id="1232">
        <source>The configuration was read from the gauge successfully.</source>
        <translation>Die Konfiguration wurde erfolgreich aus dem Messgerät gelesen.</translation>
    </message>
    <message id="1233">
        <source>Reading from the gauge failed.</source>
        <translation>Das Lesen aus dem Messgerät ist fehlgeschlagen.</translation>
    </message>
    <message id="40001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="40002">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="40010">
        <source>About Skaleron</source>
        <translation>Info über Skaleron</translation>
    </message>
    <message id="40100">
        <source>Insert Master</source>
        <translation>Master einfügen</translation>
    </message>
    <message id="40102">
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message id="40201">
        <source>Insert Sensor</source>
        <translation>Sensor einfügen</translation>
    </message>
    <message id="40202">
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message id="40400">
        <source>Signal source:</source>
        <translation>Signalquelle:</translation>
    </message>
    <message id="40401">
        <source>Support points:</source>
        <translation>Stützstellen:</translation>
    </message>
    <message id="40403">
        <source>Select sensor...</source>
        <translation>Sensor auswählen...</translation>
    </message>
    <message id="40405">
        <source>Show pointer position</source>
        <translation>Zeigerposition anzeigen</translation>
    </message>
    <message id="40406">
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message id="40407">
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message id="40408">
        <source>Use sensor signal check</source>
        <translation>Sensor Signalprüfung verwenden</translation>
    </message>
    <message id="40409">
        <source>min</source>
        <translation>min</translation>
    </message>
    <message id="40410">
        <source>max</source>
        <translation>max</translation>
    </message>
    <message id="41109">
        <source>upwards:</source>
        <translation>aufwärts:</translation>
    </message>
    <message id="41110">
        <source>downwards:</source>
        <translation>abwärts:</translation>
    </message>
    <message id="41118">
        <source>Input damping:</source>
        <translation>Eingangsdämpfung:</translation>
    </message>
    <message id="41200">
        <source>Basic settings:</source>
        <translation>Grundeinstellungen:</translation>
    </message>
    <message id="41207">
        <source>Operating hours display</source>
        <translation>Betriebsstundenanzeige</translation>
    </message>
    <message id="41208">
        <source>Distance display</source>
        <translation>Wegstreckenanzeige</translation>
    </message>
    <message id="41216">
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message id="41241">
        <source>Speedometer</source>
        <translation>Geschwindigkeitsmesser</translation>
    </message>
    <message id="41242">
        <source>Speed measurement</source>
        <translation>Geschwindigkeitsmessung</translation>
    </message>
    <message id="41243">
        <source>Engine speed measurement</source>
        <translation>Drehzahlmessung</translation>
    </message>
    <message id="41244">
        <source>k value:</source>
        <translation>k-Wert:</translation>
    </message>
    <message id="41245">
        <source>m value:</source>
        <translation>m-Wert:</translation>
    </message>
    <message id="41246">
        <source>Min. speed:</source>
        <translation>min. Geschw.:</translation>
    </message>
    <message id="41248">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="41249">
        <source>Imp./rev.</source>
        <translation>Imp./Umdr.</translation>
    </message>
    <message id="41250">
        <source>Odometer / hour meter preset:</source>
        <translation>Vorgabe Wegstrecken- / Betriebsstundenzähler:</translation>
    </message>
    <message id="41251">
        <source>Set</source>
        <translation>einstellen</translation>
    </message>
    <message id="41252">
        <source>Tachometer</source>
        <translation>Drehzahlmesser</translation>
    </message>
    <message id="41500">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="41501">
        <source>Language:</source>
        <translation>Sprachauswahl:</translation>
    </message>
    <message id="41502">
        <source>Database:</source>
        <translation>Datenbank:</translation>
    </message>
    <message id="41503">
        <source>COM port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message id="41602">
        <source>Engine speed threshold:</source>
        <translation>Drehzahlschwelle:</translation>
    </message>
    <message id="41611">
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message id="42000">
        <source>Define Sensor Characteristic</source>
        <translation>Sensorkennlinie definieren</translation>
    </message>
    <message id="42001">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="42002">
        <source>Values:</source>
        <translation>Werte:</translation>
    </message>
    <message id="42401">
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message id="42402">
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message id="43100">
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message id="50000">
        <source>Order no.:
Description:
Diameter:
Outer scale range:
Inner scale range:
Signal inputs:</source>
        <translation>Artikelnummer:
Beschreibung:
Durchmesser:
Skalenbereich außen:
Skalenbereich innen:
Signaleingänge:</translation>
    </message>
    <message id="50003">
        <source>Data source:</source>
        <translation>Datenquelle:</translation>
    </message>
    <message id="50004">
        <source>k value:</source>
        <translation>k-Wert:</translation>
    </message>
    <message id="50005">
        <source>Warning threshold:</source>
        <translation>Warnschwelle:</translation>
    </message>
    <message id="50006">
        <source>Warning mode:</source>
        <translation>Warnmodus:</translation>
    </message>
    <message id="50007">
        <source>General:</source>
        <translation>Allgemein:</translation>
    </message>
    <message id="50008">
        <source>Illumination:</source>
        <translation>Beleuchtung:</translation>
    </message>
    <message id="50009">
        <source>Units:</source>
        <translation>Einheiten:</translation>
    </message>
    <message id="50010">
        <source>Distance:</source>
        <translation>Weg:</translation>
    </message>
    <message id="50011">
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message id="50012">
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message id="50013">
        <source>Depth:</source>
        <translation>Tiefe:</translation>
    </message>
    <message id="50016">
        <source>k value (freq. 2):</source>
        <translation>k-Wert (Freq. 2):</translation>
    </message>
    <message id="50017">
        <source>Data source (freq. 2):</source>
        <translation>Datenquelle (Freq. 2):</translation>
    </message>
    <message id="50040">
        <source>Display settings:</source>
        <translation>Displayeinstellungen:</translation>
    </message>
    <message id="50041">
        <source>Display items:</source>
        <translation>Anzeigeauswahl:</translation>
    </message>
    <message id="50042">
        <source>Engine hours</source>
        <translation>Betriebsstunden</translation>
    </message>
    <message id="50043">
        <source>Trip hours</source>
        <translation>Fahrtstunden</translation>
    </message>
    <message id="50044">
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message id="50045">
        <source>Water temperature</source>
        <translation>Wassertemperatur</translation>
    </message>
    <message id="50046">
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message id="50047">
        <source>Odometer total</source>
        <translation>Gesamtstrecke</translation>
    </message>
    <message id="50048">
        <source>Trip distance</source>
        <translation>Tagesstrecke</translation>
    </message>
    <message id="50049">
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message id="57345">
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message id="61440">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="61441">
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message id="61442">
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message id="61443">
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
</TS>
