// Dates are shown in local time, written the way the chosen language writes
// them, or the user's own way when the user's locale speaks that language.
#include "base/LocalDates.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QTest>

using namespace testing_support;

class LocalDatesTest : public QObject
{
    Q_OBJECT
private slots:
    void dateIsWrittenTheLanguagesWay_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("toTheSecond");
        QTest::newRow("German texts") << "de" << "C" << "07.12.26 18:14" << "07.12.26 18:14:09";
        QTest::newRow("English texts") << "en_GB" << "C" << "07/12/2026 18:14" << "07/12/2026 18:14:09";
        QTest::newRow("English texts, American user") << "en_GB" << "en_US" << "12/7/26 6:14 PM" << "12/7/26 6:14:09 PM";
        QTest::newRow("German texts, Austrian user") << "de" << "de_AT" << "07.12.26 18:14" << "07.12.26 18:14:09";
        QTest::newRow("German texts, American user") << "de" << "en_US" << "07.12.26 18:14" << "07.12.26 18:14:09";
    }

    void dateIsWrittenTheLanguagesWay()
    {
        QFETCH(QString, language);
        QFETCH(QString, system);
        QFETCH(QString, shown);
        QFETCH(QString, toTheSecond);
        const QDateTime evening(QDate(2026, 12, 7), QTime(18, 14, 9));
        const QLocale locale = local_dates::locale(QLocale(language), QLocale(system));
        // Newer locale data puts a narrow space before PM.
        const QString text = local_dates::dateTime(evening.toUTC(), QLocale::ShortFormat, locale);
        QCOMPARE(QString(text).replace(QChar(0x202f), QLatin1Char(' ')), shown);
        const QString precise = local_dates::dateTimeToTheSecond(evening.toUTC(), locale);
        QCOMPARE(QString(precise).replace(QChar(0x202f), QLatin1Char(' ')), toTheSecond);
    }
};

SKALERON_TEST(LocalDatesTest)
#include "LocalDatesTest.moc"
