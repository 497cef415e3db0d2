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
    return m_userDatabase ? catalogue_location::userSensorDatabasePath()
                          : catalogue_location::databasePath();
}

bool SensorRecordset::madeOnFirstWrite(const QString &path) const
{
    // The user's own sensors start empty wherever the settings put them; the
    // file is made with the first one stored.
    return m_userDatabase && !catalogue_address::isServer(path);
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
    m_editName = m_Name.isEmpty() ? m_Bestellnummer : m_Name;
    m_editVersion = storedVersion();
    return true;
}

int SensorRecordset::storedVersion()
{
    if (!isOpen() || isBOF() || isEOF())
        return 0;
    // A table without the column yet has every record at version 0.
    QSqlQuery q(connection().database());
    q.prepare(connection().sql(QStringLiteral("SELECT [%1] FROM [SensorTabelle] WHERE [id] = ?")
                                   .arg(QLatin1String(catalogue_sql::VersionColumn))));
    q.addBindValue(m_id);
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

bool SensorRecordset::ensureVersionColumn()
{
    QSqlQuery probe(connection().database());
    if (probe.exec(connection().sql(QStringLiteral("SELECT [%1] FROM [SensorTabelle] WHERE 1 = 0")
                                        .arg(QLatin1String(catalogue_sql::VersionColumn)))))
        return true;
    probe.finish();
    QSqlDatabase db = connection().database();
    QString reason;
    // Another program may have added it meanwhile.
    if (catalogue_sql::addVersionColumn(db, connection().engine(), &reason)
        || probe.exec(connection().sql(QStringLiteral("SELECT [%1] FROM [SensorTabelle] WHERE 1 = 0")
                                           .arg(QLatin1String(catalogue_sql::VersionColumn)))))
        return true;
    setError(loadTranslatedString(5207).arg(catalogue_address::displayName(databasePath()), reason));
    return false;
}

void SensorRecordset::setWriteError(const QSqlError &error, int textId)
{
    setError(loadTranslatedString(textId).arg(catalogue_address::displayName(databasePath()),
                                            catalogue_sql::engineText(error, QLatin1String(table().name))));
}

bool SensorRecordset::update()
{
    const EditMode mode = m_editMode;
    m_editMode = EditMode::None;
    m_changedElsewhere = false;
    if (mode == EditMode::None || !writable())
        return false;
    // A running read on this connection would keep the file locked.
    releaseResult();
    if (!ensureVersionColumn())
        return false;
    QSqlQuery query(connection().database());
    const QVariantList values{m_Bestellnummer, m_Gruppe, m_DimensionX, m_DimensionY, m_BeginX, m_EndX,
                              m_YMin, m_YMax, m_YWerte, m_XWerte, m_Name};
    return mode == EditMode::Add ? insertRecord(query, values) : updateRecord(query, values);
}

bool SensorRecordset::insertRecord(QSqlQuery &query, const QVariantList &values)
{
    // The new key follows the largest one in the table. SQLite runs the
    // statement under its write lock; on a server two benches could read the
    // same largest key, so the table is locked against other writers first.
    const bool server = connection().isServer();
    QSqlDatabase db = connection().database();
    if (server && !(db.transaction() && query.exec(QStringLiteral("LOCK TABLE \"SensorTabelle\" IN SHARE ROW EXCLUSIVE MODE")))) {
        setWriteError(query.lastError().isValid() ? query.lastError() : db.lastError());
        db.rollback();
        return false;
    }
    const bool prepared = query.prepare(connection().sql(QStringLiteral(
        "INSERT INTO [SensorTabelle] ([id], [Bestellnummer], [Gruppe], [DimensionX], [DimensionY], [BeginX], "
        "[EndX], [YMin], [YMax], [Y-Werte], [X-Werte], [Name]) "
        "VALUES ((SELECT COALESCE(MAX([id]), 0) + 1 FROM [SensorTabelle]), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)%1")
                                       .arg(server ? QStringLiteral(" RETURNING [id]") : QString())));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!prepared || !query.exec() || (server && !query.next())) {
        setWriteError(query.lastError());
        if (server)
            db.rollback();
        return false;
    }
    if (server) {
        m_lastAddedId = query.value(0).toInt();
        query.finish();
        if (!db.commit()) {
            setWriteError(db.lastError());
            db.rollback();
            return false;
        }
        return true;
    }
    QSqlQuery added(db);
    m_lastAddedId = added.exec(QStringLiteral("SELECT [id] FROM [SensorTabelle] WHERE rowid = last_insert_rowid()"))
            && added.next()
        ? added.value(0).toInt()
        : 0;
    return true;
}

bool SensorRecordset::updateRecord(QSqlQuery &query, const QVariantList &values)
{
    // Only the version that was loaded is overwritten; one statement, so two
    // benches cannot both pass the check.
    // A server prepares the statement, and may give up on it there.
    const bool prepared = query.prepare(connection().sql(QStringLiteral(
        "UPDATE [SensorTabelle] SET [Bestellnummer] = ?, [Gruppe] = ?, [DimensionX] = ?, [DimensionY] = ?, "
        "[BeginX] = ?, [EndX] = ?, [YMin] = ?, [YMax] = ?, [Y-Werte] = ?, [X-Werte] = ?, [Name] = ?, "
        "[%1] = [%1] + 1 WHERE [id] = ? AND [%1] = ?")
                                       .arg(QLatin1String(catalogue_sql::VersionColumn))));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    query.bindValue(values.size(), m_editKey);
    query.bindValue(values.size() + 1, m_editVersion);
    if (!prepared || !query.exec()) {
        setWriteError(query.lastError());
        return false;
    }
    if (query.numRowsAffected() > 0)
        return true;
    QSqlQuery still(connection().database());
    still.prepare(connection().sql(QStringLiteral("SELECT 1 FROM [SensorTabelle] WHERE [id] = ?")));
    still.addBindValue(m_editKey);
    const bool exists = still.exec() && still.next();
    m_changedElsewhere = true;
    setError(loadTranslatedString(exists ? 5910 : 5911).arg(m_editName));
    return false;
}

bool SensorRecordset::remove()
{
    if (isBOF() || isEOF() || !writable())
        return false;
    const int key = m_id;
    releaseResult();
    QSqlQuery query(connection().database());
    const bool prepared = query.prepare(connection().sql(QStringLiteral("DELETE FROM [SensorTabelle] WHERE [id] = ?")));
    query.bindValue(0, key);
    if (!prepared || !query.exec()) {
        setWriteError(query.lastError(), 5214);
        return false;
    }
    return true;
}
