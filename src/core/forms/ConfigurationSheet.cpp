#include "ConfigurationSheet.h"

#include "MasterOverviewRules.h"
#include "resources/DialogTemplates.h"
#include "base/Language.h"
#include "model/ProjectDocument.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>


namespace {

// The entry of a list of the master's form template; the index itself when
// the template has no such entry.
QString listEntry(int controlId, int index)
{
    const dialog_templates::ControlTemplate *c = dialog_templates::findControl(120, controlId);
    if (c && index >= 0 && index < int(c->items.size()))
        return QString::fromUtf8(c->items.at(index));
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

}

ConfigurationSheet ConfigurationSheet::forDocument(const ProjectDocument &document, const QDateTime &printed)
{
    const ConfigRecord &c = document.config();
    ConfigurationSheet sheet;
    sheet.title = loadTranslatedString(5370);
    const QString path = document.filePath();
    sheet.fileLine = loadTranslatedString(5371).arg(path.isEmpty() ? loadTranslatedString(5378)
                                                                   : QDir::toNativeSeparators(path));
    sheet.dateLine =
        loadTranslatedString(5372).arg(Language::instance().locale().toString(printed, QLocale::LongFormat));

    sheet.masterHeading = loadTranslatedString(5373);
    sheet.picture = c.PictureBitmap;
    // The six labels of the project form, one per line.
    const QStringList labels = loadTranslatedString(50000).split(QLatin1Char('\n'));
    const QStringList values = {c.OrderNumber, c.Description, c.Diameter,
                                c.OuterScaleRange, c.InnerScaleRange, c.SignalInput};
    for (int i = 0; i < values.size(); ++i)
        sheet.masterRows << SheetRow{labels.value(i), values.at(i), QString()};

    sheet.settingsHeading = loadTranslatedString(5374);
    // The rows of the controls the master's form shows for this master type,
    // with the form's labels and the values as the form shows them.
    using namespace master_overview;
    ConfigRecord shown = c;
    clearUnshowableDisplayBits(shown);
    const ControlStates states = computeControlStates(shown, shown.DataSource);
    QList<SheetRow> &rows = sheet.settingRows;
    auto add = [&states, &rows](int control, const QString &label, const QString &value,
                                const QString &unit = QString()) {
        if (states.shown.value(control))
            rows << SheetRow{label, value, unit};
    };
    add(ids::SourceList, loadTranslatedString(50003), signalSource(shown));
    add(ids::PulseEdit, pulseFactorLabel(shown), formatPulseFactor(shown), pulseFactorUnit(shown));
    add(ids::ThresholdEdit, loadTranslatedString(50005), formatThreshold(shown.WarnThreshold),
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
    return sheet;
}

bool ConfigurationSheet::render(QPagedPaintDevice &device) const
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    int row = 0;
    bool more = true;
    bool first = true;
    while (more) {
        if (!first)
            device.newPage();
        renderPage(painter, page, row, first, more);
        first = false;
    }
    return true;
}

void ConfigurationSheet::renderPage(QPainter &painter, const QRectF &page, int &row, bool firstPage,
                                    bool &more) const
{
    // Sizes follow the page, so any printer resolution gives the same sheet.
    const qreal unit = page.width() / 100.0;
    QFont body = painter.font();
    body.setPixelSize(qMax(8, int(unit * 2.0)));
    QFont heading = body;
    heading.setBold(true);
    heading.setPixelSize(qMax(10, int(unit * 2.6)));
    QFont titleFont = heading;
    titleFont.setPixelSize(qMax(12, int(unit * 3.6)));

    qreal y = 0;
    const qreal labelWidth = page.width() * 0.38;
    const qreal valueWidth = page.width() * 0.45;
    auto line = [&](const QFont &font, const QString &text) {
        painter.setFont(font);
        const qreal h = QFontMetricsF(font, painter.device()).height();
        painter.drawText(QRectF(0, y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += h * 1.2;
    };
    auto tableRow = [&](const SheetRow &r) {
        painter.setFont(body);
        const QFontMetricsF fm(body, painter.device());
        const QRectF valueBox =
            fm.boundingRect(QRectF(0, 0, valueWidth, page.height()), Qt::TextWordWrap, r.value);
        const qreal h = qMax(fm.height(), valueBox.height());
        painter.drawText(QRectF(0, y, labelWidth, h), Qt::AlignLeft | Qt::AlignTop, r.label);
        painter.drawText(QRectF(labelWidth, y, valueWidth, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         r.value);
        painter.drawText(QRectF(labelWidth + valueWidth, y, page.width() - labelWidth - valueWidth, h),
                         Qt::AlignLeft | Qt::AlignTop, r.unit);
        y += h * 1.25;
    };

    if (firstPage) {
        line(titleFont, title);
        line(body, fileLine);
        line(body, dateLine);
        y += unit * 2;
        line(heading, masterHeading);
        if (!picture.isNull()) {
            const QSizeF size = QSizeF(picture.size()).scaled(page.width() * 0.3, page.height() * 0.2,
                                                              Qt::KeepAspectRatio);
            painter.drawImage(QRectF(QPointF(0, y), size), picture);
            y += size.height() + unit;
        }
        for (const SheetRow &r : masterRows)
            tableRow(r);
        y += unit * 2;
        line(heading, settingsHeading);
    }
    const qreal bottom = page.height();
    while (row < settingRows.size()) {
        if (y > bottom - unit * 4 && row > 0) {
            more = true;
            return;
        }
        tableRow(settingRows.at(row));
        ++row;
    }
    more = false;
}
