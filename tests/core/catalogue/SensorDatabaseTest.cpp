#include "common/CatalogueFiles.h"
#include "base/SettingsStore.h"
#include "catalogue/SensorSelection.h"
#include "catalogue/CatalogueLocation.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/SensorGroups.h"
#include "model/ValueList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

using namespace catalogue_files;

static SensorDefinition definition(const QVector<double> &xColumn, const QVector<double> &yColumn)
{
    SensorDefinition d;
    d.Name = "Own sender";
    d.XUnit = "Ohm";
    d.YUnit = "%";
    for (int i = 0; i < xColumn.size(); ++i)
        d.XColumn[i] = xColumn[i];
    for (int i = 0; i < yColumn.size(); ++i)
        d.YColumn[i] = yColumn[i];
    d.Count = int(std::max(xColumn.size(), yColumn.size()));
    return d;
}

class SensorDatabaseTest : public QObject
{
    Q_OBJECT

    QString standardFile(const testing_support::ScopedTestHome &home)
    {
        const QString db = home.filePath("standard.sqlite");
        createSensorTable(db);
        insertRows(db, "SensorTabelle",
                   {sensorRow(3, "Druckgeber", "P-2"), sensorRow(4, "Druckgeber", "P-1"),
                    sensorRow(5, "Temperaturgeber", "T-1"), sensorRow(6, "Benutzerdefiniert", "")});
        return db;
    }
    QString userFile(const testing_support::ScopedTestHome &home)
    {
        const QString db = home.filePath("user.sqlite");
        createSensorTable(db);
        insertRows(db, "SensorTabelle", {sensorRow(1, "Benutzerdefiniert", ""), sensorRow(2, "Druckgeber", "U-P")});
        return db;
    }

    // The standard and the user file in use; the user file's path.
    QString useBothFiles(const testing_support::ScopedTestHome &home)
    {
        const QString user = userFile(home);
        useCatalogue(standardFile(home));
        useUserCatalogue(user);
        return user;
    }

private slots:
    void defaultsUsedNotStored()
    {
        testing_support::ScopedTestHome home;
        QCOMPARE(SensorRecordset(false).configuredDatabasePath(), catalogue_location::defaultDatabasePath());
        const QString own = home.filePath("data/Veltrona/skaleron/user-sensors.sqlite");
        QCOMPARE(SensorRecordset(true).configuredDatabasePath(), own);
        QVERIFY(!QFile::exists(settings_store::location()));
    }

    void userDatabaseLeavesTheSharedCatalogue()
    {
        testing_support::ScopedTestHome home;
        // Stored by earlier versions, which defaulted both names to the catalogue.
        useUserCatalogue(catalogue_location::defaultDatabasePath());
        QCOMPARE(SensorRecordset(true).configuredDatabasePath(), catalogue_location::defaultUserSensorDatabasePath());
    }

    void ownUserDatabaseMadeOnFirstWrite_data()
    {
        QTest::addColumn<QString>("setting"); // relative to the home; empty: none stored
        QTest::newRow("default") << QString();
        QTest::newRow("set in the settings, folder not there yet") << "bench/own-sensors.sqlite";
    }

    void ownUserDatabaseMadeOnFirstWrite()
    {
        QFETCH(QString, setting);
        testing_support::ScopedTestHome home;
        useCatalogue(standardFile(home));
        if (!setting.isEmpty())
            useUserCatalogue(home.filePath(setting));
        const QString own = setting.isEmpty() ? catalogue_location::defaultUserSensorDatabasePath()
                                              : home.filePath(setting);
        SensorSelection s;
        s.Type = 4;
        QCOMPARE(s.fillList().size(), 1); // the standard one; listing makes no file
        QVERIFY(!QFile::exists(own));
        QVERIFY(s.addSensor(definition({240, 33}, {0, 100})));
        QVERIFY(QFile::exists(own));
        QCOMPARE(queryValue(own, "SELECT [Name] FROM SensorTabelle").toString(), QString("Own sender"));
        QCOMPARE(s.fillList().size(), 2);
        QVERIFY(s.addSensor(definition({1, 2}, {3, 4})));
        QCOMPARE(queryValue(own, "SELECT COUNT(*) FROM SensorTabelle").toInt(), 2);
    }

