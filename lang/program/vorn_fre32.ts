<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="100">
        <source>The program libraries could not be initialised. Check that the libraries are installed in the correct version.</source>
        <translation>Les bibliothèques du programme n'ont pas pu être initialisées. Vérifiez qu'elles sont installées dans la bonne version.</translation>
    </message>
    <message id="128">
        <source>Skaleron

Skaleron
Skaleron File (*.rix)
.rix
Skaleronr.Document
Skaleron Document</source>
        <translation>Skaleron

Skaleron
Fichier Skaleron (*.rix)
.rix
Skaleronr.Document
Skaleron Document</translation>
    </message>
    <message id="1000">
        <source>Order no.:</source>
        <translation>Référence :</translation>
    </message>
    <message id="1001">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="1002">
        <source>LCD display</source>
        <translation>Afficheur LCD</translation>
    </message>
    <message id="1007">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="1010">
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message id="1015">
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message id="1024">
        <source>The project file has a version that this program cannot read.</source>
        <translation>Le fichier de projet a une version que ce programme ne peut pas lire.</translation>
    </message>
    <message id="1048">
        <source>Range:</source>
        <translation>Plage :</translation>
    </message>
    <message id="1049">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1050">
        <source>Level sender (lever type)</source>
        <translation>Transmetteur de niveau à levier</translation>
    </message>
    <message id="1051">
        <source>Level sender (immersion tube)</source>
        <translation>Transmetteur de niveau à tube plongeur</translation>
    </message>
    <message id="1052">
        <source>Temperature sender</source>
        <translation>Sonde de température</translation>
    </message>
    <message id="1053">
        <source>Pressure sender</source>
        <translation>Transmetteur de pression</translation>
    </message>
    <message id="1063">
        <source>User-defined</source>
        <translation>Défini par l'utilisateur</translation>
    </message>
    <message id="1121">
        <source>Master</source>
        <translation>Instrument maître</translation>
    </message>
    <message id="1122">
        <source>Warn below threshold</source>
        <translation>Alerte sous le seuil</translation>
    </message>
    <message id="1123">
        <source>Warn above threshold</source>
        <translation>Alerte au-dessus du seuil</translation>
    </message>
    <message id="1124">
        <source>%s the value must lie between %.1f and %.1f.</source>
        <translation>%s la valeur doit être comprise entre %.1f et %.1f.</translation>
    </message>
    <message id="1125">
        <source>Pulse factor:</source>
        <translation>Facteur d'impulsions :</translation>
    </message>
    <message id="1126">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="1127">
        <source>Pulses per revolution:</source>
        <translation>Impulsions par tour :</translation>
    </message>
    <message id="1128">
        <source>Imp./rev.</source>
        <translation>Imp./tr</translation>
    </message>
    <message id="1129">
        <source>This gauge firmware accepts whole-number pulse factors only. Please enter a value without decimals.</source>
        <translation>Ce micrologiciel de l'instrument n'accepte que des facteurs d'impulsions entiers. Veuillez saisir une valeur sans décimales.</translation>
    </message>
    <message id="1130">
        <source>The distance counter value must lie between 0 and 999999.</source>
        <translation>La valeur du compteur de distance doit être comprise entre 0 et 999999.</translation>
    </message>
    <message id="1131">
        <source>The hour counter value must lie between 0 and 99999.9.</source>
        <translation>La valeur du compteur horaire doit être comprise entre 0 et 99999,9.</translation>
    </message>
    <message id="1132">
        <source>The counter of the gauge has been preset.</source>
        <translation>Le compteur de l'instrument a été réglé.</translation>
    </message>
    <message id="1133">
        <source>The counter value is not a valid number.</source>
        <translation>La valeur du compteur n'est pas un nombre valide.</translation>
    </message>
    <message id="1230">
        <source>The configuration was written to the gauge successfully.</source>
        <translation>La configuration a été écrite dans l'instrument avec succès.</translation>
    </message>
    <message id="1231">
        <source>Writing to the gauge failed.</source>
        <translation>L'écriture dans l'instrument a échoué.</translation>
    </message>
    <message id="1232">
        <source>The configuration was read from the gauge successfully.</source>
        <translation>La configuration a été lue depuis l'instrument avec succès.</translation>
    </message>
    <message id="1233">
        <source>Reading from the gauge failed.</source>
        <translation>La lecture depuis l'instrument a échoué.</translation>
    </message>
    <message id="40001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="40002">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="40010">
        <source>About Skaleron</source>
        <translation>À propos de Skaleron</translation>
    </message>
    <message id="40100">
        <source>Insert Master</source>
        <translation>Insérer l'instrument maître</translation>
    </message>
    <message id="40102">
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message id="40201">
        <source>Insert Sensor</source>
        <translation>Insérer un capteur</translation>
    </message>
    <message id="40202">
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message id="40400">
        <source>Signal source:</source>
        <translation>Source du signal :</translation>
    </message>
    <message id="40401">
        <source>Support points:</source>
        <translation>Points d'appui :</translation>
    </message>
    <message id="40403">
        <source>Select sensor...</source>
        <translation>Choisir un capteur...</translation>
    </message>
    <message id="40405">
        <source>Show pointer position</source>
        <translation>Afficher la position de l'aiguille</translation>
    </message>
    <message id="40406">
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message id="40407">
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message id="40408">
        <source>Use sensor signal check</source>
        <translation>Utiliser le contrôle du signal capteur</translation>
    </message>
    <message id="40409">
        <source>min</source>
        <translation>min</translation>
    </message>
    <message id="40410">
        <source>max</source>
        <translation>max</translation>
    </message>
    <message id="41109">
        <source>upwards:</source>
        <translation>montée :</translation>
    </message>
    <message id="41110">
        <source>downwards:</source>
        <translation>descente :</translation>
    </message>
    <message id="41118">
        <source>Input damping:</source>
        <translation>Amortissement d'entrée :</translation>
    </message>
    <message id="41200">
        <source>Basic settings:</source>
        <translation>Réglages de base :</translation>
    </message>
    <message id="41207">
        <source>Operating hours display</source>
        <translation>Affichage des heures de fonctionnement</translation>
    </message>
    <message id="41208">
        <source>Distance display</source>
        <translation>Affichage de la distance</translation>
    </message>
    <message id="41216">
        <source>Unit:</source>
        <translation>Unité :</translation>
    </message>
    <message id="41241">
        <source>Speedometer</source>
        <translation>Indicateur de vitesse</translation>
    </message>
    <message id="41242">
        <source>Speed measurement</source>
        <translation>Mesure de vitesse</translation>
    </message>
    <message id="41243">
        <source>Engine speed measurement</source>
        <translation>Mesure du régime</translation>
    </message>
    <message id="41244">
        <source>k value:</source>
        <translation>Valeur k :</translation>
    </message>
    <message id="41245">
        <source>m value:</source>
        <translation>Valeur m :</translation>
    </message>
    <message id="41246">
        <source>Min. speed:</source>
        <translation>Vitesse min. :</translation>
    </message>
    <message id="41248">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="41249">
        <source>Imp./rev.</source>
        <translation>Imp./tr</translation>
    </message>
    <message id="41250">
        <source>Odometer / hour meter preset:</source>
        <translation>Préréglage compteur de distance / horaire :</translation>
    </message>
    <message id="41251">
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message id="41252">
        <source>Tachometer</source>
        <translation>Compte-tours</translation>
    </message>
    <message id="41500">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="41501">
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message id="41502">
        <source>Database:</source>
        <translation>Base de données :</translation>
    </message>
    <message id="41503">
        <source>COM port:</source>
        <translation>Port COM :</translation>
    </message>
    <message id="41602">
        <source>Engine speed threshold:</source>
        <translation>Seuil de régime :</translation>
    </message>
    <message id="41611">
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message id="42000">
        <source>Define Sensor Characteristic</source>
        <translation>Définir la caractéristique du capteur</translation>
    </message>
    <message id="42001">
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message id="42002">
        <source>Values:</source>
        <translation>Valeurs :</translation>
    </message>
    <message id="42401">
        <source>Change...</source>
        <translation>Modifier...</translation>
    </message>
    <message id="42402">
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message id="43100">
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message id="50000">
        <source>Order no.:
