#include "ServerSchema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace server_schema {

using catalogue_schema::ColumnKind;

namespace {

bool suits(ColumnKind kind, const QString &type)
{
    static const QStringList numbers{"smallint", "integer", "bigint", "numeric", "real", "double precision", "boolean"};
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Boolean:
    case ColumnKind::Double: return numbers.contains(type);
    case ColumnKind::Text: return type == QLatin1String("text") || type.startsWith(QLatin1String("character"));
    case ColumnKind::Binary: return type == QLatin1String("bytea");
    }
    return false;
}

}

bool hasTable(const QSqlDatabase &db, const QString &name, QString *engineText)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM information_schema.tables "
                             "WHERE table_schema = current_schema() AND lower(table_name) = lower(?)"));
    q.addBindValue(name);
    if (!q.exec()) {
        *engineText = catalogue_sql::engineText(q.lastError());
        return false;
    }
    return q.next();
}

sqlite_file::SchemaCheck checkTable(const QSqlDatabase &db, const catalogue_schema::Table &table,
                                    sqlite_file::SchemaProblem *problem, catalogue_sql::NameMap *names)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT table_name, column_name, data_type FROM information_schema.columns "
                             "WHERE table_schema = current_schema() AND lower(table_name) = lower(?)"));
    q.addBindValue(QLatin1String(table.name));
    if (!q.exec()) {
        problem->engineText = catalogue_sql::engineText(q.lastError());
        return sqlite_file::SchemaCheck::NotADatabase;
    }
    QHash<QString, QString> declared; // lower-case name -> data type
    while (q.next()) {
        names->insert(q.value(0).toString().toLower(), q.value(0).toString());
        names->insert(q.value(1).toString().toLower(), q.value(1).toString());
        declared.insert(q.value(1).toString().toLower(), q.value(2).toString());
    }
    if (declared.isEmpty())
        return sqlite_file::SchemaCheck::MissingTable;
    for (const catalogue_schema::Column &c : table.columns) {
        const QString name = QLatin1String(c.name);
        const auto it = declared.constFind(name.toLower());
        if (it == declared.constEnd()) {
            problem->column = name;
            return sqlite_file::SchemaCheck::MissingColumn;
        }
        if (!suits(c.kind, it.value())) {
            problem->column = name;
            problem->declaredType = it.value();
            return sqlite_file::SchemaCheck::WrongType;
        }
    }
    return sqlite_file::SchemaCheck::Ok;
}

}
