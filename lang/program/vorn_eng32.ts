<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="100">
        <source>The program libraries could not be initialised. Check that the libraries are installed in the correct version.</source>
        <translation>The program libraries could not be initialised. Check that the libraries are installed in the correct version.</translation>
    </message>
    <message id="128">
        <source>Skaleron

Skaleron
Skaleron File (*.rix)
.rix
Skaleronr.Document
Skaleron Document</source>
        <translation>Skaleron

Skaleron
Skaleron File (*.rix)
.rix
Skaleronr.Document
Skaleron Document</translation>
    </message>
    <message id="1000">
        <source>Order no.:</source>
        <translation>Order no.:</translation>
    </message>
    <message id="1001">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="1002">
        <source>LCD display</source>
        <translation>LCD display</translation>
    </message>
    <message id="1007">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="1010">
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message id="1015">
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message id="1024">
        <source>The project file has a version that this program cannot read.</source>
        <translation>The project file has a version that this program cannot read.</translation>
    </message>
    <message id="1048">
        <source>Range:</source>
        <translation>Range:</translation>
    </message>
    <message id="1049">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1050">
        <source>Level sender (lever type)</source>
        <translation>Level sender (lever type)</translation>
    </message>
    <message id="1051">
        <source>Level sender (immersion tube)</source>
        <translation>Level sender (immersion tube)</translation>
    </message>
    <message id="1052">
        <source>Temperature sender</source>
        <translation>Temperature sender</translation>
    </message>
    <message id="1053">
        <source>Pressure sender</source>
        <translation>Pressure sender</translation>
    </message>
    <message id="1063">
        <source>User-defined</source>
        <translation>User-defined</translation>
    </message>
    <message id="1121">
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message id="1122">
        <source>Warn below threshold</source>
        <translation>Warn below threshold</translation>
    </message>
    <message id="1123">
        <source>Warn above threshold</source>
        <translation>Warn above threshold</translation>
    </message>
    <message id="1124">
        <source>%s the value must lie between %.1f and %.1f.</source>
        <translation>%s the value must lie between %.1f and %.1f.</translation>
    </message>
    <message id="1125">
        <source>Pulse factor:</source>
        <translation>Pulse factor:</translation>
    </message>
    <message id="1126">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="1127">
        <source>Pulses per revolution:</source>
        <translation>Pulses per revolution:</translation>
    </message>
    <message id="1128">
        <source>Imp./rev.</source>
        <translation>Imp./rev.</translation>
    </message>
    <message id="1129">
        <source>This gauge firmware accepts whole-number pulse factors only. Please enter a value without decimals.</source>
        <translation>This gauge firmware accepts whole-number pulse factors only. Please enter a value without decimals.</translation>
    </message>
    <message id="1130">
        <source>The distance counter value must lie between 0 and 999999.</source>
        <translation>The distance counter value must lie between 0 and 999999.</translation>
    </message>
    <message id="1131">
        <source>The hour counter value must lie between 0 and 99999.9.</source>
        <translation>The hour counter value must lie between 0 and 99999.9.</translation>
    </message>
    <message id="1132">
        <source>The counter of the gauge has been preset.</source>
        <translation>The counter of the gauge has been preset.</translation>
    </message>
    <message id="1133">
        <source>The counter value is not a valid number.</source>
        <translation>The counter value is not a valid number.</translation>
    </message>
    <message id="1230">
        <source>The configuration was written to the gauge successfully.</source>
        <translation>The configuration was written to the gauge successfully.</translation>
    </message>
    <message id="1231">
        <source>Writing to the gauge failed.</source>
        <translation>Writing to the gauge failed.</translation>
    </message>
    <message id="1232">
        <source>The configuration was read from the gauge successfully.</source>
        <translation>The configuration was read from the gauge successfully.</translation>
    </message>
    <message id="1233">
        <source>Reading from the gauge failed.</source>
        <translation>Reading from the gauge failed.</translation>
    </message>
    <message id="40001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="40002">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="40010">
        <source>About Skaleron</source>
        <translation>About Skaleron</translation>
    </message>
    <message id="40100">
        <source>Insert Master</source>
        <translation>Insert Master</translation>
    </message>
    <message id="40102">
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message id="40201">
        <source>Insert Sensor</source>
        <translation>Insert Sensor</translation>
    </message>
    <message id="40202">
        <source>New...</source>
        <translation>New...</translation>
    </message>
    <message id="40400">
        <source>Signal source:</source>
        <translation>Signal source:</translation>
    </message>
    <message id="40401">
        <source>Support points:</source>
        <translation>Support points:</translation>
    </message>
    <message id="40403">
        <source>Select sensor...</source>
        <translation>Select sensor...</translation>
    </message>
    <message id="40405">
        <source>Show pointer position</source>
        <translation>Show pointer position</translation>
    </message>
    <message id="40406">
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message id="40407">
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message id="40408">
        <source>Use sensor signal check</source>
        <translation>Use sensor signal check</translation>
    </message>
    <message id="40409">
        <source>min</source>
        <translation>min</translation>
    </message>
    <message id="40410">
        <source>max</source>
        <translation>max</translation>
    </message>
    <message id="41109">
        <source>upwards:</source>
        <translation>upwards:</translation>
    </message>
    <message id="41110">
        <source>downwards:</source>
        <translation>downwards:</translation>
    </message>
    <message id="41118">
        <source>Input damping:</source>
        <translation>Input damping:</translation>
    </message>
    <message id="41200">
        <source>Basic settings:</source>
        <translation>Basic settings:</translation>
    </message>
    <message id="41207">
        <source>Operating hours display</source>
        <translation>Operating hours display</translation>
    </message>
    <message id="41208">
        <source>Distance display</source>
        <translation>Distance display</translation>
    </message>
    <message id="41216">
        <source>Unit:</source>
        <translation>Unit:</translation>
    </message>
    <message id="41241">
        <source>Speedometer</source>
        <translation>Speedometer</translation>
    </message>
    <message id="41242">
        <source>Speed measurement</source>
        <translation>Speed measurement</translation>
    </message>
    <message id="41243">
        <source>Engine speed measurement</source>
        <translation>Engine speed measurement</translation>
    </message>
    <message id="41244">
        <source>k value:</source>
        <translation>k value:</translation>
    </message>
    <message id="41245">
        <source>m value:</source>
        <translation>m value:</translation>
    </message>
    <message id="41246">
        <source>Min. speed:</source>
        <translation>Min. speed:</translation>
    </message>
    <message id="41248">
        <source>Imp./km</source>
        <translation>Imp./km</translation>
    </message>
    <message id="41249">
        <source>Imp./rev.</source>
        <translation>Imp./rev.</translation>
    </message>
    <message id="41250">
        <source>Odometer / hour meter preset:</source>
        <translation>Odometer / hour meter preset:</translation>
    </message>
    <message id="41251">
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message id="41252">
        <source>Tachometer</source>
        <translation>Tachometer</translation>
    </message>
    <message id="41500">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="41501">
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message id="41502">
        <source>Database:</source>
        <translation>Database:</translation>
    </message>
    <message id="41503">
        <source>COM port:</source>
        <translation>COM port:</translation>
    </message>
    <message id="41602">
        <source>Engine speed threshold:</source>
        <translation>Engine speed threshold:</translation>
    </message>
    <message id="41611">
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message id="42000">
        <source>Define Sensor Characteristic</source>
        <translation>Define Sensor Characteristic</translation>
    </message>
    <message id="42001">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="42002">
        <source>Values:</source>
        <translation>Values:</translation>
    </message>
    <message id="42401">
        <source>Change...</source>
        <translation>Change...</translation>
    </message>
    <message id="42402">
        <source>Delete...</source>
        <translation>Delete...</translation>
    </message>
    <message id="43100">
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
    <message id="50000">
        <source>Order no.:
