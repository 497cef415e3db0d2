#include "base/SettingsStore.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace testing_support;

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaultsAndWritesNothing()
    {
        ScopedTestHome home;
        QCOMPARE(settings_store::readString("Directories", "DBase", "c:\\KLR_DataBase_VIZ_97.mdb"),
                 QString("c:\\KLR_DataBase_VIZ_97.mdb"));
        QCOMPARE(settings_store::readInt("Communication", "Databits", 1), 1);
        QCOMPARE(settings_store::readInt("Settings", "ColumnWidth_0", 200), 200);
        QVERIFY(!QFile::exists(settings_store::location()));
    }

    void sectionsMatchWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("writeSection");
        QTest::addColumn<QString>("readSection");
        QTest::addColumn<QString>("entry");
        QTest::newRow("Directories -> DIRECTORIES") << "Directories" << "DIRECTORIES" << "DBase";
        QTest::newRow("DIRECTORIES -> Directories") << "DIRECTORIES" << "Directories" << "DBase";
        QTest::newRow("entry case") << "Communication" << "communication" << "Port";
    }
    void sectionsMatchWithoutRegardToCase()
    {
        QFETCH(QString, writeSection);
        QFETCH(QString, readSection);
        QFETCH(QString, entry);
        ScopedTestHome home;
        settings_store::writeString(writeSection, entry, "value-1");
        QCOMPARE(settings_store::readString(readSection, entry.toUpper(), "default"), QString("value-1"));
        // A second write through the other spelling lands in the same place.
        settings_store::writeString(readSection, entry, "value-2");
        QCOMPARE(settings_store::readString(writeSection, entry, "default"), QString("value-2"));
    }

    void integersRoundTripAndWrongKindFallsBackOnce()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        settings_store::writeInt("Communication", "Port", 7);
        QCOMPARE(settings_store::readInt("Communication", "Port", 0), 7);
        settings_store::writeString("Communication", "Baudrate", "fast");
        QCOMPARE(settings_store::readInt("Communication", "Baudrate", 0), 0);
        QCOMPARE(settings_store::readInt("Communication", "Baudrate", 0), 0);
        QCOMPARE(recorder.count(), 1);
        QVERIFY(recorder.texts().first().contains("Communication/Baudrate"));
        QVERIFY(recorder.texts().first().contains("fast"));
    }

    void fileExists()
    {
        ScopedTestHome home;
        QVERIFY(!::fileExists(QString()));
        QVERIFY(!::fileExists(home.path())); // a folder is not a file
        QFile f(home.filePath("a.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(::fileExists(home.filePath("a.txt")));
        QVERIFY(applicationFolder().endsWith('/'));
    }
};

SKALERON_TEST(SettingsStoreTest)
#include "SettingsStoreTest.moc"
