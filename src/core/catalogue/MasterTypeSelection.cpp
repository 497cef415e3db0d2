#include "MasterTypeSelection.h"

#include "base/UserMessages.h"

void MasterTypeSelection::showError() const
{
    user_messages::show(m_recordset.errorText());
}

bool MasterTypeSelection::ensureOpen()
{
    if (m_recordset.isOpen())
        return true;
    m_recordset.m_filter.clear();
    m_recordset.m_sort.clear();
    if (m_recordset.open())
        return true;
    showError();
    return false;
}

bool MasterTypeSelection::fetchById(long key)
{
    if (!ensureOpen())
        return Results.Found;
    m_recordset.setFilterById(key);
    if (!m_recordset.requery()) {
        showError();
        return Results.Found;
    }
    if (m_recordset.isBOF() && m_recordset.isEOF())
        return Results.Found;
    m_recordset.moveFirst();
    takeCurrentRow();
    m_recordset.releaseResult();
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
    Picture = r.pictureValue();
}

bool MasterTypeSelection::listRows(QVector<MasterTypeRow> &rows)
{
    rows.clear();
    if (!ensureOpen())
        return false;
    m_recordset.m_filter.clear();
    // All rows in table order; only the listed columns are read.
    const bool ok = m_recordset.readColumns({QStringLiteral("Description"), QStringLiteral("LCD"), QStringLiteral("ID"),
                                             QStringLiteral("OrderNumber")},
                                            [&rows](const QSqlQuery &q) {
                                                rows.append({q.value(0).toString(), q.value(1).toString(),
                                                             q.value(2).toInt(), q.value(3).toString()});
                                            });
    if (!ok) {
        rows.clear();
        showError();
    }
    return ok;
}

QHash<int, QString> MasterTypeSelection::descriptionsOf(const QList<int> &keys)
{
    QHash<int, QString> names;
    if (!m_recordset.isOpen() && !m_recordset.open())
        return names;
    for (int key : keys) {
        m_recordset.setFilterById(key);
        m_recordset.readColumns({QStringLiteral("Description")},
                                [&](const QSqlQuery &q) { names.insert(key, q.value(0).toString()); });
    }
    m_recordset.m_filter.clear();
    return names;
}

MasterTypeInfo MasterTypeSelection::result() const
{
    MasterTypeInfo info = Results;
    if (info.Found)
        info.Picture = MasterTypeRecordset::pictureToBitmap(Picture);
    return info;
}
