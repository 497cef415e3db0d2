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
    <message id="5104">
        <source>Port %1 could not be opened: %2. Every exchange with the gauge is traced in %3.</source>
        <translation>Impossible d'ouvrir le port %1 : %2. Chaque échange avec l'instrument est tracé dans %3.</translation>
    </message>
    <message id="5105">
        <source>No port is set: choose the gauge's port in Gauge → Communication settings.</source>
        <translation>Aucun port n’est défini : choisissez le port de l’instrument dans Instrument → Paramètres de communication.</translation>
    </message>
    <message id="5106">
        <source>Some of the gauge's settings may now hold the new values and others the old ones: write the configuration again.</source>
        <translation>Certains réglages de l’instrument ont peut-être maintenant les nouvelles valeurs et d’autres encore les anciennes : écrivez à nouveau la configuration.</translation>
    </message>
    <message id="5102">
        <source>The gauge on %1 did not accept the service login. Every exchange with the gauge is traced in %2.</source>
        <translation>L'instrument sur %1 n'a pas accepté la connexion de service. Chaque échange avec l'instrument est tracé dans %2.</translation>
    </message>
    <message id="5103">
        <source>The counter may now hold a partial value. Preset it again.</source>
        <translation>Le compteur peut maintenant contenir une valeur partielle. Réglez-le à nouveau.</translation>
    </message>
    <message id="5110">
        <source>The backup was taken from a gauge with firmware %1, but this gauge has firmware %2; nothing was written to it.</source>
        <translation>La sauvegarde provient d’un instrument au micrologiciel %1, mais cet instrument a le micrologiciel %2 ; rien n’y a été écrit.</translation>
    </message>
    <message id="5111">
        <source>it is in use by process %1 (%2)</source>
        <translation>il est utilisé par le processus %1 (%2)</translation>
    </message>
    <message id="5112">
        <source>The gauge fell silent when it was told to store the new settings permanently: they may be lost when it is switched off. Check the line and write them again.</source>
        <translation>L’instrument ne répondait plus lorsqu’il devait enregistrer durablement les nouveaux réglages : ils peuvent être perdus à l’arrêt. Vérifiez la ligne et écrivez-les à nouveau.</translation>
    </message>
</context>
</TS>
