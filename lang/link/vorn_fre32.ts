<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5100">
        <source>The settings the gauge holds could not be backed up in the folder "%1" (%2), so nothing was written to the gauge.</source>
        <translation>Les réglages de l'instrument n'ont pas pu être sauvegardés dans le dossier "%1" (%2) ; rien n'a donc été écrit dans l'instrument.</translation>
    </message>
    <message id="5101">
        <source>The gauge refused to store the new settings permanently: they are lost when it is switched off. Write them again.</source>
        <translation>L'instrument n'a pas enregistré durablement les nouveaux réglages : ils seront perdus à sa mise hors tension. Écrivez-les à nouveau.</translation>
    </message>
</context>
</TS>
