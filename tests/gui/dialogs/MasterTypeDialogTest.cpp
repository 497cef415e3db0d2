// The master type window narrows its list as the user types (order number
// and description, words in any order) and sorts by any column.
#include "common/CatalogueFiles.h"
#include "common/PackFolder.h"
#include "common/TestRegistry.h"
#include "dialogs/MasterTypeDialog.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace testing_support;

namespace {

QVariantMap row(int id, const QString &description, const QString &orderNumber)
{
    QVariantMap r = catalogue_files::masterRow(id, description);
    r["OrderNumber"] = orderNumber;
    return r;
}

// The column's texts from top to bottom.
QStringList shown(const QTreeView *list, int column)
{
    QStringList texts;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        texts << list->model()->index(r, column).data().toString();
    return texts;
}

// Runs check in the open dialog, then leaves it.
void whileOpen(const std::function<void(MasterTypeDialog &, QLineEdit *, QTreeView *)> &check, int currentType = -1)
{
    MasterTypeDialog dialog;
    dialog.setCurrentType(currentType);
    QTimer::singleShot(0, &dialog, [&] {
        check(dialog, dialog.findChild<QLineEdit *>("masterTypeFind"), dialog.findChild<QTreeView *>("masterTypeList"));
        dialog.reject();
    });
    dialog.exec();
}

}

class MasterTypeDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home.reset(new ScopedTestHome);
        const QString catalogue = m_home->filePath("master.sqlite");
        catalogue_files::createMasterTable(catalogue);
        catalogue_files::insertRows(catalogue, "RixData",
                                    {row(1, "Speedometer 0-120 km/h with LCD", "SK-SP110"),
                                     row(2, "Tachometer 0-4000 rpm", "SK-TA200"),
                                     row(3, "Speedometer 0-60 knots", "SK-SP085")});
        catalogue_files::useCatalogue(catalogue);
    }
    void cleanup() { m_home.reset(); }

    void typingNarrowsTheList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("descriptions");
        QTest::newRow("nothing") << "" << QStringList{"Speedometer 0-120 km/h with LCD", "Tachometer 0-4000 rpm",
                                                      "Speedometer 0-60 knots"};
        QTest::newRow("part of a word") << "SPEEDO" << QStringList{"Speedometer 0-120 km/h with LCD",
                                                                   "Speedometer 0-60 knots"};
        QTest::newRow("words in any order") << "lcd  speedometer" << QStringList{"Speedometer 0-120 km/h with LCD"};
        QTest::newRow("order number") << "sk-ta" << QStringList{"Tachometer 0-4000 rpm"};
        QTest::newRow("order number and description") << "knots sp085" << QStringList{"Speedometer 0-60 knots"};
        QTest::newRow("one word not there") << "knots 120" << QStringList{};
    }

    void typingNarrowsTheList()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, descriptions);
        int taken = 0;
        whileOpen([&](MasterTypeDialog &dialog, QLineEdit *find, QTreeView *list) {
            QCOMPARE(dialog.focusWidget(), find);
            QTest::keyClicks(find, typed);
            QCOMPARE(shown(list, 0), descriptions);
            // The first row left is the one Enter takes; with none left, Enter
            // keeps the window open and OK is off.
            QCOMPARE(list->currentIndex().row(), descriptions.isEmpty() ? -1 : 0);
            taken = list->selectionModel()->selectedRows().size();
            QCOMPARE(dialog.findChild<QPushButton *>("okButton")->isEnabled(), !descriptions.isEmpty());
            QTest::keyClick(find, Qt::Key_Return);
            QCOMPARE(dialog.isVisible(), descriptions.isEmpty());
        });
        QCOMPARE(taken, descriptions.isEmpty() ? 0 : 1);
    }

    // The project's type is the one chosen when the window opens; one the
    // catalogue does not list leaves the first row chosen.
    void projectsTypeIsChosenAtFirst_data()
    {
        QTest::addColumn<int>("currentType");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("listed") << 3 << "Speedometer 0-60 knots";
        QTest::newRow("not listed") << 99 << "Speedometer 0-120 km/h with LCD";
    }
    void projectsTypeIsChosenAtFirst()
    {
        QFETCH(int, currentType);
        QFETCH(QString, chosen);
        whileOpen([&](MasterTypeDialog &, QLineEdit *, QTreeView *list) {
            QCOMPARE(list->currentIndex().data().toString(), chosen);
            QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        }, currentType);
    }

    // A type clicked stays chosen while typing narrows the list around it.
    void chosenRowStaysWhileItMatches()
    {
        whileOpen([&](MasterTypeDialog &dialog, QLineEdit *find, QTreeView *list) {
            list->setCurrentIndex(list->model()->index(2, 0)); // Speedometer 0-60 knots
            QTest::keyClicks(find, "speedo");
            QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Speedometer 0-60 knots"));
            QTest::keyClicks(find, " lcd"); // no longer listed: the first row left
            QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Speedometer 0-120 km/h with LCD"));
            QVERIFY(dialog.findChild<QPushButton *>("okButton")->isEnabled());
        });
    }

    // Typing narrows the list, the arrow keys pick a row from it, Enter
    // takes that row (not the first).
    void arrowKeysInFindPickTheRow_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("taken");
        QTest::newRow("down") << QList<int>{Qt::Key_Down} << 3;
        QTest::newRow("down and up") << QList<int>{Qt::Key_Down, Qt::Key_Up} << 1;
    }
    void arrowKeysInFindPickTheRow()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, taken);
        MasterTypeDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            auto *find = dialog.findChild<QLineEdit *>("masterTypeFind");
            QTest::keyClicks(find, "speedo");
            for (int key : keys)
                QTest::keyClick(find, Qt::Key(key));
            QTest::keyClick(find, Qt::Key_Return);
            if (dialog.isVisible())
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedId(), taken);
    }

    void headingSortsByItsColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("orderNumbers");
        QTest::newRow("order number") << 2 << 1 << QStringList{"SK-SP085", "SK-SP110", "SK-TA200"};
        QTest::newRow("order number, descending") << 2 << 2 << QStringList{"SK-TA200", "SK-SP110", "SK-SP085"};
        QTest::newRow("description") << 0 << 1 << QStringList{"SK-SP110", "SK-SP085", "SK-TA200"};
    }

    void headingSortsByItsColumn()
    {
        QFETCH(int, column);
        QFETCH(int, clicks);
        QFETCH(QStringList, orderNumbers);
        whileOpen([&](MasterTypeDialog &dialog, QLineEdit *, QTreeView *list) {
            // The catalogue's order until a heading is clicked.
            QCOMPARE(shown(list, 2), (QStringList{"SK-SP110", "SK-TA200", "SK-SP085"}));
            for (int i = 0; i < clicks; ++i) {
                const int x = list->header()->sectionViewportPosition(column) + 5;
                QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            }
            QCOMPARE(shown(list, 2), orderNumbers);
            // The type selected before (the first) stays selected where it went.
            const QModelIndexList selected = list->selectionModel()->selectedRows(2);
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected.first().data().toString(), QStringLiteral("SK-SP110"));
            // The row taken is the one selected, whatever the order.
            list->setCurrentIndex(list->model()->index(2, 0));
            dialog.accept();
            QCOMPARE(dialog.result().OrderNumber, orderNumbers.at(2));
        });
    }

    // The window widens for a long description instead of cutting it.
    void longDescriptionShowsWhole()
    {
        catalogue_files::insertRows(m_home->filePath("master.sqlite"), "RixData",
                                    {row(4, "Speedometer 0-50 kn, water temperature 0-40 °C, with LCD",
                                         "SK-SP085-WTD")});
        whileOpen([&](MasterTypeDialog &, QLineEdit *, QTreeView *list) {
            const QAbstractItemView *view = list;
            QVERIFY(list->columnWidth(0) >= view->sizeHintForColumn(0));
        });
    }

private:
    std::unique_ptr<ScopedTestHome> m_home;
};

SKALERON_TEST(MasterTypeDialogTest)
#include "MasterTypeDialogTest.moc"
