<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="6420">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="6421">
        <source>Speedo/Tacho</source>
        <translation>Speedo/Tacho</translation>
    </message>
    <message id="6422">
        <source>Speedo (Freq. 1)</source>
        <translation>Speedo (Freq. 1)</translation>
    </message>
    <message id="6423">
        <source>Tacho (Freq. 1)</source>
        <translation>Tacho (Freq. 1)</translation>
    </message>
    <message id="6424">
        <source>Speedo (Freq. 2)</source>
        <translation>Speedo (Freq. 2)</translation>
    </message>
</context>
</TS>
