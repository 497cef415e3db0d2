#include "GaugeProbe.h"

#include "GaugePort.h"
#include "GaugeSequences.h"
#include "NetworkAddress.h"
#include "NetworkByteStream.h"
#include "PortByteStream.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "model/FirmwareText.h"

#include <QDeadlineTimer>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>
#include <mutex>

namespace {

// The port's stream, noting whether anything at all came back: a port where
// something answers, if not as a gauge, is told apart from a silent one.
class NotingStream : public ByteStream
{
public:
    explicit NotingStream(const ReadTimeouts &timeouts) : m_stream(timeouts) {}

    OpenStatus open(const QString &device, const LineSettings &line) override { return m_stream.open(device, line); }
    bool isOpen() const override { return m_stream.isOpen(); }
    void write(const QByteArray &bytes) override { m_stream.write(bytes); }
    QByteArray read(int count) override { return noted(m_stream.read(count)); }
    QByteArray readWaiting() override { return noted(m_stream.readWaiting()); }
    void purge() override { m_stream.purge(); }
    void close() override { m_stream.close(); }

    bool answered() const { return m_answered; }
    QString openError() const { return m_stream.errorString(); }

private:
    QByteArray noted(const QByteArray &bytes)
    {
        m_answered = m_answered || !bytes.isEmpty();
        return bytes;
    }

    PortByteStream m_stream;
    bool m_answered = false;
};

// One link per family: each family's line speed is set when its port opens.
struct ProbeLink
{
    ProbeLink(const QString &device, const ProbeOptions &options, const QString &traceTag)
    {
        auto owned = std::make_unique<NotingStream>(options.timeouts);
        stream = owned.get();
        port = std::make_unique<GaugePort>(std::move(owned));
        port->setDevice(device);
        port->setTraceTag(traceTag);
    }
    NotingStream *stream = nullptr;
    std::unique_ptr<GaugePort> port;
};

ProbeResult found(ProbeResult r, LinkFamily family, const QString &message)
{
    r.status = ProbeStatus::Found;
    r.family = family;
    r.message = message;
    return r;
}

// The status of a port that would not open, or none when it opened.
bool openFailed(ProbeLink &link, int baud, ProbeResult &r)
{
    const OpenStatus open = link.port->open(baud);
    if (open == OpenStatus::Open)
        return false;
    r.status = open == OpenStatus::NoSuchPort ? ProbeStatus::NoSuchPort : ProbeStatus::Busy;
    // A network port that would not connect is not busy: it cannot be reached.
    r.message = open == OpenStatus::NoSuchPort ? loadTranslatedString(5755)
                                               : loadTranslatedString(isNetworkAddress(r.port) ? 5769 : 5756)
                                                     .arg(link.stream->openError());
    // A network address written wrongly, or a host not found, is told by
    // its reason; a missing local device needs none.
    if (open == OpenStatus::NoSuchPort && isNetworkAddress(r.port))
        r.message += QStringLiteral(" (%1)").arg(link.stream->openError());
    return true;
}

// A raw network port runs at its one line speed: a family that speaks
// another cannot be there, and is not tried.
bool familyFits(const QString &device, int baud)
{
    const std::optional<NetworkAddress> address = parseNetworkAddress(device);
    return !address || address->kind != NetworkAddress::Kind::Raw || loadLineSettings().baud == baud;
}

// How long a probe of one port can take at most, with room for the opening.
int longestProbe(const ReadTimeouts &t, const QStringList &ports)
{
    const int exchanges = t.totalFor(6) + t.totalFor(64) + t.totalFor(6) + t.totalFor(13) + 2000;
    // A network port is connected and its line set once per family.
    const bool network = std::any_of(ports.begin(), ports.end(), isNetworkAddress);
    return exchanges + (network ? 2 * (NetworkByteStream::ConnectTimeoutMs + 2 * std::max(1000, t.totalConstantMs)) : 0);
}

}

QStringList systemSerialPorts()
{
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
    return ports;
}

QStringList storedNetworkPorts()
{
    return settings_store::readStringList(QStringLiteral("Communication"), QStringLiteral("NetworkPorts"));
}

