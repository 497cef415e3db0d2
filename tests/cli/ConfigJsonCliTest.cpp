// skaleron-cli config on the desktop program's settings, the one JSON style
// of every --json output, and the traffic trace where the user wants it.
#include "SimProcess.h"

#include "common/PgServer.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTest>

using testing_support::CliResult;
using testing_support::runCli;
using testing_support::ScopedTestHome;
using testing_support::SimProcess;

namespace {

// Every key of the document, at any depth, starts with a capital letter.
bool pascalCase(const QJsonValue &value)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::all_of(array.begin(), array.end(), [](const QJsonValue &v) { return pascalCase(v); });
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.key().at(0).isUpper() || !pascalCase(it.value()))
            return false;
    }
    return true;
}

}

class ConfigJsonCliTest : public QObject
{
    Q_OBJECT
private slots:
    void setThenGetKeepsTheValue_data()
    {
        QTest::addColumn<QString>("setKey");
        QTest::addColumn<QString>("getKey");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning"); // what stderr says, empty for nothing
        QTest::newRow("socket address") << "Directories/DBase" << "Directories/DBase"
                                        << "postgresql://%2Frun%2Fpostgresql/workshop" << "";
        QTest::newRow("other letter case") << "DIRECTORIES/DBASEUSER" << "Directories/DBaseUser" << "/srv/u.sqlite"
                                           << "";
        QTest::newRow("blanks in the section") << "Recent File List/File1" << "Recent File List/File1"
                                               << "/home/me/my boat.rix" << "";
        QTest::newRow("a choice in range") << "Communication/Baudrate" << "Communication/Baudrate" << "2" << "";
        // Stored, but not without a word.
        QTest::newRow("a name nothing reads") << "Directories/DBaseUsr" << "Directories/DBaseUsr" << "/srv/u.sqlite"
                                              << "no part of the program reads Directories/DBaseUsr";
        QTest::newRow("a choice out of range") << "Communication/Baudrate" << "Communication/Baudrate" << "9"
                                               << "from 0 to 2 (4800, 9600 or 19200 baud); with 9 the program "
                                                  "keeps its default";
        QTest::newRow("not a number") << "Directories/ServerTimeout" << "Directories/ServerTimeout" << "ten"
                                      << "read as a whole number";
        QTest::newRow("beyond a bound") << "Directories/ServerTimeout" << "Directories/ServerTimeout" << "0"
                                        << "0 is taken as 1";
        QTest::newRow("a language pack") << "Parameters/Language" << "Parameters/Language" << "vorn_fre32.dll" << "";
        QTest::newRow("a server address without its database") << "Directories/History" << "Directories/History"
                                                               << "postgresql://bench@dbhost"
                                                               << "it names no database";
        QTest::newRow("no such catalogue") << "Directories/DBase" << "Directories/DBase" << "/nowhere/c.sqlite"
                                           << "the catalogue \"/nowhere/c.sqlite\" does not exist";
        QTest::newRow("a network port without its port") << "Communication/Device" << "Communication/Device"
                                                         << "rfc2217://quaybox"
                                                         << "rfc2217://quaybox is not a network port of the form";
        QTest::newRow("network ports without or with another scheme")
            << "Communication/NetworkPorts" << "Communication/NetworkPorts"
            << "rfc2217://quaybox:2001, quaybox:2002, rfc2271://quaybox:2003"
            << "quaybox:2002 is not a network port of the form rfc2217://HOST:PORT or tcp://HOST:PORT; "
               "rfc2271://quaybox:2003 is not a network port of the form";
        QTest::newRow("a device with another scheme") << "Communication/Device" << "Communication/Device"
                                                      << "rfc2271://quaybox:2001"
                                                      << "rfc2271://quaybox:2001 is not a network port of the form";
        QTest::newRow("no such language pack") << "Parameters/Language" << "Parameters/Language" << "german"
                                               << "no language pack is named \"german\"";
    }
    void setThenGetKeepsTheValue()
    {
        QFETCH(QString, setKey);
        QFETCH(QString, getKey);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        ScopedTestHome home;
        const CliResult set = runCli({"config", "set", setKey, value});
        QCOMPARE(set.exitCode, 0);
        if (warning.isEmpty())
            QCOMPARE(set.err, QString());
        else
            QVERIFY2(set.err.contains(warning) && set.err.count('\n') == 1, qPrintable(set.err));
        const CliResult got = runCli({"config", "get", getKey});
        QCOMPARE(got.exitCode, 0);
        QCOMPARE(got.out, value + '\n');
        const QJsonObject json = QJsonDocument::fromJson(runCli({"config", "get", getKey, "--json"}).out.toUtf8()).object();
        QCOMPARE(json["Value"].toString(), value);
    }

