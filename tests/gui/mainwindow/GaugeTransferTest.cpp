// Writing to and reading from the simulated gauge through the main window's
// commands, with the progress window, cancelling and closing during a
// transfer.
#include "DialogDriver.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "mainwindow/FrameServices.h"
#include "FrameFixture.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "dialogs/TransferProgressDialog.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "link/TransferStepText.h"
#include "app/DemoGauge.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/FindGaugePanel.h"
#include "dialogs/RestoreBackupDialog.h"
#include "common/SimGauge.h"
#include "history/ServiceHistory.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "model/RecoveryCopy.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"
#include "views/PaneSplitter.h"
#include "views/ViewFactory.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTreeWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int TachometerBlockFamily = 5; // "Tachometer 0-4000 rpm"
constexpr int SpeedometerRegisterFamily = 3; // "Speedometer 0-120 km/h with LCD"

// Gives the open project a master type from the sample catalogue.
void chooseMasterType(FrameFixture &f, int id)
{
    ConfigRecord &config = f.document().config();
    config.MasterId = id;
    f.document().applyStoredMasterType();
    QVERIFY(!config.Description.isEmpty());
    f.tree().fillTree();
    f.frame().updateCommandStates();
    // The project item is selected: the master's form, which would check
    // the reset values against the master type, is not in the way.
    {
        const QSignalBlocker block(&f.tree());
        f.tree().setCurrentItem(f.tree().topLevelItem(0));
    }
    QVERIFY(f.frame().splitter()->replaceView(viewFactoryForCode(107), &f.document(),
                                              PaneSplitter::OldValues::Discard));
}

// Short time-outs; backups of overwritten blocks go to the test's folder.
LinkOptions fastOptions(const FrameFixture &f)
{
    LinkOptions options;
    options.timeouts = fastTimeouts();
    options.backupFolder = f.home().filePath(QStringLiteral("backups"));
    return options;
}

// Time-outs long enough for a gauge told to answer slowly.
LinkOptions patientOptions(const FrameFixture &f)
{
    LinkOptions options = fastOptions(f);
    options.timeouts = ReadTimeouts{1500, 2, 1500};
    return options;
}

// Notes what the progress window showed while the transfer ran.
struct ProgressWatch
{
    bool seen = false;
    QString step;
    void arm()
    {
        whenModal<TransferProgressDialog>([this](TransferProgressDialog *dialog) {
            seen = true;
            QTRY_VERIFY(dialog->findChild<QLabel *>(QStringLiteral("step"))->text().contains(QLatin1Char(':')));
            step = dialog->findChild<QLabel *>(QStringLiteral("step"))->text();
        });
    }
};

class RefusingForm : public FormView
{
public:
    using FormView::FormView;
    bool saveToRecord() override { return false; }
};

}

class GaugeTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void writeThenReadBack_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("displaySettings"); // the family carries illumination and units
        QTest::newRow("block family") << TachometerBlockFamily << int(SimFamily::Block) << false;
        QTest::newRow("register family") << SpeedometerRegisterFamily << int(SimFamily::Register) << true;
    }
    void writeThenReadBack()
    {
        QFETCH(int, masterId);
        QFETCH(int, family);
        QFETCH(bool, displaySettings);
        SimGauge gauge{SimFamily(family)};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, masterId);
        QVERIFY(f.frame().action(ReadGauge)->isEnabled());
        ConfigRecord &config = f.document().config();
        config.KValue = 2345;
        config.WarnMode = 1;
        config.Illumination = 70;
        config.TimeFormat = 1;
        config.DisplayMask = 0x0045;
        const ConfigRecord written = config;

        ProgressWatch watch;
        watch.arm();
        f.trigger(WriteGauge);
        QVERIFY(watch.seen);
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.messages().texts().first().startsWith(loadTranslatedString(1230)));
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Information);

        // A new project of the same type reads the values back.
        f.document().setModified(false);
        f.trigger(FileNew);
        chooseMasterType(f, masterId);
        QCOMPARE(f.document().config().KValue, 0.0);
        f.document().setModified(false);
        f.messages().clear();
        watch.arm();
        f.trigger(ReadGauge);
        QVERIFY(watch.seen);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(1232)});
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Information);
        QVERIFY(f.document().isModified()); // closing now asks before the read values are lost
        const ConfigRecord &read = f.document().config();
        QCOMPARE(read.KValue, written.KValue);
        QCOMPARE(read.WarnMode, written.WarnMode);
        if (displaySettings) {
            QCOMPARE(read.Illumination, written.Illumination);
            QCOMPARE(read.TimeFormat, written.TimeFormat);
            QCOMPARE(read.DisplayMask, written.DisplayMask);
        }
    }

    // The form shows the values read before the outcome is told, also when
    // the read failed after some of them.
    void readValuesAreShownWithTheOutcome_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("success");
        QTest::newRow("read") << QStringList{} << true;
        QTest::newRow("failed at the last register") << QStringList{"read-register@4/14=silence"} << false;
    }
    void readValuesAreShownWithTheOutcome()
    {
        QFETCH(QStringList, faults);
        QFETCH(bool, success);
        SimGauge gauge{SimFamily::Register, faults};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, SpeedometerRegisterFamily);
        f.tree().setCurrentItem(f.tree().topLevelItem(1));
        auto *pulseFactor = f.frame().rightView()->findChild<QLineEdit *>(QStringLiteral("1085"));
        QVERIFY(pulseFactor);
        const QString before = pulseFactor->text();
        QStringList seen;
        f.messages().onShow = [&] { seen << pulseFactor->text(); };
        f.trigger(ReadGauge);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(f.messages().messages().first().icon,
                 success ? user_messages::Icon::Information : user_messages::Icon::Error);
        QVERIFY2(seen.first() != before, qPrintable(before));
        QCOMPARE(seen.first(), pulseFactor->text());
        QVERIFY(f.document().isModified());
    }

    void cancelStopsBetweenTransactions()
    {
        SimGauge gauge{SimFamily::Register, {QStringLiteral("any=delay:300")}};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(patientOptions(f));
        chooseMasterType(f, SpeedometerRegisterFamily);
        const ConfigRecord before = f.document().config();
        whenModal<TransferProgressDialog>([](TransferProgressDialog *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
            QVERIFY(dialog->cancelRequested());
        });
        f.trigger(ReadGauge);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5987)});
        // Far fewer than the whole read's frames went out.
        QVERIFY2(gauge.frames().size() < 6, qPrintable(gauge.frames().join(' ')));
        QCOMPARE(f.document().config().Illumination, before.Illumination);
        QCOMPARE(f.document().config().DisplayMask, before.DisplayMask);
    }

    // A backup made by an earlier write goes back to the gauge unchanged,
    // after the user has picked and confirmed it; the block it replaces is
    // backed up in turn. Verify after writing reads it back, as for a write.
    void restoreBackupThroughTheMenu_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::newRow("written") << false;
        QTest::newRow("written and read back") << true;
    }
    void restoreBackupThroughTheMenu()
    {
        QFETCH(bool, verify);
        SimGauge gauge{SimFamily::Block};
        // The gauge's firmware is the backup's: a block of other firmware is refused.
        gauge.server->withState([](GaugeSimState &state, QVector<SimFault> &) {
            state.block[4] = 'B';
            state.block[5] = '7';
        });
        FrameFixture f;
        // Another gauge's project is open: the restore is none of its business.
        const QString project = f.home().filePath(QStringLiteral("other-gauge.rix"));
        QVERIFY(project_file::writeFile(project, ConfigRecord(), nullptr));
        QVERIFY(f.start({project}));
        const LinkOptions options = fastOptions(f);
        f.frame().gaugeCommands().setLinkOptions(options);
        block_backup::Block saved{};
        for (int i = 0; i < 64; ++i)
            saved[i] = uint8_t(i * 3);
        saved[4] = 'B';
        saved[5] = '7';
        const QString backup = block_backup::save(saved, options.backupFolder, nullptr);
        QVERIFY(!backup.isEmpty());
        QVERIFY(gauge.state().block != QByteArray(reinterpret_cast<const char *>(saved.data()), 64));

        QStringList row;
        whenModal<RestoreBackupDialog>([&row](RestoreBackupDialog *dialog) {
            auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("backupList"));
            for (int c = 0; c < list->columnCount(); ++c)
                row << list->topLevelItem(0)->text(c);
            dialog->accept();
        });
        f.messages().setAnswer(user_messages::Answer::Yes);
        setVerifyAfterWrite(verify);
        f.trigger(RestoreBackup);
        QCOMPARE(gauge.count(QStringLiteral("upload")), verify ? 2 : 1);
        QCOMPARE(row.at(1), loadTranslatedString(5368));
        QCOMPARE(row.at(2), QStringLiteral("B7"));
        QCOMPARE(row.at(3), QFileInfo(backup).fileName());

        QCOMPARE(f.messages().count(), 2);
        QVERIFY(f.messages().texts().first().contains(QFileInfo(backup).fileName()));
        QCOMPARE(f.messages().messages().first().details, QDir::toNativeSeparators(backup));
        QCOMPARE(f.messages().messages().first().buttons, user_messages::Buttons::YesNo);
        QVERIFY(f.messages().texts().last().startsWith(
            loadTranslatedString(verify ? 5773 : 5748).arg(QFileInfo(backup).fileName())));
        const QByteArray expected(reinterpret_cast<const char *>(saved.data()), 64);
        QCOMPARE(gauge.state().savedBlock.toHex(), expected.toHex());
        // The block it replaced is the newest backup, named in the message.
        const QList<BlockBackupEntry> backups = RestoreBackupDialog::listBackups(options.backupFolder);
        QCOMPARE(backups.size(), 2);
        QVERIFY(backups.first().path != backup);
        QVERIFY(f.messages().texts().last().contains(QFileInfo(backups.first().path).fileName()));
        QCOMPARE(f.messages().messages().last().details, QDir::toNativeSeparators(backups.first().path));
        QCOMPARE(f.messages().messages().last().icon, user_messages::Icon::Information);
        QVector<service_history::Entry> entries;
        QString reason;
        QVERIFY2(service_history::read({}, &entries, &reason), qPrintable(reason));
        QCOMPARE(entries.last().operation, QStringLiteral("restore"));
        QCOMPARE(entries.last().projectFile, QString());
    }

    // A backup sent to a gauge of the register family: the step it stopped
    // at and what the port holds, as a write says it.
    void restoreToTheOtherFamilySaysWhy()
    {
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        const LinkOptions options = fastOptions(f);
        f.frame().gaugeCommands().setLinkOptions(options);
        block_backup::Block saved{};
        saved[4] = 'B';
        QVERIFY(!block_backup::save(saved, options.backupFolder, nullptr).isEmpty());
        whenModal<RestoreBackupDialog>([](RestoreBackupDialog *dialog) { dialog->accept(); });
        f.messages().setAnswer(user_messages::Answer::Yes);
        f.trigger(RestoreBackup);
        const QString family = loadTranslatedString(5762).arg("register", "block");
        QVERIFY2(f.messages().texts().last().contains(family), qPrintable(f.messages().texts().last()));
        QVERIFY(f.messages().texts().last().contains(loadTranslatedString(5760).section(QStringLiteral("%1"), 0, 0)));
    }

    void closingDuringATransferWaitsForIt()
    {
        SimGauge gauge{SimFamily::Register, {QStringLiteral("any=delay:200")}};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(patientOptions(f));
        chooseMasterType(f, SpeedometerRegisterFamily);
        f.document().setModified(false);
        whenModal<TransferProgressDialog>([&f](TransferProgressDialog *) { f.frame().close(); });
        f.trigger(ReadGauge);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5987)});
        QTRY_VERIFY(!f.frame().isVisible());
    }

    // The session ends during a write: the write stops at its present
    // exchange, is recorded as interrupted with its step, nothing is shown,
    // and the unsaved project stays for the next start.
    void sessionEndDuringAWrite()
    {
        SimGauge gauge{SimFamily::Block, {QStringLiteral("save=silence")}};
        FrameFixture f;
        QVERIFY(f.start());
        LinkOptions options = fastOptions(f);
        options.timeouts = ReadTimeouts(); // the gauge's own 4.5 s of patience
        f.frame().gaugeCommands().setLinkOptions(options);
        chooseMasterType(f, TachometerBlockFamily);
        f.document().config().KValue = 2345; // a pulse factor of 0 would ask first
        f.document().setModified(true);
        int exitCode = -1;
        whenModal<TransferProgressDialog>([&](TransferProgressDialog *) {
            QTest::qWait(800); // the gauge is silent on the save by now
            exitCode = f.app().endSession();
        });
        f.trigger(WriteGauge);
        QCOMPARE(exitCode, 1);
        QCOMPARE(f.messages().count(), 0);
        QVERIFY(QFile::exists(f.app().recovery()->copyPath()));
        QVector<service_history::Entry> entries;
        QString reason;
        QVERIFY(service_history::read({}, &entries, &reason));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].outcome, QStringLiteral("interrupted"));
        QVERIFY2(entries[0].message.contains(QStringLiteral("step 14 of 14 (SaveToNovolMemory)")),
                 qPrintable(entries[0].message));
    }

    void missingPortIsReported()
    {
        FrameFixture f;
        QVERIFY(f.start());
        setSessionPortDevice(f.home().filePath(QStringLiteral("no-such-tty")));
        chooseMasterType(f, TachometerBlockFamily);
        f.trigger(ReadGauge);
        setSessionPortDevice(QString());
        QCOMPARE(f.messages().count(), 1);
        // The fixed message, and below it why and where the trace is.
        const QStringList lines = f.messages().texts().first().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("COM port not available"));
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Error);
        QVERIFY(lines.last().contains(f.home().filePath(QStringLiteral("no-such-tty"))));
        QVERIFY(lines.last().contains(QDir::current().absoluteFilePath(QStringLiteral("log.txt"))));
    }

    // A cancel ends the wait for a silent gauge's reply at once and is
    // reported as a cancel: a read as one that changed nothing, a counter
    // preset cut short as one that may have left part of the new value, a
    // block write after its backup naming the backup.
    void cancelWhileWaitingForTheGauge_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("silentStep");
        QTest::addColumn<int>("cancelText");
        QTest::addColumn<int>("note"); // 0 for none
        QTest::newRow("read") << ReadGauge << "read-register=silence" << "register" << 5987 << 0;
        QTest::newRow("counter preset") << 0 << "write-memory=silence+1" << "counter memory" << 5360 << 5103;
        QTest::newRow("block write") << WriteGauge << "download=silence" << "parameter block" << 5360 << 5384;
    }
    void cancelWhileWaitingForTheGauge()
    {
        QFETCH(int, command);
        QFETCH(QString, fault);
        QFETCH(QString, silentStep);
        QFETCH(int, cancelText);
        QFETCH(int, note);
        const bool block = command == WriteGauge;
        SimGauge gauge{block ? SimFamily::Block : SimFamily::Register, {fault}};
        FrameFixture f;
        QVERIFY(f.start());
        LinkOptions options = fastOptions(f);
        options.timeouts = ReadTimeouts(); // the gauge's own 4.5 s of patience
        options.pauseMs = 0;
        f.frame().gaugeCommands().setLinkOptions(options);
        chooseMasterType(f, block ? TachometerBlockFamily : SpeedometerRegisterFamily);
        if (block)
            f.document().config().KValue = 12;
        QElapsedTimer sinceCancel;
        whenModal<TransferProgressDialog>([&](TransferProgressDialog *dialog) {
            // Wait until the silent step has been waiting a while.
            const QString silent = silentStep;
            QTRY_VERIFY(dialog->findChild<QLabel *>(QStringLiteral("step"))->text().contains(silent));
            QTest::qWait(300);
            sinceCancel.start();
            dialog->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        });
        if (command)
            f.trigger(command);
        else
            mainWindowServices()->presetCounter(0, 32, 1234);
        QVERIFY(sinceCancel.isValid());
        // Well below the 4.5 s the gauge would otherwise be waited for, with
        // room for a machine that is busy with other work.
        QVERIFY2(sinceCancel.elapsed() < 2000, qPrintable(QString::number(sinceCancel.elapsed())));
        QCOMPARE(f.messages().count(), 1);
        const QString shown = f.messages().texts().first();
        QVERIFY2(shown.startsWith(loadTranslatedString(cancelText)), qPrintable(shown));
        QCOMPARE(shown.count('\n'), note ? 2 : 0); // the note below a blank line
        if (note)
            QVERIFY2(shown.contains(loadTranslatedString(note).section(QStringLiteral("%1"), 0, 0)), qPrintable(shown));
    }

    void counterPresetFromTheMastersForm()
    {
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        LinkOptions options = fastOptions(f);
        options.pauseMs = 0;
        f.frame().gaugeCommands().setLinkOptions(options);
        ProgressWatch watch;
        watch.arm();
        mainWindowServices()->presetCounter(66, 16, 12345);
        QVERIFY(watch.seen);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(1132)});
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Information);
        QVERIFY(gauge.count(QStringLiteral("write-memory")) >= 4);
    }

    void selfTestRunsInTheBackground()
    {
        SimGauge gauge{SimFamily::Block};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        QTest::keyClick(&f.tree(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        // The window is not blocked: no progress window, no message.
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(gauge.frames().size() >= 5);
        QCOMPARE(f.messages().count(), 0);
    }

    void demoGaugeAnswersBothFamilies()
    {
        FrameFixture f;
        QVERIFY(f.start({QStringLiteral("--demo")}));
        QVERIFY(f.app().demo());
        auto *notice = f.frame().findChild<QLabel *>(QStringLiteral("demoNotice"));
        QVERIFY(notice && notice->text() == loadTranslatedString(5363));
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        for (int id : {TachometerBlockFamily, SpeedometerRegisterFamily}) {
            f.messages().clear();
            chooseMasterType(f, id);
            f.trigger(ReadGauge);
            QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(1232)});
        }
        // The stored port stays as it was.
        QVERIFY(!settings_store::contains(QStringLiteral("Communication"), QStringLiteral("Port")));
    }

    // A port chosen in the settings while the demo gauge stands in is the
    // one the commands talk to from then on; settings left with no port
    // chosen keep the demo.
    void portChosenDuringTheDemo_data()
    {
        QTest::addColumn<QString>("chosen"); // "gauge", "" or "demo" (its own terminal, as Find gauge finds it)
        QTest::newRow("a port chosen") << "gauge";
        QTest::newRow("only the language looked at") << "";
        QTest::newRow("the demo gauge found") << "demo";
    }
    void portChosenDuringTheDemo()
    {
        QFETCH(QString, chosen);
        const bool choose = chosen == "gauge";
        SimGauge gauge{SimFamily::Block};
        FrameFixture f;
        QVERIFY(f.start({QStringLiteral("--demo")}));
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, TachometerBlockFamily);
        const QString device = gauge.server->devicePath();
        whenModal<OptionsDialog>([&](OptionsDialog *dialog) {
            if (chosen == "demo") { // Find gauge does not offer it: OK would not keep it
                dialog->findGauge()->button()->click();
                QTRY_VERIFY_WITH_TIMEOUT(!dialog->findGauge()->isSearching(), 8000);
                const QTreeWidget *results = dialog->findGauge()->results();
                for (int row = 0; row < results->topLevelItemCount(); ++row)
                    QVERIFY(!f.app().demo()->isItsDevice(results->topLevelItem(row)->text(0)));
            }
            if (!chosen.isEmpty())
                dialog->portList()->setEditText(choose ? device : f.app().demo()->devicePath(LinkFamily::Block));
            dialog->accept();
        });
        f.trigger(CommunicationSettings);
        // The stored settings never name the demo gauge.
        QCOMPARE(settings_store::readString("Communication", "Device", QString()), choose ? device : QString());
        QCOMPARE(f.frame().findChild<QLabel *>(QStringLiteral("demoNotice")) != nullptr, !choose);
        auto *port = f.frame().findChild<QLabel *>(QStringLiteral("portNotice"));
        QCOMPARE(port && port->isVisibleTo(&f.frame()) && port->text().contains(device), choose);
        f.messages().clear();
        f.trigger(ReadGauge);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(1232)});
        QCOMPARE(!gauge.frames().isEmpty(), choose);
    }

    void vanishingPortEndsTheWriteCleanly()
    {
        SimGauge gauge{SimFamily::Register, {QStringLiteral("write-register=vanish+2")}};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, SpeedometerRegisterFamily);
        f.document().config().KValue = 5000; // within the type's limits
        const ConfigRecord before = f.document().config();
        f.trigger(WriteGauge);
        // What the gauge holds now, where it stopped, and what a second look found.
        const QString step = loadTranslatedString(5760).arg(5).arg(17).arg(describeTransferStep("WriteRegister 3/37"));
        QCOMPARE(f.messages().texts().last(), loadTranslatedString(1231) + '\n' + loadTranslatedString(5106) + ' '
                                                  + step + ' ' + loadTranslatedString(5761));
        QCOMPARE(f.messages().messages().last().icon, user_messages::Icon::Error);
        QCOMPARE(f.document().config().KValue, before.KValue);
        QVERIFY(f.frame().action(WriteGauge)->isEnabled());
    }

    // A master type of the other family than the gauge's: the failed read
    // says so, not only that it failed.
    void gaugeOfTheOtherFamilyIsNamed()
    {
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, TachometerBlockFamily);
        f.trigger(ReadGauge);
        const QString said = f.messages().texts().value(0);
        const QString why = loadTranslatedString(5762).arg("register", "block");
        QVERIFY2(said.startsWith(loadTranslatedString(1233)) && said.endsWith(why), qPrintable(said));
    }

    // Whatever form is shown, a record its check refuses never reaches the
    // gauge: the user learns the field, the value and what is allowed.
    void refusedRecordSendsNothing()
    {
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, SpeedometerRegisterFamily); // pulse factor limits 2000 to 20000
        f.document().config().KValue = 5;
        f.trigger(WriteGauge);
        QCOMPARE(f.messages().texts(),
                 QStringList{QStringLiteral("KValue 5 cannot be saved or sent to the gauge: allowed are 2000 to 20000.")});
        QVERIFY(gauge.frames().isEmpty());
    }

    // A gauge that took the block but refused to store it has not been
    // written: the user is told, why it matters, and where the block it held
    // before is.
    void refusedSaveIsAFailedWrite()
    {
        SimGauge gauge{SimFamily::Block, {QStringLiteral("save=refuse")}};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, TachometerBlockFamily);
        f.document().config().KValue = 12;
        f.trigger(WriteGauge);
        const QString step = loadTranslatedString(5760).arg(14).arg(14).arg(describeTransferStep("SaveToNovolMemory"));
        const QFileInfo backup(f.messages().messages().last().details);
        QVERIFY(backup.isFile());
        QCOMPARE(f.messages().texts(),
                 (QStringList{loadTranslatedString(5101), loadTranslatedString(1231) + '\n' + step + '\n'
                                                              + loadTranslatedString(5384).arg(backup.fileName())}));
        QCOMPARE(f.messages().messages().last().icon, user_messages::Icon::Error);
        QCOMPARE(gauge.count(QStringLiteral("save")), 1);
    }

    void refusedFormSendsNothing()
    {
        SimGauge gauge{SimFamily::Block};
        FrameFixture f;
        QVERIFY(f.start());
        chooseMasterType(f, TachometerBlockFamily);
        QVERIFY(f.frame().splitter()->replaceView([](ProjectDocument *doc) { return new RefusingForm(doc); },
                                                  &f.document()));
        f.trigger(WriteGauge);
        QVERIFY(gauge.frames().isEmpty());
        QCOMPARE(f.messages().count(), 0);
    }
};

SKALERON_TEST(GaugeTransferTest)
#include "GaugeTransferTest.moc"
