<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5400">
        <source>Choose the database file</source>
        <translation>Choose the database file</translation>
    </message>
    <message id="5401">
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message id="5402">
        <source>SQLite database</source>
        <translation>SQLite database</translation>
    </message>
    <message id="5403">
        <source>Select the master type database</source>
        <translation>Select the master type database</translation>
    </message>
    <message id="5404">
        <source>User sensors:</source>
        <translation>User sensors:</translation>
    </message>
    <message id="5405">
        <source>Service history:</source>
        <translation>Service history:</translation>
    </message>
    <message id="5410">
        <source>Skaleron now opens .rix projects for this user (%1, %2).</source>
        <translation>Skaleron now opens .rix projects for this user (%1, %2).</translation>
    </message>
    <message id="5411">
        <source>Skaleron no longer opens .rix projects for this user.</source>
        <translation>Skaleron no longer opens .rix projects for this user.</translation>
    </message>
    <message id="5412">
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message id="5413">
        <source>%1 could not be removed.</source>
        <translation>%1 could not be removed.</translation>
    </message>
    <message id="5414">
        <source>%1 did not finish: %2</source>
        <translation>%1 did not finish: %2</translation>
    </message>
</context>
</TS>
