// Unsaved work survives a crash: a program killed while its project has
// unsaved changes leaves a recovery copy, which the next start offers back.
#include "FrameFixture.h"
#include "base/Language.h"
#include "model/RecoveryCopy.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace testing_support;

namespace {

QStringList recoveryFiles()
{
    return QDir(RecoveryCopy::folder()).entryList(QDir::Files);
}

}

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void killedProgramsWorkIsOffered_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("restored");
        QTest::newRow("restore") << int(user_messages::Answer::Yes) << true;
        QTest::newRow("discard") << int(user_messages::Answer::No) << false;
    }
    void killedProgramsWorkIsOffered()
    {
        QFETCH(int, answer);
        QFETCH(bool, restored);
        FrameFixture f; // the killed program and the next start share its home
        ConfigRecord record;
        record.KValue = 11;
        const QString project = f.home().filePath(QStringLiteral("harbour.rix"));
        QVERIFY(project_file::writeFile(project, record, nullptr));

        QProcess child;
        child.start(binDir() + QStringLiteral("/skaleron_crash_child"), {project, QStringLiteral("4321")});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("copied"), 20000);
        child.kill(); // SIGKILL: nothing of the program's own ending runs
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(recoveryFiles().size(), 2); // the copy and its notes
        ConfigRecord changed = record; // by another program, after the crash
        changed.WarnThreshold = 1300;
        QVERIFY(project_file::writeFile(project, changed, nullptr));

        QVERIFY(f.start({}, user_messages::Answer(answer)));
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.messages().texts().first().startsWith(
            loadTranslatedString(5008).section(QStringLiteral("%1"), 0, 0) + QFileInfo(project).fileName()));
        QCOMPARE(f.messages().messages().first().details, QDir::toNativeSeparators(project));
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Question);
        QCOMPARE(f.messages().messages().first().buttons, user_messages::Buttons::YesNo);
        QCOMPARE(f.document().config().KValue, restored ? 4321.0 : 0.0);
        QCOMPARE(f.document().filePath(), restored ? QFileInfo(project).absoluteFilePath() : QString());
        QCOMPARE(f.document().isModified(), restored);
        const InputCalibration &calibration = *f.document().calibration(1);
        QCOMPARE(calibration.resistance[0], restored ? 12.5 : 0.0);
        QCOMPARE(calibration.pointerAngle[7], restored ? 270.25 : 0.0);
        QCOMPARE(calibration.signalCheckMax, restored ? 0.0 : 255.0);
        QCOMPARE(calibration.sensor.Name, restored ? QStringLiteral("Tank, hinten") : QString());
        QCOMPARE(calibration.sensor.Y[1], restored ? 180.0 : 0.0);
        QCOMPARE(f.document().unkeptCalibrations(), restored ? QVector<int>{1} : QVector<int>{});
        // The killed program's copy is gone either way; a restored project
        // has a copy of this program's own.
        const QString own = QStringLiteral("recovery-%1").arg(QCoreApplication::applicationPid());
        const QStringList expected = restored ? QStringList{own + ".ini", own + ".rix"} : QStringList();
        QCOMPARE(recoveryFiles(), expected);
        if (restored) { // Save asks before it drops the other program's change
            QVERIFY(f.document().save(project));
            QCOMPARE(f.messages().count(), 2);
            QVERIFY(f.messages().texts().last().startsWith(loadTranslatedString(5019).section(QStringLiteral("%1"), 0, 0)));
        }
    }

    // The project file has no place for calibrations: saving it leaves the
    // copy for them until they are in a table file.
    void savedProjectKeepsTheCopyForCalibrations()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().calibration(2)->quantity[3] = 42.0;
        f.document().commitChange([] { return QStringLiteral("typed"); });
        f.app().recovery()->update();
        QVERIFY(f.document().save(f.home().filePath(QStringLiteral("saved.rix"))));
        QVERIFY(!f.document().isModified());
        QVERIFY(QFile::exists(f.app().recovery()->copyPath()));
        f.document().calibrationKept(2);
        f.app().recovery()->update();
        QCOMPARE(recoveryFiles(), QStringList());
    }

    void cleanExitLeavesNoCopy()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().config().KValue = 99;
        f.document().setModified(true);
        f.app().recovery()->update();
        QVERIFY(QFile::exists(f.app().recovery()->copyPath()));
        f.stop();
        QCOMPARE(recoveryFiles(), QStringList());
    }
};

SKALERON_TEST(RecoveryTest)
#include "RecoveryTest.moc"
