// skaleron-cli sensors: a user sensor added, listed, resampled as the
// calibration form would, changed and deleted; bad input refused with exit 2,
// a missing sensor with exit 1, and nothing half-written.
#include "base/SettingsStore.h"
#include "common/CatalogueFiles.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/ValueList.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace catalogue_files;
using testing_support::binDir;

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
    p.start(binDir() + "/skaleron-cli", QStringList{"sensors"} + args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A standard catalogue with a good sensor (2) and one of a single point (3).
QString standardFile(const testing_support::ScopedTestHome &home)
{
    const QString db = home.filePath("standard.sqlite");
    createSensorTable(db);
    QVariantMap single = sensorRow(3, "Druckgeber", "P-1");
    single["X-Werte"] = "5";
    single["Y-Werte"] = "50";
    insertRows(db, "SensorTabelle", {sensorRow(2, "Temperaturgeber", "T-1"), single});
    // In the settings the tool reads: those of the desktop program.
    const QString own = settings_store::applicationName();
    settings_store::setApplicationName("skaleron");
    useCatalogue(db);
    settings_store::setApplicationName(own);
    return db;
}

}

class SensorCliTest : public QObject
{
    Q_OBJECT
private slots:
    void userSensorFromAddToDelete()
    {
        testing_support::ScopedTestHome home;
        standardFile(home);
        Run r = cli({"add", "Bilge", "--x", "100;0;50;", "--y", "190 10 100", "--x-unit", "%", "--y-unit", "Ohm"});
        QCOMPARE(r.status, 0);
        const QString id = r.out.trimmed();
        QCOMPARE(id, QString("1"));

        r = cli({"list", "4", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonArray listed = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0]["Database"].toString(), QString("user"));
        QCOMPARE(listed[0]["Name"].toString(), QString("Bilge"));
        QCOMPARE(listed[0]["Group"].toString(), QString("Benutzerdefiniert"));

        // Only the three pairs given make the curve: no (0, 0) pulls it down.
        r = cli({"resample", id, "--user", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.keys(), (QStringList{"Id", "Points"}));
        QCOMPARE(o["Id"].toInt(), 1);
        const QJsonArray points = o["Points"].toArray();
        QCOMPARE(points.size(), 8);
        QCOMPARE(points[0].toObject().keys(), (QStringList{"Quantity", "Resistance"}));
        QCOMPARE(points[0]["Resistance"].toDouble(), 10.0);
        QCOMPARE(points[1]["Quantity"].toDouble(), 14.3);
        QCOMPARE(points[1]["Resistance"].toDouble(), 35.7);
        QCOMPARE(points[7]["Resistance"].toDouble(), 190.0);

        QCOMPARE(cli({"change", id, "--name", "Bilge 2"}).status, 0);
        QVERIFY(cli({"list", "Benutzerdefiniert"}).out.contains("\tBilge 2\t"));
        r = cli({"delete", id});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("--yes"));
        QCOMPARE(cli({"delete", id, "--yes"}).status, 0);
        QCOMPARE(cli({"resample", id, "--user"}).status, 1);
    }

    void standardSensorResampled()
    {
        testing_support::ScopedTestHome home;
        standardFile(home);
        const Run r = cli({"resample", "2"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[1], QString("14.3\t34.3"));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("letters in a list") << QStringList{"add", "A", "--x", "1;a", "--y", "1;2"} << 2 << "\"a\"";
        QTest::newRow("lists of different length") << QStringList{"add", "A", "--x", "1;2", "--y", "1"} << 2 << "2";
        QTest::newRow("nine pairs")
            << QStringList{"add", "A", "--x", "1 2 3 4 5 6 7 8 9", "--y", "1 2 3 4 5 6 7 8 9"} << 2 << "9";
        QTest::newRow("all quantities equal") << QStringList{"add", "A", "--x", "0;0", "--y", "1;2"} << 2 << "--x";
        QTest::newRow("one pair") << QStringList{"add", "A", "--x", "5", "--y", "10"} << 2 << "two value pairs";
        QTest::newRow("--x without --y") << QStringList{"add", "A", "--x", "0;100"} << 2 << "together";
        QTest::newRow("no values") << QStringList{"add", "A"} << 2 << "";
        QTest::newRow("sensor of one point") << QStringList{"resample", "3"} << 2 << "1";
        QTest::newRow("unknown sensor") << QStringList{"resample", "99"} << 1 << "99";
        QTest::newRow("id that is no number") << QStringList{"resample", "x"} << 2 << "\"x\"";
        QTest::newRow("unknown user sensor") << QStringList{"delete", "7", "--yes"} << 1 << "7";
        QTest::newRow("unknown option") << QStringList{"list", "--fast"} << 2 << "'fast'";
    }
    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, reason);
        testing_support::ScopedTestHome home;
        standardFile(home);
        const Run r = cli(args);
        QCOMPARE(r.status, status);
        // One line, and for bad usage the hint to the help.
        QCOMPARE(r.err.count('\n'), r.err.contains("\nTry 'skaleron-cli sensors ") ? 2 : 1);
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // Both settings naming one file: every sensor once, where its row belongs.
    void oneDatabaseForBothListsEachSensorOnce()
    {
        testing_support::ScopedTestHome home;
        const QString db = standardFile(home);
        insertRows(db, "SensorTabelle", {sensorRow(5, "Benutzerdefiniert", "")});
        const QString own = settings_store::applicationName();
        settings_store::setApplicationName("skaleron");
        useUserCatalogue(db);
        settings_store::setApplicationName(own);
        const Run r = cli({"list"});
        QCOMPARE(r.out.count('\n'), 3); // user 5, standard 3 and 2
        QVERIFY2(r.out.startsWith("user\t5\t"), qPrintable(r.out));
    }

    // A curve written by another program with blanks and a decimal comma is
    // kept whole by a change of name.
    void renameKeepsALooselyWrittenCurve()
    {
        testing_support::ScopedTestHome home;
        standardFile(home);
        const QString user = home.filePath("user.sqlite");
        createSensorTable(user);
        QVariantMap row = sensorRow(5, "Benutzerdefiniert", "");
        row["X-Werte"] = "0 ; 50 ; 100";
        row["Y-Werte"] = "10,5; 95; 180";
        insertRows(user, "SensorTabelle", {row});
        const QString own = settings_store::applicationName();
        settings_store::setApplicationName("skaleron");
        useUserCatalogue(user);
        settings_store::setApplicationName(own);
        const Run r = cli({"change", "5", "--name", "Tank 5"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(queryValue(user, "SELECT Name FROM SensorTabelle WHERE id = 5").toString(), QString("Tank 5"));
        QCOMPARE(value_list::readNumbers(queryValue(user, "SELECT [X-Werte] FROM SensorTabelle WHERE id = 5").toString(), 8),
                 (QVector<double>{0, 50, 100}));
        QCOMPARE(value_list::readNumbers(queryValue(user, "SELECT [Y-Werte] FROM SensorTabelle WHERE id = 5").toString(), 8),
                 (QVector<double>{10.5, 95, 180}));
    }

    void userFileThatIsNoDatabase()
    {
        testing_support::ScopedTestHome home;
        standardFile(home);
        const QString notes = home.filePath("notes.txt");
        QFile f(notes);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
        f.close();
        const Run r = cli({"add", "A", "--x", "0;1", "--y", "1;2", "--db", notes});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("notes.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a database"));
    }
};

SKALERON_TEST(SensorCliTest)
#include "SensorCliTest.moc"
