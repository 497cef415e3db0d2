#include "common/CatalogueFiles.h"
#include "common/DamagedAccess.h"
#include "catalogue/CatalogueLocation.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <climits>

using namespace catalogue_files;
using testing_support::binDir;
using testing_support::writeDamagedCopy;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(binDir() + "/skaleron-cli", args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString sample()
{
    return binDir() + "/" + catalogue_location::sampleCatalogueFileName();
}

}

class CatalogueCliTest : public QObject
{
    Q_OBJECT
private slots:
    void listsTheSampleCatalogue()
    {
        testing_support::ScopedTestHome home;
        const Run r = cli({"catalogue", "list"}); // the default catalogue
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 10);
        QVERIFY(lines.contains("5\tTachometer 0-4000 rpm\tno\tblock"));
        QVERIFY(lines.contains("8\tTachometer with LCD 0-4000 rpm\tyes\tregister"));
        QCOMPARE(cli({"catalogue", "list", "--db", sample()}).out, r.out);
        QVERIFY(!QFile::exists(home.filePath("Veltrona/skaleron.conf"))); // reading stores no defaults
    }

    void showsEveryPropertyAsJson()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {masterRow(42, "Tachometer with LCD \"x\"", "no")});
        const Run r = cli({"catalogue", "show", "42", "--db", db, "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QStringList keys{"Found", "SelectedId", "OrderNumber", "Description", "Diameter", "OuterScaleRange",
                               "InnerScaleRange", "SignalInput", "FreqInputs", "ScaleMin", "ScaleMax",
                               "WarnThresholdMin", "WarnThresholdMax", "CalculateThreshold", "KValueMin", "KValueMax",
                               "KValueUnit", "UseMinMax", "GaugeKind", "HasLcd", "PictureWidth", "PictureHeight",
                               "Family"};
        QCOMPARE(o.keys().size(), keys.size());
        for (const QString &k : keys)
            QVERIFY2(o.contains(k), qPrintable(k));
        QCOMPARE(o["Found"].toBool(), true);
        QCOMPARE(o["SelectedId"].toInt(), 42);
        QCOMPARE(o["Description"].toString(), QString("Tachometer with LCD \"x\""));
        QCOMPARE(o["OuterScaleRange"].toString(), QString("0 - 60 km/h"));
        QCOMPARE(o["KValueMax"].toDouble(), 60000.25);
        QCOMPARE(o["HasLcd"].toInt(), 0);
        QCOMPARE(o["GaugeKind"].toInt(), 2);
        QCOMPARE(o["PictureWidth"].toInt(), 0);
        QCOMPARE(o["Family"].toString(), QString("register"));
    }

    void showsThePictureSize()
    {
        testing_support::ScopedTestHome home;
        const Run r = cli({"catalogue", "show", "5", "--db", sample(), "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o["PictureWidth"].toInt(), 120);
        QCOMPARE(o["PictureHeight"].toInt(), 120);
        QCOMPARE(o["Family"].toString(), QString("block"));
        const Run text = cli({"catalogue", "show", "5", "--db", sample()});
        QVERIFY(text.out.contains("Description: Tachometer 0-4000 rpm\n"));
    }

    void sensorsOfAGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::newRow("index") << "3";
        QTest::newRow("group text") << "Druckgeber";
    }
    void sensorsOfAGroup()
    {
        QFETCH(QString, group);
        testing_support::ScopedTestHome home;
        const Run r = cli({"catalogue", "sensors", group, "--db", sample()});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.first().startsWith("10\tSK-PR-05\t"));
        QVERIFY(lines.first().endsWith("\t0 - 5 bar, 10 - 184 Ohm"));
    }

    void sensorsOfBothDatabases()
    {
        testing_support::ScopedTestHome home;
        // The user's own sensors are in a file of their own, empty at first.
        QCOMPARE(cli({"catalogue", "sensors", "4"}).out.split('\n', Qt::SkipEmptyParts).size(), 2);
        QVERIFY(!QFile::exists(home.filePath("Veltrona/skaleron.conf"))); // reading stores no defaults
        QCOMPARE(cli({"sensors", "add", "Own", "--x", "0;100", "--y", "10;190"}).status, 0);
        const Run r = cli({"catalogue", "sensors", "4"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[2].startsWith("10001\t"));
    }

    void failuresAndStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no subcommand") << QStringList{"catalogue"} << 2 << "catalogue needs one of";
        QTest::newRow("unknown option") << QStringList{"catalogue", "list", "--fast"} << 2 << "'fast'";
        QTest::newRow("db without path") << QStringList{"catalogue", "list", "--db"} << 2 << "--db";
        QTest::newRow("id not a number") << QStringList{"catalogue", "show", "seven"} << 2 << "seven";
        QTest::newRow("id beyond 32 bits") << QStringList{"catalogue", "show", "2147483648"} << 2
                                           << "ID 2147483648 is beyond what a project can hold";
        QTest::newRow("unknown group") << QStringList{"catalogue", "sensors", "9"} << 2 << "9";
        QTest::newRow("unknown id") << QStringList{"catalogue", "show", "777", "--db", "@sample"} << 1 << "777";
        QTest::newRow("import without tables") << QStringList{"catalogue", "import", "@types", "@out"} << 2
                                               << "types-97.mdb";
        QTest::newRow("import over a file") << QStringList{"catalogue", "import", "@sample", "@sample"} << 2
                                            << "exists";
        // Keys a project cannot hold are named, not wrapped into other keys.
        const QString wide = "\"RixData\" holds IDs that a project cannot hold: 2147483648, 9223372036854775807.";
        QTest::newRow("list, wide keys") << QStringList{"catalogue", "list", "--db", "@wide"} << 2 << wide;
        QTest::newRow("show, wide keys") << QStringList{"catalogue", "show", "3", "--db", "@wide"} << 2 << wide;
        QTest::newRow("import, wide keys") << QStringList{"catalogue", "import", "@wide", "@out"} << 2 << wide;
        QTest::newRow("sensors, wide key") << QStringList{"catalogue", "sensors", "3", "--db", "@wide"} << 2
                                           << "\"SensorTabelle\" holds IDs that a project cannot hold: -4294967296.";
    }
    void failuresAndStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, reason);
        if (args.contains("@types"))
            SKALERON_NEED_ACCESS_FIXTURES();
        testing_support::ScopedTestHome home;
        const QString wide = home.filePath("wide.sqlite");
        createMasterTable(wide);
        createSensorTable(wide);
        insertRows(wide, "RixData", {masterRow(3, "Narrow"), {{"ID", 2147483648LL}}, {{"ID", LLONG_MAX}}});
        insertRows(wide, "SensorTabelle", {sensorRow(1, "Druckgeber", "Q"), {{"id", -4294967296LL}}});
        for (QString &a : args) {
            a.replace("@wide", wide);
            a.replace("@sample", sample());
            a.replace("@types", testing_support::accessFixture("types-97.mdb"));
            a.replace("@out", home.filePath("out.sqlite"));
        }
        const Run r = cli(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(home.filePath("out.sqlite")));
    }

    // Whatever is wrong with the file, every command calls it bad input in
    // one line and leaves nothing behind.
    void fileThatIsNotACatalogueIsBadInput_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        const QString damaged = "could not be read: damaged or not an Access file.";
        QTest::newRow("list, missing file") << "list" << "missing.sqlite" << "does not exist";
        QTest::newRow("list, text file") << "list" << "text.sqlite" << "is not a catalogue";
        QTest::newRow("show, text file") << "show" << "text.sqlite" << "is not a catalogue";
        QTest::newRow("sensors, text file") << "sensors" << "text.sqlite" << "is not a catalogue";
        QTest::newRow("import, text file") << "import" << "text.sqlite" << "is not a catalogue";
        QTest::newRow("list, sensors only") << "list" << "sensors-only.sqlite" << "has no table \"RixData\"";
        QTest::newRow("sensors, master types only") << "sensors" << "master-only.sqlite"
                                                    << "has no table \"SensorTabelle\"";
        QTest::newRow("list, SQLite rows damaged") << "list" << "rows.sqlite" << "rows.sqlite\" is damaged";
        QTest::newRow("sensors, SQLite rows damaged") << "sensors" << "rows.sqlite" << "rows.sqlite\" is damaged";
        QTest::newRow("import, SQLite rows damaged") << "import" << "rows.sqlite" << "rows.sqlite\" is damaged";
        QTest::newRow("list, Access file cut short") << "list" << "cut.accdb" << damaged;
        QTest::newRow("show, Access file cut short") << "show" << "cut.accdb" << damaged;
        QTest::newRow("sensors, Access file cut short") << "sensors" << "cut.accdb" << damaged;
        QTest::newRow("import, Access file cut short") << "import" << "cut.accdb" << damaged;
        QTest::newRow("show, Access file that crashes the library") << "show" << "crash.mdb" << damaged;
        // Runs into the default time limit of 10 seconds.
        QTest::newRow("list, Access file that makes the library loop") << "list" << "loop.mdb" << damaged;
    }
    void fileThatIsNotACatalogueIsBadInput()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        if (file.endsWith(".mdb") || file.endsWith(".accdb"))
            SKALERON_NEED_ACCESS_FIXTURES();
        testing_support::ScopedTestHome home;
        const QString path = home.filePath(file);
        if (file == "text.sqlite") {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("ID;Description\n1;not a database\n");
        } else if (file == "sensors-only.sqlite") {
            createSensorTable(path);
        } else if (file == "master-only.sqlite") {
            createMasterTable(path);
        } else if (file == "rows.sqlite") {
            // The table list (first page) intact, every page after it not.
            QVERIFY(QFile::copy(sample(), path));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QByteArray header = f.read(18);
            const int pageSize = (uchar(header[16]) << 8) | uchar(header[17]);
            QVERIFY(f.seek(pageSize));
            f.write(QByteArray(int(f.size()) - pageSize, '\xff'));
        } else if (file == "cut.accdb") {
            writeDamagedCopy(testing_support::CutInsidePage, path);
        } else if (file == "crash.mdb") {
            writeDamagedCopy(testing_support::CrashingCatalogue, path);
        } else if (file == "loop.mdb") {
            writeDamagedCopy(testing_support::LoopingCatalogue, path);
        }
        const QString out = home.filePath("out.sqlite");
        const QStringList args = command == "import" ? QStringList{"catalogue", "import", path, out}
                                 : command == "show" ? QStringList{"catalogue", "show", "1", "--db", path}
                                 : command == "sensors" ? QStringList{"catalogue", "sensors", "0", "--db", path}
                                                        : QStringList{"catalogue", "list", "--db", path};
        const Run r = cli(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QCOMPARE(r.out, QString());
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(out + ".part"));
    }

    // The copy holds both tables with every row and picture; a second import
    // of the copy gives the same listing again.
    void importRoundTrips()
    {
        testing_support::ScopedTestHome home;
        const QString first = home.filePath("first.sqlite");
        const QString second = home.filePath("second.sqlite");
        Run r = cli({"catalogue", "import", sample(), first});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("12 master types, 14 sensors\n"));
        QCOMPARE(cli({"catalogue", "import", first, second}).status, 0);
        QCOMPARE(cli({"catalogue", "list", "--db", second}).out, cli({"catalogue", "list", "--db", sample()}).out);
        QCOMPARE(cli({"catalogue", "show", "8", "--db", second, "--json"}).out,
                 cli({"catalogue", "show", "8", "--db", sample(), "--json"}).out);
        for (int g = 0; g < 5; ++g)
            QCOMPARE(cli({"catalogue", "sensors", QString::number(g), "--db", second}).out,
                     cli({"catalogue", "sensors", QString::number(g), "--db", sample()}).out);
        QCOMPARE(queryValue(second, "SELECT [Picture] FROM RixData WHERE ID = 3").toByteArray(),
                 queryValue(sample(), "SELECT [Picture] FROM RixData WHERE ID = 3").toByteArray());
    }

    void importOfOneTable()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("sensors-only.sqlite");
        createSensorTable(db);
        insertRows(db, "SensorTabelle", {sensorRow(1, "Druckgeber", "X")});
        const Run r = cli({"catalogue", "import", db, home.filePath("out.sqlite")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("0 master types, 1 sensors\n"));
        QCOMPARE(cli({"catalogue", "list", "--db", home.filePath("out.sqlite")}).status, 2); // no RixData
    }
};

SKALERON_TEST(CatalogueCliTest)
#include "CatalogueCliTest.moc"
