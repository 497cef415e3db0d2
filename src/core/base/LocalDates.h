#pragma once
// Dates and times as the user reads them: in local time, written the way the
// chosen language writes them. When the user's own locale speaks that
// language, its regional way is kept (a British user of the English texts
// reads 07/12/2026, an American one 12/7/26). Numbers are not written here:
// the program writes and reads them with a decimal point in every language.
#include <QDateTime>
#include <QLocale>

namespace local_dates {

// The locale of the texts in use, or the system's when it speaks the same
// language.
QLocale locale(const QLocale &language, const QLocale &system);
QLocale locale();

// A moment (stored in any time spec) as local date and time.
QString dateTime(const QDateTime &moment, QLocale::FormatType format = QLocale::ShortFormat);
QString dateTime(const QDateTime &moment, QLocale::FormatType format, const QLocale &locale);
QString date(const QDate &date, QLocale::FormatType format = QLocale::ShortFormat);
// The short form with the seconds, for moments that may lie a few seconds
// apart (backups of one session).
QString dateTimeToTheSecond(const QDateTime &moment, const QLocale &locale);
QString dateTimeToTheSecond(const QDateTime &moment);

}
