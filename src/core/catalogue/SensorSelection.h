#pragma once
// What the sensor selection does besides its window: lists the sensors of one
// group from the standard and the user sensor database, takes a row into the
// results, and creates, changes and deletes user-defined sensors. Failures
// are shown to the user; the calls then return false.
#include "SensorRecordset.h"

#include <QString>
#include <QVector>
#include <algorithm>
#include <array>

struct SensorListRow
{
    QString OrderNumber; // column 0
    QString TypeLabel;   // column 1: the label of the listed group
    QString Name;        // column 2
    QString Ranges;      // column 3
    // [id] for the standard database, [id] + 10000 for the user database.
    int RowKey = 0;
    // Where the row comes from, kept beside the key so that a standard record
    // with a key of 10000 or more is still found in its own database.
    bool FromUserDatabase = false;
    int RecordId = 0;
};

// The values of the sensor definition window: a name, two units and two
// columns of eight values.
struct SensorDefinition
{
    static constexpr int Points = 8;
    QString Name;
    // The rows in use, from the first; a new sensor has none. A row left
    // empty is no pair: as (0, 0) it would bend the curve towards zero.
    int Count = 0;
    QString XUnit;
    QString YUnit;
    std::array<double, Points> XColumn{};
    std::array<double, Points> YColumn{};
};

class SensorSelection
{
public:
    static constexpr int UserKeyOffset = 10000;

    SensorSelection();

    // Opens whichever of the two recordsets is not open yet.
    bool ensureOpen();
    // The last ensureOpen failed because of a database file itself.
    bool badFile() const { return m_standard.badFile() || m_user.badFile(); }
    // The rows of the group Type: standard records first, then user records,
    // each sorted by [Bestellnummer]. The first row presets UnitX and UnitY.
    // When both settings name one database its rows are listed once, those
    // of the user-defined group as user records.
    QVector<SensorListRow> fillList();
    // Changing and deleting are offered in the user-defined group only.
    static bool canChange(int type);

    // OK: copies the row's record into the results and sets Taken when the
    // record still exists.
    bool take(const SensorListRow &row);
    // The definition a new sensor starts with (units from the list's first row).
    SensorDefinition newDefinition() const;
    bool addSensor(const SensorDefinition &definition);
    // The row key of the sensor the last addSensor stored.
    int lastAddedRowKey() const { return m_user.lastAddedId() + UserKeyOffset; }
    // Copies the row's record into the results (Taken unchanged) and returns
    // the definition to edit.
    bool prepareChange(const SensorListRow &row, SensorDefinition &definition);
    // Stores the change prepared last; refused (and said so) when another
    // program changed the sensor since then: see changedElsewhere().
    bool changeSensor(const SensorListRow &row, const SensorDefinition &definition);
    // The last change was refused because the list is stale.
    bool changedElsewhere() const { return m_changedElsewhere; }
    bool deleteSensor(const SensorListRow &row);
    // The last take, prepareChange or deleteSensor found no record for its
    // row: another program deleted the sensor after the list was filled.
    bool rowGone() const { return m_rowGone; }
    void close();

    int Type = 0;
    bool Taken = false;
    QString UnitX;
    QString UnitY;
    QString Group;
    QString OrderNumber;
    QString Name;
    QString YValues;
    QString XValues;
    double BeginX = 0.0;
    double EndX = 0.0;
    double YMin = 0.0;
    double YMax = 0.0;

    // Stores a definition into the record being added or edited: the y
    // column becomes X and the x column Y, sorted by X, with the ranges.
    static void storeDefinition(const SensorDefinition &definition, SensorRecordset &record);

    // Whether a row of the one database both settings name belongs to the
    // user's sensors.
    static bool isUserRow(const SensorRecordset &record);

private:
    SensorRecordset *locate(const SensorListRow &row);
    void releaseResults();
    void takeResults(const SensorRecordset &record);
    bool write(SensorRecordset &record, bool ok);

    SensorRecordset m_standard;
    SensorRecordset m_user;
    int m_preparedVersion = 0;
    bool m_changedElsewhere = false;
    bool m_rowGone = false;
};
