#pragma once
// The gauge commands as complete sequences: read and write the configuration
// (both link families), write a saved block back, preset a counter, and the
// link self-test. Each opens its own link, reports every transaction to the
// observer, stops at the first failure (or when the observer asks, between
// transactions) and closes the link. They block the calling thread and may
// run on any thread; links on different devices (LinkOptions::device) run
// side by side. They never show a message.
#include "BlockBackup.h"
#include "LineSettings.h"
#include "ByteStream.h"
#include "SequenceObserver.h"
#include "TransferOutcome.h"
#include "model/GaugeParamCodec.h"

#include <cstdint>
#include <optional>

struct LinkOptions
{
    ReadTimeouts timeouts;  // the link's standard time-outs unless tests shorten them
    int pauseMs = 500;      // pause after each counter memory write
    QString backupFolder;   // empty: block_backup::defaultFolder()
    // The link family when the caller knows it better than the record's
    // master type (the command-line tool's --family).
    std::optional<LinkFamily> family;
    // The device to open; empty: the configured port.
    QString device;
    // Starts the link's trace lines with "[tag] " (links on several ports at
    // once); empty: the plain trace format.
    QString traceTag;
    // writeToGauge reads the gauge back afterwards and fails when it holds
    // other values than were written.
    bool verify = false;
    // restoreBlockToGauge writes a block whose firmware bytes are not the
    // gauge's own.
    bool force = false;
    // The line to open; unset: the stored settings, read as the port opens.
    // A batch reads them once for all its ports.
    std::optional<LineSettings> line;
};

// Line speeds of the two families.
constexpr int BlockFamilyBaud = 19200;
constexpr int RegisterFamilyBaud = 4800;

// Reads the gauge into cfg (the family comes from cfg's master type unless
// the options name it). On a
// failure part-way the fields decoded so far stay changed.
TransferOutcome readFromGauge(ConfigRecord &cfg, SequenceObserver *observer = nullptr,
                              const LinkOptions &options = LinkOptions());

// Writes cfg to the gauge. A block-family gauge's block is saved to a backup
// file before it is overwritten.
TransferOutcome writeToGauge(const ConfigRecord &cfg, SequenceObserver *observer = nullptr,
                             const LinkOptions &options = LinkOptions());

// Reads the gauge and compares what it holds with what writing cfg would
// send, as the gauge holds it; changes nothing on the gauge. Fails naming
// the fields that differ (TransferOutcome::mismatches).
TransferOutcome verifyGauge(const ConfigRecord &cfg, SequenceObserver *observer = nullptr,
                            const LinkOptions &options = LinkOptions());

// Writes a saved block back to a block-family gauge unchanged (the block the
// gauge holds is backed up first, as for any download). Refused, with nothing
// written, when the block decoded fails the record check, or when its
// firmware bytes are not the gauge's own unless the options force it. A
// backup named is named in the message of a restore that went well.
TransferOutcome restoreBlockToGauge(const gauge_codec::ParamBlock &block, SequenceObserver *observer = nullptr,
                                    const LinkOptions &options = LinkOptions(),
                                    const QString &backupName = QString());

// Presets a counter: the counter image of value in cells 16-bit cells from
// startAddress (0 and 32 for the distance counter, 66 and 16 for the hour
// counter in tenths), then the stamp registers.
TransferOutcome presetCounter(int startAddress, int cells, uint32_t value, uint16_t stamp = 0,
                              SequenceObserver *observer = nullptr, const LinkOptions &options = LinkOptions());

struct SelfTestReport
{
    bool opened = false;
    QString openDetail; // why not: the device, the system's reason and where the trace is
    QStringList steps; // "name: 1" or "name: 0", in order
    int failedSteps = 0; // steps that got no valid answer
};

// Runs every self-test transaction whatever the earlier ones returned, at the
// stored line speed. The traffic trace is the record of the outcome.
SelfTestReport runLinkSelfTest(SequenceObserver *observer = nullptr, const LinkOptions &options = LinkOptions());
