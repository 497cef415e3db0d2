#include "SensorRecordset.h"

#include "CatalogueLocation.h"
#include "base/Language.h"

#include <QDir>
#include <QSqlError>

SensorRecordset::SensorRecordset(bool userDatabase)
    : CatalogueRecordset(catalogue_schema::SensorTable(), CatalogueConnection::Mode::ReadWrite)
    , m_userDatabase(userDatabase)
{
}

QString SensorRecordset::GetDefaultDBName() const
{
    return catalogue_location::ReadAndStoreDatabasePath(QStringLiteral("DIRECTORIES"),
                                                        m_userDatabase ? QStringLiteral("DBASEUSER")
                                                                       : QStringLiteral("DBase"));
}

void SensorRecordset::DoFieldExchange()
{
    m_id = IntValue(0);
    m_Bestellnummer = TextValue(1);
    m_Gruppe = TextValue(2);
    m_DimensionX = TextValue(3);
    m_DimensionY = TextValue(4);
    m_BeginX = DoubleValue(5);
    m_EndX = DoubleValue(6);
    m_YMin = DoubleValue(7);
    m_YMax = DoubleValue(8);
    m_YWerte = TextValue(9);
    m_XWerte = TextValue(10);
    m_Name = TextValue(11);
}

bool SensorRecordset::writable()
{
    if (!IsOpen())
        return false;
    if (connection().isAccess()) {
        setError(CatalogueConnection::accessReadOnlyMessage(DatabasePath()));
        return false;
    }
    return true;
}

void SensorRecordset::AddNew()
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

bool SensorRecordset::Edit()
{
    if (IsBOF() || IsEOF())
        return false;
    m_editMode = EditMode::Edit;
    m_editKey = m_id;
    return true;
}

bool SensorRecordset::Update()
{
    const EditMode mode = m_editMode;
    m_editMode = EditMode::None;
    if (mode == EditMode::None || !writable())
        return false;
    // A running read on this connection would keep the file locked.
    ReleaseResult();
    QSqlQuery query(connection().database());
    if (mode == EditMode::Add) {
        // The new key follows the largest one in the table.
        query.prepare(QStringLiteral(
            "INSERT INTO [SensorTabelle] ([id], [Bestellnummer], [Gruppe], [DimensionX], [DimensionY], [BeginX], "
            "[EndX], [YMin], [YMax], [Y-Werte], [X-Werte], [Name]) "
            "VALUES ((SELECT COALESCE(MAX([id]), 0) + 1 FROM [SensorTabelle]), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    } else {
        query.prepare(QStringLiteral(
            "UPDATE [SensorTabelle] SET [Bestellnummer] = ?, [Gruppe] = ?, [DimensionX] = ?, [DimensionY] = ?, "
            "[BeginX] = ?, [EndX] = ?, [YMin] = ?, [YMax] = ?, [Y-Werte] = ?, [X-Werte] = ?, [Name] = ? "
            "WHERE [id] = ?"));
    }
    const QVariantList values{m_Bestellnummer, m_Gruppe, m_DimensionX, m_DimensionY, m_BeginX, m_EndX,
                              m_YMin, m_YMax, m_YWerte, m_XWerte, m_Name};
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (mode == EditMode::Edit)
        query.bindValue(values.size(), m_editKey);
    if (!query.exec()) {
        setError(LoadTranslatedString(5207).arg(QDir::toNativeSeparators(DatabasePath()), query.lastError().text()));
        return false;
    }
    return true;
}

bool SensorRecordset::Delete()
{
    if (IsBOF() || IsEOF() || !writable())
        return false;
    const int key = m_id;
    ReleaseResult();
    QSqlQuery query(connection().database());
    query.prepare(QStringLiteral("DELETE FROM [SensorTabelle] WHERE [id] = ?"));
    query.bindValue(0, key);
    if (!query.exec()) {
        setError(LoadTranslatedString(5207).arg(QDir::toNativeSeparators(DatabasePath()), query.lastError().text()));
        return false;
    }
    return true;
}
