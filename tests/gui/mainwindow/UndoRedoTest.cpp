// Edit → Undo and Redo through the main window, by their keys and the menu:
// each change of the user's is one named step that puts back everything it
// changed, on the form too, and the title's star follows the saved state.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "dialogs/CompareDialog.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "model/ProjectDocument.h"
#include "views/ViewFactory.h"

#include <QPushButton>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int SpeedometerWithLimits = 1; // pulse factor 1000 to 60000
constexpr int TachometerBlockFamily = 5;
constexpr int FuelCalibration = 401;
const char *const PulseField = "1085";
const char *const FirstDisplayValue = "3001";

enum class Change { PulseFactor, MasterType, Calibration, GaugeValues };

// What a change may touch: the record, the calibrations, the tree and the
// field it was made in as the form shows it.
struct Shown
{
    ConfigRecord record;
    InputCalibration fuel;
    QStringList tree;
    QString field;
};

Shown shown(FrameFixture &f, const char *field)
{
    auto *edit = f.frame().rightView()->findChild<QLineEdit *>(QLatin1String(field));
    return {f.document().config(), *f.document().calibration(2), f.treeTexts(), edit ? edit->text() : QString()};
}

void expectShown(FrameFixture &f, const char *field, const Shown &expected)
{
    const Shown now = shown(f, field);
    QVERIFY(now.record.sameUserSettings(expected.record));
    QCOMPARE(now.record.Description, expected.record.Description);
    QVERIFY(now.fuel == expected.fuel);
    QCOMPARE(now.tree, expected.tree);
    QCOMPARE(now.field, expected.field);
}

// The keys go where the user's would: to the widget with the focus, once
// the window is active again after a dialog.
void press(FrameFixture &f, QKeyCombination key)
{
    showAndActivate(f.frame());
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &f.frame();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

}

