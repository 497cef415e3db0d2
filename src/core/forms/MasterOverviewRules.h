#pragma once
// The rules of the master overview that need no widgets: which controls the
// master type shows and enables, the LCD items it can show, how its pulse
// factor is shown and checked, how typed numbers are read, and how a counter
// preset is checked. The form applies them to its controls.
#include "model/ConfigRecord.h"
#include "model/RecordCheck.h"
#include "link/CounterPresetInput.h"
#include "model/TypedNumber.h"

#include <QMap>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace master_overview {

// Controls of form template 120.
namespace ids {
constexpr int Picture = 2300;
constexpr int Title = 1096;
constexpr int SourceLabel = 1095;
constexpr int SourceList = 1070;
constexpr int PulseLabel = 1092;
constexpr int PulseEdit = 1085;
constexpr int PulseUnit = 1093;
constexpr int ThresholdLabel = 9929;
constexpr int ThresholdEdit = 1047;
constexpr int ThresholdUnit = 1094;
constexpr int WarnModeLabel = 9930;
constexpr int WarnModeList = 1073;
constexpr int Buzzer = 1097;
constexpr int Source2Label = 1088;
constexpr int Source2List = 1072;
constexpr int Pulse2Label = 1089;
constexpr int Pulse2Edit = 1048;
constexpr int Pulse2Unit = 1090;
constexpr int GeneralLine = 9920;
constexpr int GeneralLabel = 9922;
constexpr int IlluminationLabel = 9923;
constexpr int IlluminationList = 1071;
constexpr int UnitsLine = 9921;
constexpr int UnitsLabel = 9924;
constexpr int DistanceLabel = 9925;
constexpr int DistanceList = 1074;
constexpr int TemperatureLabel = 9926;
constexpr int TemperatureList = 1075;
constexpr int TimeLabel = 9927;
constexpr int TimeList = 1076;
constexpr int DepthLabel = 9928;
constexpr int DepthList = 1086;
constexpr int DisplayLabel = 1087;
constexpr int DisplayChoiceLabel = 1091;
constexpr int EngineHours = 1077;
constexpr int TripHours = 1078;
constexpr int Clock = 1079;
constexpr int WaterTemperature = 1080;
constexpr int Volt = 1084;
constexpr int OdoTotal = 1083;
constexpr int TripDistance = 1082;
constexpr int Depth = 1081;
constexpr int CounterGroup = 9931;
constexpr int DistanceCounterLabel = 9932;
constexpr int HourCounterLabel = 9933;
constexpr int CounterEdit = 9934;
constexpr int CounterUnit = 9935;
constexpr int PresetButton = 9936;
}

// The LCD item check boxes with the DisplayMask bit each one stands for.
struct DisplayItem
{
    int controlId;
    uint32_t bit;
};
const std::array<DisplayItem, 8> &displayItems();

// The LCD items, illumination and units: what only a register-family
// gauge's registers hold.
const std::array<int, 13> &displaySettingControls();

// What the master type makes of the form. Every control a rule governs has an
// entry in shown; enabled holds only the controls a rule enables or disables.
struct ControlStates
{
    QMap<int, bool> shown;
    QMap<int, bool> enabled;
    bool tickBuzzer = false; // an LCD master always drives its buzzer output
    // The display settings are disabled: the gauge's family does not hold them.
    bool displayNotKept = false;
    QString counterUnit;
};
// dataSource: the signal source that counts (the one just selected, or the
// record's).
ControlStates computeControlStates(const ConfigRecord &config, int dataSource);

// The signal sources the master type offers, in list order (the record's
// DataSource is the position), each with the code the gauge knows it by.
struct SignalSource
{
    QString name;
    int code;
};
QVector<SignalSource> signalSources(const ConfigRecord &config);
// The unit the warning threshold is entered in.
QString thresholdUnitText(const ConfigRecord &config);
// The pulse factor's label and unit for the master type.
QString pulseFactorLabel(const ConfigRecord &config);
QString pulseFactorUnit(const ConfigRecord &config);

// Clears the DisplayMask bits of items the master type cannot show.
void clearUnshowableDisplayBits(ConfigRecord &config);

// The pulse factor field edits MValue (one decimal) for a tachometer with LCD
// or a synchroniser, else KValue: as it is for a speedometer or sumlog, and
// for other types whole on early tachometer firmware, else with one decimal
// (record_check::pulseFactorFieldOf).
void setPulseFactorValue(ConfigRecord &config, double value);
QString formatPulseFactor(const ConfigRecord &config);
// The threshold as the project holds it; wholeThreshold: rounded to the
// whole number the gauge keeps (for a typed value).
QString formatThreshold(double threshold);
QString wholeThreshold(double threshold);
// A limit as the user reads it: the language's decimal sign, no grouping.
QString formatLimit(double limit);

// Why a typed value is refused; empty when it is accepted.
QString numberRefusal(const TypedNumber &number, const QString &labelText, const QString &typed);

// The form's words for the record check's refusal of a value typed into one
// of its fields: the limits message with the field's label (in whole numbers
// on early firmware), the whole-number message, or the label and the typed
// text with what the gauge holds.
QString fieldRefusalText(const ConfigRecord &config, const record_check::Refusal &refusal, const QString &labelText,
                         const QString &typed);

// Formats a C-style message with %s and %f placeholders (as translations of
// the limits message carry them) from a label and two numbers, taken in order.
// Anything else after a percent sign is copied as it stands, so a damaged
// translation can never read arguments that are not there.
QString formatLimitMessage(const QString &format, const QString &label, double low, double high);

// A counter preset the gauge is to receive, or the reason it is refused.
struct CounterPreset
{
    CounterPresetPlan plan;
    CounterKind kind = CounterKind::Distance;
};
struct CounterPresetCheck
{
    std::optional<CounterPreset> preset; // none with an empty refusal: the type has no counter
    QString refusal;
};
CounterPresetCheck checkCounterPreset(const ConfigRecord &config, const QString &typed);


}
