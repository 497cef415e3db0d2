#pragma once
// The counter value a user asks to preset, checked as the master's form
// checks it, and where it goes on the gauge.
#include "base/Phrase.h"

#include <QString>
#include <cstdint>

enum class CounterKind { Distance, Hours };

// Where the engine-hour counter starts; the distance counter starts at 0.
constexpr int HourCounterStart = 66;

struct CounterPresetPlan
{
    int startAddress = 0;
    int cells = 0;
    uint32_t value = 0; // distance as a whole number, hours in tenths
};

// The value is read as a typed number (a decimal comma is a point). Returns 0
// and fills plan for a valid value, else the number of the program string that
// refuses it: 1133 not a number (empty, or characters after the number), 1130
// distance outside 0-999999, 1131 hours outside 0-99999.9.
int planCounterPreset(const QString &text, CounterKind kind, CounterPresetPlan &plan);
// The program string of a refusal planCounterPreset returned.
QString counterPresetRefusalText(int refusal);
// What the gauge will count from after a preset planned from typed, as the
// form shows a counter ("12345", "1234.5"), and the note saying why it is not
// what was typed: the gauge drops further decimals. The note is empty when
// the typed value is kept whole.
struct KeptCounter
{
    QString text;
    QString note;
};
KeptCounter keptCounter(const QString &typed, const CounterPresetPlan &plan, CounterKind kind);
// What a preset sets, in words of the language the service history is read
// in ("Hour counter: 1234.5 h").
Phrase presetValuePhrase(const CounterPresetPlan &plan);
