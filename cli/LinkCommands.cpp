// skaleron-cli read|write|preset|selftest: the gauge transfers of the desktop
// program without its window. Traffic goes to "log.txt" in the current folder.
#include "CliCommand.h"
#include "JsonText.h"
#include "LinkArguments.h"
#include "MasterTypeSource.h"
#include "StoredFields.h"

#include "link/CounterPresetInput.h"
#include "link/GaugeSequences.h"
#include "link/LineSettings.h"
#include "model/ProjectFile.h"

#include <cstdio>

namespace {

const QStringList linkOptions = {QStringLiteral("--port"), QStringLiteral("--family"), QStringLiteral("--catalogue")};

// The link's time-outs, unless SKALERON_LINK_TIMEOUTS ("interval,per byte,
// constant" in milliseconds) shortens them: a self-test waits for 4.5 s of
// silence after each of its open-ended replies, too long for scripted tests.
LinkOptions baseOptions()
{
    LinkOptions options;
    const QStringList parts = qEnvironmentVariable("SKALERON_LINK_TIMEOUTS").split(QLatin1Char(','));
    if (parts.size() == 3) {
        bool a = false, b = false, c = false;
        const ReadTimeouts t{parts[0].toInt(&a), parts[1].toInt(&b), parts[2].toInt(&c)};
        if (a && b && c && t.intervalMs > 0 && t.totalMultiplierMs >= 0 && t.totalConstantMs > 0)
            options.timeouts = t;
    }
    return options;
}

// The port given on the command line replaces the configured one for this
// run only.
bool prepare(const cli::LinkArguments &args, int &status)
{
    if (!args.ok()) {
        status = cli::fail(cli::ExitBadUsage, args.error());
        return false;
    }
    if (args.has(QStringLiteral("--port"))) {
        const QString port = args.value(QStringLiteral("--port")).trimmed();
        if (port.isEmpty()) {
            status = cli::fail(cli::ExitBadUsage, QStringLiteral("--port needs a device path or COMn"));
            return false;
        }
        const QString device = PortDeviceFromArgument(port);
        if (device.isEmpty()) {
            status = cli::fail(cli::ExitBadUsage, QStringLiteral("%1 names no port: ports count from COM1").arg(port));
            return false;
        }
        SetSessionPortDevice(device);
    }
    return true;
}

// The failure's texts on stderr, exit status 1 (2 for a record refused by
// its check: bad input); a success's notice on stderr and its text on
// stdout, exit status 0.
int report(const TransferOutcome &outcome, bool textOnStdout = true)
{
    if (!outcome.success) {
        if (!outcome.notice.isEmpty())
            cli::fail(cli::ExitFailed, outcome.notice);
        return cli::fail(outcome.refused ? cli::ExitBadUsage : cli::ExitFailed, outcome.text);
    }
    if (!outcome.notice.isEmpty())
        cli::fail(cli::ExitOk, QStringLiteral("warning: ") + outcome.notice);
    if (textOnStdout)
        std::printf("%s\n", outcome.text.toLocal8Bit().constData());
    return cli::ExitOk;
}

bool readProject(const QString &path, CConfigData &cfg, int &status)
{
    const project_file::ReadResult result = project_file::ReadFile(path, cfg);
    if (result.status != project_file::ReadStatus::Ok) {
        status = cli::fail(cli::ExitBadUsage, project_file::DescribeFailure(path, result));
        return false;
    }
    return true;
}

// The family from --family, else from the project's master type, which is
// also applied to the record (the conversions need its properties).
bool resolveMaster(const cli::LinkArguments &args, CConfigData &cfg, LinkOptions &options, int &status)
{
    if (args.has(QStringLiteral("--family"))) {
        const QString family = args.value(QStringLiteral("--family"));
        if (family == QLatin1String("block"))
            options.family = LinkFamily::Block;
        else if (family == QLatin1String("register"))
            options.family = LinkFamily::Register;
        else {
            status = cli::fail(cli::ExitBadUsage, QStringLiteral("--family takes block or register"));
            return false;
        }
    }
    if (cfg.MasterId == -1) {
        if (options.family)
            return true;
        status = cli::fail(cli::ExitBadUsage,
                           QStringLiteral("the project has no master type: give --family block or --family register"));
        return false;
    }
    const MasterTypeInfo info = cli::LookUpMasterType(cfg.MasterId, args.value(QStringLiteral("--catalogue")));
    if (info.Found) {
        cfg.ApplyMasterType(info);
        return true;
    }
    if (options.family)
        return true;
    status = cli::fail(cli::ExitBadUsage, QStringLiteral("master type %1 is not in the catalogue; give --family "
                                                         "block or --family register")
                                              .arg(cfg.MasterId));
    return false;
}

void printJson(const CConfigData &c)
{
    json_text::Object json;
    cli::AddStoredFields(json, c);
    json.add(QStringLiteral("FirmwareVersion"),
             QStringLiteral("[%1,%2]").arg(c.FirmwareVersion[0]).arg(c.FirmwareVersion[1]));
    std::printf("%s\n", json.text().toUtf8().constData());
}

int readCommand(const QStringList &argList)
{
    const cli::LinkArguments args(argList, linkOptions + QStringList{"--project", "-o"}, {"--json"});
    int status = cli::ExitOk;
    if (!prepare(args, status))
        return status;
    if (!args.positional().isEmpty())
        return cli::fail(cli::ExitBadUsage, QStringLiteral("unexpected argument \"%1\"").arg(args.positional().first()));

    CConfigData cfg;
    const QString project = args.value(QStringLiteral("--project"));
    if (!project.isEmpty() && !readProject(project, cfg, status))
        return status;
    LinkOptions options = baseOptions();
    if (!resolveMaster(args, cfg, options, status))
        return status;

    const TransferOutcome outcome = ReadFromGauge(cfg, nullptr, options);
    if (!outcome.success)
        return report(outcome);
    const QString output = args.has(QStringLiteral("-o")) ? args.value(QStringLiteral("-o")) : project;
    if (!output.isEmpty()) {
        QString error;
        if (!project_file::WriteFile(output, cfg, &error))
            return cli::fail(cli::ExitFailed, QStringLiteral("cannot write %1: %2").arg(output, error));
    }
    if (args.has(QStringLiteral("--json"))) {
        report(outcome, false);
        printJson(cfg);
        return cli::ExitOk;
    }
    return report(outcome);
}

int restoreCommand(const cli::LinkArguments &args)
{
    if (!args.positional().isEmpty() || args.has(QStringLiteral("--family")) || args.has(QStringLiteral("--catalogue")))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: write --restore BACKUP --port DEV"));
    block_backup::Block block;
    QString error;
    const QString path = args.value(QStringLiteral("--restore"));
    if (!block_backup::Load(path, block, &error))
        return cli::fail(cli::ExitBadUsage, QStringLiteral("%1: %2").arg(path, error));
    const TransferOutcome outcome = RestoreBlockToGauge(block, nullptr, baseOptions());
    if (outcome.success)
        std::printf("backup of the block replaced: %s\n", outcome.backupFile.toLocal8Bit().constData());
    return report(outcome);
}

int writeCommand(const QStringList &argList)
{
    const cli::LinkArguments args(argList, linkOptions + QStringList{"--restore"}, {});
    int status = cli::ExitOk;
    if (!prepare(args, status))
        return status;
    if (args.has(QStringLiteral("--restore")))
        return restoreCommand(args);
    if (args.positional().size() != 1)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: write --port DEV [--family block|register] "
                                                           "[--catalogue DB] FILE.rix"));
    CConfigData cfg;
    if (!readProject(args.positional().first(), cfg, status))
        return status;
    LinkOptions options = baseOptions();
    if (!resolveMaster(args, cfg, options, status))
        return status;
    const TransferOutcome outcome = WriteToGauge(cfg, nullptr, options);
    if (outcome.success && !outcome.backupFile.isEmpty())
        std::printf("backup of the block replaced: %s\n", outcome.backupFile.toLocal8Bit().constData());
    return report(outcome);
}

