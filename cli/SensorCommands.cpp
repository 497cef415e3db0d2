// skaleron-cli sensors list|add|change|delete|resample: the sensor catalogues
// and the user's own sensors without the desktop program, with the checks of
// the definition window, and the support points the calibration form makes
// of a sensor.
#include "CliCommand.h"
#include "CommandLine.h"
#include "JsonText.h"

#include "base/Language.h"
#include "catalogue/CatalogueAddress.h"
#include "catalogue/SensorEditing.h"
#include "forms/CalibrationCurve.h"
#include "model/SensorCurve.h"
#include "model/SensorGroups.h"

#include <algorithm>
#include <QMap>
#include <cstdio>

namespace {

using sensor_editing::Outcome;

struct Arguments
{
    QStringList positional;
    QMap<QString, QString> values; // options with a value: --db, --name, --x, ...
    QStringList flags;             // options without one: --json, --user, --yes
};

const cli::Option dbOption{"db", "PATH", "The user sensors' database: a file or a postgresql:// address."};
const cli::Option nameOption{"name", "NAME", "The sensor's name."};
const cli::Option xOption{"x", "LIST", "The quantities, up to eight (\";\" or blanks between them)."};
const cli::Option yOption{"y", "LIST", "The resistances in Ohm, as many as quantities."};
const cli::Option xUnitOption{"x-unit", "UNIT", "The unit of the quantities."};
const cli::Option yUnitOption{"y-unit", "UNIT", "The unit of the resistances."};
const cli::Option jsonOption{"json", nullptr, "Print JSON."};

const cli::CommandHelp listHelp{"sensors list", "sensors list [GROUP] [--json]",
                                "Lists the sensors of both databases (standard first), of one group (0 to 4 or "
                                "its name) or all.",
                                {jsonOption}, "sensors list User-defined"};
const cli::CommandHelp addHelp{"sensors add",
                               "sensors add NAME --x LIST --y LIST [--x-unit UNIT] [--y-unit UNIT] [--db PATH]",
                               "Stores a user sensor and prints its new ID.",
                               {nameOption, xOption, yOption, xUnitOption, yUnitOption, dbOption},
                               "sensors add 'Tank 2' --x '0 50 100' --y '10 100 180' --x-unit %"};
const cli::CommandHelp changeHelp{"sensors change",
                                  "sensors change ID [--name NAME] [--x LIST --y LIST] [--x-unit UNIT] [--y-unit UNIT] "
                                  "[--db PATH]",
                                  "Changes a user sensor.",
                                  {nameOption, xOption, yOption, xUnitOption, yUnitOption, dbOption},
                                  "sensors change 3 --name 'Tank 3'"};
const cli::CommandHelp deleteHelp{"sensors delete", "sensors delete ID --yes [--db PATH]",
                                  "Deletes a user sensor for good.",
                                  {{"yes", nullptr, "Delete it: this cannot be undone."}, dbOption},
                                  "sensors delete 3 --yes"};
const cli::CommandHelp resampleHelp{"sensors resample", "sensors resample ID [--db PATH] [--user] [--json]",
                                    "Prints the eight support points the calibration form makes of a sensor.",
                                    {{"db", "PATH", "The sensor database: a file or a postgresql:// address."},
                                     {"user", nullptr, "The sensor is one of yours, not of the standard database."},
                                     jsonOption},
                                    "sensors resample 12 --json"};

// The options given and the plain arguments, of which there must be
// `least` to `most`; false with the status set for bad usage or after the help.
bool parse(const cli::CommandHelp &help, const QStringList &args, int least, int most, Arguments &out, int &status)
{
    cli::CommandLine line(help);
    if (!line.parse(args, status))
        return false;
    for (const cli::Option &o : help.options) {
        const QString name = QStringLiteral("--") + QLatin1String(o.names);
        if (line.has(name) && o.valueName)
            out.values.insert(name, line.value(name));
        else if (line.has(name))
            out.flags << name;
    }
    out.positional = line.positional();
    if (out.positional.size() >= least && out.positional.size() <= most)
        return true;
    status = line.usageError(out.positional.size() < least
                                 ? QStringLiteral("an argument is missing")
                                 : QStringLiteral("unexpected argument \"%1\"").arg(out.positional.last()));
    return false;
}

void printLine(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

int exitStatus(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done: return cli::ExitOk;
    case Outcome::BadInput: return cli::ExitBadUsage;
    case Outcome::NotFound:
    case Outcome::Failed: return cli::ExitFailed;
    }
    return cli::ExitFailed;
}

bool parseId(const QString &text, int &id)
{
    bool ok = false;
    id = text.toInt(&ok);
    return ok;
}

int list(const QStringList &args)
{
    Arguments a;
    int status = cli::ExitOk;
    if (!parse(listHelp, args, 0, 1, a, status))
        return status;
    int group = -1; // every group
    if (!a.positional.isEmpty() && (group = sensor_groups::indexOf(a.positional.first())) < 0)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown sensor group \"%1\" (0 to 4 or the group's name)")
                                                .arg(a.positional.first()));
    QStringList lines;
    QJsonArray json;
    SensorRecordset standard(false), own(true);
    for (SensorRecordset *table : {&standard, &own}) {
        table->m_filter = sensor_groups::filter(group);
        table->m_sort = QStringLiteral("[Bestellnummer] ASC");
        if (!table->open())
            return cli::fail(table->badFile() ? cli::ExitBadUsage : cli::ExitFailed, table->errorText());
    }
    // Both settings naming one database: each row once, where it belongs.
    const bool oneDatabase = catalogue_address::sameDatabase(standard.databasePath(), own.databasePath());
    for (SensorRecordset *source : {&standard, &own}) {
        if (oneDatabase && source == &own)
            break;
        SensorRecordset &table = *source;
        for (bool more = !table.isEOF(); more; more = table.moveNext()) {
            const bool user = oneDatabase ? SensorSelection::isUserRow(table) : table.isUserDatabase();
            const QString database = user ? QStringLiteral("user") : QStringLiteral("standard");
            if (!a.flags.contains("--json")) {
                lines << QStringList{database, QString::number(table.m_id), table.m_Bestellnummer,
                                     sensor_groups::label(sensor_groups::indexOf(table.m_Gruppe)), table.m_Name,
                                     SensorCurve::formatRanges(table.m_BeginX, table.m_EndX, table.m_DimensionX,
                                                               table.m_YMin, table.m_YMax, table.m_DimensionY)}
                             .join(QLatin1Char('\t'));
                continue;
            }
            json.append(QJsonObject{{"Database", database},
                                    {"Id", table.m_id},
                                    {"OrderNumber", table.m_Bestellnummer},
                                    {"Group", table.m_Gruppe},
                                    {"Name", table.m_Name},
                                    {"DimensionX", table.m_DimensionX},
                                    {"DimensionY", table.m_DimensionY},
                                    {"BeginX", json_text::number(table.m_BeginX)},
                                    {"EndX", json_text::number(table.m_EndX)},
                                    {"YMin", json_text::number(table.m_YMin)},
                                    {"YMax", json_text::number(table.m_YMax)}});
        }
    }
    if (a.flags.contains("--json"))
        json_text::print(json);
    else
        for (const QString &line : lines)
            printLine(line);
    return cli::ExitOk;
}

