#include "link/GaugeProtocol.h"
#include "common/TestRegistry.h"

#include <QTest>

using namespace gauge_protocol;

class GaugeProtocolTest : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("upload") << frame(code::UploadFromGauge) << QByteArray::fromHex("2404460a");
        QTest::newRow("ping checked") << checkedFrame(code::Ping) << QByteArray::fromHex("2405 15 34 0a");
        QTest::newRow("read 3/26") << checkedFrame(code::ReadRegister, QByteArray::fromHex("031a"))
                                   << QByteArray::fromHex("24 07 41 03 1a 7b 0a");
        QTest::newRow("write 4/5 = 10") << checkedFrame(code::WriteRegister, QByteArray::fromHex("04050a"))
                                        << QByteArray::fromHex("24 08 42 04 05 0a 65 0a");
    }
    void frames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void counterImages_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("0") << 0u << 32 << QByteArray(64, char(0xFF));
        QTest::newRow("1 of 32") << 1u << 32 << QByteArray::fromHex("fffe") + QByteArray(62, char(0xFF));
        QTest::newRow("3") << 3u << 16 << QByteArray::fromHex("fffe fffd fffb ffff");
        // After 16 cells the run starts again at cell 0 with weight 1.
        QTest::newRow("17 of 16") << 17u << 16 << QByteArray::fromHex("fffd fffd");
    }
    void counterImages()
    {
        QFETCH(uint, value);
        QFETCH(int, cells);
        QFETCH(QByteArray, head);
        const QByteArray image = counterImage(value, cells);
        QCOMPARE(image.size(), 2 * cells);
        QCOMPARE(image.left(head.size()).toHex(' '), head.toHex(' '));
    }

    void cellEqualToWeightBecomesFFFF()
    {
        // One cell takes the weights 1, 2, ... 0x4000 down to 0x8000; the
        // weight 0x8000 then equals the cell, which wraps to 0xFFFF.
        QCOMPARE(int(counterCells(15, 1)[0]), 0x8000);
        QCOMPARE(int(counterCells(16, 1)[0]), 0xFFFF);
        QCOMPARE(int(counterCells(17, 1)[0]), 0xFFFE);
    }
};

SKALERON_TEST(GaugeProtocolTest)
#include "GaugeProtocolTest.moc"
