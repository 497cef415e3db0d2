// The register-family codec: any record into the fourteen register writes,
// any register values into a record. A configuration read from a gauge and
// written back, then read and written again, writes the same registers.
#include "FuzzInput.h"
#include "model/GaugeParamCodec.h"

#include <cstdlib>

using gauge_codec::RegisterWrite;

// The master types differ in which registers they fill.
static const char *const Descriptions[] = {"Speedometer 0-60 km/h", "Tachometer with LCD 0-4000 rpm",
                                           "Sumlog 0-30 kn", "Synchroniser", "Tachometer 0-4000 rpm"};

static std::vector<uint8_t> valuesOf(const std::vector<RegisterWrite> &writes)
{
    std::vector<uint8_t> v;
    for (const RegisterWrite &w : writes)
        v.push_back(w.value);
    return v;
}

static ConfigRecord decoded(const ConfigRecord &master, const std::vector<RegisterWrite> &writes)
{
    ConfigRecord cfg = master;
    gauge_codec::RegisterDecoder decoder(cfg);
    for (const RegisterWrite &w : writes)
        decoder.feed(w.reg.bank, w.reg.address, w.value);
    return cfg;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    ConfigRecord master;
    master.Description = QString::fromLatin1(Descriptions[in.byte() % std::size(Descriptions)]);

    // Any record into registers.
    ConfigRecord edited = master;
    edited.DataSource = in.value<int32_t>();
    edited.DataSource2 = in.value<int32_t>();
    edited.KValue = in.value<double>();
    edited.MValue = in.value<double>();
    edited.WarnThreshold = in.value<double>();
    edited.WarnMode = in.value<int32_t>();
    edited.DisplayMask = in.value<uint32_t>();
    edited.Illumination = in.value<double>();
    edited.DistanceUnit = in.value<int32_t>();
    edited.TemperatureUnit = in.value<int32_t>();
    edited.TimeFormat = in.value<int32_t>();
    edited.DepthUnit = in.value<int32_t>();
    edited.BuzzerActive = in.value<int32_t>();
    gauge_codec::recordToRegisterWrites(edited);

    // Whatever the gauge answers, in any order and with unknown registers.
    ConfigRecord read = master;
    gauge_codec::RegisterDecoder decoder(read);
    while (!in.atEnd()) {
        const uint8_t bank = in.byte();
        const uint8_t address = in.byte();
        decoder.feed(bank, address, in.byte());
    }
    const std::vector<RegisterWrite> once = gauge_codec::recordToRegisterWrites(read);
    const std::vector<RegisterWrite> twice = gauge_codec::recordToRegisterWrites(decoded(master, once));
    if (valuesOf(twice) != valuesOf(once))
        std::abort();
    return 0;
}
