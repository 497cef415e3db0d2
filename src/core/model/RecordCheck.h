#pragma once
// The one check of a record before it is saved or sent to a gauge: every list
// index within its list, every number within what the gauge's memory holds,
// and the pulse factor within its master type's limits. Saving a project,
// writing to a gauge and the command-line tool all run it; a refused record
// is neither written to a file nor sent.
#include "ConfigRecord.h"
#include "GaugeParamCodec.h"
#include "base/Phrase.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace record_check {

struct Range
{
    double low;
    double high;
};

enum class Rule {
    List,        // a list index or a yes/no value outside its list
    Capacity,    // a number the gauge's bytes cannot hold
    Limits,      // a pulse factor outside the master type's limits
    WholeNumber, // a fraction where the gauge counts whole pulses
};

struct Refusal
{
    QString field; // the record field, as the project file and the tool name it
    double value;
    Range allowed;
    Rule rule;
};

// The family whose gauge the record is meant for: the master type's, when a
// master type was found for it; none for a record without one.
std::optional<LinkFamily> familyOfMasterType(const ConfigRecord &cfg);

// Every refusal, in record order (at most one per field). Without a family
// only what no gauge of either family could hold is refused; the master
// type's limits apply whenever its properties are in the record.
QVector<Refusal> checkRecord(const ConfigRecord &cfg, std::optional<LinkFamily> family);
// The record for the gauge of its own master type.
QVector<Refusal> checkRecord(const ConfigRecord &cfg);

// The values no gauge (of the family, when given) can take, whatever its
// master type: what a damaged file or a refusing gauge gives, as
// "DataSource 77", "KValue nan". The master type's own limits are left out.
QStringList valuesNoGaugeTakes(const ConfigRecord &cfg, std::optional<LinkFamily> family);

// What is refused before the gauge is read. A block gauge counts its pulse
// factor as its own block's firmware says, and the record's firmware is the
// one read last (maybe from another gauge; unknown in a project file): so
// its pulse factor is refused here only when no firmware takes it, and
// checkAgainstBlock decides the rest.
QVector<Refusal> checkBeforeReading(const ConfigRecord &cfg, LinkFamily family);

// The last word for a block-family gauge, once its block is read: the
// firmware byte there decides how the pulse factor is counted, and the
// threshold plus the offset byte O must still fit in 16 bits.
QVector<Refusal> checkAgainstBlock(const ConfigRecord &cfg, const gauge_codec::ParamBlock &block);

// One line that names the field, the value and what is allowed.
QString refusalText(const Refusal &refusal);

// Which field the form's pulse factor edits: MValue (one decimal) for a
// tachometer with LCD or a synchroniser, else KValue.
enum class PulseFactorField { MValue, PlainKValue, TachometerKValue };
PulseFactorField pulseFactorFieldOf(const ConfigRecord &config);
QString pulseFactorFieldName(const ConfigRecord &config);
// Only the block-family tachometer reports its firmware; its early versions
// count the pulse factor in whole pulses.
bool wholeNumberPulseFactor(const ConfigRecord &config);

// What the gauge's memory holds for the value the pulse factor field edits.
Range pulseFactorCapacity(const ConfigRecord &config);
// When a write to a gauge of family leaves a value with fewer decimals than
// config holds, what says so, with the value held and the one asked for: the
// pulse factor (whole units: a register gauge's KValue, a block whose
// firmware, in config, counts no tenths; tenths otherwise), else the warning
// threshold (whole units, unless a block gauge converts it to its scale).
// Empty when both are kept as they are.
Phrase decimalsCutByWrite(const ConfigRecord &config, LinkFamily family);
// The same for a block-family gauge, whose block says how it counts.
Phrase decimalsCutByWrite(const ConfigRecord &config, const gauge_codec::ParamBlock &block);

// The threshold kept within the scale when the master type converts it.
double clampThreshold(const ConfigRecord &config, double value);

}
