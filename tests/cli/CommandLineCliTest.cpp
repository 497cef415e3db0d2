// The command line of skaleron-cli as people expect it: help on every
// subcommand, "--opt=value", "--" and one-line usage errors with a hint.
#include "SimProcess.h"

#include "common/TestRegistry.h"

#include <QDir>
#include <QTest>

using testing_support::CliResult;
using testing_support::runCli;
using testing_support::ScopedTestHome;

namespace {

const QStringList Subcommands = {
    "read", "write", "verify", "preset", "selftest", "probe", "history", "diff",
    "rix new", "rix show", "rix set", "catalogue list", "catalogue show", "catalogue sensors", "catalogue import",
    "sensors list", "sensors add", "sensors change", "sensors delete", "sensors resample",
    "config list", "config get", "config set", "config unset", "sheet"};

void addSubcommandRows()
{
    QTest::addColumn<QStringList>("command");
    for (const QString &c : Subcommands)
        QTest::newRow(qPrintable(c)) << c.split(' ');
}

}

class CommandLineCliTest : public QObject
{
    Q_OBJECT
private slots:
    void helpOfEverySubcommand_data() { addSubcommandRows(); }
    void helpOfEverySubcommand()
    {
        QFETCH(QStringList, command);
        ScopedTestHome home;
        const QString name = command.join(' ');
        const CliResult help = runCli(command + QStringList{"--help"});
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QVERIFY2(help.out.startsWith("Usage: skaleron-cli " + name + ' '), qPrintable(help.out));
        QVERIFY(help.out.contains("\nOptions:\n") && help.out.contains("\n  -h, --help "));
        QVERIFY2(help.out.contains("\nExample:\n  skaleron-cli " + name + ' '), qPrintable(help.out));
        QCOMPARE(runCli(command + QStringList{"-h"}).out, help.out);
        const CliResult asked = runCli(QStringList{"help"} + command);
        QCOMPARE(asked.exitCode, 0);
        QCOMPARE(asked.out, help.out);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());
    }

    void usageErrorIsOneLineAndTheHint_data() { addSubcommandRows(); }
    void usageErrorIsOneLineAndTheHint()
    {
        QFETCH(QStringList, command);
        ScopedTestHome home;
        const CliResult r = runCli(command + QStringList{"--no-such-option", "x.rix"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QString());
        const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("skaleron-cli: ") && lines[0].contains("no-such-option"), qPrintable(r.err));
        QCOMPARE(lines[1], "Try 'skaleron-cli " + command.join(' ') + " --help'.");
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());
    }

    // The same request with "--opt value" and with "--opt=value".
    void optionValueAfterAnEqualsSign_data()
    {
        QTest::addColumn<QStringList>("spaced");
        QTest::addColumn<QStringList>("joined");
        const QString catalogue = testing_support::binDir() + "/skaleron-catalogue.sqlite";
        QTest::newRow("catalogue show --db") << QStringList{"catalogue", "show", "1", "--db", catalogue}
                                             << QStringList{"catalogue", "show", "1", "--db=" + catalogue};
        QTest::newRow("history --since") << QStringList{"history", "--since", "2020-01-01"}
                                         << QStringList{"history", "--since=2020-01-01"};
        QTest::newRow("diff --catalogue") << QStringList{"diff", "a.rix", "a.rix", "--json", "--catalogue", catalogue}
                                          << QStringList{"diff", "--json", "--catalogue=" + catalogue, "a.rix", "a.rix"};
    }
    void optionValueAfterAnEqualsSign()
    {
        QFETCH(QStringList, spaced);
        QFETCH(QStringList, joined);
        ScopedTestHome home;
        runCli({"rix", "new", "a.rix"});
        runCli({"preset", "--port", home.filePath("no-such-port"), "--hours", "1"}); // a history entry
        const CliResult a = runCli(spaced), b = runCli(joined);
        QCOMPARE(a.exitCode, 0);
        QVERIFY(!a.out.isEmpty());
        QCOMPARE(b.exitCode, a.exitCode);
        QCOMPARE(b.out, a.out);
    }

    // A catalogue given with --catalogue that is not there is bad input,
    // named in one line before any port is opened.
    void missingCatalogueOptionIsBadInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("sheet") << QStringList{"sheet", "p.rix", "-o", "p.pdf"};
        QTest::newRow("diff") << QStringList{"diff", "p.rix", "p.rix"};
        QTest::newRow("write") << QStringList{"write", "--port", "@port", "p.rix"};
        QTest::newRow("read") << QStringList{"read", "--port", "@port", "--project", "p.rix"};
    }
    void missingCatalogueOptionIsBadInput()
    {
        QFETCH(QStringList, args);
        ScopedTestHome home;
        QCOMPARE(runCli({"rix", "new", "p.rix"}).exitCode, 0);
        QCOMPARE(runCli({"rix", "set", "p.rix", "MasterId=5"}).exitCode, 0);
        args.replaceInStrings("@port", home.filePath("no-such-port"));
        const QString missing = home.filePath("gone.sqlite");
        const CliResult r = runCli(args + QStringList{"--catalogue", missing});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, "skaleron-cli: --catalogue: The catalogue \"" + missing + "\" does not exist.\n");
        QVERIFY(!QFile::exists("p.pdf"));
    }

    // No project file named like an option: "--" ends the options, so a
    // file named "-x.rix" is asked for explicitly.
    void noFileNamedLikeAnOption_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("--help") << QStringList{"rix", "new", "--help"} << 0 << QStringList{};
        QTest::newRow("-- alone") << QStringList{"rix", "new", "--"} << 2 << QStringList{};
        QTest::newRow("-- then a name") << QStringList{"rix", "new", "--", "-x.rix"} << 0 << QStringList{"-x.rix"};
        QTest::newRow("unknown option") << QStringList{"rix", "new", "--force"} << 2 << QStringList{};
    }
    void noFileNamedLikeAnOption()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, files);
        ScopedTestHome home;
        QCOMPARE(runCli(args).exitCode, status);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), files);
    }

    void unknownCommandsAndBareGroups_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("start"); // of stdout, or of stderr for a failure
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "skaleron-cli: unknown command";
        QTest::newRow("unknown subcommand") << QStringList{"rix", "open"} << 2 << "skaleron-cli: unknown command";
        QTest::newRow("group without subcommand") << QStringList{"config"} << 2 << "skaleron-cli: config needs";
        QTest::newRow("group's help") << QStringList{"catalogue", "--help"} << 0
                                      << "Usage: skaleron-cli catalogue list|show|sensors|import";
    }
    void unknownCommandsAndBareGroups()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, start);
        ScopedTestHome home;
        const CliResult r = runCli(args);
        QCOMPARE(r.exitCode, status);
        QVERIFY2((status == 0 ? r.out : r.err).startsWith(start), qPrintable(r.out + r.err));
        if (status != 0)
            QCOMPARE(r.err.count('\n'), 2);
    }
};

SKALERON_TEST(CommandLineCliTest)
#include "CommandLineCliTest.moc"
