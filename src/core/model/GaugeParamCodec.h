#pragma once
// How the user settings of a ConfigRecord map onto a gauge's memory, in both
// directions: the 64-byte parameter block of the block family and the
// byte-wide bank/address registers of the register family. Pure functions of
// the record and the gauge data; no I/O.
#include "ConfigRecord.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace gauge_codec {

constexpr int BlockSize = 64;
using ParamBlock = std::array<uint8_t, BlockSize>;

// Offsets within the parameter block.
namespace block_offset {
constexpr int FirmwareHigh = 4;
constexpr int FirmwareLow = 5;
constexpr int ThresholdOffset = 43;
constexpr int PulseFactor = 44; // 2 bytes, big-endian
constexpr int Threshold = 46;   // 2 bytes, big-endian
constexpr int WarnDirection = 48;
constexpr int DownloadMark = 63;
}
// From this firmware byte on the gauge holds the pulse factor in tenths.
constexpr uint8_t TenthsFirmware = 66;
// The firmware bytes (4 and 5) of a block.
inline std::array<uint8_t, 2> firmwareOf(const ParamBlock &block)
{
    return {block[block_offset::FirmwareHigh], block[block_offset::FirmwareLow]};
}

// The block-family threshold conversion needs distinct scale limits and
// distinct warning limits when the master type asks for it; otherwise the
// threshold cannot be converted and the transfer refuses it.
bool thresholdConvertible(const ConfigRecord &cfg);
// The user message for a master type whose threshold cannot be converted.
QString thresholdRefusalText(const ConfigRecord &cfg);

// Raw threshold units per scale unit of a master type that converts the
// threshold (ScaleMin..ScaleMax onto WarnThresholdMin..WarnThresholdMax).
double thresholdFactor(const ConfigRecord &cfg);

// The threshold as the block would carry it, the offset byte O added, before
// it is held within its 16 bits: what tells whether it fits. Values far out
// of any range saturate, so this is defined for every record.
long long blockThresholdValue(const ConfigRecord &cfg, const ParamBlock &block);

// Block to record: FirmwareVersion, KValue, WarnThreshold, WarnMode. Returns
// false when the threshold cannot be converted; the threshold then stays as
// it was and the other fields are still taken from the block.
bool blockToRecord(const ParamBlock &block, ConfigRecord &cfg);

// Record to block, changing only the bytes the record owns (read-modify-write
// of the block read from the gauge). Returns false, leaving the block
// untouched, when the threshold cannot be converted. A number its bytes
// cannot hold is held at the nearest end of their range (the record check
// refuses such records before they get here).
bool recordToBlock(const ConfigRecord &cfg, ParamBlock &block);

struct RegisterAddress
{
    uint8_t bank;
    uint8_t address;
    bool operator==(const RegisterAddress &o) const { return bank == o.bank && address == o.address; }
};

// The fourteen registers in transfer order (reads and writes alike).
const std::array<RegisterAddress, 14> &registerOrder();

struct RegisterWrite
{
    RegisterAddress reg;
    uint8_t value;
    // The register is read before it is written (the value read is not used).
    bool readFirst;
};

// The fourteen register writes, in transfer order, with their values. A
// number out of its register's range, or a list index out of its list, is
// held at the nearest end, as for the block.
std::vector<RegisterWrite> recordToRegisterWrites(const ConfigRecord &cfg);

// Turns register values into record fields as they arrive: each field is set
// as soon as every register it needs has been fed since construction.
class RegisterDecoder
{
public:
    explicit RegisterDecoder(ConfigRecord &cfg) : m_cfg(cfg) {}
    void feed(uint8_t bank, uint8_t address, uint8_t value);

private:
    bool have(int index) const { return m_seen & (1u << index); }

    ConfigRecord &m_cfg;
    std::array<uint8_t, 14> m_values = {};
    uint32_t m_seen = 0;
};

}
