#include "link/FailureReason.h"
#include "link/BlockBackup.h"
#include "link/GaugeProbe.h"
#include "link/GaugeSequences.h"
#include "link/LineSettings.h"
#include "link/NetworkByteStream.h"
#include "PtyGaugeServer.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/Ser2netFixture.h"
#include "common/SimGauge.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTest>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Gauges reached through a real ser2net on 127.0.0.1 (the ser2net test
// fixture): each test points one of its device names at a simulated gauge
// that drops whatever arrives at another line speed than its family's, so
// that a sequence succeeds only when the speed it sets reaches the device.
using namespace testing_support;

namespace {

// A simulated gauge behind ser2net's port `name`, made the session's port.
class NetGauge
{
public:
    NetGauge(const QString &name, SimFamily family, const QStringList &faults = {})
    {
        GaugeSimConfig config = testing_support::simConfig(family, faults);
        config.requiredBaud = family == SimFamily::Block ? BlockFamilyBaud : RegisterFamilyBaud;
        server = std::make_unique<PtyGaugeServer>(config);
        QString error;
        if (!server->start(&error) || !server->makeLink(ser2netDir() + "/" + name, &error))
            qFatal("simulator: %s", qPrintable(error));
        address = ser2netAddress(name);
        setSessionPortDevice(address);
    }
    ~NetGauge() { setSessionPortDevice(QString()); }

    int count(const QString &what) const { return server->state().counters.value(what); }

    std::unique_ptr<PtyGaugeServer> server;
    QString address;
};

LinkOptions fastOptions()
{
    LinkOptions o;
    o.timeouts = ReadTimeouts{300, 5, 600};
    o.pauseMs = 5;
    return o;
}

ConfigRecord master(SimFamily family)
{
    ConfigRecord c;
    c.Description = family == SimFamily::Block ? "Tachometer 0-4000 rpm" : "Speedometer 0-60 kn";
    return c;
}

QByteArray bytesOf(const gauge_codec::ParamBlock &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), 64); }

struct CancelAfter : SequenceObserver
{
    explicit CancelAfter(int ms) : ms(ms) { timer.start(); }
    bool cancelRequested() override { return ms >= 0 && timer.elapsed() >= ms; }
    int ms;
    QElapsedTimer timer;
};

// A listening socket whose one-place queue is taken: a further connection
// waits for an answer that never comes.
class FullListener
{
public:
    FullListener()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&a), size);
        ::listen(m_listener, 0);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&a), &size);
        port = ntohs(a.sin_port);
        for (int &c : m_fillers) { // the queue holds backlog + 1
            c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(c, reinterpret_cast<sockaddr *>(&a), size);
        }
        QTest::qWait(100);
    }
    ~FullListener()
    {
        for (int c : m_fillers)
            ::close(c);
        ::close(m_listener);
    }
    int port = 0;

private:
    int m_listener = -1;
    int m_fillers[2] = {-1, -1};
};

}

