// Tab completion for skaleron-cli (cli/completion/skaleron-cli), run in a real
// bash against the built tool, whose --help and "rix show" it reads: every
// command and option of the help is offered, and each argument by its kind.
#include "SimProcess.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace testing_support;

namespace {

// The candidates bash would offer for the words (the last one being typed).
QStringList complete(const QStringList &words, const QString &folder = QString())
{
    QProcess bash;
    if (!folder.isEmpty())
        bash.setWorkingDirectory(folder);
    const QString script = QStringLiteral(
        "source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _skaleron_cli; "
        "printf '%s\\n' \"${COMPREPLY[@]}\"");
    bash.start("bash", QStringList{"-c", script, "bash", sourceDir() + "/cli/completion/skaleron-cli",
                                   binDir() + "/skaleron-cli"} + words);
    if (!bash.waitForFinished(10000) || bash.exitCode() != 0)
        qFatal("bash did not complete: %s", bash.readAllStandardError().constData());
    QStringList offered = QString::fromLocal8Bit(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    offered.sort();
    offered.removeDuplicates();
    return offered;
}

// The usage forms of "skaleron-cli --help", without the program name.
QStringList usageLines()
{
    const CliResult help = runCli({"--help"});
    const QRegularExpression form(QStringLiteral("^(?:Usage:|  or: ) skaleron-cli (.+)$"));
    QStringList lines;
    for (const QString &line : help.out.split('\n')) {
        const QRegularExpressionMatch m = form.match(line);
        if (m.hasMatch())
            lines << m.captured(1);
    }
    return lines;
}

QStringList sorted(QStringList list)
{
    list.sort();
    list.removeDuplicates();
    return list;
}

}

class CompletionTest : public QObject
{
    Q_OBJECT
private slots:
    void commandsAreThoseOfTheHelp()
    {
        QStringList commands;
        for (const QString &line : usageLines())
            commands << line.section(' ', 0, 0);
        QVERIFY(commands.size() >= 9);
        QCOMPARE(complete({""}), sorted(commands));
    }

