#include "NumberField.h"

#include "base/Language.h"
#include "base/Utility.h"
#include "model/TypedNumber.h"

#include <QLocale>
#include <cmath>

namespace number_field {

QString format(double value, int places)
{
    return QString::number(roundTo(value, places), 'f', QLocale::FloatingPointShortest);
}

QString take(const QString &text, int places, const QString &label, double &value)
{
    if (text == format(value, places))
        return QString();
    const TypedNumber number = parseTypedNumber(text);
    switch (number.status) {
    case TypedNumber::Empty:
        return loadTranslatedString(5502).arg(label);
    case TypedNumber::NotANumber:
        return loadTranslatedString(5500).arg(label, text.trimmed());
    case TypedNumber::Ok:
        break;
    }
    if (!std::isfinite(number.value))
        return loadTranslatedString(5626).arg(label, text.trimmed());
    value = number.value;
    return QString();
}

}
