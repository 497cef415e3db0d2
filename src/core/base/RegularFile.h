#pragma once
// Projects, backups, catalogues and calibration tables are read from regular
// files only: opening a named pipe or a device would wait for a writer that
// may never come.
#include <QString>

namespace regular_file {

// The translated reason the path cannot be read as a document, naming it;
// empty for a regular file, and for a missing one (its open says why).
QString refusal(const QString &path);

}
