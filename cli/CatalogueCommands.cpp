// skaleron-cli catalogue list|show|sensors|import: the master type and sensor
// catalogues without the desktop program.
#include "CliCommand.h"
#include "CommandLine.h"
#include "JsonText.h"

#include "base/UserMessages.h"
#include "catalogue/MasterTypeSelection.h"
#include "catalogue/SensorSelection.h"
#include "catalogue/CatalogueImport.h"
#include "model/ConfigRecord.h"
#include "model/SensorCurve.h"
#include "model/SensorGroups.h"

#include <cstdio>
#include <limits>

namespace {

// Collects what the catalogue would show in message boxes, so that a failure
// ends in one line on stderr.
class MessageCollector : public user_messages::Sink
{
public:
    MessageCollector() : m_previous(user_messages::setSink(this)) {}
    ~MessageCollector() override { user_messages::setSink(m_previous); }
    user_messages::Answer show(const user_messages::Message &message) override
    {
        m_texts << message.text;
        return user_messages::Answer::Ok;
    }
    QString text(const QString &fallback) const { return m_texts.isEmpty() ? fallback : m_texts.join(QLatin1Char(' ')); }

private:
    QStringList m_texts;
    user_messages::Sink *m_previous;
};

struct Arguments
{
    QStringList positional;
    QString db;
    bool json = false;
    bool replace = false;
};

const cli::Option dbOption{"db", "PATH", "The catalogue: a file or a postgresql:// address (default: the settings')."};

const cli::CommandHelp listHelp{"catalogue list", "catalogue list [--db PATH] [--json]",
                                "Lists the master types: key, description, LCD, link family.",
                                {dbOption, {"json", nullptr, "Print a JSON list."}}, "catalogue list --json"};
const cli::CommandHelp showHelp{"catalogue show", "catalogue show ID [--db PATH] [--json]",
                                "Shows one master type with all its properties.",
                                {dbOption, {"json", nullptr, "Print the properties as JSON."}}, "catalogue show 1"};
const cli::CommandHelp sensorsHelp{"catalogue sensors", "catalogue sensors GROUP [--db PATH] [--json]",
                                   "Lists the sensors of a group: 0 to 4 or the group's name.",
                                   {dbOption, {"json", nullptr, "Print a JSON list."}}, "catalogue sensors 0"};
const cli::CommandHelp importHelp{
    "catalogue import", "catalogue import IN OUT.sqlite|postgresql://[user@]host[:port]/database [--replace]",
    "Converts an Access or SQLite catalogue into a new SQLite catalogue or a database on a server.",
    {{"replace", nullptr, "Replace the catalogue a server database holds already."}},
    "catalogue import old.mdb catalogue.sqlite"};

// The arguments of a catalogue command with `count` plain arguments;
// false with the status set for bad usage or after the help.
bool parseArguments(const cli::CommandHelp &help, const QStringList &args, int count, Arguments &out, int &status)
{
    cli::CommandLine line(help);
    if (!line.parse(args, status))
        return false;
    if (line.has(QStringLiteral("--db")) && line.value(QStringLiteral("--db")).isEmpty()) {
        status = line.usageError(QStringLiteral("--db needs a catalogue path or postgresql:// address"));
        return false;
    }
    out = {line.positional(), line.value(QStringLiteral("--db")), line.has(QStringLiteral("--json")),
           line.has(QStringLiteral("--replace"))};
    if (out.positional.size() == count)
        return true;
    status = line.usageError(QStringLiteral("%1 arguments given, %2 wanted").arg(out.positional.size()).arg(count));
    return false;
}

// A file that cannot serve as the catalogue is bad input; anything else
// that stops a command is a failed operation.
int failStatus(bool badFile)
{
    return badFile ? cli::ExitBadUsage : cli::ExitFailed;
}

void printLine(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

QString familyOf(const MasterTypeInfo &info)
{
    ConfigRecord record;
    record.applyMasterType(info);
    return record.family() == LinkFamily::Block ? QStringLiteral("block") : QStringLiteral("register");
}

int list(const QStringList &args)
{
    Arguments a;
    int status = cli::ExitOk;
    if (!parseArguments(listHelp, args, 0, a, status))
        return status;
    MessageCollector messages;
    MasterTypeSelection selection;
    selection.setDatabasePath(a.db);
    QVector<MasterTypeRow> rows;
    if (!selection.listRows(rows))
        return cli::fail(failStatus(selection.recordset().badFile()),
                         messages.text(QStringLiteral("the catalogue cannot be read")));
    QJsonArray json;
    for (const MasterTypeRow &row : rows) {
        MasterTypeInfo info;
        info.Found = true;
        info.Description = row.Description;
        if (a.json)
            json.append(QJsonObject{{"Id", row.Id}, {"Description", row.Description}, {"Lcd", row.Lcd},
                                    {"Family", familyOf(info)}});
        else
            printLine(QStringLiteral("%1\t%2\t%3\t%4").arg(row.Id).arg(row.Description, row.Lcd, familyOf(info)));
    }
    if (a.json)
        json_text::print(json);
    return cli::ExitOk;
}

int show(const QStringList &args)
{
    Arguments a;
    int status = cli::ExitOk;
    if (!parseArguments(showHelp, args, 1, a, status))
        return status;
    bool isNumber = false;
    const qlonglong wide = a.positional.first().toLongLong(&isNumber);
    if (!isNumber)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("\"%1\" is not a master type ID").arg(a.positional.first()));
    if (wide < std::numeric_limits<qint32>::min() || wide > std::numeric_limits<qint32>::max())
        return cli::fail(cli::ExitBadUsage, QStringLiteral("the master type ID %1 is beyond what a project can hold "
                                                           "(-2147483648 to 2147483647)")
                                                .arg(wide));
    const int id = int(wide);

    MessageCollector messages;
    MasterTypeSelection selection;
    selection.setDatabasePath(a.db);
    if (!selection.fetchById(id)) {
        return cli::fail(failStatus(selection.recordset().badFile()),
                         messages.text(QStringLiteral("the catalogue has no master type with ID %1").arg(id)));
    }
    const MasterTypeInfo info = selection.result();
    const QList<QPair<QString, QJsonValue>> fields = {
        {"Found", info.Found},
        {"SelectedId", info.SelectedId},
        {"OrderNumber", info.OrderNumber},
        {"Description", info.Description},
        {"Diameter", info.Diameter},
        {"OuterScaleRange", info.OuterScaleRange},
        {"InnerScaleRange", info.InnerScaleRange},
        {"SignalInput", info.SignalInput},
        {"FreqInputs", info.FreqInputs},
        {"ScaleMin", info.ScaleMin},
        {"ScaleMax", info.ScaleMax},
        {"WarnThresholdMin", info.WarnThresholdMin},
        {"WarnThresholdMax", info.WarnThresholdMax},
        {"CalculateThreshold", info.CalculateThreshold},
        {"KValueMin", json_text::number(info.KValueMin)},
        {"KValueMax", json_text::number(info.KValueMax)},
        {"KValueUnit", info.KValueUnit},
        {"UseMinMax", info.UseMinMax},
        {"GaugeKind", info.GaugeKind},
        {"HasLcd", info.HasLcd},
        {"PictureWidth", info.Picture.isNull() ? 0 : info.Picture.width()},
        {"PictureHeight", info.Picture.isNull() ? 0 : info.Picture.height()},
        {"Family", familyOf(info)},
    };
    if (a.json) {
        QJsonObject json;
        for (const auto &f : fields)
            json.insert(f.first, f.second);
        json_text::print(json);
    } else {
        for (const auto &f : fields)
            printLine(f.first + QStringLiteral(": ") + (f.second.isNull() ? QStringLiteral("null") : f.second.toVariant().toString()));
    }
    return cli::ExitOk;
}

// One sensor as a line, or added to the JSON list when there is one.
void printSensor(QJsonArray *json, int key, const QString &orderNumber, const QString &label, const QString &name,
                 const QString &ranges)
{
    if (json)
        json->append(QJsonObject{{"Id", key}, {"OrderNumber", orderNumber}, {"Group", label}, {"Name", name},
                                 {"Ranges", ranges}});
    else
        printLine(QStringLiteral("%1\t%2\t%3\t%4\t%5").arg(key).arg(orderNumber, label, name, ranges));
}

int sensors(const QStringList &args)
{
    Arguments a;
    int status = cli::ExitOk;
    if (!parseArguments(sensorsHelp, args, 1, a, status))
        return status;
    const int group = sensor_groups::indexOf(a.positional.first());
    if (group < 0)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown sensor group \"%1\" (0 to 4 or the group's name)")
                                                .arg(a.positional.first()));
    MessageCollector messages;
    QJsonArray list;
    QJsonArray *json = a.json ? &list : nullptr;
    if (a.db.isEmpty()) {
        // The standard and the user database, as the selection lists them.
        SensorSelection selection;
        selection.Type = group;
        if (!selection.ensureOpen())
            return cli::fail(failStatus(selection.badFile()),
                             messages.text(QStringLiteral("the sensor catalogue cannot be read")));
        const QVector<SensorListRow> rows = selection.fillList();
        for (const SensorListRow &r : rows)
            printSensor(json, r.RowKey, r.OrderNumber, r.TypeLabel, r.Name, r.Ranges);
        if (json)
            json_text::print(list);
        return cli::ExitOk;
    }
    SensorRecordset table;
    table.setDatabasePath(a.db);
    table.m_filter = sensor_groups::filter(group);
    table.m_sort = QStringLiteral("[Bestellnummer] ASC");
    if (!table.open())
        return cli::fail(failStatus(table.badFile()), table.errorText());
    const QString label = sensor_groups::label(group);
    for (bool more = !table.isEOF(); more; more = table.moveNext()) {
        printSensor(json, table.m_id, table.m_Bestellnummer, label, table.m_Name,
                    SensorCurve::formatRanges(table.m_BeginX, table.m_EndX, table.m_DimensionX, table.m_YMin,
                                              table.m_YMax, table.m_DimensionY));
    }
    if (json)
        json_text::print(list);
    return cli::ExitOk;
}

int import(const QStringList &args)
{
    Arguments a;
    int status = cli::ExitOk;
    if (!parseArguments(importHelp, args, 2, a, status))
        return status;
    MessageCollector messages;
    const catalogue_import::Result r = catalogue_import::importCatalogue(a.positional[0], a.positional[1], a.replace);
    if (r.status != catalogue_import::Status::Ok)
        return cli::fail(r.status == catalogue_import::Status::BadInput ? cli::ExitBadUsage : cli::ExitFailed, r.reason);
    std::printf("%d master types, %d sensors\n", qMax(r.masterTypes, 0), qMax(r.sensors, 0));
    return cli::ExitOk;
}

int catalogue(const QStringList &args)
{
    return cli::runSubcommand("catalogue", args, {{"list", list}, {"show", show}, {"sensors", sensors}, {"import", import}});
}

}

SKALERON_CLI_COMMAND(catalogue, "catalogue", cli::usageOf({&listHelp, &showHelp, &sensorsHelp, &importHelp}), catalogue)
