#pragma once
// The record's stored fields by name: what "rix show" and "read --json" print
// and what "rix set" changes, in record order.
#include "JsonText.h"

#include "model/ConfigRecord.h"

#include <QString>
#include <functional>
#include <vector>

namespace cli {

struct StoredField
{
    const char *name;
    std::function<QJsonValue(const ConfigRecord &)> get;
    std::function<bool(ConfigRecord &, const QString &)> set; // false: not a valid value
    const char *takes = nullptr; // the values it takes, where a number alone would mislead
};

const std::vector<StoredField> &storedFields();

// Adds every stored field of record to json, in that order.
void addStoredFields(QJsonObject &json, const ConfigRecord &record);

}
