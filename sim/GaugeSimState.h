#pragma once
// Everything a simulated gauge holds: its family, the 64-byte parameter block
// (and the copy saved to non-volatile memory), the registers by bank and
// address, the counter memory, login state and counters of what it was asked.
#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>

enum class SimFamily { Block, Register };

struct GaugeSimState
{
    GaugeSimState();

    SimFamily family = SimFamily::Block;
    QByteArray block;      // 64 bytes, as the gauge reports it
    QByteArray savedBlock; // 64 bytes, what the last save made permanent
    QMap<int, uint8_t> registers; // key bank * 256 + address
    QByteArray memory;     // 256 bytes of counter memory
    bool loggedIn = false;
    bool serviceLoggedIn = false;
    bool downloadArmed = false; // a startDownload was accepted
    // Between the link self-test's first own command and its last one the
    // gauge answers both families' commands, as the self-test expects.
    bool selfTest = false;
    QMap<QString, int> counters; // frames received per command, refusals, saves ...
    QStringList frames;          // every frame received, as hex text
    bool vanished = false;

    static int registerKey(int bank, int address) { return bank * 256 + address; }
    uint8_t reg(int bank, int address) const { return registers.value(registerKey(bank, address), 0); }
    void setReg(int bank, int address, uint8_t value) { registers[registerKey(bank, address)] = value; }
    void count(const QString &what) { counters[what] += 1; }

    QJsonObject toJson() const;
};

QString simFamilyName(SimFamily family);
bool parseSimFamily(const QString &text, SimFamily &family);
