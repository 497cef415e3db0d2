-- The sample catalogue that ships with the program: invented gauge models of
-- every kind and a few sensors of each group. The dial pictures are drawn by
-- make_sample_catalogue when the catalogue is built.

-- ID, OrderNumber, Description, LCD, Diameter, OScaleMin, OScaleMax, IScaleMin, IScaleMax,
-- SignalInput, FreqInputs, ScaleMin, ScaleMax, WarnThresholdMin, WarnThresholdMax,
-- CalculateThreshold, K-Wert_Min, K-Wert_Max, K-Wert_Unit, UseMinMax
INSERT INTO [RixData] ([ID], [OrderNumber], [Description], [LCD], [Diameter], [OScaleMin], [OScaleMax],
    [IScaleMin], [IScaleMax], [SignalInput], [FreqInputs], [ScaleMin], [ScaleMax], [WarnThresholdMin],
    [WarnThresholdMax], [CalculateThreshold], [K-Wert_Min], [K-Wert_Max], [K-Wert_Unit], [UseMinMax]) VALUES
(1, 'SK-SP85-60L', 'Speedometer 0-60 km/h with LCD', 'yes', '85 mm', '0 km/h', '60 km/h', '0 mph', '37 mph',
    'Frequency (paddle wheel) or NMEA 0183', 2, 0, 60, 0, 600, 0, 1000, 60000, 'Imp./km', 1),
(2, 'SK-SP85-35', 'Speedometer 0-35 kn', 'no', '85 mm', '0 kn', '35 kn', '0 km/h', '65 km/h',
    'Frequency (paddle wheel)', 1, 0, 35, 0, 350, 0, 500, 50000, 'Imp./km', 0),
(3, 'SK-SP110-120L', 'Speedometer 0-120 km/h with LCD', 'yes', '110 mm', '0 km/h', '120 km/h', '0 mph', '75 mph',
    'Frequency (gearbox sender) or NMEA 0183', 2, 0, 120, 0, 1200, 0, 2000, 20000, 'Imp./km', 1),
(4, 'SK-SP85-50W', 'Speedometer 0-50 kn, water temperature alarm', 'yes', '85 mm', '0 kn', '50 kn', '0 km/h', '90 km/h',
    'Frequency (paddle wheel), NTC sender', 1, 0, 50, 0, 255, 1, 800, 40000, 'Imp./km', 1),
(5, 'SK-TA85-40', 'Tachometer 0-4000 rpm', 'no', '85 mm', '0 rpm', '4000 rpm', '', '',
    'Frequency (alternator W terminal)', 1, 0, 4000, 0, 4000, 0, 1, 999, 'Imp./rev', 0),
(6, 'SK-TA85-30H', 'Tachometer (Drehzahlmesser) 0-3000 rpm with hour counter', 'yes', '85 mm', '0 rpm', '3000 rpm', '', '',
    'Frequency (inductive pick-up)', 1, 0, 3000, 0, 3000, 0, 0.5, 250, 'Imp./rev', 0),
(7, 'SK-TA110-60', 'Tachometer 0-6000 rpm, petrol engines', 'no', '110 mm', '0 rpm', '6000 rpm', '', '',
    'Frequency (ignition coil)', 1, 0, 6000, 0, 6000, 0, 0.5, 12, 'Imp./rev', 1),
(8, 'SK-TL85-40L', 'Tachometer with LCD 0-4000 rpm', 'yes', '85 mm', '0 rpm', '4000 rpm', '', '',
    'Frequency (alternator W terminal), second input for a paddle wheel', 2, 0, 4000, 0, 4000, 0, 1, 999.9, 'Imp./rev', 0),
(9, 'SK-TL110-70L', 'Tachometer with LCD 0-7000 rpm', 'yes', '110 mm', '0 rpm', '7000 rpm', '', '',
    'Frequency (inductive pick-up)', 1, 0, 7000, 0, 7000, 0, 0.5, 500, 'Imp./rev', 1),
(10, 'SK-SL85-12L', 'Sumlog 0-12 kn with LCD', 'yes', '85 mm', '0 kn', '12 kn', '0 km/h', '22 km/h',
    'Frequency (paddle wheel) or NMEA 0183', 2, 0, 12, 0, 120, 0, 1000, 60000, 'Imp./km', 1),
(11, 'SK-SL110-25L', 'Sumlog 0-25 kn with distance log', 'yes', '110 mm', '0 kn', '25 kn', '0 km/h', '46 km/h',
    'Frequency (paddle wheel)', 1, 0, 25, 0, 250, 0, 1000, 60000, 'Imp./km', 0),
(12, 'SK-SY85-05', 'Synchroniser -500 to +500 rpm', 'no', '85 mm', '-500 rpm', '+500 rpm', '', '',
    'Two frequency inputs (port and starboard engine)', 2, -500, 500, 0, 1000, 0, 1, 999, 'Imp./rev', 0);

