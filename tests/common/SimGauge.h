#pragma once
// A simulated gauge on a pseudo-terminal for one test, made the session's
// port so that every link opened during the test reaches it.
#include "PtyGaugeServer.h"
#include "link/ByteStream.h"
#include "link/LineSettings.h"

#include <QFile>
#include <QTest>

namespace testing_support {

// Short time-outs keep silent-gauge tests fast.
inline ReadTimeouts fastTimeouts() { return ReadTimeouts{150, 2, 150}; }

// A simulator set-up of the family with faults in the simulator's own words
// ("any=silence").
inline GaugeSimConfig simConfig(SimFamily family, const QStringList &faults)
{
    GaugeSimConfig config;
    config.family = family;
    for (const QString &text : faults) {
        SimFault fault;
        QString error;
        if (!parseSimFault(text, fault, &error))
            qFatal("%s", qPrintable(error));
        config.faults.append(fault);
    }
    return config;
}

class SimGauge
{
public:
    explicit SimGauge(SimFamily family, const QStringList &faults = {}, bool wireSpeed = false)
    {
        GaugeSimConfig config = simConfig(family, faults);
        config.wireSpeed = wireSpeed;
        server = std::make_unique<PtyGaugeServer>(config);
        QString error;
        if (!server->start(&error))
            qFatal("simulator: %s", qPrintable(error));
        setSessionPortDevice(server->devicePath());
    }
    ~SimGauge() { setSessionPortDevice(QString()); }

    GaugeSimState state() const { return server->state(); }
    QStringList frames() const { return state().frames; }
    int count(const QString &what) const { return state().counters.value(what); }

    std::unique_ptr<PtyGaugeServer> server;
};

// The lines of the traffic trace in the current folder.
inline QStringList traceLines()
{
    QFile f(QStringLiteral("log.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

}
