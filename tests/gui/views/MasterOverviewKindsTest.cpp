// What the master overview shows, enables and lists for each kind of master
// type, and how it trims the LCD items to what the type can show.
#include "OverviewFixture.h"

#include "resources/DialogTemplates.h"
#include "forms/MasterOverviewRules.h"
#include "base/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

using namespace overview_testing;

Q_DECLARE_METATYPE(overview_testing::MasterKind)

namespace {

using Ids = QList<int>;

// Groups of controls that appear and disappear together.
const Ids Header = {2300, 1096};
const Ids Source = {1095, 1070};
const Ids Pulse = {1092, 1085, 1093};
const Ids Warning = {9929, 1047, 9930, 1073};
const Ids SecondInput = {1088, 1072, 1089, 1048, 1090};
const Ids LcdItems = {9921, 1087, 1091, 1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084};
const Ids GeneralAndUnits = {9920, 9922, 9923, 1071, 9924, 9926, 9927, 9928, 1075, 1076, 1086};
const Ids Counter = {9931, 9934, 9935, 9936};

Ids join(std::initializer_list<Ids> groups)
{
    Ids all;
    for (const Ids &g : groups)
        all += g;
    std::sort(all.begin(), all.end());
    return all;
}

Ids shownControls(MasterOverview &form)
{
    Ids shown;
    for (const auto &control : dialog_templates::find(120)->controls) {
        QWidget *w = form.control(control.id);
        if (w && w->isVisibleTo(&form))
            shown << control.id;
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

}

class MasterOverviewKindsTest : public QObject
{
    Q_OBJECT
    testing_support::ScopedTestHome m_home;

private slots:
    void initTestCase()
    {
        useEnglish();
        useSampleCatalogue();
    }

    void controlsPerKind_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<Ids>("shown");
        QTest::addColumn<Ids>("enabledItems"); // LCD item boxes that may be ticked
        QTest::addColumn<QString>("enabledUnitLists"); // T temperature, Z time, D depth
        QTest::addColumn<uint>("displayMask"); // after opening a project with every bit set

        QTest::newRow("speedometer with LCD")
            << speedometerWithLcd()
            << join({Header, Source, Pulse, Warning, SecondInput, LcdItems, GeneralAndUnits, Counter, {9932}})
            << Ids{1079, 1082, 1083, 1084} << "Z" << 0x74u;
        QTest::newRow("speedometer without LCD")
            << speedometerWithoutLcd() << join({Header, Source, Pulse, Warning}) << Ids{1079, 1082, 1083, 1084}
            << "" << 0x74u;
        QTest::newRow("tachometer, early firmware")
            << tachometerEarlyFirmware() << join({Header, Pulse, Warning}) << Ids{1077, 1078, 1079, 1084} << ""
            << 0x17u;
        QTest::newRow("tachometer, later firmware")
            << tachometerLaterFirmware() << join({Header, Pulse, Warning}) << Ids{1077, 1078, 1079, 1084} << ""
            << 0x17u;
        QTest::newRow("tachometer with LCD")
            << tachometerWithLcd()
            << join({Header, Pulse, Warning, SecondInput, LcdItems, GeneralAndUnits, Counter, {9933}})
            << Ids{1077, 1078, 1079, 1084} << "Z" << 0x17u;
        // Its parameter block has no place for them: offered, they would seem written.
        QTest::newRow("tachometer with hour counter, block gauge")
            << tachometerWithHourCounter() << join({Header, Pulse, Warning, LcdItems, GeneralAndUnits, Counter, {9933}})
            << Ids{} << "" << 0x17u;
        QTest::newRow("sumlog")
            << sumlog()
            << join({Header, Source, Pulse, Warning, SecondInput, LcdItems, GeneralAndUnits, Counter, {9932}})
            << Ids{1079, 1080, 1081, 1082, 1083, 1084} << "TZD" << 0x87Cu;
        QTest::newRow("synchroniser") << synchroniser() << join({Header, Pulse}) << Ids{} << "" << 0xFFFFu;
        QTest::newRow("instrument of no known kind, without LCD")
            << instrumentOfNoKnownKind() << join({Header, Warning}) << Ids{} << "" << 0xFFFFu;
    }
    void controlsPerKind()
    {
        QFETCH(MasterKind, kind);
        QFETCH(Ids, shown);
        QFETCH(Ids, enabledItems);
        QFETCH(QString, enabledUnitLists);
        QFETCH(uint, displayMask);
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        chooseMaster(document, kind);
        auto form = openForm(document);

        QCOMPARE(shownControls(*form), shown);
        for (int id : {1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084})
            QVERIFY2(form->control(id)->isEnabled() == enabledItems.contains(id), qPrintable(QString::number(id)));
        if (document.config().HasLcd) {
            QVERIFY(!form->control(1074)->isEnabled());
            QCOMPARE(form->control(1075)->isEnabled(), enabledUnitLists.contains('T'));
            QCOMPARE(form->control(1076)->isEnabled(), enabledUnitLists.contains('Z'));
            QCOMPARE(form->control(1086)->isEnabled(), enabledUnitLists.contains('D'));
            QVERIFY(form->control(1097)->isEnabled());
            QVERIFY(checkOf(*form, 1097)->isChecked());
            // A greyed illumination says why.
            QCOMPARE(form->control(1071)->toolTip().isEmpty(), form->control(1071)->isEnabled());
        }
        // Opening a project whose every LCD bit is set keeps only what the type shows.
        QCOMPARE(document.config().DisplayMask, displayMask);
        for (const master_overview::DisplayItem &item : master_overview::displayItems())
            QCOMPARE(checkOf(*form, item.controlId)->isChecked(), (displayMask & item.bit) != 0);
        QCOMPARE(messages.count(), 0);
    }

    void labelsAndLists_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QList<int>>("sourceData");
        QTest::addColumn<QString>("pulseLabel");
        QTest::addColumn<QString>("pulseUnit");
        QTest::addColumn<QString>("thresholdUnit");
        QTest::addColumn<QString>("counterValue");
        QTest::addColumn<QString>("counterUnit");

        const QStringList speedo = {"Speedo (Frequency)", "Speedo (NMEA)"};
        const QStringList tacho = {"Tacho (Frequency)"};
        const QString kLabel = loadTranslatedString(1125);
        const QString rLabel = loadTranslatedString(1127);
        QTest::newRow("speedometer") << speedometerWithLcd() << speedo << QList<int>{1, 16} << kLabel
                                     << loadTranslatedString(1126) << "km/h" << "0" << "";
        QTest::newRow("sumlog") << sumlog() << speedo << QList<int>{1, 16} << kLabel << "Imp./nm" << "km/h" << "0"
                                << "";
        QTest::newRow("tachometer with LCD") << tachometerWithLcd() << tacho << QList<int>{2} << rLabel
                                             << loadTranslatedString(1128) << "U/min" << "0.0" << "h";
        QTest::newRow("tachometer") << tachometerLaterFirmware() << tacho << QList<int>{2} << rLabel
                                    << loadTranslatedString(1128) << "U/min" << "0.0" << "h";
        QTest::newRow("synchroniser") << synchroniser() << tacho << QList<int>{2} << rLabel
                                      << loadTranslatedString(1128) << "U/min" << "" << "";
    }
    void labelsAndLists()
    {
        QFETCH(MasterKind, kind);
        QFETCH(QStringList, sources);
        QFETCH(QList<int>, sourceData);
        QFETCH(QString, pulseLabel);
        QFETCH(QString, pulseUnit);
        QFETCH(QString, thresholdUnit);
        QFETCH(QString, counterValue);
        QFETCH(QString, counterUnit);
        ProjectDocument document;
        chooseMaster(document, kind);
        auto form = openForm(document);

        QCOMPARE(itemsOf(*form, 1070), sources);
        for (int i = 0; i < sourceData.size(); ++i)
            QCOMPARE(listOf(*form, 1070)->itemData(i).toInt(), sourceData.at(i));
        QCOMPARE(textOf(*form, 1092), pulseLabel);
        QCOMPARE(textOf(*form, 1093), pulseUnit);
        QCOMPARE(textOf(*form, 1094), thresholdUnit);
        QCOMPARE(textOf(*form, 9934), counterValue);
        QCOMPARE(textOf(*form, 9935), counterUnit);
        QVERIFY(!document.config().Description.isEmpty());
        QCOMPARE(textOf(*form, 1096), document.config().Description);

        QCOMPARE(itemsOf(*form, 1073), (QStringList{loadTranslatedString(1123), loadTranslatedString(1122)}));
        QCOMPARE(itemsOf(*form, 1071), (QStringList{"0 %", "10 %", "20 %", "30 %", "40 %", "50 %", "60 %", "70 %",
                                                    "80 %", "90 %", "100 %"}));
        QCOMPARE(itemsOf(*form, 1074), (QStringList{"km", "mi", "nm"}));
        QCOMPARE(itemsOf(*form, 1075), (QStringList{"°C", "°F"}));
        QCOMPARE(itemsOf(*form, 1076), (QStringList{"24 h", "12 h"}));
        QCOMPARE(itemsOf(*form, 1086), (QStringList{"m", "ft"}));
        QCOMPARE(itemsOf(*form, 1072), (QStringList{"Speedo (Freq. 1)", "Tacho (Freq. 1)", "Speedo (Freq. 2)"}));
        // Tagged template texts come from the pack.
        QCOMPARE(textOf(*form, 9936), loadTranslatedString(41251));
        QCOMPARE(textOf(*form, 1077), loadTranslatedString(50042));
        QCOMPARE(textOf(*form, 9929), loadTranslatedString(50005));
    }

