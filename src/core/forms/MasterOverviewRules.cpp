#include "MasterOverviewRules.h"

#include "base/Language.h"
#include "base/Utility.h"
#include "link/CounterPresetInput.h"

#include <QLocale>
#include <cmath>
#include <initializer_list>

namespace master_overview {

const std::array<DisplayItem, 8> &displayItems()
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

const std::array<int, 13> &displaySettingControls()
{
    using namespace ids;
    // The LCD items' heading stands for them on the sheet.
    static const std::array<int, 13> controls{DisplayLabel, EngineHours,      Clock,           TripHours,
                                              WaterTemperature, Volt,         OdoTotal,        TripDistance,
                                              Depth,        IlluminationList, TemperatureList, TimeList,
                                              DepthList};
    return controls;
}

ControlStates computeControlStates(const ConfigRecord &config, int dataSource)
{
    using namespace ids;
    ControlStates s;
    const bool lcd = config.HasLcd != 0;
    const bool tacho = config.isTachometer();
    const bool speedo = config.isSpeedometer();
    const bool sumlog = config.isSumlog();
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

    // A block-family gauge's parameter block has no place for the display
    // settings: offered, they would seem written (and read back the same).
    s.displayNotKept = lcd && config.family() == LinkFamily::Block;
    if (s.displayNotKept) {
        for (int id : displaySettingControls())
            s.enabled[id] = false;
    }

    show({SourceLabel, SourceList}, sumlog || speedo);
    show({PulseLabel, PulseEdit, PulseUnit}, config.isKnownType());

    show({Buzzer}, false);
    if (lcd) {
        enable({Buzzer}, true);
        s.tickBuzzer = true;
    }

    show({ThresholdLabel, ThresholdEdit, WarnModeLabel, WarnModeList}, !config.isSynchroniser());
    show({ThresholdUnit}, false);

    show({CounterGroup, CounterEdit, CounterUnit, PresetButton}, lcd);
    show({DistanceCounterLabel}, lcd && (speedo || sumlog));
    show({HourCounterLabel}, lcd && tacho);
    s.counterUnit = tacho ? QStringLiteral("h") : QString();
    return s;
}

QVector<SignalSource> signalSources(const ConfigRecord &config)
{
    if (config.isSpeedometer() || config.isSumlog())
        return {{loadTranslatedString(6373), 1}, {loadTranslatedString(6374), 16}};
    return {{loadTranslatedString(6375), 2}};
}

QString thresholdUnitText(const ConfigRecord &config)
{
    return config.isSpeedometer() || config.isSumlog() ? QStringLiteral("km/h") : QStringLiteral("U/min");
}

QString pulseFactorLabel(const ConfigRecord &config)
{
    return config.isSpeedometer() || config.isSumlog() ? loadTranslatedString(1125) : loadTranslatedString(1127);
}

QString pulseFactorUnit(const ConfigRecord &config)
{
    if (config.isSumlog())
        return QStringLiteral("Imp./nm");
    return config.isSpeedometer() ? loadTranslatedString(1126) : loadTranslatedString(1128);
}

void clearUnshowableDisplayBits(ConfigRecord &config)
{
    if (config.isTachometer())
        config.DisplayMask &= 0x17;
    if (config.isSpeedometer())
        config.DisplayMask &= 0x74;
    if (config.isSumlog())
        config.DisplayMask &= 0x87C;
}

using record_check::PulseFactorField;
using record_check::pulseFactorFieldOf;

void setPulseFactorValue(ConfigRecord &config, double value)
{
    if (pulseFactorFieldOf(config) == PulseFactorField::MValue)
        config.MValue = value;
    else
        config.KValue = value;
}

QString formatLimit(double limit)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(limit, 'g', QLocale::FloatingPointShortest);
}

QString formatPulseFactor(const ConfigRecord &config)
{
    // One decimal, or every decimal the project holds beyond it (typed
    // elsewhere, or for a gauge not read yet): shown rounded, the value
    // would look like one the gauge then does not hold.
    const auto tenths = [](double value) {
        return QString::number(value, 'f', std::round(value * 10) / 10 == value ? 1 : QLocale::FloatingPointShortest);
    };
    switch (pulseFactorFieldOf(config)) {
    case PulseFactorField::MValue:
        return tenths(config.MValue);
    case PulseFactorField::PlainKValue:
        return QString::number(config.KValue, 'f', QLocale::FloatingPointShortest);
    case PulseFactorField::TachometerKValue: {
        const bool whole = record_check::wholeNumberPulseFactor(config) && std::floor(config.KValue) == config.KValue;
        return whole ? QString::number(config.KValue, 'f', 0) : tenths(config.KValue);
    }
    }
    return QString();
}

QString wholeThreshold(double threshold)
{
    const QString text = QString::number(roundTo(threshold, 0), 'f', 0); // halves up, as the gauge rounds
    return text == QLatin1String("-0") ? QStringLiteral("0") : text; // -0.4 rounds to no sign
}

QString formatThreshold(double threshold)
{
    // A fraction the project holds (set elsewhere) is shown as held: rounded,
    // it would look like what the gauge then does not hold, and the form
    // would store the rounded value without a word.
    return std::floor(threshold) == threshold || !std::isfinite(threshold)
               ? wholeThreshold(threshold)
               : QString::number(threshold, 'f', QLocale::FloatingPointShortest);
}

QString numberRefusal(const TypedNumber &number, const QString &labelText, const QString &typed)
{
    switch (number.status) {
    case TypedNumber::Empty:
        return loadTranslatedString(5502).arg(labelText);
    case TypedNumber::NotANumber:
        return loadTranslatedString(5500).arg(labelText, typed.trimmed());
    case TypedNumber::Ok:
        break;
    }
    return QString();
}

static QString limitText(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString fieldRefusalText(const ConfigRecord &config, const record_check::Refusal &refusal, const QString &labelText,
                         const QString &typed)
{
    switch (refusal.rule) {
    case record_check::Rule::WholeNumber:
        return loadTranslatedString(1129);
    case record_check::Rule::Limits: {
        QString format = loadTranslatedString(1124);
        if (record_check::wholeNumberPulseFactor(config))
            format.replace(QLatin1String("%.1f"), QLatin1String("%.0f"));
        return formatLimitMessage(format, labelText, refusal.allowed.low, refusal.allowed.high);
    }
    case record_check::Rule::List:
    case record_check::Rule::Capacity:
        break;
    }
    return loadTranslatedString(5501).arg(labelText, typed.trimmed(), limitText(refusal.allowed.low),
                                          limitText(refusal.allowed.high));
}

QString formatLimitMessage(const QString &format, const QString &label, double low, double high)
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

CounterPresetCheck checkCounterPreset(const ConfigRecord &config, const QString &typed)
{
    CounterPresetCheck check;
    const bool distance = config.isSpeedometer() || config.isSumlog();
    const bool hours = !distance && config.isTachometer();
    CounterPresetPlan plan;
    const int refusal = planCounterPreset(typed, hours ? CounterKind::Hours : CounterKind::Distance, plan);
    // A type without a counter still refuses what is not a number.
    if (refusal == 1133 || (refusal != 0 && (distance || hours)))
        check.refusal = counterPresetRefusalText(refusal);
    else if (distance || hours)
        check.preset = CounterPreset{plan, hours ? CounterKind::Hours : CounterKind::Distance};
    return check;
}

}