// Takes --name, --x-unit, --y-unit and the lists --x and --y (given together)
// into the definition.
bool applyOptions(const Arguments &a, SensorDefinition &definition, QString &error)
{
    if (a.values.contains("--name"))
        definition.Name = a.values.value("--name");
    if (a.values.contains("--x-unit"))
        definition.YUnit = a.values.value("--x-unit"); // the window's y column is the table's X
    if (a.values.contains("--y-unit"))
        definition.XUnit = a.values.value("--y-unit");
    if (a.values.contains("--x") != a.values.contains("--y")) {
        error = QStringLiteral("give --x and --y together: each value pair needs both");
        return false;
    }
    if (!a.values.contains("--x"))
        return true;
    QVector<double> x, y;
    // One more than a sensor holds, so that too many values are named as such.
    const int most = SensorDefinition::Points + 1;
    if (!sensor_editing::parseValueList(a.values.value("--x"), most, x, &error)
        || !sensor_editing::parseValueList(a.values.value("--y"), most, y, &error))
        return false;
    // Said in the options' words (the stored check names the desktop
    // window's columns, the other way round).
    if (std::all_of(x.cbegin(), x.cend(), [&x](double v) { return v == x.first(); })) {
        error = x.size() < 2 ? QStringLiteral("a sensor needs at least two value pairs")
                             : QStringLiteral("all quantities given with --x are equal: a sensor needs at least two "
                                              "different ones, or its curve has no range");
        return false;
    }
    return sensor_editing::definitionFromPoints(x, y, definition, &error);
}

