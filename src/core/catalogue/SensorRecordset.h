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

    bool m_userDatabase;
    EditMode m_editMode = EditMode::None;
    int m_editKey = 0;
    int m_lastAddedId = 0;
};
