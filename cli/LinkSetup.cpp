#include "LinkSetup.h"

#include "CliCommand.h"
#include "MasterTypeSource.h"

#include "base/Language.h"
#include "base/SettingsStore.h"
#include "link/BlockBackup.h"
#include "link/LineSettings.h"
#include "link/NetworkAddress.h"
#include "link/TrafficTrace.h"
#include "model/ProjectFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace cli {

Option portOption(bool repeatable)
{
    return {"port", "DEV",
            repeatable ? "A gauge's serial port: a device path, COMn, rfc2217://HOST:PORT or tcp://HOST:PORT; once for "
                         "each gauge (default: the settings' port)."
                       : "The gauge's serial port: a device path, COMn, rfc2217://HOST:PORT or tcp://HOST:PORT "
                         "(default: the settings' port).",
            repeatable};
}

const Option &traceOption()
{
    static const Option option{"trace", "FILE", "Trace the traffic to FILE (default: log.txt in the current folder)."};
    return option;
}

const Option &familyOption()
{
    static const Option option{"family", "block|register",
                               "The gauge's link family, for a project whose master type is unknown (one that is known must be of it)."};
    return option;
}

const Option &catalogueOption()
{
    static const Option option{"catalogue", "DB", "The master type catalogue: a file or a postgresql:// address."};
    return option;
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

namespace {

// What the file named for the trace is, when lines appended to it would
// spoil it for good; empty for a trace or a new file.
QString traceRefusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QString(); // a new file, or one whose open says why not
    if (project_file::holdsProject(path))
        return QStringLiteral("is a project file");
    block_backup::Block block{};
    QString ignored;
    if (block_backup::load(path, block, &ignored))
        return QStringLiteral("is a block backup");
    if (info.canonicalFilePath() == QFileInfo(settings_store::location()).canonicalFilePath())
        return QStringLiteral("is the settings file");
    // A catalogue, the service history: a database, not lines of text.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.read(4096).contains('\0'))
        return QStringLiteral("is not a text file");
    return QString();
}

}

bool portDevices(const CommandLine &args, QStringList &devices, int &status, bool refuseMalformedAddress)
{
    if (args.has(QStringLiteral("--trace"))) {
        if (args.value(QStringLiteral("--trace")).isEmpty()) {
            status = args.usageError(QStringLiteral("--trace needs a file"));
            return false;
        }
        QString notForTrace = traceRefusal(args.value(QStringLiteral("--trace")));
        // The command's own output would replace the trace, or be spoilt by it.
        for (const QString &output : {QStringLiteral("-o"), QStringLiteral("--report")}) {
            if (notForTrace.isEmpty() && args.has(output)
                && QFileInfo(args.value(output)) == QFileInfo(args.value(QStringLiteral("--trace"))))
                notForTrace = QStringLiteral("is this command's %1 file").arg(output);
        }
        if (!notForTrace.isEmpty()) {
            status = fail(ExitBadUsage, QStringLiteral("%1 %2; the trace does not go into it")
                                            .arg(args.value(QStringLiteral("--trace")), notForTrace));
            return false;
        }
        traffic_trace::setFile(args.value(QStringLiteral("--trace")));
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
        // Bad input, like COM0: no connection is tried.
        const QString notAnAddress = refuseMalformedAddress ? networkAddressProblem(port) : QString();
        if (!notAnAddress.isEmpty()) {
            status = fail(ExitBadUsage, QStringLiteral("%1 is %2").arg(port, notAnAddress));
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

bool resolveMaster(const CommandLine &args, ConfigRecord &cfg, LinkOptions &options, int &status)
{
    const QString catalogueProblem = catalogueOptionProblem(args.value(QStringLiteral("--catalogue")));
    if (!catalogueProblem.isEmpty()) {
        status = fail(ExitBadUsage, catalogueProblem);
        return false;
    }
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
        // The catalogue knows the master type's family: another one given
        // would send the project to a gauge that cannot hold it.
        if (options.family && *options.family != cfg.family()) {
            status = fail(ExitBadUsage, QStringLiteral("--family %1 does not fit the project: master type %2 (%3) is "
                                                       "of the %4 family")
                                            .arg(args.value(QStringLiteral("--family")))
                                            .arg(cfg.MasterId)
                                            .arg(cfg.Description,
                                                 cfg.family() == LinkFamily::Block ? QStringLiteral("block")
                                                                                    : QStringLiteral("register")));
            return false;
        }
        return true;
    }
    if (options.family)
        return true;
    status = fail(ExitBadUsage, QStringLiteral("master type %1 is not in the catalogue; give --family "
                                               "block or --family register")
                                    .arg(cfg.MasterId));
    return false;
}

QString withPortHint(const QString &detail)
{
    if (detail != loadTranslatedString(5105))
        return detail;
    return detail + QStringLiteral(" Here: give --port DEV, or store it with config set Communication/Device DEV.");
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
        for (const QString &part : {withPortHint(outcome.detail), outcome.cancelNote}) {
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
