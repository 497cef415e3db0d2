#include "NetworkByteStream.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>
#include <algorithm>
#include <mutex>
#include <thread>

using namespace telnet;

namespace {

constexpr int WriteMultiplierMs = 50;
constexpr int WriteConstantMs = 50;

uint8_t parityValue(int parity)
{
    switch (parity) {
    case line_parity::Odd: return com_port::ParityOdd;
    case line_parity::Even: return com_port::ParityEven;
    default: return com_port::ParityNone;
    }
}

uint8_t stopValue(int stopBits)
{
    switch (stopBits) {
    case line_stop_bits::Two: return com_port::StopTwo;
    case line_stop_bits::OneAndHalf: return com_port::StopOneAndHalf;
    default: return com_port::StopOne;
    }
}

// The host's first address, looked up on a thread of its own so that the
// wait can end at the deadline or on a cancel; a lookup still running then
// is left to finish by itself.
struct Lookup
{
    std::mutex mutex;
    bool done = false;
    QHostInfo info;
};

}

NetworkByteStream::NetworkByteStream(const ReadTimeouts &timeouts)
    : m_timeouts(timeouts)
{
}

NetworkByteStream::~NetworkByteStream() { close(); }

OpenStatus NetworkByteStream::fail(OpenStatus status, const QString &reason)
{
    m_error = reason;
    close();
    return status;
}

OpenStatus NetworkByteStream::open(const QString &device, const LineSettings &line)
{
    if (isOpen())
        return OpenStatus::Open;
    m_error.clear();
    const std::optional<NetworkAddress> address = parseNetworkAddress(device);
    if (!address)
        return fail(OpenStatus::NoSuchPort, networkAddressProblem(device));
    m_telnet = address->kind == NetworkAddress::Kind::Rfc2217;
    m_baud = line.baud;
    if (!m_telnet) {
        const int fixed = loadLineSettings().baud;
        if (line.baud != fixed)
            return fail(OpenStatus::Failed,
                        QStringLiteral("a raw network port runs at its fixed line speed, %1 baud here, but this gauge "
                                       "needs %2 baud: use rfc2217:// so that the speed can be set")
                            .arg(fixed)
                            .arg(line.baud));
    }
    OpenStatus status = OpenStatus::Failed;
    if (!connectTo(*address, status))
        return fail(status, m_error);
    if (m_telnet) {
        if (!negotiateLine(line))
            return fail(OpenStatus::Failed, m_error);
        m_data.clear(); // the line was purged with its settings
    } else {
        purge();
    }
    if (!isOpen())
        return fail(OpenStatus::Failed, m_error);
    return OpenStatus::Open;
}

bool NetworkByteStream::connectTo(const NetworkAddress &address, OpenStatus &status)
{
    QDeadlineTimer deadline(ConnectTimeoutMs);
    const auto timedOut = [&] {
        m_error = QStringLiteral("no connection within %1 s").arg(ConnectTimeoutMs / 1000);
        return false;
    };
    const auto stopped = [&] {
        m_error = QStringLiteral("cancelled while connecting");
        return false;
    };
    QHostAddress host(address.host);
    if (host.isNull()) {
        const auto lookup = std::make_shared<Lookup>();
        std::thread([lookup, name = address.host] {
            const QHostInfo info = QHostInfo::fromName(name);
            std::lock_guard<std::mutex> lock(lookup->mutex);
            lookup->info = info;
            lookup->done = true;
        }).detach();
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(lookup->mutex);
                if (lookup->done)
                    break;
            }
            if (cancelled())
                return stopped();
            if (deadline.hasExpired())
                return timedOut();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const QList<QHostAddress> found = lookup->info.addresses();
        if (found.isEmpty()) {
            status = OpenStatus::NoSuchPort;
            m_error = QStringLiteral("host %1 not found").arg(address.host);
            return false;
        }
        host = found.first();
    }
    m_socket = std::make_unique<QTcpSocket>();
    m_socket->connectToHost(host, address.port);
    while (m_socket->state() != QAbstractSocket::ConnectedState) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            m_error = m_socket->error() == QAbstractSocket::ConnectionRefusedError
                          ? QStringLiteral("connection refused")
                          : m_socket->errorString();
            return false;
        }
        if (cancelled())
            return stopped();
        if (deadline.hasExpired())
            return timedOut();
        // Not waitForConnected: it gives the attempt up at its first time-out,
        // and the wait must end early on a cancel.
        QEventLoop slice;
        QObject::connect(m_socket.get(), &QAbstractSocket::connected, &slice, &QEventLoop::quit);
        QObject::connect(m_socket.get(), &QAbstractSocket::errorOccurred, &slice, &QEventLoop::quit);
        QTimer::singleShot(int(std::min<qint64>(deadline.remainingTime(), CancelCheckMs)), &slice, &QEventLoop::quit);
        slice.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

