<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5200">
        <source>The catalogue "%1" does not exist.</source>
        <translation>The catalogue "%1" does not exist.</translation>
    </message>
    <message id="5201">
        <source>The file "%1" is not a catalogue: it is neither a SQLite nor an Access database.</source>
        <translation>The file "%1" is not a catalogue: it is neither a SQLite nor an Access database.</translation>
    </message>
    <message id="5202">
        <source>The catalogue "%1" has no table "%2".</source>
        <translation>The catalogue "%1" has no table "%2".</translation>
    </message>
    <message id="5203">
        <source>In the catalogue "%1", the table "%2" has no column "%3".</source>
        <translation>In the catalogue "%1", the table "%2" has no column "%3".</translation>
    </message>
    <message id="5204">
        <source>In the catalogue "%1", the column "%3" of the table "%2" is declared as "%4", which cannot hold its values.</source>
        <translation>In the catalogue "%1", the column "%3" of the table "%2" is declared as "%4", which cannot hold its values.</translation>
    </message>
    <message id="5205">
        <source>The catalogue "%1" could not be read: %2</source>
        <translation>The catalogue "%1" could not be read: %2</translation>
    </message>
    <message id="5206">
        <source>The Access file "%1" is read-only here: sensors cannot be stored in it. Convert it to a SQLite catalogue with "skaleron-cli catalogue import IN.mdb OUT.sqlite" and choose the new file in the options.</source>
        <translation>The Access file "%1" is read-only here: sensors cannot be stored in it. Convert it to a SQLite catalogue with "skaleron-cli catalogue import IN.mdb OUT.sqlite" and choose the new file in the options.</translation>
    </message>
    <message id="5207">
        <source>The sensor could not be stored in "%1": %2</source>
        <translation>The sensor could not be stored in "%1": %2</translation>
    </message>
    <message id="5208">
        <source>The Access file "%1" could not be read: %2</source>
        <translation>The Access file "%1" could not be read: %2</translation>
    </message>
    <message id="5209">
        <source>"%1" exists already. Choose a new file for the converted catalogue.</source>
        <translation>"%1" exists already. Choose a new file for the converted catalogue.</translation>
    </message>
    <message id="5210">
        <source>"%1" holds neither the table "RixData" nor the table "SensorTabelle".</source>
        <translation>"%1" holds neither the table "RixData" nor the table "SensorTabelle".</translation>
    </message>
    <message id="5211">
        <source>The catalogue "%1" could not be written: %2</source>
        <translation>The catalogue "%1" could not be written: %2</translation>
    </message>
    <message id="5212">
        <source>The Access file "%1" could not be read: damaged or not an Access file.</source>
        <translation>The Access file "%1" could not be read: damaged or not an Access file.</translation>
    </message>
    <message id="5213">
        <source>Reading the Access file "%1" …</source>
        <translation>Reading the Access file "%1" …</translation>
    </message>
    <message id="5214">
        <source>The sensor could not be deleted from "%1": %2</source>
        <translation>The sensor could not be deleted from "%1": %2</translation>
    </message>
    <message id="5220">
        <source>The catalogue "%1" is damaged: %2</source>
        <translation>The catalogue "%1" is damaged: %2</translation>
    </message>
    <message id="5221">
        <source>In the catalogue "%1", the table "%2" holds IDs that a project cannot hold: %3. IDs run from -2147483648 to 2147483647.</source>
        <translation>In the catalogue "%1", the table "%2" holds IDs that a project cannot hold: %3. IDs run from -2147483648 to 2147483647.</translation>
    </message>
</context>
</TS>
