// File → Compare with, Gauge → Compare with gauge and the verifying write,
// through the main window's commands against the simulated gauge.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "dialogs/CompareDialog.h"
#include "history/HistoryWording.h"
#include "history/ServiceHistory.h"
#include "dialogs/TransferProgressDialog.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/PaneSplitter.h"
#include "views/ProjectTreeView.h"
#include "views/ViewFactory.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int TachometerBlockFamily = 5; // "Tachometer 0-4000 rpm"
constexpr int SpeedometerRegisterFamily = 3; // "Speedometer 0-120 km/h with LCD"

// The project item's form in the right pane: the master's form, which would
// hand its own controls into the record, is not in the way.
void showProjectForm(FrameFixture &f)
{
    f.tree().fillTree();
    f.frame().updateCommandStates();
    {
        const QSignalBlocker block(&f.tree());
        f.tree().setCurrentItem(f.tree().topLevelItem(0));
    }
    QVERIFY(f.frame().splitter()->replaceView(viewFactoryForCode(107), &f.document(),
                                              PaneSplitter::OldValues::Discard));
}

void chooseMasterType(FrameFixture &f, int id)
{
    f.document().config().MasterId = id;
    f.document().applyStoredMasterType();
    QVERIFY(!f.document().config().Description.isEmpty());
    showProjectForm(f);
}

LinkOptions fastOptions(const FrameFixture &f)
{
    LinkOptions options;
    options.timeouts = fastTimeouts();
    options.backupFolder = f.home().filePath(QStringLiteral("backups"));
    return options;
}

struct ShownTable
{
    bool seen = false;
    QString heading;
    QStringList fields;
    QStringList labels;
    QStringList projectValues;
    QStringList otherValues;

    // Notes the next comparison table and leaves it with the button named
    // button (empty: Close); whileShown runs before.
    void arm(const QString &button = QString(), const std::function<void()> &whileShown = {})
    {
        whenModal<CompareDialog>([this, button, whileShown](CompareDialog *dialog) {
            seen = true;
            if (whileShown)
                whileShown();
            heading = dialog->findChild<QLabel *>(QStringLiteral("heading"))->text();
            const QTableWidget *table = dialog->table();
            for (int row = 0; row < table->rowCount(); ++row) {
                labels << table->item(row, 0)->text();
                fields << table->item(row, 1)->text();
                projectValues << table->item(row, 2)->text();
                otherValues << table->item(row, 3)->text();
            }
            if (button.isEmpty())
                dialog->reject();
            else
                dialog->findChild<QPushButton *>(button)->click();
        });
    }
};

}

