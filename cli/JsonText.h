#pragma once
// JSON output, built with QJsonDocument so that text from a file, a database
// or a gauge always comes out escaped: one compact document a line.
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

namespace json_text {

// A double as JSON; null for a value JSON has no number for.
QJsonValue number(double value);

void print(const QJsonObject &object);
void print(const QJsonArray &array);

}
