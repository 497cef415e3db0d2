#include "GaugeBatch.h"

#include "FailureReason.h"
#include "LineSettings.h"
#include "NetworkAddress.h"
#include "base/Language.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <memory>

namespace {

// One port's sequence as seen by the batch: its progress goes to the batch's
// observer under the port's index.
class PortObserver : public SequenceObserver
{
public:
    PortObserver(int index, BatchObserver *batch) : m_index(index), m_batch(batch) {}

    void progress(int step, int total, const QString &transaction) override
    {
        if (m_batch)
            m_batch->portProgress(m_index, step, total, transaction);
    }
    bool cancelRequested() override { return m_batch && m_batch->cancelRequested(); }

private:
    int m_index;
    BatchObserver *m_batch;
};

TransferOutcome runOne(BatchOperation operation, ConfigRecord &record, SequenceObserver &observer,
                       const LinkOptions &options)
{
    switch (operation) {
    case BatchOperation::Read:
        return readFromGauge(record, &observer, options);
    case BatchOperation::Write:
        return writeToGauge(record, &observer, options);
    case BatchOperation::Verify:
        return verifyGauge(record, &observer, options);
    }
    return TransferOutcome();
}

BatchPortResult runPort(BatchOperation operation, int index, const QString &port, const ConfigRecord &cfg,
                        LinkOptions options, BatchObserver *observer)
{
    options.device = port;
    BatchPortResult result;
    result.port = port;
    result.family = options.family.value_or(cfg.family());
    result.record = cfg;
    PortObserver follower(index, observer);
    StepNoting steps(&follower); // the last step begun names where a failure happened
    QElapsedTimer timer;
    timer.start();
    // As for a single gauge: a port that never opened says why in its detail
    // (a second look would call a mistyped name "no longer there").
    result.outcome = withFailureReason(runOne(operation, result.record, steps, options), steps.reached, port,
                                       result.family, options.traceTag);

    const TransferOutcome &o = result.outcome;
    QStringList parts;
    if (!o.notice.isEmpty())
        parts << (o.noticeDetail.isEmpty() ? o.notice : o.notice + QStringLiteral(": ") + o.noticeDetail);
    parts << o.text << o.detail << o.cancelNote;
    parts.removeAll(QString());
    result.message = parts.join(QLatin1Char(' '));
    result.seconds = timer.nsecsElapsed() / 1e9;
    if (observer)
        observer->portFinished(index, result);
    return result;
}

QString deviceIdentity(const QString &port)
{
    if (isNetworkAddress(port))
        return port.trimmed().toLower();
    const QFileInfo info(port);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}

QString checkBatchPorts(const QStringList &ports)
{
    QStringList seen;
    for (const QString &port : ports) {
        if (port.trimmed().isEmpty())
            return loadTranslatedString(5764);
        const QString identity = deviceIdentity(port);
        const int earlier = seen.indexOf(identity);
        if (earlier >= 0)
            return loadTranslatedString(5765).arg(ports.at(earlier), port);
        seen << identity;
    }
    return QString();
}

QVector<BatchPortResult> runBatch(BatchOperation operation, const QStringList &ports, const ConfigRecord &cfg,
                                  const LinkOptions &options, BatchObserver *observer)
{
    QVector<BatchPortResult> results(ports.size());
    BatchPortResult *entries = results.data(); // each thread fills its own
    std::vector<std::unique_ptr<QThread>> threads;
    LinkOptions shared = options;
    // Once for all ports, not once per port opening at the same moment.
    if (!shared.line)
        shared.line = loadLineSettings();
    for (int i = 0; i < ports.size(); ++i) {
        LinkOptions portOptions = shared;
        // Trace lines of ports running side by side carry their port.
        if (ports.size() > 1)
            portOptions.traceTag = ports.at(i);
        // A QThread, not a bare thread: the serial port needs its event
        // dispatcher to wait for bytes.
        threads.emplace_back(QThread::create([entries, operation, i, &ports, &cfg, portOptions, observer] {
            entries[i] = runPort(operation, i, ports.at(i), cfg, portOptions, observer);
        }));
        threads.back()->start();
    }
    for (const auto &t : threads)
        t->wait();
    return results;
}
