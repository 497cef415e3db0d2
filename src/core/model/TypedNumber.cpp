#include "TypedNumber.h"

#include <QRegularExpression>
#include <cmath>

TypedNumber parseTypedNumber(const QString &text)
{
    TypedNumber number;
    QString t = text.trimmed();
    if (t.isEmpty())
        return number;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression pattern(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!pattern.match(t).hasMatch()) {
        number.status = TypedNumber::NotANumber;
        return number;
    }
    bool ok = false;
    number.value = t.toDouble(&ok);
    if (!ok) // well-formed digits that overflow a double
        number.value = t.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
    number.status = TypedNumber::Ok;
    return number;
}
