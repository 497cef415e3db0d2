#pragma once
// Reads one table of an Access file in a child process (the helper program
// skaleron-access-reader, see base/InstallLayout.h): a damaged file can make
// the Access library loop for ever, crash or print without end, and none of
// that may reach the program or its user. The child is killed when it runs
// longer than the time limit; what it prints is discarded.
#include "AccessFile.h"

#include <QString>

class QProcess;

namespace access_reader {

constexpr int DefaultTimeLimitMs = 10000;

enum class Status {
    Read,       // table holds the table
    NoTable,    // the file was read and has no such table
    Damaged,    // the file could not be read in time: damaged or not an Access file
    NoReader,   // the reader program could not be started (reason in Result::reason)
};

struct Result
{
    Status status = Status::Damaged;
    access_file::Table table;
    QString reason;
};

// Reads the table (its name matched without regard to letter case).
Result readTable(const QString &path, const QString &tableName);

// The time limit of one read; tests shorten it.
void setTimeLimit(int ms);
int timeLimit();

// How the calling thread waits for the child. Without a waiter the thread
// blocks; the desktop program installs one that keeps its windows alive.
class Waiter
{
public:
    virtual ~Waiter() = default;
    // Returns when the process has finished or limitMs have passed.
    virtual void wait(QProcess &reader, int limitMs, const QString &path) = 0;
};

// Installs the waiter; returns the previous one. The waiter is not owned.
Waiter *setWaiter(Waiter *waiter);

}
