#pragma once
#include <QString>

// A number typed by the user: optional sign, digits with at most one decimal
// point or comma, blanks around it allowed. Digits too many for a double give
// an infinite value (refused later as out of range, never read as 0).
struct TypedNumber
{
    enum Status { Ok, Empty, NotANumber } status = Empty;
    double value = 0.0;
};
TypedNumber parseTypedNumber(const QString &text);
