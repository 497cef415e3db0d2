#include "resources/ProgramPictures.h"
#include "common/TestRegistry.h"

#include <QSet>
#include <QTest>

namespace {

// Number of distinct colours, so that a picture of one flat colour fails.
int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

}

class ProgramPicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void sizes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("project 131") << 131 << QSize(200, 150);
        QTest::newRow("master settings 132") << 132 << QSize(112, 104);
        QTest::newRow("splash 134") << 134 << QSize(480, 300);
        QTest::newRow("about 187") << 187 << QSize(96, 96);
        QTest::newRow("browse 1292") << 1292 << QSize(20, 16);
        for (int id : program_pictures::treePictureIds())
            QTest::newRow(qPrintable(QStringLiteral("tree %1").arg(id))) << id << QSize(32, 24);
    }
    void sizes()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        const QImage image = programPicture(id);
        QCOMPARE(image.size(), size);
        QVERIFY2(colourCount(image) >= 4, "picture is blank");
    }

    void treeImagesAreTheFourteenOfTheList()
    {
        QList<int> expected;
        for (int id = 363; id <= 375; ++id)
            expected << id;
        expected << 1296;
        QCOMPARE(program_pictures::treePictureIds(), expected);
    }

    void treeImagesAreDistinct()
    {
        const QList<int> ids = program_pictures::treePictureIds();
        for (int i = 0; i < ids.size(); ++i)
            for (int j = i + 1; j < ids.size(); ++j)
                QVERIFY2(programPicture(ids[i]) != programPicture(ids[j]),
                         qPrintable(QStringLiteral("%1 equals %2").arg(ids[i]).arg(ids[j])));
    }

    void unknownNumbersGiveNoPicture()
    {
        QVERIFY(programPicture(0).isNull());
        QVERIFY(programPicture(362).isNull());
        QVERIFY(programPicture(376).isNull());
        QVERIFY(programIconImage(130, 32).isNull());
        QVERIFY(programIconImage(128, 8).isNull());
    }

    void cacheHandsOutTheSameImage()
    {
        QCOMPARE(programPicture(134).cacheKey(), programPicture(134).cacheKey());
    }

    void iconsAreSquareAndHaveATransparentCorner_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("program") << 128;
        QTest::newRow("document") << 129;
    }
    void iconsAreSquareAndHaveATransparentCorner()
    {
        QFETCH(int, id);
        for (int size : {16, 32, 48, 256}) {
            const QImage icon = programIconImage(id, size);
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
            QVERIFY(colourCount(icon) >= 4);
        }
        QVERIFY(programIconImage(128, 48) != programIconImage(129, 48));
    }
};

SKALERON_TEST(ProgramPicturesTest)
#include "ProgramPicturesTest.moc"
