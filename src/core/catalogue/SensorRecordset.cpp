#include "SensorRecordset.h"

#include "CatalogueAddress.h"
#include "CatalogueLocation.h"
#include "SqliteFile.h"
#include "base/Language.h"

#include <QSqlError>
#include <tuple>

SensorRecordset::SensorRecordset(bool userDatabase)
    : CatalogueRecordset(catalogue_schema::sensorTable(), CatalogueConnection::Mode::ReadWrite)
    , m_userDatabase(userDatabase)
{
}

QString SensorRecordset::configuredDatabasePath() const
{
    return m_userDatabase ? catalogue_location::readAndStoreUserSensorDatabasePath()
                          : catalogue_location::readAndStoreDatabasePath(QStringLiteral("DIRECTORIES"),
                                                                         QStringLiteral("DBase"));
}

bool SensorRecordset::madeOnFirstWrite(const QString &path) const
{
    return m_userDatabase && path == catalogue_location::defaultUserSensorDatabasePath();
}

void SensorRecordset::readCurrentRow()
{
    m_id = intValue(0);
    m_Bestellnummer = textValue(1);
    m_Gruppe = textValue(2);
    m_DimensionX = textValue(3);
    m_DimensionY = textValue(4);
    m_BeginX = doubleValue(5);
    m_EndX = doubleValue(6);
    m_YMin = doubleValue(7);
    m_YMax = doubleValue(8);
    m_YWerte = textValue(9);
    m_XWerte = textValue(10);
    m_Name = textValue(11);
}

bool SensorRecordset::makeFile()
{
    const QString path = databasePath();
    QString reason;
    if (!sqlite_file::createCatalogueFile(path, table(), &reason)) {
        setError(loadTranslatedString(5207).arg(catalogue_address::displayName(path), reason));
        return false;
    }
    // Opening the file reads its rows into the members: the values being
    // stored are kept aside meanwhile.
    const auto values = std::make_tuple(m_Bestellnummer, m_Gruppe, m_DimensionX, m_DimensionY, m_BeginX, m_EndX,
                                        m_YMin, m_YMax, m_YWerte, m_XWerte, m_Name);
    const bool opened = open();
    std::tie(m_Bestellnummer, m_Gruppe, m_DimensionX, m_DimensionY, m_BeginX, m_EndX, m_YMin, m_YMax, m_YWerte,
             m_XWerte, m_Name) = values;
    return opened;
}

bool SensorRecordset::writable()
{
    if (!isOpen())
        return false;
    if (connection().isStandIn() && !makeFile())
        return false;
    if (connection().isAccess()) {
        setError(CatalogueConnection::accessReadOnlyMessage(databasePath()));
        return false;
    }
    return true;
}

void SensorRecordset::addNew()
{
    m_editMode = EditMode::Add;
    m_id = 0;
    m_Bestellnummer.clear();
    m_Gruppe.clear();
    m_DimensionX.clear();
    m_DimensionY.clear();
    m_BeginX = m_EndX = m_YMin = m_YMax = 0.0;
    m_YWerte.clear();
    m_XWerte.clear();
    m_Name.clear();
}

bool SensorRecordset::edit()
{
    if (isBOF() || isEOF())
        return false;
    m_editMode = EditMode::Edit;
    m_editKey = m_id;
    return true;
}

bool SensorRecordset::update()
{
    const EditMode mode = m_editMode;
    m_editMode = EditMode::None;
    if (mode == EditMode::None || !writable())
        return false;
    // A running read on this connection would keep the file locked.
    releaseResult();
    QSqlQuery query(connection().database());
    if (mode == EditMode::Add) {
        // The new key follows the largest one in the table.
        query.prepare(connection().sql(QStringLiteral(
            "INSERT INTO [SensorTabelle] ([id], [Bestellnummer], [Gruppe], [DimensionX], [DimensionY], [BeginX], "
            "[EndX], [YMin], [YMax], [Y-Werte], [X-Werte], [Name]) "
            "VALUES ((SELECT COALESCE(MAX([id]), 0) + 1 FROM [SensorTabelle]), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")));
    } else {
        query.prepare(connection().sql(QStringLiteral(
            "UPDATE [SensorTabelle] SET [Bestellnummer] = ?, [Gruppe] = ?, [DimensionX] = ?, [DimensionY] = ?, "
            "[BeginX] = ?, [EndX] = ?, [YMin] = ?, [YMax] = ?, [Y-Werte] = ?, [X-Werte] = ?, [Name] = ? "
            "WHERE [id] = ?")));
    }
    const QVariantList values{m_Bestellnummer, m_Gruppe, m_DimensionX, m_DimensionY, m_BeginX, m_EndX,
                              m_YMin, m_YMax, m_YWerte, m_XWerte, m_Name};
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (mode == EditMode::Edit)
        query.bindValue(values.size(), m_editKey);
    if (!query.exec()) {
        setError(loadTranslatedString(5207).arg(catalogue_address::displayName(databasePath()), catalogue_sql::engineText(query.lastError())));
        return false;
    }
    if (mode == EditMode::Add) {
        QSqlQuery added(connection().database());
        m_lastAddedId = added.exec(QStringLiteral("SELECT [id] FROM [SensorTabelle] WHERE rowid = last_insert_rowid()"))
                && added.next()
            ? added.value(0).toInt()
            : 0;
    }
    return true;
}

bool SensorRecordset::remove()
{
    if (isBOF() || isEOF() || !writable())
        return false;
    const int key = m_id;
    releaseResult();
    QSqlQuery query(connection().database());
    query.prepare(connection().sql(QStringLiteral("DELETE FROM [SensorTabelle] WHERE [id] = ?")));
    query.bindValue(0, key);
    if (!query.exec()) {
        setError(loadTranslatedString(5207).arg(catalogue_address::displayName(databasePath()), catalogue_sql::engineText(query.lastError())));
        return false;
    }
    return true;
}
