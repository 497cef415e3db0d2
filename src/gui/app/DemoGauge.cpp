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
    SetSessionPortDevice(QString());
}

bool DemoGauge::Start(QString *error)
{
    m_block = startServer(SimFamily::Block, error);
    if (!m_block)
        return false;
    m_register = startServer(SimFamily::Register, error);
    if (!m_register)
        return false;
    UseFamily(LinkFamily::Block);
    return true;
}

QString DemoGauge::DevicePath(LinkFamily family) const
{
    const auto &server = family == LinkFamily::Block ? m_block : m_register;
    return server ? server->devicePath() : QString();
}

void DemoGauge::UseFamily(LinkFamily family)
{
    SetSessionPortDevice(DevicePath(family));
}
