<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5500">
        <source>%1 "%2" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.</source>
        <translation>%1 "%2" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.</translation>
    </message>
    <message id="5501">
        <source>%1 %2 cannot be stored in the gauge. Please enter a value between %3 and %4.</source>
        <translation>%1 %2 cannot be stored in the gauge. Please enter a value between %3 and %4.</translation>
    </message>
    <message id="5502">
        <source>%1 the field is empty. Please enter a number, for example 12.5.</source>
        <translation>%1 the field is empty. Please enter a number, for example 12.5.</translation>
    </message>
    <message id="5510">
        <source>The gauge has no setting for the second input's pulse factor, so nothing can be entered here.</source>
        <translation>The gauge has no setting for the second input's pulse factor, so nothing can be entered here.</translation>
    </message>
</context>
</TS>
