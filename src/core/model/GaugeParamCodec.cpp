#include "GaugeParamCodec.h"

#include "base/Language.h"

#include <algorithm>
#include <cmath>

namespace gauge_codec {

namespace {

// Truncation toward zero, held within low..high; NaN gives low. No double
// out of a 64-bit integer's range ever reaches the conversion.
long long truncatedWithin(double value, long long low, long long high)
{
    if (!(value > double(low)))
        return low;
    if (!(value < double(high)))
        return high;
    return static_cast<long long>(value);
}

// Far beyond any 16- or 24-bit value, yet nowhere near overflowing.
constexpr long long Saturation = 1LL << 40;

uint8_t byteOf(long long value, int shift) { return static_cast<uint8_t>((value >> shift) & 0xFF); }

bool tenths(const ParamBlock &block) { return block[block_offset::FirmwareHigh] >= TenthsFirmware; }

}

double thresholdFactor(const ConfigRecord &cfg)
{
    // Differences of two 32-bit integers are exact in a double and cannot
    // overflow there.
    const double warnSpan = double(cfg.WarnThresholdMax) - double(cfg.WarnThresholdMin);
    const double scaleSpan = double(cfg.ScaleMax) - double(cfg.ScaleMin);
    return warnSpan / scaleSpan;
}

long long blockThresholdValue(const ConfigRecord &cfg, const ParamBlock &block)
{
    // The nearest whole number, halves up: below zero (a threshold under the
    // gauge's offset) a cut toward zero would make -2 into -1.
    const double raw = cfg.CalculateThreshold ? (cfg.WarnThreshold - cfg.ScaleMin) * thresholdFactor(cfg)
                                              : cfg.WarnThreshold;
    return truncatedWithin(std::floor(raw + 0.5), -Saturation, Saturation) + block[block_offset::ThresholdOffset];
}

bool thresholdConvertible(const ConfigRecord &cfg)
{
    if (!cfg.CalculateThreshold)
        return true;
    return cfg.ScaleMax != cfg.ScaleMin && cfg.WarnThresholdMax != cfg.WarnThresholdMin;
}

QString thresholdRefusalText(const ConfigRecord &cfg)
{
    const QString name = cfg.Description.isEmpty() ? cfg.OrderNumber : cfg.Description;
    return loadTranslatedString(5004)
        .arg(name)
        .arg(cfg.ScaleMin)
        .arg(cfg.ScaleMax)
        .arg(cfg.WarnThresholdMin)
        .arg(cfg.WarnThresholdMax);
}

bool blockToRecord(const ParamBlock &block, ConfigRecord &cfg)
{
    cfg.FirmwareVersion = firmwareOf(block);

    const int k = block[block_offset::PulseFactor] * 256 + block[block_offset::PulseFactor + 1];
    cfg.KValue = tenths(block) ? k / 10.0 : static_cast<double>(k);

    const int raw = block[block_offset::Threshold] * 256 + block[block_offset::Threshold + 1]
                    - block[block_offset::ThresholdOffset];
    const bool convertible = thresholdConvertible(cfg);
    if (!cfg.CalculateThreshold)
        cfg.WarnThreshold = raw;
    else if (convertible)
        cfg.WarnThreshold = raw / thresholdFactor(cfg) + cfg.ScaleMin;

    cfg.WarnMode = block[block_offset::WarnDirection] != 0 ? 1 : 0;
    return convertible;
}

bool recordToBlock(const ConfigRecord &cfg, ParamBlock &block)
{
    if (!thresholdConvertible(cfg))
        return false;

    if (cfg.DataSource != 1) {
        const long long k = truncatedWithin(tenths(block) ? cfg.KValue * 10 : cfg.KValue, 0, 0xFFFF);
        block[block_offset::PulseFactor] = byteOf(k, 8);
        block[block_offset::PulseFactor + 1] = byteOf(k, 0);
    }

    const long long raw = std::clamp(blockThresholdValue(cfg, block), 0LL, 0xFFFFLL);
    block[block_offset::Threshold] = byteOf(raw, 8);
    block[block_offset::Threshold + 1] = byteOf(raw, 0);

    block[block_offset::WarnDirection] = cfg.WarnMode == 1 ? 1 : 0;
    block[block_offset::DownloadMark] = 1;
    return true;
}

const std::array<RegisterAddress, 14> &registerOrder()
{
    static const std::array<RegisterAddress, 14> order = {{
        {3, 26}, {3, 28}, {3, 37}, {3, 38}, {4, 0}, {4, 5}, {4, 8},
        {4, 9}, {3, 5}, {4, 10}, {4, 11}, {4, 12}, {4, 13}, {4, 14},
    }};
    return order;
}

// Positions in registerOrder().
namespace reg {
enum : int {
    Source2, SourceAndType, MaskHigh, MaskLow, Units, Illumination, ThresholdHigh,
    ThresholdLow, Buzzer, PulseHigh, PulseMid, PulseLow, MValueHigh, MValueLow
};
}

std::vector<RegisterWrite> recordToRegisterWrites(const ConfigRecord &cfg)
{
    uint8_t source2 = 0x00;
    switch (cfg.DataSource2) {
    case 0: source2 = 0x01; break;
    case 1: source2 = 0x02; break;
    case 2: source2 = 0x30; break;
    default: break;
    }
    if (cfg.isSynchroniser())
        source2 = 0x21;

    uint8_t sourceAndType = 0;
    if (cfg.isSpeedometer() || cfg.isSumlog())
        sourceAndType |= cfg.DataSource == 0 ? 0x01 : 0x10;
    if (cfg.isTachometerWithLcd())
        sourceAndType |= 0x02;
    if (cfg.isSynchroniser())
        sourceAndType |= 0x03;

    const uint8_t units = static_cast<uint8_t>(std::clamp(cfg.DistanceUnit, 0, 2) + std::clamp(cfg.TemperatureUnit, 0, 1) * 4
                                               + std::clamp(cfg.TimeFormat, 0, 1) * 8 + std::clamp(cfg.DepthUnit, 0, 1) * 16);
    const long long threshold = truncatedWithin(cfg.WarnThreshold, 0, 0x7FFF);
    const uint8_t thresholdHigh = static_cast<uint8_t>(((threshold >> 8) & 0x7F) | (cfg.WarnMode == 1 ? 0x80 : 0));
    const long long k = truncatedWithin(cfg.KValue, 0, 0xFFFFFF);
    const long long m = truncatedWithin(cfg.MValue * 10, 0, 0xFFFF);

    const auto &order = registerOrder();
    const uint8_t values[14] = {
        source2,
        sourceAndType,
        byteOf(cfg.DisplayMask, 8),
        byteOf(cfg.DisplayMask, 0),
        units,
        static_cast<uint8_t>(truncatedWithin(cfg.Illumination / 10, 0, 10)),
        thresholdHigh,
        byteOf(threshold, 0),
        static_cast<uint8_t>(cfg.BuzzerActive == 1 ? 0x49 : 0x09),
        byteOf(k, 16),
        byteOf(k, 8),
        byteOf(k, 0),
        byteOf(m, 8),
        byteOf(m, 0),
    };
    std::vector<RegisterWrite> writes;
    writes.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        writes.push_back({order[i], values[i], int(i) == reg::Buzzer});
    return writes;
}

void RegisterDecoder::feed(uint8_t bank, uint8_t address, uint8_t value)
{
    const auto &order = registerOrder();
    int index = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == RegisterAddress{bank, address})
            index = int(i);
    }
    if (index < 0)
        return;
    m_values[index] = value;
    m_seen |= 1u << index;
    const auto &v = m_values;

    switch (index) {
    case reg::Source2:
        // Later matches override earlier ones.
        if (value & 0x01) m_cfg.DataSource2 = 0;
        if (value & 0x02) m_cfg.DataSource2 = 1;
        if (value & 0x10) m_cfg.DataSource2 = 2;
        if (value & 0x20) m_cfg.DataSource2 = 2;
        break;
    case reg::SourceAndType:
        if (value & 0x01) m_cfg.DataSource = 0;
        if (value & 0x02) m_cfg.DataSource = 0;
        if (value & 0x10) m_cfg.DataSource = 1;
        break;
    case reg::MaskHigh:
    case reg::MaskLow:
        if (have(reg::MaskHigh) && have(reg::MaskLow))
            m_cfg.DisplayMask = v[reg::MaskLow] + v[reg::MaskHigh] * 256u;
        break;
    case reg::Units:
        m_cfg.DistanceUnit = value & 3;
        m_cfg.TemperatureUnit = (value >> 2) & 1;
        m_cfg.TimeFormat = (value >> 3) & 1;
        m_cfg.DepthUnit = (value >> 4) & 1;
        break;
    case reg::Illumination:
        m_cfg.Illumination = value * 10.0;
        break;
    case reg::ThresholdHigh:
    case reg::ThresholdLow:
        if (have(reg::ThresholdHigh) && have(reg::ThresholdLow)) {
            const int w = v[reg::ThresholdLow] + v[reg::ThresholdHigh] * 256;
            m_cfg.WarnThreshold = w & 0x7FFF;
            m_cfg.WarnMode = (w & 0x8000) ? 1 : 0;
        }
        break;
    case reg::Buzzer:
        // Bit 0x40 alone: "off" is written as 0x09, and a read taking 0x08
        // for on turned the buzzer on at the next write of the project.
        m_cfg.BuzzerActive = (value & 0x40) ? 1 : 0;
        break;
    case reg::PulseHigh:
    case reg::PulseMid:
    case reg::PulseLow:
        if (have(reg::PulseHigh) && have(reg::PulseMid) && have(reg::PulseLow))
            m_cfg.KValue = v[reg::PulseLow] + v[reg::PulseMid] * 256.0 + v[reg::PulseHigh] * 65536.0;
        break;
    case reg::MValueHigh:
    case reg::MValueLow:
        if (have(reg::MValueHigh) && have(reg::MValueLow))
            m_cfg.MValue = (v[reg::MValueLow] + v[reg::MValueHigh] * 256) / 10.0;
        break;
    default:
        break;
    }
}

}
