<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="5500">
        <source>%1 "%2" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.</source>
        <translation>%1 „%2“ ist keine Zahl. Bitte Ziffern mit höchstens einem Dezimalpunkt oder -komma eingeben, zum Beispiel 12,5.</translation>
    </message>
    <message id="5501">
        <source>%1 %2 cannot be stored in the gauge. Please enter a value between %3 and %4.</source>
        <translation>%1 %2 kann im Messgerät nicht gespeichert werden. Bitte einen Wert zwischen %3 und %4 eingeben.</translation>
    </message>
    <message id="5502">
        <source>%1 the field is empty. Please enter a number, for example 12.5.</source>
        <translation>%1 das Feld ist leer. Bitte eine Zahl eingeben, zum Beispiel 12,5.</translation>
    </message>
    <message id="5510">
        <source>The gauge has no setting for the second input's pulse factor, so nothing can be entered here.</source>
        <translation>Das Messgerät hat keine Einstellung für den k-Wert des zweiten Eingangs; deshalb lässt sich hier nichts eingeben.</translation>
    </message>
</context>
</TS>
