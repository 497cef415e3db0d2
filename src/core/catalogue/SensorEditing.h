#pragma once
// The checks and steps every way of defining a user sensor shares (the
// definition window and the command-line tool): which definitions can be
// stored, the order its pairs are kept in, value lists typed as text, and
// adding, changing and deleting user sensors by key in the user database.
#include "SensorSelection.h"

#include <QString>
#include <QVector>

namespace sensor_editing {

// Why the definition cannot be stored; empty when it can. Every value must
// be a finite number, and the y column (the measured quantity) needs two
// different values, or the curve has no range to resample over.
QString refusal(const SensorDefinition &definition);

// A stored sensor's value lists as the window's columns (the x column is the
// stored y list), read as the calibration reads them (blanks, ";" and decimal
// commas alike), so that a change keeps a list another program wrote whole;
// as many rows as both lists hold.
void takeColumns(const QString &xValues, const QString &yValues, SensorDefinition &definition);

// The definition window's order on OK: the pairs sorted by the y value,
// neighbours swapped only when the earlier y is strictly greater.
void sortByY(SensorDefinition &definition);

// A value list typed as text: numbers separated by ";" or blanks (a
// separator at the end is no value), each with a decimal point or comma.
// False with the reason when an entry is no number or more than maxCount
// values are given.
bool parseValueList(const QString &text, int maxCount, QVector<double> &values, QString *reason);

// A definition from the table's point of view: x the measured quantity, y
// the electrical value, as many pairs as given (at most eight). False with
// the reason when the lists differ in length or hold no value.
bool definitionFromPoints(const QVector<double> &x, const QVector<double> &y, SensorDefinition &definition,
                          QString *reason);

enum class Outcome { Done, BadInput, NotFound, Failed };
struct Result
{
    Outcome outcome = Outcome::Failed;
    QString reason; // for the user, when not Done
    int id = 0;     // the key of the sensor added
};

// The user sensor database (the setting, or path when given). Only sensors
// of the group "Benutzerdefiniert" are changed or deleted.
class UserSensors
{
public:
    explicit UserSensors(const QString &path = QString());

    Result add(const SensorDefinition &definition);
    // The stored sensor as the definition window shows it.
    Result find(int id, SensorDefinition &definition);
    Result change(int id, const SensorDefinition &definition);
    Result remove(int id);

private:
    Result open();
    Result locate(int id);
    Result failure();

    SensorRecordset m_table;
};

}
