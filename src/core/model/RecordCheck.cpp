#include "RecordCheck.h"

#include "MasterTypeInfo.h"
#include "base/Language.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace record_check {

namespace {

// What the gauge's bytes hold: the register family sends the pulse factor in
// 24 bits, MValue in tenths in 16 bits and the threshold in 15 bits beside
// the direction bit; the block family sends the pulse factor in 16 bits (in
// tenths on firmware that counts them) and the threshold plus an offset byte
// in 16 bits.
constexpr Range RegisterKValue{0.0, 16777215.0};
constexpr Range MValueTenths{0.0, 6553.5};
constexpr Range RegisterThreshold{0.0, 32767.0};
constexpr Range BlockKValueWhole{0.0, 65535.0};
constexpr Range BlockKValueTenths{0.0, 6553.5};
// The block threshold less the gauge's offset byte, whatever the offset.
constexpr Range BlockThreshold{-255.0, 65535.0};
constexpr Range AnyNumber{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};

bool countsTenths(const ConfigRecord &cfg) { return cfg.FirmwareVersion[0] >= gauge_codec::TenthsFirmware; }

Range blockKValue(const ConfigRecord &cfg) { return countsTenths(cfg) ? BlockKValueTenths : BlockKValueWhole; }

class Checker
{
public:
    // Notes a refusal when value lies outside allowed; NaN lies outside
    // everything.
    void within(const char *field, double value, Range allowed, Rule rule)
    {
        if (!(value >= allowed.low && value <= allowed.high))
            refusals.push_back({QString::fromLatin1(field), value, allowed, rule});
    }
    void listIndex(const char *field, int value, int entries)
    {
        within(field, value, {0.0, entries - 1.0}, Rule::List);
    }

    QVector<Refusal> refusals;
};

// The master type's limits (only when it asks for them and the source is not
// NMEA), the early-firmware whole number first.
bool pulseFactorLimits(Checker &check, const ConfigRecord &cfg, const char *field, double value)
{
    if (cfg.DataSource == 1 || !cfg.UseMinMax)
        return true;
    const bool whole = wholeNumberPulseFactor(cfg);
    const Range limits = whole ? Range{std::floor(cfg.KValueMin + 0.9), std::floor(cfg.KValueMax)}
                               : Range{cfg.KValueMin, cfg.KValueMax};
    double integral = 0.0;
    Rule broken = Rule::Limits;
    if (whole && std::modf(value, &integral) > 0.0)
        broken = Rule::WholeNumber;
    else if (!(value > cfg.KValueMax || value < cfg.KValueMin))
        return true;
    check.refusals.push_back({QString::fromLatin1(field), value, limits, broken});
    return false;
}

Range thresholdRange(const ConfigRecord &cfg, std::optional<LinkFamily> family)
{
    if (!family)
        return AnyNumber; // the scale of a converting master type may be anything
    if (*family == LinkFamily::Register)
        return RegisterThreshold;
    if (cfg.CalculateThreshold)
        return {double(cfg.ScaleMin), double(cfg.ScaleMax)};
    return BlockThreshold;
}

}

std::optional<LinkFamily> familyOfMasterType(const ConfigRecord &cfg)
{
    if (cfg.MasterId == -1 || cfg.Description.isEmpty())
        return std::nullopt;
    return cfg.family();
}