class NetworkPortTest : public QObject
{
    Q_OBJECT
private slots:
    void sequences_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("familyNumber");
        for (const SimFamily family : {SimFamily::Block, SimFamily::Register}) {
            const QString name = family == SimFamily::Block ? "block" : "register";
            for (const char *operation : {"read", "write", "verify", "probe"})
                QTest::newRow(qPrintable(name + " " + operation)) << QString(operation) << int(family);
        }
        QTest::newRow("register preset") << "preset" << int(SimFamily::Register);
    }
    void sequences()
    {
        REQUIRE_SER2NET();
        QFETCH(QString, operation);
        QFETCH(int, familyNumber);
        const SimFamily family = SimFamily(familyNumber);
        testing_support::ScopedTestHome home;
        NetGauge gauge(family == SimFamily::Block ? "block" : "register", family);
        ConfigRecord cfg = master(family);
        if (operation == "read") {
            const TransferOutcome o = readFromGauge(cfg, nullptr, fastOptions());
            QVERIFY2(o.success, qPrintable(o.text + " " + o.detail));
            QVERIFY(cfg.KValue > 0);
        } else if (operation == "write" || operation == "verify") {
            QVERIFY(readFromGauge(cfg, nullptr, fastOptions()).success);
            const double k = family == SimFamily::Block ? 12.5 : 7000.0;
            cfg.KValue = k;
            const TransferOutcome written = writeToGauge(cfg, nullptr, fastOptions());
            QVERIFY2(written.success, qPrintable(written.text + " " + written.detail));
            if (operation == "verify") {
                const TransferOutcome o = verifyGauge(cfg, nullptr, fastOptions());
                QVERIFY2(o.success, qPrintable(o.text + " " + o.detail));
            }
            ConfigRecord back = master(family);
            QVERIFY(readFromGauge(back, nullptr, fastOptions()).success);
            QCOMPARE(back.KValue, k);
        } else if (operation == "preset") {
            // The image of 1 is mostly 0xFF bytes: each must cross escaped once.
            const TransferOutcome o = presetCounter(0, 32, 1, 0, nullptr, fastOptions());
            QVERIFY2(o.success, qPrintable(o.text + " " + o.detail));
            QCOMPARE(gauge.server->state().memory.mid(0, 64), gauge_protocol::counterImage(1, 32));
        } else {
            const ProbeResult r = probePort(gauge.address);
            QCOMPARE(r.status, ProbeStatus::Found);
            QCOMPARE(*r.family, family == SimFamily::Block ? LinkFamily::Block : LinkFamily::Register);
            return; // a register gauge is greeted at the block speed first
        }
        QCOMPARE(gauge.count("wrong speed"), 0);
    }

    void speedChangesWithinOneSession()
    {
        REQUIRE_SER2NET();
        testing_support::ScopedTestHome home;
        NetGauge gauge("register", SimFamily::Register);
        LinkOptions asBlock = fastOptions();
        asBlock.family = LinkFamily::Block;
        ConfigRecord cfg = master(SimFamily::Register);
        QVERIFY(!readFromGauge(cfg, nullptr, asBlock).success); // 19200 baud: the gauge hears noise
        QVERIFY(gauge.count("wrong speed") > 0);
        const int dropped = gauge.count("wrong speed");
        QVERIFY(readFromGauge(cfg, nullptr, fastOptions()).success); // 4800 baud
        QCOMPARE(gauge.count("wrong speed"), dropped);
    }

    void ffBytesSurviveBothWays()
    {
        REQUIRE_SER2NET();
        testing_support::ScopedTestHome home;
        NetGauge gauge("block", SimFamily::Block);
        gauge.server->withState([](GaugeSimState &s, QVector<SimFault> &) {
            for (int i = 0; i < 64; i += 3)
                s.block[i] = char(0xFF);
        });
        const QByteArray held = gauge.server->state().block;
        gauge_codec::ParamBlock saved{};
        for (int i = 0; i < 64; ++i)
            saved[i] = i % 2 ? 0xFF : uint8_t(i);
        LinkOptions anyFirmware = fastOptions(); // the firmware bytes are 0xFF as well
        anyFirmware.force = true;
        const TransferOutcome o = restoreBlockToGauge(saved, nullptr, anyFirmware);
        QVERIFY2(o.success, qPrintable(o.text + " " + o.detail));
        QCOMPARE(gauge.server->state().block.toHex(), bytesOf(saved).toHex()); // to the gauge
        block_backup::Block backup{}; // the block uploaded first, from the gauge
        QString error;
        QVERIFY2(block_backup::load(o.backupFile, backup, &error), qPrintable(error));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(backup.data()), int(backup.size())).toHex(), held.toHex());
    }

    // A block gauge behind a raw port set to the register family's speed:
    // only that family is tried, and the silence says why.
    void rawPortSilentAtItsSpeedSaysWhy()
    {
        REQUIRE_SER2NET();
        testing_support::ScopedTestHome home;
        NetGauge gauge("block", SimFamily::Block);
        settings_store::writeInt("Communication", "Baudrate", 0); // 4800
        const ProbeResult r = probePort(ser2netAddress("raw", "tcp"));
        QCOMPARE(r.status, ProbeStatus::Silent);
        QVERIFY2(r.message.contains("needs 19200 baud: use rfc2217://"), qPrintable(r.message));
    }

    void storedNetworkPortsAreProbed()
    {
        REQUIRE_SER2NET();
        testing_support::ScopedTestHome home;
        NetGauge gauge("register", SimFamily::Register);
        setSessionPortDevice(QString());
        settings_store::writeString("Communication", "NetworkPorts", gauge.address);
        const QStringList ports = portsToProbe();
        QVERIFY(ports.contains(gauge.address));
        for (const ProbeResult &r : probePorts(ports)) {
            if (r.port == gauge.address)
                QCOMPARE(r.status, ProbeStatus::Found);
        }
        QCOMPARE(gauge.count("login"), 1);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("refused") << "rfc2217://127.0.0.1:CLOSED" << "" << "connection refused" << 0 << 1000;
        QTest::newRow("unknown host") << "rfc2217://no-such-host.invalid:4000" << "" << "host no-such-host.invalid not found" << 0 << 5500;
        QTest::newRow("no acknowledgement (a raw port)") << ser2netAddress("raw") << "" << "did not acknowledge" << 900 << 2500;
        QTest::newRow("raw port at another speed") << ser2netAddress("raw", "tcp") << "" << "fixed line speed" << 0 << 500;
        QTest::newRow("lost mid-sequence") << ser2netAddress("block") << "upload=vanish" << "connection lost" << 0 << 2500;
        // A write takes no further download attempt on a link that is gone.
        QTest::newRow("lost during a download") << ser2netAddress("block") << "download=vanish" << "connection lost"
                                                << 0 << 2500;
        // Cut off after some writes: the reason, and what the gauge holds now.
        QTest::newRow("lost during register writes") << ser2netAddress("register") << "write-register=vanish+3"
                                                     << "connection lost" << 0 << 2500;
        QTest::newRow("lost during a preset") << ser2netAddress("register") << "write-memory=vanish+1"
                                              << "connection lost" << 0 << 2500;
    }
    void faults()
    {
        REQUIRE_SER2NET();
        QFETCH(QString, device);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        testing_support::ScopedTestHome home;
        const bool registers = device.contains(ser2netAddress("register"));
        NetGauge gauge(registers ? "register" : "block", registers ? SimFamily::Register : SimFamily::Block,
                       fault.isEmpty() ? QStringList() : QStringList{fault});
        if (device.contains("CLOSED")) {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost));
            device.replace("CLOSED", QString::number(gone.serverPort()));
        }
        setSessionPortDevice(device);
        ConfigRecord cfg = master(registers ? SimFamily::Register : SimFamily::Block);
        QElapsedTimer t;
        t.start();
        const bool write = fault.startsWith("download") || fault.startsWith("write-register");
        const bool preset = fault.startsWith("write-memory");
        StepNoting steps;
        const TransferOutcome o = preset  ? presetCounter(0, 32, 5000, 0, &steps, fastOptions())
                                  : write ? writeToGauge(cfg, &steps, fastOptions())
                                          : readFromGauge(cfg, &steps, fastOptions());
        const qint64 ms = t.elapsed();
        QVERIFY(!o.success);
        QVERIFY2(o.detail.contains(device) && o.detail.contains(reason), qPrintable(o.detail));
        if (write && !registers) // named at the step the link went, not at a sixth attempt on a dead link
            QCOMPARE(steps.reached.transaction, QString("DownloadToGauge"));
        if (write && registers)
            QVERIFY2(o.detail.contains(loadTranslatedString(5106)), qPrintable(o.detail));
        if (preset)
            QVERIFY2(o.detail.contains(loadTranslatedString(5103)), qPrintable(o.detail));
        QVERIFY(!o.detail.contains('\n'));
        QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
    }

    void connecting_data()
    {
        QTest::addColumn<int>("cancelMs");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("connect time-out") << -1 << "no connection within 5 s" << 5000 << 6000;
        QTest::newRow("cancel while connecting") << 300 << "cancelled while connecting" << 300 << 800;
    }
    void connecting()
    {
        QFETCH(int, cancelMs);
        QFETCH(QString, reason);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        testing_support::ScopedTestHome home;
        FullListener listener;
        setSessionPortDevice(QStringLiteral("rfc2217://127.0.0.1:%1").arg(listener.port));
        ConfigRecord cfg = master(SimFamily::Block);
        CancelAfter observer(cancelMs);
        QElapsedTimer t;
        t.start();
        const TransferOutcome o = readFromGauge(cfg, &observer, fastOptions());
        const qint64 ms = t.elapsed();
        setSessionPortDevice(QString());
        QVERIFY(!o.success);
        QVERIFY2(o.detail.contains(reason), qPrintable(o.detail));
        QCOMPARE(o.cancelled, cancelMs >= 0); // told as a cancel, not as a failure
        QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
    }
};

SKALERON_TEST(NetworkPortTest)
#include "NetworkPortTest.moc"
