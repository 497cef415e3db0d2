#include "CounterPresetInput.h"

#include <QLocale>
#include <cmath>

int PlanCounterPreset(const QString &text, CounterKind kind, CounterPresetPlan &plan)
{
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    // The C locale whatever the user's: the point is the decimal separator.
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return 1133;

    if (kind == CounterKind::Distance) {
        if (value < 0 || value > 999999)
            return 1130;
        plan = {0, 32, static_cast<uint32_t>(value)};
        return 0;
    }
    if (value < 0 || value > 99999.9)
        return 1131;
    plan = {66, 16, static_cast<uint32_t>(value * 10)};
    return 0;
}
