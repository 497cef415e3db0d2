// skaleron-cli read/write/preset/selftest against the skaleron-sim program.
#include "SimProcess.h"
#include "link/GaugeProtocol.h"
#include "model/ProjectFile.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>
#include <vector>
#include <csignal>

using testing_support::CliResult;
using testing_support::SimProcess;
using testing_support::runCli;

namespace {

// A copy of the sample catalogue with one more master type: block family,
// threshold converted, but equal scale limits.
QString catalogueWithBrokenMaster(const QString &folder)
{
    const QString path = folder + "/catalogue.sqlite";
    QFile::copy(testing_support::binDir() + "/skaleron-catalogue.sqlite", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "broken-master");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec("CREATE TEMP TABLE t AS SELECT * FROM RixData WHERE ID = 5");
        q.exec("UPDATE t SET ID = 99, CalculateThreshold = 1, ScaleMin = 0, ScaleMax = 0");
        q.exec("INSERT INTO RixData SELECT * FROM t");
        db.close();
    }
    QSqlDatabase::removeDatabase("broken-master");
    return path;
}

QString projectWithMaster(const QString &path, int masterId, double kValue = 0)
{
    ConfigRecord cfg;
    cfg.MasterId = masterId;
    cfg.KValue = kValue;
    QString error;
    project_file::writeFile(path, cfg, &error);
    return path;
}

int reg(const QJsonObject &state, const char *name) { return state["registers"].toObject()[name].toInt(-1); }
QByteArray hexField(const QJsonObject &state, const char *name) { return QByteArray::fromHex(state[name].toString().toLatin1()); }

}

class LinkCliTest : public QObject
{
    Q_OBJECT
private slots:
    void simulatorLinksAndDumpsOnRequest()
    {
        testing_support::ScopedTestHome home;
        QProcess sim;
        sim.start(testing_support::binDir() + "/skaleron-sim",
                  {"--family", "register", "--link", home.filePath("ttyGauge"), "--state-file", home.filePath("s.json"),
                   "--register", "3/26=0x30"});
        QVERIFY(sim.waitForReadyRead(5000));
        const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
        QCOMPARE(QFileInfo(home.filePath("ttyGauge")).symLinkTarget(), device);
        const auto readState = [&] {
            QFile f(home.filePath("s.json"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QVERIFY(readState().isEmpty());
        ::kill(pid_t(sim.processId()), SIGUSR1);
        QTRY_VERIFY(!readState().isEmpty());
        QVERIFY(sim.state() == QProcess::Running); // the dump does not stop it
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFile::exists(home.filePath("ttyGauge"))); // the link goes with the simulator
        const QJsonObject json = QJsonDocument::fromJson(readState()).object();
        QCOMPARE(json["registers"].toObject()["3/26"].toInt(), 0x30);
        QCOMPARE(json["device"].toString(), device);
    }

    void simulatorRefusesBadArguments()
    {
        QProcess sim;
        sim.start(testing_support::binDir() + "/skaleron-sim", {"--fault", "ping=explode"});
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(sim.readAllStandardError().contains("ping=explode"));
    }

    void readRegisterGaugeAsJson()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "register", "--register", "4/5=7"}, home.filePath("sim.json"));
        const CliResult r = runCli({"read", "--port", sim.device(), "--family", "register", "--json"}, false);
        QCOMPARE(r.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(json["Illumination"].toDouble(), 70.0);
        QCOMPARE(json["KValue"].toDouble(), 8000.0);
        QCOMPARE(json["FirmwareVersion"].toArray(), (QJsonArray{0, 0}));
        QVERIFY(QFile::exists(home.filePath("log.txt")));
        // Read and neither shown nor kept: said, not silently dropped.
        const CliResult unkept = runCli({"read", "--port", sim.device(), "--family", "register"});
        QCOMPARE(unkept.exitCode, 0);
        QVERIFY2(unkept.err.contains("warning: the values read were not kept"), qPrintable(unkept.err));
        QCOMPARE(sim.stopAndReadState()["counters"].toObject()["read-register"].toInt(), 28);
    }

