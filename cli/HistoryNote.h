#pragma once
// Stores a gauge command in the service history; when the history cannot be
// written, says so once on stderr and lets the command go on.
#include "history/TransferHistory.h"

namespace cli {

void recordHistory(const transfer_history::Transfer &transfer);
void recordHistory(const QVector<transfer_history::Transfer> &transfers);

}
