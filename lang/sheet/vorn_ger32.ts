<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="6200">
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message id="6201">
        <source>Vessel or vehicle</source>
        <translation>Boot oder Fahrzeug</translation>
    </message>
    <message id="6202">
        <source>Gauge serial number</source>
        <translation>Seriennummer des Messgeräts</translation>
    </message>
    <message id="6203">
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message id="6204">
        <source>Notes</source>
        <translation>Bemerkungen</translation>
    </message>
    <message id="6205">
        <source>Service job</source>
        <translation>Auftrag</translation>
    </message>
    <message id="6206">
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="6207">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="6208">
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message id="6209">
        <source>Calibration: %1</source>
        <translation>Kalibrierung: %1</translation>
    </message>
    <message id="6210">
        <source>Resistance [Ohm]</source>
        <translation>Widerstand [Ohm]</translation>
    </message>
    <message id="6211">
        <source>Quantity</source>
        <translation>Messgröße</translation>
    </message>
    <message id="6212">
        <source>Display value</source>
        <translation>Anzeigewert</translation>
    </message>
    <message id="6213">
        <source>Pointer angle [°]</source>
        <translation>Zeigerwinkel [°]</translation>
    </message>
    <message id="6214">
        <source>Sheet for the customer</source>
        <translation>Blatt für den Kunden</translation>
    </message>
    <message id="6215">
        <source>These details are printed on the sheet and kept with it in the service history.</source>
        <translation>Diese Angaben werden auf das Blatt gedruckt und mit ihm in der Servicehistorie festgehalten.</translation>
    </message>
</context>
</TS>
