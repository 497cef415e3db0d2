<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="6200">
        <source>Customer</source>
        <translation>Customer</translation>
    </message>
    <message id="6201">
        <source>Vessel or vehicle</source>
        <translation>Vessel or vehicle</translation>
    </message>
    <message id="6202">
        <source>Gauge serial number</source>
        <translation>Gauge serial number</translation>
    </message>
    <message id="6203">
        <source>Technician</source>
        <translation>Technician</translation>
    </message>
    <message id="6204">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="6205">
        <source>Service job</source>
        <translation>Service job</translation>
    </message>
    <message id="6206">
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message id="6207">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="6208">
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message id="6209">
        <source>Calibration: %1</source>
        <translation>Calibration: %1</translation>
    </message>
    <message id="6210">
        <source>Resistance [Ohm]</source>
        <translation>Resistance [Ohm]</translation>
    </message>
    <message id="6211">
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
    <message id="6212">
        <source>Display value</source>
        <translation>Display value</translation>
    </message>
    <message id="6213">
        <source>Pointer angle [°]</source>
        <translation>Pointer angle [°]</translation>
    </message>
    <message id="6214">
        <source>Sheet for the customer</source>
        <translation>Sheet for the customer</translation>
    </message>
    <message id="6215">
        <source>These details are printed on the sheet and kept with it in the service history.</source>
        <translation>These details are printed on the sheet and kept with it in the service history.</translation>
    </message>
</context>
</TS>
