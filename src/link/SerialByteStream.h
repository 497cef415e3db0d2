#pragma once
// The byte stream over a serial port device (QSerialPort): no flow control,
// binary, 512-byte receive queue, modem lines low.
#include "ByteStream.h"

#include <QSerialPort>

class SerialByteStream : public IByteStream
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
    QString openError() const { return m_openError; }

private:
    ReadTimeouts m_timeouts;
    QString m_openError;
    QSerialPort m_port;
};
