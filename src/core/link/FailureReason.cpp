#include "FailureReason.h"

#include "GaugeProbe.h"
#include "LineSettings.h"
#include "TransferStepText.h"
#include "base/Language.h"

namespace {

// In the words of the chosen language, as the progress window and the
// service history name them.
QString familyName(LinkFamily family)
{
    return loadTranslatedString(family == LinkFamily::Block ? 6361 : 6362);
}

// What a second, short look at the port tells; empty when it tells nothing more.
QString diagnosis(const QString &port, LinkFamily family, const QString &traceTag)
{
    const ProbeResult probe = probePort(port, ProbeOptions(), traceTag);
    switch (probe.status) {
    case ProbeStatus::NoSuchPort:
        return loadTranslatedString(5761);
    case ProbeStatus::Busy:
        return probe.message + QLatin1Char('.');
    case ProbeStatus::Silent:
        return loadTranslatedString(5763);
    case ProbeStatus::Found:
        if (probe.family && *probe.family != family)
            return loadTranslatedString(5762).arg(familyName(*probe.family), familyName(family));
        break;
    default:
        break;
    }
    return QString();
}

// Empty when nothing more is known.
QString failureReason(const TransferOutcome &outcome, const StepReached &reached, const QString &port,
                      LinkFamily family, const QString &traceTag)
{
    // A read-back that found other values, or replies no gauge gives, failed
    // at no step and need no second look at the port.
    if (outcome.success || outcome.refused || outcome.cancelled || !outcome.mismatches.isEmpty()
        || outcome.implausibleReply)
        return QString();
    QStringList parts{loadTranslatedString(5760).arg(reached.step).arg(reached.total).arg(describeTransferStep(reached.transaction)),
                      diagnosis(port, family, traceTag)};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

}

TransferOutcome withFailureReason(TransferOutcome outcome, const StepReached &reached, QString port,
                                  LinkFamily family, const QString &traceTag)
{
    if (reached.step == 0)
        return outcome;
    if (port.isEmpty())
        port = configuredPortDevice(loadLineSettings().port);
    const QString reason = failureReason(outcome, reached, port, family, traceTag);
    if (reason.isEmpty())
        return outcome;
    if (!outcome.detail.isEmpty() && !outcome.detail.endsWith(QLatin1Char('.')))
        outcome.detail += QLatin1Char('.'); // a link's fault ends without one
    outcome.detail = outcome.detail.isEmpty() ? reason : outcome.detail + QLatin1Char(' ') + reason;
    return outcome;
}
