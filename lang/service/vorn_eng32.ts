<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5740">
        <source>The gauge does not hold what was written: %1.</source>
        <translation>The gauge does not hold what was written: %1.</translation>
    </message>
    <message id="5741">
        <source>%1 (written %2, the gauge holds %3)</source>
        <translation>%1 (written %2, the gauge holds %3)</translation>
    </message>
    <message id="5742">
        <source>The configuration was written, but reading it back to check it failed.</source>
        <translation>The configuration was written, but reading it back to check it failed.</translation>
    </message>
    <message id="5743">
        <source>The gauge holds the settings of the project.</source>
        <translation>The gauge holds the settings of the project.</translation>
    </message>
    <message id="5744">
        <source>The configuration was written to the gauge and read back: the gauge holds what was written.</source>
        <translation>The configuration was written to the gauge and read back: the gauge holds what was written.</translation>
    </message>
    <message id="5750">
        <source>Gauge of the block family (firmware %1)</source>
        <translation>Gauge of the block family (firmware %1)</translation>
    </message>
    <message id="5751">
        <source>Gauge of the block family (its parameter block could not be read)</source>
        <translation>Gauge of the block family (its parameter block could not be read)</translation>
    </message>
    <message id="5752">
        <source>Gauge of the register family</source>
        <translation>Gauge of the register family</translation>
    </message>
    <message id="5753">
        <source>No answer</source>
        <translation>No answer</translation>
    </message>
    <message id="5754">
        <source>Something answers, but not as a gauge of either family does</source>
        <translation>Something answers, but not as a gauge of either family does</translation>
    </message>
    <message id="5755">
        <source>No such port</source>
        <translation>No such port</translation>
    </message>
    <message id="5756">
        <source>Busy or refuses to open (%1)</source>
        <translation>Busy or refuses to open (%1)</translation>
    </message>
    <message id="5757">
        <source>No result in time</source>
        <translation>No result in time</translation>
    </message>
    <message id="5760">
        <source>Failed at step %1 of %2 (%3).</source>
        <translation>Failed at step %1 of %2 (%3).</translation>
    </message>
    <message id="5761">
        <source>The port is no longer there.</source>
        <translation>The port is no longer there.</translation>
    </message>
    <message id="5762">
        <source>The gauge on this port is of the %1 family; the project is for the %2 family.</source>
        <translation>The gauge on this port is of the %1 family; the project is for the %2 family.</translation>
    </message>
    <message id="5763">
        <source>No gauge answers on this port.</source>
        <translation>No gauge answers on this port.</translation>
    </message>
    <message id="5764">
        <source>A port is given without a name.</source>
        <translation>A port is given without a name.</translation>
    </message>
    <message id="5765">
        <source>The port "%2" is given twice ("%1" is the same device).</source>
        <translation>The port "%2" is given twice ("%1" is the same device).</translation>
    </message>
    <message id="5770">
        <source>The report "%1" must end in .json or .csv.</source>
        <translation>The report "%1" must end in .json or .csv.</translation>
    </message>
    <message id="5771">
        <source>The report "%1" cannot be written: %2</source>
        <translation>The report "%1" cannot be written: %2</translation>
    </message>
    <message id="5772">
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message id="5780">
        <source>Master type</source>
        <translation>Master type</translation>
    </message>
    <message id="5781">
        <source>none</source>
        <translation>none</translation>
    </message>
    <message id="5782">
        <source>on</source>
        <translation>on</translation>
    </message>
    <message id="5783">
        <source>off</source>
        <translation>off</translation>
    </message>
    <message id="5784">
        <source>Co&amp;mpare with...</source>
        <translation>Co&amp;mpare with...</translation>
    </message>
    <message id="5785">
        <source>Compare the project with another project file, field by field</source>
        <translation>Compare the project with another project file, field by field</translation>
    </message>
    <message id="5786">
        <source>Com&amp;pare with gauge</source>
        <translation>Com&amp;pare with gauge</translation>
    </message>
    <message id="5787">
        <source>Read the connected gauge and show where it differs from the project; the project is not changed</source>
        <translation>Read the connected gauge and show where it differs from the project; the project is not changed</translation>
    </message>
    <message id="5788">
        <source>&amp;Verify after writing</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message id="5789">
        <source>After each write, read the gauge back; a field it holds otherwise makes the write fail</source>
        <translation>After each write, read the gauge back; a field it holds otherwise makes the write fail</translation>
    </message>
    <message id="5790">
        <source>Comparison</source>
        <translation>Comparison</translation>
    </message>
    <message id="5791">
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message id="5792">
        <source>Stored name</source>
        <translation>Stored name</translation>
    </message>
    <message id="5793">
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message id="5794">
        <source>Gauge</source>
        <translation>Gauge</translation>
    </message>
    <message id="5795">
        <source>Where "%2" differs from the project "%1":</source>
        <translation>Where "%2" differs from the project "%1":</translation>
    </message>
    <message id="5796">
        <source>&amp;Take the gauge's values</source>
        <translation>&amp;Take the gauge's values</translation>
    </message>
    <message id="5797">
        <source>&amp;Write the project to the gauge</source>
        <translation>&amp;Write the project to the gauge</translation>
    </message>
    <message id="5798">
        <source>The project "%1" and "%2" do not differ in any field the master type uses.</source>
        <translation>The project "%1" and "%2" do not differ in any field the master type uses.</translation>
    </message>
    <message id="5799">
        <source>The gauge holds the same settings as the project "%1".</source>
        <translation>The gauge holds the same settings as the project "%1".</translation>
    </message>
    <message id="5870">
        <source>"%1" is the open project's own file: the table shows the changes not saved yet.</source>
        <translation>"%1" is the open project's own file: the table shows the changes not saved yet.</translation>
    </message>
    <message id="5871">
        <source>"%1" is the open project's own file, and the project has no unsaved changes.</source>
        <translation>"%1" is the open project's own file, and the project has no unsaved changes.</translation>
    </message>
    <message id="5872">
        <source>Where the gauge differs from the project "%1". Nothing has been taken into the project yet:</source>
        <translation>Where the gauge differs from the project "%1". Nothing has been taken into the project yet:</translation>
    </message>
    <message id="5873">
        <source>Find gauge</source>
        <translation>Find &amp;gauge</translation>
    </message>
    <message id="5874">
        <source>Trying the ports: %1 of %2 done...</source>
        <translation>Trying the ports: %1 of %2 done...</translation>
    </message>
    <message id="5875">
        <source>No gauge answers on any port tried (%1).</source>
        <translation>No gauge answers on any port tried (%1).</translation>
    </message>
    <message id="5876">
        <source>A gauge answers on %1; that port is chosen.</source>
        <translation>A gauge answers on %1; that port is chosen.</translation>
    </message>
    <message id="5877">
        <source>%1 gauges answer; %2 is chosen. Click another one in the list to choose it.</source>
        <translation>%1 gauges answer; %2 is chosen. Click another one in the list to choose it.</translation>
    </message>
    <message id="5878">
        <source>Search stopped.</source>
        <translation>Search stopped.</translation>
    </message>
    <message id="5879">
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message id="5880">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="5881">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="5882">
        <source>LCD items</source>
        <translation>LCD items</translation>
    </message>
    <message id="5745">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps whole numbers.</translation>
    </message>
    <message id="5746">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps one decimal.</source>
        <translation>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps one decimal.</translation>
    </message>
    <message id="5747">
        <source>The gauge holds the warning threshold as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>The gauge holds the warning threshold as %1, not %2 as in the project: it keeps whole numbers.</translation>
    </message>
    <message id="5749">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project, and the warning threshold as %3, not %4: it keeps whole numbers.</source>
        <translation>The gauge holds the pulse factor as %1, not %2 as in the project, and the warning threshold as %3, not %4: it keeps whole numbers.</translation>
    </message>
    <message id="5758">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project (it keeps one decimal), and the warning threshold as %3, not %4 (it keeps whole numbers).</source>
        <translation>The gauge holds the pulse factor as %1, not %2 as in the project (it keeps one decimal), and the warning threshold as %3, not %4 (it keeps whole numbers).</translation>
    </message>
    <message id="5759">
        <source>Distance counter: %1</source>
        <translation>Distance counter: %1</translation>
    </message>
    <message id="5766">
        <source>Hour counter: %1 h</source>
        <translation>Hour counter: %1 h</translation>
    </message>
    <message id="5767">
        <source>The gauge does not hold the project's settings: %1.</source>
        <translation>The gauge does not hold the project's settings: %1.</translation>
    </message>
    <message id="5768">
        <source>%1 (project %2, the gauge holds %3)</source>
        <translation>%1 (project %2, the gauge holds %3)</translation>
    </message>
    <message id="5769">
        <source>Cannot be reached (%1)</source>
        <translation>Cannot be reached (%1)</translation>
    </message>
    <message id="5773">
        <source>The backup %1 was written back to the gauge and read back: the gauge holds it.</source>
        <translation>The backup %1 was written back to the gauge and read back: the gauge holds it.</translation>
    </message>
    <message id="5774">
        <source>The gauge answered with values no gauge can hold (%1), as a gauge that refuses to be read does: nothing was taken from it.</source>
        <translation>The gauge answered with values no gauge can hold (%1), as a gauge that refuses to be read does: nothing was taken from it.</translation>
    </message>
    <message id="5748">
        <source>The backup %1 was written back to the gauge.</source>
        <translation>The backup %1 was written back to the gauge.</translation>
    </message>
</context>
</TS>