QVector<Refusal> checkRecord(const ConfigRecord &cfg, std::optional<LinkFamily> family)
{
    Checker check;
    const bool speedOrLog = cfg.isSpeedometer() || cfg.isSumlog();
    // "Frequency" and "NMEA" for a speedometer or sumlog; the record's own
    // list of three sources otherwise.
    check.listIndex("DataSource", cfg.DataSource, speedOrLog ? 2 : 3);

    const bool kIsPulseFactor = pulseFactorFieldOf(cfg) != PulseFactorField::MValue;
    if (!kIsPulseFactor || pulseFactorLimits(check, cfg, "KValue", cfg.KValue)) {
        const bool blockSendsIt = family == LinkFamily::Block && cfg.DataSource != 1;
        check.within("KValue", cfg.KValue, blockSendsIt ? blockKValue(cfg) : RegisterKValue, Rule::Capacity);
    }

    const Range threshold = thresholdRange(cfg, family);
    const bool onScale = family == LinkFamily::Block && cfg.CalculateThreshold;
    // A converting master keeps the threshold on its scale (the form clamps
    // it there), also when the catalogue gives the scale upside down. A
    // master whose scale cannot be converted at all is refused by the
    // transfer itself, naming the master type.
    if (!onScale)
        check.within("WarnThreshold", cfg.WarnThreshold, threshold, Rule::Capacity);
    else if (gauge_codec::thresholdConvertible(cfg) && clampThreshold(cfg, cfg.WarnThreshold) != cfg.WarnThreshold)
        check.refusals.push_back({QStringLiteral("WarnThreshold"), cfg.WarnThreshold, threshold, Rule::Capacity});

    check.listIndex("WarnMode", cfg.WarnMode, 2);
    check.listIndex("BuzzerActive", cfg.BuzzerActive, 2);
    check.listIndex("DataSource2", cfg.DataSource2, 3);
    if (kIsPulseFactor || pulseFactorLimits(check, cfg, "MValue", cfg.MValue))
        check.within("MValue", cfg.MValue, MValueTenths, Rule::Capacity);
    check.within("DisplayMask", cfg.DisplayMask, {0.0, 65535.0}, Rule::Capacity);
    // Picked from the list 0 %, 10 %, ... 100 %.
    check.within("Illumination", cfg.Illumination, {0.0, 100.0}, Rule::List);
    check.listIndex("DistanceUnit", cfg.DistanceUnit, 3);
    check.listIndex("TemperatureUnit", cfg.TemperatureUnit, 2);
    check.listIndex("TimeFormat", cfg.TimeFormat, 2);
    check.listIndex("DepthUnit", cfg.DepthUnit, 2);
    return check.refusals;
}

QVector<Refusal> checkRecord(const ConfigRecord &cfg)
{
    return checkRecord(cfg, familyOfMasterType(cfg));
}

QStringList valuesNoGaugeTakes(const ConfigRecord &cfg, std::optional<LinkFamily> family)
{
    ConfigRecord bare = cfg;
    bare.applyMasterType(MasterTypeInfo());
    QStringList values;
    for (const Refusal &r : checkRecord(bare, family)) {
        // A master that converts the threshold keeps it on its scale: the
        // form fits any value there.
        if (cfg.CalculateThreshold && r.field == QLatin1String("WarnThreshold"))
            continue;
        values << QStringLiteral("%1 %2").arg(r.field, QString::number(r.value, 'g', QLocale::FloatingPointShortest));
    }
    return values;
}

QVector<Refusal> checkBeforeReading(const ConfigRecord &cfg, LinkFamily family)
{
    QVector<Refusal> refusals = checkRecord(cfg, family);
    if (family != LinkFamily::Block)
        return refusals;
    const auto isPulseFactor = [](const Refusal &r) { return r.field == QLatin1String("KValue"); };
    const auto refusalWith = [&](uint8_t firmware) -> std::optional<Refusal> {
        ConfigRecord gauge = cfg;
        gauge.FirmwareVersion = {firmware, 0};
        const QVector<Refusal> found = checkRecord(gauge, family);
        const auto it = std::find_if(found.begin(), found.end(), isPulseFactor);
        return it == found.end() ? std::nullopt : std::optional<Refusal>(*it);
    };
    const std::optional<Refusal> whole = refusalWith(gauge_codec::TenthsFirmware - 1);
    const std::optional<Refusal> tenths = refusalWith(gauge_codec::TenthsFirmware);
    const auto at = std::find_if(refusals.begin(), refusals.end(), isPulseFactor);
    if (at == refusals.end())
        return refusals;
    if (!whole || !tenths) {
        refusals.erase(at);
        return refusals;
    }
    // No firmware takes it: the reason is told by the firmware that allows
    // more, not as "whole numbers only" for a value no decimals keep out.
    const auto width = [](const Refusal &r) { return r.allowed.high - r.allowed.low; };
    *at = width(*tenths) > width(*whole) ? *tenths : *whole;
    return refusals;
}

QVector<Refusal> checkAgainstBlock(const ConfigRecord &cfg, const gauge_codec::ParamBlock &block)
{
    ConfigRecord gauge = cfg;
    gauge.FirmwareVersion = gauge_codec::firmwareOf(block);
    QVector<Refusal> refusals = checkRecord(gauge, LinkFamily::Block);
    for (const Refusal &r : refusals) {
        if (r.field == QLatin1String("WarnThreshold"))
            return refusals;
    }
    const long long sent = gauge_codec::blockThresholdValue(cfg, block);
    if ((sent >= 0 && sent <= 0xFFFF) || !gauge_codec::thresholdConvertible(cfg))
        return refusals;
    // The thresholds whose raw value plus O fits, in the user's units.
    const int offset = block[gauge_codec::block_offset::ThresholdOffset];
    Range allowed{-double(offset), 65535.0 - offset};
    if (cfg.CalculateThreshold) {
        const double factor = gauge_codec::thresholdFactor(cfg);
        allowed = {allowed.low / factor + cfg.ScaleMin, allowed.high / factor + cfg.ScaleMin};
        if (allowed.low > allowed.high)
            std::swap(allowed.low, allowed.high);
    }
    refusals.push_back({QStringLiteral("WarnThreshold"), cfg.WarnThreshold, allowed, Rule::Capacity});
    return refusals;
}

