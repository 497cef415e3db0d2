#pragma once
// The settings this program reads, and the values it can take from them.
// The settings file takes any name and any text; a name that no part of the
// program reads, or a number it cannot use, would be stored and then go
// unused without a word.
#include <QString>

namespace known_settings {

// Empty when the program reads SECTION/ENTRY (any letter case) and can use
// value; else one sentence saying why the program will not use it as stored.
QString problemWith(const QString &section, const QString &entry, const QString &value);

}
