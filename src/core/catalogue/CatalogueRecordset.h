#pragma once
// A recordset over one catalogue table: the bound columns of the table,
// restricted by a filter and ordered by a sort, walked row by row. The
// database is opened by the recordset itself on the path its subclass names,
// on a connection of its own that goes away when the recordset closes.
// Subclasses read the bound columns of the current row into their members.
#include "CatalogueConnection.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class QSqlError;

class CatalogueRecordset
{
public:
    virtual ~CatalogueRecordset();
    CatalogueRecordset(const CatalogueRecordset &) = delete;
    CatalogueRecordset &operator=(const CatalogueRecordset &) = delete;

    // The database path (from the settings) and the table in brackets.
    virtual QString configuredDatabasePath() const = 0;
    QString selectStatement() const;
    // Another database than the settings name (tools that take a path);
    // empty: the settings' path.
    void setDatabasePath(const QString &path) { m_pathOverride = path; }

    // Opens the database and runs the query with the current filter and sort.
    // On failure the reason for the user is in errorText().
    bool open();
    bool isOpen() const;
    // Errors while closing are of no interest; nothing is written on close.
    void close();

    // Conditions without WHERE / ORDER BY. Built by the program from its own
    // constants and numbers only.
    QString m_filter;
    QString m_sort;
    // "[ID] = " followed by the key formatted with "%ld".
    void setFilterById(long key);

    bool requery();
    bool isBOF() const { return m_bof; }
    bool isEOF() const { return m_eof; }
    bool moveFirst();
    bool moveNext();
    // Ends the running statement so that another connection to the same file
    // may write; the bound members keep their values.
    void releaseResult();

    // Walks the rows of the current filter and sort reading only the named
    // columns (a list that shows a few columns need not convert all of them);
    // row() gets the values in the order named. The bound members are not
    // touched. False on an engine error (errorText()).
    bool readColumns(const QStringList &columns, const std::function<void(const QSqlQuery &)> &row);

    QString errorText() const { return m_error; }
    // The last Open failed because of the file itself (see
    // CatalogueConnection::badFile), not because of the engine.
    bool badFile() const { return m_connection.badFile() || m_damaged; }
    QString databasePath() const { return m_connection.path(); }
    // The query text of the last requery, for diagnostics.
    QString queryText() const { return m_queryText; }

protected:
    CatalogueRecordset(const catalogue_schema::Table &table, CatalogueConnection::Mode mode);

    // Copies the current row's bound columns into the members.
    virtual void readCurrentRow() = 0;
    // A missing file at this path is opened as an empty table, to be made
    // by the first write.
    virtual bool madeOnFirstWrite(const QString &path) const;
    // Values of the current row by binding position; a NULL value reads as
    // the kind's empty value.
    int intValue(int column) const;
    double doubleValue(int column) const;
    QString textValue(int column) const;
    QByteArray binaryValue(int column) const;

    const catalogue_schema::Table &table() const { return m_table; }
    CatalogueConnection &connection() { return m_connection; }
    void setError(const QString &text) { m_error = text; }

private:
    bool fetchCurrent(bool moved);
    QString selectList() const;
    // "SELECT columns FROM [table]" with the current filter and sort.
    QString selectStatement(const QString &columns) const;
    // The database engine's complaint, as the user is told it.
    void setEngineError(const QSqlError &error);

    const catalogue_schema::Table &m_table;
    CatalogueConnection::Mode m_mode;
    CatalogueConnection m_connection;
    std::unique_ptr<QSqlQuery> m_query;
    QString m_pathOverride;
    QString m_queryText;
    QString m_error;
    bool m_bof = true;
    bool m_eof = true;
    bool m_atFirst = false;
    bool m_damaged = false;
};
