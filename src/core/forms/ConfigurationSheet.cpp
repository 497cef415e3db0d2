#include "ConfigurationSheet.h"

#include "MasterOverviewRules.h"
#include "base/Language.h"
#include "base/LocalDates.h"
#include "model/ProjectDocument.h"
#include "resources/DialogTemplates.h"
#include "resources/UntaggedTexts.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace {

// The entry of a list of the master's form template; the index itself when
// the template has no such entry.
QString listEntry(int controlId, int index)
{
    const dialog_templates::ControlTemplate *c = dialog_templates::findControl(120, controlId);
    if (c && index >= 0 && index < int(c->items.size()))
        return untagged_texts::translated(QString::fromUtf8(c->items.at(index)));
    return QString::number(index);
}

// The source the record names; any other value reads as the first one.
QString signalSource(const ConfigRecord &c)
{
    const QVector<master_overview::SignalSource> sources = master_overview::signalSources(c);
    return sources.value(c.DataSource, sources.first()).name;
}

QString displayItems(const ConfigRecord &c)
{
    const std::pair<uint32_t, QString> items[] = {
        {display_bits::EngineHours, loadTranslatedString(50042)},
        {display_bits::TripHours, loadTranslatedString(50043)},
        {display_bits::Clock, loadTranslatedString(50044)},
        {display_bits::WaterTemperature, loadTranslatedString(50045)},
        {display_bits::Volt, loadTranslatedString(50046)},
        {display_bits::OdoTotal, loadTranslatedString(50047)},
        {display_bits::TripDistance, loadTranslatedString(50048)},
        {display_bits::Depth, loadTranslatedString(50049)},
    };
    QStringList shown;
    for (const auto &[bit, text] : items) {
        if (c.testDisplayBit(bit))
            shown << text;
    }
    return shown.isEmpty() ? QStringLiteral("-") : shown.join(QStringLiteral(", "));
}

// A row the form shows for this master type: its control shown and enabled.
bool formShows(const master_overview::ControlStates &states, int control)
{
    return states.shown.value(control) && states.enabled.value(control, true);
}

// Date and time of printing in local time, as the chosen language writes them.
QString printedText(const QDateTime &printed)
{
    const QLocale locale = local_dates::locale();
    const QDateTime local = printed.toLocalTime();
    return locale.toString(local.date(), QLocale::LongFormat) + QStringLiteral(", ")
        + locale.toString(local.time(), QLocale::ShortFormat);
}

QList<SheetRow> jobRowsOf(const SheetJob &job)
{
    return {{loadTranslatedString(6200), job.customer, QString()},
            {loadTranslatedString(6201), job.vessel, QString()},
            {loadTranslatedString(6202), job.serialNumber, QString()},
            {loadTranslatedString(6203), job.technician, QString()},
            {loadTranslatedString(6204), job.notes, QString()}};
}

QList<SheetRow> settingRowsOf(const ConfigRecord &c)
{
    // The rows of the controls the master's form shows enabled for this
    // master type, with the form's labels, the values as the form shows them
    // and a unit only where the form shows one.
    using namespace master_overview;
    // Without a master type the program shows no form: no setting to list.
    if (c.MasterId == -1)
        return {};
    ConfigRecord shown = c;
    clearUnshowableDisplayBits(shown);
    const ControlStates states = computeControlStates(shown, shown.DataSource);
    QList<SheetRow> rows;
    auto add = [&states, &rows](int control, const QString &label, const QString &value, int unitControl = 0,
                                const QString &unit = QString()) {
        if (formShows(states, control))
            rows << SheetRow{label, value, unitControl && formShows(states, unitControl) ? unit : QString()};
    };
    add(ids::SourceList, loadTranslatedString(50003), signalSource(shown));
    add(ids::PulseEdit, pulseFactorLabel(shown), formatPulseFactor(shown), ids::PulseUnit, pulseFactorUnit(shown));
    add(ids::ThresholdEdit, loadTranslatedString(50005), formatThreshold(shown.WarnThreshold), ids::ThresholdUnit,
        thresholdUnitText(shown));
    add(ids::WarnModeList, loadTranslatedString(50006),
        shown.WarnMode == 1 ? loadTranslatedString(1122) : loadTranslatedString(1123));
    add(ids::Source2List, loadTranslatedString(50017), listEntry(ids::Source2List, shown.DataSource2));
    const double illumination = shown.Illumination / 10.0;
    add(ids::IlluminationList, loadTranslatedString(50008),
        std::isfinite(illumination) && std::fabs(illumination) < 1000
            ? listEntry(ids::IlluminationList, static_cast<int>(illumination))
            : QStringLiteral("-"));
    add(ids::DistanceList, loadTranslatedString(50010), listEntry(ids::DistanceList, shown.DistanceUnit));
    add(ids::TemperatureList, loadTranslatedString(50011), listEntry(ids::TemperatureList, shown.TemperatureUnit));
    add(ids::TimeList, loadTranslatedString(50012), listEntry(ids::TimeList, shown.TimeFormat));
    add(ids::DepthList, loadTranslatedString(50013), listEntry(ids::DepthList, shown.DepthUnit));
    add(ids::DisplayLabel, loadTranslatedString(50041), displayItems(shown));
    return rows;
}

