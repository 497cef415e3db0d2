#include "NetworkAddress.h"

#include <QRegularExpression>

namespace {
const QLatin1String Rfc2217Scheme("rfc2217://");
const QLatin1String RawScheme("tcp://");

// A name no device has, typed as an address all the same: another scheme
// ("rfc2271://", "telnet://"), or a host and port without one ("quaybox:2001",
// "rfc2217:/quaybox:2001"). Device paths begin with '/' (or '.', a backslash) and
// COM names hold no ':' but a trailing one.
bool typedAsAddress(const QString &device)
{
    static const QRegularExpression comName(QStringLiteral("^COM\\s*\\d+:$"), QRegularExpression::CaseInsensitiveOption);
    const QString d = device.trimmed();
    if (d.contains(QLatin1String("://")))
        return true;
    return d.contains(QLatin1Char(':')) && !d.startsWith(QLatin1Char('/')) && !d.startsWith(QLatin1Char('.'))
           && !d.startsWith(QLatin1Char('\\')) && !comName.match(d).hasMatch();
}
}

bool isNetworkAddress(const QString &device)
{
    const QString d = device.trimmed();
    return d.startsWith(Rfc2217Scheme, Qt::CaseInsensitive) || d.startsWith(RawScheme, Qt::CaseInsensitive);
}

std::optional<NetworkAddress> parseNetworkAddress(const QString &device)
{
    // Host name, IPv4 address or [IPv6 address], then the TCP port.
    static const QRegularExpression form(QStringLiteral("^(rfc2217|tcp)://(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9._-]+):(\\d{1,5})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(device.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int port = m.captured(3).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    NetworkAddress a;
    a.kind = m.captured(1).compare(QLatin1String("tcp"), Qt::CaseInsensitive) == 0 ? NetworkAddress::Kind::Raw
                                                                                    : NetworkAddress::Kind::Rfc2217;
    a.host = m.captured(2);
    if (a.host.startsWith(QLatin1Char('[')))
        a.host = a.host.mid(1, a.host.size() - 2);
    a.port = quint16(port);
    return a;
}

QString networkAddressProblem(const QString &device, bool meantAsAddress)
{
    if ((!meantAsAddress && !isNetworkAddress(device) && !typedAsAddress(device)) || parseNetworkAddress(device))
        return QString();
    return QStringLiteral("not a network port of the form rfc2217://HOST:PORT or tcp://HOST:PORT");
}
