// Moving the form's values into the project: formats, checks and refusals,
// and what leaving the form does with typed values.
#include "OverviewFixture.h"

#include "base/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/RecordCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <limits>

using namespace overview_testing;

Q_DECLARE_METATYPE(overview_testing::MasterKind)

namespace {

// Sets a field as the user would leave it after typing.
void type(MasterOverview &form, int id, const QString &text)
{
    QLineEdit *field = editOf(form, id);
    // A disabled field takes no keys: its text is put there directly.
    if (!field->isEnabled()) {
        field->setText(text);
        return;
    }
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The user settings of a record, for "nothing changed" comparisons.
QString settingsOf(const ConfigRecord &c)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
        .arg(c.DataSource)
        .arg(c.KValue, 0, 'g', 17)
        .arg(c.WarnThreshold, 0, 'g', 17)
        .arg(c.WarnMode)
        .arg(c.BuzzerActive)
        .arg(c.MValue, 0, 'g', 17)
        .arg(c.DisplayMask)
        .arg(c.Illumination)
        .arg(c.DataSource2);
}

}

class MasterOverviewExchangeTest : public QObject
{
    Q_OBJECT
    testing_support::ScopedTestHome m_home;

private slots:
    void initTestCase()
    {
        useEnglish();
        useSampleCatalogue();
    }

    void speedometerAboveLimitIsRefusedNamingLabelAndLimits()
    {
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, speedometerWithoutLcd());
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 100;
        c.KValueMax = 20000;
        c.KValue = 5000;
        auto form = openForm(document);
        const QString before = settingsOf(c);

        type(*form, 1085, "25000");
        QVERIFY(!form->saveToRecord());
        QCOMPARE(refusalShown(*form, 1085), "Pulse factor: the value must lie between 100.0 and 20000.0.");
        QCOMPARE(messages.count(), 0); // nothing to decide: no pop-up
        QCOMPARE(settingsOf(c), before);
        QVERIFY(document.isModified()); // typed, though the record did not take it
        QCOMPARE(textOf(*form, 1085), QStringLiteral("25000"));

