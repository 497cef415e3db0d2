#pragma once
// The byte stream over a serial port device (QSerialPort): no flow control,
// binary, 512-byte receive queue, modem lines low.
#include "ByteStream.h"

#include <QSerialPort>

class SerialByteStream : public ByteStream
{
public:
    explicit SerialByteStream(const ReadTimeouts &timeouts = ReadTimeouts());
    ~SerialByteStream() override;

    OpenStatus open(const QString &device, const LineSettings &line) override;
    bool isOpen() const override;
    void write(const QByteArray &bytes) override;
    QByteArray read(int count) override;
    QByteArray readWaiting() override;
    void purge() override;
    void close() override;
    // The system's reason the last open failed.
    QString errorString() const override { return m_openError; }
    void setCancelCheck(std::function<bool()> check) override { m_cancelled = std::move(check); }

private:
    bool cancelled() const { return m_cancelled && m_cancelled(); }
    // Waits up to ms for bytes to arrive; false on silence, an error or a cancel.
    bool waitForBytes(qint64 ms);

    ReadTimeouts m_timeouts;
    QSerialPort m_port;
    QString m_openError;
    std::function<bool()> m_cancelled;
};
