// What the form does with the values the user types: a threshold the
// program keeps on the scale says so, a pulse factor the master type's
// limits refuse is marked at once, and the title's star follows real changes
// only.
#include "UserPaths.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "mainwindow/CommandIds.h"
#include "model/ProjectDocument.h"

#include <QCheckBox>
#include <QLabel>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int SpeedometerWithLimits = 1;   // pulse factor 1000 to 60000
constexpr int SpeedometerWithoutLimits = 2;
constexpr int SpeedometerWithLcd = 3;
constexpr int ConvertingSpeedometer = 4;   // threshold on the scale 0 to 50

QLabel *noteOf(FrameFixture &f, int fieldId)
{
    return f.frame().rightView()->findChild<QLabel *>(QStringLiteral("note%1").arg(fieldId));
}

// A project file with the record's values, opened as from the command line.
void startWith(FrameFixture &f, const ConfigRecord &record)
{
    const QString path = f.home().filePath(QStringLiteral("harbour.rix"));
    QVERIFY(project_file::writeFile(path, record, nullptr));
    QVERIFY(f.start({path}));
    showAndActivate(f.frame());
}

}

class TypedValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void clampedThresholdSaysSo_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");
        QTest::newRow("above the scale") << "99999" << "50" << "limited to 50, the end of the scale";
        QTest::newRow("below the scale") << "-7" << "0" << "limited to 0, the start of the scale";
        QTest::newRow("on the scale") << "30" << "30" << "";
    }
    void clampedThresholdSaysSo()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, note);
        FrameFixture f;
        QVERIFY(f.start());
        openProjectOf(f, ConvertingSpeedometer);
        showAndActivate(f.frame());
        QLineEdit *threshold = typeInto(f, "1047", typed);
        QVERIFY(threshold);
        QTest::keyClick(threshold, Qt::Key_Tab);
        QCOMPARE(threshold->text(), shown);
        QCOMPARE(noteOf(f, 1047)->text(), note);
        QCOMPARE(f.messages().count(), 0);
    }

    // Every new project holds pulse factor 0: outside the chosen type's
    // limits it is framed and named beside the field and in Write's tip.
    void pulseFactorOutsideLimitsIsMarked()
    {
        FrameFixture f;
        QVERIFY(f.start());
        pickMasterType(QStringLiteral("Speedometer 0-60 km/h with LCD"));
        pickFromMenu(f, 3, ChooseMasterType);
        QCOMPARE(f.document().config().MasterId, SpeedometerWithLimits);
        auto *pulseFactor = f.frame().rightView()->findChild<QLineEdit *>(QStringLiteral("1085"));
        QVERIFY(!pulseFactor->styleSheet().isEmpty());
        QCOMPARE(noteOf(f, 1085)->text(), QStringLiteral("needs a value from 1000 to 60000"));
        QVERIFY2(f.frame().action(WriteGauge)->statusTip().contains(QStringLiteral("(1000 to 60000) before writing")),
                 qPrintable(f.frame().action(WriteGauge)->statusTip()));
        QCOMPARE(f.messages().count(), 0);

        typeInto(f, "1085", QStringLiteral("3600"));
        QVERIFY(pulseFactor->styleSheet().isEmpty());
        QCOMPARE(noteOf(f, 1085)->text(), QString());
        clickTreeItem(f, 107);
        QCOMPARE(f.frame().action(WriteGauge)->statusTip(), QStringLiteral("Write the configuration to the connected gauge"));
    }

    // Without limits a pulse factor of 0 is written only after a question,
    // and only when the answer is Yes.
    void zeroPulseFactorWithoutLimitsAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("No") << int(user_messages::Answer::No) << false;
        QTest::newRow("Yes") << int(user_messages::Answer::Yes) << true;
    }
    void zeroPulseFactorWithoutLimitsAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, written);
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        QVERIFY(f.start());
        LinkOptions options;
        options.timeouts = fastTimeouts();
        options.backupFolder = f.home().filePath(QStringLiteral("backups"));
        f.frame().gaugeCommands().setLinkOptions(options);
        openProjectOf(f, SpeedometerWithoutLimits);
        f.messages().setAnswer(user_messages::Answer(answer));
        pickFromMenu(f, 3, WriteGauge);
        QVERIFY(f.messages().count() >= 1);
        const user_messages::Message question = f.messages().messages().first();
        QCOMPARE(question.icon, user_messages::Icon::Question);
        QCOMPARE(question.buttons, user_messages::Buttons::YesNo);
        QVERIFY2(question.text.contains(QStringLiteral("is 0: the gauge will show nothing")), qPrintable(question.text));
        QCOMPARE(gauge.count(QStringLiteral("write-register")) > 0, written);
        if (written)
            QCOMPARE(f.messages().messages().last().icon, user_messages::Icon::Information);
    }

    // What the program makes fit the master type by itself, or a field only
    // passed through, is no change; the first key typed is.
    void titleStarFollowsRealChanges_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("illumination");
        QTest::addColumn<bool>("type");
        QTest::addColumn<bool>("setBack"); // typed back to the file's value in another visit
        QTest::newRow("LCD master, buzzer off in the file") << SpeedometerWithLcd << 0.0 << 30.0 << false << false;
        QTest::newRow("threshold beyond the scale") << ConvertingSpeedometer << 99999.0 << 30.0 << false << false;
        QTest::newRow("illumination between steps") << SpeedometerWithLcd << 0.0 << 35.0 << false << false;
        QTest::newRow("a key typed") << SpeedometerWithLcd << 0.0 << 30.0 << true << false;
        // The buzzer and LCD items the program fitted are no difference either.
        QTest::newRow("a key typed, then typed back") << SpeedometerWithLcd << 0.0 << 30.0 << true << true;
    }
    void titleStarFollowsRealChanges()
    {
        QFETCH(int, masterId);
        QFETCH(double, threshold);
        QFETCH(double, illumination);
        QFETCH(bool, type);
        QFETCH(bool, setBack);
        FrameFixture f;
        ConfigRecord record;
        record.MasterId = masterId;
        record.KValue = 5000;
        record.WarnThreshold = threshold;
        record.Illumination = illumination;
        record.BuzzerActive = 0;
        startWith(f, record);
        QVERIFY(!f.frame().isWindowModified());

        QLineEdit *field = f.frame().rightView()->findChild<QLineEdit *>(QStringLiteral("1047"));
        field->setFocus(Qt::TabFocusReason);
        if (type)
            QTest::keyClick(field, Qt::Key_7);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(f.frame().isWindowModified(), type);
        QCOMPARE(f.frame().windowTitle().startsWith(QStringLiteral("harbour.rix[*]")), true);
        if (setBack) {
            field->setFocus(Qt::TabFocusReason);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_0);
            QTest::keyClick(field, Qt::Key_Tab);
            type = false;
            QCOMPARE(f.frame().isWindowModified(), false);
        }

        // Ctrl+O asks about changes only when there are some.
        f.messages().setAnswer(user_messages::Answer::Cancel);
        if (!type)
            cancelNextDialog();
        QTest::keyClick(&f.frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.messages().count(), type ? 1 : 0);
        QCOMPARE(f.frame().isWindowModified(), type);
    }

    // The demo's note stops asking for a master type once one is chosen.
    void demoNoteFollowsTheChoice()
    {
        FrameFixture f;
        QVERIFY(f.start({QStringLiteral("--demo")}));
        auto *notice = f.frame().findChild<QLabel *>(QStringLiteral("demoNotice"));
        QVERIFY(notice->text().contains(QStringLiteral("choose a master type")));
        pickMasterType(QStringLiteral("Speedometer 0-120 km/h with LCD"));
        pickFromMenu(f, 3, ChooseMasterType);
        QCOMPARE(notice->text(), QStringLiteral("Demo gauge: read from or write to the simulated gauge"));
    }
};

SKALERON_TEST(TypedValuesTest)
#include "TypedValuesTest.moc"
