#include "AccessCopy.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace access_copy {

// Access names may hold blanks and hyphens; brackets inside a name cannot
// occur in Access, but are removed so the quoting stays intact.
static QString quoted(const QString &name)
{
    QString n = name;
    n.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    return QLatin1Char('[') + n + QLatin1Char(']');
}

bool copyTable(const access_file::Table &table, QSqlDatabase &db, QString *reason)
{
    QStringList defs, names, marks;
    for (const access_file::Column &c : table.columns) {
        defs << quoted(c.name) + QLatin1Char(' ') + QLatin1String(catalogue_schema::sqliteType(c.kind));
        names << quoted(c.name);
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), defs.join(QStringLiteral(", "))))) {
        *reason = query.lastError().text();
        return false;
    }
    if (!db.transaction()) {
        *reason = db.lastError().text();
        return false;
    }
    query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table.name), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (const QVector<QVariant> &row : table.rows) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, row[i]);
        if (!query.exec()) {
            *reason = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *reason = db.lastError().text();
        return false;
    }
    return true;
}

}
