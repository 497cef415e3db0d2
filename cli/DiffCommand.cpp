// skaleron-cli diff: what differs between two projects, field by field, as
// the master overview shows the fields; only fields the master type uses.
#include "CliCommand.h"
#include "JsonText.h"
#include "CommandLine.h"
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

const CommandHelp diffHelp{
    "diff", "diff A.rix B.rix [--json] [--catalogue DB]",
    "Shows what differs between two projects, field by field, as the master overview shows them; exit 0 same, "
    "1 different.",
    {{"json", nullptr, "Print {\"Same\", \"Differences\"} as JSON."},
     {"catalogue", "DB", "The master type catalogue: a file or a postgresql:// address."}},
    "diff boat.rix other.rix"};

int diffCommand(const QStringList &argList)
{
    CommandLine args(diffHelp);
    int status = ExitOk;
    if (!args.parse(argList, status))
        return status;
    if (args.positional().size() != 2)
        return args.usageError(QStringLiteral("diff takes two project files"));
    const QString catalogue = args.value(QStringLiteral("--catalogue"));
    const QString catalogueProblem = catalogueOptionProblem(catalogue);
    if (!catalogueProblem.isEmpty())
        return fail(ExitBadUsage, catalogueProblem);
    ConfigRecord a, b;
    if (!readWithMaster(args.positional().at(0), catalogue, a, status)
        || !readWithMaster(args.positional().at(1), catalogue, b, status))
        return status;

    const QVector<record_comparison::FieldDifference> differences = record_comparison::compareRecords(a, b);
    if (args.has(QStringLiteral("--json"))) {
        QJsonArray items;
        for (const auto &d : differences) {
            items.append(QJsonObject{{QStringLiteral("Field"), d.field},
                                     {QStringLiteral("Label"), d.label},
                                     {QStringLiteral("A"), d.a},
                                     {QStringLiteral("B"), d.b}});
        }
        json_text::print(QJsonObject{{QStringLiteral("Same"), differences.isEmpty()},
                                     {QStringLiteral("Differences"), items}});
    } else {
        for (const auto &d : differences)
            std::printf("%s (%s): %s -> %s\n", d.label.toLocal8Bit().constData(), d.field.toLocal8Bit().constData(),
                        d.a.toLocal8Bit().constData(), d.b.toLocal8Bit().constData());
    }
    return differences.isEmpty() ? ExitOk : ExitFailed;
}

}

SKALERON_CLI_COMMAND(diff, "diff", usageOf({&diffHelp}), diffCommand)
