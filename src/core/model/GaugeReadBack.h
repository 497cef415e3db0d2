#pragma once
// Whether a gauge holds what was written to it: the values read back are
// compared with the values sent, as the gauge holds them (encoded), so a
// pulse factor of 1234.5 that the gauge keeps as 1234 is no mismatch. Only
// the fields the gauge holds count: the pulse factor, threshold and warning
// direction of a parameter block, every register of a register gauge. Pure
// functions; no I/O.
#include "GaugeParamCodec.h"

#include <QString>
#include <QVector>
#include <array>

namespace gauge_readback {

// One field the gauge holds otherwise than it was written, with both values
// as the record would read them back (the raw bytes where that reading hides
// the difference).
struct HeldMismatch
{
    QString field; // stored name: "KValue", "WarnThreshold", ...
    QString written;
    QString held;
};

// The record's bytes (pulse factor, threshold, warning direction) of the
// block written against the block the gauge reports.
QVector<HeldMismatch> compareBlocks(const ConfigRecord &cfg, const gauge_codec::ParamBlock &written,
                                    const gauge_codec::ParamBlock &held);

// The fourteen register values in transfer order (gauge_codec::registerOrder).
using RegisterValues = std::array<uint8_t, 14>;
RegisterValues registerValuesOf(const std::vector<gauge_codec::RegisterWrite> &writes);
QVector<HeldMismatch> compareRegisters(const ConfigRecord &cfg, const RegisterValues &written,
                                       const RegisterValues &held);

// "KValue (written 1234, the gauge holds 1200), WarnMode (...)".
// itemId: the text of one field, "%1 (written %2, the gauge holds %3)" or
// the same with the project's value for a check without a write.
QString mismatchList(const QVector<HeldMismatch> &mismatches, int itemId = 5741);

}
