#pragma once
// Copies of a block-family gauge's parameter block taken before a download
// overwrites it: one file per download in a per-user folder, so that a wrong
// write can be undone. A backup starts with a short text header that says
// what it is (gauge family, firmware, time, a checksum of the block); files
// of exactly 64 bytes without it, written before the header existed, are
// still read.
#include "GaugeProtocol.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

namespace block_backup {

using Block = std::array<uint8_t, gauge_protocol::BlockSize>;

// What a backup's header says; identified is false for a file without one.
struct Identity
{
    bool identified = false;
    QString family; // "block"
    std::array<uint8_t, 2> firmware{};
    QDateTime time; // UTC
};

// <per-user data folder>/Veltrona/skaleron/backups
QString defaultFolder();

// Writes the block with its header to a new timestamped file in the folder
// (created when needed). Returns the file's path, or an empty text with the
// reason.
QString save(const Block &block, const QString &folder, QString *error);

// Reads a backup: a header whose checksum, family and firmware agree with
// the block, or a bare 64-byte block. False with the reason otherwise.
bool load(const QString &path, Block &block, QString *error, Identity *identity = nullptr);

}
