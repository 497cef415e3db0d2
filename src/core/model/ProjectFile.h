#pragma once
// The ".rix" project file: the file version followed by the stored user
// settings, little-endian, without header, gaps or trailer. Versions 100 to
// 103 are read; 103 is written.
#include "ConfigRecord.h"

#include <QByteArray>
#include <QString>

class QDataStream;

namespace project_file {

constexpr int OldestVersion = 100;
constexpr int CurrentVersion = 103;

// Length in bytes of a file of that version (64, 68, 72, 76); 0 for an
// unsupported version.
int fileSize(int version);
bool isSupportedVersion(int version);

// Writes the fourteen stored values in file order (no version).
void store(QDataStream &archive, const ConfigRecord &record);
// Reads the values a file of that version carries; returns 0 without reading
// anything for an unsupported version, 1 otherwise. Values the version does
// not carry keep their current values.
int load(QDataStream &archive, int version, ConfigRecord &record);

// The whole file for the record: version 103 and the fourteen values.
QByteArray serialize(const ConfigRecord &record);

enum class ReadStatus {
    Ok,
    CannotOpen,         // error: the system's reason
    NotRegularFile,     // a named pipe, a device or a folder: never opened
    Truncated,          // shorter than its version needs
    Oversized,          // longer than its version allows: not a project file
    UnsupportedVersion, // a version number below 100 or above 103
    NotProjectFile,     // starts with no version number at all (a text, say)
};

struct ReadResult
{
    ReadStatus status = ReadStatus::CannotOpen;
    int version = 0;
    qint64 size = 0;
    QString error;
};

// Reads a project file into record, which the caller has reset. On any status
// but Ok the record is left as it was.
ReadResult readFile(const QString &path, ConfigRecord &record);

// True when the file reads as a project: no place for any other output
// (a PDF, a trace), which would be a project lost.
bool holdsProject(const QString &path);

// A clear, translated message for a failed read, naming the file (an
// unsupported version gives message 1024 alone).
QString describeFailure(const QString &path, const ReadResult &result);
// The same for a person choosing the file: every case names it, an
// unsupported version with the version found.
QString failureMessage(const QString &name, const ReadResult &result);

// Writes the record as a version 103 file atomically: the previous file stays
// intact unless the new one is complete. Holds the file's ProjectFileLock
// meanwhile. Returns false with a reason.
bool writeFile(const QString &path, const ConfigRecord &record, QString *error);
// The same for a caller that holds the file's lock already (a read-modify-write).
bool writeLockedFile(const QString &path, const ConfigRecord &record, QString *error);

}
