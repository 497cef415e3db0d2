#include "TelnetCodec.h"

namespace telnet {

QByteArray escape(const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size());
    for (const char c : data) {
        out.append(c);
        if (uint8_t(c) == Iac)
            out.append(c);
    }
    return out;
}

QByteArray negotiation(uint8_t verb, uint8_t option)
{
    QByteArray out;
    out.append(char(Iac)).append(char(verb)).append(char(option));
    return out;
}

QByteArray comPortCommand(uint8_t command, const QByteArray &value)
{
    QByteArray out;
    out.append(char(Iac)).append(char(Sb)).append(char(OptionComPort)).append(char(command));
    out.append(escape(value));
    out.append(char(Iac)).append(char(Se));
    return out;
}

QByteArray byteValue(uint8_t value) { return QByteArray(1, char(value)); }

QByteArray longValue(uint32_t value)
{
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
    return out;
}

uint32_t valueOf(const QByteArray &value)
{
    uint32_t v = 0;
    for (const char c : value)
        v = (v << 8) | uint8_t(c);
    return v;
}

QByteArray Parser::feed(const QByteArray &bytes)
{
    QByteArray data;
    for (const char c : bytes) {
        const uint8_t b = uint8_t(c);
        switch (m_state) {
        case State::Data:
            if (b == Iac)
                m_state = State::Iac;
            else
                data.append(c);
            break;
        case State::Iac:
            if (b == Iac) {
                data.append(c);
                m_state = State::Data;
            } else if (b == Will || b == Wont || b == Do || b == Dont || b == Sb) {
                m_current = Command{b, 0, {}};
                m_state = State::Verb;
            } else {
                m_state = State::Data; // NOP, GA and the like: nothing to do
            }
            break;
        case State::Verb:
            m_current.option = b;
            if (m_current.verb == Sb) {
                m_state = State::Sub;
            } else {
                m_commands.append(m_current);
                m_state = State::Data;
            }
            break;
        case State::Sub:
            if (b == Iac)
                m_state = State::SubIac;
            else if (m_current.payload.size() < MaxSubnegotiation)
                m_current.payload.append(c);
            break;
        case State::SubIac:
            if (b == Se) {
                m_commands.append(m_current);
                m_state = State::Data;
            } else {
                if (m_current.payload.size() < MaxSubnegotiation)
                    m_current.payload.append(c); // IAC IAC inside: one 0xFF
                m_state = State::Sub;
            }
            break;
        }
    }
    return data;
}

QVector<Command> Parser::takeCommands()
{
    QVector<Command> out;
    out.swap(m_commands);
    return out;
}

}
