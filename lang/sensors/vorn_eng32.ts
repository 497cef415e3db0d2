<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5620">
        <source>Resistance (Ohm), row %1:</source>
        <translation>Resistance (Ohm), row %1:</translation>
    </message>
    <message id="5621">
        <source>Quantity, row %1:</source>
        <translation>Quantity, row %1:</translation>
    </message>
    <message id="5622">
        <source>Display value, row %1:</source>
        <translation>Display value, row %1:</translation>
    </message>
    <message id="5623">
        <source>Pointer angle, row %1:</source>
        <translation>Pointer angle, row %1:</translation>
    </message>
    <message id="5624">
        <source>Signal check minimum:</source>
        <translation>Signal check minimum:</translation>
    </message>
    <message id="5625">
        <source>Signal check maximum:</source>
        <translation>Signal check maximum:</translation>
    </message>
    <message id="5626">
        <source>%1 "%2" is too large. Please enter a smaller number.</source>
        <translation>%1 "%2" is too large. Please enter a smaller number.</translation>
    </message>
    <message id="5627">
        <source>x, row %1:</source>
        <translation>x, row %1:</translation>
    </message>
    <message id="5628">
        <source>y, row %1:</source>
        <translation>y, row %1:</translation>
    </message>
    <message id="5630">
        <source>The sensor has %1 point(s): at least two are needed to resample its curve to the support points.</source>
        <translation>The sensor has %1 point(s): at least two are needed to resample its curve to the support points.</translation>
    </message>
    <message id="5631">
        <source>All values of the y column are equal. A sensor needs at least two different values there, or its curve has no range to resample over.</source>
        <translation>All values of the y column are equal. A sensor needs at least two different values there, or its curve has no range to resample over.</translation>
    </message>
    <message id="5632">
        <source>Delete the sensor "%1" (%2)? It cannot be restored.</source>
        <translation>Delete the sensor "%1" (%2)? It cannot be restored.</translation>
    </message>
    <message id="5633">
        <source>"%1" is not a number.</source>
        <translation>"%1" is not a number.</translation>
    </message>
    <message id="5634">
        <source>A user sensor has at most eight value pairs; %1 were given.</source>
        <translation>A user sensor has at most eight value pairs; %1 were given.</translation>
    </message>
    <message id="5635">
        <source>%1 x values and %2 y values were given: each value pair needs both.</source>
        <translation>%1 x values and %2 y values were given: each value pair needs both.</translation>
    </message>
    <message id="5636">
        <source>No values were given.</source>
        <translation>No values were given.</translation>
    </message>
    <message id="5637">
        <source>Only user-defined sensors can be changed or deleted; sensor %1 is in the group "%2".</source>
        <translation>Only user-defined sensors can be changed or deleted; sensor %1 is in the group "%2".</translation>
    </message>
    <message id="5638">
        <source>The user sensor database has no sensor with ID %1.</source>
        <translation>The user sensor database has no sensor with ID %1.</translation>
    </message>
    <message id="5639">
        <source>The sensor database has no sensor with ID %1.</source>
        <translation>The sensor database has no sensor with ID %1.</translation>
    </message>
    <message id="5640">
        <source>The table "%1" cannot be loaded: %2</source>
        <translation>The table "%1" cannot be loaded: %2</translation>
    </message>
    <message id="5641">
        <source>line %1 holds %2 values; a row has four (resistance, quantity, display value, pointer angle).</source>
        <translation>line %1 holds %2 values; a row has four (resistance, quantity, display value, pointer angle).</translation>
    </message>
    <message id="5642">
        <source>line %1, column %2: "%3" is not a number.</source>
        <translation>line %1, column %2: "%3" is not a number.</translation>
    </message>
    <message id="5643">
        <source>it has %1 rows; a calibration has 2 or 8 support points.</source>
        <translation>it has %1 rows; a calibration has 2 or 8 support points.</translation>
    </message>
    <message id="5644">
        <source>The table "%1" cannot be saved: %2</source>
        <translation>The table "%1" cannot be saved: %2</translation>
    </message>
    <message id="5645">
        <source>the file is too large to be a calibration table.</source>
        <translation>the file is too large to be a calibration table.</translation>
    </message>
    <message id="5646">
        <source>Save table...</source>
        <translation>Save table...</translation>
    </message>
    <message id="5647">
        <source>Load table...</source>
        <translation>Load table...</translation>
    </message>
    <message id="5648">
        <source>Calibration tables (*.csv)</source>
        <translation>Calibration tables (*.csv)</translation>
    </message>
    <message id="5649">
        <source>calibration-gauge-%1.csv</source>
        <translation>calibration-gauge-%1.csv</translation>
    </message>
    <message id="5650">
        <source>Save calibration table</source>
        <translation>Save calibration table</translation>
    </message>
    <message id="5651">
        <source>Load calibration table</source>
        <translation>Load calibration table</translation>
    </message>
    <message id="5652">
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message id="5653">
        <source>the new file cannot be put in its place</source>
        <translation>the new file cannot be put in its place</translation>
    </message>
    <message id="5654">
        <source>The calibration values of %1 are in no file (a project file has no place for them) and go with this project. Discard them? To keep them, answer No and use &quot;Save table...&quot; on the calibration.</source>
        <translation>The calibration values of %1 are in no file (a project file has no place for them) and go with this project. Discard them? To keep them, answer No and use &quot;Save table...&quot; on the calibration.</translation>
    </message>
</context>
</TS>
