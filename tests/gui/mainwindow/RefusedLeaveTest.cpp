// A form that refuses an entry keeps it, and the tree keeps showing the
// form's own item: choosing a master type, turning the service items on or
// off, switching the language, cancelling the master type dialog.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/TestRegistry.h"
#include "dialogs/OptionsDialog.h"
#include "mainwindow/CommandIds.h"
#include "model/ProjectDocument.h"
#include "views/CalibrationView.h"
#include "views/ViewFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int SpeedometerWithLimits = 1; // pulse factor 1000 to 60000

// Gauge → Communication settings, German, OK.
void switchToGerman(FrameFixture &f)
{
    whenModal<OptionsDialog>([](OptionsDialog *options) {
        QComboBox *languages = options->languageList();
        languages->setCurrentIndex(languages->findData(0));
        QTest::keyClick(languages, Qt::Key_Return);
    });
    pickFromMenu(f, 3, CommunicationSettings);
}

// View → Service items, from the keyboard.
void toggleServiceItems(FrameFixture &f)
{
    pickFromMenu(f, 2, ViewServiceItems);
}

}

class RefusedLeaveTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")); }

    // The refusal is said once; the form, its entry and the selection stay.
    void refusingFormKeepsEntryAndItem_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("choose master type") << int(ChooseMasterType);
        QTest::newRow("service items") << int(ViewServiceItems);
        QTest::newRow("language") << int(CommunicationSettings);
        QTest::newRow("mouse on another item") << 0;
    }
    void refusingFormKeepsEntryAndItem()
    {
        QFETCH(int, command);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        openProjectOf(f, SpeedometerWithLimits);
        const QPointer<FormView> form = f.frame().rightView();
        QLineEdit *pulseFactor = typeInto(f, "1085", QStringLiteral("777"));
        QVERIFY(pulseFactor);
        bool dialogOpened = false;
        whenModal<MasterTypeDialog>([&dialogOpened](MasterTypeDialog *dialog) {
            dialogOpened = true;
            dialog->reject();
        }, 2000);

        if (command == CommunicationSettings)
            switchToGerman(f);
        else if (command == ViewServiceItems)
            toggleServiceItems(f);
        else if (command == ChooseMasterType)
            pickFromMenu(f, 3, ChooseMasterType);
        else
            clickTreeItem(f, tree_codes::Project);

        // Said once, on the field: nothing to decide, so no pop-up.
        QCOMPARE(f.messages().count(), 0);
        const auto *note = form->findChild<QLabel *>(QStringLiteral("note1085"));
        QVERIFY2(note->text().contains(QStringLiteral("60000.0")), qPrintable(note->text()));
        QVERIFY(!dialogOpened);
        QCOMPARE(f.frame().rightView(), form.data());
        QCOMPARE(pulseFactor->text(), QStringLiteral("777"));
        // The window gives it the focus again once the options are closed.
        QTRY_COMPARE(f.frame().focusWidget(), pulseFactor);
        QCOMPARE(ProjectTreeView::itemCode(f.tree().currentItem()), 100);
        QCOMPARE(f.document().selectedTreeItem(), 100);
        QCoreApplication::processEvents();
        QCOMPARE(f.tree().selectedItems(), QList<QTreeWidgetItem *>{f.tree().currentItem()});
        QCOMPARE(f.frame().action(ViewServiceItems)->isChecked(), true);
    }

    // Cancelling the master type dialog and switching the language keep the
    // page and what the user opened and closed in the tree.
    void pageAndTreeStay_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("Esc in the master type dialog") << int(ChooseMasterType);
        QTest::newRow("language") << int(CommunicationSettings);
    }
    void pageAndTreeStay()
    {
        QFETCH(int, command);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        openProjectOf(f, 3);
        showAndActivate(f.frame());
        f.tree().topLevelItem(1)->setExpanded(true);  // the master
        f.tree().topLevelItem(3)->setExpanded(false); // gauge 2
        clickTreeItem(f, 401);

        if (command == ChooseMasterType) {
            whenModal<MasterTypeDialog>([](MasterTypeDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
            pickFromMenu(f, 3, ChooseMasterType);
        } else {
            switchToGerman(f);
        }

        QCOMPARE(ProjectTreeView::itemCode(f.tree().currentItem()), 401);
        auto *calibration = qobject_cast<CalibrationView *>(f.frame().rightView());
        QVERIFY(calibration);
        QCOMPARE(calibration->gaugeIndex(), 2);
        QVERIFY(f.tree().topLevelItem(1)->isExpanded());
        QVERIFY(f.tree().topLevelItem(2)->isExpanded());
        QVERIFY(!f.tree().topLevelItem(3)->isExpanded());
        QVERIFY(f.tree().topLevelItem(4)->isExpanded());
        QCOMPARE(f.messages().count(), 0);
    }
};

SKALERON_TEST(RefusedLeaveTest)
#include "RefusedLeaveTest.moc"
