#include "ConfigRecord.h"

#include <cmath>

ConfigRecord::ConfigRecord()
{
    reset();
}

void ConfigRecord::reset()
{
    DataSource = 0;
    KValue = 0.0;
    WarnThreshold = 0.0;
    WarnMode = 0;
    BuzzerActive = 0;
    DataSource2 = 0;
    MValue = 0.0;
    DisplayMask = 0xFFFF;
    Illumination = 0.0;
    DistanceUnit = 0;
    TemperatureUnit = 0;
    TimeFormat = 0;
    DepthUnit = 0;
    MasterId = -1;
    PictureBitmap = QImage();
    FreqInputs = 1;
}

void ConfigRecord::applyMasterType(const MasterTypeInfo &info)
{
    if (!info.Found) {
        // Neutral values: the catalogue has no row for this key.
        const MasterTypeInfo none;
        GaugeKind = 2;
        HasLcd = 0;
        OrderNumber.clear();
        Description.clear();
        Diameter.clear();
        OuterScaleRange.clear();
        InnerScaleRange.clear();
        SignalInput.clear();
        PictureBitmap = QImage();
        FreqInputs = none.FreqInputs;
        ScaleMin = ScaleMax = WarnThresholdMin = WarnThresholdMax = 0;
        CalculateThreshold = 0;
        KValueMin = KValueMax = 0.0;
        KValueUnit.clear();
        UseMinMax = 0;
        return;
    }
    GaugeKind = info.GaugeKind;
    HasLcd = info.HasLcd;
    OrderNumber = info.OrderNumber;
    Description = info.Description;
    Diameter = info.Diameter;
    OuterScaleRange = info.OuterScaleRange;
    InnerScaleRange = info.InnerScaleRange;
    SignalInput = info.SignalInput;
    PictureBitmap = info.Picture;
    FreqInputs = info.FreqInputs;
    ScaleMin = info.ScaleMin;
    ScaleMax = info.ScaleMax;
    WarnThresholdMin = info.WarnThresholdMin;
    WarnThresholdMax = info.WarnThresholdMax;
    CalculateThreshold = info.CalculateThreshold;
    KValueMin = info.KValueMin;
    KValueMax = info.KValueMax;
    KValueUnit = info.KValueUnit;
    UseMinMax = info.UseMinMax;
}

bool ConfigRecord::isSpeedometer() const { return Description.contains(QLatin1String("Speedometer")); }
bool ConfigRecord::isTachometer() const { return Description.contains(QLatin1String("Tachometer")); }
bool ConfigRecord::isTachometerWithLcd() const { return Description.contains(QLatin1String("Tachometer with LCD")); }
bool ConfigRecord::isSumlog() const { return Description.contains(QLatin1String("Sumlog")); }
bool ConfigRecord::isSynchroniser() const { return Description.contains(QLatin1String("Synchroniser")); }

bool ConfigRecord::isKnownType() const
{
    return isTachometer() || isSpeedometer() || isSumlog() || isSynchroniser();
}

LinkFamily ConfigRecord::family() const
{
    if (isSpeedometer() || isTachometerWithLcd() || isSumlog() || isSynchroniser())
        return LinkFamily::Register;
    return LinkFamily::Block;
}

bool ConfigRecord::isEarlyFirmware() const
{
    return static_cast<signed char>(FirmwareVersion[0]) < 0x42;
}

// A damaged file's NaN is the same NaN when nothing changed it.
static bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool ConfigRecord::sameUserSettings(const ConfigRecord &o) const
{
    return DataSource == o.DataSource && sameNumber(KValue, o.KValue) && sameNumber(WarnThreshold, o.WarnThreshold)
        && WarnMode == o.WarnMode && BuzzerActive == o.BuzzerActive && DataSource2 == o.DataSource2
        && sameNumber(MValue, o.MValue) && DisplayMask == o.DisplayMask && sameNumber(Illumination, o.Illumination)
        && DistanceUnit == o.DistanceUnit && TemperatureUnit == o.TemperatureUnit && TimeFormat == o.TimeFormat
        && DepthUnit == o.DepthUnit && MasterId == o.MasterId;
}

bool ConfigRecord::testDisplayBit(uint32_t mask) const
{
    return (DisplayMask & mask) != 0;
}

void ConfigRecord::setDisplayBit(uint32_t mask, bool on)
{
    if (on)
        DisplayMask |= mask;
    else
        DisplayMask &= ~mask;
}
