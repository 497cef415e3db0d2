#include "link/TrafficTrace.h"
#include "common/FileSizeLimit.h"
#include "common/SimGauge.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

class TrafficTraceTest : public QObject
{
    Q_OBJECT
private slots:
    void linesAreAppendedInTheCurrentFolder()
    {
        testing_support::ScopedTestHome home;
        traffic_trace::header("UploadFromGauge");
        traffic_trace::written(QByteArray::fromHex("2404460a"));
        traffic_trace::received(QByteArray());
        traffic_trace::received(QByteArray::fromHex("00ff"));
        const QStringList lines = testing_support::traceLines();
        QCOMPARE(lines.size(), 4);
        // "%x %X" in the C locale: 12/06/26 16:57:24
        QVERIFY2(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d UploadFromGauge$").match(lines[0]).hasMatch(),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], QString("W: 24 04 46 0A "));
        QCOMPARE(lines[2], QString("R: "));
        QCOMPARE(lines[3], QString("R: 00 FF "));
    }

    void longFrameLine()
    {
        const QString line = traffic_trace::bytesLine("W: ", QByteArray(68, char(0xAB)));
        QCOMPARE(line.size(), 3 + 68 * 3);
        QCOMPARE(line.count("AB "), 68);
    }

    void unopenableFileLosesOnlyTheLine()
    {
        testing_support::ScopedTestHome home;
        QVERIFY(QDir().mkdir("log.txt")); // a folder where the file should be
        traffic_trace::written(QByteArray::fromHex("24"));
        QVERIFY(QFileInfo("log.txt").isDir());
    }

    // A disk that takes no more (a file-size limit, as a full disk): the
    // line is lost, and that is told once.
    void lineTheDiskDoesNotTakeIsTold()
    {
#ifdef Q_OS_UNIX
        testing_support::ScopedTestHome home;
        QStringList told;
        traffic_trace::setFailureHandler([&told](const QString &, const QString &reason) { told << reason; });
        testing_support::FileSizeLimit full(0);
        QVERIFY(full.isSet());
        traffic_trace::written(QByteArray::fromHex("24"));
        traffic_trace::written(QByteArray::fromHex("25"));
        full.lift();
        traffic_trace::setFailureHandler(nullptr);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains("too large"), qPrintable(told.first()));
#else
        QSKIP("file-size limits are a Unix facility");
#endif
    }
};

SKALERON_TEST(TrafficTraceTest)
#include "TrafficTraceTest.moc"
