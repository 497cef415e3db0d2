#pragma once
// A serial port reached over the network, named like a device:
// "rfc2217://HOST:PORT" (Telnet with COM-PORT-OPTION: the line is set from
// here) or "tcp://HOST:PORT" (raw bytes, the line set at the server).
#include <QString>
#include <optional>

struct NetworkAddress
{
    enum class Kind { Rfc2217, Raw };
    Kind kind = Kind::Rfc2217;
    QString host;
    quint16 port = 0;
};

// True for a name that starts with one of the two schemes, well formed or not.
bool isNetworkAddress(const QString &device);
// The address a device name gives, or none when it is no well-formed one.
std::optional<NetworkAddress> parseNetworkAddress(const QString &device);
// Why a name typed as an address is no well-formed one: a name with one of
// the schemes, with another scheme, or a host and port without any
// ("quaybox:2001"), which would otherwise be opened as a device named so.
// Empty for a well-formed address and for a device name, unless the name is
// meant as an address all the same (an entry of the network port list).
QString networkAddressProblem(const QString &device, bool meantAsAddress = false);