    // "a, b" set here is stored quoted, which the settings file reads as one
    // text: probe must still try each port of the list.
    void networkPortsSetHereAreProbedOneByOne()
    {
        ScopedTestHome home;
        QTcpServer closed; // two ports nothing listens on once it is gone
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QStringList ports{QStringLiteral("rfc2217://127.0.0.1:%1").arg(closed.serverPort()),
                                QStringLiteral("tcp://127.0.0.1:%1").arg(closed.serverPort())};
        closed.close();
        const CliResult set = runCli({"config", "set", "Communication/NetworkPorts", ports.join(", ")});
        QCOMPARE(set.exitCode, 0);
        QCOMPARE(set.err, QString()); // well-formed: nothing to warn about
        const CliResult r = runCli({"probe", "--json"});
        QStringList tried;
        for (const QJsonValue &v : QJsonDocument::fromJson(r.out.toUtf8()).array())
            tried << v.toObject()["Port"].toString();
        for (const QString &port : ports)
            QVERIFY2(tried.contains(port), qPrintable(tried.join(" | ")));
    }

    void unsetLeavesTheOthers()
    {
        ScopedTestHome home;
        runCli({"config", "set", "Directories/History", "/srv/h.sqlite"});
        runCli({"config", "set", "Parameters/Language", "vorn_ger32"});
        QCOMPARE(runCli({"config", "unset", "directories/history"}).exitCode, 0);
        const CliResult gone = runCli({"config", "get", "Directories/History"});
        QCOMPARE(gone.exitCode, 1);
        QCOMPARE(gone.err.count('\n'), 1);
        const QJsonArray list = QJsonDocument::fromJson(runCli({"config", "list", "--json"}).out.toUtf8()).array();
        QCOMPARE(list, QJsonArray({QJsonObject{{"Key", "Parameters/Language"}, {"Value", "vorn_ger32"}}}));
        QCOMPARE(runCli({"config", "list"}).out, QString("Parameters/Language=vorn_ger32\n"));
    }