int presetCommand(const QStringList &argList)
{
    const cli::LinkArguments args(argList, {"--port", "--distance", "--hours"}, {});
    int status = cli::ExitOk;
    if (!prepare(args, status))
        return status;
    const bool distance = args.has(QStringLiteral("--distance"));
    if (distance == args.has(QStringLiteral("--hours")) || !args.positional().isEmpty())
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: preset --port DEV (--distance N | --hours H)"));

    CounterPresetPlan plan;
    const QString text = args.value(distance ? QStringLiteral("--distance") : QStringLiteral("--hours"));
    const int refusal = PlanCounterPreset(text, distance ? CounterKind::Distance : CounterKind::Hours, plan);
    if (refusal != 0)
        return cli::fail(cli::ExitBadUsage, CounterPresetRefusalText(refusal));
    return report(PresetCounter(plan.startAddress, plan.cells, plan.value, 0, nullptr, baseOptions()));
}

int selftestCommand(const QStringList &argList)
{
    const cli::LinkArguments args(argList, {"--port"}, {});
    int status = cli::ExitOk;
    if (!prepare(args, status))
        return status;
    if (!args.positional().isEmpty())
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: selftest --port DEV"));
    const SelfTestReport result = RunLinkSelfTest(nullptr, baseOptions());
    if (!result.opened)
        return cli::fail(cli::ExitFailed, QStringLiteral("Connect failed"));
    for (const QString &step : result.steps)
        std::printf("%s\n", step.toLocal8Bit().constData());
    if (result.failedSteps > 0)
        return cli::fail(cli::ExitFailed, QStringLiteral("%1 of %2 steps got no valid answer")
                                              .arg(result.failedSteps)
                                              .arg(result.steps.size()));
    return cli::ExitOk;
}

}

SKALERON_CLI_COMMAND(read, "read",
                     "read --port DEV [--project FILE.rix] [--family block|register] [--catalogue DB] [-o OUT.rix] [--json]",
                     readCommand)
SKALERON_CLI_COMMAND(write, "write",
                     "write --port DEV [--family block|register] [--catalogue DB] FILE.rix\n"
                     "write --restore BACKUP --port DEV",
                     writeCommand)
SKALERON_CLI_COMMAND(preset, "preset", "preset --port DEV (--distance N | --hours H)", presetCommand)
SKALERON_CLI_COMMAND(selftest, "selftest", "selftest --port DEV", selftestCommand)
