#pragma once
// One open catalogue as a QtSql connection of its own. A SQLite file is used
// directly (read-only when the caller only reads); an Access file's table is
// read by the Access reader (a child process) and copied into an in-memory
// SQLite database, so that the same queries serve both; a catalogue on a
// PostgreSQL server (a connection URL) is reached through Qt's driver, with
// the queries' bracketed names quoted for it (sql()). On open the table and
// its columns are checked; failures leave a message for the user naming the
// file or server.
#include "CatalogueSchema.h"
#include "CatalogueSql.h"

#include <QSqlDatabase>
#include <QString>

class CatalogueConnection
{
public:
    enum class Mode { ReadOnly, ReadWrite };

    CatalogueConnection() = default;
    ~CatalogueConnection();
    CatalogueConnection(const CatalogueConnection &) = delete;
    CatalogueConnection &operator=(const CatalogueConnection &) = delete;

    bool open(const QString &path, const catalogue_schema::Table &table, Mode mode);
    // Connects to a server without looking at its tables (to create them).
    bool openServer(const QString &url, Mode mode);
    // Opens a SQLite file, made when missing, without looking at its tables.
    bool openFile(const QString &path, Mode mode);
    // Stands in for a catalogue file that is to be made when something is
    // first written to it: the empty table in memory, under the file's path.
    bool openEmpty(const QString &path, const catalogue_schema::Table &table);
    // Open on such a stand-in: the file does not exist yet.
    bool isStandIn() const { return m_standIn; }
    // Queries on the connection must be gone before it closes.
    void close();
    bool isOpen() const { return !m_name.isEmpty(); }

    QSqlDatabase database() const;
    QString path() const { return m_path; }
    bool isServer() const { return m_engine == catalogue_sql::Engine::Postgres; }
    catalogue_sql::Engine engine() const { return m_engine; }
    // A query written with bracketed names, as this connection's engine
    // takes it.
    QString sql(const QString &text) const { return catalogue_sql::forEngine(text, m_engine, m_names); }
    // Access files are read-only: writes must not be attempted.
    bool isAccess() const { return m_access; }
    QString errorText() const { return m_error; }
    // Why the last open failed, without naming a catalogue (for a store that
    // is none, such as the service history).
    QString failureReason() const { return m_reason.isEmpty() ? m_error : m_reason; }
    // The last open failed only because the file lacks the table.
    bool tableMissing() const { return m_tableMissing; }
    // The last open failed because of the file itself: missing, not a
    // catalogue, damaged, or without the table or its columns.
    bool badFile() const { return m_badFile; }

    // The message for a write attempt on an Access file: names the file and
    // the command that converts it.
    static QString accessReadOnlyMessage(const QString &path);
    // Why the file at path can be no catalogue, before any open: it is
    // missing, no regular file, or holds something that is neither SQLite
    // nor Access. Empty when it may be one (an empty file too).
    static QString fileProblem(const QString &path);

private:
    bool openSqlite(const catalogue_schema::Table &table, Mode mode);
    bool openAccess(const catalogue_schema::Table &table);
    bool connectServer(Mode mode);
    bool checkSchema(const catalogue_schema::Table &table);
    // Refuses a table whose keys a project file cannot hold.
    bool checkKeys(const catalogue_schema::Table &table);
    QSqlDatabase addConnection(const QString &driver = QStringLiteral("QSQLITE"));

    QString m_name;
    QString m_path;
    QString m_error;
    QString m_reason;
    bool m_access = false;
    catalogue_sql::Engine m_engine = catalogue_sql::Engine::Sqlite;
    catalogue_sql::NameMap m_names;
    bool m_standIn = false;
    bool m_tableMissing = false;
    bool m_badFile = false;
};
