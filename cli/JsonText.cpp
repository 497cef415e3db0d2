#include "JsonText.h"

#include <QJsonDocument>
#include <cmath>
#include <cstdio>

namespace json_text {

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

static void printDocument(const QJsonDocument &document)
{
    std::printf("%s\n", document.toJson(QJsonDocument::Compact).constData());
}

void print(const QJsonObject &object)
{
    printDocument(QJsonDocument(object));
}

void print(const QJsonArray &array)
{
    printDocument(QJsonDocument(array));
}

}
