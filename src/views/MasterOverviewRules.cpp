#include "MasterOverviewRules.h"

#include "app/Language.h"
#include "link/CounterPresetInput.h"
#include "model/GaugeParamCodec.h"

#include <QLocale>
#include <cmath>
#include <initializer_list>

namespace master_overview {

const std::array<DisplayItem, 8> &DisplayItems()
{
    static const std::array<DisplayItem, 8> items = {{
        {ids::EngineHours, display_bits::EngineHours},
        {ids::TripHours, display_bits::TripHours},
        {ids::Clock, display_bits::Clock},
        {ids::WaterTemperature, display_bits::WaterTemperature},
        {ids::Volt, display_bits::Volt},
        {ids::OdoTotal, display_bits::OdoTotal},
        {ids::TripDistance, display_bits::TripDistance},
        {ids::Depth, display_bits::Depth},
    }};
    return items;
}

ControlStates ComputeControlStates(const CConfigData &config, int dataSource)
{
    using namespace ids;
    ControlStates s;
    const bool lcd = config.HasLcd != 0;
    const bool tacho = config.IsTachometer();
    const bool speedo = config.IsSpeedometer();
    const bool sumlog = config.IsSumlog();
    auto show = [&s](std::initializer_list<int> controls, bool on) {
        for (int id : controls)
            s.shown[id] = on;
    };
    auto enable = [&s](std::initializer_list<int> controls, bool on) {
        for (int id : controls)
            s.enabled[id] = on;
    };

    // An NMEA source brings its own speed: no pulse factor to enter.
    enable({PulseLabel, PulseEdit, PulseUnit}, dataSource != 1);

    show({Source2Label, Source2List, Pulse2Label, Pulse2Edit, Pulse2Unit}, lcd && config.FreqInputs > 1);

    show({UnitsLine, DisplayLabel, DisplayChoiceLabel, EngineHours, TripHours, Clock, WaterTemperature, Volt,
          OdoTotal, TripDistance, Depth},
         lcd);
    enable({EngineHours, TripHours}, tacho);
    enable({Clock, Volt}, tacho || speedo || sumlog);
    enable({OdoTotal, TripDistance}, speedo || sumlog);
    enable({WaterTemperature, Depth}, sumlog);

    show({GeneralLine, GeneralLabel, IlluminationLabel, IlluminationList, UnitsLabel, TemperatureLabel, TimeLabel,
          DepthLabel, TemperatureList, TimeList, DepthList},
         lcd);
    // The gauge takes its distance unit from elsewhere: never offered.
    show({DistanceLabel, DistanceList}, false);
    if (lcd) {
        enable({DistanceList}, false);
        enable({TemperatureList, DepthList}, sumlog);
        enable({TimeList}, speedo || tacho || sumlog);
    }

    show({SourceLabel, SourceList}, sumlog || speedo);
    show({PulseLabel, PulseEdit, PulseUnit}, config.IsKnownType());

    show({Buzzer}, false);
    if (lcd) {
        enable({Buzzer}, true);
        s.tickBuzzer = true;
    }

    show({ThresholdLabel, ThresholdEdit, WarnModeLabel, WarnModeList}, !config.IsSynchroniser());
    show({ThresholdUnit}, false);

    show({CounterGroup, CounterEdit, CounterUnit, PresetButton}, lcd);
    show({DistanceCounterLabel}, lcd && (speedo || sumlog));
    show({HourCounterLabel}, lcd && tacho);
    s.counterUnit = tacho ? QStringLiteral("h") : QString();
    return s;
}

QVector<SignalSource> SignalSources(const CConfigData &config)
{
    if (config.IsSpeedometer() || config.IsSumlog())
        return {{QStringLiteral("Speedo (Frequency)"), 1}, {QStringLiteral("Speedo (NMEA)"), 16}};
    return {{QStringLiteral("Tacho (Frequency)"), 2}};
}

QString ThresholdUnitText(const CConfigData &config)
{
    return config.IsSpeedometer() || config.IsSumlog() ? QStringLiteral("km/h") : QStringLiteral("U/min");
}

QString PulseFactorLabel(const CConfigData &config)
{
    return config.IsSpeedometer() || config.IsSumlog() ? LoadTranslatedString(1125) : LoadTranslatedString(1127);
}

QString PulseFactorUnit(const CConfigData &config)
{
    if (config.IsSumlog())
        return QStringLiteral("Imp./nm");
    return config.IsSpeedometer() ? LoadTranslatedString(1126) : LoadTranslatedString(1128);
}

void ClearUnshowableDisplayBits(CConfigData &config)
{
    if (config.IsTachometer())
        config.DisplayMask &= 0x17;
    if (config.IsSpeedometer())
        config.DisplayMask &= 0x74;
    if (config.IsSumlog())
        config.DisplayMask &= 0x87C;
}

namespace {

enum class PulseFactorField { MValue, PlainKValue, TachometerKValue };

PulseFactorField PulseFactorFieldOf(const CConfigData &config)
{
    if (config.IsTachometerWithLcd() || config.IsSynchroniser())
        return PulseFactorField::MValue;
    if (config.IsSpeedometer() || config.IsSumlog())
        return PulseFactorField::PlainKValue;
    return PulseFactorField::TachometerKValue;
}

// Only the block-family tachometer reports its firmware; its early versions
// count the pulse factor in whole pulses. The one-decimal MValue of a register
// gauge is never cut to whole numbers.
bool WholeNumberPulseFactor(const CConfigData &config)
{
    return PulseFactorFieldOf(config) == PulseFactorField::TachometerKValue && config.IsTachometer()
        && config.IsEarlyFirmware();
}

}

void SetPulseFactorValue(CConfigData &config, double value)
{
    if (PulseFactorFieldOf(config) == PulseFactorField::MValue)
        config.MValue = value;
    else
        config.KValue = value;
}

QString FormatPulseFactor(const CConfigData &config)
{
    switch (PulseFactorFieldOf(config)) {
    case PulseFactorField::MValue:
        return QString::number(config.MValue, 'f', 1);
    case PulseFactorField::PlainKValue:
        return QString::number(config.KValue, 'f', QLocale::FloatingPointShortest);
    case PulseFactorField::TachometerKValue:
        return QString::number(config.KValue, 'f', WholeNumberPulseFactor(config) ? 0 : 1);
    }
    return QString();
}

QString FormatThreshold(double threshold)
{
    return QString::number(threshold, 'f', 0);
}

QString NumberRefusal(const TypedNumber &number, const QString &labelText, const QString &typed)
{
    switch (number.status) {
    case TypedNumber::Empty:
        return LoadTranslatedString(5502).arg(labelText);
    case TypedNumber::NotANumber:
        return LoadTranslatedString(5500).arg(labelText, typed.trimmed());
    case TypedNumber::Ok:
        break;
    }
    return QString();
}

static QString limitText(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

Range PulseFactorCapacity(const CConfigData &config)
{
    switch (PulseFactorFieldOf(config)) {
    case PulseFactorField::MValue:
        return {0.0, 6553.5}; // sent in tenths, 16 bits
    case PulseFactorField::PlainKValue:
        return {0.0, 16777215.0}; // 24 bits
    case PulseFactorField::TachometerKValue:
        // 16 bits, in tenths on firmware that counts tenths.
        return config.FirmwareVersion[0] >= gauge_codec::TenthsFirmware ? Range{0.0, 6553.5} : Range{0.0, 65535.0};
    }
    return {0.0, 0.0};
}

std::optional<Range> ThresholdCapacity(const CConfigData &config)
{
    if (config.Family() == LinkFamily::Register)
        return Range{0.0, 32767.0}; // 15 bits beside the direction bit
    if (config.CalculateThreshold)
        return std::nullopt; // kept within the scale and converted
    // 16 bits less the gauge's offset (a byte): what such a gauge can report.
    return Range{-255.0, 65535.0};
}

QString CapacityRefusal(const QString &labelText, const QString &typed, const Range &range)
{
    return LoadTranslatedString(5501).arg(labelText, typed.trimmed(), limitText(range.low), limitText(range.high));
}

double ClampThreshold(const CConfigData &config, double value)
{
    if (!config.CalculateThreshold)
        return value;
    if (!(value > config.ScaleMin))
        value = config.ScaleMin;
    if (!(value < config.ScaleMax))
        value = config.ScaleMax;
    return value;
}

QString CheckPulseFactorLimits(const CConfigData &config, double value, const QString &labelText)
{
    if (config.DataSource == 1 || !config.UseMinMax)
        return QString();
    const bool whole = WholeNumberPulseFactor(config);
    double integral = 0.0;
    if (whole && std::modf(value, &integral) > 0.0)
        return LoadTranslatedString(1129);
    if (value > config.KValueMax || value < config.KValueMin) {
        QString format = LoadTranslatedString(1124);
        double low = config.KValueMin;
        double high = config.KValueMax;
        if (whole) {
            format.replace(QLatin1String("%.1f"), QLatin1String("%.0f"));
            low = std::floor(config.KValueMin + 0.9);
            high = std::floor(config.KValueMax);
        }
        return FormatLimitMessage(format, labelText, low, high);
    }
    return QString();
}

QString FormatLimitMessage(const QString &format, const QString &label, double low, double high)
{
    const double numbers[] = {low, high};
    int argument = 0; // 0 the label, 1 and 2 the limits
    auto argumentText = [&](QChar conversion, int precision) {
        const int index = argument++;
        if (index == 0)
            return label;
        const double value = numbers[index - 1];
        if (conversion == QLatin1Char('s'))
            return limitText(value);
        return QString::number(value, 'f', precision < 0 ? 6 : precision);
    };

    QString out;
    const int n = format.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < n && format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // %s, %f, %.f or %.Nf
        int j = i + 1;
        int precision = -1;
        if (j < n && format.at(j) == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < n && format.at(j).isDigit() && precision < 100)
                precision = precision * 10 + format.at(j++).digitValue();
        }
        const bool known = j < n && (format.at(j) == QLatin1Char('s') || format.at(j) == QLatin1Char('f'))
            && !(format.at(j) == QLatin1Char('s') && precision >= 0);
        if (!known || argument > 2) {
            out += c;
            continue;
        }
        out += argumentText(format.at(j), precision);
        i = j;
    }
    return out;
}

CounterPresetCheck CheckCounterPreset(const CConfigData &config, const QString &typed)
{
    CounterPresetCheck check;
    const bool distance = config.IsSpeedometer() || config.IsSumlog();
    const bool hours = !distance && config.IsTachometer();
    CounterPresetPlan plan;
    const int refusal = PlanCounterPreset(typed, hours ? CounterKind::Hours : CounterKind::Distance, plan);
    // A type without a counter still refuses what is not a number.
    if (refusal == 1133 || (refusal != 0 && (distance || hours)))
        check.refusal = CounterPresetRefusalText(refusal);
    else if (distance || hours)
        check.preset = CounterPreset{plan.startAddress, plan.cells, plan.value};
    return check;
}

}
