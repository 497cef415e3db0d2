#pragma once
// The sensor table "[SensorTabelle]": 12 bound columns, read and written. The
// user database flag chooses the database: "DBASEUSER" or "DBase" in the
// section "DIRECTORIES". Access files can only be read. The user database's
// default file is made, with the table, when the first sensor is stored.
#include "CatalogueRecordset.h"

class SensorRecordset : public CatalogueRecordset
{
public:
    explicit SensorRecordset(bool userDatabase = false);

    QString configuredDatabasePath() const override;
    bool isUserDatabase() const { return m_userDatabase; }

    // The editing cycle: addNew or Edit, change the members, Update. Delete
    // removes the current record. On failure errorText() holds the reason
    // (for an Access file: that it is read-only here and how to convert it).
    void addNew();
    bool edit();
    bool update();
    bool remove();
    // The key the last added record got.
    int lastAddedId() const { return m_lastAddedId; }

    // Changes are refused when the record changed elsewhere since it was
    // loaded: Edit notes the stored version of the current record; a change
    // prepared earlier (in a window) checks against the version it loaded.
    int storedVersion();
    void setExpectedVersion(int version) { m_editVersion = version; }
    // The last Update was refused because another program had changed or
    // deleted the record (errorText() names it): the caller's list is stale.
    bool changedElsewhere() const { return m_changedElsewhere; }

    int m_id = 0;
    QString m_Bestellnummer;
    QString m_Gruppe;
    QString m_DimensionX;
    QString m_DimensionY;
    double m_BeginX = 0.0;
    double m_EndX = 0.0;
    double m_YMin = 0.0;
    double m_YMax = 0.0;
    QString m_YWerte;
    QString m_XWerte;
    QString m_Name;

protected:
    void readCurrentRow() override;
    bool madeOnFirstWrite(const QString &path) const override;

private:
    enum class EditMode { None, Add, Edit };
    bool writable();
    // Replaces the stand-in of a file not made yet by the file.
    bool makeFile();
    bool insertRecord(QSqlQuery &query, const QVariantList &values);
    bool updateRecord(QSqlQuery &query, const QVariantList &values);
    // Gives a table made elsewhere the version column (first write).
    bool ensureVersionColumn();
    // 5207: could not be stored; 5214: could not be deleted.
    void setWriteError(const QSqlError &error, int textId = 5207);

    bool m_userDatabase;
    EditMode m_editMode = EditMode::None;
    int m_editKey = 0;
    int m_editVersion = 0;
    QString m_editName;
    bool m_changedElsewhere = false;
    int m_lastAddedId = 0;
};
