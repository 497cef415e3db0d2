<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5900">
        <source>The catalogue server "%1" could not be reached: %2</source>
        <translation>The catalogue server "%1" could not be reached: %2</translation>
    </message>
    <message id="5901">
        <source>"%1" is not a usable database address: %2</source>
        <translation>"%1" is not a usable database address: %2</translation>
    </message>
    <message id="5902">
        <source>it names no database (postgresql://[user@]host[:port]/database)</source>
        <translation>it names no database (postgresql://[user@]host[:port]/database)</translation>
    </message>
    <message id="5903">
        <source>options after "?" and further path parts are not taken</source>
        <translation>options after "?" and further path parts are not taken</translation>
    </message>
    <message id="5904">
        <source>a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD</source>
        <translation>a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD</translation>
    </message>
    <message id="5905">
        <source>the port is not a number from 1 to 65535</source>
        <translation>the port is not a number from 1 to 65535</translation>
    </message>
    <message id="5906">
        <source>The catalogue server "%1" cannot be used: the PostgreSQL driver of Qt (QPSQL) is not installed.</source>
        <translation>The catalogue server "%1" cannot be used: the PostgreSQL driver of Qt (QPSQL) is not installed.</translation>
    </message>
    <message id="5907">
        <source>The database "%1" holds a catalogue already. Add --replace to overwrite it.</source>
        <translation>The database "%1" holds a catalogue already. Add --replace to overwrite it.</translation>
    </message>
    <message id="5910">
        <source>The sensor "%1" was changed on another bench since it was loaded. The list now shows the stored values; make your change again.</source>
        <translation>The sensor "%1" was changed on another bench since it was loaded. The list now shows the stored values; make your change again.</translation>
    </message>
    <message id="5911">
        <source>The sensor "%1" was deleted on another bench since it was loaded. The list now shows the stored sensors.</source>
        <translation>The sensor "%1" was deleted on another bench since it was loaded. The list now shows the stored sensors.</translation>
    </message>
    <message id="5920">
        <source>The service history "%1" could not be written: %2. Gauge commands go on without it; this is said only once.</source>
        <translation>The service history "%1" could not be written: %2. Gauge commands go on without it; this is said only once.</translation>
    </message>
    <message id="5921">
        <source>The service history "%1" could not be read: %2</source>
        <translation>The service history "%1" could not be read: %2</translation>
    </message>
    <message id="5930">
        <source>Service history</source>
        <translation>Service history</translation>
    </message>
    <message id="5931">
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message id="5932">
        <source>&amp;Open project</source>
        <translation>&amp;Open project</translation>
    </message>
    <message id="5933">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="5934">
        <source>&amp;History...</source>
        <translation>&amp;History...</translation>
    </message>
    <message id="5936">
        <source>Show the service history of the gauge commands</source>
        <translation>Show the service history of the gauge commands</translation>
    </message>
    <message id="5935">
        <source>The project "%1" of this entry does not exist any more.</source>
        <translation>The project "%1" of this entry does not exist any more.</translation>
    </message>
    <message id="5940">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="5941">
        <source>User</source>
        <translation>User</translation>
    </message>
    <message id="5942">
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message id="5943">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="5944">
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message id="5945">
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message id="5946">
        <source>Master type</source>
        <translation>Master type</translation>
    </message>
    <message id="5947">
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message id="5948">
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message id="5949">
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message id="5950">
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message id="5960">
        <source>the server gave up on the table "%1" after %2 s: another program holds it locked, or the server is too slow</source>
        <translation>the server gave up on the table "%1" after %2 s: another program holds it locked, or the server is too slow</translation>
    </message>
    <message id="6351">
        <source>read</source>
        <translation>read</translation>
    </message>
    <message id="6352">
        <source>write</source>
        <translation>write</translation>
    </message>
    <message id="6353">
        <source>compare</source>
        <translation>compare</translation>
    </message>
    <message id="6354">
        <source>restore</source>
        <translation>restore</translation>
    </message>
    <message id="6355">
        <source>counter preset</source>
        <translation>counter preset</translation>
    </message>
    <message id="6356">
        <source>configuration sheet</source>
        <translation>configuration sheet</translation>
    </message>
    <message id="6357">
        <source>done</source>
        <translation>done</translation>
    </message>
    <message id="6358">
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message id="6359">
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message id="6360">
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message id="6361">
        <source>block</source>
        <translation>block</translation>
    </message>
    <message id="6362">
        <source>register</source>
        <translation>register</translation>
    </message>
    <message id="6363">
        <source>Order number</source>
        <translation>Order number</translation>
    </message>
    <message id="6364">
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message id="6365">
        <source>Order number or words of the description</source>
        <translation>Order number or words of the description</translation>
    </message>
    <message id="6366">
        <source>Skaleron manual</source>
        <translation>Skaleron manual</translation>
    </message>
    <message id="6367">
        <source>&amp;Search:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message id="6368">
        <source>Word to find (Enter finds the next place)</source>
        <translation>Word to find (Enter finds the next place)</translation>
    </message>
    <message id="6370">
        <source>German</source>
        <translation>German</translation>
    </message>
    <message id="6371">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="6372">
        <source>French</source>
        <translation>French</translation>
    </message>
    <message id="6373">
        <source>Speedo (Frequency)</source>
        <translation>Speedo (Frequency)</translation>
    </message>
    <message id="6374">
        <source>Speedo (NMEA)</source>
        <translation>Speedo (NMEA)</translation>
    </message>
    <message id="6375">
        <source>Tacho (Frequency)</source>
        <translation>Tacho (Frequency)</translation>
    </message>
</context>
</TS>
