#include "SerialByteStream.h"

#include "PortLock.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr int QueueSize = 512;
// Write time-out: per byte plus a constant.
constexpr int WriteMultiplierMs = 50;
constexpr int WriteConstantMs = 50;

QSerialPort::Parity toQtParity(int parity)
{
    switch (parity) {
    case line_parity::Even: return QSerialPort::EvenParity;
    case line_parity::Odd: return QSerialPort::OddParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits toQtStopBits(int stopBits)
{
    switch (stopBits) {
    case line_stop_bits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case line_stop_bits::Two: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
    }
}

}

SerialByteStream::SerialByteStream(const ReadTimeouts &timeouts)
    : m_timeouts(timeouts)
{
}

SerialByteStream::~SerialByteStream() { close(); }

OpenStatus SerialByteStream::open(const QString &device, const LineSettings &line)
{
    if (m_port.isOpen())
        return OpenStatus::Open;
    if (device.isEmpty())
        return OpenStatus::NoSuchPort; // port 0: no port was chosen
    m_port.setPortName(device);
    m_port.setReadBufferSize(QueueSize);
    const bool configured = m_port.setBaudRate(line.baud) && m_port.setDataBits(QSerialPort::DataBits(line.dataBits))
                            && m_port.setParity(toQtParity(line.parity))
                            && m_port.setStopBits(toQtStopBits(line.stopBits))
                            && m_port.setFlowControl(QSerialPort::NoFlowControl);
    bool opened = configured && m_port.open(QIODevice::ReadWrite);
    // A lock left by a killed program is taken over at once.
    if (!opened && m_port.error() == QSerialPort::PermissionError && port_lock::removeStale(device))
        opened = m_port.open(QIODevice::ReadWrite);
    if (!opened) {
        const bool missing = m_port.error() == QSerialPort::DeviceNotFoundError;
        const QString holder = port_lock::holder(device);
        m_openError = holder.isEmpty() ? m_port.errorString() : holder;
        m_port.close();
        return missing ? OpenStatus::NoSuchPort : OpenStatus::Failed;
    }
    // Modem lines low. Some devices (pseudo-terminals) have no modem lines and
    // refuse the calls; the link does not need them.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_openError.clear();
    m_port.clearError();
    purge();
    return OpenStatus::Open;
}

bool SerialByteStream::isOpen() const { return m_port.isOpen(); }

void SerialByteStream::write(const QByteArray &bytes)
{
    if (!m_port.isOpen() || bytes.isEmpty())
        return;
    m_port.write(bytes);
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = qint64(WriteMultiplierMs) * bytes.size() + WriteConstantMs;
    while (m_port.bytesToWrite() > 0) {
        const qint64 left = limit - timer.elapsed();
        if (left <= 0 || !m_port.waitForBytesWritten(int(left)))
            break;
    }
}

QByteArray SerialByteStream::read(int count)
{
    QByteArray received;
    if (!m_port.isOpen() || count <= 0)
        return received;
    QElapsedTimer total;
    total.start();
    const qint64 totalLimit = m_timeouts.totalFor(count);
    bool paced = false; // once a reply has begun; then each byte is taken as it comes
    while (received.size() < count) {
        if (m_port.bytesAvailable() > 0) {
            received += m_port.read(count - received.size());
            if (received.size() < count && !paced) {
                paced = true;
                const qint64 limit = std::min<qint64>(totalLimit - total.elapsed(), m_timeouts.intervalMs);
                if (!awaitRest(count - int(received.size()) - 1, int(m_port.baudRate()), limit, m_cancelled))
                    break;
                m_port.waitForReadyRead(0); // takes in what came meanwhile
            }
            continue;
        }
        const qint64 left = totalLimit - total.elapsed();
        if (left <= 0 || cancelled())
            break;
        // The silence between bytes counts only once the first byte is in.
        const qint64 silence = received.isEmpty() ? left : std::min<qint64>(left, m_timeouts.intervalMs);
        if (!waitForBytes(silence))
            break;
    }
    return received;
}

bool SerialByteStream::waitForBytes(qint64 ms)
{
    // In short slices, so that a cancel is seen while the gauge is silent.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const qint64 left = ms - waited.elapsed();
        if (left <= 0 || cancelled())
            return false;
        if (m_port.waitForReadyRead(int(std::min<qint64>(left, CancelCheckMs))))
            return true;
        if (m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError)
            return false;
    }
}

QByteArray SerialByteStream::readWaiting()
{
    if (!m_port.isOpen())
        return QByteArray();
    m_port.waitForReadyRead(0); // takes in what the driver already holds
    return m_port.readAll();
}

void SerialByteStream::purge()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

void SerialByteStream::close()
{
    if (m_port.isOpen())
        m_port.close();
}
