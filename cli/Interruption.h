#pragma once
// SIGTERM or SIGHUP during a gauge command: the sequence stops before its
// next transaction (a reply being waited for is given up), and the command
// says how far it got, notes it in the service history as "interrupted" and
// exits 1 instead of vanishing silently.
#include "history/TransferHistory.h"
#include "link/FailureReason.h"
#include "link/SequenceObserver.h"

namespace cli {

class InterruptWatch : public SequenceObserver
{
public:
    // Catches the signals from here until the watch goes away.
    InterruptWatch();
    ~InterruptWatch() override;
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    void progress(int step, int total, const QString &transaction) override;
    bool cancelRequested() override { return interrupted(); }
    bool interrupted() const;
    // The last step begun.
    const StepReached &reached() const { return m_reached; }

    // Records the command as interrupted, says so in one line (how far it
    // got, or that it had finished when the signal came); exit status 1.
    int report(transfer_history::Transfer transfer) const;
    // "write interrupted by SIGTERM " and how far it got.
    QString line(const QString &operation, const QString &howFar) const;
    // How far a sequence got whose last step was step ("step 5 of 14
    // (DownloadToGauge)", empty before the first one).
    static QString howFar(const TransferOutcome &outcome, const QString &step);

private:
    StepReached m_reached;
};

}