int NetworkByteStream::ackTimeoutMs() const { return std::max(1000, m_timeouts.totalConstantMs); }

bool NetworkByteStream::negotiateLine(const LineSettings &line)
{
    m_socket->write(negotiation(Will, OptionComPort) + negotiation(Will, OptionBinary)
                    + negotiation(Do, OptionBinary));
    m_answered[OptionComPort] = m_answered[OptionBinary] = true;
    if (!await(ackTimeoutMs(), [&] { return m_comPort.has_value(); })) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the server did not acknowledge COM-PORT-OPTION within %1 ms (a raw port? use tcp://)").arg(ackTimeoutMs());
        return false;
    }
    if (!*m_comPort) {
        m_error = QStringLiteral("the server refuses COM-PORT-OPTION (a raw port? use tcp://)");
        return false;
    }
    m_answers = {};
    const struct
    {
        uint8_t command;
        QByteArray value;
    } settings[] = {
        {com_port::SetBaudRate, longValue(uint32_t(line.baud))},
        {com_port::SetDataSize, byteValue(uint8_t(line.dataBits))},
        {com_port::SetParity, byteValue(parityValue(line.parity))},
        {com_port::SetStopSize, byteValue(stopValue(line.stopBits))},
    };
    QByteArray request;
    for (const auto &s : settings)
        request += comPortCommand(s.command, s.value);
    // The modem lines are asked for but not waited for: the gauge does not
    // need them and some devices cannot set them.
    request += comPortCommand(com_port::SetControl, byteValue(com_port::ControlNoFlow))
               + comPortCommand(com_port::SetControl, byteValue(com_port::ControlDtrOff))
               + comPortCommand(com_port::SetControl, byteValue(com_port::ControlRtsOff));
    // The purge that follows an opening goes in the same request: one wait
    // for the server instead of two, which counts when it serves many ports.
    request += comPortCommand(com_port::PurgeData, byteValue(com_port::PurgeBoth));
    m_socket->write(request);
    const bool confirmed = await(ackTimeoutMs(), [&] {
        return m_answers[com_port::PurgeData].has_value()
               && std::all_of(std::begin(settings), std::end(settings),
                              [&](const auto &s) { return m_answers[s.command].has_value(); });
    });
    if (!confirmed) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the server did not acknowledge the line settings (%1 baud) within %2 ms")
                          .arg(line.baud)
                          .arg(ackTimeoutMs());
        return false;
    }
    const uint32_t baud = valueOf(*m_answers[com_port::SetBaudRate]);
    if (baud != uint32_t(line.baud)) {
        m_error = QStringLiteral("the server set the line to %1 baud instead of %2").arg(baud).arg(line.baud);
        return false;
    }
    return true;
}

template <typename Done>
bool NetworkByteStream::await(int ms, Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        const qint64 left = ms - waited.elapsed();
        if (left <= 0 || cancelled())
            return false;
        if (!takeIn(int(std::min<qint64>(left, CancelCheckMs))))
            return false;
    }
    return true;
}

bool NetworkByteStream::takeIn(int ms)
{
    if (!m_socket)
        return false;
    if (m_socket->bytesAvailable() == 0 && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->waitForReadyRead(ms);
    const QByteArray bytes = m_socket->readAll();
    if (!bytes.isEmpty()) {
        if (m_telnet) {
            m_data += m_parser.feed(bytes);
            for (const Command &c : m_parser.takeCommands())
                answer(c);
        } else {
            m_data += bytes;
        }
    }
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        lost(m_socket->error() == QAbstractSocket::RemoteHostClosedError
                 ? QStringLiteral("the server closed the connection")
                 : m_socket->errorString());
        return !bytes.isEmpty();
    }
    return true;
}

