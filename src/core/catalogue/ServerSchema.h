#pragma once
// Checks a catalogue table on a PostgreSQL server: present in the
// connection's schema, with the columns the program binds in types that suit
// them. Names match without regard to letter case; the server's spellings
// are handed back for the queries.
#include "CatalogueSql.h"
#include "SqliteFile.h"

namespace server_schema {

sqlite_file::SchemaCheck checkTable(const QSqlDatabase &db, const catalogue_schema::Table &table,
                                    sqlite_file::SchemaProblem *problem, catalogue_sql::NameMap *names);

// True when the connection's schema holds a table of that name (any case).
bool hasTable(const QSqlDatabase &db, const QString &name, QString *engineText);

}
