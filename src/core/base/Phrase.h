#pragma once
// A text by its string id and arguments, so that it can be written in
// whatever language is current when it is read (the service history keeps
// it this way). A text the program composed otherwise is kept as written.
#include <QJsonObject>
#include <QString>
#include <QStringList>

struct Phrase
{
    int id = 0; // 0: the literal text
    QStringList args;
    QString literal;

    static Phrase of(int id, const QStringList &args = {});
    static Phrase written(const QString &text);

    bool isEmpty() const { return id == 0 && literal.isEmpty(); }
    // The text in the current language, the arguments put in for %1 to %9.
    QString text() const;

    QJsonObject toJson() const;
    // False when the object is no phrase.
    static bool fromJson(const QJsonObject &json, Phrase *phrase);
};
