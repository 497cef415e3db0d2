#include "MasterTypeRecordset.h"

#include "CatalogueLocation.h"
#include "MasterPicture.h"

MasterTypeRecordset::MasterTypeRecordset()
    : CatalogueRecordset(catalogue_schema::MasterTable(), CatalogueConnection::Mode::ReadOnly)
{
}

QString MasterTypeRecordset::GetDefaultDBName() const
{
    return catalogue_location::ReadAndStoreDatabasePath(QStringLiteral("Directories"), QStringLiteral("DBase"));
}

void MasterTypeRecordset::DoFieldExchange()
{
    m_ID = IntValue(0);
    m_OrderNumber = TextValue(1);
    m_Description = TextValue(2);
    m_LCD = TextValue(3);
    m_Diameter = TextValue(4);
    m_OScaleMin = TextValue(5);
    m_OScaleMax = TextValue(6);
    m_IScaleMin = TextValue(7);
    m_IScaleMax = TextValue(8);
    m_SignalInput = TextValue(10);
    m_FreqInputs = IntValue(11);
    m_ScaleMin = IntValue(12);
    m_ScaleMax = IntValue(13);
    m_WarnThresholdMin = IntValue(14);
    m_WarnThresholdMax = IntValue(15);
    m_CalculateThreshold = IntValue(16) != 0;
    m_KWertMin = DoubleValue(17);
    m_KWertMax = DoubleValue(18);
    m_KWertUnit = TextValue(19);
    m_UseMinMax = IntValue(20) != 0;
}

QByteArray MasterTypeRecordset::PictureValue() const
{
    if (!IsOpen() || IsEOF() || IsBOF())
        return QByteArray();
    return BinaryValue(9);
}

QImage MasterTypeRecordset::PictureToBitmap(const QByteArray &picture)
{
    return master_picture::ToImage(picture);
}
