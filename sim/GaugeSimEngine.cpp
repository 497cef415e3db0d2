#include "GaugeSimEngine.h"

#include "link/GaugeProtocol.h"

#include <optional>

using namespace gauge_protocol;

namespace {

constexpr int MaxFramesKept = 2000;

// A reply of the given total size: "$", size, code, payload, check, line feed;
// five-byte replies carry a status and no check byte.
QByteArray replyFrame(uint8_t commandCode, int size, uint8_t status, uint8_t fill = 0)
{
    QByteArray r;
    r.append(char(FrameStart)).append(char(size)).append(char(commandCode));
    if (size == 5) {
        r.append(char(status)).append(char(FrameEnd));
        return r;
    }
    r.append(char(status));
    while (r.size() < size - 2)
        r.append(char(fill + r.size()));
    r.append(char(checkByte(r))).append(char(FrameEnd));
    return r;
}

struct SelfTestReply
{
    const char *command;
    uint8_t code;
    int size;
};

const SelfTestReply selfTestReplies[] = {
    {"0x33", 0x33, 8}, {"0x36", 0x36, 5}, {"0x31", 0x31, 7}, {"0x32", 0x32, 6}, {"0x52", 0x52, 5},
    {"0x71", 0x71, 8}, {"0x72", 0x72, 6}, {"0x23", 0x23, 9}, {"0x21", 0x21, 10}, {"0x31-checked", 0x31, 10},
};

}

QString simCommandName(uint8_t commandCode, uint8_t length)
{
    switch (commandCode) {
    case 0x46: return length == 14 ? QStringLiteral("write-memory") : QStringLiteral("upload");
    case 0x45: return QStringLiteral("download");
    case 0x10: return length == 16 ? QStringLiteral("login") : QStringLiteral("start-download");
    case 0x53: return QStringLiteral("save");
    case 0x15: return length == 5 ? QStringLiteral("ping-checked") : QStringLiteral("ping");
    case 0x14: return QStringLiteral("service-login");
    case 0x41: return QStringLiteral("read-register");
    case 0x42: return QStringLiteral("write-register");
    case 0x31: return length == 5 ? QStringLiteral("0x31-checked") : QStringLiteral("0x31");
    default: return QStringLiteral("0x%1").arg(commandCode, 2, 16, QLatin1Char('0'));
    }
}

std::vector<SimReply> GaugeSimEngine::receive(const QByteArray &bytes)
{
    m_pending += bytes;
    std::vector<SimReply> replies;
    for (;;) {
        const int start = m_pending.indexOf(char(FrameStart));
        if (start < 0) {
            m_pending.clear(); // line noise, or the extra byte of a long frame
            break;
        }
        m_pending.remove(0, start);
        if (m_pending.size() < 2)
            break;
        const int length = uint8_t(m_pending[1]);
        if (length < 4) {
            m_pending.remove(0, 1);
            continue;
        }
        if (m_pending.size() < length)
            break;
        const QByteArray frame = m_pending.left(length);
        m_pending.remove(0, length);
        replies.push_back(answer(frame));
        if (replies.back().vanish)
            break;
    }
    return replies;
}

bool GaugeSimEngine::answers(const QString &command) const
{
    // Both families know the ping, in either form; only a block-family gauge
    // answers the upload that follows it.
    static const QStringList both = {"service-login", "write-memory", "write-register", "ping"};
    static const QStringList block = {"upload", "download", "start-download", "save"};
    static const QStringList reg = {"login", "ping-checked", "read-register"};
    if (both.contains(command) || command.startsWith(QLatin1String("0x")) || m_state.selfTest)
        return true;
    return m_state.family == SimFamily::Block ? block.contains(command) : reg.contains(command);
}

