// skaleron-cli read|write|verify|preset|selftest: the gauge transfers of the
// desktop program without its window. Traffic goes to "log.txt" in the current
// folder, or to the file --trace names.
#include "BatchCommand.h"
#include "CliCommand.h"
#include "HistoryNote.h"
#include "Interruption.h"
#include "JsonText.h"
#include "LinkSetup.h"
#include "StoredFields.h"

#include "link/CounterPresetInput.h"
#include "link/LineSettings.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileLock.h"

#include <QFileInfo>
#include <cstdio>

using namespace cli;

namespace {

const Option reportOption{"report", "R.json|R.csv", "Write each port's result to a JSON or CSV report."};
const Option projectOption{"project", "FILE.rix",
                           "Read into this project (its master type decides the family); it is written back "
                           "unless -o names another file."};

const CommandHelp readHelp{
    "read",
    "read --port DEV [--project FILE.rix] [--family block|register] [--catalogue DB] [-o OUT.rix] [--json] "
    "[--trace FILE]\n"
    "read --port DEV --port DEV ... -o DIR [--project FILE.rix] [--family block|register] [--catalogue DB] "
    "[--report R.json|R.csv] [--trace FILE]",
    "Reads a gauge's configuration; with several ports (or --report) every gauge at once, one project each in DIR.",
    {portOption(true), projectOption, familyOption(), catalogueOption(),
     {"o", "OUT", "The project to write (with several ports: the folder for one project per port)."}, reportOption,
     {"json", nullptr, "Print the values read as JSON."}, traceOption()},
    "read --port /dev/ttyUSB0 --project boat.rix --json"};
const CommandHelp writeHelp{
    "write",
    "write --port DEV [--port DEV ...] [--family block|register] [--catalogue DB] [--verify] "
    "[--report R.json|R.csv] [--trace FILE] FILE.rix\n"
    "write --restore BACKUP --port DEV [--force] [--trace FILE]",
    "Writes a project to the gauge (to every port at once with several), or a backed-up parameter block back.",
    {portOption(true), familyOption(), catalogueOption(),
     {"verify", nullptr, "Read the gauge back after the write and compare what it holds (always with "
                         "Communication/VerifyAfterWrite set, as Gauge → Verify after writing sets it)."}, reportOption,
     {"restore", "BACKUP", "Write this backup of a block-family gauge's parameter block instead of a project."},
     {"force", nullptr, "With --restore: send a backup without header or of other firmware all the same."},
     traceOption()},
    "write --port /dev/ttyUSB0 --verify boat.rix"};
const CommandHelp verifyHelp{
    "verify",
    "verify --port DEV [--port DEV ...] [--family block|register] [--catalogue DB] [--report R.json|R.csv] "
    "[--trace FILE] FILE.rix",
    "Reads the gauge and compares what it holds with the project; changes nothing on the gauge.",
    {portOption(true), familyOption(), catalogueOption(), reportOption, traceOption()},
    "verify --port /dev/ttyUSB0 boat.rix"};
const CommandHelp presetHelp{"preset",
                             "preset --port DEV (--distance N | --hours H) [--trace FILE]",
                             "Presets the distance counter (0 to 999999) or the engine-hour counter (0 to 99999.9 h).",
                             {portOption(false), {"distance", "N", "The distance to preset."},
                              {"hours", "H", "The engine hours to preset."}, traceOption()},
                             "preset --port /dev/ttyUSB0 --hours 1250.5"};
const CommandHelp selftestHelp{"selftest", "selftest --port DEV [--trace FILE]",
                               "Runs the link self-test and prints each step; exit 1 when a step got no valid answer.",
                               {portOption(false), traceOption()}, "selftest --port /dev/ttyUSB0"};

// Several ports, or a report, make a batch: every port at once.
bool isBatch(const CommandLine &args, const QStringList &ports)
{
    return ports.size() > 1 || args.has(QStringLiteral("--report"));
}

// The port of a command that talks to one gauge (none given: the
// configured port) goes into the options.
bool onePort(const CommandLine &args, LinkOptions &options, int &status)
{
    QStringList ports;
    if (!portDevices(args, ports, status))
        return false;
    if (ports.size() > 1) {
        status = args.usageError(QStringLiteral("this command talks to one gauge: give one --port"));
        return false;
    }
    options.device = ports.value(0);
    return true;
}

// The project and its master type, for the commands that send or check one.
bool projectAndMaster(const CommandLine &args, const QString &project, ConfigRecord &cfg, LinkOptions &options,
                      int &status)
{
    if (project.isEmpty() && !args.has(QStringLiteral("--family"))) {
        status = fail(ExitBadUsage, QStringLiteral("which family is the gauge of? Give --project FILE.rix (its master "
                                                   "type tells) or --family block|register"));
        return false;
    }
    return (project.isEmpty() || readProject(project, cfg, status)) && resolveMaster(args, cfg, options, status);
}

// The service history entry of a command on one gauge.
transfer_history::Transfer historyOf(const QString &operation, const LinkOptions &options, LinkFamily family,
                                     const QString &project, const ConfigRecord &before, const ConfigRecord &after,
                                     const TransferOutcome &outcome)
{
    transfer_history::Transfer t;
    t.operation = operation;
    t.port = options.device;
    t.family = options.family.value_or(family);
    t.projectFile = project.isEmpty() ? QString() : QFileInfo(project).absoluteFilePath();
    t.before = before;
    t.after = after;
    t.outcome = outcome;
    return t;
}

// The outcome of a command on one gauge, a failure with where it stopped and
// what a second look at the port found.
int reportExplained(const TransferOutcome &outcome, const InterruptWatch &watch, const LinkOptions &options,
                    const ConfigRecord &cfg)
{
    return report(withFailureReason(outcome, watch.reached(), options.device, options.family.value_or(cfg.family()),
                                    options.traceTag));
}

void printJson(const ConfigRecord &c)
{
    QJsonObject json;
    addStoredFields(json, c);
    json.insert(QStringLiteral("FirmwareVersion"), QJsonArray{c.FirmwareVersion[0], c.FirmwareVersion[1]});
    json_text::print(json);
}

int readCommand(const QStringList &argList)
{
    CommandLine args(readHelp);
    int status = ExitOk;
    QStringList ports;
    if (!args.parse(argList, status) || !portDevices(args, ports, status))
        return status;
    if (!args.positional().isEmpty())
        return args.usageError(QStringLiteral("unexpected argument \"%1\"").arg(args.positional().first()));

    ConfigRecord cfg;
    const QString project = args.value(QStringLiteral("--project"));
    LinkOptions options = baseOptions();
    if (isBatch(args, ports)) {
        if (!projectAndMaster(args, project, cfg, options, status))
            return status;
        if (args.has(QStringLiteral("--json")) || !args.has(QStringLiteral("-o")))
            return args.usageError(QStringLiteral("reading several gauges takes -o DIR (one project per port) "
                                                  "and no --json"));
        return runBatchCommand({BatchOperation::Read, ports, cfg, options, args.value(QStringLiteral("--report")),
                                args.value(QStringLiteral("-o"))});
    }
    options.device = ports.value(0);
    const QString output = args.has(QStringLiteral("-o")) ? args.value(QStringLiteral("-o")) : project;
    // Held from before the project is read until the output is written: a
    // change made to the file meanwhile would be lost.
    ProjectFileLock lock(output);
    QString lockError;
    if (!output.isEmpty() && !lock.acquire(&lockError))
        return fail(ExitFailed, lockError);
    if (!projectAndMaster(args, project, cfg, options, status))
        return status;

    const ConfigRecord before = cfg;
    InterruptWatch watch;
    const TransferOutcome outcome = readFromGauge(cfg, &watch, options);
    const auto history = historyOf(QStringLiteral("read"), options, cfg.family(), output, before, cfg, outcome);
    if (watch.interrupted())
        return watch.report(history);
    recordHistory(history);
    if (!outcome.success)
        return reportExplained(outcome, watch, options, cfg);
    if (!output.isEmpty()) {
        QString error;
        if (!project_file::writeLockedFile(output, cfg, &error))
            return fail(ExitFailed, QStringLiteral("cannot write %1: %2").arg(output, error));
    }
    if (args.has(QStringLiteral("--json"))) {
        report(outcome, false);
        printJson(cfg);
        return ExitOk;
    }
    if (output.isEmpty())
        fail(ExitOk, QStringLiteral("warning: the values read were not kept: give -o OUT.rix or --project FILE.rix "
                                    "to keep them, --json to see them"));
    return report(outcome);
}

// Where the block the gauge held before went, whenever a backup was made:
// after a write that failed it is what puts the gauge right.
void printBackup(const TransferOutcome &outcome)
{
    if (!outcome.backupFile.isEmpty())
        std::printf("backup of the block replaced: %s\n", outcome.backupFile.toLocal8Bit().constData());
}

int restoreCommand(const CommandLine &args)
{
    LinkOptions options = baseOptions();
    int status = ExitOk;
    if (!onePort(args, options, status))
        return status;
    if (!args.positional().isEmpty() || args.has(QStringLiteral("--family")) || args.has(QStringLiteral("--catalogue"))
        || args.has(QStringLiteral("--report")) || args.has(QStringLiteral("--verify")))
        return args.usageError(QStringLiteral("usage: write --restore BACKUP --port DEV [--force]"));
    options.force = args.has(QStringLiteral("--force"));
    options.verify = verifyAfterWrite(); // a restore is a write
    block_backup::Block block;
    block_backup::Identity identity;
    QString error;
    const QString path = args.value(QStringLiteral("--restore"));
    if (!block_backup::load(path, block, &error, &identity))
        return fail(ExitBadUsage, QStringLiteral("%1: %2").arg(path, error));
    // Any 64 bytes would do otherwise; a backup of ours says what it is.
    if (!identity.identified && !options.force)
        return fail(ExitBadUsage, QStringLiteral("%1 does not say which gauge it was taken from (no backup header); "
                                                 "give --force to send it all the same")
                                      .arg(path));
    InterruptWatch watch;
    const TransferOutcome outcome = restoreBlockToGauge(block, &watch, options, QFileInfo(path).fileName());
    transfer_history::Transfer t = historyOf(QStringLiteral("restore"), options, LinkFamily::Block, QString(),
                                             ConfigRecord(), ConfigRecord(), outcome);
    t.detail = path;
    if (watch.interrupted())
        return watch.report(t);
    recordHistory(t);
    printBackup(outcome);
    // Where it stopped and what answers on the port, as for a write.
    return report(withFailureReason(outcome, watch.reached(), options.device, LinkFamily::Block, options.traceTag));
}

int writeCommand(const QStringList &argList)
{
    CommandLine args(writeHelp);
    int status = ExitOk;
    if (!args.parse(argList, status))
        return status;
    if (args.has(QStringLiteral("--restore")))
        return restoreCommand(args);
    if (args.has(QStringLiteral("--force")))
        return args.usageError(QStringLiteral("--force belongs to write --restore"));
    QStringList ports;
    if (!portDevices(args, ports, status))
        return status;
    if (args.positional().size() != 1)
        return args.usageError(QStringLiteral("write takes one project file"));
    ConfigRecord cfg;
    LinkOptions options = baseOptions();
    options.verify = args.has(QStringLiteral("--verify")) || verifyAfterWrite();
    if (!projectAndMaster(args, args.positional().first(), cfg, options, status))
        return status;
    if (isBatch(args, ports))
        return runBatchCommand({BatchOperation::Write, ports, cfg, options, args.value(QStringLiteral("--report")),
                                QString(), args.positional().first()});
    options.device = ports.value(0);
    InterruptWatch watch;
    const TransferOutcome outcome = writeToGauge(cfg, &watch, options);
    const auto history = historyOf(QStringLiteral("write"), options, cfg.family(), args.positional().first(), cfg, cfg,
                                   outcome);
    if (watch.interrupted())
        return watch.report(history);
    recordHistory(history);
    printBackup(outcome);
    return reportExplained(outcome, watch, options, cfg);
}

int verifyCommand(const QStringList &argList)
{
    CommandLine args(verifyHelp);
    int status = ExitOk;
    QStringList ports;
    if (!args.parse(argList, status) || !portDevices(args, ports, status))
        return status;
    if (args.positional().size() != 1)
        return args.usageError(QStringLiteral("verify takes one project file"));
    ConfigRecord cfg;
    LinkOptions options = baseOptions();
    if (!projectAndMaster(args, args.positional().first(), cfg, options, status))
        return status;
    if (isBatch(args, ports))
        return runBatchCommand({BatchOperation::Verify, ports, cfg, options, args.value(QStringLiteral("--report")),
                                QString(), args.positional().first()});
    options.device = ports.value(0);
    InterruptWatch watch;
    const TransferOutcome outcome = verifyGauge(cfg, &watch, options);
    const auto history = historyOf(QStringLiteral("verify"), options, cfg.family(), args.positional().first(), cfg, cfg,
                                   outcome);
    if (watch.interrupted())
        return watch.report(history);
    recordHistory(history);
    return reportExplained(outcome, watch, options, cfg);
}

int presetCommand(const QStringList &argList)
{
    CommandLine args(presetHelp);
    int status = ExitOk;
    LinkOptions options = baseOptions();
    if (!args.parse(argList, status) || !onePort(args, options, status))
        return status;
    const bool distance = args.has(QStringLiteral("--distance"));
    if (distance == args.has(QStringLiteral("--hours")) || !args.positional().isEmpty())
        return args.usageError(QStringLiteral("preset takes either --distance N or --hours H"));

    CounterPresetPlan plan;
    const QString text = args.value(distance ? QStringLiteral("--distance") : QStringLiteral("--hours"));
    const int refusal = planCounterPreset(text, distance ? CounterKind::Distance : CounterKind::Hours, plan);
    if (refusal != 0)
        return fail(ExitBadUsage, counterPresetRefusalText(refusal));
    const KeptCounter kept = keptCounter(text, plan, distance ? CounterKind::Distance : CounterKind::Hours);
    if (!kept.note.isEmpty())
        fail(ExitOk, QStringLiteral("warning: ") + kept.note);
    InterruptWatch watch;
    const TransferOutcome outcome = presetCounter(plan.startAddress, plan.cells, plan.value, 0, &watch, options);
    transfer_history::Transfer t = historyOf(QStringLiteral("preset"), options, LinkFamily::Register, QString(),
                                             ConfigRecord(), ConfigRecord(), outcome);
    t.sent = presetValuePhrase(plan);
    if (watch.interrupted())
        return watch.report(t);
    recordHistory(t);
    return report(outcome);
}

int selftestCommand(const QStringList &argList)
{
    CommandLine args(selftestHelp);
    int status = ExitOk;
    LinkOptions options = baseOptions();
    if (!args.parse(argList, status) || !onePort(args, options, status))
        return status;
    if (!args.positional().isEmpty())
        return args.usageError(QStringLiteral("unexpected argument \"%1\"").arg(args.positional().first()));
    const SelfTestReport result = runLinkSelfTest(nullptr, options);
    if (!result.opened) {
        fail(ExitFailed, QStringLiteral("Connect failed"));
        return fail(ExitFailed, withPortHint(result.openDetail)); // why, as the other gauge commands say
    }
    for (const QString &step : result.steps)
        std::printf("%s\n", step.toLocal8Bit().constData());
    if (result.failedSteps > 0)
        return fail(ExitFailed, QStringLiteral("%1 of %2 steps got no valid answer")
                                              .arg(result.failedSteps)
                                              .arg(result.steps.size()));
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(read, "read", usageOf({&readHelp}), readCommand)
SKALERON_CLI_COMMAND(write, "write", usageOf({&writeHelp}), writeCommand)
SKALERON_CLI_COMMAND(verify, "verify", usageOf({&verifyHelp}), verifyCommand)
SKALERON_CLI_COMMAND(preset, "preset", usageOf({&presetHelp}), presetCommand)
SKALERON_CLI_COMMAND(selftest, "selftest", usageOf({&selftestHelp}), selftestCommand)
