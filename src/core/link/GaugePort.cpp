#include "GaugePort.h"

#include "PortByteStream.h"
#include "TrafficTrace.h"

using namespace gauge_protocol;

GaugePort::GaugePort()
    : GaugePort(ReadTimeouts())
{
}

GaugePort::GaugePort(const ReadTimeouts &timeouts)
    : m_stream(std::make_unique<PortByteStream>(timeouts))
{
}

GaugePort::GaugePort(std::unique_ptr<ByteStream> stream)
    : m_stream(std::move(stream))
{
}

GaugePort::~GaugePort() { close(); }

OpenStatus GaugePort::open(int baudOverride)
{
    if (m_stream->isOpen())
        return OpenStatus::Open;
    LineSettings line = m_line ? *m_line : loadLineSettings();
    if (baudOverride != 0)
        line.baud = baudOverride;
    m_openedDevice = m_device.isEmpty() ? configuredPortDevice(line.port) : m_device;
    return m_stream->open(m_openedDevice, line);
}

bool GaugePort::isOpen() const { return m_stream->isOpen(); }

void GaugePort::close() { m_stream->close(); }

QByteArray GaugePort::transact(const QByteArray &frame, int replySize, Count rule)
{
    traffic_trace::written(frame, m_traceTag);
    m_stream->write(frame);
    QByteArray reply = m_stream->read(replySize);
    if (rule == Count::Exactly && reply.size() == replySize)
        reply += m_stream->readWaiting();
    traffic_trace::received(reply, m_traceTag);
    m_lastReplySize = int(reply.size());
    return reply;
}

bool GaugePort::headerIs(const QByteArray &reply, uint8_t length, uint8_t commandCode)
{
    return reply.size() >= 3 && uint8_t(reply[0]) == FrameStart && uint8_t(reply[1]) == length
           && uint8_t(reply[2]) == commandCode;
}

bool GaugePort::refused(const QByteArray &reply) { return reply.size() > 3 && uint8_t(reply[3]) == StatusRefused; }

int GaugePort::uploadFromGauge(Block &block)
{
    block.fill(0);
    if (!isOpen())
        return 0;
    traffic_trace::header(QStringLiteral("UploadFromGauge"), m_traceTag);
    const QByteArray reply = transact(frame(code::UploadFromGauge), BlockSize, Count::AtLeast);
    if (reply.size() < BlockSize)
        return 0;
    std::copy(reply.begin(), reply.begin() + BlockSize, block.begin());
    return 1;
}

int GaugePort::downloadToGauge(const Block &block)
{
    if (!isOpen())
        return 0;
    traffic_trace::header(QStringLiteral("DownloadToGauge"), m_traceTag);
    const QByteArray payload(reinterpret_cast<const char *>(block.data()), BlockSize);
    const QByteArray reply = transact(frame(code::DownloadToGauge, payload), 5, Count::AtLeast);
    return reply.size() >= 5 && !refused(reply) ? 1 : 0;
}

int GaugePort::startDownload()
{
    if (!isOpen())
        return 0;
    traffic_trace::header(QStringLiteral("StartDownload"), m_traceTag);
    const QByteArray reply = transact(frame(code::StartDownload), 5, Count::Exactly);
    return reply.size() == 5 && !refused(reply) ? 1 : 0;
}

int GaugePort::saveToNovolMemory()
{
    if (!isOpen())
        return 0;
    traffic_trace::header(QStringLiteral("SaveToNovolMemory"), m_traceTag);
    // A gauge that refuses the save keeps its old settings when switched off:
    // the write has not happened.
    const QByteArray reply = transact(frame(code::SaveToNovolMemory), 5, Count::Exactly);
    return reply.size() == 5 && !refused(reply) ? 1 : 0;
}

int GaugePort::ping()
{
    if (!isOpen())
        return 0;
    return transact(frame(code::Ping), 6, Count::Exactly).size() == 6 ? 1 : 0;
}

int GaugePort::pingChecked()
{
    if (!isOpen())
        return 0;
    const QByteArray reply = transact(checkedFrame(code::Ping), 13, Count::Exactly);
    return reply.size() == 13 && headerIs(reply, 0x0D, code::Ping) ? 1 : 0;
}

