<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5012">
        <source>"%1" is not a regular file (a named pipe, a device or a folder), so it was not opened.</source>
        <translation>"%1" is not a regular file (a named pipe, a device or a folder), so it was not opened.</translation>
    </message>
    <message id="5013">
        <source>The project file "%1" is being changed by another program (process %2, %3 on %4); nothing was written. Try again when it is done.</source>
        <translation>The project file "%1" is being changed by another program (process %2, %3 on %4); nothing was written. Try again when it is done.</translation>
    </message>
    <message id="5014">
        <source>The project file "%1" could not be locked for writing (%2 cannot be made); nothing was written.</source>
        <translation>The project file "%1" could not be locked for writing (%2 cannot be made); nothing was written.</translation>
    </message>
</context>
</TS>
