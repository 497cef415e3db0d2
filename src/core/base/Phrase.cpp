#include "Phrase.h"

#include "base/Language.h"

#include <QJsonArray>

Phrase Phrase::of(int id, const QStringList &args)
{
    Phrase p;
    p.id = id;
    p.args = args;
    return p;
}

Phrase Phrase::written(const QString &text)
{
    Phrase p;
    p.literal = text;
    return p;
}

QString Phrase::text() const
{
    if (id == 0)
        return literal;
    // In one pass, so that an argument holding "%2" stays as it is.
    const QString pattern = loadTranslatedString(id);
    QString out;
    for (int i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (pattern.at(i) == QLatin1Char('%') && n >= 1 && n <= args.size()) {
            out += args.at(n - 1);
            ++i;
        } else {
            out += pattern.at(i);
        }
    }
    return out;
}

QJsonObject Phrase::toJson() const
{
    if (id == 0)
        return {{QStringLiteral("text"), literal}};
    return {{QStringLiteral("id"), id}, {QStringLiteral("args"), QJsonArray::fromStringList(args)}};
}

bool Phrase::fromJson(const QJsonObject &json, Phrase *phrase)
{
    if (json.value(QStringLiteral("text")).isString() && json.size() == 1) {
        *phrase = written(json.value(QStringLiteral("text")).toString());
        return true;
    }
    const QJsonValue id = json.value(QStringLiteral("id"));
    const QJsonValue args = json.value(QStringLiteral("args"));
    if (!id.isDouble() || id.toInt() <= 0 || !args.isArray() || json.size() != 2)
        return false;
    QStringList list;
    for (const QJsonValue &a : args.toArray()) {
        if (!a.isString())
            return false;
        list << a.toString();
    }
    *phrase = of(id.toInt(), list);
    return true;
}
