#include "model/ConfigRecord.h"
#include "common/TestRegistry.h"

#include <QTest>

class ConfigRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void newRecord()
    {
        const ConfigRecord c;
        QCOMPARE(c.DisplayMask, 0xFFFFu);
        QCOMPARE(c.MasterId, -1);
        QCOMPARE(c.FreqInputs, 1);
        QCOMPARE(c.DataSource, 0);
        QCOMPARE(c.KValue, 0.0);
        QCOMPARE(c.BuzzerActive, 0);
        QCOMPARE(c.FirmwareVersion[0], uint8_t(0));
        QCOMPARE(c.FirmwareVersion[1], uint8_t(0));
        QVERIFY(c.PictureBitmap.isNull());
        QVERIFY(c.isEarlyFirmware());
    }

    void predicatesAndFamily_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("holds"); // letters: S speedo, T tacho, L tacho with LCD, U sumlog, Y synchroniser, K known
        QTest::addColumn<bool>("registerFamily");
        QTest::newRow("speedometer") << "Speedometer 0-60 kn" << "SK" << true;
        QTest::newRow("tachometer") << "Tachometer 0-4000 rpm" << "TK" << false;
        QTest::newRow("tachometer with LCD") << "Tachometer with LCD 0-6000" << "TLK" << true;
        QTest::newRow("sumlog") << "Sumlog 0-30 kn" << "UK" << true;
        QTest::newRow("synchroniser") << "Synchroniser" << "YK" << true;
        QTest::newRow("lower case matches nothing") << "speedometer tachometer sumlog" << "" << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void predicatesAndFamily()
    {
        QFETCH(QString, description);
        QFETCH(QString, holds);
        QFETCH(bool, registerFamily);
        ConfigRecord c;
        c.Description = description;
        QCOMPARE(c.isSpeedometer(), holds.contains('S'));
        QCOMPARE(c.isTachometer(), holds.contains('T'));
        QCOMPARE(c.isTachometerWithLcd(), holds.contains('L'));
        QCOMPARE(c.isSumlog(), holds.contains('U'));
        QCOMPARE(c.isSynchroniser(), holds.contains('Y'));
        QCOMPARE(c.isKnownType(), holds.contains('K'));
        QCOMPARE(c.family() == LinkFamily::Register, registerFamily);
    }

    void resetKeepsMasterPropertiesAndFirmware()
    {
        ConfigRecord c;
        c.FirmwareVersion = {0x42, 0x01};
        c.Description = "Speedometer";
        c.ScaleMax = 60;
        c.HasLcd = 1;
        c.FreqInputs = 2;
        c.PictureBitmap = QImage(4, 4, QImage::Format_RGB32);
        c.KValue = 12;
        c.MasterId = 5;
        c.DisplayMask = 3;
        c.reset();
        QCOMPARE(c.FirmwareVersion[0], uint8_t(0x42));
        QCOMPARE(c.Description, QString("Speedometer"));
        QCOMPARE(c.ScaleMax, 60);
        QCOMPARE(c.HasLcd, 1);
        QCOMPARE(c.FreqInputs, 1);
        QVERIFY(c.PictureBitmap.isNull());
        QCOMPARE(c.KValue, 0.0);
        QCOMPARE(c.MasterId, -1);
        QCOMPARE(c.DisplayMask, 0xFFFFu);
    }

    void applyMasterType()
    {
        MasterTypeInfo info;
        info.Found = true;
        info.SelectedId = 7;
        info.GaugeKind = 0;
        info.HasLcd = 1;
        info.Description = "Speedometer with LCD";
        info.OuterScaleRange = "0 - 60";
        info.FreqInputs = 2;
        info.KValueMax = 20000;
        info.UseMinMax = 1;
        info.Picture = QImage(8, 8, QImage::Format_RGB32);
        ConfigRecord c;
        c.applyMasterType(info);
        QCOMPARE(c.Description, info.Description);
        QCOMPARE(c.FreqInputs, 2);
        QCOMPARE(c.KValueMax, 20000.0);
        QCOMPARE(c.PictureBitmap.size(), QSize(8, 8));

        // A copy shares nothing that one side could release.
        ConfigRecord copy = c;
        c.reset();
        QCOMPARE(copy.PictureBitmap.size(), QSize(8, 8));

        // Not found: empty texts, no picture, neutral numbers.
        copy.applyMasterType(MasterTypeInfo());
        QVERIFY(copy.Description.isEmpty());
        QVERIFY(copy.OuterScaleRange.isEmpty());
        QVERIFY(copy.PictureBitmap.isNull());
        QCOMPARE(copy.GaugeKind, 2);
        QCOMPARE(copy.HasLcd, 0);
        QCOMPARE(copy.FreqInputs, 1);
        QCOMPARE(copy.UseMinMax, 0);
        QCOMPARE(copy.KValueMax, 0.0);
    }

    void displayBits()
    {
        ConfigRecord c;
        c.setDisplayBit(display_bits::Depth, false);
        QCOMPARE(c.DisplayMask, 0xF7FFu);
        QVERIFY(!c.testDisplayBit(display_bits::Depth));
        QVERIFY(c.testDisplayBit(display_bits::Depth | display_bits::Clock));
        c.setDisplayBit(display_bits::Depth, true);
        QCOMPARE(c.DisplayMask, 0xFFFFu);
    }

    void earlyFirmware_data()
    {
        QTest::addColumn<int>("firstByte");
        QTest::addColumn<bool>("early");
        QTest::newRow("new record") << 0 << true;
        QTest::newRow("A") << int('A') << true;
        QTest::newRow("B") << int('B') << false;
        QTest::newRow("0x80 is negative as a signed char") << 0x80 << true;
    }
    void earlyFirmware()
    {
        QFETCH(int, firstByte);
        QFETCH(bool, early);
        ConfigRecord c;
        c.FirmwareVersion[0] = uint8_t(firstByte);
        QCOMPARE(c.isEarlyFirmware(), early);
    }
};

SKALERON_TEST(ConfigRecordTest)
#include "ConfigRecordTest.moc"
