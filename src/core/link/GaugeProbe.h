#pragma once
// Finds the gauges on serial ports. Each port is tried with the harmless
// greeting of each family at the family's own line speed (the block family's
// ping at 19200 baud, then the upload that tells its firmware; the register
// family's login and ping at 4800 baud), with short time-outs. Ports are
// tried side by side, one thread each; a port that is missing, busy or
// refuses to open is reported as such, and a port whose thread does not
// finish in time is reported without waiting for it.
#include "ByteStream.h"
#include "model/ConfigRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

enum class ProbeStatus {
    Found,        // a gauge of family answered
    Silent,       // nothing came back
    Unrecognised, // bytes came back, but not as either family answers
    NoSuchPort,
    Busy,         // the port is in use or refuses to open
    TimedOut,     // the port's thread did not finish in time
};

struct ProbeResult
{
    QString port;
    ProbeStatus status = ProbeStatus::Silent;
    std::optional<LinkFamily> family;
    // Bytes 4 and 5 of a block-family gauge's parameter block.
    std::optional<std::array<uint8_t, 2>> firmwareVersion;
    QString message; // translated, one line
};

struct ProbeOptions
{
    // Short: a gauge answers within a few tens of milliseconds.
    ReadTimeouts timeouts{100, 5, 400};
    // Called on the port's own thread as soon as that port is done (the
    // desktop program forwards it to its window thread); never after
    // probePorts has returned.
    std::function<void(const ProbeResult &)> finished;
};

// The serial ports the system lists, as device paths.
QStringList systemSerialPorts();
// The network ports kept in the settings list "Communication"/"NetworkPorts"
// (rfc2217://HOST:PORT or tcp://HOST:PORT).
QStringList storedNetworkPorts();
// Where gauges are looked for: the system's serial ports, then the stored
// network ports.
QStringList portsToProbe();

// Tries one port on the calling thread. traceTag starts its trace lines.
ProbeResult probePort(const QString &device, const ProbeOptions &options = ProbeOptions(),
                      const QString &traceTag = QString());

// Tries every port side by side; the results come in the order of ports.
// Returns at the latest shortly after the longest a probe can take.
QVector<ProbeResult> probePorts(const QStringList &ports, const ProbeOptions &options = ProbeOptions());
