#include "SqliteFile.h"

#include "CatalogueSql.h"

#include "base/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace sqlite_file {

using catalogue_schema::ColumnKind;

bool hasSqliteHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray magic("SQLite format 3\0", 16);
    return file.read(16) == magic;
}

enum class Affinity { Integer, Text, Blob, Real, Numeric };

// SQLite's rules for the affinity of a declared column type.
static Affinity affinityOf(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("INT")))
        return Affinity::Integer;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) || t.contains(QLatin1String("TEXT")))
        return Affinity::Text;
    if (t.isEmpty() || t.contains(QLatin1String("BLOB")))
        return Affinity::Blob;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) || t.contains(QLatin1String("DOUB")))
        return Affinity::Real;
    return Affinity::Numeric;
}

static bool suits(ColumnKind kind, const QString &declared)
{
    const Affinity a = affinityOf(declared);
    const bool explicitBlob = declared.toUpper().contains(QLatin1String("BLOB"));
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Boolean:
    case ColumnKind::Double: return a != Affinity::Text && !explicitBlob;
    case ColumnKind::Text: return !explicitBlob;
    case ColumnKind::Binary: return a == Affinity::Blob;
    }
    return false;
}

SchemaCheck checkTable(const QSqlDatabase &db, const catalogue_schema::Table &table, SchemaProblem *problem)
{
    QSqlQuery query(db);
    // The table name is one of the program's own constants.
    if (!query.exec(QStringLiteral("PRAGMA table_info([%1])").arg(QLatin1String(table.name)))) {
        problem->engineText = query.lastError().text();
        return SchemaCheck::NotADatabase;
    }
    QHash<QString, QString> declared; // lower-case name -> declared type
    while (query.next())
        declared.insert(query.value(1).toString().toLower(), query.value(2).toString());
    if (query.lastError().isValid()) {
        problem->engineText = query.lastError().text();
        return SchemaCheck::NotADatabase;
    }
    if (declared.isEmpty())
        return SchemaCheck::MissingTable;
    for (const catalogue_schema::Column &c : table.columns) {
        const QString name = QLatin1String(c.name);
        const auto it = declared.constFind(name.toLower());
        if (it == declared.constEnd()) {
            problem->column = name;
            return SchemaCheck::MissingColumn;
        }
        if (!suits(c.kind, it.value())) {
            problem->column = name;
            problem->declaredType = it.value();
            return SchemaCheck::WrongType;
        }
    }
    return SchemaCheck::Ok;
}

bool createTable(QSqlDatabase &db, const catalogue_schema::Table &table, QString *reason)
{
    return catalogue_sql::createTable(db, catalogue_sql::Engine::Sqlite, table, reason);
}

bool createCatalogueFile(const QString &path, const catalogue_schema::Table &table, QString *reason)
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        *reason = loadTranslatedString(5652).arg(QDir::toNativeSeparators(target.absolutePath()));
        return false;
    }
    const QString partial = path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    const QString name = QStringLiteral("skaleron-new-catalogue");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partial);
        ok = db.open() && createTable(db, table, reason);
        if (!ok && reason->isEmpty())
            reason->append(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    // Another program may have made the file meanwhile: its content stays.
    if (ok && !QFile::rename(partial, path) && !QFile::exists(path)) {
        *reason = loadTranslatedString(5653);
        ok = false;
    }
    QFile::remove(partial);
    return ok;
}

}
