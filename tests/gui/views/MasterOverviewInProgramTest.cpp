// The master's form inside the real program: the counter preset through the
// main window, progress window and link to the simulated gauge's memory, and
// the tree's attempt to leave the form with an entry it refuses.
#include "OverviewFixture.h"

#include "base/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "link/GaugeProtocol.h"
#include "common/SimGauge.h"
#include "model/ProjectFile.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using overview_testing::RunningProgram;

class MasterOverviewInProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void hourCounterReachesTheGaugeMemory()
    {
        testing_support::SimGauge gauge{SimFamily::Register};
        testing_support::MessageRecorder messages;
        RunningProgram program(overview_testing::tachometerWithLcd());
        QVERIFY(program.started());
        MasterOverview *form = program.form();
        QVERIFY2(form, "the master item does not show the master's form");

        const QByteArray before = gauge.state().memory;
        qobject_cast<QLineEdit *>(form->control(9934))->setText(QStringLiteral("1234,5"));
        QTest::mouseClick(qobject_cast<QPushButton *>(form->control(9936)), Qt::LeftButton);

        QCOMPARE(messages.texts(), QStringList{loadTranslatedString(1132)});
        // The hour counter's 16 cells at 66 hold 12345 tenths; nothing else changed.
        QByteArray expected = before;
        expected.replace(66, 32, gauge_protocol::counterImage(12345, 16));
        QCOMPARE(gauge.state().memory.toHex(), expected.toHex());
    }

    void theFormStaysWhileAnEntryIsRefused()
    {
        testing_support::MessageRecorder messages;
        RunningProgram program(overview_testing::speedometerWithoutLcd());
        QVERIFY(program.started());
        MasterOverview *form = program.form();
        QVERIFY(form);
        ConfigRecord &config = program.document().config();
        const double kValue = config.KValue;

        qobject_cast<QLineEdit *>(form->control(1085))->setText(QStringLiteral("12..5"));
        ProjectTreeView *tree = program.frame().leftView();
        tree->setCurrentItem(tree->topLevelItem(0)); // the project item

        QCOMPARE(program.frame().rightView(), form);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(1));
        QCOMPARE(messages.count(), 0);
        QVERIFY(overview_testing::refusalShown(*form, 1085).startsWith(QLatin1String("Pulse factor: \"12..5\" is not a number")));
        QVERIFY(program.frame().statusBar()->currentMessage().contains(QLatin1String("\"12..5\" is not a number")));
        QCOMPARE(config.KValue, kValue);
        QCOMPARE(qobject_cast<QLineEdit *>(form->control(1085))->text(), QStringLiteral("12..5"));

        // Corrected, the form lets the tree go and its value is in the project.
        qobject_cast<QLineEdit *>(form->control(1085))->setText(QStringLiteral("12,5"));
        tree->setCurrentItem(tree->topLevelItem(0));
        QVERIFY(program.frame().rightView() != form);
        QCOMPARE(config.KValue, 12.5);
        QVERIFY(program.document().isModified());
    }

    // A master type with pulse factor limits, its pulse factor never touched
    // since it was chosen: the form may be left, but neither File Save nor
    // Write to gauge lets the 0 by.
    void untouchedPulseFactorIsNeitherSavedNorSent_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("File Save") << command_ids::FileSave;
        QTest::newRow("Write to gauge") << command_ids::WriteGauge;
    }
    void untouchedPulseFactorIsNeitherSavedNorSent()
    {
        QFETCH(int, command);
        testing_support::SimGauge gauge{SimFamily::Register};
        testing_support::MessageRecorder messages;
        RunningProgram program(overview_testing::speedometerWithLcd()); // limits 1000 to 60000
        QVERIFY(program.started());
        const QString path = QDir::current().filePath(QStringLiteral("boat.rix"));
        ConfigRecord chosen;
        chosen.MasterId = 1;
        QString error;
        QVERIFY(project_file::writeFile(path, chosen, &error));
        QVERIFY(program.document().open(path));
        MasterOverview *form = program.form();
        QVERIFY(form);
        program.document().setModified(true);

        program.frame().action(command)->trigger();
        QCOMPARE(overview_testing::refusalShown(*form, 1085), "Pulse factor: the value must lie between 1000.0 and 60000.0.");
        QCOMPARE(messages.count(), 0);
        QCOMPARE(qobject_cast<QLineEdit *>(form->control(1085))->selectedText(), QStringLiteral("0"));
        QVERIFY(program.document().isModified()); // not saved
        QVERIFY(gauge.frames().isEmpty());
    }
};

SKALERON_TEST(MasterOverviewInProgramTest)
#include "MasterOverviewInProgramTest.moc"
