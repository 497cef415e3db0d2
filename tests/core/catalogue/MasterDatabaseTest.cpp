#include "common/CatalogueFiles.h"
#include "base/SettingsStore.h"
#include "catalogue/MasterTypeSelection.h"
#include "catalogue/CatalogueLocation.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

using namespace catalogue_files;

class MasterDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultDatabaseIsUsedNotStored()
    {
        testing_support::ScopedTestHome home;
        QVERIFY(!settings_store::contains("Directories", "DBase"));
        MasterTypeRecordset rs;
        const QString name = rs.configuredDatabasePath();
#ifdef Q_OS_WIN
        QCOMPARE(name, QString("c:\\KLR_DataBase_VIZ_97.mdb"));
#else
        QCOMPARE(name, applicationFolder() + catalogue_location::sampleCatalogueFileName());
#endif
        QCOMPARE(name, catalogue_location::defaultDatabasePath());
        QVERIFY(!QFile::exists(settings_store::location()));
    }

    void storedDatabaseIsUsed()
    {
        testing_support::ScopedTestHome home;
        useCatalogue("/somewhere/own.sqlite");
        QCOMPARE(MasterTypeRecordset().configuredDatabasePath(), QString("/somewhere/own.sqlite"));
    }

    void fetchSetsFilterAndResults()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {masterRow(3, "Sumlog 0-12 kn"), masterRow(7, "Speedometer 0-60 km/h", "no")});
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(s.fetchById(7));
        QCOMPARE(s.recordset().m_filter, QString("[ID] = 7"));
        QVERIFY(s.recordset().queryText().endsWith("WHERE [ID] = 7"));
        QVERIFY(s.Results.Found);
        QCOMPARE(s.Results.SelectedId, 7);
        QCOMPARE(s.Results.GaugeKind, 0);
        QCOMPARE(s.Results.HasLcd, 0);
        QCOMPARE(s.Results.OrderNumber, QString("ON-7"));
        QCOMPARE(s.Results.Description, QString("Speedometer 0-60 km/h"));
        QCOMPARE(s.Results.Diameter, QString("85 mm"));
        QCOMPARE(s.Results.OuterScaleRange, QString("0 - 60 km/h"));
        QCOMPARE(s.Results.InnerScaleRange, QString("0 - 37 mph"));
        QCOMPARE(s.Results.SignalInput, QString("Frequency"));
        QCOMPARE(s.Results.FreqInputs, 2);
        QCOMPARE(s.Results.ScaleMax, 60);
        QCOMPARE(s.Results.WarnThresholdMin, 10);
        QCOMPARE(s.Results.WarnThresholdMax, 600);
        QCOMPARE(s.Results.CalculateThreshold, 1);
        QCOMPARE(s.Results.KValueMin, 1000.5);
        QCOMPARE(s.Results.KValueMax, 60000.25);
        QCOMPARE(s.Results.KValueUnit, QString("Imp./km"));
        QCOMPARE(s.Results.UseMinMax, 1);
    }

    void kindAndDisplayRules_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("lcd");
        QTest::addColumn<int>("gaugeKind");
        QTest::addColumn<int>("hasLcd");
        QTest::newRow("speedometer") << "Speedometer 0-35 kn" << "yes" << 0 << 1;
        QTest::newRow("both words: speedometer wins") << "Drehzahlmesser / Speedometer" << "yes" << 0 << 1;
        QTest::newRow("Drehzahlmesser only") << "Drehzahlmesser 0-4000" << "yes" << 1 << 1;
        QTest::newRow("tachometer is other") << "Tachometer 0-4000 rpm" << "yes" << 2 << 1;
        QTest::newRow("lower case words") << "speedometer drehzahlmesser" << "yes" << 2 << 1;
        QTest::newRow("LCD no") << "Sumlog" << "no" << 2 << 0;
        QTest::newRow("LCD containing no") << "Sumlog" << "none" << 2 << 0;
        QTest::newRow("LCD empty") << "Sumlog" << "" << 2 << 1;
        QTest::newRow("LCD upper-case NO") << "Sumlog" << "NO" << 2 << 1;
    }
    void kindAndDisplayRules()
    {
        QFETCH(QString, description);
        QFETCH(QString, lcd);
        QFETCH(int, gaugeKind);
        QFETCH(int, hasLcd);
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {masterRow(1, description, lcd)});
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(s.fetchById(1));
        QCOMPARE(s.Results.GaugeKind, gaugeKind);
        QCOMPARE(s.Results.HasLcd, hasLcd);
    }

    void keyWithoutRowKeepsEarlierResults()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {masterRow(5, "Sumlog 0-12 kn")});
        useCatalogue(db);
        MasterTypeSelection fresh;
        QVERIFY(!fresh.fetchById(-1));
        QVERIFY(!fresh.Results.Found);
        QCOMPARE(fresh.result().Description, QString());

        MasterTypeSelection s;
        QVERIFY(s.fetchById(5));
        QVERIFY(s.fetchById(99)); // returns the earlier Found
        QCOMPARE(s.Results.SelectedId, 5);
        QCOMPARE(s.Results.Description, QString("Sumlog 0-12 kn"));
        QVERIFY(s.fetchById(-1));
        QCOMPARE(s.Results.SelectedId, 5);
    }

    void emptyTableListsNothing()
    {
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        useCatalogue(db);
        MasterTypeSelection s;
        QVector<MasterTypeRow> rows{{"stale", "", 1, ""}};
        QVERIFY(s.listRows(rows));
        QVERIFY(rows.isEmpty());
        QVERIFY(!s.fetchById(1));
        QCOMPARE(messages.count(), 0);
    }

    void listsInTableOrderAnyColumnOrder()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        TableOptions reversed;
        reversed.reverseColumnOrder = true;
        createMasterTable(db, reversed);
        insertRows(db, "RixData", {masterRow(9, "B"), masterRow(2, "A", "no"), masterRow(5, "C")});
        useCatalogue(db);
        MasterTypeSelection s;
        QVector<MasterTypeRow> rows;
        QVERIFY(s.listRows(rows));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].Description, QString("B"));
        QCOMPARE(rows[1].Id, 2);
        QCOMPARE(rows[1].Lcd, QString("no"));
        QCOMPARE(rows[2].Id, 5);
    }

    void nullValuesReadAsEmpty_data()
    {
        QTest::addColumn<QString>("column");
        for (const auto &c : catalogue_schema::masterTable().columns)
            if (QLatin1String(c.name) != QLatin1String("ID"))
                QTest::newRow(c.name) << QString::fromLatin1(c.name);
    }
    void nullValuesReadAsEmpty()
    {
        QFETCH(QString, column);
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        QVariantMap row = masterRow(4, "Speedometer");
        row.remove(column);
        insertRows(db, "RixData", {row});
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(s.fetchById(4));
        const MasterTypeInfo info = s.result();
        QVERIFY(info.Found);
        if (column == "Description")
            QCOMPARE(info.Description, QString());
        if (column == "K-Wert_Min")
            QCOMPARE(info.KValueMin, 0.0);
        if (column == "OScaleMax")
            QCOMPARE(info.OuterScaleRange, QString("0 - "));
        if (column == "Picture")
            QVERIFY(info.Picture.isNull());
    }

    void allOnlyNullRow()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {QVariantMap{{"ID", 8}}});
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(s.fetchById(8));
        QCOMPARE(s.Results.GaugeKind, 2);
        QCOMPARE(s.Results.HasLcd, 1);
        QCOMPARE(s.Results.OuterScaleRange, QString(" - "));
        QVERIFY(s.result().Picture.isNull());
    }

    void longTextsComeThroughWhole()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        const QString longText = QString("Speedometer ") + QString(600, QChar('x'));
        QVariantMap row = masterRow(1, longText);
        row["SignalInput"] = QString(1000, QChar('s'));
        insertRows(db, "RixData", {row});
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(s.fetchById(1));
        QCOMPARE(s.Results.Description, longText);
        QCOMPARE(s.Results.SignalInput.size(), 1000);
    }

    void brokenCataloguesAreNamed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("mentioned");
        QTest::newRow("missing file") << "missing" << QStringList{"absent.sqlite"};
        QTest::newRow("not a database") << "text" << QStringList{"m.sqlite"};
        QTest::newRow("empty file") << "empty" << QStringList{"m.sqlite"};
        QTest::newRow("no table") << "notable" << QStringList{"m.sqlite", "RixData"};
        QTest::newRow("missing column") << "nocolumn" << QStringList{"m.sqlite", "RixData", "K-Wert_Unit"};
        QTest::newRow("picture declared as text") << "picturetext" << QStringList{"m.sqlite", "Picture", "TEXT"};
        QTest::newRow("number declared as text") << "numbertext" << QStringList{"m.sqlite", "ScaleMin"};
        QTest::newRow("Access file without the table") << "access" << QStringList{"types-97.mdb", "RixData"};
    }
    void brokenCataloguesAreNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, mentioned);
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        QString db = home.filePath("m.sqlite");
        if (kind == "missing") {
            db = home.filePath("absent.sqlite");
        } else if (kind == "text" || kind == "empty") {
            QFile f(db);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (kind == "text")
                f.write(QByteArray("not a database at all\n").repeated(100));
        } else if (kind == "notable") {
            createSensorTable(db);
        } else if (kind == "nocolumn") {
            TableOptions o;
            o.omitColumn = "K-Wert_Unit";
            createMasterTable(db, o);
        } else if (kind == "picturetext") {
            TableOptions o;
            o.retypeColumn = "Picture";
            o.retypeAs = "TEXT";
            createMasterTable(db, o);
        } else if (kind == "numbertext") {
            TableOptions o;
            o.retypeColumn = "ScaleMin";
            o.retypeAs = "VARCHAR(20)";
            createMasterTable(db, o);
        } else if (kind == "access") {
            SKALERON_NEED_ACCESS_FIXTURES();
            db = testing_support::accessFixture("types-97.mdb");
        }
        useCatalogue(db);
        MasterTypeSelection s;
        QVERIFY(!s.fetchById(1));
        QVERIFY(!s.Results.Found);
        QCOMPARE(messages.count(), 1);
        for (const QString &m : mentioned)
            QVERIFY2(messages.texts().first().contains(m), qPrintable(messages.texts().first()));
        QCOMPARE(messages.messages().first().icon, user_messages::Icon::None);
        // The missing file is never created by the attempt.
        if (kind == "missing")
            QVERIFY(!QFile::exists(db));
        QVector<MasterTypeRow> rows;
        QVERIFY(!s.listRows(rows));
    }

    void readingWritesNothing()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        insertRows(db, "RixData", {masterRow(1, "Speedometer"), masterRow(2, "Sumlog")});
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        const QDateTime modified = QFileInfo(db).lastModified();
        QThread::msleep(20);
        useCatalogue(db);
        {
            MasterTypeSelection s;
            QVector<MasterTypeRow> rows;
            QVERIFY(s.listRows(rows));
            QVERIFY(s.fetchById(2));
            QVERIFY(s.fetchById(77));
            CatalogueMasterTypeLookup().fetchById(1);
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QFileInfo(db).lastModified(), modified);
        QVERIFY(!QFile::exists(db + "-journal"));
        QVERIFY(!QFile::exists(db + "-wal"));
    }

    void thousandsOfRows()
    {
        testing_support::ScopedTestHome home;
        const QString db = home.filePath("m.sqlite");
        createMasterTable(db);
        QVector<QVariantMap> rows;
        for (int i = 1; i <= 3000; ++i)
            rows << masterRow(i, QString("Tachometer %1").arg(i));
        insertRows(db, "RixData", rows);
        useCatalogue(db);
        MasterTypeSelection s;
        QVector<MasterTypeRow> listed;
        QVERIFY(s.listRows(listed));
        QCOMPARE(listed.size(), 3000);
        QCOMPARE(listed.last().Id, 3000);
        QVERIFY(s.fetchById(2999));
        QCOMPARE(s.Results.Description, QString("Tachometer 2999"));
    }

    // Every master type of the sample catalogue converts its picture.
    void sampleCatalogue()
    {
        testing_support::ScopedTestHome home;
        useCatalogue(testing_support::binDir() + "/" + catalogue_location::sampleCatalogueFileName());
        MasterTypeSelection s;
        QVector<MasterTypeRow> rows;
        QVERIFY(s.listRows(rows));
        QVERIFY(rows.size() >= 10);
        QSet<int> kinds;
        for (const MasterTypeRow &r : rows) {
            const MasterTypeInfo info = CatalogueMasterTypeLookup().fetchById(r.Id);
            QVERIFY(info.Found);
            QCOMPARE(info.SelectedId, r.Id);
            QCOMPARE(info.Picture.size(), QSize(120, 120));
            kinds << info.GaugeKind;
        }
        QCOMPARE(kinds, QSet<int>({0, 1, 2}));
    }
};

SKALERON_TEST(MasterDatabaseTest)
#include "MasterDatabaseTest.moc"
