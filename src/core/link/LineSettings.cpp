#include "LineSettings.h"

#include "base/SettingsStore.h"

#include <QMutex>
#include <QRegularExpression>

void mapLineSelectors(const LineSelectors &stored, int &port, int &baud, int &dataBits, int &parity,
                      int &stopBits)
{
    port = stored.port;

    switch (stored.dataBits) {
    case 0: dataBits = 7; break;
    case 1: dataBits = 8; break;
    default: break;
    }
    switch (stored.parity) {
    case 0: parity = line_parity::Even; break;
    case 1: parity = line_parity::Odd; break;
    case 2: parity = line_parity::None; break;
    default: break;
    }
    switch (stored.baudRate) {
    case 0: baud = 4800; break;
    case 1: baud = 9600; break;
    case 2: baud = 19200; break;
    default: break;
    }
    switch (stored.stopBits) {
    case 0: stopBits = line_stop_bits::One; break;
    case 1: stopBits = line_stop_bits::OneAndHalf; break;
    case 2: stopBits = line_stop_bits::Two; break;
    default: break;
    }
}

static const QString Section = QStringLiteral("Communication");

LineSelectors LineSelectors::load()
{
    const LineSelectors defaults;
    LineSelectors s;
    s.port = settings_store::readInt(Section, QStringLiteral("Port"), defaults.port);
    s.dataBits = settings_store::readInt(Section, QStringLiteral("Databits"), defaults.dataBits);
    s.parity = settings_store::readInt(Section, QStringLiteral("Parity"), defaults.parity);
    s.baudRate = settings_store::readInt(Section, QStringLiteral("Baudrate"), defaults.baudRate);
    s.stopBits = settings_store::readInt(Section, QStringLiteral("Stopbits"), defaults.stopBits);
    return s;
}

bool LineSelectors::store() const
{
    return settings_store::writeInt(Section, QStringLiteral("Baudrate"), baudRate)
           && settings_store::writeInt(Section, QStringLiteral("Databits"), dataBits)
           && settings_store::writeInt(Section, QStringLiteral("Parity"), parity)
           && settings_store::writeInt(Section, QStringLiteral("Port"), port)
           && settings_store::writeInt(Section, QStringLiteral("Stopbits"), stopBits);
}

void loadLineSettings(int *port, int *baud, int *dataBits, int *parity, int *stopBits)
{
    if (!port || !baud || !dataBits || !parity || !stopBits)
        return;
    mapLineSelectors(LineSelectors::load(), *port, *baud, *dataBits, *parity, *stopBits);
}

LineSettings loadLineSettings()
{
    LineSettings l;
    loadLineSettings(&l.port, &l.baud, &l.dataBits, &l.parity, &l.stopBits);
    return l;
}

QString portDeviceName(int port)
{
    // Ports count from 1; the default port 0 names none, so that a program
    // never set up opens nothing rather than the first serial device.
    if (port < 1)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

QString portDeviceFromArgument(const QString &argument)
{
    static const QRegularExpression com(QStringLiteral("^COM\\s*(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(argument.trimmed());
    if (m.hasMatch())
        return portDeviceName(m.captured(1).toInt());
#ifndef Q_OS_WIN
    // A bare name is a device below /dev, as the serial port opens it: so
    // "pts/5" and "/dev/pts/5" are seen as one port (a batch, the history).
    const QString name = argument.trimmed();
    if (!name.isEmpty() && !name.startsWith(QLatin1Char('/')) && !name.startsWith(QLatin1String("./"))
        && !name.startsWith(QLatin1String("../")) && !name.contains(QLatin1String("://")))
        return QStringLiteral("/dev/") + name;
#endif
    return argument;
}

static QMutex &overrideMutex()
{
    static QMutex mutex;
    return mutex;
}

static QString &overrideDevice()
{
    static QString device;
    return device;
}

void setSessionPortDevice(const QString &device)
{
    QMutexLocker lock(&overrideMutex());
    overrideDevice() = device;
}

QString sessionPortDevice()
{
    QMutexLocker lock(&overrideMutex());
    return overrideDevice();
}

QString configuredPortDevice(int port)
{
    const QString session = sessionPortDevice();
    if (!session.isEmpty())
        return session;
    const QString stored = settings_store::readString(Section, QStringLiteral("Device"), QString());
    if (!stored.trimmed().isEmpty())
        return stored.trimmed();
    return portDeviceName(port);
}

bool verifyAfterWrite()
{
    return settings_store::readInt(QStringLiteral("Communication"), QStringLiteral("VerifyAfterWrite"), 0) != 0;
}

bool setVerifyAfterWrite(bool on)
{
    return settings_store::writeInt(QStringLiteral("Communication"), QStringLiteral("VerifyAfterWrite"), on ? 1 : 0);
}
