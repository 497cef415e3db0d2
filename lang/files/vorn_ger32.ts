<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5012">
        <source>"%1" is not a regular file (a named pipe, a device or a folder), so it was not opened.</source>
        <translation>„%1“ ist keine gewöhnliche Datei (eine benannte Pipe, ein Gerät oder ein Ordner) und wurde deshalb nicht geöffnet.</translation>
    </message>
    <message id="5013">
        <source>The project file "%1" is being changed by another program (process %2, %3 on %4); nothing was written. Try again when it is done.</source>
        <translation>Die Projektdatei „%1“ wird gerade von einem anderen Programm geändert (Prozess %2, %3 auf %4); nichts wurde geschrieben. Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message id="5014">
        <source>The project file "%1" could not be locked for writing (%2 cannot be made); nothing was written.</source>
        <translation>Die Projektdatei „%1“ konnte nicht zum Schreiben gesperrt werden (%2 lässt sich nicht anlegen); nichts wurde geschrieben.</translation>
    </message>
</context>
</TS>
