#include "RecordComparison.h"

#include "MasterOverviewRules.h"
#include "resources/DialogTemplates.h"
#include "resources/UntaggedTexts.h"
#include "base/Language.h"

#include <QLocale>
#include <cmath>
#include <functional>
#include <vector>

namespace record_comparison {

namespace {

constexpr int FormTemplate = 120;

// A control's text as the form shows it: its template text, translated by
// its tag or, for the form's few untagged texts, by the text itself.
QString templateText(int controlId)
{
    const dialog_templates::ControlTemplate *control = dialog_templates::findControl(FormTemplate, controlId);
    if (!control)
        return QString();
    const QString text = QString::fromUtf8(control->text);
    const int tag = Language::tagNumber(text);
    QString translated;
    if (tag > 0 && Language::instance().loadTranslatedString(tag + TranslationOffset, translated) > 0)
        return translated;
    return untagged_texts::translated(text);
}

QString withoutColon(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString number(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

// The list entry a value selects, or the value itself when the list has no
// such entry (the form then shows none).
QString entryOf(const QStringList &entries, double index)
{
    if (index >= 0 && index < entries.size() && index == std::floor(index))
        return entries.at(int(index));
    return number(index);
}

QStringList templateEntries(int controlId)
{
    QStringList entries;
    if (const dialog_templates::ControlTemplate *control = dialog_templates::findControl(FormTemplate, controlId)) {
        for (const char *item : control->items)
            entries << untagged_texts::translated(QString::fromUtf8(item));
    }
    return entries;
}

QString onOff(double value) { return loadTranslatedString(value != 0 ? 5782 : 5783); }

QString pulseLabel(const ConfigRecord &c)
{
    return loadTranslatedString(c.isSpeedometer() || c.isSumlog() ? 1125 : 1127);
}

QString masterTypeText(const ConfigRecord &c)
{
    if (!c.Description.isEmpty())
        return c.Description;
    return c.MasterId == -1 ? loadTranslatedString(5781) : number(c.MasterId);
}

using record_check::PulseFactorField;
using record_check::pulseFactorFieldOf;

struct Row
{
    const char *field;
    int control; // whose state tells whether the type uses the field; 0: always used
    std::function<QString(const ConfigRecord &)> label;
    std::function<double(const ConfigRecord &)> value;
    std::function<QString(const ConfigRecord &)> shown;
    // Further condition for the type to use the field (the pulse factor's
    // edit carries KValue or MValue).
    std::function<bool(const ConfigRecord &)> applies;
};

std::function<QString(const ConfigRecord &)> fixedLabel(int controlId)
{
    return [controlId](const ConfigRecord &) { return templateText(controlId); };
}

std::function<QString(const ConfigRecord &)> listShown(int controlId, std::function<double(const ConfigRecord &)> value)
{
    return [controlId, value](const ConfigRecord &c) { return entryOf(templateEntries(controlId), value(c)); };
}

Row pulseRow(const char *field, PulseFactorField kind, double ConfigRecord::*member)
{
    const bool mValue = kind == PulseFactorField::MValue;
    return {field, master_overview::ids::PulseEdit, pulseLabel, [member](const ConfigRecord &c) { return c.*member; },
            [member, mValue](const ConfigRecord &c) {
                const bool formField = (pulseFactorFieldOf(c) == PulseFactorField::MValue) == mValue;
                return formField ? master_overview::formatPulseFactor(c) : number(c.*member);
            },
            [mValue](const ConfigRecord &c) {
                return (pulseFactorFieldOf(c) == PulseFactorField::MValue) == mValue;
            }};
}

// The stored fields in the form's order, each with how the form shows it.
const std::vector<Row> &rows()
{
    using namespace master_overview::ids;
    static const std::vector<Row> list = [] {
        std::vector<Row> r;
        const auto intValue = [](int ConfigRecord::*member) {
            return [member](const ConfigRecord &c) { return double(c.*member); };
        };
        r.push_back({"MasterId", 0, [](const ConfigRecord &) { return loadTranslatedString(5780); },
                     intValue(&ConfigRecord::MasterId), masterTypeText, nullptr});
        r.push_back({"DataSource", SourceList, fixedLabel(SourceLabel), intValue(&ConfigRecord::DataSource),
                     [](const ConfigRecord &c) {
                         QStringList names;
                         for (const master_overview::SignalSource &s : master_overview::signalSources(c))
                             names << s.name;
                         return entryOf(names, c.DataSource);
                     },
                     nullptr});
        r.push_back(pulseRow("KValue", PulseFactorField::PlainKValue, &ConfigRecord::KValue));
        r.push_back(pulseRow("MValue", PulseFactorField::MValue, &ConfigRecord::MValue));
        r.push_back({"WarnThreshold", ThresholdEdit, fixedLabel(ThresholdLabel),
                     [](const ConfigRecord &c) { return c.WarnThreshold; },
                     [](const ConfigRecord &c) { return master_overview::formatThreshold(c.WarnThreshold); }, nullptr});
        r.push_back({"WarnMode", WarnModeList, fixedLabel(WarnModeLabel), intValue(&ConfigRecord::WarnMode),
                     [](const ConfigRecord &c) {
                         return entryOf({loadTranslatedString(1123), loadTranslatedString(1122)}, c.WarnMode);
                     },
                     nullptr});
        r.push_back({"BuzzerActive", Buzzer, fixedLabel(Buzzer), intValue(&ConfigRecord::BuzzerActive),
                     [](const ConfigRecord &c) { return onOff(c.BuzzerActive); }, nullptr});
        r.push_back({"DataSource2", Source2List, fixedLabel(Source2Label), intValue(&ConfigRecord::DataSource2),
                     listShown(Source2List, intValue(&ConfigRecord::DataSource2)), nullptr});
        for (const master_overview::DisplayItem &item : master_overview::displayItems()) {
            const uint32_t bit = item.bit;
            r.push_back({"DisplayMask", item.controlId, fixedLabel(item.controlId),
                         [bit](const ConfigRecord &c) { return c.testDisplayBit(bit) ? 1.0 : 0.0; },
                         [bit](const ConfigRecord &c) { return onOff(c.testDisplayBit(bit)); }, nullptr});
        }
        r.push_back({"Illumination", IlluminationList, fixedLabel(IlluminationLabel),
                     [](const ConfigRecord &c) { return c.Illumination; },
                     [](const ConfigRecord &c) {
                         const QStringList entries = templateEntries(IlluminationList);
                         const double index = c.Illumination / 10.0;
                         return index == std::floor(index) && index >= 0 && index < entries.size()
                                    ? entries.at(int(index))
                                    : number(c.Illumination) + QStringLiteral(" %");
                     },
                     nullptr});
        const struct
        {
            const char *field;
            int list;
            int label;
            int ConfigRecord::*member;
        } units[] = {
            {"DistanceUnit", DistanceList, DistanceLabel, &ConfigRecord::DistanceUnit},
            {"TemperatureUnit", TemperatureList, TemperatureLabel, &ConfigRecord::TemperatureUnit},
            {"TimeFormat", TimeList, TimeLabel, &ConfigRecord::TimeFormat},
            {"DepthUnit", DepthList, DepthLabel, &ConfigRecord::DepthUnit},
        };
        for (const auto &u : units)
            r.push_back({u.field, u.list, fixedLabel(u.label), intValue(u.member),
                         listShown(u.list, intValue(u.member)), nullptr});
        return r;
    }();
    return list;
}

// Which rows the record's master type uses: those whose control the form
// shows and lets be changed.
std::vector<bool> usedRows(const ConfigRecord &c)
{
    const std::vector<Row> &all = rows();
    std::vector<bool> used(all.size(), true);
    // A master type that is not known: no rule says what it leaves out.
    if (c.Description.isEmpty())
        return used;
    const master_overview::ControlStates states = master_overview::computeControlStates(c, c.DataSource);
    for (size_t i = 0; i < all.size(); ++i) {
        const Row &row = all[i];
        used[i] = (!row.applies || row.applies(c))
                  && (row.control == 0
                      || (states.shown.value(row.control, true) && states.enabled.value(row.control, true)));
    }
    return used;
}

bool sameValue(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}

QVector<FieldDifference> compareRecords(const ConfigRecord &a, const ConfigRecord &b)
{
    const std::vector<Row> &all = rows();
    const std::vector<bool> usedByA = usedRows(a);
    const std::vector<bool> usedByB = usedRows(b);
    QVector<FieldDifference> differences;
    for (size_t i = 0; i < all.size(); ++i) {
        const Row &row = all[i];
        if (!(usedByA[i] || usedByB[i]) || sameValue(row.value(a), row.value(b)))
            continue;
        FieldDifference d{QString::fromLatin1(row.field), withoutColon(row.label(usedByA[i] ? a : b)), row.shown(a),
                          row.shown(b)};
        if (d.a == d.b) {
            d.a = number(row.value(a));
            d.b = number(row.value(b));
        }
        differences << d;
    }
    return differences;
}

QString fieldLabel(const ConfigRecord &config, const QString &field)
{
    for (const Row &row : rows()) {
        if (field == QLatin1String(row.field) && (!row.applies || row.applies(config)))
            return withoutColon(row.label(config));
    }
    return field;
}

}
