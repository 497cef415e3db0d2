#include "StoredFields.h"

#include <cmath>
#include <cstdint>

namespace cli {

namespace {

bool parseInt(const QString &text, int &out)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = int(v);
    return true;
}

bool parseMask(const QString &text, uint32_t &out)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qulonglong v = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toULongLong(&ok, 16)
                                                                                 : t.toULongLong(&ok, 10);
    if (!ok || v > UINT32_MAX)
        return false;
    out = uint32_t(v);
    return true;
}

bool parseDouble(const QString &text, double &out)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

// The form offers 0 %, 10 %, ... 100 % and the gauge keeps tens of percent:
// 45 would be written as 40 without a word.
bool parseIllumination(const QString &text, double &out)
{
    double v = 0;
    if (!parseDouble(text, v) || std::fmod(v, 10.0) != 0)
        return false;
    out = v;
    return true;
}

#define INT_FIELD(f)                                                                  \
    StoredField { #f, [](const ConfigRecord &c) { return QJsonValue(c.f); },             \
                  [](ConfigRecord &c, const QString &t) { return parseInt(t, c.f); } }
#define DOUBLE_FIELD(f)                                                                \
    StoredField { #f, [](const ConfigRecord &c) { return json_text::number(c.f); },      \
                  [](ConfigRecord &c, const QString &t) { return parseDouble(t, c.f); } }

}

const std::vector<StoredField> &storedFields()
{
    static const std::vector<StoredField> fields = {
        INT_FIELD(DataSource),
        DOUBLE_FIELD(KValue),
        DOUBLE_FIELD(WarnThreshold),
        INT_FIELD(WarnMode),
        INT_FIELD(DataSource2),
        DOUBLE_FIELD(MValue),
        StoredField{"DisplayMask", [](const ConfigRecord &c) { return QJsonValue(qint64(c.DisplayMask)); },
                    [](ConfigRecord &c, const QString &t) { return parseMask(t, c.DisplayMask); }},
        StoredField{"Illumination", [](const ConfigRecord &c) { return json_text::number(c.Illumination); },
                    [](ConfigRecord &c, const QString &t) { return parseIllumination(t, c.Illumination); },
                    "0, 10, 20 ... 100 (percent)"},
        INT_FIELD(DistanceUnit),
        INT_FIELD(TemperatureUnit),
        INT_FIELD(TimeFormat),
        INT_FIELD(DepthUnit),
        INT_FIELD(MasterId),
        INT_FIELD(BuzzerActive),
    };
    return fields;
}

void addStoredFields(QJsonObject &json, const ConfigRecord &record)
{
    for (const StoredField &f : storedFields())
        json.insert(QString::fromLatin1(f.name), f.get(record));
}

}
