<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5800">
        <source>The gauge does not report its input values: the fields show the sheet's starting values, not measurements.</source>
        <translation>The gauge does not report its input values: the fields show the sheet's starting values, not measurements.</translation>
    </message>
    <message id="5801">
        <source>Nothing on this page is kept in the project or sent to the gauge. The master's settings are edited on the Master item's form.</source>
        <translation>Nothing on this page is kept in the project or sent to the gauge. The master's settings are edited on the Master item's form.</translation>
    </message>
    <message id="5802">
        <source>Enable light warning</source>
        <translation>Enable light warning</translation>
    </message>
    <message id="5803">
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message id="5804">
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message id="5805">
        <source>Buzzer output active</source>
        <translation>Buzzer output active</translation>
    </message>
    <message id="5806">
        <source>Terminal 30 ref.:</source>
        <translation>Terminal 30 ref.:</translation>
    </message>
    <message id="5977">
        <source>Set: the values on this page were checked and stay on this page only; nothing was sent to the gauge. The counter is preset from the Master item's form.</source>
        <translation>Set: the values on this page were checked and stay on this page only; nothing was sent to the gauge. The counter is preset from the Master item's form.</translation>
    </message>
    <message id="5807">
        <source>Analog 1 (Fuel):</source>
        <translation>Analog 1 (Fuel):</translation>
    </message>
    <message id="5808">
        <source>Analog 2 (Coolant):</source>
        <translation>Analog 2 (Coolant):</translation>
    </message>
    <message id="5809">
        <source>Analog 3 (Aux):</source>
        <translation>Analog 3 (Aux):</translation>
    </message>
</context>
</TS>