int GaugePort::loginWith(uint8_t commandCode, const char *phrase)
{
    if (!isOpen())
        return 0;
    const QByteArray reply = transact(checkedFrame(commandCode, QByteArray(phrase, PhraseLength)), 6, Count::Exactly);
    return reply.size() == 6 && headerIs(reply, 6, commandCode) && !refused(reply) ? 1 : 0;
}

int GaugePort::login() { return loginWith(code::Login, LoginPhrase); }
int GaugePort::serviceLogin() { return loginWith(code::ServiceLogin, ServiceLoginPhrase); }

int GaugePort::readRegister(int bank, int address, uint8_t *value)
{
    if (!isOpen())
        return 0;
    QByteArray payload;
    payload.append(char(bank)).append(char(address));
    const QByteArray reply = transact(checkedFrame(code::ReadRegister, payload), 6, Count::Exactly);
    if (reply.size() != 6 || !headerIs(reply, 6, code::ReadRegister))
        return 0;
    if (value)
        *value = uint8_t(reply[3]);
    return 1;
}

int GaugePort::writeRegister(int bank, int address, int value)
{
    if (!isOpen())
        return 0;
    QByteArray payload;
    payload.append(char(bank)).append(char(address)).append(char(value));
    const QByteArray reply = transact(checkedFrame(code::WriteRegister, payload), 6, Count::Exactly);
    return reply.size() == 6 && headerIs(reply, 6, code::WriteRegister) && !refused(reply) ? 1 : 0;
}

int GaugePort::writeMemory(int address, const uint8_t *data8)
{
    if (!isOpen())
        return 0;
    QByteArray payload;
    payload.append(char(address)).append(reinterpret_cast<const char *>(data8), MemoryPieceSize);
    const QByteArray reply = transact(checkedFrame(code::WriteMemory, payload), 6, Count::Exactly);
    return reply.size() == 6 && headerIs(reply, 6, code::WriteMemory) && !refused(reply) ? 1 : 0;
}

namespace {

struct SelfTestFrame
{
    SelfTestCommand command;
    const char *name;
    const char *frameHex;
    int replyRead;
    int replyExpected;
};

// Frames exactly as the gauges expect them (0x36 carries one byte more than
// its length byte says).
const SelfTestFrame selfTestFrames[] = {
    {SelfTestCommand::Cmd33, "0x33", "2404330a", 128, 8},
    {SelfTestCommand::Cmd36, "0x36", "24053600000a", 128, 5},
    {SelfTestCommand::Cmd31, "0x31", "2404310a", 128, 7},
    {SelfTestCommand::Cmd32, "0x32", "2404320a", 128, 6},
    {SelfTestCommand::Cmd52, "0x52", "24065200ff0a", 128, 5},
    {SelfTestCommand::Cmd71, "0x71", "240571500a", 16, 8},
    {SelfTestCommand::Cmd72, "0x72", "2408720e0507520a", 6, 6},
    {SelfTestCommand::Cmd23, "0x23", "240523020a", 9, 9},
    {SelfTestCommand::Cmd21, "0x21", "240521000a", 10, 10},
    {SelfTestCommand::Cmd31Checked, "0x31 checked", "240531100a", 10, 10},
};

const SelfTestFrame &selfTestFrame(SelfTestCommand command)
{
    for (const auto &f : selfTestFrames) {
        if (f.command == command)
            return f;
    }
    return selfTestFrames[0];
}

}

QString GaugePort::selfTestCommandName(SelfTestCommand command)
{
    return QString::fromLatin1(selfTestFrame(command).name);
}

int GaugePort::runSelfTestCommand(SelfTestCommand command)
{
    if (!isOpen())
        return 0;
    const SelfTestFrame &f = selfTestFrame(command);
    const QByteArray reply = transact(QByteArray::fromHex(f.frameHex), f.replyRead, Count::Exactly);
    return reply.size() == f.replyExpected ? 1 : 0;
}