Description:
Diameter:
Outer scale range:
Inner scale range:
Signal inputs:</source>
        <translation>Référence :
Description :
Diamètre :
Plage d'échelle extérieure :
Plage d'échelle intérieure :
Entrées de signal :</translation>
    </message>
    <message id="50003">
        <source>Data source:</source>
        <translation>Source des données :</translation>
    </message>
    <message id="50004">
        <source>k value:</source>
        <translation>Valeur k :</translation>
    </message>
    <message id="50005">
        <source>Warning threshold:</source>
        <translation>Seuil d'alerte :</translation>
    </message>
    <message id="50006">
        <source>Warning mode:</source>
        <translation>Mode d'alerte :</translation>
    </message>
    <message id="50007">
        <source>General:</source>
        <translation>Général :</translation>
    </message>
    <message id="50008">
        <source>Illumination:</source>
        <translation>Éclairage :</translation>
    </message>
    <message id="50009">
        <source>Units:</source>
        <translation>Unités :</translation>
    </message>
    <message id="50010">
        <source>Distance:</source>
        <translation>Distance :</translation>
    </message>
    <message id="50011">
        <source>Temperature:</source>
        <translation>Température :</translation>
    </message>
    <message id="50012">
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message id="50013">
        <source>Depth:</source>
        <translation>Profondeur :</translation>
    </message>
    <message id="50016">
        <source>k value (freq. 2):</source>
        <translation>Valeur k (fréq. 2) :</translation>
    </message>
    <message id="50017">
        <source>Data source (freq. 2):</source>
        <translation>Source des données (fréq. 2) :</translation>
    </message>
    <message id="50040">
        <source>Display settings:</source>
        <translation>Réglages de l'afficheur :</translation>
    </message>
    <message id="50041">
        <source>Display items:</source>
        <translation>Éléments affichés :</translation>
    </message>
    <message id="50042">
        <source>Engine hours</source>
        <translation>Heures moteur</translation>
    </message>
    <message id="50043">
        <source>Trip hours</source>
        <translation>Heures du trajet</translation>
    </message>
    <message id="50044">
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message id="50045">
        <source>Water temperature</source>
        <translation>Température de l'eau</translation>
    </message>
    <message id="50046">
        <source>Voltage</source>
        <translation>Tension</translation>
    </message>
    <message id="50047">
        <source>Odometer total</source>
        <translation>Distance totale</translation>
    </message>
    <message id="50048">
        <source>Trip distance</source>
        <translation>Distance du trajet</translation>
    </message>
    <message id="50049">
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message id="57345">
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message id="61440">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="61441">
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message id="61442">
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message id="61443">
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
</TS>
