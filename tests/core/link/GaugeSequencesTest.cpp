#include "link/CounterPresetInput.h"
#include "link/GaugeSequences.h"
#include "common/SimGauge.h"
#include "base/Language.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

using testing_support::SimGauge;
using user_messages::Icon;

namespace {

LinkOptions fastOptions()
{
    LinkOptions o;
    o.timeouts = testing_support::fastTimeouts();
    o.pauseMs = 5;
    return o;
}

ConfigRecord blockMaster()
{
    ConfigRecord c;
    c.Description = "Tachometer 0-4000 rpm";
    return c;
}

ConfigRecord registerMaster()
{
    ConfigRecord c;
    c.Description = "Speedometer 0-60 kn";
    return c;
}

struct Recorder : SequenceObserver
{
    void progress(int step, int total, const QString &transaction) override
    {
        steps << QStringLiteral("%1/%2 %3").arg(step).arg(total).arg(transaction);
    }
    bool cancelRequested() override { return cancelAfter >= 0 && steps.size() >= cancelAfter; }
    QStringList steps;
    int cancelAfter = -1;
};

QByteArray blockBytes(const gauge_codec::ParamBlock &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), 64); }

}

class GaugeSequencesTest : public QObject
{
    Q_OBJECT
private slots:
    void blockRead()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        ConfigRecord cfg = blockMaster();
        Recorder recorder;
        const TransferOutcome o = readFromGauge(cfg, &recorder, fastOptions());
        QVERIFY(o.success);
        QCOMPARE(o.text, loadTranslatedString(1232));
        QCOMPARE(o.icon, Icon::Exclamation);
        QVERIFY(o.notice.isEmpty());
        QCOMPARE(recorder.steps, (QStringList{"1/2 Ping", "2/2 UploadFromGauge"}));
        QCOMPARE(cfg.FirmwareVersion[0], uint8_t(66));
        QCOMPARE(cfg.FirmwareVersion[1], uint8_t(1));
        QCOMPARE(cfg.KValue, 50.0);
        QCOMPARE(cfg.WarnThreshold, 100.0);
    }

    void blockReadWithoutPingAnswer()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block, {"ping=silence"});
        ConfigRecord cfg = blockMaster();
        cfg.KValue = 7;
        const TransferOutcome o = readFromGauge(cfg, nullptr, fastOptions());
        QVERIFY(!o.success);
        QCOMPARE(o.text, loadTranslatedString(1233));
        QCOMPARE(o.icon, Icon::Error);
        QCOMPARE(cfg.KValue, 7.0);
        QCOMPARE(sim.count("upload"), 0);
    }

    void blockWriteBacksUpAndSaves()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        const QByteArray before = sim.state().block;
        ConfigRecord cfg = blockMaster();
        cfg.KValue = 12.3;
        cfg.WarnThreshold = 55;
        cfg.WarnMode = 1;
        Recorder recorder;
        const TransferOutcome o = writeToGauge(cfg, &recorder, fastOptions());
        QVERIFY2(o.success, qPrintable(o.text));
        QCOMPARE(o.text, loadTranslatedString(1230));
        QCOMPARE(o.icon, Icon::Exclamation);
        QCOMPARE(recorder.steps, (QStringList{"1/14 UploadFromGauge", "2/14 StartDownload", "3/14 DownloadToGauge",
                                              "14/14 SaveToNovolMemory"}));
        const GaugeSimState s = sim.state();
        QCOMPARE(s.block.mid(44, 5).toHex(), QByteArray("007b003701"));
        QCOMPARE(uint8_t(s.block[63]), uint8_t(1));
        QCOMPARE(s.block.left(44), before.left(44));
        QCOMPARE(s.block.mid(49, 14), before.mid(49, 14));
        QCOMPARE(s.savedBlock, s.block);
        QCOMPARE(s.counters.value("save"), 1);

        // The block the gauge held before is in the backup, named in the trace.
        QVERIFY(o.backupFile.startsWith(home.filePath("data/Veltrona/skaleron/backups/")));
        block_backup::Block backedUp{};
        block_backup::Identity identity;
        QVERIFY(block_backup::load(o.backupFile, backedUp, nullptr, &identity));
        QCOMPARE(blockBytes(backedUp), before);
        QVERIFY(identity.identified);
        QCOMPARE(identity.firmware[0], uint8_t(before[4]));
        QVERIFY(testing_support::traceLines().filter(" BlockBackup " + o.backupFile).size() == 1);
    }

    void restoreWritesTheBlockUnchanged()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        gauge_codec::ParamBlock saved;
        for (int i = 0; i < 64; ++i)
            saved[i] = uint8_t(0xC0 ^ i);
        // The gauge's own firmware bytes: another firmware's block is refused.
        saved[4] = uint8_t(sim.state().block[4]);
        saved[5] = uint8_t(sim.state().block[5]);
        const TransferOutcome o = restoreBlockToGauge(saved, nullptr, fastOptions(), "block-1.bin");
        QVERIFY2(o.success, qPrintable(o.text));
        QCOMPARE(o.text, loadTranslatedString(5748).arg("block-1.bin")); // the backup, not a project
        QCOMPARE(sim.state().block, blockBytes(saved));
        QCOMPARE(sim.state().savedBlock, blockBytes(saved));
        QVERIFY(QFile::exists(o.backupFile));
    }

    void blockWriteFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("startDownloads");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<int>("saves");
        QTest::addColumn<bool>("success");
        QTest::newRow("upload fails: no download") << "upload=short" << 0 << 0 << 0 << false;
        QTest::newRow("start refused every time") << "start-download=refuse" << 6 << 0 << 0 << false;
        QTest::newRow("download refused every time") << "download=refuse" << 6 << 6 << 0 << false;
        QTest::newRow("third attempt succeeds") << "start-download=refuse*2" << 3 << 1 << 1 << true;
        QTest::newRow("download silent once") << "download=silence*1" << 2 << 2 << 1 << true;
        QTest::newRow("save not answered") << "save=silence" << 1 << 1 << 1 << false;
        QTest::newRow("save refused") << "save=refuse" << 1 << 1 << 1 << false;
        QTest::newRow("device vanishes on download") << "download=vanish" << 1 << 1 << 0 << false;
    }
    void blockWriteFailures()
    {
        QFETCH(QString, fault);
        QFETCH(int, startDownloads);
        QFETCH(int, downloads);
        QFETCH(int, saves);
        QFETCH(bool, success);
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block, {fault});
        const TransferOutcome o = writeToGauge(blockMaster(), nullptr, fastOptions());
        QCOMPARE(o.success, success);
        QCOMPARE(o.text, success ? loadTranslatedString(1230) : loadTranslatedString(1231));
        QCOMPARE(o.icon, success ? Icon::Exclamation : Icon::Error);
        QCOMPARE(sim.count("start-download"), startDownloads);
        QCOMPARE(sim.count("download"), downloads);
        QCOMPARE(sim.count("save"), saves);
        QCOMPARE(QDir(home.filePath("data/Veltrona/skaleron/backups")).exists(), startDownloads > 0);
    }

    // The offset byte O comes with the gauge's block: a threshold that would
    // fit 16 bits without it is refused before anything is backed up or
    // written.
    void thresholdPastSixteenBitsWithTheGaugesOffset()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        sim.server->withState([](GaugeSimState &s, QVector<SimFault> &) { s.block[43] = char(100); });
        ConfigRecord cfg = blockMaster();
        cfg.WarnThreshold = 65500;
        const TransferOutcome o = writeToGauge(cfg, nullptr, fastOptions());
        QVERIFY(!o.success);
        QVERIFY(o.refused);
        QVERIFY2(o.text.contains("WarnThreshold 65500") && o.text.contains("-100") && o.text.contains("65435"),
                 qPrintable(o.text));
        QCOMPARE(sim.count("upload"), 1);
        QCOMPARE(sim.count("start-download"), 0);
        QVERIFY(!QDir(home.filePath("data/Veltrona/skaleron/backups")).exists());
    }

    void backupThatCannotBeWrittenStopsTheWrite()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        QFile blocker(home.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LinkOptions options = fastOptions();
        options.backupFolder = home.filePath("blocker/backups"); // below a plain file
        const TransferOutcome o = writeToGauge(blockMaster(), nullptr, options);
        QVERIFY(!o.success);
        QCOMPARE(o.icon, Icon::Error);
        QVERIFY2(o.text.contains(options.backupFolder), qPrintable(o.text));
        QCOMPARE(sim.count("start-download"), 0);
    }

    void unconvertibleThreshold()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        ConfigRecord cfg = blockMaster();
        cfg.CalculateThreshold = 1;
        cfg.ScaleMin = cfg.ScaleMax = 40;
        cfg.WarnThresholdMax = 200;
        cfg.WarnThreshold = 33;

        const TransferOutcome w = writeToGauge(cfg, nullptr, fastOptions());
        QVERIFY(!w.success);
        QCOMPARE(w.text, gauge_codec::thresholdRefusalText(cfg));
        QVERIFY(sim.frames().isEmpty()); // nothing sent

        const TransferOutcome r = readFromGauge(cfg, nullptr, fastOptions());
        QVERIFY(r.success);
        QCOMPARE(r.notice, gauge_codec::thresholdRefusalText(cfg));
        QCOMPARE(cfg.WarnThreshold, 33.0); // kept
        QCOMPARE(cfg.KValue, 50.0);        // the rest was read
    }

    void registerRead()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        ConfigRecord cfg = registerMaster();
        Recorder recorder;
        const TransferOutcome o = readFromGauge(cfg, &recorder, fastOptions());
        QVERIFY(o.success);
        QCOMPARE(o.text, loadTranslatedString(1232));
        QCOMPARE(recorder.steps.size(), 16);
        QCOMPARE(recorder.steps.first(), QString("1/16 Login"));
        QCOMPARE(recorder.steps.last(), QString("16/16 ReadRegister 4/14"));
        QCOMPARE(cfg.WarnThreshold, 300.0); // sim registers 4/8 = 0x01, 4/9 = 0x2C
        QCOMPARE(cfg.KValue, 8000.0);
        QCOMPARE(cfg.MValue, 2.5);
        QCOMPARE(cfg.Illumination, 50.0);
        QCOMPARE(cfg.BuzzerActive, 0); // sim register 3/5 = 0x09, as a write of "off" leaves it
        QCOMPARE(sim.frames().value(2), QString("24 07 41 03 1a 7b 0a"));
        QVERIFY(testing_support::traceLines().contains("W: 24 07 41 03 1A 7B 0A "));
    }

    void registerReadStopsAtFirstFailure()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {"read-register@4/8=header"});
        ConfigRecord cfg = registerMaster();
        cfg.Illumination = 0;
        cfg.WarnThreshold = 9;
        const TransferOutcome o = readFromGauge(cfg, nullptr, fastOptions());
        QVERIFY(!o.success);
        QCOMPARE(o.text, loadTranslatedString(1233));
        QCOMPARE(o.icon, Icon::Error);
        QCOMPARE(cfg.Illumination, 50.0); // decoded before the failure
        QCOMPARE(cfg.WarnThreshold, 9.0);
        QCOMPARE(sim.count("read-register"), 7);
    }

    void registerWrite()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        ConfigRecord cfg = registerMaster();
        cfg.Illumination = 100;
        cfg.WarnThreshold = 300;
        cfg.WarnMode = 1;
        cfg.KValue = 70000;
        cfg.MValue = 2.5;
        cfg.BuzzerActive = 0;
        cfg.DisplayMask = 0xF7FF;
        const TransferOutcome o = writeToGauge(cfg, nullptr, fastOptions());
        QVERIFY(o.success);
        QCOMPARE(o.text, loadTranslatedString(1230));
        const GaugeSimState s = sim.state();
        for (const auto &w : gauge_codec::recordToRegisterWrites(cfg))
            QCOMPARE(int(s.reg(w.reg.bank, w.reg.address)), int(w.value));
        QCOMPARE(int(s.reg(4, 8)), 0x81);
        QCOMPARE(int(s.reg(4, 10)), 0x01);
        QCOMPARE(s.frames.size(), 2 + 15);
        QCOMPARE(s.frames.value(10), QString("24 07 41 03 05 %1 0a").arg(0x24 ^ 0x07 ^ 0x41 ^ 0x03 ^ 0x05, 2, 16, QChar('0')));
        QVERIFY(s.frames.value(11).startsWith("24 08 42 03 05 09"));
        QCOMPARE(s.counters.value("save"), 0);
        QVERIFY(testing_support::traceLines().contains("W: 24 08 42 04 05 0A 65 0A "));
    }

    // A write that cuts decimals the gauge cannot hold says so; the gauge
    // still takes what it can.
    void decimalsCutAreSaid_data()
    {
        QTest::addColumn<bool>("block");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("description");
        QTest::addColumn<double>("pulses"); // KValue, or MValue for a tachometer with LCD
        QTest::addColumn<double>("threshold");
        QTest::addColumn<int>("noteId"); // 0: nothing said
        QTest::addColumn<QStringList>("heldAndAsked");
        const QString tacho = "Tachometer 0-4000 rpm";
        const QString speedo = "Speedometer 0-60 kn";
        QTest::newRow("block, whole pulses: 4.5")
            << true << 65 << tacho << 4.5 << 0.0 << 5745 << QStringList{"4", "4.5"};
        QTest::newRow("block, tenths: 4.56") << true << 66 << tacho << 4.56 << 0.0 << 5746 << QStringList{"4.5", "4.56"};
        QTest::newRow("block, tenths: 4.5 kept") << true << 66 << tacho << 4.5 << 0.0 << 0 << QStringList();
        QTest::newRow("block threshold rounded") << true << 66 << tacho << 4.0 << 7.5 << 5747 << QStringList{"8", "7.5"};
        QTest::newRow("register k-value: 3600.5")
            << false << 0 << speedo << 3600.5 << 0.0 << 5745 << QStringList{"3600", "3600.5"};
        QTest::newRow("register m-value: 2.5 kept")
            << false << 0 << "Tachometer with LCD 0-4000 rpm" << 2.5 << 0.0 << 0 << QStringList();
        QTest::newRow("register threshold cut") << false << 0 << speedo << 3600.0 << 7.5 << 5747
                                                << QStringList{"7", "7.5"};
        QTest::newRow("block, both cut") << true << 66 << tacho << 4.56 << 7.5 << 5758
                                         << QStringList{"4.5", "4.56", "8", "7.5"};
        QTest::newRow("register, both cut") << false << 0 << speedo << 3600.5 << 7.5 << 5749
                                            << QStringList{"3600", "3600.5", "7", "7.5"};
    }
    void decimalsCutAreSaid()
    {
        QFETCH(bool, block);
        QFETCH(int, firmware);
        QFETCH(QString, description);
        QFETCH(double, pulses);
        QFETCH(double, threshold);
        QFETCH(int, noteId);
        QFETCH(QStringList, heldAndAsked);
        testing_support::ScopedTestHome home;
        SimGauge sim(block ? SimFamily::Block : SimFamily::Register);
        sim.server->withState([&](GaugeSimState &state, QVector<SimFault> &) { state.block[4] = char(firmware); });
        ConfigRecord cfg;
        cfg.Description = description;
        cfg.KValue = cfg.MValue = pulses;
        cfg.WarnThreshold = threshold;
        QString said = noteId ? loadTranslatedString(noteId) : QString();
        for (const QString &value : heldAndAsked)
            said = said.arg(value);
        const TransferOutcome o = writeToGauge(cfg, nullptr, fastOptions());
        QVERIFY2(o.success, qPrintable(o.text));
        QCOMPARE(o.notice, said);
        // Checked later, the gauge holds what the project can be there, and
        // the check says what differs.
        const TransferOutcome checked = verifyGauge(cfg, nullptr, fastOptions());
        QVERIFY2(checked.success, qPrintable(checked.text));
        QCOMPARE(checked.notice, said);
        QCOMPARE(checked.firmwareVersion.has_value(), block); // for the history
    }

    // DataSource 1 is an NMEA source only for a speedometer or sumlog; a
    // register tachometer still takes its MValue cut to tenths, a block keeps
    // the gauge's pulse factor.
    void decimalsCutWithSourceOne_data()
    {
        QTest::addColumn<bool>("block");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("said");
        QTest::newRow("register tachometer with LCD") << false << "Tachometer with LCD 0-4000 rpm" << true;
        QTest::newRow("register speedometer, NMEA") << false << "Speedometer 0-60 kn" << false;
        QTest::newRow("block tachometer, bytes kept") << true << "Tachometer 0-4000 rpm" << false;
    }
    void decimalsCutWithSourceOne()
    {
        QFETCH(bool, block);
        QFETCH(QString, description);
        QFETCH(bool, said);
        testing_support::ScopedTestHome home;
        SimGauge sim(block ? SimFamily::Block : SimFamily::Register);
        ConfigRecord cfg;
        cfg.Description = description;
        cfg.DataSource = 1;
        cfg.KValue = cfg.MValue = 4.56;
        const TransferOutcome o = writeToGauge(cfg, nullptr, fastOptions());
        QVERIFY2(o.success, qPrintable(o.text));
        QCOMPARE(o.notice.contains("4.56"), said);
    }

    void registerWriteStopsAtFirstFailure_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("writes");
        QTest::newRow("login refused") << "login=refuse" << 0;
        QTest::newRow("ping short") << "ping-checked=short" << 0;
        QTest::newRow("4/5 refused") << "write-register@4/5=refuse" << 6;
        QTest::newRow("3/5 read silent") << "read-register@3/5=silence" << 8;
        QTest::newRow("4/12 garbage") << "write-register@4/12=garbage" << 12;
    }
    void registerWriteStopsAtFirstFailure()
    {
        QFETCH(QString, fault);
        QFETCH(int, writes);
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {fault});
        const TransferOutcome o = writeToGauge(registerMaster(), nullptr, fastOptions());
        QVERIFY(!o.success);
        QCOMPARE(o.text, loadTranslatedString(1231));
        QCOMPARE(o.icon, Icon::Error);
        QCOMPARE(sim.count("write-register"), writes);
    }

    void cancelBetweenTransactions()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        Recorder recorder;
        recorder.cancelAfter = 5;
        const TransferOutcome o = writeToGauge(registerMaster(), &recorder, fastOptions());
        QVERIFY(!o.success);
        QVERIFY(o.cancelled);
        QCOMPARE(o.text, loadTranslatedString(1231));
        // Nothing is sent after the cancel; the transaction under way when it
        // came may have given up waiting for its reply.
        QCOMPARE(sim.frames().size(), 5);
        QVERIFY(testing_support::traceLines().filter("R: 24 06 42").size() >= 2);
    }

    void presetCounter_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("hours");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("cells");
        QTest::addColumn<uint>("value");
        QTest::newRow("distance 0") << "0" << false << 0 << 32 << 0u;
        QTest::newRow("distance 1") << "1" << false << 0 << 32 << 1u;
        QTest::newRow("distance 12,5") << "12,5" << false << 0 << 32 << 12u;
        QTest::newRow("hours 1234.5") << "1234.5" << true << 66 << 16 << 12345u;
    }
    void presetCounter()
    {
        QFETCH(QString, input);
        QFETCH(bool, hours);
        QFETCH(int, address);
        QFETCH(int, cells);
        QFETCH(uint, value);
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register);
        CounterPresetPlan plan;
        QCOMPARE(planCounterPreset(input, hours ? CounterKind::Hours : CounterKind::Distance, plan), 0);
        QCOMPARE(plan.startAddress, address);
        QCOMPARE(plan.cells, cells);
        QCOMPARE(plan.value, uint32_t(value));
        sim.server->withState([](GaugeSimState &s, QVector<SimFault> &) { s.setReg(4, 23, 0x55); s.setReg(4, 24, 0x66); });

        const TransferOutcome o = ::presetCounter(plan.startAddress, plan.cells, plan.value, 0, nullptr, fastOptions());
        QVERIFY(o.success);
        QCOMPARE(o.text, loadTranslatedString(1132));
        QCOMPARE(o.icon, Icon::None);
        const GaugeSimState s = sim.state();
        QCOMPARE(s.memory.mid(address, 2 * cells), gauge_protocol::counterImage(value, cells));
        QCOMPARE(s.counters.value("write-memory"), cells / 4);
        QCOMPARE(int(s.reg(4, 23)), 0);
        QCOMPARE(int(s.reg(4, 24)), 0);
        QVERIFY(s.frames.value(1).startsWith(QString("24 0e 46 %1").arg(address, 2, 16, QChar('0'))));
        if (value == 1)
            QVERIFY(s.frames.value(1).startsWith("24 0e 46 00 ff fe ff ff"));
        if (hours)
            QVERIFY(s.frames.value(4).startsWith("24 0e 46 5a")); // pieces at 66, 74, 82, 90
    }

    void presetInputRefused_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("hours");
        QTest::addColumn<int>("refusal");
        QTest::newRow("empty") << "" << false << 1133;
        QTest::newRow("letter after digits") << "12a" << false << 1133;
        QTest::newRow("infinite") << "inf" << true << 1133;
        QTest::newRow("negative distance") << "-1" << false << 1130;
        QTest::newRow("distance too big") << "1000000" << false << 1130;
        QTest::newRow("hours too big") << "99999.95" << true << 1131;
        QTest::newRow("negative hours") << "-0.1" << true << 1131;
        QTest::newRow("largest hours") << "99999.9" << true << 0;
        QTest::newRow("largest distance") << "999999" << false << 0;
    }
    void presetInputRefused()
    {
        QFETCH(QString, input);
        QFETCH(bool, hours);
        QFETCH(int, refusal);
        CounterPresetPlan plan;
        QCOMPARE(planCounterPreset(input, hours ? CounterKind::Hours : CounterKind::Distance, plan), refusal);
    }

    void presetLoginRefused()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block, {"service-login=refuse"});
        const TransferOutcome o = ::presetCounter(0, 32, 5, 0, nullptr, fastOptions());
        QVERIFY(!o.success);
        QCOMPARE(o.notice, QString("Login failed"));
        QCOMPARE(o.text, loadTranslatedString(1231));
        QCOMPARE(o.icon, Icon::Exclamation);
        QCOMPARE(sim.count("write-memory"), 0);
    }

    void presetMemoryWriteFails()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {"write-memory=refuse+2"});
        const TransferOutcome o = ::presetCounter(0, 32, 5, 0, nullptr, fastOptions());
        QVERIFY(!o.success);
        QVERIFY(o.notice.isEmpty());
        QCOMPARE(o.icon, Icon::Exclamation);
        QCOMPARE(sim.count("write-memory"), 3);
        QCOMPARE(sim.count("write-register"), 0);
    }

    void missingDevice()
    {
        testing_support::ScopedTestHome home;
        setSessionPortDevice(home.filePath("gone"));
        ConfigRecord cfg = registerMaster();
        QCOMPARE(readFromGauge(cfg, nullptr, fastOptions()).text, QString("COM port not available"));
        QCOMPARE(writeToGauge(cfg, nullptr, fastOptions()).text, QString("Connect failed"));
        QCOMPARE(::presetCounter(0, 32, 1, 0, nullptr, fastOptions()).text, QString("Connect failed"));
        QCOMPARE(readFromGauge(cfg, nullptr, fastOptions()).icon, Icon::None);
        const SelfTestReport selfTest = runLinkSelfTest(nullptr, fastOptions());
        QVERIFY(!selfTest.opened);
        QVERIFY2(selfTest.openDetail.contains(home.filePath("gone")), qPrintable(selfTest.openDetail));
        setSessionPortDevice(QString());
    }

    void deviceVanishesMidRead()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {"read-register@4/5=vanish"});
        ConfigRecord cfg = registerMaster();
        QElapsedTimer t;
        t.start();
        const TransferOutcome o = readFromGauge(cfg, nullptr, fastOptions());
        QVERIFY(!o.success);
        QCOMPARE(o.text, loadTranslatedString(1233));
        QVERIFY(sim.state().vanished);
        QVERIFY(t.elapsed() < 3000);
    }

    // Every step runs whatever the earlier ones returned, and the LCD items
    // the test writes are the gauge's own again at the end.
    void selfTestRunsEveryStep()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Register, {"ping-checked=silence"});
        sim.server->withState([](GaugeSimState &state, QVector<SimFault> &) {
            state.setReg(3, 37, 0xF7);
            state.setReg(3, 38, 0x5A);
        });
        const SelfTestReport report = runLinkSelfTest(nullptr, fastOptions());
        QVERIFY(report.opened);
        QCOMPARE(report.steps.size(), 24);
        QCOMPARE(report.steps.value(0), QString("Ping: 1"));       // both families answer the short ping
        QCOMPARE(report.steps.value(8), QString("Login: 1"));
        QCOMPARE(report.steps.value(9), QString("Ping checked: 0")); // failed, and the test went on
        QCOMPARE(report.steps.value(21), QString("WriteRegister 3/38 (put back): 1"));
        QCOMPARE(report.steps.value(23), QString("0x31 checked: 1"));
        QCOMPARE(sim.frames().size(), 24);
        QCOMPARE(sim.frames().value(16), QString("24 08 42 03 25 10 58 0a")); // the test's own write of 3/37
        QCOMPARE(sim.state().reg(3, 37), 0xF7);
        QCOMPARE(sim.state().reg(3, 38), 0x5A);
    }

    // The link's own time-outs: a gauge that stays silent costs one full
    // read time-out (50 ms per byte asked for plus 4.5 s), and a gauge that
    // answers costs no waiting at all.
    void realTimeouts()
    {
        testing_support::ScopedTestHome home;
        {
            SimGauge sim(SimFamily::Block, {"ping=silence"});
            ConfigRecord cfg = blockMaster();
            QElapsedTimer t;
            t.start();
            const TransferOutcome o = readFromGauge(cfg);
            QVERIFY(!o.success);
            QVERIFY2(t.elapsed() >= 4750 && t.elapsed() < 8000, qPrintable(QString::number(t.elapsed())));
        }
        {
            SimGauge sim(SimFamily::Register);
            ConfigRecord cfg = registerMaster();
            QElapsedTimer t;
            t.start();
            QVERIFY(readFromGauge(cfg).success);
            QVERIFY2(t.elapsed() < 4500, qPrintable(QString::number(t.elapsed())));
        }
    }
};

SKALERON_TEST(GaugeSequencesTest)
#include "GaugeSequencesTest.moc"
