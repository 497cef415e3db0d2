#include "LinkSetup.h"

#include "CliCommand.h"
#include "MasterTypeSource.h"

#include "link/LineSettings.h"
#include "model/ProjectFile.h"

#include <cstdio>

namespace cli {

const QStringList &linkOptions()
{
    static const QStringList options = {QStringLiteral("--port"), QStringLiteral("--family"),
                                        QStringLiteral("--catalogue")};
    return options;
}

// A self-test waits for 4.5 s of silence after each of its open-ended
// replies, too long for scripted tests: they shorten the time-outs.
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

bool portDevices(const LinkArguments &args, QStringList &devices, int &status)
{
    if (!args.ok()) {
        status = fail(ExitBadUsage, args.error());
        return false;
    }
    for (const QString &given : args.values(QStringLiteral("--port"))) {
        const QString port = given.trimmed();
        if (port.isEmpty()) {
            status = fail(ExitBadUsage, QStringLiteral("--port needs a device path or COMn"));
            return false;
        }
        const QString device = portDeviceFromArgument(port);
        if (device.isEmpty()) {
            status = fail(ExitBadUsage, QStringLiteral("%1 names no port: ports count from COM1").arg(port));
            return false;
        }
        devices << device;
    }
    return true;
}

bool readProject(const QString &path, ConfigRecord &cfg, int &status)
{
    const project_file::ReadResult result = project_file::readFile(path, cfg);
    if (result.status != project_file::ReadStatus::Ok) {
        status = fail(ExitBadUsage, project_file::describeFailure(path, result));
        return false;
    }
    return true;
}

bool resolveMaster(const LinkArguments &args, ConfigRecord &cfg, LinkOptions &options, int &status)
{
    if (args.has(QStringLiteral("--family"))) {
        const QString family = args.value(QStringLiteral("--family"));
        if (family == QLatin1String("block"))
            options.family = LinkFamily::Block;
        else if (family == QLatin1String("register"))
            options.family = LinkFamily::Register;
        else {
            status = fail(ExitBadUsage, QStringLiteral("--family takes block or register"));
            return false;
        }
    }
    if (cfg.MasterId == -1) {
        if (options.family)
            return true;
        status = fail(ExitBadUsage,
                      QStringLiteral("the project has no master type: give --family block or --family register"));
        return false;
    }
    const MasterTypeInfo info = lookUpMasterType(cfg.MasterId, args.value(QStringLiteral("--catalogue")));
    if (info.Found) {
        cfg.applyMasterType(info);
        return true;
    }
    if (options.family)
        return true;
    status = fail(ExitBadUsage, QStringLiteral("master type %1 is not in the catalogue; give --family "
                                               "block or --family register")
                                    .arg(cfg.MasterId));
    return false;
}

int report(const TransferOutcome &outcome, bool textOnStdout)
{
    if (!outcome.success) {
        // One line says what failed, at most one more why.
        const int status = fail(outcome.refused ? ExitBadUsage : ExitFailed, outcome.text);
        QStringList reason;
        if (!outcome.notice.isEmpty())
            reason << (outcome.noticeDetail.isEmpty() ? outcome.notice
                                                      : outcome.notice + QStringLiteral(": ") + outcome.noticeDetail);
        for (const QString &part : {outcome.detail, outcome.cancelNote}) {
            if (!part.isEmpty())
                reason << part;
        }
        if (!reason.isEmpty())
            fail(status, reason.join(QLatin1Char(' ')));
        return status;
    }
    if (!outcome.notice.isEmpty())
        fail(ExitOk, QStringLiteral("warning: ") + outcome.notice);
    if (textOnStdout)
        std::printf("%s\n", outcome.text.toLocal8Bit().constData());
    return ExitOk;
}

}
