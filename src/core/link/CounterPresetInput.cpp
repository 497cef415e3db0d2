#include "CounterPresetInput.h"

#include "base/Language.h"
#include "model/TypedNumber.h"

int planCounterPreset(const QString &text, CounterKind kind, CounterPresetPlan &plan)
{
    const TypedNumber number = parseTypedNumber(text);
    if (number.status != TypedNumber::Ok)
        return 1133;
    const double value = number.value;
    if (kind == CounterKind::Distance) {
        if (!(value >= 0 && value <= 999999))
            return 1130;
        plan = {0, 32, static_cast<uint32_t>(value)};
        return 0;
    }
    if (!(value >= 0 && value <= 99999.9))
        return 1131;
    // Tenths of hours (a typed tenth always multiplies to its exact integer).
    plan = {HourCounterStart, 16, static_cast<uint32_t>(value * 10)};
    return 0;
}

QString counterPresetRefusalText(int refusal)
{
    switch (refusal) {
    case 1130: return loadTranslatedString(1130);
    case 1131: return loadTranslatedString(1131);
    default: return loadTranslatedString(1133);
    }
}

KeptCounter keptCounter(const QString &typed, const CounterPresetPlan &plan, CounterKind kind)
{
    const bool hours = kind == CounterKind::Hours;
    const double kept = hours ? plan.value / 10.0 : plan.value;
    KeptCounter result{QString::number(kept, 'f', hours ? 1 : 0), QString()};
    const TypedNumber number = parseTypedNumber(typed);
    if (number.status == TypedNumber::Ok && number.value != kept)
        result.note = loadTranslatedString(hours ? 5984 : 5978).arg(result.text);
    return result;
}

Phrase presetValuePhrase(const CounterPresetPlan &plan)
{
    if (plan.startAddress == HourCounterStart)
        return Phrase::of(5766, {QString::number(plan.value / 10.0, 'f', 1)});
    return Phrase::of(5759, {QString::number(plan.value)});
}
