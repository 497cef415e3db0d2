#pragma once
// Telnet framing for a serial port over the network: data bytes escaped
// (0xFF doubled), option negotiation and the COM-PORT-OPTION
// subnegotiations, and a parser that splits what arrives into data and the
// server's commands.
#include <QByteArray>
#include <QVector>
#include <cstdint>

namespace telnet {

constexpr uint8_t Se = 240, Sb = 250, Will = 251, Wont = 252, Do = 253, Dont = 254, Iac = 255;
constexpr uint8_t OptionBinary = 0, OptionEcho = 1, OptionSuppressGoAhead = 3, OptionComPort = 44;

// COM-PORT-OPTION commands as the client sends them; the server answers
// with the command plus ServerOffset.
namespace com_port {
constexpr uint8_t SetBaudRate = 1, SetDataSize = 2, SetParity = 3, SetStopSize = 4, SetControl = 5, PurgeData = 12;
constexpr uint8_t ServerOffset = 100;
constexpr uint8_t ParityNone = 1, ParityOdd = 2, ParityEven = 3;
constexpr uint8_t StopOne = 1, StopTwo = 2, StopOneAndHalf = 3;
constexpr uint8_t ControlNoFlow = 1, ControlDtrOff = 9, ControlRtsOff = 12;
constexpr uint8_t PurgeBoth = 3;
}

// Data with every 0xFF doubled.
QByteArray escape(const QByteArray &data);
// IAC verb option.
QByteArray negotiation(uint8_t verb, uint8_t option);
// IAC SB COM-PORT-OPTION command value IAC SE, the value escaped.
QByteArray comPortCommand(uint8_t command, const QByteArray &value);
// A value of a COM-PORT-OPTION command: one byte, or four bytes big-endian.
QByteArray byteValue(uint8_t value);
QByteArray longValue(uint32_t value);
uint32_t valueOf(const QByteArray &value);

// One command of the server's, as the parser found it.
struct Command
{
    uint8_t verb = 0;    // Will, Wont, Do, Dont or Sb
    uint8_t option = 0;
    QByteArray payload;  // a subnegotiation's bytes after the option, unescaped
};

// Splits a byte stream into data and commands; bytes may come in any pieces.
class Parser
{
public:
    // The data bytes in bytes (unescaped); the commands go to commands().
    QByteArray feed(const QByteArray &bytes);
    QVector<Command> takeCommands();

private:
    enum class State { Data, Iac, Verb, Sub, SubIac };
    static constexpr int MaxSubnegotiation = 64; // longer ones are cut: none we use is
    State m_state = State::Data;
    Command m_current;
    QVector<Command> m_commands;
};

}