Description:
Diameter:
Outer scale range:
Inner scale range:
Signal inputs:</source>
        <translation>Order no.:
Description:
Diameter:
Outer scale range:
Inner scale range:
Signal inputs:</translation>
    </message>
    <message id="50003">
        <source>Data source:</source>
        <translation>Data source:</translation>
    </message>
    <message id="50004">
        <source>k value:</source>
        <translation>k value:</translation>
    </message>
    <message id="50005">
        <source>Warning threshold:</source>
        <translation>Warning threshold:</translation>
    </message>
    <message id="50006">
        <source>Warning mode:</source>
        <translation>Warning mode:</translation>
    </message>
    <message id="50007">
        <source>General:</source>
        <translation>General:</translation>
    </message>
    <message id="50008">
        <source>Illumination:</source>
        <translation>Illumination:</translation>
    </message>
    <message id="50009">
        <source>Units:</source>
        <translation>Units:</translation>
    </message>
    <message id="50010">
        <source>Distance:</source>
        <translation>Distance:</translation>
    </message>
    <message id="50011">
        <source>Temperature:</source>
        <translation>Temperature:</translation>
    </message>
    <message id="50012">
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message id="50013">
        <source>Depth:</source>
        <translation>Depth:</translation>
    </message>
    <message id="50016">
        <source>k value (freq. 2):</source>
        <translation>k value (freq. 2):</translation>
    </message>
    <message id="50017">
        <source>Data source (freq. 2):</source>
        <translation>Data source (freq. 2):</translation>
    </message>
    <message id="50040">
        <source>Display settings:</source>
        <translation>Display settings:</translation>
    </message>
    <message id="50041">
        <source>Display items:</source>
        <translation>Display items:</translation>
    </message>
    <message id="50042">
        <source>Engine hours</source>
        <translation>Engine hours</translation>
    </message>
    <message id="50043">
        <source>Trip hours</source>
        <translation>Trip hours</translation>
    </message>
    <message id="50044">
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message id="50045">
        <source>Water temperature</source>
        <translation>Water temperature</translation>
    </message>
    <message id="50046">
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message id="50047">
        <source>Odometer total</source>
        <translation>Odometer total</translation>
    </message>
    <message id="50048">
        <source>Trip distance</source>
        <translation>Trip distance</translation>
    </message>
    <message id="50049">
        <source>Depth</source>
        <translation>Depth</translation>
    </message>
    <message id="57345">
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message id="61440">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="61441">
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message id="61442">
        <source>All Files (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message id="61443">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
</TS>
