#pragma once
// Builds small SQLite catalogue files for tests: the two tables with the
// program's columns (a column can be left out or declared differently), rows
// given as column -> value maps.
#include <QString>
#include <QVariantMap>
#include <QVector>

namespace catalogue_files {

struct TableOptions
{
    QString omitColumn;          // leave this column out
    QString retypeColumn;        // declare this column as retypeAs
    QString retypeAs;
    bool reverseColumnOrder = false;
};

// Creates the file (if missing) and the master type table.
void createMasterTable(const QString &path, const TableOptions &options = {});
void createSensorTable(const QString &path, const TableOptions &options = {});
// Inserts rows; every value not given is NULL.
void insertRows(const QString &path, const QString &table, const QVector<QVariantMap> &rows);

// A master type row with plausible values for every column.
QVariantMap masterRow(int id, const QString &description, const QString &lcd = QStringLiteral("yes"));
QVariantMap sensorRow(int id, const QString &group, const QString &orderNumber);

// Reads one value by SQL (for checks after writes).
QVariant queryValue(const QString &path, const QString &sql);
// Runs a change as another program would, waiting for no lock: empty when
// it was taken, else the engine's reason.
QString changeElsewhere(const QString &path, const QString &sql);

// Points "Directories"/"DBase" (and optionally "DBASEUSER") at a file.
void useCatalogue(const QString &path);
void useUserCatalogue(const QString &path);

}
