// Access files are read by a child process: a damaged file ends in one clear
// outcome within the time limit, whatever the Access library does with it.
#include "catalogue/AccessFile.h"
#include "catalogue/AccessReader.h"
#include "common/DamagedAccess.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <unistd.h>

using access_reader::Status;
using namespace testing_support;

Q_DECLARE_METATYPE(testing_support::AccessDamage)

namespace {

// Reader processes this test process has started and not yet reaped.
int readerChildren()
{
    int count = 0;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so split after ")".
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        const QList<QByteArray> rest = line.mid(close + 2).split(' ');
        if (line.contains("(skaleron-access") && rest.size() > 1 && rest[1].toLongLong() == ::getpid())
            ++count;
    }
    return count;
}

}

class AccessReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { access_reader::setTimeLimit(access_reader::DefaultTimeLimitMs); }

    // The child's reply carries the table as the library reads it in process.
    void readsATableAsTheLibraryDoes()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        const access_reader::Result r = access_reader::readTable(accessFixture("northwind-2000.mdb"), "categories");
        QCOMPARE(int(r.status), int(Status::Read));
        access_file::AccessFile file;
        QVERIFY(file.open(accessFixture("northwind-2000.mdb")));
        access_file::Table direct;
        QVERIFY(file.readTable("Categories", direct));
        QCOMPARE(r.table.name, QString("Categories"));
        QCOMPARE(r.table.columns.size(), direct.columns.size());
        for (int i = 0; i < direct.columns.size(); ++i) {
            QCOMPARE(r.table.columns[i].name, direct.columns[i].name);
            QCOMPARE(int(r.table.columns[i].kind), int(direct.columns[i].kind));
        }
        QCOMPARE(r.table.rows, direct.rows);
    }

    void missingTableIsNoTable()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        QCOMPARE(int(access_reader::readTable(accessFixture("types-97.mdb"), "RixData").status), int(Status::NoTable));
    }

    void damagedFileIsDamaged_data()
    {
        QTest::addColumn<AccessDamage>("damage");
        QTest::addColumn<QString>("name");
        QTest::newRow("cut inside a page") << CutInsidePage << "cut.accdb";
        QTest::newRow("cut at the end of a page") << CutAtPageEnd << "cut.mdb";
        QTest::newRow("Access 97 file cut short") << Access97Cut << "cut97.mdb";
        QTest::newRow("byte that crashes the library") << CrashingCatalogue << "crash.mdb";
    }
    void damagedFileIsDamaged()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        QFETCH(AccessDamage, damage);
        QFETCH(QString, name);
        ScopedTestHome home;
        writeDamagedCopy(damage, home.filePath(name));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(int(access_reader::readTable(home.filePath(name), "Categories").status), int(Status::Damaged));
        QVERIFY(clock.elapsed() < access_reader::DefaultTimeLimitMs); // told at once, not by the time limit
    }

    void notAnAccessFileIsDamaged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a database\n");
    }
    void notAnAccessFileIsDamaged()
    {
        QFETCH(QByteArray, content);
        ScopedTestHome home;
        QFile f(home.filePath("text.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QCOMPARE(int(access_reader::readTable(f.fileName(), "RixData").status), int(Status::Damaged));
    }

    // The library loops for ever on this file: the reader is killed at the
    // time limit and no reader process stays behind.
    void loopingReaderIsKilledAtTheTimeLimit()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        ScopedTestHome home;
        writeDamagedCopy(LoopingCatalogue, home.filePath("loop.mdb"));
        access_reader::setTimeLimit(1500);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(int(access_reader::readTable(home.filePath("loop.mdb"), "RixData").status), int(Status::Damaged));
        QVERIFY2(clock.elapsed() >= 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(clock.elapsed() < 1500 + 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(readerChildren(), 0);
    }
};

SKALERON_TEST(AccessReaderTest)
#include "AccessReaderTest.moc"