    void pulseFactorFormats_data()
    {
        QTest::addColumn<MasterKind>("kind");
        QTest::addColumn<double>("kValue");
        QTest::addColumn<QString>("shown");
        QTest::newRow("speedometer: as it is") << speedometerWithoutLcd() << 1234.56 << "1234.56";
        QTest::newRow("tachometer, early firmware: whole") << tachometerEarlyFirmware() << 1234.0 << "1234";
        // Rounded to 5, the next save would have stored 5.
        QTest::newRow("tachometer, early firmware: a fraction held")
            << tachometerEarlyFirmware() << 4.5 << "4.5";
        QTest::newRow("tachometer, later firmware: one decimal") << tachometerLaterFirmware() << 1234.0 << "1234.0";
        // Not rounded: 1234.6 is not what the gauge would hold (1234.5).
        QTest::newRow("tachometer, later firmware: more decimals held")
            << tachometerLaterFirmware() << 1234.56 << "1234.56";
        QTest::newRow("tachometer with LCD: MValue") << tachometerWithLcd() << 1234.56 << "2.34";
        QTest::newRow("synchroniser: MValue") << synchroniser() << 1234.56 << "2.34";
    }
    void pulseFactorFormats()
    {
        QFETCH(MasterKind, kind);
        QFETCH(double, kValue);
        QFETCH(QString, shown);
        ProjectDocument document;
        chooseMaster(document, kind);
        document.config().KValue = kValue;
        document.config().MValue = 2.34;
        document.config().WarnThreshold = 87.6;
        auto form = openForm(document);
        QCOMPARE(textOf(*form, 1085), shown);
        QCOMPARE(textOf(*form, 1047), QStringLiteral("87.6"));
        // Taking the form changes nothing the user did not type.
        QVERIFY(document.commitEditor());
        QCOMPARE(document.config().WarnThreshold, 87.6);
        QCOMPARE(document.config().KValue, kValue);
    }

    void titleFontAndHeaderBand()
    {
        ProjectDocument document;
        chooseMaster(document, speedometerWithLcd());
        const QFont plain = QLabel().font();
        auto form = openForm(document);
        const QFont title = form->control(1096)->font();
        QCOMPARE(title.family(), QStringLiteral("Arial"));
        QCOMPARE(title.pointSizeF(), plain.pointSizeF() * 2);
        // A second initial update (after another master type) keeps the font as it is.
        form->initialize();
        QCOMPARE(form->control(1096)->font().pointSizeF(), plain.pointSizeF() * 2);

        const QImage image = form->grab().toImage();
        const int top = form->control(2300)->geometry().top();
        const int x = form->width() - 4; // right of every control
        QCOMPARE(image.pixelColor(x, top + 165), QColor(Qt::white));
        QVERIFY(image.pixelColor(x, top + 180) != QColor(Qt::white));
        QVERIFY(!qobject_cast<QLabel *>(form->control(2300))->pixmap().isNull());
    }
};

SKALERON_TEST(MasterOverviewKindsTest)
#include "MasterOverviewKindsTest.moc"
