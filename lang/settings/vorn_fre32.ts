<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5800">
        <source>The gauge does not report its input values: the fields show the sheet's starting values, not measurements.</source>
        <translation>L'instrument ne transmet pas les valeurs de ses entrées : les champs affichent les valeurs initiales de cette fenêtre, pas des mesures.</translation>
    </message>
    <message id="5801">
        <source>Nothing on this page is kept in the project or sent to the gauge. The master's settings are edited on the Master item's form.</source>
        <translation>Rien sur cette page n'est enregistré dans le projet ni envoyé à l'instrument. Les réglages de l'instrument maître se modifient dans le formulaire de l'élément « Instrument maître ».</translation>
    </message>
    <message id="5802">
        <source>Enable light warning</source>
        <translation>Activer l’alerte d’éclairage</translation>
    </message>
    <message id="5803">
        <source>rpm</source>
        <translation>tr/min</translation>
    </message>
    <message id="5804">
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message id="5805">
        <source>Buzzer output active</source>
        <translation>Sortie buzzer active</translation>
    </message>
    <message id="5806">
        <source>Terminal 30 ref.:</source>
        <translation>Borne 30 réf. :</translation>
    </message>
    <message id="5977">
        <source>Set: the values on this page were checked and stay on this page only; nothing was sent to the gauge. The counter is preset from the Master item's form.</source>
        <translation>Régler : les valeurs de cette page ont été vérifiées et restent sur cette page seulement ; rien n'a été envoyé à l'instrument. Le compteur se prérègle dans le formulaire de l'élément « Instrument maître ».</translation>
    </message>
    <message id="5807">
        <source>Analog 1 (Fuel):</source>
        <translation>Analogique 1 (carburant) :</translation>
    </message>
    <message id="5808">
        <source>Analog 2 (Coolant):</source>
        <translation>Analogique 2 (liquide de refroidissement) :</translation>
    </message>
    <message id="5809">
        <source>Analog 3 (Aux):</source>
        <translation>Analogique 3 (auxiliaire) :</translation>
    </message>
</context>
</TS>
