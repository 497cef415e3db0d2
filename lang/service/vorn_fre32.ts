<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5740">
        <source>The gauge does not hold what was written: %1.</source>
        <translation>L'instrument ne contient pas ce qui a été écrit : %1.</translation>
    </message>
    <message id="5741">
        <source>%1 (written %2, the gauge holds %3)</source>
        <translation>%1 (écrit %2, l'instrument contient %3)</translation>
    </message>
    <message id="5742">
        <source>The configuration was written, but reading it back to check it failed.</source>
        <translation>La configuration a été écrite, mais la relecture de contrôle a échoué.</translation>
    </message>
    <message id="5743">
        <source>The gauge holds the settings of the project.</source>
        <translation>L'instrument contient les réglages du projet.</translation>
    </message>
    <message id="5750">
        <source>Gauge of the block family (firmware %1, %2)</source>
        <translation>Instrument de la famille bloc (micrologiciel %1, %2)</translation>
    </message>
    <message id="5751">
        <source>Gauge of the block family (its parameter block could not be read)</source>
        <translation>Instrument de la famille bloc (son bloc de paramètres n'a pas pu être lu)</translation>
    </message>
    <message id="5752">
        <source>Gauge of the register family</source>
        <translation>Instrument de la famille registre</translation>
    </message>
    <message id="5753">
        <source>No answer</source>
        <translation>Pas de réponse</translation>
    </message>
    <message id="5754">
        <source>Something answers, but not as a gauge of either family does</source>
        <translation>Quelque chose répond, mais pas comme un instrument de l'une des deux familles</translation>
    </message>
    <message id="5755">
        <source>No such port</source>
        <translation>Ce port n'existe pas</translation>
    </message>
    <message id="5756">
        <source>Busy or refuses to open (%1)</source>
        <translation>Occupé ou refuse de s'ouvrir (%1)</translation>
    </message>
    <message id="5757">
        <source>No result in time</source>
        <translation>Pas de résultat dans le délai</translation>
    </message>
    <message id="5760">
        <source>Failed at step %1 of %2 (%3).</source>
        <translation>Échec à l'étape %1 sur %2 (%3).</translation>
    </message>
    <message id="5761">
        <source>The port is no longer there.</source>
        <translation>Le port n'est plus là.</translation>
    </message>
    <message id="5762">
        <source>The gauge on this port is of the %1 family; the project is for the %2 family.</source>
        <translation>L'instrument sur ce port est de la famille %1 ; le projet est pour la famille %2.</translation>
    </message>
    <message id="5763">
        <source>No gauge answers on this port.</source>
        <translation>Aucun instrument ne répond sur ce port.</translation>
    </message>
    <message id="5764">
        <source>A port is given without a name.</source>
        <translation>Un port est indiqué sans nom.</translation>
    </message>
    <message id="5765">
        <source>The port "%2" is given twice ("%1" is the same device).</source>
        <translation>Le port "%2" est indiqué deux fois ("%1" est le même périphérique).</translation>
    </message>
    <message id="5770">
        <source>The report "%1" must end in .json or .csv.</source>
        <translation>Le rapport "%1" doit se terminer par .json ou .csv.</translation>
    </message>
    <message id="5771">
        <source>The report "%1" cannot be written: %2</source>
        <translation>Le rapport "%1" ne peut pas être écrit : %2</translation>
    </message>
    <message id="5772">
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message id="5780">
        <source>Master type</source>
        <translation>Type de maître</translation>
    </message>
    <message id="5781">
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message id="5782">
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message id="5783">
        <source>off</source>
        <translation>non</translation>
    </message>
</context>
</TS>