    // A settings file that cannot be written (here a folder in its place):
    // nothing is stored, and the command says so instead of exit 0.
    void unwritableSettingsAreToldNotTaken()
    {
        ScopedTestHome home;
        QVERIFY(QDir(home.path()).mkpath("Veltrona/skaleron.conf"));
        const CliResult r = runCli({"config", "set", "Settings/Technician", "Z"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("cannot be written") && r.err.count('\n') == 1, qPrintable(r.err));
    }

    void keyIsSectionAndEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("no section") << "DBase";
        QTest::newRow("deeper") << "Directories/DBase/x";
    }
    void keyIsSectionAndEntry()
    {
        QFETCH(QString, key);
        ScopedTestHome home;
        const CliResult r = runCli({"config", "set", key, "x"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QCOMPARE(runCli({"config", "list"}).out, QString());
    }

    // The workshop set-up: the address set by the tool is the one the tool
    // then stores the user's sensors in.
    void userSensorsGoToTheConfiguredServer()
    {
        SKALERON_NEED_PG_SERVER();
        ScopedTestHome home;
        const QString address = pg_server::createDatabase("cli_config");
        const QString sample = testing_support::binDir() + "/skaleron-catalogue.sqlite";
        QCOMPARE(runCli({"catalogue", "import", sample, address}).exitCode, 0);
        QCOMPARE(runCli({"config", "set", "Directories/DBASEUSER", address}).exitCode, 0);
        QCOMPARE(runCli({"config", "get", "DIRECTORIES/DBASEUSER"}).out, address + '\n');
        QCOMPARE(runCli({"sensors", "add", "Probe", "--x", "0 100", "--y", "10 190"}).exitCode, 0);
        QVERIFY(!QFile::exists(home.filePath("data/Veltrona/skaleron/user-sensors.sqlite")));
        const QJsonArray sensors = QJsonDocument::fromJson(runCli({"sensors", "list", "--json"}).out.toUtf8()).array();
        QVERIFY(std::any_of(sensors.begin(), sensors.end(), [](const QJsonValue &s) {
            return s["Database"].toString() == "user" && s["Name"].toString() == "Probe";
        }));
    }

    void everyJsonOutputParses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("list");
        QTest::newRow("rix show") << QStringList{"rix", "show", "a.rix"} << false;
        QTest::newRow("diff") << QStringList{"diff", "a.rix", "a.rix", "--json"} << false;
        QTest::newRow("catalogue list") << QStringList{"catalogue", "list", "--json"} << true;
        QTest::newRow("catalogue show") << QStringList{"catalogue", "show", "1", "--json"} << false;
        QTest::newRow("catalogue sensors") << QStringList{"catalogue", "sensors", "0", "--json"} << true;
        QTest::newRow("sensors list") << QStringList{"sensors", "list", "--json"} << true;
        QTest::newRow("config list") << QStringList{"config", "list", "--json"} << true;
        QTest::newRow("history") << QStringList{"history", "--json"} << true;
    }
    void everyJsonOutputParses()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, list);
        ScopedTestHome home;
        runCli({"rix", "new", "a.rix"});
        runCli({"config", "set", "Parameters/Language", "vorn_eng32"});
        runCli({"preset", "--port", home.filePath("no-such-port"), "--hours", "1"}); // a history entry
        const CliResult r = runCli(args);
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + ": " + r.out));
        QCOMPARE(json.isArray(), list);
        QVERIFY(list ? !json.array().isEmpty() : !json.object().isEmpty());
        QVERIFY2(pascalCase(list ? QJsonValue(json.array()) : QJsonValue(json.object())), qPrintable(r.out));
    }

    // A damaged record in the history is passed on as text, the output stays
    // JSON; --json-lines gives the same entries one a line.
    void damagedHistoryRowStaysJson()
    {
        ScopedTestHome home;
        runCli({"preset", "--port", home.filePath("first"), "--hours", "1"});
        runCli({"preset", "--port", home.filePath("second"), "--hours", "1"});
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damaged-history");
            db.setDatabaseName(home.filePath("data/Veltrona/skaleron/history.sqlite"));
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE ServiceHistory SET Before = '{\"KValue\": 3' WHERE Port LIKE '%first'"));
            db.close();
        }
        QSqlDatabase::removeDatabase("damaged-history");
        const QJsonArray entries = QJsonDocument::fromJson(runCli({"history", "--json"}).out.toUtf8()).array();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]["Before"].toString(), QString("{\"KValue\": 3"));
        const QStringList lines = runCli({"history", "--json-lines"}).out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(QJsonDocument::fromJson(lines[i].toUtf8()).object(), entries[i].toObject());
    }

    void traceGoesWhereAsked_data()
    {
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<QString>("file");
        QTest::newRow("--trace FILE") << QStringList{"--trace", "t/one.txt"} << "t/one.txt";
        QTest::newRow("--trace=FILE") << QStringList{"--trace=t/two.txt"} << "t/two.txt";
    }
    void traceGoesWhereAsked()
    {
        QFETCH(QStringList, trace);
        QFETCH(QString, file);
        ScopedTestHome home;
        QDir(home.path()).mkdir("t");
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli(QStringList{"read", "--port", sim.device(), "--family", "register"} + trace);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.err.contains("trace"));
        QFile written(home.filePath(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("R: "));
        QCOMPARE(QFile::exists(home.filePath("log.txt")), file == "log.txt");
    }

    // A file of the program's own named as the trace by mistake keeps its
    // bytes: a project, a block backup, the settings, a database.
    void traceNeverGoesIntoTheProgramsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("what");
        QTest::newRow("project") << "boat.rix" << "is a project file";
        QTest::newRow("block backup") << "block.bin" << "is a block backup";
        QTest::newRow("settings") << "Veltrona/skaleron.conf" << "is the settings file";
        QTest::newRow("catalogue") << "catalogue.sqlite" << "is not a text file";
    }
    void traceNeverGoesIntoTheProgramsFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, what);
        ScopedTestHome home;
        QCOMPARE(runCli({"rix", "new", "boat.rix"}).exitCode, 0);
        QCOMPARE(runCli({"config", "set", "Settings/Technician", "Z"}).exitCode, 0);
        QFile::copy(testing_support::binDir() + "/skaleron-catalogue.sqlite", home.filePath("catalogue.sqlite"));
        QFile backup(home.filePath("block.bin"));
        QVERIFY(backup.open(QIODevice::WriteOnly));
        backup.write(QByteArray(64, '\x42'));
        backup.close();
        QFile target(home.filePath(file));
        QVERIFY(target.open(QIODevice::ReadOnly));
        const QByteArray before = target.readAll();
        target.close();
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli({"probe", "--port", sim.device(), "--trace", home.filePath(file)});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(what), qPrintable(r.err));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), before);
    }

    void unwritableTraceIsToldOnce()
    {
        ScopedTestHome home;
        SimProcess sim({"--family", "register"}, home.filePath("sim.json"));
        const CliResult r = runCli({"read", "--port", sim.device(), "--family", "register", "--trace", "missing/t.txt"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err.count("traffic trace"), 1);
        QVERIFY2(r.err.contains(home.filePath("missing/t.txt")), qPrintable(r.err));
    }
};

SKALERON_TEST(ConfigJsonCliTest)
#include "ConfigJsonCliTest.moc"
