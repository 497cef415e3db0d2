// skaleron-cli probe: which serial ports have a gauge on them, and of which
// family. Every port the system lists is tried, and every --port besides.
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

QString familyJson(const ProbeResult &r)
{
    if (!r.family)
        return QStringLiteral("null");
    return json_text::string(*r.family == LinkFamily::Block ? QStringLiteral("block") : QStringLiteral("register"));
}

QString firmwareJson(const ProbeResult &r)
{
    if (!r.firmwareVersion)
        return QStringLiteral("null");
    return QStringLiteral("[%1,%2]").arg((*r.firmwareVersion)[0]).arg((*r.firmwareVersion)[1]);
}

int probeCommand(const QStringList &argList)
{
    const LinkArguments args(argList, {"--port"}, {"--json"}, {"--port"});
    int status = ExitOk;
    QStringList given;
    if (!portDevices(args, given, status))
        return status;
    if (!args.positional().isEmpty())
        return fail(ExitBadUsage, QStringLiteral("usage: probe [--json] [--port DEV ...]"));

    // The system's ports and the stored network ports, then those given that
    // are not among them.
    QStringList ports = portsToProbe();
    QStringList known;
    for (const QString &port : ports)
        known << identity(port);
    for (const QString &port : given) {
        if (!known.contains(identity(port))) {
            known << identity(port);
            ports << port;
        }
    }

    const QVector<ProbeResult> results = probePorts(ports);
    bool anyGauge = false;
    QStringList entries;
    for (const ProbeResult &r : results) {
        anyGauge = anyGauge || r.status == ProbeStatus::Found;
        if (!args.has(QStringLiteral("--json"))) {
            std::printf("%s: %s\n", r.port.toLocal8Bit().constData(), r.message.toLocal8Bit().constData());
            continue;
        }
        json_text::Object o;
        o.add(QStringLiteral("Port"), json_text::string(r.port));
        o.add(QStringLiteral("Family"), familyJson(r));
        o.add(QStringLiteral("FirmwareVersion"), firmwareJson(r));
        o.add(QStringLiteral("Message"), json_text::string(r.message));
        entries << o.text();
    }
    if (args.has(QStringLiteral("--json")))
        std::printf("[%s]\n", entries.join(QLatin1Char(',')).toUtf8().constData());
    if (!anyGauge)
        return fail(ExitFailed, ports.isEmpty() ? QStringLiteral("no serial port to try") : QStringLiteral("no gauge found"));
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(probe, "probe", "probe [--json] [--port DEV ...]", probeCommand)
