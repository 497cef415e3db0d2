#include "GaugeSimEngine.h"
#include "link/GaugeProtocol.h"
#include "common/TestRegistry.h"

#include <QTest>

using namespace gauge_protocol;

class GaugeSimEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void faultTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "upload=silence" << true;
        QTest::newRow("register filter") << "read-register@4/9=header" << true;
        QTest::newRow("delay") << "ping=delay:250*2+1" << true;
        QTest::newRow("delay without time") << "ping=delay" << false;
        QTest::newRow("unknown kind") << "ping=explode" << false;
        QTest::newRow("no kind") << "ping" << false;
    }
    void faultTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        SimFault f;
        QCOMPARE(parseSimFault(text, f, nullptr), valid);
    }

    void faultTimesAndSkip()
    {
        SimFault f;
        QVERIFY(parseSimFault("start-download=refuse*2+1", f, nullptr));
        QVector<SimFault> faults{f};
        QVERIFY(!matchSimFault(faults, "start-download", -1, -1)); // skipped
        QVERIFY(matchSimFault(faults, "start-download", -1, -1));
        QVERIFY(matchSimFault(faults, "start-download", -1, -1));
        QVERIFY(!matchSimFault(faults, "start-download", -1, -1)); // used up
    }

    void wrongAccessPhraseIsRefused()
    {
        GaugeSimState state;
        state.family = SimFamily::Register;
        QVector<SimFault> faults;
        GaugeSimEngine engine(state, faults);
        const auto bad = engine.receive(checkedFrame(code::Login, QByteArray("WRONG WORDS")));
        QCOMPARE(bad.size(), size_t(1));
        QCOMPARE(uint8_t(bad[0].bytes[3]), StatusRefused);
        QVERIFY(!state.loggedIn);
        // Writing needs a login.
        const auto refused = engine.receive(checkedFrame(code::WriteRegister, QByteArray::fromHex("040501")));
        QCOMPARE(uint8_t(refused[0].bytes[3]), StatusRefused);
        const auto good = engine.receive(checkedFrame(code::Login, QByteArray(LoginPhrase)));
        QCOMPARE(uint8_t(good[0].bytes[3]), StatusAccepted);
        QVERIFY(state.loggedIn);
    }

    void framesAreFoundInNoiseAndPieces()
    {
        GaugeSimState state;
        QVector<SimFault> faults;
        GaugeSimEngine engine(state, faults);
        QVERIFY(engine.receive(QByteArray::fromHex("0a 55 24 04")).empty());
        const auto replies = engine.receive(QByteArray::fromHex("15 0a 24 04 46 0a"));
        QCOMPARE(replies.size(), size_t(2));
        QCOMPARE(replies[0].bytes.size(), 6);  // ping
        QCOMPARE(replies[1].bytes.size(), 64); // upload
    }

    void downloadNeedsStart()
    {
        GaugeSimState state;
        QVector<SimFault> faults;
        GaugeSimEngine engine(state, faults);
        const QByteArray block(64, char(0x11));
        QCOMPARE(uint8_t(engine.receive(frame(code::DownloadToGauge, block))[0].bytes[3]), StatusRefused);
        engine.receive(frame(code::StartDownload));
        QCOMPARE(uint8_t(engine.receive(frame(code::DownloadToGauge, block))[0].bytes[3]), StatusAccepted);
        QCOMPARE(state.block, block);
        QVERIFY(state.savedBlock != block);
        engine.receive(frame(code::SaveToNovolMemory));
        QCOMPARE(state.savedBlock, block);
        QCOMPARE(state.counters.value("save"), 1);
    }
};

SKALERON_TEST(GaugeSimEngineTest)
#include "GaugeSimEngineTest.moc"
