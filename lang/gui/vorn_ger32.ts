<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5300">
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message id="5301">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="5302">
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message id="5303">
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message id="5304">
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message id="5305">
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message id="5306">
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="5307">
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message id="5308">
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message id="5309">
        <source>E&amp;xport as PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message id="5310">
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message id="5311">
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="5312">
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="5313">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="5314">
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message id="5315">
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message id="5316">
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message id="5317">
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="5318">
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message id="5319">
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message id="5320">
        <source>&amp;Gauge</source>
        <translation>&amp;Messgerät</translation>
    </message>
    <message id="5321">
        <source>&amp;Choose master type...</source>
        <translation>Master&amp;typ wählen...</translation>
    </message>
    <message id="5322">
        <source>&amp;Read from gauge</source>
        <translation>Vom Messgerät &amp;lesen</translation>
    </message>
    <message id="5323">
        <source>&amp;Write to gauge</source>
        <translation>Zum Messgerät &amp;schreiben</translation>
    </message>
    <message id="5324">
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnose...</translation>
    </message>
    <message id="5325">
        <source>C&amp;ommunication settings...</source>
        <translation>&amp;Kommunikationseinstellungen...</translation>
    </message>
    <message id="5326">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="5327">
        <source>&amp;About Skaleron...</source>
        <translation>&amp;Info über Skaleron...</translation>
    </message>
    <message id="5330">
        <source>Create a new project</source>
        <translation>Ein neues Projekt anlegen</translation>
    </message>
    <message id="5331">
        <source>Open an existing project</source>
        <translation>Ein vorhandenes Projekt öffnen</translation>
    </message>
    <message id="5332">
        <source>Save the project</source>
        <translation>Das Projekt speichern</translation>
    </message>
    <message id="5333">
        <source>Save the project under a new name</source>
        <translation>Das Projekt unter einem neuen Namen speichern</translation>
    </message>
    <message id="5334">
        <source>Print the configuration sheet</source>
        <translation>Das Konfigurationsblatt drucken</translation>
    </message>
    <message id="5335">
        <source>Show the configuration sheet as it will be printed</source>
        <translation>Das Konfigurationsblatt so zeigen, wie es gedruckt wird</translation>
    </message>
    <message id="5336">
        <source>Choose the printer and the page</source>
        <translation>Drucker und Seite wählen</translation>
    </message>
    <message id="5337">
        <source>Save the configuration sheet as a PDF file</source>
        <translation>Das Konfigurationsblatt als PDF-Datei speichern</translation>
    </message>
    <message id="5338">
        <source>Open this project</source>
        <translation>Dieses Projekt öffnen</translation>
    </message>
    <message id="5339">
        <source>Quit the program; asks whether to save the project</source>
        <translation>Das Programm beenden; fragt, ob das Projekt gespeichert werden soll</translation>
    </message>
    <message id="5340">
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message id="5341">
        <source>Cut the selection and put it on the clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message id="5342">
        <source>Copy the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message id="5343">
        <source>Insert the contents of the clipboard</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message id="5344">
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message id="5345">
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message id="5346">
        <source>Choose the master gauge type of the project</source>
        <translation>Den Mastertyp des Projekts wählen</translation>
    </message>
    <message id="5347">
        <source>Read the configuration from the connected gauge</source>
        <translation>Die Konfiguration vom angeschlossenen Messgerät lesen</translation>
    </message>
    <message id="5348">
        <source>Write the configuration to the connected gauge</source>
        <translation>Die Konfiguration zum angeschlossenen Messgerät schreiben</translation>
    </message>
    <message id="5349">
        <source>Show the diagnostics of the connected gauge</source>
        <translation>Die Diagnose des angeschlossenen Messgeräts zeigen</translation>
    </message>
    <message id="5350">
        <source>Choose the language, the catalogue and the serial port</source>
        <translation>Sprache, Katalog und seriellen Anschluss wählen</translation>
    </message>
    <message id="5351">
        <source>Show the program's version</source>
        <translation>Die Programmversion anzeigen</translation>
    </message>
    <message id="5355">
        <source>Reading the configuration from the gauge</source>
        <translation>Konfiguration wird vom Messgerät gelesen</translation>
    </message>
    <message id="5356">
        <source>Writing the configuration to the gauge</source>
        <translation>Konfiguration wird zum Messgerät geschrieben</translation>
    </message>
    <message id="5357">
        <source>Presetting the counter of the gauge</source>
        <translation>Zähler des Messgeräts wird eingestellt</translation>
    </message>
    <message id="5358">
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
    <message id="5359">
        <source>Stopping after the present step...</source>
        <translation>Wird nach dem laufenden Schritt angehalten...</translation>
    </message>
    <message id="5360">
        <source>The transfer was cancelled. The steps finished before the cancel have taken effect.</source>
        <translation>Die Übertragung wurde abgebrochen. Die vor dem Abbruch beendeten Schritte sind wirksam.</translation>
    </message>
    <message id="5361">
        <source>Connecting to the gauge...</source>
        <translation>Verbindung zum Messgerät wird aufgebaut...</translation>
    </message>
    <message id="5362">
        <source>The demo gauge could not be started: %1</source>
        <translation>Das Demo-Messgerät konnte nicht gestartet werden: %1</translation>
    </message>
    <message id="5363">
        <source>Demo gauge: choose a master type, then read from or write to the simulated gauge</source>
        <translation>Demo-Messgerät: Mastertyp wählen, dann vom simulierten Messgerät lesen oder zu ihm schreiben</translation>
    </message>
    <message id="5370">
        <source>Skaleron configuration sheet</source>
        <translation>Skaleron Konfigurationsblatt</translation>
    </message>
    <message id="5371">
        <source>Project file: %1</source>
        <translation>Projektdatei: %1</translation>
    </message>
    <message id="5372">
        <source>Printed: %1</source>
        <translation>Gedruckt: %1</translation>
    </message>
    <message id="5373">
        <source>Master type</source>
        <translation>Mastertyp</translation>
    </message>
    <message id="5374">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="5376">
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message id="5377">
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message id="5378">
        <source>not saved yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message id="5380">
        <source>The PDF file "%1" could not be written.</source>
        <translation>Die PDF-Datei "%1" konnte nicht geschrieben werden.</translation>
    </message>
    <message id="5381">
        <source>No printer is available. Use "Export as PDF" to keep the sheet as a file.</source>
        <translation>Es ist kein Drucker verfügbar. Mit "Als PDF exportieren" lässt sich das Blatt als Datei speichern.</translation>
    </message>
    <message id="5382">
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message id="5383">
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message id="5390">
        <source>Logging in</source>
        <translation>Anmelden</translation>
    </message>
    <message id="5391">
        <source>Checking the connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message id="5392">
        <source>Reading register %1</source>
        <translation>Register %1 lesen</translation>
    </message>
    <message id="5393">
        <source>Writing register %1</source>
        <translation>Register %1 schreiben</translation>
    </message>
    <message id="5394">
        <source>Reading the parameter block</source>
        <translation>Parameterblock lesen</translation>
    </message>
    <message id="5395">
        <source>Preparing the gauge for the new block</source>
        <translation>Messgerät auf den neuen Block vorbereiten</translation>
    </message>
    <message id="5396">
        <source>Writing the parameter block</source>
        <translation>Parameterblock schreiben</translation>
    </message>
    <message id="5397">
        <source>Storing the settings in the gauge</source>
        <translation>Einstellungen im Messgerät speichern</translation>
    </message>
    <message id="5398">
        <source>Logging in for service</source>
        <translation>Service-Anmeldung</translation>
    </message>
    <message id="5399">
        <source>Writing counter memory at %1</source>
        <translation>Zählerspeicher ab %1 schreiben</translation>
    </message>
    <message id="5384">
        <source>The settings the gauge held before were saved in %1 (Gauge → Restore backup writes them back).</source>
        <translation>Die bisherigen Einstellungen des Messgeräts wurden in %1 gesichert (Messgerät → Sicherung zurückschreiben stellt sie wieder her).</translation>
    </message>
    <message id="5364">
        <source>Gauge port: %1</source>
        <translation>Messgerät-Anschluss: %1</translation>
    </message>
    <message id="5328">
        <source>Restore &amp;backup...</source>
        <translation>Sicherung &amp;zurückschreiben...</translation>
    </message>
    <message id="5352">
        <source>Write a backed-up parameter block back to the gauge</source>
        <translation>Einen gesicherten Parameterblock zum Messgerät zurückschreiben</translation>
    </message>
    <message id="5353">
        <source>Restore backup</source>
        <translation>Sicherung zurückschreiben</translation>
    </message>
    <message id="5354">
        <source>Saved</source>
        <translation>Gesichert</translation>
    </message>
    <message id="5365">
        <source>Gauge family</source>
        <translation>Gerätefamilie</translation>
    </message>
    <message id="5366">
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message id="5367">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="5368">
        <source>Block family (parameter block)</source>
        <translation>Blockfamilie (Parameterblock)</translation>
    </message>
    <message id="5369">
        <source>There is no backup in %1 yet. One is made each time a configuration is written to a gauge that keeps a parameter block.</source>
        <translation>In %1 gibt es noch keine Sicherung. Eine Sicherung entsteht bei jedem Schreiben einer Konfiguration zu einem Messgerät mit Parameterblock.</translation>
    </message>
    <message id="5385">
        <source>Write the backup %1 back to the gauge? The block the gauge holds now is backed up first.</source>
        <translation>Die Sicherung %1 zum Messgerät zurückschreiben? Der Block, den das Messgerät jetzt hält, wird vorher gesichert.</translation>
    </message>
    <message id="5386">
        <source>Writing the backup to the gauge</source>
        <translation>Sicherung zum Messgerät schreiben</translation>
    </message>
    <message id="5387">
        <source>Choosing the master type "%1" sets all settings of this project back to their starting values. Choose it?</source>
        <translation>Die Wahl des Mastertyps "%1" setzt alle Einstellungen dieses Projekts auf ihre Anfangswerte zurück. Trotzdem wählen?</translation>
    </message>
    <message id="5388">
        <source>Master type %1 is not in the catalogue: reading and writing are off</source>
        <translation>Mastertyp %1 fehlt im Katalog: Lesen und Schreiben sind aus</translation>
    </message>
    <message id="5329">
        <source>&amp;User manual</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message id="5389">
        <source>Open the user manual in the web browser</source>
        <translation>Das Benutzerhandbuch im Webbrowser öffnen</translation>
    </message>
    <message id="5379">
        <source>The user manual %1 is missing; it comes with the program.</source>
        <translation>Das Benutzerhandbuch %1 fehlt; es gehört zum Programm.</translation>
    </message>
    <message id="5375">
        <source>No web browser could be started to show the user manual %1.</source>
        <translation>Es ließ sich kein Webbrowser starten, der das Benutzerhandbuch %1 zeigt.</translation>
    </message>
    <message id="5600">
        <source>Gauge %1: </source>
        <translation>Anzeiger %1: </translation>
    </message>
    <message id="5601">
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message id="5602">
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message id="5603">
        <source>Fuel level</source>
        <translation>Füllstand</translation>
    </message>
    <message id="5604">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="5605">
        <source>Ser&amp;vice items</source>
        <translation>Ser&amp;vice-Einträge</translation>
    </message>
    <message id="5606">
        <source>Shows the master's settings and the gauge inputs with their calibration in the project tree, and offers the diagnostics</source>
        <translation>Zeigt im Projektbaum die Einstellungen des Masters und die Eingänge der Anzeiger mit ihrer Kalibrierung und bietet die Diagnose an</translation>
    </message>
    <message id="5971">
        <source>limited to %1, the end of the scale</source>
        <translation>auf %1 begrenzt, das Ende der Skala</translation>
    </message>
    <message id="5972">
        <source>limited to %1, the start of the scale</source>
        <translation>auf %1 begrenzt, der Anfang der Skala</translation>
    </message>
    <message id="5973">
        <source>Demo gauge: read from or write to the simulated gauge</source>
        <translation>Demo-Messgerät: vom simulierten Messgerät lesen oder zu ihm schreiben</translation>
    </message>
    <message id="5974">
        <source>Fill in %1 (%2 to %3) before writing to the gauge</source>
        <translation>Vor dem Schreiben zum Messgerät %1 ausfüllen (%2 bis %3)</translation>
    </message>
    <message id="5975">
        <source>needs a value from %1 to %2</source>
        <translation>braucht einen Wert von %1 bis %2</translation>
    </message>
    <message id="5976">
        <source>%1 is 0: the gauge will show nothing on its frequency input. Write anyway?</source>
        <translation>%1 ist 0: Das Messgerät wird an seinem Frequenzeingang nichts anzeigen. Trotzdem schreiben?</translation>
    </message>
    <message id="5978">
        <source>kept as %1: the gauge holds whole numbers</source>
        <translation>als %1 übernommen: Das Messgerät speichert ganze Zahlen</translation>
    </message>
    <message id="5979">
        <source>A number takes one decimal point or comma and no thousands separator (a thousand and a half: 1000.5 or 1000,5)</source>
        <translation>Eine Zahl hat ein Dezimalkomma oder einen Dezimalpunkt und kein Tausendertrennzeichen (tausendeinhalb: 1000,5 oder 1000.5)</translation>
    </message>
    <message id="5980">
        <source>A number takes one sign, in front</source>
        <translation>Eine Zahl hat ein Vorzeichen, vorne</translation>
    </message>
    <message id="5981">
        <source>Only digits, a sign and a decimal point or comma can be typed here</source>
        <translation>Hier können nur Ziffern, ein Vorzeichen und ein Dezimalkomma oder -punkt eingegeben werden</translation>
    </message>
    <message id="5982">
        <source>Only digits and one * can be typed here</source>
        <translation>Hier können nur Ziffern und ein * eingegeben werden</translation>
    </message>
    <message id="5983">
        <source>Store this path anyway?</source>
        <translation>Diesen Pfad trotzdem speichern?</translation>
    </message>
    <message id="5984">
        <source>kept as %1: the gauge holds one decimal</source>
        <translation>als %1 übernommen: Das Messgerät speichert eine Nachkommastelle</translation>
    </message>
    <message id="5985">
        <source>%1 is not a network port: write it as rfc2217://HOST:PORT or tcp://HOST:PORT, PORT being the number of the port on the server.</source>
        <translation>%1 ist kein Netzwerkanschluss: Schreiben Sie ihn als rfc2217://HOST:PORT oder tcp://HOST:PORT, mit der Nummer des Ports auf dem Server als PORT.</translation>
    </message>
    <message id="5986">
        <source>The sheet was saved as %1.</source>
        <translation>Das Blatt wurde als %1 gespeichert.</translation>
    </message>
    <message id="5987">
        <source>The transfer was cancelled. Nothing read from the gauge was taken into the project.</source>
        <translation>Die Übertragung wurde abgebrochen. Nichts vom Messgerät Gelesene wurde in das Projekt übernommen.</translation>
    </message>
    <message id="5988">
        <source>needs a whole number from %1 to %2: whole pulses, until a gauge that counts tenths is read</source>
        <translation>braucht eine ganze Zahl von %1 bis %2: ganze Impulse, bis ein Messgerät gelesen wird, das Zehntel zählt</translation>
    </message>
    <message id="5989">
        <source>No gauge port set</source>
        <translation>Kein Messgerät-Anschluss eingestellt</translation>
    </message>
    <message id="5990">
        <source>A gauge of this master type keeps no display settings (the items on the LCD, illumination and units): they are not written to it.</source>
        <translation>Ein Messgerät dieses Mastertyps speichert keine Anzeigeeinstellungen (die Anzeigen auf dem LCD, Beleuchtung und Einheiten): sie werden nicht zum Gerät geschrieben.</translation>
    </message>
    <message id="5991">
        <source>"%1" is a project file: the sheet does not replace it. Choose another name.</source>
        <translation>„%1“ ist eine Projektdatei: das Blatt ersetzt sie nicht. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="6376">
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message id="6377">
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message id="6378">
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message id="6379">
        <source>Redo the last change undone</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
</context>
</TS>
