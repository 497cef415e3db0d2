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
        QTest::newRow("German texts") << "de" << "C" << "07.12.26 18:14";
        QTest::newRow("English texts") << "en_GB" << "C" << "07/12/2026 18:14";
        QTest::newRow("English texts, American user") << "en_GB" << "en_US" << "12/7/26 6:14 PM";
        QTest::newRow("German texts, Austrian user") << "de" << "de_AT" << "07.12.26 18:14";
        QTest::newRow("German texts, American user") << "de" << "en_US" << "07.12.26 18:14";
    }

    void dateIsWrittenTheLanguagesWay()
    {
        QFETCH(QString, language);
        QFETCH(QString, system);
        QFETCH(QString, shown);
        const QDateTime evening(QDate(2026, 12, 7), QTime(18, 14));
        const QLocale locale = local_dates::locale(QLocale(language), QLocale(system));
        // Newer locale data puts a narrow space before PM.
        const QString text = local_dates::dateTime(evening.toUTC(), QLocale::ShortFormat, locale);
        QCOMPARE(QString(text).replace(QChar(0x202f), QLatin1Char(' ')), shown);
    }
};

SKALERON_TEST(LocalDatesTest)
#include "LocalDatesTest.moc"
