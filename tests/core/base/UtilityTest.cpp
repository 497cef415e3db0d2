#include "base/Utility.h"
#include "common/MessageRecorder.h"
#include "common/TestRegistry.h"

#include <QTest>
#include <cerrno>

class UtilityTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTo_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<double>("expected");
        QTest::newRow("12.349/1") << 12.349 << 1 << 12.3;
        QTest::newRow("2.25/1") << 2.25 << 1 << 2.3;
        QTest::newRow("-2.25/1 rounds up") << -2.25 << 1 << -2.2;
        QTest::newRow("7.5/0") << 7.5 << 0 << 8.0;
        QTest::newRow("negative places") << 1.2345 << -2 << 1.23;
    }
    void roundTo()
    {
        QFETCH(double, value);
        QFETCH(int, places);
        QFETCH(double, expected);
        QCOMPARE(::roundTo(value, places), expected);
    }

    void showLastErrorUsesCaptionErrorAndSystemText()
    {
        testing_support::MessageRecorder recorder;
        errno = ENOENT;
        showLastError();
        QCOMPARE(recorder.count(), 1);
        const auto m = recorder.messages().first();
        QCOMPARE(m.caption, QString("Error"));
        QCOMPARE(m.buttons, user_messages::Buttons::Ok);
        QCOMPARE(m.text, systemErrorText(ENOENT));
        QVERIFY(!m.text.isEmpty());
    }
};

SKALERON_TEST(UtilityTest)
#include "UtilityTest.moc"
