// The service history through the command-line tool: gauge commands against
// the simulator append entries, "history" lists and filters them, and a
// history that cannot be written never stops a transfer.
#include "SimProcess.h"

#include "base/SettingsStore.h"
#include "common/PgServer.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QJsonArray>
#include <QTest>

using testing_support::CliResult;
using testing_support::runCli;
using testing_support::SimProcess;

namespace {

QJsonObject lastEntry(const QStringList &extra = {})
{
    const CliResult r = runCli(QStringList{"history", "--json"} + extra);
    const QJsonArray entries = QJsonDocument::fromJson(r.out.toUtf8()).array();
    return entries.isEmpty() ? QJsonObject() : entries.last().toObject();
}

// Runs the tool as a service would: no login name in the environment.
struct NoLoginName
{
    const QByteArray user = qgetenv("USER"), logname = qgetenv("LOGNAME"), username = qgetenv("USERNAME");
    NoLoginName()
    {
        for (const char *name : {"USER", "LOGNAME", "USERNAME"})
            qunsetenv(name);
    }
    ~NoLoginName()
    {
        qputenv("USER", user);
        qputenv("LOGNAME", logname);
        qputenv("USERNAME", username);
    }
};

// A setting as the tool reads it (its own application name).
void setToolHistory(const QString &location)
{
    const QString previous = settings_store::applicationName();
    settings_store::setApplicationName("skaleron");
    settings_store::writeString("Directories", "History", location);
    settings_store::setApplicationName(previous);
}

}

class HistoryCliTest : public QObject
{
    Q_OBJECT
private slots:
    void readIsRecordedWithBothRecords()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "block", "--firmware", "65,2"}, home.filePath("sim.json"));
        {
            const NoLoginName service;
            QCOMPARE(runCli({"read", "--port", sim.device(), "--family", "block", "-o", "out.rix"}).exitCode, 0);
        }
        const QJsonObject e = lastEntry();
        QCOMPARE(e["Operation"].toString(), QString("read"));
        QCOMPARE(e["Outcome"].toString(), QString("done"));
        QCOMPARE(e["Port"].toString(), sim.device());
        QVERIFY(!e["User"].toString().isEmpty());
        QCOMPARE(e["Family"].toString(), QString("block"));
        QCOMPARE(e["Firmware"].toString(), QString("65.2"));
        QCOMPARE(e["ProjectFile"].toString(), home.filePath("out.rix"));
        QCOMPARE(e["Before"].toObject()["FirmwareVersion"].toArray(), QJsonArray({0, 0}));
        QCOMPARE(e["After"].toObject()["KValue"].toDouble(), 500.0);
        QVERIFY(QDateTime::fromString(e["Time"].toString(), Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc()) < 60);
        QVERIFY(e["Time"].toString().endsWith('Z'));
    }

    // A failed command claims no record on the gauge: a preset has none, and
    // after a failed write what the gauge holds is not known.
    void failedCommandIsRecordedAsFailed()
    {
        testing_support::ScopedTestHome home;
        QCOMPARE(runCli({"preset", "--port", home.filePath("no-such-port"), "--distance", "12"}).exitCode, 1);
        QJsonObject e = lastEntry();
        QCOMPARE(e["Operation"].toString(), QString("preset"));
        QCOMPARE(e["Outcome"].toString(), QString("failed"));
        QVERIFY2(e["Message"].toString().contains("Distance counter: 12"), qPrintable(e["Message"].toString()));
        QVERIFY(e["Before"].isNull() && e["After"].isNull());
        QCOMPARE(runCli({"rix", "new", "p.rix"}).exitCode, 0);
        QCOMPARE(runCli({"write", "--port", home.filePath("no-such-port"), "--family", "block", "p.rix"}).exitCode, 1);
        e = lastEntry();
        QCOMPARE(e["Operation"].toString(), QString("write"));
        QCOMPARE(e["Before"].toObject()["MasterId"].toInt(), -1);
        QVERIFY(e["After"].isNull());
    }

    void filters_data()
    {
        QTest::addColumn<QStringList>("filter");
        QTest::addColumn<int>("entries");
        QTest::newRow("all") << QStringList{} << 3;
        QTest::newRow("one port") << QStringList{"--port", "@first"} << 1;
        QTest::newRow("a port given bare, asked by path") << QStringList{"--port", "/dev/ttySkaleronNone"} << 1;
        QTest::newRow("since yesterday") << QStringList{"--since", QDate::currentDate().addDays(-1).toString(Qt::ISODate)} << 3;
        QTest::newRow("since tomorrow") << QStringList{"--since", QDate::currentDate().addDays(1).toString(Qt::ISODate)} << 0;
    }
    void filters()
    {
        QFETCH(QStringList, filter);
        QFETCH(int, entries);
        testing_support::ScopedTestHome home;
        const QString first = home.filePath("first"), second = home.filePath("second");
        runCli({"preset", "--port", first, "--hours", "1"});
        runCli({"preset", "--port", second, "--hours", "1"});
        runCli({"preset", "--port", "ttySkaleronNone", "--hours", "1"}); // a bare name is a device below /dev
        filter.replaceInStrings("@first", first);
        const CliResult r = runCli(QStringList{"history"} + filter);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.count('\n'), entries);
    }

    void badFilterIsBadUsage_data()
    {
        QTest::addColumn<QStringList>("filter");
        QTest::newRow("not a date") << QStringList{"--since", "last week"};
        QTest::newRow("port 0") << QStringList{"--port", "COM0"};
        QTest::newRow("no port") << QStringList{"--port", ""};
    }
    void badFilterIsBadUsage()
    {
        QFETCH(QStringList, filter);
        testing_support::ScopedTestHome home;
        const CliResult r = runCli(QStringList{"history"} + filter);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.count('\n'), 1);
    }

    // The history's folder is a file: the read goes on and succeeds, the
    // user is told once.
    void unwritableHistoryNeverBlocksATransfer()
    {
        testing_support::ScopedTestHome home;
        QFile blocker(home.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        setToolHistory(home.filePath("blocker/history.sqlite"));
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli({"read", "--port", sim.device(), "--family", "register", "-o", "out.rix"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(home.filePath("out.rix")));
        QCOMPARE(r.err.count("warning:"), 1);
        QVERIFY(r.err.contains("blocker"));
        QCOMPARE(runCli({"history"}).exitCode, 1);
    }

    void sharedHistoryOnTheServer()
    {
        SKALERON_NEED_PG_SERVER();
        testing_support::ScopedTestHome home;
        setToolHistory(pg_server::createDatabase("cli_history"));
        QCOMPARE(runCli({"preset", "--port", home.filePath("bench-1"), "--hours", "2"}).exitCode, 1);
        const QJsonObject e = lastEntry();
        QCOMPARE(e["Port"].toString(), home.filePath("bench-1"));
        QCOMPARE(e["Operation"].toString(), QString("preset"));
        QVERIFY(!QFile::exists(home.filePath("data/Veltrona/skaleron/history.sqlite")));
    }
};

SKALERON_TEST(HistoryCliTest)
#include "HistoryCliTest.moc"
