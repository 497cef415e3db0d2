#pragma once
// Read-only access to Microsoft Access (.mdb/.accdb) files through libmdb:
// the user tables, their columns and all rows as typed values. NULL values
// come back as null QVariants, OLE and binary columns as QByteArray.
#include "CatalogueSchema.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>


namespace access_file {

struct Column
{
    QString name;
    catalogue_schema::ColumnKind kind; // how the value is stored when copied
};

struct Table
{
    QString name;
    QVector<Column> columns;
    QVector<QVector<QVariant>> rows;
};

// True for a path ending in ".mdb" or ".accdb" (any letter case).
bool isAccessPath(const QString &path);

class AccessFile
{
public:
    AccessFile() = default;
    ~AccessFile();
    AccessFile(const AccessFile &) = delete;
    AccessFile &operator=(const AccessFile &) = delete;

    // Refuses a file the library cannot read and one cut short (a table list
    // or rows on pages beyond its end).
    bool open(const QString &path);
    QString errorString() const { return m_error; }
    // Names of the user tables (no system tables).
    QStringList tableNames() const;
    // The name of the user table that matches without regard to letter
    // case; empty when there is none.
    QString findTable(const QString &name) const;
    // Reads a table whose name matches without regard to letter case.
    bool readTable(const QString &name, Table &table);

private:
    bool catalogInsideFile() const;
    bool pagesInsideFile(void *tableDef) const;

    void *m_mdb = nullptr;
    qint64 m_pageCount = 0;
    bool m_open = false;
    QString m_path;
    QString m_error;
};

}
