// The shell blocks of README's command-line, service bench and workshop
// sections, run line by line as a reader would type them: the simulated
// gauges stand in for the devices the README names, the throw-away
// PostgreSQL server for the workshop's server.
#include "SimProcess.h"

#include "common/PgServer.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using testing_support::ScopedTestHome;

namespace {

// The lines of every ```sh block in the README section with that heading.
QStringList shellLines(const QString &readme, const QString &heading)
{
    const int start = readme.indexOf("\n## " + heading + '\n');
    const int end = readme.indexOf("\n## ", start + 1);
    const QString section = readme.mid(start, end - start);
    QStringList lines;
    static const QRegularExpression block("```sh\\n(.*?)```", QRegularExpression::DotMatchesEverythingOption);
    for (const auto &m : block.globalMatch(section))
        lines += m.captured(1).split('\n', Qt::SkipEmptyParts);
    return lines;
}

// Runs the lines in the current folder; a line ending in '&' starts a
// simulated gauge, whose device stands for the one its comment names.
void runLines(const QStringList &lines, const QString &serverAddress)
{
    static const QRegularExpression background("^(.*\\S)\\s*&\\s*#.*?(/dev/pts/\\d+)");
    static const QRegularExpression command("^(?:\\./build/bin/)?skaleron-cli\\s+(\\S+)");
    std::vector<std::unique_ptr<QProcess>> gauges;
    QMap<QString, QString> devices;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", testing_support::binDir() + ':' + env.value("PATH"));
    for (QString line : lines) {
        const QRegularExpressionMatch gauge = background.match(line);
        if (gauge.hasMatch()) {
            auto sim = std::make_unique<QProcess>();
            sim->setProcessEnvironment(env);
            sim->start("bash", {"-c", "exec " + gauge.captured(1)});
            QVERIFY2(sim->waitForReadyRead(5000), qPrintable(line));
            devices.insert(gauge.captured(2), QString::fromLocal8Bit(sim->readLine()).trimmed());
            gauges.push_back(std::move(sim));
            continue;
        }
        // In one pass: a real device may bear the name of another example's.
        static const QRegularExpression named("/dev/pts/\\d+");
        QString replaced;
        int from = 0;
        for (const QRegularExpressionMatch &m : named.globalMatch(line)) {
            replaced += line.mid(from, m.capturedStart() - from) + devices.value(m.captured(), m.captured());
            from = m.capturedEnd();
        }
        line = replaced + line.mid(from);
        line.replace("postgresql://bench@dbhost/workshop", serverAddress);
        QProcess shell;
        shell.setProcessEnvironment(env);
        shell.start("bash", {"-c", line});
        QVERIFY2(shell.waitForFinished(60000), qPrintable(line));
        // A diff exits 1 for projects that differ, as the README says.
        const int allowed = command.match(line).captured(1) == "diff" ? 1 : 0;
        QVERIFY2(shell.exitCode() <= allowed,
                 qPrintable(QString("%1\nexit %2: %3").arg(line).arg(shell.exitCode()).arg(
                     QString::fromLocal8Bit(shell.readAllStandardError()))));
    }
    for (auto &sim : gauges) {
        sim->terminate();
        sim->waitForFinished(5000);
    }
}

}

class ReadmeCliTest : public QObject
{
    Q_OBJECT
private slots:
    void shellBlocksRunAsWritten()
    {
        SKALERON_NEED_PG_SERVER();
        ScopedTestHome home;
        QFile file(testing_support::sourceDir() + "/README.md");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString readme = QString::fromUtf8(file.readAll());
        // The reader's folder: the build's programs in build/bin and the
        // sample catalogue to move onto the server.
        QVERIFY(QDir(home.path()).mkdir("build"));
        QVERIFY(QFile::link(testing_support::binDir(), home.filePath("build/bin")));
        QVERIFY(QFile::copy(testing_support::binDir() + "/skaleron-catalogue.sqlite",
                            home.filePath("skaleron-catalogue.sqlite")));
        const QString server = pg_server::createDatabase("readme_workshop");
        for (const char *heading : {"Command-line tool", "Service bench", "Sharing a catalogue in a workshop"}) {
            const QStringList lines = shellLines(readme, QString::fromLatin1(heading));
            QVERIFY2(!lines.isEmpty(), heading);
            runLines(lines, server);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(QFile::exists(home.filePath("bench.csv")));
    }
};

SKALERON_TEST(ReadmeCliTest)
#include "ReadmeCliTest.moc"
