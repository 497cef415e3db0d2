<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5740">
        <source>The gauge does not hold what was written: %1.</source>
        <translation>Das Messgerät enthält nicht, was geschrieben wurde: %1.</translation>
    </message>
    <message id="5741">
        <source>%1 (written %2, the gauge holds %3)</source>
        <translation>%1 (geschrieben %2, im Messgerät %3)</translation>
    </message>
    <message id="5742">
        <source>The configuration was written, but reading it back to check it failed.</source>
        <translation>Die Konfiguration wurde geschrieben, aber das Zurücklesen zur Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message id="5743">
        <source>The gauge holds the settings of the project.</source>
        <translation>Das Messgerät enthält die Einstellungen des Projekts.</translation>
    </message>
    <message id="5744">
        <source>The configuration was written to the gauge and read back: the gauge holds what was written.</source>
        <translation>Die Konfiguration wurde in das Messgerät geschrieben und zurückgelesen: Das Messgerät enthält, was geschrieben wurde.</translation>
    </message>
    <message id="5750">
        <source>Gauge of the block family (firmware %1)</source>
        <translation>Messgerät der Block-Familie (Firmware %1)</translation>
    </message>
    <message id="5751">
        <source>Gauge of the block family (its parameter block could not be read)</source>
        <translation>Messgerät der Block-Familie (sein Parameterblock war nicht lesbar)</translation>
    </message>
    <message id="5752">
        <source>Gauge of the register family</source>
        <translation>Messgerät der Register-Familie</translation>
    </message>
    <message id="5753">
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message id="5754">
        <source>Something answers, but not as a gauge of either family does</source>
        <translation>Es antwortet etwas, aber nicht wie ein Messgerät einer der beiden Familien</translation>
    </message>
    <message id="5755">
        <source>No such port</source>
        <translation>Diese Schnittstelle gibt es nicht</translation>
    </message>
    <message id="5756">
        <source>Busy or refuses to open (%1)</source>
        <translation>Belegt oder lässt sich nicht öffnen (%1)</translation>
    </message>
    <message id="5757">
        <source>No result in time</source>
        <translation>Kein Ergebnis in der vorgesehenen Zeit</translation>
    </message>
    <message id="5760">
        <source>Failed at step %1 of %2 (%3).</source>
        <translation>Fehlgeschlagen bei Schritt %1 von %2 (%3).</translation>
    </message>
    <message id="5761">
        <source>The port is no longer there.</source>
        <translation>Die Schnittstelle ist nicht mehr vorhanden.</translation>
    </message>
    <message id="5762">
        <source>The gauge on this port is of the %1 family; the project is for the %2 family.</source>
        <translation>Das Messgerät an dieser Schnittstelle gehört zur Familie %1; das Projekt ist für die Familie %2.</translation>
    </message>
    <message id="5763">
        <source>No gauge answers on this port.</source>
        <translation>An dieser Schnittstelle antwortet kein Messgerät.</translation>
    </message>
    <message id="5764">
        <source>A port is given without a name.</source>
        <translation>Eine Schnittstelle ist ohne Namen angegeben.</translation>
    </message>
    <message id="5765">
        <source>The port "%2" is given twice ("%1" is the same device).</source>
        <translation>Die Schnittstelle "%2" ist doppelt angegeben ("%1" ist dasselbe Gerät).</translation>
    </message>
    <message id="5770">
        <source>The report "%1" must end in .json or .csv.</source>
        <translation>Der Bericht "%1" muss auf .json oder .csv enden.</translation>
    </message>
    <message id="5771">
        <source>The report "%1" cannot be written: %2</source>
        <translation>Der Bericht "%1" kann nicht geschrieben werden: %2</translation>
    </message>
    <message id="5772">
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message id="5780">
        <source>Master type</source>
        <translation>Mastertyp</translation>
    </message>
    <message id="5781">
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message id="5782">
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message id="5783">
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message id="5784">
        <source>Co&amp;mpare with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message id="5785">
        <source>Compare the project with another project file, field by field</source>
        <translation>Das Projekt Feld für Feld mit einer anderen Projektdatei vergleichen</translation>
    </message>
    <message id="5786">
        <source>Com&amp;pare with gauge</source>
        <translation>Mit Messgerät &amp;vergleichen</translation>
    </message>
    <message id="5787">
        <source>Read the connected gauge and show where it differs from the project; the project is not changed</source>
        <translation>Das angeschlossene Messgerät lesen und zeigen, worin es vom Projekt abweicht; das Projekt bleibt unverändert</translation>
    </message>
    <message id="5788">
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message id="5789">
        <source>After each write, read the gauge back; a field it holds otherwise makes the write fail</source>
        <translation>Nach jedem Schreiben das Messgerät zurücklesen; ein Feld, das es anders hält, lässt das Schreiben scheitern</translation>
    </message>
    <message id="5790">
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message id="5791">
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message id="5792">
        <source>Stored name</source>
        <translation>Gespeicherter Name</translation>
    </message>
    <message id="5793">
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message id="5794">
        <source>Gauge</source>
        <translation>Messgerät</translation>
    </message>
    <message id="5795">
        <source>Where "%2" differs from the project "%1":</source>
        <translation>Worin "%2" vom Projekt "%1" abweicht:</translation>
    </message>
    <message id="5796">
        <source>&amp;Take the gauge's values</source>
        <translation>&amp;Werte des Messgeräts übernehmen</translation>
    </message>
    <message id="5797">
        <source>&amp;Write the project to the gauge</source>
        <translation>&amp;Projekt zum Messgerät schreiben</translation>
    </message>
    <message id="5798">
        <source>The project "%1" and "%2" do not differ in any field the master type uses.</source>
        <translation>Das Projekt "%1" und "%2" unterscheiden sich in keinem Feld, das der Mastertyp verwendet.</translation>
    </message>
    <message id="5799">
        <source>The gauge holds the same settings as the project "%1".</source>
        <translation>Das Messgerät hält dieselben Einstellungen wie das Projekt "%1".</translation>
    </message>
    <message id="5870">
        <source>"%1" is the open project's own file: the table shows the changes not saved yet.</source>
        <translation>"%1" ist die Datei des geöffneten Projekts: Die Tabelle zeigt die noch nicht gespeicherten Änderungen.</translation>
    </message>
    <message id="5871">
        <source>"%1" is the open project's own file, and the project has no unsaved changes.</source>
        <translation>"%1" ist die Datei des geöffneten Projekts, und das Projekt hat keine ungespeicherten Änderungen.</translation>
    </message>
    <message id="5872">
        <source>Where the gauge differs from the project "%1". Nothing has been taken into the project yet:</source>
        <translation>Worin das Messgerät vom Projekt "%1" abweicht. Noch wurde nichts ins Projekt übernommen:</translation>
    </message>
    <message id="5873">
        <source>Find gauge</source>
        <translation>Messgerät &amp;suchen</translation>
    </message>
    <message id="5874">
        <source>Trying the ports: %1 of %2 done...</source>
        <translation>Anschlüsse werden versucht: %1 von %2 fertig...</translation>
    </message>
    <message id="5875">
        <source>No gauge answers on any port tried (%1).</source>
        <translation>An keinem der versuchten Anschlüsse (%1) antwortet ein Messgerät.</translation>
    </message>
    <message id="5876">
        <source>A gauge answers on %1; that port is chosen.</source>
        <translation>An %1 antwortet ein Messgerät; dieser Anschluss ist gewählt.</translation>
    </message>
    <message id="5877">
        <source>%1 gauges answer; %2 is chosen. Click another one in the list to choose it.</source>
        <translation>%1 Messgeräte antworten; %2 ist gewählt. Ein Klick auf ein anderes in der Liste wählt dieses.</translation>
    </message>
    <message id="5878">
        <source>Search stopped.</source>
        <translation>Suche angehalten.</translation>
    </message>
    <message id="5879">
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message id="5880">
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message id="5881">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="5882">
        <source>LCD items</source>
        <translation>LCD-Anzeigen</translation>
    </message>
    <message id="5745">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>Das Messgerät speichert den Impulsfaktor als %1, nicht %2 wie im Projekt: Es kennt nur ganze Zahlen.</translation>
    </message>
    <message id="5746">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps one decimal.</source>
        <translation>Das Messgerät speichert den Impulsfaktor als %1, nicht %2 wie im Projekt: Es kennt nur eine Nachkommastelle.</translation>
    </message>
    <message id="5747">
        <source>The gauge holds the warning threshold as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>Das Messgerät speichert die Warnschwelle als %1, nicht %2 wie im Projekt: Es kennt nur ganze Zahlen.</translation>
    </message>
    <message id="5749">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project, and the warning threshold as %3, not %4: it keeps whole numbers.</source>
        <translation>Das Messgerät speichert den Impulsfaktor als %1, nicht %2 wie im Projekt, und die Warnschwelle als %3, nicht %4: Es kennt nur ganze Zahlen.</translation>
    </message>
    <message id="5758">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project (it keeps one decimal), and the warning threshold as %3, not %4 (it keeps whole numbers).</source>
        <translation>Das Messgerät speichert den Impulsfaktor als %1, nicht %2 wie im Projekt (es kennt nur eine Nachkommastelle), und die Warnschwelle als %3, nicht %4 (es kennt nur ganze Zahlen).</translation>
    </message>
    <message id="5759">
        <source>Distance counter: %1</source>
        <translation>Wegstreckenzähler: %1</translation>
    </message>
    <message id="5766">
        <source>Hour counter: %1 h</source>
        <translation>Betriebsstundenzähler: %1 h</translation>
    </message>
    <message id="5767">
        <source>The gauge does not hold the project's settings: %1.</source>
        <translation>Das Messgerät enthält nicht die Einstellungen des Projekts: %1.</translation>
    </message>
    <message id="5768">
        <source>%1 (project %2, the gauge holds %3)</source>
        <translation>%1 (Projekt %2, im Messgerät %3)</translation>
    </message>
    <message id="5769">
        <source>Cannot be reached (%1)</source>
        <translation>Nicht erreichbar (%1)</translation>
    </message>
    <message id="5773">
        <source>The backup %1 was written back to the gauge and read back: the gauge holds it.</source>
        <translation>Die Sicherung %1 wurde in das Messgerät zurückgeschrieben und zurückgelesen: Das Messgerät enthält sie.</translation>
    </message>
    <message id="5774">
        <source>The gauge answered with values no gauge can hold (%1), as a gauge that refuses to be read does: nothing was taken from it.</source>
        <translation>Das Messgerät antwortete mit Werten, die kein Messgerät halten kann (%1), wie ein Messgerät, das das Lesen verweigert: Nichts davon wurde übernommen.</translation>
    </message>
    <message id="5748">
        <source>The backup %1 was written back to the gauge.</source>
        <translation>Die Sicherung %1 wurde in das Messgerät zurückgeschrieben.</translation>
    </message>
</context>
</TS>
