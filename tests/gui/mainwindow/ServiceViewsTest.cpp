// The service items' master settings form and diagnostics sheet in the
// running program: reached through the tree and the Gauge menu, the form
// never changes the project, and the diagnostics command follows the
// service items.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/TestRegistry.h"
#include "dialogs/DiagnosticsPages.h"
#include "dialogs/DiagnosticsSheet.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/MasterSettingsView.h"
#include "views/ProjectTreeView.h"
#include "views/ViewFactory.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

// Starts the program with the service items shown and a project holding a
// master type and settings of its own.
bool startWithProject(FrameFixture &f)
{
    settings_store::writeInt("Settings", "ServiceItems", 1);
    if (!f.start())
        return false;
    ConfigRecord record;
    record.MasterId = 3;
    record.KValue = 3600;
    record.WarnThreshold = 45;
    record.Illumination = 80;
    const QString path = f.home().filePath(QStringLiteral("speedo.rix"));
    return project_file::writeFile(path, record, nullptr) && f.frame().openProject(path);
}

QTreeWidgetItem *settingsItem(ProjectTreeView &tree)
{
    QTreeWidgetItem *master = tree.topLevelItem(1);
    return master && master->childCount() > 0 ? master->child(0) : nullptr;
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

}

class ServiceViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void leavingSettingsNeverChangesTheProject_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("numbers typed") << QStringLiteral("1234,5") << true;
        QTest::newRow("a sign alone") << QStringLiteral("-") << false;
    }
    // Switching the tree selection away takes nothing into the project; an
    // entry that is no number keeps the form and its tree item.
    void leavingSettingsNeverChangesTheProject()
    {
        QFETCH(QString, typed);
        QFETCH(bool, leaves);
        FrameFixture f;
        QVERIFY(startWithProject(f));
        showAndActivate(f.frame());
        QTreeWidgetItem *settings = settingsItem(f.tree());
        QVERIFY(settings);
        QCOMPARE(ProjectTreeView::itemCode(settings), tree_codes::MasterSettings);
        f.tree().setCurrentItem(settings);
        auto *view = qobject_cast<MasterSettingsView *>(f.frame().rightView());
        QVERIFY(view);
        // The master's form, left for this one, may have taken values into
        // the project: what counts is the project as this form finds it.
        f.document().setModified(false);
        const ConfigRecord before = f.document().config();

        QTest::keyClicks(view->control(master_settings::ids::CounterEdit), QStringLiteral("12000"));
        QTest::keyClicks(view->control(master_settings::ids::KValueEdit), typed);
        click(view->control(master_settings::ids::DistanceDisplay));
        click(view->control(master_settings::ids::Speedometer));
        click(view->control(master_settings::ids::LightWarning));
        f.messages().clear();
        f.tree().setCurrentItem(f.tree().topLevelItem(0));

        QCOMPARE(f.rightViewClass() != QLatin1String("MasterSettingsView"), leaves);
        QCOMPARE(f.tree().currentItem() == settings, !leaves);
        QCOMPARE(f.messages().count(), 0); // a refusal is said on the field
        QCOMPARE(view->control(master_settings::ids::KValueEdit)->toolTip().isEmpty(), leaves);
        QVERIFY(f.document().config().sameUserSettings(before));
        QVERIFY(!f.document().isModified());
    }

    void diagnosticsFollowsTheServiceItems_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("service items off") << false;
        QTest::newRow("service items on") << true;
    }
    void diagnosticsFollowsTheServiceItems()
    {
        QFETCH(bool, shown);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", shown ? 1 : 0);
        QVERIFY(f.start());
        QCOMPARE(f.frame().action(Diagnostics)->isEnabled(), shown);
        f.trigger(ViewServiceItems);
        QCOMPARE(f.frame().action(Diagnostics)->isEnabled(), !shown);
    }

    // Gauge → Diagnostics from the keyboard, on a project no gauge was read into.
    void diagnosticsOpensFromTheGaugeMenu()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        showAndActivate(f.frame());

        QString caption;
        QStringList fields;
        QStringList infoTexts;
        QString firstPage;
        QString firstTab;
        whenModal<DiagnosticsSheet>([&](DiagnosticsSheet *sheet) {
            caption = sheet->windowTitle();
            firstPage = sheet->pages()->widget(0)->objectName();
            firstTab = sheet->pages()->tabText(0);
            for (int row = 0; row < DiagnosticsInputsPage::Rows; ++row)
                fields << sheet->inputsPage()->adcField(row)->text() << sheet->inputsPage()->phyField(row)->text();
            for (const char *id : {"1061", "1062"})
                infoTexts << sheet->infoPage()->findChild<QLabel *>(QLatin1String(id))->text();
            sheet->reject();
        });
        QTest::keyClick(&f.frame(), Qt::Key_G, Qt::AltModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(menu->activeAction(), f.frame().action(Diagnostics));
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!caption.isEmpty());

        QCOMPARE(caption, loadTranslatedString(43100));
        QCOMPARE(firstPage, QStringLiteral("DiagnosticsInputsPage"));
        // The page's caption carries no tag, yet is in the program's language.
        QCOMPARE(firstTab, QStringLiteral("Inputs"));
        QCOMPARE(fields, QStringList(8, QStringLiteral("0")));
        QCOMPARE(infoTexts, QStringList(2, QString()));
    }
};

SKALERON_TEST(ServiceViewsTest)
#include "ServiceViewsTest.moc"
