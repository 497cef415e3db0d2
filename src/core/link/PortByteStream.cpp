#include "PortByteStream.h"

#include "NetworkAddress.h"
#include "NetworkByteStream.h"
#include "SerialByteStream.h"

PortByteStream::PortByteStream(const ReadTimeouts &timeouts)
    : m_timeouts(timeouts)
{
}

PortByteStream::~PortByteStream() = default;

OpenStatus PortByteStream::open(const QString &device, const LineSettings &line)
{
    if (isOpen())
        return OpenStatus::Open;
    if (isNetworkAddress(device))
        m_stream = std::make_unique<NetworkByteStream>(m_timeouts);
    else
        m_stream = std::make_unique<SerialByteStream>(m_timeouts);
    m_stream->setCancelCheck(m_cancelled);
    return m_stream->open(device, line);
}

void PortByteStream::write(const QByteArray &bytes)
{
    if (m_stream)
        m_stream->write(bytes);
}

QByteArray PortByteStream::read(int count) { return m_stream ? m_stream->read(count) : QByteArray(); }

QByteArray PortByteStream::readWaiting() { return m_stream ? m_stream->readWaiting() : QByteArray(); }

void PortByteStream::purge()
{
    if (m_stream)
        m_stream->purge();
}

void PortByteStream::close()
{
    if (m_stream)
        m_stream->close();
}

void PortByteStream::setCancelCheck(std::function<bool()> check)
{
    m_cancelled = std::move(check);
    if (m_stream)
        m_stream->setCancelCheck(m_cancelled);
}
