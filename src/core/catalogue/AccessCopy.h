#pragma once
// Copies a table read from an Access file into a SQLite database, keeping its
// column names, with SQLite types that fit the values.
#include "AccessFile.h"

#include <QSqlDatabase>

namespace access_copy {

// Creates the table (it must not exist yet) and inserts every row in one
// transaction. Returns false with the engine's reason on failure.
bool copyTable(const access_file::Table &table, QSqlDatabase &db, QString *reason);

}
