// Gauge → History...: transfers from the main window land in the service
// history, the table shows and filters them and opens an entry's project;
// a history that cannot be written never blocks a transfer.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "dialogs/HistoryDialog.h"
#include "history/TransferHistory.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int SpeedometerRegisterFamily = 3;

// A saved register-family project, opened in the program.
QString openSavedProject(FrameFixture &f)
{
    ConfigRecord record;
    record.MasterId = SpeedometerRegisterFamily;
    const QString path = f.home().filePath("bench.rix");
    QString error;
    if (!project_file::writeFile(path, record, &error) || !f.frame().openProject(path))
        return QString();
    LinkOptions options;
    options.timeouts = fastTimeouts();
    f.frame().gaugeCommands().setLinkOptions(options);
    return path;
}

int visibleRows(QTableWidget *table)
{
    int rows = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        rows += table->isRowHidden(r) ? 0 : 1;
    return rows;
}

}

class HistoryMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { transfer_history::resetToldOnce(); }

    void tableShowsFiltersAndOpensTheProject()
    {
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        const QString project = openSavedProject(f);
        QVERIFY(!project.isEmpty());
        f.trigger(ReadGauge);
        f.trigger(ReadGauge);
        QCOMPARE(f.messages().texts(), QStringList(2, loadTranslatedString(1232)));
        f.document().setModified(false);
        f.trigger(FileNew);
        QVERIFY(f.document().filePath().isEmpty());
        // Cancel at the save question leaves the user in the list, filter and
        // all; Open there again opens the project.
        f.document().setModified(true);
        MessageRecorder cancel{user_messages::Answer::Cancel};
        QStringList filtersShownAgain;

        bool shown = false;
        whenModal<HistoryDialog>([&](HistoryDialog *dialog) {
            shown = true;
            auto *table = dialog->findChild<QTableWidget *>("historyTable");
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->item(1, 8)->text(), QString("read"));
            QCOMPARE(table->item(1, 9)->text(), QString("done"));
            QCOMPARE(table->item(1, 3)->text(), gauge.server->devicePath());
            auto *filter = dialog->findChild<QLineEdit *>("historyFilter");
            QTest::keyClicks(filter, "write");
            QCOMPARE(visibleRows(table), 0);
            filter->clear();
            QCOMPARE(visibleRows(table), 2);
            QTest::keyClicks(filter, "read");
            QTest::keyClick(filter, Qt::Key_Return); // goes to the rows, does not close the list
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->focusWidget(), table);
            whenModal<HistoryDialog>([&](HistoryDialog *again) {
                filtersShownAgain << again->findChild<QLineEdit *>("historyFilter")->text();
                f.document().setModified(false);
                QTest::mouseClick(again->findChild<QPushButton *>("historyOpenProject"), Qt::LeftButton);
            });
            QTest::mouseClick(dialog->findChild<QPushButton *>("historyOpenProject"), Qt::LeftButton);
        });
        f.trigger(ServiceHistory);
        QVERIFY(shown);
        QCOMPARE(cancel.texts().size(), 1); // the save question, answered Cancel
        QCOMPARE(filtersShownAgain, QStringList{"read"});
        QCOMPARE(f.document().filePath(), project);
    }

    void unwritableHistoryIsToldOnce_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("named");
        QTest::newRow("below a plain file") << "blocker/history.sqlite" << "blocker";
        QTest::newRow("a folder in the file's place") << "folder.sqlite" << "is not a regular file";
    }
    void unwritableHistoryIsToldOnce()
    {
        QFETCH(QString, history);
        QFETCH(QString, named);
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(!openSavedProject(f).isEmpty());
        QFile blocker(f.home().filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(f.home().filePath("folder.sqlite")));
        settings_store::writeString("Directories", "History", f.home().filePath(history));
        f.trigger(ReadGauge);
        f.trigger(ReadGauge);
        const QStringList texts = f.messages().texts();
        QCOMPARE(texts.size(), 3);
        QVERIFY2(texts.first().contains(named) && !texts.first().contains("catalogue"), qPrintable(texts.first()));
        QCOMPARE(texts.mid(1), QStringList(2, loadTranslatedString(1232)));
    }

    // A shared history on a server that takes the connection and never
    // answers: the window goes on drawing while the entry waits for it.
    void silentHistoryServerLeavesTheWindowDrawing()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(!openSavedProject(f).isEmpty());
        settings_store::writeInt("Directories", "ServerTimeout", 1);
        settings_store::writeString("Directories", "History",
                                    QString("postgresql://127.0.0.1:%1/history").arg(silent.serverPort()));
        QElapsedTimer clock;
        qint64 last = 0, longestGap = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        ticks.start(50);
        f.trigger(ReadGauge);
        longestGap = std::max(longestGap, clock.elapsed() - last);
        QVERIFY2(clock.elapsed() >= 1000, "the entry did not wait for the server");
        QVERIFY2(longestGap < 500, qPrintable(QString("the window stood still for %1 ms").arg(longestGap)));
        QCOMPARE(f.messages().count(), 2); // the history's problem, then the read's outcome
    }
};

SKALERON_TEST(HistoryMenuTest)
#include "HistoryMenuTest.moc"