class CompareTest : public QObject
{
    Q_OBJECT
private slots:
    // The project holds a pulse factor of 2345, warning direction 1 and a few
    // LCD items, which a tachometer does not use; the file holds its own.
    void compareWithFileThroughTheMenu_data()
    {
        QTest::addColumn<double>("fileKValue");
        QTest::addColumn<int>("fileWarnMode");
        QTest::addColumn<bool>("ownFile"); // the file is the project's, the values above its saved state
        QTest::addColumn<QStringList>("fields"); // empty: no table
        QTest::addColumn<int>("headingOrMessage");
        QTest::newRow("another project") << 1000.0 << 0 << false << QStringList{"KValue", "WarnMode"} << 5795;
        QTest::newRow("only unused LCD items differ") << 2345.0 << 1 << false << QStringList{} << 5798;
        QTest::newRow("own file with an unsaved change") << 1000.0 << 1 << true << QStringList{"KValue"} << 5870;
        QTest::newRow("own file, nothing changed") << 2345.0 << 1 << true << QStringList{} << 5871;
    }
    void compareWithFileThroughTheMenu()
    {
        QFETCH(double, fileKValue);
        QFETCH(int, fileWarnMode);
        QFETCH(bool, ownFile);
        QFETCH(QStringList, fields);
        QFETCH(int, headingOrMessage);
        FrameFixture f;
        QVERIFY(f.start());
        ConfigRecord other;
        other.reset();
        other.MasterId = TachometerBlockFamily;
        other.KValue = fileKValue;
        other.WarnMode = fileWarnMode;
        other.DisplayMask = 0xFFFF;
        const QString path = f.home().filePath(QStringLiteral("other.rix"));
        QString error;
        QVERIFY2(project_file::writeFile(path, other, &error), qPrintable(error));
        if (ownFile) {
            QVERIFY(f.document().open(path));
            showProjectForm(f);
        } else {
            chooseMasterType(f, TachometerBlockFamily);
        }
        ConfigRecord &project = f.document().config();
        project.KValue = 2345;
        project.WarnMode = 1;
        project.DisplayMask = 0x0045;
        const ConfigRecord before = project;

        answerFileDialog(path);
        ShownTable table;
        table.arm();
        pickFromMenu(f, 0, FileCompare);

        QCOMPARE(table.seen, !fields.isEmpty());
        QCOMPARE(table.fields, fields);
        QVERIFY(f.document().config().sameUserSettings(before));
        const QString name = QFileInfo(path).fileName();
        if (fields.isEmpty()) {
            const QString message = ownFile ? loadTranslatedString(headingOrMessage).arg(name)
                                            : loadTranslatedString(headingOrMessage).arg(f.document().title(), name);
            QCOMPARE(f.messages().texts(), QStringList{message});
            QCOMPARE(f.messages().messages().first().details, QDir::toNativeSeparators(path));
            QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Information);
            return;
        }
        QCOMPARE(f.messages().count(), 0);
        QCOMPARE(table.heading, ownFile ? loadTranslatedString(headingOrMessage).arg(name)
                                        : loadTranslatedString(headingOrMessage).arg(f.document().title(), name));
        QCOMPARE(table.labels.first(), QStringLiteral("Pulses per revolution"));
        QCOMPARE(table.projectValues.first(), QStringLiteral("2345"));
        QCOMPARE(table.otherValues.first(), QStringLiteral("1000"));
    }

    // The gauge is read into a copy: the project stays as it was while the
    // table shows. Taking the gauge's values or writing the project leaves
    // project and gauge alike, as a second comparison says.
    void compareWithGaugeThenActOnIt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("modified");
        QTest::newRow("take the gauge's values") << "takeGaugeValues" << true;
        QTest::newRow("write the project") << "writeProject" << false;
    }
    void compareWithGaugeThenActOnIt()
    {
        QFETCH(QString, button);
        QFETCH(bool, modified);
        SimGauge gauge{SimFamily::Block};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, TachometerBlockFamily);
        ConfigRecord &project = f.document().config();
        project.KValue = 2345;
        project.WarnMode = 1;
        f.document().setModified(false);
        const ConfigRecord before = project;

        bool progressShown = false;
        whenModal<TransferProgressDialog>([&progressShown](TransferProgressDialog *) { progressShown = true; });
        bool unchangedWhileShown = false;
        ShownTable table;
        table.arm(button, [&] {
            unchangedWhileShown = f.document().config().sameUserSettings(before) && !f.document().isModified();
        });
        f.trigger(CompareGauge);

        QVERIFY(progressShown);
        QVERIFY(table.seen);
        QVERIFY(unchangedWhileShown);
        QVERIFY2(table.fields.contains(QStringLiteral("KValue")), qPrintable(table.fields.join(' ')));
        QCOMPARE(table.projectValues.at(table.fields.indexOf(QStringLiteral("KValue"))), QStringLiteral("2345"));
        QCOMPARE(f.document().isModified(), modified);
        QCOMPARE(gauge.count(QStringLiteral("download")) > 0, !modified);

        f.messages().clear();
        f.trigger(CompareGauge);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5799).arg(f.document().title())});

        // The history tells each comparison by what it found.
        QVector<service_history::Entry> entries;
        QVERIFY(service_history::read({}, &entries, nullptr));
        const auto compared = std::find_if(entries.begin(), entries.end(),
                                           [](const service_history::Entry &e) { return e.operation == "verify"; });
        QVERIFY(compared != entries.end());
        QCOMPARE(compared->outcome, QString("failed"));
        QVERIFY2(history_wording::message(compared->message).contains("KValue (project 2345, the gauge holds"),
                 qPrintable(history_wording::message(compared->message)));
        QCOMPARE(entries.last().outcome, QString("done"));
        QCOMPARE(history_wording::message(entries.last().message), loadTranslatedString(5743));
    }

    // The gauge acknowledges the write but keeps an old value; the write
    // fails naming the field by the form's label.
    void verifyAfterWritingCatchesAKeptValue_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("named"); // the field named in the failure; empty: the write succeeds
        QTest::newRow("register gauge keeps the pulse factor") << SpeedometerRegisterFamily << int(SimFamily::Register)
                                                               << "write-register@4/12=keep" << true << "Pulse factor";
        QTest::newRow("register gauge keeps LCD items") << SpeedometerRegisterFamily << int(SimFamily::Register)
                                                        << "write-register@3/38=keep" << true << "LCD items";
        QTest::newRow("block gauge keeps a byte of the pulse factor")
            << TachometerBlockFamily << int(SimFamily::Block) << "download=keep:45" << true << "Pulses per revolution";
        QTest::newRow("unverified, the kept value goes unseen") << SpeedometerRegisterFamily << int(SimFamily::Register)
                                                                << "write-register@4/12=keep" << false << "";
        QTest::newRow("a gauge that takes everything") << TachometerBlockFamily << int(SimFamily::Block) << ""
                                                       << true << "";
    }
    // A choice the settings cannot keep is told each time, and the check
    // mark shows what writes will do (they follow the stored choice).
    // Settings the program keeps by itself (the recent files, the window's
    // place at closing) are told once while the file stays unwritable.
    void settingsTheFileCannotKeep_data()
    {
        QTest::addColumn<bool>("keptByItselfFirst");
        QTest::addColumn<bool>("chooseVerify");
        QTest::addColumn<int>("told");
        QTest::newRow("Verify after writing, then closing") << false << true << 1;
        QTest::newRow("closing alone") << false << false << 1;
        QTest::newRow("one kept by itself, then Verify after writing") << true << true << 2;
        QTest::newRow("one kept by itself, then closing") << true << false << 1;
    }
    void settingsTheFileCannotKeep()
    {
        QFETCH(bool, keptByItselfFirst);
        QFETCH(bool, chooseVerify);
        QFETCH(int, told);
        FrameFixture f;
        QVERIFY(QDir().mkpath(settings_store::location())); // a folder where the file belongs
        QVERIFY(f.start());
        if (keptByItselfFirst)
            QVERIFY(!settings_store::writeString(QStringLiteral("Recent File List"), QStringLiteral("File1"), "a.rix"));
        if (chooseVerify) {
            pickFromMenu(f, 3, VerifyAfterWrite);
            QVERIFY(!f.frame().action(VerifyAfterWrite)->isChecked());
        }
        f.frame().close();
        QCOMPARE(f.messages().texts(),
                 QStringList(told, loadTranslatedString(5020).arg(settings_store::location())));
    }

    void verifyAfterWritingCatchesAKeptValue()
    {
        QFETCH(int, masterId);
        QFETCH(int, family);
        QFETCH(QString, fault);
        QFETCH(bool, verify);
        QFETCH(QString, named);
        SimGauge gauge{SimFamily(family), fault.isEmpty() ? QStringList{} : QStringList{fault}};
        FrameFixture f;
        QVERIFY(f.start());
        f.frame().gaugeCommands().setLinkOptions(fastOptions(f));
        chooseMasterType(f, masterId);
        QVERIFY(!f.frame().action(VerifyAfterWrite)->isChecked());
        if (verify)
            pickFromMenu(f, 3, VerifyAfterWrite);
        QCOMPARE(settings_store::readInt(QStringLiteral("Communication"), QStringLiteral("VerifyAfterWrite"), 0),
                 verify ? 1 : 0);
        f.document().config().KValue = 2345;
        f.document().config().DisplayMask = 0x0045;

        f.trigger(WriteGauge);
        QCOMPARE(f.messages().count(), 1);
        const user_messages::Message shown = f.messages().messages().first();
        if (named.isEmpty()) {
            // A write that was read back says so.
            QVERIFY2(shown.text.startsWith(loadTranslatedString(verify ? 5744 : 1230)), qPrintable(shown.text));
            return;
        }
        QCOMPARE(shown.icon, user_messages::Icon::Error);
        // "The gauge does not hold what was written: <label> (written ..."
        const QString start = loadTranslatedString(5740).section(QStringLiteral("%1"), 0, 0)
                              + loadTranslatedString(5741).section(QStringLiteral("%2"), 0, 0).arg(named);
        QVERIFY2(shown.text.startsWith(start), qPrintable(shown.text));
    }
};

SKALERON_TEST(CompareTest)
#include "CompareTest.moc"
