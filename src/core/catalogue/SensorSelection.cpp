#include "SensorSelection.h"
#include "SensorEditing.h"

#include "CatalogueAddress.h"

#include "base/UserMessages.h"
#include "model/SensorCurve.h"
#include "model/SensorGroups.h"
#include "model/ValueList.h"

SensorSelection::SensorSelection()
    : m_standard(false), m_user(true)
{
}

static void showError(const SensorRecordset &record)
{
    user_messages::show(record.errorText(), user_messages::Icon::None, user_messages::Buttons::Ok);
}

bool SensorSelection::ensureOpen()
{
    for (SensorRecordset *r : {&m_standard, &m_user}) {
        if (r->isOpen())
            continue;
        r->m_sort = QStringLiteral("[Bestellnummer] ASC");
        r->m_filter.clear();
        if (!r->open()) {
            showError(*r);
            return false;
        }
    }
    return true;
}

bool SensorSelection::canChange(int type)
{
    return type == sensor_groups::UserDefined;
}

QVector<SensorListRow> SensorSelection::fillList()
{
    QVector<SensorListRow> rows;
    const QString label = sensor_groups::label(Type);
    if (!ensureOpen())
        return rows;
    for (SensorRecordset *r : {&m_standard, &m_user}) {
        r->m_filter = sensor_groups::filter(Type);
        r->m_sort = QStringLiteral("[Bestellnummer] ASC");
        if (!r->requery()) {
            showError(*r);
            return rows;
        }
    }
    const bool oneDatabase = catalogue_address::sameDatabase(m_standard.databasePath(), m_user.databasePath());
    for (SensorRecordset *r : {&m_standard, &m_user}) {
        if (oneDatabase && r == &m_user)
            break;
        if (!(r->isBOF() && r->isEOF()))
            r->moveFirst();
        while (!r->isEOF()) {
            const bool user = oneDatabase ? isUserRow(*r) : r->isUserDatabase();
            if (rows.isEmpty()) {
                UnitX = r->m_DimensionX;
                UnitY = r->m_DimensionY;
            }
            SensorListRow row;
            row.OrderNumber = r->m_Bestellnummer;
            row.TypeLabel = label;
            row.Name = r->m_Name;
            row.Ranges = SensorCurve::formatRanges(r->m_BeginX, r->m_EndX, r->m_DimensionX, r->m_YMin, r->m_YMax,
                                                   r->m_DimensionY);
            row.RecordId = r->m_id;
            row.FromUserDatabase = user;
            row.RowKey = user ? r->m_id + UserKeyOffset : r->m_id;
            rows.append(row);
            r->moveNext();
        }
    }
    return rows;
}

bool SensorSelection::isUserRow(const SensorRecordset &record)
{
    return sensor_groups::indexOf(record.m_Gruppe) == sensor_groups::UserDefined;
}

SensorRecordset *SensorSelection::locate(const SensorListRow &row)
{
    m_rowGone = false;
    if (!m_standard.isOpen() || !m_user.isOpen())
        return nullptr;
    SensorRecordset *r = row.FromUserDatabase ? &m_user : &m_standard;
    r->setFilterById(row.RecordId);
    if (!r->requery()) {
        showError(*r);
        return nullptr;
    }
    m_rowGone = r->isBOF() && r->isEOF();
    if (m_rowGone)
        return nullptr;
    r->moveFirst();
    return r;
}

void SensorSelection::releaseResults()
{
    // The row is in the members; a result left open would lock the database
    // against other programs while the list or a window stays open.
    m_standard.releaseResult();
    m_user.releaseResult();
}

void SensorSelection::takeResults(const SensorRecordset &record)
{
    UnitX = record.m_DimensionX;
    UnitY = record.m_DimensionY;
    Group = record.m_Gruppe;
    OrderNumber = record.m_Bestellnummer;
    Name = record.m_Name;
    YValues = record.m_YWerte;
    XValues = record.m_XWerte;
    BeginX = record.m_BeginX;
    EndX = record.m_EndX;
    YMin = record.m_YMin;
    YMax = record.m_YMax;
}

bool SensorSelection::take(const SensorListRow &row)
{
    SensorRecordset *r = locate(row);
    if (!r)
        return false;
    takeResults(*r);
    releaseResults();
    Taken = true;
    return true;
}

SensorDefinition SensorSelection::newDefinition() const
{
    SensorDefinition d;
    d.XUnit = UnitY;
    d.YUnit = UnitX;
    return d;
}

void SensorSelection::storeDefinition(const SensorDefinition &definition, SensorRecordset &record)
{
    record.m_Gruppe = sensor_groups::groupText(sensor_groups::UserDefined);
    record.m_Bestellnummer.clear();
    record.m_Name = definition.Name;
    record.m_DimensionY = definition.XUnit;
    record.m_DimensionX = definition.YUnit;

    const int n = qBound(0, definition.Count, int(SensorDefinition::Points));
    std::array<double, SensorDefinition::Points> x = definition.YColumn;
    std::array<double, SensorDefinition::Points> y = definition.XColumn;
    double minX = 1e30, maxX = -1e30, minY = 1e30, maxY = -1e30;
    for (int i = 0; i < n; ++i) {
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    record.m_BeginX = minX;
    record.m_EndX = maxX;
    record.m_YMin = minY;
    record.m_YMax = maxY;

    // Neighbours change places only when the later X is strictly smaller, so
    // pairs with equal X keep their order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < n; ++i) {
            if (x[i + 1] < x[i]) {
                std::swap(x[i], x[i + 1]);
                std::swap(y[i], y[i + 1]);
                swapped = true;
            }
        }
    }
    record.m_XWerte = value_list::format(QVector<double>(x.begin(), x.begin() + n));
    record.m_YWerte = value_list::format(QVector<double>(y.begin(), y.begin() + n));
}

bool SensorSelection::write(SensorRecordset &record, bool ok)
{
    if (!ok || !record.update()) {
        showError(record);
        return false;
    }
    return true;
}

bool SensorSelection::addSensor(const SensorDefinition &definition)
{
    if (!ensureOpen())
        return false;
    // A read running on the other connection would keep the file locked.
    releaseResults();
    m_user.addNew();
    storeDefinition(definition, m_user);
    return write(m_user, true);
}

bool SensorSelection::prepareChange(const SensorListRow &row, SensorDefinition &definition)
{
    SensorRecordset *r = locate(row);
    if (!r)
        return false;
    takeResults(*r);
    m_preparedVersion = r->storedVersion();
    releaseResults();
    definition = SensorDefinition();
    definition.XUnit = UnitY;
    definition.YUnit = UnitX;
    definition.Name = r->m_Name;
    sensor_editing::takeColumns(YValues, XValues, definition);
    return true;
}

bool SensorSelection::changeSensor(const SensorListRow &row, const SensorDefinition &definition)
{
    SensorRecordset *r = locate(row);
    if (!r)
        return false;
    const bool editing = r->edit();
    // Checked against what the definition window showed, not against the
    // record as it is now.
    r->setExpectedVersion(m_preparedVersion);
    releaseResults();
    if (editing)
        storeDefinition(definition, *r);
    const bool ok = write(*r, editing);
    m_changedElsewhere = !ok && r->changedElsewhere();
    return ok;
}

bool SensorSelection::deleteSensor(const SensorListRow &row)
{
    SensorRecordset *r = locate(row);
    if (!r)
        return false;
    releaseResults();
    if (!r->remove()) {
        showError(*r);
        return false;
    }
    return true;
}

void SensorSelection::close()
{
    m_standard.close();
    m_user.close();
}
