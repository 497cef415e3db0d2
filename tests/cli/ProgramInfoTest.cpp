// --help and --version of the command-line tool and the simulator (the
// desktop program's are in InfoRequestTest): the manual pages are made from
// them, so they go to stdout and end at once with status 0.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QProcess>
#include <QTest>

using namespace testing_support;

class ProgramInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void answersOnStdout_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");    // start of stdout ("" = nothing)
        QTest::addColumn<QString>("err");    // start of stderr ("" = nothing)
        const QString version = QStringLiteral(SKALERON_VERSION);
        QTest::newRow("skaleron-cli --version") << "skaleron-cli" << QStringList{"--version"} << 0
                                                << "skaleron-cli " + version + "\n" << "";
        QTest::newRow("skaleron-sim --version") << "skaleron-sim" << QStringList{"--version"} << 0
                                                << "skaleron-sim " + version + "\n" << "";
        QTest::newRow("skaleron-cli --help") << "skaleron-cli" << QStringList{"--help"} << 0
                                             << "Usage: skaleron-cli " << "";
        QTest::newRow("skaleron-sim --help") << "skaleron-sim" << QStringList{"--help"} << 0
                                             << "Usage: " << "";
        // Without a command the usage is the reason: stderr, bad usage.
        QTest::newRow("skaleron-cli alone") << "skaleron-cli" << QStringList{} << 2 << ""
                                            << "Usage: skaleron-cli ";
    }
    void answersOnStdout()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess p;
        p.start(binDir() + '/' + program, args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    }
};

SKALERON_TEST(ProgramInfoTest)
#include "ProgramInfoTest.moc"
