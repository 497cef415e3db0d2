// skaleron-cli catalogue list|show|sensors|import: the master type and sensor
// catalogues without the desktop program.
#include "CliCommand.h"
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
};

// Splits off --db PATH and --json; false for an unknown or incomplete option.
bool parseArguments(const QStringList &args, bool jsonAllowed, Arguments &out, QString &error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--db")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = QStringLiteral("--db needs a catalogue path or postgresql:// address");
                return false;
            }
            out.db = args[++i];
        } else if (a == QLatin1String("--json") && jsonAllowed) {
            out.json = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option \"%1\"").arg(a);
            return false;
        } else {
            out.positional << a;
        }
    }
    return true;
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
    QString error;
    if (!parseArguments(args, false, a, error) || !a.positional.isEmpty())
        return cli::fail(cli::ExitBadUsage, error.isEmpty() ? QStringLiteral("usage: catalogue list [--db PATH]") : error);
    MessageCollector messages;
    MasterTypeSelection selection;
    selection.setDatabasePath(a.db);
    QVector<MasterTypeRow> rows;
    if (!selection.listRows(rows))
        return cli::fail(failStatus(selection.recordset().badFile()),
                         messages.text(QStringLiteral("the catalogue cannot be read")));
    for (const MasterTypeRow &row : rows) {
        MasterTypeInfo info;
        info.Found = true;
        info.Description = row.Description;
        printLine(QStringLiteral("%1\t%2\t%3\t%4").arg(row.Id).arg(row.Description, row.Lcd, familyOf(info)));
    }
    return cli::ExitOk;
}

int show(const QStringList &args)
{
    Arguments a;
    QString error;
    if (!parseArguments(args, true, a, error) || a.positional.size() != 1)
        return cli::fail(cli::ExitBadUsage,
                         error.isEmpty() ? QStringLiteral("usage: catalogue show ID [--db PATH] [--json]") : error);
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
    const QList<QPair<QString, QString>> fields = {
        {"Found", info.Found ? "true" : "false"},
        {"SelectedId", QString::number(info.SelectedId)},
        {"OrderNumber", json_text::string(info.OrderNumber)},
        {"Description", json_text::string(info.Description)},
        {"Diameter", json_text::string(info.Diameter)},
        {"OuterScaleRange", json_text::string(info.OuterScaleRange)},
        {"InnerScaleRange", json_text::string(info.InnerScaleRange)},
        {"SignalInput", json_text::string(info.SignalInput)},
        {"FreqInputs", QString::number(info.FreqInputs)},
        {"ScaleMin", QString::number(info.ScaleMin)},
        {"ScaleMax", QString::number(info.ScaleMax)},
        {"WarnThresholdMin", QString::number(info.WarnThresholdMin)},
        {"WarnThresholdMax", QString::number(info.WarnThresholdMax)},
        {"CalculateThreshold", QString::number(info.CalculateThreshold)},
        {"KValueMin", json_text::number(info.KValueMin)},
        {"KValueMax", json_text::number(info.KValueMax)},
        {"KValueUnit", json_text::string(info.KValueUnit)},
        {"UseMinMax", QString::number(info.UseMinMax)},
        {"GaugeKind", QString::number(info.GaugeKind)},
        {"HasLcd", QString::number(info.HasLcd)},
        {"PictureWidth", QString::number(info.Picture.isNull() ? 0 : info.Picture.width())},
        {"PictureHeight", QString::number(info.Picture.isNull() ? 0 : info.Picture.height())},
        {"Family", json_text::string(familyOf(info))},
    };
    if (a.json) {
        json_text::Object json;
        for (const auto &f : fields)
            json.add(f.first, f.second);
        printLine(json.text());
    } else {
        for (const auto &f : fields) {
            QString value = f.second;
            if (value.startsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            printLine(f.first + QStringLiteral(": ") + value);
        }
    }
    return cli::ExitOk;
}

void printSensor(int key, const QString &orderNumber, const QString &label, const QString &name, const QString &ranges)
{
    printLine(QStringLiteral("%1\t%2\t%3\t%4\t%5").arg(key).arg(orderNumber, label, name, ranges));
}

int sensors(const QStringList &args)
{
    Arguments a;
    QString error;
    if (!parseArguments(args, false, a, error) || a.positional.size() != 1)
        return cli::fail(cli::ExitBadUsage,
                         error.isEmpty() ? QStringLiteral("usage: catalogue sensors GROUP [--db PATH]") : error);
    const int group = sensor_groups::indexOf(a.positional.first());
    if (group < 0)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown sensor group \"%1\" (0 to 4 or the group's name)")
                                                .arg(a.positional.first()));
    MessageCollector messages;
    if (a.db.isEmpty()) {
        // The standard and the user database, as the selection lists them.
        SensorSelection selection;
        selection.Type = group;
        if (!selection.ensureOpen())
            return cli::fail(failStatus(selection.badFile()),
                             messages.text(QStringLiteral("the sensor catalogue cannot be read")));
        const QVector<SensorListRow> rows = selection.fillList();
        for (const SensorListRow &r : rows)
            printSensor(r.RowKey, r.OrderNumber, r.TypeLabel, r.Name, r.Ranges);
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
        printSensor(table.m_id, table.m_Bestellnummer, label, table.m_Name,
                    SensorCurve::formatRanges(table.m_BeginX, table.m_EndX, table.m_DimensionX, table.m_YMin,
                                              table.m_YMax, table.m_DimensionY));
    }
    return cli::ExitOk;
}

int import(const QStringList &args)
{
    QStringList paths = args;
    const bool replace = paths.removeAll(QStringLiteral("--replace")) > 0;
    if (paths.size() != 2 || paths[0].startsWith(QLatin1String("--")) || paths[1].startsWith(QLatin1String("--")))
        return cli::fail(cli::ExitBadUsage,
                         QStringLiteral("usage: catalogue import IN OUT.sqlite|postgresql://[user@]host[:port]/database [--replace]"));
    MessageCollector messages;
    const catalogue_import::Result r = catalogue_import::importCatalogue(paths[0], paths[1], replace);
    if (r.status != catalogue_import::Status::Ok)
        return cli::fail(r.status == catalogue_import::Status::BadInput ? cli::ExitBadUsage : cli::ExitFailed, r.reason);
    std::printf("%d master types, %d sensors\n", qMax(r.masterTypes, 0), qMax(r.sensors, 0));
    return cli::ExitOk;
}

int catalogue(const QStringList &args)
{
    return cli::runSubcommand(args, {{"list", list}, {"show", show}, {"sensors", sensors}, {"import", import}},
                              QStringLiteral("usage: catalogue list|show|sensors|import ..."));
}

}

SKALERON_CLI_COMMAND(catalogue, "catalogue",
                     "catalogue list [--db PATH]\n"
                     "catalogue show ID [--db PATH] [--json]\n"
                     "catalogue sensors GROUP [--db PATH]\n"
                     "catalogue import IN OUT.sqlite|postgresql://[user@]host[:port]/database [--replace]",
                     catalogue)