QStringList portsToProbe()
{
    QStringList ports = systemSerialPorts() + storedNetworkPorts();
    ports.removeDuplicates();
    return ports;
}

ProbeResult probePort(const QString &device, const ProbeOptions &options, const QString &traceTag)
{
    ProbeResult r;
    r.port = device;
    bool answered = false;
    bool pinged = false;
    const bool blockFits = familyFits(device, BlockFamilyBaud);
    const bool registerFits = familyFits(device, RegisterFamilyBaud);
    // A speed neither family speaks is named by the block family's opening.
    if (blockFits || !registerFits) {
        ProbeLink block(device, options, traceTag);
        if (openFailed(block, BlockFamilyBaud, r))
            return r;
        pinged = block.port->ping() == 1;
        GaugePort::Block parameters{};
        if (pinged && block.port->uploadFromGauge(parameters) == 1) {
            r.firmwareVersion = std::array<uint8_t, 2>{parameters[4], parameters[5]};
            return found(r, LinkFamily::Block,
                         loadTranslatedString(5750).arg(firmwareText(*r.firmwareVersion)));
        }
        answered = block.stream->answered();
    }
    // A register-family gauge answers the ping as well, but not the upload.
    if (registerFits) {
        ProbeLink registers(device, options, traceTag);
        if (openFailed(registers, RegisterFamilyBaud, r))
            return r;
        if (registers.port->login() == 1 && registers.port->pingChecked() == 1)
            return found(r, LinkFamily::Register, loadTranslatedString(5752));
        answered = answered || registers.stream->answered();
    }
    if (pinged)
        return found(r, LinkFamily::Block, loadTranslatedString(5751));
    r.status = answered ? ProbeStatus::Unrecognised : ProbeStatus::Silent;
    r.message = loadTranslatedString(answered ? 5754 : 5753);
    // Silence or stray bytes at a raw port's one speed may be a gauge of the
    // other family: say so, or the cabling is looked at first.
    if (!registerFits || !blockFits)
        r.message += QStringLiteral(" (tried at %1 baud only, the speed set for raw network ports in "
                                    "Communication/Baudrate; a gauge of the other family needs %2 baud: use rfc2217://)")
                         .arg(loadLineSettings().baud)
                         .arg(registerFits ? BlockFamilyBaud : RegisterFamilyBaud);
    return r;
}

QVector<ProbeResult> probePorts(const QStringList &ports, const ProbeOptions &options)
{
    // Lines of ports tried side by side carry their port.
    const bool tagged = ports.size() > 1;
    // What the ports' threads fill in. Once the caller has its answer, a
    // thread left behind neither reports nor touches the caller's data.
    struct Shared
    {
        std::mutex mutex;
        bool abandoned = false;
        QVector<std::optional<ProbeResult>> results;
    };
    const auto shared = std::make_shared<Shared>();
    shared->results.resize(ports.size());
    QVector<QThread *> threads;
    for (int i = 0; i < ports.size(); ++i) {
        const QString port = ports.at(i);
        // A QThread, not a bare thread: the serial port needs its event
        // dispatcher to wait for bytes.
        threads << QThread::create([shared, i, port, options, tagged] {
            const ProbeResult r = probePort(port, options, tagged ? port : QString());
            std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->abandoned)
                return;
            shared->results[i] = r;
            if (options.finished)
                options.finished(r);
        });
        threads.back()->start();
    }
    const QDeadlineTimer deadline(longestProbe(options.timeouts, ports));
    for (QThread *thread : threads) {
        if (thread->wait(deadline))
            delete thread;
        else // stuck in the system: left behind rather than waited for
            QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    }
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->abandoned = true;
    QVector<ProbeResult> out;
    for (int i = 0; i < ports.size(); ++i) {
        if (shared->results[i]) {
            out << *shared->results[i];
            continue;
        }
        ProbeResult r;
        r.port = ports.at(i);
        r.status = ProbeStatus::TimedOut;
        r.message = loadTranslatedString(5757);
        out << r;
    }
    return out;
}