// An input whose calibration holds any value: one the technician worked on.
bool holdsValues(const InputCalibration &c)
{
    const int rows = qBound(0, c.supportPointCount, InputCalibration::Rows);
    for (int i = 0; i < rows; ++i) {
        const size_t r = size_t(i);
        if (c.resistance[r] != 0 || c.quantity[r] != 0 || c.displayValue[r] != 0 || c.pointerAngle[r] != 0)
            return true;
    }
    return false;
}

}

ConfigurationSheet ConfigurationSheet::forRecord(const ConfigRecord &c, const QString &projectPath,
                                                 const QDateTime &printed, const SheetJob &job)
{
    ConfigurationSheet sheet;
    sheet.title = loadTranslatedString(5370);
    // The customer gets the file's name; where it lay on the technician's
    // machine is none of the sheet's business.
    sheet.fileLine = loadTranslatedString(5371).arg(projectPath.isEmpty() ? loadTranslatedString(5378)
                                                                          : QFileInfo(projectPath).fileName());
    sheet.dateLine = loadTranslatedString(5372).arg(printedText(printed));
    sheet.jobHeading = loadTranslatedString(6205);
    sheet.jobRows = jobRowsOf(job);
    sheet.technician = job.technician;
    sheet.program = QStringLiteral("Skaleron " SKALERON_VERSION);
    sheet.calibrationColumns = QStringList{loadTranslatedString(6210), loadTranslatedString(6211),
                                           loadTranslatedString(6212), loadTranslatedString(6213)};
    sheet.dateLabel = loadTranslatedString(6207);
    sheet.signatureLabel = loadTranslatedString(6208);
    sheet.pageFormat = loadTranslatedString(6206);

    sheet.masterHeading = loadTranslatedString(5373);
    sheet.picture = c.PictureBitmap;
    // The six labels of the project form, one per line.
    const QStringList labels = loadTranslatedString(50000).split(QLatin1Char('\n'));
    const QStringList values = {c.OrderNumber, c.Description, c.Diameter,
                                c.OuterScaleRange, c.InnerScaleRange, c.SignalInput};
    for (int i = 0; i < values.size(); ++i)
        sheet.masterRows << SheetRow{labels.value(i), values.at(i), QString()};

    sheet.settingsHeading = loadTranslatedString(5374);
    sheet.settingRows = settingRowsOf(c);
    return sheet;
}

ConfigurationSheet ConfigurationSheet::forDocument(const ProjectDocument &document, const QDateTime &printed,
                                                   const SheetJob &job, bool withCalibration)
{
    ConfigurationSheet sheet = forRecord(document.config(), document.filePath(), printed, job);
    if (!withCalibration)
        return sheet;
    for (int input = 0; input < ProjectDocument::InputCount; ++input) {
        const InputCalibration *c = document.calibration(input);
        if (!c || !holdsValues(*c))
            continue;
        const QString name = loadTranslatedString(5600).arg(input + 1) + loadTranslatedString(5601 + input);
        sheet.calibrations << SheetCalibration{loadTranslatedString(6209).arg(name), c->quantityUnit, *c};
    }
    return sheet;
}