int add(const QStringList &args)
{
    Arguments a;
    QString error;
    int status = cli::ExitOk;
    if (!parse(addHelp, args, 0, 1, a, status))
        return status;
    // The name is given once: as NAME or as --name.
    if (a.positional.size() + (a.values.contains("--name") ? 1 : 0) != 1)
        return cli::usageError(addHelp, QStringLiteral("give the name once: as NAME or as --name"));
    if (!a.values.contains("--x"))
        return cli::fail(cli::ExitBadUsage, loadTranslatedString(5636));
    SensorDefinition definition;
    definition.Name = a.positional.value(0);
    if (!applyOptions(a, definition, error))
        return cli::fail(cli::ExitBadUsage, error);
    sensor_editing::UserSensors sensors(a.values.value("--db"));
    const sensor_editing::Result r = sensors.add(definition);
    if (r.outcome != Outcome::Done)
        return cli::fail(exitStatus(r.outcome), r.reason);
    printLine(QString::number(r.id));
    return cli::ExitOk;
}

int change(const QStringList &args)
{
    Arguments a;
    QString error;
    int id = 0;
    int status = cli::ExitOk;
    if (!parse(changeHelp, args, 1, 1, a, status))
        return status;
    if (!parseId(a.positional.first(), id))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("\"%1\" is not a sensor ID").arg(a.positional.first()));
    sensor_editing::UserSensors sensors(a.values.value("--db"));
    SensorDefinition definition;
    sensor_editing::Result r = sensors.find(id, definition);
    if (r.outcome != Outcome::Done)
        return cli::fail(exitStatus(r.outcome), r.reason);
    if (!applyOptions(a, definition, error))
        return cli::fail(cli::ExitBadUsage, error);
    r = sensors.change(id, definition);
    return r.outcome == Outcome::Done ? cli::ExitOk : cli::fail(exitStatus(r.outcome), r.reason);
}

int deleteSensor(const QStringList &args)
{
    Arguments a;
    int id = 0;
    int status = cli::ExitOk;
    if (!parse(deleteHelp, args, 1, 1, a, status))
        return status;
    if (!parseId(a.positional.first(), id))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("\"%1\" is not a sensor ID").arg(a.positional.first()));
    // A deleted sensor is gone for good: the command says so only when asked to.
    if (!a.flags.contains("--yes"))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("deleting sensor %1 needs --yes: it cannot be undone").arg(id));
    sensor_editing::UserSensors sensors(a.values.value("--db"));
    const sensor_editing::Result r = sensors.remove(id);
    return r.outcome == Outcome::Done ? cli::ExitOk : cli::fail(exitStatus(r.outcome), r.reason);
}

int resample(const QStringList &args)
{
    Arguments a;
    int id = 0;
    int status = cli::ExitOk;
    if (!parse(resampleHelp, args, 1, 1, a, status))
        return status;
    if (!parseId(a.positional.first(), id))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("\"%1\" is not a sensor ID").arg(a.positional.first()));
    SensorRecordset table(a.flags.contains("--user"));
    table.setDatabasePath(a.values.value("--db"));
    table.setFilterById(id);
    if (!table.open())
        return cli::fail(table.badFile() ? cli::ExitBadUsage : cli::ExitFailed, table.errorText());
    if (table.isBOF() && table.isEOF())
        return cli::fail(cli::ExitFailed, loadTranslatedString(5639).arg(id));
    SensorCurve curve;
    curve.setPointsFromText(table.m_XWerte, table.m_YWerte);
    const QVector<calibration::SupportPoint> points = calibration::supportPoints(curve, 8);
    if (points.isEmpty())
        return cli::fail(cli::ExitBadUsage, loadTranslatedString(5630).arg(curve.PointCount));
    QJsonArray json;
    for (const calibration::SupportPoint &p : points) {
        if (a.flags.contains("--json"))
            json.append(QJsonObject{{"Quantity", json_text::number(p.quantity)},
                                    {"Resistance", json_text::number(p.resistance)}});
        else
            printLine(QString::asprintf("%.1f\t%.1f", p.quantity, p.resistance));
    }
    if (a.flags.contains("--json"))
        json_text::print(QJsonObject{{"Id", id}, {"Points", json}});
    return cli::ExitOk;
}

int sensors(const QStringList &args)
{
    return cli::runSubcommand("sensors", args, {{"list", list}, {"add", add}, {"change", change}, {"delete", deleteSensor},
                               {"resample", resample}});
}

}

SKALERON_CLI_COMMAND(sensors, "sensors",
                     cli::usageOf({&listHelp, &addHelp, &changeHelp, &deleteHelp, &resampleHelp}), sensors)
