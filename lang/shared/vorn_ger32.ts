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
        <source>"%1" is not a usable catalogue address: %2</source>
        <translation>"%1" ist keine brauchbare Katalog-Adresse: %2</translation>
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
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message id="5932">
        <source>Open project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="5933">
        <source>Close</source>
        <translation>Schließen</translation>
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
    <message id="5951">
        <source>read</source>
        <translation>lesen</translation>
    </message>
    <message id="5952">
        <source>write</source>
        <translation>schreiben</translation>
    </message>
    <message id="5953">
        <source>compare</source>
        <translation>vergleichen</translation>
    </message>
    <message id="5954">
        <source>restore</source>
        <translation>wiederherstellen</translation>
    </message>
    <message id="5955">
        <source>counter preset</source>
        <translation>Zählerstand vorgeben</translation>
    </message>
    <message id="5956">
        <source>configuration sheet</source>
        <translation>Konfigurationsblatt</translation>
    </message>
    <message id="5957">
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message id="5958">
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message id="5959">
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message id="5960">
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message id="5961">
        <source>block</source>
        <translation>Block</translation>
    </message>
    <message id="5962">
        <source>register</source>
        <translation>Register</translation>
    </message>
    <message id="5963">
        <source>Order number</source>
        <translation>Bestellnummer</translation>
    </message>
    <message id="5964">
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="5965">
        <source>Order number or words of the description</source>
        <translation>Bestellnummer oder Wörter der Beschreibung</translation>
    </message>
    <message id="5966">
        <source>Skaleron manual</source>
        <translation>Skaleron-Handbuch</translation>
    </message>
    <message id="5967">
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="5968">
        <source>Word to find (Enter finds the next place)</source>
        <translation>Gesuchtes Wort (Eingabe findet die nächste Stelle)</translation>
    </message>
    <message id="5970">
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message id="5971">
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message id="5972">
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message id="5973">
        <source>Speedo (Frequency)</source>
        <translation>Geschwindigkeit (Frequenz)</translation>
    </message>
    <message id="5974">
        <source>Speedo (NMEA)</source>
        <translation>Geschwindigkeit (NMEA)</translation>
    </message>
    <message id="5975">
        <source>Tacho (Frequency)</source>
        <translation>Drehzahl (Frequenz)</translation>
    </message>
</context>
</TS>
