// Choosing the project's master type through the selection dialog, from the
// sample catalogue built beside the program.
#include "UserPaths.h"
#include "DialogDriver.h"
#include "common/CatalogueFiles.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "dialogs/MasterTypeDialog.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTreeView>

using namespace testing_support;
using namespace command_ids;

namespace {

QTreeView *listOf(MasterTypeDialog *dialog)
{
    return dialog->findChild<QTreeView *>(QStringLiteral("masterTypeList"));
}

// Opens, in the started frame, a project file of the master type with a
// pulse factor of 1500.
bool openProjectOfType(FrameFixture &f, int masterId)
{
    ConfigRecord record;
    record.MasterId = masterId;
    record.KValue = 1500;
    const QString path = f.home().filePath(QStringLiteral("type%1.rix").arg(masterId));
    return project_file::writeFile(path, record, nullptr) && f.frame().openProject(path);
}

}

class MasterTypeChoiceTest : public QObject
{
    Q_OBJECT
private slots:
    void chooseSaveAndReopen()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.treeTexts().size(), 1);

        pickMasterType(QStringLiteral("Speedometer 0-120 km/h with LCD"));
        f.trigger(ChooseMasterType);
        QCOMPARE(f.document().config().MasterId, 3);
        QCOMPARE(f.treeTexts(), (QStringList{QStringLiteral("Project"), QStringLiteral("Master")}));
        QCOMPARE(ProjectTreeView::itemCode(f.tree().currentItem()), 100);
        QVERIFY(f.document().isModified());
        const ConfigRecord chosen = f.document().config();
        QCOMPARE(chosen.OrderNumber, QStringLiteral("SK-SP110-120L"));
        QVERIFY(!chosen.PictureBitmap.isNull());

        // The master's form takes the pulse factor typed into it when the
        // project item is selected.
        QCOMPARE(f.rightViewClass(), QStringLiteral("MasterOverview"));
        auto *pulseFactor = f.frame().rightView()->findChild<QLineEdit *>(QStringLiteral("1085"));
        QVERIFY(pulseFactor);
        pulseFactor->setText(QStringLiteral("4321"));
        f.tree().setCurrentItem(f.tree().topLevelItem(0));
        QCOMPARE(f.document().config().KValue, 4321.0);

        // The project form shows the six lines of the master type.
        QCOMPARE(f.rightViewClass(), QStringLiteral("ProjectFormView"));
        auto *info = f.frame().rightView()->findChild<QLabel *>(QStringLiteral("information"));
        QVERIFY(info->text().startsWith(QStringLiteral("SK-SP110-120L\nSpeedometer 0-120 km/h with LCD\n")));
        QCOMPARE(info->text().count(QLatin1Char('\n')), 6);
        QVERIFY(!f.frame().rightView()->findChild<QLabel *>(QStringLiteral("picture"))->pixmap().isNull());

        f.document().config().TimeFormat = 1;
        const QString path = f.home().filePath(QStringLiteral("speedo.rix"));
        answerFileDialog(path);
        f.trigger(FileSave);
        QVERIFY(!f.document().isModified());

        f.trigger(FileNew);
        QCOMPARE(f.treeTexts().size(), 1);
        QVERIFY(f.frame().openProject(path));
        const ConfigRecord &reopened = f.document().config();
        QCOMPARE(reopened.MasterId, 3);
        QCOMPARE(reopened.KValue, 4321.0);
        QCOMPARE(reopened.TimeFormat, 1);
        QCOMPARE(reopened.Description, chosen.Description);
        QCOMPARE(reopened.OrderNumber, chosen.OrderNumber);
        QCOMPARE(reopened.KValueMax, chosen.KValueMax);
        QCOMPARE(reopened.PictureBitmap, chosen.PictureBitmap);
        QCOMPARE(f.treeTexts().size(), 2);
    }

    void dialogLayout()
    {
        FrameFixture f;
        QVERIFY(f.start());
        whenModal<MasterTypeDialog>([](MasterTypeDialog *dialog) {
            // A failed check must not leave the dialog open.
            const auto closer = qScopeGuard([dialog] { dialog->reject(); });
            QTreeView *list = listOf(dialog);
            const QAbstractItemModel *model = list->model();
            QVector<MasterTypeRow> rows;
            MasterTypeSelection().listRows(rows);
            QCOMPARE(model->rowCount(), rows.size());
            QVERIFY(rows.size() > 2);
            QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Description"));
            QCOMPARE(list->currentIndex().row(), 0);
            QCOMPARE(model->index(1, 1).data().toString(), loadTranslatedString(5377));
            QCOMPARE(model->index(1, 0).data(Qt::ToolTipRole).toString(), rows.at(1).Description);

            // Shrinking stops at the first size; the description column
            // takes what widening gives.
            const QSize first = dialog->minimumSize();
            dialog->resize(first.width() - 100, first.height() - 50);
            QTRY_COMPARE(dialog->size(), first);
            const int description = list->header()->sectionSize(0);
            const int display = list->header()->sectionSize(1);
            dialog->resize(first.width() + 200, first.height() + 100);
            QTRY_COMPARE(list->header()->sectionSize(0), description + 200);
            QCOMPARE(list->header()->sectionSize(1), display);
            const int orderNumber = list->header()->sectionSize(2);
            QCOMPARE(list->header()->sectionSize(0) + display + orderNumber, list->viewport()->width());
        });
        f.trigger(ChooseMasterType);
        QCOMPARE(f.document().config().MasterId, -1);
        QVERIFY(!f.document().isModified());
    }

    // With no row selected OK is off and Enter does nothing: the project stays.
    void nothingSelectedIsNoChoice()
    {
        FrameFixture f;
        QVERIFY(f.start());
        pickMasterType(QStringLiteral("Tachometer 0-4000 rpm"));
        f.trigger(ChooseMasterType);
        f.document().config().MValue = 12.0;
        bool okOffAndIgnored = false;
        whenModal<MasterTypeDialog>([&okOffAndIgnored](MasterTypeDialog *dialog) {
            listOf(dialog)->clearSelection();
            auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("okButton"));
            ok->click();
            QTest::keyClick(dialog, Qt::Key_Return);
            okOffAndIgnored = !ok->isEnabled() && dialog->isVisible();
            dialog->reject();
        });
        f.trigger(ChooseMasterType);
        QVERIFY(okOffAndIgnored);
        QCOMPARE(f.document().config().MasterId, 5);
        QCOMPARE(f.document().config().MValue, 12.0);
        QCOMPARE(f.treeTexts().size(), 2);
    }

    // A project with settings is asked before a choice resets them.
    void choosingAgainAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("masterId");
        QTest::addColumn<double>("kValue");
        QTest::newRow("yes") << int(user_messages::Answer::Yes) << 3 << 0.0;
        QTest::newRow("no") << int(user_messages::Answer::No) << 5 << 77.0;
    }
    void choosingAgainAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(int, masterId);
        QFETCH(double, kValue);
        FrameFixture f;
        QVERIFY(f.start());
        pickMasterType(QStringLiteral("Tachometer 0-4000 rpm"));
        f.trigger(ChooseMasterType);
        QCOMPARE(f.messages().count(), 0); // nothing to lose yet
        // A setting typed into the master's form.
        auto *pulseFactor = f.frame().rightView()->findChild<QLineEdit *>(QStringLiteral("1085"));
        QVERIFY(pulseFactor);
        pulseFactor->setText(QStringLiteral("77"));

        f.messages().setAnswer(user_messages::Answer(answer));
        pickMasterType(QStringLiteral("Speedometer 0-120 km/h with LCD"));
        f.trigger(ChooseMasterType);
        QCOMPARE(f.messages().count(), 1);
        QCOMPARE(f.messages().messages().first().buttons, user_messages::Buttons::YesNo);
        QVERIFY(f.messages().texts().first().contains(QStringLiteral("Speedometer 0-120 km/h with LCD")));
        QCOMPARE(f.document().config().MasterId, masterId);
        QCOMPARE(f.document().config().KValue, kValue);
    }

    // A project whose master type the catalogue lacks says so, keeps its
    // settings and cannot be exchanged with a gauge.
    void missingMasterTypeTurnsTheLinkOff()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(openProjectOfType(f, 99));
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5007).arg(99)});
        QCOMPARE(f.document().config().KValue, 1500.0);
        QVERIFY(!f.frame().action(ReadGauge)->isEnabled());
        QVERIFY(!f.frame().action(WriteGauge)->isEnabled());
        auto *note = f.frame().findChild<QLabel *>(QStringLiteral("masterNote"));
        QVERIFY(note && note->isVisibleTo(&f.frame()));
        QCOMPARE(note->text(), loadTranslatedString(5388).arg(99));

        // A new project has nothing missing.
        f.trigger(FileNew);
        QVERIFY(!note->isVisibleTo(&f.frame()));
    }

    // Another catalogue chosen in the settings applies to the open project at
    // OK: its type found there turns Read and Write on, a type it lacks is
    // told and turns them off; the project's values stay, unchanged.
    void catalogueChangedInTheSettings()
    {
        FrameFixture f;
        const QString with = f.home().filePath(QStringLiteral("with.sqlite"));
        const QString without = f.home().filePath(QStringLiteral("without.sqlite"));
        catalogue_files::createMasterTable(with);
        catalogue_files::insertRows(with, "RixData", {catalogue_files::masterRow(7, "Speedometer 0-60 km/h")});
        catalogue_files::createMasterTable(without);
        catalogue_files::insertRows(without, "RixData", {catalogue_files::masterRow(8, "Speedometer 0-60 km/h")});
        catalogue_files::useCatalogue(without);
        QVERIFY(f.start());
        QVERIFY(openProjectOfType(f, 7));
        auto *note = f.frame().findChild<QLabel *>(QStringLiteral("masterNote"));
        QVERIFY(note);
        for (const QString &catalogue : {with, without}) {
            f.messages().clear();
            whenModal<QDialog>([&](QDialog *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("control1003"))->setText(catalogue);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("control1")), Qt::LeftButton);
            });
            f.trigger(CommunicationSettings);
            const bool found = catalogue == with;
            QCOMPARE(f.messages().texts(), found ? QStringList() : QStringList{loadTranslatedString(5007).arg(7)});
            QCOMPARE(f.frame().action(WriteGauge)->isEnabled(), found);
            QCOMPARE(f.frame().action(ReadGauge)->isEnabled(), found);
            QCOMPARE(note->isVisibleTo(&f.frame()), !found);
            QCOMPARE(f.document().config().Description, found ? QString("Speedometer 0-60 km/h") : QString());
            QCOMPARE(f.document().config().KValue, 1500.0);
            QVERIFY(!f.document().isModified());
        }
    }

    void unreachableCatalogueIsReported()
    {
        FrameFixture f;
        settings_store::writeString("Directories", "DBase", f.home().filePath("missing/none.sqlite"));
        QVERIFY(f.start());
        f.trigger(ChooseMasterType);
        QCOMPARE(f.messages().count(), 1);
        QCOMPARE(f.document().config().MasterId, -1);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

SKALERON_TEST(MasterTypeChoiceTest)
#include "MasterTypeChoiceTest.moc"
