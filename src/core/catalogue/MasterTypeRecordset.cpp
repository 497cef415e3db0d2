#include "MasterTypeRecordset.h"

#include "CatalogueLocation.h"
#include "MasterPicture.h"

MasterTypeRecordset::MasterTypeRecordset()
    : CatalogueRecordset(catalogue_schema::masterTable(), CatalogueConnection::Mode::ReadOnly)
{
}

QString MasterTypeRecordset::configuredDatabasePath() const
{
    return catalogue_location::databasePath();
}

void MasterTypeRecordset::readCurrentRow()
{
    m_ID = intValue(0);
    m_OrderNumber = textValue(1);
    m_Description = textValue(2);
    m_LCD = textValue(3);
    m_Diameter = textValue(4);
    m_OScaleMin = textValue(5);
    m_OScaleMax = textValue(6);
    m_IScaleMin = textValue(7);
    m_IScaleMax = textValue(8);
    m_SignalInput = textValue(10);
    m_FreqInputs = intValue(11);
    m_ScaleMin = intValue(12);
    m_ScaleMax = intValue(13);
    m_WarnThresholdMin = intValue(14);
    m_WarnThresholdMax = intValue(15);
    m_CalculateThreshold = intValue(16) != 0;
    m_KWertMin = doubleValue(17);
    m_KWertMax = doubleValue(18);
    m_KWertUnit = textValue(19);
    m_UseMinMax = intValue(20) != 0;
}

QByteArray MasterTypeRecordset::pictureValue() const
{
    if (!isOpen() || isEOF() || isBOF())
        return QByteArray();
    return binaryValue(9);
}

QImage MasterTypeRecordset::pictureToBitmap(const QByteArray &picture)
{
    return master_picture::toImage(picture);
}
