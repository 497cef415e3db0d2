#pragma once
// The demo gauge of "--demo": simulated gauges of both link families on
// pseudo-terminals, one of which is made this session's port before each
// transfer, as the master type's family asks. The stored port settings are
// never touched.
#include "model/ConfigRecord.h"

#include <QString>
#include <memory>

class PtyGaugeServer;

class DemoGauge
{
public:
    DemoGauge();
    ~DemoGauge();

    // Starts both simulated gauges; false with the reason when that fails.
    bool start(QString *error);
    // Makes the gauge of that family the session's port.
    void useFamily(LinkFamily family);
    QString devicePath(LinkFamily family) const;
    // One of the simulated gauges' terminals (as Find gauge finds them).
    bool isItsDevice(const QString &device) const;

private:
    std::unique_ptr<PtyGaugeServer> m_block;
    std::unique_ptr<PtyGaugeServer> m_register;
};