    void readBlockGaugeIntoProjectFile()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "block", "--firmware", "65,2"}, home.filePath("sim.json"));
        const CliResult r = runCli({"read", "--port", sim.device(), "--family", "block", "-o", "out.rix", "--json"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("\"FirmwareVersion\":[65,2]"));
        ConfigRecord cfg;
        QCOMPARE(project_file::readFile(home.filePath("out.rix"), cfg).status, project_file::ReadStatus::Ok);
        QCOMPARE(cfg.KValue, 500.0); // firmware below 66: whole pulses
        QCOMPARE(cfg.WarnThreshold, 100.0);
    }

    void readFailures_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("cliArgs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrText");
        QTest::newRow("register reply with a wrong header")
            << QStringList{"--family", "register", "--fault", "read-register@4/0=header"}
            << QStringList{"--family", "register"} << 1 << "Reading from the gauge failed.";
        QTest::newRow("wrong family") << QStringList{"--family", "register"} << QStringList{"--family", "block"} << 1
                                      << "Reading from the gauge failed.";
        QTest::newRow("no family, no project") << QStringList{} << QStringList{} << 2
                                               << "Give --project FILE.rix (its master type tells) or --family";
        QTest::newRow("bad family") << QStringList{} << QStringList{"--family", "blocks"} << 2 << "--family";
        QTest::newRow("unknown option") << QStringList{} << QStringList{"--familly", "block"} << 2 << "'familly'";
        QTest::newRow("missing project") << QStringList{} << QStringList{"--project", "nope.rix"} << 2 << "nope.rix";
    }
    void readFailures()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, cliArgs);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrText);
        testing_support::ScopedTestHome home;
        SimProcess sim(simArgs, home.filePath("sim.json"));
        const CliResult r = runCli(QStringList{"read", "--port", sim.device(), "-o", "out.rix"} + cliArgs);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        QVERIFY(!QFile::exists(home.filePath("out.rix"))); // nothing written after a failure
    }

    void familyFromTheCatalogue()
    {
        testing_support::ScopedTestHome home;
        const QString catalogue = testing_support::binDir() + "/skaleron-catalogue.sqlite";
        projectWithMaster(home.filePath("tacho.rix"), 5);  // "Tachometer 0-4000 rpm": block family
        projectWithMaster(home.filePath("sync.rix"), 12); // synchroniser: register family
        {
            SimProcess sim({"--family", "block"}, home.filePath("block.json"));
            const CliResult r = runCli({"read", "--port", sim.device(), "--project", "tacho.rix", "--catalogue", catalogue});
            QCOMPARE(r.exitCode, 0);
            ConfigRecord cfg;
            QCOMPARE(project_file::readFile(home.filePath("tacho.rix"), cfg).status, project_file::ReadStatus::Ok);
            QCOMPARE(cfg.KValue, 50.0); // read back into the project
            QCOMPARE(cfg.MasterId, 5);
        }
        {
            SimProcess sim({"--family", "register"}, home.filePath("register.json"));
            const CliResult r = runCli({"write", "--port", sim.device(), "--catalogue", catalogue, "sync.rix"});
            QCOMPARE(r.exitCode, 0);
            const QJsonObject state = sim.stopAndReadState();
            QCOMPARE(reg(state, "3/26"), 0x21); // a synchroniser's fixed codes
            QCOMPARE(reg(state, "3/28"), 0x03);
        }
        projectWithMaster(home.filePath("unknown.rix"), 77);
        const CliResult r = runCli({"write", "--port", home.filePath("ttyNone"), "--catalogue", catalogue, "unknown.rix"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("77"), qPrintable(r.err));
    }

    void thresholdThatCannotBeConverted()
    {
        testing_support::ScopedTestHome home;
        const QString catalogue = catalogueWithBrokenMaster(home.path());
        projectWithMaster(home.filePath("p.rix"), 99, 7);
        SimProcess sim({"--family", "block"}, home.filePath("sim.json"));

        CliResult r = runCli({"write", "--port", sim.device(), "--catalogue", catalogue, "p.rix"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("(0 to 0)"), qPrintable(r.err));

        r = runCli({"read", "--port", sim.device(), "--catalogue", catalogue, "--project", "p.rix", "--json"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("warning: ") && r.err.contains("(0 to 0)"), qPrintable(r.err));
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object()["KValue"].toDouble(), 50.0);

        const QJsonObject state = sim.stopAndReadState();
        QCOMPARE(state["counters"].toObject()["upload"].toInt(), 1); // the read only: the write sent nothing
        QCOMPARE(state["frames"].toArray().size(), 2);
    }

    void missingPort()
    {
        testing_support::ScopedTestHome home;
        CliResult r = runCli({"read", "--port", home.filePath("ttyNone"), "--family", "block"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("COM port not available"), qPrintable(r.err));
        r = runCli({"selftest", "--port", home.filePath("ttyNone")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Connect failed"), qPrintable(r.err));
        QVERIFY2(r.err.contains(home.filePath("ttyNone") + " could not be opened: No such file"), qPrintable(r.err));
    }

    // A record its check refuses is bad input: exit 2, the project file as
    // it was, and nothing written to the gauge; what needs only the record
    // and its master type is refused before the port is opened.
    void writeRefusals_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<double>("kValue");
        QTest::addColumn<bool>("gaugeThere");
        QTest::addColumn<int>("framesSent");
        QTest::addColumn<QString>("stderrText");
        QTest::addColumn<QStringList>("family");
        QTest::newRow("below the master type's limits, no port")
            << 1 << 5.0 << false << 0 << "KValue 5 cannot be saved or sent to the gauge: allowed are 1000 to 60000."
            << QStringList();
        QTest::newRow("below the master type's limits")
            << 1 << 5.0 << true << 0 << "KValue 5 cannot be saved or sent to the gauge: allowed are 1000 to 60000."
            << QStringList();
        QTest::newRow("past 16 bits of whole pulses")
            << 5 << 70000.0 << true << 0 << "KValue 70000 cannot be saved or sent to the gauge: allowed are 0 to 65535."
            << QStringList();
        // Only the block read from the gauge tells that it counts tenths.
        QTest::newRow("past 16 bits of tenths")
            << 5 << 7000.0 << true << 1 << "KValue 7000 cannot be saved or sent to the gauge: allowed are 0 to 6553.5."
            << QStringList();
        // Beyond the limits whatever the firmware: the range is told, not "whole numbers only".
        QTest::newRow("above the master type's limits")
            << 7 << 12.5 << true << 0 << "KValue 12.5 cannot be saved or sent to the gauge: allowed are 0.5 to 12."
            << QStringList();
        QTest::newRow("a family the master type is not of")
            << 1 << 3600.0 << true << 0 << "--family block does not fit the project: master type 1 (" << QStringList{"--family", "block"};
    }
    void writeRefusals()
    {
        QFETCH(int, masterId);
        QFETCH(double, kValue);
        QFETCH(bool, gaugeThere);
        QFETCH(int, framesSent);
        QFETCH(QString, stderrText);
        QFETCH(QStringList, family);
        testing_support::ScopedTestHome home;
        const QString catalogue = testing_support::binDir() + "/skaleron-catalogue.sqlite";
        const QString project = projectWithMaster(home.filePath("p.rix"), masterId, kValue);
        QFile file(project);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        SimProcess sim({"--family", masterId == 1 ? "register" : "block"}, home.filePath("sim.json"));
        const QString port = gaugeThere ? sim.device() : home.filePath("ttyNone");

        const CliResult r = runCli(QStringList{"write", "--port", port, "--catalogue", catalogue, project} + family);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        const QJsonObject state = sim.stopAndReadState();
        QCOMPARE(state["frames"].toArray().size(), framesSent);
        QCOMPARE(hexField(state, "block"), hexField(state, "savedBlock")); // the gauge holds what it held
    }

    // A project file does not know the gauge's firmware: a tenth of a pulse
    // within the master type's limits goes to a gauge that counts tenths and
    // is refused by one that counts whole pulses, once its block is read.
    void tenthOfAPulseFollowsTheGaugesFirmware_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("gauges"); // two: a batch
        QTest::addColumn<int>("exitCode");
        QTest::newRow("counts tenths") << "66,1" << 1 << 0;
        QTest::newRow("two counting tenths") << "66,1" << 2 << 0;
        QTest::newRow("counts whole pulses") << "65,2" << 1 << 2;
    }
    void tenthOfAPulseFollowsTheGaugesFirmware()
    {
        QFETCH(QString, firmware);
        QFETCH(int, gauges);
        QFETCH(int, exitCode);
        testing_support::ScopedTestHome home;
        ConfigRecord cfg;
        cfg.MasterId = 7; // Tachometer 0-6000 rpm, petrol engines: 0.5 to 12 pulses
        cfg.KValue = 7.5;
        cfg.WarnThreshold = 2800;
        QVERIFY(project_file::writeFile(home.filePath("p.rix"), cfg, nullptr));
        std::vector<std::unique_ptr<SimProcess>> sims;
        QStringList ports;
        for (int i = 0; i < gauges; ++i) {
            sims.push_back(std::make_unique<SimProcess>(QStringList{"--family", "block", "--firmware", firmware},
                                                        home.filePath(QString("sim%1.json").arg(i))));
            ports << "--port" << sims.back()->device();
        }
        const QStringList catalogue{"--catalogue", testing_support::binDir() + "/skaleron-catalogue.sqlite"};
        const CliResult r = runCli(QStringList{"write"} + ports + catalogue + QStringList{home.filePath("p.rix")});
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        if (exitCode)
            QVERIFY2(r.err.contains("whole numbers only"), qPrintable(r.err));
        // Found there; a refused check records the firmware it read.
        QCOMPARE(runCli(QStringList{"verify"} + ports + catalogue + QStringList{home.filePath("p.rix")}).exitCode, exitCode);
        const QJsonArray history = QJsonDocument::fromJson(runCli({"history", "--json"}).out.toUtf8()).array();
        QCOMPARE(history.last().toObject()["Firmware"].toString(), firmware.replace(',', '.'));
        for (const auto &sim : sims)
            QCOMPARE(sim->stopAndReadState()["counters"].toObject()["download"].toInt(), exitCode ? 0 : 1);
    }

    void writeWhoseSaveIsRefusedFails()
    {
        testing_support::ScopedTestHome home;
        const QString project = projectWithMaster(home.filePath("p.rix"), -1, 12);
        SimProcess sim({"--family", "block", "--fault", "save=refuse"}, home.filePath("sim.json"));
        const CliResult r = runCli({"write", "--port", sim.device(), "--family", "block", project});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("refused to store the new settings permanently"), qPrintable(r.err));
        QVERIFY2(r.err.contains("Writing to the gauge failed."), qPrintable(r.err));
        QVERIFY(!r.out.contains("successfully"));
        QCOMPARE(sim.stopAndReadState()["counters"].toObject()["save"].toInt(), 1);
    }

    void writeRegisterGaugeFromProject()
    {
        testing_support::ScopedTestHome home;
        QString writeError;
        ConfigRecord cfg;
        cfg.KValue = 70000.5; // the gauge keeps whole pulses, and the write says so
        cfg.WarnThreshold = 300;
        cfg.WarnMode = 1;
        cfg.Illumination = 30;
        QVERIFY(project_file::writeFile(home.filePath("p.rix"), cfg, &writeError));
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli({"write", "--port", sim.device(), "--family", "register", "p.rix"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("The configuration was written to the gauge successfully."), qPrintable(r.out));
        QVERIFY2(r.err.contains("warning: The gauge holds the pulse factor as 70000, not 70000.5"), qPrintable(r.err));
        const QJsonObject state = sim.stopAndReadState();
        QCOMPARE(reg(state, "4/10"), 0x01);
        QCOMPARE(reg(state, "4/11"), 0x11);
        QCOMPARE(reg(state, "4/12"), 0x70);
        QCOMPARE(reg(state, "4/8"), 0x81);
        QCOMPARE(reg(state, "4/9"), 0x2C);
        QCOMPARE(reg(state, "4/5"), 3);
    }

    void writeBlockGaugeThenRestore()
    {
        testing_support::ScopedTestHome home;
        QString writeError;
        ConfigRecord cfg;
        cfg.KValue = 12.3;
        QVERIFY(project_file::writeFile(home.filePath("p.rix"), cfg, &writeError));
        SimProcess sim({"--family", "block"}, home.filePath("sim.json"));

        CliResult r = runCli({"write", "--port", sim.device(), "--family", "block", "p.rix"});
        QCOMPARE(r.exitCode, 0);
        const QString prefix = "backup of the block replaced: ";
        const QString firstBackup = r.out.split('\n').filter(prefix).value(0).mid(prefix.size());
        QVERIFY2(firstBackup.startsWith(home.filePath("data/Veltrona/skaleron/backups/")), qPrintable(r.out));
        QFile backup(firstBackup);
        QVERIFY(backup.open(QIODevice::ReadOnly));
        const QByteArray original = backup.readAll().right(64); // after its header

        // A restore is a write: Verify after writing reads it back.
        QCOMPARE(runCli({"config", "set", "Communication/VerifyAfterWrite", "1"}).exitCode, 0);
        r = runCli({"write", "--restore", firstBackup, "--port", sim.device()});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("The backup " + QFileInfo(firstBackup).fileName()
                                + " was written back to the gauge and read back"),
                 qPrintable(r.out));
        const QJsonObject state = sim.stopAndReadState();
        QCOMPARE(hexField(state, "block"), original);
        QCOMPARE(hexField(state, "savedBlock"), original);
        QCOMPARE(state["counters"].toObject()["save"].toInt(), 2);
        QCOMPARE(QDir(home.filePath("data/Veltrona/skaleron/backups")).entryList(QDir::Files).size(), 2);
        // A gauge of the other family: the refusal says what answers there.
        SimProcess other({"--family", "register"}, home.filePath("other.json"));
        r = runCli({"write", "--restore", firstBackup, "--port", other.device()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("The gauge on this port is of the register family"), qPrintable(r.err));
    }

    void restoreRefusesABadBackup()
    {
        testing_support::ScopedTestHome home;
        QFile f(home.filePath("short.bin"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(63, 'x'));
        f.close();
        const CliResult r = runCli({"write", "--restore", f.fileName(), "--port", home.filePath("ttyNone")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("64"), qPrintable(r.err));
    }

    void presetHours()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        // Hundredths are dropped, and said so.
        const CliResult r = runCli({"preset", "--port", sim.device(), "--hours", "1234,56"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("The counter of the gauge has been preset."), qPrintable(r.out));
        QVERIFY2(r.err.contains("warning: kept as 1234.5: the gauge holds one decimal"), qPrintable(r.err));
        const QJsonObject state = sim.stopAndReadState();
        QCOMPARE(hexField(state, "memory").mid(66, 32), gauge_protocol::counterImage(12345, 16));
        QCOMPARE(state["counters"].toObject()["write-memory"].toInt(), 4);
    }

    void presetRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stderrText");
        QTest::newRow("distance too big") << QStringList{"--distance", "1000000"}
                                          << "The distance counter value must lie between 0 and 999999.";
        QTest::newRow("hours too big") << QStringList{"--hours", "100000"}
                                       << "The hour counter value must lie between 0 and 99999.9.";
        QTest::newRow("not a number") << QStringList{"--hours", "12h"} << "The counter value is not a valid number.";
        QTest::newRow("both counters") << QStringList{"--hours", "1", "--distance", "1"} << "either";
        QTest::newRow("no counter") << QStringList{} << "either";
    }
    void presetRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, stderrText);
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli(QStringList{"preset", "--port", sim.device()} + args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        QVERIFY(sim.stopAndReadState()["frames"].toArray().isEmpty()); // nothing sent
    }

    void presetLoginRefused()
    {
        testing_support::ScopedTestHome home;
        SimProcess sim({"--family", "register", "--fault", "service-login=refuse"}, home.filePath("sim.json"));
        const CliResult r = runCli({"preset", "--port", sim.device(), "--distance", "5"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Login failed"), qPrintable(r.err));
        QVERIFY(r.err.contains("Writing to the gauge failed."));
    }

    // Every step runs and is printed; any step without a valid answer makes
    // the self-test fail.
    void selftestFailsOnAnyUnansweredStep_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("firstFailedLine");
        QTest::addColumn<QString>("stderrText");
        QTest::newRow("port gone after two steps") << QStringList{"--family", "block", "--fault", "any=vanish+2"} << 2
                                                   << "22 of 24 steps got no valid answer";
    }
    void selftestFailsOnAnyUnansweredStep()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(int, firstFailedLine);
        QFETCH(QString, stderrText);
        testing_support::ScopedTestHome home;
        SimProcess sim(simArgs, home.filePath("sim.json"));
        const CliResult r = runCli({"selftest", "--port", sim.device()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 24);
        QCOMPARE(lines.first(), QString("Ping: 1"));
        QVERIFY2(lines.at(firstFailedLine).endsWith(": 0"), qPrintable(lines.at(firstFailedLine)));
        for (int i = 0; i < firstFailedLine; ++i)
            QVERIFY2(lines.at(i).endsWith(": 1"), qPrintable(lines.at(i)));
    }

    // Bad input, refused before anything is opened.
    void portArgumentNamesNoPort_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("said");
        QTest::newRow("port zero") << "COM0" << "COM0 names no port";
        QTest::newRow("network port without its number")
            << "rfc2217://127.0.0.1" << "rfc2217://127.0.0.1 is not a network port of the form";
    }
    void portArgumentNamesNoPort()
    {
        QFETCH(QString, port);
        QFETCH(QString, said);
        testing_support::ScopedTestHome home;
        const CliResult r = runCli({"read", "--port", port, "--family", "block"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY(!QFile::exists(home.filePath("log.txt"))); // nothing was opened or traced
    }
};

SKALERON_TEST(LinkCliTest)
#include "LinkCliTest.moc"
