#pragma once
// The two catalogue tables: their names and bound columns in binding order.
// A catalogue file may hold the columns in any order and further columns;
// these are the ones the program needs.
#include <QString>
#include <QVector>

namespace catalogue_schema {

enum class ColumnKind { Integer, Boolean, Double, Text, Binary };

struct Column
{
    const char *name;
    ColumnKind kind;
};

struct Table
{
    const char *name;
    QVector<Column> columns;
};

const Table &masterTable(); // "RixData", 21 columns
const Table &sensorTable(); // "SensorTabelle", 12 columns

// "[a], [b], ..." in binding order, for the select lists.
QString selectList(const Table &table);
// The SQLite column type a kind is stored as.
const char *sqliteType(ColumnKind kind);

}
