// A technician's way through the service items: define a sensor of their own
// in the sensor windows, pick it for the temperature input and find its
// curve resampled to the eight support points; the values stay with the
// project while other items are shown, and the sensor is there again after
// the program was started anew.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/SettingsStore.h"
#include "base/Language.h"
#include "common/TestRegistry.h"
#include "dialogs/SensorDefinitionDialog.h"
#include "dialogs/SensorSelectionDialog.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/MainWindow.h"
#include "model/SensorGroups.h"
#include "views/CalibrationView.h"
#include "views/ProjectTreeView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int TemperatureInput = 301;

void selectCode(ProjectTreeView &tree, int code)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (ProjectTreeView::itemCode(*it) == code) {
            tree.setCurrentItem(*it);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no tree item %1").arg(code)));
}

void type(QWidget *field, const QString &text)
{
    auto *edit = qobject_cast<QLineEdit *>(field);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The column of eight edits from firstId, as shown.
QStringList column(CalibrationView *view, int firstId)
{
    QStringList texts;
    for (int row = 0; row < 8; ++row)
        texts << qobject_cast<QLineEdit *>(view->control(firstId + row))->text();
    return texts;
}

// The program started with service items shown, the temperature input's
// calibration chosen in the tree.
CalibrationView *temperatureCalibration(FrameFixture &f)
{
    settings_store::writeInt("Settings", "ServiceItems", 1);
    if (!f.start())
        return nullptr;
    selectCode(f.tree(), TemperatureInput);
    return qobject_cast<CalibrationView *>(f.frame().rightView());
}

QStringList listedNames(SensorSelectionDialog *dialog)
{
    QStringList names;
    auto *list = qobject_cast<QTreeWidget *>(dialog->control(1066));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        names << list->topLevelItem(i)->text(2);
    return names;
}

}

class CalibrationFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void ownSensorPickedAndKept()
    {
        FrameFixture f;
        CalibrationView *view = temperatureCalibration(f);
        QVERIFY(view);

        // Quantity in unsorted order, resistance 10 + 1.8 x quantity.
        const QStringList quantity{"100", "0", "50", "25", "75", "10", "90", "60"};
        const QStringList resistance{"190", "10", "100", "55", "145", "28", "172", "118"};
        bool defined = false;
        QStringList tabbed; // Tab runs across each x/y pair, as values are read off a data sheet
        whenModal<SensorSelectionDialog>([&](SensorSelectionDialog *selection) {
            whenModal<SensorDefinitionDialog>([&](SensorDefinitionDialog *definition) {
                definition->activateWindow();
                (void)QTest::qWaitForWindowActive(definition); // the Tab walk below shows whether it took
                definition->control(3009)->setFocus();
                for (int i = 0; i < 5 && QApplication::focusWidget(); ++i) {
                    tabbed << QApplication::focusWidget()->objectName();
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
                type(definition->control(1056), "Bilge sender");
                type(definition->control(3025), "Ohm");
                type(definition->control(3026), "%");
                for (int row = 0; row < 8; ++row) {
                    type(definition->control(3009 + row), resistance[row]);
                    type(definition->control(3017 + row), quantity[row]);
                }
                defined = true;
                click(definition->control(1));
            });
            click(selection->control(1004)); // "New..."
            QVERIFY(listedNames(selection).contains("Bilge sender"));
            click(selection->control(1)); // the new sensor is the selected row
        });
        click(view->control(1004));
        QVERIFY(defined);
        QCOMPARE(tabbed, (QStringList{"3009", "3017", "3010", "3018", "3011"}));

        const QStringList expectedQuantity{"0", "14.3", "28.6", "42.9", "57.1", "71.4", "85.7", "100"};
        const QStringList expectedResistance{"10", "35.7", "61.4", "87.1", "112.9", "138.6", "164.3", "190"};
        QCOMPARE(column(view, 3017), expectedQuantity);
        QCOMPARE(column(view, 3009), expectedResistance);
        // The header names the input and the sensor by its name.
        QCOMPARE(qobject_cast<QLabel *>(view->control(1239))->text(),
                 sensor_groups::label(sensor_groups::UserDefined)
                     + QStringLiteral(": Bilge sender, Range: 0 - 100 %, 10 - 190 Ohm"));
        QCOMPARE(view->findChild<QLabel *>(QStringLiteral("inputTitle"))->text(), QStringLiteral("Gauge 2: Temperature"));

        // Another item and back: the input's values are still there.
        selectCode(f.tree(), 107);
        QVERIFY(!qobject_cast<CalibrationView *>(f.frame().rightView()));
        selectCode(f.tree(), TemperatureInput);
        view = qobject_cast<CalibrationView *>(f.frame().rightView());
        QVERIFY(view);
        QCOMPARE(column(view, 3009), expectedResistance);

        // The program anew, with the same settings and data folders.
        f.stop();
        QVERIFY(f.start());
        selectCode(f.tree(), TemperatureInput);
        view = qobject_cast<CalibrationView *>(f.frame().rightView());
        QVERIFY(view);
        QCOMPARE(column(view, 3009), QStringList(8, "0"));
        QStringList listed;
        whenModal<SensorSelectionDialog>([&](SensorSelectionDialog *selection) {
            listed = listedNames(selection);
            selection->reject();
        });
        click(view->control(1004));
        QVERIFY(listed.contains("Bilge sender"));
    }

    // Calibration values are in no project file: before they go with the
    // project (here by File > New) the user is asked, unless a table keeps them.
    void unkeptValuesAskBeforeTheyGo_data()
    {
        QTest::addColumn<QString>("kept"); // "", "project" (the .rix saved), "table"
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::newRow("kept nowhere, stay") << "" << int(user_messages::Answer::No) << true;
        QTest::newRow("kept nowhere, discard") << "" << int(user_messages::Answer::Yes) << true;
        QTest::newRow("project saved, stay") << "project" << int(user_messages::Answer::No) << true;
        QTest::newRow("table saved") << "table" << int(user_messages::Answer::No) << false;
    }
    void unkeptValuesAskBeforeTheyGo()
    {
        QFETCH(QString, kept);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        FrameFixture f;
        CalibrationView *view = temperatureCalibration(f);
        QVERIFY(view);
        type(view->control(3009), "42");
        QTest::keyClick(view->control(3009), Qt::Key_Tab);
        if (kept == "project") {
            answerFileDialog(f.home().filePath("boat.rix"));
            f.trigger(FileSaveAs);
        } else if (kept == "table") {
            answerFileDialog(f.home().filePath("gauge2.csv"));
            click(view->findChild<QPushButton *>(QStringLiteral("saveTable")));
        }
        const QString question = loadTranslatedString(5654).arg("Gauge 2: Temperature");
        f.messages().clear();
        // The project's own "Save changes?" is answered No.
        f.messages().onShow = [&] {
            f.messages().setAnswer(f.messages().texts().constLast() == question ? user_messages::Answer(answer)
                                                                                 : user_messages::Answer::No);
        };
        f.trigger(FileNew);
        f.messages().onShow = nullptr;
        QCOMPARE(f.messages().texts().contains(question), asked);
        const bool stayed = asked && answer == int(user_messages::Answer::No);
        selectCode(f.tree(), TemperatureInput);
        view = qobject_cast<CalibrationView *>(f.frame().rightView());
        QVERIFY(view);
        QCOMPARE(qobject_cast<QLineEdit *>(view->control(3009))->text(), stayed ? "42" : "0");
    }

    // A table file that cannot be read is named in the message, its full
    // path in the details.
    void unreadableTableFile_data()
    {
        QTest::addColumn<QString>("file"); // under the test home
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a file that is no table") << "notes.csv" << QByteArray("hello\n");
        QTest::newRow("a table cut short") << "short.csv" << QByteArray("Ohm;%\n10;0\n");
    }
    void unreadableTableFile()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        FrameFixture f;
        CalibrationView *view = temperatureCalibration(f);
        QVERIFY(view);
        const QString path = f.home().filePath(file);
        writeBytes(path, content);
        answerFileDialog(path);
        click(view->findChild<QPushButton *>(QStringLiteral("loadTable")));
        QCOMPARE(f.messages().count(), 1);
        const user_messages::Message shown = f.messages().messages().first();
        const QString head = loadTranslatedString(5640).section(QStringLiteral("%2"), 0, 0).arg(QFileInfo(path).fileName());
        QVERIFY2(shown.text.startsWith(head), qPrintable(shown.text));
        QCOMPARE(shown.details, QDir::toNativeSeparators(path));
        QCOMPARE(shown.icon, user_messages::Icon::Error);
    }
};

SKALERON_TEST(CalibrationFlowTest)
#include "CalibrationFlowTest.moc"
