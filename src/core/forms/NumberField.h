#pragma once
// A number shown in an edit field rounded to a few decimals, and read back:
// a text left as it was shown keeps the value with all its decimals, a text
// the user changed is read as typed, unrounded.
#include <QString>

namespace number_field {

// The value rounded half up to places decimals, without trailing zeros.
QString format(double value, int places);

// Takes the field's text into value. Empty, not a number or too large: the
// value stays and the reason is returned, naming the field by its label;
// empty when taken.
QString take(const QString &text, int places, const QString &label, double &value);

}
