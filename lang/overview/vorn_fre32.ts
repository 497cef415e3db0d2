<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5500">
        <source>%1 "%2" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.</source>
        <translation>%1 « %2 » n'est pas un nombre. Veuillez saisir des chiffres avec au plus un point ou une virgule décimale, par exemple 12,5.</translation>
    </message>
    <message id="5501">
        <source>%1 %2 cannot be stored in the gauge. Please enter a value between %3 and %4.</source>
        <translation>%1 %2 ne peut pas être enregistré dans l'instrument. Veuillez saisir une valeur comprise entre %3 et %4.</translation>
    </message>
    <message id="5502">
        <source>%1 the field is empty. Please enter a number, for example 12.5.</source>
        <translation>%1 le champ est vide. Veuillez saisir un nombre, par exemple 12,5.</translation>
    </message>
    <message id="5510">
        <source>The gauge has no setting for the second input's pulse factor, so nothing can be entered here.</source>
        <translation>L'instrument n'a pas de réglage pour la valeur k de la seconde entrée ; rien ne peut donc être saisi ici.</translation>
    </message>
</context>
</TS>
