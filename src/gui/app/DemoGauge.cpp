#include "DemoGauge.h"

#include "PtyGaugeServer.h"
#include "link/LineSettings.h"

static std::unique_ptr<PtyGaugeServer> startServer(SimFamily family, QString *error)
{
    GaugeSimConfig config;
    config.family = family;
    auto server = std::make_unique<PtyGaugeServer>(config);
    if (!server->start(error))
        return nullptr;
    return server;
}

DemoGauge::DemoGauge() = default;

DemoGauge::~DemoGauge()
{
    setSessionPortDevice(QString());
}

bool DemoGauge::start(QString *error)
{
    m_block = startServer(SimFamily::Block, error);
    if (!m_block)
        return false;
    m_register = startServer(SimFamily::Register, error);
    if (!m_register)
        return false;
    useFamily(LinkFamily::Block);
    return true;
}

QString DemoGauge::devicePath(LinkFamily family) const
{
    const auto &server = family == LinkFamily::Block ? m_block : m_register;
    return server ? server->devicePath() : QString();
}

bool DemoGauge::isItsDevice(const QString &device) const
{
    return !device.isEmpty()
        && (device == devicePath(LinkFamily::Block) || device == devicePath(LinkFamily::Register));
}

void DemoGauge::useFamily(LinkFamily family)
{
    setSessionPortDevice(devicePath(family));
}
