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
    <message id="5744">
        <source>The configuration was written to the gauge and read back: the gauge holds what was written.</source>
        <translation>La configuration a été écrite dans l'instrument et relue : l'instrument contient ce qui a été écrit.</translation>
    </message>
    <message id="5750">
        <source>Gauge of the block family (firmware %1)</source>
        <translation>Instrument de la famille bloc (micrologiciel %1)</translation>
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
    <message id="5784">
        <source>Co&amp;mpare with...</source>
        <translation>Co&amp;mparer avec...</translation>
    </message>
    <message id="5785">
        <source>Compare the project with another project file, field by field</source>
        <translation>Comparer le projet champ par champ avec un autre fichier de projet</translation>
    </message>
    <message id="5786">
        <source>Com&amp;pare with gauge</source>
        <translation>Co&amp;mparer avec l'instrument</translation>
    </message>
    <message id="5787">
        <source>Read the connected gauge and show where it differs from the project; the project is not changed</source>
        <translation>Lire l'instrument raccordé et montrer en quoi il diffère du projet ; le projet n'est pas modifié</translation>
    </message>
    <message id="5788">
        <source>&amp;Verify after writing</source>
        <translation>&amp;Vérifier après l'écriture</translation>
    </message>
    <message id="5789">
        <source>After each write, read the gauge back; a field it holds otherwise makes the write fail</source>
        <translation>Après chaque écriture, relire l'instrument ; un champ qu'il garde autrement fait échouer l'écriture</translation>
    </message>
    <message id="5790">
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message id="5791">
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message id="5792">
        <source>Stored name</source>
        <translation>Nom enregistré</translation>
    </message>
    <message id="5793">
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message id="5794">
        <source>Gauge</source>
        <translation>Instrument</translation>
    </message>
    <message id="5795">
        <source>Where "%2" differs from the project "%1":</source>
        <translation>En quoi "%2" diffère du projet "%1" :</translation>
    </message>
    <message id="5796">
        <source>&amp;Take the gauge's values</source>
        <translation>&amp;Reprendre les valeurs de l'instrument</translation>
    </message>
    <message id="5797">
        <source>&amp;Write the project to the gauge</source>
        <translation>É&amp;crire le projet dans l'instrument</translation>
    </message>
    <message id="5798">
        <source>The project "%1" and "%2" do not differ in any field the master type uses.</source>
        <translation>Le projet "%1" et "%2" ne diffèrent dans aucun champ utilisé par le type de maître.</translation>
    </message>
    <message id="5799">
        <source>The gauge holds the same settings as the project "%1".</source>
        <translation>L'instrument contient les mêmes réglages que le projet "%1".</translation>
    </message>
    <message id="5870">
        <source>"%1" is the open project's own file: the table shows the changes not saved yet.</source>
        <translation>"%1" est le fichier du projet ouvert : le tableau montre les modifications pas encore enregistrées.</translation>
    </message>
    <message id="5871">
        <source>"%1" is the open project's own file, and the project has no unsaved changes.</source>
        <translation>"%1" est le fichier du projet ouvert, et le projet n'a pas de modifications non enregistrées.</translation>
    </message>
    <message id="5872">
        <source>Where the gauge differs from the project "%1". Nothing has been taken into the project yet:</source>
        <translation>En quoi l'instrument diffère du projet "%1". Rien n'a encore été repris dans le projet :</translation>
    </message>
    <message id="5873">
        <source>Find gauge</source>
        <translation>Rec&amp;hercher l'instrument</translation>
    </message>
    <message id="5874">
        <source>Trying the ports: %1 of %2 done...</source>
        <translation>Essai des ports : %1 sur %2 terminés...</translation>
    </message>
    <message id="5875">
        <source>No gauge answers on any port tried (%1).</source>
        <translation>Aucun instrument ne répond sur les ports essayés (%1).</translation>
    </message>
    <message id="5876">
        <source>A gauge answers on %1; that port is chosen.</source>
        <translation>Un instrument répond sur %1 ; ce port est choisi.</translation>
    </message>
    <message id="5877">
        <source>%1 gauges answer; %2 is chosen. Click another one in the list to choose it.</source>
        <translation>%1 instruments répondent ; %2 est choisi. Cliquez sur un autre dans la liste pour le choisir.</translation>
    </message>
    <message id="5878">
        <source>Search stopped.</source>
        <translation>Recherche arrêtée.</translation>
    </message>
    <message id="5879">
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message id="5880">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="5881">
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message id="5882">
        <source>LCD items</source>
        <translation>Éléments de l'écran LCD</translation>
    </message>
    <message id="5745">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>L’instrument garde le facteur d’impulsions à %1, et non %2 comme dans le projet : il ne garde que des nombres entiers.</translation>
    </message>
    <message id="5746">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project: it keeps one decimal.</source>
        <translation>L’instrument garde le facteur d’impulsions à %1, et non %2 comme dans le projet : il ne garde qu’une décimale.</translation>
    </message>
    <message id="5747">
        <source>The gauge holds the warning threshold as %1, not %2 as in the project: it keeps whole numbers.</source>
        <translation>L’instrument garde le seuil d’alerte à %1, et non %2 comme dans le projet : il ne garde que des nombres entiers.</translation>
    </message>
    <message id="5749">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project, and the warning threshold as %3, not %4: it keeps whole numbers.</source>
        <translation>L’instrument garde le facteur d’impulsions à %1, et non %2 comme dans le projet, et le seuil d’alerte à %3, et non %4 : il ne garde que des nombres entiers.</translation>
    </message>
    <message id="5758">
        <source>The gauge holds the pulse factor as %1, not %2 as in the project (it keeps one decimal), and the warning threshold as %3, not %4 (it keeps whole numbers).</source>
        <translation>L’instrument garde le facteur d’impulsions à %1, et non %2 comme dans le projet (il ne garde qu’une décimale), et le seuil d’alerte à %3, et non %4 (il ne garde que des nombres entiers).</translation>
    </message>
    <message id="5759">
        <source>Distance counter: %1</source>
        <translation>Compteur de distance : %1</translation>
    </message>
    <message id="5766">
        <source>Hour counter: %1 h</source>
        <translation>Compteur d’heures : %1 h</translation>
    </message>
    <message id="5767">
        <source>The gauge does not hold the project's settings: %1.</source>
        <translation>L'instrument ne contient pas les réglages du projet : %1.</translation>
    </message>
    <message id="5768">
        <source>%1 (project %2, the gauge holds %3)</source>
        <translation>%1 (projet %2, l'instrument contient %3)</translation>
    </message>
    <message id="5769">
        <source>Cannot be reached (%1)</source>
        <translation>Injoignable (%1)</translation>
    </message>
    <message id="5773">
        <source>The backup %1 was written back to the gauge and read back: the gauge holds it.</source>
        <translation>La sauvegarde %1 a été réécrite dans l’instrument et relue : l’instrument la contient.</translation>
    </message>
    <message id="5774">
        <source>The gauge answered with values no gauge can hold (%1), as a gauge that refuses to be read does: nothing was taken from it.</source>
        <translation>L’instrument a répondu avec des valeurs qu’aucun instrument ne peut contenir (%1), comme un instrument qui refuse la lecture : rien n’en a été repris.</translation>
    </message>
    <message id="5748">
        <source>The backup %1 was written back to the gauge.</source>
        <translation>La sauvegarde %1 a été réécrite dans l’instrument.</translation>
    </message>
</context>
</TS>
