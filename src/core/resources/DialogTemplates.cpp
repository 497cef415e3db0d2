#include "DialogTemplates.h"

namespace dialog_templates {

namespace {

using K = ControlKind;
constexpr int U = UnnamedControl;

ControlTemplate control(int id, ControlKind kind, const char *text = "", std::vector<const char *> items = {})
{
    return ControlTemplate{id, kind, text, std::move(items)};
}

ControlTemplate hiddenControl(int id, ControlKind kind, const char *text = "", std::vector<const char *> items = {})
{
    return ControlTemplate{id, kind, text, std::move(items), true};
}

// Appends count edit fields with consecutive identifiers.
void addEdits(std::vector<ControlTemplate> &controls, int firstId, int count)
{
    for (int id = firstId; id < firstId + count; ++id)
        controls.push_back(control(id, K::Edit));
}

DialogTemplate aboutBox()
{
    return {100, "AboutDialog", "ID_10 Info über Skaleron",
            {
                control(U, K::Picture), // bitmap 187
                control(1160, K::Label, "Version"),
                control(U, K::Label, "Skaleron - Copyright (C) Veltrona"),
                control(1, K::Button, "ID_1 OK"),
            }};
}

DialogTemplate projectForm()
{
    return {102, "ProjectFormView", "",
            {
                control(2300, K::Picture), // bitmap 131
                control(1096, K::Label, "Static"),
                control(1097, K::Label,
                        "ID_10000 Artikelnummer:\nBeschreibung:\nDurchmesser:\nSkalenbereich aussen:\n"
                        "Skalenbereich innen:\nSignaleingänge:"),
            }};
}

DialogTemplate masterSettings()
{
    return {104, "MasterSettingsView", "",
            {
                control(2300, K::Picture), // bitmap 132
                control(U, K::Label, "ID_1200 Grundeinstellungen:"),
                control(1063, K::RadioButton, "ID_1207 Betriebsstundenanzeige"),
                control(1064, K::RadioButton, "ID_1208 Wegstreckenanzeige"),
                control(U, K::GroupBox, "ID_1250 ODO / Hourmeter Wertvorgabe:"),
                control(1001, K::Edit),
                control(1002, K::Button, "ID_1251 einstellen"),
                control(1003, K::Label, "km"),
                control(1042, K::RadioButton, "ID_1252 Tachometer"),
                control(1043, K::RadioButton, "ID_1241 Speedometer"),
                control(U, K::GroupBox, "ID_1242 Geschwindigkeitsmessung"),
                control(U, K::Label, "ID_1244 k-Wert:"),
                control(1046, K::Edit),
                control(U, K::Label, "ID_1248 Imp./km"),
                control(U, K::Label, "ID_1246 min. Geschw.:"),
                control(1047, K::Edit),
                control(U, K::Label, "km/h"),
                control(1055, K::Label, "ID_1118 Eingangsdämpfung:"),
                control(1057, K::Label, "ID_1109 aufwärts:"),
                control(1044, K::DropDownList),
                control(1058, K::Label, "ID_1110 abwärts:"),
                control(1045, K::DropDownList),
                control(U, K::GroupBox, "ID_1243 Drehzahlmessung"),
                control(U, K::Label, "ID_1245 m-Wert:"),
                control(1048, K::Edit),
                control(U, K::Label, "ID_1249 Imp/Umdr."),
                control(1056, K::Label, "ID_1118 Eingangsdämpfung:"),
                control(1059, K::Label, "ID_1109 aufwärts:"),
                control(1020, K::DropDownList),
                control(1060, K::Label, "ID_1110 abwärts:"),
                control(1021, K::DropDownList),
                control(1065, K::Label, "ID_1602 Drehzahlschwelle:"),
                control(1049, K::Edit),
                control(1066, K::Label, "U/min."),
                control(1069, K::CheckBox, "Licht Warnung aktivieren"),
            }};
}

DialogTemplate calibration()
{
    std::vector<ControlTemplate> c = {
        control(2300, K::Picture), // bitmap 132
        control(1047, K::Label, "ID_400 Signalquelle:"),
        control(1031, K::DropDownList, "", {"Off", "Speedo/Tacho", "UBat", "AuxAIn"}),
        control(1004, K::Button, "ID_403 Sensor auswählen..."),
        control(1239, K::Label),
        control(1145, K::Frame),
    };
    // Axis labels: y from top (5015) to bottom (5011), x from left (5001) to right (5005).
    for (int id = 5015; id >= 5011; --id)
        c.push_back(control(id, K::Label));
    c.push_back(control(5007, K::Label));
    for (int id = 5001; id <= 5005; ++id)
        c.push_back(control(id, K::Label));
    c.push_back(control(5006, K::Label, "Ohm"));
    c.push_back(control(U, K::Label, "ID_406 Eingang"));
    c.push_back(control(U, K::Label, "ID_407 Anzeige"));
    c.push_back(control(1165, K::Label, "Ohm:"));
    c.push_back(control(1167, K::Label, "x:"));
    c.push_back(control(1166, K::Label, "x:"));
    c.push_back(control(U, K::Label, "Phi [°]"));
    addEdits(c, 3009, 8); // input resistance
    addEdits(c, 3017, 8); // input quantity
    addEdits(c, 3001, 8); // display value
    addEdits(c, 4001, 8); // pointer angle
    c.push_back(control(U, K::Line)); // between the input and the display columns
    // Selectors the view keeps out of sight: pointer position, signal check, delay, support points.
    c.push_back(hiddenControl(1164, K::CheckBox, "ID_405 Zeigerposition anzeigen"));
    c.push_back(hiddenControl(1168, K::CheckBox, "ID_408 Sensor Signalprüfung verwenden"));
    c.push_back(hiddenControl(1067, K::Label, "ID_409 min"));
    c.push_back(hiddenControl(3025, K::Edit));
    c.push_back(hiddenControl(1068, K::Label, "ID_410 max"));
    c.push_back(hiddenControl(3026, K::Edit));
    c.push_back(hiddenControl(1242, K::Label, "Ohm"));
    c.push_back(hiddenControl(U, K::Label, "ID_1611 Delay:"));
    c.push_back(hiddenControl(1243, K::DropDownList));
    c.push_back(hiddenControl(U, K::Label, "ID_401 Stützstellen:"));
    c.push_back(hiddenControl(1144, K::DropDownList, "", {"2", "8"}));
    return {114, "CalibrationView", "", std::move(c)};
}

DialogTemplate masterOverview()
{
    return {120, "MasterOverview", "",
            {
                control(2300, K::Picture),
                control(1096, K::Label, "Static"),
                control(1095, K::Label, "ID_10003 Datenquelle:"),
                control(1070, K::DropDownList),
                control(1092, K::Label, "ID_10004 k-Wert:"),
                control(1085, K::Edit),
                control(1093, K::Label, "Imp./km"),
                control(9929, K::Label, "ID_10005 Warnschwelle:"),
                control(1047, K::Edit),
                hiddenControl(1094, K::Label, "%"),
                control(9930, K::Label, "ID_10006 Warnmodus:"),
                control(1073, K::DropDownList),
                control(1097, K::CheckBox, "Buzzer Ausgang aktiv"),
                control(1088, K::Label, "ID_10017 Datenquelle (Freq. 2):"),
                control(1072, K::DropDownList, "", {"Speedo (Freq. 1)", "Tacho (Freq. 1)", "Speedo (Freq. 2)"}),
                control(1089, K::Label, "ID_10016 k-Wert (Freq. 2):"),
                control(1048, K::Edit),
                control(1090, K::Label, "Imp./km"),
                control(9920, K::Line),
                control(9922, K::Label, "ID_10007 Allgemein:"),
                control(9923, K::Label, "ID_10008 Beleuchtung:"),
                control(1071, K::DropDownList, "",
                        {"0 %", "10 %", "20 %", "30 %", "40 %", "50 %", "60 %", "70 %", "80 %", "90 %", "100 %"}),
                control(9921, K::Line),
                control(9924, K::Label, "ID_10009 Einheiten:"),
                control(9925, K::Label, "ID_10010 Weg:"),
                control(1074, K::DropDownList, "", {"km", "mi", "nm"}),
                control(9926, K::Label, "ID_10011 Temperatur:"),
                control(1075, K::DropDownList, "", {"°C", "°F"}),
                control(9927, K::Label, "ID_10012 Zeit:"),
                control(1076, K::DropDownList, "", {"24 h", "12 h"}),
                control(9928, K::Label, "ID_10013 Tiefe:"),
                control(1086, K::DropDownList, "", {"m", "ft"}),
                control(1087, K::Label, "ID_10040 Displayeinstellungen:"),
                control(1091, K::Label, "ID_10041 Anzeigeauswahl:"),
                control(1077, K::CheckBox, "ID_10042 Engine hours"),
                control(1078, K::CheckBox, "ID_10043 Trip hours"),
                control(1079, K::CheckBox, "ID_10044 Clock"),
                control(1080, K::CheckBox, "ID_10045 Water temperature"),
                control(1084, K::CheckBox, "ID_10046 Volt"),
                control(1083, K::CheckBox, "ID_10047 Odo total"),
                control(1082, K::CheckBox, "ID_10048 Trip distance"),
                control(1081, K::CheckBox, "ID_10049 Depth"),
                control(9931, K::GroupBox),
                control(9932, K::Label, "ID_1208 Wegstreckenanzeige"),
                control(9933, K::Label, "ID_1207 Betriebsstundenanzeige"),
                control(9934, K::Edit),
                control(9935, K::Label),
                control(9936, K::Button, "ID_1251 einstellen"),
            }};
}

DialogTemplate diagnosticsInputs()
{
    return {137, "DiagnosticsInputsPage", "Eingänge",
            {
                control(U, K::Label, "ADC:"),
                control(U, K::Label, "Phy:"),
                control(U, K::Label, "Kl. 30 Ref:"),
                control(1003, K::Edit),
                control(1013, K::Edit),
                control(1302, K::Label, "V"),
                control(U, K::Label, "Analog 1 (Fuel):"),
                control(1004, K::Edit),
                control(1014, K::Edit),
                control(1303, K::Label, "V"),
                control(U, K::Label, "Analog 2 (Coolant):"),
                control(1005, K::Edit),
                control(1015, K::Edit),
                control(1304, K::Label, "V"),
                control(U, K::Label, "Analog 3 (Aux):"),
                control(1006, K::Edit),
                control(1016, K::Edit),
                control(1305, K::Label, "V"),
            }};
}

DialogTemplate masterTypeSelection()
{
    return {174, "MasterTypeDialog", "ID_100 Master einfügen",
            {
                control(1066, K::ListView),
                control(1, K::Button, "ID_1 OK"),
                control(2, K::Button, "ID_2 Abbrechen"),
            }};
}

DialogTemplate sensorSelection()
{
    return {192, "SensorSelectionDialog", "ID_201 Sensor einfügen",
            {
                control(U, K::Label, "ID_102 Typ:"),
                control(1068, K::DropDownList),
                control(1004, K::Button, "ID_202 Neu..."),
                control(1005, K::Button, "ID_2401 Ändern..."),
                control(4, K::Button, "ID_2402 Löschen..."),
                control(1066, K::ListView),
                control(1, K::Button, "ID_1 OK"),
                control(2, K::Button, "ID_2 Abbrechen"),
            }};
}

DialogTemplate options()
{
    return {194, "OptionsDialog", "ID_1500 Einstellungen",
            {
                control(U, K::Label, "ID_1501 Sprachauswahl:"),
                control(1161, K::DropDownList), // sorted
                control(U, K::Label, "ID_1502 Datenbank:"),
                control(1003, K::Edit),
                control(1301, K::Button, "Button2"), // face: bitmap 1292
                control(U, K::Label, "ID_1503 CommPort:"),
                control(1014, K::DropDownList, "",
                        {"COM 1", "COM 2", "COM 3", "COM 4", "COM 5", "COM 6", "COM 7", "COM 8", "COM 9", "COM 10"}),
                control(1, K::Button, "ID_1 OK"),
                control(2, K::Button, "ID_2 Cancel"),
            }};
}

DialogTemplate sensorDefinition()
{
    std::vector<ControlTemplate> c = {
        control(U, K::Label, "ID_2001 Name:"),
        control(1056, K::Edit),
        control(1165, K::Label, "x:"),
        control(1167, K::Label, "y:"),
        control(U, K::Label, "ID_1216 Einheit:"),
        control(3025, K::Edit),
        control(3026, K::Edit),
        control(U, K::Line),
        control(U, K::Label, "ID_2002 Werte:"),
    };
    addEdits(c, 3009, 8); // x column
    addEdits(c, 3017, 8); // y column
    c.push_back(control(1, K::Button, "ID_1 OK"));
    c.push_back(control(2, K::Button, "ID_2 Cancel"));
    return {288, "SensorDefinitionDialog", "ID_2000 Sensorkennlinie definieren", std::move(c)};
}

DialogTemplate diagnosticsInfo()
{
    return {9908, "DiagnosticsInfoPage", "Info",
            {
                control(U, K::Label, "Firmware:"),
                control(1062, K::Label, "Date"),
                control(1061, K::Label, "Version"),
            }};
}

} // namespace

const std::vector<DialogTemplate> &all()
{
    static const std::vector<DialogTemplate> templates = {
        aboutBox(),          projectForm(), masterSettings(), calibration(),      masterOverview(),
        diagnosticsInputs(), masterTypeSelection(),            sensorSelection(), options(),
        sensorDefinition(),  diagnosticsInfo(),
    };
    return templates;
}

const DialogTemplate *find(int templateId)
{
    for (const DialogTemplate &t : all()) {
        if (t.id == templateId)
            return &t;
    }
    return nullptr;
}

const ControlTemplate *findControl(int templateId, int controlId)
{
    const DialogTemplate *t = find(templateId);
    if (!t || controlId == UnnamedControl)
        return nullptr;
    for (const ControlTemplate &c : t->controls) {
        if (c.id == controlId)
            return &c;
    }
    return nullptr;
}

}
