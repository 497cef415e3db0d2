#include "base/SettingsStore.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

    // A section under two spellings (a block appended to a file the program
    // wrote) reads as one, the later line winning; the next write leaves one.
    void spellingsOfOneSectionAreOneSection_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const QByteArray appended = "[DIRECTORIES]\nDBASEUSER=/local\nDBase=/cat\n[Communication]\nPort=3\n"
                                    "[Directories]\nDBASEUSER=postgresql://bench@db/workshop\n";
        QTest::newRow("appended block wins") << appended << "DBASEUSER" << "postgresql://bench@db/workshop";
        QTest::newRow("earlier block's other entries") << appended << "dbase" << "/cat";
        QTest::newRow("file order, not name order")
            << QByteArray("[Directories]\nDBase=/first\n[DIRECTORIES]\nDBASE=/second\n") << "DBase" << "/second";
        QTest::newRow("entry spellings") << QByteArray("[Directories]\nHistory=/a\nHISTORY=/b\n") << "History" << "/b";
    }
    void spellingsOfOneSectionAreOneSection()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        ScopedTestHome home;
        QVERIFY(QDir().mkpath(QFileInfo(settings_store::location()).path()));
        QFile f(settings_store::location());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        QCOMPARE(settings_store::readString("Directories", entry, "unset"), expected);
        QVERIFY(settings_store::contains("directories", entry));

        settings_store::writeInt("Communication", "Port", 4); // QSettings writes the file back sorted
        QCOMPARE(settings_store::readString("Directories", entry, "unset"), expected);
        settings_store::writeString("directories", "Language", "de");
        QCOMPARE(settings_store::readString("Directories", entry, "unset"), expected);
        QCOMPARE(settings_store::readString("DIRECTORIES", "language", "unset"), QString("de"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QCOMPARE(text.count(QRegularExpression("^\\[directories\\]$", QRegularExpression::CaseInsensitiveOption
                                                                      | QRegularExpression::MultilineOption)),
                 1);
        QCOMPARE(text.count(QRegularExpression("^" + entry + "=", QRegularExpression::CaseInsensitiveOption
                                                                  | QRegularExpression::MultilineOption)),
                 1);
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
