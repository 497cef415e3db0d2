#include "HistoryNote.h"

#include <cstdio>

namespace cli {

void recordHistory(const transfer_history::Transfer &transfer)
{
    recordHistory(QVector<transfer_history::Transfer>{transfer});
}

void recordHistory(const QVector<transfer_history::Transfer> &transfers)
{
    QString line = transfer_history::record(transfers);
    if (line.isEmpty())
        return;
    line.replace('\n', ' ');
    std::fprintf(stderr, "skaleron-cli: warning: %s\n", line.toLocal8Bit().constData());
}

}
