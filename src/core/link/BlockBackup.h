#pragma once
// Copies of a block-family gauge's parameter block taken before a download
// overwrites it: one 64-byte file per download in a per-user folder, so that
// a wrong write can be undone.
#include "GaugeProtocol.h"

#include <QString>
#include <array>
#include <cstdint>

namespace block_backup {

using Block = std::array<uint8_t, gauge_protocol::BlockSize>;

// <per-user data folder>/Veltrona/skaleron/backups
QString defaultFolder();

// Writes the block to a new timestamped file in the folder (created when
// needed). Returns the file's path, or an empty text with the reason.
QString save(const Block &block, const QString &folder, QString *error);

// Reads a backup file; it must hold exactly one block.
bool load(const QString &path, Block &block, QString *error);

}
