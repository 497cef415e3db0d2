<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5000">
        <source>The project file "%1" could not be read: %2</source>
        <translation>The project file "%1" could not be read: %2</translation>
    </message>
    <message id="5002">
        <source>The project could not be saved to "%1": %2</source>
        <translation>The project could not be saved to "%1": %2</translation>
    </message>
    <message id="5015">
        <source>"%1" cannot be saved where it was: %2. Choose a name and folder to save it.</source>
        <translation>"%1" cannot be saved where it was: %2. Choose a name and folder to save it.</translation>
    </message>
    <message id="5016">
        <source>its folder no longer exists</source>
        <translation>its folder no longer exists</translation>
    </message>
    <message id="5017">
        <source>the file or its folder is write-protected</source>
        <translation>the file or its folder is write-protected</translation>
    </message>
    <message id="5018">
        <source>The project file "%1" holds values no gauge can take: %2. Correct them before the project is saved, written to a gauge or put on a sheet.</source>
        <translation>The project file "%1" holds values no gauge can take: %2. Correct them before the project is saved, written to a gauge or put on a sheet.</translation>
    </message>
    <message id="5019">
        <source>"%1" was changed by another program since this project was opened or saved here. Replace it with the project as it is here?</source>
        <translation>"%1" was changed by another program since this project was opened or saved here. Replace it with the project as it is here?</translation>
    </message>
    <message id="5020">
        <source>The settings could not be stored: %1 cannot be written. Make it writable and choose them again.</source>
        <translation>The settings could not be stored: %1 cannot be written. Make it writable and choose them again.</translation>
    </message>
    <message id="5021">
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message id="5022">
        <source>Its folder is write-protected.</source>
        <translation>Its folder is write-protected.</translation>
    </message>
    <message id="5004">
        <source>The master type "%1" converts the warning threshold between scale and gauge units, but its scale limits (%2 to %3) or its warning limits (%4 to %5) are equal, so the threshold cannot be converted. Correct the master type in the catalogue.</source>
        <translation>The master type "%1" converts the warning threshold between scale and gauge units, but its scale limits (%2 to %3) or its warning limits (%4 to %5) are equal, so the threshold cannot be converted. Correct the master type in the catalogue.</translation>
    </message>
    <message id="5005">
        <source>The file "%1" is not a Skaleron project: it has %2 bytes, but a project of version %3 has %4 bytes.</source>
        <translation>The file "%1" is not a Skaleron project: it has %2 bytes, but a project of version %3 has %4 bytes.</translation>
    </message>
    <message id="5006">
        <source>The project file "%1" is empty or damaged: it has only %2 bytes.</source>
        <translation>The project file "%1" is empty or damaged: it has only %2 bytes.</translation>
    </message>
    <message id="5001">
        <source>The project file "%1" is damaged: it has only %2 bytes, too few for a project of version %3.</source>
        <translation>The project file "%1" is damaged: it has only %2 bytes, too few for a project of version %3.</translation>
    </message>
    <message id="5010">
        <source>%1 %2 cannot be saved or sent to the gauge: allowed are %3 to %4.</source>
        <translation>%1 %2 cannot be saved or sent to the gauge: allowed are %3 to %4.</translation>
    </message>
    <message id="5011">
        <source>%1 %2 cannot be saved or sent to the gauge: this gauge firmware takes whole numbers only, from %3 to %4.</source>
        <translation>%1 %2 cannot be saved or sent to the gauge: this gauge firmware takes whole numbers only, from %3 to %4.</translation>
    </message>
    <message id="5007">
        <source>The master type of this project (key %1) is not in the master type catalogue. Its settings are kept, but it cannot be read from or written to a gauge until the catalogue holds its master type (Gauge → Communication settings names the catalogue).</source>
        <translation>The master type of this project (key %1) is not in the master type catalogue. Its settings are kept, but it cannot be read from or written to a gauge until the catalogue holds its master type (Gauge → Communication settings names the catalogue).</translation>
    </message>
    <message id="5008">
        <source>The program ended without saving the changes to %1 (last copied %2). Restore them?</source>
        <translation>The program ended without saving the changes to %1 (last copied %2). Restore them?</translation>
    </message>
    <message id="5061">
        <source>%1 The file "%2" has version %3; this program reads versions %4 to %5.</source>
        <translation>%1 The file "%2" has version %3; this program reads versions %4 to %5.</translation>
    </message>
    <message id="5062">
        <source>The file "%1" is not a Skaleron project file.</source>
        <translation>The file "%1" is not a Skaleron project file.</translation>
    </message>
</context>
</TS>
