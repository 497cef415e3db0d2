#include "Interruption.h"

#include "CliCommand.h"
#include "HistoryNote.h"

#include <atomic>
#include <csignal>

namespace cli {

namespace {

std::atomic<int> caught{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void onSignal(int number)
{
    caught.store(number);
}

const int watched[] = {
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

QString signalName(int number)
{
#ifdef SIGHUP
    if (number == SIGHUP)
        return QStringLiteral("SIGHUP");
#endif
    return number == SIGTERM ? QStringLiteral("SIGTERM") : QStringLiteral("signal %1").arg(number);
}

}

InterruptWatch::InterruptWatch()
{
    caught.store(0);
    for (int s : watched)
        std::signal(s, onSignal);
}

InterruptWatch::~InterruptWatch()
{
    for (int s : watched)
        std::signal(s, SIG_DFL);
}

void InterruptWatch::progress(int step, int total, const QString &transaction)
{
    m_reached = {step, total, transaction};
}

bool InterruptWatch::interrupted() const
{
    return caught.load() != 0;
}

int InterruptWatch::report(transfer_history::Transfer transfer) const
{
    const QString step = m_reached.step == 0 ? QString()
                                             : QStringLiteral("step %1 of %2 (%3)")
                                                   .arg(m_reached.step)
                                                   .arg(m_reached.total)
                                                   .arg(m_reached.transaction);
    const QString said = line(transfer.operation, howFar(transfer.outcome, step));
    transfer.interrupted = true;
    transfer.detail = transfer.detail.isEmpty() ? said : transfer.detail + QLatin1Char(' ') + said;
    recordHistory(transfer);
    return fail(ExitFailed, said);
}

QString InterruptWatch::line(const QString &operation, const QString &howFar) const
{
    return QStringLiteral("%1 interrupted by %2 %3").arg(operation, signalName(caught.load()), howFar);
}

QString InterruptWatch::howFar(const TransferOutcome &outcome, const QString &step)
{
    QString how;
    if (outcome.success)
        how = QStringLiteral("after its last step; it was complete");
    else if (step.isEmpty())
        how = QStringLiteral("before the first step; nothing was sent");
    else
        how = QStringLiteral("at %1; the steps before it were done, the rest not").arg(step);
    // A counter preset cut short.
    if (!outcome.cancelNote.isEmpty())
        how += QStringLiteral(". ") + outcome.cancelNote;
    return how;
}

}