        type(*form, 1085, "20000");
        QVERIFY(form->saveToRecord());
        QCOMPARE(c.KValue, 20000.0);
        QVERIFY(document.isModified());
    }

    void earlyFirmwareTakesWholeNumbersOnly_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("A refuses 12.5") << tachometerEarlyFirmware() << "12.5" << false << "";
        QTest::newRow("A takes 12") << tachometerEarlyFirmware() << "12" << true << "12";
        QTest::newRow("B takes 12.5") << tachometerLaterFirmware() << "12.5" << true << "12.5";
        QTest::newRow("B takes 12,5 with a comma") << tachometerLaterFirmware() << "12,5" << true << "12.5";
        // A register gauge reports no firmware: its one-decimal MValue keeps its decimal.
        QTest::newRow("tachometer with LCD takes 12.5") << tachometerWithLcd() << "12.5" << true << "12.5";
    }
    void earlyFirmwareTakesWholeNumbersOnly()
    {
        QFETCH(MasterKind, kind);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shownAfter);
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, kind);
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 1;
        c.KValueMax = 500;
        c.KValue = 30;
        c.MValue = 30;
        auto form = openForm(document);
        editOf(*form, 1047)->setFocus();

        type(*form, 1085, typed);
        editOf(*form, 1047)->setFocus();
        QCOMPARE(form->saveToRecord(), accepted);
        if (!accepted) {
            QCOMPARE(refusalShown(*form, 1085), loadTranslatedString(1129));
            QCOMPARE(editOf(*form, 1085)->selectedText(), typed);
            QVERIFY(editOf(*form, 1085)->hasFocus());
            QCOMPARE(c.KValue, 30.0);
            QVERIFY(document.isModified()); // typed, though the record did not take it
            return;
        }
        QCOMPARE(messages.count(), 0);
        QCOMPARE(c.isTachometerWithLcd() ? c.MValue : c.KValue, typed.startsWith("12.") || typed.startsWith("12,") ? 12.5 : 12.0);
        form->loadFromRecord();
        QCOMPARE(textOf(*form, 1085), shownAfter);
    }

    void earlyFirmwareLimitsAreShownWhole()
    {
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, tachometerEarlyFirmware());
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 1.2;
        c.KValueMax = 500.7;
        auto form = openForm(document);
        type(*form, 1085, "900");
        QVERIFY(!form->saveToRecord());
        QCOMPARE(refusalShown(*form, 1085), "Pulses per revolution: the value must lie between 2 and 500.");
    }

    void limitsOfZero()
    {
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, speedometerWithoutLcd());
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 0; // limits missing in the catalogue
        c.KValueMax = 0;
        auto form = openForm(document);
        type(*form, 1085, "5");
        QVERIFY(!form->saveToRecord());
        QCOMPARE(refusalShown(*form, 1085), "Pulse factor: the value must lie between 0.0 and 0.0.");
        type(*form, 1085, "0");
        QVERIFY(form->saveToRecord());
    }

    void badNumbersAreRefused_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const MasterKind speedo = speedometerWithoutLcd();
        const MasterKind tacho = tachometerLaterFirmware();
        const QString huge = "1" + QString(400, '0');
        QTest::newRow("pulse: letters") << speedo << 1085 << "abc" << "Pulse factor: \"abc\" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.";
        QTest::newRow("pulse: letter after digits") << speedo << 1085 << "12x" << "Pulse factor: \"12x\" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.";
        QTest::newRow("pulse: two separators") << speedo << 1085 << "1.2,5" << "Pulse factor: \"1.2,5\" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.";
        QTest::newRow("pulse: empty") << speedo << 1085 << "  " << "Pulse factor: the field is empty. Please enter a number, for example 12.5.";
        QTest::newRow("pulse: negative") << speedo << 1085 << "-5" << "Pulse factor: -5 cannot be stored in the gauge. Please enter a value between 0 and 16777215.";
        QTest::newRow("pulse: huge") << speedo << 1085 << huge << "Pulse factor: " + huge + " cannot be stored in the gauge. Please enter a value between 0 and 16777215.";
        QTest::newRow("pulse: over 16 bits, block gauge") << tacho << 1085 << "7000" << "Pulses per revolution: 7000 cannot be stored in the gauge. Please enter a value between 0 and 6553.5.";
        QTest::newRow("threshold: letters") << speedo << 1047 << "fast" << "Warning threshold: \"fast\" is not a number. Please enter digits with at most one decimal point or comma, for example 12.5.";
        QTest::newRow("threshold: empty") << speedo << 1047 << "" << "Warning threshold: the field is empty. Please enter a number, for example 12.5.";
        QTest::newRow("threshold: negative, register gauge") << speedo << 1047 << "-1" << "Warning threshold: -1 cannot be stored in the gauge. Please enter a value between 0 and 32767.";
        QTest::newRow("threshold: huge") << tacho << 1047 << "99999999" << "Warning threshold: 99999999 cannot be stored in the gauge. Please enter a value between -255 and 65535.";
    }
    void badNumbersAreRefused()
    {
        QFETCH(MasterKind, kind);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, kind);
        ConfigRecord &c = document.config();
        c.KValue = 40;
        c.WarnThreshold = 300;
        auto form = openForm(document);
        // Another, valid change typed alongside must not reach the record either.
        listOf(*form, 1073)->setCurrentIndex(1);
        const QString before = settingsOf(c);

        type(*form, field, typed);
        if (message.contains("is not a number")) // marked while typing already
            QCOMPARE(refusalShown(*form, field), message);
        QVERIFY(!form->canLeave());
        QCOMPARE(refusalShown(*form, field), message);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(settingsOf(c), before);
        QVERIFY(document.isModified()); // typed, though the record did not take it
        QCOMPARE(textOf(*form, field), typed);
        QVERIFY(editOf(*form, field)->hasFocus());
    }

    // On leaving, the field shows the whole number the gauge will hold, on
    // the scale where the master keeps the threshold there, and says why.
    void thresholdShowsWhatIsKept_data()
    {
        QTest::addColumn<bool>("onScale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("saved");
        QTest::addColumn<QString>("note");
        QTest::newRow("above the scale") << true << "5000" << 4000.0 << "limited to 4000, the end of the scale";
        QTest::newRow("below the scale") << true << "-3" << 0.0 << "limited to 0, the start of the scale";
        QTest::newRow("within, rounded") << true << "40,6" << 41.0 << "kept as 41: the gauge holds whole numbers";
        QTest::newRow("on the lower end") << true << "0" << 0.0 << "";
        QTest::newRow("thousands point") << false << "7.000" << 7.0 << "kept as 7: the gauge holds whole numbers";
        QTest::newRow("small negative fraction") << false << "-0,4" << 0.0 << "kept as 0: the gauge holds whole numbers";
        QTest::newRow("whole number") << false << "3200" << 3200.0 << "";
        QTest::newRow("a negative half") << false << "-2,5" << -2.0 << "kept as -2: the gauge holds whole numbers";
        // Framed while typed, the value kept is framed no more; one rounded
        // past the bound keeps the bound's note (and is not saved).
        QTest::newRow("rounded back inside") << false << "65535,4" << 65535.0
                                             << "kept as 65535: the gauge holds whole numbers";
        QTest::newRow("rounded past the bound") << false << "65535,5" << 65536.0
                                                << "framed: needs a value from -255 to 65535";
    }
    void thresholdShowsWhatIsKept()
    {
        QFETCH(bool, onScale);
        QFETCH(QString, typed);
        QFETCH(double, saved);
        QFETCH(QString, note);
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, tachometerLaterFirmware());
        document.config().CalculateThreshold = onScale; // scale 0 to 4000
        auto form = openForm(document);
        type(*form, 1047, typed);
        editOf(*form, 1085)->setFocus(); // leaving the field shows what is kept at once
        QCOMPARE(textOf(*form, 1047), QString::number(saved));
        if (note.startsWith("framed: ")) {
            QCOMPARE(refusalShown(*form, 1047), note.mid(8));
            return;
        }
        QCOMPARE(refusalShown(*form, 1047), note.isEmpty() ? note : "unframed: " + note);
        QVERIFY(form->saveToRecord());
        QCOMPARE(document.config().WarnThreshold, saved);
        QCOMPARE(messages.count(), 0);
    }

    // On leaving, or saved straight from the field, a pulse factor with more
    // decimals than the gauge keeps shows (and is kept) as the gauge will
    // hold it.
    void pulseFactorShowsWhatIsKept_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saveInField");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");
        QTest::newRow("m-value, two decimals") << tachometerWithLcd() << "12,37" << false << "12.4"
                                               << "kept as 12.4: the gauge holds one decimal";
        QTest::newRow("m-value, one decimal") << tachometerWithLcd() << "12.3" << false << "12.3" << "";
        QTest::newRow("m-value, a half below its double") << tachometerWithLcd() << "4,35" << false << "4.4"
                                                          << "kept as 4.4: the gauge holds one decimal";
        QTest::newRow("k-value of a register gauge: whole") << speedometerWithoutLcd() << "1234.56" << false << "1235"
                                                            << "kept as 1235: the gauge holds whole numbers";
        QTest::newRow("saved from the field") << speedometerWithoutLcd() << "2500,5" << true << "2501"
                                              << "kept as 2501: the gauge holds whole numbers";
        QTest::newRow("early firmware read, no limits") << tachometerEarlyFirmware() << "12.4" << false << "12"
                                                        << "kept as 12: the gauge holds whole numbers";
        QTest::newRow("no gauge read yet: the write decides")
            << MasterKind{5, 0, {}} << "12.5" << false << "12.5" << "";
        QTest::newRow("a block gauge's tenths") << tachometerLaterFirmware() << "12.46" << false << "12.5"
                                                << "kept as 12.5: the gauge holds one decimal";
    }
    void pulseFactorShowsWhatIsKept()
    {
        QFETCH(MasterKind, kind);
        QFETCH(QString, typed);
        QFETCH(bool, saveInField);
        QFETCH(QString, shown);
        QFETCH(QString, note);
        ProjectDocument document;
        chooseMaster(document, kind);
        auto form = openForm(document);
        type(*form, 1085, typed);
        if (saveInField) {
            QVERIFY(form->saveToRecord()); // what Save and Write run first
            QVERIFY(editOf(*form, 1085)->hasFocus());
            QCOMPARE(record_check::pulseFactorFieldOf(document.config()) == record_check::PulseFactorField::MValue
                         ? document.config().MValue
                         : document.config().KValue,
                     shown.toDouble());
        } else {
            editOf(*form, 1047)->setFocus();
        }
        QCOMPARE(textOf(*form, 1085), shown);
        if (!note.isEmpty())
            QCOMPARE(refusalShown(*form, 1085), "unframed: " + note);
        else
            QVERIFY(!refusalShown(*form, 1085).contains("kept as"));
    }

    void listsAndBitsReachTheRecord()
    {
        ProjectDocument document;
        chooseMaster(document, sumlog());
        ConfigRecord &c = document.config();
        c.Illumination = 55;
        c.KValue = 5000;
        auto form = openForm(document);
        QCOMPARE(listOf(*form, 1071)->currentIndex(), 5);

        listOf(*form, 1073)->setCurrentIndex(1);
        listOf(*form, 1072)->setCurrentIndex(2);
        listOf(*form, 1071)->setCurrentIndex(7);
        listOf(*form, 1075)->setCurrentIndex(1);
        listOf(*form, 1076)->setCurrentIndex(1);
        listOf(*form, 1086)->setCurrentIndex(1);
        checkOf(*form, 1081)->setChecked(false); // depth
        checkOf(*form, 1079)->setChecked(false); // clock
        QVERIFY(form->saveToRecord());
        QCOMPARE(c.WarnMode, 1);
        QCOMPARE(c.DataSource2, 2);
        QCOMPARE(c.Illumination, 70.0);
        QCOMPARE(c.TemperatureUnit, 1);
        QCOMPARE(c.TimeFormat, 1);
        QCOMPARE(c.DepthUnit, 1);
        QCOMPARE(c.DisplayMask, 0x87Cu & ~0x800u & ~0x4u);
        QCOMPARE(c.BuzzerActive, 1);
    }

    void nmeaDisablesThePulseFactorAtOnce()
    {
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, speedometerWithLcd());
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 100;
        c.KValueMax = 200;
        c.KValue = 150;
        auto form = openForm(document);
        for (int id : {1092, 1085, 1093})
            QVERIFY(form->control(id)->isEnabled());

        listOf(*form, 1070)->setCurrentIndex(1); // "Speedo (NMEA)"
        for (int id : {1092, 1085, 1093})
            QVERIFY(!form->control(id)->isEnabled());
        // The pulse factor limits do not apply to an NMEA source.
        type(*form, 1085, "900");
        QVERIFY(form->saveToRecord());
        QCOMPARE(c.DataSource, 1);
        QCOMPARE(messages.count(), 0);

        listOf(*form, 1070)->setCurrentIndex(0);
        for (int id : {1092, 1085, 1093})
            QVERIFY(form->control(id)->isEnabled());
        QVERIFY(!form->saveToRecord()); // 900 is over the limit again
    }

    void lcdMasterKeepsItsBuzzerOn_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<int>("buzzer");
        QTest::newRow("with LCD") << speedometerWithLcd() << 1;
        QTest::newRow("without LCD") << speedometerWithoutLcd() << 0;
    }
    // The record is made to fit the type, as with the LCD items: no change
    // of the user's, so the project is not marked changed.
    void lcdMasterKeepsItsBuzzerOn()
    {
        QFETCH(MasterKind, kind);
        QFETCH(int, buzzer);
        ProjectDocument document;
        chooseMaster(document, kind);
        document.config().DisplayMask = 0x74;
        document.config().KValue = 5000; // within the type's limits
        auto form = openForm(document);
        QCOMPARE(document.config().BuzzerActive, buzzer);
        form->loadFromRecord(); // a refresh, as after reading the gauge, keeps the box ticked
        QVERIFY(form->canLeave());
        QCOMPARE(document.config().BuzzerActive, buzzer);
        QVERIFY(!document.isModified());
    }

    void displayMaskFullOfForeignBits()
    {
        ProjectDocument document;
        chooseMaster(document, speedometerWithLcd());
        document.config().DisplayMask = 0xFFFFFFFFu;
        document.config().KValue = 5000;
        auto form = openForm(document);
        QCOMPARE(document.config().DisplayMask, 0x74u);
        QVERIFY(form->saveToRecord());
        QCOMPARE(document.config().DisplayMask, 0x74u);
    }

    // A damaged file's value is marked where it shows, as typed text would be.
    void damagedValuesAreMarkedOnOpening_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("pulse factor") << 1085;
        QTest::newRow("warning threshold") << 1047;
    }
    void damagedValuesAreMarkedOnOpening()
    {
        QFETCH(int, field);
        ProjectDocument document;
        chooseMaster(document, speedometerWithoutLcd());
        (field == 1085 ? document.config().KValue : document.config().WarnThreshold) =
            std::numeric_limits<double>::quiet_NaN();
        auto form = openForm(document);
        QVERIFY2(refusalShown(*form, field).contains("is not a number"), qPrintable(refusalShown(*form, field)));
    }

    void leavingTakesTypedValues()
    {
        ProjectDocument document;
        chooseMaster(document, speedometerWithoutLcd());
        auto form = openForm(document);
        type(*form, 1085, "1234,5");
        type(*form, 1047, "35");
        QVERIFY(form->canLeave());
        QCOMPARE(document.config().KValue, 1235.0); // in whole pulses, as the gauge holds it
        QCOMPARE(document.config().WarnThreshold, 35.0);
        QVERIFY(document.isModified());
        // The project's save asks the form the same way.
        document.setCommitHook([&form](ProjectDocument::CommitPurpose) { return form->saveToRecord(); });
        type(*form, 1085, "x");
        testing_support::MessageRecorder messages;
        QVERIFY(!document.save(m_home.filePath("p.rix")));
        QVERIFY(refusalShown(*form, 1085).contains("\"x\" is not a number"));
        QVERIFY(!QFile::exists(m_home.filePath("p.rix")));
    }

    // A field the type hides cannot be corrected, so it never blocks leaving.
    void hiddenFieldsAreLeftAlone_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::newRow("synchroniser: no threshold") << synchroniser();
        QTest::newRow("no known kind: no pulse factor") << instrumentOfNoKnownKind();
    }
    void hiddenFieldsAreLeftAlone()
    {
        QFETCH(MasterKind, kind);
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, kind);
        ConfigRecord &c = document.config();
        c.WarnThreshold = -7; // below what a register gauge holds
        c.UseMinMax = 1;
        c.KValueMin = 10;
        c.KValueMax = 20;
        c.KValue = 99.25; // over the limits
        c.MValue = 15.5;
        auto form = openForm(document);
        const QString before = settingsOf(c);
        QVERIFY(form->canLeave());
        QCOMPARE(settingsOf(c), before);
        QVERIFY(!document.isModified());
        QCOMPARE(messages.count(), 0);
    }

    // The second input's pulse factor is kept nowhere (neither project file
    // nor gauge has a place for it): the field takes no typing and says why.
    void secondPulseFactorTakesNoTyping()
    {
        ProjectDocument document;
        chooseMaster(document, speedometerWithLcd());
        auto form = openForm(document);
        QLineEdit *field = editOf(*form, 1048);
        QVERIFY(field->isVisible());
        QTest::keyClicks(field, "250");
        QCOMPARE(field->text(), QString());
        QCOMPARE(field->toolTip(), loadTranslatedString(5510));
    }

    void leavingUnchangedChangesNothing()
    {
        ProjectDocument document;
        chooseMaster(document, tachometerLaterFirmware());
        document.config().KValue = 12.5;
        document.config().DisplayMask = 0x17;
        auto form = openForm(document);
        QVERIFY(form->canLeave());
        QVERIFY(!document.isModified());
    }

    void freshMasterCanBeLeftButNotSaved()
    {
        // A master type just chosen keeps its pulse factor 0, outside its
        // limits: the user may look elsewhere, but saving names the limits.
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, speedometerWithoutLcd());
        ConfigRecord &c = document.config();
        c.UseMinMax = 1;
        c.KValueMin = 100;
        c.KValueMax = 20000;
        auto form = openForm(document);
        QVERIFY(form->canLeave());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(c.KValue, 0.0);
        QVERIFY(!form->saveToRecord());
        QCOMPARE(refusalShown(*form, 1085), "Pulse factor: the value must lie between 100.0 and 20000.0.");

        // A typed value out of the limits is never dropped by leaving.
        type(*form, 1085, "25000");
        QCOMPARE(refusalShown(*form, 1085), "needs a value from 100 to 20000"); // while typing
        QVERIFY(!form->canLeave());
        QCOMPARE(refusalShown(*form, 1085), "Pulse factor: the value must lie between 100.0 and 20000.0.");
        QCOMPARE(messages.count(), 0);
        QCOMPARE(c.KValue, 0.0);
    }

    void counterPreset_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("refusal"); // program string, 0 when sent
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("cells");
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("kept"); // the field's text when sent
        QTest::addColumn<QString>("note");
        const MasterKind tacho = tachometerWithLcd();
        const MasterKind speedo = speedometerWithLcd();
        QTest::newRow("1234.5 hours") << tacho << "1234.5" << 0 << 66 << 16 << 12345u << "1234.5" << "";
        QTest::newRow("2.3 hours") << tacho << "2.3" << 0 << 66 << 16 << 23u << "2.3" << "";
        QTest::newRow("most hours") << tacho << "99999.9" << 0 << 66 << 16 << 999999u << "99999.9" << "";
        QTest::newRow("hundredths of hours") << tacho << "1234.56" << 0 << 66 << 16 << 12345u << "1234.5" << "kept as 1234.5: the gauge holds one decimal";
        QTest::newRow("100000 hours") << tacho << "100000" << 1131 << 0 << 0 << 0u << "" << "";
        QTest::newRow("negative hours") << tacho << "-0.1" << 1131 << 0 << 0 << 0u << "" << "";
        QTest::newRow("12,5 km") << speedo << "12,5" << 0 << 0 << 32 << 12u << "12" << "kept as 12: the gauge holds whole numbers";
        QTest::newRow("most km") << speedo << "999999" << 0 << 0 << 32 << 999999u << "999999" << "";
        QTest::newRow("too many km") << speedo << "1000000" << 1130 << 0 << 0 << 0u << "" << "";
        QTest::newRow("negative km") << speedo << "-1" << 1130 << 0 << 0 << 0u << "" << "";
        QTest::newRow("huge km") << speedo << "1" + QString(400, '0') << 1130 << 0 << 0 << 0u << "" << "";
        QTest::newRow("letter after digits") << speedo << "12a" << 1133 << 0 << 0 << 0u << "" << "";
        QTest::newRow("two separators") << speedo << "1.2.3" << 1133 << 0 << 0 << 0u << "" << "";
        QTest::newRow("empty") << tacho << "" << 1133 << 0 << 0 << 0u << "" << "";
        QTest::newRow("not a number") << tacho << "nan" << 1133 << 0 << 0 << 0u << "" << "";
        QTest::newRow("sumlog nm") << sumlog() << "77.0" << 0 << 0 << 32 << 77u << "77.0" << "";
    }
    void counterPreset()
    {
        QFETCH(MasterKind, kind);
        QFETCH(QString, typed);
        QFETCH(int, refusal);
        QFETCH(int, start);
        QFETCH(int, cells);
        QFETCH(uint, value);
        QFETCH(QString, kept);
        QFETCH(QString, note);
        testing_support::MessageRecorder messages;
        RecordingFrame frame;
        ProjectDocument document;
        chooseMaster(document, kind);
        auto form = openForm(document);
        type(*form, 9934, typed);
        QTest::mouseClick(static_cast<QAbstractButton *>(form->control(9936)), Qt::LeftButton);
        if (refusal) {
            QCOMPARE(refusalShown(*form, 9934), loadTranslatedString(refusal)); // under the field, no pop-up
            QCOMPARE(messages.count(), 0);
            QVERIFY(frame.calls.isEmpty());
            QTest::keyClick(editOf(*form, 9934), Qt::Key_1);
            QCOMPARE(refusalShown(*form, 9934), QString());
            return;
        }
        // The field shows what the gauge counts from; dropped decimals are said.
        QCOMPARE(editOf(*form, 9934)->text(), kept);
        QTRY_COMPARE(refusalShown(*form, 9934), note.isEmpty() ? note : "unframed: " + note);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(frame.calls.size(), 1);
        QCOMPARE(frame.calls.first().start, start);
        QCOMPARE(frame.calls.first().cells, cells);
        QCOMPARE(frame.calls.first().value, quint32(value));
    }
};

SKALERON_TEST(MasterOverviewExchangeTest)
#include "MasterOverviewExchangeTest.moc"
