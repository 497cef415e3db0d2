#pragma once
// The whole configuration of one master gauge: the user's settings (stored in
// the project file and exchanged with the gauge), the chosen master type's key
// and a copy of that master type's properties from the catalogue.
#include "MasterTypeInfo.h"

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

// Items the gauge's LCD may show (bits of DisplayMask).
namespace display_bits {
constexpr uint32_t EngineHours = 0x0001;
constexpr uint32_t TripHours = 0x0002;
constexpr uint32_t Clock = 0x0004;
constexpr uint32_t WaterTemperature = 0x0008;
constexpr uint32_t Volt = 0x0010;
constexpr uint32_t OdoTotal = 0x0020;
constexpr uint32_t TripDistance = 0x0040;
constexpr uint32_t Depth = 0x0800;
}

enum class LinkFamily { Block, Register };

class ConfigRecord
{
public:
    ConfigRecord();
    virtual ~ConfigRecord() = default;
    ConfigRecord(const ConfigRecord &) = default;
    ConfigRecord &operator=(const ConfigRecord &) = default;

    // User settings to their defaults, picture cleared, FreqInputs 1. Leaves
    // FirmwareVersion and the other master type properties alone.
    void reset();
    // Copies the master type properties of a lookup result; a result that was
    // not found gives empty texts, no picture and neutral numbers.
    void applyMasterType(const MasterTypeInfo &info);

    bool isSpeedometer() const;
    bool isTachometer() const;
    bool isTachometerWithLcd() const;
    bool isSumlog() const;
    bool isSynchroniser() const;
    bool isKnownType() const;
    LinkFamily family() const;
    // First firmware byte, as a signed character, below 'B'.
    bool isEarlyFirmware() const;

    // True when both records hold the same user settings and master type key
    // (what the project file stores and the gauge exchanges).
    bool sameUserSettings(const ConfigRecord &other) const;

    bool testDisplayBit(uint32_t mask) const;
    void setDisplayBit(uint32_t mask, bool on);

    // Gauge-reported bytes 4 and 5 of the last parameter block read.
    std::array<uint8_t, 2> FirmwareVersion = {0, 0};

    // User settings.
    int DataSource = 0;
    double KValue = 0.0;
    double WarnThreshold = 0.0;
    int WarnMode = 0;
    int BuzzerActive = 0;
    int DataSource2 = 0;
    double MValue = 0.0;
    uint32_t DisplayMask = 0xFFFF;
    double Illumination = 0.0;
    int DistanceUnit = 0;
    int TemperatureUnit = 0;
    int TimeFormat = 0;
    int DepthUnit = 0;
    int MasterId = -1;

    // Master type properties (from the catalogue, never edited, not stored).
    int GaugeKind = 0;
    int HasLcd = 0;
    QString OrderNumber;
    QString Description;
    QString Diameter;
    QString OuterScaleRange;
    QString InnerScaleRange;
    QString SignalInput;
    QImage PictureBitmap;
    int FreqInputs = 1;
    int ScaleMin = 0;
    int ScaleMax = 0;
    int WarnThresholdMin = 0;
    int WarnThresholdMax = 0;
    int CalculateThreshold = 0;
    double KValueMin = 0.0;
    double KValueMax = 0.0;
    QString KValueUnit;
    int UseMinMax = 0;
};
