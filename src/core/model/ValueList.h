#pragma once
// Reading and writing the ";"-separated value lists of sensor curves. Both
// are independent of the process locale: the lists always use "." as the
// decimal point in the database.
#include <QString>
#include <QVector>

namespace value_list {

// Reads up to maxCount numbers: every ";" counts as a blank and every "," as
// a decimal point; numbers are separated by any amount of white space and
// reading stops at the first text that is not a number.
QVector<double> readNumbers(const QString &text, int maxCount);

// Every value printed with "%lf" (six decimals, "." as decimal point), joined
// by ";" with nothing before the first or after the last.
QString format(const QVector<double> &values);

}