class UndoRedoTest : public QObject
{
    Q_OBJECT
private slots:
    void changeIsUndoneAndRedone_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<QString>("germanUndoText"); // once German is chosen
        QTest::addColumn<bool>("saves"); // the changed project can be saved
        QTest::newRow("pulse factor typed") << Change::PulseFactor << "&Undo Pulse factor" << "&Rückgängig: k-Wert"
                                            << true;
        QTest::newRow("master type chosen") << Change::MasterType << "&Undo Choose master type"
                                            << "&Rückgängig: Mastertyp wählen" << false;
        QTest::newRow("calibration value") << Change::Calibration << "&Undo Display value, row 1"
                                           << "&Rückgängig: Anzeigewert, Zeile 1" << true;
        QTest::newRow("gauge's values taken") << Change::GaugeValues << "&Undo Take the gauge's values"
                                              << "&Rückgängig: Werte des Messgeräts übernehmen" << false;
    }
    void changeIsUndoneAndRedone()
    {
        QFETCH(Change, change);
        QFETCH(QString, undoText);
        QFETCH(QString, germanUndoText);
        QFETCH(bool, saves);
        std::unique_ptr<SimGauge> gauge;
        if (change == Change::GaugeValues)
            gauge = std::make_unique<SimGauge>(SimFamily::Block);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        ConfigRecord record;
        record.MasterId = change == Change::GaugeValues ? TachometerBlockFamily : SpeedometerWithLimits;
        record.KValue = 5000;
        const QString path = f.home().filePath(QStringLiteral("harbour.rix"));
        QVERIFY(project_file::writeFile(path, record, nullptr));
        QVERIFY(f.start({path}));
        showAndActivate(f.frame());
        QAction *undo = f.frame().action(EditUndo);
        QAction *redo = f.frame().action(EditRedo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        const char *field = change == Change::Calibration ? FirstDisplayValue : PulseField;
        if (change == Change::Calibration)
            clickTreeItem(f, FuelCalibration);
        const Shown before = shown(f, field);

        switch (change) {
        case Change::PulseFactor:
        case Change::Calibration:
            // Key by key, then on to the next field: one step.
            QVERIFY(typeInto(f, field, change == Change::Calibration ? QStringLiteral("12.5") : QStringLiteral("7000")));
            press(f, Qt::Key_Tab);
            break;
        case Change::MasterType:
            f.messages().setAnswer(user_messages::Answer::Yes); // the settings start afresh
            pickMasterType(QStringLiteral("Tachometer 0-4000 rpm"));
            pickFromMenu(f, 3, ChooseMasterType);
            break;
        case Change::GaugeValues:
            LinkOptions options;
            options.timeouts = fastTimeouts();
            options.backupFolder = f.home().filePath(QStringLiteral("backups"));
            f.frame().gaugeCommands().setLinkOptions(options);
            whenModal<CompareDialog>([](CompareDialog *dialog) {
                dialog->findChild<QPushButton *>(QStringLiteral("takeGaugeValues"))->click();
            });
            f.trigger(CompareGauge);
            break;
        }

        QCOMPARE(undo->text(), undoText);
        // A language chosen afterwards names the step in its own words.
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_ger32.dll")));
        QCOMPARE(undo->text(), germanUndoText);
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
        QCOMPARE(undo->text(), undoText);
        QVERIFY(f.frame().isWindowModified());
        const Shown after = shown(f, field);
        QVERIFY(!after.record.sameUserSettings(before.record) || !(after.fuel == before.fuel));

        press(f, Qt::CTRL | Qt::Key_Z);
        expectShown(f, field, before);
        QVERIFY(!f.frame().isWindowModified());
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QString(undoText).replace("&Undo", "&Redo"));

        press(f, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        expectShown(f, field, after);
        QVERIFY(f.frame().isWindowModified());

        pickFromMenu(f, 1, EditUndo);
        expectShown(f, field, before);
        press(f, Qt::CTRL | Qt::Key_Y);
        expectShown(f, field, after);
        QVERIFY(!redo->isEnabled());

        if (!saves)
            return;
        press(f, Qt::CTRL | Qt::Key_S);
        QVERIFY(!f.frame().isWindowModified());
        // The saved state is the clean one: undoing past it is a change again.
        press(f, Qt::CTRL | Qt::Key_Z);
        expectShown(f, field, before);
        QVERIFY(f.frame().isWindowModified());
        QCOMPARE(f.messages().count(), 0);
    }

    // Undo and redo show the change where it is: undone out of sight, it
    // looked as if nothing had happened.
    void stepIsShownWhereItWasMade_data()
    {
        QTest::addColumn<int>("madeOn"); // tree item
        QTest::addColumn<int>("lookingAt");
        QTest::newRow("pulse factor, from a calibration") << int(tree_codes::Master) << FuelCalibration;
        QTest::newRow("fuel calibration, from the temperature's") << FuelCalibration << 301;
        QTest::newRow("fuel calibration, from the master") << FuelCalibration << int(tree_codes::Master);
    }
    void stepIsShownWhereItWasMade()
    {
        QFETCH(int, madeOn);
        QFETCH(int, lookingAt);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        ConfigRecord record;
        record.MasterId = SpeedometerWithLimits;
        record.KValue = 5000;
        const QString path = f.home().filePath(QStringLiteral("harbour.rix"));
        QVERIFY(project_file::writeFile(path, record, nullptr));
        QVERIFY(f.start({path}));
        showAndActivate(f.frame());
        const char *field = madeOn == FuelCalibration ? FirstDisplayValue : PulseField;
        clickTreeItem(f, madeOn);
        const Shown before = shown(f, field);
        QVERIFY(typeInto(f, field, QStringLiteral("7000")));
        press(f, Qt::Key_Tab);
        const Shown after = shown(f, field);
        clickTreeItem(f, lookingAt);

        press(f, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(f.document().selectedTreeItem(), madeOn);
        expectShown(f, field, before);
        clickTreeItem(f, lookingAt);
        press(f, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(f.document().selectedTreeItem(), madeOn);
        expectShown(f, field, after);
    }
};

SKALERON_TEST(UndoRedoTest)
#include "UndoRedoTest.moc"
