// The one check of a record before it is saved or sent to a gauge.
#include "model/RecordCheck.h"

#include "common/TestRegistry.h"

#include <QTest>
#include <limits>

using namespace record_check;

namespace {

constexpr int NoFamily = -1;
constexpr int Block = int(LinkFamily::Block);
constexpr int Register = int(LinkFamily::Register);

// A record of the master type described, with the master type's properties
// and user settings given by name.
ConfigRecord recordWith(const QString &description, const QVariantMap &values)
{
    ConfigRecord c;
    c.Description = description;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString &n = it.key();
        const double v = it.value().toDouble();
        if (n == "DataSource") c.DataSource = int(v);
        else if (n == "KValue") c.KValue = v;
        else if (n == "WarnThreshold") c.WarnThreshold = v;
        else if (n == "WarnMode") c.WarnMode = int(v);
        else if (n == "BuzzerActive") c.BuzzerActive = int(v);
        else if (n == "DataSource2") c.DataSource2 = int(v);
        else if (n == "MValue") c.MValue = v;
        else if (n == "DisplayMask") c.DisplayMask = uint32_t(v);
        else if (n == "Illumination") c.Illumination = v;
        else if (n == "DistanceUnit") c.DistanceUnit = int(v);
        else if (n == "TemperatureUnit") c.TemperatureUnit = int(v);
        else if (n == "TimeFormat") c.TimeFormat = int(v);
        else if (n == "DepthUnit") c.DepthUnit = int(v);
        else if (n == "Firmware") c.FirmwareVersion = {uint8_t(v), 0};
        else if (n == "KValueMin") { c.UseMinMax = 1; c.KValueMin = v; }
        else if (n == "KValueMax") { c.UseMinMax = 1; c.KValueMax = v; }
        else if (n == "ScaleMin") { c.CalculateThreshold = 1; c.ScaleMin = int(v); }
        else if (n == "ScaleMax") { c.CalculateThreshold = 1; c.ScaleMax = int(v); }
        else if (n == "WarnThresholdMax") c.WarnThresholdMax = int(v);
        else qFatal("no field %s", qPrintable(n));
    }
    return c;
}

std::optional<LinkFamily> familyOf(int family)
{
    return family == NoFamily ? std::nullopt : std::optional<LinkFamily>(LinkFamily(family));
}

const QString Speedo = QStringLiteral("Speedometer 0-60 km/h with LCD");
const QString Tacho = QStringLiteral("Tachometer 0-4000 rpm");
const QString TachoLcd = QStringLiteral("Tachometer with LCD 0-4000 rpm");

}

class RecordCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void firstRefusal_data()
    {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("refused"); // empty: accepted
        QTest::addColumn<int>("rule");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        const int list = int(Rule::List), capacity = int(Rule::Capacity), limits = int(Rule::Limits),
                  whole = int(Rule::WholeNumber);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const QVariantMap minMax{{"KValueMin", 1000}, {"KValueMax", 60000}};
        auto with = [](QVariantMap m, const QString &k, double v) { m.insert(k, v); return m; };

        QTest::newRow("new record") << "" << QVariantMap{} << NoFamily << "" << 0 << 0.0 << 0.0;
        QTest::newRow("speedometer: NMEA is its second source") << Speedo << QVariantMap{{"DataSource", 1}} << Register << "" << 0 << 0.0 << 0.0;
        QTest::newRow("speedometer: no third source") << Speedo << QVariantMap{{"DataSource", 2}} << Register << "DataSource" << list << 0.0 << 1.0;
        QTest::newRow("no master: three sources") << "" << QVariantMap{{"DataSource", 3}} << NoFamily << "DataSource" << list << 0.0 << 2.0;
        QTest::newRow("pulse factor below the limits") << Speedo << minMax << Register << "KValue" << limits << 1000.0 << 60000.0;
        QTest::newRow("pulse factor within the limits") << Speedo << with(minMax, "KValue", 1000) << Register << "" << 0 << 0.0 << 0.0;
        QTest::newRow("NMEA source has no limits") << Speedo << with(minMax, "DataSource", 1) << Register << "" << 0 << 0.0 << 0.0;
        QTest::newRow("limits without a family") << Speedo << with(minMax, "KValue", 5) << NoFamily << "KValue" << limits << 1000.0 << 60000.0;
        QTest::newRow("early firmware: whole pulses only")
            << Tacho << QVariantMap{{"KValueMin", 1.2}, {"KValueMax", 500.7}, {"KValue", 12.5}, {"Firmware", 'A'}}
            << Block << "KValue" << whole << 2.0 << 500.0;
        QTest::newRow("later firmware: tenths")
            << Tacho << QVariantMap{{"KValueMin", 1}, {"KValueMax", 500}, {"KValue", 12.5}, {"Firmware", 'B'}}
            << Block << "" << 0 << 0.0 << 0.0;
        QTest::newRow("tachometer with LCD: limits on MValue")
            << TachoLcd << QVariantMap{{"KValueMin", 0.5}, {"KValueMax", 500}, {"MValue", 0}} << Register << "MValue"
            << limits << 0.5 << 500.0;
        QTest::newRow("block, whole pulses: 16 bits") << Tacho << QVariantMap{{"KValue", 65536}} << Block << "KValue" << capacity << 0.0 << 65535.0;
        QTest::newRow("block, tenths: 16 bits") << Tacho << QVariantMap{{"KValue", 6553.6}, {"Firmware", 66}} << Block << "KValue" << capacity << 0.0 << 6553.5;
        QTest::newRow("block, NMEA: pulse factor not sent") << Tacho << QVariantMap{{"KValue", 70000}, {"DataSource", 1}} << Block << "" << 0 << 0.0 << 0.0;
        QTest::newRow("register: 24 bits") << Speedo << QVariantMap{{"KValue", 16777216}} << Register << "KValue" << capacity << 0.0 << 16777215.0;
        QTest::newRow("no master: 24 bits") << "" << QVariantMap{{"KValue", 1e300}} << NoFamily << "KValue" << capacity << 0.0 << 16777215.0;
        QTest::newRow("negative pulse factor") << "" << QVariantMap{{"KValue", -1}} << NoFamily << "KValue" << capacity << 0.0 << 16777215.0;
        QTest::newRow("pulse factor NaN") << Tacho << QVariantMap{{"KValue", nan}} << Block << "KValue" << capacity << 0.0 << 65535.0;
        QTest::newRow("register threshold: 15 bits") << Speedo << QVariantMap{{"WarnThreshold", 32768}} << Register << "WarnThreshold" << capacity << 0.0 << 32767.0;
        QTest::newRow("block threshold: 16 bits less the offset") << Tacho << QVariantMap{{"WarnThreshold", -256}} << Block << "WarnThreshold" << capacity << -255.0 << 65535.0;
        QTest::newRow("converted threshold: on the scale") << Tacho << QVariantMap{{"ScaleMin", 0}, {"ScaleMax", 4000}, {"WarnThresholdMax", 4000}, {"WarnThreshold", 4001}} << Block << "WarnThreshold" << capacity << 0.0 << 4000.0;
        QTest::newRow("scale upside down: its clamped end") << Tacho << QVariantMap{{"ScaleMin", 100}, {"ScaleMax", 0}, {"WarnThresholdMax", 1000}, {"WarnThreshold", 0}} << Block << "" << 0 << 0.0 << 0.0;
        // The transfer refuses such a master type itself, naming it.
        QTest::newRow("scale that cannot be converted") << Tacho << QVariantMap{{"ScaleMin", 40}, {"ScaleMax", 40}, {"WarnThresholdMax", 200}, {"WarnThreshold", 33}} << Block << "" << 0 << 0.0 << 0.0;
        QTest::newRow("no master: any finite threshold") << "" << QVariantMap{{"WarnThreshold", -1e9}} << NoFamily << "" << 0 << 0.0 << 0.0;
        QTest::newRow("threshold NaN") << "" << QVariantMap{{"WarnThreshold", nan}} << NoFamily << "WarnThreshold" << capacity
                                       << -std::numeric_limits<double>::max() << std::numeric_limits<double>::max();
        QTest::newRow("warning mode") << "" << QVariantMap{{"WarnMode", 2}} << NoFamily << "WarnMode" << list << 0.0 << 1.0;
        QTest::newRow("buzzer") << "" << QVariantMap{{"BuzzerActive", -1}} << NoFamily << "BuzzerActive" << list << 0.0 << 1.0;
        QTest::newRow("second source") << "" << QVariantMap{{"DataSource2", 3}} << NoFamily << "DataSource2" << list << 0.0 << 2.0;
        QTest::newRow("MValue: 16 bits of tenths") << "" << QVariantMap{{"MValue", 6553.6}} << NoFamily << "MValue" << capacity << 0.0 << 6553.5;
        QTest::newRow("display mask: 16 bits") << "" << QVariantMap{{"DisplayMask", 0x10000}} << NoFamily << "DisplayMask" << capacity << 0.0 << 65535.0;
        QTest::newRow("illumination over 100 %") << "" << QVariantMap{{"Illumination", 110}} << NoFamily << "Illumination" << list << 0.0 << 100.0;
        QTest::newRow("distance unit") << "" << QVariantMap{{"DistanceUnit", 3}} << NoFamily << "DistanceUnit" << list << 0.0 << 2.0;
        QTest::newRow("temperature unit 1000000000") << "" << QVariantMap{{"TemperatureUnit", 1e9}} << NoFamily << "TemperatureUnit" << list << 0.0 << 1.0;
        QTest::newRow("time format") << "" << QVariantMap{{"TimeFormat", -1}} << NoFamily << "TimeFormat" << list << 0.0 << 1.0;
        QTest::newRow("depth unit") << "" << QVariantMap{{"DepthUnit", 2}} << NoFamily << "DepthUnit" << list << 0.0 << 1.0;
    }
    void firstRefusal()
    {
        QFETCH(QString, master);
        QFETCH(QVariantMap, values);
        QFETCH(int, family);
        QFETCH(QString, refused);
        QFETCH(int, rule);
        QFETCH(double, low);
        QFETCH(double, high);
        const QVector<Refusal> refusals = checkRecord(recordWith(master, values), familyOf(family));
        if (refused.isEmpty()) {
            QVERIFY2(refusals.isEmpty(), qPrintable(refusals.value(0).field));
            return;
        }
        QVERIFY(!refusals.isEmpty());
        QCOMPARE(refusals.first().field, refused);
        QCOMPARE(int(refusals.first().rule), rule);
        QCOMPARE(refusals.first().allowed.low, low);
        QCOMPARE(refusals.first().allowed.high, high);
    }

    void everyRefusalInRecordOrder()
    {
        const ConfigRecord c = recordWith("", {{"DepthUnit", 5}, {"KValue", -1}, {"WarnMode", 9}});
        const QVector<Refusal> refusals = checkRecord(c, std::nullopt);
        QCOMPARE(refusals.size(), 3);
        QCOMPARE(refusals.at(0).field, QString("KValue"));
        QCOMPARE(refusals.at(1).field, QString("WarnMode"));
        QCOMPARE(refusals.at(2).field, QString("DepthUnit"));
    }

    void familyOnlyWithAMasterTypeFound()
    {
        ConfigRecord c = recordWith(Speedo, {});
        QCOMPARE(familyOfMasterType(c), std::optional<LinkFamily>()); // no key: a description alone says nothing
        c.MasterId = 1;
        QCOMPARE(familyOfMasterType(c), std::optional<LinkFamily>(LinkFamily::Register));
        c.Description.clear(); // the key was not in the catalogue
        QCOMPARE(familyOfMasterType(c), std::optional<LinkFamily>());
    }

    // The gauge's own block has the last word on a block-family write.
    void againstTheGaugesBlock_data()
    {
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("threshold plus offset fits") << QVariantMap{{"WarnThreshold", 65435}} << 65 << 100 << "" << 0.0 << 0.0;
        QTest::newRow("threshold plus offset over 16 bits") << QVariantMap{{"WarnThreshold", 65436}} << 65 << 100 << "WarnThreshold" << -100.0 << 65435.0;
        QTest::newRow("negative threshold within the offset") << QVariantMap{{"WarnThreshold", -100}} << 65 << 100 << "" << 0.0 << 0.0;
        // 7000 raw units per scale unit: the top of the scale is past 16 bits.
        QTest::newRow("converted threshold past 16 bits")
            << QVariantMap{{"ScaleMin", 0}, {"ScaleMax", 10}, {"WarnThresholdMax", 70000}, {"WarnThreshold", 10}} << 65 << 0
            << "WarnThreshold" << 0.0 << 65535.0 / 7000;
        QTest::newRow("the gauge counts tenths") << QVariantMap{{"KValue", 7000}} << 66 << 0 << "KValue" << 0.0 << 6553.5;
        QTest::newRow("the gauge counts whole pulses") << QVariantMap{{"KValue", 7000}} << 65 << 0 << "" << 0.0 << 0.0;
    }
    void againstTheGaugesBlock()
    {
        QFETCH(QVariantMap, values);
        QFETCH(int, firmware);
        QFETCH(int, offset);
        QFETCH(QString, refused);
        QFETCH(double, low);
        QFETCH(double, high);
        ConfigRecord c = recordWith(Tacho, values);
        c.FirmwareVersion = {66, 0}; // what the record last saw counts for nothing here
        gauge_codec::ParamBlock block{};
        block[gauge_codec::block_offset::FirmwareHigh] = uint8_t(firmware);
        block[gauge_codec::block_offset::ThresholdOffset] = uint8_t(offset);
        const QVector<Refusal> refusals = checkAgainstBlock(c, block);
        if (refused.isEmpty()) {
            QVERIFY2(refusals.isEmpty(), qPrintable(refusals.value(0).field));
            return;
        }
        QVERIFY(!refusals.isEmpty());
        QCOMPARE(refusals.first().field, refused);
        QCOMPARE(refusals.first().allowed.low, low);
        QCOMPARE(refusals.first().allowed.high, high);
    }

    void refusalNamesFieldValueAndRange()
    {
        const QString text = refusalText({"KValue", 5, {1000, 60000}, Rule::Limits});
        QVERIFY2(text.contains("KValue 5") && text.contains("1000") && text.contains("60000"), qPrintable(text));
        QVERIFY(!text.contains('%'));
    }

    void thresholdClampOnlyWhenConverted()
    {
        ConfigRecord c;
        c.ScaleMin = 10;
        c.ScaleMax = 90;
        QCOMPARE(clampThreshold(c, 200.0), 200.0);
        c.CalculateThreshold = 1;
        QCOMPARE(clampThreshold(c, 200.0), 90.0);
        QCOMPARE(clampThreshold(c, 10.0), 10.0);
        QCOMPARE(clampThreshold(c, -5.0), 10.0);
        QCOMPARE(clampThreshold(c, 50.0), 50.0);
    }
};

SKALERON_TEST(RecordCheckTest)
#include "RecordCheckTest.moc"
