#include "CMasterTypeSelection.h"

#include "app/UserMessages.h"

bool CMasterTypeSelection::EnsureOpen()
{
    if (m_recordset.IsOpen())
        return true;
    m_recordset.m_strFilter.clear();
    m_recordset.m_strSort.clear();
    if (m_recordset.Open())
        return true;
    user_messages::show(m_recordset.ErrorText(), user_messages::Icon::None, user_messages::Buttons::Ok);
    return false;
}

bool CMasterTypeSelection::FetchById(long key)
{
    if (!EnsureOpen())
        return Found;
    m_recordset.SetFilterById(key);
    if (!m_recordset.Requery()) {
        user_messages::show(m_recordset.ErrorText(), user_messages::Icon::None, user_messages::Buttons::Ok);
        return Found;
    }
    if (m_recordset.IsBOF() && m_recordset.IsEOF())
        return Found;
    m_recordset.MoveFirst();
    takeCurrentRow();
    m_recordset.ReleaseResult();
    return Found;
}

void CMasterTypeSelection::takeCurrentRow()
{
    const CDaoMasterDBase &r = m_recordset;
    Found = true;
    SelectedId = r.m_ID;
    GaugeKind = 2;
    if (r.m_Description.contains(QLatin1String("Drehzahlmesser")))
        GaugeKind = 1;
    if (r.m_Description.contains(QLatin1String("Speedometer")))
        GaugeKind = 0;
    HasLcd = r.m_LCD.contains(QLatin1String("no")) ? 0 : 1;
    OrderNumber = r.m_OrderNumber;
    Description = r.m_Description;
    Diameter = r.m_Diameter;
    OuterScaleRange = r.m_OScaleMin + QStringLiteral(" - ") + r.m_OScaleMax;
    InnerScaleRange = r.m_IScaleMin + QStringLiteral(" - ") + r.m_IScaleMax;
    SignalInput = r.m_SignalInput;
    FreqInputs = r.m_FreqInputs;
    ScaleMin = r.m_ScaleMin;
    ScaleMax = r.m_ScaleMax;
    WarnThresholdMin = r.m_WarnThresholdMin;
    WarnThresholdMax = r.m_WarnThresholdMax;
    CalculateThreshold = r.m_CalculateThreshold;
    KValueMin = r.m_KWertMin;
    KValueMax = r.m_KWertMax;
    KValueUnit = r.m_KWertUnit;
    UseMinMax = r.m_UseMinMax;
    Picture = r.PictureValue();
}

bool CMasterTypeSelection::ListRows(QVector<MasterTypeRow> &rows)
{
    rows.clear();
    if (!EnsureOpen())
        return false;
    m_recordset.m_strFilter.clear();
    // All rows in table order; only the listed columns are read.
    const bool ok = m_recordset.ReadColumns({QStringLiteral("Description"), QStringLiteral("LCD"), QStringLiteral("ID")},
                                            [&rows](const QSqlQuery &q) {
                                                rows.append({q.value(0).toString(), q.value(1).toString(),
                                                             q.value(2).toInt()});
                                            });
    if (!ok) {
        rows.clear();
        user_messages::show(m_recordset.ErrorText(), user_messages::Icon::None, user_messages::Buttons::Ok);
    }
    return ok;
}

MasterTypeInfo CMasterTypeSelection::Result() const
{
    MasterTypeInfo info;
    info.Found = Found;
    info.SelectedId = SelectedId;
    info.GaugeKind = GaugeKind;
    info.HasLcd = HasLcd;
    info.OrderNumber = OrderNumber;
    info.Description = Description;
    info.Diameter = Diameter;
    info.OuterScaleRange = OuterScaleRange;
    info.InnerScaleRange = InnerScaleRange;
    info.SignalInput = SignalInput;
    info.FreqInputs = FreqInputs;
    info.ScaleMin = ScaleMin;
    info.ScaleMax = ScaleMax;
    info.WarnThresholdMin = WarnThresholdMin;
    info.WarnThresholdMax = WarnThresholdMax;
    info.CalculateThreshold = CalculateThreshold;
    info.KValueMin = KValueMin;
    info.KValueMax = KValueMax;
    info.KValueUnit = KValueUnit;
    info.UseMinMax = UseMinMax;
    if (Found)
        info.Picture = CDaoMasterDBase::PictureToBitmap(Picture);
    return info;
}
