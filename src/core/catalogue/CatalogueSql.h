#pragma once
// One query text for both engines: the program writes table and column names
// in brackets ("[Bestellnummer] ASC"); SQLite takes them as they are, for
// PostgreSQL they become quoted identifiers spelled as the server's table
// spells them (its names are case-sensitive once quoted, the program's are
// not: the sensor filter says "[ID]" for the column "id").
#include "CatalogueSchema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace catalogue_sql {

enum class Engine { Sqlite, Postgres };

// Lower-case name -> the server's spelling; names not in it keep the
// program's spelling.
using NameMap = QHash<QString, QString>;

// Brackets outside string literals become the engine's quoting.
QString forEngine(const QString &text, Engine engine, const NameMap &names = NameMap());

// The engine's complaint as one line (the server's texts span several).
QString engineText(const QSqlError &error);
// The same, naming the table when the server gave up waiting for it (a lock
// another program holds, a statement over the time limit).
QString engineText(const QSqlError &error, const QString &table);
// SQLite found the file damaged ("malformed", "not a database").
bool isDamage(const QSqlError &error);

// How long a server may take to answer, to grant a lock or to run one
// statement: "Directories"/"ServerTimeout" in seconds, 10 when unset.
int serverTimeoutSeconds();

// The column type a kind is stored as on the engine.
QString columnType(catalogue_schema::ColumnKind kind, Engine engine);

// Creates the table with the bound columns (binary ones last, so that a
// listing never reads through them) and an index on its key. False with the
// engine's reason.
bool createTable(QSqlDatabase &db, Engine engine, const catalogue_schema::Table &table, QString *reason);

// The sensor table's change counter: every change of a record adds one, so
// that a program that loaded it earlier sees that it changed since. Not one
// of the bound columns: tables made elsewhere get it on their first write.
constexpr const char *VersionColumn = "Version";
bool addVersionColumn(QSqlDatabase &db, Engine engine, QString *reason);

// The expression that names one stored row for as long as it is unchanged
// (read back a picture of the current row without caching it).
QString rowKey(Engine engine);

}
