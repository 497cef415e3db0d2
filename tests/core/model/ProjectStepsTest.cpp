// The project's undo steps: which commits make a step, which join one, and
// how the unsaved mark follows the steps and the editor.
#include "model/ProjectDocument.h"

#include "common/TestRegistry.h"

#include <QTest>

namespace {

// One commit: the pulse factor (above the start's), the fuel calibration's
// first display value or the firmware version (no setting of the user's) as
// they are then.
struct Commit
{
    double kValueAdded;
    double displayValue;
    int firmware;
    QString mergeKey;
};

}

Q_DECLARE_METATYPE(QVector<Commit>)

class ProjectStepsTest : public QObject
{
    Q_OBJECT
private slots:
    void commitsMakeSteps_data()
    {
        QTest::addColumn<QVector<Commit>>("commits");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("modified");
        QTest::newRow("one field visit, committed twice") << QVector<Commit>{{7, 0, 0, "1085#1"}, {70, 0, 0, "1085#1"}} << 1 << true;
        QTest::newRow("two visits") << QVector<Commit>{{7, 0, 0, "1085#1"}, {70, 0, 0, "1085#2"}} << 2 << true;
        QTest::newRow("choices never join") << QVector<Commit>{{7, 0, 0, ""}, {70, 0, 0, ""}} << 2 << true;
        QTest::newRow("typed back to what it was") << QVector<Commit>{{7, 0, 0, "1085#1"}, {0, 0, 0, "1085#1"}} << 0 << false;
        // Two steps to undo, yet nothing to save: the title's * goes.
        QTest::newRow("set back in another visit") << QVector<Commit>{{7, 0, 0, "1085#1"}, {0, 0, 0, "1085#2"}} << 2 << false;
        QTest::newRow("a calibration value") << QVector<Commit>{{0, 12.5, 0, ""}} << 1 << true;
        QTest::newRow("only the firmware read") << QVector<Commit>{{0, 0, 3, ""}} << 0 << false;
    }
    void commitsMakeSteps()
    {
        QFETCH(QVector<Commit>, commits);
        QFETCH(int, steps);
        QFETCH(bool, modified);
        ProjectDocument document;
        document.newProject();
        const double start = document.config().KValue;

        for (const Commit &c : commits) {
            document.config().KValue = start + c.kValueAdded;
            document.calibration(2)->displayValue[0] = c.displayValue;
            document.config().FirmwareVersion = {uint8_t(c.firmware), 0};
            document.commitChange([] { return QStringLiteral("Pulse factor"); }, c.mergeKey);
        }
        QCOMPARE(document.undoStack()->count(), steps);
        QCOMPARE(document.isModified(), modified);

        // Every step undone: the state the project started with.
        while (document.undoStack()->canUndo())
            document.undoStack()->undo();
        QCOMPARE(document.config().KValue, start);
        QCOMPARE(document.calibration(2)->displayValue[0], 0.0);
        QVERIFY(!document.isModified());
    }

    // A change typed but not handed in counts until the editor says it is
    // gone; a save makes the present state the clean one.
    void pendingEditAndSaveMarkTheProject()
    {
        ProjectDocument document;
        document.newProject();
        document.setEditPending(true);
        QVERIFY(document.isModified());
        document.setEditPending(false);
        QVERIFY(!document.isModified());

        document.config().KValue += 9;
        const double changed = document.config().KValue;
        document.commitChange([] { return QStringLiteral("Pulse factor"); });
        document.setModified(false); // as saving does
        QVERIFY(!document.isModified());
        document.undoStack()->undo();
        QVERIFY(document.isModified());
        document.undoStack()->redo();
        QVERIFY(!document.isModified());
        QCOMPARE(document.config().KValue, changed);
    }
};

SKALERON_TEST(ProjectStepsTest)
#include "ProjectStepsTest.moc"
