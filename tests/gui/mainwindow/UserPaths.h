#pragma once
// What a user does in the main window, by keys and clicks: picking a menu
// command by its letters, choosing a master type in its dialog, typing into
// a form field, clicking a tree item.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "dialogs/MasterTypeDialog.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectFile.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTreeView>
#include <QTreeWidget>

namespace testing_support {

// Opens the menu bar's menu by its letter and picks the command by its letter.
inline void pickFromMenu(FrameFixture &f, int menuIndex, int commandId)
{
    showAndActivate(f.frame());
    QTest::keySequence(&f.frame(), QKeySequence::mnemonic(f.frame().menuBar()->actions().at(menuIndex)->text()));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString text = f.frame().action(commandId)->text();
    QTest::keyClick(menu, text.at(text.indexOf(QLatin1Char('&')) + 1).toLower().toLatin1());
}

// Picks the row with the description in the next master type dialog.
inline void pickMasterType(const QString &description)
{
    whenModal<MasterTypeDialog>([description](MasterTypeDialog *dialog) {
        const auto closer = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        auto *list = dialog->findChild<QTreeView *>(QStringLiteral("masterTypeList"));
        QAbstractItemModel *model = list->model();
        const QModelIndexList rows = model->match(model->index(0, 0), Qt::DisplayRole, description, -1, Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        list->setCurrentIndex(rows.first());
        emit list->doubleClicked(rows.first());
    });
}

// A project file of the master type with the catalogue key, opened.
inline void openProjectOf(FrameFixture &f, int masterId, const QString &name = QStringLiteral("boat.rix"))
{
    ConfigRecord record;
    record.MasterId = masterId;
    const QString path = f.home().filePath(name);
    QVERIFY(project_file::writeFile(path, record, nullptr));
    QVERIFY(f.frame().openProject(path));
}

// The form field with that template identifier, emptied and typed into.
inline QLineEdit *typeInto(FrameFixture &f, const char *fieldId, const QString &text)
{
    auto *field = f.frame().rightView()->findChild<QLineEdit *>(QLatin1String(fieldId));
    if (!field)
        return nullptr;
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClicks(field, text);
    return field;
}

// Clicks the tree item with that code.
inline void clickTreeItem(FrameFixture &f, int code)
{
    for (QTreeWidgetItemIterator it(&f.tree()); *it; ++it) {
        if (ProjectTreeView::itemCode(*it) == code) {
            ProjectTreeView &tree = f.tree();
            tree.scrollToItem(*it);
            QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(*it).center());
            return;
        }
    }
    QFAIL("no such tree item");
}

}
