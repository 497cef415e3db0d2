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

QString date(const QDate &date, QLocale::FormatType format)
{
    return locale().toString(date, format);
}

}
