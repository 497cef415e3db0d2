#include "HistoryNote.h"

#include <cstdio>

namespace cli {

void recordHistory(const transfer_history::Transfer &transfer)
{
    QString line = transfer_history::record(transfer);
    if (line.isEmpty())
        return;
    line.replace('\n', ' ');
    std::fprintf(stderr, "skaleron-cli: warning: %s\n", line.toLocal8Bit().constData());
}

}
