#include "PgServer.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace pg_server {

namespace {

QString folder()
{
    return qEnvironmentVariable("SKALERON_PG_DIR");
}

// Runs fn on a superuser connection to the database.
template <typename Fn>
bool withConnection(const QString &database, Fn fn)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("pg-test-%1").arg(counter.fetchAndAddRelaxed(1));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(folder());
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("options='-c client_min_messages=warning'"));
        if (db.open())
            ok = fn(db);
        else
            qWarning("test server: %s", qPrintable(db.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool run(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    qWarning("test server: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

QString serverType(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t == QLatin1String("INTEGER"))
        return QStringLiteral("integer");
    if (t == QLatin1String("REAL"))
        return QStringLiteral("double precision");
    if (t == QLatin1String("BLOB"))
        return QStringLiteral("bytea");
    return t.isEmpty() ? QStringLiteral("text") : declared;
}

}

QString unavailableReason()
{
    if (folder().isEmpty())
        return QStringLiteral("SKALERON_PG_DIR is not set (run the tests through ctest)");
    if (QFile::exists(folder() + QStringLiteral("/ready")))
        return QString();
    QFile skip(folder() + QStringLiteral("/skip"));
    if (skip.open(QIODevice::ReadOnly))
        return QString::fromUtf8(skip.readAll()).trimmed();
    return QStringLiteral("it was not started in %1 (run the tests through ctest)").arg(folder());
}

QString url(const QString &database, const QString &user)
{
    const QString host = QString::fromLatin1(QUrl::toPercentEncoding(folder()));
    return QStringLiteral("postgresql://%1%2/%3").arg(user.isEmpty() ? QString() : user + QLatin1Char('@'), host, database);
}

QString createDatabase(const QString &database)
{
    exec(QStringLiteral("postgres"), {QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(database),
                                      QStringLiteral("CREATE DATABASE \"%1\"").arg(database)});
    return url(database);
}

bool exec(const QString &database, const QStringList &statements)
{
    return withConnection(database, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        for (const QString &s : statements) {
            if (!run(q, s))
                return false;
        }
        return true;
    });
}

TableLock::TableLock(const QString &database, const QString &table, const QString &mode)
    : m_name(QStringLiteral("pg-test-lock-%1").arg(quintptr(this)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    db.setHostName(folder());
    db.setDatabaseName(database);
    QSqlQuery q(db);
    m_held = db.open() && db.transaction()
        && run(q, QStringLiteral("LOCK TABLE \"%1\" IN %2 MODE").arg(table, mode));
}

TableLock::~TableLock()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool copySqliteFile(const QString &path, const QString &database)
{
    const QString source = QStringLiteral("pg-test-source");
    bool ok = false;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), source);
        file.setDatabaseName(path);
        ok = file.open() && withConnection(database, [&](QSqlDatabase &db) {
            QSqlQuery tables(file);
            tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
            while (tables.next()) {
                const QString table = tables.value(0).toString();
                QSqlQuery info(file), rows(file), write(db);
                QStringList defs, names, marks;
                info.exec(QStringLiteral("PRAGMA table_info([%1])").arg(table));
                while (info.next()) {
                    names << QStringLiteral("\"%1\"").arg(info.value(1).toString());
                    defs << names.last() + QLatin1Char(' ') + serverType(info.value(2).toString());
                    marks << QStringLiteral("?");
                }
                if (!run(write, QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, defs.join(", "))))
                    return false;
                write.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(table, names.join(", "), marks.join(", ")));
                rows.exec(QStringLiteral("SELECT * FROM [%1]").arg(table));
                while (rows.next()) {
                    for (int i = 0; i < names.size(); ++i)
                        write.bindValue(i, rows.value(i));
                    if (!write.exec()) {
                        qWarning("test server: %s", qPrintable(write.lastError().text()));
                        return false;
                    }
                }
            }
            return true;
        });
        file.close();
    }
    QSqlDatabase::removeDatabase(source);
    return ok;
}

}
