<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5800">
        <source>The gauge does not report its input values: the fields show the sheet's starting values, not measurements.</source>
        <translation>Das Messgerät meldet keine Eingangswerte: Die Felder zeigen die Anfangswerte dieses Fensters, keine Messwerte.</translation>
    </message>
    <message id="5801">
        <source>Nothing on this page is kept in the project or sent to the gauge. The master's settings are edited on the Master item's form.</source>
        <translation>Nichts auf dieser Seite wird im Projekt gespeichert oder an das Messgerät gesendet. Die Einstellungen des Masters werden im Formular des Eintrags „Master“ bearbeitet.</translation>
    </message>
    <message id="5802">
        <source>Enable light warning</source>
        <translation>Licht Warnung aktivieren</translation>
    </message>
    <message id="5803">
        <source>rpm</source>
        <translation>U/min.</translation>
    </message>
    <message id="5804">
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message id="5805">
        <source>Buzzer output active</source>
        <translation>Buzzer Ausgang aktiv</translation>
    </message>
    <message id="5806">
        <source>Terminal 30 ref.:</source>
        <translation>Kl. 30 Ref:</translation>
    </message>
    <message id="5977">
        <source>Set: the values on this page were checked and stay on this page only; nothing was sent to the gauge. The counter is preset from the Master item's form.</source>
        <translation>Setzen: Die Werte auf dieser Seite wurden geprüft und bleiben nur auf dieser Seite; an das Messgerät wurde nichts gesendet. Der Zähler wird im Formular des Eintrags „Master“ voreingestellt.</translation>
    </message>
    <message id="5807">
        <source>Analog 1 (Fuel):</source>
        <translation>Analog 1 (Kraftstoff):</translation>
    </message>
    <message id="5808">
        <source>Analog 2 (Coolant):</source>
        <translation>Analog 2 (Kühlmittel):</translation>
    </message>
    <message id="5809">
        <source>Analog 3 (Aux):</source>
        <translation>Analog 3 (Zusatz):</translation>
    </message>
</context>
</TS>
