#include "LocalDates.h"

#include "base/Language.h"

namespace local_dates {

QLocale locale(const QLocale &language, const QLocale &system)
{
    return system.language() == language.language() ? system : language;
}

QLocale locale()
{
    return locale(Language::instance().locale(), QLocale::system());
}

QString dateTime(const QDateTime &moment, QLocale::FormatType format, const QLocale &locale)
{
    const QDateTime local = moment.toLocalTime();
    return locale.toString(local.date(), format) + QLatin1Char(' ') + locale.toString(local.time(), format);
}

QString dateTime(const QDateTime &moment, QLocale::FormatType format)
{
    return dateTime(moment, format, locale());
}

QString dateTimeToTheSecond(const QDateTime &moment, const QLocale &locale)
{
    QString time = locale.timeFormat(QLocale::ShortFormat);
    if (!time.contains(QLatin1String("ss")))
        time.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    const QDateTime local = moment.toLocalTime();
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(local.time(), time);
}

QString dateTimeToTheSecond(const QDateTime &moment)
{
    return dateTimeToTheSecond(moment, locale());
}

QString date(const QDate &date, QLocale::FormatType format)
{
    return locale().toString(date, format);
}

}
