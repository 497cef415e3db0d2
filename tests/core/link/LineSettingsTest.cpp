#include "link/LineSettings.h"
#include "base/SettingsStore.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QTest>

class LineSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void mapping_data()
    {
        QTest::addColumn<int>("dataBitsSel");
        QTest::addColumn<int>("paritySel");
        QTest::addColumn<int>("baudSel");
        QTest::addColumn<int>("stopSel");
        QTest::addColumn<QVector<int>>("expected"); // baud, data bits, parity, stop bits
        QTest::newRow("defaults") << 1 << 2 << 0 << 0
                                  << QVector<int>{4800, 8, line_parity::None, line_stop_bits::One};
        QTest::newRow("7 even two") << 0 << 0 << 2 << 2
                                    << QVector<int>{19200, 7, line_parity::Even, line_stop_bits::Two};
        QTest::newRow("odd 9600 one and a half") << 1 << 1 << 1 << 1
                                                 << QVector<int>{9600, 8, line_parity::Odd, line_stop_bits::OneAndHalf};
        QTest::newRow("unknown selectors leave outputs") << 5 << 7 << 9 << -1 << QVector<int>{-10, -20, -30, -40};
    }
    void mapping()
    {
        QFETCH(int, dataBitsSel);
        QFETCH(int, paritySel);
        QFETCH(int, baudSel);
        QFETCH(int, stopSel);
        QFETCH(QVector<int>, expected);
        LineSelectors s;
        s.port = 7;
        s.dataBits = dataBitsSel;
        s.parity = paritySel;
        s.baudRate = baudSel;
        s.stopBits = stopSel;
        int port = -1, baud = -10, dataBits = -20, parity = -30, stopBits = -40;
        mapLineSelectors(s, port, baud, dataBits, parity, stopBits);
        QCOMPARE(port, 7);
        QCOMPARE((QVector<int>{baud, dataBits, parity, stopBits}), expected);
    }

    void loadReadsTheStoreEachTime()
    {
        testing_support::ScopedTestHome home;
        LineSettings l = loadLineSettings();
        QCOMPARE(l.port, 0);
        QCOMPARE(l.baud, 4800);
        QCOMPARE(l.dataBits, 8);
        settings_store::writeInt("Communication", "Baudrate", 1);
        settings_store::writeInt("Communication", "Port", 3);
        l = loadLineSettings();
        QCOMPARE(l.baud, 9600);
        QCOMPARE(l.port, 3);

        int a = 1, b = 2, c = 3, d = 4;
        loadLineSettings(&a, &b, &c, &d, nullptr); // a missing output: nothing happens
        QCOMPARE((QVector<int>{a, b, c, d}), (QVector<int>{1, 2, 3, 4}));
    }

    // Ports count from 1, as on Windows; port 0, the default, names none.
    void portNumbers_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("COM1") << 1 << "COM1";
        QTest::newRow("COM10") << 10 << "COM10";
#else
        QTest::newRow("COM1 is ttyS0") << 1 << "/dev/ttyS0";
        QTest::newRow("COM4 is ttyS3") << 4 << "/dev/ttyS3";
        QTest::newRow("COM10 is ttyS9") << 10 << "/dev/ttyS9";
#endif
        QTest::newRow("port 0 names none") << 0 << "";
        QTest::newRow("negative port names none") << -3 << "";
    }
    void portNumbers()
    {
        QFETCH(int, port);
        QFETCH(QString, device);
        QCOMPARE(portDeviceName(port), device);
    }

    void deviceNaming()
    {
        testing_support::ScopedTestHome home;
#ifndef Q_OS_WIN
        QCOMPARE(portDeviceFromArgument("COM 10"), QString("/dev/ttyS9"));
        QCOMPARE(portDeviceFromArgument("com4"), QString("/dev/ttyS3"));
        QCOMPARE(portDeviceFromArgument("pts/5"), QString("/dev/pts/5"));
        QCOMPARE(portDeviceFromArgument("./gauge"), QString("./gauge"));
        QCOMPARE(portDeviceFromArgument("rfc2217://quaybox:2001"), QString("rfc2217://quaybox:2001"));
        QCOMPARE(configuredPortDevice(2), QString("/dev/ttyS1"));
#endif
        QCOMPARE(portDeviceFromArgument("COM0"), QString());
        QCOMPARE(portDeviceFromArgument("/dev/ttyUSB0"), QString("/dev/ttyUSB0"));
        settings_store::writeString("Communication", "Device", "/dev/ttyUSB1");
        QCOMPARE(configuredPortDevice(2), QString("/dev/ttyUSB1"));
        setSessionPortDevice("/dev/pts/99");
        QCOMPARE(configuredPortDevice(2), QString("/dev/pts/99"));
        QCOMPARE(settings_store::readString("Communication", "Device", ""), QString("/dev/ttyUSB1"));
        setSessionPortDevice(QString());
        QCOMPARE(configuredPortDevice(2), QString("/dev/ttyUSB1"));
    }
};

SKALERON_TEST(LineSettingsTest)
#include "LineSettingsTest.moc"
