#pragma once
// Why a transfer failed, beyond its message: the step it stopped at and what
// a second, short look at the port tells (the port went away, is busy, is
// silent, or holds a gauge of the other family).
#include "SequenceObserver.h"
#include "TransferOutcome.h"
#include "model/ConfigRecord.h"

#include <QString>

// The last step a sequence began, as its observer was told.
struct StepReached
{
    int step = 0;
    int total = 0;
    QString transaction;
};

// Passes a sequence's progress on and notes the last step begun.
class StepNoting : public SequenceObserver
{
public:
    explicit StepNoting(SequenceObserver *next = nullptr) : m_next(next) {}
    void progress(int step, int total, const QString &transaction) override
    {
        reached = {step, total, transaction};
        if (m_next)
            m_next->progress(step, total, transaction);
    }
    bool cancelRequested() override { return m_next && m_next->cancelRequested(); }

    StepReached reached;

private:
    SequenceObserver *m_next;
};

// The outcome with the reason it failed after its detail (the step it stopped
// at and what a second look at the port tells; nothing for a success, a
// refusal or a cancel), for a port that opened: one that did not says why in
// its detail already. Port empty: the configured one.
TransferOutcome withFailureReason(TransferOutcome outcome, const StepReached &reached, QString port,
                                  LinkFamily family, const QString &traceTag = QString());
