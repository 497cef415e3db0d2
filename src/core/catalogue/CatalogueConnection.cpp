#include "CatalogueConnection.h"

#include "AccessCopy.h"
#include "AccessFile.h"
#include "AccessReader.h"
#include "CatalogueAddress.h"
#include "ServerSchema.h"
#include "SqliteFile.h"
#include "base/Language.h"
#include "base/RegularFile.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

CatalogueConnection::~CatalogueConnection()
{
    close();
}

QSqlDatabase CatalogueConnection::addConnection(const QString &driver)
{
    static QAtomicInt counter;
    m_name = QStringLiteral("skaleron-catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
    return QSqlDatabase::addDatabase(driver, m_name);
}

QSqlDatabase CatalogueConnection::database() const
{
    return m_name.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(m_name, false);
}

void CatalogueConnection::close()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_names.clear();
    m_standIn = false;
}

bool CatalogueConnection::open(const QString &path, const catalogue_schema::Table &table, Mode mode)
{
    close();
    m_path = path;
    m_error.clear();
    m_reason.clear();
    m_tableMissing = false;
    m_badFile = false;
    m_standIn = false;
    m_access = false;
    m_engine = catalogue_sql::Engine::Sqlite;
    if (catalogue_address::isServer(path)) {
        const bool ok = connectServer(mode) && checkSchema(table);
        if (!ok)
            close();
        return ok;
    }
    m_access = access_file::isAccessPath(path);
    m_error = fileProblem(path);
    if (!m_error.isEmpty()) {
        m_badFile = true;
        return false;
    }
    const bool ok = m_access ? openAccess(table) : openSqlite(table, mode);
    if (!ok)
        close();
    return ok;
}

QString CatalogueConnection::fileProblem(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return loadTranslatedString(5200).arg(QDir::toNativeSeparators(path));
    if (!file.isFile())
        return regular_file::refusal(path);
    if (file.size() > 0 && !access_file::isAccessPath(path) && !sqlite_file::hasSqliteHeader(path))
        return loadTranslatedString(5201).arg(QDir::toNativeSeparators(path));
    return QString();
}

bool CatalogueConnection::openEmpty(const QString &path, const catalogue_schema::Table &table)
{
    close();
    m_path = path;
    m_error.clear();
    m_reason.clear();
    m_tableMissing = m_badFile = m_access = false;
    m_engine = catalogue_sql::Engine::Sqlite;
    QString reason;
    bool ok = false;
    {
        QSqlDatabase db = addConnection();
        db.setDatabaseName(QStringLiteral(":memory:"));
        ok = db.open() && sqlite_file::createTable(db, table, &reason);
        if (!ok && reason.isEmpty())
            reason = db.lastError().text();
    }
    if (!ok) {
        m_error = loadTranslatedString(5205).arg(QDir::toNativeSeparators(path), reason);
        close();
        return false;
    }
    m_standIn = true;
    return true;
}

