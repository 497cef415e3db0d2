#include "link/GaugeProtocol.h"
#include "link/SerialByteStream.h"
#include "common/SimGauge.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QElapsedTimer>
#include <QTest>

using testing_support::SimGauge;

// Which time-out ends a read: none when every byte is in, the silence between
// bytes once some have arrived, the total when none arrive.
class SerialByteStreamTest : public QObject
{
    Q_OBJECT
private slots:
    void readEnds_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("expectedBytes");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        // Time-outs: 300 ms silence, 2 ms per byte + 1200 ms in all (1212 ms for 6 bytes).
        QTest::newRow("all bytes in: no waiting") << "" << 6 << 0 << 250;
        QTest::newRow("reply cut short: silence ends it") << "ping=short" << 5 << 280 << 900;
        QTest::newRow("no reply: the total ends it") << "ping=silence" << 0 << 1150 << 2000;
        QTest::newRow("late reply within the total") << "ping=delay:500" << 6 << 450 << 1100;
    }
    void readEnds()
    {
        QFETCH(QString, fault);
        QFETCH(int, expectedBytes);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block, fault.isEmpty() ? QStringList() : QStringList{fault});
        SerialByteStream stream(ReadTimeouts{300, 2, 1200});
        QCOMPARE(stream.open(sim.server->devicePath(), LineSettings()), OpenStatus::Open);
        stream.write(gauge_protocol::frame(gauge_protocol::code::Ping));
        QElapsedTimer t;
        t.start();
        const QByteArray reply = stream.read(6);
        const qint64 ms = t.elapsed();
        QCOMPARE(reply.size(), expectedBytes);
        QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
    }

    void leftoverBytesWaitForTheNextRead()
    {
        testing_support::ScopedTestHome home;
        SimGauge sim(SimFamily::Block);
        SerialByteStream stream(testing_support::fastTimeouts());
        QCOMPARE(stream.open(sim.server->devicePath(), LineSettings()), OpenStatus::Open);
        stream.write(gauge_protocol::frame(gauge_protocol::code::Ping));
        QCOMPARE(stream.read(4).toHex(), QByteArray("240615f0"));
        QCOMPARE(stream.read(2).size(), 2); // the rest of the reply
        QVERIFY(stream.readWaiting().isEmpty());
        stream.close();
        QVERIFY(!stream.isOpen());
        QVERIFY(stream.read(1).isEmpty());
    }
};

SKALERON_TEST(SerialByteStreamTest)
#include "SerialByteStreamTest.moc"
