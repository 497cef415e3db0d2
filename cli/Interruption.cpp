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
    m_step = step;
    m_total = total;
    m_transaction = transaction;
}

bool InterruptWatch::interrupted() const
{
    return caught.load() != 0;
}

int InterruptWatch::report(transfer_history::Transfer transfer) const
{
    QString how;
    if (transfer.outcome.success)
        how = QStringLiteral("after its last step (%1); it was complete").arg(m_transaction);
    else if (m_step == 0)
        how = QStringLiteral("before the first step; nothing was sent");
    else
        how = QStringLiteral("at step %1 of %2 (%3); the steps before it were done, the rest not")
                  .arg(m_step)
                  .arg(m_total)
                  .arg(m_transaction);
    QString line = QStringLiteral("%1 interrupted by %2 %3").arg(transfer.operation, signalName(caught.load()), how);
    if (!transfer.outcome.cancelNote.isEmpty())
        line += QStringLiteral(". ") + transfer.outcome.cancelNote;
    transfer.interrupted = true;
    transfer.detail = transfer.detail.isEmpty() ? line : transfer.detail + QLatin1Char(' ') + line;
    recordHistory(transfer);
    return fail(ExitFailed, line);
}

}