    // One row per command (and subcommand, such as rix new): the options
    // offered after "-" are exactly those its usage lines name.
    void optionsAreThoseOfTheUsage_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("options");
        QMap<QString, QStringList> options;
        const QRegularExpression option(QStringLiteral("(?<![\\w-])(-o|--[a-z][a-z-]*)"));
        for (const QString &line : usageLines()) {
            const QString command = line.section(' ', 0, 0);
            static const QRegularExpression subcommand(QStringLiteral("^[a-z][a-z-]*$"));
            const bool hasSub = subcommand.match(line.section(' ', 1, 1)).hasMatch();
            const QString key = hasSub ? line.section(' ', 0, 1) : command;
            QStringList &found = options[key];
            for (const auto &m : option.globalMatch(line))
                found << m.captured(1);
        }
        for (auto it = options.cbegin(); it != options.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key().split(' ') << sorted(it.value());
    }
    void optionsAreThoseOfTheUsage()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, options);
        QCOMPARE(complete(words + QStringList{"-"}), options);
    }

    // zsh and fish read the same help: the options a command's help lists
    // are those offered, for each of the three programs.
    void zshAndFishOfferTheOptionsOfTheHelp_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QStringList>("command");
        for (const QString shell : {"zsh", "fish"}) {
            for (const QStringList &command : {QStringList{"skaleron-cli", "read"}, QStringList{"skaleron-cli", "rix", "new"},
                                               QStringList{"skaleron-sim"}, QStringList{"skaleron"}})
                QTest::newRow(qPrintable(shell + ' ' + command.join(' '))) << shell << command;
        }
    }
    void zshAndFishOfferTheOptionsOfTheHelp()
    {
        QFETCH(QString, shell);
        QFETCH(QStringList, command);
        if (QStandardPaths::findExecutable(shell).isEmpty())
            QSKIP(qPrintable(shell + " is not installed (scripts/setup installs it)"));
        QProcess program;
        program.start(binDir() + '/' + command.first(), command.mid(1) + QStringList{"--help"});
        QVERIFY(program.waitForFinished(10000));
        QStringList listed;
        static const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?(-[-\\w]+)"));
        for (const QString &line : QString::fromLocal8Bit(program.readAllStandardOutput()).split('\n')) {
            const QRegularExpressionMatch m = option.match(line);
            if (m.hasMatch())
                listed << m.captured(1);
        }
        QVERIFY(listed.contains("--help"));

        const QString folder = sourceDir() + "/cli/completion";
        const QString script = shell == "zsh"
            ? QStringLiteral("autoload -U compinit; compinit -u -D; _call_program() { shift; eval \"$@\"; }; "
                             "source <(sed '$d' %1/_skaleron); _skaleron_option_specs %2")
            : QStringLiteral("for f in %1/fish/*.fish; source $f; end; complete -C '%2 -'");
        QProcess completion;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", binDir() + ':' + env.value("PATH"));
        completion.setProcessEnvironment(env);
        completion.start(shell, {"-c", script.arg(folder, command.join(' '))});
        QVERIFY(completion.waitForFinished(10000));
        QStringList offered;
        static const QRegularExpression name(QStringLiteral("^(-[-\\w]+)"));
        for (const QString &line : QString::fromLocal8Bit(completion.readAllStandardOutput()).split('\n'))
            offered << name.match(line).captured(1);
        offered.removeAll(QString());
        QCOMPARE(sorted(offered), sorted(listed));
    }

    void rixSetOffersTheStoredFields()
    {
        ScopedTestHome home;
        const QString project = home.filePath("a.rix");
        QCOMPARE(runCli({"rix", "new", project}).exitCode, 0);
        QJsonObject shown = QJsonDocument::fromJson(runCli({"rix", "show", project}).out.toUtf8()).object();
        shown.remove("Version");
        QStringList fields;
        for (const QString &key : shown.keys())
            fields << key + '=';
        QVERIFY(fields.size() >= 14);
        QCOMPARE(complete({"rix", "set", project, ""}), sorted(fields));
        QCOMPARE(complete({"rix", "set", project, "KValue=3", "Warn"}), sorted({"WarnMode=", "WarnThreshold="}));
    }

    void filesOfTheKindWanted_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("project") << QStringList{"rix", "show", ""} << QStringList{"a.rix", "sub"};
        QTest::newRow("--project") << QStringList{"read", "--project", ""} << QStringList{"a.rix", "sub"};
        QTest::newRow("--db") << QStringList{"catalogue", "list", "--db", ""}
                              << QStringList{"c.sqlite", "d.mdb", "sub"};
        QTest::newRow("--report") << QStringList{"write", "--report", ""} << QStringList{"e.json", "f.csv", "sub"};
        QTest::newRow("--restore") << QStringList{"write", "--restore", ""} << QStringList{"g.bin", "sub"};
        QTest::newRow("--family") << QStringList{"read", "--family", ""} << QStringList{"block", "register"};
        QTest::newRow("-o") << QStringList{"read", "-o", ""} << QStringList{"a.rix", "sub"};
        QTest::newRow("catalogue import IN") << QStringList{"catalogue", "import", ""}
                                             << QStringList{"c.sqlite", "d.mdb", "sub"};
        QTest::newRow("catalogue import IN OUT.sqlite") << QStringList{"catalogue", "import", "d.mdb", ""}
                                                        << QStringList{"c.sqlite", "sub"};
        QTest::newRow("diff second project") << QStringList{"diff", "a.rix", ""} << QStringList{"a.rix", "sub"};
        QTest::newRow("write project after an option's value")
            << QStringList{"write", "--port", "/dev/ttyS0", ""} << QStringList{"a.rix", "sub"};
        QTest::newRow("read takes no file") << QStringList{"read", "--json", ""} << QStringList{};
    }
    void filesOfTheKindWanted()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        for (const char *name : {"a.rix", "b.txt", "c.sqlite", "d.mdb", "e.json", "f.csv", "g.bin"}) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(complete(words, folder.path()), offered);
    }

    void portOffersTheSimulatedGauge()
    {
        ScopedTestHome home;
        SimProcess sim({"--family", "register"}, home.filePath("state.json"));
        QVERIFY(sim.device().startsWith("/dev/pts/"));
        QVERIFY2(complete({"write", "--port", "/dev/pts/"}).contains(sim.device()), qPrintable(sim.device()));
    }
};

SKALERON_TEST(CompletionTest)
#include "CompletionTest.moc"