-- id, Bestellnummer, Gruppe, DimensionX, DimensionY, BeginX, EndX, YMin, YMax, Y-Werte, X-Werte, Name
INSERT INTO [SensorTabelle] ([id], [Bestellnummer], [Gruppe], [DimensionX], [DimensionY], [BeginX], [EndX],
    [YMin], [YMax], [Y-Werte], [X-Werte], [Name]) VALUES
-- Lever-type level senders (fuel and water tanks)
(1, 'SK-LH-240', 'Vorrat Hebelgeber', '%', 'Ohm', 0, 100, 33, 240,
    '240;200;160;125;95;70;50;33', '0;12.5;25;37.5;50;62.5;75;100', 'Lever sender 240-33 Ohm'),
(2, 'SK-LH-010', 'Vorrat Hebelgeber', '%', 'Ohm', 0, 100, 10, 180,
    '10;31;52;74;95;116;138;159;180', '0;12.5;25;37.5;50;62.5;75;87.5;100', 'Lever sender 10-180 Ohm'),
(3, 'SK-LH-090', 'Vorrat Hebelgeber', '%', 'Ohm', 0, 100, 0, 90,
    '0;11,3;22,5;33,8;45;56,3;67,5;78,8;90', '0;12,5;25;37,5;50;62,5;75;87,5;100', 'Lever sender 0-90 Ohm'),
-- Immersion-tube level senders
(4, 'SK-TR-240-300', 'Vorrat Tauchrohrgeber', '%', 'Ohm', 0, 100, 33, 240,
    '240;214;188;162;136;111;85;59;33', '0;12.5;25;37.5;50;62.5;75;87.5;100', 'Tube sender 240-33 Ohm, 300 mm'),
(5, 'SK-TR-010-400', 'Vorrat Tauchrohrgeber', '%', 'Ohm', 0, 100, 10, 180,
    '10;31;52;74;95;116;138;159;180', '0;12.5;25;37.5;50;62.5;75;87.5;100', 'Tube sender 10-180 Ohm, 400 mm'),
(6, 'SK-TR-010-600', 'Vorrat Tauchrohrgeber', 'l', 'Ohm', 0, 200, 10, 180,
    '10;24;45;73;102;131;155;180', '0;25;50;75;100;125;150;200', 'Tube sender 10-180 Ohm, 200 l tank'),
-- NTC temperature senders
(7, 'SK-NT-120', 'Temperaturgeber', '°C', 'Ohm', 40, 120, 22.5, 291.5,
    '291.5;197;134;97;70;51.5;38.5;29.6;22.5', '40;50;60;70;80;90;100;110;120', 'Water temperature 40-120 °C'),
(8, 'SK-NT-150', 'Temperaturgeber', '°C', 'Ohm', 50, 150, 18.5, 322,
    '322;190;115;72;47;31.5;22;18.5', '50;65;80;95;110;125;140;150', 'Oil temperature 50-150 °C'),
(9, 'SK-NT-250F', 'Temperaturgeber', '°F', 'Ohm', 100, 250, 22.5, 450,
    '450;287;190;129;90;64;47;35;27;22.5', '100;117;133;150;167;183;200;217;233;250', 'Water temperature 100-250 °F'),
-- Pressure senders
(10, 'SK-PR-05', 'Druckgeber', 'bar', 'Ohm', 0, 5, 10, 184,
    '10;44;78;112;148;184', '0;1;2;3;4;5', 'Oil pressure 0-5 bar'),
(11, 'SK-PR-10', 'Druckgeber', 'bar', 'Ohm', 0, 10, 10, 184,
    '10;31;52;73;94;115;136;157;170;184', '0;1.2;2.4;3.6;4.8;6;7.2;8.4;9.2;10', 'Oil pressure 0-10 bar'),
(12, 'SK-PR-25', 'Druckgeber', 'bar', 'Ohm', 0, 25, 10, 184,
    '10;52;94;136;184', '0;6;12;18;25', 'Gearbox pressure 0-25 bar'),
-- Examples of user-defined sensors (as the program writes them)
(13, '', 'Benutzerdefiniert', '%', 'Ohm', 0, 100, 5, 190,
    '190.000000;160.000000;130.000000;100.000000;70.000000;45.000000;20.000000;5.000000',
    '0.000000;15.000000;30.000000;45.000000;60.000000;75.000000;90.000000;100.000000', 'Fresh water tank, own calibration'),
(14, '', 'Benutzerdefiniert', '°C', 'Ohm', 20, 130, 15, 1150,
    '1150.000000;540.000000;285.000000;162.000000;97.000000;60.000000;39.000000;15.000000',
    '20.000000;35.000000;50.000000;65.000000;80.000000;95.000000;110.000000;130.000000', 'Exhaust cooling water');
