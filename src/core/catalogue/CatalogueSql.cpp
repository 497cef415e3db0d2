#include "CatalogueSql.h"

#include "base/Language.h"
#include "base/SettingsStore.h"

#include <QSqlQuery>
#include <QStringList>

namespace catalogue_sql {

QString forEngine(const QString &text, Engine engine, const NameMap &names)
{
    if (engine == Engine::Sqlite)
        return text;
    QString out;
    out.reserve(text.size() + 16);
    bool inLiteral = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'')) {
            inLiteral = !inLiteral; // a doubled quote toggles twice
        } else if (!inLiteral && c == QLatin1Char('[')) {
            const int end = text.indexOf(QLatin1Char(']'), i + 1);
            if (end > i) {
                const QString name = text.mid(i + 1, end - i - 1);
                QString spelled = names.value(name.toLower(), name);
                spelled.replace(QLatin1Char('"'), QLatin1String("\"\""));
                out += QLatin1Char('"') + spelled + QLatin1Char('"');
                i = end;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString engineText(const QSqlError &error)
{
    return error.text().simplified();
}

QString engineText(const QSqlError &error, const QString &table)
{
    // lock_not_available, query_canceled: the two time limits every
    // connection sets.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("55P03") || code == QLatin1String("57014"))
        return loadTranslatedString(5960).arg(table).arg(serverTimeoutSeconds());
    return engineText(error);
}

bool isDamage(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    // SQLITE_CORRUPT, SQLITE_NOTADB
    return number && (code == 11 || code == 26);
}

int serverTimeoutSeconds()
{
    return qBound(1, settings_store::readInt(QStringLiteral("Directories"), QStringLiteral("ServerTimeout"), 10), 3600);
}

QString columnType(catalogue_schema::ColumnKind kind, Engine engine)
{
    if (engine == Engine::Sqlite)
        return QLatin1String(catalogue_schema::sqliteType(kind));
    switch (kind) {
    // Booleans keep the stored numbers (Access stores -1 for true).
    case catalogue_schema::ColumnKind::Integer:
    case catalogue_schema::ColumnKind::Boolean: return QStringLiteral("integer");
    case catalogue_schema::ColumnKind::Double: return QStringLiteral("double precision");
    case catalogue_schema::ColumnKind::Text: return QStringLiteral("text");
    case catalogue_schema::ColumnKind::Binary: return QStringLiteral("bytea");
    }
    return QString();
}

bool createTable(QSqlDatabase &db, Engine engine, const catalogue_schema::Table &table, QString *reason)
{
    QStringList defs, binaries;
    for (const auto &c : table.columns) {
        const QString def = QStringLiteral("[%1] %2").arg(QLatin1String(c.name), columnType(c.kind, engine));
        (c.kind == catalogue_schema::ColumnKind::Binary ? binaries : defs) << def;
    }
    defs += binaries;
    const QString name = QLatin1String(table.name);
    const QString key = QLatin1String(table.columns.first().name);
    QSqlQuery q(db);
    if (!q.exec(forEngine(QStringLiteral("CREATE TABLE [%1] (%2)").arg(name, defs.join(QStringLiteral(", "))), engine))
        || !q.exec(forEngine(QStringLiteral("CREATE INDEX [%1_%2] ON [%1] ([%2])").arg(name, key), engine))) {
        *reason = engineText(q.lastError());
        return false;
    }
    return true;
}

bool addVersionColumn(QSqlDatabase &db, Engine engine, QString *reason)
{
    QSqlQuery q(db);
    const QString text = QStringLiteral("ALTER TABLE [%1] ADD COLUMN [%2] integer NOT NULL DEFAULT 0")
                             .arg(QLatin1String(catalogue_schema::sensorTable().name), QLatin1String(VersionColumn));
    if (q.exec(forEngine(text, engine)))
        return true;
    *reason = engineText(q.lastError());
    return false;
}

QString rowKey(Engine engine)
{
    return engine == Engine::Sqlite ? QStringLiteral("rowid") : QStringLiteral("ctid");
}

}
