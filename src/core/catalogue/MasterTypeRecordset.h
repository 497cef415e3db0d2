#pragma once
// The master type table "[RixData]": 21 bound columns, only ever read. The
// database is the one named by "Directories"/"DBase".
#include "CatalogueRecordset.h"

#include <QImage>

class MasterTypeRecordset : public CatalogueRecordset
{
public:
    MasterTypeRecordset();

    QString configuredDatabasePath() const override;

    // Bound columns, in binding order.
    int m_ID = 0;
    QString m_OrderNumber;
    QString m_Description;
    QString m_LCD;
    QString m_Diameter;
    QString m_OScaleMin;
    QString m_OScaleMax;
    QString m_IScaleMin;
    QString m_IScaleMax;
    // [Picture] is not cached: read from the current row when asked for.
    QByteArray pictureValue() const;
    QString m_SignalInput;
    int m_FreqInputs = 1;
    int m_ScaleMin = 0;
    int m_ScaleMax = 0;
    int m_WarnThresholdMin = 0;
    int m_WarnThresholdMax = 0;
    int m_CalculateThreshold = 0;
    double m_KWertMin = 0.0;
    double m_KWertMax = 0.0;
    QString m_KWertUnit;
    int m_UseMinMax = 0;

    // Turns a [Picture] value (92 bytes of header, then a device-independent
    // bitmap) into an image; a null image when there is none or it is damaged.
    static QImage pictureToBitmap(const QByteArray &picture);

protected:
    void readCurrentRow() override;

};
