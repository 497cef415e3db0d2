#pragma once
// The serial link to one gauge for the duration of one command: opens the
// configured port, runs transactions (one command frame written, one reply of
// known length read and judged) and closes the port when it goes away. Every
// byte on the line goes to the traffic trace. Transactions return 1 for
// success and 0 for failure.
#include "ByteStream.h"
#include "GaugeProtocol.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// The commands used only by the link self-test, named by their code.
enum class SelfTestCommand { Cmd33, Cmd36, Cmd31, Cmd32, Cmd52, Cmd71, Cmd72, Cmd23, Cmd21, Cmd31Checked };

class GaugePort
{
public:
    // Over the named port (serial or network) with the link's standard time-outs.
    GaugePort();
    // Over the named port (serial or network) with other read time-outs (tests keep them short).
    explicit GaugePort(const ReadTimeouts &timeouts);
    explicit GaugePort(std::unique_ptr<ByteStream> stream);
    ~GaugePort();
    GaugePort(const GaugePort &) = delete;
    GaugePort &operator=(const GaugePort &) = delete;

    // The device this link opens instead of the configured one (several
    // links side by side each name their own); empty: the configured port.
    void setDevice(const QString &device) { m_device = device; }
    // Starts this link's trace lines with "[tag] " (links on several ports
    // at once); empty: the plain format.
    void setTraceTag(const QString &tag) { m_traceTag = tag; }
    QString traceTag() const { return m_traceTag; }
    // The line settings open() uses; unset: the stored ones, read fresh.
    void setLineSettings(const std::optional<LineSettings> &line) { m_line = line; }

    // Opens the device (the configured one unless set) with the line
    // settings; a non-zero baud replaces their line speed.
    // On an open link it changes nothing and reports success.
    OpenStatus open(int baudOverride);
    bool isOpen() const;
    void close();
    // The device the last Open tried, and the system's reason when it failed.
    QString device() const { return m_openedDevice; }
    QString openError() const { return m_stream->errorString(); }
    // Why the link went away after it was open (a network connection lost);
    // empty while it is open.
    QString linkFault() const { return m_stream->isOpen() ? QString() : m_stream->errorString(); }
    // A transaction waiting for its reply gives up (and fails) as soon as
    // check returns true.
    void setCancelCheck(std::function<bool()> check)
    {
        m_cancelCheck = check;
        m_stream->setCancelCheck(std::move(check));
    }
    // The user asked to stop (an open cut short so is no failure to report).
    bool cancelRequested() const { return m_cancelCheck && m_cancelCheck(); }

    using Block = std::array<uint8_t, gauge_protocol::BlockSize>;

    // Block family.
    int uploadFromGauge(Block &block);
    int downloadToGauge(const Block &block);
    int startDownload();
    int saveToNovolMemory();
    int ping();

    // Register family and counter preset.
    int pingChecked();
    int login();
    int serviceLogin();
    int readRegister(int bank, int address, uint8_t *value);
    int writeRegister(int bank, int address, int value);
    int writeMemory(int address, const uint8_t *data8);

    int runSelfTestCommand(SelfTestCommand command);
    static QString selfTestCommandName(SelfTestCommand command);

    // How many bytes the last transaction received: 0 tells a silent gauge
    // from one that refused.
    int lastReplySize() const { return m_lastReplySize; }

private:
    enum class Count { AtLeast, Exactly };
    // Traced write of the frame, traced read of up to replySize bytes. With
    // an exact count, bytes that are already waiting after the read belong to
    // the reply too (a reply longer than asked for must fail).
    QByteArray transact(const QByteArray &frame, int replySize, Count rule);
    static bool headerIs(const QByteArray &reply, uint8_t length, uint8_t commandCode);
    static bool refused(const QByteArray &reply);
    int loginWith(uint8_t commandCode, const char *phrase);

    std::unique_ptr<ByteStream> m_stream;
    QString m_device;
    QString m_traceTag;
    std::optional<LineSettings> m_line;
    QString m_openedDevice;
    int m_lastReplySize = 0;
    std::function<bool()> m_cancelCheck;
};
