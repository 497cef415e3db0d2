#include "FirmwareText.h"

static QString firmwareByte(uint8_t byte)
{
    return QChar(byte).isLetterOrNumber() && byte < 0x80 ? QString(QChar(byte))
                                                         : QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
}

QString firmwareText(const std::array<uint8_t, 2> &version)
{
    return firmwareByte(version[0]) + firmwareByte(version[1]);
}
