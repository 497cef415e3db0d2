#include "catalogue/AccessCopy.h"
#include "catalogue/AccessFile.h"
#include "catalogue/CatalogueConnection.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using catalogue_schema::ColumnKind;

static int columnIndex(const access_file::Table &table, const QString &name)
{
    for (int i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].name == name)
            return i;
    return -1;
}

class AccessFileTest : public QObject
{
    Q_OBJECT
private slots:
    void accessPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("access");
        QTest::newRow("mdb") << "c:\\KLR_DataBase_VIZ_97.mdb" << true;
        QTest::newRow("accdb upper case") << "/x/CATALOGUE.ACCDB" << true;
        QTest::newRow("sqlite") << "/x/catalogue.sqlite" << false;
        QTest::newRow("mdb in the folder name only") << "/x.mdb/catalogue" << false;
    }
    void accessPaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, access);
        QCOMPARE(access_file::isAccessPath(path), access);
    }

    void listsUserTables()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("types-97.mdb")));
        const QStringList names = file.tableNames();
        QVERIFY(names.contains("Table1"));
        QVERIFY(names.contains("Table3"));
        for (const QString &n : names)
            QVERIFY2(!n.startsWith("MSys"), qPrintable(n));
    }

    // Access 97: text, byte, integer, long, double, date, currency, boolean.
    void readsEveryColumnType()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("types-97.mdb")));
        access_file::Table t;
        QVERIFY(file.readTable("table1", t)); // letter case does not matter
        QCOMPARE(t.name, QString("Table1"));
        QCOMPARE(t.columns.size(), 9);
        QCOMPARE(t.rows.size(), 2);
        const QVector<ColumnKind> kinds{ColumnKind::Text,    ColumnKind::Text,   ColumnKind::Integer,
                                        ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Double,
                                        ColumnKind::Text,    ColumnKind::Double, ColumnKind::Boolean};
        for (int i = 0; i < kinds.size(); ++i)
            QCOMPARE(int(t.columns[i].kind), int(kinds[i]));
        const auto &r = t.rows[1];
        QCOMPARE(r[0].toString(), QString("abcdefg"));
        QCOMPARE(r[1].toString(), QString("hijklmnop"));
        QCOMPARE(r[2].toLongLong(), 2);
        QCOMPARE(r[3].toLongLong(), 222);
        QCOMPARE(r[4].toLongLong(), 333333333);
        QCOMPARE(r[5].toDouble(), 444.555);
        QCOMPARE(r[6].toString(), QString("1974-09-21 00:00:00"));
        QCOMPARE(r[7].toDouble(), 3.5);
        QCOMPARE(r[8].toLongLong(), 1);
        QCOMPARE(t.rows[0][8].toLongLong(), 0);
        QCOMPARE(t.rows[0][5].toDouble(), 0.0);
    }

    void emptyTableHasColumnsAndNoRows()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("types-97.mdb")));
        access_file::Table t;
        QVERIFY(file.readTable("Table3", t));
        QCOMPARE(t.columns.size(), 2);
        QCOMPARE(t.rows.size(), 0);
    }

    void nullValuesStayNull()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("northwind-2000.mdb")));
        access_file::Table t;
        QVERIFY(file.readTable("Customers", t));
        const int region = columnIndex(t, "Region");
        const int city = columnIndex(t, "City");
        QVERIFY(region >= 0 && city >= 0);
        QVERIFY(t.rows.size() > 80);
        QVERIFY(t.rows[0][region].isNull()); // the first customer has no region
        QCOMPARE(t.rows[0][city].toString(), QString("Berlin"));
        QCOMPARE(t.rows[1][city].toString(), QString::fromUtf8("México D.F.")); // not ASCII
    }

    void missingTableIsReported()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("types-97.mdb")));
        access_file::Table t;
        QVERIFY(!file.readTable("RixData", t));
        QVERIFY(file.errorString().contains("RixData"));
    }

    void notAnAccessFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a database\n");
        QTest::newRow("zeros") << QByteArray(8192, '\0');
    }
    void notAnAccessFileIsRefused()
    {
        QFETCH(QByteArray, content);
        testing_support::ScopedTestHome home;
        QFile f(home.filePath("bad.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        access_file::AccessFile file;
        QVERIFY(!file.open(f.fileName()));
        QVERIFY(!file.errorString().isEmpty());
        QVERIFY(!access_file::AccessFile().open(home.filePath("missing.mdb")));
    }

    // An Access table opens as a catalogue table: copied, checked, queried.
    void opensAnAccessTableAsCatalogue()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        const catalogue_schema::Table categories{
            "Categories",
            {{"CategoryID", ColumnKind::Integer}, {"CategoryName", ColumnKind::Text}, {"Picture", ColumnKind::Binary}}};
        CatalogueConnection c;
        QVERIFY2(c.open(testing_support::accessFixture("northwind-2000.mdb"), categories, CatalogueConnection::Mode::ReadOnly),
                 qPrintable(c.errorText()));
        QVERIFY(c.isAccess());
        QSqlQuery q(c.database());
        QVERIFY(q.exec("SELECT [CategoryName] FROM [Categories] WHERE [CategoryID] = 2"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("Condiments"));
        q.finish();

        const catalogue_schema::Table wrong{"Categories", {{"CategoryID", ColumnKind::Integer},
                                                           {"Colour", ColumnKind::Text}}};
        CatalogueConnection missing;
        QVERIFY(!missing.open(testing_support::accessFixture("northwind-2000.mdb"), wrong, CatalogueConnection::Mode::ReadOnly));
        QVERIFY(missing.errorText().contains("Colour"));
        QVERIFY(missing.errorText().contains("northwind-2000.mdb"));
        QVERIFY(!missing.tableMissing());
    }

    // The copy into SQLite keeps names with blanks, values, NULLs and binaries.
    void copiesIntoSqlite()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        access_file::AccessFile file;
        QVERIFY(file.open(testing_support::accessFixture("northwind-2000.mdb")));
        access_file::Table t;
        QVERIFY(file.readTable("Order Details", t));
        access_file::Table categories;
        QVERIFY(file.readTable("Categories", categories));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "copy-test");
            db.setDatabaseName(":memory:");
            QVERIFY(db.open());
            QString reason;
            QVERIFY2(access_copy::copyTable(t, db, &reason), qPrintable(reason));
            QVERIFY2(access_copy::copyTable(categories, db, &reason), qPrintable(reason));
            QSqlQuery q(db);
            QVERIFY(q.exec("SELECT COUNT(*) FROM [Order Details]"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), t.rows.size());
            QVERIFY(q.exec("SELECT [Picture] FROM [Categories] WHERE [CategoryID] = 1"));
            QVERIFY(q.next());
            const int picture = columnIndex(categories, "Picture");
            QCOMPARE(q.value(0).toByteArray(), categories.rows[0][picture].toByteArray());
            QVERIFY(q.value(0).toByteArray().size() > 10000);
        }
        QSqlDatabase::removeDatabase("copy-test");
    }
};

SKALERON_TEST(AccessFileTest)
#include "AccessFileTest.moc"
