// What the master's form says under a typed field: while typing, the range a
// value needs; on leaving, the value as the gauge will hold it.
#include "MasterOverview.h"

#include "FieldMark.h"
#include "MasterOverviewControls.h"
#include "base/Language.h"
#include "base/Utility.h"
#include "forms/MasterOverviewRules.h"
#include "model/ProjectDocument.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

using namespace master_overview;

bool MasterOverview::markPulseFactor()
{
    QLineEdit *field = edit(ids::PulseEdit);
    ConfigRecord probe = document()->config();
    probe.DataSource = takeIndex(list(ids::SourceList), probe.DataSource);
    const TypedNumber number = parseTypedNumber(field->text());
    QString reason;
    if (!field->isHidden() && field->isEnabled()) {
        if (number.status == TypedNumber::Ok) {
            setPulseFactorValue(probe, number.value);
            reason = neededRange(probe, record_check::pulseFactorFieldName(probe));
        } else if (number.status == TypedNumber::NotANumber) {
            reason = numberRefusal(number, textOf(control(ids::PulseLabel)), field->text());
        }
    }
    field_mark::mark(field, note(ids::PulseEdit), reason);
    return !reason.isEmpty();
}

bool MasterOverview::markThreshold()
{
    QLineEdit *field = edit(ids::ThresholdEdit);
    const TypedNumber number = parseTypedNumber(field->text());
    QString reason;
    // A threshold the master keeps on its scale is limited on leaving instead.
    if (number.status == TypedNumber::Ok && !m_work.CalculateThreshold) {
        ConfigRecord probe = document()->config();
        probe.WarnThreshold = number.value;
        reason = neededRange(probe, QStringLiteral("WarnThreshold"));
    } else if (number.status == TypedNumber::NotANumber) {
        reason = numberRefusal(number, textOf(control(ids::ThresholdLabel)), field->text());
    }
    field_mark::mark(field, note(ids::ThresholdEdit), reason);
    return !reason.isEmpty();
}

QString MasterOverview::neededRange(const ConfigRecord &probe, const QString &fieldName)
{
    for (const record_check::Refusal &refusal : record_check::checkRecord(probe)) {
        if (refusal.field == fieldName && refusal.rule != record_check::Rule::List)
            // A value inside the range refused for its decimals says so.
            return loadTranslatedString(refusal.rule == record_check::Rule::WholeNumber ? 5988 : 5975)
                .arg(formatLimit(refusal.allowed.low), formatLimit(refusal.allowed.high));
    }
    return QString();
}

void MasterOverview::clampThresholdText(bool untyped)
{
    QLineEdit *field = edit(ids::ThresholdEdit);
    const bool typedNow = field->isModified();
    // A value the user has not touched is left as it is until it is saved.
    if (!untyped && !typedNow)
        return;
    const TypedNumber typed = parseTypedNumber(field->text());
    // Text that is no number is left for the save to name.
    if (typed.status != TypedNumber::Ok)
        return;
    const double kept = m_work.CalculateThreshold ? record_check::clampThreshold(m_work, typed.value) : typed.value;
    // The field shows the whole number the gauge will hold, so that a typed
    // fraction ("7.000" meant as seven thousand) is seen at once; one the
    // project held already is left to the write to tell.
    const QString shown = typedNow ? wholeThreshold(kept) : formatThreshold(kept);
    const bool decimalsDropped = field->text() != shown
                                 && (field->text().contains(QLatin1Char('.')) || field->text().contains(QLatin1Char(',')));
    if (field->text() != shown)
        field->setText(shown);
    // The frame and the note follow the value kept: one rounded past a bound
    // is refused naming it, one rounded back inside is framed no more.
    if (markThreshold())
        return;
    if (kept != typed.value) {
        const bool atEnd = kept == m_work.ScaleMax;
        field_mark::say(note(ids::ThresholdEdit), loadTranslatedString(atEnd ? 5971 : 5972).arg(shown));
    } else if (decimalsDropped) {
        field_mark::say(note(ids::ThresholdEdit), loadTranslatedString(5978).arg(shown));
    }
}

void MasterOverview::showKeptPulseFactor()
{
    QLineEdit *field = edit(ids::PulseEdit);
    if (!field->isModified())
        return;
    ConfigRecord probe = m_work;
    probe.DataSource = takeIndex(list(ids::SourceList), probe.DataSource);
    const TypedNumber typed = parseTypedNumber(field->text());
    if (typed.status != TypedNumber::Ok)
        return;
    // A tachometer whose early firmware was read holds whole pulses: under
    // the master type's limits the save refuses decimals (and says why),
    // else the field shows what the write will send. A gauge not read yet
    // decides at the write.
    using record_check::PulseFactorField;
    const bool whole = record_check::wholeNumberPulseFactor(probe);
    if (whole && ((probe.UseMinMax && probe.DataSource != 1) || probe.FirmwareVersion[0] == 0))
        return;
    // A register gauge holds the k-value in whole pulses; a block gauge's
    // firmware, not known here, decides.
    const bool plain = record_check::pulseFactorFieldOf(probe) == PulseFactorField::PlainKValue;
    if (plain && probe.family() != LinkFamily::Register)
        return;
    const bool wholePulses = whole || plain;
    QString shown;
    if (wholePulses) {
        if (!(std::fabs(typed.value) < 1e9))
            return;
        shown = QString::number(std::round(typed.value), 'f', 0);
    } else {
        // Halves up, as typed: 4,35 is 4.4 though its double lies below 4.35.
        shown = QString::number(roundTo(typed.value, 1), 'f', 1);
    }
    if (shown.toDouble() == typed.value)
        return;
    field->setText(shown);
    if (!markPulseFactor()) // a value out of range keeps its own note
        field_mark::say(note(ids::PulseEdit), loadTranslatedString(wholePulses ? 5978 : 5984).arg(shown));
}

void MasterOverview::showKeptCounter()
{
    QLineEdit *field = edit(ids::CounterEdit);
    const CounterPresetCheck check = checkCounterPreset(m_work, field->text());
    // A refused value is named when Set is pressed.
    if (!check.preset || !field->isModified())
        return;
    const KeptCounter kept = keptCounter(field->text(), check.preset->plan, check.preset->kind);
    if (kept.note.isEmpty())
        return;
    // The field shows what the gauge will count from, so that a dropped
    // fraction is seen before the counter is set.
    field->setText(kept.text);
    field_mark::say(note(ids::CounterEdit), kept.note);
}
