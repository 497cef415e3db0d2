#pragma once
// Turns a gauge command and its outcome into a service history entry and
// stores it. A history that cannot be written never stops a transfer: the
// caller gets the reason once per program run, to tell the user, and an
// empty text every other time.
#include "history/ServiceHistory.h"
#include "link/TransferOutcome.h"
#include "model/ConfigRecord.h"

#include <QString>
#include <QVector>

namespace transfer_history {

struct Transfer
{
    QString operation; // "read", "write", "verify", "restore", "preset"
    QString port;
    LinkFamily family = LinkFamily::Block;
    QString projectFile;
    ConfigRecord before; // the record before and after the command
    ConfigRecord after;
    TransferOutcome outcome;
    // For commands without a record (restore, preset): what was sent.
    QString detail;
    Phrase sent; // the same in words, read in the history's language
    // Stopped by the program's end (a signal) rather than by the user.
    bool interrupted = false;
};

// The record's stored fields and firmware version as one JSON object.
QString recordJson(const ConfigRecord &record);

service_history::Entry entryFor(const Transfer &transfer);

// Appends the entry; the reason the first time storing fails, else empty.
QString record(const Transfer &transfer);
// A batch's transfers, stored together.
QString record(const QVector<Transfer> &transfers);

// Lets the next failure be reported again (tests).
void resetToldOnce();

}
