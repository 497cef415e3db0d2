#pragma once
// The byte stream over a serial port on another machine: "rfc2217://HOST:PORT"
// speaks Telnet with COM-PORT-OPTION and sets the line at every open as a
// local port is set (waiting for the server to confirm each setting);
// "tcp://HOST:PORT" is a raw connection to a port whose line is fixed at the
// server, taken to run at the stored line speed.
#include "ByteStream.h"
#include "NetworkAddress.h"
#include "TelnetCodec.h"

#include <QTcpSocket>
#include <array>
#include <memory>
#include <optional>

class NetworkByteStream : public ByteStream
{
public:
    static constexpr int ConnectTimeoutMs = 5000;

    explicit NetworkByteStream(const ReadTimeouts &timeouts = ReadTimeouts());
    ~NetworkByteStream() override;

    OpenStatus open(const QString &device, const LineSettings &line) override;
    bool isOpen() const override;
    void write(const QByteArray &bytes) override;
    QByteArray read(int count) override;
    QByteArray readWaiting() override;
    void purge() override;
    void close() override;
    // Why the last open failed, or why the connection was lost since.
    QString errorString() const override { return m_error; }
    void setCancelCheck(std::function<bool()> check) override { m_cancelled = std::move(check); }

private:
    bool cancelled() const { return m_cancelled && m_cancelled(); }
    OpenStatus fail(OpenStatus status, const QString &reason);
    // The connection within the connect time-out; false with m_error set.
    bool connectTo(const NetworkAddress &address, OpenStatus &status);
    bool negotiateLine(const LineSettings &line);
    // Takes in what arrives within ms (none: what is there already); false
    // when the connection is gone.
    bool takeIn(int ms);
    void answer(const telnet::Command &command);
    // Waits up to ms until done() holds, taking in and answering meanwhile.
    template <typename Done>
    bool await(int ms, Done done);
    void lost(const QString &reason);
    int ackTimeoutMs() const;

    ReadTimeouts m_timeouts;
    std::unique_ptr<QTcpSocket> m_socket;
    int m_baud = 0; // the line's speed, for the pace of replies
    bool m_telnet = false;
    telnet::Parser m_parser;
    QByteArray m_data;
    // The server's answers to our COM-PORT-OPTION commands, by command.
    std::array<std::optional<QByteArray>, 16> m_answers;
    // Option state: the server agreed to COM-PORT-OPTION, or refused it.
    std::optional<bool> m_comPort;
    std::array<bool, 256> m_answered{};
    QString m_error;
    std::function<bool()> m_cancelled;
};
