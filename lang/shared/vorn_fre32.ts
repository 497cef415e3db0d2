<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5900">
        <source>The catalogue server "%1" could not be reached: %2</source>
        <translation>Le serveur de catalogue "%1" est injoignable : %2</translation>
    </message>
    <message id="5901">
        <source>"%1" is not a usable database address: %2</source>
        <translation>"%1" n'est pas une adresse de base de données utilisable : %2</translation>
    </message>
    <message id="5902">
        <source>it names no database (postgresql://[user@]host[:port]/database)</source>
        <translation>elle ne nomme aucune base (postgresql://[user@]host[:port]/database)</translation>
    </message>
    <message id="5903">
        <source>options after "?" and further path parts are not taken</source>
        <translation>les options après "?" et les autres parties de chemin ne sont pas acceptées</translation>
    </message>
    <message id="5904">
        <source>a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD</source>
        <translation>un mot de passe n'a pas sa place dans l'adresse ; mettez-le dans ~/.pgpass ou PGPASSWORD</translation>
    </message>
    <message id="5905">
        <source>the port is not a number from 1 to 65535</source>
        <translation>le port n'est pas un nombre de 1 à 65535</translation>
    </message>
    <message id="5906">
        <source>The catalogue server "%1" cannot be used: the PostgreSQL driver of Qt (QPSQL) is not installed.</source>
        <translation>Le serveur de catalogue "%1" ne peut pas être utilisé : le pilote PostgreSQL de Qt (QPSQL) n'est pas installé.</translation>
    </message>
    <message id="5907">
        <source>The database "%1" holds a catalogue already. Add --replace to overwrite it.</source>
        <translation>La base "%1" contient déjà un catalogue. Ajoutez --replace pour l'écraser.</translation>
    </message>
    <message id="5910">
        <source>The sensor "%1" was changed on another bench since it was loaded. The list now shows the stored values; make your change again.</source>
        <translation>Le capteur "%1" a été modifié sur un autre banc depuis son chargement. La liste montre maintenant les valeurs enregistrées ; refaites votre modification.</translation>
    </message>
    <message id="5911">
        <source>The sensor "%1" was deleted on another bench since it was loaded. The list now shows the stored sensors.</source>
        <translation>Le capteur "%1" a été supprimé sur un autre banc depuis son chargement. La liste montre maintenant les capteurs enregistrés.</translation>
    </message>
    <message id="5920">
        <source>The service history "%1" could not be written: %2. Gauge commands go on without it; this is said only once.</source>
        <translation>L'historique de service "%1" n'a pas pu être écrit : %2. Les commandes de l'instrument continuent sans lui ; ce message n'apparaît qu'une fois.</translation>
    </message>
    <message id="5921">
        <source>The service history "%1" could not be read: %2</source>
        <translation>L'historique de service "%1" n'a pas pu être lu : %2</translation>
    </message>
    <message id="5930">
        <source>Service history</source>
        <translation>Historique de service</translation>
    </message>
    <message id="5931">
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message id="5932">
        <source>&amp;Open project</source>
        <translation>&amp;Ouvrir le projet</translation>
    </message>
    <message id="5933">
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message id="5934">
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message id="5936">
        <source>Show the service history of the gauge commands</source>
        <translation>Afficher l'historique de service des commandes de l'instrument</translation>
    </message>
    <message id="5935">
        <source>The project "%1" of this entry does not exist any more.</source>
        <translation>Le projet "%1" de cette entrée n'existe plus.</translation>
    </message>
    <message id="5940">
        <source>Time</source>
        <translation>Date et heure</translation>
    </message>
    <message id="5941">
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message id="5942">
        <source>Host</source>
        <translation>Poste</translation>
    </message>
    <message id="5943">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="5944">
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message id="5945">
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message id="5946">
        <source>Master type</source>
        <translation>Type maître</translation>
    </message>
    <message id="5947">
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message id="5948">
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message id="5949">
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message id="5950">
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message id="5960">
        <source>the server gave up on the table "%1" after %2 s: another program holds it locked, or the server is too slow</source>
        <translation>le serveur a abandonné la table "%1" après %2 s : un autre programme la tient verrouillée, ou le serveur est trop lent</translation>
    </message>
    <message id="6351">
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message id="6352">
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message id="6353">
        <source>compare</source>
        <translation>comparaison</translation>
    </message>
    <message id="6354">
        <source>restore</source>
        <translation>restauration</translation>
    </message>
    <message id="6355">
        <source>counter preset</source>
        <translation>préréglage du compteur</translation>
    </message>
    <message id="6356">
        <source>configuration sheet</source>
        <translation>fiche de configuration</translation>
    </message>
    <message id="6357">
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message id="6358">
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message id="6359">
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message id="6360">
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message id="6361">
        <source>block</source>
        <translation>bloc</translation>
    </message>
    <message id="6362">
        <source>register</source>
        <translation>registre</translation>
    </message>
    <message id="6363">
        <source>Order number</source>
        <translation>Référence</translation>
    </message>
    <message id="6364">
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message id="6365">
        <source>Order number or words of the description</source>
        <translation>Référence ou mots de la description</translation>
    </message>
    <message id="6366">
        <source>Skaleron manual</source>
        <translation>Manuel de Skaleron</translation>
    </message>
    <message id="6367">
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message id="6368">
        <source>Word to find (Enter finds the next place)</source>
        <translation>Mot à chercher (Entrée trouve le suivant)</translation>
    </message>
    <message id="6370">
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message id="6371">
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message id="6372">
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message id="6373">
        <source>Speedo (Frequency)</source>
        <translation>Vitesse (fréquence)</translation>
    </message>
    <message id="6374">
        <source>Speedo (NMEA)</source>
        <translation>Vitesse (NMEA)</translation>
    </message>
    <message id="6375">
        <source>Tacho (Frequency)</source>
        <translation>Régime (fréquence)</translation>
    </message>
</context>
</TS>
