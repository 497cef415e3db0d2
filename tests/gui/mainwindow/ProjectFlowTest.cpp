// New, open, save and the recent list through the main window's commands.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "UserPaths.h"
#include "base/Language.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/ProjectFileCommands.h"
#include "model/ProjectDocument.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QPrinterInfo>
#include <QUrl>

using namespace testing_support;
using namespace command_ids;

namespace {

// A version 103 project with a pulse factor and no master type.
QByteArray projectBytes(double kValue)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << qint32(103) << qint32(0) << kValue << 50.0 << qint32(1) << qint32(0) << 4.0 << quint32(0x41) << 30.0
        << qint32(1) << qint32(0) << qint32(1) << qint32(1) << qint32(-1) << qint32(1);
    return bytes;
}

void dropFile(QWidget *target, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

}

class ProjectFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void newProjectShowsProjectItemAndForm()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.treeTexts(), QStringList{QStringLiteral("Project")});
        QCOMPARE(f.rightViewClass(), QStringLiteral("ProjectFormView"));
        QVERIFY(f.frame().windowTitle().startsWith(QStringLiteral("Untitled")));
        QVERIFY(!f.frame().action(ReadGauge)->isEnabled());
        QVERIFY(!f.frame().action(WriteGauge)->isEnabled());
        QVERIFY(!f.frame().action(Diagnostics)->isEnabled());
    }

    void saveAsThenReopenKeepsValues()
    {
        FrameFixture f;
        QVERIFY(f.start());
        ConfigRecord &config = f.document().config();
        config.KValue = 1234.5;
        config.WarnThreshold = 77;
        config.DisplayMask = 0x0805;
        f.document().setModified(true);

        const QString path = f.home().filePath(QStringLiteral("boat.rix"));
        answerFileDialog(path);
        f.trigger(FileSaveAs);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), qint64(76));
        QVERIFY(!f.document().isModified());
        QVERIFY(f.frame().windowTitle().startsWith(QStringLiteral("boat.rix")));

        f.trigger(FileNew);
        QCOMPARE(f.document().config().KValue, 0.0);

        answerFileDialog(path);
        f.trigger(FileOpen);
        QCOMPARE(f.document().config().KValue, 1234.5);
        QCOMPARE(f.document().config().WarnThreshold, 77.0);
        QCOMPARE(f.document().config().DisplayMask, 0x0805u);
        QCOMPARE(f.document().filePath(), QFileInfo(path).absoluteFilePath());
    }

    // The File Save command checks the record whatever form is shown: a
    // value no gauge can take is named and the file stays as it was.
    void refusedRecordIsNotSaved()
    {
        FrameFixture f;
        QVERIFY(f.start());
        const QString path = f.home().filePath(QStringLiteral("boat.rix"));
        writeBytes(path, projectBytes(12.5));
        QVERIFY(f.document().open(path));
        f.document().config().Illumination = 110;
        f.document().setModified(true);
        f.trigger(FileSave);
        QCOMPARE(f.messages().texts(), QStringList{QStringLiteral(
                                           "Illumination 110 cannot be saved or sent to the gauge: allowed are 0 to 100.")});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), projectBytes(12.5));
        QVERIFY(f.document().isModified());
    }

    // Save with the project's place gone: a removed file is made again where
    // it was; a folder that is gone is named before Save As asks for another.
    void saveWhereTheFileWas_data()
    {
        QTest::addColumn<bool>("folderGone");
        QTest::newRow("file removed") << false;
        QTest::newRow("folder gone") << true;
    }
    void saveWhereTheFileWas()
    {
        QFETCH(bool, folderGone);
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(QDir(f.home().path()).mkpath("bench"));
        const QString path = f.home().filePath(QStringLiteral("bench/boat.rix"));
        writeBytes(path, projectBytes(12.5));
        QVERIFY(f.document().open(path));
        f.document().config().KValue = 14;
        f.document().setModified(true);
        QVERIFY(folderGone ? QDir(f.home().filePath("bench")).removeRecursively() : QFile::remove(path));
        QString offered; // what Save As offers: the name alone, in a folder that is there
        if (folderGone)
            whenModal<QFileDialog>([&offered](QFileDialog *dialog) {
                offered = dialog->selectedFiles().value(0);
                dialog->reject();
            });
        f.trigger(FileSave);
        if (folderGone)
            QVERIFY2(offered.endsWith("/boat.rix") && QFileInfo(offered).absoluteDir().exists(), qPrintable(offered));
        QCOMPARE(f.messages().texts(),
                 folderGone ? QStringList{loadTranslatedString(5015).arg("boat.rix", loadTranslatedString(5016))}
                            : QStringList());
        QCOMPARE(QFile::exists(path), !folderGone);
        QCOMPARE(f.document().isModified(), folderGone);
    }

    void modifiedProjectAsksBeforeNew_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel keeps the project") << int(user_messages::Answer::Cancel) << false << false;
        QTest::newRow("discard") << int(user_messages::Answer::No) << true << false;
        QTest::newRow("save first") << int(user_messages::Answer::Yes) << true << true;
    }
    void modifiedProjectAsksBeforeNew()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, saved);
        FrameFixture f;
        const QString path = f.home().filePath(QStringLiteral("named.rix"));
        writeBytes(path, projectBytes(10.0));
        QVERIFY(f.start({path}));
        f.document().config().KValue = 99.0;
        f.document().setModified(true);

        f.messages().setAnswer(user_messages::Answer(answer));
        f.trigger(FileNew);
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.messages().texts().first().contains(QStringLiteral("named.rix")));
        QCOMPARE(f.document().filePath().isEmpty(), replaced);
        QCOMPARE(f.document().config().KValue, replaced ? 0.0 : 99.0);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == projectBytes(10.0), !saved);
    }

    void damagedFileKeepsTheOpenProject()
    {
        FrameFixture f;
        const QString good = f.home().filePath(QStringLiteral("good.rix"));
        const QString damaged = f.home().filePath(QStringLiteral("damaged.rix"));
        writeBytes(good, projectBytes(321.0));
        writeBytes(damaged, projectBytes(5.0).left(30));
        QVERIFY(f.start({good}));

        // From the menu.
        answerFileDialog(damaged);
        f.trigger(FileOpen);
        QCOMPARE(f.messages().count(), 1);
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Error);
        QCOMPARE(f.document().config().KValue, 321.0);
        QCOMPARE(f.document().filePath(), QFileInfo(good).absoluteFilePath());

        // Dropped on the window, with unsaved changes: told without asking
        // to save them first.
        f.messages().clear();
        f.document().setModified(true);
        dropFile(&f.frame(), damaged);
        QTRY_COMPARE(f.messages().count(), 1);
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Error);
        QVERIFY(f.document().isModified());
        QCOMPARE(f.document().config().KValue, 321.0);
        QCOMPARE(f.document().filePath(), QFileInfo(good).absoluteFilePath());
        QVERIFY(!f.frame().fileCommands().recentFiles().entries().contains(QFileInfo(damaged).absoluteFilePath()));
    }

    void damagedFileOnTheCommandLineStartsANewProject()
    {
        FrameFixture f;
        const QString damaged = f.home().filePath(QStringLiteral("damaged.rix"));
        writeBytes(damaged, QByteArray("\x67\x00\x00", 3));
        QVERIFY(f.start({damaged}));
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.messages().texts().first().contains(QStringLiteral("damaged.rix")));
        QVERIFY(f.frame().isVisible());
        QCOMPARE(f.document().filePath(), QString());
        QVERIFY(!f.document().isModified());
    }

    void printRequestWithoutPrinterEnds()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        FrameFixture f;
        const QString path = f.home().filePath(QStringLiteral("print.rix"));
        writeBytes(path, projectBytes(3.0));
        QVERIFY(!f.start({QStringLiteral("/p"), path}));
        QVERIFY(f.exitCode() != 0);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5381)});
    }

    void droppedProjectOpens()
    {
        FrameFixture f;
        QVERIFY(f.start());
        const QString path = f.home().filePath(QStringLiteral("dropped.rix"));
        writeBytes(path, projectBytes(42.0));
        dropFile(&f.frame(), path);
        QTRY_COMPARE(f.document().config().KValue, 42.0);
        QCOMPARE(f.messages().count(), 0);
    }

    void recentListKeepsFourNewestFirst()
    {
        FrameFixture f;
        QStringList paths;
        for (int i = 1; i <= 5; ++i) {
            paths << f.home().filePath(QStringLiteral("p%1.rix").arg(i));
            writeBytes(paths.last(), projectBytes(i));
        }
        QVERIFY(f.start());
        for (const QString &p : paths)
            QVERIFY(f.frame().openProject(p));
        // Opening one that is listed moves it to the top.
        QVERIFY(f.frame().openProject(paths.at(2)));
        const QStringList expected = {paths.at(2), paths.at(4), paths.at(3), paths.at(1)};
        QCOMPARE(f.frame().fileCommands().recentFiles().entries(), expected);

        QAction *second = f.frame().findChild<QAction *>(QStringLiteral("actionRecentFile2"));
        QVERIFY(second && second->isVisible());
        QVERIFY(second->text().contains(QStringLiteral("p5.rix")));
        second->trigger();
        QCOMPARE(f.document().config().KValue, 5.0);

        // A new start reads the list back.
        f.stop();
        QVERIFY(f.start());
        QCOMPARE(f.frame().fileCommands().recentFiles().entries().first(), paths.at(4));
    }

    // A field that has the focus when another project comes hands its text
    // to the project it belongs to, never to the one that comes.
    void focusedFieldStaysWithItsProject_data()
    {
        QTest::addColumn<bool>("recentFile"); // else Ctrl+N
        QTest::addColumn<QString>("typed");   // empty: only clicked into
        QTest::addColumn<double>("threshold");
        QTest::newRow("new, field only clicked") << false << QString() << 0.0;
        QTest::newRow("new, typed and discarded") << false << "55" << 0.0;
        QTest::newRow("recent file, field only clicked") << true << QString() << 12.0;
    }
    void focusedFieldStaysWithItsProject()
    {
        QFETCH(bool, recentFile);
        QFETCH(QString, typed);
        QFETCH(double, threshold);
        FrameFixture f;
        QVERIFY(f.start());
        for (const double kept : {12.0, 77.0}) {
            ConfigRecord record;
            record.MasterId = 3;
            record.WarnThreshold = kept;
            const QString path = f.home().filePath(QStringLiteral("boat%1.rix").arg(kept));
            QVERIFY(project_file::writeFile(path, record, nullptr));
            QVERIFY(f.frame().openProject(path));
        }
        showAndActivate(f.frame());
        QLineEdit *field = typeInto(f, "1047", typed);
        QVERIFY(field);
        f.messages().setAnswer(user_messages::Answer::No);
        if (recentFile)
            f.frame().findChild<QAction *>(QStringLiteral("actionRecentFile2"))->trigger();
        else
            QTest::keyClick(field, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.messages().count(), typed.isEmpty() ? 0 : 1);
        QCOMPARE(f.document().config().WarnThreshold, threshold);
        QVERIFY(!f.document().isModified());
        QVERIFY(!f.frame().isWindowModified());
    }

    void vanishedRecentFileLeavesTheList()
    {
        FrameFixture f;
        const QString path = f.home().filePath(QStringLiteral("gone.rix"));
        writeBytes(path, projectBytes(1.0));
        QVERIFY(f.start({path}));
        QVERIFY(QFile::remove(path));
        f.document().setModified(false);
        f.frame().findChild<QAction *>(QStringLiteral("actionRecentFile1"))->trigger();
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.frame().fileCommands().recentFiles().entries().isEmpty());
    }
};

SKALERON_TEST(ProjectFlowTest)
#include "ProjectFlowTest.moc"
