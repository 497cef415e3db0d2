#pragma once
// The throw-away PostgreSQL server that ctest starts for the tests that need
// it (scripts/pg-server, fixture "pg_server"): its socket folder, fresh
// databases on it, and SQLite catalogue files copied onto it as they are.
#include <QString>
#include <QTest>

namespace pg_server {

// Empty when the server runs; otherwise why it does not (to skip with).
QString unavailableReason();

// postgresql://[user@]<socket folder>/database
QString url(const QString &database, const QString &user = QString());

// Drops and creates the database; returns its URL.
QString createDatabase(const QString &database);

// Runs statements as the superuser; fails the test on an error.
bool exec(const QString &database, const QStringList &statements);

// Copies every table of a SQLite file into the database with the same names,
// the same declared types (mapped to the server's) and every row: a catalogue
// file and its copy on the server are the same catalogue.
bool copySqliteFile(const QString &path, const QString &database);

// A second session that holds a lock on a table (LOCK TABLE ... IN mode
// MODE) for as long as it lives.
class TableLock
{
public:
    TableLock(const QString &database, const QString &table, const QString &mode);
    ~TableLock();
    bool held() const { return m_held; }

private:
    QString m_name;
    bool m_held = false;
};

}

#define SKALERON_NEED_PG_SERVER()                                                                      \
    do {                                                                                               \
        const QString reason_ = pg_server::unavailableReason();                                        \
        if (!reason_.isEmpty())                                                                        \
            QSKIP(qPrintable(QStringLiteral("no PostgreSQL test server: %1").arg(reason_)));           \
    } while (false)
