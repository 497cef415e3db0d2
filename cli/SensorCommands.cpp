// skaleron-cli sensors list|add|change|delete|resample: the sensor catalogues
// and the user's own sensors without the desktop program, with the checks of
// the definition window, and the support points the calibration form makes
// of a sensor.
#include "CliCommand.h"
#include "JsonText.h"

#include "base/Language.h"
#include "catalogue/CatalogueAddress.h"
#include "catalogue/SensorEditing.h"
#include "forms/CalibrationCurve.h"
#include "model/SensorCurve.h"
#include "model/SensorGroups.h"

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

// Splits the arguments by the options the command knows; false with the
// reason for an unknown option or one without its value.
bool parse(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions, Arguments &out,
           QString &error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            out.values.insert(a, args[++i]);
        } else if (flagOptions.contains(a)) {
            out.flags << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option \"%1\"").arg(a);
            return false;
        } else {
            out.positional << a;
        }
    }
    return true;
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
    QString error;
    if (!parse(args, {}, {"--json"}, a, error) || a.positional.size() > 1)
        return cli::fail(cli::ExitBadUsage, error.isEmpty() ? QStringLiteral("usage: sensors list [GROUP] [--json]") : error);
    int group = -1; // every group
    if (!a.positional.isEmpty() && (group = sensor_groups::indexOf(a.positional.first())) < 0)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown sensor group \"%1\" (0 to 4 or the group's name)")
                                                .arg(a.positional.first()));
    QStringList lines;
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
            json_text::Object o;
            o.add("Database", json_text::string(database));
            o.add("Id", QString::number(table.m_id));
            o.add("OrderNumber", json_text::string(table.m_Bestellnummer));
            o.add("Group", json_text::string(table.m_Gruppe));
            o.add("Name", json_text::string(table.m_Name));
            o.add("DimensionX", json_text::string(table.m_DimensionX));
            o.add("DimensionY", json_text::string(table.m_DimensionY));
            o.add("BeginX", json_text::number(table.m_BeginX));
            o.add("EndX", json_text::number(table.m_EndX));
            o.add("YMin", json_text::number(table.m_YMin));
            o.add("YMax", json_text::number(table.m_YMax));
            lines << o.text();
        }
    }
    if (a.flags.contains("--json"))
        printLine(QLatin1Char('[') + lines.join(QLatin1Char(',')) + QLatin1Char(']'));
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
        error = QStringLiteral("--x and --y are given together: each value pair needs both");
        return false;
    }
    if (!a.values.contains("--x"))
        return true;
    QVector<double> x, y;
    // One more than a sensor holds, so that too many values are named as such.
    const int most = SensorDefinition::Points + 1;
    return sensor_editing::parseValueList(a.values.value("--x"), most, x, &error)
        && sensor_editing::parseValueList(a.values.value("--y"), most, y, &error)
        && sensor_editing::definitionFromPoints(x, y, definition, &error);
}

const QStringList definitionOptions = {"--name", "--x", "--y", "--x-unit", "--y-unit", "--db"};

int add(const QStringList &args)
{
    Arguments a;
    QString error;
    const QString usage = QStringLiteral("usage: sensors add NAME --x LIST --y LIST [--x-unit U] [--y-unit U] [--db PATH]");
    // The name is given once: as NAME or as --name.
    if (!parse(args, definitionOptions, {}, a, error)
        || a.positional.size() + (a.values.contains("--name") ? 1 : 0) != 1)
        return cli::fail(cli::ExitBadUsage, error.isEmpty() ? usage : error);
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
    if (!parse(args, definitionOptions, {}, a, error) || a.positional.size() != 1)
        return cli::fail(cli::ExitBadUsage,
                         error.isEmpty() ? QStringLiteral("usage: sensors change ID [--name NAME] [--x LIST --y LIST] "
                                                          "[--x-unit U] [--y-unit U] [--db PATH]")
                                         : error);
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
    QString error;
    int id = 0;
    if (!parse(args, {"--db"}, {"--yes"}, a, error) || a.positional.size() != 1)
        return cli::fail(cli::ExitBadUsage, error.isEmpty() ? QStringLiteral("usage: sensors delete ID --yes [--db PATH]") : error);
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
    QString error;
    int id = 0;
    if (!parse(args, {"--db"}, {"--user", "--json"}, a, error) || a.positional.size() != 1)
        return cli::fail(cli::ExitBadUsage,
                         error.isEmpty() ? QStringLiteral("usage: sensors resample ID [--db PATH] [--user] [--json]") : error);
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
    QStringList items;
    for (const calibration::SupportPoint &p : points) {
        items << (a.flags.contains("--json") ? QStringLiteral("{\"Quantity\": %1, \"Resistance\": %2}")
                                                   .arg(json_text::number(p.quantity), json_text::number(p.resistance))
                                             : QString::asprintf("%.1f\t%.1f", p.quantity, p.resistance));
    }
    if (a.flags.contains("--json"))
        printLine(QStringLiteral("{\"Id\": %1, \"Points\": [%2]}").arg(id).arg(items.join(QStringLiteral(", "))));
    else
        for (const QString &item : items)
            printLine(item);
    return cli::ExitOk;
}

int sensors(const QStringList &args)
{
    return cli::runSubcommand(args,
                              {{"list", list}, {"add", add}, {"change", change}, {"delete", deleteSensor},
                               {"resample", resample}},
                              QStringLiteral("usage: sensors list|add|change|delete|resample ..."));
}

}

SKALERON_CLI_COMMAND(sensors, "sensors",
                     "sensors list [GROUP] [--json]\n"
                     "sensors add NAME --x LIST --y LIST [--x-unit UNIT] [--y-unit UNIT] [--db PATH]\n"
                     "sensors change ID [--name NAME] [--x LIST --y LIST] [--x-unit UNIT] [--y-unit UNIT] [--db PATH]\n"
                     "sensors delete ID --yes [--db PATH]\n"
                     "sensors resample ID [--db PATH] [--user] [--json]",
                     sensors)
