#pragma once
// The gauge wire protocol's constants and pure helpers, shared by the link
// and the gauge simulator: frame layout, command codes, check byte, access
// phrases and the counter image.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace gauge_protocol {

constexpr uint8_t FrameStart = 0x24; // "$"
constexpr uint8_t FrameEnd = 0x0A;   // line feed
constexpr uint8_t StatusRefused = 0xF1;
constexpr uint8_t StatusAccepted = 0xF0;

namespace code {
constexpr uint8_t UploadFromGauge = 0x46; // frame length 4
constexpr uint8_t WriteMemory = 0x46;     // frame length 14
constexpr uint8_t DownloadToGauge = 0x45;
constexpr uint8_t StartDownload = 0x10; // frame length 4
constexpr uint8_t Login = 0x10;         // frame length 16
constexpr uint8_t SaveToNovolMemory = 0x53;
constexpr uint8_t Ping = 0x15; // length 4 short form, 5 with check byte
constexpr uint8_t ServiceLogin = 0x14;
constexpr uint8_t ReadRegister = 0x41;
constexpr uint8_t WriteRegister = 0x42;
}

constexpr int BlockSize = 64;
constexpr int MemoryPieceSize = 8;

// The access phrases of the two logins: 11 upper-case ASCII characters each.
constexpr char LoginPhrase[] = "OPEN CONFIG";
constexpr char ServiceLoginPhrase[] = "SERVICE KEY";
constexpr int PhraseLength = 11;
static_assert(sizeof(LoginPhrase) == PhraseLength + 1, "access phrase must have 11 characters");
static_assert(sizeof(ServiceLoginPhrase) == PhraseLength + 1, "access phrase must have 11 characters");

// Exclusive OR of all bytes.
inline uint8_t checkByte(const QByteArray &bytes)
{
    uint8_t x = 0;
    for (const char b : bytes)
        x ^= static_cast<uint8_t>(b);
    return x;
}

// "$", length, code, payload, line feed.
inline QByteArray frame(uint8_t commandCode, const QByteArray &payload = QByteArray())
{
    QByteArray f;
    f.reserve(payload.size() + 4);
    f.append(char(FrameStart)).append(char(payload.size() + 4)).append(char(commandCode)).append(payload);
    f.append(char(FrameEnd));
    return f;
}

// "$", length, code, payload, check byte over everything before it, line feed.
inline QByteArray checkedFrame(uint8_t commandCode, const QByteArray &payload = QByteArray())
{
    QByteArray f;
    f.reserve(payload.size() + 5);
    f.append(char(FrameStart)).append(char(payload.size() + 5)).append(char(commandCode)).append(payload);
    f.append(char(checkByte(f)));
    f.append(char(FrameEnd));
    return f;
}

// The counter value c spread over n 16-bit cells: each count takes the next
// weight (1, 2, 4, ... 0x8000, then 1 again) off the next cell, cell by cell
// round the run.
inline std::vector<uint16_t> counterCells(uint32_t value, int cells)
{
    std::vector<uint16_t> cell(cells > 0 ? cells : 0, 0xFFFF);
    if (cell.empty())
        return cell;
    int i = 0;
    uint32_t w = 1;
    for (uint32_t c = 0; c < value; ++c) {
        if (cell[i] > w)
            cell[i] = static_cast<uint16_t>(cell[i] - w);
        else
            cell[i] = static_cast<uint16_t>((cell[i] + 0xFFFFu - w) & 0xFFFFu);
        w = w == 0x8000 ? 1 : w * 2;
        i = i < cells - 1 ? i + 1 : 0;
    }
    return cell;
}

// The cells laid out big-endian, cell 0 first (2 * cells bytes).
inline QByteArray counterImage(uint32_t value, int cells)
{
    QByteArray image;
    for (const uint16_t c : counterCells(value, cells))
        image.append(char(c >> 8)).append(char(c & 0xFF));
    return image;
}

}
