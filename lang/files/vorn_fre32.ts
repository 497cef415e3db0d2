<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="5012">
        <source>"%1" is not a regular file (a named pipe, a device or a folder), so it was not opened.</source>
        <translation>« %1 » n’est pas un fichier ordinaire (un tube nommé, un périphérique ou un dossier) ; il n’a pas été ouvert.</translation>
    </message>
    <message id="5013">
        <source>The project file "%1" is being changed by another program (process %2, %3 on %4); nothing was written. Try again when it is done.</source>
        <translation>Le fichier de projet « %1 » est en cours de modification par un autre programme (processus %2, %3 sur %4) ; rien n’a été écrit. Réessayez quand il aura fini.</translation>
    </message>
    <message id="5014">
        <source>The project file "%1" could not be locked for writing (%2 cannot be made); nothing was written.</source>
        <translation>Le fichier de projet « %1 » n’a pas pu être verrouillé en écriture (%2 ne peut pas être créé) ; rien n’a été écrit.</translation>
    </message>
</context>
</TS>
