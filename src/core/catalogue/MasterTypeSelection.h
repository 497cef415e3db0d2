#pragma once
// What the master type selection does besides its window: it owns the master
// type recordset, lists the master types and looks one up by key. Loading a
// project uses it without a window. Found, SelectedId and the result members
// keep the values of the last row found.
#include "MasterTypeRecordset.h"
#include "model/MasterTypeInfo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

struct MasterTypeRow
{
    QString Description;
    QString Lcd;
    int Id = 0;
    QString OrderNumber;
};

class MasterTypeSelection
{
public:
    // True when the recordset is open or could be opened; otherwise the
    // reason has been shown to the user.
    bool ensureOpen();
    // Looks the key up; returns Found. A key without a row (or a catalogue
    // that cannot be opened) leaves Found and the results as they were.
    bool fetchById(long key);
    // All master types in table order; false (and no rows) when the
    // catalogue cannot be opened.
    bool listRows(QVector<MasterTypeRow> &rows);
    // The descriptions of the keys that have a row, read without telling the
    // user anything: lists that only name master types (the history) show
    // the key when the catalogue cannot be read.
    QHash<int, QString> descriptionsOf(const QList<int> &keys);
    // The results with the picture converted: what a project load applies.
    MasterTypeInfo result() const;
    // Closes the recordset (when the window goes away).
    void close() { m_recordset.close(); }

    MasterTypeRecordset &recordset() { return m_recordset; }
    // Reads another catalogue than the settings name.
    void setDatabasePath(const QString &path) { m_recordset.setDatabasePath(path); }

    // Found, SelectedId and the master type of the row found last (its
    // picture not converted: see Result()).
    MasterTypeInfo Results;
    // The [Picture] value of the row found last.
    QByteArray Picture;

private:
    void takeCurrentRow();
    // Tells the user why the recordset failed.
    void showError() const;

    MasterTypeRecordset m_recordset;
};
