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
    <message id="5104">
        <source>Port %1 could not be opened: %2. Every exchange with the gauge is traced in %3.</source>
        <translation>Port %1 could not be opened: %2. Every exchange with the gauge is traced in %3.</translation>
    </message>
    <message id="5105">
        <source>No port is set: choose the gauge's port in Gauge → Communication settings.</source>
        <translation>No port is set: choose the gauge's port in Gauge → Communication settings.</translation>
    </message>
    <message id="5106">
        <source>Some of the gauge's settings may now hold the new values and others the old ones: write the configuration again.</source>
        <translation>Some of the gauge's settings may now hold the new values and others the old ones: write the configuration again.</translation>
    </message>
    <message id="5102">
        <source>The gauge on %1 did not accept the service login. Every exchange with the gauge is traced in %2.</source>
        <translation>The gauge on %1 did not accept the service login. Every exchange with the gauge is traced in %2.</translation>
    </message>
    <message id="5103">
        <source>The counter may now hold a partial value. Preset it again.</source>
        <translation>The counter may now hold a partial value. Preset it again.</translation>
    </message>
    <message id="5110">
        <source>The backup was taken from a gauge with firmware %1, but this gauge has firmware %2; nothing was written to it.</source>
        <translation>The backup was taken from a gauge with firmware %1, but this gauge has firmware %2; nothing was written to it.</translation>
    </message>
    <message id="5111">
        <source>it is in use by process %1 (%2)</source>
        <translation>it is in use by process %1 (%2)</translation>
    </message>
    <message id="5112">
        <source>The gauge fell silent when it was told to store the new settings permanently: they may be lost when it is switched off. Check the line and write them again.</source>
        <translation>The gauge fell silent when it was told to store the new settings permanently: they may be lost when it is switched off. Check the line and write them again.</translation>
    </message>
</context>
</TS>