    void userFileThatIsNoDatabaseIsKept()
    {
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        useCatalogue(standardFile(home));
        const QString own = catalogue_location::defaultUserSensorDatabasePath();
        QVERIFY(QDir().mkpath(QFileInfo(own).absolutePath()));
        QFile f(own);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("my notes, not a database");
        f.close();
        SensorSelection s;
        s.Type = 4;
        QVERIFY(s.fillList().isEmpty());
        QVERIFY(!messages.texts().isEmpty());
        QVERIFY(messages.texts().first().contains("user-sensors.sqlite"));
        QVERIFY(!s.addSensor(definition({240, 33}, {0, 100})));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("my notes, not a database"));
    }

    void userFlagChoosesTheSetting()
    {
        testing_support::ScopedTestHome home;
        useCatalogue("/a/standard.sqlite");
        useUserCatalogue("/b/user.sqlite");
        QCOMPARE(SensorRecordset(false).configuredDatabasePath(), QString("/a/standard.sqlite"));
        QCOMPARE(SensorRecordset(true).configuredDatabasePath(), QString("/b/user.sqlite"));
    }

    void groupTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("filter");
        QTest::newRow("0") << 0 << "([Gruppe] = 'Vorrat Hebelgeber')";
        QTest::newRow("1") << 1 << "([Gruppe] = 'Vorrat Tauchrohrgeber')";
        QTest::newRow("2") << 2 << "([Gruppe] = 'Temperaturgeber')";
        QTest::newRow("3") << 3 << "([Gruppe] = 'Druckgeber')";
        QTest::newRow("4") << 4 << "([Gruppe] = 'Benutzerdefiniert')";
        QTest::newRow("5: all") << 5 << "";
        QTest::newRow("-1: all") << -1 << "";
    }
    void groupTable()
    {
        QFETCH(int, index);
        QFETCH(QString, filter);
        QCOMPARE(sensor_groups::filter(index), filter);
        QCOMPARE(SensorSelection::canChange(index), index == 4);
    }

    void listsStandardFirstWithRowKeys()
    {
        testing_support::ScopedTestHome home;
        useBothFiles(home);
        SensorSelection s;
        s.Type = 3;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].OrderNumber, QString("P-1")); // sorted by order number
        QCOMPARE(rows[0].RowKey, 4);
        QCOMPARE(rows[1].RowKey, 3);
        QCOMPARE(rows[2].RowKey, 10002);
        QVERIFY(rows[2].FromUserDatabase);
        QCOMPARE(rows[0].TypeLabel, sensor_groups::label(3));
        QCOMPARE(rows[0].Name, QString("Sensor 4"));
        QCOMPARE(rows[0].Ranges, QString("0 - 100 %, 10 - 180 Ohm"));
        QCOMPARE(s.UnitX, QString("%"));
        QCOMPARE(s.UnitY, QString("Ohm"));
    }

    // Both settings naming one file: every row once, a user-defined one as a
    // user row, which a change edits in place.
    void sameFileListsEveryRowOnce()
    {
        testing_support::ScopedTestHome home;
        const QString db = standardFile(home);
        useCatalogue(db);
        useUserCatalogue(db);
        SensorSelection s;
        s.Type = 3;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].RowKey, 4);
        QCOMPARE(rows[1].RowKey, 3);

        s.Type = 4;
        const QVector<SensorListRow> user = s.fillList();
        QCOMPARE(user.size(), 1);
        QCOMPARE(user[0].RowKey, 10006);
        SensorDefinition d;
        QVERIFY(s.prepareChange(user[0], d));
        QVERIFY(s.changeSensor(user[0], definition({1, 2, 3}, {10, 20, 30})));
        QCOMPARE(s.fillList().size(), 1);
        QCOMPARE(queryValue(db, "SELECT COUNT(*) FROM SensorTabelle").toInt(), 4);
    }

    void takeCopiesTheRecord()
    {
        testing_support::ScopedTestHome home;
        useBothFiles(home);
        SensorSelection s;
        s.Type = 4;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 2);
        QVERIFY(!s.Taken);
        QVERIFY(s.take(rows[1]));
        QVERIFY(s.Taken);
        QCOMPARE(s.Group, QString("Benutzerdefiniert"));
        QCOMPARE(s.YValues, QString("10;95;180"));
        QCOMPARE(s.XValues, QString("0;50;100"));
        QCOMPARE(s.YMax, 180.0);
    }

    // A sensor looked at (taken, or shown in the definition window) holds no
    // lock: another program (the command-line tool) may change the database.
    void lookingHoldsNoLock_data()
    {
        QTest::addColumn<bool>("prepareChange");
        QTest::newRow("taken") << false;
        QTest::newRow("shown for a change") << true;
    }
    void lookingHoldsNoLock()
    {
        QFETCH(bool, prepareChange);
        testing_support::ScopedTestHome home;
        const QString user = useBothFiles(home);
        SensorSelection s;
        s.Type = 4;
        const QVector<SensorListRow> rows = s.fillList();
        SensorDefinition shown;
        QVERIFY(prepareChange ? s.prepareChange(rows[1], shown) : s.take(rows[1]));
        QCOMPARE(changeElsewhere(user, "UPDATE SensorTabelle SET Name = 'elsewhere' WHERE id = 1"), QString());
    }

    void takeOfADeletedRecordTakesNothing()
    {
        testing_support::ScopedTestHome home;
        const QString user = useBothFiles(home);
        SensorSelection s;
        s.Type = 4;
        const QVector<SensorListRow> rows = s.fillList();
        QVERIFY(s.deleteSensor(rows[1]));
        QVERIFY(!s.rowGone());
        QVERIFY(!s.take(rows[1]));
        QVERIFY(s.rowGone()); // the list tells it and fills again
        QVERIFY(!s.Taken);
        QCOMPARE(queryValue(user, "SELECT COUNT(*) FROM SensorTabelle WHERE id = 1").toInt(), 0);
        QCOMPARE(s.fillList().size(), 1);
    }

    // A standard record keyed 10000 or more is still found in its own database.
    void highStandardKeyStaysInItsDatabase()
    {
        testing_support::ScopedTestHome home;
        const QString standard = home.filePath("standard.sqlite");
        createSensorTable(standard);
        insertRows(standard, "SensorTabelle", {sensorRow(10001, "Druckgeber", "HIGH")});
        useCatalogue(standard);
        useUserCatalogue(userFile(home));
        SensorSelection s;
        s.Type = 3;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 2);
        QVERIFY(s.take(rows[0]));
        QCOMPARE(s.OrderNumber, QString("HIGH"));
    }

    void newSensorWithThreeRows()
    {
        testing_support::ScopedTestHome home;
        const QString user = useBothFiles(home);
        SensorSelection s;
        s.Type = 4;
        s.fillList();
        const SensorDefinition preset = s.newDefinition();
        QCOMPARE(preset.XUnit, QString("Ohm")); // unit Y of the first row
        QCOMPARE(preset.YUnit, QString("%"));
        QVERIFY(s.addSensor(definition({240, 120, 33}, {5, -2, 100})));
        const QString where = " FROM SensorTabelle WHERE Name = 'Own sender'";
        // y column -> X, x column -> Y, sorted by X; only the three pairs given.
        QCOMPARE(queryValue(user, "SELECT [X-Werte]" + where).toString(), QString("-2.000000;5.000000;100.000000"));
        QCOMPARE(queryValue(user, "SELECT [Y-Werte]" + where).toString(), QString("120.000000;240.000000;33.000000"));
        QCOMPARE(queryValue(user, "SELECT [BeginX]" + where).toDouble(), -2.0);
        QCOMPARE(queryValue(user, "SELECT [EndX]" + where).toDouble(), 100.0);
        QCOMPARE(queryValue(user, "SELECT [YMin]" + where).toDouble(), 33.0);
        QCOMPARE(queryValue(user, "SELECT [YMax]" + where).toDouble(), 240.0);
        QCOMPARE(queryValue(user, "SELECT [DimensionY]" + where).toString(), QString("Ohm"));
        QCOMPARE(queryValue(user, "SELECT [DimensionX]" + where).toString(), QString("%"));
        QCOMPARE(queryValue(user, "SELECT [Gruppe]" + where).toString(), QString("Benutzerdefiniert"));
        QCOMPARE(queryValue(user, "SELECT [Bestellnummer]" + where).toString(), QString(""));
        QCOMPARE(queryValue(user, "SELECT [id]" + where).toInt(), 3); // after the largest key
        QCOMPARE(s.fillList().size(), 3);
    }

    void storedInAscendingX()
    {
        SensorRecordset record;
        SensorSelection::storeDefinition(
            definition({1, 2, 3, 4, 5, 6, 7, 8}, {30, 10, 20, 40, 50, 60, 70, 80}), record);
        QCOMPARE(record.m_XWerte,
                 QString("10.000000;20.000000;30.000000;40.000000;50.000000;60.000000;70.000000;80.000000"));
        QCOMPARE(record.m_YWerte, QString("2.000000;3.000000;1.000000;4.000000;5.000000;6.000000;7.000000;8.000000"));
        QCOMPARE(record.m_BeginX, 10.0);
        QCOMPARE(record.m_EndX, 80.0);
        QCOMPARE(record.m_YMin, 1.0);
        QCOMPARE(record.m_YMax, 8.0);
    }

    void equalXKeepsItsOrder()
    {
        SensorRecordset record;
        SensorSelection::storeDefinition(definition({1, 2, 3, 4, 5, 6, 7, 8}, {5, 5, 1, 5, 9, 9, 9, 9}), record);
        QCOMPARE(value_list::readNumbers(record.m_YWerte, 8), QVector<double>({3, 1, 2, 4, 5, 6, 7, 8}));
    }

    void changeRoundTripsTheDefinition()
    {
        testing_support::ScopedTestHome home;
        const QString user = useBothFiles(home);
        SensorSelection s;
        s.Type = 4;
        QVERIFY(s.addSensor(definition({240, 200, 160, 125, 95, 70, 50, 33}, {0, 10, 25, 40, 55, 70, 85, 100})));
        QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 3);
        // Equal order numbers come in no fixed order: find the new row by name.
        const auto added = std::find_if(rows.begin(), rows.end(), [](const SensorListRow &r) {
            return r.Name == "Own sender";
        });
        QVERIFY(added != rows.end());
        SensorDefinition d;
        QVERIFY(s.prepareChange(*added, d));
        QCOMPARE(d.Name, QString("Own sender"));
        QCOMPARE(d.XUnit, QString("Ohm"));
        QCOMPARE(d.XColumn[0], 240.0);
        QCOMPARE(d.XColumn[7], 33.0);
        QCOMPARE(d.YColumn[3], 40.0);
        QVERIFY(!s.Taken);
        d.Name = "Renamed";
        d.YColumn[0] = 5;
        QVERIFY(s.changeSensor(*added, d));
        QCOMPARE(queryValue(user, "SELECT COUNT(*) FROM SensorTabelle").toInt(), 3);
        QCOMPARE(queryValue(user, "SELECT [BeginX] FROM SensorTabelle WHERE Name = 'Renamed'").toDouble(), 5.0);
    }

    // Change in the sensor list fills the definition window from the stored
    // lists as the calibration reads them: nothing written by another
    // program's style is cut off and then stored short.
    void changeReadsStoredListsAsTheCurveDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<double>>("values");
        QTest::newRow("as written") << "1.000000;2.5;3;4;5;6;7;8" << QVector<double>{1, 2.5, 3, 4, 5, 6, 7, 8};
        QTest::newRow("three values") << "1;2;3" << QVector<double>{1, 2, 3};
        QTest::newRow("blank separated") << "1 2 3" << QVector<double>{1, 2, 3};
        QTest::newRow("decimal comma") << "1,5;2" << QVector<double>{1.5, 2};
        QTest::newRow("text") << "abc" << QVector<double>{};
        QTest::newRow("ten values") << "1;2;3;4;5;6;7;8;9;10" << QVector<double>{1, 2, 3, 4, 5, 6, 7, 8};
    }
    void changeReadsStoredListsAsTheCurveDoes()
    {
        QFETCH(QString, text);
        QFETCH(QVector<double>, values);
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("user.sqlite");
        createSensorTable(db);
        QVariantMap row = sensorRow(1, "Benutzerdefiniert", "");
        row["Y-Werte"] = text; // the window's x column
        row["X-Werte"] = "1;2;3;4;5;6;7;8";
        insertRows(db, "SensorTabelle", {row});
        useCatalogue(db);
        useUserCatalogue(db);
        SensorSelection s;
        s.Type = sensor_groups::UserDefined;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 1);
        SensorDefinition d;
        QVERIFY(s.prepareChange(rows.first(), d));
        QCOMPARE(QVector<double>(d.XColumn.begin(), d.XColumn.begin() + d.Count), values);
    }

    void nullValuesInEveryColumn()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("s.sqlite");
        createSensorTable(db);
        insertRows(db, "SensorTabelle", {QVariantMap{{"id", 1}, {"Gruppe", "Druckgeber"}}});
        useCatalogue(db);
        useUserCatalogue(db);
        SensorSelection s;
        s.Type = 3;
        const QVector<SensorListRow> rows = s.fillList();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].Ranges, QString("0 - 0 , 0 - 0 "));
        QVERIFY(s.take(rows[0]));
        QCOMPARE(s.XValues, QString());
    }

    void writingToAnAccessFileIsRefused()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        // An Access file cannot be made here with the sensor table; a copy of a
        // fixture stands for the user database and fails on opening instead.
        useCatalogue(standardFile(home));
        useUserCatalogue(testing_support::accessFixture("types-97.mdb"));
        SensorSelection s;
        s.Type = 4;
        QVERIFY(s.fillList().isEmpty());
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().first().contains("types-97.mdb"));
        QVERIFY(messages.texts().first().contains("SensorTabelle"));
        QVERIFY(!s.addSensor(definition({1}, {1})));
    }

    void engineErrorOnWriteIsShown()
    {
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        const QString user = userFile(home);
        {
            // A catalogue that refuses changes through a trigger.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "trigger");
            db.setDatabaseName(user);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON SensorTabelle "
                           "BEGIN SELECT RAISE(ABORT, 'catalogue is frozen'); END"));
            QVERIFY(q.exec("CREATE TRIGGER refuse_update BEFORE UPDATE ON SensorTabelle "
                           "BEGIN SELECT RAISE(ABORT, 'catalogue is frozen'); END"));
        }
        QSqlDatabase::removeDatabase("trigger");
        useCatalogue(standardFile(home));
        useUserCatalogue(user);
        SensorSelection s;
        s.Type = 4;
        const QVector<SensorListRow> rows = s.fillList();
        QVERIFY(!s.addSensor(definition({1, 2}, {3, 4})));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().first().contains("user.sqlite"));
        QVERIFY(messages.texts().first().contains("catalogue is frozen"));
        QVERIFY(!s.changeSensor(rows[1], definition({1, 2}, {3, 4})));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(s.fillList().size(), 2);
    }

    void readOnlyMessageExplainsTheConversion()
    {
        const QString text = CatalogueConnection::accessReadOnlyMessage("/data/sensors.mdb");
        QVERIFY(text.contains("sensors.mdb"));
        QVERIFY(text.contains("skaleron-cli catalogue import"));
    }

    void listingWritesNothing()
    {
        testing_support::ScopedTestHome home;
        const QString db = standardFile(home);
        useCatalogue(db);
        useUserCatalogue(db);
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        const QDateTime modified = QFileInfo(db).lastModified();
        QThread::msleep(20);
        {
            SensorSelection s;
            for (int type = 0; type < 6; ++type) {
                s.Type = type;
                const auto rows = s.fillList();
                if (!rows.isEmpty())
                    QVERIFY(s.take(rows.first()));
            }
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QFileInfo(db).lastModified(), modified);
    }

    void missingDatabaseListsNothing()
    {
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        useCatalogue(home.filePath("none.sqlite"));
        useUserCatalogue(userFile(home));
        SensorSelection s;
        s.Type = 4;
        QVERIFY(s.fillList().isEmpty());
        QVERIFY(messages.texts().first().contains("none.sqlite"));
        QVERIFY(!QFile::exists(home.filePath("none.sqlite")));
    }

    void sampleCatalogueHasEveryGroup()
    {
        testing_support::ScopedTestHome home;
        const QString sample = testing_support::binDir() + "/" + catalogue_location::sampleCatalogueFileName();
        useCatalogue(sample);
        SensorSelection s;
        for (int type = 0; type < 4; ++type) {
            s.Type = type;
            const QVector<SensorListRow> rows = s.fillList();
            QVERIFY2(rows.size() >= 3, qPrintable(QString::number(type)));
            for (const SensorListRow &row : rows) {
                QVERIFY(s.take(row));
                const QVector<double> x = value_list::readNumbers(s.XValues, 250);
                const QVector<double> y = value_list::readNumbers(s.YValues, 250);
                QCOMPARE(x.size(), y.size());
                QVERIFY(x.size() >= 5);
                QCOMPARE(*std::min_element(x.begin(), x.end()), s.BeginX);
                QCOMPARE(*std::max_element(x.begin(), x.end()), s.EndX);
                QCOMPARE(*std::min_element(y.begin(), y.end()), s.YMin);
                QCOMPARE(*std::max_element(y.begin(), y.end()), s.YMax);
            }
        }
    }
};

SKALERON_TEST(SensorDatabaseTest)
#include "SensorDatabaseTest.moc"
