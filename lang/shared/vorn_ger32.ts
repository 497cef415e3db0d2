<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5900">
        <source>The catalogue server "%1" could not be reached: %2</source>
        <translation>Der Katalog-Server "%1" ist nicht erreichbar: %2</translation>
    </message>
    <message id="5901">
        <source>"%1" is not a usable database address: %2</source>
        <translation>"%1" ist keine brauchbare Datenbank-Adresse: %2</translation>
    </message>
    <message id="5902">
        <source>it names no database (postgresql://[user@]host[:port]/database)</source>
        <translation>sie nennt keine Datenbank (postgresql://[user@]host[:port]/database)</translation>
    </message>
    <message id="5903">
        <source>options after "?" and further path parts are not taken</source>
        <translation>Optionen nach "?" und weitere Pfadteile werden nicht angenommen</translation>
    </message>
    <message id="5904">
        <source>a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD</source>
        <translation>ein Passwort gehört nicht in die Adresse; tragen Sie es in ~/.pgpass oder PGPASSWORD ein</translation>
    </message>
    <message id="5905">
        <source>the port is not a number from 1 to 65535</source>
        <translation>der Port ist keine Zahl von 1 bis 65535</translation>
    </message>
    <message id="5906">
        <source>The catalogue server "%1" cannot be used: the PostgreSQL driver of Qt (QPSQL) is not installed.</source>
        <translation>Der Katalog-Server "%1" kann nicht benutzt werden: der PostgreSQL-Treiber von Qt (QPSQL) ist nicht installiert.</translation>
    </message>
    <message id="5907">
        <source>The database "%1" holds a catalogue already. Add --replace to overwrite it.</source>
        <translation>Die Datenbank "%1" enthält bereits einen Katalog. Mit --replace wird er überschrieben.</translation>
    </message>
    <message id="5910">
        <source>The sensor "%1" was changed on another bench since it was loaded. The list now shows the stored values; make your change again.</source>
        <translation>Der Sensor "%1" wurde seit dem Laden an einem anderen Prüfplatz geändert. Die Liste zeigt jetzt die gespeicherten Werte; nehmen Sie Ihre Änderung erneut vor.</translation>
    </message>
    <message id="5911">
        <source>The sensor "%1" was deleted on another bench since it was loaded. The list now shows the stored sensors.</source>
        <translation>Der Sensor "%1" wurde seit dem Laden an einem anderen Prüfplatz gelöscht. Die Liste zeigt jetzt die gespeicherten Sensoren.</translation>
    </message>
    <message id="5920">
        <source>The service history "%1" could not be written: %2. Gauge commands go on without it; this is said only once.</source>
        <translation>Die Service-Historie "%1" konnte nicht geschrieben werden: %2. Gerätebefehle laufen ohne sie weiter; dieser Hinweis erscheint nur einmal.</translation>
    </message>
    <message id="5921">
        <source>The service history "%1" could not be read: %2</source>
        <translation>Die Service-Historie "%1" konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="5930">
        <source>Service history</source>
        <translation>Service-Historie</translation>
    </message>
    <message id="5931">
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message id="5932">
        <source>&amp;Open project</source>
        <translation>Projekt &amp;öffnen</translation>
    </message>
    <message id="5933">
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="5934">
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message id="5936">
        <source>Show the service history of the gauge commands</source>
        <translation>Die Service-Historie der Gerätebefehle anzeigen</translation>
    </message>
    <message id="5935">
        <source>The project "%1" of this entry does not exist any more.</source>
        <translation>Das Projekt "%1" dieses Eintrags existiert nicht mehr.</translation>
    </message>
    <message id="5940">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="5941">
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message id="5942">
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message id="5943">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="5944">
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message id="5945">
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message id="5946">
        <source>Master type</source>
        <translation>Mastertyp</translation>
    </message>
    <message id="5947">
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message id="5948">
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message id="5949">
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="5950">
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message id="5960">
        <source>the server gave up on the table "%1" after %2 s: another program holds it locked, or the server is too slow</source>
        <translation>der Server hat die Tabelle "%1" nach %2 s aufgegeben: ein anderes Programm hält sie gesperrt, oder der Server ist zu langsam</translation>
    </message>
    <message id="6351">
        <source>read</source>
        <translation>lesen</translation>
    </message>
    <message id="6352">
        <source>write</source>
        <translation>schreiben</translation>
    </message>
    <message id="6353">
        <source>compare</source>
        <translation>vergleichen</translation>
    </message>
    <message id="6354">
        <source>restore</source>
        <translation>wiederherstellen</translation>
    </message>
    <message id="6355">
        <source>counter preset</source>
        <translation>Zählerstand vorgeben</translation>
    </message>
    <message id="6356">
        <source>configuration sheet</source>
        <translation>Konfigurationsblatt</translation>
    </message>
    <message id="6357">
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message id="6358">
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message id="6359">
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message id="6360">
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message id="6361">
        <source>block</source>
        <translation>Block</translation>
    </message>
    <message id="6362">
        <source>register</source>
        <translation>Register</translation>
    </message>
    <message id="6363">
        <source>Order number</source>
        <translation>Bestellnummer</translation>
    </message>
    <message id="6364">
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="6365">
        <source>Order number or words of the description</source>
        <translation>Bestellnummer oder Wörter der Beschreibung</translation>
    </message>
    <message id="6366">
        <source>Skaleron manual</source>
        <translation>Skaleron-Handbuch</translation>
    </message>
    <message id="6367">
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="6368">
        <source>Word to find (Enter finds the next place)</source>
        <translation>Gesuchtes Wort (Eingabe findet die nächste Stelle)</translation>
    </message>
    <message id="6370">
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message id="6371">
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message id="6372">
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message id="6373">
        <source>Speedo (Frequency)</source>
        <translation>Geschwindigkeit (Frequenz)</translation>
    </message>
    <message id="6374">
        <source>Speedo (NMEA)</source>
        <translation>Geschwindigkeit (NMEA)</translation>
    </message>
    <message id="6375">
        <source>Tacho (Frequency)</source>
        <translation>Drehzahl (Frequenz)</translation>
    </message>
</context>
</TS>
