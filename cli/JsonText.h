#pragma once
// JSON output whose keys keep the order they are added in (scripts and people
// read the fields in record order).
#include <QString>
#include <QStringList>

namespace json_text {

// A double as JSON: the shortest text that reads back as the same value.
QString number(double value);
QString string(const QString &value);

class Object
{
public:
    // value is JSON text already (a number, a quoted string, an object...).
    void add(const QString &key, const QString &value) { m_items << string(key) + QLatin1Char(':') + value; }
    QString text() const { return QLatin1Char('{') + m_items.join(QLatin1Char(',')) + QLatin1Char('}'); }

private:
    QStringList m_items;
};

}
