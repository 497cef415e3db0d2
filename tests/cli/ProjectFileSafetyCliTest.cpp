// Project files from the command-line tool: a change in progress is never
// lost to another writer, only regular files are read, and a save cleans up
// after one that was killed.
#include "SimProcess.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>

using testing_support::CliResult;
using testing_support::SimProcess;
using testing_support::runCli;

namespace {

// The tool, stopped after limitMs if it waits for ever (exit code -1 then).
CliResult runCliWithin(const QStringList &args, int limitMs)
{
    QProcess p;
    p.start(testing_support::binDir() + "/skaleron-cli", args);
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString(), QString()};
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}

class ProjectFileSafetyCliTest : public QObject
{
    Q_OBJECT
private slots:
    // Another writer holds the project: rix set waits briefly, then fails
    // naming it, and the file keeps the other writer's state.
    void secondWriterFailsWhileFileIsLocked()
    {
        testing_support::ScopedTestHome home;
        const QString project = home.filePath("boat.rix");
        QCOMPARE(runCli({"rix", "new", project}).exitCode, 0);
        {
            QLockFile other(project + ".lock");
            QVERIFY(other.tryLock(0));
            QElapsedTimer waited;
            waited.start();
            const CliResult r = runCli({"rix", "set", project, "KValue=1234"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains(QStringLiteral("process %1").arg(QCoreApplication::applicationPid())), qPrintable(r.err));
            QVERIFY(waited.elapsed() < 10000);
            QVERIFY(!runCli({"rix", "show", project}).out.contains("1234"));
        }
        QCOMPARE(runCli({"rix", "set", project, "KValue=1234"}).exitCode, 0);
        QVERIFY(runCli({"rix", "show", project}).out.contains("1234"));
        QVERIFY(!QFile::exists(project + ".lock"));
    }

    // A named pipe is refused at once wherever a file is read.
    void namedPipeIsRefusedAtOnce_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("rix show") << QStringList{"rix", "show", "@pipe"};
        QTest::newRow("rix set") << QStringList{"rix", "set", "@pipe", "KValue=1"};
        QTest::newRow("write --restore") << QStringList{"write", "--restore", "@pipe", "--port", "@port"};
        QTest::newRow("write") << QStringList{"write", "--port", "@port", "--family", "block", "@pipe"};
        QTest::newRow("catalogue") << QStringList{"catalogue", "list", "--db", "@pipe"};
        QTest::newRow("catalogue import") << QStringList{"catalogue", "import", "@pipe", "out.sqlite"};
    }
    void namedPipeIsRefusedAtOnce()
    {
        QFETCH(QStringList, args);
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "block"}, home.filePath("sim.json"));
        const QString pipe = home.filePath("pipe.rix");
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        args.replaceInStrings("@pipe", pipe);
        args.replaceInStrings("@port", sim.device());
        const CliResult r = runCliWithin(args, 10000);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("is not a regular file"), qPrintable(r.err));
        QCOMPARE(sim.stopAndReadState()["frames"].toArray().size(), 0);
    }

    // A save killed midway leaves "<name>.XXXXXX"; the next save of that
    // project removes its own leftovers and nothing else.
    void saveRemovesLeftoversOfItsOwnFile()
    {
        testing_support::ScopedTestHome home;
        const QString project = home.filePath("boat.rix");
        QCOMPARE(runCli({"rix", "new", project}).exitCode, 0);
        const QStringList leftovers{"boat.rix.Ab12Cd", "boat.rix.x9Y8z7"};
        const QStringList kept{"boat.rix.notes", "boat.rix.backup1", "other.rix.Ab12Cd", "boat.rix"};
        for (const QString &name : leftovers + kept.mid(0, 3)) {
            QFile f(home.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(runCli({"rix", "set", project, "KValue=5"}).exitCode, 0);
        for (const QString &name : leftovers)
            QVERIFY2(!QFile::exists(home.filePath(name)), qPrintable(name));
        for (const QString &name : kept)
            QVERIFY2(QFile::exists(home.filePath(name)), qPrintable(name));
    }
};

SKALERON_TEST(ProjectFileSafetyCliTest)
#include "ProjectFileSafetyCliTest.moc"
