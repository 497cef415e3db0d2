#pragma once
// What a gauge sequence tells its caller: success, the message to show (text
// and icon) and, before it, an optional notice. Sequences never show messages
// themselves; the desktop program shows the outcome on its own thread, the
// command-line tool writes it to stderr.
#include "base/Phrase.h"
#include "base/UserMessages.h"
#include "model/GaugeReadBack.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct TransferOutcome
{
    bool success = false;
    bool cancelled = false;
    // The record was refused by its check: bad input, nothing was changed
    // on the gauge.
    bool refused = false;
    // Shown before the outcome text when not empty ("Login failed", a
    // threshold that could not be converted).
    QString notice;
    user_messages::Icon noticeIcon = user_messages::Icon::None;
    QString text;
    user_messages::Icon icon = user_messages::Icon::None;
    // A translated line that says why a fixed English notice or text came
    // (the port, the system's reason, where the trace is); shown below it.
    QString noticeDetail;
    QString detail;
    // What a cancel leaves behind, when that needs saying (a counter preset
    // cut short; cut short otherwise, it is the detail).
    QString cancelNote;
    // The gauge's block saved before a download overwrote it.
    QString backupFile;
    // The firmware bytes of the block a block-family write or check found on
    // the gauge.
    std::optional<std::array<uint8_t, 2>> firmwareVersion;
    // notice, text and detail by string id, for the service history, which
    // shows them in its reader's language. A text set without its phrase (or
    // changed after) is kept there as written.
    Phrase noticePhrase;
    Phrase textPhrase;
    Phrase detailPhrase;
    void setNotice(const Phrase &p) { notice = p.text(); noticePhrase = p; }
    void setText(const Phrase &p) { text = p.text(); textPhrase = p; }
    void setDetail(const Phrase &p) { detail = p.text(); detailPhrase = p; }
    // A read-back found the gauge holding other values than were written.
    QVector<gauge_readback::HeldMismatch> mismatches;
    // Every step was answered, with values no gauge holds: the failure lies
    // in the replies, not at a step.
    bool implausibleReply = false;
};
