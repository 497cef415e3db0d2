// "skaleron --help" and "--version" answer without a window: they work where
// no display can be reached at all.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QProcess>
#include <QTest>

class InfoRequestTest : public QObject
{
    Q_OBJECT
private slots:
    void answeredWithoutADisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--help") << "--help" << "--demo";
        QTest::newRow("-h") << "-h" << "Usage:";
        QTest::newRow("--version") << "--version" << "skaleron " SKALERON_VERSION;
    }
    void answeredWithoutADisplay()
    {
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        program.setProcessEnvironment(env);
        program.start(testing_support::binDir() + QStringLiteral("/skaleron"), {argument});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(expected),
                 qPrintable(program.readAllStandardError()));
    }
};

SKALERON_TEST(InfoRequestTest)
#include "InfoRequestTest.moc"
