#include "MasterTypeSelection.h"

#include "base/UserMessages.h"

void MasterTypeSelection::showError() const
{
    user_messages::show(m_recordset.ErrorText());
}

bool MasterTypeSelection::EnsureOpen()
{
    if (m_recordset.IsOpen())
        return true;
    m_recordset.m_strFilter.clear();
    m_recordset.m_strSort.clear();
    if (m_recordset.Open())
        return true;
    showError();
    return false;
}

bool MasterTypeSelection::FetchById(long key)
{
    if (!EnsureOpen())
        return Results.Found;
    m_recordset.SetFilterById(key);
    if (!m_recordset.Requery()) {
        showError();
        return Results.Found;
    }
    if (m_recordset.IsBOF() && m_recordset.IsEOF())
        return Results.Found;
    m_recordset.MoveFirst();
    takeCurrentRow();
    m_recordset.ReleaseResult();
    return Results.Found;
}

void MasterTypeSelection::takeCurrentRow()
{
    const MasterTypeRecordset &r = m_recordset;
    Results.Found = true;
    Results.SelectedId = r.m_ID;
    Results.GaugeKind = 2;
    if (r.m_Description.contains(QLatin1String("Drehzahlmesser")))
        Results.GaugeKind = 1;
    if (r.m_Description.contains(QLatin1String("Speedometer")))
        Results.GaugeKind = 0;
    Results.HasLcd = r.m_LCD.contains(QLatin1String("no")) ? 0 : 1;
    Results.OrderNumber = r.m_OrderNumber;
    Results.Description = r.m_Description;
    Results.Diameter = r.m_Diameter;
    Results.OuterScaleRange = r.m_OScaleMin + QStringLiteral(" - ") + r.m_OScaleMax;
    Results.InnerScaleRange = r.m_IScaleMin + QStringLiteral(" - ") + r.m_IScaleMax;
    Results.SignalInput = r.m_SignalInput;
    Results.FreqInputs = r.m_FreqInputs;
    Results.ScaleMin = r.m_ScaleMin;
    Results.ScaleMax = r.m_ScaleMax;
    Results.WarnThresholdMin = r.m_WarnThresholdMin;
    Results.WarnThresholdMax = r.m_WarnThresholdMax;
    Results.CalculateThreshold = r.m_CalculateThreshold;
    Results.KValueMin = r.m_KWertMin;
    Results.KValueMax = r.m_KWertMax;
    Results.KValueUnit = r.m_KWertUnit;
    Results.UseMinMax = r.m_UseMinMax;
    Picture = r.PictureValue();
}

bool MasterTypeSelection::ListRows(QVector<MasterTypeRow> &rows)
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
        showError();
    }
    return ok;
}

MasterTypeInfo MasterTypeSelection::Result() const
{
    MasterTypeInfo info = Results;
    if (info.Found)
        info.Picture = MasterTypeRecordset::PictureToBitmap(Picture);
    return info;
}
