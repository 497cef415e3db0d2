// The block-family codec: any record into any parameter block and any block
// into any record. A configuration read from a gauge and written back
// unchanged must give the same block again. That is checked for the master
// types a catalogue plausibly holds and for thresholds at or above the
// block's offset byte (below it the conversion rounds toward zero, as the
// gauges expect); anything else only has to stay defined.
#include "FuzzInput.h"
#include "model/GaugeParamCodec.h"

#include <cstdlib>

using gauge_codec::ParamBlock;

static void fillMasterType(FuzzInput &in, ConfigRecord &cfg)
{
    cfg.CalculateThreshold = in.flag() ? 1 : 0;
    cfg.ScaleMin = in.value<int32_t>();
    cfg.ScaleMax = in.value<int32_t>();
    cfg.WarnThresholdMin = in.value<int32_t>();
    cfg.WarnThresholdMax = in.value<int32_t>();
}

static bool plausible(const ConfigRecord &cfg, const ParamBlock &block)
{
    for (int v : {cfg.ScaleMin, cfg.ScaleMax, cfg.WarnThresholdMin, cfg.WarnThresholdMax}) {
        if (v < -100000 || v > 100000)
            return false;
    }
    using namespace gauge_codec::block_offset;
    return block[Threshold] * 256 + block[Threshold + 1] >= block[ThresholdOffset];
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    ConfigRecord master;
    fillMasterType(in, master);
    ParamBlock gauge{};
    for (uint8_t &b : gauge)
        b = in.byte();

    // Any record written into the gauge's block.
    ConfigRecord edited = master;
    edited.DataSource = in.value<int32_t>();
    edited.KValue = in.value<double>();
    edited.WarnThreshold = in.value<double>();
    edited.WarnMode = in.value<int32_t>();
    ParamBlock written = gauge;
    gauge_codec::recordToBlock(edited, written);

    // Read, write back, read again: the second write changes nothing.
    ConfigRecord read = master;
    if (!gauge_codec::blockToRecord(gauge, read) || !plausible(master, gauge))
        return 0;
    ParamBlock once = gauge;
    if (!gauge_codec::recordToBlock(read, once))
        std::abort();
    ConfigRecord reread = master;
    gauge_codec::blockToRecord(once, reread);
    ParamBlock twice = once;
    gauge_codec::recordToBlock(reread, twice);
    if (twice != once)
        std::abort();
    return 0;
}
