// The widget-free rules of the master overview: reading typed numbers and
// formatting the limits message from a translation.
#include "forms/MasterOverviewRules.h"

#include "common/PackFolder.h"
#include "common/TestRegistry.h"
#include "resources/UntaggedTexts.h"

#include <QTest>
#include <cmath>

using namespace master_overview;
using namespace testing_support;

namespace {

QStringList sourceNames(const QString &description)
{
    ConfigRecord config;
    config.Description = description;
    QStringList names;
    for (const SignalSource &s : signalSources(config))
        names << s.name;
    return names;
}

}

class MasterOverviewRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // The data sources and the diagnostics' analog inputs in the language in use.
    void formTextsInTheLanguage_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<QStringList>("speedo");
        QTest::addColumn<QStringList>("tacho");
        QTest::addColumn<QString>("fuel");
        QTest::newRow("English") << "vorn_eng32.dll" << QStringList{"Speedo (Frequency)", "Speedo (NMEA)"}
                                 << QStringList{"Tacho (Frequency)"} << "Analog 1 (Fuel):";
        QTest::newRow("German") << "vorn_ger32.dll"
                                << QStringList{"Geschwindigkeit (Frequenz)", "Geschwindigkeit (NMEA)"}
                                << QStringList{"Drehzahl (Frequenz)"} << "Analog 1 (Kraftstoff):";
        QTest::newRow("French") << "vorn_fre32.dll" << QStringList{"Vitesse (fréquence)", "Vitesse (NMEA)"}
                                << QStringList{"Régime (fréquence)"} << "Analogique 1 (carburant) :";
    }
    void formTextsInTheLanguage()
    {
        QFETCH(QString, pack);
        QFETCH(QStringList, speedo);
        QFETCH(QStringList, tacho);
        QFETCH(QString, fuel);
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder quiet;
        QVERIFY(Language::instance().switchLanguage(pack));
        QCOMPARE(sourceNames("Speedometer 0-120 km/h"), speedo);
        QCOMPARE(sourceNames("Tachometer 0-4000 rpm"), tacho);
        QCOMPARE(loadTranslatedString(untagged_texts::stringId("Analog 1 (Fuel):")), fuel);
    }

    void typedNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << int(TypedNumber::Ok) << 12.0;
        QTest::newRow("comma") << "12,5" << int(TypedNumber::Ok) << 12.5;
        QTest::newRow("blanks around") << " 7.25 " << int(TypedNumber::Ok) << 7.25;
        QTest::newRow("leading point") << ".5" << int(TypedNumber::Ok) << 0.5;
        QTest::newRow("trailing point") << "5." << int(TypedNumber::Ok) << 5.0;
        QTest::newRow("negative") << "-3" << int(TypedNumber::Ok) << -3.0;
        QTest::newRow("empty") << "" << int(TypedNumber::Empty) << 0.0;
        QTest::newRow("blanks only") << "   " << int(TypedNumber::Empty) << 0.0;
        QTest::newRow("letter after digits") << "12a" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("two separators") << "1,000.5" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("exponent") << "1e5" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("hexadecimal") << "0x10" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("infinity") << "inf" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("not a number") << "nan" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("blank inside") << "1 2" << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("other digits") << QString::fromUtf8("١٢") << int(TypedNumber::NotANumber) << 0.0;
        QTest::newRow("sign only") << "-" << int(TypedNumber::NotANumber) << 0.0;
    }
    void typedNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, status);
        QFETCH(double, value);
        const TypedNumber n = parseTypedNumber(typed);
        QCOMPARE(int(n.status), status);
        if (status == TypedNumber::Ok)
            QCOMPARE(n.value, value);
    }

    void digitsBeyondADoubleAreHugeNotZero()
    {
        const TypedNumber n = parseTypedNumber("-" + QString(400, '9'));
        QCOMPARE(int(n.status), int(TypedNumber::Ok));
        QVERIFY(std::isinf(n.value) && n.value < 0);
    }

    void limitMessage_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as translated") << "%s the value must lie between %.1f and %.1f."
                                       << "Label: the value must lie between 1.5 and 250.0.";
        QTest::newRow("whole") << "%s %.0f-%.0f" << "Label: 2-250";
        QTest::newRow("bare f") << "%s %f %.f" << "Label: 1.500000 250";
        QTest::newRow("percent sign") << "%s 100%% %.1f %.1f" << "Label: 100% 1.5 250.0";
        QTest::newRow("limits as text") << "%s %s %s" << "Label: 1.5 250";
        // A damaged translation never reads arguments that are not there.
        QTest::newRow("unknown conversions") << "%d %n %s %x" << "%d %n Label: %x";
        QTest::newRow("more placeholders than values") << "%s %.1f %.1f %.1f %s"
                                                       << "Label: 1.5 250.0 %.1f %s";
        QTest::newRow("percent at the end") << "%s %" << "Label: %";
        QTest::newRow("no placeholders") << "Out of range." << "Out of range.";
    }
    void limitMessage()
    {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(formatLimitMessage(format, "Label:", 1.5, 250.0), expected);
    }
};

SKALERON_TEST(MasterOverviewRulesTest)
#include "MasterOverviewRulesTest.moc"
