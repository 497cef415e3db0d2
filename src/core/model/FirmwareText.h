#pragma once
// The two firmware bytes of a block-family gauge (parameter block bytes 4 and
// 5) as the gauge's version is written: each byte that is a letter or digit
// as itself, any other as two hexadecimal digits ("B1", "B02").
#include <QString>
#include <array>
#include <cstdint>

QString firmwareText(const std::array<uint8_t, 2> &version);
