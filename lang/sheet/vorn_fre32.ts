<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="6200">
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message id="6201">
        <source>Vessel or vehicle</source>
        <translation>Bateau ou véhicule</translation>
    </message>
    <message id="6202">
        <source>Gauge serial number</source>
        <translation>Numéro de série de l’instrument</translation>
    </message>
    <message id="6203">
        <source>Technician</source>
        <translation>Technicien</translation>
    </message>
    <message id="6204">
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message id="6205">
        <source>Service job</source>
        <translation>Intervention</translation>
    </message>
    <message id="6206">
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
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
        <translation>Étalonnage : %1</translation>
    </message>
    <message id="6210">
        <source>Resistance [Ohm]</source>
        <translation>Résistance [Ohm]</translation>
    </message>
    <message id="6211">
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
    <message id="6212">
        <source>Display value</source>
        <translation>Valeur affichée</translation>
    </message>
    <message id="6213">
        <source>Pointer angle [°]</source>
        <translation>Angle de l’aiguille [°]</translation>
    </message>
    <message id="6214">
        <source>Sheet for the customer</source>
        <translation>Fiche pour le client</translation>
    </message>
    <message id="6215">
        <source>These details are printed on the sheet and kept with it in the service history.</source>
        <translation>Ces indications sont imprimées sur la fiche et conservées avec elle dans l’historique d’entretien.</translation>
    </message>
</context>
</TS>
