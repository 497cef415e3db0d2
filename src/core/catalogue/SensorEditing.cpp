#include "SensorEditing.h"

#include "AccessFile.h"
#include "base/Language.h"
#include "model/SensorGroups.h"
#include "model/TypedNumber.h"
#include "model/ValueList.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace sensor_editing {

void takeColumns(const QString &xValues, const QString &yValues, SensorDefinition &definition)
{
    const QVector<double> x = value_list::readNumbers(xValues, SensorDefinition::Points);
    const QVector<double> y = value_list::readNumbers(yValues, SensorDefinition::Points);
    definition.Count = int(std::min(x.size(), y.size()));
    for (int i = 0; i < definition.Count; ++i) {
        definition.XColumn[size_t(i)] = x[i];
        definition.YColumn[size_t(i)] = y[i];
    }
}

QString refusal(const SensorDefinition &definition)
{
    const int n = qBound(0, definition.Count, int(SensorDefinition::Points));
    for (int i = 0; i < n; ++i) {
        const double x = definition.XColumn[size_t(i)];
        const double y = definition.YColumn[size_t(i)];
        if (!std::isfinite(x))
            return loadTranslatedString(5626).arg(loadTranslatedString(5627).arg(i + 1), QString::number(x));
        if (!std::isfinite(y))
            return loadTranslatedString(5626).arg(loadTranslatedString(5628).arg(i + 1), QString::number(y));
    }
    const auto &y = definition.YColumn;
    if (std::all_of(y.cbegin(), y.cbegin() + n, [&](double v) { return v == y.front(); }))
        return loadTranslatedString(5631);
    return QString();
}

void sortByY(SensorDefinition &definition)
{
    auto &x = definition.XColumn;
    auto &y = definition.YColumn;
    const size_t n = size_t(qBound(0, definition.Count, int(SensorDefinition::Points)));
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < n; ++i) {
            if (y[i] > y[i + 1]) {
                std::swap(x[i], x[i + 1]);
                std::swap(y[i], y[i + 1]);
                swapped = true;
            }
        }
    }
}

bool parseValueList(const QString &text, int maxCount, QVector<double> &values, QString *reason)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QStringList entries = text.split(separators, Qt::SkipEmptyParts);
    if (entries.size() > maxCount) {
        *reason = loadTranslatedString(5634).arg(entries.size());
        return false;
    }
    values.clear();
    for (const QString &entry : entries) {
        const TypedNumber number = parseTypedNumber(entry);
        if (number.status != TypedNumber::Ok || !std::isfinite(number.value)) {
            *reason = loadTranslatedString(5633).arg(entry);
            return false;
        }
        values.append(number.value);
    }
    return true;
}

bool definitionFromPoints(const QVector<double> &x, const QVector<double> &y, SensorDefinition &definition,
                          QString *reason)
{
    if (x.size() != y.size()) {
        *reason = loadTranslatedString(5635).arg(x.size()).arg(y.size());
        return false;
    }
    if (x.isEmpty()) {
        *reason = loadTranslatedString(5636);
        return false;
    }
    if (x.size() > SensorDefinition::Points) {
        *reason = loadTranslatedString(5634).arg(x.size());
        return false;
    }
    definition.XColumn = {};
    definition.YColumn = {};
    // The window's x column holds the electrical value, its y column the quantity.
    for (int i = 0; i < x.size(); ++i) {
        definition.YColumn[size_t(i)] = x[i];
        definition.XColumn[size_t(i)] = y[i];
    }
    definition.Count = int(x.size());
    return true;
}

UserSensors::UserSensors(const QString &path)
    : m_table(true)
{
    m_table.setDatabasePath(path);
}

Result UserSensors::failure()
{
    // A file that cannot hold sensors at all is the caller's input; an engine
    // that refuses (a locked or read-only file) is a failed operation.
    const bool badInput = m_table.badFile() || access_file::isAccessPath(m_table.databasePath());
    return {badInput ? Outcome::BadInput : Outcome::Failed, m_table.errorText(), 0};
}

Result UserSensors::open()
{
    if (m_table.isOpen() || m_table.open())
        return {Outcome::Done, QString(), 0};
    return failure();
}

Result UserSensors::locate(int id)
{
    Result r = open();
    if (r.outcome != Outcome::Done)
        return r;
    m_table.setFilterById(id);
    if (!m_table.requery())
        return failure();
    if (m_table.isBOF() && m_table.isEOF())
        return {Outcome::NotFound, loadTranslatedString(5638).arg(id), 0};
    m_table.moveFirst();
    if (m_table.m_Gruppe != sensor_groups::groupText(sensor_groups::UserDefined))
        return {Outcome::BadInput, loadTranslatedString(5637).arg(id).arg(m_table.m_Gruppe), 0};
    return r;
}

Result UserSensors::add(const SensorDefinition &definition)
{
    const QString refused = refusal(definition);
    if (!refused.isEmpty())
        return {Outcome::BadInput, refused, 0};
    Result r = open();
    if (r.outcome != Outcome::Done)
        return r;
    m_table.releaseResult();
    m_table.addNew();
    SensorSelection::storeDefinition(definition, m_table);
    if (!m_table.update())
        return failure();
    r.id = m_table.lastAddedId();
    return r;
}

Result UserSensors::find(int id, SensorDefinition &definition)
{
    const Result r = locate(id);
    if (r.outcome != Outcome::Done)
        return r;
    definition = SensorDefinition();
    definition.Name = m_table.m_Name;
    definition.XUnit = m_table.m_DimensionY;
    definition.YUnit = m_table.m_DimensionX;
    takeColumns(m_table.m_YWerte, m_table.m_XWerte, definition);
    return r;
}

Result UserSensors::change(int id, const SensorDefinition &definition)
{
    const QString refused = refusal(definition);
    if (!refused.isEmpty())
        return {Outcome::BadInput, refused, 0};
    Result r = locate(id);
    if (r.outcome != Outcome::Done)
        return r;
    m_table.edit();
    m_table.releaseResult();
    SensorSelection::storeDefinition(definition, m_table);
    if (!m_table.update())
        return failure();
    r.id = id;
    return r;
}

Result UserSensors::remove(int id)
{
    Result r = locate(id);
    if (r.outcome != Outcome::Done)
        return r;
    if (!m_table.remove())
        return failure();
    r.id = id;
    return r;
}

}
