// skaleron-cli on a service bench: verify by reading back, many gauges at
// once, and finding the gauges, against skaleron-sim processes.
#include "SimProcess.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QJsonArray>
#include <QSerialPort>
#include <QTcpServer>
#include <QTest>

using namespace testing_support;

namespace {

QString projectWith(const QString &path, double kValue)
{
    ConfigRecord cfg;
    cfg.KValue = kValue;
    cfg.WarnThreshold = 300;
    QString error;
    if (!project_file::writeFile(path, cfg, &error))
        qFatal("%s", qPrintable(error));
    return path;
}

QJsonArray jsonArrayIn(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).array();
}

QStringList lines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

QStringList simArgs(const QString &family, const QString &fault = QString())
{
    QStringList args{"--family", family};
    if (!fault.isEmpty())
        args << "--fault" << fault;
    return args;
}

}

class ServiceBenchCliTest : public QObject
{
    Q_OBJECT
private slots:
    // The gauge acknowledges every write but keeps one old value; a value
    // it holds only as it can (whole pulses) is no mismatch.
    void writeVerifyCatchesAGaugeKeepingAnotherValue_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stderrText");
        QTest::addColumn<bool>("bySetting"); // Gauge → Verify after writing instead of --verify
        QTest::newRow("register gauge ignores one register write")
            << "register" << "write-register@4/12=keep" << 1 << "KValue (written 1234, the gauge holds 1088)" << false;
        QTest::newRow("block gauge keeps one byte of the block")
            << "block" << "download=keep:45" << 1 << "KValue (written 1234.5, the gauge holds 1253.2)" << false;
        QTest::newRow("pulse factor 1234.5 held as 1234") << "register" << "" << 0 << "" << false;
        QTest::newRow("checked as the desktop's setting asks")
            << "register" << "write-register@4/12=keep" << 1 << "KValue (written 1234, the gauge holds 1088)" << true;
    }
    void writeVerifyCatchesAGaugeKeepingAnotherValue()
    {
        QFETCH(QString, family);
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QString, stderrText);
        QFETCH(bool, bySetting);
        ScopedTestHome home;
        SimProcess sim(simArgs(family, fault), home.filePath("sim.json"));
        if (bySetting)
            QCOMPARE(runCli({"config", "set", "Communication/VerifyAfterWrite", "1"}).exitCode, 0);
        const CliResult r = runCli({"write", "--port", sim.device(), "--family", family,
                                    bySetting ? "--trace=log.txt" : "--verify", projectWith(home.filePath("p.rix"), 1234.5)});
        QVERIFY2(r.exitCode == status, qPrintable(r.err));
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        QCOMPARE(r.err.contains("KValue"), status != 0); // only the kept field is named
        QCOMPARE(r.out.contains("read back: the gauge holds what was written"), status == 0);
    }

    void verifyAloneReadsWithoutWriting()
    {
        ScopedTestHome home;
        SimProcess sim(simArgs("register"), home.filePath("sim.json"));
        const QString written = projectWith(home.filePath("p.rix"), 1234);
        QCOMPARE(runCli({"write", "--port", sim.device(), "--family", "register", written}).exitCode, 0);

        CliResult r = runCli({"verify", "--port", sim.device(), "--family", "register", written});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains("The gauge holds the settings of the project."), qPrintable(r.out));
        r = runCli({"verify", "--port", sim.device(), "--family", "register",
                    projectWith(home.filePath("q.rix"), 999)});
        QCOMPARE(r.exitCode, 1);
        // Held against the project, nothing having been written; no step failed.
        QCOMPARE(r.err, QString("skaleron-cli: The gauge does not hold the project's settings: KValue (project 999, "
                                "the gauge holds 1234).\n"));
        QCOMPARE(sim.stopAndReadState()["counters"].toObject()["write-register"].toInt(), 14); // the write's only
    }

    // Four block-family gauges written at once and a port mistyped: one
    // vanishes during the download, one is of the register family, the
    // mistyped one never opens; the others are written.
    void batchWithFailingPortsAmongGoodOnes()
    {
        ScopedTestHome home;
        SimProcess good1(simArgs("block"), home.filePath("good1.json"));
        SimProcess vanishing(simArgs("block", "download=vanish"), home.filePath("vanishing.json"));
        SimProcess good2(simArgs("block"), home.filePath("good2.json"));
        SimProcess otherFamily(simArgs("register"), home.filePath("other.json"));
        const QStringList ports = {good1.device(), vanishing.device(), good2.device(), otherFamily.device(),
                                   home.filePath("ttyUSB9")};
        QStringList args{"write", "--family", "block", "--report", "r.json"};
        for (const QString &port : ports)
            args << "--port" << port;
        const CliResult r = runCli(args << projectWith(home.filePath("p.rix"), 12.3));

        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("3 of 5 gauges failed"), qPrintable(r.err));
        const QJsonArray report = jsonArrayIn(home.filePath("r.json"));
        QCOMPARE(report.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const QJsonObject entry = report[i].toObject();
            QCOMPARE(entry["Port"].toString(), ports[i]);
            QCOMPARE(entry["Family"].toString(), QString("block"));
            QCOMPARE(entry["Success"].toBool(), i % 2 == 0 && i != 4);
            QVERIFY(entry["Seconds"].isDouble());
            // The vanishing gauge's block was read and backed up before it went,
            // and its line says where.
            QCOMPARE(QFile::exists(entry["Backup"].toString()), i < 3);
        }
        QVERIFY2(r.err.contains(vanishing.device() + ": ")
                     && r.err.contains("Backup of the block replaced: " + report[1].toObject()["Backup"].toString()),
                 qPrintable(r.err));
        const auto message = [&report](int i) { return report[i].toObject()["Message"].toString(); };
        QVERIFY2(message(1).contains("The port is no longer there."), qPrintable(message(1)));
        QVERIFY2(message(3).contains("of the register family"), qPrintable(message(3)));
        QVERIFY2(message(4).contains("ttyUSB9 could not be opened: No such file or directory")
                     && !message(4).contains("no longer there"),
                 qPrintable(message(4)));
        for (SimProcess *good : {&good1, &good2})
            QCOMPARE(good->stopAndReadState()["counters"].toObject()["save"].toInt(), 1);

        // Lines of the four links share the trace whole, each naming its port.
        const QStringList trace = lines(home.filePath("log.txt"));
        QVERIFY(!trace.isEmpty());
        for (const QString &line : trace) {
            const QString port = line.section("] ", 0, 0).mid(1);
            QVERIFY2(line.startsWith('[') && ports.contains(port), qPrintable(line));
            const QString rest = line.section("] ", 1);
            QVERIFY2(!rest.startsWith("W: ") || QRegularExpression("^W: ([0-9A-F]{2} )+$").match(rest).hasMatch(),
                     qPrintable(line));
        }
    }

    void batchRefusesBadInputBeforeSending_data()
    {
        QTest::addColumn<QString>("second"); // the second --port: "a" again, "a bare" (no /dev/) or "b"
        QTest::addColumn<QString>("reportName");
        QTest::addColumn<QString>("stderrText");
        QTest::newRow("a port given twice") << "a" << "r.json" << "is given twice";
        QTest::newRow("a port given bare and by path") << "a bare" << "r.json" << "is given twice";
        QTest::newRow("a report in a missing folder") << "b" << "missing/r.json" << "cannot be written";
        QTest::newRow("a report neither JSON nor CSV") << "b" << "r.txt" << "must end in .json or .csv";
    }
    void batchRefusesBadInputBeforeSending()
    {
        QFETCH(QString, second);
        QFETCH(QString, reportName);
        QFETCH(QString, stderrText);
        ScopedTestHome home;
        SimProcess a(simArgs("register"), home.filePath("a.json"));
        SimProcess b(simArgs("register"), home.filePath("b.json"));
        const QString secondPort = second == "a" ? a.device() : second == "a bare" ? a.device().mid(5) : b.device();
        const CliResult r = runCli({"write", "--family", "register", "--port", a.device(), "--port", secondPort,
                                    "--report", reportName, projectWith(home.filePath("p.rix"), 100)});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(stderrText), qPrintable(r.err));
        QCOMPARE(a.stopAndReadState()["frames"].toArray().size(), 0);
        QCOMPARE(b.stopAndReadState()["frames"].toArray().size(), 0);
        QVERIFY(!QFile::exists(home.filePath(reportName)));
    }

    void readManyGaugesIntoOneProjectEach()
    {
        ScopedTestHome home;
        SimProcess a({"--family", "register", "--register", "4/5=7"}, home.filePath("a.json"));
        SimProcess b({"--family", "register", "--register", "4/5=3"}, home.filePath("b.json"));
        const CliResult r = runCli({"read", "--family", "register", "--port", a.device(), "--port", b.device(), "-o",
                                    "projects", "--report", "r.csv"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const auto illumination = [&](const QString &device) {
            ConfigRecord cfg;
            const QString name = device.mid(5).replace('/', '-') + ".rix"; // /dev/pts/N -> pts-N.rix
            project_file::readFile(home.filePath("projects/" + name), cfg);
            return cfg.Illumination;
        };
        QCOMPARE(illumination(a.device()), 70.0);
        QCOMPARE(illumination(b.device()), 30.0);
        const QStringList csv = lines(home.filePath("r.csv"));
        QCOMPARE(csv.size(), 3);
        QCOMPARE(csv[0], QString("Port,Family,Success,Message,Seconds,Backup"));
        QVERIFY2(csv[1].startsWith(a.device() + ",register,true,"), qPrintable(csv[1]));
    }

    // A gauge of each family, a silent line, a missing port, a network port
    // written wrongly or refusing (rfc2217 and raw), and a port held by
    // another program: one entry each, none waited for long.
    void probeListsEveryPortTried()
    {
        ScopedTestHome home;
        SimProcess block({"--family", "block", "--firmware", "65,2"}, home.filePath("block.json"));
        SimProcess registers(simArgs("register"), home.filePath("register.json"));
        SimProcess silent(simArgs("block", "any=silence"), home.filePath("silent.json"));
        SimProcess held(simArgs("block"), home.filePath("held.json"));
        QSerialPort holder(held.device());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        const QString missing = home.filePath("ttyMissing");
        const QString portless = QStringLiteral("rfc2217://quaybox"); // a network port without its number
        QTcpServer closing;
        QVERIFY(closing.listen(QHostAddress::LocalHost));
        const QString refusing = QStringLiteral("rfc2217://127.0.0.1:%1").arg(closing.serverPort());
        // A raw port runs at one speed: only the family that speaks it is tried.
        const QString rawRefusing = QStringLiteral("tcp://127.0.0.1:%1").arg(closing.serverPort());
        closing.close();

        QStringList args{"probe", "--json"};
        for (const QString &port :
             {block.device(), registers.device(), silent.device(), held.device(), missing, portless, refusing,
              rawRefusing})
            args << "--port" << port;
        const CliResult r = runCli(args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QMap<QString, QJsonObject> byPort;
        for (const QJsonValue &v : QJsonDocument::fromJson(r.out.toUtf8()).array())
            byPort.insert(v.toObject()["Port"].toString(), v.toObject());

        QCOMPARE(byPort[block.device()]["Family"].toString(), QString("block"));
        QCOMPARE(byPort[block.device()]["FirmwareVersion"].toArray(), (QJsonArray{65, 2}));
        QCOMPARE(byPort[registers.device()]["Family"].toString(), QString("register"));
        QVERIFY(byPort[registers.device()]["FirmwareVersion"].isNull());
        for (const QString &port : {silent.device(), held.device(), missing}) {
            QVERIFY2(byPort.contains(port), qPrintable(port));
            QVERIFY(byPort[port]["Family"].isNull());
            QVERIFY(byPort[port]["FirmwareVersion"].isNull());
        }
        QCOMPARE(byPort[silent.device()]["Message"].toString(), QString("No answer"));
        QVERIFY2(byPort[held.device()]["Message"].toString().startsWith("Busy or refuses to open"),
                 qPrintable(byPort[held.device()]["Message"].toString()));
        QCOMPARE(byPort[missing]["Message"].toString(), QString("No such port"));
        QVERIFY2(byPort[portless]["Message"].toString().startsWith("No such port (not a network port of the form"),
                 qPrintable(byPort[portless]["Message"].toString()));
        for (const QString &port : {refusing, rawRefusing})
            QCOMPARE(byPort[port]["Message"].toString(), QString("Cannot be reached (connection refused)"));
        QCOMPARE(held.stopAndReadState()["frames"].toArray().size(), 0);
    }
};

SKALERON_TEST(ServiceBenchCliTest)
#include "ServiceBenchCliTest.moc"
