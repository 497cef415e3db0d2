// View → Service items: off by default, turned on from the keyboard menu,
// remembered, and the items it adds with the codes the forms find their
// input by.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/SettingsStore.h"
#include "common/TestRegistry.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTreeWidgetItemIterator>

using namespace testing_support;
using namespace command_ids;

namespace {

// Item codes of the whole tree, parents before their children.
QList<int> treeCodes(ProjectTreeView &tree)
{
    QList<int> codes;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        codes << ProjectTreeView::itemCode(*it);
    return codes;
}

}

class ServiceItemsTest : public QObject
{
    Q_OBJECT
private slots:
    void turnedOnFromTheViewMenu()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QCOMPARE(treeCodes(f.tree()), QList<int>{107});
        QVERIFY(!f.frame().action(ViewServiceItems)->isChecked());

        showAndActivate(f.frame());
        QTest::keyClick(&f.frame(), Qt::Key_V, Qt::AltModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(menu->activeAction(), f.frame().action(ViewServiceItems));
        QTest::keyClick(menu, Qt::Key_Return);

        QCOMPARE(treeCodes(f.tree()), (QList<int>{107, 212, 201, 312, 301, 412, 401}));
        QCOMPARE(settings_store::readInt("Settings", "ServiceItems", 0), 1);
    }

    // Remembered from the last run. The master's settings sit under the
    // master; a gauge item has no form of its own and leaves the one shown.
    void masterSettingsAndGaugeItems()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        QVERIFY(f.frame().action(ViewServiceItems)->isChecked());
        ConfigRecord record;
        record.MasterId = 3;
        const QString path = f.home().filePath(QStringLiteral("speedo.rix"));
        QVERIFY(project_file::writeFile(path, record, nullptr));
        QVERIFY(f.frame().openProject(path));
        QCOMPARE(treeCodes(f.tree()), (QList<int>{107, 100, 102, 212, 201, 312, 301, 412, 401}));

        const QPointer<FormView> shown = f.frame().rightView();
        QTreeWidgetItem *gauge = f.tree().topLevelItem(2);
        QCOMPARE(ProjectTreeView::itemCode(gauge), 212);
        f.tree().setCurrentItem(gauge);
        QCOMPARE(f.document().selectedTreeItem(), 212);
        QVERIFY(shown);
        QCOMPARE(f.frame().rightView(), shown.data());
    }
};

SKALERON_TEST(ServiceItemsTest)
#include "ServiceItemsTest.moc"
