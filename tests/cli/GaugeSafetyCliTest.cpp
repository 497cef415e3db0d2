// Gauge commands that end safely: ports left locked by a killed program,
// signals during a write, restores of unchecked blocks, the history's user
// and the one-line failures, against the skaleron-sim program.
#include "SimProcess.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QSerialPort>
#include <QTest>
#include <csignal>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::CliResult;
using testing_support::SimProcess;
using testing_support::runCli;

namespace {

QJsonArray historyEntries()
{
    return QJsonDocument::fromJson(runCli({"history", "--json"}).out.toUtf8()).array();
}

QJsonObject lastHistoryEntry()
{
    const QJsonArray entries = historyEntries();
    return entries.isEmpty() ? QJsonObject() : entries.last().toObject();
}

QString emptyBlockProject(const QString &path)
{
    runCli({"rix", "new", path});
    return path;
}

// A backup of the simulated gauge's block, as a write makes it.
QString backupOf(const QStringList &simArgs, const QString &folder)
{
    SimProcess sim(simArgs, folder + "/backup-sim.json");
    runCli({"write", "--port", sim.device(), "--family", "block", emptyBlockProject(folder + "/empty.rix")});
    const QFileInfoList backups = QDir(folder + "/data/Veltrona/skaleron/backups").entryInfoList(QDir::Files, QDir::Time);
    return backups.isEmpty() ? QString() : backups.first().absoluteFilePath();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

}

class GaugeSafetyCliTest : public QObject
{
    Q_OBJECT
private slots:
    // A program killed while it held the port (and not yet waited for)
    // leaves its lock: the next command takes it over at once. A port held
    // by a live program names it on the reason's line.
    void portLocks()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "block", "--fault", "any=silence"}, home.filePath("sim.json"));
        const QByteArray program = (testing_support::binDir() + "/skaleron-cli").toLocal8Bit();
        const QByteArray device = sim.device().toLocal8Bit();
        // A plain child, not a QProcess: nobody waits for it when it is killed.
        qputenv("SKALERON_LINK_TIMEOUTS", "20000,0,20000");
        const pid_t holder = fork();
        if (holder == 0) {
            execl(program.constData(), "skaleron-cli", "read", "--port", device.constData(), "--family", "block",
                  static_cast<char *>(nullptr));
            _exit(127);
        }
        qunsetenv("SKALERON_LINK_TIMEOUTS");
        QTest::qWait(1500);
        ::kill(holder, SIGKILL);
        QTest::qWait(200); // a zombie now: its number still answers
        const CliResult r = runCli({"read", "--port", sim.device(), "--family", "block"});
        waitpid(holder, nullptr, 0);
        QVERIFY2(r.err.contains("Reading from the gauge failed"), qPrintable(r.err)); // opened, the gauge silent

        QSerialPort live(sim.device());
        QVERIFY(live.open(QIODevice::ReadWrite));
        const CliResult busy = runCli({"read", "--port", sim.device(), "--family", "block"});
        const QStringList lines = busy.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("skaleron-cli: Connect failed"));
        QVERIFY2(lines[1].contains(QStringLiteral("in use by process %1 (%2)")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName())),
                 qPrintable(lines[1]));
    }

    // A signal while the gauge is asked to save: the tool says how far it
    // got in one line, records "interrupted" and exits 1; on several ports
    // at once every port still at work stops, and one that had ended keeps
    // its own outcome.
    void signalDuringWrite_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("twoPorts");
        QTest::addColumn<QString>("said");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << "write interrupted by SIGTERM at step 14 of 14 (SaveToNovolMemory)";
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << "write interrupted by SIGHUP at step 14 of 14 (SaveToNovolMemory)";
        QTest::newRow("two ports, one done") << int(SIGTERM) << true << "write interrupted by SIGTERM on 1 of 2 ports";
    }
    void signalDuringWrite()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, twoPorts);
        QFETCH(QString, said);
        testing_support::ScopedTestHome home;
        const QStringList silentSave{"--family", "block", "--fault", "save=silence"};
        SimProcess sim(silentSave, home.filePath("sim.json"));
        SimProcess other({"--family", "block"}, home.filePath("other.json"));
        QStringList args{"write", "--port", sim.device(), "--family", "block", emptyBlockProject(home.filePath("p.rix"))};
        if (twoPorts)
            args << "--port" << other.device();
        QProcess cli;
        cli.start(testing_support::binDir() + "/skaleron-cli", args);
        const auto saving = [&] {
            QFile log(home.filePath("log.txt"));
            return log.open(QIODevice::ReadOnly) && log.readAll().count("SaveToNovolMemory") == (twoPorts ? 2 : 1);
        };
        QTRY_VERIFY_WITH_TIMEOUT(saving(), 5000);
        QString err;
        if (twoPorts) // the other port's line once it has ended
            QTRY_VERIFY_WITH_TIMEOUT((err += QString::fromLocal8Bit(cli.readAllStandardError())).contains("done in"), 5000);
        ::kill(pid_t(cli.processId()), signalNumber);
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 1);
        err += QString::fromLocal8Bit(cli.readAllStandardError());
        QVERIFY2(err.endsWith(said + "\n") || err.contains(said + ";"), qPrintable(err));
        if (!twoPorts)
            QCOMPARE(err.count('\n'), 1);
        else // the port cut off says where, on its own line
            QVERIFY2(err.contains(sim.device() + ": write interrupted by SIGTERM at step 14 of 14"), qPrintable(err));
        // Every port's entry, stored together.
        const QJsonArray entries = historyEntries();
        QCOMPARE(entries.size(), twoPorts ? 2 : 1);
        for (const QJsonValue &entry : entries) {
            const bool cutOff = entry["Port"].toString() == sim.device();
            QCOMPARE(entry["Outcome"].toString(), QString(cutOff ? "interrupted" : "done"));
            QCOMPARE(entry["Message"].toString().contains("step 14 of 14"), cutOff);
        }
    }

    // Only a block that says what it is, decodes and suits the gauge's
    // firmware is sent; --force sends the others.
    void restoreIsChecked_data()
    {
        QTest::addColumn<QString>("backup");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("reason");
        QTest::newRow("own backup") << "same" << false << 0 << "";
        QTest::newRow("random bytes") << "random" << false << 2 << "no backup header";
        QTest::newRow("64 x 0xFF") << "ff" << false << 2 << "no backup header";
        QTest::newRow("old backup, forced") << "old" << true << 0 << "";
        QTest::newRow("other firmware") << "other" << false << 2 << "firmware B01, but this gauge has firmware A02";
        QTest::newRow("other firmware, forced") << "other" << true << 0 << "";
        QTest::newRow("damaged") << "damaged" << false << 2 << "checksum";
    }
    void restoreIsChecked()
    {
        QFETCH(QString, backup);
        QFETCH(bool, force);
        QFETCH(int, exitCode);
        QFETCH(QString, reason);
        testing_support::ScopedTestHome home;
        const QStringList gauge{"--family", "block", "--firmware", "65,2"};
        QString path = home.filePath("b.bin");
        if (backup == "same" || backup == "damaged" || backup == "old") {
            path = backupOf(gauge, home.path());
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray bytes = f.readAll();
            f.close();
            if (backup == "damaged")
                bytes[bytes.size() - 10] = char(bytes[bytes.size() - 10] ^ 1);
            writeBytes(path, backup == "old" ? bytes.right(64) : bytes);
        } else if (backup == "other") {
            path = backupOf({"--family", "block", "--firmware", "66,1"}, home.path());
        } else {
            QByteArray bytes(64, char(0xFF));
            for (int i = 0; backup == "random" && i < 64; ++i)
                bytes[i] = char((i * 151 + 7) & 0xFF);
            writeBytes(path, bytes);
        }
        QVERIFY(!path.isEmpty());
        SimProcess sim(gauge, home.filePath("sim.json"));
        QStringList args{"write", "--restore", path, "--port", sim.device()};
        if (force)
            args << "--force";
        const CliResult r = runCli(args);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QCOMPARE(sim.stopAndReadState()["counters"].toObject()["download"].toInt(), exitCode == 0 ? 1 : 0);
    }

    // The account the tool runs as, whatever USER says; a block-family
    // write records the gauge's firmware.
    void historyNamesTheAccount()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "block", "--firmware", "65,2"}, home.filePath("sim.json"));
        const QByteArray user = qgetenv("USER");
        qputenv("USER", "someone-else");
        const int status = runCli({"write", "--port", sim.device(), "--family", "block",
                                   emptyBlockProject(home.filePath("p.rix"))}).exitCode;
        qputenv("USER", user);
        QCOMPARE(status, 0);
        const QJsonObject entry = lastHistoryEntry();
        QCOMPARE(entry["User"].toString(), QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
        QCOMPARE(entry["EnvironmentUser"].toString(), QString("someone-else"));
        QCOMPARE(entry["Firmware"].toString(), QString("65.2"));
    }

    // One line says what failed, at most one more why, in the gauge's terms.
    void failuresSayWhatHappened_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("cliArgs");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("never");
        QTest::newRow("silent on save") << QStringList{"--family", "block", "--fault", "save=silence"}
                                        << QStringList{"write", "--family", "block", "@project"} << "fell silent"
                                        << "refused";
        QTest::newRow("gone on save") << QStringList{"--family", "block", "--fault", "save=vanish"}
                                      << QStringList{"write", "--family", "block", "@project"} << "fell silent"
                                      << "refused";
        QTest::newRow("preset cut short") << QStringList{"--family", "register", "--fault", "write-memory=silence+2"}
                                          << QStringList{"preset", "--distance", "5"} << "partial value" << "refused";
        QTest::newRow("register writes cut short")
            << QStringList{"--family", "register", "--fault", "write-register=silence+3"}
            << QStringList{"write", "--family", "register", "@project"} << "write the configuration again" << "refused";
        // Refused register reads answer 0xF1 where a value would be: a failed
        // read naming what no gauge holds, no list of differences.
        const QStringList refusedReads{"--family", "register", "--fault", "read-register=refuse+5"};
        QTest::newRow("refused reads: read") << refusedReads << QStringList{"read", "--family", "register", "--json"}
                                             << "(Illumination 2410" << "Failed at step";
        QTest::newRow("refused reads: verify") << refusedReads << QStringList{"verify", "--family", "register", "@project"}
                                               << "(Illumination 2410" << "KValue (";
        QTest::newRow("refused reads: write's read-back")
            << refusedReads << QStringList{"write", "--verify", "--family", "register", "@project"}
            << "(Illumination 2410" << "KValue (";
    }
    void failuresSayWhatHappened()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, cliArgs);
        QFETCH(QString, reason);
        QFETCH(QString, never);
        testing_support::ScopedTestHome home;
        SimProcess sim(simArgs, home.filePath("sim.json"));
        cliArgs.replaceInStrings("@project", emptyBlockProject(home.filePath("p.rix")));
        const CliResult r = runCli(cliArgs + QStringList{"--port", sim.device()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(reason) && !r.err.contains(never), qPrintable(r.err));
        QVERIFY2(r.err.count('\n') <= 2, qPrintable(r.err));
        // The block it held before is what puts the gauge right.
        if (cliArgs.first() == "write" && simArgs.contains("block"))
            QVERIFY2(r.out.startsWith("backup of the block replaced: " + home.filePath("data/Veltrona/skaleron/backups/")),
                     qPrintable(r.out));
    }

    // Port 0, the default: no port named, none stored.
    void noPortSetSaysSo()
    {
        testing_support::ScopedTestHome home;
        const CliResult r = runCli({"write", "--family", "block", emptyBlockProject(home.filePath("p.rix"))});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("No port is set") && r.err.contains("give --port") && !r.err.contains("Port  could"),
                 qPrintable(r.err));
    }

    // The simulator answers every self-test step, of either family.
    void selftestPassesAgainstTheSimulator_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("block") << "block";
        QTest::newRow("register") << "register";
    }
    void selftestPassesAgainstTheSimulator()
    {
        QFETCH(QString, family);
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", family}, home.filePath("sim.json"));
        const CliResult r = runCli({"selftest", "--port", sim.device()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QCOMPARE(r.out.count(": 1"), 24);
    }

    // Probe bytes go only to the ports named.
    void probeTriesOnlyTheGivenPorts()
    {
        testing_support::ScopedTestHome home;
        SimProcess a({"--family", "block"}, home.filePath("a.json"));
        SimProcess b({"--family", "register"}, home.filePath("b.json"));
        const CliResult r = runCli({"probe", "--json", "--port", a.device(), "--port", b.device()});
        QCOMPARE(r.exitCode, 0);
        QStringList ports;
        for (const QJsonValue &v : QJsonDocument::fromJson(r.out.toUtf8()).array())
            ports << v.toObject()["Port"].toString();
        QCOMPARE(ports, (QStringList{a.device(), b.device()}));
    }
};

SKALERON_TEST(GaugeSafetyCliTest)
#include "GaugeSafetyCliTest.moc"
