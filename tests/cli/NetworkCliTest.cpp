// skaleron-cli on gauges reached through a real ser2net (rfc2217://): the
// simulator behind it hears only its family's line speed, so a command
// succeeds only when the speed it sets crosses the network.
#include "SimProcess.h"
#include "common/Ser2netFixture.h"
#include "common/TestRegistry.h"
#include "model/ProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using testing_support::CliResult;
using testing_support::SimProcess;
using testing_support::runCli;

class NetworkCliTest : public QObject
{
    Q_OBJECT
private slots:
    void commandsThroughSer2net_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("counter"); // what the gauge must have been asked
        QTest::newRow("read a register gauge") << "register" << "read" << "read-register";
        QTest::newRow("write a block gauge") << "block" << "write" << "save";
        QTest::newRow("probe finds a block gauge") << "block" << "probe" << "ping";
        QTest::newRow("probe finds a register gauge") << "register" << "probe" << "ping-checked";
    }
    void commandsThroughSer2net()
    {
        REQUIRE_SER2NET();
        QFETCH(QString, family);
        QFETCH(QString, command);
        QFETCH(QString, counter);
        testing_support::ScopedTestHome home;
        const QString device = family == "block" ? "gauge1" : "gauge2";
        SimProcess sim({"--family", family, "--link", testing_support::ser2netDir() + "/" + device, "--require-baud",
                        family == "block" ? "19200" : "4800"},
                       home.filePath("sim.json"));
        const QString address = testing_support::ser2netAddress(device);

        CliResult r;
        if (command == "read") {
            r = runCli({"read", "--port", address, "--family", family, "--json"});
            QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object()["KValue"].toDouble(), 8000.0);
        } else if (command == "write") {
            ConfigRecord cfg;
            cfg.MasterId = 5; // "Tachometer 0-4000 rpm": block family
            cfg.KValue = 12.5;
            QVERIFY(project_file::writeFile(home.filePath("tacho.rix"), cfg, nullptr));
            r = runCli({"write", "--port", address, "--catalogue",
                        testing_support::binDir() + "/skaleron-catalogue.sqlite", "tacho.rix"});
        } else {
            r = runCli({"probe", "--json", "--port", address});
            const QJsonObject found = QJsonDocument::fromJson(r.out.toUtf8()).array().first().toObject();
            QCOMPARE(found["Port"].toString(), address);
            QCOMPARE(found["Family"].toString(), family);
        }
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonObject counters = sim.stopAndReadState()["counters"].toObject();
        QVERIFY2(counters[counter].toInt() > 0, qPrintable(QJsonDocument(counters).toJson()));
        if (command != "probe") // a probe greets at the block speed first
            QCOMPARE(counters["wrong speed"].toInt(), 0);
    }
};

SKALERON_TEST(NetworkCliTest)
#include "NetworkCliTest.moc"
