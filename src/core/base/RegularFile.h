#pragma once
// Projects, backups, catalogues and calibration tables are read from regular
// files only: opening a named pipe or a device would wait for a writer that
// may never come.
#include <QString>

class QByteArray;
class QSaveFile;

namespace regular_file {

// The translated reason the path cannot be read as a document, naming it;
// empty for a regular file, and for a missing one (its open says why).
QString refusal(const QString &path);

// Writes the bytes to an opened save file and puts it in place of the old
// one. False when any of it failed (errorString() says why), the old file
// then as it was: commit() alone misses a flush that failed on a full disk
// and would put an empty file in its place.
bool commitWhole(QSaveFile &file, const QByteArray &bytes);

// True when the disk holding the file has no room left: a failure that
// gives no reason of its own (a lock file, the settings store) is told so.
bool diskFullAt(const QString &path);

}
