#pragma once
// Checks on SQLite catalogue files: the file header, and whether a table
// holds the columns the program binds, with types that suit them.
#include "CatalogueSchema.h"

#include <QSqlDatabase>
#include <QString>

namespace sqlite_file {

// True when the file starts with the SQLite format 3 header.
bool hasSqliteHeader(const QString &path);

enum class SchemaCheck { Ok, NotADatabase, MissingTable, MissingColumn, WrongType };

struct SchemaProblem
{
    QString column;       // the missing or mistyped column
    QString declaredType; // its declared type (WrongType)
    QString engineText;   // the engine's error (NotADatabase)
};

// Table and column names match without regard to letter case, in any order.
// A declared type is wrong when it cannot hold the bound kind: a number
// column declared as text or blob, a text column declared as blob, a picture
// column declared as anything but blob or nothing.
SchemaCheck checkTable(const QSqlDatabase &db, const catalogue_schema::Table &table, SchemaProblem *problem);

// Creates the table with the bound columns (binary ones last) and an index
// on its key. False with the engine's reason on failure.
bool createTable(QSqlDatabase &db, const catalogue_schema::Table &table, QString *reason);

// Makes a new catalogue file holding the empty table, with its folder. The
// file appears whole or not at all; one that exists meanwhile is kept.
bool createCatalogueFile(const QString &path, const catalogue_schema::Table &table, QString *reason);

}
