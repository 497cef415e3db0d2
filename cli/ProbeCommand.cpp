// skaleron-cli probe: which serial ports have a gauge on them, and of which
// family. The ports given with --port, or without any, every port the system
// lists: probe bytes sent to a port nobody named could disturb another device.
#include "CliCommand.h"
#include "JsonText.h"
#include "LinkSetup.h"

#include "link/GaugeProbe.h"

#include <QFileInfo>
#include <cstdio>

using namespace cli;

namespace {

QString identity(const QString &port)
{
    const QString canonical = QFileInfo(port).canonicalFilePath();
    return canonical.isEmpty() ? port : canonical;
}

QJsonValue familyJson(const ProbeResult &r)
{
    if (!r.family)
        return QJsonValue::Null;
    return *r.family == LinkFamily::Block ? QStringLiteral("block") : QStringLiteral("register");
}

QJsonValue firmwareJson(const ProbeResult &r)
{
    if (!r.firmwareVersion)
        return QJsonValue::Null;
    return QJsonArray{(*r.firmwareVersion)[0], (*r.firmwareVersion)[1]};
}

const CommandHelp probeHelp{
    "probe", "probe [--json] [--port DEV ...] [--trace FILE]",
    "Looks for gauges on the ports given, or else on every serial port the system lists and the network ports of the settings, all at once; exit 1 when none answers.",
    {{"json", nullptr, "Print a JSON list of the ports and what answered on them."},
     {"port", "DEV", "A port to try: a device path, COMn, rfc2217://HOST:PORT or tcp://HOST:PORT.", true}, traceOption()},
    "probe --port /dev/pts/3 --json"};

int probeCommand(const QStringList &argList)
{
    CommandLine args(probeHelp);
    int status = ExitOk;
    QStringList given;
    if (!args.parse(argList, status) || !portDevices(args, given, status, false))
        return status;
    if (!args.positional().isEmpty())
        return args.usageError(QStringLiteral("unexpected argument \"%1\"").arg(args.positional().first()));

    // Only the ports given; without any, the system's ports and the stored
    // network ports. Each once, however it is named.
    QStringList ports;
    QStringList known;
    for (const QString &port : given.isEmpty() ? portsToProbe() : given) {
        if (!known.contains(identity(port))) {
            known << identity(port);
            ports << port;
        }
    }

    const QVector<ProbeResult> results = probePorts(ports);
    bool anyGauge = false;
    QJsonArray entries;
    for (const ProbeResult &r : results) {
        anyGauge = anyGauge || r.status == ProbeStatus::Found;
        if (!args.has(QStringLiteral("--json"))) {
            std::printf("%s: %s\n", r.port.toLocal8Bit().constData(), r.message.toLocal8Bit().constData());
            continue;
        }
        entries.append(QJsonObject{{QStringLiteral("Port"), r.port},
                                   {QStringLiteral("Family"), familyJson(r)},
                                   {QStringLiteral("FirmwareVersion"), firmwareJson(r)},
                                   {QStringLiteral("Message"), r.message}});
    }
    if (args.has(QStringLiteral("--json")))
        json_text::print(entries);
    if (!anyGauge)
        return fail(ExitFailed, ports.isEmpty() ? QStringLiteral("no serial port to try") : QStringLiteral("no gauge found"));
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(probe, "probe", usageOf({&probeHelp}), probeCommand)