bool CatalogueConnection::openSqlite(const catalogue_schema::Table &table, Mode mode)
{
    // Checked first: SQLite would take any file (even an empty one) and fail
    // only on the first query with a less helpful text.
    if (!sqlite_file::hasSqliteHeader(m_path)) {
        m_badFile = true;
        m_error = loadTranslatedString(5201).arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    QSqlDatabase db = addConnection();
    db.setDatabaseName(m_path);
    // Never create a file; a catalogue that is only read is opened read-only
    // so that nothing can be written to it.
    db.setConnectOptions(mode == Mode::ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
    if (!db.open()) {
        m_reason = db.lastError().text();
        m_error = loadTranslatedString(5205).arg(QDir::toNativeSeparators(m_path), m_reason);
        return false;
    }
    return checkSchema(table);
}

bool CatalogueConnection::openServer(const QString &url, Mode mode)
{
    close();
    m_path = url;
    m_error.clear();
    m_reason.clear();
    m_tableMissing = m_badFile = m_access = false;
    const bool ok = connectServer(mode);
    if (!ok)
        close();
    return ok;
}

bool CatalogueConnection::openFile(const QString &path, Mode mode)
{
    close();
    m_path = path;
    m_error.clear();
    m_reason.clear();
    m_tableMissing = m_badFile = m_access = false;
    m_engine = catalogue_sql::Engine::Sqlite;
    if (QFileInfo(path).size() > 0 && !sqlite_file::hasSqliteHeader(path)) {
        m_badFile = true;
        m_reason = regular_file::refusal(path);
        m_error = loadTranslatedString(5201).arg(QDir::toNativeSeparators(path));
        return false;
    }
    QSqlDatabase db = addConnection();
    db.setDatabaseName(path);
    db.setConnectOptions(mode == Mode::ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
    if (!db.open()) {
        m_reason = catalogue_sql::engineText(db.lastError());
        m_error = loadTranslatedString(5205).arg(QDir::toNativeSeparators(path), m_reason);
        close();
        return false;
    }
    return true;
}

bool CatalogueConnection::connectServer(Mode mode)
{
    m_engine = catalogue_sql::Engine::Postgres;
    catalogue_address::Server server;
    if (!catalogue_address::parseServer(m_path, &server, &m_error)) {
        m_badFile = true;
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_error = loadTranslatedString(5906).arg(m_path);
        return false;
    }
    QSqlDatabase db = addConnection(QStringLiteral("QPSQL"));
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    // No password is ever set: libpq reads ~/.pgpass and PGPASSWORD itself.
    // A server that does not answer, a table another program keeps locked or
    // a statement that runs away must not freeze the program: one time limit
    // covers all three. A catalogue that is only read is read in read-only
    // transactions. The server's notices ("already exists, skipping") are
    // not for the user; its errors come back with the statements.
    const int seconds = catalogue_sql::serverTimeoutSeconds();
    QString options = QStringLiteral("connect_timeout=%1;options='-c statement_timeout=%2 -c lock_timeout=%2 "
                                     "-c client_min_messages=error")
                          .arg(seconds)
                          .arg(seconds * 1000);
    if (mode == Mode::ReadOnly)
        options += QStringLiteral(" -c default_transaction_read_only=on");
    db.setConnectOptions(options + QLatin1Char('\''));
    if (!db.open()) {
        m_error = loadTranslatedString(5900).arg(m_path, catalogue_sql::engineText(db.lastError()));
        return false;
    }
    return true;
}

bool CatalogueConnection::openAccess(const catalogue_schema::Table &table)
{
    const QString native = QDir::toNativeSeparators(m_path);
    const access_reader::Result read = access_reader::readTable(m_path, QLatin1String(table.name));
    switch (read.status) {
    case access_reader::Status::Read: break;
    case access_reader::Status::NoTable:
        m_tableMissing = m_badFile = true;
        m_error = loadTranslatedString(5202).arg(native, QLatin1String(table.name));
        return false;
    case access_reader::Status::Damaged:
        m_badFile = true;
        m_error = loadTranslatedString(5212).arg(native);
        return false;
    case access_reader::Status::NoReader:
        m_error = loadTranslatedString(5208).arg(native, read.reason);
        return false;
    }
    QSqlDatabase db = addConnection();
    db.setDatabaseName(QStringLiteral(":memory:"));
    QString reason;
    if (!db.open() || !access_copy::copyTable(read.table, db, &reason)) {
        m_error = loadTranslatedString(5205).arg(native, reason.isEmpty() ? db.lastError().text() : reason);
        return false;
    }
    return checkSchema(table);
}

bool CatalogueConnection::checkSchema(const catalogue_schema::Table &table)
{
    const QString native = catalogue_address::displayName(m_path);
    sqlite_file::SchemaProblem problem;
    const auto result = isServer() ? server_schema::checkTable(database(), table, &problem, &m_names)
                                   : sqlite_file::checkTable(database(), table, &problem);
    // Whatever the check finds wrong is wrong with the file itself.
    m_badFile = result != sqlite_file::SchemaCheck::Ok;
    switch (result) {
    case sqlite_file::SchemaCheck::Ok: return checkKeys(table);
    case sqlite_file::SchemaCheck::NotADatabase:
        m_error = loadTranslatedString(5205).arg(native, problem.engineText);
        return false;
    case sqlite_file::SchemaCheck::MissingTable:
        m_tableMissing = true;
        m_error = loadTranslatedString(5202).arg(native, QLatin1String(table.name));
        return false;
    case sqlite_file::SchemaCheck::MissingColumn:
        m_error = loadTranslatedString(5203).arg(native, QLatin1String(table.name), problem.column);
        return false;
    case sqlite_file::SchemaCheck::WrongType:
        m_error = loadTranslatedString(5204).arg(native, QLatin1String(table.name), problem.column,
                                                 problem.declaredType);
        return false;
    }
    return false;
}

bool CatalogueConnection::checkKeys(const catalogue_schema::Table &table)
{
    // A project file keeps the key in 32 bits: a larger one would come back
    // as another number, 9223372036854775807 as -1, which means "no master
    // type". Keys stored as text are left to the reading.
    const QString key = QLatin1String(table.columns.first().name);
    QSqlQuery q(database());
    q.setForwardOnly(true);
    const QString numeric = isServer() ? QString() : QStringLiteral(" AND typeof([%1]) <> 'text'").arg(key);
    if (!q.exec(sql(QStringLiteral("SELECT [%1] FROM [%2] WHERE ([%1] < -2147483648 OR [%1] > 2147483647)%3 LIMIT 10")
                        .arg(key, QLatin1String(table.name), numeric))))
        return true; // reading the rows says what is wrong
    QStringList keys;
    while (q.next())
        keys << q.value(0).toString();
    if (keys.isEmpty())
        return true;
    m_badFile = true;
    m_error = loadTranslatedString(5221).arg(catalogue_address::displayName(m_path), QLatin1String(table.name),
                                             keys.join(QStringLiteral(", ")));
    return false;
}

QString CatalogueConnection::accessReadOnlyMessage(const QString &path)
{
    return loadTranslatedString(5206).arg(QDir::toNativeSeparators(path));
}
