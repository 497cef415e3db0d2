#pragma once
// The same gauge sequence on several ports at once (a service bench): one
// link per port, each on its own thread, all at the same time. One gauge's
// failure never stops the others; each port gets its own result, with the
// step where it failed and, where a second look tells, why (the port went
// away, is busy, or holds a gauge of the other family).
#include "GaugeSequences.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

enum class BatchOperation { Read, Write, Verify };

struct BatchPortResult
{
    QString port;
    LinkFamily family = LinkFamily::Block; // the family the sequence spoke
    TransferOutcome outcome;
    // One line for lists and reports: the outcome, its notice, and for a
    // failure the step and what the port was found to hold.
    QString message;
    double seconds = 0.0;
    // What a read found (the record given, with the gauge's values).
    ConfigRecord record;
};

// Follows the ports of a batch. Called on each port's own thread (several
// at once): implementations synchronise themselves.
class BatchObserver
{
public:
    virtual ~BatchObserver() = default;
    virtual void portProgress(int portIndex, int step, int total, const QString &transaction)
    {
        Q_UNUSED(portIndex);
        Q_UNUSED(step);
        Q_UNUSED(total);
        Q_UNUSED(transaction);
    }
    virtual void portFinished(int portIndex, const BatchPortResult &result)
    {
        Q_UNUSED(portIndex);
        Q_UNUSED(result);
    }
    // True stops every port before its next transaction.
    virtual bool cancelRequested() { return false; }
};

// Why the ports cannot make a batch (empty: they can): a port left empty, or
// a port given twice, also under another name of the same device.
QString checkBatchPorts(const QStringList &ports);

// Runs the operation on every port at once (options.device is set per port)
// and returns when all have ended, the results in the order of ports. cfg is
// the record written or verified, or the starting record of a read.
QVector<BatchPortResult> runBatch(BatchOperation operation, const QStringList &ports, const ConfigRecord &cfg,
                                  const LinkOptions &options = LinkOptions(), BatchObserver *observer = nullptr);
