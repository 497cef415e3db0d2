#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace testing_support;

namespace {

struct Run
{
    int status;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(binDir() + "/skaleron-cli", args);
    p.waitForFinished(20000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}

class RixCliTest : public QObject
{
    Q_OBJECT
private slots:
    void newShowSet()
    {
        ScopedTestHome home;
        const QString path = home.filePath("a.rix");
        QCOMPARE(cli({"rix", "new", path}).status, 0);
        QCOMPARE(bytesOf(path).size(), 76);

        Run shown = cli({"rix", "show", path});
        QCOMPARE(shown.status, 0);
        QJsonObject json = QJsonDocument::fromJson(shown.out).object();
        QCOMPARE(json.value("Version").toInt(), 103);
        QCOMPARE(json.value("DisplayMask").toInt(), 0xFFFF);
        QCOMPARE(json.value("MasterId").toInt(), -1);
        QCOMPARE(json.size(), 15);
        for (const char *key : {"DataSource", "KValue", "WarnThreshold", "WarnMode", "DataSource2", "MValue",
                                "DisplayMask", "Illumination", "DistanceUnit", "TemperatureUnit", "TimeFormat",
                                "DepthUnit", "MasterId", "BuzzerActive"})
            QVERIFY2(json.contains(key), key);

        QCOMPARE(cli({"rix", "set", path, "KValue=12,5", "DisplayMask=0x874", "MasterId=7", "BuzzerActive=1"}).status, 0);
        json = QJsonDocument::fromJson(cli({"rix", "show", path}).out).object();
        QCOMPARE(json.value("KValue").toDouble(), 12.5);
        QCOMPARE(json.value("DisplayMask").toInt(), 0x874);
        QCOMPARE(json.value("MasterId").toInt(), 7);
        QCOMPARE(json.value("BuzzerActive").toInt(), 1);
    }

    void setRefusalNamesFieldValueAndRange()
    {
        ScopedTestHome home;
        const QString path = home.filePath("a.rix");
        QCOMPARE(cli({"rix", "new", path}).status, 0);
        const Run run = cli({"rix", "set", path, "DepthUnit=1", "KValue=1e300"});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.trimmed(), QByteArray("skaleron-cli: KValue 1e+300 cannot be saved or sent to the gauge: "
                                               "allowed are 0 to 16777215."));
    }

    void setRewritesOldVersionsAs103()
    {
        ScopedTestHome home;
        const QString path = home.filePath("old.rix");
        QByteArray v100(64, '\0');
        v100[0] = 100;
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(v100);
        f.close();
        QCOMPARE(QJsonDocument::fromJson(cli({"rix", "show", path}).out).object().value("Version").toInt(), 100);
        QCOMPARE(cli({"rix", "set", path, "DepthUnit=1"}).status, 0);
        const QJsonObject json = QJsonDocument::fromJson(cli({"rix", "show", path}).out).object();
        QCOMPARE(json.value("Version").toInt(), 103);
        QCOMPARE(json.value("DepthUnit").toInt(), 1);
        QCOMPARE(json.value("MasterId").toInt(), -1);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args"); // "FILE" stands for a valid project, "BAD" for a damaged one
        QTest::addColumn<int>("status");
        QTest::newRow("no command") << QStringList{"rix"} << 2;
        QTest::newRow("unknown subcommand") << QStringList{"rix", "copy", "FILE"} << 2;
        QTest::newRow("unknown field") << QStringList{"rix", "set", "FILE", "Speed=1"} << 2;
        QTest::newRow("non-numeric") << QStringList{"rix", "set", "FILE", "KValue=abc"} << 2;
        QTest::newRow("fraction for an integer") << QStringList{"rix", "set", "FILE", "WarnMode=1.5"} << 2;
        QTest::newRow("integer too large") << QStringList{"rix", "set", "FILE", "MasterId=99999999999"} << 2;
        QTest::newRow("not finite") << QStringList{"rix", "set", "FILE", "KValue=inf"} << 2;
        QTest::newRow("no value") << QStringList{"rix", "set", "FILE", "KValue"} << 2;
        // What no gauge can take, whatever its master type.
        QTest::newRow("pulse factor past 24 bits") << QStringList{"rix", "set", "FILE", "KValue=1e300"} << 2;
        QTest::newRow("temperature unit off its list")
            << QStringList{"rix", "set", "FILE", "TemperatureUnit=1000000000"} << 2;
        QTest::newRow("display mask past 16 bits") << QStringList{"rix", "set", "FILE", "DisplayMask=0x10000"} << 2;
        QTest::newRow("illumination over 100 %") << QStringList{"rix", "set", "FILE", "Illumination=110"} << 2;
        QTest::newRow("illumination between its steps") << QStringList{"rix", "set", "FILE", "Illumination=45"} << 2;
        QTest::newRow("second source off its list") << QStringList{"rix", "set", "FILE", "DataSource2=3"} << 2;
        QTest::newRow("show damaged") << QStringList{"rix", "show", "BAD"} << 2;
        QTest::newRow("set damaged") << QStringList{"rix", "set", "BAD", "KValue=1"} << 2;
        QTest::newRow("show missing") << QStringList{"rix", "show", "MISSING"} << 2;
        QTest::newRow("new over existing") << QStringList{"rix", "new", "FILE"} << 1;
        QTest::newRow("new in missing folder") << QStringList{"rix", "new", "NOFOLDER"} << 1;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        ScopedTestHome home;
        const QString file = home.filePath("f.rix");
        const QString bad = home.filePath("bad.rix");
        QCOMPARE(cli({"rix", "new", file}).status, 0);
        QFile b(bad);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(QByteArray::fromHex("67000000010203"));
        b.close();
        const QByteArray before = bytesOf(file);
        for (QString &a : args) {
            if (a == "FILE") a = file;
            else if (a == "BAD") a = bad;
            else if (a == "MISSING") a = home.filePath("missing.rix");
            else if (a == "NOFOLDER") a = home.filePath("no/such/folder.rix");
        }
        const Run run = cli(args);
        QCOMPARE(run.status, status);
        QVERIFY(!run.err.trimmed().isEmpty());
        // a one-line reason, and for bad usage the hint to the help
        QCOMPARE(run.err.trimmed().count('\n'), run.err.contains("\nTry 'skaleron-cli rix") ? 1 : 0);
        QCOMPARE(bytesOf(file), before);            // a refused change writes nothing
        QCOMPARE(bytesOf(bad), QByteArray::fromHex("67000000010203"));
    }
};

SKALERON_TEST(RixCliTest)
#include "RixCliTest.moc"
