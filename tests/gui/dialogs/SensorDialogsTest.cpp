// The sensor windows as a user works them: values shown rounded and taken
// unrounded, pairs sorted on OK, a bad number keeping the window open; the
// editing buttons only for user sensors, deleting only after a Yes, the
// first size as the smallest.
#include "catalogue/SensorSelection.h"
#include "common/CatalogueFiles.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "dialogs/SensorDefinitionDialog.h"
#include "dialogs/SensorSelectionDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace catalogue_files;

namespace {

QLineEdit *field(QDialog &dialog, int id)
{
    QWidget *w = dialog.findChild<QWidget *>(QString::number(id));
    return qobject_cast<QLineEdit *>(w);
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void clickOk(QDialog &dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>("1"), Qt::LeftButton);
}

// A standard catalogue with a pressure sensor, a user one with two own sensors.
void useCatalogues(const testing_support::ScopedTestHome &home)
{
    const QString standard = home.filePath("standard.sqlite");
    createSensorTable(standard);
    insertRows(standard, "SensorTabelle", {sensorRow(3, "Druckgeber", "P-1")});
    const QString user = home.filePath("user.sqlite");
    createSensorTable(user);
    insertRows(user, "SensorTabelle", {sensorRow(1, "Benutzerdefiniert", ""), sensorRow(2, "Benutzerdefiniert", "")});
    useCatalogue(standard);
    useUserCatalogue(user);
}

}

class SensorDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void shownRounded_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("shown");
        QTest::newRow("x with three decimals") << 3009 << "1.235";
        QTest::newRow("y with two decimals") << 3017 << "1.23";
    }
    void shownRounded()
    {
        QFETCH(int, id);
        QFETCH(QString, shown);
        SensorDefinition d;
        d.XColumn[0] = 1.23456;
        d.YColumn[0] = 1.23456;
        d.YColumn[1] = 5;
        d.Count = 2;
        SensorDefinitionDialog dialog;
        dialog.setDefinition(d);
        QCOMPARE(field(dialog, id)->text(), shown);
        dialog.show();
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // Left as shown, the pair keeps every decimal.
        QCOMPARE(dialog.definition().XColumn[0], 1.23456);
        QCOMPARE(dialog.definition().YColumn[0], 1.23456);
    }

    void sortedByYZeroRowsFirstEmptyRowsLeftOut()
    {
        SensorDefinitionDialog dialog;
        dialog.show();
        // Rows 1 and 4 stay empty; row 5 is a typed zero pair.
        const QStringList x{"1", "", "2", "3", "", "0"}, y{"30", "", "10", "20", "", "0"};
        for (int row = 0; row < x.size(); ++row) {
            retype(field(dialog, 3009 + row), x[row]);
            retype(field(dialog, 3017 + row), y[row]);
        }
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const SensorDefinition d = dialog.definition();
        QCOMPARE(d.Count, 4);
        QCOMPARE(d.YColumn, (std::array<double, 8>{0, 10, 20, 30, 0, 0, 0, 0}));
        QCOMPARE(d.XColumn, (std::array<double, 8>{0, 2, 3, 1, 0, 0, 0, 0}));
    }

    void badNumberKeepsTheWindowOpen()
    {
        testing_support::MessageRecorder messages;
        SensorDefinitionDialog dialog;
        dialog.show();
        retype(field(dialog, 3010), "1");
        QLineEdit *y = field(dialog, 3018);
        retype(y, "5");
        // At the start of a number the one-sign rule is off: "+-5" can be typed.
        y->setCursorPosition(0);
        QTest::keyClicks(y, "-");
        y->setCursorPosition(0);
        QTest::keyClicks(y, "+");
        QCOMPARE(y->text(), QString("+-5"));
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().first().contains("+-5"));
        QCOMPARE(dialog.focusWidget(), y);
    }

    void editingButtonsForUserSensors_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("editable");
        QTest::newRow("lever senders") << 0 << false;
        QTest::newRow("pressure") << 3 << false;
        QTest::newRow("user-defined") << 4 << true;
    }
    void editingButtonsForUserSensors()
    {
        QFETCH(int, type);
        QFETCH(bool, editable);
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        SensorSelectionDialog dialog;
        dialog.setType(type == 4 ? 0 : 4);
        dialog.show();
        dialog.findChild<QComboBox *>("1068")->setCurrentIndex(type);
        QCOMPARE(dialog.control(1005)->isEnabled(), editable);
        QCOMPARE(dialog.control(4)->isEnabled(), editable);
        QVERIFY(dialog.control(1004)->isEnabled());
        // With no sensor selected only New is left; OK keeps the window open.
        dialog.findChild<QTreeWidget *>("1066")->clearSelection();
        for (int id : {1, 1005, 4})
            QVERIFY2(!dialog.control(id)->isEnabled(), qPrintable(QString::number(id)));
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
    }

    // New in a standard group makes a user-defined sensor: the list goes to
    // that group and shows it, selected.
    void newSensorIsShownInItsGroup()
    {
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        SensorSelectionDialog dialog;
        dialog.setType(3);
        dialog.show();
        QTimer::singleShot(0, [] {
            auto *definition = qobject_cast<SensorDefinitionDialog *>(QApplication::activeModalWidget());
            QVERIFY(definition);
            const QStringList x{"1", "2"}, y{"10", "20"};
            for (int row = 0; row < x.size(); ++row) {
                retype(field(*definition, 3009 + row), x[row]);
                retype(field(*definition, 3017 + row), y[row]);
            }
            clickOk(*definition);
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>("1004"), Qt::LeftButton);
        QCOMPARE(dialog.findChild<QComboBox *>("1068")->currentIndex(), 4);
        auto *list = dialog.findChild<QTreeWidget *>("1066");
        QCOMPARE(list->topLevelItemCount(), 3); // the two there and the new one
        QVERIFY(!list->selectedItems().isEmpty());
        QVERIFY(dialog.control(1005)->isEnabled()); // Change... for a user sensor
    }

    void deletesOnlyAfterYes_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("No keeps it") << int(user_messages::Answer::No) << 2;
        QTest::newRow("Yes deletes it") << int(user_messages::Answer::Yes) << 1;
    }
    void deletesOnlyAfterYes()
    {
        QFETCH(int, answer);
        QFETCH(int, left);
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        testing_support::MessageRecorder messages(static_cast<user_messages::Answer>(answer));
        SensorSelectionDialog dialog;
        dialog.setType(4);
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("1066");
        QCOMPARE(list->topLevelItemCount(), 2);
        list->setCurrentItem(list->topLevelItem(1));
        QTest::mouseClick(dialog.findChild<QPushButton *>("4"), Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().first().contains("Sensor 2"));
        QCOMPARE(list->topLevelItemCount(), left);
    }

    // Another program deleted the sensor while the list was open: OK,
    // Change and Delete say so, and the list shows what is stored.
    void sensorDeletedElsewhereIsTold_data()
    {
        QTest::addColumn<QString>("button"); // "1" OK, "1005" Change, "4" Delete
        QTest::newRow("OK") << "1";
        QTest::newRow("Change") << "1005";
        QTest::newRow("Delete") << "4";
    }
    void sensorDeletedElsewhereIsTold()
    {
        QFETCH(QString, button);
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        testing_support::MessageRecorder messages(user_messages::Answer::Yes);
        SensorSelectionDialog dialog;
        dialog.setType(4);
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("1066");
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(changeElsewhere(home.filePath("user.sqlite"), "DELETE FROM SensorTabelle WHERE id = 2"), QString());
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY2(messages.texts().last().contains("Sensor 2"), qPrintable(messages.texts().join('|')));
        QCOMPARE(messages.messages().last().icon, user_messages::Icon::Exclamation);
        QVERIFY(!dialog.taken());
        QCOMPARE(list->topLevelItemCount(), 1);
        QVERIFY(dialog.isVisible());
    }

    void doubleClickTakesTheRow()
    {
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        SensorSelectionDialog dialog;
        dialog.setType(3);
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("1066");
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.taken());
        QCOMPARE(dialog.selection().OrderNumber, QString("P-1"));
    }

    // A long name shows whole; the window widens for it.
    void longNameShowsWhole()
    {
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        QVariantMap row = sensorRow(3, "Benutzerdefiniert", "");
        row["Name"] = "Exhaust cooling water temperature, engine room";
        insertRows(home.filePath("user.sqlite"), "SensorTabelle", {row});
        SensorSelectionDialog dialog;
        dialog.setType(4);
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("1066");
        const QAbstractItemView *view = list;
        for (int column = 0; column < list->columnCount(); ++column)
            QVERIFY(list->columnWidth(column) >= view->sizeHintForColumn(column));
    }

    void firstSizeIsTheSmallest()
    {
        testing_support::ScopedTestHome home;
        useCatalogues(home);
        SensorSelectionDialog dialog;
        dialog.show();
        const QSize first = dialog.size();
        dialog.resize(first / 2);
        QCOMPARE(dialog.size(), first);
    }
};

SKALERON_TEST(SensorDialogsTest)
#include "SensorDialogsTest.moc"
