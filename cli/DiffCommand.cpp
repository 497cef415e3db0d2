// skaleron-cli diff: what differs between two projects, field by field, as
// the master overview shows the fields; only fields the master type uses.
#include "CliCommand.h"
#include "JsonText.h"
#include "LinkArguments.h"
#include "MasterTypeSource.h"

#include "model/ProjectFile.h"
#include "forms/RecordComparison.h"

#include <cstdio>

using namespace cli;

namespace {

// A project read strictly, with its master type's properties when the
// catalogue has it.
bool readWithMaster(const QString &path, const QString &catalogue, ConfigRecord &record, int &status)
{
    const project_file::ReadResult result = project_file::readFile(path, record);
    if (result.status != project_file::ReadStatus::Ok) {
        QString reason = project_file::describeFailure(path, result);
        if (result.status == project_file::ReadStatus::UnsupportedVersion)
            reason = QStringLiteral("%1: %2 (version %3)").arg(path, reason).arg(result.version);
        status = fail(ExitBadUsage, reason);
        return false;
    }
    if (record.MasterId != -1)
        record.applyMasterType(lookUpMasterType(record.MasterId, catalogue));
    return true;
}

int diffCommand(const QStringList &argList)
{
    const LinkArguments args(argList, {"--catalogue"}, {"--json"});
    if (!args.ok())
        return fail(ExitBadUsage, args.error());
    if (args.positional().size() != 2)
        return fail(ExitBadUsage, QStringLiteral("usage: diff A.rix B.rix [--json] [--catalogue DB]"));
    const QString catalogue = args.value(QStringLiteral("--catalogue"));
    ConfigRecord a, b;
    int status = ExitOk;
    if (!readWithMaster(args.positional().at(0), catalogue, a, status)
        || !readWithMaster(args.positional().at(1), catalogue, b, status))
        return status;

    const QVector<record_comparison::FieldDifference> differences = record_comparison::compareRecords(a, b);
    if (args.has(QStringLiteral("--json"))) {
        QStringList items;
        for (const auto &d : differences) {
            json_text::Object o;
            o.add(QStringLiteral("Field"), json_text::string(d.field));
            o.add(QStringLiteral("Label"), json_text::string(d.label));
            o.add(QStringLiteral("A"), json_text::string(d.a));
            o.add(QStringLiteral("B"), json_text::string(d.b));
            items << o.text();
        }
        json_text::Object json;
        json.add(QStringLiteral("Same"), differences.isEmpty() ? QStringLiteral("true") : QStringLiteral("false"));
        json.add(QStringLiteral("Differences"), QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']'));
        std::printf("%s\n", json.text().toUtf8().constData());
    } else {
        for (const auto &d : differences)
            std::printf("%s (%s): %s -> %s\n", d.label.toLocal8Bit().constData(), d.field.toLocal8Bit().constData(),
                        d.a.toLocal8Bit().constData(), d.b.toLocal8Bit().constData());
    }
    return differences.isEmpty() ? ExitOk : ExitFailed;
}

}

SKALERON_CLI_COMMAND(diff, "diff", "diff A.rix B.rix [--json] [--catalogue DB]", diffCommand)
