// The recent file list as the settings keep it.
#include "base/SettingsStore.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "base/RecentFileList.h"

#include <QDir>
#include <QTest>

using namespace testing_support;

class RecentFileListTest : public QObject
{
    Q_OBJECT
private slots:
    void storedEntriesAreReadInOrder_data()
    {
        QTest::addColumn<QStringList>("stored"); // File1..File4, empty = missing
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("none") << QStringList{"", "", "", ""} << QStringList{};
        QTest::newRow("gap") << QStringList{"/a.rix", "", "/c.rix", ""} << QStringList{"/a.rix", "/c.rix"};
        QTest::newRow("repeated") << QStringList{"/a.rix", "/a.rix", "/b.rix", ""}
                                  << QStringList{"/a.rix", "/b.rix"};
        QTest::newRow("full") << QStringList{"/1.rix", "/2.rix", "/3.rix", "/4.rix"}
                              << QStringList{"/1.rix", "/2.rix", "/3.rix", "/4.rix"};
    }
    void storedEntriesAreReadInOrder()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, entries);
        ScopedTestHome home;
        for (int i = 0; i < stored.size(); ++i) {
            if (!stored.at(i).isEmpty())
                settings_store::writeString("Recent File List", QStringLiteral("File%1").arg(i + 1), stored.at(i));
        }
        RecentFileList list;
        list.load();
        QCOMPARE(list.entries(), entries);
    }

    void addKeepsFourAndStores()
    {
        ScopedTestHome home;
        RecentFileList list;
        for (const char *name : {"a.rix", "b.rix", "c.rix", "d.rix", "e.rix"})
            list.add(home.filePath(name));
        QCOMPARE(list.entries().size(), 4);
        QCOMPARE(list.entries().first(), home.filePath("e.rix"));
        QCOMPARE(settings_store::readString("Recent File List", "File4", QString()), home.filePath("b.rix"));
        // A relative name is the same file as its full path.
        list.add(QStringLiteral("c.rix"));
        QCOMPARE(list.entries().first(), home.filePath("c.rix"));
        QCOMPARE(list.entries().size(), 4);
        list.remove(home.filePath("e.rix"));
        QCOMPARE(settings_store::readString("Recent File List", "File4", QStringLiteral("unset")), QString());
        QCOMPARE(list.entries().size(), 3);
    }
};

SKALERON_TEST(RecentFileListTest)
#include "RecentFileListTest.moc"
