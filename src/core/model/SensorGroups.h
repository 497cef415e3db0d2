#pragma once
// The five sensor groups: the [Gruppe] text, the filter that selects it and
// the label the user sees. The index is the position in the type list.
#include <QString>

namespace sensor_groups {

constexpr int Count = 5;
constexpr int UserDefined = 4;

// "Vorrat Hebelgeber", ..., "Benutzerdefiniert"; empty for other indexes.
QString groupText(int index);
// "([Gruppe] = '...')"; empty (all records) for other indexes.
QString filter(int index);
// Language texts 1050, 1051, 1052, 1053, 1063; empty for other indexes.
QString label(int index);
// The index of a group text or label, or of a number "0".."4"; -1 if none.
int indexOf(const QString &textOrNumber);

}