QString refusalText(const Refusal &refusal)
{
    const auto number = [](double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); };
    return loadTranslatedString(refusal.rule == Rule::WholeNumber ? 5011 : 5010)
        .arg(refusal.field, number(refusal.value), number(refusal.allowed.low), number(refusal.allowed.high));
}

PulseFactorField pulseFactorFieldOf(const ConfigRecord &config)
{
    if (config.isTachometerWithLcd() || config.isSynchroniser())
        return PulseFactorField::MValue;
    if (config.isSpeedometer() || config.isSumlog())
        return PulseFactorField::PlainKValue;
    return PulseFactorField::TachometerKValue;
}

QString pulseFactorFieldName(const ConfigRecord &config)
{
    return pulseFactorFieldOf(config) == PulseFactorField::MValue ? QStringLiteral("MValue")
                                                                  : QStringLiteral("KValue");
}

bool wholeNumberPulseFactor(const ConfigRecord &config)
{
    // The one-decimal MValue of a register gauge is never cut to whole numbers.
    return pulseFactorFieldOf(config) == PulseFactorField::TachometerKValue && config.isTachometer()
        && config.isEarlyFirmware();
}

Range pulseFactorCapacity(const ConfigRecord &config)
{
    switch (pulseFactorFieldOf(config)) {
    case PulseFactorField::MValue:
        return MValueTenths;
    case PulseFactorField::PlainKValue:
        return RegisterKValue;
    case PulseFactorField::TachometerKValue:
        return blockKValue(config);
    }
    return {0.0, 0.0};
}

Phrase decimalsCutByWrite(const ConfigRecord &config, LinkFamily family)
{
    const auto number = [](double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); };
    // As the gauge's bytes are made (a value beyond their range is refused
    // before any write): {held, asked}, or nothing where the value is kept.
    const auto cut = [&](double value, double held) {
        return std::fabs(value) < 1e9 && held != value ? QStringList{number(held), number(value)} : QStringList();
    };
    // A block keeps the gauge's pulse factor with DataSource 1 and carries no
    // MValue; registers take both whatever the source, unused only where 1
    // is an NMEA source (a speedometer's or sumlog's).
    const bool mValue = pulseFactorFieldOf(config) == PulseFactorField::MValue;
    const bool unused = config.DataSource == 1
                        && (family == LinkFamily::Block || config.isSpeedometer() || config.isSumlog());
    QStringList pulses;
    bool tenths = false;
    if (!unused && !(mValue && family == LinkFamily::Block)) {
        const double value = mValue ? config.MValue : config.KValue;
        tenths = mValue || (family == LinkFamily::Block && countsTenths(config));
        pulses = cut(value, tenths ? std::trunc(value * 10) / 10 : std::trunc(value));
    }
    const double threshold = config.WarnThreshold;
    const QStringList warning = family == LinkFamily::Register ? cut(threshold, std::trunc(threshold))
                                : config.CalculateThreshold    ? QStringList()
                                                               : cut(threshold, std::floor(threshold + 0.5));
    if (!pulses.isEmpty() && !warning.isEmpty())
        return Phrase::of(tenths ? 5758 : 5749, pulses + warning);
    if (!pulses.isEmpty())
        return Phrase::of(tenths ? 5746 : 5745, pulses);
    return warning.isEmpty() ? Phrase() : Phrase::of(5747, warning);
}

Phrase decimalsCutByWrite(const ConfigRecord &config, const gauge_codec::ParamBlock &block)
{
    ConfigRecord gauge = config;
    gauge.FirmwareVersion = gauge_codec::firmwareOf(block);
    return decimalsCutByWrite(gauge, LinkFamily::Block);
}

double clampThreshold(const ConfigRecord &config, double value)
{
    if (!config.CalculateThreshold)
        return value;
    if (!(value > config.ScaleMin))
        value = config.ScaleMin;
    if (!(value < config.ScaleMax))
        value = config.ScaleMax;
    return value;
}

}