void NetworkByteStream::answer(const Command &command)
{
    if (command.verb == Sb) {
        if (command.option == OptionComPort && !command.payload.isEmpty()) {
            const int code = uint8_t(command.payload[0]) - com_port::ServerOffset;
            if (code >= 0 && code < int(m_answers.size()))
                m_answers[size_t(code)] = command.payload.mid(1);
        }
        return;
    }
    if (command.option == OptionComPort) {
        if (command.verb == Do || command.verb == Dont)
            m_comPort = command.verb == Do;
        return;
    }
    // Anything else we neither offer nor want, but binary transfer and no
    // go-ahead; each option is answered once so that no loop can start.
    if ((command.verb != Do && command.verb != Will) || m_answered[command.option])
        return;
    m_answered[command.option] = true;
    const bool wanted = command.option == OptionBinary || command.option == OptionSuppressGoAhead;
    if (command.verb == Do)
        m_socket->write(negotiation(wanted ? Will : Wont, command.option));
    else
        m_socket->write(negotiation(wanted ? Do : Dont, command.option));
}

void NetworkByteStream::lost(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("connection lost: %1").arg(reason);
}

bool NetworkByteStream::isOpen() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void NetworkByteStream::write(const QByteArray &bytes)
{
    if (!isOpen() || bytes.isEmpty())
        return;
    m_socket->write(m_telnet ? escape(bytes) : bytes);
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = qint64(WriteMultiplierMs) * bytes.size() + WriteConstantMs;
    while (m_socket->bytesToWrite() > 0) {
        const qint64 left = limit - timer.elapsed();
        if (left <= 0 || !m_socket->waitForBytesWritten(int(left)))
            break;
    }
}

QByteArray NetworkByteStream::read(int count)
{
    QByteArray received;
    if (!m_socket || count <= 0)
        return received;
    QElapsedTimer total;
    total.start();
    const qint64 totalLimit = m_timeouts.totalFor(count);
    QElapsedTimer silence;
    silence.start();
    bool paced = false; // once a reply has begun; then each byte is taken as it comes
    while (received.size() < count) {
        if (!m_data.isEmpty()) {
            const int n = std::min<int>(count - received.size(), int(m_data.size()));
            received += m_data.left(n);
            m_data.remove(0, n);
            silence.restart();
            if (received.size() < count && !paced) {
                paced = true;
                const qint64 limit = std::min<qint64>(totalLimit - total.elapsed(), m_timeouts.intervalMs);
                if (!awaitRest(count - int(received.size()) - 1, m_baud, limit, m_cancelled))
                    break;
                takeIn(0); // what came meanwhile
            }
            continue;
        }
        qint64 left = totalLimit - total.elapsed();
        // The silence between bytes counts only once the first byte is in.
        if (!received.isEmpty())
            left = std::min<qint64>(left, m_timeouts.intervalMs - silence.elapsed());
        if (left <= 0 || cancelled())
            break;
        if (!takeIn(int(std::min<qint64>(left, CancelCheckMs))) && m_data.isEmpty())
            break;
    }
    return received;
}

QByteArray NetworkByteStream::readWaiting()
{
    takeIn(0);
    QByteArray out;
    out.swap(m_data);
    return out;
}

void NetworkByteStream::purge()
{
    if (!isOpen())
        return;
    if (m_telnet) {
        // What comes before the server's answer is stale.
        m_answers[com_port::PurgeData].reset();
        m_socket->write(comPortCommand(com_port::PurgeData, byteValue(com_port::PurgeBoth)));
        await(ackTimeoutMs(), [&] { return m_answers[com_port::PurgeData].has_value(); });
    } else {
        takeIn(0);
    }
    m_data.clear();
}

void NetworkByteStream::close()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_parser = Parser();
    m_data.clear();
    m_comPort.reset();
    m_answered = {};
    m_answers = {};
}
