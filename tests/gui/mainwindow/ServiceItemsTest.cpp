// View → Service items: off by default, turned on from the keyboard menu,
// remembered, and the items it adds with the codes the forms find their
// input by.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "dialogs/DiagnosticsSheet.h"
#include "common/TestRegistry.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/CalibrationView.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>
#include <QLabel>
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
    // master; a gauge item and its calibration item both show the input's
    // calibration, headed with the input's name, whatever was shown before.
    void treeAndPaneAgree_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("title");
        QTest::newRow("gauge 3 after gauge 2's calibration") << 301 << 412 << 2 << "Gauge 3: Fuel level";
        QTest::newRow("gauge 1 after the master") << 100 << 212 << 0 << "Gauge 1: Aux";
        QTest::newRow("gauge 2's calibration after gauge 1") << 212 << 301 << 1 << "Gauge 2: Temperature";
    }
    void treeAndPaneAgree()
    {
        QFETCH(int, before);
        QFETCH(int, clicked);
        QFETCH(int, input);
        QFETCH(QString, title);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        QVERIFY(f.frame().action(ViewServiceItems)->isChecked());
        openProjectOf(f, 3);
        QCOMPARE(treeCodes(f.tree()), (QList<int>{107, 100, 102, 212, 201, 312, 301, 412, 401}));
        showAndActivate(f.frame());

        clickTreeItem(f, before);
        clickTreeItem(f, clicked);
        QCOMPARE(ProjectTreeView::itemCode(f.tree().currentItem()), clicked);
        auto *calibration = qobject_cast<CalibrationView *>(f.frame().rightView());
        QVERIFY(calibration);
        QCOMPARE(calibration->gaugeIndex(), input);
        QCOMPARE(calibration->findChild<QLabel *>(QStringLiteral("inputTitle"))->text(), title);
    }

    // The tree walked by the arrow keys keeps the focus, each item showing
    // its page.
    void treeWalkedByKeys()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        openProjectOf(f, 3);
        f.tree().expandAll();
        showAndActivate(f.frame());
        clickTreeItem(f, 107);
        QList<int> walked;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), &f.tree());
            walked << ProjectTreeView::itemCode(f.tree().currentItem());
        }
        QCOMPARE(walked, (QList<int>{100, 102, 212, 201}));
        QVERIFY(qobject_cast<CalibrationView *>(f.frame().rightView()));
    }

    // The master settings page's Set says what it did; the Aux input shows
    // its signal source; the diagnostics values take no typing.
    void servicePagesShowWhatTheyHold()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        openProjectOf(f, 3);
        showAndActivate(f.frame());

        clickTreeItem(f, 102);
        auto *set = f.frame().rightView()->findChild<QPushButton *>(QStringLiteral("1002"));
        QVERIFY(set);
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(f.frame().statusBar()->currentMessage(), loadTranslatedString(5977));

        clickTreeItem(f, 212);
        auto *source = f.frame().rightView()->findChild<QComboBox *>(QStringLiteral("1031"));
        QVERIFY(source && source->isVisibleTo(f.frame().rightView()));
        QCOMPARE(source->currentText(), QStringLiteral("Off"));

        bool seen = false;
        whenModal<DiagnosticsSheet>([&seen](DiagnosticsSheet *sheet) {
            seen = true;
            for (QLineEdit *field : sheet->findChildren<QLineEdit *>())
                QVERIFY2(field->isReadOnly(), qPrintable(field->objectName()));
            sheet->reject();
        });
        pickFromMenu(f, 3, Diagnostics);
        QVERIFY(seen);
    }
};

SKALERON_TEST(ServiceItemsTest)
#include "ServiceItemsTest.moc"
