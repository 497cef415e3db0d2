#include "ValueList.h"

#include <cctype>
#include <charconv>

namespace value_list {

// Parses one decimal floating-point number (optional sign, digits, optional
// fraction, optional exponent) at text[pos]; advances pos past it.
static bool parseNumber(const QByteArray &text, int &pos, double &value)
{
    const char *begin = text.constData() + pos;
    const char *end = text.constData() + text.size();
    const char *p = begin;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Only plain decimal numbers: no "inf", "nan" or hexadecimal forms.
    if (p >= end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.'))
        return false;
    double parsed = 0.0;
    const auto result = std::from_chars(p, end, parsed, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: stands for the nearest value.
        parsed = QByteArray(p, int(result.ptr - p)).toDouble();
    }
    value = negative ? -parsed : parsed;
    pos = int(result.ptr - text.constData());
    return true;
}

static void skipBlanks(const QByteArray &text, int &pos)
{
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
}

QVector<double> readNumbers(const QString &text, int maxCount)
{
    QString normalised = text;
    normalised.replace(QLatin1Char(';'), QLatin1Char(' '));
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = normalised.toLatin1();

    QVector<double> values;
    int pos = 0;
    while (values.size() < maxCount) {
        skipBlanks(bytes, pos);
        double v = 0.0;
        if (!parseNumber(bytes, pos, v))
            break;
        values.append(v);
    }
    return values;
}

QString format(const QVector<double> &values)
{
    QStringList parts;
    for (double v : values)
        parts << QString::asprintf("%lf", v);
    return parts.join(QLatin1Char(';'));
}

}
