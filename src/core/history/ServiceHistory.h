#pragma once
// The service history: one entry per gauge command (read, write, verify,
// restore, counter preset) from the desktop program and the command-line
// tool. Kept in the table "ServiceHistory" of a per-user SQLite file, or of
// the shared database that "Directories"/"History" names (a file path or a
// postgresql:// address); the table is created on first use.
#include <QDateTime>
#include <QString>
#include <QVector>

namespace service_history {

struct Entry
{
    QDateTime time; // UTC
    QString user; // the account the program ran as
    // The login name the environment gave, when it was not the account's.
    QString environmentUser;
    QString host;
    QString port;
    QString family;   // "block" or "register"
    QString firmware; // as the gauge reported it; empty when not read
    int masterTypeId = 0;
    QString projectFile;
    QString operation; // "read", "write", "verify", "restore", "preset"
    QString outcome;   // "done", "failed", "cancelled", "refused", "interrupted"
    QString message;
    QString before; // the record before and after, as JSON
    QString after;
};

struct Filter
{
    QDateTime since; // invalid: from the start
    QString port;    // empty: every port
};

// "Directories"/"History", or the per-user file when it names none.
QString location();
QString defaultLocation();

// Appends one entry. False with the reason for the user (naming the
// history) when it cannot be stored.
bool append(const Entry &entry, QString *reason);
// Appends all of them or none.
bool append(const QVector<Entry> &entries, QString *reason);

// The entries of the filter, oldest first. False with the reason.
bool read(const Filter &filter, QVector<Entry> *entries, QString *reason);

}
