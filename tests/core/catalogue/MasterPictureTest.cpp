#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "catalogue/AccessFile.h"
#include "catalogue/MasterTypeRecordset.h"
#include "catalogue/MasterPicture.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

// Builds a picture value: 92 bytes, a 40-byte info header, a colour table and
// bits, with any header field set to a chosen value.
static QByteArray makePicture(int width, int height, int bitCount, quint32 coloursUsed, quint32 compression,
                              int tableEntries, int bitsBytes, quint32 headerSize = 40)
{
    QByteArray header(40, '\0');
    qToLittleEndian<quint32>(headerSize, header.data());
    qToLittleEndian<qint32>(width, header.data() + 4);
    qToLittleEndian<qint32>(height, header.data() + 8);
    qToLittleEndian<quint16>(1, header.data() + 12);
    qToLittleEndian<quint16>(quint16(bitCount), header.data() + 14);
    qToLittleEndian<quint32>(compression, header.data() + 16);
    qToLittleEndian<quint32>(coloursUsed, header.data() + 32);
    return QByteArray(92, 'x') + header + QByteArray(tableEntries * 4, '\0') + QByteArray(bitsBytes, '\0');
}

class MasterPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void damagedPicturesGiveNoImage_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("50 bytes") << QByteArray(50, '\x01');
        QTest::newRow("prefix and half a header") << QByteArray(92 + 20, '\0');
        QByteArray garbage(100000, '\0');
        QRandomGenerator rng(42);
        for (char &c : garbage)
            c = char(rng.bounded(256));
        QTest::newRow("100000 garbage bytes") << garbage;
        QTest::newRow("header size 12") << makePicture(8, 8, 4, 0, 0, 16, 32, 12);
        QTest::newRow("header size 124 over 40 bytes") << makePicture(8, 8, 4, 0, 0, 16, 32, 124);
        QTest::newRow("bits missing") << makePicture(172, 120, 4, 8, 0, 8, 100);
        QTest::newRow("colours used beyond 8 bits") << makePicture(8, 8, 8, 5000, 0, 0, 64);
        QTest::newRow("colour table beyond the value") << makePicture(8, 8, 8, 0, 0, 10, 0);
        QTest::newRow("huge width") << makePicture(0x7fffffff, 1, 24, 0, 0, 0, 64);
        QTest::newRow("zero height") << makePicture(8, 0, 24, 0, 0, 0, 64);
        QTest::newRow("bit fields with 8 bits") << makePicture(8, 8, 8, 0, 3, 259, 64);
        QTest::newRow("unknown compression") << makePicture(8, 8, 24, 0, 9, 0, 256);
    }
    void damagedPicturesGiveNoImage()
    {
        QFETCH(QByteArray, picture);
        QVERIFY(MasterTypeRecordset::pictureToBitmap(picture).isNull());
    }

    void bitsOffset_data()
    {
        QTest::addColumn<int>("bitCount");
        QTest::addColumn<uint>("coloursUsed");
        QTest::addColumn<uint>("compression");
        QTest::addColumn<qint64>("offset");
        QTest::newRow("8 bits, colours used 0: 256 entries") << 8 << 0u << 0u << qint64(40 + 1024);
        QTest::newRow("8 bits, 20 colours used") << 8 << 20u << 0u << qint64(40 + 80);
        QTest::newRow("4 bits, colours used 0") << 4 << 0u << 0u << qint64(40 + 64);
        QTest::newRow("1 bit") << 1 << 0u << 0u << qint64(40 + 8);
        QTest::newRow("24 bits, no table") << 24 << 0u << 0u << qint64(40);
        QTest::newRow("16 bits, bit fields: three masks") << 16 << 0u << 3u << qint64(40 + 12);
        QTest::newRow("32 bits, bit fields and 2 colours") << 32 << 2u << 3u << qint64(40 + 20);
    }
    void bitsOffset()
    {
        QFETCH(int, bitCount);
        QFETCH(uint, coloursUsed);
        QFETCH(uint, compression);
        QFETCH(qint64, offset);
        QCOMPARE(master_picture::bitsOffset(bitCount, coloursUsed, compression), offset);
    }

    // The bits of an 8-bit picture without colours-used start after 256
    // colour entries: a table one entry short leaves the bits too short.
    void eightBitPictureReadsTheFullColourTable()
    {
        QImage source(4, 2, QImage::Format_Indexed8);
        QVector<QRgb> palette(256);
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(i, 255 - i, 7);
        source.setColorTable(palette);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                source.setPixel(x, y, uint(y * 100 + x * 50));
        QByteArray picture = master_picture::fromIndexedImage(source, 8);
        qToLittleEndian<quint32>(0, picture.data() + 92 + 32); // colours used 0
        const QImage image = MasterTypeRecordset::pictureToBitmap(picture);
        QCOMPARE(image.size(), QSize(4, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(image.pixel(x, y), palette[y * 100 + x * 50]);
    }

    void bitFieldPictureSkipsTheMasks()
    {
        // 16 bits per pixel, masks 5-6-5, one red and one blue pixel.
        QByteArray picture = makePicture(2, 1, 16, 0, 3, 0, 0);
        QByteArray masks(12, '\0');
        qToLittleEndian<quint32>(0xF800, masks.data());
        qToLittleEndian<quint32>(0x07E0, masks.data() + 4);
        qToLittleEndian<quint32>(0x001F, masks.data() + 8);
        QByteArray bits(4, '\0');
        qToLittleEndian<quint16>(0xF800, bits.data());
        qToLittleEndian<quint16>(0x001F, bits.data() + 2);
        picture += masks + bits;
        const QImage image = MasterTypeRecordset::pictureToBitmap(picture);
        QCOMPARE(image.size(), QSize(2, 1));
        // Five-bit channels scale to 248 at most.
        QVERIFY(qRed(image.pixel(0, 0)) >= 248);
        QCOMPARE(qBlue(image.pixel(0, 0)), 0);
        QVERIFY(qBlue(image.pixel(1, 0)) >= 248);
        QCOMPARE(qRed(image.pixel(1, 0)), 0);
    }

    void storedPictureRoundTrips_data()
    {
        QTest::addColumn<int>("bitCount");
        QTest::newRow("4 bits") << 4;
        QTest::newRow("8 bits") << 8;
    }
    void storedPictureRoundTrips()
    {
        QFETCH(int, bitCount);
        QImage source(13, 7, QImage::Format_Indexed8); // odd width: padded rows
        source.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                source.setPixel(x, y, uint((x + y) % 4));
        const QImage image = MasterTypeRecordset::pictureToBitmap(master_picture::fromIndexedImage(source, bitCount));
        QCOMPARE(image.size(), source.size());
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                QCOMPARE(image.pixel(x, y), source.pixel(x, y));
    }

    // The OLE pictures of this Access file have the master picture layout.
    void accessPicturesConvert()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY2(file.open(testing_support::accessFixture("northwind-2000.mdb")),
                 qPrintable(file.errorString()));
        access_file::Table table;
        QVERIFY(file.readTable("Categories", table));
        int column = -1;
        for (int i = 0; i < table.columns.size(); ++i)
            if (table.columns[i].name == "Picture")
                column = i;
        QVERIFY(column >= 0);
        QCOMPARE(table.rows.size(), 8);
        for (const auto &row : table.rows) {
            const QImage image = MasterTypeRecordset::pictureToBitmap(row[column].toByteArray());
            QCOMPARE(image.size(), QSize(172, 120));
        }
    }
};

SKALERON_TEST(MasterPictureTest)
#include "MasterPictureTest.moc"
