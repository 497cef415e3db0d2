<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5300">
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message id="5301">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="5302">
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message id="5303">
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message id="5304">
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message id="5305">
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message id="5306">
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message id="5307">
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message id="5308">
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l'impression...</translation>
    </message>
    <message id="5309">
        <source>E&amp;xport as PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message id="5310">
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message id="5311">
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="5312">
        <source>&amp;Edit</source>
        <translation>&amp;Edition</translation>
    </message>
    <message id="5313">
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="5314">
        <source>Cu&amp;t</source>
        <translation>&amp;Couper</translation>
    </message>
    <message id="5315">
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message id="5316">
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message id="5317">
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message id="5318">
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d'outils</translation>
    </message>
    <message id="5319">
        <source>&amp;Status Bar</source>
        <translation>Barre d'é&amp;tat</translation>
    </message>
    <message id="5320">
        <source>&amp;Gauge</source>
        <translation>&amp;Instrument</translation>
    </message>
    <message id="5321">
        <source>&amp;Choose master type...</source>
        <translation>&amp;Choisir le type de maître...</translation>
    </message>
    <message id="5322">
        <source>&amp;Read from gauge</source>
        <translation>&amp;Lire depuis l'instrument</translation>
    </message>
    <message id="5323">
        <source>&amp;Write to gauge</source>
        <translation>Écrir&amp;e dans l'instrument</translation>
    </message>
    <message id="5324">
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnostic...</translation>
    </message>
    <message id="5325">
        <source>C&amp;ommunication settings...</source>
        <translation>Paramètres de c&amp;ommunication...</translation>
    </message>
    <message id="5326">
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message id="5327">
        <source>&amp;About Skaleron...</source>
        <translation>À &amp;propos de Skaleron...</translation>
    </message>
    <message id="5330">
        <source>Create a new project</source>
        <translation>Créer un nouveau projet</translation>
    </message>
    <message id="5331">
        <source>Open an existing project</source>
        <translation>Ouvrir un projet existant</translation>
    </message>
    <message id="5332">
        <source>Save the project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message id="5333">
        <source>Save the project under a new name</source>
        <translation>Enregistrer le projet sous un nouveau nom</translation>
    </message>
    <message id="5334">
        <source>Print the configuration sheet</source>
        <translation>Imprimer la fiche de configuration</translation>
    </message>
    <message id="5335">
        <source>Show the configuration sheet as it will be printed</source>
        <translation>Afficher la fiche de configuration telle qu'elle sera imprimée</translation>
    </message>
    <message id="5336">
        <source>Choose the printer and the page</source>
        <translation>Choisir l'imprimante et la page</translation>
    </message>
    <message id="5337">
        <source>Save the configuration sheet as a PDF file</source>
        <translation>Enregistrer la fiche de configuration dans un fichier PDF</translation>
    </message>
    <message id="5338">
        <source>Open this project</source>
        <translation>Ouvrir ce projet</translation>
    </message>
    <message id="5339">
        <source>Quit the program; asks whether to save the project</source>
        <translation>Quitter le programme ; demande s'il faut enregistrer le projet</translation>
    </message>
    <message id="5340">
        <source>Undo the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message id="5341">
        <source>Cut the selection and put it on the clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message id="5342">
        <source>Copy the selection to the clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message id="5343">
        <source>Insert the contents of the clipboard</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message id="5344">
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d'outils</translation>
    </message>
    <message id="5345">
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d'état</translation>
    </message>
    <message id="5346">
        <source>Choose the master gauge type of the project</source>
        <translation>Choisir le type d'instrument maître du projet</translation>
    </message>
    <message id="5347">
        <source>Read the configuration from the connected gauge</source>
        <translation>Lire la configuration de l'instrument raccordé</translation>
    </message>
    <message id="5348">
        <source>Write the configuration to the connected gauge</source>
        <translation>Écrire la configuration dans l'instrument raccordé</translation>
    </message>
    <message id="5349">
        <source>Show the diagnostics of the connected gauge</source>
        <translation>Afficher le diagnostic de l'instrument raccordé</translation>
    </message>
    <message id="5350">
        <source>Choose the language, the catalogue and the serial port</source>
        <translation>Choisir la langue, le catalogue et le port série</translation>
    </message>
    <message id="5351">
        <source>Show the program's version</source>
        <translation>Afficher la version du programme</translation>
    </message>
    <message id="5355">
        <source>Reading the configuration from the gauge</source>
        <translation>Lecture de la configuration depuis l'instrument</translation>
    </message>
    <message id="5356">
        <source>Writing the configuration to the gauge</source>
        <translation>Écriture de la configuration dans l'instrument</translation>
    </message>
    <message id="5357">
        <source>Presetting the counter of the gauge</source>
        <translation>Réglage du compteur de l'instrument</translation>
    </message>
    <message id="5358">
        <source>Step %1 of %2: %3</source>
        <translation>Étape %1 sur %2 : %3</translation>
    </message>
    <message id="5359">
        <source>Stopping after the present step...</source>
        <translation>Arrêt après l'étape en cours...</translation>
    </message>
    <message id="5360">
        <source>The transfer was cancelled. The steps finished before the cancel have taken effect.</source>
        <translation>Le transfert a été annulé. Les étapes terminées avant l'annulation ont pris effet.</translation>
    </message>
    <message id="5361">
        <source>Connecting to the gauge...</source>
        <translation>Connexion à l'instrument...</translation>
    </message>
    <message id="5362">
        <source>The demo gauge could not be started: %1</source>
        <translation>L'instrument de démonstration n'a pas pu être démarré : %1</translation>
    </message>
    <message id="5363">
        <source>Demo gauge: choose a master type, then read from or write to the simulated gauge</source>
        <translation>Instrument de démonstration : choisissez un type de maître, puis lisez ou écrivez l'instrument simulé</translation>
    </message>
    <message id="5370">
        <source>Skaleron configuration sheet</source>
        <translation>Fiche de configuration Skaleron</translation>
    </message>
    <message id="5371">
        <source>Project file: %1</source>
        <translation>Fichier de projet : %1</translation>
    </message>
    <message id="5372">
        <source>Printed: %1</source>
        <translation>Imprimé le : %1</translation>
    </message>
    <message id="5373">
        <source>Master type</source>
        <translation>Type de maître</translation>
    </message>
    <message id="5374">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="5376">
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message id="5377">
        <source>no</source>
        <translation>non</translation>
    </message>
    <message id="5378">
        <source>not saved yet</source>
        <translation>pas encore enregistré</translation>
    </message>
    <message id="5380">
        <source>The PDF file "%1" could not be written.</source>
        <translation>Le fichier PDF « %1 » n'a pas pu être écrit.</translation>
    </message>
    <message id="5381">
        <source>No printer is available. Use "Export as PDF" to keep the sheet as a file.</source>
        <translation>Aucune imprimante n'est disponible. Utilisez « Exporter en PDF » pour conserver la fiche dans un fichier.</translation>
    </message>
    <message id="5382">
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message id="5383">
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message id="5390">
        <source>Logging in</source>
        <translation>Connexion</translation>
    </message>
    <message id="5391">
        <source>Checking the connection</source>
        <translation>Vérification de la liaison</translation>
    </message>
    <message id="5392">
        <source>Reading register %1</source>
        <translation>Lecture du registre %1</translation>
    </message>
    <message id="5393">
        <source>Writing register %1</source>
        <translation>Écriture du registre %1</translation>
    </message>
    <message id="5394">
        <source>Reading the parameter block</source>
        <translation>Lecture du bloc de paramètres</translation>
    </message>
    <message id="5395">
        <source>Preparing the gauge for the new block</source>
        <translation>Préparation de l'instrument au nouveau bloc</translation>
    </message>
    <message id="5396">
        <source>Writing the parameter block</source>
        <translation>Écriture du bloc de paramètres</translation>
    </message>
    <message id="5397">
        <source>Storing the settings in the gauge</source>
        <translation>Enregistrement des réglages dans l'instrument</translation>
    </message>
    <message id="5398">
        <source>Logging in for service</source>
        <translation>Connexion de service</translation>
    </message>
    <message id="5399">
        <source>Writing counter memory at %1</source>
        <translation>Écriture de la mémoire du compteur à %1</translation>
    </message>
    <message id="5384">
        <source>The settings the gauge held before were saved in %1 (Gauge → Restore backup writes them back).</source>
        <translation>Les réglages que l'instrument avait auparavant ont été sauvegardés dans %1 (Instrument → Restaurer une sauvegarde les réécrit).</translation>
    </message>
    <message id="5364">
        <source>Gauge port: %1</source>
        <translation>Port de l'instrument : %1</translation>
    </message>
    <message id="5328">
        <source>Restore &amp;backup...</source>
        <translation>Restaurer une sa&amp;uvegarde...</translation>
    </message>
    <message id="5352">
        <source>Write a backed-up parameter block back to the gauge</source>
        <translation>Réécrire dans l'instrument un bloc de paramètres sauvegardé</translation>
    </message>
    <message id="5353">
        <source>Restore backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message id="5354">
        <source>Saved</source>
        <translation>Sauvegardé le</translation>
    </message>
    <message id="5365">
        <source>Gauge family</source>
        <translation>Famille d'instrument</translation>
    </message>
    <message id="5366">
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message id="5367">
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message id="5368">
        <source>Block family (parameter block)</source>
        <translation>Famille à bloc (bloc de paramètres)</translation>
    </message>
    <message id="5369">
        <source>There is no backup in %1 yet. One is made each time a configuration is written to a gauge that keeps a parameter block.</source>
        <translation>Il n'y a encore aucune sauvegarde dans %1. Une sauvegarde est faite à chaque écriture d'une configuration dans un instrument à bloc de paramètres.</translation>
    </message>
    <message id="5385">
        <source>Write the backup %1 back to the gauge? The block the gauge holds now is backed up first.</source>
        <translation>Réécrire la sauvegarde %1 dans l'instrument ? Le bloc que l'instrument contient maintenant est sauvegardé d'abord.</translation>
    </message>
    <message id="5386">
        <source>Writing the backup to the gauge</source>
        <translation>Écriture de la sauvegarde dans l'instrument</translation>
    </message>
    <message id="5387">
        <source>Choosing the master type "%1" sets all settings of this project back to their starting values. Choose it?</source>
        <translation>Le choix du type de maître « %1 » remet tous les réglages de ce projet à leurs valeurs de départ. Le choisir quand même ?</translation>
    </message>
    <message id="5388">
        <source>Master type %1 is not in the catalogue: reading and writing are off</source>
        <translation>Type de maître %1 absent du catalogue : lecture et écriture désactivées</translation>
    </message>
    <message id="5329">
        <source>&amp;User manual</source>
        <translation>&amp;Manuel d'utilisation</translation>
    </message>
    <message id="5389">
        <source>Open the user manual in the web browser</source>
        <translation>Ouvrir le manuel d'utilisation dans le navigateur</translation>
    </message>
    <message id="5379">
        <source>The user manual %1 is missing; it comes with the program.</source>
        <translation>Le manuel d'utilisation %1 est introuvable ; il est fourni avec le programme.</translation>
    </message>
    <message id="5375">
        <source>No web browser could be started to show the user manual %1.</source>
        <translation>Aucun navigateur n'a pu être lancé pour afficher le manuel d'utilisation %1.</translation>
    </message>
    <message id="5600">
        <source>Gauge %1: </source>
        <translation>Indicateur %1 : </translation>
    </message>
    <message id="5601">
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message id="5602">
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message id="5603">
        <source>Fuel level</source>
        <translation>Niveau de carburant</translation>
    </message>
    <message id="5604">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="5605">
        <source>Ser&amp;vice items</source>
        <translation>Éléments de ser&amp;vice</translation>
    </message>
    <message id="5606">
        <source>Shows the master's settings and the gauge inputs with their calibration in the project tree, and offers the diagnostics</source>
        <translation>Affiche dans l'arborescence du projet les réglages du maître et les entrées des indicateurs avec leur étalonnage, et propose le diagnostic</translation>
    </message>
    <message id="5971">
        <source>limited to %1, the end of the scale</source>
        <translation>limité à %1, la fin de l’échelle</translation>
    </message>
    <message id="5972">
        <source>limited to %1, the start of the scale</source>
        <translation>limité à %1, le début de l’échelle</translation>
    </message>
    <message id="5973">
        <source>Demo gauge: read from or write to the simulated gauge</source>
        <translation>Instrument de démonstration : lire ou écrire l’instrument simulé</translation>
    </message>
    <message id="5974">
        <source>Fill in %1 (%2 to %3) before writing to the gauge</source>
        <translation>Remplissez %1 (%2 à %3) avant d’écrire dans l’instrument</translation>
    </message>
    <message id="5975">
        <source>needs a value from %1 to %2</source>
        <translation>demande une valeur de %1 à %2</translation>
    </message>
    <message id="5976">
        <source>%1 is 0: the gauge will show nothing on its frequency input. Write anyway?</source>
        <translation>%1 vaut 0 : l’instrument n’affichera rien sur son entrée de fréquence. Écrire quand même ?</translation>
    </message>
    <message id="5978">
        <source>kept as %1: the gauge holds whole numbers</source>
        <translation>conservé comme %1 : l’instrument ne garde que des nombres entiers</translation>
    </message>
    <message id="5979">
        <source>A number takes one decimal point or comma and no thousands separator (a thousand and a half: 1000.5 or 1000,5)</source>
        <translation>Un nombre prend une virgule ou un point décimal et pas de séparateur de milliers (mille et demi : 1000,5 ou 1000.5)</translation>
    </message>
    <message id="5980">
        <source>A number takes one sign, in front</source>
        <translation>Un nombre prend un seul signe, devant</translation>
    </message>
    <message id="5981">
        <source>Only digits, a sign and a decimal point or comma can be typed here</source>
        <translation>Seuls des chiffres, un signe et une virgule ou un point décimal peuvent être saisis ici</translation>
    </message>
    <message id="5982">
        <source>Only digits and one * can be typed here</source>
        <translation>Seuls des chiffres et un * peuvent être saisis ici</translation>
    </message>
    <message id="5983">
        <source>Store this path anyway?</source>
        <translation>Enregistrer ce chemin quand même ?</translation>
    </message>
    <message id="5984">
        <source>kept as %1: the gauge holds one decimal</source>
        <translation>conservé comme %1 : l’instrument ne garde qu’une décimale</translation>
    </message>
    <message id="5985">
        <source>%1 is not a network port: write it as rfc2217://HOST:PORT or tcp://HOST:PORT, PORT being the number of the port on the server.</source>
        <translation>%1 n’est pas un port réseau : écrivez-le sous la forme rfc2217://HÔTE:PORT ou tcp://HÔTE:PORT, PORT étant le numéro du port sur le serveur.</translation>
    </message>
    <message id="5986">
        <source>The sheet was saved as %1.</source>
        <translation>La fiche a été enregistrée sous %1.</translation>
    </message>
    <message id="5987">
        <source>The transfer was cancelled. Nothing read from the gauge was taken into the project.</source>
        <translation>Le transfert a été annulé. Rien de ce qui a été lu sur l’instrument n’a été repris dans le projet.</translation>
    </message>
    <message id="5988">
        <source>needs a whole number from %1 to %2: whole pulses, until a gauge that counts tenths is read</source>
        <translation>demande un nombre entier de %1 à %2 : impulsions entières, jusqu’à la lecture d’un instrument qui compte des dixièmes</translation>
    </message>
    <message id="5989">
        <source>No gauge port set</source>
        <translation>Aucun port d’instrument défini</translation>
    </message>
    <message id="5990">
        <source>A gauge of this master type keeps no display settings (the items on the LCD, illumination and units): they are not written to it.</source>
        <translation>Un instrument de ce type maître ne garde aucun réglage d’affichage (les éléments de l’écran LCD, l’éclairage et les unités) : ils ne lui sont pas écrits.</translation>
    </message>
    <message id="5991">
        <source>"%1" is a project file: the sheet does not replace it. Choose another name.</source>
        <translation>« %1 » est un fichier de projet : la fiche ne le remplace pas. Choisissez un autre nom.</translation>
    </message>
    <message id="6376">
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message id="6377">
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message id="6378">
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message id="6379">
        <source>Redo the last change undone</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
</context>
</TS>
