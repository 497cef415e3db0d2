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
    <message id="5750">
        <source>Gauge of the block family (firmware %1, %2)</source>
        <translation>Gauge of the block family (firmware %1, %2)</translation>
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
</context>
</TS>
