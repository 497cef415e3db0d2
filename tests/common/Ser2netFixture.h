#pragma once
// The ser2net test server (ctest fixture ser2net_start): its folder, whether
// it runs, and the TCP port of each of its accepters.
#include <QFile>
#include <QString>
#include <QTest>

namespace testing_support {

inline QString ser2netDir() { return qEnvironmentVariable("SKALERON_SER2NET_DIR"); }

// Why the tests cannot reach ser2net; empty when they can.
inline QString ser2netMissing()
{
    const QString dir = ser2netDir();
    QFile skip(dir + "/skip");
    if (!dir.isEmpty() && skip.open(QIODevice::ReadOnly))
        return QString::fromUtf8(skip.readAll()).trimmed();
    if (dir.isEmpty() || !QFile::exists(dir + "/ready"))
        return QStringLiteral("ser2net is not running (the ctest fixture ser2net_start starts it)");
    return QString();
}

// The port of the accepter leading to the device name `name`; 0 if none.
inline int ser2netPort(const QString &name)
{
    QFile f(ser2netDir() + "/ports");
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (const QString &line : QString::fromUtf8(f.readAll()).split('\n')) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 2 && parts[0] == name)
            return parts[1].toInt();
    }
    return 0;
}

// The address of that accepter, "rfc2217" or "tcp" as the scheme.
inline QString ser2netAddress(const QString &name, const QString &scheme = QStringLiteral("rfc2217"))
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(ser2netPort(name));
}

}

#define REQUIRE_SER2NET()                                                                                              \
    do {                                                                                                               \
        const QString why = testing_support::ser2netMissing();                                                         \
        if (!why.isEmpty())                                                                                            \
            QSKIP(qPrintable(why));                                                                                    \
    } while (false)
