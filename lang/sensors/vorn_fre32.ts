<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5620">
        <source>Resistance (Ohm), row %1:</source>
        <translation>Résistance (Ohm), ligne %1 :</translation>
    </message>
    <message id="5621">
        <source>Quantity, row %1:</source>
        <translation>Grandeur, ligne %1 :</translation>
    </message>
    <message id="5622">
        <source>Display value, row %1:</source>
        <translation>Valeur affichée, ligne %1 :</translation>
    </message>
    <message id="5623">
        <source>Pointer angle, row %1:</source>
        <translation>Angle de l'aiguille, ligne %1 :</translation>
    </message>
    <message id="5624">
        <source>Signal check minimum:</source>
        <translation>Contrôle du signal, minimum :</translation>
    </message>
    <message id="5625">
        <source>Signal check maximum:</source>
        <translation>Contrôle du signal, maximum :</translation>
    </message>
    <message id="5626">
        <source>%1 "%2" is too large. Please enter a smaller number.</source>
        <translation>%1 « %2 » est trop grand. Veuillez saisir un nombre plus petit.</translation>
    </message>
    <message id="5627">
        <source>x, row %1:</source>
        <translation>x, ligne %1 :</translation>
    </message>
    <message id="5628">
        <source>y, row %1:</source>
        <translation>y, ligne %1 :</translation>
    </message>
    <message id="5630">
        <source>The sensor has %1 point(s): at least two are needed to resample its curve to the support points.</source>
        <translation>Le capteur a %1 point(s) : il en faut au moins deux pour ramener sa courbe aux points d'appui.</translation>
    </message>
    <message id="5631">
        <source>All values of the y column are equal. A sensor needs at least two different values there, or its curve has no range to resample over.</source>
        <translation>Toutes les valeurs de la colonne y sont égales. Un capteur y demande au moins deux valeurs différentes, sinon sa courbe n'a pas d'étendue sur laquelle être recalculée.</translation>
    </message>
    <message id="5632">
        <source>Delete the sensor "%1" (%2)? It cannot be restored.</source>
        <translation>Supprimer le capteur « %1 » (%2) ? Il ne pourra pas être restauré.</translation>
    </message>
    <message id="5633">
        <source>"%1" is not a number.</source>
        <translation>« %1 » n'est pas un nombre.</translation>
    </message>
    <message id="5634">
        <source>A user sensor has at most eight value pairs; %1 were given.</source>
        <translation>Un capteur utilisateur a au plus huit paires de valeurs ; %1 ont été données.</translation>
    </message>
    <message id="5635">
        <source>%1 x values and %2 y values were given: each value pair needs both.</source>
        <translation>%1 valeurs x et %2 valeurs y ont été données : chaque paire de valeurs demande les deux.</translation>
    </message>
    <message id="5636">
        <source>No values were given.</source>
        <translation>Aucune valeur n'a été donnée.</translation>
    </message>
    <message id="5637">
        <source>Only user-defined sensors can be changed or deleted; sensor %1 is in the group "%2".</source>
        <translation>Seuls les capteurs définis par l'utilisateur peuvent être modifiés ou supprimés ; le capteur %1 appartient au groupe « %2 ».</translation>
    </message>
    <message id="5638">
        <source>The user sensor database has no sensor with ID %1.</source>
        <translation>La base de capteurs utilisateur n'a pas de capteur d'ID %1.</translation>
    </message>
    <message id="5639">
        <source>The sensor database has no sensor with ID %1.</source>
        <translation>La base de capteurs n'a pas de capteur d'ID %1.</translation>
    </message>
    <message id="5640">
        <source>The table "%1" cannot be loaded: %2</source>
        <translation>Le tableau « %1 » ne peut pas être chargé : %2</translation>
    </message>
    <message id="5641">
        <source>line %1 holds %2 values; a row has four (resistance, quantity, display value, pointer angle).</source>
        <translation>la ligne %1 contient %2 valeurs ; une ligne en a quatre (résistance, grandeur, valeur affichée, angle de l'aiguille).</translation>
    </message>
    <message id="5642">
        <source>line %1, column %2: "%3" is not a number.</source>
        <translation>ligne %1, colonne %2 : « %3 » n'est pas un nombre.</translation>
    </message>
    <message id="5643">
        <source>it has %1 rows; a calibration has 2 or 8 support points.</source>
        <translation>il a %1 lignes ; un étalonnage a 2 ou 8 points d'appui.</translation>
    </message>
    <message id="5644">
        <source>The table "%1" cannot be saved: %2</source>
        <translation>Le tableau « %1 » ne peut pas être enregistré : %2</translation>
    </message>
    <message id="5645">
        <source>the file is too large to be a calibration table.</source>
        <translation>le fichier est trop grand pour être un tableau d'étalonnage.</translation>
    </message>
    <message id="5646">
        <source>Save table...</source>
        <translation>Enregistrer le tableau...</translation>
    </message>
    <message id="5647">
        <source>Load table...</source>
        <translation>Charger un tableau...</translation>
    </message>
    <message id="5648">
        <source>Calibration tables (*.csv)</source>
        <translation>Tableaux d'étalonnage (*.csv)</translation>
    </message>
    <message id="5649">
        <source>calibration-gauge-%1.csv</source>
        <translation>etalonnage-indicateur-%1.csv</translation>
    </message>
    <message id="5650">
        <source>Save calibration table</source>
        <translation>Enregistrer le tableau d'étalonnage</translation>
    </message>
    <message id="5651">
        <source>Load calibration table</source>
        <translation>Charger un tableau d'étalonnage</translation>
    </message>
    <message id="5652">
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message id="5653">
        <source>the new file cannot be put in its place</source>
        <translation>le nouveau fichier ne peut pas être mis à sa place</translation>
    </message>
    <message id="5654">
        <source>The calibration values of %1 are in no file (a project file has no place for them) and go with this project. Discard them? To keep them, answer No and use &quot;Save table...&quot; on the calibration.</source>
        <translation>Les valeurs d'étalonnage de %1 ne sont dans aucun fichier (un fichier de projet n'a pas de place pour elles) et partent avec ce projet. Les abandonner ? Pour les garder, répondez Non et utilisez « Enregistrer le tableau... » dans l'étalonnage.</translation>
    </message>
</context>
</TS>
