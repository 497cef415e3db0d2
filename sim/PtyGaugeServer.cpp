#include "PtyGaugeServer.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

// A frame not completed within this time is dropped as noise.
constexpr int PartialFrameMs = 1000;
// Paced replies are written in runs of about this length.
constexpr qint64 BurstNs = 4000000;

qint64 nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void sleepUntilNs(qint64 ns)
{
    timespec ts;
    ts.tv_sec = ns / 1000000000;
    ts.tv_nsec = ns % 1000000000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

int baudOf(speed_t speed)
{
    switch (speed) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 9600;
    }
}

void writeAll(int fd, const char *data, int size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= int(n);
    }
}

}

PtyGaugeServer::PtyGaugeServer(const GaugeSimConfig &config)
    : m_config(config)
    , m_engine(m_state, m_config.faults)
{
    m_state.family = config.family;
}

PtyGaugeServer::~PtyGaugeServer()
{
    stop();
    if (!m_link.isEmpty())
        QFile::remove(m_link);
}

bool PtyGaugeServer::start(QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
        closeDevice();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("unlockpt");
    const char *name = ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_device = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open slave");
    termios raw;
    if (tcgetattr(m_slave, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
    }
    if (pipe(m_wake) != 0)
        return fail("pipe");
    m_thread = std::thread([this] { serve(); });
    return true;
}

void PtyGaugeServer::stop()
{
    if (m_thread.joinable()) {
        const char stopByte = 'q';
        writeAll(m_wake[1], &stopByte, 1);
        m_thread.join();
    }
    closeDevice();
    for (int &fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void PtyGaugeServer::closeDevice()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

bool PtyGaugeServer::makeLink(const QString &linkPath, QString *error)
{
    QFile::remove(linkPath);
    if (!QFile::link(m_device, linkPath)) {
        if (error)
            *error = QStringLiteral("cannot link %1 to %2").arg(linkPath, m_device);
        return false;
    }
    m_link = linkPath;
    return true;
}

void PtyGaugeServer::withState(const std::function<void(GaugeSimState &, QVector<SimFault> &)> &fn)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    fn(m_state, m_config.faults);
}

GaugeSimState PtyGaugeServer::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

QJsonObject PtyGaugeServer::stateJson() const
{
    QJsonObject o = state().toJson();
    o.insert(QStringLiteral("device"), m_device);
    return o;
}

int PtyGaugeServer::lineBaud() const
{
    return m_config.wireBaud > 0 ? m_config.wireBaud : deviceBaud();
}

int PtyGaugeServer::deviceBaud() const
{
    termios t;
    if (m_slave < 0 || tcgetattr(m_slave, &t) != 0)
        return 9600;
    return baudOf(cfgetospeed(&t));
}

void PtyGaugeServer::send(const SimReply &reply, qint64 frameArrivalNs)
{
    if (reply.delayMs > 0)
        sleepUntilNs(nowNs() + qint64(reply.delayMs) * 1000000);
    if (reply.bytes.isEmpty())
        return;
    if (!m_config.wireSpeed) {
        writeAll(m_master, reply.bytes.constData(), reply.bytes.size());
        return;
    }
    const qint64 byteNs = 10LL * 1000000000 / lineBaud(); // start, 8 data and stop bit
    // Bytes go out in runs of about BurstNs, each once its last byte has
    // crossed the wire, as a serial adapter hands them on: waking per byte
    // would make many simulated gauges cost more than the program under test.
    const int burst = int(std::max<qint64>(1, BurstNs / byteNs));
    // The gauge sees the whole command only once it has crossed the wire.
    qint64 at = std::max(nowNs(), frameArrivalNs + reply.frameSize * byteNs);
    for (int i = 0; i < reply.bytes.size(); i += burst) {
        const int n = std::min(burst, int(reply.bytes.size()) - i);
        at += n * byteNs;
        sleepUntilNs(at);
        writeAll(m_master, reply.bytes.constData() + i, n);
    }
}

void PtyGaugeServer::serve()
{
    char buffer[512];
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int ready = poll(fds, 2, m_engine.hasPartial() ? PartialFrameMs : -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_engine.dropPartial();
            continue;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents & (POLLERR | POLLNVAL))
            return;
        if (!(fds[0].revents & POLLIN)) {
            usleep(10000); // hang-up without data: nothing to answer yet
            continue;
        }
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        if (m_config.requiredBaud > 0 && deviceBaud() != m_config.requiredBaud) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_state.count(QStringLiteral("wrong speed"));
            continue;
        }
        const qint64 arrival = nowNs();
        std::vector<SimReply> replies;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            replies = m_engine.receive(QByteArray(buffer, int(n)));
        }
        for (const SimReply &reply : replies) {
            if (reply.vanish) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_state.vanished = true;
                // The device node goes with the master side, as an unplugged
                // adapter's does. The slave side stays open until stop(): its
                // number is not handed to another terminal (a simulator
                // beside this one) while the program looks at the gone one.
                ::close(m_master);
                m_master = -1;
                return;
            }
            send(reply, arrival);
        }
    }
}
