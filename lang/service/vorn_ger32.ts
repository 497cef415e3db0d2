<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5740">
        <source>The gauge does not hold what was written: %1.</source>
        <translation>Das Instrument enthält nicht, was geschrieben wurde: %1.</translation>
    </message>
    <message id="5741">
        <source>%1 (written %2, the gauge holds %3)</source>
        <translation>%1 (geschrieben %2, im Instrument %3)</translation>
    </message>
    <message id="5742">
        <source>The configuration was written, but reading it back to check it failed.</source>
        <translation>Die Konfiguration wurde geschrieben, aber das Zurücklesen zur Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message id="5743">
        <source>The gauge holds the settings of the project.</source>
        <translation>Das Instrument enthält die Einstellungen des Projekts.</translation>
    </message>
    <message id="5750">
        <source>Gauge of the block family (firmware %1, %2)</source>
        <translation>Instrument der Block-Familie (Firmware %1, %2)</translation>
    </message>
    <message id="5751">
        <source>Gauge of the block family (its parameter block could not be read)</source>
        <translation>Instrument der Block-Familie (sein Parameterblock war nicht lesbar)</translation>
    </message>
    <message id="5752">
        <source>Gauge of the register family</source>
        <translation>Instrument der Register-Familie</translation>
    </message>
    <message id="5753">
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message id="5754">
        <source>Something answers, but not as a gauge of either family does</source>
        <translation>Es antwortet etwas, aber nicht wie ein Instrument einer der beiden Familien</translation>
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
        <translation>Das Instrument an dieser Schnittstelle gehört zur Familie %1; das Projekt ist für die Familie %2.</translation>
    </message>
    <message id="5763">
        <source>No gauge answers on this port.</source>
        <translation>An dieser Schnittstelle antwortet kein Instrument.</translation>
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
</context>
</TS>
