#pragma once
// The byte stream to whatever a port name names: a serial port device, or a
// serial port on another machine (rfc2217:// or tcp://). The kind is chosen
// again at each open.
#include "ByteStream.h"

#include <memory>

class PortByteStream : public ByteStream
{
public:
    explicit PortByteStream(const ReadTimeouts &timeouts = ReadTimeouts());
    ~PortByteStream() override;

    OpenStatus open(const QString &device, const LineSettings &line) override;
    bool isOpen() const override { return m_stream && m_stream->isOpen(); }
    void write(const QByteArray &bytes) override;
    QByteArray read(int count) override;
    QByteArray readWaiting() override;
    void purge() override;
    void close() override;
    QString errorString() const override { return m_stream ? m_stream->errorString() : QString(); }
    void setCancelCheck(std::function<bool()> check) override;

private:
    ReadTimeouts m_timeouts;
    std::unique_ptr<ByteStream> m_stream;
    std::function<bool()> m_cancelled;
};
