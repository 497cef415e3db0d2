#pragma once
// Follows a gauge sequence from another object (a progress dialog, the
// command-line tool): each transaction is announced before it runs, and the
// sequence asks between transactions whether to stop. Called on the thread
// that runs the sequence.
#include <QString>

class SequenceObserver
{
public:
    virtual ~SequenceObserver() = default;
    // Transaction number step (from 1) of about total is about to run.
    virtual void progress(int step, int total, const QString &transaction)
    {
        Q_UNUSED(step);
        Q_UNUSED(total);
        Q_UNUSED(transaction);
    }
    // True stops the sequence before its next transaction.
    virtual bool cancelRequested() { return false; }
};
