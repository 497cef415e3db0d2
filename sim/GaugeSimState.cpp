#include "GaugeSimState.h"

#include <QJsonArray>

GaugeSimState::GaugeSimState()
    : block(64, '\0')
    , savedBlock(64, '\0')
    , memory(256, char(0xFF))
{
    // Bytes the link must carry back unchanged get a recognisable pattern.
    for (int i = 0; i < 64; ++i)
        block[i] = char((i * 7 + 3) & 0xFF);
    block[4] = char(66); // firmware: pulse factor in tenths
    block[5] = char(1);
    block[43] = 0;       // threshold offset
    block[44] = 0x01;    // pulse factor 500 tenths
    block[45] = char(0xF4);
    block[46] = 0x00;    // threshold 100
    block[47] = 0x64;
    block[48] = 0;
    block[63] = 0;
    savedBlock = block;

    const int defaults[][3] = {
        {3, 26, 0x01}, {3, 28, 0x01}, {3, 37, 0xFF}, {3, 38, 0xFF}, {4, 0, 0x00},
        {4, 5, 0x05},  {4, 8, 0x01},  {4, 9, 0x2C},  {3, 5, 0x09},  {4, 10, 0x00},
        {4, 11, 0x1F}, {4, 12, 0x40}, {4, 13, 0x00}, {4, 14, 0x19}, {4, 23, 0x00}, {4, 24, 0x00},
    };
    for (const auto &d : defaults)
        setReg(d[0], d[1], uint8_t(d[2]));
}

QJsonObject GaugeSimState::toJson() const
{
    QJsonObject regs;
    for (auto it = registers.cbegin(); it != registers.cend(); ++it)
        regs.insert(QStringLiteral("%1/%2").arg(it.key() / 256).arg(it.key() % 256), int(it.value()));
    QJsonObject counts;
    for (auto it = counters.cbegin(); it != counters.cend(); ++it)
        counts.insert(it.key(), it.value());
    QJsonObject o;
    o.insert(QStringLiteral("family"), simFamilyName(family));
    o.insert(QStringLiteral("block"), QString::fromLatin1(block.toHex()));
    o.insert(QStringLiteral("savedBlock"), QString::fromLatin1(savedBlock.toHex()));
    o.insert(QStringLiteral("registers"), regs);
    o.insert(QStringLiteral("memory"), QString::fromLatin1(memory.toHex()));
    o.insert(QStringLiteral("loggedIn"), loggedIn);
    o.insert(QStringLiteral("serviceLoggedIn"), serviceLoggedIn);
    o.insert(QStringLiteral("counters"), counts);
    o.insert(QStringLiteral("frames"), QJsonArray::fromStringList(frames));
    o.insert(QStringLiteral("vanished"), vanished);
    return o;
}

QString simFamilyName(SimFamily family)
{
    return family == SimFamily::Block ? QStringLiteral("block") : QStringLiteral("register");
}

bool parseSimFamily(const QString &text, SimFamily &family)
{
    if (text == QLatin1String("block"))
        family = SimFamily::Block;
    else if (text == QLatin1String("register"))
        family = SimFamily::Register;
    else
        return false;
    return true;
}
