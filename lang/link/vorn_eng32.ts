<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5100">
        <source>The settings the gauge holds could not be backed up in the folder "%1" (%2), so nothing was written to the gauge.</source>
        <translation>The settings the gauge holds could not be backed up in the folder "%1" (%2), so nothing was written to the gauge.</translation>
    </message>
    <message id="5101">
        <source>The gauge refused to store the new settings permanently: they are lost when it is switched off. Write them again.</source>
        <translation>The gauge refused to store the new settings permanently: they are lost when it is switched off. Write them again.</translation>
    </message>
</context>
</TS>
