#include "link/GaugePort.h"
#include "common/SimGauge.h"
#include "base/SettingsStore.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QElapsedTimer>
#include <QTest>

using testing_support::SimGauge;

namespace {

// Runs one named transaction on an open port; returns its result.
int run(GaugePort &port, const QString &name, uint8_t *value = nullptr)
{
    GaugePort::Block block{};
    const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    if (name == "upload") return port.uploadFromGauge(block);
    if (name == "download") return port.downloadToGauge(block);
    if (name == "start-download") return port.startDownload();
    if (name == "save") return port.saveToNovolMemory();
    if (name == "ping") return port.ping();
    if (name == "ping-checked") return port.pingChecked();
    if (name == "login") return port.login();
    if (name == "service-login") return port.serviceLogin();
    if (name == "read-register") return port.readRegister(3, 26, value);
    if (name == "write-register") return port.writeRegister(4, 5, 10);
    if (name == "write-memory") return port.writeMemory(66, data);
    qFatal("unknown transaction %s", qPrintable(name));
    return -1;
}

}

class GaugePortTest : public QObject
{
    Q_OBJECT
private slots:
    void missingDeviceIsToldApart()
    {
        testing_support::ScopedTestHome home;
        setSessionPortDevice(home.filePath("no-such-device"));
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(19200), OpenStatus::NoSuchPort);
        QVERIFY(!port.isOpen());
        GaugePort::Block block;
        block.fill(0x55);
        QCOMPARE(port.uploadFromGauge(block), 0);
        QVERIFY(std::all_of(block.begin(), block.end(), [](uint8_t b) { return b == 0; }));
        QCOMPARE(port.ping(), 0);
        QVERIFY(testing_support::traceLines().isEmpty()); // nothing sent, nothing traced
        setSessionPortDevice(QString());
    }

    // Nothing stored: port 0 names no port, whatever serial devices the
    // system has, and the link says the port does not exist.
    void defaultPortDoesNotExist()
    {
        testing_support::ScopedTestHome home;
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(4800), OpenStatus::NoSuchPort);
        QVERIFY(!port.isOpen());
    }

    void otherOpenFailure()
    {
        testing_support::ScopedTestHome home;
        QFile plain(home.filePath("not-a-tty"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        setSessionPortDevice(plain.fileName());
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(4800), OpenStatus::Failed);
        setSessionPortDevice(QString());
    }

    void lineSpeed()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        settings_store::writeInt("Communication", "Baudrate", 1);
        {
            GaugePort port(testing_support::fastTimeouts());
            QCOMPARE(port.open(0), OpenStatus::Open);
            QCOMPARE(sim.server->deviceBaud(), 9600);
        }
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(19200), OpenStatus::Open);
        QCOMPARE(sim.server->deviceBaud(), 19200);
        QCOMPARE(port.open(4800), OpenStatus::Open); // an open link keeps its line speed
        QCOMPARE(sim.server->deviceBaud(), 19200);
    }

    void blockTransactionsOnTheWire()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(19200), OpenStatus::Open);
        QCOMPARE(port.open(4800), OpenStatus::Open); // second open changes nothing
        QCOMPARE(port.ping(), 1);
        GaugePort::Block block;
        QCOMPARE(port.uploadFromGauge(block), 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(block.data()), 64), sim.state().block);
        block[10] = 0x77;
        QCOMPARE(port.startDownload(), 1);
        QCOMPARE(port.downloadToGauge(block), 1);
        QCOMPARE(port.saveToNovolMemory(), 1);
        const GaugeSimState s = sim.state();
        QCOMPARE(uint8_t(s.block[10]), uint8_t(0x77));
        QCOMPARE(s.savedBlock, s.block);
        QCOMPARE(s.frames.value(0), QString("24 04 15 0a"));
        QCOMPARE(s.frames.value(1), QString("24 04 46 0a"));
        QCOMPARE(s.frames.value(2), QString("24 04 10 0a"));
        QVERIFY(s.frames.value(3).startsWith("24 44 45 "));
        QCOMPARE(s.frames.value(4), QString("24 04 53 0a"));

        const QStringList lines = testing_support::traceLines();
        QCOMPARE(lines.value(0), QString("W: 24 04 15 0A "));
        QCOMPARE(lines.value(1), QString("R: 24 06 15 F0 C7 0A "));
        QVERIFY(lines.value(2).endsWith(" UploadFromGauge"));
        QCOMPARE(lines.value(3), QString("W: 24 04 46 0A "));
        QCOMPARE(lines.value(4).count(' '), 1 + 64);
        QVERIFY(lines.value(5).endsWith(" StartDownload"));
        QVERIFY(lines.value(8).endsWith(" DownloadToGauge"));
        QCOMPARE(lines.value(9).count(' '), 1 + 68);
        QCOMPARE(lines.value(10), QString("R: 24 05 45 F0 0A "));
        QVERIFY(lines.value(11).endsWith(" SaveToNovolMemory"));
    }

    void registerTransactionsOnTheWire()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        sim.server->withState([](GaugeSimState &s, QVector<SimFault> &) { s.setReg(3, 26, 0x2A); });
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(4800), OpenStatus::Open);
        QCOMPARE(port.login(), 1);
        QCOMPARE(port.pingChecked(), 1);
        uint8_t value = 0;
        QCOMPARE(port.readRegister(3, 26, &value), 1);
        QCOMPARE(int(value), 0x2A);
        QCOMPARE(port.readRegister(3, 26, nullptr), 1);
        QCOMPARE(port.writeRegister(4, 5, 10), 1);
        const uint8_t piece[8] = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(port.serviceLogin(), 1);
        QCOMPARE(port.writeMemory(66, piece), 1);

        const GaugeSimState s = sim.state();
        QCOMPARE(s.frames.value(0), QString("24 10 10 ") + QByteArray(gauge_protocol::LoginPhrase).toHex(' ')
                                        + QString(" %1 0a").arg(gauge_protocol::checkByte(
                                              QByteArray::fromHex("2410 10") + gauge_protocol::LoginPhrase), 2, 16, QChar('0')));
        QCOMPARE(s.frames.value(1), QString("24 05 15 34 0a"));
        QCOMPARE(s.frames.value(2), QString("24 07 41 03 1a 7b 0a"));
        QCOMPARE(s.frames.value(4), QString("24 08 42 04 05 0a 65 0a"));
        QCOMPARE(int(s.reg(4, 5)), 10);
        QCOMPARE(s.memory.mid(66, 8).toHex(), QByteArray("fffeffffffffffff"));
        const QStringList lines = testing_support::traceLines();
        QVERIFY(lines.contains("W: 24 07 41 03 1A 7B 0A "));
        QVERIFY(lines.contains("W: 24 08 42 04 05 0A 65 0A "));
    }

    void faults_data()
    {
        QTest::addColumn<bool>("blockFamily");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("transaction");
        QTest::addColumn<int>("expected");
        QTest::newRow("upload short") << true << "upload=short" << "upload" << 0;
        QTest::newRow("upload silence") << true << "upload=silence" << "upload" << 0;
        QTest::newRow("upload refused") << true << "upload=refuse" << "upload" << 0;
        QTest::newRow("download refused") << true << "download=refuse" << "download" << 0;
        QTest::newRow("download short") << true << "download=short" << "download" << 0;
        QTest::newRow("download header not checked") << true << "download=header" << "download" << 1;
        QTest::newRow("start-download refused") << true << "start-download=refuse" << "start-download" << 0;
        QTest::newRow("start-download too long") << true << "start-download=garbage" << "start-download" << 0;
        QTest::newRow("save short") << true << "save=short" << "save" << 0;
        QTest::newRow("save refused") << true << "save=refuse" << "save" << 0;
        QTest::newRow("save header not checked") << true << "save=header" << "save" << 1;
        QTest::newRow("ping garbage") << true << "ping=garbage" << "ping" << 0;
        QTest::newRow("ping delayed within time-out") << true << "ping=delay:60" << "ping" << 1;
        QTest::newRow("ping delayed past time-out") << true << "ping=delay:400" << "ping" << 0;
        QTest::newRow("login refused") << false << "login=refuse" << "login" << 0;
        QTest::newRow("login header") << false << "login=header" << "login" << 0;
        QTest::newRow("service login refused") << false << "service-login=refuse" << "service-login" << 0;
        QTest::newRow("ping checked short") << false << "ping-checked=short" << "ping-checked" << 0;
        QTest::newRow("ping checked header") << false << "ping-checked=header" << "ping-checked" << 0;
        QTest::newRow("read register header") << false << "read-register=header" << "read-register" << 0;
        QTest::newRow("read register garbage") << false << "read-register=garbage" << "read-register" << 0;
        QTest::newRow("read register silence") << false << "read-register=silence" << "read-register" << 0;
        QTest::newRow("write register refused") << false << "write-register=refuse" << "write-register" << 0;
        QTest::newRow("write memory short") << false << "write-memory=short" << "write-memory" << 0;
        QTest::newRow("register gauge ignores block upload") << false << "" << "upload" << 0;
    }
    void faults()
    {
        QFETCH(bool, blockFamily);
        QFETCH(QString, fault);
        QFETCH(QString, transaction);
        QFETCH(int, expected);
        testing_support::ScopedTestHome home;
        SimGauge sim(blockFamily ? SimFamily::Block : SimFamily::Register,
                     fault.isEmpty() ? QStringList() : QStringList{fault});
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(0), OpenStatus::Open);
        if (transaction.contains("write"))
            QCOMPARE(port.login(), 1);
        if (transaction == "download")
            QCOMPARE(port.startDownload(), 1);
        uint8_t value = 0x99;
        QCOMPARE(run(port, transaction, &value), expected);
        if (transaction == "read-register" && expected == 0)
            QCOMPARE(int(value), 0x99); // a failed read leaves the value alone
    }

    void failedUploadLeavesZeros()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block, {"upload=short"});
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(19200), OpenStatus::Open);
        GaugePort::Block block;
        block.fill(0x33);
        QCOMPARE(port.uploadFromGauge(block), 0);
        QVERIFY(std::all_of(block.begin(), block.end(), [](uint8_t b) { return b == 0; }));
        QCOMPARE(testing_support::traceLines().last().count(' '), 1 + 63);
    }

    void deviceVanishing()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {"write-register=vanish"});
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(4800), OpenStatus::Open);
        QCOMPARE(port.login(), 1);
        QElapsedTimer t;
        t.start();
        QCOMPARE(port.writeRegister(3, 37, 1), 0);
        QCOMPARE(port.readRegister(3, 37, nullptr), 0);
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(sim.state().vanished);
    }

    void selfTestCommands()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        GaugePort port(testing_support::fastTimeouts());
        QCOMPARE(port.open(0), OpenStatus::Open);
        for (SelfTestCommand c : {SelfTestCommand::Cmd33, SelfTestCommand::Cmd36, SelfTestCommand::Cmd31,
                                  SelfTestCommand::Cmd32, SelfTestCommand::Cmd52, SelfTestCommand::Cmd71,
                                  SelfTestCommand::Cmd72, SelfTestCommand::Cmd23, SelfTestCommand::Cmd21,
                                  SelfTestCommand::Cmd31Checked})
            QVERIFY2(port.runSelfTestCommand(c) == 1, qPrintable(GaugePort::selfTestCommandName(c)));
        const QStringList lines = testing_support::traceLines();
        QVERIFY(lines.contains("W: 24 05 36 00 00 0A ")); // six bytes although the length says five
        QVERIFY(lines.contains("W: 24 08 72 0E 05 07 52 0A "));
    }
};

SKALERON_TEST(GaugePortTest)
#include "GaugePortTest.moc"