SimReply GaugeSimEngine::answer(const QByteArray &frame)
{
    const uint8_t commandCode = uint8_t(frame[2]);
    const QString command = simCommandName(commandCode, uint8_t(frame[1]));
    m_state.count(command);
    if (command.startsWith(QLatin1String("0x")))
        m_state.selfTest = command != QLatin1String("0x31-checked"); // the self-test's last step
    if (m_state.frames.size() < MaxFramesKept)
        m_state.frames.append(QString::fromLatin1(frame.toHex(' ')));

    SimReply reply;
    reply.frameSize = frame.size();
    const bool registerFrame = command.endsWith(QLatin1String("-register"));
    const SimFault *fault = matchSimFault(m_faults, command, registerFrame ? uint8_t(frame[3]) : -1,
                                          registerFrame ? uint8_t(frame[4]) : -1);
    if (fault && fault->kind == SimFaultKind::Vanish) {
        reply.vanish = true;
        return reply;
    }
    if (fault && fault->kind == SimFaultKind::Silence) {
        m_state.count(QStringLiteral("silenced"));
        return reply;
    }
    if (!answers(command)) {
        m_state.count(QStringLiteral("unanswered"));
        return reply;
    }
    if (fault && fault->kind == SimFaultKind::Refuse) {
        m_state.count(QStringLiteral("refused"));
        const int size = command == QLatin1String("upload") || command.endsWith(QLatin1String("download"))
                                 || command == QLatin1String("save")
                             ? 5
                             : 6;
        reply.bytes = replyFrame(commandCode, size, StatusRefused);
        return reply;
    }

    std::optional<GaugeSimState> before;
    if (fault && fault->kind == SimFaultKind::Keep)
        before = m_state;
    reply.bytes = act(command, frame);
    if (!fault)
        return reply;
    if (before)
        keepOldValue(*fault, command, frame, *before);
    switch (fault->kind) {
    case SimFaultKind::Short:
        reply.bytes.chop(1);
        break;
    case SimFaultKind::Header:
        if (reply.bytes.size() > 2)
            reply.bytes[2] = char(reply.bytes[2] ^ 0x5A);
        break;
    case SimFaultKind::Garbage:
        reply.bytes.prepend(QByteArray::fromHex("a5c35a"));
        break;
    case SimFaultKind::Delay:
        reply.delayMs = fault->delayMs;
        break;
    default:
        break;
    }
    return reply;
}

void GaugeSimEngine::keepOldValue(const SimFault &fault, const QString &command, const QByteArray &frame,
                                  const GaugeSimState &before)
{
    m_state.count(QStringLiteral("kept"));
    if (command == QLatin1String("write-register")) {
        m_state.setReg(uint8_t(frame[3]), uint8_t(frame[4]), before.reg(uint8_t(frame[3]), uint8_t(frame[4])));
    } else if (command == QLatin1String("download")) {
        if (fault.keepByte < 0)
            m_state.block = before.block;
        else if (fault.keepByte < m_state.block.size())
            m_state.block[fault.keepByte] = before.block[fault.keepByte];
    }
}

QByteArray GaugeSimEngine::act(const QString &command, const QByteArray &frame)
{
    const uint8_t commandCode = uint8_t(frame[2]);
    if (command == QLatin1String("upload"))
        return m_state.block;
    if (command == QLatin1String("start-download")) {
        m_state.downloadArmed = true;
        return replyFrame(commandCode, 5, StatusAccepted);
    }
    if (command == QLatin1String("download")) {
        if (!m_state.downloadArmed || frame.size() != 4 + BlockSize)
            return replyFrame(commandCode, 5, StatusRefused);
        m_state.downloadArmed = false;
        m_state.block = frame.mid(3, BlockSize);
        return replyFrame(commandCode, 5, StatusAccepted);
    }
    if (command == QLatin1String("save")) {
        m_state.savedBlock = m_state.block;
        return replyFrame(commandCode, 5, StatusAccepted);
    }
    if (command == QLatin1String("ping"))
        return replyFrame(commandCode, 6, StatusAccepted);
    if (command == QLatin1String("ping-checked"))
        return replyFrame(commandCode, 13, StatusAccepted, 0x30);
    if (command == QLatin1String("login") || command == QLatin1String("service-login")) {
        const bool service = command == QLatin1String("service-login");
        const QByteArray phrase = frame.mid(3, PhraseLength);
        const bool ok = frame.size() == 16 && phrase == QByteArray(service ? ServiceLoginPhrase : LoginPhrase)
                        && uint8_t(frame[14]) == checkByte(frame.left(14));
        (service ? m_state.serviceLoggedIn : m_state.loggedIn) = ok;
        if (!ok)
            m_state.count(QStringLiteral("login-rejected"));
        return replyFrame(commandCode, 6, ok ? StatusAccepted : StatusRefused);
    }
    if (command == QLatin1String("read-register"))
        return replyFrame(commandCode, 6, m_state.reg(uint8_t(frame[3]), uint8_t(frame[4])));
    if (command == QLatin1String("write-register") || command == QLatin1String("write-memory")) {
        if (!m_state.loggedIn && !m_state.serviceLoggedIn) {
            m_state.count(QStringLiteral("not-logged-in"));
            return replyFrame(commandCode, 6, StatusRefused);
        }
        if (command == QLatin1String("write-register")) {
            m_state.setReg(uint8_t(frame[3]), uint8_t(frame[4]), uint8_t(frame[5]));
        } else {
            const int address = uint8_t(frame[3]);
            for (int i = 0; i < MemoryPieceSize && address + i < m_state.memory.size(); ++i)
                m_state.memory[address + i] = frame[4 + i];
        }
        return replyFrame(commandCode, 6, StatusAccepted);
    }
    for (const auto &s : selfTestReplies) {
        if (command == QLatin1String(s.command))
            return replyFrame(s.code, s.size, StatusAccepted, 0x40);
    }
    return QByteArray();
}
